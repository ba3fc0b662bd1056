#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "pagelayout/pagelayoutrecord.h"
#include "spelling/userlexicon.h"
#include "spelling/ui/choosespellcheck.h"
#include "spelling/ui/choosethescheck.h"
#include "spelling/ui/myeditbox.h"
#include "spelling/ui/spellingcommands.h"
#include "spelling/ui/spellsuggestions.h"
#include "spelling/ui/thes2sugs.h"
#include "spelling/ui/thessuggestions.h"
#include "support/recordingmessages.h"
#include "support/spellingfixtures.h"
#include "support/tempdir.h"
#include "support/ui/modalscript.h"
#include "ui/modaldriver.h"
#include "ui/uitestmain.h"
#include "wordlist/ui/wordlisteditor.h"
#include "wordlist/wordentries.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace {

// Shows a window and makes it the active one, so that it gets the keys.
bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// True when the window has the keys. The offscreen platform does not give
// them back to a window when the dialog above it closes, so it is asked to
// (as a person would click on it) and the caller tries again later.
bool takesKeys(QWidget* window)
{
    if (window->isActiveWindow())
        return true;
    window->activateWindow();
    return false;
}

void pressAlt(QWidget* window, Qt::Key key) { QTest::keyClick(window, key, Qt::AltModifier); }

// Types into whatever has the keyboard focus, as a person would.
void typeText(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }

void pressKey(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

// Clicks a grid cell (which opens its editor), types the text and presses
// Enter; true once the cell holds the text (the editor commits it later).
bool typeIntoCell(QTableWidget* grid, int row, int column, const QString& text)
{
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    typeText(text);
    pressKey(Qt::Key_Return);
    return QTest::qWaitFor([&] { return grid->item(row - 1, column)->text() == text; });
}

// Moves the list's current row down to the item with the text.
bool arrowDownTo(QListWidget* list, const QString& text)
{
    list->setFocus();
    if (!list->currentItem())
        return false;
    for (int guard = 0; guard < list->count() && list->currentItem()->text() != text; ++guard)
        QTest::keyClick(list, Qt::Key_Down);
    return list->currentItem()->text() == text;
}

LanguageTools fixtureTools(const TestFolders& folders)
{
    LanguageTools tools;
    tools.files.spelling[1] = fixtureDictionary();
    tools.files.thesaurus[1] = fixtureThesaurus();
    tools.userLexicons = userLexiconNames(1);
    tools.userLexiconFolder = folders.programDir();
    return tools;
}

} // namespace

class SpellingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestFolders> m_folders;
    std::unique_ptr<RecordingMessages> m_messages;

