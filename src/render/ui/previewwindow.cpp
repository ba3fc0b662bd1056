#include "render/ui/previewwindow.h"

#include "base/messageservice.h"
#include "render/metafilepage.h"
#include "render/pageexport.h"
#include "render/previewrules.h"
#include "render/printrun.h"
#include "render/ui/htmldialog.h"
#include "render/ui/jpegfactordialog.h"
#include "render/ui/metafiledialog.h"
#include "render/ui/numcopiesdialog.h"
#include "storage/settings.h"
#include "widgets/dialoghelper.h"
#include "widgets/filechooser.h"
#include "widgets/windowshortcuts.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

static void initPreviewIcons() { Q_INIT_RESOURCE(previewicons); }

namespace {

const QString kPrintFailed = QStringLiteral("The printer could not start the print job.");

// Remembered sizes come from a settings file that can hold anything.
constexpr int kMinWidth = 320;
constexpr int kMinHeight = 240;
constexpr int kMaxSide = 16000;

} // namespace

TMyPreview::TMyPreview(const DialogContext& context, QWidget* parent, QPrinter* printer)
    : QDialog(parent), m_context(context), m_printer(printer)
{
    initPreviewIcons();
    setObjectName(QStringLiteral("MyPreview"));
    setWindowTitle(Caption);
    setSizeGripEnabled(true);

    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox"));
    m_scrollBox->setAlignment(Qt::AlignCenter);
    m_scrollBox->setBackgroundRole(QPalette::Dark);
    m_pageHolder = new QWidget;
    m_pageImage = new QLabel(m_pageHolder);
    m_pageImage->setObjectName(QStringLiteral("PageImage"));
    m_scrollBox->setWidget(m_pageHolder);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus();
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ToolBar"));
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(4, 3, 4, 3);
    barLayout->setSpacing(2);
    layout->addWidget(bar);
    layout->addWidget(m_scrollBox, 1);
    buildSpeedButtons();
    // Ctrl+X closes and Ctrl+Z fits the page width even from the zoom edit.
    giveWindowShortcutsPriority(this);

    m_preview.setZoomChanged([this](double factor) { m_zoomEdit->setText(formatZoom(factor)); });

    // The window takes its remembered bounds (a size from a damaged file is
    // kept within reason).
    const ReportSettings& r = reports();
    move(r.viewerLeft, r.viewerTop);
    resize(std::clamp(r.viewerWidth, kMinWidth, kMaxSide), std::clamp(r.viewerHeight, kMinHeight, kMaxSide));
}

TMyPreview::~TMyPreview() = default;

ReportSettings& TMyPreview::reports() const { return m_context.settings.reports; }
MiscSettings& TMyPreview::misc() const { return m_context.settings.misc; }
HtmlSettings& TMyPreview::html() const { return m_context.settings.html; }

void TMyPreview::setStream(const QByteArray& data, const QString& title)
{
    m_preview.setStream(data);
    m_printer.setStream(data);
    m_title = title;
    showPage();
}

void TMyPreview::setPrintCopy(const PrintCopy* copy, const PrintOptions& options)
{
    m_copy = copy;
    m_options = options;
    for (const char* name : {"ExportWmf", "ExportEmf"})
        action(QString::fromLatin1(name))->setEnabled(copy != nullptr);
    speedButton(QStringLiteral("SpeedMeta"))->setEnabled(copy != nullptr);
}

QAction* TMyPreview::action(const QString& name) const
{
    const auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

QToolButton* TMyPreview::speedButton(const QString& name) const
{
    const auto it = m_buttons.find(name);
    return it == m_buttons.end() ? nullptr : it->second;
}

QAction* TMyPreview::addCommand(QMenu* menu, const QString& name, const QString& caption, const QString& shortcut)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!shortcut.isEmpty())
        a->setShortcut(QKeySequence(shortcut));
    // Shortcuts work while the dialog has the focus, not only its menu bar.
    addAction(a);
    m_actions[name] = a;
    return a;
}

