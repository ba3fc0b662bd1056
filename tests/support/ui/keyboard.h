#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

// A person at the keyboard: keys go to whatever has the focus.

// Shows a window and makes it the active one, so that it gets the keys.
inline bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

inline void typeText(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }

inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

inline void pressAlt(QWidget* window, Qt::Key key) { QTest::keyClick(window, key, Qt::AltModifier); }
