#include "wordlist/ui/wordgrid.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace {

bool isEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers held = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && held == Qt::NoModifier;
}

} // namespace

WordGrid::WordGrid(int rows, int columns, int visibleRows, QWidget* parent)
    : QTableWidget(rows, columns, parent), m_visibleRows(visibleRows)
{
    setTabKeyNavigation(true);
}

int WordGrid::heightForVisibleRows() const
{
    const int header = horizontalHeader()->isHidden() ? 0 : horizontalHeader()->sizeHint().height();
    return header + m_visibleRows * verticalHeader()->defaultSectionSize() + 2 * frameWidth();
}

QSize WordGrid::sizeHint() const { return {QTableWidget::sizeHint().width(), heightForVisibleRows()}; }

QSize WordGrid::minimumSizeHint() const
{
    return {QTableWidget::minimumSizeHint().width(), heightForVisibleRows()};
}

void WordGrid::finishEdit()
{
    // The grid holds no persistent editors: a widget on the current cell is
    // the editor of the edit in progress.
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

QModelIndex WordGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (cursorAction == MoveNext || cursorAction == MovePrevious)
        return nextEditableCell(currentIndex(), cursorAction == MoveNext);
    return QTableWidget::moveCursor(cursorAction, modifiers);
}

QModelIndex WordGrid::nextEditableCell(const QModelIndex& from, bool forward) const
{
    const int columns = columnCount();
    const int cells = rowCount() * columns;
    int position = from.isValid() ? from.row() * columns + from.column() : (forward ? -1 : cells);
    for (position += forward ? 1 : -1; position >= 0 && position < cells; position += forward ? 1 : -1) {
        if (isEditableCell(position / columns, position % columns))
            return model()->index(position / columns, position % columns);
    }
    return {};
}

bool WordGrid::isEditableCell(int row, int column) const
{
    if (isRowHidden(row) || isColumnHidden(column))
        return false;
    return model()->flags(model()->index(row, column)) & Qt::ItemIsEditable;
}

bool WordGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (!QTableWidget::edit(index, trigger, event))
        return false;
    // Enter is taken before the cell editor's own handling, which would
    // finish the cell only later, from the event loop, and stay on it.
    if (QWidget* editor = indexWidget(index))
        editor->installEventFilter(this);
    return true;
}

bool WordGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched->isWidgetType() && watched != viewport() && isEnterKey(event)) {
        finishEdit();
        moveDown();
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}

void WordGrid::keyPressEvent(QKeyEvent* event)
{
    if (isEnterKey(event)) {
        finishEdit();
        moveDown();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void WordGrid::moveDown()
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() + 1 < rowCount())
        setCurrentIndex(model()->index(current.row() + 1, current.column()));
}
