// qmaze generate: what Create followed by Save Puzzle does in the word list
// editor, from the command line: validate the input, run the generator, take
// one of the four candidates, fill it and append it to a collection file.
#include "command.h"

#include "base/ansi.h"
#include "base/latin1.h"
#include "base/messageservice.h"
#include "base/paths.h"
#include "base/random.h"
#include "generate/candidatesave.h"
#include "generate/candidateslots.h"
#include "generate/generatepuzzles.h"
#include "pagelayout/layoutlibrary.h"
#include "shapes/shapefile.h"
#include "shapes/shapelibrary.h"
#include "storage/collectionfile.h"
#include "storage/configuration.h"
#include "storage/puzzlerecord.h"
#include "storage/settings.h"
#include "wordlist/badwordlist.h"
#include "wordlist/wordentries.h"
#include "wordlist/wordexchange.h"
#include "wordlist/wordtextfile.h"

#include <QRegularExpression>

#include <cstdio>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

const QString kUsage = QStringLiteral(
    "Usage: qmaze generate --collection FILE.QZ3 --words WORDS.txt --title TITLE\n"
    "                      --category CATEGORY (--shape WxH | --shape-file FILE.LAY |\n"
    "                      --shape-name NAME) [OPTIONS]\n\n"
    "Builds a word search puzzle as the Create and Save Puzzle buttons do and\n"
    "appends it to the collection file (created when missing). The puzzle gets\n"
    "the default page layout of a new puzzle. Words that did not fit are listed\n"
    "on standard error; the puzzle is saved anyway.\n\n"
    "WORDS.txt holds one word a line, optionally followed by the separator and\n"
    "its clue (\"lion: the king of beasts\"), as the word list editor's Import\n"
    "reads words and clues: the separator is the \"Sep Char\" setting of\n"
    "QMAZE3.INI in the current directory (\":\" by default); of each line 255\n"
    "characters are read; word and clue are trimmed, lines without a word are\n"
    "skipped, at most 330 words. UTF-8 (with or without byte-order mark) or\n"
    "Windows-1252 text.\n\n"
    "Options:\n"
    "  --collection FILE     the collection file to append the puzzle to\n"
    "  --words FILE          the word list\n"
    "  --title TEXT          the puzzle's title (35 characters are kept)\n"
    "  --category TEXT       its category (20 characters are kept)\n"
    "  --shape WxH           a rectangle of W columns and H rows, 5..30 each\n"
    "  --shape-file FILE     a shape exported as a .LAY file\n"
    "  --shape-name NAME     a shape of the shape library, by name (\"Heart\") or\n"
    "                        as the shape list shows it (\"15x15 Square\")\n"
    "  --directions LIST     comma-separated directions the words may run in:\n"
    "                        up, up-right, right, down-right, down, down-left,\n"
    "                        left, up-left (default: all eight)\n"
    "  --integration N       how strongly words should cross, 0..6 (default 6)\n"
    "  --attempts N          generation attempts, 1..999 (default 1)\n"
    "  --shrink              trim empty rows at the bottom and columns at the right\n"
    "  --seed N              start the random generator at N (0..4294967295), so a\n"
    "                        run can be repeated exactly\n"
    "  --slot N              save candidate N, 1 (best fit) .. 4 (default 1)\n"
    "  --phrase TEXT         fill the free cells with this hidden phrase instead of\n"
    "                        random letters (no blanks; exactly one character per\n"
    "                        free cell)\n"
    "  --bonus TEXT          the bonus question\n"
    "  --help                show this help\n\n"
    "Exit status: 0 when the puzzle was saved, 1 when the input was refused or\n"
    "nothing could be saved, 2 for a usage error.");

constexpr int kUsageError = 2;
constexpr int kFailed = 1;
constexpr int kMinShapeSide = 5;
constexpr int kMaxShapeSide = 30;

const char* const kDirectionNames[] = {"up",   "up-right",  "right", "down-right",
                                       "down", "down-left", "left",  "up-left"};

void complain(const QString& text) { printError(QStringLiteral("qmaze generate: %1").arg(text)); }

// A failure that ends the command with a message and an exit code.
struct Failure {
    QString message;
    int exitCode = kFailed;
};

// The save's messages go to standard error. Its two questions are answered
// Yes: save a puzzle although words did not fit (they are listed anyway),
// and change a hidden phrase that makes an offensive word, which refuses the
// save.
class CommandLineMessages : public MessageService {
public:
    CommandLineMessages() { installMessageService(this); }
    ~CommandLineMessages() override { installMessageService(nullptr); }

