#include "report/reportfiler.h"

#include "base/messageservice.h"

#include <QIODevice>

TReportFiler::TReportFiler(QIODevice* stream)
    : m_stream(stream)
{
    SetStatusFormat(DefaultStatusFormat);
}

Canvas* TReportFiler::openOutput()
{
    m_recorder.clear();
    return &m_recorder;
}

void TReportFiler::closeOutput(bool)
{
    m_recorder.endPage();
    if (!m_stream)
        return;
    const QByteArray& data = m_recorder.recordedData();
    if (!m_stream->isWritable() || m_stream->write(data) != data.size())
        throw IoError(QStringLiteral("The report could not be recorded: %1").arg(m_stream->errorString()));
}
