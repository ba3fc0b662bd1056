#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The subcommands of qmaze. Each lives in its own file and registers itself
// with QMAZE_COMMAND, so commands are added without touching main().
struct QmazeCommand {
    QString name;
    QString summary;                          // one line for "qmaze --help"
    QString usage;                            // full text for "qmaze NAME --help"
    int (*run)(const QStringList& arguments); // arguments after the command name; returns the exit code
};

int registerQmazeCommand(const QmazeCommand& command);

#define QMAZE_COMMAND(id, ...) \
    static const int qmaze_command_registration_##id = registerQmazeCommand(QmazeCommand{__VA_ARGS__});

// Options of the form --name VALUE or --flag, with a clear message for
// anything unknown or missing.
class QmazeOptions {
public:
    // valueOptions take a value; flags do not. Returns false (and fills
    // error) for an unknown option or a missing value.
    bool parse(const QStringList& arguments, const QStringList& valueOptions, const QStringList& flags);

    bool has(const QString& name) const { return m_values.contains(name) || m_flags.contains(name); }
    QString value(const QString& name, const QString& fallback = QString()) const
    {
        return m_values.value(name, fallback);
    }
    const QString& error() const { return m_error; }

private:
    QMap<QString, QString> m_values;
    QStringList m_flags;
    QString m_error;
};

// Writes a line to stderr (messages) or stdout (results).
void printError(const QString& text);
void printOut(const QString& text);
