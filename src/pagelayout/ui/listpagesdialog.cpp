#include "pagelayout/ui/listpagesdialog.h"

#include "base/ansi.h"
#include "base/messageservice.h"
#include "pagelayout/layoutthumbnail.h"
#include "pagelayout/ui/extractdialog.h"
#include "pagelayout/ui/layoutthumbnailview.h"
#include "pagelayout/ui/pagedesignerdialog.h"
#include "storage/settings.h"
#include "widgets/dialoghelper.h"
#include "widgets/filechooser.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <memory>

namespace {

const QString kLayoutFilter = QStringLiteral("Page Layouts (*.PAG)|*.PAG");
const QString kLayoutExtension = QStringLiteral("PAG");

PageDesigner& installedDesigner()
{
    static PageDesigner designer;
    return designer;
}

} // namespace

void setPageDesigner(PageDesigner designer) { installedDesigner() = std::move(designer); }

TListPages::TListPages(LayoutListMode mode, const DialogContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_list(mode, context.settings.pageLayout.defaultPage)
{
    setObjectName(QStringLiteral("ListPages"));
    setWindowTitle(QStringLiteral("Puzzle Page Layouts"));

    m_pageList = new QListWidget(this);
    m_pageList->setObjectName(QStringLiteral("PageList"));
    m_pageList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pageList->setMinimumWidth(260);
    connect(m_pageList, &QListWidget::itemSelectionChanged, this, &TListPages::PageListClick);

    m_image = new LayoutThumbnailView(QSize(ThumbnailWidth, ThumbnailHeight), this);
    m_image->setObjectName(QStringLiteral("PageImage"));
    auto* picture = new QVBoxLayout;
    picture->addWidget(m_image);
    picture->addWidget(makeLegend());
    picture->addStretch();

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(addButton(QStringLiteral("SelectButton"), QStringLiteral("&Select"), &TListPages::SelectClick));
    buttons->addSpacing(8);
    buttons->addWidget(addButton(QStringLiteral("NewButton"), QStringLiteral("&New"), &TListPages::NewClick));
    buttons->addWidget(addButton(QStringLiteral("ModifyButton"), QStringLiteral("&Modify"), &TListPages::ModifyClick));
    buttons->addWidget(addButton(QStringLiteral("CopyButton"), QStringLiteral("&Copy"), &TListPages::CopyClick));
    buttons->addWidget(addButton(QStringLiteral("DeleteButton"), QStringLiteral("&Delete"), &TListPages::DeleteClick));
    buttons->addSpacing(8);
    buttons->addWidget(addButton(QStringLiteral("ImportButton"), QStringLiteral("&Import"), &TListPages::ImportClick));
    buttons->addWidget(addButton(QStringLiteral("ExportButton"), QStringLiteral("&Export"), &TListPages::ExportClick));
    buttons->addWidget(addButton(QStringLiteral("ExtractButton"), QStringLiteral("Ex&tract"), &TListPages::ExtractClick));
    buttons->addSpacing(8);
    buttons->addWidget(addButton(QStringLiteral("DefaultButton"), QStringLiteral("Set De&fault"), &TListPages::DefaultClick));
    buttons->addStretch();
    QPushButton* exitButton = addButton(QStringLiteral("ExitButton"), QStringLiteral("E&xit"), nullptr);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(exitButton);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pageList, 1);
    layout->addLayout(picture);
    layout->addLayout(buttons);
    button(QStringLiteral("SelectButton"))->setEnabled(false);
}

TListPages::~TListPages() = default;

QPushButton* TListPages::addButton(const QString& name, const QString& caption, void (TListPages::*handler)())
{
    auto* button = makeButton(caption, name, this);
    if (handler)
        connect(button, &QPushButton::clicked, this, handler);
    m_buttons[name] = button;
    return button;
}

QPushButton* TListPages::button(const QString& name) const
{
    const auto found = m_buttons.find(name);
    return found == m_buttons.end() ? nullptr : found->second;
}

