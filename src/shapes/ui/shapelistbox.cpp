#include "shapes/ui/shapelistbox.h"

#include "base/messageservice.h"
#include "base/paths.h"
#include "shapes/shapedrawing.h"
#include "shapes/ui/shapeeditordialog.h"
#include "storage/settings.h"
#include "widgets/dialoghelper.h"
#include "widgets/filechooser.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
constexpr int kItemHeight = 15; // pixels at screen scale 1.0
// The list shows at least this many entries at every screen scale, so a
// larger preset never shows fewer shapes than the smallest one.
constexpr int kMinimumVisibleEntries = 7;
} // namespace

ShapeListBox::ShapeListBox(ShapeListMode mode, ShapeListContext shapes, const DialogContext& context,
                           int thumbnailSize, QWidget* parent)
    : QWidget(parent), m_list(mode, shapes), m_context(context), m_thumbnailSize(thumbnailSize)
{
    auto* heading = new QLabel(QStringLiteral("Puzzle Shape"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);

    m_box = new QListWidget(this);
    m_box->setObjectName(QStringLiteral("ShapeBox"));
    m_box->setUniformItemSizes(true);
    m_box->setMinimumWidth(150);
    m_box->setMinimumHeight(kMinimumVisibleEntries * context.scaled(kItemHeight) + 2 * m_box->frameWidth());
    connect(m_box, &QListWidget::itemSelectionChanged, this, &ShapeListBox::ShapeBoxClick);

    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("LayoutImage"));
    m_image->setFixedSize(thumbnailSize, thumbnailSize);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading, 0, 0, 1, 4);
    layout->addWidget(m_box, 1, 0, 1, 3);
    layout->addWidget(m_image, 1, 3, 3, 1, Qt::AlignTop);

    QPushButton* newButton = addButton(QStringLiteral("&New"), QStringLiteral("NewShape"));
    m_modify = addButton(QStringLiteral("&Modify"), QStringLiteral("ModifyShape"));
    QPushButton* copyButton = addButton(QStringLiteral("C&opy"), QStringLiteral("CopyShape"));
    m_delete = addButton(QStringLiteral("&Delete"), QStringLiteral("DeleteShape"));
    QPushButton* importButton = addButton(QStringLiteral("Im&port"), QStringLiteral("ImportShape"));
    QPushButton* exportButton = addButton(QStringLiteral("Expo&rt"), QStringLiteral("ExportShape"));
    for (int k = 0; k < m_buttons.size(); ++k)
        layout->addWidget(m_buttons[k], 2 + k / 3, k % 3);

    connect(newButton, &QPushButton::clicked, this, &ShapeListBox::NewShapeClick);
    connect(m_modify, &QPushButton::clicked, this, &ShapeListBox::ModifyShapeClick);
    connect(copyButton, &QPushButton::clicked, this, &ShapeListBox::CopyShapeClick);
    connect(m_delete, &QPushButton::clicked, this, &ShapeListBox::DeleteShapeClick);
    connect(importButton, &QPushButton::clicked, this, &ShapeListBox::ImportShapeClick);
    connect(exportButton, &QPushButton::clicked, this, &ShapeListBox::ExportShapeClick);
    refresh();
}

QPushButton* ShapeListBox::addButton(const QString& caption, const QString& name)
{
    auto* button = makeButton(caption, name, this);
    m_buttons.append(button);
    return button;
}

template <typename Operation>
void ShapeListBox::run(Operation&& operation)
{
    runReportingIoErrors(std::forward<Operation>(operation));
    refresh();
    emit shapeChanged();
}

void ShapeListBox::load()
{
    run([this] { m_list.load(); });
}

void ShapeListBox::setControlsEnabled(bool enabled)
{
    m_controlsEnabled = enabled;
    refresh();
}

