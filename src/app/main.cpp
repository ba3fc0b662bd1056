#include "app/application.h"
#include "app/mainwindow.h"
#include "base/messageservice.h"
#include "base/paths.h"
#include "widgets/qtmessageservice.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpApplication();

    setProgramDirectory(findProgramDirectory(QCoreApplication::applicationDirPath()));
    setStartDirectory(QDir::currentPath());

    QtMessageService messageService;
    installMessageService(&messageService);

    TMainWin window;
    window.show();
    const int result = app.exec();
    installMessageService(nullptr);
    return result;
}
