#include "base/messageservice.h"

#include <cstdio>

namespace {

class StderrMessageService : public MessageService {
public:
    MessageAnswer show(const QString& caption, const QString& text, MessageButtons buttons) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
        switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Cancel;
        }
        return MessageAnswer::Ok;
    }
};

StderrMessageService g_fallback;
MessageService* g_service = nullptr;

} // namespace

MessageService& messages() { return g_service ? *g_service : g_fallback; }
void installMessageService(MessageService* service) { g_service = service; }

void showMessage(const QString& caption, const QString& text)
{
    messages().show(caption, text, MessageButtons::Ok);
}
void showError(const QString& text) { showMessage(QStringLiteral("Error"), text); }
void showWarning(const QString& text) { showMessage(QStringLiteral("Warning"), text); }
void showNotice(const QString& text) { showMessage(QStringLiteral("Notice"), text); }

bool askYesNo(const QString& caption, const QString& text)
{
    return messages().show(caption, text, MessageButtons::YesNo) == MessageAnswer::Yes;
}

MessageAnswer askYesNoCancel(const QString& caption, const QString& text)
{
    return messages().show(caption, text, MessageButtons::YesNoCancel);
}

IoError::IoError(const QString& message) : std::runtime_error(message.toStdString()) {}
QString IoError::message() const { return QString::fromStdString(what()); }

void reportIoError(const IoError& error) { showError(error.message()); }
