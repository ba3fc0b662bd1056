#pragma once

#include "report/reportfiler.h"

#include <QByteArray>
#include <QString>

// A recorded one-page report for the preview and export tests: a 24-point
// title at (1, 1) inch and a red box from (1, 2) to (3, 3) inches, on the
// paper of a Windows paper code.
inline QByteArray recordTestPage(const QString& title, int paperCode = 1)
{
    TReportFiler filer;
    filer.setEvents({[paperCode](TBaseReport& r) { r.SetPaperSize(paperCode); },
                     [title](TBaseReport& r) {
                         r.SetFontName(QStringLiteral("Liberation Sans"));
                         r.SetFontSize(24);
                         r.PrintXY(1, 1, title);
                         r.setBrushColor(0x0000FF);
                         r.FillRect(1, 2, 3, 3);
                     },
                     {}, {}});
    filer.ExecuteReport();
    return filer.recordedData();
}
