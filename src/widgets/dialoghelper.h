#pragma once

#include <initializer_list>

class QDialog;
class QString;
class QWidget;
struct Settings;

// What every dialog works with, owned by the main window: the settings
// blocks (which hold the three user fonts) and the screen scale of the
// screen size preset in force. A dialog receives it from its caller and
// hands it on to the dialogs it opens.
struct DialogContext {
    Settings& settings;
    double screenScale = 1.0;

    // A size in pixels at the screen scale, rounded.
    int scaled(int pixels) const;
};

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

// Edits checked as the user leaves them: true when `event` is a focus-out
// to another control of the same window, not to another window or popup
// (a message box among them) and not to one of `exempt` (the buttons that
// check for themselves or need no check, such as Save and Cancel).
class QEvent;
class QLineEdit;
bool leftForAnotherControl(const QEvent* event, const QWidget* window, std::initializer_list<const QWidget*> exempt);
// Gives the focus back to an edit whose value was refused, with its text
// selected, once the message box about it has closed.
void refocusLater(QLineEdit* edit);

// A push button named `name` that Enter does not press unless it has the
// focus (it never becomes the default button by itself).
QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent);

// Fonts, scale and centring from the context, then exec().
int showDialog(QDialog& dialog, const DialogContext& context);
// The same preparation without running the dialog (for tests and for
// dialogs shown modelessly).
void prepareDialog(QDialog& dialog, const DialogContext& context);
