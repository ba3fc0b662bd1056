#include "generate/gridbuilder.h"
#include "generate/referencegridbuilder.h"
#include "generationfixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A small generator for the test cases only (the program's own Random is
// what is being compared).
struct CaseDice {
    std::uint64_t state;
    int below(int n) // 0..n-1
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<int>(state % static_cast<std::uint64_t>(n));
    }
    bool chance(int percent) { return below(100) < percent; }
};

QByteArray randomWord(CaseDice& dice, int maxLength)
{
    static const char letters[] = "AEIOURSTLNCDMPBGHKWYaeiost\xE9\xF6";
    const int length = 1 + dice.below(maxLength);
    QByteArray word;
    for (int i = 0; i < length; ++i)
        word.append(letters[dice.below(static_cast<int>(sizeof letters) - 1)]);
    if (length >= 3 && dice.chance(10))
        word[1 + dice.below(length - 2)] = ' '; // an inner blank, not placed
    return word;
}

void makeCase(CaseDice& dice, GenerationFixture& fx)
{
    int cols = 1 + dice.below(14);
    int rows = 1 + dice.below(14);
    if (dice.chance(12)) // around 32 columns, where two rows stop sharing a mask word
        cols = dice.chance(60) ? 31 + dice.below(4) : 35 + dice.below(16), rows = 1 + dice.below(6);
    else if (dice.chance(10)) // tall and narrow
        cols = 1 + dice.below(6), rows = 20 + dice.below(31);
    fx.setFullShape(cols, rows);
    const int holes = dice.below(4) * 8; // percent of cells outside the shape
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            if (dice.chance(holes))
                fx.shape->setCell(r, c, false);
    fx.shape->setCell(1 + dice.below(50), 1 + dice.below(50), true); // stray cells beyond the area

    const int wordCount = 1 + dice.below(24);
    const int maxLength = std::max(cols, rows);
    for (int k = 1; k <= wordCount; ++k) {
        if (k > 1 && dice.chance(8))
            fx.record->word(k) = fx.record->word(dice.below(k - 1) + 1); // repeated words
        else
            fx.record->word(k).assign(randomWord(dice, std::min(maxLength, dice.chance(10) ? 30 : 12)));
        fx.record->clue(k).assign(QByteArray::number(k));
        fx.record->wordStart(k) = static_cast<std::int16_t>(1000 + k); // left over from an earlier grid
        fx.record->wordEnd(k) = static_cast<std::int16_t>(2000 + k);
    }
    fx.record->WordCount = static_cast<std::int16_t>(wordCount);

    fx.settings.integration = dice.below(7);
    fx.settings.shrink = dice.chance(50);
    fx.settings.attempts = 1 + dice.below(6);
    for (int d = 1; d <= 8; ++d)
        fx.settings.directions[d] = !dice.chance(30);
    if (dice.chance(30)) // listed words that random small grids produce now and then
        fx.badList.setEntries({"AE", "TS", "\xE9O", "SIR"});
}

struct Outcome {
    GenerationResult result;
    std::unique_ptr<CandidateSlots> candidates;
    std::unique_ptr<PuzzleRecord> record;
    std::uint32_t randomStateAfter;
};

Outcome runWith(const GenerationFixture& fx, std::uint32_t seed, PlacementEngine& engine)
{
    Outcome out{{}, std::make_unique<CandidateSlots>(), std::make_unique<PuzzleRecord>(*fx.record), 0};
    std::memset(static_cast<void*>(out.candidates.get()), 0, sizeof(CandidateSlots));
    GenerationContext ctx{*out.record, *fx.shape, fx.settings, *out.candidates, fx.badList};
    struct Quiet : GenerationObserver {
        void stoppedByFilter(const QString&) override {}
    } quiet;
    setFixedRandomSeed(seed);
    out.result = GeneratePuzzles(ctx, quiet, engine);
    out.randomStateAfter = randomState();
    clearFixedRandomSeed();
    return out;
}

} // namespace

TEST(GenerationEquivalence, FastEngineGivesTheLiteralRulesResultsDrawForDraw)
{
    CaseDice dice{0x9E3779B97F4A7C15ull};
    int keptAttempts = 0;
    for (int n = 0; n < 250; ++n) {
        GenerationFixture fx(1, 1, {});
        makeCase(dice, fx);
        const std::uint32_t seed = static_cast<std::uint32_t>(dice.below(1 << 30));
        SCOPED_TRACE(testing::Message() << "case " << n << " seed " << seed);

        auto fast = std::make_unique<GridBuilder>();
        auto literal = std::make_unique<ReferenceGridBuilder>();
        const Outcome a = runWith(fx, seed, *fast);
        const Outcome b = runWith(fx, seed, *literal);

        ASSERT_EQ(a.randomStateAfter, b.randomStateAfter);
        ASSERT_EQ(a.result.attemptsMade, b.result.attemptsMade);
        ASSERT_EQ(a.result.attemptCounter, b.result.attemptCounter);
        ASSERT_EQ(a.result.rejectedAttempts, b.result.rejectedAttempts);
        ASSERT_EQ(0, std::memcmp(a.record.get(), b.record.get(), sizeof(PuzzleRecord)));
        ASSERT_EQ(0, std::memcmp(a.record.get(), fx.record.get(), sizeof(PuzzleRecord)));
        for (int s = 1; s <= CandidateSlots::Count; ++s) {
            SCOPED_TRACE(testing::Message() << "slot " << s);
            ASSERT_EQ(a.candidates->score(s), b.candidates->score(s));
            if (a.candidates->score(s) == 0)
                continue;
            ++keptAttempts;
            ASSERT_EQ(a.candidates->slot(s).placed, b.candidates->slot(s).placed);
            const PuzzleRecord& fast = a.candidates->slot(s).record;
            ASSERT_EQ(0, std::memcmp(&fast, &b.candidates->slot(s).record, sizeof(PuzzleRecord)));
        }
    }
    EXPECT_GT(keptAttempts, 200); // the cases really produced candidates to compare
}
