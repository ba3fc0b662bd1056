#include "shapes/ui/shapefilechooser.h"

#include <QFileDialog>

namespace {
ShapeFileChooser g_chooser;

// The non-native dialog, so that every platform shows the same one. Both
// spellings of the extension are listed, as file names are case-sensitive
// here.
QString fileDialog(QWidget* parent, ShapeFileDialog kind, const QString& initialPath)
{
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QStringLiteral("LAY"));
    if (kind == ShapeFileDialog::Import) {
        dialog.setWindowTitle(QStringLiteral("Import Puzzle Shape"));
        dialog.setNameFilter(QStringLiteral("Puzzle Shapes (*.LAY *.lay)"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setWindowTitle(QStringLiteral("Export Puzzle Shape"));
        dialog.setNameFilter(QStringLiteral("Puzzle Shape (*.LAY *.lay)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    const QFileInfo initial(initialPath);
    if (initial.isDir()) {
        dialog.setDirectory(initialPath);
    } else if (!initialPath.isEmpty()) {
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
} // namespace

QString chooseShapeFile(QWidget* parent, ShapeFileDialog kind, const QString& initialPath)
{
    return g_chooser ? g_chooser(parent, kind, initialPath) : fileDialog(parent, kind, initialPath);
}

void setShapeFileChooser(ShapeFileChooser chooser) { g_chooser = std::move(chooser); }
