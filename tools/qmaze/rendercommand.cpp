// qmaze render: one puzzle page as a PDF or PNG file, drawn as it prints.
#include "command.h"

#include "base/paths.h"
#include "render/pagerenderer.h"
#include "render/pagerun.h"
#include "render/printoptions.h"
#include "render/printrun.h"
#include "report/filepreview.h"
#include "report/pagedcanvas.h"
#include "report/reportfiler.h"
#include "report/reportstream.h"
#include "storage/collectionfile.h"
#include "storage/configuration.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

#include <memory>
#include <optional>

namespace {

const QString kUsage = QStringLiteral(
    "Usage: qmaze render --collection FILE.QZ3 --index N --out FILE.pdf|FILE.png\n"
    "                    [--answer-key] [--words normal|clues|scrambled|partial] [--dpi N]\n\n"
    "Draws one puzzle of a collection file through its page layout, as it is\n"
    "printed, into a PDF (vector text, ready to print) or a PNG picture.\n"
    "The print options come from QMAZE3.INI in the current directory and\n"
    "the puzzle's page layout; the options below override them.\n\n"
    "Options:\n"
    "  --collection FILE   the collection file to read\n"
    "  --index N           the puzzle's record index (see 'qmaze list')\n"
    "  --out FILE          the file to write; .pdf or .png\n"
    "  --answer-key        outline the words and show them before the clues\n"
    "  --words STYLE       the word list: normal, clues, scrambled or partial\n"
    "  --dpi N             pixels per inch of a PNG, 10..1200 (default 150)\n"
    "  --help              show this help");

constexpr int DefaultDpi = 150;

std::optional<int> wordStyleNamed(const QString& name)
{
    if (name == QLatin1String("normal"))
        return NormalWords;
    if (name == QLatin1String("clues"))
        return ClueList;
    if (name == QLatin1String("scrambled"))
        return ScrambledWords;
    if (name == QLatin1String("partial"))
        return PartialWords;
    return std::nullopt;
}

int fail(const QString& message, int code = 1)
{
    printError(QStringLiteral("qmaze render: %1").arg(message));
    return code;
}

bool writePdf(const ReportStream& stream, const QString& title, const QString& path, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    bool drawn;
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Quillmaze"));
        PagedCanvas canvas(writer);
        stream.replayAll(canvas);
        drawn = canvas.finish();
    }
    if (!drawn) {
        error = QStringLiteral("the PDF could not be drawn");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool writePng(const QByteArray& recorded, int dpi, const QString& path, QString& error)
{
    TFilePreview preview;
    preview.setStream(recorded);
    preview.setScreenDpi(dpi);
    preview.start();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (!preview.pageImage().save(&file, "PNG")) {
        error = QStringLiteral("the picture could not be written");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

int runRender(const QStringList& arguments)
{
    QmazeOptions options;
    const QStringList values = {QStringLiteral("--collection"), QStringLiteral("--index"), QStringLiteral("--out"),
                                QStringLiteral("--words"), QStringLiteral("--dpi")};
    if (!options.parse(arguments, values, {QStringLiteral("--answer-key")}))
        return fail(options.error(), 2);
    const QString collection = options.value(QStringLiteral("--collection"));
    const QString out = options.value(QStringLiteral("--out"));
    if (collection.isEmpty() || out.isEmpty() || !options.has(QStringLiteral("--index")))
        return fail(QStringLiteral("--collection, --index and --out are required"), 2);
    bool ok = false;
    const qint64 index = options.value(QStringLiteral("--index")).toLongLong(&ok);
    if (!ok || index < 0)
        return fail(QStringLiteral("--index needs a record index of 0 or more"), 2);
    const QString suffix = QFileInfo(out).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("png"))
        return fail(QStringLiteral("--out must name a .pdf or .png file"), 2);
    int dpi = DefaultDpi;
    if (options.has(QStringLiteral("--dpi"))) {
        dpi = options.value(QStringLiteral("--dpi")).toInt(&ok);
        if (!ok || dpi < 10 || dpi > 1200)
            return fail(QStringLiteral("--dpi needs a number from 10 to 1200"), 2);
    }
    std::optional<int> style;
    if (options.has(QStringLiteral("--words"))) {
        style = wordStyleNamed(options.value(QStringLiteral("--words")));
        if (!style)
            return fail(QStringLiteral("--words must be normal, clues, scrambled or partial"), 2);
    }

    if (!QFileInfo(collection).isFile())
        return fail(QStringLiteral("cannot open %1").arg(collection));
    const qint64 count = puzzleCount(collection);
    if (index >= count)
        return fail(QStringLiteral("%1 holds %2 puzzles; there is no puzzle %3").arg(collection).arg(count).arg(index));
    auto puzzle = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    if (!readPuzzle(collection, index, *puzzle))
        return fail(QStringLiteral("cannot open %1").arg(collection));
    if (!puzzle->isGenerated())
        return fail(QStringLiteral("puzzle %1 has no generated grid to print").arg(index));

    // The print options as the print options form starts them: the settings
    // file, then what the puzzle's layout decides, then the command line.
    const Settings settings = loadSettingsFile(startFile(QString::fromLatin1(kConfigFile)), startDirectory());
    PrintOptions printOptions = PrintOptions::fromSettings(settings.reports);
    printOptions.takeLayoutSettings(puzzle->PageLayout);
    if (options.has(QStringLiteral("--answer-key")))
        printOptions.AnswerKey = true;
    if (style)
        printOptions.WordStyle = *style;
    if (printOptions.NumColumns <= 0)
        return fail(QStringLiteral("Invalid number of columns specified."));

    auto copy = std::make_unique<PrintCopy>(*puzzle);
    TReportFiler filer;
    PageRenderer renderer(*copy, printOptions);
    renderer.attachTo(filer);
    runPage(filer, copy->run); // overflow warnings go to stderr

    QString error;
    const bool written = suffix == QLatin1String("pdf")
        ? writePdf(ReportStream(filer.recordedData()), puzzle->Title.text(), out, error)
        : writePng(filer.recordedData(), dpi, out, error);
    if (!written)
        return fail(QStringLiteral("cannot write %1: %2").arg(out, error));
    return 0;
}

} // namespace

QMAZE_COMMAND(render, QStringLiteral("render"), QStringLiteral("draw a puzzle page into a PDF or PNG file"), kUsage,
              runRender)
