#include "base/ansi.h"
#include "spelling/dictionarytext.h"
#include "spelling/spellcheckrun.h"
#include "spelling/userlexicon.h"
#include "support/recordingmessages.h"
#include "support/spellingfixtures.h"
#include "support/tempdir.h"
#include "wordlist/wordentries.h"

#include <gtest/gtest.h>

namespace {

// Answers every rejected word from a script (Ignore when it runs out) and
// remembers what it was asked.
class ScriptedAdvisor : public SpellingAdvisor {
public:
    Choice askAbout(const QString& word, const QStringList& suggestions) override
    {
        asked.append(word);
        offered.append(suggestions);
        return script.isEmpty() ? Choice{} : script.takeFirst();
    }

    QList<Choice> script;
    QStringList asked;
    QList<QStringList> offered;
};

SpellingAdvisor::Choice replaceWith(const char* word) { return {SpellingAdvisor::Answer::Replace, word}; }

class SpellCheckRun : public ::testing::Test {
protected:
    SpellCheckSetup setup()
    {
        SpellCheckSetup s;
        s.dictionary = fixtureDictionary();
        s.includeLexicon = folders.programDir() + QStringLiteral("/IncEngl.tlx");
        s.excludeLexicon = folders.programDir() + QStringLiteral("/ExcEngl.tlx");
        return s;
    }
    SpellCheckOutcome run(bool checkWords = true)
    {
        SpellCheckSetup s = setup();
        s.checkWords = checkWords;
        return runSpellCheck(entries, s, advisor,
                             [this] { shownClues.append(QString::fromLatin1(entries.row(2).clue)); });
    }

    TestFolders folders;
    RecordingMessages messages;
    ScriptedAdvisor advisor;
    WordEntries entries;
    QStringList shownClues; // clue 2 at every replacement
};

} // namespace

TEST(ClueSplitting, PiecesAndTheirWords)
{
    const struct {
        const char* text;
        bool atSeparators;
        QStringList pieces;
    } cases[] = {
        {"Rolls in  the mud.", true, {"Rolls", "in", "the", "mud", "."}},
        {"word,word", true, {"word", ",", "word"}},
        {"(a)-b\\c{d}", true, {"(", "a", ")", "-", "b", "\\", "c", "{", "d", "}"}},
        {"ice cream", false, {"ice", "cream"}},
        {"T-shirt, please", false, {"T-shirt,", "please"}},
        {"  ", true, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitIntoPieces(QString::fromLatin1(c.text), c.atSeparators), c.pieces) << c.text;

    const struct {
        const char* piece;
        const char* word;
    } words[] = {{"mud!", "mud"}, {"'farmers'", "farmers"}, {"don't", "don't"}, {"4th", "4th"}, {"1998", ""}, {"--", ""}};
    for (const auto& w : words) {
        const QString piece = QString::fromLatin1(w.piece);
        const PieceWord found = wordInPiece(piece);
        EXPECT_EQ(piece.mid(found.start, found.length), QString::fromLatin1(w.word)) << w.piece;
    }
}

TEST_F(SpellCheckRun, KnownWordsChangeNothing)
{
    entries.setWord(1, "horse");
    entries.setClue(1, "  Rolls in the mud! ");
    entries.setWord(3, "\xE9l\xE8ve");   // élève in Windows-1252
    entries.setClue(3, "s\x9Cur, 1998"); // sœur: a byte that Latin-1 would misread
    const WordEntries before = entries;
    EXPECT_EQ(run(), SpellCheckOutcome::AllWordsKnown);
    EXPECT_TRUE(advisor.asked.isEmpty());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.lastCaption(), QStringLiteral("Spelling Ok"));
    EXPECT_EQ(messages.lastText(), QStringLiteral("All words were found in the dictionary."));
    EXPECT_EQ(entries.row(1).clue, before.row(1).clue);
    EXPECT_EQ(entries.row(3).clue, before.row(3).clue);
}

TEST_F(SpellCheckRun, ReplacedClueWordRebuildsTheClue)
{
    entries.setClue(2, "wool,bak");
    entries.setClue(4, "Rolls  in the mudd!");
    advisor.script = {replaceWith("back"), replaceWith("mud")};
    EXPECT_EQ(run(), SpellCheckOutcome::Complete);
    EXPECT_EQ(advisor.asked, (QStringList{"bak", "mudd"}));
    EXPECT_EQ(entries.row(2).clue, QByteArray("wool , back"));
    EXPECT_EQ(entries.row(4).clue, QByteArray("Rolls in the mud!"));
    EXPECT_EQ(shownClues, (QStringList{"wool , back", "wool , back"}));
    EXPECT_EQ(messages.lastCaption(), QStringLiteral("Spelling Status"));
    EXPECT_EQ(messages.lastText(), QStringLiteral("Spell checking complete."));
}

TEST_F(SpellCheckRun, AccentedWordsCrossToTheDictionaryAndBack)
{
    entries.setWord(1, "eleve");
    entries.setWord(2, "Strasse");
    entries.setClue(1, "nino sjo");
    advisor.script = {replaceWith("élève"), replaceWith("Straße"), replaceWith("niño"), replaceWith("sjö")};
    run();
    EXPECT_TRUE(advisor.offered[0].contains(QStringLiteral("élève")));
    EXPECT_TRUE(advisor.offered[1].contains(QStringLiteral("Straße")));
    EXPECT_EQ(entries.row(1).word, QByteArray("\xE9l\xE8ve"));
    EXPECT_EQ(entries.row(2).word, QByteArray("Stra\xDF" "e"));
    EXPECT_EQ(entries.row(1).clue, QByteArray("ni\xF1o sj\xF6"));
}

