#include "widgets/help.h"

#include "base/messageservice.h"
#include "base/paths.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
std::function<void(const QString&)>& customOpener()
{
    static std::function<void(const QString&)> opener;
    return opener;
}
} // namespace

QString helpPageFor(const QString& keyword)
{
    const QString contents = dataFile(QStringLiteral("help/index.html"));
    if (keyword.trimmed().isEmpty())
        return contents;
    QString name = keyword.trimmed().toLower();
    name.replace(u' ', u'-');
    const QString page = dataFile(QStringLiteral("help/%1.html").arg(name));
    return QFileInfo::exists(page) ? page : contents;
}

void openHelp(const QString& keyword)
{
    const QString page = helpPageFor(keyword);
    if (customOpener()) {
        customOpener()(page);
        return;
    }
    if (!QFileInfo::exists(page) || !QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        showError(QStringLiteral("The help pages could not be opened (%1).").arg(page));
}

void setHelpOpener(std::function<void(const QString&)> opener) { customOpener() = std::move(opener); }
