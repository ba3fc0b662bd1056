#include "storage/pagelayoutrecord.h"

#include <cstring>

bool isKnownObjectKind(int kind)
{
    switch (kind) {
    case 1: case 2: case 7: case 8: case 10: case 11: case 12: case 13:
        return true;
    default:
        return false;
    }
}

QByteArray LayoutObject::text() const
{
    const void* zero = std::memchr(ObjText, 0, TextCapacity);
    const qsizetype n = zero ? static_cast<const char*>(zero) - ObjText : TextCapacity;
    return QByteArray(ObjText, n);
}

void LayoutObject::setText(QByteArrayView text)
{
    std::memset(ObjText, 0, TextCapacity);
    const qsizetype n = std::min<qsizetype>(text.size(), TextCapacity - 2);
    if (n > 0)
        std::memcpy(ObjText, text.data(), n);
}

LayoutObject newLayoutObject(ObjectKind kind)
{
    LayoutObject object;
    std::memset(&object, 0, sizeof object);
    const bool puzzle = kind == ObjectKind::Puzzle;
    const bool bitmap = kind == ObjectKind::Bitmap;
    object.ObjKind = static_cast<std::int16_t>(kind);
    object.FontName.assign("Arial");
    object.FontSize = 10;
    object.Font2Name.assign("Arial");
    object.Font2Size = 5;
    object.CellColor = 0xFFFFFF;
    object.GridLineWidth = 1;
    object.TextAlign = kind == ObjectKind::Title ? 2 : 1;
    object.Transparent = (puzzle || bitmap) ? 0 : 1;
    object.NumColumns = 3;
    object.MakeFit = 1;
    object.FillColor = puzzle ? 0 : 0xFFFFFF;
    object.UseBorder = bitmap ? 0 : 1;
    object.BorderWidth = 1;
    return object;
}

PageLayoutRecord newPageLayout()
{
    PageLayoutRecord layout;
    std::memset(&layout, 0, sizeof layout);
    layout.LayoutName.assign("New Page");
    layout.PaperName.assign("Letter");
    layout.PageWidth = 8.5;
    layout.PageHeight = 11.0;
    layout.UnitsInches = 1;
    layout.Portrait = 1;
    return layout;
}

PageLayoutRecord builtInDefaultLayout()
{
    PageLayoutRecord layout = newPageLayout();
    layout.PageWidthPixels = 408;
    layout.PageHeightPixels = 528;
    layout.ObjectCount = 3;

    auto place = [](ObjectKind kind, const char* name, int l, int t, int r, int b) {
        LayoutObject object = newLayoutObject(kind);
        object.ObjName.assign(name);
        object.setRect(l, t, r, b);
        object.FontSize = 12;
        object.TextAlign = 2;
        object.UseBorder = 0;
        return object;
    };
    layout.Objects[0] = place(ObjectKind::Title, "Title", 48, 48, 360, 72);
    layout.Objects[1] = place(ObjectKind::Puzzle, "Puzzle", 96, 76, 312, 292);
    layout.Objects[2] = place(ObjectKind::WordList, "Word List", 48, 316, 192, 484);
    layout.Objects[2].NumColumns = 1;
    return layout;
}
