#include "storage/collectionfile.h"

#include "storage/recordfile.h"

#include <QFileInfo>
#include <QHash>

#include <cstddef>

namespace {
constexpr qint64 kRecordSize = sizeof(PuzzleRecord);
}

bool readPuzzle(const QString& path, qint64 n, PuzzleRecord& record)
{
    RecordFile file(path, kRecordSize);
    if (!file.open(RecordFile::Mode::ReadOnly))
        return false;
    file.readWhole(n, record);
    file.close();
    return true;
}

qint64 writePuzzle(const QString& path, const PuzzleRecord& record, qint64 n)
{
    RecordFile file(path, kRecordSize);
    if (!file.open(RecordFile::Mode::ReadWriteCreate))
        return -1;
    const qint64 written = n < 0 ? file.append(&record) : (file.write(n, &record), n);
    file.close();
    return written;
}

bool deletePuzzleRecord(const QString& path, qint64 n)
{
    RecordFile file(path, kRecordSize);
    if (!file.open(RecordFile::Mode::ReadWrite))
        return false;
    file.remove(n);
    file.close();
    return true;
}

bool createEmptyCollection(const QString& path)
{
    RecordFile file(path, kRecordSize);
    if (!file.open(RecordFile::Mode::CreateEmpty))
        return false;
    file.close();
    return true;
}

qint64 puzzleCount(const QString& path)
{
    RecordFile file(path, kRecordSize);
    return file.open(RecordFile::Mode::ReadOnly) ? file.count() : 0;
}

CollectionIndex loadCollectionIndex(const QString& path)
{
    CollectionIndex index;
    RecordFile file(path, kRecordSize);
    if (!file.open(RecordFile::Mode::ReadOnly))
        return index;

    // Category (offset 6) and title (offset 27) sit next to each other.
    constexpr qint64 first = offsetof(PuzzleRecord, Category);
    constexpr qint64 size = offsetof(PuzzleRecord, GridCols) - first;
    struct Head {
        ShortString<PuzzleRecord::CategoryLength> category;
        ShortString<PuzzleRecord::TitleLength> title;
    } head;
    static_assert(sizeof(Head) == size);

    QHash<QByteArray, qsizetype> positions;
    const qint64 count = file.count();
    index.entries.reserve(count);
    for (qint64 n = 0; n < count; ++n) {
        file.readPart(n, first, &head, size);
        const QByteArray category = head.category.bytes();
        auto found = positions.constFind(category);
        if (found == positions.constEnd()) {
            found = positions.insert(category, index.categories.size());
            index.categories.append(category);
        }
        index.entries.append({head.title.bytes(), n, found.value()});
    }
    file.close();
    return index;
}

QString collectionCaptionName(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.left(std::max<qsizetype>(0, name.size() - 4));
}

void updateRecentFiles(std::array<QString, 5>& recent, const QString& previous, const QString& current)
{
    for (std::size_t k = 0; k < recent.size(); ++k) {
        if (recent[k] == current) {
            for (std::size_t j = k; j + 1 < recent.size(); ++j)
                recent[j] = recent[j + 1];
            recent.back().clear();
            break;
        }
    }
    for (std::size_t j = recent.size() - 1; j > 0; --j)
        recent[j] = recent[j - 1];
    recent[0] = previous;
}
