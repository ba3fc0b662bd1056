#include "widgets/qtmessageservice.h"

#include <QApplication>
#include <QMessageBox>

MessageAnswer QtMessageService::show(const QString& caption, const QString& text, MessageButtons buttons)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    QMessageBox::Icon icon = QMessageBox::Information;
    if (caption == QLatin1String("Error") || caption == QLatin1String("Disk Error"))
        icon = QMessageBox::Critical;
    else if (caption == QLatin1String("Warning"))
        icon = QMessageBox::Warning;
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        icon = QMessageBox::Question;
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        icon = QMessageBox::Question;
        break;
    }
    box.setIcon(icon);
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
