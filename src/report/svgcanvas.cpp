#include "report/svgcanvas.h"

#include "report/canvasfont.h"

#include <QBuffer>
#include <QImage>
#include <QXmlStreamWriter>
#include <QtMath>

#include <cmath>

namespace {

constexpr double Units = 96; // user units per inch
// One device pixel of a hairline pen, in user units.
constexpr double Hairline = 0.5;

QString num(double inches)
{
    const double units = std::isfinite(inches) ? inches * Units : 0.0;
    QString text = QString::number(units, 'f', 3);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString colour(const QColor& color)
{
    return color.name(QColor::HexRgb);
}

} // namespace

SvgCanvas::SvgCanvas() = default;
SvgCanvas::~SvgCanvas() = default;

void SvgCanvas::pageStarted(const PageSetup& page)
{
    m_buffer = std::make_unique<QBuffer>();
    m_buffer->open(QIODevice::WriteOnly);
    m_xml = std::make_unique<QXmlStreamWriter>(m_buffer.get());
    m_xml->setAutoFormatting(true);
    m_xml->writeStartDocument();
    m_xml->writeStartElement(QStringLiteral("svg"));
    m_xml->writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    m_xml->writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    m_xml->writeAttribute(QStringLiteral("width"), QString::number(page.widthInches(), 'f', 4) + QStringLiteral("in"));
    m_xml->writeAttribute(QStringLiteral("height"), QString::number(page.heightInches(), 'f', 4) + QStringLiteral("in"));
    m_xml->writeAttribute(QStringLiteral("viewBox"),
                          QStringLiteral("0 0 %1 %2").arg(num(page.widthInches()), num(page.heightInches())));
    m_clipOpen = false;
    m_clips = 0;
    fontChanged();
}

void SvgCanvas::pageEnded()
{
    if (!m_xml)
        return;
    if (m_clipOpen)
        m_xml->writeEndElement();
    m_xml->writeEndElement();
    m_xml->writeEndDocument();
    m_document = m_buffer->data();
    m_xml.reset();
    m_buffer.reset();
}

void SvgCanvas::fontChanged()
{
    m_metrics.emplace(layoutFont(font(), kReferenceDpi), &referenceDevice());
}

void SvgCanvas::clipChanged()
{
    if (!m_xml)
        return;
    if (m_clipOpen) {
        m_xml->writeEndElement();
        m_clipOpen = false;
    }
    if (!hasClip())
        return;
    const QString id = QStringLiteral("clip%1").arg(++m_clips);
    m_xml->writeStartElement(QStringLiteral("clipPath"));
    m_xml->writeAttribute(QStringLiteral("id"), id);
    box("rect", clip());
    m_xml->writeEndElement();
    m_xml->writeStartElement(QStringLiteral("g"));
    m_xml->writeAttribute(QStringLiteral("clip-path"), QStringLiteral("url(#%1)").arg(id));
    m_clipOpen = true;
}

void SvgCanvas::box(const char* element, const QRectF& rect)
{
    const QRectF r = rect.normalized();
    m_xml->writeEmptyElement(QLatin1String(element));
    m_xml->writeAttribute(QStringLiteral("x"), num(r.x()));
    m_xml->writeAttribute(QStringLiteral("y"), num(r.y()));
    m_xml->writeAttribute(QStringLiteral("width"), num(r.width()));
    m_xml->writeAttribute(QStringLiteral("height"), num(r.height()));
}

// The attributes of the current pen, and of the brush when filled.
void SvgCanvas::stroke(bool filled)
{
    m_xml->writeAttribute(QStringLiteral("fill"), filled && brush().solid ? colour(brush().color) : QStringLiteral("none"));
    if (pen().style == Qt::NoPen) {
        m_xml->writeAttribute(QStringLiteral("stroke"), QStringLiteral("none"));
        return;
    }
    m_xml->writeAttribute(QStringLiteral("stroke"), colour(pen().color));
    m_xml->writeAttribute(QStringLiteral("stroke-width"), pen().width > 0 ? num(pen().width) : num(Hairline / Units));
    if (pen().style == Qt::DashLine)
        m_xml->writeAttribute(QStringLiteral("stroke-dasharray"), QStringLiteral("4 2"));
    else if (pen().style == Qt::DotLine)
        m_xml->writeAttribute(QStringLiteral("stroke-dasharray"), QStringLiteral("1 2"));
}

void SvgCanvas::fillOnly(const QColor& color)
{
    m_xml->writeAttribute(QStringLiteral("fill"), colour(color));
    m_xml->writeAttribute(QStringLiteral("stroke"), QStringLiteral("none"));
}

void SvgCanvas::points(const char* element, const QPolygonF& polygon, bool filled)
{
    if (!m_xml || polygon.size() < 2)
        return;
    QStringList list;
    for (const QPointF& p : polygon)
        list << num(p.x()) + u',' + num(p.y());
    m_xml->writeEmptyElement(QLatin1String(element));
    m_xml->writeAttribute(QStringLiteral("points"), list.join(u' '));
    stroke(filled);
}

void SvgCanvas::drawLine(const QPointF& from, const QPointF& to)
{
    if (!m_xml)
        return;
    m_xml->writeEmptyElement(QStringLiteral("line"));
    m_xml->writeAttribute(QStringLiteral("x1"), num(from.x()));
    m_xml->writeAttribute(QStringLiteral("y1"), num(from.y()));
    m_xml->writeAttribute(QStringLiteral("x2"), num(to.x()));
    m_xml->writeAttribute(QStringLiteral("y2"), num(to.y()));
    stroke(false);
}

void SvgCanvas::drawPolygon(const QPolygonF& polygon) { points("polygon", polygon, true); }
void SvgCanvas::drawPolyline(const QPolygonF& polyline) { points("polyline", polyline, false); }

void SvgCanvas::drawRect(const QRectF& rect)
{
    if (!m_xml)
        return;
    box("rect", rect);
    stroke(true);
}

void SvgCanvas::fillRect(const QRectF& rect)
{
    if (!m_xml || !brush().solid)
        return;
    box("rect", rect);
    fillOnly(brush().color);
}

void SvgCanvas::drawEllipse(const QRectF& box)
{
    if (!m_xml)
        return;
    const QRectF r = box.normalized();
    m_xml->writeEmptyElement(QStringLiteral("ellipse"));
    m_xml->writeAttribute(QStringLiteral("cx"), num(r.center().x()));
    m_xml->writeAttribute(QStringLiteral("cy"), num(r.center().y()));
    m_xml->writeAttribute(QStringLiteral("rx"), num(r.width() / 2));
    m_xml->writeAttribute(QStringLiteral("ry"), num(r.height() / 2));
    stroke(true);
}

void SvgCanvas::drawArc(const QRectF& box, double startAngle, double spanAngle)
{
    if (!m_xml || !std::isfinite(startAngle) || !std::isfinite(spanAngle) || spanAngle == 0)
        return;
    if (std::abs(spanAngle) >= 360) {
        const CanvasBrush saved = brush();
        setBrush(CanvasBrush{saved.color, false});
        drawEllipse(box);
        setBrush(saved);
        return;
    }
    const QRectF r = box.normalized();
    const auto at = [&](double degrees) {
        const double a = qDegreesToRadians(degrees);
        return QPointF(r.center().x() + r.width() / 2 * std::cos(a), r.center().y() - r.height() / 2 * std::sin(a));
    };
    const QPointF from = at(startAngle);
    const QPointF to = at(startAngle + spanAngle);
    // Counter-clockwise on the page, where y grows downwards, is the
    // negative sweep direction of SVG.
    const QString d = QStringLiteral("M %1 %2 A %3 %4 0 %5 %6 %7 %8")
                          .arg(num(from.x()), num(from.y()), num(r.width() / 2), num(r.height() / 2))
                          .arg(std::abs(spanAngle) > 180 ? 1 : 0)
                          .arg(spanAngle > 0 ? 0 : 1)
                          .arg(num(to.x()), num(to.y()));
    m_xml->writeEmptyElement(QStringLiteral("path"));
    m_xml->writeAttribute(QStringLiteral("d"), d);
    stroke(false);
}

void SvgCanvas::drawText(const QPointF& origin, const QString& text)
{
    if (!m_xml || text.isEmpty())
        return;
    const double scale = 1.0 / kReferenceDpi; // reference pixels to inches
    const double width = m_metrics->horizontalAdvance(text) * scale;
    if (textBackground().alpha() > 0) {
        box("rect", QRectF(origin.x(), origin.y() - m_metrics->ascent() * scale, width,
                           (m_metrics->ascent() + m_metrics->descent()) * scale));
        fillOnly(textBackground());
    }
    const CanvasFont& f = font();
    m_xml->writeStartElement(QStringLiteral("text"));
    m_xml->writeAttribute(QStringLiteral("x"), num(origin.x()));
    m_xml->writeAttribute(QStringLiteral("y"), num(origin.y()));
    m_xml->writeAttribute(QStringLiteral("font-family"), f.family);
    m_xml->writeAttribute(QStringLiteral("font-size"), num(f.emSize));
    if (f.bold)
        m_xml->writeAttribute(QStringLiteral("font-weight"), QStringLiteral("bold"));
    if (f.italic)
        m_xml->writeAttribute(QStringLiteral("font-style"), QStringLiteral("italic"));
    QStringList decoration;
    if (f.underline)
        decoration << QStringLiteral("underline");
    if (f.strikeOut)
        decoration << QStringLiteral("line-through");
    if (!decoration.isEmpty())
        m_xml->writeAttribute(QStringLiteral("text-decoration"), decoration.join(u' '));
    m_xml->writeAttribute(QStringLiteral("fill"), colour(f.color));
    if (text.size() > 1) {
        // The text keeps the length it has everywhere else, whatever font
        // the viewer picks.
        m_xml->writeAttribute(QStringLiteral("textLength"), num(width));
        m_xml->writeAttribute(QStringLiteral("lengthAdjust"), QStringLiteral("spacingAndGlyphs"));
    }
    m_xml->writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    m_xml->writeCharacters(text);
    m_xml->writeEndElement();
}

void SvgCanvas::drawImage(const QRectF& target, const QImage& image)
{
    if (!m_xml || image.isNull())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return;
    box("image", target);
    m_xml->writeAttribute(QStringLiteral("preserveAspectRatio"), QStringLiteral("none"));
    m_xml->writeAttribute(QStringLiteral("href"), QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64()));
}