private slots:
    void init()
    {
        m_folders = std::make_unique<TestFolders>();
        m_messages = std::make_unique<RecordingMessages>();
        globals().settings = Settings{};
    }
    void cleanup()
    {
        m_messages.reset();
        m_folders.reset();
    }

    void editorButtonsFollowTheSettingsAndTheClueColumn()
    {
        const struct {
            bool modify;
            int dictionary;
            int thesaurus;
            bool spellWithClues, thesaurusWithClues, spellWithoutClues;
        } cases[] = {
            {false, 1, 1, true, true, true},
            {true, 9, 3, true, true, false},
            {false, 0, 0, false, false, false},
        };
        for (const auto& c : cases) {
            resetToNewPuzzle(*globals().currentPuzzle);
            globals().currentPuzzle->PageLayout = builtInDefaultLayout();
            globals().newPuzzle = !c.modify;
            globals().settings.misc.dictionary = c.dictionary;
            globals().settings.misc.thesaurus = c.thesaurus;
            globals().settings.create.useClues = true;
            TWordList editor(QStringLiteral("Editor"), {});
            editor.setLanguageTools(fixtureTools(*m_folders));
            editor.show();
            auto* spell = editor.findChild<QPushButton*>("SpellClue");
            auto* thesaurus = editor.findChild<QPushButton*>("Thes");
            QCOMPARE(spell->isEnabled(), c.spellWithClues);
            QCOMPARE(thesaurus->isEnabled(), c.thesaurusWithClues);
            editor.findChild<QCheckBox*>("UseClues")->click();
            QCOMPARE(spell->isEnabled(), c.spellWithoutClues);
            QVERIFY(!thesaurus->isEnabled());
        }
        TWordList withoutFiles(QStringLiteral("Editor"), {});
        withoutFiles.show();
        QVERIFY(!withoutFiles.findChild<QPushButton*>("SpellClue")->isEnabled());
    }

    void chosenLanguageWithoutDictionaryEndsTheRun()
    {
        MiscSettings misc;
        misc.dictionary = kSpellingChooseAtCheckTime;
        misc.userDictionary = 5; // French, whose dictionary is missing
        WordEntries entries;
        entries.setWord(1, "hors");
        bool checked = false;
        whenModal<TChooseSpellCheck>([&](TChooseSpellCheck* choose) {
            QVERIFY(QTest::qWaitForWindowActive(choose));
            QVERIFY(!choose->button(5)->isEnabled());
            QVERIFY(choose->button(1)->isEnabled());
            QCOMPARE(choose->language(), 0);
            checked = true;
            pressAlt(choose, Qt::Key_O);
        });
        spellCheckEntries(nullptr, entries, true, misc, fixtureTools(*m_folders), {});
        QVERIFY(checked);
        QCOMPARE(m_messages->lastCaption(), QStringLiteral("Error"));
        QCOMPARE(m_messages->lastText(), QStringLiteral("Could not find one of the dictionary files."));
        QCOMPARE(entries.row(1).word, QByteArray("hors"));
    }

    void americanThesaurusButtonDisabledWithOnlyTheBritishFile()
    {
        LanguageFiles files;
        files.thesaurus[2] = fixtureThesaurus();
        TChooseThesCheck choose(files, 1);
        QVERIFY(!choose.button(1)->isEnabled());
        QVERIFY(choose.button(2)->isEnabled());
        QCOMPARE(choose.language(), 0);
        QVERIFY(showActive(choose));
        pressAlt(&choose, Qt::Key_B);
        QTRY_COMPARE(choose.language(), 2);
        QCOMPARE(choose.lastChosen(), 2);
    }

    void emptiedMaintenanceListLeavesAnEmptyUserLexicon()
    {
        const QString path = m_folders->programDir() + QStringLiteral("/ExcEngl.tlx");
        writeUserLexicon(path, {QStringLiteral("colour")});
        TMyEditBox box(UserDictionaryMode::Excluding, QStringLiteral("American"), path);
        QVERIFY(showActive(box));
        QCOMPARE(box.HeadLabel()->text(),
                 QStringLiteral("These words will be excluded from the American dictionary and will be invalid."));
        QCOMPARE(box.TheList()->count(), 1);
        box.AddInfo()->setFocus();
        QCOMPARE(QApplication::focusWidget(), box.AddInfo());
        typeText(QStringLiteral("  flavour "));
        pressKey(Qt::Key_Return);
        QCOMPARE(box.TheList()->count(), 2);
        QCOMPARE(box.TheList()->item(1)->text(), QStringLiteral("flavour"));
        QVERIFY(box.AddInfo()->text().isEmpty());
        box.TheList()->setCurrentRow(0);
        pressAlt(&box, Qt::Key_D);
        QTRY_COMPARE(box.TheList()->count(), 1);
        QCOMPARE(box.TheList()->currentRow(), 0);
        pressAlt(&box, Qt::Key_D);
        QTRY_COMPARE(box.TheList()->count(), 0);
        pressAlt(&box, Qt::Key_O);
        QTRY_VERIFY(!box.isVisible());
        QVERIFY(QFile::exists(path));
        QVERIFY(TestFolders::readFile(path).isEmpty());
    }

    void lookupSuggestsSpellingsAndAcceptsASynonym()
    {
        TThesSuggestions lookup(QStringLiteral("hors"), fixtureThesaurus(), fixtureDictionary());
        whenModal<TThes2Sugs>([](TThes2Sugs* suggestions) {
            QVERIFY(QTest::qWaitForWindowActive(suggestions));
            QCOMPARE(suggestions->WordLabel()->text(), QStringLiteral("hors"));
            QTest::keyClick(suggestions, Qt::Key_Return);
        });
        QVERIFY(showActive(lookup));
        QTRY_COMPARE(m_messages->lastCaption(), QStringLiteral("Warning"));
        QCOMPARE(m_messages->lastText(),
                 QStringLiteral("Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words."));
        QVERIFY(!lookup.findChild<QPushButton*>("AcceptButton")->isEnabled());
        pressAlt(&lookup, Qt::Key_S);
        QTRY_COMPARE(lookup.TheWord()->text(), QStringLiteral("horse"));
        QCOMPARE(lookup.CatBox()->count(), 1);
        QCOMPARE(lookup.CatBox()->item(0)->text(), QStringLiteral("horse (noun)"));

        lookup.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&lookup));
        lookup.TheWord()->selectAll();
        lookup.TheWord()->setFocus();
        typeText(QStringLiteral("warm"));
        pressKey(Qt::Key_Return);
        QCOMPARE(lookup.AntBox()->count(), 2);
        QTest::mouseClick(lookup.AntBox()->viewport(), Qt::LeftButton, {},
                          lookup.AntBox()->visualItemRect(lookup.AntBox()->item(0)).center());
        QVERIFY(lookup.CatBox()->selectedItems().isEmpty());
        QCOMPARE(lookup.DefBox()->item(0)->text(), QStringLiteral("chilly"));
        QVERIFY(arrowDownTo(lookup.DefBox(), QStringLiteral("nippy")));
        pressAlt(&lookup, Qt::Key_A);
        QTRY_COMPARE(lookup.result(), std::optional<QString>(QStringLiteral("nippy")));
    }

    // A teacher misspells a word and a clue word, spell checks against the
    // real American dictionary, replaces both, adds a name to the user
    // dictionary, then takes a synonym from the thesaurus as a clue.
    void teacherChecksSpellingAndTakesASynonym()
    {
        for (const char* name : {"QZFLAY.DAT", "QZFPAGE.DAT"})
            QFile::copy(QStringLiteral(QM_PROGRAM_DIR "/") + name, m_folders->programDir() + "/" + name);
        TestFolders::writeFile(m_folders->startDir() + "/QMAZE3.INI",
                               "[Misc]\nShow Tips=No\nDictionary=1\nThesaurus=1\n");
        TMainWin::setAssumedScreenSize(QSize(1280, 1024));
        TMainWin window;
        QVERIFY2(window.languageFiles().spellingPresent(1), "the en_US Hunspell dictionary is not installed");
        QVERIFY2(window.languageFiles().thesaurusPresent(1), "the en_US MyThes thesaurus is not installed");
        QVERIFY(showActive(window));

        QString synonym;
        QString firstCategory;
        QStringList finalRows;
        const auto suggestion = [](const char* word, Qt::Key button, const char* replacement = nullptr) {
            return ModalScript::Step{QStringLiteral("SpellSuggestions"), [=](QWidget* w) {
                                         auto* dialog = static_cast<TSpellSuggestions*>(w);
                                         if (!takesKeys(w) || dialog->TheWord()->text() != QLatin1String(word))
                                             return false;
                                         if (replacement && !arrowDownTo(dialog->SugList(), replacement))
                                             return false;
                                         pressAlt(dialog, button);
                                         return true;
                                     }};
        };
        ModalScript script({
            {QStringLiteral("WordList"),
             [](QWidget* editor) {
                 if (!takesKeys(editor))
                     return false;
                 auto* grid = editor->findChild<QTableWidget*>("WordsCluesGrid");
                 const bool typed = typeIntoCell(grid, 1, 2, QStringLiteral("hors"))
                                    && typeIntoCell(grid, 1, 3, QStringLiteral("Says neigh in the stabel"))
                                    && typeIntoCell(grid, 2, 2, QStringLiteral("goat"))
                                    && typeIntoCell(grid, 2, 3, QStringLiteral("Loves Quillmaze"));
                 if (!typed)
                     return false;
                 ModalScript::later([editor] { pressAlt(editor, Qt::Key_S); });
                 return true;
             }},
            suggestion("hors", Qt::Key_R, "horse"),
            suggestion("stabel", Qt::Key_R, "stable"),
            suggestion("Quillmaze", Qt::Key_A),
            {QStringLiteral("WordList"),
             [this](QWidget* editor) {
                 if (!takesKeys(editor) || m_messages->lastText() != QStringLiteral("Spell checking complete."))
                     return false;
                 auto* grid = editor->findChild<QTableWidget*>("WordsCluesGrid");
                 const QRect goat = grid->visualRect(grid->model()->index(1, 2));
                 QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, goat.center());
                 pressKey(Qt::Key_Escape); // leave the cell editor the click opened
                 ModalScript::later([editor] { pressAlt(editor, Qt::Key_T); });
                 return true;
             }},
            {QStringLiteral("ThesSuggestions"),
             [&](QWidget* w) {
                 auto* lookup = static_cast<TThesSuggestions*>(w);
                 if (!takesKeys(w) || lookup->CatBox()->count() == 0)
                     return false;
                 firstCategory = lookup->CatBox()->item(0)->text();
                 lookup->DefBox()->setFocus();
                 QTest::keyClick(lookup->DefBox(), Qt::Key_Down);
                 synonym = lookup->DefBox()->currentItem()->text();
                 pressAlt(lookup, Qt::Key_A);
                 return true;
             }},
            {QStringLiteral("WordList"),
             [&](QWidget* editor) {
                 auto* grid = editor->findChild<QTableWidget*>("WordsCluesGrid");
                 if (!takesKeys(editor) || grid->item(1, 3)->text() != synonym)
                     return false;
                 finalRows = {grid->item(0, 2)->text(), grid->item(0, 3)->text(), grid->item(1, 2)->text()};
                 pressAlt(editor, Qt::Key_X);
                 return true;
             }},
        });
        QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
        QVERIFY2(script.finished(), qPrintable(QStringLiteral("stopped at ") + script.waitingFor()));
        QVERIFY(!synonym.isEmpty());
        QCOMPARE(firstCategory, QStringLiteral("goat (noun)"));
        QCOMPARE(finalRows, (QStringList{"horse", "Says neigh in the stable", "goat"}));
        QCOMPARE(readUserLexicon(m_folders->programDir() + QStringLiteral("/IncEngl.tlx")),
                 QStringList{QStringLiteral("Quillmaze")});

        // Options, Add to Dictionary shows the added word.
        QStringList listed;
        whenModal<TMyEditBox>([&](TMyEditBox* box) {
            QVERIFY(QTest::qWaitForWindowActive(box));
            for (int i = 0; i < box->TheList()->count(); ++i)
                listed.append(box->TheList()->item(i)->text());
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QVERIFY(takesKeys(&window) || QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(listed, QStringList{QStringLiteral("Quillmaze")});
    }
};

QM_UI_TEST(SpellingTest)
#include "spelling_test.moc"
