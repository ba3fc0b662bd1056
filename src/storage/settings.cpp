#include "storage/settings.h"

#include <QFileInfo>

namespace {

// The start directory may be the root "/", which already ends in a separator.
QString fileInDirectory(const QString& dir, const QString& name)
{
    return dir.endsWith(u'/') ? dir + name : dir + u'/' + name;
}

} // namespace

QString defaultCollectionPath(const QString& startDir)
{
    const QString sample = fileInDirectory(startDir, QStringLiteral("SAMPLE.QZ3"));
    const QString standard = fileInDirectory(startDir, QStringLiteral("DEFAULT.QZ3"));
    return QFileInfo::exists(sample) && !QFileInfo::exists(standard) ? sample : standard;
}
