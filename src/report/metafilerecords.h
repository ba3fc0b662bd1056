#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <memory>

// The record encodings of the two Windows vector picture formats: the
// placeable Windows metafile (WMF, 16-bit records behind an Aldus header)
// and the enhanced metafile (EMF, 32-bit records). MetafileCanvas decides
// what to draw and which objects to create; an encoder only turns each call
// into the bytes of its format. All coordinates are logical units of the
// picture, x to the right and y downwards.

// The size of a picture: its width and height in logical units and its
// physical size in hundredths of a millimetre.
struct MetafileGeometry {
    static constexpr int UnitsPerInch = 96;
    // The picture is given 1.2 times the size of the paper it shows.
    static constexpr double PhysicalScale = 1.2;

    int widthUnits = 0;
    int heightUnits = 0;
    int widthHundredthsMm = 0;
    int heightHundredthsMm = 0;

    // A page of the given size in inches: the whole parts of width × 96 and
    // height × 96 units, and of width × 2540 × 1.2 and height × 2540 × 1.2
    // hundredths of a millimetre. Negative or non-finite sizes count as 0.
    static MetafileGeometry forPage(double widthInches, double heightInches);
    // Logical units per physical inch, as the placeable header states it
    // (80 for every page: 96 units per inch of paper shown 1.2 times larger).
    int unitsPerPhysicalInch() const;
};

// Edges of a rectangle, right and bottom exclusive as GDI draws them.
struct MetaRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Windows pen styles and brush styles used here.
enum MetaPenStyle : std::uint16_t { PenSolid = 0, PenDash = 1, PenDot = 2, PenDashDot = 3, PenDashDotDot = 4, PenNull = 5 };
enum MetaBrushStyle : std::uint16_t { BrushSolid = 0, BrushNull = 1 };

struct MetaPen {
    std::uint16_t style = PenSolid;
    int width = 0; // logical units; 0 draws one device pixel
    std::uint32_t color = 0; // 0x00BBGGRR
    bool operator==(const MetaPen&) const = default;
};

struct MetaBrush {
    std::uint16_t style = BrushSolid;
    std::uint32_t color = 0xFFFFFF;
    bool operator==(const MetaBrush&) const = default;
};

struct MetaFont {
    int height = 0; // negative: the em height in logical units
    int weight = 400; // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString face;
    bool operator==(const MetaFont&) const = default;
};

// Text alignment flags of SetTextAlign.
constexpr std::uint16_t TextAlignBaseline = 24;

// The records of one picture in one format. Object handles count from 0 in
// the order the canvas hands them out; each format numbers its table its
// own way.
class MetafileRecords {
public:
    virtual ~MetafileRecords() = default;

    virtual void createPen(int handle, const MetaPen& pen) = 0;
    virtual void createBrush(int handle, const MetaBrush& brush) = 0;
    virtual void createFont(int handle, const MetaFont& font) = 0;
    virtual void selectObject(int handle) = 0;
    virtual void deleteObject(int handle) = 0;

    // Opaque: text is drawn on the background colour.
    virtual void setBackgroundMode(bool opaque) = 0;
    virtual void setBackgroundColor(std::uint32_t color) = 0;
    virtual void setTextColor(std::uint32_t color) = 0;
    virtual void setTextAlign(std::uint16_t align) = 0;

    virtual void moveTo(QPoint point) = 0;
    virtual void lineTo(QPoint point) = 0;
    virtual void rectangle(const MetaRect& box) = 0;
    virtual void ellipse(const MetaRect& box) = 0;
    // Counter-clockwise along the ellipse inscribed in box, from the ray
    // through start to the ray through end.
    virtual void arc(const MetaRect& box, QPoint start, QPoint end) = 0;
    virtual void polygon(const QList<QPoint>& points) = 0;
    virtual void polyline(const QList<QPoint>& points) = 0;
    // Text at its reference point; dx holds the advance of every character.
    virtual void text(QPoint point, const QString& text, const QList<int>& dx) = 0;

    virtual void saveState() = 0;
    virtual void restoreState() = 0;
    virtual void intersectClip(const MetaRect& box) = 0;

    // The whole picture: header, every record so far and the end record.
    // objectCount is the size of the object table the records need.
    virtual QByteArray picture(const MetafileGeometry& geometry, int objectCount) const = 0;
};

enum class MetafileFormat { Wmf, Emf };

// The encoder of a format, empty.
std::unique_ptr<MetafileRecords> makeMetafileRecords(MetafileFormat format);

// The creator and description the pictures carry.
inline const QString kMetafileCreator = QStringLiteral("Quillmaze 98");
inline const QString kMetafileDescription = QStringLiteral("Word Search Puzzle");
