#pragma once

#include <QTableWidget>

// The word list editor's grid of words and clues, typed in like a
// spreadsheet: Tab and Shift+Tab move between the editable cells only
// (skipping the fixed and hidden columns), and Enter finishes the cell and
// moves to the same column of the next row. It asks for the height that
// shows visibleRows rows below its header at the row height in force.
class WordGrid : public QTableWidget {
    Q_OBJECT
public:
    WordGrid(int rows, int columns, int visibleRows, QWidget* parent = nullptr);

    using QTableWidget::edit;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Ends the cell edit in progress, if any, keeping what was typed, so that
    // the grid's items hold it.
    void finishEdit();

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The next (or previous) editable cell after `from` in reading order;
    // from an invalid index the first (or last) one; invalid when none.
    QModelIndex nextEditableCell(const QModelIndex& from, bool forward) const;
    bool isEditableCell(int row, int column) const;
    void moveDown();
    int heightForVisibleRows() const;

    int m_visibleRows;
};