void TMyPreview::buildMenus()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MenuBar"));
    this->layout()->setMenuBar(bar);

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    connect(addCommand(file, QStringLiteral("PrintPage"), QStringLiteral("&Print Page"), QStringLiteral("Ctrl+P")),
            &QAction::triggered, this, &TMyPreview::PrintPageClick);
    connect(addCommand(file, QStringLiteral("PrintMultiple"), QStringLiteral("Print &Multiple Copies"),
                       QStringLiteral("Ctrl+M")),
            &QAction::triggered, this, &TMyPreview::PrintMultipleClick);
    file->addSeparator();
    connect(addCommand(file, QStringLiteral("Exit"), QStringLiteral("E&xit"), QStringLiteral("Ctrl+X")),
            &QAction::triggered, this, &QDialog::reject);

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    connect(addCommand(view, QStringLiteral("ZoomPageWidth"), QStringLiteral("Zoom &Page Width"),
                       QStringLiteral("Ctrl+Z")),
            &QAction::triggered, this, &TMyPreview::ZoomPageWidthClick);
    // Ctrl+W belongs to the whole page; the Windows metafile export has none.
    connect(addCommand(view, QStringLiteral("ZoomWholePage"), QStringLiteral("Zoom &Whole Page"),
                       QStringLiteral("Ctrl+W")),
            &QAction::triggered, this, &TMyPreview::ZoomPageClick);
    const auto zoomMenu = [&](const QString& title, const QString& shortcut,
                              std::initializer_list<std::tuple<const char*, const char*, double>> items) {
        QMenu* menu = view->addMenu(title);
        for (const auto& [name, caption, factor] : items)
            connect(addCommand(menu, QString::fromLatin1(name), QString::fromLatin1(caption), QString()),
                    &QAction::triggered, this, [this, factor = factor] { setZoom(factor); });
        // The submenu's shortcut opens it below the menu bar.
        auto* key = new QShortcut(QKeySequence(shortcut), this);
        connect(key, &QShortcut::activated, this,
                [menu, bar] { menu->popup(bar->mapToGlobal(QPoint(0, bar->height()))); });
    };
    zoomMenu(QStringLiteral("Zoom &In"), QStringLiteral("Ctrl+I"),
             {{"Zoom100", "&1 : 1", 100.0}, {"Zoom200", "&2 : 1", 200.0}});
    zoomMenu(QStringLiteral("Zoom &Out"), QStringLiteral("Ctrl+O"),
             {{"ZoomOut100", "1 : &1", 100.0},
              {"ZoomOut50", "1 : &2", 50.0},
              {"ZoomOut33", "1 : &3", 33.3},
              {"ZoomOut25", "1 : &4", 25.0},
              {"ZoomOut20", "1 : &5", 20.0}});

    QMenu* graphic = bar->addMenu(QStringLiteral("&Graphic Export"));
    QAction* wmf = addCommand(graphic, QStringLiteral("ExportWmf"), QStringLiteral("&Windows MetaFile (WMF)"), {});
    QAction* emf = addCommand(graphic, QStringLiteral("ExportEmf"), QStringLiteral("&Enhanced MetaFile (EMF)"),
                              QStringLiteral("Ctrl+E"));
    connect(wmf, &QAction::triggered, this, [this] { MetafileExportClick(MetafileFormat::Wmf); });
    connect(emf, &QAction::triggered, this, [this] { MetafileExportClick(MetafileFormat::Emf); });
    connect(addCommand(graphic, QStringLiteral("ExportBitmap"), QStringLiteral("Windows &Bitmap (BMP)"),
                       QStringLiteral("Ctrl+B")),
            &QAction::triggered, this, &TMyPreview::BitmapExportClick);
    connect(addCommand(graphic, QStringLiteral("ExportJpeg"), QStringLiteral("&JPEG (JPG)"), QStringLiteral("Ctrl+J")),
            &QAction::triggered, this, &TMyPreview::JpegExportClick);
    connect(addCommand(graphic, QStringLiteral("ExportPdf"), QStringLiteral("&Portable Document Format (PDF)"),
                       QStringLiteral("Ctrl+D")),
            &QAction::triggered, this, &TMyPreview::PdfExportClick);
    connect(addCommand(graphic, QStringLiteral("ExportSvg"), QStringLiteral("&Scalable Vector Graphics (SVG)"),
                       QStringLiteral("Ctrl+G")),
            &QAction::triggered, this, &TMyPreview::SvgExportClick);
    graphic->addSeparator();
    connect(addCommand(graphic, QStringLiteral("JpegFactor"), QStringLiteral("JPEG Compression &Factor"),
                       QStringLiteral("Ctrl+F")),
            &QAction::triggered, this, [this] { showJpegFactorDialog(this, m_context); });

    QAction* html = bar->addAction(QStringLiteral("&HTML Export"));
    html->setObjectName(QStringLiteral("HtmlExport"));
    m_actions[html->objectName()] = html;
    connect(html, &QAction::triggered, this, &TMyPreview::HtmlExportClick);

    // The metafiles are drawn from the print copy, which the caller gives.
    for (QAction* a : {wmf, emf})
        a->setEnabled(false);
}

