#include "app/application.h"

#include <QCoreApplication>
#include <QFont>

void setUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quillmaze 98"));
    // "Arial" in layouts and settings is drawn with its metric twin.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}
