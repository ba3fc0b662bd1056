// Generation run figures: the fast placement engine the program uses and the
// literal one, on the same word lists, shapes, settings and seed.

#include "app/random.h"
#include "generate/generatepuzzles.h"
#include "generate/gridbuilder.h"
#include "generate/referencegridbuilder.h"
#include "shapes/shaperecord.h"
#include "storage/settings.h"
#include "wordlist/badwordlist.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace {

// English-like words of 4..12 letters from a fixed sequence, so every run
// uses the same list.
QByteArray benchWord(std::uint64_t& state)
{
    static const char letters[] = "EEEEEEEEEEEETTTTTTTTTAAAAAAAAOOOOOOOIIIIIIINNNNNNNSSSSSSHHHHHHRRRRRRDDDDLLLLCCCUUUMMWWFFGGYYPPBVKJXQZ";
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    const int length = 4 + static_cast<int>(next() % 9);
    QByteArray word;
    for (int i = 0; i < length; ++i)
        word.append(letters[next() % (sizeof letters - 1)]);
    return word;
}

struct BenchSetup {
    std::unique_ptr<PuzzleRecord> record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    std::unique_ptr<ShapeRecord> shape = std::make_unique<ShapeRecord>();
    std::unique_ptr<CandidateSlots> candidates = std::make_unique<CandidateSlots>();
    GenerationSettings settings;
    BadWordList badList;

    BenchSetup(int words, int side)
    {
        std::memset(shape.get(), 0, sizeof(ShapeRecord));
        std::memset(static_cast<void*>(candidates.get()), 0, sizeof(CandidateSlots));
        shape->ShapeWidth = shape->ShapeHeight = static_cast<std::int16_t>(side);
        for (int r = 1; r <= side; ++r)
            for (int c = 1; c <= side; ++c)
                shape->setCell(r, c, true);
        record->GridCols = record->GridRows = static_cast<std::int16_t>(side);
        std::uint64_t state = 0x2545F4914F6CDD1Dull;
        for (int k = 1; k <= words; ++k)
            record->word(k).assign(benchWord(state));
        record->WordCount = static_cast<std::int16_t>(words);
        settings.attempts = 999;
        settings.integration = 6;
        badList.GetBadList(QStringLiteral("/nonexistent/BADLIST.TXT")); // the built-in list
        badList.upperCase();
    }
};

template <typename Engine>
void runGeneration(benchmark::State& state, int words, int side)
{
    BenchSetup setup(words, side);
    GenerationResult result;
    for (auto _ : state) {
        setFixedRandomSeed(20240601);
        GenerationContext context{*setup.record, *setup.shape, setup.settings, *setup.candidates, setup.badList};
        GenerationObserver quiet;
        const auto engine = std::make_unique<Engine>();
        result = GeneratePuzzles(context, quiet, *engine);
    }
    clearFixedRandomSeed();
    state.counters["attempts"] = result.attemptsMade;
    state.counters["rejected"] = result.rejectedAttempts;
    state.counters["best"] = setup.candidates->score(1);
}

void BM_Fast_330Words_30x30(benchmark::State& state) { runGeneration<GridBuilder>(state, 330, 30); }
void BM_Literal_330Words_30x30(benchmark::State& state) { runGeneration<ReferenceGridBuilder>(state, 330, 30); }
void BM_Fast_20Words_15x15(benchmark::State& state) { runGeneration<GridBuilder>(state, 20, 15); }
void BM_Literal_20Words_15x15(benchmark::State& state) { runGeneration<ReferenceGridBuilder>(state, 20, 15); }

} // namespace

// 999 attempts, all directions, integration 6. Targets on 2 cores: under 2 s
// for 330 words on 30 x 30, under 50 ms for 20 words on 15 x 15.
BENCHMARK(BM_Fast_330Words_30x30)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Literal_330Words_30x30)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Fast_20Words_15x15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Literal_20Words_15x15)->Unit(benchmark::kMillisecond);
