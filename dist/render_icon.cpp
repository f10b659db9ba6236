// Draws the program's SVG icon into square PNG files for the desktop's icon theme:
//   render_icon PICTURE.svg OUT_DIR NAME SIZE...
// writes OUT_DIR/SIZExSIZE/NAME.png for every size, with the same renderer that draws
// the icon inside the program.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fputs("usage: render_icon PICTURE.svg OUT_DIR NAME SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer picture{QString::fromLocal8Bit(argv[1])};
    if (!picture.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int i = 4; i < argc; ++i) {
        bool ok = false;
        const int side = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || side < 1 || side > 4096) {
            std::fprintf(stderr, "render_icon: not a size: %s\n", argv[i]);
            return 2;
        }
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.render(&painter);
        painter.end();
        const QString folder = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1x%1").arg(side);
        const QString file =
            folder + QLatin1Char('/') + QString::fromLocal8Bit(argv[3]) + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
