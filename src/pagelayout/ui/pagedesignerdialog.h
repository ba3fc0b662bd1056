#pragma once

#include "pagelayout/pagedesign.h"
#include "widgets/dialoghelper.h"

#include <QDialog>

#include <map>

class DesignSheet;
class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollArea;

// "Page Creator": the page designer. The user names the layout, picks its
// paper, orientation and unit, places objects with the kind buttons and the
// mouse, moves and resizes them, edits them through the object popup and its
// dialogs, stacks them, and saves the layout into the library. The window
// opens on its remembered bounds, at the remembered zoom, and stores both in
// the settings it is given; saved() tells the caller whether the library
// changed.
//
// Children by name: Name, PaperSize, Portrait, Landscape, Width, Height,
// Inches, the kind buttons (see kindButton), SaveButton, CancelButton,
// ScrollBox, Sheet, PageImage; menus and actions by name: see action().
class TDoPages : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Page Creator");

    // `start` is the layout to modify or copy (ignored for New); Modify
    // overwrites `recordIndex`. The context's settings give the zoom, the
    // window bounds and the user fonts and take back zoom and bounds; its
    // screen scale scales the controls' fonts.
    TDoPages(PageDesignerMode mode, qint64 recordIndex, const PageLayoutRecord* start, const DialogContext& context,
             QWidget* parent = nullptr);
    ~TDoPages() override;

    bool saved() const { return m_design.saved(); }
    const PageDesign& design() const { return m_design; }

    // An action by object name: "FileSave", "FileExit", "ZoomSmall",
    // "ZoomMedium", "ZoomLarge", "Help", and of the object popup
    // "SizePosition", "Properties", "Border", "Fill", "ChangeText",
    // "AlignLeft", "AlignCenter", "AlignRight", "TextFont", "LoadBitmap",
    // "Delete", "BringToFront", "SendToBack".
    QAction* action(const QString& name) const;
    QMenu* objectsMenu() const { return m_objectsMenu; }
    QMenu* popupMenu() const { return m_popup; }
    QPushButton* kindButton(ObjectKind kind) const;
    // The object the popup menu acts on (0: none).
    int popupObject() const { return m_popupObject; }

    void SaveClick();
    void PaperSizeChange(int index);
    void OrientationClick(bool portrait);
    void InchesClick();
    void KindButtonClick(ObjectKind kind);
    void ZoomClick(int zoom);
    // Makes object n the popup object and opens the popup at the fixed place
    // near the window's top-left corner.
    void ObjectsMenuClick(int n);

    void SizePositionClick();
    void PropertiesClick();
    void BorderClick();
    void FillClick();
    void ChangeTextClick();
    void AlignClick(int align);
    void TextFontClick();
    void LoadBitmapClick();
    void DeleteClick();
    void BringToFrontClick();
    void SendToBackClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    QWidget* makeLeftPanel();
    QWidget* makeKindGroup(const QString& title, std::initializer_list<ObjectKind> kinds);
    void buildMenus();
    void buildPopup();
    QAction* addAction(QMenu* menu, const QString& name, const QString& caption, const QString& shortcut = {});
    void restoreBounds();

    // Shows name, size, unit, orientation and paper of the working layout.
    void showPage();
    // The size edits and the unit box follow the page.
    void showSize();
    void setCustomControlsVisible(bool visible);
    void redraw();
    void updateKindButtons();
    void rebuildObjectsMenu();
    void showPopup(const QPoint& globalPosition);
    void PageImageRelease(const DesignRelease& release);
    // The custom size edit that lost the focus is checked; an invalid value
    // keeps the focus there.
    void sizeEditExit(QLineEdit* edit);
    // Runs an object dialog on a copy of the popup object and takes the copy
    // back when the dialog is accepted.
    template <typename Dialog, typename... Args>
    void editPopupObject(Args&&... args);

    PageDesign m_design;
    DialogContext m_context;
    int m_popupObject = 0;

    QLineEdit* m_name = nullptr;
    QComboBox* m_paper = nullptr;
    QRadioButton* m_portrait = nullptr;
    QRadioButton* m_landscape = nullptr;
    QWidget* m_customControls = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QCheckBox* m_inches = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    QScrollArea* m_scrollBox = nullptr;
    DesignSheet* m_sheet = nullptr;
    QMenu* m_objectsMenu = nullptr;
    QMenu* m_popup = nullptr;
    std::map<QString, QAction*> m_actions;
    std::map<ObjectKind, QPushButton*> m_kindButtons;
};

// Opens the designer modally; true when it saved a layout into the library.
bool runPageDesigner(QWidget* parent, PageDesignerMode mode, qint64 recordIndex, const PageLayoutRecord* start,
                     const DialogContext& context);
