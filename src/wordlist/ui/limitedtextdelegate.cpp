#include "wordlist/ui/limitedtextdelegate.h"

#include <QLineEdit>

LimitedTextDelegate::LimitedTextDelegate(QMap<int, int> maxLengthByColumn, QObject* parent)
    : QStyledItemDelegate(parent), m_maxLength(std::move(maxLengthByColumn))
{
}

QWidget* LimitedTextDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && m_maxLength.contains(index.column()))
        line->setMaxLength(m_maxLength.value(index.column()));
    return editor;
}

void LimitedTextDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && m_maxLength.contains(index.column())) {
        line->setText(index.data(Qt::EditRole).toString().left(m_maxLength.value(index.column())));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}
