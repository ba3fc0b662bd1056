// A collection file from someone else, through everything a puzzle of it
// reaches: the main window's lists, the word list editor, the candidate
// review and the print.
#include "fuzzsupport.h"
#include "fuzztargets.h"

#include "base/random.h"
#include "generate/candidatedrawing.h"
#include "generate/candidatesave.h"
#include "generate/candidateslots.h"
#include "pagelayout/layoutlist.h"
#include "pagelayout/layoutthumbnail.h"
#include "render/printoptions.h"
#include "render/printrun.h"
#include "shapes/shapedrawing.h"
#include "shapes/shapelist.h"
#include "storage/collectionbrowser.h"
#include "storage/collectionfile.h"
#include "wordlist/badwordlist.h"
#include "wordlist/hiddenphrase.h"
#include "wordlist/wordentries.h"

#include <QImage>

#include <memory>

namespace fuzzing {

namespace {

// Records of one input that go through the consumers; an input holds few
// whole records anyway (a record is 95,830 bytes).
constexpr qint64 kMaxRecords = 4;

// The word list editor modifying the puzzle: its rows, its shape as the
// shape box's first entry, its page thumbnail, and the checks of Create and
// Save on what it shows.
void editPuzzle(const PuzzleRecord& record)
{
    WordEntries entries;
    entries.loadFrom(record);
    for (int k = 1; k <= WordEntries::Rows; ++k) {
        entries.row(k).word.size();
        record.word(k).text();
        record.clue(k).text();
    }
    const int words = entries.GetWordCount();
    for (int n = 1; n <= words; ++n)
        entries.rowOfEntry(n);

    ShapeRecord shape{};
    int lastShape = 1;
    ShapeList shapes(ShapeListMode::EditorModify, ShapeListContext{shape, lastShape, &record});
    shapes.load();
    shapeThumbnail(shape, QSize(148, 148), Qt::lightGray);
    layoutThumbnail(record.PageLayout, QSize(120, 155), Qt::lightGray);

    auto edited = std::make_unique<PuzzleRecord>(record);
    SetValues(*edited, entries, record.Title.bytes(), record.Category.bytes(), record.BonusQuest.bytes());
    puzzleChanged(*edited, record);
    int attempts = 0;
    checkCreateInputs(record.Title.bytes(), record.Category.bytes(), entries, QStringLiteral("1"), attempts);
    edited->GridCols = static_cast<std::int16_t>(shape.width());
    edited->GridRows = static_cast<std::int16_t>(shape.height());
    checkWordLengths(*edited, entries);

    *edited = record;
    makeCopyOfPuzzle(*edited); // the main window's Copy
}

// The candidate review saving the puzzle as if it were a fresh candidate:
// its picture, the fill (the title as hidden phrase when the record asks
// for one), the screening and the flags; then the phrase changed again.
void saveAsCandidate(const PuzzleRecord& record, const BadWordList& badList)
{
    auto slot = std::make_unique<CandidateSlot>();
    slot->record = record;
    std::copy(record.WordPlaced.begin(), record.WordPlaced.end(), slot->placed.begin());
    slot->score = 1;
    QImage picture(96, 96, QImage::Format_RGB32);
    drawCandidateSlot(picture, *slot, Qt::gray);

    setRandomState(19);
    const FillChoice choice{record.IncludeHidden != 0, record.Title.text()};
    auto saved = std::make_unique<PuzzleRecord>(record);
    prepareCandidateSave(*saved, *slot, record.wordCount(), choice, badList);

    presentFill(*saved);
    fillWithPhrase(*saved, record.BonusQuest.text(), kPhraseBlankOnChange);
}

// The print options form printing the puzzle with the answer key: the
// layout's own settings, then the word style and list options that the
// record's bytes choose.
void print(const PuzzleRecord& record)
{
    auto copy = std::make_unique<PrintCopy>(record);
    PrintOptions options;
    options.takeLayoutSettings(record.PageLayout);
    const std::uint8_t choice = record.Reserved[0] ^ record.Title.chars[0] ^ static_cast<std::uint8_t>(record.WordCount);
    options.WordStyle = NormalWords + choice % 4;
    options.AnswerKey = true;
    options.CluesUnder = choice & 4;
    options.PartialUnder = choice & 8;
    options.FirstLets = (choice >> 4) % 4;
    options.LastLets = (choice >> 6) % 3;
    printCopy(*copy, options);
}

} // namespace

// The main window: both lists, every category chosen in turn and every
// puzzle of it selected, then the pending selection of a deletion.
void browseCollection(const QString& path)
{
    CollectionBrowser browser;
    browser.LoadInPuzzles(path);
    for (int row = 0; row < browser.categoryItems().size(); ++row) {
        browser.SetCategory(row);
        for (int puzzle = 0; puzzle < browser.puzzleItems().size(); ++puzzle) {
            browser.selectPuzzleRow(puzzle);
            browser.selectedRecordIndex();
            browser.selectedTitle().size();
        }
    }
    if (browser.hasSelectedPuzzle()) {
        browser.setPendingSelectionForDeletion();
        browser.SetCategory(browser.selectedCategoryRow());
    }
    puzzleTitleEntries(path); // the extract dialog's list
}

void usePuzzle(const PuzzleRecord& record)
{
    editPuzzle(record);
    saveAsCandidate(record, builtInBadList());
    print(record);
}

void collectionFile(QByteArrayView bytes)
{
    ensureApplication();
    ScratchProgramDirectory programDirectory; // no shape library: the editor's list warns
    const QString path = putFile(QStringLiteral("FUZZ.QZ3"), bytes);
    browseCollection(path);
    auto record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    const qint64 count = std::min(puzzleCount(path), kMaxRecords);
    for (qint64 n = 0; n < count; ++n) {
        readPuzzle(path, n, *record);
        usePuzzle(*record);
    }
}

} // namespace fuzzing
