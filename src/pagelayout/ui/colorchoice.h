#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class QFrame;
class QLabel;
class QPushButton;

// Shows the system colour dialog preset with a Windows colour (0x00BBGGRR);
// the chosen colour, or nothing on Cancel.
std::optional<std::uint32_t> chooseWindowsColor(QWidget* parent, std::uint32_t color);
// Replaces the dialog (tests); an empty function restores the real one.
using ColorChooser = std::function<std::optional<std::uint32_t>(QWidget* parent, std::uint32_t color)>;
void setColorChooser(ColorChooser chooser);

// A labelled colour swatch with the button that changes it: the button
// opens the colour dialog and the swatch shows the colour chosen. Children:
// "<name>Swatch" and "<name>Button".
class ColorChoice : public QWidget {
    Q_OBJECT
public:
    ColorChoice(const QString& name, const QString& label, const QString& buttonCaption, std::uint32_t color,
                QWidget* parent = nullptr);

    std::uint32_t color() const { return m_color; }
    QPushButton* button() const { return m_button; }

private:
    void chooseColor();
    void showColor();

    std::uint32_t m_color;
    QFrame* m_swatch;
    QPushButton* m_button;
};
