#include "shapes/shapeeditor.h"

#include "base/ansi.h"
#include "base/latin1.h"
#include "base/messageservice.h"
#include "shapes/shapelibrary.h"

#include <algorithm>
#include <array>

namespace {
const QString kWidthMessage = QStringLiteral("Width must be between 5 and 30.  Please re-enter width.");
const QString kHeightMessage = QStringLiteral("Height must be between 5 and 30.  Please re-enter height.");
const QString kCannotWrite = QStringLiteral("Unable to add shape.");
const QString kDiskErrorCaption = QStringLiteral("Disk Error");

constexpr int kSide = ShapeRecord::MaxSide;

// Marks of the fill sweep; rows and columns outside 1..50 read as unmarked.
class MarkTable {
public:
    bool at(int row, int col) const
    {
        return row >= 1 && row <= kSide && col >= 1 && col <= kSide && m_marks[(row - 1) * kSide + (col - 1)];
    }
    void set(int row, int col) { m_marks[(row - 1) * kSide + (col - 1)] = true; }

private:
    std::array<bool, kSide * kSide> m_marks{};
};
} // namespace

ShapeEditor::ShapeEditor(ShapeEditorMode mode, const ShapeRecord& start, int recordIndex)
    : m_mode(mode), m_recordIndex(recordIndex), m_shape(mode == ShapeEditorMode::New ? newShape() : start)
{
    normalizeShape(m_shape);
}

int ShapeEditor::cellSize() const
{
    return std::min(ImageSize / m_shape.width(), ImageSize / m_shape.height()) - 1;
}

std::optional<GridCell> ShapeEditor::cellAt(QPoint pixel) const
{
    const int s = std::max(cellSize(), 1);
    if (pixel.x() < 0 || pixel.y() < 0)
        return std::nullopt;
    const GridCell cell{pixel.y() / s + 1, pixel.x() / s + 1};
    if (cell.row > kSide || cell.col > kSide)
        return std::nullopt;
    return cell;
}

bool ShapeEditor::cellSet(int row, int col) const { return m_shape.cellInShape(row, col); }

void ShapeEditor::takeUndoCopy()
{
    m_undo = m_shape;
    m_canUndo = true;
}

void ShapeEditor::toggle(int row, int col)
{
    m_canUndo = false;
    m_shape.setCell(row, col, !cellSet(row, col));
}

void ShapeEditor::floodFill(int r0, int c0)
{
    if (r0 < 1 || r0 > kSide || c0 < 1 || c0 > kSide)
        return;
    takeUndoCopy();
    const int w = m_shape.width();
    const int h = m_shape.height();
    const bool value = cellSet(r0, c0);
    const auto same = [&](int r, int c) { return cellSet(r, c) == value; };
    MarkTable marks;

    marks.set(r0, c0);
    for (int c = c0 - 1; c >= 1 && same(r0, c); --c)
        marks.set(r0, c);
    for (int c = c0 + 1; c <= w && same(r0, c); ++c)
        marks.set(r0, c);

    // One pass over row r: reach down from the row above, up from the row
    // below, then along the row (rightwards freely, leftwards one cell).
    // A test that succeeds counts as a find even for a cell already marked.
    const auto rowPass = [&](int r) {
        bool found = false;
        const auto reach = [&](int c, bool fromMarked) {
            if (fromMarked && same(r, c)) {
                marks.set(r, c);
                found = true;
            }
        };
        if (r > 1)
            for (int c = 1; c <= w; ++c)
                reach(c, marks.at(r - 1, c));
        if (r < h)
            for (int c = 1; c <= w; ++c)
                reach(c, marks.at(r + 1, c));
        if (w >= 3)
            for (int c = 2; c <= w - 1; ++c) {
                reach(c, marks.at(r, c - 1));
                reach(c, marks.at(r, c + 1));
            }
        return found;
    };
    for (int r = r0 - 1; r >= 1; --r)
        if (!rowPass(r))
            break;
    for (int r = r0 + 1; r <= h; ++r)
        if (!rowPass(r))
            break;

    for (int r = 1; r <= kSide; ++r)
        for (int c = 1; c <= kSide; ++c)
            if (marks.at(r, c))
                m_shape.setCell(r, c, !value);
}

