#include "app/mainwindow.h"
#include "base/random.h"
#include "generate/ui/createdpuzzledialog.h"
#include "generate/ui/creationattempts.h"
#include "support/puzzles.h"
#include "support/ui/keyboard.h"
#include "support/ui/modaldriver.h"
#include "support/ui/screensize.h"
#include "support/ui/uifixture.h"
#include "ui/uitestmain.h"
#include "wordlist/ui/wordlisteditor.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

QTableWidget* gridOf(TWordList& editor) { return editor.findChild<QTableWidget*>("WordsCluesGrid"); }

void typeRow(TWordList& editor, int row, const QString& word, const QString& clue = QString())
{
    QTableWidget* grid = gridOf(editor);
    grid->item(row - 1, 2)->setText(word);
    grid->item(row - 1, 3)->setText(clue);
}

QString cellText(TWordList& editor, int row, int column) { return gridOf(editor)->item(row - 1, column)->text(); }

// A width x height rectangle as the shape.
void useRectangleShape(ShapeRecord& shape, int width, int height)
{
    std::memset(&shape, 0, sizeof shape);
    shape.ShapeName.assign("Test");
    shape.ShapeWidth = width;
    shape.ShapeHeight = height;
    for (int r = 1; r <= height; ++r)
        for (int c = 1; c <= width; ++c)
            shape.setCell(r, c, true);
}


void copyProgramFile(const TestFolders& folders, const char* name)
{
    QFile::copy(QStringLiteral(QM_DATA_DIR "/") + name, folders.programDir() + "/" + name);
}

const char* kAnimals[][2] = {
    {"horse", "It says neigh"}, {"cow", "Gives us milk"}, {"sheep", "Wool on its back"},
    {"goat", "Eats almost anything"}, {"pig", "Rolls in the mud"}, {"duck", "Quacks on the pond"},
    {"goose", "Honks and hisses"}, {"hen", "Lays eggs"}, {"rooster", "Crows at dawn"},
    {"donkey", "Says hee-haw"}, {"rabbit", "Long ears"}, {"turkey", "Gobbles"},
};

} // namespace

class WordListEditorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> m_ui;

    ProgramState& state() { return m_ui->state; }
    std::unique_ptr<TWordList> newEditor()
    {
        resetToNewPuzzle(*state().currentPuzzle);
        state().currentPuzzle->PageLayout = builtInDefaultLayout();
        auto editor = std::make_unique<TWordList>(QStringLiteral("Create New Puzzle"), QList<QByteArray>{"Animals"},
                                                  state().wordListSession());
        editor->show();
        return editor;
    }

    // Stores "Zoo" (lion, roars) as the second puzzle of the collection and
    // makes it the puzzle to modify.
    void storeLionToModify()
    {
        auto record = makePuzzle("Animals", "Zoo");
        record->word(1).assign("lion");
        record->clue(1).assign("roars");
        record->WordCount = 1;
        writeCollection(state().settings.misc.lastGroup, {{"Other", "First"}});
        writePuzzle(state().settings.misc.lastGroup, *record, -1);
        *state().currentPuzzle = *record;
        state().newPuzzle = false;
        state().recordIndex = 1;
    }
    QByteArray storedLionClue()
    {
        auto stored = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
        return readPuzzle(state().settings.misc.lastGroup, 1, *stored) ? stored->clue(1).bytes() : QByteArray();
    }
    // A modify-mode editor, active, with its first clue's cell open and
    // selected: Title, Tab to Category, Tab to the first editable cell.
    std::unique_ptr<TWordList> modifyEditorAtFirstClue()
    {
        auto editor = std::make_unique<TWordList>(QStringLiteral("Modify Existing Puzzle"), QList<QByteArray>{},
                                                  state().wordListSession());
        if (!showActive(*editor))
            return nullptr;
        pressKey(Qt::Key_Tab);
        pressKey(Qt::Key_Tab);
        pressKey(Qt::Key_A, Qt::ControlModifier);
        return editor;
    }

