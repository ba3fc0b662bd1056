#include "widgets/help.h"

#include "base/messageservice.h"
#include "base/paths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {
std::function<void(const QString&)>& customOpener()
{
    static std::function<void(const QString&)> opener;
    return opener;
}

void reportHelpNotOpened(const QString& page)
{
    showError(QStringLiteral("The help pages could not be opened (%1).").arg(page));
}

// The desktop's opener hands the page to the user's browser. It runs in the
// background: it cannot start where it is not installed, and it ends with a
// non-zero code when it found no browser to start. Either way the user is
// told, instead of the command seeming to do nothing.
void startDesktopOpener(const QString& page)
{
    auto* opener = new QProcess(QCoreApplication::instance());
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, page](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        reportHelpNotOpened(page);
        opener->deleteLater();
    });
    QObject::connect(opener, &QProcess::finished, opener, [opener, page](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            reportHelpNotOpened(page);
        opener->deleteLater();
    });
    opener->start(QStringLiteral("xdg-open"), {QString::fromUtf8(QUrl::fromLocalFile(page).toEncoded())});
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
    if (QFileInfo::exists(page))
        startDesktopOpener(page);
    else
        reportHelpNotOpened(page);
}

void setHelpOpener(std::function<void(const QString&)> opener) { customOpener() = std::move(opener); }
