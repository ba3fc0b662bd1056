#include "generate/generatepuzzles.h"

#include "base/random.h"
#include "generate/gridbuilder.h"
#include "storage/settings.h"
#include "storage/shaperecord.h"
#include "wordlist/badwordlist.h"
#include "wordlist/offensivewordfilter.h"

#include <algorithm>
#include <memory>

QString filterStopExplanation()
{
    return QStringLiteral("Puzzle building stopped: %1 attempts in a row were thrown away because an offensive "
                          "word appeared in the grid. Please try other words, directions or a larger shape.")
        .arg(kMaxRejectedInARow);
}

namespace {

PlacementSetup placementSetup(const GenerationContext& context, const PuzzleRecord& start)
{
    PlacementSetup setup;
    setup.start = &start;
    setup.current = &context.record;
    setup.shape = &context.shape;
    setup.cols = start.gridCols();
    setup.rows = start.gridRows();
    setup.integration = std::clamp(context.settings.integration, 0, 6);
    setup.shrink = context.settings.shrink;
    for (int d = 1; d <= 8; ++d)
        setup.directions[d] = context.settings.direction(d);
    return setup;
}

void reportEnd(GenerationObserver& observer, const GenerationResult& result)
{
    if (result.aborted) {
        observer.progressLine(1, QStringLiteral("Aborted on creation Attempt #%1").arg(result.attemptCounter));
    } else {
        observer.progressLine(1, creationAttemptLine(result.attemptCounter));
        observer.progressLine(2, QStringLiteral("Completed"));
        observer.completed();
    }
}

} // namespace

GenerationResult GeneratePuzzles(GenerationContext& context, GenerationObserver& observer)
{
    const auto engine = std::make_unique<GridBuilder>();
    return GeneratePuzzles(context, observer, *engine);
}

GenerationResult GeneratePuzzles(GenerationContext& context, GenerationObserver& observer, PlacementEngine& engine)
{
    const auto start = std::make_unique<PuzzleRecord>(context.record);
    Randomize();
    const int requested = std::clamp(context.settings.attempts, 1, 999);
    const bool showProgress = requested > 1;
    if (!showProgress)
        observer.setBusy(true);

    const int initialWordCount = start->wordCount();
    context.candidates.clearScores();
    const auto filter = std::make_unique<OffensiveWordFilter>();
    filter->setList(context.badList);
    filter->exemptWordsOf(*start, initialWordCount);
    engine.startRun(placementSetup(context, *start));

    GenerationResult result;
    int rejectedInARow = 0;
    do {
        ++result.attemptCounter;
        if (showProgress) {
            observer.attemptStarted(result.attemptCounter);
            observer.processEvents();
        }

        const int score = engine.makeAttempt();
        ++result.attemptsMade;
        engine.buildCheckList(*filter);
        if (filter->TestBadWords()) {
            --result.attemptCounter;
            ++result.rejectedAttempts;
            if (++rejectedInARow >= kMaxRejectedInARow)
                result.aborted = result.stoppedByFilter = true;
        } else {
            rejectedInARow = 0;
            if (const int slot = context.candidates.makeRoomFor(score))
                engine.storeAttempt(context.candidates.slot(slot));
        }
        if (context.candidates.score(CandidateSlots::Count) == initialWordCount)
            result.attemptCounter = requested;

        if (showProgress) {
            observer.processEvents();
            if (observer.abortRequested())
                result.aborted = true;
            observer.processEvents();
        }
    } while (result.attemptCounter < requested && !result.aborted);

    if (showProgress)
        reportEnd(observer, result);
    context.record = *start;
    if (!showProgress)
        observer.setBusy(false);
    if (result.stoppedByFilter)
        observer.stoppedByFilter(filterStopExplanation());
    return result;
}
