#pragma once

#include "base/messageservice.h"

#include <QList>
#include <QString>

// A message service for tests: records every message and answers questions
// from a script (Yes when the script runs out). Installs itself while alive.
class RecordingMessages : public MessageService {
public:
    struct Message {
        QString caption;
        QString text;
        MessageButtons buttons;
    };

    RecordingMessages() { installMessageService(this); }
    ~RecordingMessages() override { installMessageService(nullptr); }

    MessageAnswer show(const QString& caption, const QString& text, MessageButtons buttons) override
    {
        shown.append({caption, text, buttons});
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return answers.isEmpty() ? MessageAnswer::Yes : answers.takeFirst();
    }

    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }
    QString lastCaption() const { return shown.isEmpty() ? QString() : shown.last().caption; }
    void clear() { shown.clear(); }

    QList<Message> shown;
    QList<MessageAnswer> answers;
};
