#include "fuzzsupport.h"

#include "base/paths.h"
#include "base/random.h"
#include "generate/candidateslots.h"
#include "generate/generatepuzzles.h"
#include "generate/generationobserver.h"
#include "render/metafilepage.h"
#include "render/pagerenderer.h"
#include "render/pagerun.h"
#include "render/printrun.h"
#include "report/canvas.h"
#include "report/reportfiler.h"
#include "report/reportstream.h"
#include "storage/settings.h"
#include "storage/shaperecord.h"
#include "wordlist/badwordlist.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace fuzzing {

namespace {

// Takes every call and only counts them, so a replay costs no drawing.
class CountingCanvas : public Canvas {
public:
    long calls = 0;

    void drawLine(const QPointF&, const QPointF&) override { ++calls; }
    void drawPolygon(const QPolygonF& polygon) override { calls += 1 + polygon.size() / 64; }
    void drawText(const QPointF&, const QString& text) override { calls += 1 + text.size() / 64; }
    void drawImage(const QRectF&, const QImage&) override { ++calls; }

protected:
    void pageStarted(const PageSetup&) override { ++calls; }
    void pageEnded() override { ++calls; }
};

// Pages a replay visits: enough for every record kind, few enough to stay quick.
constexpr int kMaxReplayedPages = 8;

} // namespace

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quillmaze-fuzz";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // lives until the process ends
}

const QString& scratchFolder()
{
    // A static object, so the folder is removed when the fuzzer exits normally.
    static const QTemporaryDir folder([] {
        const QString shm = QStringLiteral("/dev/shm");
        const QString base = QDir(shm).exists() ? shm : QDir::tempPath();
        return base + QStringLiteral("/quillmaze-fuzz-XXXXXX");
    }());
    static const QString path = folder.path();
    return path;
}

QString putFile(const QString& name, QByteArrayView bytes)
{
    const QString path = scratchFolder() + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(bytes.data(), bytes.size()) != bytes.size())
        invariantBroken("the scratch folder takes no file");
    return path;
}

ScratchProgramDirectory::ScratchProgramDirectory()
    : m_previous(programDirectory())
{
    QDir folder(scratchFolder());
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        folder.remove(name);
    setProgramDirectory(scratchFolder());
}

ScratchProgramDirectory::~ScratchProgramDirectory() { setProgramDirectory(m_previous); }

const BadWordList& builtInBadList()
{
    static const BadWordList list = [] {
        BadWordList builtIn;
        builtIn.GetBadList(QString());
        builtIn.upperCase();
        return builtIn;
    }();
    return list;
}

void generateOnce(const PuzzleRecord& words, const ShapeRecord& shape)
{
    static const auto candidates = std::make_unique<CandidateSlots>();
    auto record = std::make_unique<PuzzleRecord>(words);
    record->GridCols = static_cast<std::int16_t>(shape.width());
    record->GridRows = static_cast<std::int16_t>(shape.height());
    GenerationSettings settings;
    settings.attempts = 1;
    GenerationContext context{*record, shape, settings, *candidates, builtInBadList()};
    GenerationObserver quiet;
    setFixedRandomSeed(19);
    GeneratePuzzles(context, quiet);
    clearFixedRandomSeed();
}

void printCopy(PrintCopy& copy, const PrintOptions& options)
{
    // Scrambled words are shuffled anew for each print: the same seed each
    // time, so that the same input prints the same pages.
    setFixedRandomSeed(19);
    TReportFiler filer;
    PageRenderer renderer(copy, options);
    renderer.attachTo(filer);
    runPage(filer, copy.run);
    replayCounting(ReportStream(filer.recordedData()));
    metafilePicture(MetafileFormat::Emf, copy, options);
    clearFixedRandomSeed();
}

long replayCounting(const ReportStream& stream)
{
    CountingCanvas canvas;
    for (int page = 1; page <= std::min(stream.pageCount(), kMaxReplayedPages); ++page)
        stream.replayPage(page, canvas);
    return canvas.calls;
}

void invariantBroken(const char* what)
{
    std::fprintf(stderr, "fuzz target: %s\n", what);
    std::abort();
}

} // namespace fuzzing
