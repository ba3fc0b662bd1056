#include "base/random.h"
#include "generate/candidatesave.h"
#include "generate/candidateslots.h"
#include "support/recordingmessages.h"
#include "wordlist/badwordlist.h"
#include "wordlist/offensivewordfilter.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A candidate on a 5 x 3 grid with a hole at (3, 5) and one placed word:
//   C A T . .
//   . . . . .
//   . . . . #
struct SaveFixture {
    std::unique_ptr<CandidateSlot> slot = std::make_unique<CandidateSlot>();
    std::unique_ptr<PuzzleRecord> record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    BadWordList badList;
    RecordingMessages messages;

    SaveFixture()
    {
        PuzzleRecord& r = slot->record;
        r = zeroPuzzleRecord();
        r.GridCols = 5;
        r.GridRows = 3;
        r.AnswerGrid.fill(' ');
        r.FillGrid.fill(' ');
        r.AnswerGrid[cell::index(3, 5) - 1] = 0;
        r.AnswerGrid[cell::index(1, 1) - 1] = 'C';
        r.AnswerGrid[cell::index(1, 2) - 1] = 'A';
        r.AnswerGrid[cell::index(1, 3) - 1] = 'T';
        r.word(1).assign("cat");
        r.word(2).assign("hippopotamus"); // did not fit
        r.WordCount = 1;
        r.Version.chars[4] = 'z';
        r.WordPlaced.fill(1); // left over from before
        slot->placed.fill(0);
        slot->placed[0] = 1;
        slot->score = 1;
        badList.setEntries({});
    }
    SaveDecision save(const FillChoice& choice, int listWordCount = 1)
    {
        return prepareCandidateSave(*record, *slot, listWordCount, choice, badList);
    }
    QByteArray freeLetters() const
    {
        QByteArray letters;
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 5; ++c)
                if (record->answerAt(r, c) == ' ')
                    letters.append(static_cast<char>(record->fillAt(r, c)));
        return letters;
    }
};

constexpr int FreeCells = 11;

} // namespace

TEST(CandidateSave, RandomFillVisitsFreeCellsRowByRowAndCompletesTheRecord)
{
    SaveFixture fx;
    setRandomState(2024);
    ASSERT_EQ(fx.save({}), SaveDecision::Write);

    setRandomState(2024);
    QByteArray expected;
    for (int i = 0; i < FreeCells; ++i)
        expected.append(static_cast<char>('A' + Random(26)));
    EXPECT_EQ(fx.freeLetters(), expected);
    EXPECT_EQ(fx.record->fillAt(1, 1), ' '); // word letters and the hole keep a blank
    EXPECT_EQ(fx.record->fillAt(3, 5), ' ');

    EXPECT_EQ(fx.record->IncludeHidden, 0);
    EXPECT_EQ(fx.record->Generated, 1);
    EXPECT_EQ(fx.record->Version.view(), "3.0c");
    EXPECT_EQ(fx.record->Version.chars[4], 'z'); // the sixth byte is left as it was
    EXPECT_TRUE(fx.record->wordPlaced(1));
    EXPECT_FALSE(fx.record->wordPlaced(2));
    EXPECT_FALSE(fx.record->wordPlaced(330));
    EXPECT_TRUE(fx.messages.shown.isEmpty());
}

TEST(CandidateSave, RefillsRandomLettersUntilNoListedWordRemains)
{
    SaveFixture fx;
    // The listed word is what the first fill puts into row 2.
    setRandomState(77);
    QByteArray first;
    for (int i = 0; i < FreeCells; ++i)
        first.append(static_cast<char>('A' + Random(26)));
    fx.badList.setEntries({first.mid(2, 5)});

    setRandomState(77);
    ASSERT_EQ(fx.save({}), SaveDecision::Write);
    EXPECT_NE(fx.freeLetters(), first);
    EXPECT_NE(randomState(), 77u);
    OffensiveWordFilter filter;
    filter.setList(fx.badList);
    filter.BuildCheckList(*fx.record);
    EXPECT_FALSE(filter.TestBadWords());
    EXPECT_TRUE(fx.messages.shown.isEmpty()); // refilled silently
}