void TMyPreview::addSpeedButton(QLayout* bar, const QString& name, const QString& hint, const char* icon,
                                QAction* action)
{
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setIcon(QIcon(QStringLiteral(":/preview/%1.svg").arg(QLatin1String(icon))));
    button->setIconSize(QSize(22, 22));
    button->setAutoRaise(true);
    if (action) {
        button->setEnabled(action->isEnabled());
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
    }
    bar->addWidget(button);
    m_buttons[name] = button;
}

void TMyPreview::buildSpeedButtons()
{
    QLayout* bar = findChild<QWidget*>(QStringLiteral("ToolBar"))->layout();
    addSpeedButton(bar, QStringLiteral("SBZoomIn"), QStringLiteral("Zoom In"), "zoomin");
    connect(m_buttons[QStringLiteral("SBZoomIn")], &QToolButton::clicked, this, &TMyPreview::SBZoomInClick);
    addSpeedButton(bar, QStringLiteral("SBZoomOut"), QStringLiteral("Zoom Out"), "zoomout");
    connect(m_buttons[QStringLiteral("SBZoomOut")], &QToolButton::clicked, this, &TMyPreview::SBZoomOutClick);

    auto* label = new QLabel(QStringLiteral("Zoom %"), this);
    m_zoomEdit = new QLineEdit(formatZoom(TFilePreview::DefaultZoom), this);
    m_zoomEdit->setObjectName(QStringLiteral("ZoomEdit"));
    m_zoomEdit->setMaximumWidth(60);
    label->setBuddy(m_zoomEdit);
    connect(m_zoomEdit, &QLineEdit::editingFinished, this, &TMyPreview::ZoomEditApply);
    bar->addWidget(label);
    bar->addWidget(m_zoomEdit);

    addSpeedButton(bar, QStringLiteral("SBZoomPageWidth"), QStringLiteral("Zoom Page Width"), "pagewidth",
                   action(QStringLiteral("ZoomPageWidth")));
    addSpeedButton(bar, QStringLiteral("SBZoomPage"), QStringLiteral("Zoom Whole Page"), "wholepage",
                   action(QStringLiteral("ZoomWholePage")));
    bar->addItem(new QSpacerItem(10, 1));
    addSpeedButton(bar, QStringLiteral("SBPrint"), QStringLiteral("Print Page"), "print");
    connect(m_buttons[QStringLiteral("SBPrint")], &QToolButton::clicked, this, &TMyPreview::SBPrintClick);
    bar->addItem(new QSpacerItem(10, 1));
    addSpeedButton(bar, QStringLiteral("SpeedMeta"), QStringLiteral("Export As Metafile"), "metafile",
                   action(QStringLiteral("ExportWmf")));
    addSpeedButton(bar, QStringLiteral("SpeedBitmap"), QStringLiteral("Export As Bitmap"), "bitmap",
                   action(QStringLiteral("ExportBitmap")));
    addSpeedButton(bar, QStringLiteral("SpeedJPEG"), QStringLiteral("Export As JPEG"), "jpeg",
                   action(QStringLiteral("ExportJpeg")));
    addSpeedButton(bar, QStringLiteral("SpeedPDF"), QStringLiteral("Export As PDF"), "pdf",
                   action(QStringLiteral("ExportPdf")));
    addSpeedButton(bar, QStringLiteral("SpeedHTML"), QStringLiteral("Create Web Page"), "html",
                   action(QStringLiteral("HtmlExport")));
    bar->addItem(new QSpacerItem(10, 1, QSizePolicy::Expanding));
    addSpeedButton(bar, QStringLiteral("SBDone"), QStringLiteral("Done"), "done", action(QStringLiteral("Exit")));
}

