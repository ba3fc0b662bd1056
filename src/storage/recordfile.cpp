#include "storage/recordfile.h"

#include "base/messageservice.h"
#include "base/wholefile.h"

#include <QFileInfo>

#include <algorithm>
#include <vector>

RecordFile::RecordFile(QString path, qint64 recordSize)
    : m_path(std::move(path)), m_recordSize(recordSize)
{
}

RecordFile::~RecordFile() = default;

bool RecordFile::open(Mode mode)
{
    m_file = std::make_unique<QFile>(m_path);
    m_created = (mode == Mode::ReadWriteCreate || mode == Mode::CreateEmpty) && !QFileInfo::exists(m_path);
    // Records are read and written whole or in small parts at scattered
    // places; a read buffer would only copy bytes that are never used.
    constexpr QIODevice::OpenMode unbuffered = QIODevice::Unbuffered;
    bool ok = false;
    switch (mode) {
    case Mode::ReadOnly:
        ok = m_file->open(QIODevice::ReadOnly | unbuffered);
        break;
    case Mode::ReadWrite:
        ok = QFileInfo::exists(m_path) && m_file->open(QIODevice::ReadWrite | unbuffered);
        break;
    case Mode::ReadWriteCreate:
        ok = m_file->open(QIODevice::ReadWrite | unbuffered);
        break;
    case Mode::CreateEmpty:
        ok = m_file->open(QIODevice::ReadWrite | QIODevice::Truncate | unbuffered);
        break;
    }
    if (!ok)
        m_file.reset();
    return ok;
}

void RecordFile::close()
{
    if (!m_file)
        return;
    m_file->close();
    const bool failed = m_file->error() != QFileDevice::NoError;
    m_file.reset();
    if (failed)
        throw IoError(QStringLiteral("I/O error closing %1").arg(m_path));
}

qint64 RecordFile::count() const
{
    return m_file ? m_file->size() / m_recordSize : 0;
}

void RecordFile::fail(const QString& action) const
{
    const QString reason = m_file ? m_file->errorString() : QStringLiteral("file not open");
    throw IoError(QStringLiteral("I/O error %1 %2: %3").arg(action, m_path, reason));
}

void RecordFile::seek(qint64 position)
{
    if (!m_file || !m_file->seek(position))
        fail(QStringLiteral("seeking in"));
}

void RecordFile::read(qint64 n, void* buffer)
{
    readPart(n, 0, buffer, m_recordSize);
}

void RecordFile::readPart(qint64 n, qint64 offset, void* buffer, qint64 size)
{
    if (n < 0 || n >= count() || offset < 0 || offset + size > m_recordSize)
        throw IoError(QStringLiteral("I/O error reading %1: record %2 is beyond the end of the file")
                          .arg(m_path)
                          .arg(n));
    seek(n * m_recordSize + offset);
    if (m_file->read(static_cast<char*>(buffer), size) != size)
        fail(QStringLiteral("reading"));
}

void RecordFile::write(qint64 n, const void* buffer)
{
    if (n < 0)
        throw IoError(QStringLiteral("I/O error writing %1: invalid record index").arg(m_path));
    const qint64 position = n * m_recordSize;
    const qint64 length = m_file ? m_file->size() : 0;
    QByteArray overwritten;
    if (position < length) {
        seek(position);
        overwritten = m_file->read(std::min(m_recordSize, length - position));
    }
    seek(position);
    if (m_file->write(static_cast<const char*>(buffer), m_recordSize) != m_recordSize) {
        const QString reason = m_file->errorString();
        takeBack(position, overwritten, length);
        throw IoError(QStringLiteral("I/O error writing %1: %2").arg(m_path, reason));
    }
}

void RecordFile::takeBack(qint64 position, const QByteArray& overwritten, qint64 length)
{
    // Best effort: what fails here failed in the write already, and the
    // write's own error is the one to report.
    if (m_created && length == 0) {
        m_file->remove();
        m_file.reset();
        return;
    }
    if (!overwritten.isEmpty() && m_file->seek(position))
        m_file->write(overwritten);
    m_file->resize(length);
}

qint64 RecordFile::append(const void* buffer)
{
    const qint64 n = count();
    write(n, buffer);
    return n;
}

void RecordFile::remove(qint64 n)
{
    const qint64 total = count();
    if (n < 0 || n >= total)
        return;
    // Moving the later records forward in place would leave a record half
    // moved if a write failed; the remaining records go into a new file
    // that takes the old one's place only once it is complete.
    WholeFile replacement(m_path);
    if (!replacement.open())
        throw IoError(QStringLiteral("I/O error replacing %1: %2").arg(m_path, replacement.errorString()));
    std::vector<char> record(static_cast<std::size_t>(m_recordSize));
    for (qint64 k = 0; k < total; ++k) {
        if (k == n)
            continue;
        read(k, record.data());
        if (!replacement.write(QByteArrayView(record.data(), m_recordSize)))
            break;
    }
    if (!replacement.commit())
        throw IoError(QStringLiteral("I/O error writing %1: %2").arg(m_path, replacement.errorString()));
    m_file.reset(); // still the replaced file
}
