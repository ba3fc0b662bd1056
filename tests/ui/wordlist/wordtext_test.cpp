#include "app/mainwindow.h"
#include "generate/ui/createdpuzzledialog.h"
#include "support/ui/modaldriver.h"
#include "support/ui/uifixture.h"
#include "ui/uitestmain.h"
#include "widgets/filechooser.h"
#include "widgets/picklist.h"
#include "wordlist/ui/exportdialog.h"
#include "wordlist/ui/importdialog.h"
#include "wordlist/ui/wordlisteditor.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace {

QTableWidget* gridOf(QWidget* editor) { return editor->findChild<QTableWidget*>("WordsCluesGrid"); }
QString gridText(QWidget* editor, int row, int column) { return gridOf(editor)->item(row - 1, column)->text(); }

void click(QWidget* dialog, const char* name)
{
    auto* widget = dialog->findChild<QAbstractButton*>(QLatin1String(name));
    QVERIFY2(widget, name);
    QTest::mouseClick(widget, Qt::LeftButton);
}

const char* kWordFile = "plum: a stone fruit\r\napple : red fruit\r\n\r\nkiwi :furry\nfig";

} // namespace

class WordTextTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> m_ui;

    Settings& settings() { return m_ui->state.settings; }

private slots:
    void init()
    {
        m_ui = std::make_unique<UiFixture>();
        TestFolders::writeFile(m_ui->folders.path("words.txt"), kWordFile);
        setFileChooser([this](QWidget*, const FileDialogRequest& request) {
            return m_ui->folders.path(request.kind == FileDialogRequest::Kind::Open ? "words.txt" : "out.txt");
        });
    }
    void cleanup() { m_ui.reset(); }

    void userImportsCreatesSavesAndExportsTheList()
    {
        for (const char* name : {"QZFLAY.DAT", "QZFPAGE.DAT"})
            QFile::copy(QStringLiteral(QM_DATA_DIR "/") + name, m_ui->folders.programDir() + "/" + name);
        TestFolders::writeFile(m_ui->folders.startDir() + "/QMAZE3.INI", "[Misc]\nShow Tips=No\n");
        TMainWin::setAssumedScreenSize(QSize(1280, 1024));
        auto window = std::make_unique<TMainWin>();

        ModalDriver create({
            {QStringLiteral("TWordList"),
             [&](QWidget* editor) {
                 QTest::keyClicks(editor->findChild<QLineEdit*>("Title"), "Fruit");
                 QTest::keyClicks(editor->findChild<QComboBox*>("Category")->lineEdit(), "Food");
                 click(editor, "ImportClue");
                 QCOMPARE(gridText(editor, 1, 2), QStringLiteral("apple"));
                 QCOMPARE(gridText(editor, 1, 3), QStringLiteral("red fruit"));
                 QCOMPARE(gridText(editor, 4, 2), QStringLiteral("plum"));
                 auto* shapes = editor->findChild<QListWidget*>("ShapeBox");
                 shapes->setCurrentItem(shapes->findItems("15x15", Qt::MatchStartsWith).first());
                 click(editor, "CreateIt");
             }},
            {QStringLiteral("TImport"),
             [](QWidget* import) {
                 click(import, "AsWordsAndClues");
                 click(import, "OpenFile");
                 click(import, "SelectAll");
                 click(import, "Ok");
             }},
            {QStringLiteral("TCreatedPuzzle"), [](QWidget* review) { static_cast<TCreatedPuzzle*>(review)->SaveClick(); }},
        });
        window->NewPuzzleClick();
        QVERIFY2(create.finished(), qPrintable("stopped waiting for " + create.waitingFor()));
        QCOMPARE(window->puzzleBox()->currentItem()->text(), QStringLiteral("Fruit"));

        ModalDriver exportList({
            {QStringLiteral("TWordList"),
             [](QWidget* editor) {
                 click(editor, "ExportClue");
                 click(editor, "Cancel");
             }},
            {QStringLiteral("TMyExport"),
             [](QWidget* exporter) {
                 QVERIFY(exporter->findChild<QRadioButton*>("AsWordsAndClues")->isChecked());
                 click(exporter, "SelectAll");
                 click(exporter, "SaveFile");
             }},
        });
        window->ModifyPuzzleClick();
        QVERIFY2(exportList.finished(), qPrintable("stopped waiting for " + exportList.waitingFor()));
        const auto line = [](const QByteArray& word, const QByteArray& clue) {
            return word + QByteArray(31 - word.size(), ' ') + ": " + clue + "\r\n";
        };
        QCOMPARE(TestFolders::readFile(m_ui->folders.path("out.txt")),
                 line("apple", "red fruit") + line("fig", "") + line("kiwi", "furry") + line("plum", "a stone fruit"));
        QCOMPARE(window->state().settings.misc.lastExportWordFile, m_ui->folders.path("out.txt"));
        QVERIFY(m_ui->messages.shown.isEmpty());
    }

    void importOffersOnlyWordsWithoutCluesAndChecksTheSeparator()
    {
        WordEntries rows;
        settings().create.useClues = false;
        settings().create.importOption = 3;
        {
            TImport import(settings(), rows);
            QVERIFY(import.findChild<QRadioButton*>("AsClues")->isHidden());
            QVERIFY(import.findChild<QRadioButton*>("AsWords")->isChecked());
            QVERIFY(import.findChild<QLineEdit*>("SepChar")->isHidden());
            QCOMPARE(settings().create.importOption, 1);
        }
        settings().create.useClues = true;
        settings().create.importOption = 3;
        TImport import(settings(), rows);
        import.show();
        auto* separator = import.findChild<QLineEdit*>("SepChar");
        QVERIFY(!separator->isHidden());
        QVERIFY(!import.findChild<QPushButton*>("Ok")->isEnabled());
        click(&import, "OpenFile");
        QCOMPARE(import.findChild<QListWidget*>("ListBox1")->item(0)->text(), QStringLiteral("apple : red fruit"));
        separator->clear();
        click(&import, "Ok");
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("No word/clue seperator character specified."));
        QCOMPARE(import.focusWidget(), separator);
        QTest::keyClicks(separator, "-");
        QCOMPARE(settings().create.sepChar, '-');
    }

    void exportOffersOnlyWordsWithoutCluesAndSelectsUsedWords()
    {
        WordEntries rows;
        rows.setWord(1, "lion");
        rows.setPlaced(1, true);
        rows.setWord(2, "emu");
        settings().create.useClues = false;
        TMyExport exporter(settings(), rows);
        exporter.show();
        QVERIFY(exporter.findChild<QRadioButton*>("AsWordsAndClues")->isHidden());
        QCOMPARE(settings().create.exportOption, 1);
        auto* list = exporter.findChild<PickList*>("ListBox1");
        QCOMPARE(list->item(0)->text(), QStringLiteral("emu"));
        click(&exporter, "SaveFile");
        QVERIFY(m_ui->messages.shown.isEmpty()); // disabled until something is picked
        click(&exporter, "SelectUsed");
        QCOMPARE(list->selectedRows(), QList<int>{1});
        click(&exporter, "SaveFile");
        QCOMPARE(TestFolders::readFile(m_ui->folders.path("out.txt")), QByteArray("lion\r\n"));
    }

    void pastedLinesFillEmptyRowsFromTheCurrentOne()
    {
        resetToNewPuzzle(*m_ui->state.currentPuzzle);
        m_ui->state.newPuzzle = true;
        TWordList editor(QStringLiteral("Create New Puzzle"), {}, m_ui->state.wordListSession());
        editor.show();
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QTableWidget* grid = gridOf(&editor);
        grid->item(4, 2)->setText("taken");
        grid->setFocus();
        grid->setCurrentCell(2, 2); // row 3: its cell editor opens and has the focus
        QApplication::clipboard()->setText("one\tfirst\r\ntwo\tsecond\r\nthree\r\nfour\tfourth\r\nfive\tfifth\r\n");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(gridText(&editor, 3, 2), QStringLiteral("one"));
        QCOMPARE(gridText(&editor, 4, 3), QStringLiteral("second"));
        QCOMPARE(gridText(&editor, 5, 2), QStringLiteral("taken"));
        QCOMPARE(gridText(&editor, 6, 2), QStringLiteral("three"));
        QCOMPARE(gridText(&editor, 8, 3), QStringLiteral("fifth"));
        grid->setCurrentCell(20, 2); // leaving row 3 keeps what was pasted there
        QCOMPARE(gridText(&editor, 3, 2), QStringLiteral("one"));

        grid->setCurrentCell(327, 2);
        m_ui->messages.answers = {MessageAnswer::No};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_ui->messages.lastText(),
                 QStringLiteral("Too many words selected.  Last 2 words will not be used.  Continue?"));
        QCOMPARE(gridText(&editor, 328, 2), QString());
    }
};

QM_UI_TEST(WordTextTest)
#include "wordtext_test.moc"
