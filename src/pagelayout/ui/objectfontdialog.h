#pragma once

#include "pagelayout/objectfont.h"

#include <QDialog>

#include <functional>
#include <optional>

class QFontDialog;
class QPushButton;

// The font dialog of a layout object: family, style, size and effects of the
// system's font dialog, with the text colour beside them.
class ObjectFontDialog : public QDialog {
    Q_OBJECT
public:
    explicit ObjectFontDialog(const ObjectFont& font, QWidget* parent = nullptr);

    ObjectFont chosenFont() const;

private:
    void chooseColor();
    void showColor();

    QFontDialog* m_fonts;
    QPushButton* m_colorButton;
    std::uint32_t m_color;
};

// Shows the font dialog on a font; the chosen font, or nothing on Cancel.
using ObjectFontChooser = std::function<std::optional<ObjectFont>(QWidget* parent, const ObjectFont& font)>;
std::optional<ObjectFont> chooseObjectFont(QWidget* parent, const ObjectFont& font);
// Replaces the dialog (tests); an empty function restores the real one.
void setObjectFontChooser(ObjectFontChooser chooser);
