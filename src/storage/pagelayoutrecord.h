#pragma once

#include "base/littleendian.h"
#include "base/shortstring.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

// Kind codes of a layout object. Codes 3..6 and 9 are unused; an object of an
// unknown kind is skipped when drawn.
enum class ObjectKind : std::int16_t {
    Title = 1,
    Puzzle = 2,
    WordList = 7,
    Bonus = 8,
    Text = 10,
    Bitmap = 11,
    Rectangle = 12,
    Circle = 13,
};

bool isKnownObjectKind(int kind);

// One object slot of a page layout (1439 bytes). Rectangles are in design
// pixels of the layout (see PageLayoutRecord).
struct LayoutObject {
    static constexpr int TextCapacity = 1001;

    Int16 ObjKind;
    ShortString<15> ObjName;
    std::array<Int32, 4> ObjRect; // Left, Top, Right, Bottom; Right/Bottom lie just outside
    ShortString<30> FontName;
    Int16 FontSize;
    Int32 FontColor;
    std::uint8_t FontBold;
    std::uint8_t FontItalic;
    std::uint8_t FontUnderline;
    std::uint8_t FontStrikeOut;
    ShortString<30> Font2Name;
    Int16 Font2Size;
    Int32 Font2Color;
    std::uint8_t Font2Bold;
    std::uint8_t Font2Italic;
    std::uint8_t Font2Underline;
    std::uint8_t Font2StrikeOut;
    Int32 CellColor;
    Int32 GridLineColor;
    std::uint8_t LowerCaseLetters;
    Int32 GridLineWidth;
    Int16 TextAlign; // 1 left, 2 centre, 3 right
    char ObjText[TextCapacity]; // zero-terminated, at most 999 characters
    std::uint8_t Transparent;
    Int16 NumColumns;
    std::uint8_t Reserved1;
    std::uint8_t MakeFit;
    std::uint8_t FillShape;
    Int32 FillColor;
    Int32 BorderColor;
    std::uint8_t UseBorder;
    Int16 BorderWidth;
    ShortString<255> BitmapFile;
    std::uint8_t Working[4]; // in-memory picture handle of the original; ignored
    Int16 FittedFontSize;
    std::uint8_t Reserved2[28];

    int left() const { return ObjRect[0]; }
    int top() const { return ObjRect[1]; }
    int right() const { return ObjRect[2]; }
    int bottom() const { return ObjRect[3]; }
    void setRect(int l, int t, int r, int b)
    {
        ObjRect[0] = l;
        ObjRect[1] = t;
        ObjRect[2] = r;
        ObjRect[3] = b;
    }

    // The text up to its zero byte, or all 1001 bytes when a damaged record
    // lacks the terminator.
    QByteArray text() const;
    // Stores at most 999 bytes and clears the rest of the field.
    void setText(QByteArrayView text);

    // Values clamped to what drawing can use safely.
    int numColumns() const { return std::clamp<int>(NumColumns, 1, 50); }
    int borderWidth() const { return std::clamp<int>(BorderWidth, 1, 1000); }
    int gridLineWidth() const { return std::clamp<int>(GridLineWidth, 1, 1000); }
};

