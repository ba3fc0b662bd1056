#pragma once

#include "pagelayout/ui/objectdialog.h"

class ColorChoice;
class QCheckBox;
class QLineEdit;

// "Properties for <name>" of the puzzle grid: grid lines (their colour and
// width), lower-case letters, transparent cells or their background colour.
// The line width is checked even while the grid is off. Children: UseGrid,
// LowerCase, TransparentBack, CellColor, GridLineColor (each with its
// ...Button), LineWidth.
class TObjectProp2 : public ObjectDialog {
    Q_OBJECT
public:
    explicit TObjectProp2(const LayoutObject& object, QWidget* parent = nullptr);

protected:
    void OkClick() override;

private:
    void enableControls();

    QCheckBox* m_useGrid;
    QCheckBox* m_lowerCase;
    QCheckBox* m_transparent;
    ColorChoice* m_cellColor;
    ColorChoice* m_lineColor;
    QLineEdit* m_lineWidth;
};
