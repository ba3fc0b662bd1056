#include "report/basereport.h"

#include "report/canvasfont.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

// Largest pixel count XToDevice returns either way: far beyond any paper,
// well inside int.
constexpr double MaxDevicePixels = 1e8;

double safe(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

QRectF box(double x1, double y1, double x2, double y2)
{
    return QRectF(QPointF(safe(x1), safe(y1)), QPointF(safe(x2), safe(y2)));
}

// Angle of the ray from the centre of box through point, as a parameter
// angle of the ellipse inscribed in box (see Canvas::drawArc).
double parameterAngle(const QRectF& box, double x, double y)
{
    const double rx = std::max(box.width() / 2, 1e-9);
    const double ry = std::max(box.height() / 2, 1e-9);
    const double dx = (safe(x) - box.center().x()) / rx;
    const double dy = (box.center().y() - safe(y)) / ry; // y grows downwards on the page
    return qRadiansToDegrees(std::atan2(dy, dx));
}

} // namespace

TBaseReport::TBaseReport() = default;
TBaseReport::~TBaseReport() = default;

// --- report control ----------------------------------------------------------

void TBaseReport::callEvent(const std::function<void(TBaseReport&)>& handler)
{
    if (m_idle)
        m_idle();
    if (handler && !m_aborted)
        handler(*this);
}

void TBaseReport::ExecuteReport()
{
    if (m_running)
        return;
    m_running = true;
    m_aborted = false;
    m_currentPage = 1;
    Canvas* canvas = nullptr;
    try {
        canvas = openOutput();
        callEvent(m_events.OnBeforePrint);
        if (canvas && !m_aborted) {
            m_canvas = canvas;
            canvas->beginPage(m_page);
            callEvent(m_events.OnPrintPage);
            callEvent(m_events.OnPrintFooter);
            canvas->endPage();
            m_canvas = nullptr;
        }
        // AfterPrint runs even after an abort: it frees what BeforePrint took.
        if (m_idle)
            m_idle();
        if (m_events.OnAfterPrint)
            m_events.OnAfterPrint(*this);
    } catch (...) {
        if (canvas)
            canvas->endPage();
        m_canvas = nullptr;
        m_running = false;
        try {
            closeOutput(true);
        } catch (...) {
            // The handler's error is the one to report.
        }
        throw;
    }
    m_running = false;
    closeOutput(m_aborted);
}

void TBaseReport::AbortReport()
{
    if (m_running)
        m_aborted = true;
}

// --- status --------------------------------------------------------------------

QString TBaseReport::formatStatus(const QString& format, int page, const QStringList& lines)
{
    QString result;
    result.reserve(format.size() + 32);
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        const QChar next = i + 1 < format.size() ? format[i + 1] : QChar();
        if (c == u'%' && next == u'p') {
            result += QString::number(page);
            ++i;
        } else if (c == u'%' && next.isDigit() && next.unicode() < 128) {
            result += lines.value(next.unicode() - u'0');
            ++i;
        } else if (c == u'%' && next == u'%') {
            result += u'%';
            ++i;
        } else if (c == u'\r') {
            result += u'\n';
            if (next == u'\n')
                ++i;
        } else {
            result += c;
        }
    }
    return result;
}

void TBaseReport::UpdateStatus()
{
    if (m_statusLabel)
        m_statusLabel(formatStatus(m_statusFormat, m_currentPage, m_statusText));
    if (m_idle)
        m_idle();
}

// --- paper ---------------------------------------------------------------------

void TBaseReport::SetMargins(double left, double right, double top, double bottom)
{
    m_margins[0] = std::max(0.0, safe(left));
    m_margins[1] = std::max(0.0, safe(right));
    m_margins[2] = std::max(0.0, safe(top));
    m_margins[3] = std::max(0.0, safe(bottom));
}

void TBaseReport::SetOrientation(ReportOrientation orientation)
{
    m_page.landscape = orientation == ReportOrientation::Landscape;
}

ReportOrientation TBaseReport::orientation() const
{
    return m_page.landscape ? ReportOrientation::Landscape : ReportOrientation::Portrait;
}

void TBaseReport::SetPaperSize(int code, double widthInches, double heightInches)
{
    const bool landscape = m_page.landscape;
    m_page = PageSetup::fromPaperCode(code, widthInches, heightInches);
    m_page.landscape = landscape;
}

// --- fonts ---------------------------------------------------------------------

void TBaseReport::SetFontName(const QString& name)
{
    setFontValue(m_fontName, name);
}

