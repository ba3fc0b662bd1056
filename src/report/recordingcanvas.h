#pragma once

#include "report/canvas.h"
#include "report/reportformat.h"

#include <QByteArray>
#include <QHash>

// A canvas that records every call into a report stream (reportformat.h),
// so a page can be replayed onto any other canvas by ReportStream. Only real
// state changes are recorded; replaying a stream onto a second recorder
// gives the same bytes. An image drawn several times is stored once.
class RecordingCanvas : public Canvas {
public:
    RecordingCanvas();

    // The stream so far: header and every record written.
    const QByteArray& recordedData() const { return m_data; }
    // Ends an open page and starts an empty stream.
    void clear();

    void drawLine(const QPointF& from, const QPointF& to) override;
    void drawPolygon(const QPolygonF& polygon) override;
    void drawText(const QPointF& origin, const QString& text) override;
    void drawImage(const QRectF& target, const QImage& image) override;
    void drawPolyline(const QPolygonF& points) override;
    void drawRect(const QRectF& rect) override;
    void fillRect(const QRectF& rect) override;
    void drawEllipse(const QRectF& box) override;
    void drawArc(const QRectF& box, double startAngle, double spanAngle) override;

protected:
    void pageStarted(const PageSetup& page) override;
    void pageEnded() override;
    void penChanged() override;
    void brushChanged() override;
    void fontChanged() override;
    void textBackgroundChanged() override;
    void clipChanged() override;

private:
    void record(std::uint8_t op, const QByteArray& payload);
    // Writes a record's operation and length; its payload follows at once.
    reportformat::Writer startRecord(std::uint8_t op, qsizetype payloadSize);
    void recordRect(std::uint8_t op, const QRectF& rect);
    void recordPoints(std::uint8_t op, const QPolygonF& points);
    int imageId(const QImage& image);

    QByteArray m_data;
    QHash<qint64, int> m_imageIds; // QImage::cacheKey -> id
};
