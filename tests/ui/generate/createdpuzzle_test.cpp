#include "generate/candidateslots.h"
#include "generate/ui/blowupdialog.h"
#include "generate/ui/candidatepicture.h"
#include "generate/ui/createdpuzzledialog.h"
#include "storage/collectionfile.h"
#include "support/puzzles.h"
#include "support/ui/uifixture.h"
#include "ui/uitestmain.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstring>

namespace {

// Fills a slot with a full cols x rows candidate: the placed words run right
// from column 1 of rows 1, 2, ...; the excluded words follow them in the
// word list.
void fillSlot(CandidateSlot& slot, int cols, int rows, const QList<QByteArray>& placed,
              const QList<QByteArray>& excluded)
{
    PuzzleRecord& r = slot.record;
    r = zeroPuzzleRecord();
    r.Title.assign("Fruit");
    r.Category.assign("Food");
    r.GridCols = static_cast<std::int16_t>(cols);
    r.GridRows = static_cast<std::int16_t>(rows);
    r.AnswerGrid.fill(0);
    r.FillGrid.fill(' ');
    for (int row = 1; row <= rows; ++row)
        for (int c = 1; c <= cols; ++c)
            r.AnswerGrid[cell::index(row, c) - 1] = ' ';
    slot.placed.fill(0);
    int k = 0;
    for (const QByteArray& word : placed) {
        ++k;
        for (int c = 1; c <= word.size(); ++c)
            r.AnswerGrid[cell::index(k, c) - 1] = static_cast<std::uint8_t>(word.toUpper()[c - 1]);
        r.word(k).assign(word);
        r.wordStart(k) = static_cast<std::int16_t>(cell::index(k, 1));
        r.wordEnd(k) = static_cast<std::int16_t>(cell::index(k, static_cast<int>(word.size())));
        slot.placed[k - 1] = 1;
    }
    r.WordCount = static_cast<std::int16_t>(k);
    for (const QByteArray& word : excluded)
        r.word(++k).assign(word);
    slot.score = static_cast<int>(placed.size());
}

int freeCells(int cols, int rows, const QList<QByteArray>& placed)
{
    int letters = 0;
    for (const QByteArray& word : placed)
        letters += static_cast<int>(word.size());
    return cols * rows - letters;
}

QStringList items(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

const QList<QByteArray> kAll = {"pear", "Apple", "kiwi", "plum"};
const QList<QByteArray> kSome = {"pear", "kiwi", "plum"};

} // namespace

class CreatedPuzzleTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_ui = std::make_unique<UiFixture>();
        CandidateSlots& candidates = *state().candidates;
        fillSlot(candidates.slot(1), 8, 8, kAll, {});
        fillSlot(candidates.slot(2), 8, 8, kSome, {"Banana"});
        fillSlot(candidates.slot(3), 20, 20, {"fig", "lime"}, {"orange", "mango"});
        fillSlot(candidates.slot(4), 8, 8, kAll, {});
        candidates.slot(4).score = 0; // holds an older candidate, not one of this run
        state().settings.misc.lastGroup = m_ui->folders.startDir() + QStringLiteral("/TEST.QZ3");
    }
    void cleanup() { m_ui.reset(); }

    void selectingSlotsShowsTheirWordsAndFreeCells()
    {
        TCreatedPuzzle dialog(*state().candidates, 4, state().editedPuzzle(), m_ui->context());
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Created Puzzle"));
        QCOMPARE(dialog.selectedSlot(), 1);
        QCOMPARE(dialog.picture(1)->size(), QSize(191, 191));
        QCOMPARE(label(dialog, "BFLabel2")->text(), QStringLiteral("Second Best Fit"));
        QVERIFY(!label(dialog, "BFLabel4")->isVisible());
        QCOMPARE(label(dialog, "BFLabel1")->palette().color(QPalette::Window), QColor(Qt::red));
        QCOMPARE(items(list(dialog, "IncludedWords")), QStringList({"Apple", "kiwi", "pear", "plum"}));
        QCOMPARE(label(dialog, "IncWordsLabel")->text(), QStringLiteral("4 Included Words"));
        QCOMPARE(label(dialog, "ExcWordsLabel")->text(), QStringLiteral("0 Excluded Words"));
        const int free1 = freeCells(8, 8, kAll);
        QCOMPARE(label(dialog, "NumChars")->text(), QStringLiteral("%1 Chars").arg(free1));
        QCOMPARE(phrase(dialog)->maxLength(), free1);

        QTest::mouseClick(dialog.picture(2), Qt::LeftButton);
        QCOMPARE(dialog.selectedSlot(), 2);
        QCOMPARE(label(dialog, "BFLabel2")->palette().color(QPalette::Window), QColor(Qt::red));
        QVERIFY(label(dialog, "BFLabel1")->palette().color(QPalette::Window) != QColor(Qt::red));
        QCOMPARE(items(list(dialog, "ExcludedWords")), QStringList({"Banana"}));
        QCOMPARE(label(dialog, "IncWordsLabel")->text(), QStringLiteral("3 Included Words"));
        QCOMPARE(label(dialog, "ExcWordsLabel")->text(), QStringLiteral("1 Excluded Word"));

        // 20 x 20 with 393 free cells: too many for a hidden phrase.
        includeHidden(dialog)->setChecked(true);
        QTest::mouseClick(dialog.picture(3), Qt::LeftButton);
        QCOMPARE(label(dialog, "NumChars")->text(), QStringLiteral("393 Chars"));
        QVERIFY(!includeHidden(dialog)->isChecked());
        QVERIFY(!includeHidden(dialog)->isEnabled());
        QVERIFY(!phrase(dialog)->isEnabled());

        // The empty slot cannot be selected.
        QTest::mouseClick(dialog.picture(4), Qt::LeftButton);
        QCOMPARE(dialog.selectedSlot(), 3);
    }

    void doubleClickShowsTheEnlargedCandidate()
    {
        TCreatedPuzzle dialog(*state().candidates, 4, state().editedPuzzle(), m_ui->context());
        dialog.show();
        QString caption;
        QSize size;
        QTimer::singleShot(0, [&] {
            if (auto* blowUp = qobject_cast<TBlowItUp*>(QApplication::activeModalWidget())) {
                caption = blowUp->windowTitle();
                size = blowUp->picture()->size();
                blowUp->reject();
            }
        });
        QTest::mouseDClick(dialog.picture(2), Qt::LeftButton);
        QCOMPARE(caption, QStringLiteral("Second Best Fit"));
        QCOMPARE(size, QSize(411, 411));
    }

    void savingWithAHiddenPhraseWritesTheFinishedPuzzle()
    {
        RecordingMessages& messages = m_ui->messages;
        TCreatedPuzzle dialog(*state().candidates, 4, state().editedPuzzle(), m_ui->context());
        dialog.show();
        includeHidden(dialog)->setChecked(true);
        QTest::keyClicks(phrase(dialog), QStringLiteral("too short"));
        QTest::mouseClick(button(dialog, "Save"), Qt::LeftButton);
        QCOMPARE(messages.lastText(), QStringLiteral("Spaces were used in the hidden phrase."));
        phrase(dialog)->setText(QStringLiteral("  tooshort "));
        QTest::mouseClick(button(dialog, "Save"), Qt::LeftButton);
        QCOMPARE(messages.lastText(), QStringLiteral("47 characters are required for the hidden phrase.  You have "
                                                     "entered 8 characters.  Please change your phrase or select "
                                                     "not to use a phrase."));
        QVERIFY(!dialog.saved());
        QVERIFY(dialog.isVisible());
        QCOMPARE(puzzleCount(state().settings.misc.lastGroup), 0);

        const QString text = QStringLiteral("thequickbrownfoxjumpsoverthelazydogagainandagai");
        QCOMPARE(text.size(), 47);
        phrase(dialog)->setText(text);
        QTest::mouseClick(button(dialog, "Save"), Qt::LeftButton);
        QVERIFY(dialog.saved());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(puzzleCount(state().settings.misc.lastGroup), 1);

        PuzzleRecord& written = *state().currentPuzzle;
        QVERIFY(readPuzzle(state().settings.misc.lastGroup, 0, written));
        QCOMPARE(written.IncludeHidden, std::uint8_t(1));
        QCOMPARE(written.Generated, std::uint8_t(1));
        QCOMPARE(written.Version.bytes(), QByteArray("3.0c"));
        // Row 1 holds PEAR, so the phrase starts in column 5.
        QCOMPARE(written.fillAt(1, 5), std::uint8_t('T'));
        QCOMPARE(written.fillAt(8, 8), std::uint8_t('I'));
        QCOMPARE(written.fillAt(1, 1), std::uint8_t(' '));
    }

    void excludedWordsAskFirstAndNoKeepsTheReviewOpen()
    {
        RecordingMessages& messages = m_ui->messages;
        messages.answers = {MessageAnswer::No};
        TCreatedPuzzle dialog(*state().candidates, 4, state().editedPuzzle(), m_ui->context());
        dialog.show();
        QTest::mouseClick(dialog.picture(2), Qt::LeftButton);
        QTest::mouseClick(button(dialog, "Save"), Qt::LeftButton);
        QCOMPARE(messages.lastText(),
                 QStringLiteral("One or more words did not fit into the puzzle.  Save Puzzle anyway?"));
        QVERIFY(!dialog.saved());
        QVERIFY(dialog.isVisible());
        QVERIFY(!QFileInfo::exists(state().settings.misc.lastGroup));

        messages.clear();
        QTest::mouseClick(button(dialog, "Save"), Qt::LeftButton); // asks again; answered Yes
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(dialog.saved());
        auto record = std::make_unique<PuzzleRecord>();
        QVERIFY(readPuzzle(state().settings.misc.lastGroup, 0, *record));
        QCOMPARE(record->wordCount(), 3);
        QCOMPARE(record->word(4).bytes(), QByteArray("Banana"));
        QVERIFY(!record->wordPlaced(4));
    }

    void aModifiedPuzzleIsWrittenAtItsOwnIndex()
    {
        RecordingMessages& messages = m_ui->messages;
        writeCollection(state().settings.misc.lastGroup, {{"Food", "First"}, {"Food", "Second"}, {"Food", "Third"}});
        state().newPuzzle = false;
        state().recordIndex = 1;
        TCreatedPuzzle dialog(*state().candidates, 4, state().editedPuzzle(), m_ui->context());
        dialog.show();
        QTest::mouseClick(button(dialog, "Save"), Qt::LeftButton);
        QVERIFY(dialog.saved());
        QCOMPARE(puzzleCount(state().settings.misc.lastGroup), 3);
        auto record = std::make_unique<PuzzleRecord>();
        QVERIFY(readPuzzle(state().settings.misc.lastGroup, 1, *record));
        QCOMPARE(record->Title.bytes(), QByteArray("Fruit"));
        QVERIFY(messages.shown.isEmpty());
    }

    void aCollectionThatCannotBeWrittenClosesTheReviewUnsaved()
    {
        RecordingMessages& messages = m_ui->messages;
        state().settings.misc.lastGroup = m_ui->folders.startDir() + QStringLiteral("/missing/folder/TEST.QZ3");
        TCreatedPuzzle dialog(*state().candidates, 4, state().editedPuzzle(), m_ui->context());
        dialog.show();
        QTest::mouseClick(button(dialog, "Save"), Qt::LeftButton);
        QCOMPARE(messages.lastText(), QStringLiteral("Unable to save puzzle."));
        QCOMPARE(messages.lastCaption(), QStringLiteral("Error"));
        QVERIFY(!dialog.saved());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    void withoutAnyCandidateNothingCanBeSaved()
    {
        for (int n = 1; n <= CandidateSlots::Count; ++n)
            state().candidates->slot(n).score = 0;
        TCreatedPuzzle dialog(*state().candidates, 4, state().editedPuzzle(), m_ui->context());
        dialog.show();
        QCOMPARE(dialog.selectedSlot(), 0);
        QVERIFY(!button(dialog, "Save")->isEnabled());
        QVERIFY(!label(dialog, "BFLabel1")->isVisible());
        QCOMPARE(label(dialog, "IncWordsLabel")->text(), QStringLiteral("0 Included Words"));
    }

private:
    static QLabel* label(const QDialog& dialog, const char* name)
    {
        return dialog.findChild<QLabel*>(QString::fromLatin1(name));
    }
    static QListWidget* list(const QDialog& dialog, const char* name)
    {
        return dialog.findChild<QListWidget*>(QString::fromLatin1(name));
    }
    static QPushButton* button(const QDialog& dialog, const char* name)
    {
        return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    static QCheckBox* includeHidden(const QDialog& dialog)
    {
        return dialog.findChild<QCheckBox*>(QStringLiteral("IncludeHidden"));
    }
    static QLineEdit* phrase(const QDialog& dialog)
    {
        return dialog.findChild<QLineEdit*>(QStringLiteral("HiddenPhrase"));
    }

    ProgramState& state() { return m_ui->state; }

    std::unique_ptr<UiFixture> m_ui;
};

QM_UI_TEST(CreatedPuzzleTest)
#include "createdpuzzle_test.moc"
