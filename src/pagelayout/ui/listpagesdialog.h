#pragma once

#include "pagelayout/layoutlist.h"
#include "widgets/dialoghelper.h"

#include <QDialog>

#include <functional>
#include <map>

class QListWidget;
class QPushButton;
class LayoutThumbnailView;

struct Settings;

// Opens the page designer modally for New (no layout, index -1), Modify (the
// layout and its record index) or Copy (the layout already under its copy
// name, index -1); returns whether the designer saved into the library.
using PageDesigner = std::function<bool(QWidget* parent, PageDesignerMode mode, qint64 recordIndex,
                                        const PageLayoutRecord* layout)>;

// Replaces the page designer the list opens (tests); an empty function
// restores the real one.
void setPageDesigner(PageDesigner designer);

// "Puzzle Page Layouts": the layout library with a miniature of the selected
// layout and its buttons. In the library mode it only manages the library;
// in the other modes "&Select" closes it with the chosen layout. It keeps
// the default layout and the remembered files in the context's settings.
class TListPages : public QDialog {
    Q_OBJECT
public:
    static constexpr int ThumbnailWidth = 245;
    static constexpr int ThumbnailHeight = 313;

    TListPages(LayoutListMode mode, const DialogContext& context, QWidget* parent = nullptr);
    ~TListPages() override;

    // True once "&Select" closed the dialog; chosenLayout() is then the
    // layout picked.
    bool layoutChosen() const { return m_chosen; }
    const PageLayoutRecord& chosenLayout() const { return m_list.layout(); }

    const PageLayoutList& list() const { return m_list; }
    QListWidget* PageList() const { return m_pageList; }
    LayoutThumbnailView* PageImage() const { return m_image; }
    // The button with the given object name ("SelectButton", "NewButton",
    // "ModifyButton", "CopyButton", "DeleteButton", "ImportButton",
    // "ExportButton", "ExtractButton", "DefaultButton", "ExitButton").
    QPushButton* button(const QString& name) const;

    void FormShow();
    void PageListClick();
    void SelectClick();
    void NewClick();
    void ModifyClick();
    void CopyClick();
    void DeleteClick();
    void ImportClick();
    void ExportClick();
    void ExtractClick();
    void DefaultClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* addButton(const QString& name, const QString& caption, void (TListPages::*handler)());
    QWidget* makeLegend();
    void openDesigner(PageDesignerMode mode);
    // Shows the model's entries and selection, the miniature and the button
    // states.
    void showList();
    void showSelection();
    void enableButtons();

    DialogContext m_context;
    PageLayoutList m_list;
    QListWidget* m_pageList = nullptr;
    LayoutThumbnailView* m_image = nullptr;
    std::map<QString, QPushButton*> m_buttons;
    bool m_chosen = false;
    bool m_shown = false;
};

// Opens the list to manage the library (Edit > Page Layout).
void showPageLayoutList(QWidget* parent, const DialogContext& context);

// Opens the list to choose a layout (the word list editor's or the print
// options' mode); when one is chosen it is copied into `layout` and true is
// returned.
bool choosePageLayout(QWidget* parent, const DialogContext& context, LayoutListMode mode, PageLayoutRecord& layout);
