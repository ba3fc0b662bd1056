#pragma once

// What the program sets on its application object before the main window is
// made: the application title "Quillmaze 98", the desktop entry it belongs
// to and the font that stands in for "Arial". No display name is set, so the
// window system shows each window's caption exactly as the window gives it.
void setUpApplication();
