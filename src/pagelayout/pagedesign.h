#pragma once

#include "pagelayout/designgeometry.h"
#include "pagelayout/layoutlist.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <array>
#include <memory>
#include <optional>

// The cursor the page shows.
enum class DesignCursor {
    Normal,
    Drag,       // a kind button is pressed: a click places an object
    Move,       // over the selected object
    SizeNWSE,   // top-left and bottom-right handles
    SizeNESW,   // top-right and bottom-left handles
    SizeVertical,
    SizeHorizontal,
};

// What a mouse release on the page did.
struct DesignRelease {
    enum class Action { None, Created, Moved, Resized, Selected, Popup };
    Action action = Action::None;
    int object = 0; // the object created, selected (0: selection cleared) or to pop up
};

// The working state of the page designer: its own copy of the layout, the
// zoom and unit with the design pixels they give, the pictures of bitmap
// objects, the armed kind button, the selection and the mouse gestures on
// the page, and the saving into the layout library. Messages go through the
// message service; a write that fails after the library was opened throws
// IoError.
class PageDesign {
public:
    enum class SaveResult { Saved, BadHeight, BadWidth, CannotWrite };

    // New starts from the fresh page ("New Page", Letter, 8.5 × 11 inches,
    // portrait, no objects); Modify and Copy from `start`, whose objects are
    // rescaled from the zoom they were saved at to `zoom`, and whose bitmaps
    // are loaded (a missing file is reported and shown as a placeholder).
    // Modify overwrites record `recordIndex` when saved.
    PageDesign(PageDesignerMode mode, qint64 recordIndex, const PageLayoutRecord* start, int zoom);
    ~PageDesign();

    PageDesignerMode mode() const { return m_mode; }
    const PageLayoutRecord& layout() const { return *m_layout; }
    int zoom() const { return m_zoom; }
    bool inches() const { return m_layout->UnitsInches == 1; }
    int pixelsPerUnit() const { return ::pixelsPerUnit(m_zoom, inches()); }
    bool saved() const { return m_saved; }

    // ---- page
    // Rescales every object by the zoom factor; false when already at zoom.
    bool setZoom(int zoom);
    // A named paper sets the page size and unit (turned for landscape);
    // "Custom" keeps them. Odd sizes and Custom are warned about. Objects
    // keep their pixel rectangles.
    void choosePaper(QByteArrayView name);
    bool isCustomPaper() const;
    // Swaps width and height when the orientation changes.
    void setPortrait(bool portrait);
    // Converts the page and the objects to inches or centimetres; false when
    // the unit is already that.
    bool setInches(bool inches);
    // A custom side as typed, checked as the edit is left: on failure the
    // message is shown (caption "Error") and false returned; a valid value
    // different from the page's is stored.
    bool applyCustomSide(PageSide side, const QString& text);

    // ---- kind buttons
    // Presses a kind button, or releases all when it is the pressed one.
    void pressKindButton(ObjectKind kind);
    void releaseKindButtons();
    std::optional<ObjectKind> armedKind() const { return m_armed; }
    bool kindButtonEnabled(ObjectKind kind) const { return canPlaceKind(*m_layout, kind); }

    // ---- objects (numbered 1..ObjectCount)
    int selected() const { return m_selected; }
    void select(int n);
    // Adds an object of the kind at the point (see appendObject); a bitmap
    // shows the placeholder. Returns its number, 0 when full.
    int addObject(ObjectKind kind, QPoint at);
    void replaceObject(int n, const LayoutObject& object);
    void setTextAlign(int n, int align);
    void deleteObject(int n);
    void bringToFront(int n);
    void sendToBack(int n);
    // Loads a picture for bitmap object n and stores its path (at most 255
    // characters). A file that is not a .BMP or cannot be read shows "The
    // file selected is not a valid bitmap file." and changes nothing.
    bool loadBitmap(int n, const QString& path);
    // The picture loaded for bitmap object n; null for the placeholder and
    // for other kinds.
    const QImage& picture(int n) const;

    // ---- mouse on the page (design pixels)
    void mousePress(QPoint point, Qt::MouseButton button);
    // Moving without the left button sets the cursor from what lies under the
    // pointer; with it, after a press with the move or a resize cursor, the
    // rubber band follows.
    void mouseMove(QPoint point, bool leftHeld);
    DesignRelease mouseRelease(QPoint point);
    DesignCursor cursor() const { return m_cursor; }
    // The frame to draw while an object is dragged.
    std::optional<DesignRect> rubberBand() const { return m_rubberBand; }

    // Checks the custom height and then width (only while the paper is
    // Custom; see applyCustomSide), names the layout (trimmed, cut to 20),
    // records the zoom and writes the whole record to the library at
    // `libraryPath`: appended for New and Copy, in place for Modify. The
    // library is created when missing; when it can be neither opened nor
    // created "Unable to add page layout." (caption "Disk Error") is shown.
    SaveResult save(const QString& name, const QString& widthText, const QString& heightText,
                    const QString& libraryPath);

private:
    void pageChanged();
    void loadPictures();
    DesignCursor cursorAt(QPoint point);
    // Moves the slots' pictures as `reorder` moves the objects, keeping the
    // selection on the same object.
    template <typename Reorder>
    void restack(int n, int newPosition, Reorder reorder);

    PageDesignerMode m_mode;
    qint64 m_recordIndex;
    std::unique_ptr<PageLayoutRecord> m_layout;
    int m_zoom;
    bool m_saved = false;
    std::array<QImage, PageLayoutRecord::MaxObjects> m_pictures;
    std::optional<ObjectKind> m_armed;
    int m_selected = 0;

    DesignCursor m_cursor = DesignCursor::Normal;
    Handle m_handle = NoHandle;
    Qt::MouseButton m_pressButton = Qt::NoButton;
    QPoint m_pressPoint;
    std::optional<DesignRect> m_rubberBand;
};

