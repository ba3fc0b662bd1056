#pragma once

class QWidget;

// A window's own shortcuts (its menu commands and QShortcut keys) work
// wherever the focus is in it: a text box below `window` no longer claims a
// key such as Ctrl+X, Ctrl+V or Ctrl+Z for its own editing when the window
// has a command on that key. Keys the window does not use stay the text
// box's. Call once the window's controls exist; controls added later keep
// their own keys.
void giveWindowShortcutsPriority(QWidget* window);
