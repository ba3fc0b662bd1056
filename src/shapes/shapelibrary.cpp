#include "shapes/shapelibrary.h"

#include "base/copyname.h"
#include "base/messageservice.h"
#include "base/paths.h"
#include "storage/puzzlerecord.h"
#include "storage/recordfile.h"

namespace {
// Name, width and height: the part of a record that the list shows.
constexpr qint64 kHeaderSize = offsetof(ShapeRecord, ShapeCells);
} // namespace

QString shapeLibraryPath() { return programFile(QString::fromLatin1(kShapeLibraryFile)); }

void normalizeShape(ShapeRecord& shape)
{
    shape.ShapeWidth = static_cast<std::int16_t>(shape.width());
    shape.ShapeHeight = static_cast<std::int16_t>(shape.height());
    shape.ShapeName.length = static_cast<std::uint8_t>(shape.ShapeName.size());
    for (auto& cell : shape.ShapeCells)
        cell = cell != 0 ? 1 : 0;
}

QString shapeEntryText(const ShapeRecord& shape)
{
    return QStringLiteral("%1x%2 %3").arg(shape.width()).arg(shape.height()).arg(shape.ShapeName.text());
}

std::optional<QList<ShapeRecord>> readShapeHeaders(const QString& path)
{
    RecordFile library(path, sizeof(ShapeRecord));
    if (!library.open(RecordFile::Mode::ReadOnly))
        return std::nullopt;
    QList<ShapeRecord> shapes;
    const qint64 count = library.count();
    shapes.reserve(count);
    for (qint64 k = 0; k < count; ++k) {
        ShapeRecord shape{};
        library.readPart(k, 0, &shape, kHeaderSize);
        normalizeShape(shape);
        shapes.append(shape);
    }
    library.close();
    return shapes;
}

ShapeRecord readShape(const QString& path, int index)
{
    RecordFile library(path, sizeof(ShapeRecord));
    if (!library.open(RecordFile::Mode::ReadOnly))
        throw IoError(QStringLiteral("I/O error opening %1").arg(path));
    ShapeRecord shape{};
    library.read(index, &shape);
    library.close();
    normalizeShape(shape);
    return shape;
}

std::optional<int> appendShape(const QString& path, const ShapeRecord& shape)
{
    RecordFile library(path, sizeof(ShapeRecord));
    if (!library.open(RecordFile::Mode::ReadWriteCreate))
        return std::nullopt;
    const qint64 index = library.append(&shape);
    library.close();
    return static_cast<int>(index);
}

bool writeShape(const QString& path, int index, const ShapeRecord& shape)
{
    RecordFile library(path, sizeof(ShapeRecord));
    if (!library.open(RecordFile::Mode::ReadWriteCreate))
        return false;
    library.write(index, &shape);
    library.close();
    return true;
}

bool removeShape(const QString& path, int index)
{
    RecordFile library(path, sizeof(ShapeRecord));
    if (!library.open(RecordFile::Mode::ReadWrite))
        return false;
    library.remove(index);
    library.close();
    return true;
}

ShapeRecord shapeFromPuzzle(const PuzzleRecord& puzzle)
{
    ShapeRecord shape{};
    shape.ShapeName.assign("<Current Puzzle>");
    shape.ShapeWidth = static_cast<std::int16_t>(puzzle.gridCols());
    shape.ShapeHeight = static_cast<std::int16_t>(puzzle.gridRows());
    for (std::size_t k = 0; k < shape.ShapeCells.size(); ++k)
        shape.ShapeCells[k] = puzzle.AnswerGrid[k] != 0 ? 1 : 0;
    return shape;
}

ShapeRecord newShape()
{
    ShapeRecord shape{};
    shape.ShapeName.assign("New Layout");
    shape.ShapeWidth = 30;
    shape.ShapeHeight = 30;
    shape.ShapeCells.fill(1);
    return shape;
}

QByteArray shapeCopyName(const ShapeRecord& shape)
{
    return copyName(shape.ShapeName.view(), decltype(ShapeRecord::ShapeName)::Capacity);
}
