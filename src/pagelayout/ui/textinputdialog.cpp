#include "pagelayout/ui/textinputdialog.h"

#include "pagelayout/objectedits.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

TTextInput::TTextInput(const LayoutObject& object, QWidget* parent)
    : ObjectDialog(object, QStringLiteral("TextInput"), QStringLiteral("Text"), parent)
{
    m_edit = new QPlainTextEdit(this);
    m_edit->setObjectName(QStringLiteral("TextEdit"));
    m_edit->setTabChangesFocus(true);
    m_edit->setMinimumSize(360, 180);
    m_edit->setPlainText(limitedEditText(objectTextForEdit(object)));
    connect(m_edit, &QPlainTextEdit::textChanged, this, &TTextInput::limitText);

    auto* column = new QVBoxLayout;
    column->addWidget(m_edit);
    setContent(column);
    m_edit->setFocus();
}

void TTextInput::limitText()
{
    const QString text = m_edit->toPlainText();
    const QString limited = limitedEditText(text);
    if (limited.size() == text.size())
        return;
    const QSignalBlocker blocker(m_edit);
    m_edit->setPlainText(limited);
    m_edit->moveCursor(QTextCursor::End);
}

void TTextInput::OkClick()
{
    storeObjectText(m_object, m_edit->toPlainText());
    accept();
}
