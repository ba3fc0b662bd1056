#include "widgets/qtmessageservice.h"

#include <QApplication>

QMessageBox::Icon messageIcon(const QString& caption, MessageButtons buttons)
{
    if (buttons != MessageButtons::Ok)
        return QMessageBox::Question;
    if (caption == QLatin1String("Error"))
        return QMessageBox::Critical;
    if (caption == QLatin1String("Warning") || caption == QLatin1String("Disk Error"))
        return QMessageBox::Warning;
    return QMessageBox::Information;
}

MessageAnswer QtMessageService::show(const QString& caption, const QString& text, MessageButtons buttons)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    box.setIcon(messageIcon(caption, buttons));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}
