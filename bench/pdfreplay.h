#pragma once

#include "report/pagedcanvas.h"
#include "report/reportstream.h"

#include <QBuffer>
#include <QPdfWriter>

// Replays a recorded page into a PDF in memory; returns the PDF's size.
inline qsizetype replayIntoPdf(const ReportStream& stream)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        PagedCanvas canvas(writer);
        stream.replayAll(canvas);
        canvas.finish();
    }
    return buffer.size();
}