void ShapeEditor::shift(ShiftDirection direction)
{
    takeUndoCopy();
    const int w = m_shape.width();
    const int h = m_shape.height();
    const auto move = [this](int toRow, int toCol, int fromRow, int fromCol) {
        m_shape.setCell(toRow, toCol, cellSet(fromRow, fromCol));
    };
    switch (direction) {
    case ShiftDirection::Left:
        for (int r = 1; r <= h; ++r) {
            for (int c = 2; c <= w; ++c)
                move(r, c - 1, r, c);
            m_shape.setCell(r, w, false);
        }
        break;
    case ShiftDirection::Right:
        for (int r = 1; r <= h; ++r) {
            for (int c = w; c >= 2; --c)
                move(r, c, r, c - 1);
            m_shape.setCell(r, 1, false);
        }
        break;
    case ShiftDirection::Up:
        for (int c = 1; c <= w; ++c) {
            for (int r = 2; r <= h; ++r)
                move(r - 1, c, r, c);
            m_shape.setCell(h, c, false);
        }
        break;
    case ShiftDirection::Down:
        for (int c = 1; c <= w; ++c) {
            for (int r = h; r >= 2; --r)
                move(r, c, r - 1, c);
            m_shape.setCell(1, c, false);
        }
        break;
    }
}

void ShapeEditor::reverse()
{
    m_canUndo = false;
    for (auto& cell : m_shape.ShapeCells)
        cell ^= 1;
}

void ShapeEditor::undo()
{
    if (!m_canUndo)
        return;
    m_shape = m_undo;
    m_canUndo = false;
}

std::optional<int> ShapeEditor::parseSide(const QString& text)
{
    // Only blanks are trimmed; anything but an optional sign and digits is
    // not a number.
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    const QStringView number = QStringView(text).sliced(first, last - first);
    const qsizetype digitsFrom = (!number.isEmpty() && (number[0] == u'+' || number[0] == u'-')) ? 1 : 0;
    if (number.size() == digitsFrom
        || !std::all_of(number.begin() + digitsFrom, number.end(), [](QChar ch) { return ch >= u'0' && ch <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const int value = number.toInt(&ok, 10);
    if (!ok || value < MinSide || value > MaxSide)
        return std::nullopt;
    return value;
}

bool ShapeEditor::applyWidth(const QString& text)
{
    const auto value = parseSide(text);
    if (!value) {
        showError(kWidthMessage);
        return false;
    }
    m_shape.ShapeWidth = static_cast<std::int16_t>(*value);
    return true;
}

bool ShapeEditor::applyHeight(const QString& text)
{
    const auto value = parseSide(text);
    if (!value) {
        showError(kHeightMessage);
        return false;
    }
    m_shape.ShapeHeight = static_cast<std::int16_t>(*value);
    return true;
}

ShapeEditor::SaveResult ShapeEditor::save(const QString& title, const QString& widthText,
                                          const QString& heightText, const QString& libraryPath)
{
    if (!applyHeight(heightText))
        return SaveResult::BadHeight;
    if (!applyWidth(widthText))
        return SaveResult::BadWidth;
    m_shape.ShapeName.assign(Trim(unicodeToAnsi(title)));
    std::optional<int> index;
    if (m_mode == ShapeEditorMode::Modify) {
        if (writeShape(libraryPath, m_recordIndex, m_shape))
            index = m_recordIndex;
    } else {
        index = appendShape(libraryPath, m_shape);
    }
    if (!index) {
        showMessage(kDiskErrorCaption, kCannotWrite);
        return SaveResult::CannotWrite;
    }
    m_saved = true;
    m_savedIndex = *index;
    return SaveResult::Saved;
}
