#include "app/application.h"

#include <QFont>
#include <QGuiApplication>

void setUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quillmaze 98"));
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmaze.Quillmaze"));
    // "Arial" in layouts and settings is drawn with its metric twin.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}
