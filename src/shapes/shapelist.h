#pragma once

#include "shapes/shapeeditor.h"
#include "storage/shaperecord.h"

#include <QList>
#include <QString>

struct PuzzleRecord;

// Where a shape list is shown. The stand-alone dialog only browses and
// edits the library; the word list editor's shape box also chooses the
// shape of the puzzle (and remembers it as "Last Shape"), and while a
// puzzle is modified it offers that puzzle's own shape as a first entry.
enum class ShapeListMode { StandAlone, EditorNew, EditorModify };

struct ShapeListEntry {
    QString text;    // "15x15 Heart"
    int recordIndex; // record in QZFLAY.DAT, or ShapeList::CurrentPuzzleIndex

    bool isCurrentPuzzle() const;
};

// What a shape list works on, all of it owned by the caller.
struct ShapeListContext {
    // The current shape: selecting an entry loads it here.
    ShapeRecord& currentShape;
    // The "Last Shape" setting, remembered and preselected in the editor modes.
    int& lastShape;
    // The puzzle being modified (EditorModify only; may be null otherwise).
    const PuzzleRecord* puzzle = nullptr;
};

// The shape list behind both hosts: its entries sorted by text, the selected
// entry, and the operations of its buttons. Messages go through the message
// service; a failed read or write after a file was opened throws IoError.
class ShapeList {
public:
    // The record index carried by the entry that stands for the shape of
    // the puzzle being modified.
    static constexpr int CurrentPuzzleIndex = 100000;

    ShapeList(ShapeListMode mode, ShapeListContext context);

    ShapeListMode mode() const { return m_mode; }
    const ShapeRecord& currentShape() const { return m_context.currentShape; }
    const QList<ShapeListEntry>& entries() const { return m_entries; }
    // The selected list position, or -1.
    int selected() const { return m_selected; }
    const ShapeListEntry* selectedEntry() const;
    // Modify and Delete apply only to a library entry.
    bool canModifySelected() const;

    // Rebuilds the list from the library (warning when it stays empty) and
    // selects the default entry.
    void load();
    // Loads the entry's shape into the current shape; a position outside the
    // list changes nothing.
    void select(int position);

    // Asks, then removes the selected record and selects the same position
    // (or the new last entry).
    void deleteSelected();
    // Adds the shape of a .LAY file to the library and selects it.
    void importFrom(const QString& path);
    // Export needs a selection: shows "No shape selected." when there is none.
    bool checkExportSelection() const;
    // Writes the selected entry's shape to a .LAY file.
    void exportTo(const QString& path);

    // The shape the editor starts from: the current shape for Modify, and
    // for Copy the current shape under its copy name (the library record and
    // the current shape are untouched).
    ShapeRecord editorStart(ShapeEditorMode mode) const;
    // After the editor saved: reloads the list and selects the edited record
    // (Modify) or the record just appended (New, Copy).
    void editorSaved(ShapeEditorMode mode, int recordIndex);

private:
    // Steps of loading without the selection; returns the default position.
    int rebuild();
    int positionOfRecord(int recordIndex) const;
    int insertSorted(const ShapeListEntry& entry);

    ShapeListMode m_mode;
    ShapeListContext m_context;
    QList<ShapeListEntry> m_entries;
    int m_selected = -1;
    ShapeRecord m_puzzleShape{}; // snapshot behind the Current Puzzle entry
};

// Sorts entries by text, case-insensitively; equal texts keep their order.
void sortShapeEntries(QList<ShapeListEntry>& entries);
