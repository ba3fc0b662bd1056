#pragma once

class QDialog;
class QWidget;
struct Settings;

// Every dialog of the program is shown through here: it takes the three user
// fonts (label, edit and button font by control class), is scaled by the
// screen scale and centred on the screen.

// Applies the user fonts to every control below root. Font sizes are not
// changed.
void applyUserFonts(QWidget* root, const Settings& settings);

// Scales the window's size and every font size below it by scale.
void scaleWindow(QWidget* window, double scale);

// left = (screen width - width) div 2, top likewise.
void centreOnScreen(QWidget* window);

// The "&Ok" (default, named OkButton) and "&Cancel" (named CancelButton,
// rejects) buttons at the right of a row; returns the row to add to the
// dialog's layout. The caller connects Ok.
class QHBoxLayout;
class QPushButton;
QHBoxLayout* okCancelRow(QDialog* dialog, QPushButton** ok);

// Fonts, scale and centring from the program-wide state, then exec().
int showDialog(QDialog& dialog);
// The same preparation without running the dialog (for tests and for
// dialogs shown modelessly).
void prepareDialog(QDialog& dialog);
// The same with the user fonts and screen scale handed in by the caller.
int showDialog(QDialog& dialog, const Settings& settings, double screenScale);
void prepareDialog(QDialog& dialog, const Settings& settings, double screenScale);
