#pragma once

#include "support/offscreen.h"

#include <QCoreApplication>
#include <QGuiApplication>

// Fonts and painting need a QGuiApplication, which the GoogleTest main does
// not make. Creates one on the offscreen platform on first use; it lives
// until the process ends.
inline void ensureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    chooseOffscreenPlatform();
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}
