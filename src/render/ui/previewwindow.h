#pragma once

#include "render/printoptions.h"
#include "report/filepreview.h"
#include "report/metafilerecords.h"
#include "report/ui/fileprinter.h"
#include "widgets/dialoghelper.h"

#include <QDialog>

#include <map>

class QAction;
class QLabel;
class QLineEdit;
class QPrinter;
class QScrollArea;
class QToolButton;
struct HtmlSettings;
struct MiscSettings;
struct PrintCopy;
struct ReportSettings;

// "Puzzle Preview": shows a recorded page in a scroll box, zooms it, prints
// it once or in copies and saves it as a bitmap, a JPEG picture, a PDF, an
// SVG drawing or a web page around a JPEG picture, and, given the print copy
// the page was rendered from, as a Windows or enhanced metafile.
// Both components replay the same recorded stream. The window opens on its
// bounds remembered in the context's settings and stores them when it
// closes; the preview starts (page 1 at zoom 100) when it is first shown.
class TMyPreview : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Puzzle Preview");

    // printer is not owned; null prints on the program's printer.
    explicit TMyPreview(const DialogContext& context, QWidget* parent = nullptr, QPrinter* printer = nullptr);
    ~TMyPreview() override;

    // The recorded report; title names the PDF document.
    void setStream(const QByteArray& data, const QString& title = QString());
    // The print copy whose last run recorded the page, and the options of
    // that run: the metafile exports draw the page again from them. Without
    // one the metafile exports are disabled. copy must outlive the window.
    void setPrintCopy(const PrintCopy* copy, const PrintOptions& options);

    TFilePreview& MyFilePreview() { return m_preview; }
    TFilePrinter& MyFilePrinter() { return m_printer; }
    QLineEdit* ZoomEdit() const { return m_zoomEdit; }
    QScrollArea* ScrollBox() const { return m_scrollBox; }
    // A menu command by object name: "PrintPage", "PrintMultiple", "Exit",
    // "ZoomPageWidth", "ZoomWholePage", "Zoom100", "Zoom200", "ZoomOut100",
    // "ZoomOut50", "ZoomOut33", "ZoomOut25", "ZoomOut20", "ExportWmf",
    // "ExportEmf", "ExportBitmap", "ExportJpeg", "ExportPdf", "ExportSvg",
    // "JpegFactor", "HtmlExport".
    QAction* action(const QString& name) const;
    // A speed button by object name ("SBZoomIn", "SBPrint", "SpeedBitmap"...).
    QToolButton* speedButton(const QString& name) const;

    // Every zoom change: clamped by the preview, shown with one decimal in
    // the edit, and the page drawn again.
    void setZoom(double factor);
    void SBZoomInClick();
    void SBZoomOutClick();
    // Applies a factor typed into the zoom edit (Enter or leaving the edit).
    void ZoomEditApply();
    void ZoomPageWidthClick();
    void ZoomPageClick();

    void PrintPageClick();
    void SBPrintClick();
    void PrintMultipleClick();

    void BitmapExportClick();
    void JpegExportClick();
    void PdfExportClick();
    void SvgExportClick();
    // Save dialog of the format, the bitmap warning, then "Metafile Creation".
    void MetafileExportClick(MetafileFormat format);
    void HtmlExportClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void buildMenus();
    void buildSpeedButtons();
    QAction* addCommand(QMenu* menu, const QString& name, const QString& caption, const QString& shortcut);
    void addSpeedButton(QLayout* bar, const QString& name, const QString& hint, const char* icon,
                        QAction* action = nullptr);
    void FormActivate();
    void FormClose();
    // Shows the preview's current page image with its margin.
    void showPage();
    // The busy check of every print; false (after the message) when busy.
    bool printerFree();
    bool printCurrentPage(int copies);
    void reportPrintFailure(bool started);
    ReportSettings& reports() const;
    MiscSettings& misc() const;
    HtmlSettings& html() const;

    DialogContext m_context;
    TFilePreview m_preview;
    TFilePrinter m_printer;
    QString m_title;
    const PrintCopy* m_copy = nullptr;
    PrintOptions m_options;
    QScrollArea* m_scrollBox = nullptr;
    QWidget* m_pageHolder = nullptr;
    QLabel* m_pageImage = nullptr;
    QLineEdit* m_zoomEdit = nullptr;
    std::map<QString, QAction*> m_actions;
    std::map<QString, QToolButton*> m_buttons;
    bool m_started = false;
};
