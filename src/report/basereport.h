#pragma once

#include "report/canvas.h"
#include "report/fontmeasure.h"
#include "report/pagesetup.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

class TBaseReport;

// The events of a report run: each holds the handler of that name
// (BeforePrint, PrintPage...) and is called with the report as argument.
struct ReportEvents {
    std::function<void(TBaseReport&)> OnBeforePrint;
    std::function<void(TBaseReport&)> OnPrintPage;
    std::function<void(TBaseReport&)> OnPrintFooter;
    std::function<void(TBaseReport&)> OnAfterPrint;
};

enum class ReportOrientation { Portrait, Landscape };

// The page canvas of the report engine, measured in inches from the paper's
// top-left corner (x right, y down; a text point is the left end of the
// baseline). Text is measured on the fixed reference device of 600 pixels
// per inch (canvasfont.h), so measurements, and XToDevice/XFromDevice, are
// the same whatever the output; subclasses only choose the Canvas a run
// draws on. Colours are Windows colour values 0x00BBGGRR. Drawing outside a
// run, or after AbortReport, does nothing; measuring works at any time.
class TBaseReport {
public:
    static inline const QString DefaultTitle = QStringLiteral("Test Report");
    static constexpr double DefaultMargin = 0.5;

    TBaseReport();
    virtual ~TBaseReport();
    TBaseReport(const TBaseReport&) = delete;
    TBaseReport& operator=(const TBaseReport&) = delete;

    // Report control ---------------------------------------------------------
    void setEvents(ReportEvents events) { m_events = std::move(events); }
    // Calls BeforePrint, then PrintPage once, PrintFooter and AfterPrint.
    // After AbortReport the remaining page events are skipped, but AfterPrint
    // always runs so that it can free what BeforePrint took. A call while a
    // run lasts is ignored. Throws IoError when the output fails (the printer
    // could not start, the stream could not be written); an exception from a
    // handler ends the run and is passed on.
    void ExecuteReport();
    // Marks the run aborted; it ends at the next event and drawing stops at
    // once. The flag stays readable until the next run.
    void AbortReport();
    bool aborted() const { return m_aborted; }
    bool running() const { return m_running; }
    int currentPage() const { return m_currentPage; }
    // Called between the events and on every status update, so that a status
    // window can process its Cancel button during the run.
    void setIdleHandler(std::function<void()> handler) { m_idle = std::move(handler); }

    // Status text --------------------------------------------------------------
    // The template shows "%p" as the page number and "%0".."%9" as status
    // lines; "%%" is a percent sign; a carriage return starts a new line.
    void SetStatusFormat(const QString& format) { m_statusFormat = format; }
    const QString& StatusFormat() const { return m_statusFormat; }
    QStringList& StatusText() { return m_statusText; }
    // Sends the formatted status to the status label.
    void UpdateStatus();
    void setStatusLabel(std::function<void(const QString&)> label) { m_statusLabel = std::move(label); }
    static QString formatStatus(const QString& format, int page, const QStringList& lines);

    // Paper and settings -----------------------------------------------------
    void SetTitle(const QString& title) { m_title = title; }
    const QString& Title() const { return m_title; }
    void SetMargins(double left, double right, double top, double bottom);
    double marginLeft() const { return m_margins[0]; }
    double marginRight() const { return m_margins[1]; }
    double marginTop() const { return m_margins[2]; }
    double marginBottom() const { return m_margins[3]; }
    void SetOrientation(ReportOrientation orientation);
    ReportOrientation orientation() const;
    // A Windows paper code, or 0 with width and height in inches; the size is
    // kept in tenths of a millimetre as the printer gets it (see PageSetup).
    void SetPaperSize(int code, double widthInches = 0, double heightInches = 0);
    const PageSetup& pageSetup() const { return m_page; }
    double PageWidthInches() const { return m_page.widthInches(); }
    double PageHeightInches() const { return m_page.heightInches(); }

