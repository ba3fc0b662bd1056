#pragma once

#include "report/pagesetup.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QString>

class Canvas;

// A recorded report stream (reportformat.h), indexed by page, that replays
// any page onto a canvas. Safe on any bytes: a damaged or truncated stream
// replays what can be read, drops records with unreadable or absurd values,
// and never reads past its end.
class ReportStream {
public:
    ReportStream() = default;
    explicit ReportStream(QByteArray data);

    // False when the bytes are not a report stream of a version this program
    // reads; such a stream has no pages.
    bool isValid() const { return m_valid; }
    // True when some part of the stream could not be read (it was cut short
    // or a record is malformed); the readable pages still replay.
    bool isDamaged() const { return m_damaged; }
    // What was wrong, empty for a sound stream.
    const QString& errorString() const { return m_error; }

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    // The paper of page n (1-based); Letter for a page that does not exist.
    PageSetup pageSetup(int page) const;
    // Draws page n (1-based) onto canvas between beginPage and endPage.
    // Returns false, drawing nothing, when there is no such page.
    bool replayPage(int page, Canvas& canvas) const;
    // Replays every page in order.
    void replayAll(Canvas& canvas) const;

private:
    struct PageEntry {
        PageSetup setup;
        qsizetype begin = 0; // first record after the page's start
        qsizetype end = 0;   // end of the page's last record
    };
    struct ImageEntry {
        qsizetype offset = 0;
        qsizetype size = 0;
        std::uint32_t checksum = 0;
    };

    void index();
    void fail(const QString& message);
    void replayRecord(std::uint8_t op, const char* payload, qsizetype size, Canvas& canvas) const;
    QImage image(int id) const;

    QByteArray m_data;
    bool m_valid = false;
    bool m_damaged = false;
    QString m_error;
    QList<PageEntry> m_pages;
    QHash<int, ImageEntry> m_images;
    mutable QHash<int, QImage> m_decoded;
};
