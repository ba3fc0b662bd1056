#include "app/application.h"
#include "app/mainwindow.h"
#include "base/random.h"
#include "pagelayout/ui/objectfontdialog.h"
#include "support/faultinjection.h"
#include "support/puzzles.h"
#include "support/ui/keyboard.h"
#include "support/ui/modaldriver.h"
#include "support/ui/uifixture.h"
#include "ui/uitestmain.h"
#include "widgets/filechooser.h"
#include "widgets/help.h"
#include "widgets/qtmessageservice.h"
#include "wordlist/ui/wordlisteditor.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QListWidget>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QWindow>

#include <memory>

namespace {

const char* kQuietIni = "[Misc]\r\nShow Tips=No\r\n";

QStringList listTexts(const QListWidget* box)
{
    QStringList texts;
    for (int row = 0; row < box->count(); ++row)
        texts << box->item(row)->text();
    return texts;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> m_ui;

    QString sample() const { return m_ui->folders.startDir() + "/SAMPLE.QZ3"; }

    std::unique_ptr<TMainWin> startWindow(const QByteArray& ini = kQuietIni)
    {
        TestFolders::writeFile(m_ui->folders.startDir() + "/QMAZE3.INI", ini);
        return std::make_unique<TMainWin>();
    }

private slots:
    void init()
    {
        m_ui = std::make_unique<UiFixture>();
        writeCollection(sample(), {{"Animals", "Farm"}, {"Science", "Planets"}, {"Animals", "Birds"}});
        TMainWin::setAssumedScreenSize(QSize(1280, 1024));
    }
    void cleanup() { m_ui.reset(); }

    void startsOnTheSampleCollectionWithFirstPuzzleSelected()
    {
        auto window = startWindow();
        window->show();
        QCOMPARE(window->windowTitle(), QStringLiteral("Quillmaze 98 (SAMPLE)"));
        QCOMPARE(listTexts(window->categoryBox()), (QStringList{"Animals", "Science"}));
        QCOMPARE(listTexts(window->puzzleBox()), (QStringList{"Birds", "Farm"}));
        QCOMPARE(window->puzzleBox()->currentRow(), 0);
        QVERIFY(window->action("ModifyPuzzle") != nullptr);
        QVERIFY(window->action("DeletePuzzle")->isEnabled());
        QVERIFY(window->action("PrintPuzzle")->isEnabled());
        QVERIFY(m_ui->messages.shown.isEmpty());
    }

    void choosingACategoryFillsItsPuzzlesAndDisablesPuzzleCommands()
    {
        auto window = startWindow();
        window->categoryBox()->setCurrentRow(1);
        QCOMPARE(listTexts(window->puzzleBox()), (QStringList{"Planets"}));
        QVERIFY(!window->action("DeletePuzzle")->isEnabled());
        QVERIFY(!window->action("CopyPuzzle")->isEnabled());
        window->DeletePuzzle();
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("No puzzle selected.  Please select a puzzle first."));
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("Error"));
    }

    void deletingAPuzzleAsksAndCompactsTheFile()
    {
        auto window = startWindow();
        window->puzzleBox()->setCurrentRow(1); // Farm, record 0
        m_ui->messages.answers = {MessageAnswer::No};
        window->DeletePuzzle();
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Are you sure you want to delete Farm?"));
        QCOMPARE(QFile(sample()).size(), 3 * 95830);

        window->DeletePuzzle(); // scripted answers ran out: Yes
        QCOMPARE(QFile(sample()).size(), 2 * 95830);
        QCOMPARE(listTexts(window->puzzleBox()), (QStringList{"Birds"}));
        QCOMPARE(window->puzzleBox()->currentRow(), 0); // the title above the deleted one
    }

    void deletingFromAReadOnlyCollectionSaysSoAndKeepsThePuzzle()
    {
        auto window = startWindow();
        window->puzzleBox()->setCurrentRow(1); // Farm
        const QByteArray before = TestFolders::readFile(sample());
        openFolderToEveryone(m_ui->folders.path(QString()));
        openFolderToEveryone(m_ui->folders.startDir());
        makeReadOnly(sample());
        {
            OrdinaryUser user;
            window->action("DeletePuzzle")->trigger(); // the question is answered Yes
        }
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("Error"));
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Unable to delete puzzle."));
        QCOMPARE(TestFolders::readFile(sample()), before);
        QCOMPARE(listTexts(window->puzzleBox()), (QStringList{"Birds", "Farm"}));
    }

    void printingANeverGeneratedPuzzleIsRefused()
    {
        createEmptyCollection(sample());
        writePuzzle(sample(), *makePuzzle("Words", "Draft", false), -1);
        auto window = startWindow();
        window->PrintPuzzleClick();
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("Warning"));
        QCOMPARE(m_ui->messages.lastText(),
                 QStringLiteral("A puzzle has never been generated for this word/clue list. Please select "
                                "\"File|Modify\" from the menu and create the puzzle first"));
    }

    void openingCollectionsKeepsTheRecentList()
    {
        auto window = startWindow();
        const QString other = m_ui->folders.path("other.qz3");
        writeCollection(other, {{"Holidays", "Winter"}});
        setFileChooser([&](QWidget*, const FileDialogRequest& request) {
            return request.title == "Open Puzzle Group" ? other : QString();
        });
        window->OpenGroup();
        QCOMPARE(window->collectionPath(), other); // lower-case extension accepted
        QCOMPARE(window->windowTitle(), QStringLiteral("Quillmaze 98 (other)"));
        QCOMPARE(listTexts(window->categoryBox()), (QStringList{"Holidays"}));
        QAction* recent = window->action("RecentFile1");
        QCOMPARE(recent->text(), QStringLiteral("&1   ") + sample());
        QVERIFY(recent->isVisible());
        QVERIFY(!window->action("RecentFile2")->isVisible());

        recent->trigger(); // back to the sample: "other" goes on top
        QCOMPARE(window->collectionPath(), sample());
        QCOMPARE(window->state().settings.misc.lastFiles[0], other);

        const QString text = m_ui->folders.path("notes.txt");
        TestFolders::writeFile(text, "hello");
        setFileChooser([&](QWidget*, const FileDialogRequest&) { return text; });
        window->OpenGroup();
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("The file selected is not a valid Quillmaze file."));
        QCOMPARE(window->collectionPath(), sample());
    }

    void commandLineOpensACollectionOrKeepsTheLastOne_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("opens");
        QTest::newRow("collection") << "Words.QZ3" << true;
        QTest::newRow("lower-case extension") << "words.qz3" << true;
        QTest::newRow("missing file") << "Missing.QZ3" << false;
        QTest::newRow("other extension") << "notes.txt" << false;
        QTest::newRow("folder") << "Folder.QZ3" << false;
    }
    void commandLineOpensACollectionOrKeepsTheLastOne()
    {
        QFETCH(QString, argument);
        QFETCH(bool, opens);
        writeCollection(m_ui->folders.path("Words.QZ3"), {{"Holidays", "Winter"}});
        writeCollection(m_ui->folders.path("words.qz3"), {{"Holidays", "Winter"}});
        TestFolders::writeFile(m_ui->folders.path("notes.txt"), "hello");
        QDir().mkpath(m_ui->folders.path("Folder.QZ3"));
        auto window = startWindow();

        const QString path = m_ui->folders.path(argument);
        window->openFromCommandLine(path);
        window->show();
        if (opens) {
            QCOMPARE(window->collectionPath(), path);
            QCOMPARE(window->windowTitle(), QStringLiteral("Quillmaze 98 (%1)").arg(QFileInfo(path).baseName()));
            QCOMPARE(listTexts(window->puzzleBox()), (QStringList{"Winter"}));
            QCOMPARE(window->state().settings.misc.lastFiles[0], sample());
            QVERIFY(m_ui->messages.shown.isEmpty());
        } else {
            QCOMPARE(m_ui->messages.lastText(), QStringLiteral("The file selected is not a valid Quillmaze file."));
            QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("Error"));
            QCOMPARE(window->collectionPath(), sample());
            QCOMPARE(window->windowTitle(), QStringLiteral("Quillmaze 98 (SAMPLE)"));
            QCOMPARE(listTexts(window->puzzleBox()), (QStringList{"Birds", "Farm"}));
            QVERIFY(window->state().settings.misc.lastFiles[0].isEmpty());
        }
    }

    void newCollectionIsEmptyAndOffersAFirstPuzzle()
    {
        auto window = startWindow();
        const QString created = m_ui->folders.path("fresh.QZ3");
        TestFolders::writeFile(created, QByteArray(95830, 'x')); // overwritten after confirmation
        setFileChooser([&](QWidget*, const FileDialogRequest&) { return created; });
        m_ui->messages.answers = {MessageAnswer::No};
        window->NewGroup();
        QCOMPARE(QFile(created).size(), 0);
        QCOMPARE(window->categoryBox()->count(), 0);
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("New Puzzle"));
        QCOMPARE(m_ui->messages.lastText(),
                 QStringLiteral("Would you like to create your first puzzle now for this new puzzle collection?"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Quillmaze 98 (fresh)"));
    }

    void copyAppliesTheCopyNameAndClearsPlacement()
    {
        auto record = makePuzzle("Animals", "Zoo (4)");
        record->WordCount = 1;
        record->wordPlaced(1) = 1;
        createEmptyCollection(sample());
        writePuzzle(sample(), *record, -1);
        auto window = startWindow();
        QString caption;
        QString shownTitle;
        const ModalDriver::Step closeEditor{"WordList", [&](QWidget* window) {
                                                auto* editor = static_cast<TWordList*>(window);
                                                caption = editor->windowTitle();
                                                shownTitle = editor->findChild<QLineEdit*>("Title")->text();
                                                editor->CancelClick();
                                            }};
        ModalDriver copyDriver({closeEditor});
        window->CopyPuzzleClick();
        QCOMPARE(caption, QStringLiteral("Create New Puzzle (copy of existing puzzle)"));
        QCOMPARE(shownTitle, QStringLiteral("Zoo (5)"));
        QVERIFY(!window->state().currentPuzzle->wordPlaced(1));
        QVERIFY(window->state().newPuzzle);
        ModalDriver modifyDriver({closeEditor});
        window->ModifyPuzzleClick();
        QCOMPARE(caption, QStringLiteral("Modify Existing Puzzle"));
        QCOMPARE(shownTitle, QStringLiteral("Zoo (4)"));
        QVERIFY(!window->state().newPuzzle);
    }

    void aFailedReadLeavesTheCurrentPuzzleAsItWas_data()
    {
        QTest::addColumn<bool>("vanished");
        QTest::newRow("damaged file") << false;
        QTest::newRow("vanished file") << true;
    }
    void aFailedReadLeavesTheCurrentPuzzleAsItWas()
    {
        QFETCH(bool, vanished);
        auto window = startWindow();
        window->puzzleBox()->setCurrentRow(1); // Farm, record 0
        ModalDriver driver({{"WordList", [](QWidget* editor) { static_cast<TWordList*>(editor)->CancelClick(); }}});
        window->ModifyPuzzleClick();
        QVERIFY(driver.finished());
        const ProgramState& state = window->state();
        const auto bytesOf = [](const PuzzleRecord& record) {
            return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
        };
        const QByteArray before = bytesOf(*state.currentPuzzle);

        window->puzzleBox()->setCurrentRow(0); // Birds, record 2
        if (vanished)
            QVERIFY(QFile::remove(sample()));
        else
            QVERIFY(QFile::resize(sample(), 2 * 95830 + 1000)); // record 2 cut short
        m_ui->messages.clear();
        window->CopyPuzzleClick();
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("Error"));
        if (vanished)
            QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Unable to access Word List file."));
        QVERIFY(bytesOf(*state.currentPuzzle) == before);
        QVERIFY(!state.newPuzzle);
        QCOMPARE(state.recordIndex, 0);
    }

    void screenPresetsCheckTheScreenSize()
    {
        TMainWin::setAssumedScreenSize(QSize(1024, 700));
        auto window = startWindow("[Misc]\nShow Tips=No\nWindow Size=1024\n");
        QCOMPARE(window->state().screenPreset, 640);
        QVERIFY(window->action("Screen640")->isChecked());

        TMainWin::setAssumedScreenSize(QSize(1024, 768));
        window = startWindow();
        window->show();
        window->ChangeScreenSize(1280);
        QCOMPARE(m_ui->messages.lastText(),
                 QStringLiteral("Your current screen resolution does not support 1280 x 1024 pixels."));
        QVERIFY(window->action("Screen640")->isChecked());
        QVERIFY(!window->action("Screen1280")->isChecked());

        const int width640 = window->centralWidget()->width();
        window->ChangeScreenSize(800);
        QCOMPARE(window->state().screenScale, 1.25);
        QCOMPARE(window->centralWidget()->width(), qRound(width640 * 1.25));
        QVERIFY(window->action("Screen800")->isChecked());
    }

    void closingSavesTheSettings()
    {
        auto window = startWindow();
        window->action("Colors256")->trigger();
        window->close();
        const QByteArray ini = TestFolders::readFile(m_ui->folders.startDir() + "/QMAZE3.INI");
        QVERIFY(ini.contains("Pixel Format=2"));
        QVERIFY(ini.contains(("Last Group=" + sample()).toUtf8()));
    }

    void eachStartSeedsTheRandomStateFromTheClock()
    {
        // Two starts a few milliseconds apart, each from the same state: the
        // tip of the day draws from different states.
        setRandomState(0);
        auto first = startWindow();
        const std::uint32_t firstState = randomState();
        QTest::qWait(5);
        setRandomState(0);
        auto second = startWindow();
        QVERIFY(randomState() != firstState);
    }

    void ctrlClickDeselectsAndLeavesNoPuzzleCommandEnabled()
    {
        auto window = startWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QListWidget* box = window->puzzleBox();
        QCOMPARE(box->selectedItems().size(), 1);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          box->visualItemRect(box->item(0)).center());
        QVERIFY(box->selectedItems().isEmpty());
        for (const char* name : {"ModifyPuzzle", "CopyPuzzle", "DeletePuzzle", "PrintPuzzle"})
            QVERIFY2(!window->action(name)->isEnabled(), name);
        window->CopyPuzzleClick();
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("No puzzle selected.  Please select a puzzle first."));

        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(1)).center());
        QVERIFY(window->action("PrintPuzzle")->isEnabled());
    }

    void theWindowSystemShowsTheCaptionUnchanged()
    {
        setUpApplication();
        // The window system appends an application display name that was set
        // on purpose; without one the display name follows the application
        // name, and nothing is appended.
        const QString name = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("Probe"));
        const QString displayName = QGuiApplication::applicationDisplayName();
        QCoreApplication::setApplicationName(name);
        QCOMPARE(displayName, QStringLiteral("Probe"));

        auto window = startWindow();
        window->show();
        QCOMPARE(window->windowHandle()->title(), QStringLiteral("Quillmaze 98 (SAMPLE)"));
    }

    void userFontColourIsChosenAndKeptInTheConfiguration()
    {
        ObjectFont offered;
        setObjectFontChooser([&](QWidget*, const ObjectFont& font) -> std::optional<ObjectFont> {
            offered = font;
            ObjectFont chosen = font;
            chosen.color = 0x0000FF; // red as 0x00BBGGRR
            chosen.bold = true;
            return chosen;
        });
        const QString ini = m_ui->folders.startDir() + "/QMAZE3.INI";
        {
            auto window = startWindow();
            window->action("LabelFont")->trigger();
            QCOMPARE(offered.color, 0u);
            QCOMPARE(window->findChild<QLabel*>()->palette().color(QPalette::WindowText), QColor(Qt::red));
            window->close();
        }
        QVERIFY(TestFolders::readFile(ini).contains("Color=255"));
        TMainWin again;
        again.action("LabelFont")->trigger();
        QCOMPARE(offered.color, 0x0000FFu);
        QVERIFY(offered.bold);
    }

    void colourTicksWindowPlaceAndMessageIcons()
    {
        // Colour depth: each item is ticked for its own value only.
        auto window = startWindow("[Misc]\nShow Tips=No\n[Reports]\nPixel Format=3\n");
        QVERIFY(!window->action("Colors16M")->isChecked());
        QVERIFY(!window->action("Colors256")->isChecked());

        // Restored 10 pixels above the centre of the screen, never above its top.
        window->show();
        window->ChangeScreenSize(800);
        const QRect screen = window->screen()->geometry();
        QCOMPARE(window->y(), std::max(0, (screen.height() - window->height()) / 2 - 10));

        // Disk errors warn; errors stop.
        QCOMPARE(messageIcon(QStringLiteral("Disk Error"), MessageButtons::Ok), QMessageBox::Warning);
        QCOMPARE(messageIcon(QStringLiteral("Error"), MessageButtons::Ok), QMessageBox::Critical);
        QCOMPARE(messageIcon(QStringLiteral("Delete?"), MessageButtons::YesNo), QMessageBox::Question);
    }

    void helpOpensTheContentsAndKeywordPages()
    {
        auto window = startWindow();
        QString opened;
        setHelpOpener([&](const QString& page) { opened = page; });
        window->action("HelpContents")->trigger();
        QVERIFY(opened.endsWith("help/index.html"));
    }

    void helpTellsWhenNoBrowserStarts_data()
    {
        QTest::addColumn<QByteArray>("opener");
        QTest::addColumn<bool>("opens");
        QTest::newRow("no desktop opener") << QByteArray() << false;
        QTest::newRow("opener finds no browser") << QByteArray("exit 3") << false;
        QTest::newRow("opener starts a browser") << QByteArray("echo \"$1\" > \"$0.page\"") << true;
    }
    void helpTellsWhenNoBrowserStarts()
    {
        QFETCH(QByteArray, opener);
        QFETCH(bool, opens);
        // One folder holds the help page and is the whole search path.
        const QString folder = m_ui->folders.path("tools");
        QDir().mkpath(folder + "/help");
        TestFolders::writeFile(folder + "/help/index.html", "<html></html>");
        if (!opener.isEmpty()) {
            TestFolders::writeFile(folder + "/xdg-open", "#!/bin/sh\n" + opener + "\n");
            QFile::setPermissions(folder + "/xdg-open", QFile::ReadOwner | QFile::ExeOwner);
        }
        const QString savedData = dataDirectory();
        const QByteArray savedPath = qgetenv("PATH");
        const auto restore = qScopeGuard([&] {
            qputenv("PATH", savedPath);
            setDataDirectory(savedData);
        });
        setDataDirectory(folder);
        qputenv("PATH", folder.toLocal8Bit());

        auto window = startWindow();
        QVERIFY(showActive(*window));
        pressKey(Qt::Key_K, Qt::ControlModifier);
        QTRY_VERIFY(qApp->findChildren<QProcess*>().isEmpty());
        QCOMPARE(m_ui->messages.lastText().startsWith("The help pages could not be opened"), !opens);
        if (opens)
            QCOMPARE(TestFolders::readFile(folder + "/xdg-open.page").trimmed(),
                     QUrl::fromLocalFile(folder + "/help/index.html").toEncoded());
    }
};

QM_UI_TEST(MainWindowTest)
#include "mainwindow_test.moc"
