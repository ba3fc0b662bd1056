// A stored page layout opened in the page designer, and a picture file
// placed on it: drawn with its rulers, worked on with the mouse, zoomed,
// converted, saved back into the library and printed.
#include "fuzzsupport.h"
#include "fuzztargets.h"

#include "pagelayout/designdrawing.h"
#include "pagelayout/layoutlibrary.h"
#include "pagelayout/layoutlist.h"
#include "pagelayout/pagedesign.h"

#include <algorithm>
#include <memory>

namespace fuzzing {

namespace {

constexpr qsizetype kLayoutBytes = sizeof(PageLayoutRecord);
constexpr int kMaxWorkedObjects = 4;

void drawDesign(const PageDesign& design)
{
    designPagePicture(design);
    designRuler(design, Qt::Horizontal);
    designRuler(design, Qt::Vertical);
}

// A point of the page picture, where alone the mouse can click.
QPoint onPage(const PageDesign& design, qint64 x, qint64 y)
{
    const PageLayoutRecord& layout = design.layout();
    return QPoint(static_cast<int>(std::clamp<qint64>(x, 0, std::max<int>(layout.PageWidthPixels, 0))),
                  static_cast<int>(std::clamp<qint64>(y, 0, std::max<int>(layout.PageHeightPixels, 0))));
}

// A move of the object from its centre, then a drag of its bottom-right
// handle, as a user does with the mouse.
void workObject(PageDesign& design, int n)
{
    design.select(n);
    const DesignRect rect = normalisedRect(objectRect(design.layout().object(n)));
    const QPoint centre = onPage(design, (qint64(rect.left) + rect.right) / 2, (qint64(rect.top) + rect.bottom) / 2);
    design.mouseMove(centre, false);
    design.mousePress(centre, Qt::LeftButton);
    design.mouseMove(centre + QPoint(7, 5), true);
    design.mouseRelease(centre + QPoint(7, 5));
    const QPoint corner = onPage(design, qint64(rect.right) - 1, qint64(rect.bottom) - 1);
    design.mouseMove(corner, false);
    design.mousePress(corner, Qt::LeftButton);
    design.mouseMove(corner + QPoint(-3, 4), true);
    design.mouseRelease(corner + QPoint(-3, 4));
}

// A bitmap object given the picture, added when the page has room,
// otherwise the last bitmap already there.
void placePicture(PageDesign& design, const QString& picturePath)
{
    int bitmap = design.addObject(ObjectKind::Bitmap, QPoint(10, 10));
    for (int n = design.layout().objectCount(); bitmap == 0 && n >= 1; --n)
        if (design.layout().object(n).ObjKind == static_cast<int>(ObjectKind::Bitmap))
            bitmap = n;
    if (bitmap != 0)
        design.loadBitmap(bitmap, picturePath);
}

} // namespace

void pageDesigner(QByteArrayView bytes)
{
    ensureApplication();
    ScratchProgramDirectory programDirectory;
    putFile(QStringLiteral("QZFPAGE.DAT"), bytes.first(std::min(bytes.size(), kLayoutBytes)));
    const QString picturePath =
        putFile(QStringLiteral("PIC.BMP"), bytes.size() > kLayoutBytes ? bytes.sliced(kLayoutBytes) : QByteArrayView());

    int defaultPage = 0;
    PageLayoutList list(LayoutListMode::Library, defaultPage);
    list.show();
    if (!list.hasSelection())
        return;
    const auto start = std::make_unique<PageLayoutRecord>(list.designerStart(PageDesignerMode::Modify));
    const int zoom = bytes.isEmpty() ? 2 : 1 + static_cast<std::uint8_t>(bytes.back()) % 3;
    PageDesign design(PageDesignerMode::Modify, list.selectedRecordIndex(), start.get(), zoom);
    drawDesign(design);

    placePicture(design, picturePath);
    for (int n = 1; n <= std::min(design.layout().objectCount(), kMaxWorkedObjects); ++n)
        workObject(design, n);
    design.bringToFront(1);
    drawDesign(design);

    design.setZoom(zoom % 3 + 1);
    design.setInches(!design.inches());
    drawDesign(design);
    design.save(QStringLiteral("Worked on"), QStringLiteral("8.5"), QStringLiteral("11"), layoutLibraryPath());
    list.designerSaved(PageDesignerMode::Modify, list.selectedRecordIndex());
    printThroughLayout(list.layout());
}

} // namespace fuzzing
