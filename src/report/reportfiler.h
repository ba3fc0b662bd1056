#pragma once

#include "report/basereport.h"
#include "report/recordingcanvas.h"

class QIODevice;

// A report whose run is recorded into a report stream (reportformat.h) that
// the caller supplies, typically a QBuffer in memory. The stream is written
// at the end of every run, from the device's current position.
class TReportFiler : public TBaseReport {
public:
    static inline const QString DefaultStatusFormat = QStringLiteral("Printing page %p");

    // stream is not owned; it may be null until the run.
    explicit TReportFiler(QIODevice* stream = nullptr);

    void setStream(QIODevice* stream) { m_stream = stream; }
    // The bytes of the last run.
    const QByteArray& recordedData() const { return m_recorder.recordedData(); }

protected:
    Canvas* openOutput() override;
    // Throws IoError when the stream cannot take the recording.
    void closeOutput(bool aborted) override;

private:
    QIODevice* m_stream;
    RecordingCanvas m_recorder;
};
