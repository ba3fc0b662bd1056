#pragma once

#include "base/messageservice.h"

// Shows the program's messages as modal message boxes over the active window.
class QtMessageService : public MessageService {
public:
    MessageAnswer show(const QString& caption, const QString& text, MessageButtons buttons) override;
};
