#pragma once

#include "pagelayout/ui/objectdialog.h"

class ColorChoice;
class QCheckBox;

// "Fill Info for <name>": whether a rectangle or circle is filled, and with
// which colour. Children: FillShape, FillColor (with FillColorButton).
class TObjectFill : public ObjectDialog {
    Q_OBJECT
public:
    explicit TObjectFill(const LayoutObject& object, QWidget* parent = nullptr);

protected:
    void OkClick() override;

private:
    QCheckBox* m_fillShape;
    ColorChoice* m_color;
};
