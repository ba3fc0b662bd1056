#pragma once

#include "storage/shaperecord.h"

#include <QPoint>
#include <QString>

#include <optional>

enum class ShapeEditorMode { New = 1, Modify = 2, Copy = 3 };
enum class ShiftDirection { Left, Up, Right, Down };

// A cell of the 50 x 50 mask, row and column counted from 1.
struct GridCell {
    int row;
    int col;
    bool operator==(const GridCell&) const = default;
};

// The working state of the shape editor: the shape being drawn, one undo
// copy, and the checks and saving of its size and name. Rows and columns are
// counted from 1; W and H are the shape's width and height.
class ShapeEditor {
public:
    static constexpr int ImageSize = 401; // pixels of the square grid image
    static constexpr int MinSide = 5;
    static constexpr int MaxSide = 30;

    enum class SaveResult { Saved, BadHeight, BadWidth, CannotWrite };

    // New starts from newShape(); Modify and Copy from `start`. Modify
    // overwrites `recordIndex` when saved.
    ShapeEditor(ShapeEditorMode mode, const ShapeRecord& start, int recordIndex = -1);

    const ShapeRecord& shape() const { return m_shape; }
    ShapeEditorMode mode() const { return m_mode; }
    bool canUndo() const { return m_canUndo; }
    bool saved() const { return m_saved; }
    // The record written by the last successful save.
    int savedIndex() const { return m_savedIndex; }

    // Cell size of the grid image: min(401 div W, 401 div H) - 1.
    int cellSize() const;
    // The cell under an image position; nullopt left of or above the image
    // and beyond row or column 50. Positions right of or below the drawn
    // W x H area address hidden cells, which show once the shape grows.
    std::optional<GridCell> cellAt(QPoint pixel) const;

    // Flips one cell; disables undo.
    void toggle(int row, int col);
    // Inverts the region of cells equal to the clicked one that the row sweep
    // reaches (not a complete flood fill); undoable.
    void floodFill(int row, int col);
    // Moves the W x H pattern one cell; the cell row or column moved out is
    // lost and the one moved in is cleared; undoable.
    void shift(ShiftDirection direction);
    // Inverts all 2,500 cells; disables undo.
    void reverse();
    // Restores the shape as it was before the last fill or shift.
    void undo();

    // Reads a width or height text (trimmed, a whole number 5..30) and stores
    // it. On failure shows the message (caption "Error") and changes nothing.
    bool applyWidth(const QString& text);
    bool applyHeight(const QString& text);

    // Checks height then width, names the shape (trimmed, cut to 50) and
    // writes it to the library at `libraryPath`: appended for New and Copy,
    // in place for Modify. Shows the message of a failure; IoError when a
    // write fails after the file was opened.
    SaveResult save(const QString& title, const QString& widthText, const QString& heightText,
                    const QString& libraryPath);

    // A whole number 5..30 read from trimmed text, or nullopt.
    static std::optional<int> parseSide(const QString& text);

private:
    bool cellSet(int row, int col) const;
    void takeUndoCopy();

    ShapeEditorMode m_mode;
    int m_recordIndex;
    ShapeRecord m_shape{};
    ShapeRecord m_undo{};
    bool m_canUndo = false;
    bool m_saved = false;
    int m_savedIndex = -1;
};