static_assert(sizeof(LayoutObject) == 1439);
static_assert(offsetof(LayoutObject, ObjKind) == 0);
static_assert(offsetof(LayoutObject, ObjName) == 2);
static_assert(offsetof(LayoutObject, ObjRect) == 18);
static_assert(offsetof(LayoutObject, FontName) == 34);
static_assert(offsetof(LayoutObject, FontSize) == 65);
static_assert(offsetof(LayoutObject, FontColor) == 67);
static_assert(offsetof(LayoutObject, FontBold) == 71);
static_assert(offsetof(LayoutObject, FontStrikeOut) == 74);
static_assert(offsetof(LayoutObject, Font2Name) == 75);
static_assert(offsetof(LayoutObject, Font2Size) == 106);
static_assert(offsetof(LayoutObject, Font2Color) == 108);
static_assert(offsetof(LayoutObject, Font2Bold) == 112);
static_assert(offsetof(LayoutObject, CellColor) == 116);
static_assert(offsetof(LayoutObject, GridLineColor) == 120);
static_assert(offsetof(LayoutObject, LowerCaseLetters) == 124);
static_assert(offsetof(LayoutObject, GridLineWidth) == 125);
static_assert(offsetof(LayoutObject, TextAlign) == 129);
static_assert(offsetof(LayoutObject, ObjText) == 131);
static_assert(offsetof(LayoutObject, Transparent) == 1132);
static_assert(offsetof(LayoutObject, NumColumns) == 1133);
static_assert(offsetof(LayoutObject, MakeFit) == 1136);
static_assert(offsetof(LayoutObject, FillShape) == 1137);
static_assert(offsetof(LayoutObject, FillColor) == 1138);
static_assert(offsetof(LayoutObject, BorderColor) == 1142);
static_assert(offsetof(LayoutObject, UseBorder) == 1146);
static_assert(offsetof(LayoutObject, BorderWidth) == 1147);
static_assert(offsetof(LayoutObject, BitmapFile) == 1149);
static_assert(offsetof(LayoutObject, Working) == 1405);
static_assert(offsetof(LayoutObject, FittedFontSize) == 1409);
static_assert(offsetof(LayoutObject, Reserved2) == 1411);

// A page layout: paper, unit and up to twenty objects (28868 bytes).
// Object rectangles are in design pixels: 48/72/96 per inch or 20/30/40 per
// centimetre by the designer's zoom; PageWidthPixels/PageHeightPixels are
// stored with them so a reader can convert without knowing the zoom.
struct PageLayoutRecord {
    static constexpr int MaxObjects = 20;

    ShortString<20> LayoutName;
    ShortString<20> PaperName;
    Float64 PageWidth;
    Float64 PageHeight;
    Int16 PageWidthPixels;
    Int16 PageHeightPixels;
    std::uint8_t UnitsInches;
    Int16 ObjectCount;
    std::uint8_t Portrait;
    Int16 DesignZoom;
    std::uint8_t Reserved[20];
    std::array<LayoutObject, MaxObjects> Objects;

    // ObjectCount clamped to 0..20.
    int objectCount() const { return std::clamp<int>(ObjectCount, 0, MaxObjects); }
    // Object n counted from 1.
    LayoutObject& object(int n) { return Objects[std::clamp(n, 1, MaxObjects) - 1]; }
    const LayoutObject& object(int n) const { return Objects[std::clamp(n, 1, MaxObjects) - 1]; }
};

static_assert(sizeof(PageLayoutRecord) == 28868);
static_assert(offsetof(PageLayoutRecord, LayoutName) == 0);
static_assert(offsetof(PageLayoutRecord, PaperName) == 21);
static_assert(offsetof(PageLayoutRecord, PageWidth) == 42);
static_assert(offsetof(PageLayoutRecord, PageHeight) == 50);
static_assert(offsetof(PageLayoutRecord, PageWidthPixels) == 58);
static_assert(offsetof(PageLayoutRecord, PageHeightPixels) == 60);
static_assert(offsetof(PageLayoutRecord, UnitsInches) == 62);
static_assert(offsetof(PageLayoutRecord, ObjectCount) == 63);
static_assert(offsetof(PageLayoutRecord, Portrait) == 65);
static_assert(offsetof(PageLayoutRecord, DesignZoom) == 66);
static_assert(offsetof(PageLayoutRecord, Reserved) == 68);
static_assert(offsetof(PageLayoutRecord, Objects) == 88);

// A layout object of the given kind with every field at the value the page
// designer gives a new object (name and rectangle left to the caller).
LayoutObject newLayoutObject(ObjectKind kind);

// The page of a new layout: "New Page", Letter, 8.5 × 11 inches, portrait,
// no objects, every other byte zero.
PageLayoutRecord newPageLayout();

// The layout used when the layout library is missing or empty: "New Page",
// Letter portrait with a title, the puzzle grid and a one-column word list.
PageLayoutRecord builtInDefaultLayout();
