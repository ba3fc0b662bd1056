#include "pagelayout/layoutfile.h"

#include "base/messageservice.h"
#include "base/wholefile.h"

#include <QFile>

#include <cstring>

namespace {

constexpr char kSignature[] = "PAG";
constexpr char kVersion[] = "1.0";

} // namespace

LayoutImportResult importLayoutFile(const QString& path, PageLayoutRecord& layout)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LayoutImportResult::CannotOpen;
    const QByteArray bytes = file.read(kLayoutFileSize);
    if (file.error() != QFileDevice::NoError)
        throw IoError(QStringLiteral("I/O error reading %1: %2").arg(path, file.errorString()));
    if (bytes.size() < kLayoutFileSize || !bytes.startsWith(kSignature))
        return LayoutImportResult::Corrupt;
    std::memcpy(&layout, bytes.constData() + 6, sizeof layout);
    return LayoutImportResult::Imported;
}

bool exportLayoutFile(const QString& path, const PageLayoutRecord& layout)
{
    WholeFile file(path);
    if (!file.open())
        return false;
    QByteArray bytes(kSignature);
    bytes.append(kVersion);
    bytes.append(reinterpret_cast<const char*>(&layout), sizeof layout);
    if (!file.write(bytes) || !file.commit())
        throw IoError(QStringLiteral("I/O error writing %1: %2").arg(path, file.errorString()));
    return true;
}
