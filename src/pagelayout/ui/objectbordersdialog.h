#pragma once

#include "pagelayout/ui/objectdialog.h"

class ColorChoice;
class QCheckBox;
class QLineEdit;

// "Border Info for <name>": whether a border is drawn, its width and colour.
// The width is checked even while the border is off. Children: UseBorder,
// Width, BorderColor (with BorderColorButton).
class TObjectBorders : public ObjectDialog {
    Q_OBJECT
public:
    explicit TObjectBorders(const LayoutObject& object, QWidget* parent = nullptr);

protected:
    void OkClick() override;

private:
    void UseBorderClick();

    QCheckBox* m_useBorder;
    QLineEdit* m_width;
    ColorChoice* m_color;
};
