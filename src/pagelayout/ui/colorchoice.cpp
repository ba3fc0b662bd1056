#include "pagelayout/ui/colorchoice.h"

#include "report/canvas.h"

#include <QColorDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

ColorChooser& installedChooser()
{
    static ColorChooser chooser;
    return chooser;
}

std::uint32_t windowsColor(const QColor& color)
{
    return std::uint32_t(color.red()) | std::uint32_t(color.green()) << 8 | std::uint32_t(color.blue()) << 16;
}

} // namespace

std::optional<std::uint32_t> chooseWindowsColor(QWidget* parent, std::uint32_t color)
{
    if (installedChooser())
        return installedChooser()(parent, color);
    const QColor chosen = QColorDialog::getColor(colorFromWindows(color), parent, QStringLiteral("Color"));
    if (!chosen.isValid())
        return std::nullopt;
    return windowsColor(chosen);
}

void setColorChooser(ColorChooser chooser) { installedChooser() = std::move(chooser); }

ColorChoice::ColorChoice(const QString& name, const QString& label, const QString& buttonCaption,
                         std::uint32_t color, QWidget* parent)
    : QWidget(parent), m_color(color & 0x00FFFFFF)
{
    setObjectName(name);
    m_swatch = new QFrame(this);
    m_swatch->setObjectName(name + QStringLiteral("Swatch"));
    m_swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_swatch->setFixedSize(40, 20);
    m_swatch->setAutoFillBackground(true);
    m_button = new QPushButton(buttonCaption, this);
    m_button->setObjectName(name + QStringLiteral("Button"));
    m_button->setAutoDefault(false);
    connect(m_button, &QPushButton::clicked, this, &ColorChoice::chooseColor);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(label, this));
    row->addWidget(m_swatch);
    row->addStretch();
    row->addWidget(m_button);
    showColor();
}

void ColorChoice::chooseColor()
{
    if (const auto chosen = chooseWindowsColor(this, m_color)) {
        m_color = *chosen & 0x00FFFFFF;
        showColor();
    }
}

void ColorChoice::showColor()
{
    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Window, colorFromWindows(m_color));
    m_swatch->setPalette(palette);
}
