#include "app/ui/filechooser.h"
#include "app/ui/mainwindow.h"
#include "app/ui/picklist.h"
#include "storage/legacypuzzle.h"
#include "storage/ui/exportpuzzlesdialog.h"
#include "storage/ui/importpuzzlesdialog.h"
#include "support/puzzles.h"
#include "support/recordingmessages.h"
#include "support/tempdir.h"
#include "ui/modaldriver.h"
#include "ui/uitestmain.h"

#include <QFile>
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
    std::unique_ptr<TestFolders> m_folders;
    std::unique_ptr<RecordingMessages> m_messages;
    QStringList m_chosen; // answers of the file dialogs, in turn

    QString current() const { return m_folders->startDir() + "/SAMPLE.QZ3"; }

    std::unique_ptr<TMainWin> startWindow()
    {
        TestFolders::writeFile(m_folders->startDir() + "/QMAZE3.INI", "[Misc]\r\nShow Tips=No\r\n");
        return std::make_unique<TMainWin>();
    }

private slots:
    void init()
    {
        m_folders = std::make_unique<TestFolders>();
        m_messages = std::make_unique<RecordingMessages>();
        writeCollection(current(), {{"Animals", "Farm"}, {"Science", "Planets"}, {"Animals", "Birds"}});
        TMainWin::setAssumedScreenSize(QSize(1280, 1024));
        setFileChooser([this](QWidget*, const FileDialogRequest&) { return m_chosen.takeFirst(); });
    }
    void cleanup()
    {
        setFileChooser({});
        m_messages.reset();
        m_folders.reset();
    }

    void importRefusesTheOpenFileAndAppendsPickedPuzzlesInListOrder()
    {
        const QString other = m_folders->path("other.qz3");
        writeCollection(other, {{"Space", "Comets"}, {"Animals", "Ants"}, {"Space", "Asteroids"}});
        auto window = startWindow();
        window->puzzleBox()->setCurrentRow(1); // Farm

        m_chosen = {m_folders->startDir() + "/sample.QZ3", other};
        window->action("ImportPuzzles")->trigger();
        QCOMPARE(m_messages->lastText(), QStringLiteral("Import File cannot be the same as the currently open file."));
        whenModal<TImportPuzzles>([&](TImportPuzzles* dialog) {
            QCOMPARE(dialog->findChild<QLabel*>("FileNameLabel")->text(), "File Name: " + other);
            auto* ok = dialog->findChild<QPushButton*>("OkButton");
            QVERIFY(!ok->isEnabled());
            QTest::mouseClick(dialog->findChild<QPushButton*>("SelectAll"), Qt::LeftButton);
            clickItem(dialog->PuzzleBox(), "Ants"); // a click toggles
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        window->action("ImportPuzzles")->trigger();

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
        const QString qzk = m_folders->path("old.QZK");
        TestFolders::writeFile(qzk, QByteArray("QZK\0", 4) + QByteArray(reinterpret_cast<const char*>(legacy.get()), sizeof *legacy));
        TestFolders::writeFile(m_folders->path("bad.qzk"), QByteArray("QZK\0short", 9));
        auto window = startWindow();

        m_chosen = {m_folders->path("bad.qzk"), m_folders->path("notes.txt"), qzk};
        for (int n = 0; n < 3; ++n)
            window->ImportPuzzlesClick();
        QCOMPARE(m_messages->shown.size(), 2);
        QCOMPARE(m_messages->shown[0].text, QStringLiteral("Puzzle file is corrupt or incompatible.  Import aborted."));
        QCOMPARE(m_messages->shown[1].text, QStringLiteral("The file selected is not a valid Quillmaze file."));
        QCOMPARE(puzzleCount(current()), 4);
        QCOMPARE(window->categoryBox()->currentItem()->text(), QStringLiteral("Version 2.0 Puzzles"));
        QCOMPARE(window->puzzleBox()->currentItem()->text(), QStringLiteral("Old Times"));
    }

    void exportRefusesTheOpenFileAndWritesPickedPuzzles()
    {
        const QString out = m_folders->path("out.QZ3");
        TestFolders::writeFile(out, QByteArray(3 * 95830, 'x'));
        QVERIFY(QFile::link(current(), m_folders->path("link.QZ3")));
        const QByteArray before = TestFolders::readFile(current());
        auto window = startWindow();

        m_chosen = {m_folders->path("link.QZ3"), out};
        whenModal<TExportPuzzles>([&](TExportPuzzles* dialog) {
            auto* save = dialog->findChild<QPushButton*>("SaveFile");
            QVERIFY(!save->isEnabled());
            clickItem(dialog->PuzzleBox(), "Planets");
            clickItem(dialog->PuzzleBox(), "Birds");
            QTest::mouseClick(save, Qt::LeftButton);
            QCOMPARE(m_messages->lastText(), QStringLiteral("Export File cannot be the same as the currently open file."));
            QVERIFY(dialog->isVisible());
            QTest::mouseClick(save, Qt::LeftButton);
        });
        window->action("ExportPuzzles")->trigger();
        QCOMPARE(TestFolders::readFile(current()), before);
        QCOMPARE(TestFolders::readFile(out), before.mid(2 * 95830) + before.mid(95830, 95830)); // Birds, Planets
    }

    void startUpOffersToConvertEarlierPuzzles()
    {
        TestFolders::writeFile(m_folders->startDir() + "/QZFUPUZZ.DAT", QByteArray(10809, ' '));
        m_messages->answers = {MessageAnswer::No};
        auto window = startWindow();
        QCOMPARE(m_messages->shown.size(), 1);
        QCOMPARE(m_messages->lastCaption(), QStringLiteral("Notice"));
        QVERIFY(QFile::exists(m_folders->startDir() + "/QZFUPUZZ.DAT"));
    }
};

QM_UI_TEST(PuzzleTransferTest)
#include "puzzletransfer_test.moc"
