#include "app/ui/mainwindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmaze 98"));
    TMainWin window;
    window.show();
    return app.exec();
}
