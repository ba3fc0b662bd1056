#include "app/mainwindow.h"
#include "spelling/ui/choosespellcheck.h"
#include "spelling/ui/choosethescheck.h"
#include "spelling/ui/myeditbox.h"
#include "spelling/ui/spellingcommands.h"
#include "spelling/ui/spellsuggestions.h"
#include "spelling/ui/thes2sugs.h"
#include "spelling/ui/thessuggestions.h"
#include "spelling/userlexicon.h"
#include "storage/pagelayoutrecord.h"
#include "support/spellingfixtures.h"
#include "support/ui/keyboard.h"
#include "support/ui/modaldriver.h"
#include "support/ui/uifixture.h"
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
    std::unique_ptr<UiFixture> m_ui;

    ProgramState& state() { return m_ui->state; }

private slots:
    void init() { m_ui = std::make_unique<UiFixture>(); }
    void cleanup() { m_ui.reset(); }

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
            resetToNewPuzzle(*state().currentPuzzle);
            state().currentPuzzle->PageLayout = builtInDefaultLayout();
            state().newPuzzle = !c.modify;
            state().settings.misc.dictionary = c.dictionary;
            state().settings.misc.thesaurus = c.thesaurus;
            state().settings.create.useClues = true;
            WordListSession session = state().wordListSession();
            session.languageTools = fixtureTools(m_ui->folders);
            TWordList editor(QStringLiteral("Editor"), {}, session);
            editor.show();
            auto* spell = editor.findChild<QPushButton*>("SpellClue");
            auto* thesaurus = editor.findChild<QPushButton*>("Thes");
            QCOMPARE(spell->isEnabled(), c.spellWithClues);
            QCOMPARE(thesaurus->isEnabled(), c.thesaurusWithClues);
            editor.findChild<QCheckBox*>("UseClues")->click();
            QCOMPARE(spell->isEnabled(), c.spellWithoutClues);
            QVERIFY(!thesaurus->isEnabled());
        }
        TWordList withoutFiles(QStringLiteral("Editor"), {}, state().wordListSession());
        withoutFiles.show();
        QVERIFY(!withoutFiles.findChild<QPushButton*>("SpellClue")->isEnabled());
    }

    void chosenLanguageWithoutDictionaryEndsTheRun()
    {
        MiscSettings& misc = state().settings.misc;
        misc.dictionary = kSpellingChooseAtCheckTime;
        misc.userDictionary = 5; // French, whose dictionary is missing
        WordEntries entries;
        entries.setWord(1, "hors");
        bool checked = false;
        ModalDriver driver({{QStringLiteral("TChooseSpellCheck"), [&](QWidget* window) {
            auto* choose = static_cast<TChooseSpellCheck*>(window);
            QVERIFY(QTest::qWaitForWindowActive(choose));
            QVERIFY(!choose->button(5)->isEnabled());
            QVERIFY(choose->button(1)->isEnabled());
            QCOMPARE(choose->language(), 0);
            checked = true;
            pressAlt(choose, Qt::Key_O);
        }}});
        spellCheckRows(nullptr, entries, true, m_ui->context(), fixtureTools(m_ui->folders), {});
        QVERIFY(checked);
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("Error"));
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Could not find one of the dictionary files."));
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
        const QString path = m_ui->folders.programDir() + QStringLiteral("/ExcEngl.tlx");
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
        TThesSuggestions lookup(QStringLiteral("hors"), fixtureThesaurus(), fixtureDictionary(), m_ui->context());
        ModalDriver driver({{QStringLiteral("TThes2Sugs"), [](QWidget* window) {
            auto* suggestions = static_cast<TThes2Sugs*>(window);
            QVERIFY(QTest::qWaitForWindowActive(suggestions));
            QCOMPARE(suggestions->WordLabel()->text(), QStringLiteral("hors"));
            QTest::keyClick(suggestions, Qt::Key_Return);
        }}});
        QVERIFY(showActive(lookup));
        QTRY_COMPARE(m_ui->messages.lastCaption(), QStringLiteral("Warning"));
        QCOMPARE(m_ui->messages.lastText(),
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
        QTRY_COMPARE(lookup.acceptedSynonym(), std::optional<QString>(QStringLiteral("nippy")));
    }

    // A teacher misspells a word and a clue word, spell checks against the
    // real American dictionary, replaces both, adds a name to the user
    // dictionary, then takes a synonym from the thesaurus as a clue.
    void teacherChecksSpellingAndTakesASynonym()
    {
        for (const char* name : {"QZFLAY.DAT", "QZFPAGE.DAT"})
            QFile::copy(QStringLiteral(QM_DATA_DIR "/") + name, m_ui->folders.programDir() + "/" + name);
        TestFolders::writeFile(m_ui->folders.startDir() + "/QMAZE3.INI",
                               "[Misc]\nShow Tips=No\nDictionary=1\nThesaurus=1\n");
        TMainWin::setAssumedScreenSize(QSize(1280, 1024));
        TMainWin window;
        QVERIFY2(window.languageFiles().spellingPresent(1), "the en_US Hunspell dictionary is not installed");
        QVERIFY2(window.languageFiles().thesaurusPresent(1), "the en_US MyThes thesaurus is not installed");
        QVERIFY(showActive(window));

        QString synonym;
        QString firstCategory;
        QStringList finalRows;
        const auto grid = [](QWidget* editor) { return editor->findChild<QTableWidget*>("WordsCluesGrid"); };
        const auto suggestion = [](const char* word, Qt::Key button, const char* replacement = nullptr) {
            return ModalDriver::Step{QStringLiteral("SpellSuggestions"),
                                     [=](QWidget* dialog) { pressAlt(dialog, button); },
                                     [=](QWidget* w) {
                                         auto* dialog = static_cast<TSpellSuggestions*>(w);
                                         return takesKeys(w) && dialog->TheWord()->text() == QLatin1String(word)
                                                && (!replacement || arrowDownTo(dialog->SugList(), replacement));
                                     }};
        };
        ModalDriver script({
            {QStringLiteral("WordList"),
             [&](QWidget* editor) {
                 const bool typed = typeIntoCell(grid(editor), 1, 2, QStringLiteral("hors"))
                                    && typeIntoCell(grid(editor), 1, 3, QStringLiteral("Says neigh in the stabel"))
                                    && typeIntoCell(grid(editor), 2, 2, QStringLiteral("goat"))
                                    && typeIntoCell(grid(editor), 2, 3, QStringLiteral("Loves Quillmaze"));
                 QVERIFY(typed);
                 pressAlt(editor, Qt::Key_S);
             },
             takesKeys},
            suggestion("hors", Qt::Key_R, "horse"),
            suggestion("stabel", Qt::Key_R, "stable"),
            suggestion("Quillmaze", Qt::Key_A),
            {QStringLiteral("WordList"),
             [&](QWidget* editor) {
                 const QRect goat = grid(editor)->visualRect(grid(editor)->model()->index(1, 2));
                 QTest::mouseClick(grid(editor)->viewport(), Qt::LeftButton, {}, goat.center());
                 pressKey(Qt::Key_Escape); // leave the cell editor the click opened
                 pressAlt(editor, Qt::Key_T);
             },
             [this](QWidget* editor) {
                 return takesKeys(editor) && m_ui->messages.lastText() == QStringLiteral("Spell checking complete.");
             }},
            {QStringLiteral("ThesSuggestions"),
             [&](QWidget* w) {
                 auto* lookup = static_cast<TThesSuggestions*>(w);
                 firstCategory = lookup->CatBox()->item(0)->text();
                 lookup->DefBox()->setFocus();
                 QTest::keyClick(lookup->DefBox(), Qt::Key_Down);
                 synonym = lookup->DefBox()->currentItem()->text();
                 pressAlt(lookup, Qt::Key_A);
             },
             [](QWidget* w) { return takesKeys(w) && static_cast<TThesSuggestions*>(w)->CatBox()->count() > 0; }},
            {QStringLiteral("WordList"),
             [&](QWidget* editor) {
                 finalRows = {grid(editor)->item(0, 2)->text(), grid(editor)->item(0, 3)->text(),
                              grid(editor)->item(1, 2)->text()};
                 pressAlt(editor, Qt::Key_X);
             },
             [&](QWidget* editor) { return takesKeys(editor) && grid(editor)->item(1, 3)->text() == synonym; }},
        });
        QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
        QVERIFY2(script.finished(), qPrintable(QStringLiteral("stopped at ") + script.waitingFor()));
        QVERIFY(!synonym.isEmpty());
        QCOMPARE(firstCategory, QStringLiteral("goat (noun)"));
        QCOMPARE(finalRows, (QStringList{"horse", "Says neigh in the stable", "goat"}));
        QCOMPARE(readUserLexicon(m_ui->folders.programDir() + QStringLiteral("/IncEngl.tlx")),
                 QStringList{QStringLiteral("Quillmaze")});

        // Options, Add to Dictionary shows the added word.
        QStringList listed;
        ModalDriver maintenance({{QStringLiteral("TMyEditBox"), [&](QWidget* window) {
            auto* box = static_cast<TMyEditBox*>(window);
            QVERIFY(QTest::qWaitForWindowActive(box));
            for (int i = 0; i < box->TheList()->count(); ++i)
                listed.append(box->TheList()->item(i)->text());
            QTest::keyClick(box, Qt::Key_Escape);
        }}});
        QVERIFY(takesKeys(&window) || QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(listed, QStringList{QStringLiteral("Quillmaze")});
    }
};

QM_UI_TEST(SpellingTest)
#include "spelling_test.moc"
