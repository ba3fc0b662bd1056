#pragma once

#include "report/basereport.h"
#include "report/pagedcanvas.h"

#include <memory>

class QPrinter;

// A report whose run goes straight to a printer (the program's printer
// unless another is given), one print job per run named after Title().
// Text is measured on the reference device like every report, so the
// printed page matches a recorded one.
class TReportPrinter : public TBaseReport {
public:
    static inline const QString DefaultStatusFormat = QStringLiteral("Printing Page %p");

    // printer is not owned; null takes programPrinter().
    explicit TReportPrinter(QPrinter* printer = nullptr);
    ~TReportPrinter() override;

    QPrinter& printer() { return *m_printer; }

protected:
    Canvas* openOutput() override;
    // Cancels the job after an abort; throws IoError when the printer could
    // not start the job.
    void closeOutput(bool aborted) override;

private:
    QPrinter* m_printer;
    std::unique_ptr<PagedCanvas> m_canvas;
};
