#include "pagelayout/pagedesign.h"

#include "base/ansi.h"
#include "base/latin1.h"
#include "base/messageservice.h"
#include "base/paths.h"
#include "pagelayout/layoutlibrary.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const QString kBitmapMissing = QStringLiteral("A bitmap for this layout could not be located.");
const QString kNotABitmap = QStringLiteral("The file selected is not a valid bitmap file.");
const QString kCannotAdd = QStringLiteral("Unable to add page layout.");
const QString kDiskError = QStringLiteral("Disk Error");

bool isBitmap(const LayoutObject& object) { return object.ObjKind == static_cast<int>(ObjectKind::Bitmap); }

DesignCursor resizeCursor(Handle handle)
{
    switch (handle) {
    case TopLeft:
    case BottomRight: return DesignCursor::SizeNWSE;
    case TopRight:
    case BottomLeft: return DesignCursor::SizeNESW;
    case TopCentre:
    case BottomCentre: return DesignCursor::SizeVertical;
    case LeftMiddle:
    case RightMiddle: return DesignCursor::SizeHorizontal;
    case NoHandle: break;
    }
    return DesignCursor::Normal;
}

bool isResizeCursor(DesignCursor cursor)
{
    return cursor == DesignCursor::SizeNWSE || cursor == DesignCursor::SizeNESW
           || cursor == DesignCursor::SizeVertical || cursor == DesignCursor::SizeHorizontal;
}

void setObjectRect(LayoutObject& object, const DesignRect& rect)
{
    object.setRect(rect.left, rect.top, rect.right, rect.bottom);
}

} // namespace

PageDesign::PageDesign(PageDesignerMode mode, qint64 recordIndex, const PageLayoutRecord* start, int zoom)
    : m_mode(mode)
    , m_recordIndex(recordIndex)
    , m_layout(std::make_unique<PageLayoutRecord>(
          mode == PageDesignerMode::New || !start ? newPageLayout() : *start))
    , m_zoom(validZoom(zoom))
{
    if (mode != PageDesignerMode::New) {
        loadPictures();
        const int stored = m_layout->DesignZoom;
        if (stored >= 1 && stored <= 3 && stored != m_zoom)
            rescaleObjects(*m_layout, zoomFactor(stored, m_zoom));
    }
    pageChanged();
}

PageDesign::~PageDesign() = default;

void PageDesign::loadPictures()
{
    for (int n = 1; n <= m_layout->objectCount(); ++n) {
        const LayoutObject& object = m_layout->object(n);
        if (!isBitmap(object))
            continue;
        if (object.BitmapFile.isEmpty())
            continue; // the placeholder
        const QString path = object.BitmapFile.text();
        // A file that cannot be read is reported like a missing one and shown
        // as the placeholder; the stored path is kept either way.
        const bool readable = isExistingFile(path);
        if (!readable || !m_pictures[n - 1].load(path))
            showWarning(kBitmapMissing);
    }
}

void PageDesign::pageChanged()
{
    m_layout->PageWidthPixels = static_cast<std::int16_t>(pagePixels(m_layout->PageWidth, pixelsPerUnit()));
    m_layout->PageHeightPixels = static_cast<std::int16_t>(pagePixels(m_layout->PageHeight, pixelsPerUnit()));
}

// ---------------------------------------------------------------- page

bool PageDesign::setZoom(int zoom)
{
    zoom = validZoom(zoom);
    if (zoom == m_zoom)
        return false;
    rescaleObjects(*m_layout, zoomFactor(m_zoom, zoom));
    m_zoom = zoom;
    pageChanged();
    return true;
}

void PageDesign::choosePaper(QByteArrayView name)
{
    if (const std::optional<PaperSize> paper = paperNamed(name)) {
        m_layout->PageWidth = paper->width;
        m_layout->PageHeight = paper->height;
        m_layout->UnitsInches = paper->inches ? 1 : 0;
        if (m_layout->Portrait != 1)
            std::swap(m_layout->PageWidth, m_layout->PageHeight);
        m_layout->PaperName.assign(name);
        pageChanged();
        if (paper->oddSized)
            showWarning(kOddPaperWarning);
        return;
    }
    if (name == QByteArrayView(kCustomPaper)) {
        // The page keeps its size and turn: swapping here would turn a
        // landscape page back to portrait while it stays marked landscape.
        m_layout->PaperName.assign(name);
        showWarning(kOddPaperWarning);
    }
}

