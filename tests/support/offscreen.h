#pragma once

#include <QByteArray>
#include <QtGlobal>

// Window and painting tests run on the offscreen platform unless
// QT_QPA_PLATFORM names another one. Call before the application is made.
inline void chooseOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
