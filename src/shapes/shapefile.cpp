#include "shapes/shapefile.h"

#include "base/messageservice.h"
#include "base/wholefile.h"
#include "shapes/shapelibrary.h"

#include <QFile>

namespace {
constexpr char kSignature[] = "LAY";
constexpr char kVersion[] = "1.0";
constexpr qint64 kPartSize = 3;

// Reads exactly `size` bytes; false when the file ends first.
bool readExactly(QFile& file, char* buffer, qint64 size)
{
    const qint64 got = file.read(buffer, size);
    if (got < 0)
        throw IoError(QStringLiteral("I/O error reading %1: %2").arg(file.fileName(), file.errorString()));
    return got == size;
}
} // namespace

ShapeImportResult importShapeFile(const QString& path, ShapeRecord& shape)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ShapeImportResult::CannotOpen;
    char signature[kPartSize];
    char version[kPartSize];
    ShapeRecord record{};
    if (!readExactly(file, signature, kPartSize) || QByteArrayView(signature, kPartSize) != kSignature
        || !readExactly(file, version, kPartSize)
        || !readExactly(file, reinterpret_cast<char*>(&record), sizeof record))
        return ShapeImportResult::Corrupt;
    file.close();
    normalizeShape(record);
    shape = record;
    return ShapeImportResult::Imported;
}

bool exportShapeFile(const QString& path, const ShapeRecord& shape)
{
    WholeFile file(path);
    if (!file.open())
        return false;
    const bool written = file.write(QByteArrayView(kSignature, kPartSize)) && file.write(QByteArrayView(kVersion, kPartSize))
                         && file.write(QByteArrayView(reinterpret_cast<const char*>(&shape), sizeof shape));
    if (!written || !file.commit())
        throw IoError(QStringLiteral("I/O error writing %1: %2").arg(path, file.errorString()));
    return true;
}
