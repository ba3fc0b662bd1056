#pragma once

#include "report/canvas.h"
#include "report/metafilerecords.h"

#include <QByteArray>
#include <QFontMetricsF>
#include <QHash>

#include <memory>
#include <optional>
#include <vector>

class QIODevice;

// A canvas that writes a Windows metafile (placeable WMF) or an enhanced
// metafile (EMF) of one page: 96 logical units per inch of paper, lengths
// rounded to whole units, text as text in its font (baseline-aligned, with
// the advance of every character), pens, brushes, lines, rectangles,
// ellipses, arcs and polygons as records. Images are not written: the
// formats' bitmap records are left out on purpose, so a picture holds only
// vectors and text. Pens, brushes and fonts are created when first drawn
// with and deleted when replaced, so the picture needs at most a handful of
// object slots.
//
// The picture is complete when its page ends; a later page starts a new
// picture that replaces it.
class MetafileCanvas : public Canvas {
public:
    explicit MetafileCanvas(MetafileFormat format);
    ~MetafileCanvas() override;

    MetafileFormat format() const { return m_format; }
    // The last complete picture; empty before a page has ended.
    const QByteArray& picture() const { return m_picture; }
    // Writes the picture; false when the device does not take all of it.
    bool writeTo(QIODevice& device) const;

    void drawLine(const QPointF& from, const QPointF& to) override;
    void drawPolygon(const QPolygonF& polygon) override;
    void drawText(const QPointF& origin, const QString& text) override;
    // Not written (see above).
    void drawImage(const QRectF& target, const QImage& image) override;
    void drawPolyline(const QPolygonF& points) override;
    void drawRect(const QRectF& rect) override;
    void fillRect(const QRectF& rect) override;
    void drawEllipse(const QRectF& box) override;
    void drawArc(const QRectF& box, double startAngle, double spanAngle) override;

protected:
    void pageStarted(const PageSetup& page) override;
    void pageEnded() override;
    void fontChanged() override;
    void clipChanged() override;

private:
    // One kind of drawing object and the slot it occupies, if created.
    template <typename Value>
    struct Selected {
        std::optional<Value> value;
        int slot = -1;
        bool selected = false; // false after a restored state selected older objects
    };

    QPoint units(const QPointF& inches) const;
    MetaRect units(const QRectF& inches) const;
    QList<QPoint> units(const QPolygonF& inches) const;
    // Makes the records' state match what the next drawing needs.
    void usePen(const MetaPen& pen);
    void useBrush(const MetaBrush& brush);
    void useTextState();
    MetaPen currentPen() const;
    MetaBrush currentBrush() const;
    int takeSlot();
    void releaseSlot(int slot);
    template <typename Value, typename Create>
    void select(Selected<Value>& selected, const Value& value, Create create);
    // After a saved state was restored: select the live objects again and
    // delete the ones replaced meanwhile.
    void reselectAfterRestore();
    QList<int> advances(const QString& text) const;
    qreal advanceOf(const QString& character) const;

    MetafileFormat m_format;
    std::unique_ptr<MetafileRecords> m_records;
    MetafileGeometry m_geometry;
    QByteArray m_picture;
    std::vector<bool> m_slots;
    int m_slotsNeeded = 0;
    std::vector<int> m_retired; // replaced while a clip's saved state may still select them
    Selected<MetaPen> m_pen;
    Selected<MetaBrush> m_brush;
    Selected<MetaFont> m_font;
    std::optional<std::uint32_t> m_textColor;
    std::optional<std::uint32_t> m_backgroundColor;
    std::optional<bool> m_opaque;
    std::optional<QPoint> m_position;
    std::optional<QFontMetricsF> m_metrics; // of the current font at the reference resolution
    mutable QHash<QString, qreal> m_advanceOf; // of single characters in the current font
    bool m_clipSaved = false;
};

// The Windows colour value 0x00BBGGRR of a colour.
std::uint32_t windowsColor(const QColor& color);