    MessageAnswer show(const QString& caption, const QString& text, MessageButtons buttons) override
    {
        if (buttons != MessageButtons::Ok)
            return MessageAnswer::Yes;
        complain(text);
        return MessageAnswer::Ok;
    }
};

// Shows the attempt number on a terminal; prints nothing into a pipe or log.
class CommandLineObserver : public GenerationObserver {
public:
    CommandLineObserver() : m_terminal(isatty(fileno(stderr)) != 0) {}
    ~CommandLineObserver() override
    {
        if (m_shown)
            std::fputc('\n', stderr);
    }

    void attemptStarted(int attempt) override { show(creationAttemptLine(attempt)); }
    void progressLine(int line, const QString& text) override
    {
        if (line == 1)
            show(text);
    }
    void stoppedByFilter(const QString& explanation) override
    {
        if (m_shown)
            std::fputc('\n', stderr);
        m_shown = false;
        complain(explanation);
    }

private:
    void show(const QString& text)
    {
        if (!m_terminal)
            return;
        std::fprintf(stderr, "\r%s", qPrintable(text));
        std::fflush(stderr);
        m_shown = true;
    }

    bool m_terminal;
    bool m_shown = false;
};

// Fills the editor's rows from the word file in file order, as the import
// of words and clues reads it: one entry a line, split at the separator.
std::optional<Failure> readWordFile(const QString& path, char separator, WordEntries& entries)
{
    const std::optional<QList<QByteArray>> lines = readWordTextFile(path);
    if (!lines)
        return Failure{QStringLiteral("cannot open the word list %1").arg(path)};
    int row = 0;
    for (const QByteArray& line : *lines) {
        const WordAndClue entry = splitWordAndClue(line, separator);
        if (entry.word.isEmpty())
            continue;
        if (++row > WordEntries::Rows)
            return Failure{QStringLiteral("%1 holds more than %2 words").arg(path).arg(WordEntries::Rows)};
        entries.setWord(row, entry.word);
        entries.setClue(row, entry.clue);
    }
    return std::nullopt;
}

ShapeRecord rectangleShape(int width, int height)
{
    ShapeRecord shape{};
    shape.ShapeName.assign(QStringLiteral("%1x%2").arg(width).arg(height).toLatin1());
    shape.ShapeWidth = static_cast<std::int16_t>(width);
    shape.ShapeHeight = static_cast<std::int16_t>(height);
    for (int r = 1; r <= height; ++r)
        for (int c = 1; c <= width; ++c)
            shape.setCell(r, c, true);
    return shape;
}

std::optional<Failure> parseRectangle(const QString& text, ShapeRecord& shape)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,3})[xX](\\d{1,3})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return Failure{QStringLiteral("--shape takes WIDTHxHEIGHT, for example 15x12"), kUsageError};
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    for (const auto& [value, name] : {std::pair{width, "width"}, std::pair{height, "height"}}) {
        if (value < kMinShapeSide || value > kMaxShapeSide)
            return Failure{QStringLiteral("--shape: the %1 must be between %2 and %3")
                               .arg(QLatin1String(name))
                               .arg(kMinShapeSide)
                               .arg(kMaxShapeSide),
                           kUsageError};
    }
    shape = rectangleShape(width, height);
    return std::nullopt;
}

std::optional<Failure> readShapeFile(const QString& path, ShapeRecord& shape)
{
    switch (importShapeFile(path, shape)) {
    case ShapeImportResult::Imported:
        return std::nullopt;
    case ShapeImportResult::CannotOpen:
        return Failure{QStringLiteral("cannot open the shape file %1").arg(path)};
    case ShapeImportResult::Corrupt:
        break;
    }
    return Failure{QStringLiteral("%1 is not a shape file").arg(path)};
}

// A shape of the library by its list text ("15x15 Square") or, when only one
// shape bears it, by its name.
std::optional<Failure> findLibraryShape(const QString& wanted, ShapeRecord& shape)
{
    const QString library = shapeLibraryPath();
    const auto headers = readShapeHeaders(library);
    if (!headers)
        return Failure{QStringLiteral("cannot open the shape library %1").arg(library)};
    const QString name = wanted.trimmed();
    QList<int> byName;
    for (int k = 0; k < headers->size(); ++k) {
        const ShapeRecord& header = headers->at(k);
        if (shapeEntryText(header).compare(name, Qt::CaseInsensitive) == 0) {
            shape = readShape(library, k);
            return std::nullopt;
        }
        if (ansiToUnicode(Trim(header.ShapeName.view())).compare(name, Qt::CaseInsensitive) == 0)
            byName.append(k);
    }
    if (byName.size() == 1) {
        shape = readShape(library, byName.first());
        return std::nullopt;
    }
    if (byName.isEmpty())
        return Failure{QStringLiteral("the shape library has no shape named \"%1\"").arg(name)};
    QStringList texts;
    for (int k : byName)
        texts.append(shapeEntryText(headers->at(k)));
    return Failure{QStringLiteral("several shapes are named \"%1\" (%2); give the size as well, as in \"%3\"")
                       .arg(name, texts.join(QStringLiteral(", ")), texts.first())};
}