QWidget* TListPages::makeLegend()
{
    struct Swatch {
        ObjectKind kind;
        const char* label;
    };
    static const Swatch swatches[] = {{ObjectKind::Puzzle, "Puzzle"},
                                      {ObjectKind::WordList, "Words"},
                                      {ObjectKind::Title, "Title"},
                                      {ObjectKind::Bonus, "Bonus"},
                                      {ObjectKind::Text, "Text, Shapes"}};
    auto* legend = new QWidget(this);
    legend->setObjectName(QStringLiteral("Legend"));
    auto* grid = new QGridLayout(legend);
    grid->setContentsMargins(0, 4, 0, 0);
    int row = 0;
    for (const Swatch& swatch : swatches) {
        auto* colour = new QFrame(legend);
        colour->setFrameStyle(QFrame::Box | QFrame::Plain);
        colour->setFixedSize(24, 14);
        colour->setAutoFillBackground(true);
        QPalette palette = colour->palette();
        palette.setColor(QPalette::Window, thumbnailColour(static_cast<int>(swatch.kind)));
        colour->setPalette(palette);
        grid->addWidget(colour, row, 0);
        grid->addWidget(new QLabel(QString::fromLatin1(swatch.label), legend), row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return legend;
}

void TListPages::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TListPages::FormShow()
{
    runReportingIoErrors([&] { m_list.show(); });
    showList();
}

void TListPages::showList()
{
    {
        const QSignalBlocker blocker(m_pageList);
        m_pageList->clear();
        for (const LayoutListEntry& entry : m_list.entries())
            m_pageList->addItem(ansiToUnicode(entry.text));
        if (m_list.hasSelection())
            m_pageList->setCurrentRow(m_list.selected());
    }
    showSelection();
}

void TListPages::showSelection()
{
    // An empty list leaves the last picture as it was.
    if (!m_list.isEmpty())
        m_image->draw(m_list.layout());
    enableButtons();
}

void TListPages::enableButtons()
{
    const bool any = !m_list.isEmpty();
    for (const char* name : {"DeleteButton", "CopyButton", "ModifyButton", "ExportButton"})
        button(QString::fromLatin1(name))->setEnabled(any);
    button(QStringLiteral("SelectButton"))->setEnabled(m_list.canSelect());
}

void TListPages::PageListClick()
{
    const QList<QListWidgetItem*> selected = m_pageList->selectedItems();
    const int row = selected.isEmpty() ? -1 : m_pageList->row(selected.first());
    runReportingIoErrors([&] { m_list.select(row); });
    showSelection();
}

void TListPages::SelectClick()
{
    if (m_list.mode() == LayoutListMode::Library || !m_list.choose())
        return;
    m_chosen = true;
    accept();
}

void TListPages::openDesigner(PageDesignerMode mode)
{
    if (mode != PageDesignerMode::New && !m_list.requireSelection())
        return;
    std::unique_ptr<PageLayoutRecord> start;
    if (mode != PageDesignerMode::New)
        start = std::make_unique<PageLayoutRecord>(m_list.designerStart(mode));
    const qint64 index = mode == PageDesignerMode::Modify ? m_list.selectedRecordIndex() : -1;
    const PageDesigner& replacement = installedDesigner();
    const bool saved = replacement ? replacement(this, mode, index, start.get())
                                   : runPageDesigner(this, mode, index, start.get(), m_context);
    if (!saved)
        return;
    runReportingIoErrors([&] { m_list.designerSaved(mode, index); });
    showList();
}

void TListPages::NewClick() { openDesigner(PageDesignerMode::New); }
void TListPages::ModifyClick() { openDesigner(PageDesignerMode::Modify); }
void TListPages::CopyClick() { openDesigner(PageDesignerMode::Copy); }

void TListPages::DeleteClick()
{
    runReportingIoErrors([&] { m_list.deleteSelected(); });
    showList();
}

void TListPages::DefaultClick()
{
    runReportingIoErrors([&] { m_list.setDefaultSelected(); });
    showList();
}

void TListPages::ImportClick()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.title = QStringLiteral("Import Page Layouts");
    request.filter = kLayoutFilter;
    request.defaultExtension = kLayoutExtension;
    request.initialPath = m_context.settings.misc.lastImportLayoutFile;
    const QString path = chooseFile(this, request);
    if (path.isEmpty())
        return;
    m_context.settings.misc.lastImportLayoutFile = path;
    runReportingIoErrors([&] { m_list.importFrom(path); });
    showList();
}

void TListPages::ExportClick()
{
    if (!m_list.requireSelection())
        return;
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("Export Page Layouts");
    request.filter = kLayoutFilter;
    request.defaultExtension = kLayoutExtension;
    request.initialPath = m_context.settings.misc.lastExportLayoutFile;
    request.overwritePrompt = true;
    const QString path = chooseFile(this, request);
    if (path.isEmpty())
        return;
    m_context.settings.misc.lastExportLayoutFile = path;
    runReportingIoErrors([&] { m_list.exportTo(path); });
    showList();
}

void TListPages::ExtractClick()
{
    TExtractAPuzzle dialog(m_list, m_context.settings.misc.lastGroup, this);
    showDialog(dialog, m_context);
    showList();
}

void showPageLayoutList(QWidget* parent, const DialogContext& context)
{
    TListPages dialog(LayoutListMode::Library, context, parent);
    showDialog(dialog, context);
}

bool choosePageLayout(QWidget* parent, const DialogContext& context, LayoutListMode mode, PageLayoutRecord& layout)
{
    TListPages dialog(mode, context, parent);
    showDialog(dialog, context);
    if (!dialog.layoutChosen())
        return false;
    layout = dialog.chosenLayout();
    return true;
}
