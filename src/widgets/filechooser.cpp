#include "widgets/filechooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace {

FileChooser& customChooser()
{
    static FileChooser chooser;
    return chooser;
}

// "A (*.X)|*.X|B (*.Y)|*.Y" -> "A (*.X *.x);;B (*.Y *.y)": extensions match
// in either case on Linux.
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        QStringList both;
        for (const QString& pattern : patterns) {
            both << pattern;
            if (pattern.toLower() != pattern)
                both << pattern.toLower();
        }
        QString label = parts[i];
        const qsizetype open = label.indexOf(u'(');
        if (open >= 0)
            label = label.left(open).trimmed();
        result << QStringLiteral("%1 (%2)").arg(label, both.join(u' '));
    }
    return result.join(QStringLiteral(";;"));
}

QString realChooser(QWidget* parent, const FileDialogRequest& request)
{
    QFileDialog dialog(parent, request.title, request.initialPath, qtFilter(request.filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (request.kind == FileDialogRequest::Kind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!request.overwritePrompt)
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    const QFileInfo initial(request.initialPath);
    if (initial.isDir())
        dialog.setDirectory(initial.absoluteFilePath());
    else if (!request.initialPath.isEmpty())
        dialog.selectFile(request.initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString chooseFile(QWidget* parent, const FileDialogRequest& request)
{
    return customChooser() ? customChooser()(parent, request) : realChooser(parent, request);
}

void setFileChooser(FileChooser chooser) { customChooser() = std::move(chooser); }

namespace {

QString chooseRememberedFile(QWidget* parent, FileDialogRequest request, QString& remembered,
                             const QString& fallback)
{
    request.initialPath = remembered.isEmpty() ? fallback : remembered;
    const QString path = chooseFile(parent, request);
    if (!path.isEmpty())
        remembered = path;
    return path;
}

} // namespace

QString chooseFileToOpen(QWidget* parent, const QString& title, const QString& extension, const QString& filter,
                         QString& remembered, const QString& fallback)
{
    return chooseRememberedFile(parent, {FileDialogRequest::Kind::Open, title, extension, filter, {}, false},
                                remembered, fallback);
}

QString chooseFileToSave(QWidget* parent, const QString& title, const QString& extension, const QString& filter,
                         QString& remembered, const QString& fallback)
{
    return chooseRememberedFile(parent, {FileDialogRequest::Kind::Save, title, extension, filter, {}, true},
                                remembered, fallback);
}
