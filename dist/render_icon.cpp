// Draws the program's SVG icon in square sizes, with the same renderer for every use:
//   render_icon PICTURE.svg OUT_DIR NAME SIZE...
//     writes OUT_DIR/SIZExSIZE/NAME.png for every size, for the desktop's icon theme;
//   render_icon --source PICTURE.svg OUT.cpp SIZE...
//     writes a C++ source with the pixels of every size (ARGB32, as a PNG reader would
//     give them back), for the program to show its icon without reading an image file.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

QImage draw(QSvgRenderer& picture, int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// One array of pixels per size, row after row, and the table of sizes that
// ui/program_icon_pixels.hpp declares.
QByteArray source_text(QSvgRenderer& picture, const QList<int>& sides) {
    QByteArray text = "// Drawn by render_icon from the program's SVG picture; not edited by hand.\n"
                      "#include \"ui/program_icon_pixels.hpp\"\n\nnamespace tolvin {\n\nnamespace {\n\n";
    for (const int side : sides) {
        const QImage image = draw(picture, side);
        text += "const std::uint32_t pixels_" + QByteArray::number(side) + "[] = {";
        for (int y = 0; y < side; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < side; ++x) {
                text += ((y * side + x) % 8 == 0) ? "\n   " : "";
                text += " 0x" + QByteArray::number(row[x], 16).rightJustified(8, '0') + 'u' + ',';
            }
        }
        text += "\n};\n\n";
    }
    text += "} // namespace\n\nconst icon_pixels program_icon_pixels[] = {\n";
    for (const int side : sides)
        text += "    {" + QByteArray::number(side) + ", pixels_" + QByteArray::number(side) + "},\n";
    text += "};\nconst std::size_t program_icon_pixel_count = " + QByteArray::number(sides.size()) +
            ";\n\n} // namespace tolvin\n";
    return text;
}

} // namespace

int main(int argc, char** argv) {
    const bool source = argc > 1 && std::strcmp(argv[1], "--source") == 0;
    constexpr int first_size = 4; // after the picture and where to write
    if (argc <= first_size) {
        std::fputs("usage: render_icon PICTURE.svg OUT_DIR NAME SIZE...\n"
                   "       render_icon --source PICTURE.svg OUT.cpp SIZE...\n",
                   stderr);
        return 2;
    }
    const char* svg = argv[source ? 2 : 1];
    QSvgRenderer picture{QString::fromLocal8Bit(svg)};
    if (!picture.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", svg);
        return 1;
    }
    QList<int> sides;
    for (int i = first_size; i < argc; ++i) {
        bool ok = false;
        const int side = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || side < 1 || side > 4096) {
            std::fprintf(stderr, "render_icon: not a size: %s\n", argv[i]);
            return 2;
        }
        sides.append(side);
    }
    if (source) {
        std::sort(sides.begin(), sides.end()); // the program looks them up from the smallest
        QFile out(QString::fromLocal8Bit(argv[3]));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(source_text(picture, sides)) < 0 || !out.flush()) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", argv[3]);
            return 1;
        }
        return 0;
    }
    for (const int side : sides) {
        const QString folder = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1x%1").arg(side);
        const QString file =
            folder + QLatin1Char('/') + QString::fromLocal8Bit(argv[3]) + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !draw(picture, side).save(file, "PNG")) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