bool PageDesign::isCustomPaper() const { return m_layout->PaperName.view() == QByteArrayView(kCustomPaper); }

void PageDesign::setPortrait(bool portrait)
{
    if ((m_layout->Portrait == 1) == portrait)
        return;
    m_layout->Portrait = portrait ? 1 : 0;
    std::swap(m_layout->PageWidth, m_layout->PageHeight);
    pageChanged();
}

bool PageDesign::setInches(bool toInches)
{
    if (inches() == toInches)
        return false;
    PageLayoutRecord& layout = *m_layout;
    if (toInches) {
        layout.PageWidth = centimetresToInches(layout.PageWidth);
        layout.PageHeight = centimetresToInches(layout.PageHeight);
        rescaleObjects(layout, kToInchesObjectFactor);
    } else {
        layout.PageWidth = inchesToCentimetres(layout.PageWidth);
        layout.PageHeight = inchesToCentimetres(layout.PageHeight);
        rescaleObjects(layout, kToCentimetresObjectFactor);
    }
    layout.UnitsInches = toInches ? 1 : 0;
    pageChanged();
    return true;
}

bool PageDesign::applyCustomSide(PageSide side, const QString& text)
{
    QString message;
    const std::optional<double> value = readCustomSide(side, text, inches(), &message);
    if (!value) {
        showError(message);
        return false;
    }
    auto& stored = side == PageSide::Width ? m_layout->PageWidth : m_layout->PageHeight;
    if (*value != static_cast<double>(stored)) {
        stored = *value;
        pageChanged();
    }
    return true;
}

// ---------------------------------------------------------------- kind buttons

void PageDesign::pressKindButton(ObjectKind kind)
{
    if (m_armed == kind || !kindButtonEnabled(kind)) {
        releaseKindButtons();
        return;
    }
    m_armed = kind;
    m_cursor = DesignCursor::Drag;
}

void PageDesign::releaseKindButtons()
{
    m_armed.reset();
    m_cursor = DesignCursor::Normal;
}

// ---------------------------------------------------------------- objects

void PageDesign::select(int n) { m_selected = (n >= 1 && n <= m_layout->objectCount()) ? n : 0; }

int PageDesign::addObject(ObjectKind kind, QPoint at)
{
    const int n = appendObject(*m_layout, kind, at, pixelsPerUnit());
    if (n > 0)
        m_pictures[n - 1] = QImage(); // a bitmap shows the placeholder until a picture is loaded
    return n;
}

void PageDesign::replaceObject(int n, const LayoutObject& object)
{
    if (n >= 1 && n <= m_layout->objectCount())
        m_layout->object(n) = object;
}

void PageDesign::setTextAlign(int n, int align)
{
    if (n >= 1 && n <= m_layout->objectCount())
        m_layout->object(n).TextAlign = static_cast<std::int16_t>(align);
}

template <typename Reorder>
void PageDesign::restack(int n, int newPosition, Reorder reorder)
{
    const int count = m_layout->objectCount();
    if (n < 1 || n > count)
        return;
    auto objects = m_layout->Objects.begin();
    auto pictures = m_pictures.begin();
    reorder(objects, n, count);
    reorder(pictures, n, count);
    // The selection stays on the object it marked.
    if (m_selected == n)
        m_selected = newPosition;
    else if (n < newPosition && m_selected > n && m_selected <= newPosition)
        --m_selected;
    else if (newPosition < n && m_selected >= newPosition && m_selected < n)
        ++m_selected;
}

void PageDesign::bringToFront(int n)
{
    restack(n, m_layout->objectCount(),
            [](auto first, int from, int count) { std::rotate(first + (from - 1), first + from, first + count); });
}

void PageDesign::sendToBack(int n)
{
    restack(n, 1, [](auto first, int from, int) { std::rotate(first, first + (from - 1), first + from); });
}

void PageDesign::deleteObject(int n)
{
    const int count = m_layout->objectCount();
    if (n < 1 || n > count)
        return;
    bringToFront(n);
    m_pictures[count - 1] = QImage();
    if (m_selected == count)
        m_selected = 0;
    m_layout->ObjectCount = static_cast<std::int16_t>(count - 1);
}

