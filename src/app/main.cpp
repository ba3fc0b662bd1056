#include "app/application.h"
#include "app/mainwindow.h"
#include "base/messageservice.h"
#include "base/paths.h"
#include "base/programfolders.h"
#include "widgets/qtmessageservice.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpApplication();

    setUpProgramFolders(QCoreApplication::applicationDirPath());
    setStartDirectory(QDir::currentPath());

    QtMessageService messageService;
    installMessageService(&messageService);

    TMainWin window;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quillmaze.svg")));
    // The one argument the program takes: a collection to open at start.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        window.openFromCommandLine(arguments.at(1));
    window.show();
    const int result = app.exec();
    installMessageService(nullptr);
    return result;
}