private slots:
    void init()
    {
        m_ui = std::make_unique<UiFixture>();
        state().settings.misc.lastGroup = m_ui->folders.startDir() + "/T.QZ3";
    }
    void cleanup() { m_ui.reset(); }

    void createChecksComeInOrderWithTheirMessages()
    {
        auto editor = newEditor();
        auto* attempts = editor->findChild<QLineEdit*>("Attempts");
        QCOMPARE(attempts->maxLength(), 3);
        editor->CreateItClick();
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("No title specified.  Please correct."));
        editor->findChild<QLineEdit*>("Title")->setText("Zoo");
        editor->CreateItClick();
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("No category specified.  Please correct."));
        editor->findChild<QComboBox*>("Category")->setEditText("Animals");
        editor->CreateItClick();
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("No words have been entered.  Please correct."));
        typeRow(*editor, 2, "abcdefghijklmno");
        typeRow(*editor, 5, "abcdefghijklmnop");
        for (const char* bad : {"0", ""}) {
            attempts->setText(bad);
            editor->CreateItClick();
            QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Attempts must be between 1 and 999.  Please correct."));
        }
        attempts->setText("5");
        useRectangleShape(state().currentShape, 15, 12);
        editor->CreateItClick();
        QCOMPARE(m_ui->messages.lastText(),
                 QStringLiteral("Word is greater than puzzle dimension size of 15 characters in \"abcdefghijklmnop\"."));
        QCOMPARE(gridOf(*editor)->currentRow(), 4);
        QCOMPARE(gridOf(*editor)->currentColumn(), 2);
        QCOMPARE(state().settings.create.attempts, 5);
        QCOMPARE(state().currentPuzzle->wordCount(), 2);
    }

    void useCluesOffAndOnKeepsTheClues()
    {
        auto editor = newEditor();
        auto* useClues = editor->findChild<QCheckBox*>("UseClues");
        QVERIFY(useClues->isChecked());
        typeRow(*editor, 1, "lion", "king of beasts");
        useClues->click();
        QVERIFY(gridOf(*editor)->isColumnHidden(3));
        QVERIFY(!state().settings.create.useClues);
        typeRow(*editor, 2, "zebra", QString());
        useClues->click();
        QVERIFY(!gridOf(*editor)->isColumnHidden(3));
        QCOMPARE(cellText(*editor, 1, 3), QStringLiteral("king of beasts"));
        QCOMPARE(cellText(*editor, 2, 2), QStringLiteral("zebra"));
    }

    void deleteMovesRowsUpAndDeleteAllAsks()
    {
        auto editor = newEditor();
        typeRow(*editor, 329, "second last");
        typeRow(*editor, 330, "last", "clue");
        gridOf(*editor)->setCurrentCell(329, 2);
        editor->DeleteClueClick();
        QCOMPARE(cellText(*editor, 330, 2), QString());
        QCOMPARE(cellText(*editor, 330, 3), QString());
        QCOMPARE(cellText(*editor, 329, 2), QStringLiteral("second last"));

        m_ui->messages.answers = {MessageAnswer::No};
        editor->DeleteAllClueClick();
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("This will remove all words and clues.  Continue?"));
        QCOMPARE(editor->GetWordCount(), 1);
        editor->DeleteAllClueClick();
        QCOMPARE(editor->GetWordCount(), 0);
        editor->DeleteAllClueClick();
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("All words are already cleared."));
    }

    void functionKeysTypeIntoEveryTextControl()
    {
        auto editor = newEditor();
        QVERIFY(showActive(*editor));
        auto* title = editor->findChild<QLineEdit*>("Title");
        auto* bonus = editor->findChild<QLineEdit*>("BonusQuest");
        const QString e = QString(QChar(233));
        pressKey(Qt::Key_F2);
        QCOMPARE(title->text(), e);
        state().settings.create.intKeys[0] = "02x5";
        pressKey(Qt::Key_F1);
        QCOMPARE(title->text(), e);
        pressKey(Qt::Key_Tab);
        pressKey(Qt::Key_F2);
        QCOMPARE(editor->findChild<QComboBox*>("Category")->currentText(), e);
        pressKey(Qt::Key_Tab);
        typeText("caf");
        pressKey(Qt::Key_F2);
        pressKey(Qt::Key_Return);
        QCOMPARE(cellText(*editor, 1, 2), QStringLiteral("caf") + e);
        QTest::mouseClick(bonus, Qt::LeftButton);
        pressKey(Qt::Key_F2);
        QCOMPARE(bonus->text(), e);
    }

    // Tab and Shift+Tab stop on the word and clue cells only; Enter finishes
    // a cell and goes down to the same column.
    void tabAndEnterMoveThroughTheCellsThatTakeText()
    {
        auto editor = newEditor();
        QVERIFY(showActive(*editor));
        QTableWidget* grid = gridOf(*editor);
        typeText("Weather");
        pressKey(Qt::Key_Tab);
        typeText("Sky");
        pressKey(Qt::Key_Tab);
        QCOMPARE(grid->currentColumn(), 2);
        typeText("RAIN");
        pressKey(Qt::Key_Return);
        typeText("SNOW");
        pressKey(Qt::Key_Tab);
        typeText("cold");
        pressKey(Qt::Key_Tab);
        QCOMPARE(grid->currentRow(), 2);
        QCOMPARE(grid->currentColumn(), 2);
        pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(grid->currentRow(), 1);
        QCOMPARE(grid->currentColumn(), 3);
        const WordEntries rows = editor->entries();
        QCOMPARE(rows.row(1).word, QByteArray("RAIN"));
        QCOMPARE(rows.row(2).word, QByteArray("SNOW"));
        QCOMPARE(rows.row(2).clue, QByteArray("cold"));
        QCOMPARE(editor->findChild<QComboBox*>("Category")->currentText(), QStringLiteral("Sky"));
    }

    // Create, Save and Exit from their Alt keys count the text of the cell
    // still being typed.
    void commandKeysTakeTheCellBeingTyped()
    {
        QByteArray reviewedWord;
        WordListSession session = state().wordListSession();
        session.createPuzzles = [&](QWidget*) {
            reviewedWord = state().currentPuzzle->word(1).bytes();
            return false;
        };
        resetToNewPuzzle(*state().currentPuzzle);
        state().currentPuzzle->word(1).assign("RAIN");
        TWordList created(QStringLiteral("Create New Puzzle"), {}, session);
        QVERIFY(showActive(created));
        useRectangleShape(state().currentShape, 15, 15);
        typeText("Weather");
        pressKey(Qt::Key_Tab);
        typeText("Sky");
        pressKey(Qt::Key_Tab);
        pressKey(Qt::Key_A, Qt::ControlModifier);
        typeText("SUNSHINE");
        pressAlt(&created, Qt::Key_C);
        QTRY_COMPARE(reviewedWord, QByteArray("SUNSHINE"));

        storeLionToModify();
        auto saved = modifyEditorAtFirstClue();
        QVERIFY(saved);
        typeText("purrs");
        pressAlt(saved.get(), Qt::Key_V);
        QTRY_VERIFY(!saved->isVisible());
        QCOMPARE(storedLionClue(), QByteArray("purrs"));

        auto left = modifyEditorAtFirstClue();
        QVERIFY(left);
        typeText("sleeps");
        m_ui->messages.answers = {MessageAnswer::No};
        pressAlt(left.get(), Qt::Key_X);
        QTRY_COMPARE(m_ui->messages.lastText(), QStringLiteral("Puzzle has been modified.  Save changes?"));
        QVERIFY(!left->isVisible());
        QCOMPARE(storedLionClue(), QByteArray("purrs"));
    }

    // Save, and Exit answered Yes, keep the editor open with what was typed
    // when the collection cannot be written.
    void aFailedSaveKeepsTheEditorOpen()
    {
        storeLionToModify();
        auto editor = modifyEditorAtFirstClue();
        QVERIFY(editor);
        typeText("purrs");
        state().settings.misc.lastGroup = m_ui->folders.startDir() + "/missing/T.QZ3";
        pressAlt(editor.get(), Qt::Key_V);
        QTRY_COMPARE(m_ui->messages.lastText(), QStringLiteral("Unable to save puzzle."));
        QVERIFY(editor->isVisible());
        m_ui->messages.answers = {MessageAnswer::Yes};
        m_ui->messages.clear();
        pressAlt(editor.get(), Qt::Key_X);
        QTRY_COMPARE(m_ui->messages.lastText(), QStringLiteral("Unable to save puzzle."));
        QVERIFY(editor->isVisible());
        QVERIFY(!editor->saved());
        QCOMPARE(cellText(*editor, 1, 3), QStringLiteral("purrs"));
    }

    void modifyModeAsksToSaveOnlyWhenChanged()
    {
        storeLionToModify();
        {
            TWordList editor(QStringLiteral("Modify Existing Puzzle"), {}, state().wordListSession());
            editor.show();
            QVERIFY(!editor.findChild<QPushButton*>("CreateIt")->isEnabled());
            QVERIFY(editor.findChild<QPushButton*>("SaveButton")->isVisible());
            QVERIFY(!editor.PuzzleChanged());
            editor.CancelClick();
            QVERIFY(m_ui->messages.shown.isEmpty());
        }
        {
            TWordList editor(QStringLiteral("Modify Existing Puzzle"), {}, state().wordListSession());
            editor.show();
            typeRow(editor, 1, "lion", "purrs");
            m_ui->messages.answers = {MessageAnswer::Cancel};
            editor.CancelClick();
            QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Puzzle has been modified.  Save changes?"));
            QVERIFY(editor.isVisible());
        }
    }
    // At every screen size preset the editor lies wholly on the screen,
    // centred across it, and shows at least eleven rows of the grid.
    void fitsTheScreenAtEveryPreset()
    {
        const struct {
            QSize screen;
            double scale;
        } cases[] = {{{640, 480}, 1.0}, {{1280, 1024}, 1.25}, {{1280, 1024}, 1.6}, {{1280, 1024}, 2.0}};
        for (const auto& c : cases) {
            ScreenSize screen(c.screen);
            QVERIFY(screen.active());
            state().screenScale = c.scale;
            auto editor = newEditor();
            const QRect frame = editor->frameGeometry();
            QVERIFY2(QRect(QPoint(0, 0), c.screen).contains(frame), qPrintable(QString::number(c.scale)));
            QVERIFY(std::abs(frame.center().x() - c.screen.width() / 2) <= 2);
            QTableWidget* grid = gridOf(*editor);
            QVERIFY(grid->viewport()->height() / grid->rowHeight(0) >= 11);
            const QListWidget* shapes = editor->findChild<QListWidget*>("ShapeBox");
            const int shapeRows = shapes->viewport()->height() / qRound(15 * c.scale);
            QVERIFY2(shapeRows >= 7, qPrintable(QString::number(shapeRows)));
        }
    }

    void playsAUserFromNewPuzzleToModifyAndCopy()
    {
        copyProgramFile(m_ui->folders, "QZFLAY.DAT");
        copyProgramFile(m_ui->folders, "QZFPAGE.DAT");
        TestFolders::writeFile(m_ui->folders.startDir() + "/QMAZE3.INI", "[Misc]\nShow Tips=No\n");
        TMainWin::setAssumedScreenSize(QSize(1280, 1024));
        auto window = std::make_unique<TMainWin>();
        const QString collection = window->collectionPath();
        setFixedRandomSeed(2024);

        // New puzzle: title, category, twelve words with clues, a 15 x 15
        // shape, 25 attempts; the second candidate with a hidden phrase.
        int freeCells = 0;
        ModalDriver newPuzzle({
            {"WordList",
             [&](QWidget* window) {
                 auto* editor = static_cast<TWordList*>(window);
                 editor->findChild<QLineEdit*>("Title")->setText("On the Farm");
                 editor->findChild<QComboBox*>("Category")->setEditText("Animals");
                 for (int k = 0; k < 12; ++k)
                     typeRow(*editor, k + 1, kAnimals[k][0], kAnimals[k][1]);
                 auto* shapes = editor->findChild<QListWidget*>("ShapeBox");
                 const auto found = shapes->findItems("15x15", Qt::MatchStartsWith);
                 QVERIFY(!found.isEmpty());
                 shapes->setCurrentItem(found.first());
                 editor->findChild<QLineEdit*>("Attempts")->setText("25");
                 editor->CreateItClick();
             }},
            {"CreationAttempts", [](QWidget* form) { static_cast<TCreationAttempts*>(form)->CancelClick(); },
             [](QWidget* form) { return !static_cast<TCreationAttempts*>(form)->isBuilding(); }},
            {"CreatedPuzzle",
             [&](QWidget* window) {
                 auto* review = static_cast<TCreatedPuzzle*>(window);
                 review->SelectAPuzzle(2);
                 QCOMPARE(review->selectedSlot(), 2);
                 const QString chars = review->findChild<QLabel*>("NumChars")->text();
                 freeCells = chars.section(' ', 0, 0).toInt();
                 review->findChild<QCheckBox*>("IncludeHidden")->setChecked(true);
                 review->findChild<QLineEdit*>("HiddenPhrase")->setText(QString(freeCells, u'z'));
                 review->SaveClick();
             }},
        });
        window->NewPuzzleClick();

        QCOMPARE(puzzleCount(collection), 1);
        auto stored = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
        QVERIFY(readPuzzle(collection, 0, *stored));
        QCOMPARE(stored->Title.bytes(), QByteArray("On the Farm"));
        QCOMPARE(stored->Category.bytes(), QByteArray("Animals"));
        QVERIFY(stored->isGenerated());
        QCOMPARE(stored->IncludeHidden, 1);
        QCOMPARE(stored->gridCols(), 15);
        QVERIFY(freeCells > 0);
        QCOMPARE(window->puzzleBox()->currentItem()->text(), QStringLiteral("On the Farm"));

        // Modify: change a clue, Exit and answer Yes.
        ModalDriver modify({{"WordList", [&](QWidget* window) {
                                 auto* editor = static_cast<TWordList*>(window);
                                 QVERIFY(!editor->findChild<QPushButton*>("CreateIt")->isEnabled());
                                 const auto horse = gridOf(*editor)->findItems("horse", Qt::MatchExactly);
                                 QCOMPARE(horse.size(), 1);
                                 gridOf(*editor)->item(horse.first()->row(), 3)->setText("Neighs in the stable");
                                 m_ui->messages.answers = {MessageAnswer::Yes};
                                 editor->CancelClick();
                             }}});
        window->ModifyPuzzleClick();
        QVERIFY(readPuzzle(collection, 0, *stored));
        QCOMPARE(puzzleCount(collection), 1);
        QVERIFY(stored->isGenerated());
        int row = 0;
        for (int k = 1; k <= stored->wordCount(); ++k)
            if (stored->word(k).bytes() == "horse")
                row = k;
        QVERIFY(row > 0);
        QCOMPARE(stored->clue(row).bytes(), QByteArray("Neighs in the stable"));

        // Copy: the title gains "(2)"; one attempt, the best candidate saved.
        ModalDriver copy({
            {"WordList",
             [](QWidget* window) {
                 auto* editor = static_cast<TWordList*>(window);
                 QCOMPARE(editor->findChild<QLineEdit*>("Title")->text(), QStringLiteral("On the Farm (2)"));
                 editor->findChild<QLineEdit*>("Attempts")->setText("1");
                 editor->CreateItClick();
             }},
            {"CreatedPuzzle", [](QWidget* review) { static_cast<TCreatedPuzzle*>(review)->SaveClick(); }},
        });
        window->CopyPuzzleClick();
        QCOMPARE(puzzleCount(collection), 2);
        QVERIFY(readPuzzle(collection, 1, *stored));
        QCOMPARE(stored->Title.bytes(), QByteArray("On the Farm (2)"));
        QCOMPARE(stored->IncludeHidden, 0);
        QVERIFY(stored->wordCount() >= 10);
        clearFixedRandomSeed();
    }
};

QM_UI_TEST(WordListEditorTest)
#include "wordlisteditor_test.moc"
