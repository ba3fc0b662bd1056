#include "app/exportpuzzlesdialog.h"
#include "app/importpuzzlesdialog.h"
#include "app/mainwindow.h"
#include "storage/legacypuzzle.h"
#include "support/faultinjection.h"
#include "support/puzzles.h"
#include "support/ui/modaldriver.h"
#include "support/ui/uifixture.h"
#include "ui/uitestmain.h"
#include "widgets/filechooser.h"
#include "widgets/picklist.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <cstring>

namespace {

void clickItem(QListWidget* list, const QString& text)
{
    QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).value(0);
    QVERIFY2(item, qPrintable(text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

} // namespace

class PuzzleTransferTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> m_ui;
    QStringList m_chosen; // answers of the file dialogs, in turn

    QString current() const { return m_ui->folders.startDir() + "/SAMPLE.QZ3"; }

    std::unique_ptr<TMainWin> startWindow()
    {
        TestFolders::writeFile(m_ui->folders.startDir() + "/QMAZE3.INI", "[Misc]\r\nShow Tips=No\r\n");
        return std::make_unique<TMainWin>();
    }

private slots:
    void init()
    {
        m_ui = std::make_unique<UiFixture>();
        writeCollection(current(), {{"Animals", "Farm"}, {"Science", "Planets"}, {"Animals", "Birds"}});
        TMainWin::setAssumedScreenSize(QSize(1280, 1024));
        setFileChooser([this](QWidget*, const FileDialogRequest&) { return m_chosen.takeFirst(); });
    }
    void cleanup() { m_ui.reset(); }

    void importRefusesTheOpenFileAndAppendsPickedPuzzlesInListOrder()
    {
        const QString other = m_ui->folders.path("other.qz3");
        writeCollection(other, {{"Space", "Comets"}, {"Animals", "Ants"}, {"Space", "Asteroids"}});
        auto window = startWindow();
        window->puzzleBox()->setCurrentRow(1); // Farm

        m_chosen = {m_ui->folders.startDir() + "/sample.QZ3", other};
        window->action("ImportPuzzles")->trigger();
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Import File cannot be the same as the currently open file."));
        ModalDriver driver({{QStringLiteral("TImportPuzzles"), [&](QWidget* window) {
            auto* dialog = static_cast<TImportPuzzles*>(window);
            QCOMPARE(dialog->findChild<QLabel*>("FileNameLabel")->text(), "File Name: " + other);
            auto* ok = dialog->findChild<QPushButton*>("OkButton");
            QVERIFY(!ok->isEnabled());
            QTest::mouseClick(dialog->findChild<QPushButton*>("SelectAll"), Qt::LeftButton);
            clickItem(dialog->PuzzleBox(), "Ants"); // a click toggles
            QTest::mouseClick(ok, Qt::LeftButton);
        }}});
        window->action("ImportPuzzles")->trigger();
        QVERIFY2(driver.finished(), qPrintable("stopped waiting for " + driver.waitingFor()));

        QCOMPARE(puzzleCount(current()), 5);
        QCOMPARE(TestFolders::readFile(current()).mid(3 * 95830),
                 TestFolders::readFile(other).mid(2 * 95830) + TestFolders::readFile(other).left(95830));
        QCOMPARE(window->categoryBox()->currentItem()->text(), QStringLiteral("Animals"));
        QCOMPARE(window->puzzleBox()->currentItem()->text(), QStringLiteral("Farm"));
        QCOMPARE(window->categoryBox()->count(), 3);
    }

    void importOfASinglePuzzleFileSelectsTheConvertedPuzzle()
    {
        auto legacy = std::make_unique<LegacyPuzzleRecord>();
        std::memset(legacy.get(), ' ', sizeof *legacy);
        legacy->Title.assign("Old Times");
        legacy->GridSize = 10;
        legacy->WordCount = 0;
        const QString qzk = m_ui->folders.path("old.QZK");
        TestFolders::writeFile(qzk, QByteArray("QZK\0", 4) + QByteArray(reinterpret_cast<const char*>(legacy.get()), sizeof *legacy));
        TestFolders::writeFile(m_ui->folders.path("bad.qzk"), QByteArray("QZK\0short", 9));
        auto window = startWindow();

        m_chosen = {m_ui->folders.path("bad.qzk"), m_ui->folders.path("notes.txt"), qzk};
        for (int n = 0; n < 3; ++n)
            window->ImportPuzzlesClick();
        QCOMPARE(m_ui->messages.shown.size(), 2);
        QCOMPARE(m_ui->messages.shown[0].text, QStringLiteral("Puzzle file is corrupt or incompatible.  Import aborted."));
        QCOMPARE(m_ui->messages.shown[1].text, QStringLiteral("The file selected is not a valid Quillmaze file."));
        QCOMPARE(puzzleCount(current()), 4);
        QCOMPARE(window->categoryBox()->currentItem()->text(), QStringLiteral("Version 2.0 Puzzles"));
        QCOMPARE(window->puzzleBox()->currentItem()->text(), QStringLiteral("Old Times"));

        // A conversion that cannot be stored leaves the current puzzle alone.
        legacy->Title.assign("New Times");
        TestFolders::writeFile(qzk, QByteArray("QZK\0", 4) + QByteArray(reinterpret_cast<const char*>(legacy.get()), sizeof *legacy));
        m_chosen = {qzk};
        {
            const FileSizeLimit fullDisk(QFileInfo(current()).size());
            window->ImportPuzzlesClick();
        }
        QCOMPARE(m_ui->messages.shown.size(), 3);
        QCOMPARE(window->state().currentPuzzle->Title.bytes(), QByteArray("Old Times"));
        QCOMPARE(puzzleCount(current()), 4);
    }

    void exportRefusesTheOpenFileAndWritesPickedPuzzles()
    {
        const QString out = m_ui->folders.path("out.QZ3");
        TestFolders::writeFile(out, QByteArray(3 * 95830, 'x'));
        QVERIFY(QFile::link(current(), m_ui->folders.path("link.QZ3")));
        const QByteArray before = TestFolders::readFile(current());
        auto window = startWindow();

        m_chosen = {m_ui->folders.path("link.QZ3"), out};
        ModalDriver driver({{QStringLiteral("TExportPuzzles"), [&](QWidget* window) {
            auto* dialog = static_cast<TExportPuzzles*>(window);
            auto* save = dialog->findChild<QPushButton*>("SaveFile");
            QVERIFY(!save->isEnabled());
            clickItem(dialog->PuzzleBox(), "Planets");
            clickItem(dialog->PuzzleBox(), "Birds");
            QTest::mouseClick(save, Qt::LeftButton);
            QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Export File cannot be the same as the currently open file."));
            QVERIFY(dialog->isVisible());
            QTest::mouseClick(save, Qt::LeftButton);
        }}});
        window->action("ExportPuzzles")->trigger();
        QVERIFY2(driver.finished(), qPrintable("stopped waiting for " + driver.waitingFor()));
        QCOMPARE(TestFolders::readFile(current()), before);
        QCOMPARE(TestFolders::readFile(out), before.mid(2 * 95830) + before.mid(95830, 95830)); // Birds, Planets
    }

    void startUpOffersToConvertEarlierPuzzles()
    {
        TestFolders::writeFile(m_ui->folders.startDir() + "/QZFUPUZZ.DAT", QByteArray(10809, ' '));
        m_ui->messages.answers = {MessageAnswer::No};
        auto window = startWindow();
        QCOMPARE(m_ui->messages.shown.size(), 1);
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("Notice"));
        QVERIFY(QFile::exists(m_ui->folders.startDir() + "/QZFUPUZZ.DAT"));
    }
};

QM_UI_TEST(PuzzleTransferTest)
#include "puzzletransfer_test.moc"
