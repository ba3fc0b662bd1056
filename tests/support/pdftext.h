#pragma once

#include <QProcess>
#include <QString>

// The text of a PDF file as pdftotext (poppler-utils) extracts it, blanks and
// line breaks folded into single blanks; empty when the tool fails.
inline QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-q"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}