TEST(CandidateSave, ListedWordMadeOfPlacedLettersStopsRefillingWithAWarning)
{
    SaveFixture fx;
    fx.badList.setEntries({"TAC"}); // inside the puzzle's own word reversed: exempt
    ASSERT_EQ(fx.save({}), SaveDecision::Write);

    SaveFixture other;
    other.slot->record.word(1).assign("c a"); // placement form CA: AT is not inside it
    other.badList.setEntries({"AT"});
    setRandomState(5);
    EXPECT_EQ(other.save({}), SaveDecision::KeepOpen);
    ASSERT_EQ(other.messages.shown.size(), 1);
    EXPECT_EQ(other.messages.lastCaption(), "Warning");
    // Warned at once: the free cells were filled only the first time.
    setRandomState(5);
    for (int i = 0; i < FreeCells; ++i)
        Random(26);
    const std::uint32_t afterOneFill = randomState();
    setRandomState(5);
    other.save({});
    EXPECT_EQ(randomState(), afterOneFill);

    // An entry with blanks matches free cells only while they read as
    // blanks; filled, they never hold it.
    SaveFixture blanks;
    blanks.badList.setEntries({"T  "});
    EXPECT_EQ(blanks.save({}), SaveDecision::Write);
    EXPECT_TRUE(blanks.messages.shown.isEmpty());
}

TEST(CandidateSave, HiddenPhraseChecksComeInOrderWithTheirMessages)
{
    SaveFixture fx;
    // Right length (11) with a blank inside: the blank message, not the length one.
    EXPECT_EQ(fx.save({true, "abcde fghij"}), SaveDecision::KeepOpen);
    EXPECT_EQ(fx.messages.lastText(), "Spaces were used in the hidden phrase.");
    EXPECT_EQ(fx.messages.lastCaption(), "Error");
    EXPECT_EQ(fx.record->IncludeHidden, 1);
    EXPECT_EQ(fx.record->Generated, 0);

    EXPECT_EQ(fx.save({true, "  short  "}), SaveDecision::KeepOpen);
    EXPECT_EQ(fx.messages.lastText(), "11 characters are required for the hidden phrase.  You have entered 5 "
                                      "characters.  Please change your phrase or select not to use a phrase.");

    // Leading and trailing blanks do not count; a..z are upper-cased, é stays.
    EXPECT_EQ(fx.save({true, QString::fromUtf8("  whatevér1!x ")}), SaveDecision::Write);
    EXPECT_EQ(fx.freeLetters(), "WHATEV\xE9R1!X");
    EXPECT_EQ(fx.record->IncludeHidden, 1);
    EXPECT_EQ(fx.messages.shown.size(), 2);
}

TEST(CandidateSave, OffensiveHiddenPhraseAsksWhetherToChangeIt)
{
    SaveFixture fx;
    fx.badList.setEntries({"OOPS"});
    fx.messages.answers = {MessageAnswer::Yes};
    EXPECT_EQ(fx.save({true, "xxoopsxxxxx"}), SaveDecision::ChangePhrase);
    EXPECT_EQ(fx.messages.lastCaption(), "Warning");
    EXPECT_EQ(fx.messages.lastText(), "The hidden phrase used has generated an \"offensive\" word in the puzzle.  "
                                      "Would you like to change the phrase?");

    fx.messages.answers = {MessageAnswer::No};
    EXPECT_EQ(fx.save({true, "xxoopsxxxxx"}), SaveDecision::Write);
}

TEST(CandidateSave, ExcludedWordsAskBeforeSavingAndEmptySlotsAreRefused)
{
    SaveFixture fx;
    fx.messages.answers = {MessageAnswer::No};
    EXPECT_EQ(fx.save({}, 2), SaveDecision::KeepOpen);
    EXPECT_EQ(fx.messages.lastText(), "One or more words did not fit into the puzzle.  Save Puzzle anyway?");
    EXPECT_EQ(fx.record->Generated, 1); // the record is completed even so

    fx.messages.answers = {MessageAnswer::Yes};
    EXPECT_EQ(fx.save({}, 2), SaveDecision::Write);

    fx.slot->score = 0;
    fx.record->Title.assign("untouched");
    EXPECT_EQ(fx.save({}), SaveDecision::NoCandidate);
    EXPECT_EQ(fx.record->Title.view(), "untouched");
}