TEST_F(SpellCheckRun, AbortAtTheFirstWordSkipsTheClues)
{
    entries.setWord(1, "hors");
    entries.setWord(2, "cww");
    entries.setClue(1, "milkk");
    advisor.script = {{SpellingAdvisor::Answer::Abort, {}}};
    EXPECT_EQ(run(), SpellCheckOutcome::Aborted);
    EXPECT_EQ(advisor.asked, QStringList{"hors"});
    EXPECT_EQ(entries.row(1).word, QByteArray("hors"));
    EXPECT_EQ(messages.lastText(), QStringLiteral("Spell checking aborted."));
}

TEST_F(SpellCheckRun, WordsOfAModifiedPuzzleAreNotChecked)
{
    entries.setWord(1, "hors");
    entries.setClue(1, "sheep");
    EXPECT_EQ(run(false), SpellCheckOutcome::AllWordsKnown);
}

TEST_F(SpellCheckRun, CluesPastFiftyPiecesAreCheckedToTheEnd)
{
    QString clue;
    for (int i = 0; i < 30; ++i)
        clue += QStringLiteral("cow, ");
    clue += QStringLiteral("sheeep.");
    entries.setClue(1, unicodeToAnsi(clue));
    advisor.script = {replaceWith("sheep")};
    run();
    EXPECT_EQ(advisor.asked, QStringList{"sheeep"});
    EXPECT_TRUE(entries.row(1).clue.endsWith("cow , sheep ."));
    EXPECT_EQ(entries.row(1).clue.count("cow ,"), 30);
}

TEST_F(SpellCheckRun, ExcludedWordsAreRejectedAndIncludedWordsAccepted)
{
    writeUserLexicon(setup().excludeLexicon, {"milk"});
    writeUserLexicon(setup().includeLexicon, {"quillmaze"});
    entries.setClue(1, "Quillmaze gives Milk");
    entries.setClue(2, "zebu");
    EXPECT_EQ(run(), SpellCheckOutcome::Complete);
    EXPECT_EQ(advisor.asked, QStringList{"Milk"});
    EXPECT_FALSE(advisor.offered[0].contains(QStringLiteral("milk"), Qt::CaseInsensitive));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Notice"));
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("zebu was not found in the dictionary.  No suggestions could be found."));
}

TEST_F(SpellCheckRun, AddKeepsTheWordForTheRestOfTheRunAndInTheIncludeLexicon)
{
    writeUserLexicon(setup().includeLexicon, {"quillmaze"});
    entries.setWord(1, "hors");
    entries.setClue(1, "hors hors");
    advisor.script = {{SpellingAdvisor::Answer::Add, {}}};
    run();
    EXPECT_EQ(advisor.asked, QStringList{"hors"});
    EXPECT_EQ(readUserLexicon(setup().includeLexicon), (QStringList{"quillmaze", "hors"}));
}

TEST_F(SpellCheckRun, MissingDictionaryStopsTheRun)
{
    SpellCheckSetup s = setup();
    s.dictionary = DictionaryFiles{folders.path("none.dic"), folders.path("none.aff")};
    entries.setWord(1, "hors");
    EXPECT_EQ(runSpellCheck(entries, s, advisor), SpellCheckOutcome::MissingDictionary);
    s.dictionary.reset();
    EXPECT_EQ(runSpellCheck(entries, s, advisor), SpellCheckOutcome::MissingDictionary);
    EXPECT_EQ(messages.lastCaption(), QStringLiteral("Error"));
    EXPECT_EQ(messages.lastText(), QStringLiteral("Could not find one of the dictionary files."));
    EXPECT_TRUE(advisor.asked.isEmpty());
}

TEST(UserLexicon, FilesHoldOneWordALineAndSurviveAnyBytes)
{
    TestFolders folders;
    const QString path = folders.path(QStringLiteral("IncFrnch.tlx"));
    EXPECT_TRUE(readUserLexicon(path).isEmpty());
    ASSERT_TRUE(writeUserLexicon(path, {}));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(TestFolders::readFile(path).isEmpty());

    static const char anyBytes[] = "\xC3\xA9l\xC3\xA8ve\r\n\n  ami  \n\xFF\x00z\n";
    TestFolders::writeFile(path, QByteArray(anyBytes, sizeof anyBytes - 1));
    const QStringList words = readUserLexicon(path);
    ASSERT_EQ(words.size(), 3);
    EXPECT_EQ(words[0], QStringLiteral("élève"));
    EXPECT_EQ(words[1], QStringLiteral("ami"));
    ASSERT_TRUE(addToUserLexicon(path, QStringLiteral("ami")));
    ASSERT_TRUE(addToUserLexicon(path, QStringLiteral("sœur")));
    EXPECT_EQ(readUserLexicon(path).last(), QStringLiteral("sœur"));
    EXPECT_EQ(readUserLexicon(path).size(), 4);
}

TEST(DictionaryText, EncodingsOfDictionaries)
{
    const QString euro = QStringLiteral("€uro");
    EXPECT_EQ(DictionaryEncoding("UTF-8").encode(euro), std::string("\xE2\x82\xAC" "uro"));
    EXPECT_FALSE(DictionaryEncoding("ISO8859-1").encode(euro));
    EXPECT_EQ(DictionaryEncoding("microsoft-cp1252").encode(euro), std::string("\x80uro"));
    EXPECT_EQ(DictionaryEncoding("ISO8859-1").decode("\xE9t\xE9"), QStringLiteral("été"));
    EXPECT_EQ(DictionaryEncoding("unknown").decode("\xE9"), QStringLiteral("é"));
    EXPECT_TRUE(fitsWindows1252(QStringLiteral("sœur?")));
    EXPECT_FALSE(fitsWindows1252(QStringLiteral("Łódź")));
}
