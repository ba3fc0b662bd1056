#pragma once

#include "shapes/shapelist.h"
#include "widgets/dialoghelper.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

// The shape list with its heading "Puzzle Shape", thumbnail and the buttons
// New, Modify, Copy, Delete, Import and Export: the same piece in the
// stand-alone shapes dialog (240-pixel thumbnail) and in the word list
// editor's shape box (148 pixels). Selecting an entry loads it into the
// current shape of the list's context. Import and export remember their
// files in the settings. Child names: ShapeBox, LayoutImage, NewShape,
// ModifyShape, CopyShape, DeleteShape, ImportShape, ExportShape.
class ShapeListBox : public QWidget {
    Q_OBJECT
public:
    ShapeListBox(ShapeListMode mode, ShapeListContext shapes, const DialogContext& context, int thumbnailSize,
                 QWidget* parent = nullptr);

    // Fills the list and selects its default entry; the host calls it when
    // it is shown.
    void load();
    // Enables or disables the list and its six buttons together (the word
    // list editor locks them while a puzzle is modified).
    void setControlsEnabled(bool enabled);

    const ShapeList& shapeList() const { return m_list; }

signals:
    // The current shape was loaded from another entry (or reloaded).
    void shapeChanged();

private slots:
    void ShapeBoxClick();
    void NewShapeClick();
    void ModifyShapeClick();
    void CopyShapeClick();
    void DeleteShapeClick();
    void ImportShapeClick();
    void ExportShapeClick();

private:
    QPushButton* addButton(const QString& caption, const QString& name);
    void openEditor(ShapeEditorMode mode);
    // Shows the list's entries, selection, thumbnail and button states.
    void refresh();
    // Runs an operation of the list, reporting an I/O error, then refreshes.
    template <typename Operation>
    void run(Operation&& operation);

    ShapeList m_list;
    DialogContext m_context;
    int m_thumbnailSize;
    bool m_controlsEnabled = true;
    QListWidget* m_box = nullptr;
    QLabel* m_image = nullptr;
    QPushButton* m_modify = nullptr;
    QPushButton* m_delete = nullptr;
    QList<QPushButton*> m_buttons;
};
