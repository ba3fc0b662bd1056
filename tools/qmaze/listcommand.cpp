// qmaze list: the categories and titles of a collection file.
#include "command.h"

#include "base/ansi.h"
#include "storage/collectionfile.h"

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
    if (!QFileInfo(path).isFile()) {
        printError(QStringLiteral("qmaze list: cannot open %1").arg(path));
        return 1;
    }
    const CollectionIndex index = loadCollectionIndex(path);
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
