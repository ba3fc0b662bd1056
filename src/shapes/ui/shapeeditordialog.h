#pragma once

#include "shapes/shapeeditor.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class ShapeGridImage;

// "Shape Creator": draws one shape cell by cell and saves it into the shape
// library. Left click toggles a cell, right click fills a region; the
// pattern can be shifted, reversed and the last fill or shift undone. The
// caller reads saved() after the dialog closes. Child names: GridImage,
// Title, Width, Height, ShiftLeft, ShiftUp, ShiftRight, ShiftDown, Reverse,
// Undo, Save, Cancel.
class TDoShapes : public QDialog {
    Q_OBJECT
public:
    // Modify overwrites `recordIndex`; New ignores `start`.
    TDoShapes(ShapeEditorMode mode, const ShapeRecord& start, int recordIndex, QWidget* parent = nullptr);

    bool saved() const { return m_editor.saved(); }
    // The record written when saved() is true.
    int savedIndex() const { return m_editor.savedIndex(); }
    const ShapeEditor& editor() const { return m_editor; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void GridImageClick(GridCell cell, Qt::MouseButton button);
    void ReverseClick();
    void UndoClick();
    void SaveClick();

private:
    QPushButton* addButton(const QString& caption, const QString& name);
    void shift(ShiftDirection direction);
    // Checks the size edit that lost the focus; an invalid value keeps the
    // focus there.
    void sizeEditExit(QLineEdit* edit);
    void showSize();
    void redraw();

    ShapeEditor m_editor;
    ShapeGridImage* m_image = nullptr;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QPushButton* m_undo = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
};
