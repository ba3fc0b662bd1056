#pragma once

#include <QObject>

#include <functional>

class QAbstractItemView;

// Hands a paste of several cells (clipboard text holding a line break or a
// tab) into a table to a handler, whether the table itself or one of its
// cell editors has the focus. A paste of plain text is left to the cell
// editor as usual.
class RowPasteFilter : public QObject {
    Q_OBJECT
public:
    RowPasteFilter(QAbstractItemView* view, std::function<void()> paste);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* m_view;
    std::function<void()> m_paste;
};