void TBaseReport::SetFontSize(double points)
{
    setFontValue(m_fontSize, points);
}

void TBaseReport::SetFontColor(std::uint32_t color)
{
    m_fontColor = color; // the colour does not change the metrics
}

void TBaseReport::SetFontBold(bool on)
{
    setFontValue(m_bold, on);
}

void TBaseReport::SetFontItalic(bool on)
{
    setFontValue(m_italic, on);
}

void TBaseReport::SetFontUnderline(bool on)
{
    setFontValue(m_underline, on);
}

void TBaseReport::SetFontStrikeOut(bool on)
{
    setFontValue(m_strikeOut, on);
}

const FontMeasure& TBaseReport::measure()
{
    if (!m_measure)
        m_measure.emplace(m_fontName, m_fontSize, m_bold, m_italic, m_underline, m_strikeOut);
    return *m_measure;
}

void TBaseReport::UpdateFontMetrics()
{
    measure();
}

double TBaseReport::TextWidth(const QString& text)
{
    return inches(measure().textWidth(text));
}

double TBaseReport::TextHeight(const QString&)
{
    // The height of a text is its font's character cell.
    return inches(std::max(1, measure().cellHeight()));
}

double TBaseReport::FontAscent()
{
    return inches(measure().ascent());
}

double TBaseReport::FontDescent()
{
    return inches(measure().descent());
}

// --- drawing -------------------------------------------------------------------

Canvas* TBaseReport::canvasForLines()
{
    if (!m_canvas || m_aborted || !m_canvas->inPage())
        return nullptr;
    m_canvas->setPen(CanvasPen{colorFromWindows(m_penColor)});
    return m_canvas;
}

Canvas* TBaseReport::canvasForShapes()
{
    Canvas* canvas = canvasForLines();
    if (canvas)
        canvas->setBrush(CanvasBrush{colorFromWindows(m_brushColor), m_brushSolid});
    return canvas;
}

Canvas* TBaseReport::canvasForText()
{
    if (!m_canvas || m_aborted || !m_canvas->inPage())
        return nullptr;
    m_canvas->setFont(measure().canvasFont(colorFromWindows(m_fontColor)));
    m_canvas->setTextBackground(m_opaqueText ? colorFromWindows(m_textBackground) : QColor(Qt::transparent));
    return m_canvas;
}

void TBaseReport::GotoXY(double x, double y)
{
    m_textPos = QPointF(safe(x), safe(y));
}

void TBaseReport::PrintText(const QString& text)
{
    if (Canvas* canvas = canvasForText())
        canvas->drawText(m_textPos, text);
    m_textPos.rx() += TextWidth(text);
}

void TBaseReport::PrintXY(double x, double y, const QString& text)
{
    GotoXY(x, y);
    PrintText(text);
}

void TBaseReport::MoveTo(double x, double y)
{
    m_penPos = QPointF(safe(x), safe(y));
}

void TBaseReport::LineTo(double x, double y)
{
    const QPointF to(safe(x), safe(y));
    if (Canvas* canvas = canvasForLines())
        canvas->drawLine(m_penPos, to);
    m_penPos = to;
}

void TBaseReport::Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4)
{
    Canvas* canvas = canvasForLines();
    if (!canvas)
        return;
    const QRectF bounds = box(x1, y1, x2, y2).normalized();
    const double start = parameterAngle(bounds, x3, y3);
    double span = parameterAngle(bounds, x4, y4) - start;
    while (span <= 1e-9)
        span += 360; // equal rays give the whole ellipse
    canvas->drawArc(bounds, start, span);
}

void TBaseReport::Ellipse(double x1, double y1, double x2, double y2)
{
    if (Canvas* canvas = canvasForShapes())
        canvas->drawEllipse(box(x1, y1, x2, y2).normalized());
}

void TBaseReport::FillRect(double x1, double y1, double x2, double y2)
{
    if (Canvas* canvas = canvasForShapes())
        canvas->fillRect(box(x1, y1, x2, y2).normalized());
}

void TBaseReport::StretchDraw(double x1, double y1, double x2, double y2, const QImage& image)
{
    if (Canvas* canvas = canvasForLines())
        canvas->drawImage(box(x1, y1, x2, y2).normalized(), image);
}

int TBaseReport::XToDevice(double inches)
{
    const double pixels = std::round(safe(inches) * kReferenceDpi);
    return static_cast<int>(std::clamp(pixels, -MaxDevicePixels, MaxDevicePixels));
}

double TBaseReport::XFromDevice(int pixels)
{
    return static_cast<double>(pixels) / kReferenceDpi;
}
