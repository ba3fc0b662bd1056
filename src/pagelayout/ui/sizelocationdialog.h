#pragma once

#include "pagelayout/ui/objectdialog.h"

class QLineEdit;

// "Size & Location of <name>": the object's left, top, width and height in
// page units. Ok checks the four values; a top-left corner beyond the page
// asks whether to abort (Yes keeps the dialog open). Children: Left, Top,
// Width, Height, UnitsCaption.
class TSizeLocation : public ObjectDialog {
    Q_OBJECT
public:
    // P is the designer's current design pixels per unit.
    TSizeLocation(const LayoutObject& object, int pixelsPerUnit, bool inches, int pageWidthPixels,
                  int pageHeightPixels, QWidget* parent = nullptr);

protected:
    void OkClick() override;

private:
    int m_pixelsPerUnit;
    int m_pageWidthPixels;
    int m_pageHeightPixels;
    QLineEdit* m_left;
    QLineEdit* m_top;
    QLineEdit* m_width;
    QLineEdit* m_height;
};
