#include "shapes/ui/shapeeditordialog.h"

#include "base/messageservice.h"
#include "shapes/shapelibrary.h"
#include "shapes/ui/shapegridimage.h"
#include "widgets/dialoghelper.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>

namespace {
constexpr int kTitleLength = 30;
constexpr int kSizeLength = 2;

QToolButton* arrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setObjectName(name);
    return button;
}

// Limits what is typed, not what is there: a stored name longer than the
// limit is shown whole and may be shortened, but typing never makes a name
// longer than the limit or than it already is. (A maximum length on the edit
// would cut the stored name as soon as it is shown.)
class TypingLimit : public QValidator {
public:
    TypingLimit(int limit, QObject* parent) : QValidator(parent), m_limit(limit) {}

    // Lets the edit take a text of this length from the program.
    void allowLength(qsizetype length) const { m_length = length; }

    State validate(QString& input, int&) const override
    {
        if (input.size() > std::max(m_limit, m_length))
            return Invalid;
        m_length = input.size();
        return Acceptable;
    }

private:
    qsizetype m_limit;
    mutable qsizetype m_length = 0; // of the text last accepted
};

QLineEdit* labelledEdit(const QString& caption, const QString& name, int maxLength, QGridLayout* layout,
                        QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    auto* label = new QLabel(caption, parent);
    label->setBuddy(edit);
    const int row = layout->rowCount();
    layout->addWidget(label, row, 0);
    layout->addWidget(edit, row, 1);
    return edit;
}
} // namespace

