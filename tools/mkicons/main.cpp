// mkicons SVG OUTDIR SIZE...
// Renders an SVG icon into OUTDIR/SIZExSIZE/NAME.png for each size, NAME
// being the SVG's file name without its extension: the PNG sizes of the
// desktop icon theme, made from the one drawing.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: mkicons SVG OUTDIR SIZE...\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString svg = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "mkicons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(svg).completeBaseName();
    for (int k = 3; k < argc; ++k) {
        const int size = QByteArray(argv[k]).toInt();
        if (size <= 0 || size > 1024) {
            std::fprintf(stderr, "mkicons: bad size %s\n", argv[k]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString folder = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1x%1").arg(size);
        if (!QDir().mkpath(folder) || !image.save(folder + u'/' + name + QStringLiteral(".png"))) {
            std::fprintf(stderr, "mkicons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