std::optional<Failure> chooseShape(const QmazeOptions& options, ShapeRecord& shape)
{
    const QStringList kinds = {QStringLiteral("--shape"), QStringLiteral("--shape-file"),
                               QStringLiteral("--shape-name")};
    int given = 0;
    for (const QString& kind : kinds)
        given += options.has(kind) ? 1 : 0;
    if (given != 1)
        return Failure{QStringLiteral("give exactly one of --shape, --shape-file and --shape-name"), kUsageError};
    if (options.has(kinds[0]))
        return parseRectangle(options.value(kinds[0]), shape);
    if (options.has(kinds[1]))
        return readShapeFile(options.value(kinds[1]), shape);
    return findLibraryShape(options.value(kinds[2]), shape);
}

std::optional<Failure> parseDirections(const QString& list, GenerationSettings& settings)
{
    settings.directions.fill(false);
    for (const QString& item : list.split(u',')) {
        const QString name = item.trimmed().toLower();
        int d = 0;
        for (int k = 1; k <= 8 && d == 0; ++k)
            if (name == QLatin1String(kDirectionNames[k - 1]))
                d = k;
        if (d == 0)
            return Failure{QStringLiteral("unknown direction '%1' (use up, up-right, right, down-right, down, "
                                          "down-left, left, up-left)")
                               .arg(item.trimmed()),
                           kUsageError};
        settings.directions[d] = true;
    }
    return std::nullopt;
}

// Reads an optional whole-number option within min..max into value.
std::optional<Failure> readNumber(const QmazeOptions& options, const QString& name, qint64 min, qint64 max,
                                  qint64& value)
{
    if (!options.has(name))
        return std::nullopt;
    bool ok = false;
    const qint64 number = options.value(name).trimmed().toLongLong(&ok);
    if (!ok || number < min || number > max)
        return Failure{QStringLiteral("%1 must be a whole number from %2 to %3").arg(name).arg(min).arg(max),
                       kUsageError};
    value = number;
    return std::nullopt;
}

struct Request {
    QString collection;
    QString wordFile;
    ShapeRecord shape{};
    GenerationSettings settings;
    QString attemptsText = QStringLiteral("1");
    std::optional<std::uint32_t> seed;
    int slot = 1;
    FillChoice fill;
};

std::optional<Failure> readRequest(const QmazeOptions& options, Request& request)
{
    request.collection = options.value(QStringLiteral("--collection"));
    request.wordFile = options.value(QStringLiteral("--words"));
    if (request.collection.isEmpty() || request.wordFile.isEmpty())
        return Failure{QStringLiteral("--collection and --words are required"), kUsageError};
    if (auto failure = chooseShape(options, request.shape))
        return failure;
    if (options.has(QStringLiteral("--directions")))
        if (auto failure = parseDirections(options.value(QStringLiteral("--directions")), request.settings))
            return failure;

    qint64 integration = request.settings.integration;
    qint64 slot = request.slot;
    qint64 seed = -1;
    if (auto failure = readNumber(options, QStringLiteral("--integration"), 0, 6, integration))
        return failure;
    if (auto failure = readNumber(options, QStringLiteral("--slot"), 1, CandidateSlots::Count, slot))
        return failure;
    if (auto failure = readNumber(options, QStringLiteral("--seed"), 0, 0xFFFFFFFFLL, seed))
        return failure;
    request.settings.integration = static_cast<int>(integration);
    request.slot = static_cast<int>(slot);
    if (seed >= 0)
        request.seed = static_cast<std::uint32_t>(seed);
    request.settings.shrink = options.has(QStringLiteral("--shrink"));
    // The editor's attempts box is read by Create's own check, with its message.
    request.attemptsText = options.value(QStringLiteral("--attempts"), request.attemptsText);
    request.fill.includeHidden = options.has(QStringLiteral("--phrase"));
    request.fill.hiddenPhrase = options.value(QStringLiteral("--phrase"));
    return std::nullopt;
}

