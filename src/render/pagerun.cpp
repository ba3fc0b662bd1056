#include "render/pagerun.h"

#include "base/messageservice.h"
#include "render/printrun.h"
#include "report/basereport.h"

#include <exception>

void showOverflowWarnings(const PrintRun& run)
{
    if (run.CluesDidNotFit)
        showWarning(kCluesDidNotFit);
    if (run.WordsDidNotFit)
        showWarning(kWordsDidNotFit);
    if (run.anyTextDidNotFit())
        showWarning(kTextDidNotFit);
}

bool runPage(TBaseReport& report, PrintRun& run, const std::function<void(bool)>& finished)
{
    run.clearOverflows();
    std::exception_ptr error;
    try {
        report.ExecuteReport();
    } catch (...) {
        error = std::current_exception();
    }
    const bool cancelled = report.aborted();
    report.SetStatusFormat(cancelled ? kRunCancelledStatus : kRunFinishedStatus);
    report.UpdateStatus();
    if (finished)
        finished(cancelled);
    if (!cancelled)
        showOverflowWarnings(run);
    if (error)
        std::rethrow_exception(error);
    return cancelled;
}
