#include "base/paths.h"

#include <QDir>

namespace {
QString g_programDir;
QString g_startDir;

QString withoutTrailingSeparator(QString dir)
{
    while (dir.size() > 1 && dir.endsWith(u'/'))
        dir.chop(1);
    return dir;
}
} // namespace

QString findProgramDirectory(const QString& executableDir)
{
    const QString fromEnv = qEnvironmentVariable(kProgramDirEnv);
    const QString dir = fromEnv.isEmpty() ? executableDir : fromEnv;
    return withoutTrailingSeparator(QDir::cleanPath(QDir(dir).absolutePath()));
}

QString programDirectory() { return g_programDir; }
void setProgramDirectory(const QString& dir) { g_programDir = withoutTrailingSeparator(dir); }
QString programFile(const QString& name) { return g_programDir + u'/' + name; }

QString startDirectory() { return g_startDir; }
void setStartDirectory(const QString& dir) { g_startDir = withoutTrailingSeparator(dir); }
QString startFile(const QString& name) { return g_startDir + u'/' + name; }
