#include "generationfixture.h"
#include "wordlist/offensivewordfilter.h"

#include <gtest/gtest.h>

TEST(CandidateRanking, HigherScoresMoveDownAndEqualScoresKeepTheEarlierAttempt)
{
    auto ranking = std::make_unique<CandidateSlots>();
    ranking->clearScores();
    // Attempt n is tagged by its title; scores in the order of the attempts.
    const int scores[] = {3, 5, 5, 0, 4, 2, 5, 1, 4};
    int attempt = 0;
    for (const int score : scores) {
        ++attempt;
        if (const int n = ranking->makeRoomFor(score))
            ranking->slot(n).record.Title.assign(QByteArray::number(attempt));
    }
    const char* expectedTitles[] = {"2", "3", "7", "5"};
    const int expectedScores[] = {5, 5, 5, 4};
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(ranking->slot(n).record.Title.view(), expectedTitles[n - 1]) << "slot " << n;
        EXPECT_EQ(ranking->score(n), expectedScores[n - 1]) << "slot " << n;
    }
    EXPECT_EQ(ranking->makeRoomFor(0), 0);
}

TEST(GenerationRun, EndsEarlyOnceFourAttemptsPlacedEveryWord)
{
    GenerationFixture fx(10, 10, {"cat", "dog", "emu"});
    fx.settings.attempts = 999;
    RecordingObserver observer;
    const GenerationResult result = fx.run(11, &observer);
    EXPECT_EQ(result.attemptsMade, 4);
    EXPECT_EQ(result.attemptCounter, 999);
    EXPECT_EQ(observer.started, (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(observer.lines, (QStringList{"1:Creation Attempt #999", "2:Completed"}));
    EXPECT_EQ(observer.completions, 1);
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(fx.candidates->score(n), 3);
}

TEST(GenerationRun, AbortEndsAfterTheCurrentAttemptAndKeepsTheSlots)
{
    GenerationFixture fx(3, 3, {"one", "two", "six", "ten", "owl"}); // never all five
    fx.settings.integration = 0;
    fx.settings.attempts = 50;
    RecordingObserver observer;
    observer.abortAfter = 2;
    const GenerationResult result = fx.run(3, &observer);
    EXPECT_TRUE(result.aborted);
    EXPECT_EQ(result.attemptsMade, 2);
    EXPECT_EQ(observer.lines, QStringList{"1:Aborted on creation Attempt #2"});
    EXPECT_EQ(observer.completions, 0);
    EXPECT_GT(fx.candidates->score(1), 0);
}

TEST(GenerationRun, SingleAttemptShowsOnlyTheBusyCursor)
{
    struct BusyObserver : RecordingObserver {
        QList<bool> busy;
        void setBusy(bool on) override { busy.append(on); }
    } observer;
    GenerationFixture fx(10, 10, {"cat"});
    fx.run(1, &observer);
    EXPECT_EQ(observer.busy, (QList<bool>{true, false}));
    EXPECT_TRUE(observer.started.isEmpty());
    EXPECT_TRUE(observer.lines.isEmpty());
}

TEST(GenerationRun, AttemptsHoldingAListedWordAreRepeatedUnderTheSameNumber)
{
    // X and Y in a row of three cells read XY or YX when they touch.
    GenerationFixture fx(3, 1, {"X", "Y"});
    fx.settings.attempts = 12;
    fx.settings.integration = 2;
    fx.badList.setEntries({"XY"});
    RecordingObserver observer;
    const GenerationResult result = fx.run(8, &observer);
    // Four kept attempts place both words: the run then ends early.
    EXPECT_GT(result.rejectedAttempts, 0);
    EXPECT_EQ(result.attemptsMade, 4 + result.rejectedAttempts);
    EXPECT_EQ(observer.started.size(), result.attemptsMade);
    EXPECT_EQ(observer.started.last(), 4);
    for (int i = 1; i < observer.started.size(); ++i) // a number comes again after a thrown-away attempt
        EXPECT_LE(observer.started[i] - observer.started[i - 1], 1);
    for (int n = 1; n <= 4; ++n) {
        const PuzzleRecord& got = fx.candidates->slot(n).record;
        EXPECT_EQ(fx.candidates->score(n), 2);
        EXPECT_EQ(got.answerAt(1, 2), ' ') << "slot " << n; // X and Y apart
    }
}

TEST(GenerationRun, GivesUpWhenEveryAttemptHoldsAListedWord)
{
    GenerationFixture fx(6, 6, {"cat"});
    fx.settings.attempts = 10;
    fx.badList.setEntries({" "}); // a blank: every unfilled grid holds it
    RecordingObserver observer;
    const GenerationResult result = fx.run(2, &observer);
    EXPECT_TRUE(result.stoppedByFilter);
    EXPECT_TRUE(result.aborted);
    EXPECT_EQ(result.attemptsMade, kMaxRejectedInARow);
    EXPECT_EQ(observer.lines, QStringList{"1:Aborted on creation Attempt #0"});
    EXPECT_EQ(observer.explanations, QStringList{filterStopExplanation()});
    EXPECT_EQ(fx.candidates->score(1), 0);
}

TEST(GenerationRun, ListedWordsInsideTheListsOwnWordsDoNotStopTheRun)
{
    GenerationFixture fx(12, 12, {"scrapbook", "ship"});
    fx.badList.setEntries({"CRAP", "HIP"}); // both inside the list's own words
    fx.settings.attempts = 20;
    const GenerationResult result = fx.run(9);
    EXPECT_EQ(result.rejectedAttempts, 0);
    EXPECT_EQ(fx.candidates->score(1), 2);
}
