// The shape library and a shape interchange file from someone else: listed,
// selected, drawn, edited, and a puzzle generated in the shape.
#include "fuzzsupport.h"
#include "fuzztargets.h"

#include "shapes/shapedrawing.h"
#include "shapes/shapeeditor.h"
#include "shapes/shapefile.h"
#include "shapes/shapelibrary.h"
#include "shapes/shapelist.h"
#include "storage/puzzlerecord.h"

#include <QImage>
#include <QPainter>

#include <cstring>
#include <memory>

namespace fuzzing {

namespace {

const QString kLibrary = QStringLiteral("QZFLAY.DAT");
// Shapes of one input that are selected and worked on.
constexpr int kMaxSelected = 4;

// A few words placed into the shape, as Create in the word list editor
// does with the current shape.
void generateIn(const ShapeRecord& shape)
{
    auto record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    const char* words[] = {"HERON", "OTTER", "NEWT", "PIKE", "FROG", "EEL"};
    for (int k = 1; k <= 6; ++k)
        record->word(k).assign(words[k - 1]);
    record->WordCount = 6;
    generateOnce(*record, shape);
}

// The shape editor opened on a shape: its grid image, a click, a fill, a
// shift and an undo, and the name of a copy.
void editShape(const ShapeRecord& shape, int recordIndex)
{
    ShapeEditor editor(ShapeEditorMode::Modify, shape, recordIndex);
    // One picture for every run, as the editor keeps one: a fresh large
    // allocation under the sanitizer costs more than the drawing.
    static QImage image(ShapeEditor::ImageSize, ShapeEditor::ImageSize, QImage::Format_RGB32);
    QPainter painter(&image);
    drawShapeGrid(painter, image.size(), editor.shape(), editor.cellSize(), Qt::red, Qt::gray);
    painter.end();
    if (const auto cell = editor.cellAt(QPoint(200, 200)))
        editor.floodFill(cell->row, cell->col);
    editor.shift(ShiftDirection::Right);
    editor.undo();
    shapeCopyName(shape);
}

} // namespace

// The library as the word list editor shows it: listed (the last shape
// chosen by the input), each of the first entries selected, drawn, edited,
// and a puzzle generated in the last one.
void browseShapeLibrary(int lastShape)
{
    ShapeRecord current{};
    ShapeList list(ShapeListMode::EditorNew, ShapeListContext{current, lastShape, nullptr});
    list.load();
    const int shown = std::min<int>(list.entries().size(), kMaxSelected);
    for (int position = 0; position < shown; ++position) {
        list.select(position);
        shapeThumbnail(current, QSize(148, 148), Qt::lightGray);
        editShape(current, list.entries()[position].recordIndex);
    }
    if (shown > 0)
        generateIn(current);
}

void shapeLibrary(QByteArrayView bytes)
{
    ensureApplication();
    ScratchProgramDirectory programDirectory;
    putFile(kLibrary, bytes);
    browseShapeLibrary(bytes.isEmpty() ? 1 : static_cast<std::uint8_t>(bytes.back()) % 8);
}

void shapeFile(QByteArrayView bytes)
{
    ensureApplication();
    ScratchProgramDirectory programDirectory;
    const QString path = putFile(QStringLiteral("IN.LAY"), bytes);
    ShapeRecord current{};
    int lastShape = 0;
    ShapeList list(ShapeListMode::StandAlone, ShapeListContext{current, lastShape, nullptr});
    list.load();
    list.importFrom(path);
    if (list.selected() < 0)
        return;
    // What was imported goes out again unchanged.
    const ShapeRecord imported = current;
    const QString out = scratchFolder() + QStringLiteral("/OUT.LAY");
    list.exportTo(out);
    ShapeRecord again{};
    if (importShapeFile(out, again) != ShapeImportResult::Imported || std::memcmp(&again, &imported, sizeof again) != 0)
        invariantBroken("an imported shape does not export unchanged");
    browseShapeLibrary(0);
}

} // namespace fuzzing
