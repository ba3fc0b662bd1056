// mkshapes OUTPUT SOURCE...
// Writes the shape library: one record per source file, in the order given.
// The build passes the files of data/shapes/ sorted by name, so a file's
// name decides its record index.

#include "base/wholefile.h"
#include "shapes/shapetext.h"
#include "storage/shaperecord.h"

#include <QByteArray>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: mkshapes OUTPUT SOURCE...\n");
        return 2;
    }
    QByteArray library;
    for (int k = 2; k < argc; ++k) {
        const QString sourcePath = QString::fromLocal8Bit(argv[k]);
        QFile source(sourcePath);
        if (!source.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "mkshapes: cannot read %s\n", argv[k]);
            return 1;
        }
        QString error;
        const auto shape = parseShapeText(source.readAll(), &error);
        if (!shape) {
            std::fprintf(stderr, "%s: %s\n", argv[k], qPrintable(error));
            return 1;
        }
        library.append(reinterpret_cast<const char*>(&*shape), sizeof(ShapeRecord));
    }
    if (!saveWholeFile(QString::fromLocal8Bit(argv[1]), library)) {
        std::fprintf(stderr, "mkshapes: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
