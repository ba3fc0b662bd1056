#include "storage/puzzletransfer.h"

#include "base/messageservice.h"
#include "base/wholefile.h"
#include "storage/puzzlerecord.h"
#include "storage/recordfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <sys/stat.h>

namespace {

constexpr qint64 kRecordSize = sizeof(PuzzleRecord);

// The path with links and "." / ".." resolved as far as the file or its
// folder exists.
QString resolvedPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : folder + u'/' + info.fileName();
}

bool sameInode(const QString& a, const QString& b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0
           && ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev
           && first.st_ino == second.st_ino;
}

} // namespace

bool isSameFile(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0
           || resolvedPath(a).compare(resolvedPath(b), Qt::CaseInsensitive) == 0 || sameInode(a, b);
}

ImportChoice classifyImportPath(const QString& chosen, const QString& currentCollection)
{
    const QString ending = chosen.right(4).toUpper();
    if (ending == QLatin1String(".QZK"))
        return ImportChoice::SinglePuzzleFile;
    if (ending != QLatin1String(".QZ3"))
        return ImportChoice::NotQuillmaze;
    return isSameFile(chosen, currentCollection) ? ImportChoice::SameAsCurrent : ImportChoice::Collection;
}

TransferResult appendPuzzles(const QString& source, const QString& target, const QList<qint64>& indices)
{
    if (isSameFile(source, target))
        return TransferResult::SameFile;
    RecordFile from(source, kRecordSize);
    if (!from.open(RecordFile::Mode::ReadOnly))
        return TransferResult::SourceUnreadable;
    RecordFile to(target, kRecordSize);
    if (!to.open(RecordFile::Mode::ReadWriteCreate))
        return TransferResult::TargetUnwritable;
    const auto record = std::make_unique<PuzzleRecord>();
    for (qint64 index : indices) {
        from.read(index, record.get());
        to.append(record.get());
    }
    to.close();
    from.close();
    return TransferResult::Done;
}

TransferResult exportPuzzles(const QString& source, const QString& target, const QList<qint64>& indices)
{
    if (isSameFile(source, target))
        return TransferResult::SameFile;
    RecordFile from(source, kRecordSize);
    if (!from.open(RecordFile::Mode::ReadOnly))
        return TransferResult::SourceUnreadable;
    WholeFile to(target);
    if (!to.open())
        return TransferResult::TargetUnwritable;
    const auto record = std::make_unique<PuzzleRecord>();
    for (qint64 index : indices) {
        from.read(index, record.get());
        if (!to.write(QByteArrayView(reinterpret_cast<const char*>(record.get()), kRecordSize)))
            throw IoError(QStringLiteral("I/O error writing %1: %2").arg(target, to.errorString()));
    }
    from.close();
    if (!to.commit())
        throw IoError(QStringLiteral("I/O error writing %1: %2").arg(target, to.errorString()));
    return TransferResult::Done;
}
