#include "generate/ui/generationrun.h"

#include "base/messageservice.h"
#include "generate/ui/createdpuzzledialog.h"
#include "generate/ui/creationattempts.h"
#include "storage/settings.h"
#include "widgets/dialoghelper.h"
#include "wordlist/badwordlist.h"

#include <QApplication>

namespace {

// A single attempt has no form: only the busy cursor.
class BusyCursorObserver : public GenerationObserver {
public:
    void setBusy(bool busy) override
    {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
};

} // namespace

bool runGenerationAndReview(QWidget* parent, const DialogContext& context, EditedPuzzle puzzle,
                            const ShapeRecord& shape, CandidateSlots& candidates)
{
    BadWordList badList;
    if (!runReportingIoErrors([&] { badList = BadWordList::loadUpperCased(); }))
        return false;
    const GenerationSettings& settings = context.settings.create;
    GenerationContext generation{puzzle.record, shape, settings, candidates, badList};
    const int listWordCount = puzzle.record.wordCount();
    if (settings.attempts < 2) {
        BusyCursorObserver observer;
        GeneratePuzzles(generation, observer);
    } else {
        TCreationAttempts form(generation, context, parent);
        showDialog(form, context);
    }
    TCreatedPuzzle review(candidates, listWordCount, puzzle, context, parent);
    showDialog(review, context);
    return review.saved();
}
