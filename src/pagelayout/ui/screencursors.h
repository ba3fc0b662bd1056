#pragma once

#include <QCursor>

// The program's own screen cursors, registered by number at start-up as the
// window system's cursor table holds them.

// The hand the page designer shows over the selected object.
inline constexpr int kHandCursor = 5;

// Loads the hand cursor resource "CursHand" and registers it as screen
// cursor 5.
void registerHandCursor();

// The cursor registered under that number; the arrow for any other.
QCursor screenCursor(int number);