// The new puzzle as New Puzzle and Create leave it: defaults, the default
// page layout, the grid size of the shape and the editor's values.
std::optional<Failure> preparePuzzle(const QmazeOptions& options, Request& request, PuzzleRecord& record)
{
    const Settings saved = loadSettingsFile(startFile(QString::fromLatin1(kConfigFile)), startDirectory());
    const auto entries = std::make_unique<WordEntries>();
    if (auto failure = readWordFile(request.wordFile, saved.create.sepChar, *entries))
        return failure;
    const QByteArray title = unicodeToAnsi(options.value(QStringLiteral("--title")));
    const QByteArray category = unicodeToAnsi(options.value(QStringLiteral("--category")));
    int attempts = 1;
    if (auto problem = checkCreateInputs(title, category, *entries, request.attemptsText, attempts))
        return Failure{problem->message};
    request.settings.attempts = attempts;

    resetToNewPuzzle(record);
    record.PageLayout = newPuzzleLayout(layoutLibraryPath(), saved.pageLayout.defaultPage);
    record.GridCols = static_cast<std::int16_t>(request.shape.width());
    record.GridRows = static_cast<std::int16_t>(request.shape.height());
    SetValues(record, *entries, title, category, unicodeToAnsi(options.value(QStringLiteral("--bonus"))));
    if (auto problem = checkWordLengths(record, *entries))
        return Failure{problem->message};
    return std::nullopt;
}

void listWordsThatDidNotFit(const CandidateSlot& slot, int listWordCount)
{
    for (int k = 1; k <= listWordCount; ++k)
        if (!slot.isPlaced(k))
            complain(QStringLiteral("word did not fit: %1").arg(slot.record.word(k).text()));
}

std::optional<Failure> generateAndSave(const Request& request, PuzzleRecord& record)
{
    const auto candidates = std::make_unique<CandidateSlots>();
    const BadWordList badList = BadWordList::loadUpperCased();
    if (request.seed)
        setFixedRandomSeed(*request.seed);
    {
        CommandLineObserver observer;
        GenerationContext context{record, request.shape, request.settings, *candidates, badList};
        GeneratePuzzles(context, observer);
    }

    const int listWordCount = record.wordCount();
    const CandidateSlot& slot = candidates->slot(request.slot);
    if (candidates->slot(1).isEmpty())
        return Failure{QStringLiteral("no word could be placed; nothing was saved")};
    if (slot.isEmpty())
        return Failure{QStringLiteral("candidate %1 is empty: the run kept fewer puzzles; nothing was saved")
                           .arg(request.slot)};
    listWordsThatDidNotFit(slot, listWordCount);

    CommandLineMessages messages;
    switch (prepareCandidateSave(record, slot, listWordCount, request.fill, badList)) {
    case SaveDecision::Write:
        break;
    case SaveDecision::ChangePhrase:
        return Failure{QStringLiteral("the hidden phrase makes an offensive word in the puzzle; nothing was saved")};
    case SaveDecision::KeepOpen:
    case SaveDecision::NoCandidate:
        return Failure{QStringLiteral("nothing was saved")};
    }
    const qint64 at = writePuzzle(request.collection, record, -1);
    if (at < 0)
        return Failure{QStringLiteral("Unable to save puzzle.")};
    printOut(QStringLiteral("%1: record %2: %3 (%4 of %5 words placed)")
                 .arg(request.collection)
                 .arg(at)
                 .arg(record.Title.text())
                 .arg(slot.score)
                 .arg(listWordCount));
    return std::nullopt;
}

int runGenerate(const QStringList& arguments)
{
    QmazeOptions options;
    const QStringList valueOptions = {
        QStringLiteral("--collection"), QStringLiteral("--words"),      QStringLiteral("--title"),
        QStringLiteral("--category"),   QStringLiteral("--shape"),      QStringLiteral("--shape-file"),
        QStringLiteral("--shape-name"), QStringLiteral("--directions"), QStringLiteral("--integration"),
        QStringLiteral("--attempts"),   QStringLiteral("--seed"),       QStringLiteral("--slot"),
        QStringLiteral("--phrase"),     QStringLiteral("--bonus")};
    if (!options.parse(arguments, valueOptions, {QStringLiteral("--shrink")})) {
        complain(options.error());
        return kUsageError;
    }
    Request request;
    const auto record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    std::optional<Failure> failure = readRequest(options, request);
    if (!failure)
        failure = preparePuzzle(options, request, *record);
    if (!failure)
        failure = generateAndSave(request, *record);
    if (!failure)
        return 0;
    complain(failure->message);
    return failure->exitCode;
}

} // namespace

QMAZE_COMMAND(generate, QStringLiteral("generate"), QStringLiteral("build a puzzle and add it to a collection"),
              kUsage, runGenerate)
