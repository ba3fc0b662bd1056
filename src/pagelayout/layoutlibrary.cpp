#include "pagelayout/layoutlibrary.h"

#include "base/paths.h"
#include "storage/recordfile.h"

namespace {

constexpr qint64 kRecordSize = sizeof(PageLayoutRecord);

} // namespace

QString layoutLibraryPath() { return programFile(QString::fromLatin1(kLayoutLibraryFile)); }

bool readLayout(const QString& libraryPath, qint64 n, PageLayoutRecord& layout)
{
    RecordFile library(libraryPath, kRecordSize);
    if (!library.open(RecordFile::Mode::ReadOnly))
        return false;
    library.readWhole(n, layout);
    library.close();
    return true;
}

qint64 appendLayout(const QString& libraryPath, const PageLayoutRecord& layout)
{
    return storeLayout(libraryPath, -1, layout);
}

qint64 storeLayout(const QString& libraryPath, qint64 n, const PageLayoutRecord& layout)
{
    RecordFile library(libraryPath, kRecordSize);
    if (!library.open(RecordFile::Mode::ReadWriteCreate))
        return -1;
    if (n < 0 || n >= library.count())
        n = library.append(&layout);
    else
        library.write(n, &layout);
    library.close();
    return n;
}

bool deleteLayout(const QString& libraryPath, qint64 n)
{
    RecordFile library(libraryPath, kRecordSize);
    if (!library.open(RecordFile::Mode::ReadWrite))
        return false;
    library.remove(n);
    library.close();
    return true;
}

PageLayoutRecord newPuzzleLayout(const QString& libraryPath, int defaultIndex)
{
    RecordFile library(libraryPath, kRecordSize);
    if (!library.open(RecordFile::Mode::ReadOnly) || library.count() == 0)
        return builtInDefaultLayout();
    const qint64 index = (defaultIndex >= 0 && defaultIndex < library.count()) ? defaultIndex : 0;
    PageLayoutRecord layout;
    library.read(index, &layout);
    library.close();
    return layout;
}
