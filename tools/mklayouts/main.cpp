// mklayouts [--thumbnails DIR] OUTPUT SOURCE...
// Writes the page layout library: one record per source file, in the order
// given. The build passes the files of data/layouts/ sorted by name, so a
// file's name decides its record index and the first one is the default.
// With --thumbnails, each layout's miniature is also saved as DIR/<file>.png
// (at the size the layout list shows) for checking the designs by eye.

#include "base/wholefile.h"
#include "pagelayout/layoutthumbnail.h"
#include "pagelayout/layouttext.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char** argv)
{
    int first = 1;
    QString thumbnailDir;
    if (argc > 2 && std::strcmp(argv[1], "--thumbnails") == 0) {
        thumbnailDir = QString::fromLocal8Bit(argv[2]);
        first = 3;
    }
    if (argc - first < 2) {
        std::fprintf(stderr, "usage: mklayouts [--thumbnails DIR] OUTPUT SOURCE...\n");
        return 2;
    }
    QByteArray library;
    auto layout = std::make_unique<PageLayoutRecord>();
    for (int k = first + 1; k < argc; ++k) {
        const QString sourcePath = QString::fromLocal8Bit(argv[k]);
        QFile source(sourcePath);
        if (!source.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "mklayouts: cannot read %s\n", argv[k]);
            return 1;
        }
        QString error;
        if (!parseLayoutText(source.readAll(), *layout, &error)) {
            std::fprintf(stderr, "%s: %s\n", argv[k], qPrintable(error));
            return 1;
        }
        library.append(reinterpret_cast<const char*>(layout.get()), sizeof(PageLayoutRecord));
        if (!thumbnailDir.isEmpty()) {
            const QString png = thumbnailDir + u'/' + QFileInfo(sourcePath).completeBaseName() + ".png";
            if (!layoutThumbnail(*layout, QSize(245, 313), QColor(0xC0, 0xC0, 0xC0)).save(png)) {
                std::fprintf(stderr, "mklayouts: cannot write %s\n", qPrintable(png));
                return 1;
            }
        }
    }
    if (!saveWholeFile(QString::fromLocal8Bit(argv[first]), library)) {
        std::fprintf(stderr, "mklayouts: cannot write %s\n", argv[first]);
        return 1;
    }
    return 0;
}
