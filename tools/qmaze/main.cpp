// qmaze: Quillmaze from the command line, for scripted and batch use.
#include "command.h"

#include "base/messageservice.h"
#include "base/paths.h"
#include "base/programfolders.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>

#include <cstdio>
#include <vector>

namespace {

std::vector<QmazeCommand>& commands()
{
    static std::vector<QmazeCommand> registered;
    return registered;
}

void printUsage()
{
    printOut(QStringLiteral("Usage: qmaze COMMAND [OPTIONS]\n\nCommands:"));
    for (const auto& command : commands())
        printOut(QStringLiteral("  %1  %2").arg(command.name, -10).arg(command.summary));
    printOut(QStringLiteral("\nRun 'qmaze COMMAND --help' for the options of a command."));
}

} // namespace

int registerQmazeCommand(const QmazeCommand& command)
{
    commands().push_back(command);
    return static_cast<int>(commands().size());
}

bool QmazeOptions::parse(const QStringList& arguments, const QStringList& valueOptions, const QStringList& flags)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (valueOptions.contains(argument)) {
            if (i + 1 >= arguments.size()) {
                m_error = QStringLiteral("option %1 needs a value").arg(argument);
                return false;
            }
            m_values.insert(argument, arguments[++i]);
        } else if (flags.contains(argument)) {
            m_flags << argument;
        } else {
            m_error = QStringLiteral("unknown option '%1'").arg(argument);
            return false;
        }
    }
    return true;
}

void printError(const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }
void printOut(const QString& text) { std::fprintf(stdout, "%s\n", qPrintable(text)); }

int main(int argc, char** argv)
{
    // Fonts and painting need a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    setUpProgramFolders(QCoreApplication::applicationDirPath());
    setStartDirectory(QDir::currentPath());

    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help") || arguments.first() == QLatin1String("-h")) {
        printUsage();
        return arguments.isEmpty() ? 2 : 0;
    }
    const QString name = arguments.takeFirst();
    for (const auto& command : commands()) {
        if (command.name != name)
            continue;
        if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
            printOut(command.usage);
            return 0;
        }
        try {
            return command.run(arguments);
        } catch (const IoError& error) {
            printError(error.message());
            return 1;
        }
    }
    printError(QStringLiteral("qmaze: unknown command '%1'").arg(name));
    printUsage();
    return 2;
}
