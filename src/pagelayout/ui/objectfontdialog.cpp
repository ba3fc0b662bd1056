#include "pagelayout/ui/objectfontdialog.h"

#include "pagelayout/ui/colorchoice.h"
#include "report/canvas.h"

#include <QFontDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

ObjectFontChooser& installedChooser()
{
    static ObjectFontChooser chooser;
    return chooser;
}

} // namespace

ObjectFontDialog::ObjectFontDialog(const ObjectFont& font, QWidget* parent)
    : QDialog(parent), m_color(font.color & 0x00FFFFFF)
{
    setObjectName(QStringLiteral("ObjectFont"));
    setWindowTitle(QStringLiteral("Font"));
    QFont initial(font.name);
    initial.setPointSize(std::max(1, font.size));
    initial.setBold(font.bold);
    initial.setItalic(font.italic);
    initial.setUnderline(font.underline);
    initial.setStrikeOut(font.strikeOut);
    m_fonts = new QFontDialog(initial, this);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setWindowFlags(Qt::Widget);

    m_colorButton = new QPushButton(this);
    m_colorButton->setObjectName(QStringLiteral("ColorButton"));
    connect(m_colorButton, &QPushButton::clicked, this, &ObjectFontDialog::chooseColor);
    showColor();

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_colorButton);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ObjectFontDialog::chooseColor()
{
    if (const auto chosen = chooseWindowsColor(this, m_color)) {
        m_color = *chosen & 0x00FFFFFF;
        showColor();
    }
}

void ObjectFontDialog::showColor()
{
    QPixmap swatch(16, 16);
    swatch.fill(colorFromWindows(m_color));
    m_colorButton->setIcon(QIcon(swatch));
    m_colorButton->setText(QStringLiteral("&Color..."));
}

ObjectFont ObjectFontDialog::chosenFont() const
{
    const QFont font = m_fonts->currentFont();
    return {font.family(), font.pointSize() > 0 ? font.pointSize() : 10, m_color, font.bold(),
            font.italic(),  font.underline(), font.strikeOut()};
}

std::optional<ObjectFont> chooseObjectFont(QWidget* parent, const ObjectFont& font)
{
    if (installedChooser())
        return installedChooser()(parent, font);
    ObjectFontDialog dialog(font, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenFont();
}

void setObjectFontChooser(ObjectFontChooser chooser)
{
    installedChooser() = std::move(chooser);
}
