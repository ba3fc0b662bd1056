// qmaze render: a puzzle page in any export format, or a booklet of puzzles as one PDF.
#include "command.h"

#include "base/ansi.h"
#include "base/paths.h"
#include "base/wholefile.h"
#include "render/booklet.h"
#include "render/htmlpage.h"
#include "render/metafilepage.h"
#include "render/pageexport.h"
#include "render/pagerenderer.h"
#include "render/pagerun.h"
#include "render/printoptions.h"
#include "render/printrun.h"
#include "report/filepreview.h"
#include "report/reportfiler.h"
#include "report/reportstream.h"
#include "storage/collectionfile.h"
#include "storage/configuration.h"

#include <QBuffer>
#include <QFileInfo>

#include <memory>
#include <optional>

namespace {

const QString kUsage = QStringLiteral(
    "Usage: qmaze render --collection FILE.QZ3 --index N --out FILE\n"
    "       qmaze render --collection FILE.QZ3 (--category NAME | --index N,N,...) --out FILE.pdf\n"
    "                    [--answer-keys-after]\n"
    "                    [--answer-key] [--words normal|clues|scrambled|partial] [--dpi N]\n\n"
    "Draws a puzzle of a collection file through its page layout, as it is\n"
    "printed. The extension of --out chooses the format: .pdf (vector text,\n"
    "ready to print), .png, .bmp, .jpg, .wmf (Windows metafile), .emf\n"
    "(enhanced metafile), .svg, or .html (a web page with its .JPG picture\n"
    "beside it, from the web page settings).\n"
    "Several puzzles (a category, or a list of indexes) make a booklet: one\n"
    "PDF, one page each in the order given, with --answer-keys-after followed\n"
    "by their answer keys in the same order.\n"
    "The print options come from QMAZE3.INI in the current directory and\n"
    "each puzzle's page layout; the options below override them.\n\n"
    "Options:\n"
    "  --collection FILE     the collection file to read\n"
    "  --index N[,N...]      record indexes of puzzles (see 'qmaze list')\n"
    "  --category NAME       every puzzle of a category, in title order\n"
    "  --out FILE            the file to write\n"
    "  --answer-key          outline the words and show them before the clues\n"
    "  --answer-keys-after   a booklet: the answer keys follow the puzzles\n"
    "  --words STYLE         the word list: normal, clues, scrambled or partial\n"
    "  --dpi N               pixels per inch of a picture, 10..1200 (default 150)\n"
    "  --help                show this help");

const QStringList kFormats = {QStringLiteral("pdf"), QStringLiteral("png"), QStringLiteral("bmp"),
                              QStringLiteral("jpg"), QStringLiteral("wmf"), QStringLiteral("emf"),
                              QStringLiteral("svg"), QStringLiteral("html"), QStringLiteral("htm")};

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

QImage pageImage(const QByteArray& recorded, int dpi)
{
    TFilePreview preview;
    preview.setStream(recorded);
    preview.setScreenDpi(dpi);
    preview.start();
    return preview.pageImage();
}

bool writePng(const QByteArray& recorded, int dpi, const QString& path, QString& error)
{
    QBuffer picture;
    picture.open(QIODevice::WriteOnly);
    if (!pageImage(recorded, dpi).save(&picture, "PNG")) {
        error = QStringLiteral("the picture could not be written");
        return false;
    }
    return saveWholeFile(path, picture.data(), &error);
}

// Record indexes from "N" or "N,N,...".
std::optional<QList<qint64>> parseIndexes(const QString& text)
{
    QList<qint64> indexes;
    for (const QString& part : text.split(u',')) {
        bool ok = false;
        const qint64 index = part.trimmed().toLongLong(&ok);
        if (!ok || index < 0)
            return std::nullopt;
        indexes << index;
    }
    return indexes;
}

// One page in the format its extension names. Errors after the file was
// opened throw IoError.
int writeOnePage(const QString& suffix, const QString& out, const Settings& settings, const PrintCopy& copy,
                 const PrintOptions& printOptions, const QByteArray& recorded, int dpi)
{
    QString error;
    if (suffix == QLatin1String("pdf")) {
        writeAllPagesPdfFile(out, ReportStream(recorded), copy.puzzle.Title.text());
    } else if (suffix == QLatin1String("png")) {
        if (!writePng(recorded, dpi, out, error))
            return fail(QStringLiteral("cannot write %1: %2").arg(out, error));
    } else if (suffix == QLatin1String("bmp")) {
        writeBitmapFile(out, pageImage(recorded, dpi), settings.reports.pixelFormat == 2 ? 8 : 24);
    } else if (suffix == QLatin1String("jpg")) {
        writeJpegFile(out, pageImage(recorded, dpi), settings.reports.jpegQuality);
    } else if (suffix == QLatin1String("wmf") || suffix == QLatin1String("emf")) {
        if (layoutHasBitmaps(copy.puzzle.PageLayout))
            printError(kMetafileBitmapWarning);
        writeMetafileFile(out, suffix == QLatin1String("wmf") ? MetafileFormat::Wmf : MetafileFormat::Emf, copy,
                          printOptions);
    } else if (suffix == QLatin1String("svg")) {
        writeSvgFile(out, ReportStream(recorded), 1);
    } else if (!writeHtmlExport(out, settings.html, pageImage(recorded, dpi), settings.reports.jpegQuality)) {
        return fail(kUnableToCreateHtml);
    }
    return 0;
}

int writeBooklet(const QString& collection, const QList<qint64>& indexes, const PrintOptions& printOptions,
                 bool keysAfter, const QString& out)
{
    const BookletResult booklet = makeBooklet(collection, indexes, printOptions, keysAfter);
    for (const QString& line : booklet.skipped)
        printError(QStringLiteral("qmaze render: %1").arg(line));
    for (const QString& title : booklet.overflowed)
        printError(QStringLiteral("qmaze render: \"%1\" did not fit its page layout").arg(title));
    if (booklet.stream.isEmpty())
        return fail(QStringLiteral("no puzzle to print"));
    writeAllPagesPdfFile(out, ReportStream(booklet.stream), QFileInfo(out).completeBaseName());
    return 0;
}

int runRender(const QStringList& arguments)
{
    QmazeOptions options;
    const QStringList values = {QStringLiteral("--collection"), QStringLiteral("--index"), QStringLiteral("--category"),
                                QStringLiteral("--out"), QStringLiteral("--words"), QStringLiteral("--dpi")};
    if (!options.parse(arguments, values, {QStringLiteral("--answer-key"), QStringLiteral("--answer-keys-after")}))
        return fail(options.error(), 2);
    const QString collection = options.value(QStringLiteral("--collection"));
    const QString out = options.value(QStringLiteral("--out"));
    const bool byCategory = options.has(QStringLiteral("--category"));
    if (collection.isEmpty() || out.isEmpty() || options.has(QStringLiteral("--index")) == byCategory)
        return fail(QStringLiteral("--collection, --out and either --index or --category are required"), 2);
    QList<qint64> indexes;
    if (!byCategory) {
        const auto parsed = parseIndexes(options.value(QStringLiteral("--index")));
        if (!parsed)
            return fail(QStringLiteral("--index needs record indexes of 0 or more, separated by commas"), 2);
        indexes = *parsed;
    }
    const bool keysAfter = options.has(QStringLiteral("--answer-keys-after"));
    const bool booklet = byCategory || indexes.size() > 1 || keysAfter;
    const QString suffix = QFileInfo(out).suffix().toLower();
    if (!kFormats.contains(suffix))
        return fail(QStringLiteral("--out must name a .pdf, .png, .bmp, .jpg, .wmf, .emf, .svg or .html file"), 2);
    if (booklet && suffix != QLatin1String("pdf"))
        return fail(QStringLiteral("a booklet of several puzzles is written as a .pdf file"), 2);
    int dpi = DefaultDpi;
    bool ok = false;
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
    // The print options as the print options form starts them: the settings
    // file, then what the puzzle's layout decides, then the command line.
    const Settings settings = loadSettingsFile(startFile(QString::fromLatin1(kConfigFile)), startDirectory());
    PrintOptions printOptions = PrintOptions::fromSettings(settings.reports);
    if (options.has(QStringLiteral("--answer-key")))
        printOptions.AnswerKey = true;
    if (style)
        printOptions.WordStyle = *style;

    if (byCategory) {
        const QByteArray category = unicodeToAnsi(options.value(QStringLiteral("--category")));
        indexes = categoryPuzzles(loadCollectionIndex(collection), category);
        if (indexes.isEmpty())
            return fail(QStringLiteral("%1 has no category \"%2\"").arg(collection, options.value(QStringLiteral("--category"))));
    }
    if (booklet)
        return writeBooklet(collection, indexes, printOptions, keysAfter, out);

    const qint64 index = indexes.first();
    const qint64 count = puzzleCount(collection);
    if (index >= count)
        return fail(QStringLiteral("%1 holds %2 puzzles; there is no puzzle %3").arg(collection).arg(count).arg(index));
    auto puzzle = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    if (!readPuzzle(collection, index, *puzzle))
        return fail(QStringLiteral("cannot open %1").arg(collection));
    if (!puzzle->isGenerated())
        return fail(QStringLiteral("puzzle %1 has no generated grid to print").arg(index));
    printOptions.takeLayoutSettings(puzzle->PageLayout);
    if (printOptions.NumColumns <= 0)
        return fail(QStringLiteral("Invalid number of columns specified."));

    auto copy = std::make_unique<PrintCopy>(*puzzle);
    TReportFiler filer;
    PageRenderer renderer(*copy, printOptions);
    renderer.attachTo(filer);
    runPage(filer, copy->run); // overflow warnings go to stderr
    return writeOnePage(suffix, out, settings, *copy, printOptions, filer.recordedData(), dpi);
}

} // namespace

QMAZE_COMMAND(render, QStringLiteral("render"),
              QStringLiteral("draw a puzzle page into a picture, metafile, web page or PDF, or a booklet"), kUsage,
              runRender)
