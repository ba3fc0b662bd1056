#pragma once

#include "base/messageservice.h"

#include <QMessageBox>

// Shows the program's messages as modal message boxes over the active window.
class QtMessageService : public MessageService {
public:
    MessageAnswer show(const QString& caption, const QString& text, MessageButtons buttons) override;
};

// The icon of a message box: a question for Yes/No boxes, the stop sign for
// "Error", the warning sign for "Warning" and "Disk Error", else information.
QMessageBox::Icon messageIcon(const QString& caption, MessageButtons buttons);
