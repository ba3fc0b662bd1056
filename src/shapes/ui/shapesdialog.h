#pragma once

#include "shapes/shapelist.h"

#include <QDialog>

class ShapeListBox;
struct DialogContext;

// "Shapes": the shape library on its own, opened from the main window's
// Edit menu. Browsing here changes the current shape but not "Last Shape".
class TSelectShapes : public QDialog {
    Q_OBJECT
public:
    TSelectShapes(ShapeListContext shapes, const DialogContext& context, QWidget* parent = nullptr);

    ShapeListBox* shapeBox() const { return m_shapes; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    ShapeListBox* m_shapes = nullptr;
    bool m_loaded = false;
};

// Shows the shapes dialog modally (the main window's "Puzzle Shape" command).
void showShapesDialog(QWidget* parent, const DialogContext& context, ShapeListContext shapes);