bool PageDesign::loadBitmap(int n, const QString& path)
{
    if (n < 1 || n > m_layout->objectCount())
        return false;
    QImage picture;
    if (QFileInfo(path).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) != 0 || !picture.load(path)) {
        showError(kNotABitmap);
        return false;
    }
    m_pictures[n - 1] = picture;
    m_layout->object(n).BitmapFile.setText(path);
    return true;
}

const QImage& PageDesign::picture(int n) const
{
    static const QImage none;
    return n >= 1 && n <= m_layout->objectCount() ? m_pictures[n - 1] : none;
}

// ---------------------------------------------------------------- mouse

void PageDesign::mousePress(QPoint point, Qt::MouseButton button)
{
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    m_pressPoint = point;
    m_pressButton = button;
    m_rubberBand.reset();
}

DesignCursor PageDesign::cursorAt(QPoint point)
{
    m_handle = NoHandle;
    if (m_selected == 0)
        return DesignCursor::Normal;
    DesignCursor cursor = objectAt(*m_layout, point) == m_selected ? DesignCursor::Move : DesignCursor::Normal;
    m_handle = handleAt(objectRect(m_layout->object(m_selected)), point);
    return m_handle == NoHandle ? cursor : resizeCursor(m_handle);
}

void PageDesign::mouseMove(QPoint point, bool leftHeld)
{
    if (!leftHeld) {
        if (!m_armed)
            m_cursor = cursorAt(point);
        return;
    }
    if (m_pressButton != Qt::LeftButton || m_selected == 0)
        return;
    const DesignRect rect = objectRect(m_layout->object(m_selected));
    const QPoint offset = point - m_pressPoint;
    if (m_cursor == DesignCursor::Move)
        m_rubberBand = draggedRect(rect, NoHandle, offset);
    else if (isResizeCursor(m_cursor))
        m_rubberBand = draggedRect(rect, m_handle, offset);
}

DesignRelease PageDesign::mouseRelease(QPoint point)
{
    const Qt::MouseButton button = m_pressButton;
    m_pressButton = Qt::NoButton;
    m_rubberBand.reset();
    if (button == Qt::RightButton) {
        const int n = objectAt(*m_layout, m_pressPoint);
        return n ? DesignRelease{DesignRelease::Action::Popup, n} : DesignRelease{};
    }
    if (button != Qt::LeftButton)
        return {};

    if (m_cursor == DesignCursor::Drag && m_armed) {
        const int n = addObject(*m_armed, m_pressPoint);
        releaseKindButtons();
        return {DesignRelease::Action::Created, n};
    }
    const bool moving = m_cursor == DesignCursor::Move;
    if ((moving || isResizeCursor(m_cursor)) && m_selected != 0) {
        LayoutObject& object = m_layout->object(m_selected);
        const DesignRect dragged = draggedRect(objectRect(object), moving ? NoHandle : m_handle, point - m_pressPoint);
        setObjectRect(object, normalisedRect(dragged));
        m_cursor = DesignCursor::Normal;
        return {moving ? DesignRelease::Action::Moved : DesignRelease::Action::Resized, m_selected};
    }
    select(objectAt(*m_layout, point));
    return {DesignRelease::Action::Selected, m_selected};
}

// ---------------------------------------------------------------- saving

PageDesign::SaveResult PageDesign::save(const QString& name, const QString& widthText, const QString& heightText,
                                        const QString& libraryPath)
{
    // The size edits are checked only for a custom page: a named paper sets
    // a size that need not lie within the custom ranges (Legal landscape is
    // 14 inches wide).
    if (isCustomPaper()) {
        if (!applyCustomSide(PageSide::Height, heightText))
            return SaveResult::BadHeight;
        if (!applyCustomSide(PageSide::Width, widthText))
            return SaveResult::BadWidth;
    }
    m_layout->LayoutName.assign(Trim(unicodeToAnsi(name)));
    m_layout->DesignZoom = static_cast<std::int16_t>(m_zoom);
    pageChanged();
    const qint64 target = m_mode == PageDesignerMode::Modify ? m_recordIndex : -1;
    if (storeLayout(libraryPath, target, *m_layout) < 0) {
        showMessage(kDiskError, kCannotAdd);
        return SaveResult::CannotWrite;
    }
    m_saved = true;
    return SaveResult::Saved;
}
