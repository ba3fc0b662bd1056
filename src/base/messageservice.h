#pragma once

#include <QString>

#include <stdexcept>
#include <string>

// Every message box of the program goes through one MessageService. The
// application installs one that shows dialogs; tests install one that records
// the messages and gives scripted answers; the command-line tool installs one
// that writes to stderr.

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const QString& caption, const QString& text, MessageButtons buttons) = 0;
};

// The service in force. Without an installed one, messages go to stderr and
// questions are answered No (Cancel for three buttons).
MessageService& messages();
// Installs a service (not owned); nullptr goes back to the stderr fallback.
void installMessageService(MessageService* service);

// Shorthands for the common captions.
void showError(const QString& text);
void showWarning(const QString& text);
void showNotice(const QString& text);
void showMessage(const QString& caption, const QString& text);
bool askYesNo(const QString& caption, const QString& text);
MessageAnswer askYesNoCancel(const QString& caption, const QString& text);

// An input/output failure after a file was opened (seek, read, write,
// truncate, close). Commands let it propagate to the general error report,
// which shows it and lets the program go on.
class IoError : public std::runtime_error {
public:
    explicit IoError(const QString& message);
    QString message() const;
};

// The general error report: shows an input/output error (caption "Error").
void reportIoError(const IoError& error);

// Runs a command; an IoError it raises is reported and the command ends.
// Returns false when the command ended with an error.
template <typename Command>
bool runReportingIoErrors(Command&& command)
{
    try {
        command();
        return true;
    } catch (const IoError& error) {
        reportIoError(error);
        return false;
    }
}