void ShapeListBox::refresh()
{
    {
        const QSignalBlocker blocker(m_box);
        m_box->clear();
        const int itemHeight = m_context.scaled(kItemHeight);
        for (const ShapeListEntry& entry : m_list.entries()) {
            auto* item = new QListWidgetItem(entry.text, m_box);
            // Each entry is as wide as the list (in a list of one column)
            // and kItemHeight pixels high at the screen scale.
            item->setSizeHint(QSize(0, itemHeight));
        }
        m_box->setCurrentRow(m_list.selected());
    }
    const QSize size(m_thumbnailSize, m_thumbnailSize);
    if (m_list.entries().isEmpty()) {
        QPixmap blank(size);
        blank.fill(palette().color(QPalette::Button));
        m_image->setPixmap(blank);
    } else {
        m_image->setPixmap(QPixmap::fromImage(
            shapeThumbnail(m_list.currentShape(), size, palette().color(QPalette::Button))));
    }
    m_box->setEnabled(m_controlsEnabled);
    for (QPushButton* button : m_buttons)
        button->setEnabled(m_controlsEnabled);
    m_modify->setEnabled(m_controlsEnabled && m_list.canModifySelected());
    m_delete->setEnabled(m_controlsEnabled && m_list.canModifySelected());
}

void ShapeListBox::ShapeBoxClick()
{
    const int row = m_box->currentRow();
    if (row < 0 || row == m_list.selected())
        return;
    run([this, row] { m_list.select(row); });
}

void ShapeListBox::openEditor(ShapeEditorMode mode)
{
    const ShapeListEntry* entry = m_list.selectedEntry();
    const int index = (mode == ShapeEditorMode::Modify && entry) ? entry->recordIndex : -1;
    TDoShapes editor(mode, m_list.editorStart(mode), index, this);
    showDialog(editor, m_context);
    if (editor.saved())
        run([this, mode, &editor] { m_list.editorSaved(mode, editor.savedIndex()); });
}

void ShapeListBox::NewShapeClick() { openEditor(ShapeEditorMode::New); }

void ShapeListBox::ModifyShapeClick()
{
    if (m_list.canModifySelected())
        openEditor(ShapeEditorMode::Modify);
}

void ShapeListBox::CopyShapeClick() { openEditor(ShapeEditorMode::Copy); }

void ShapeListBox::DeleteShapeClick()
{
    run([this] { m_list.deleteSelected(); });
}

namespace {
// The file dialog of shape import or export, starting at the remembered
// file name (the start directory the first time).
FileDialogRequest shapeFileRequest(FileDialogRequest::Kind kind, const QString& remembered)
{
    FileDialogRequest request;
    request.kind = kind;
    const bool open = kind == FileDialogRequest::Kind::Open;
    request.title = open ? QStringLiteral("Import Puzzle Shape") : QStringLiteral("Export Puzzle Shape");
    request.filter = open ? QStringLiteral("Puzzle Shapes (*.LAY)|*.LAY") : QStringLiteral("Puzzle Shape (*.LAY)|*.LAY");
    request.defaultExtension = QStringLiteral("LAY");
    request.initialPath = remembered.isEmpty() ? startDirectory() : remembered;
    request.overwritePrompt = !open;
    return request;
}
} // namespace

void ShapeListBox::ImportShapeClick()
{
    QString& remembered = m_context.settings.misc.lastImportShapeFile;
    const QString path = chooseFile(this, shapeFileRequest(FileDialogRequest::Kind::Open, remembered));
    if (path.isEmpty())
        return;
    remembered = path;
    run([this, &path] { m_list.importFrom(path); });
}

void ShapeListBox::ExportShapeClick()
{
    if (!m_list.checkExportSelection())
        return;
    QString& remembered = m_context.settings.misc.lastExportShapeFile;
    const QString path = chooseFile(this, shapeFileRequest(FileDialogRequest::Kind::Save, remembered));
    if (path.isEmpty())
        return;
    remembered = path;
    run([this, &path] { m_list.exportTo(path); });
}
