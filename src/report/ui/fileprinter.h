#pragma once

#include "report/reportstream.h"

#include <QString>

class QIODevice;
class QPrinter;

// Replays a recorded report stream to a printer (the program's printer
// unless another is given), by page range and copy count.
class TFilePrinter {
public:
    // Copy count reported for drivers that make copies themselves.
    static constexpr int DriverCopyLimit = 9999;

    // printer is not owned; null takes programPrinter().
    explicit TFilePrinter(QPrinter* printer = nullptr);

    void setStream(QByteArray data) { m_stream = ReportStream(std::move(data)); }
    // Reads the whole device from its start.
    void loadStream(QIODevice& device);
    const ReportStream& stream() const { return m_stream; }
    void setTitle(const QString& title) { m_title = title; }

    // Prints pages first..last (clamped to the recorded pages) in one job,
    // copies times (at least once): by the driver when it makes copies,
    // otherwise by sending the pages again. Returns false when the printer
    // could not start the job, nothing was to be printed, or a job is busy.
    bool printPages(int first, int last, int copies = 1);
    // Prints every recorded page once.
    bool printAll() { return printPages(1, m_stream.pageCount(), 1); }
    // True while a job of this component is being sent.
    bool busy() const { return m_busy; }
    // The most copies the driver makes in one job (1 when it makes none).
    int largestCopyCount() const;

private:
    QPrinter* m_printer;
    ReportStream m_stream;
    QString m_title;
    bool m_busy = false;
};
