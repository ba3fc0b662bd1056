#include "base/random.h"
#include "support/puzzles.h"
#include "support/recordingmessages.h"
#include "ui/uitestmain.h"
#include "wordlist/hiddenphrase.h"
#include "wordlist/ui/changephrasedialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// A 9 x 5 grid: the word CAT across row 1, two cells outside the shape,
// the rest free (45 - 3 - 2 = 40 free cells).
std::unique_ptr<PuzzleRecord> puzzleWithFreeCells()
{
    auto record = makePuzzle("C", "T");
    record->GridCols = 9;
    record->GridRows = 5;
    record->AnswerGrid.fill(' ');
    record->FillGrid.fill(' ');
    record->AnswerGrid[cell::index(1, 1) - 1] = 'C';
    record->AnswerGrid[cell::index(1, 2) - 1] = 'A';
    record->AnswerGrid[cell::index(1, 3) - 1] = 'T';
    record->AnswerGrid[cell::index(5, 9) - 1] = 0;
    record->AnswerGrid[cell::index(5, 8) - 1] = 0;
    forEachFreeCell(*record, [&](int at) { record->FillGrid[at] = 'Q'; });
    return record;
}

} // namespace

class ChangePhraseTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheFreeCellCountAndPresentFill()
    {
        auto record = puzzleWithFreeCells();
        TChangeThePhrase dialog(*record);
        QCOMPARE(dialog.NumChars()->text(), QStringLiteral("40 Chars"));
        QCOMPARE(dialog.HiddenPhrase()->text(), QString(40, u'Q'));
        QCOMPARE(dialog.HiddenPhrase()->maxLength(), 40);
        QVERIFY(!dialog.IncludeHidden()->isChecked());
    }

    void phraseFillsFreeCellsInReadingOrder()
    {
        RecordingMessages messages;
        auto record = puzzleWithFreeCells();
        TChangeThePhrase dialog(*record);
        dialog.IncludeHidden()->setChecked(true);
        const QString phrase = QStringLiteral("abcdef\u00e9hijklmnopqrstuvwxyzabcdefghijklmn"); // 40, one accented
        dialog.HiddenPhrase()->setText(phrase);
        dialog.OkButtonClick();
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(dialog.accepted());
        const PuzzleRecord& result = dialog.puzzle();
        QCOMPARE(result.IncludeHidden, 1);
        QCOMPARE(result.fillAt(1, 4), 'A');   // first free cell follows CAT
        QCOMPARE(result.fillAt(1, 9), 'F');   // row 1 has 6 free cells: a..f
        QCOMPARE(result.fillAt(2, 1), 0xE9);  // accented letter stored as typed
        QCOMPARE(result.fillAt(5, 7), 'N');   // last free cell
        QCOMPARE(result.fillAt(5, 9), ' ');   // outside the shape: untouched
    }

    void blankAndLengthAreRefusedWithTheirMessages()
    {
        RecordingMessages messages;
        auto record = puzzleWithFreeCells();
        TChangeThePhrase dialog(*record);
        dialog.IncludeHidden()->setChecked(true);
        dialog.HiddenPhrase()->setText(QStringLiteral("abcdefghijklmnop rstuvwxyzabcdefghijklmn"));
        dialog.OkButtonClick();
        QCOMPARE(messages.lastText(), QStringLiteral("Spaces were used in the hidden phrase.  Please correct."));
        dialog.HiddenPhrase()->setText(QString(39, u'x'));
        dialog.OkButtonClick();
        QCOMPARE(messages.lastText(), QStringLiteral("40 characters are required for the hidden phrase.  You have "
                                                     "entered 39 characters.  Please change your phrase or select "
                                                     "not to use a phrase."));
        QVERIFY(!dialog.accepted());
        QCOMPARE(dialog.puzzle().fillAt(1, 4), 'Q');
    }

    void untickedGivesNewRandomCapitals()
    {
        auto record = puzzleWithFreeCells();
        record->IncludeHidden = 1;
        setRandomState(1);
        TChangeThePhrase dialog(*record);
        QVERIFY(dialog.IncludeHidden()->isChecked());
        dialog.IncludeHidden()->setChecked(false);
        dialog.OkButtonClick();
        QCOMPARE(dialog.puzzle().IncludeHidden, 0);
        int changed = 0;
        forEachFreeCell(dialog.puzzle(), [&](int at) {
            const auto letter = dialog.puzzle().FillGrid[at];
            QVERIFY(letter >= 'A' && letter <= 'Z');
            changed += letter != 'Q';
        });
        QVERIFY(changed > 20);
    }

    void largeGridsDisableThePhrase()
    {
        auto record = makePuzzle("C", "T");
        record->GridCols = 20;
        record->GridRows = 15;
        record->AnswerGrid.fill(' '); // 300 free cells
        TChangeThePhrase dialog(*record);
        QVERIFY(!dialog.HiddenPhrase()->isEnabled());
        QVERIFY(!dialog.IncludeHidden()->isEnabled());
        QCOMPARE(dialog.NumChars()->text(), QStringLiteral("300 Chars"));
    }
};

QM_UI_TEST(ChangePhraseTest)
#include "changephrase_test.moc"
