#include "generate/ui/generationrun.h"

#include "app/globals.h"
#include "base/messageservice.h"
#include "generate/ui/createdpuzzledialog.h"
#include "generate/ui/creationattempts.h"
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

bool runGenerationAndReview(QWidget* parent)
{
    Globals& g = globals();
    BadWordList badList;
    if (!runReportingIoErrors([&] { badList = BadWordList::loadUpperCased(); }))
        return false;
    GenerationContext context{*g.currentPuzzle, g.currentShape, g.settings.create, *g.candidates, badList};
    const int listWordCount = g.currentPuzzle->wordCount();
    if (g.settings.create.attempts < 2) {
        BusyCursorObserver observer;
        GeneratePuzzles(context, observer);
    } else {
        TCreationAttempts form(context, parent);
        showDialog(form);
    }
    TCreatedPuzzle review(*g.candidates, listWordCount, parent);
    showDialog(review);
    return review.saved();
}