    // Fonts and measuring ------------------------------------------------------
    void SetFontName(const QString& name);
    void SetFontSize(double points);
    void SetFontColor(std::uint32_t color);
    void SetFontBold(bool on);
    void SetFontItalic(bool on);
    void SetFontUnderline(bool on);
    void SetFontStrikeOut(bool on);
    const QString& fontName() const { return m_fontName; }
    double fontSize() const { return m_fontSize; }
    // Metrics follow every font change; this only forces them to be computed.
    void UpdateFontMetrics();
    // Extent of text in the current font, in inches, at least one device pixel.
    double TextWidth(const QString& text);
    double TextHeight(const QString& text);
    double FontAscent();
    double FontDescent();
    // 0: text without background; 1: text on the text background colour
    // (white unless set).
    void SetTextBKMode(int mode) { m_opaqueText = mode == 1; }
    void setTextBackgroundColor(std::uint32_t color) { m_textBackground = color; }

    // Pen and brush ------------------------------------------------------------
    void setPenColor(std::uint32_t color) { m_penColor = color; }
    void setBrushColor(std::uint32_t color) { m_brushColor = color; }
    // Solid (true) or clear (false).
    void setBrushSolid(bool solid) { m_brushSolid = solid; }

    // Drawing (inches) ---------------------------------------------------------
    void GotoXY(double x, double y);
    // Prints at the text position and moves it to the end of the text.
    void PrintText(const QString& text);
    void PrintXY(double x, double y, const QString& text);
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    // The arc of the ellipse inscribed in (x1, y1)-(x2, y2), counter-clockwise
    // on the page from the ray through (x3, y3) to the ray through (x4, y4);
    // equal rays draw the whole ellipse.
    void Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);
    void Ellipse(double x1, double y1, double x2, double y2);
    void FillRect(double x1, double y1, double x2, double y2);
    void StretchDraw(double x1, double y1, double x2, double y2, const QImage& image);
    double xPos() const { return m_textPos.x(); }
    double yPos() const { return m_textPos.y(); }

    // Inches to whole reference pixels and back.
    static int XToDevice(double inches);
    static double XFromDevice(int pixels);
    static int YToDevice(double inches) { return XToDevice(inches); }
    static double YFromDevice(int pixels) { return XFromDevice(pixels); }

protected:
    // The canvas the coming run draws on (called at the start of each run).
    virtual Canvas* openOutput() = 0;
    // Ends the output after the run. May throw IoError.
    virtual void closeOutput(bool aborted) = 0;

private:
    void callEvent(const std::function<void(TBaseReport&)>& handler);
    const FontMeasure& measure();
    // The measure is made again only when the font really changed: layouts
    // set every font property before each piece of text.
    template <typename T>
    void setFontValue(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        m_measure.reset();
    }
    // The canvas to draw on now, with the state the call needs, or null.
    Canvas* canvasForLines();
    Canvas* canvasForShapes();
    Canvas* canvasForText();
    static double inches(int pixels) { return XFromDevice(pixels); }

    ReportEvents m_events;
    std::function<void()> m_idle;
    std::function<void(const QString&)> m_statusLabel;
    QString m_statusFormat;
    QStringList m_statusText;
    QString m_title = DefaultTitle;
    double m_margins[4] = {DefaultMargin, DefaultMargin, DefaultMargin, DefaultMargin};
    PageSetup m_page;

    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 10;
    std::uint32_t m_fontColor = 0;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikeOut = false;
    std::optional<FontMeasure> m_measure;
    bool m_opaqueText = false;
    std::uint32_t m_textBackground = 0xFFFFFF;

    std::uint32_t m_penColor = 0;
    std::uint32_t m_brushColor = 0xFFFFFF;
    bool m_brushSolid = true;

    QPointF m_textPos;
    QPointF m_penPos;
    Canvas* m_canvas = nullptr;
    bool m_running = false;
    bool m_aborted = false;
    int m_currentPage = 0;
};