// ---------------------------------------------------------------- opening and closing

void TMyPreview::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    applyUserFonts(this, m_context.settings);
    FormActivate();
}

void TMyPreview::FormActivate()
{
    m_started = true;
    m_preview.setScreenDpi(logicalDpiX());
    m_preview.setPixelFormat(reports().pixelFormat);
    m_preview.start();
    showPage();
}

void TMyPreview::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TMyPreview::FormClose()
{
    if (!m_started)
        return;
    m_started = false;
    m_preview.finish();
    ReportSettings& r = reports();
    r.viewerLeft = x();
    r.viewerTop = y();
    r.viewerWidth = width();
    r.viewerHeight = height();
}

void TMyPreview::showPage()
{
    const QImage& image = m_preview.pageImage();
    const int margin = image.isNull() ? 0 : m_preview.pageMargin();
    m_pageImage->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    m_pageImage->setGeometry(margin, margin, image.width(), image.height());
    m_pageHolder->resize(image.width() + 2 * margin, image.height() + 2 * margin);
}

// ---------------------------------------------------------------- zoom

void TMyPreview::setZoom(double factor)
{
    m_preview.setZoomFactor(factor);
    showPage();
}

void TMyPreview::SBZoomInClick() { setZoom(m_preview.zoomFactor() + TFilePreview::ZoomStep); }
void TMyPreview::SBZoomOutClick() { setZoom(m_preview.zoomFactor() - TFilePreview::ZoomStep); }

void TMyPreview::ZoomEditApply()
{
    const auto factor = typedZoom(m_zoomEdit->text(), m_preview.zoomFactor());
    if (factor)
        setZoom(*factor);
    else
        m_zoomEdit->setText(formatZoom(m_preview.zoomFactor()));
}

void TMyPreview::ZoomPageWidthClick()
{
    const QSize client = m_scrollBox->maximumViewportSize();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scrollBox);
    setZoom(m_preview.pageWidthFactor(client.width(), client.height(), scrollBar));
}

void TMyPreview::ZoomPageClick()
{
    const QSize client = m_scrollBox->maximumViewportSize();
    setZoom(m_preview.wholePageFactor(client.width(), client.height()));
}

// ---------------------------------------------------------------- printing

bool TMyPreview::printerFree()
{
    if (!m_printer.busy())
        return true;
    showError(kPrinterBusy);
    return false;
}

void TMyPreview::reportPrintFailure(bool started)
{
    if (!started)
        showError(kPrintFailed);
}

bool TMyPreview::printCurrentPage(int copies)
{
    const int page = m_preview.currentPage();
    return m_printer.printPages(page, page, copies);
}

void TMyPreview::PrintPageClick()
{
    if (printerFree())
        reportPrintFailure(printCurrentPage(1));
}

