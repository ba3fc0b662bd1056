// A word and clue text file from someone else: read by the import dialog
// into the word list editor's rows in every mode, exported again, pasted,
// and the words placed by the generation engine.
#include "fuzzsupport.h"
#include "fuzztargets.h"

#include "shapes/shapelibrary.h"
#include "storage/puzzlerecord.h"
#include "wordlist/wordentries.h"
#include "wordlist/wordexchange.h"
#include "wordlist/wordtextfile.h"

#include <memory>

namespace fuzzing {

namespace {

// Rows the editor already holds: an entry in each of the three kinds of
// row an import skips or fills.
WordEntries startingRows()
{
    WordEntries rows;
    rows.setWord(1, "HERON");
    rows.setClue(1, "A wading bird");
    rows.setWord(3, "OTTER");
    rows.setClue(5, "A clue without its word");
    return rows;
}

// Create in the word list editor: the rows into the record, the checks,
// and one attempt of placing the words into the new-shape square.
void createFrom(const WordEntries& rows)
{
    auto record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    SetValues(*record, rows, "Imported", "Tests", {});
    int attempts = 0;
    checkCreateInputs("Imported", "Tests", rows, QStringLiteral("1"), attempts);
    static const ShapeRecord shape = newShape();
    record->GridCols = static_cast<std::int16_t>(shape.width());
    record->GridRows = static_cast<std::int16_t>(shape.height());
    if (checkWordLengths(*record, rows))
        return; // the editor stops at a word longer than the grid
    generateOnce(*record, shape);
}

} // namespace

void wordTextFile(QByteArrayView bytes)
{
    ensureApplication();
    const QString path = putFile(QStringLiteral("WORDS.TXT"), bytes);
    const auto entries = readWordTextFile(path);
    if (!entries)
        return;
    // The separator: the file's first byte when it is one a user could type.
    const char separator = bytes.isEmpty() || static_cast<unsigned char>(bytes[0]) < 0x21 ? ':' : bytes[0];
    WordEntries created;
    for (const WordTextMode mode : {WordTextMode::Words, WordTextMode::Clues, WordTextMode::WordsAndClues}) {
        WordEntries rows = startingRows();
        QList<QByteArray> selected = *entries;
        sortEntries(selected); // the list shows them sorted, and Select All keeps that order
        wordListExcess(rows.GetWordCount(), static_cast<int>(selected.size()));
        importEntries(rows, selected, mode, separator);
        QList<QByteArray> lines;
        for (const ExportItem& item : exportItems(rows, mode, separator))
            lines << item.text;
        writeWordTextFile(scratchFolder() + QStringLiteral("/EXPORT.TXT"), lines);
        if (mode == WordTextMode::WordsAndClues)
            created = rows;
    }
    // The same text pasted into the grid.
    const QString text = decodeWordText(bytes);
    if (isRowPaste(text)) {
        WordEntries rows = startingRows();
        const QList<WordAndClue> pasted = pastedEntries(text, separator);
        fillRows(rows, pasteTargetRows(rows, 2, static_cast<int>(pasted.size())), pasted);
    }
    createFrom(created);
}

} // namespace fuzzing
