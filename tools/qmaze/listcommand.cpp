// qmaze list: the categories and titles of a collection file.
#include "command.h"

#include "base/ansi.h"
#include "base/messageservice.h"
#include "storage/collectionfile.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kUsage = QStringLiteral(
    "Usage: qmaze list --collection FILE.QZ3\n\n"
    "Lists every puzzle of a collection file as its record index and title,\n"
    "grouped by category in the order the categories first appear.\n\n"
    "Options:\n"
    "  --collection FILE   the collection file to read\n"
    "  --help              show this help");

int runList(const QStringList& arguments)
{
    QmazeOptions options;
    if (!options.parse(arguments, {QStringLiteral("--collection")}, {})) {
        printError(QStringLiteral("qmaze list: %1").arg(options.error()));
        return 2;
    }
    const QString path = options.value(QStringLiteral("--collection"));
    if (path.isEmpty()) {
        printError(QStringLiteral("qmaze list: --collection is required"));
        return 2;
    }
    // A file that is there but cannot be read is reported like a missing
    // one, not listed as an empty collection.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("qmaze list: cannot open %1").arg(path));
        return 1;
    }
    file.close();
    CollectionIndex index;
    try {
        index = loadCollectionIndex(path);
    } catch (const IoError& error) {
        printError(QStringLiteral("qmaze list: %1").arg(error.message()));
        return 1;
    }
    for (qsizetype pos = 0; pos < index.categories.size(); ++pos) {
        printOut(ansiToUnicode(index.categories[pos]));
        for (const auto& entry : index.entries) {
            if (entry.categoryPos == pos)
                printOut(QStringLiteral("  %1  %2").arg(entry.recordIndex, 5).arg(ansiToUnicode(entry.title)));
        }
    }
    return 0;
}

} // namespace

QMAZE_COMMAND(list, QStringLiteral("list"), QStringLiteral("list the categories and titles of a collection"), kUsage,
              runList)