void TMyPreview::SBPrintClick()
{
    if (printerFree())
        reportPrintFailure(m_printer.printAll());
}

void TMyPreview::PrintMultipleClick()
{
    TNumCopies dialog(this);
    if (showDialog(dialog, m_context) != QDialog::Accepted)
        return;
    const CopyJobs plan = planCopies(dialog.copies(), m_printer.largestCopyCount());
    if (!printerFree())
        return;
    for (int job = 0; job < plan.jobs; ++job) {
        if (!printCurrentPage(plan.copiesPerJob)) {
            reportPrintFailure(false);
            return;
        }
    }
}

// ---------------------------------------------------------------- exports

void TMyPreview::BitmapExportClick()
{
    const QString path = chooseFileToSave(this, QStringLiteral("Save Puzzle As Bitmap"), QStringLiteral("BMP"),
                                          QStringLiteral("Bitmap (*.BMP)|*.BMP"), misc().lastExportBitmapFile);
    if (path.isEmpty())
        return;
    const int bits = m_preview.pixelFormat() == 2 ? 8 : 24;
    runReportingIoErrors([&] { writeBitmapFile(path, m_preview.pageImage(), bits); });
}

void TMyPreview::JpegExportClick()
{
    const QString path = chooseFileToSave(this, QStringLiteral("Save Puzzle As JPeg"), QStringLiteral("JPG"),
                                          QStringLiteral("JPeg (*.JPG)|*.JPG"), misc().lastExportJpegFile);
    if (path.isEmpty())
        return;
    runReportingIoErrors([&] { writeJpegFile(path, m_preview.pageImage(), reports().jpegQuality); });
}

void TMyPreview::PdfExportClick()
{
    const QString path =
        chooseFileToSave(this, QStringLiteral("Save Puzzle As PDF"), QStringLiteral("PDF"),
                         QStringLiteral("Portable Document Format (*.PDF)|*.PDF"), misc().lastExportPdfFile);
    if (path.isEmpty())
        return;
    runReportingIoErrors(
        [&] { writePdfFile(path, m_preview.stream(), std::max(1, m_preview.currentPage()), m_title); });
}

void TMyPreview::SvgExportClick()
{
    const QString path = chooseFileToSave(this, QStringLiteral("Save Puzzle As SVG"), QStringLiteral("SVG"),
                                          QStringLiteral("Scalable Vector Graphics (*.SVG)|*.SVG"),
                                          misc().lastExportSvgFile);
    if (path.isEmpty())
        return;
    runReportingIoErrors([&] { writeSvgFile(path, m_preview.stream(), std::max(1, m_preview.currentPage())); });
}

void TMyPreview::MetafileExportClick(MetafileFormat format)
{
    if (!m_copy)
        return;
    const bool wmf = format == MetafileFormat::Wmf;
    const QString path = wmf ? chooseFileToSave(this, QStringLiteral("Save Puzzle As MetaFile"), QStringLiteral("WMF"),
                                                QStringLiteral("Metafile (*.WMF)|*.WMF"), misc().lastExportWmfFile)
                             : chooseFileToSave(this, QStringLiteral("Save Puzzle As Enhanced MetaFile"),
                                                QStringLiteral("EMF"), QStringLiteral("Enhanced Metafile (*.EMF)|*.EMF"),
                                                misc().lastExportEmfFile);
    if (path.isEmpty())
        return;
    if (layoutHasBitmaps(m_copy->puzzle.PageLayout))
        showWarning(kMetafileBitmapWarning);
    TDoMeta dialog(format, path, *m_copy, m_options, this);
    showDialog(dialog, m_context);
}

void TMyPreview::HtmlExportClick()
{
    TMyHtml dialog(html(), misc().lastExportHtmlFile, m_preview.pageImage(), reports().jpegQuality, this);
    showDialog(dialog, m_context);
}