TDoShapes::TDoShapes(ShapeEditorMode mode, const ShapeRecord& start, int recordIndex, QWidget* parent)
    : QDialog(parent), m_editor(mode, start, recordIndex)
{
    setWindowTitle(QStringLiteral("Shape Creator"));
    m_image = new ShapeGridImage(m_editor, this);
    connect(m_image, &ShapeGridImage::cellClicked, this, &TDoShapes::GridImageClick);

    auto* fields = new QGridLayout;
    m_title = labelledEdit(QStringLiteral("Title"), QStringLiteral("Title"), decltype(ShapeRecord::ShapeName)::Capacity,
                           fields, this);
    auto* titleLimit = new TypingLimit(kTitleLength, m_title);
    m_title->setValidator(titleLimit);
    m_width = labelledEdit(QStringLiteral("Width"), QStringLiteral("Width"), kSizeLength, fields, this);
    m_height = labelledEdit(QStringLiteral("Height"), QStringLiteral("Height"), kSizeLength, fields, this);
    m_width->installEventFilter(this);
    m_height->installEventFilter(this);

    auto* shiftBox = new QGroupBox(QStringLiteral("Shift Grid"), this);
    auto* shiftLayout = new QGridLayout(shiftBox);
    const struct {
        Qt::ArrowType arrow;
        const char* name;
        ShiftDirection direction;
        int row;
        int col;
    } arrows[] = {{Qt::LeftArrow, "ShiftLeft", ShiftDirection::Left, 1, 0},
                  {Qt::UpArrow, "ShiftUp", ShiftDirection::Up, 0, 1},
                  {Qt::RightArrow, "ShiftRight", ShiftDirection::Right, 1, 2},
                  {Qt::DownArrow, "ShiftDown", ShiftDirection::Down, 2, 1}};
    for (const auto& arrow : arrows) {
        QToolButton* button = arrowButton(arrow.arrow, QString::fromLatin1(arrow.name), shiftBox);
        shiftLayout->addWidget(button, arrow.row, arrow.col);
        const ShiftDirection direction = arrow.direction;
        connect(button, &QToolButton::clicked, this, [this, direction] { shift(direction); });
    }

    auto* adjustBox = new QGroupBox(QStringLiteral("Adjust Grid"), this);
    auto* adjustLayout = new QHBoxLayout(adjustBox);
    QPushButton* reverse = addButton(QStringLiteral("&Reverse"), QStringLiteral("Reverse"));
    m_undo = addButton(QStringLiteral("&Undo"), QStringLiteral("Undo"));
    adjustLayout->addWidget(reverse);
    adjustLayout->addWidget(m_undo);
    connect(reverse, &QPushButton::clicked, this, &TDoShapes::ReverseClick);
    connect(m_undo, &QPushButton::clicked, this, &TDoShapes::UndoClick);

    auto* notesBox = new QGroupBox(QStringLiteral("Notes"), this);
    auto* notesLayout = new QVBoxLayout(notesBox);
    notesLayout->addWidget(new QLabel(QStringLiteral("Left Click To Toggle"), notesBox));
    notesLayout->addWidget(new QLabel(QStringLiteral("Right Click To Fill"), notesBox));

    m_save = addButton(QStringLiteral("&Save"), QStringLiteral("Save"));
    m_cancel = addButton(QStringLiteral("&Cancel"), QStringLiteral("Cancel"));
    connect(m_save, &QPushButton::clicked, this, &TDoShapes::SaveClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* closeButtons = new QHBoxLayout;
    closeButtons->addWidget(m_save);
    closeButtons->addWidget(m_cancel);

    auto* side = new QVBoxLayout;
    side->addLayout(fields);
    side->addWidget(shiftBox);
    side->addWidget(adjustBox);
    side->addWidget(notesBox);
    side->addStretch();
    side->addLayout(closeButtons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_image, 0, Qt::AlignTop);
    layout->addLayout(side);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const QString name = m_editor.shape().ShapeName.text();
    titleLimit->allowLength(name.size());
    m_title->setText(name);
    showSize();
    redraw();
}

QPushButton* TDoShapes::addButton(const QString& caption, const QString& name)
{
    return makeButton(caption, name, this);
}

void TDoShapes::showSize()
{
    m_width->setText(QString::number(m_editor.shape().width()));
    m_height->setText(QString::number(m_editor.shape().height()));
}

void TDoShapes::redraw()
{
    m_undo->setEnabled(m_editor.canUndo());
    m_image->update();
}

void TDoShapes::GridImageClick(GridCell cell, Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        m_editor.toggle(cell.row, cell.col);
    else if (button == Qt::RightButton)
        m_editor.floodFill(cell.row, cell.col);
    redraw();
}

void TDoShapes::shift(ShiftDirection direction)
{
    m_editor.shift(direction);
    redraw();
}

void TDoShapes::ReverseClick()
{
    m_editor.reverse();
    redraw();
}

void TDoShapes::UndoClick()
{
    m_editor.undo();
    // The restored width and height are shown, so that the edits agree with
    // the grid (and Save does not silently bring back the other size).
    showSize();
    redraw();
}

void TDoShapes::SaveClick()
{
    ShapeEditor::SaveResult result = ShapeEditor::SaveResult::CannotWrite;
    runReportingIoErrors([&] {
        result = m_editor.save(m_title->text(), m_width->text(), m_height->text(), shapeLibraryPath());
    });
    redraw();
    switch (result) {
    case ShapeEditor::SaveResult::Saved:
        accept();
        break;
    case ShapeEditor::SaveResult::BadHeight:
        m_height->setFocus();
        break;
    case ShapeEditor::SaveResult::BadWidth:
        m_width->setFocus();
        break;
    case ShapeEditor::SaveResult::CannotWrite:
        break;
    }
}

void TDoShapes::sizeEditExit(QLineEdit* edit)
{
    const bool valid = edit == m_width ? m_editor.applyWidth(edit->text()) : m_editor.applyHeight(edit->text());
    if (!valid)
        refocusLater(edit);
    redraw();
}

bool TDoShapes::eventFilter(QObject* watched, QEvent* event)
{
    // Save checks the sizes itself and Cancel needs none.
    if ((watched == m_width || watched == m_height) && leftForAnotherControl(event, this, {m_save, m_cancel}))
        sizeEditExit(static_cast<QLineEdit*>(watched));
    return QDialog::eventFilter(watched, event);
}
