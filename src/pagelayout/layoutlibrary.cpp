#include "pagelayout/layoutlibrary.h"

#include "storage/recordfile.h"

PageLayoutRecord newPuzzleLayout(const QString& libraryPath, int defaultIndex)
{
    RecordFile library(libraryPath, sizeof(PageLayoutRecord));
    if (!library.open(RecordFile::Mode::ReadOnly) || library.count() == 0)
        return builtInDefaultLayout();
    const qint64 index = (defaultIndex >= 0 && defaultIndex < library.count()) ? defaultIndex : 0;
    PageLayoutRecord layout;
    library.read(index, &layout);
    library.close();
    return layout;
}
