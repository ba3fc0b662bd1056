#include "generate/candidatesave.h"

#include "base/messageservice.h"
#include "generate/candidateslots.h"
#include "wordlist/hiddenphrase.h"
#include "wordlist/offensivewordfilter.h"

#include <algorithm>
#include <memory>

namespace {

bool holdsListedWord(OffensiveWordFilter& filter, const PuzzleRecord& record)
{
    filter.BuildCheckList(record);
    return filter.TestBadWords();
}

int excludedWords(const CandidateSlot& slot, int listWordCount)
{
    int excluded = 0;
    for (int k = 1; k <= std::clamp(listWordCount, 0, PuzzleRecord::MaxWords); ++k)
        if (!slot.isPlaced(k))
            ++excluded;
    return excluded;
}

void markGenerated(PuzzleRecord& record, const CandidateSlot& slot)
{
    record.Generated = 1;
    record.Version.assign("3.0c");
    record.WordPlaced.fill(0);
    for (int k = 1; k <= record.wordCount(); ++k)
        record.wordPlaced(k) = slot.placed[k - 1];
}

} // namespace

SaveDecision prepareCandidateSave(PuzzleRecord& record, const CandidateSlot& slot, int listWordCount,
                                  const FillChoice& choice, const BadWordList& badList)
{
    if (slot.isEmpty())
        return SaveDecision::NoCandidate;
    record = slot.record;

    record.IncludeHidden = choice.includeHidden ? 1 : 0;
    if (choice.includeHidden) {
        if (!fillWithPhrase(record, choice.hiddenPhrase, kPhraseBlankOnSave))
            return SaveDecision::KeepOpen;
    } else {
        fillRandomly(record);
    }

    const auto filter = std::make_unique<OffensiveWordFilter>();
    filter->setList(badList);
    filter->exemptWordsOf(record, std::max(listWordCount, record.wordCount()));
    if (holdsListedWord(*filter, record)) {
        if (choice.includeHidden) {
            if (askYesNo(QStringLiteral("Warning"),
                         QStringLiteral("The hidden phrase used has generated an \"offensive\" word in the "
                                        "puzzle.  Would you like to change the phrase?")))
                return SaveDecision::ChangePhrase;
        } else {
            // A listed word in the placed letters alone stays whatever the
            // fill: say so at once instead of refilling in vain.
            int refills = filter->answerLettersHoldListedWord(record) ? kMaxRefills : 0;
            do {
                if (++refills > kMaxRefills) {
                    showWarning(QStringLiteral("An offensive word stays in the puzzle whatever letters fill "
                                               "its free cells, so the puzzle was not saved.  Please create "
                                               "the puzzle again."));
                    return SaveDecision::KeepOpen;
                }
                fillRandomly(record);
            } while (holdsListedWord(*filter, record));
        }
    }

    const bool complete = excludedWords(slot, listWordCount) == 0
                          || askYesNo(QStringLiteral("Warning"),
                                      QStringLiteral("One or more words did not fit into the puzzle.  "
                                                     "Save Puzzle anyway?"));
    markGenerated(record, slot);
    return complete ? SaveDecision::Write : SaveDecision::KeepOpen;
}
