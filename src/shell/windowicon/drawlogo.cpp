// Run by the build: draws the logo from its SVG at each size given, as Qt's
// SVG icon engine draws a scalable icon at that size, into
// <folder>/logo-<size>.png. The window icon is made from these, so that a
// run neither loads the SVG icon engine nor parses the logo for its icon.
//
//   ocuvance_draw_logo logo.svg folder 16 32 64 128 256

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s logo.svg folder size...\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;
    for (int i = 3; i < argc; ++i) {
        const int side = std::atoi(argv[i]);
        if (side <= 0) return 2;
        // The drawing keeps its proportions within the square, as the
        // engine's does.
        QSize size = renderer.defaultSize();
        size.scale(side, side, Qt::KeepAspectRatio);
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(0);
        {
            QPainter painter(&image);
            renderer.render(&painter);
        }
        const QString file = folder.filePath(QStringLiteral("logo-%1.png").arg(side));
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
            return 1;
        }
    }
    return 0;
}
