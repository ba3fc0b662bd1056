#include "base/paths.h"

#include <QFileInfo>

namespace {
QString g_programDir;
QString g_dataDir;
QString g_startDir;

QString withoutTrailingSeparator(QString dir)
{
    while (dir.size() > 1 && dir.endsWith(u'/'))
        dir.chop(1);
    return dir;
}
} // namespace

QString programDirectory() { return g_programDir; }
void setProgramDirectory(const QString& dir) { g_programDir = withoutTrailingSeparator(dir); }
QString programFile(const QString& name) { return g_programDir + u'/' + name; }

QString dataDirectory() { return g_dataDir; }
void setDataDirectory(const QString& dir) { g_dataDir = withoutTrailingSeparator(dir); }
QString dataFile(const QString& name) { return g_dataDir + u'/' + name; }

QString startDirectory() { return g_startDir; }
void setStartDirectory(const QString& dir) { g_startDir = withoutTrailingSeparator(dir); }
QString startFile(const QString& name) { return g_startDir + u'/' + name; }

bool isExistingFile(const QString& path)
{
    return !path.contains(QChar(0)) && QFileInfo(path).isFile();
}
