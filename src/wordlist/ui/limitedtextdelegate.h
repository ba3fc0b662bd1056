#pragma once

#include <QMap>
#include <QStyledItemDelegate>

// Cell editing with a maximum text length per column: the in-place editor
// holds at most that many characters of the cell.
class LimitedTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    LimitedTextDelegate(QMap<int, int> maxLengthByColumn, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

private:
    QMap<int, int> m_maxLength;
};
