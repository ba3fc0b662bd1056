#include "base/wholefile.h"

WholeFile::WholeFile(const QString& path)
    : m_file(path)
{
}

bool WholeFile::open() { return m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

bool WholeFile::write(QByteArrayView bytes)
{
    if (!m_error.isEmpty())
        return false;
    if (m_file.write(bytes.data(), bytes.size()) == bytes.size())
        return true;
    m_error = m_file.error() != QFileDevice::NoError ? m_file.errorString()
                                                     : QStringLiteral("only part of the file could be written; the disk may be full");
    m_file.cancelWriting();
    return false;
}

bool WholeFile::commit()
{
    if (!m_error.isEmpty())
        return false;
    return m_file.commit();
}

bool saveWholeFile(const QString& path, QByteArrayView bytes, QString* error)
{
    WholeFile file(path);
    const bool saved = file.open() && file.write(bytes) && file.commit();
    if (!saved && error)
        *error = file.errorString();
    return saved;
}
