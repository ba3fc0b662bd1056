#include "base/programfolders.h"

#include "base/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString cleanAbsolute(const QString& dir) { return QDir::cleanPath(QDir(dir).absolutePath()); }

// The files of the program directory that start as shipped copies.
const char* const kSeededFiles[] = {kShapeLibraryFile, kLayoutLibraryFile, kBadListFile};

bool copyWithoutReplacing(const QString& from, const QString& to)
{
    // QFile::copy refuses an existing target and renames a finished copy
    // into place, so a failed copy leaves no half file behind.
    if (!QFile::copy(from, to))
        return false;
    QFile::setPermissions(to, QFile::permissions(to) | QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

} // namespace

QString findDataDirectory(const QString& executableDir)
{
    return cleanAbsolute(executableDir + QStringLiteral("/../share/quillmaze"));
}

QString perUserProgramDirectory()
{
    return cleanAbsolute(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/Quillmaze"));
}

QString findProgramDirectory(const QString& executableDir)
{
    const QString fromEnv = qEnvironmentVariable(kProgramDirEnv);
    if (!fromEnv.isEmpty())
        return cleanAbsolute(fromEnv);
    const QFileInfo ownFolder(executableDir);
    if (QFileInfo::exists(executableDir + u'/' + QLatin1String(kProgramFolderMarker)) && ownFolder.isWritable())
        return cleanAbsolute(executableDir);
    return perUserProgramDirectory();
}

QStringList seedProgramDirectory(const QString& dataDir, const QString& programDir)
{
    QStringList copied;
    if (!QDir().mkpath(programDir))
        return copied;
    for (const char* name : kSeededFiles) {
        const QString file = QString::fromLatin1(name);
        const QString target = programDir + u'/' + file;
        // A dangling link or anything else of that name is the user's too.
        if (QFileInfo(target).isSymLink() || QFileInfo::exists(target))
            continue;
        const QString shipped = dataDir + u'/' + file;
        if (QFileInfo(shipped).isFile() && copyWithoutReplacing(shipped, target))
            copied << file;
    }
    return copied;
}

void setUpProgramFolders(const QString& executableDir)
{
    setDataDirectory(findDataDirectory(executableDir));
    setProgramDirectory(findProgramDirectory(executableDir));
    seedProgramDirectory(dataDirectory(), programDirectory());
}
