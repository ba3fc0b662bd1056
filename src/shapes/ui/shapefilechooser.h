#pragma once

#include <QString>

#include <functional>

class QWidget;

// The file dialogs of shape import and export. The choice of a file name is
// replaceable, so that tests can supply a path without a dialog.

enum class ShapeFileDialog { Import, Export };

// Returns the chosen path, or an empty string when the user cancelled.
using ShapeFileChooser = std::function<QString(QWidget* parent, ShapeFileDialog kind, const QString& initialPath)>;

// Asks through the installed chooser (the file dialog when none is installed).
QString chooseShapeFile(QWidget* parent, ShapeFileDialog kind, const QString& initialPath);

// Installs a chooser; an empty one goes back to the file dialog.
void setShapeFileChooser(ShapeFileChooser chooser);
