#pragma once

#include <QString>

#include <functional>

class QWidget;

// File dialogs of the program go through here, so tests can answer them
// without a window. A filter is given in the program's "Text (*.EXT)|*.EXT"
// form; the extension test of the callers ignores case.
struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString defaultExtension;  // without the dot, e.g. "QZ3"
    QString filter;            // "QMAZE Files (*.QZ3)|*.QZ3"
    QString initialPath;
    bool overwritePrompt = false;
};

using FileChooser = std::function<QString(QWidget* parent, const FileDialogRequest& request)>;

// Shows the dialog; returns the chosen path, empty on Cancel.
QString chooseFile(QWidget* parent, const FileDialogRequest& request);

// The dialogs of commands that remember their last file: the dialog starts
// from `remembered` (from `fallback` while nothing is remembered) and the
// chosen file is remembered there; empty on Cancel, leaving `remembered` as
// it was. A save dialog asks before it replaces a file.
QString chooseFileToOpen(QWidget* parent, const QString& title, const QString& extension, const QString& filter,
                         QString& remembered, const QString& fallback = QString());
QString chooseFileToSave(QWidget* parent, const QString& title, const QString& extension, const QString& filter,
                         QString& remembered, const QString& fallback = QString());

// Replaces the dialog (tests); an empty function restores the real one.
void setFileChooser(FileChooser chooser);
