#include "pagelayout/ui/sizelocationdialog.h"

#include "base/messageservice.h"
#include "pagelayout/objectedits.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int kEditLength = 6;
} // namespace

TSizeLocation::TSizeLocation(const LayoutObject& object, int pixelsPerUnit, bool inches, int pageWidthPixels,
                             int pageHeightPixels, QWidget* parent)
    : ObjectDialog(object, QStringLiteral("SizeLocation"), objectDialogTitle(kSizeLocationTitle, object), parent)
    , m_pixelsPerUnit(pixelsPerUnit)
    , m_pageWidthPixels(pageWidthPixels)
    , m_pageHeightPixels(pageHeightPixels)
{
    const SizeLocationTexts texts = sizeLocationTexts(objectRect(object), pixelsPerUnit);
    m_left = addEdit(QStringLiteral("Left"), kEditLength, texts.left);
    m_top = addEdit(QStringLiteral("Top"), kEditLength, texts.top);
    m_width = addEdit(QStringLiteral("Width"), kEditLength, texts.width);
    m_height = addEdit(QStringLiteral("Height"), kEditLength, texts.height);

    auto* grid = new QGridLayout;
    const struct {
        const char* caption;
        QLineEdit* edit;
    } rows[] = {{"Left", m_left}, {"Top", m_top}, {"Width", m_width}, {"Height", m_height}};
    int row = 0;
    for (const auto& entry : rows) {
        auto* label = new QLabel(QString::fromLatin1(entry.caption), this);
        label->setBuddy(entry.edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(entry.edit, row, 1);
        ++row;
    }
    auto* units = new QLabel(inches ? QStringLiteral("Values In Inches") : QStringLiteral("Values In Centimeters"),
                             this);
    units->setObjectName(QStringLiteral("UnitsCaption"));
    grid->addWidget(units, row, 0, 1, 2, Qt::AlignHCenter);
    setContent(grid);
}

void TSizeLocation::OkClick()
{
    const SizeLocationTexts texts{m_left->text(), m_top->text(), m_width->text(), m_height->text()};
    const SizeLocationEntry entry = readSizeLocation(texts, m_pixelsPerUnit, m_pageWidthPixels, m_pageHeightPixels);
    if (entry.invalid) {
        QLineEdit* const edits[] = {m_left, m_top, m_width, m_height};
        refuse(edits[static_cast<int>(*entry.invalid)], entry.message);
        return;
    }
    if (entry.offPage && askYesNo(QStringLiteral("Warning"), kOffPageQuestion))
        return; // Yes aborts the changes: the user corrects them or cancels
    m_object.setRect(entry.rect.left, entry.rect.top, entry.rect.right, entry.rect.bottom);
    accept();
}
