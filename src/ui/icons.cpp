#include "ui/icons.hpp"

#include "ui/program_icon_pixels.hpp"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <vector>

namespace tolvin {

namespace {

constexpr int side = 32; // drawn at 32 px, scaled down by the button

const char* theme_name(tool_picture p) {
    switch (p) {
    case tool_picture::open:
        return "document-open";
    case tool_picture::save:
        return "document-save";
    case tool_picture::view:
        return "document-preview";
    case tool_picture::find:
        return "edit-find";
    case tool_picture::undo:
        return "edit-undo";
    case tool_picture::redo:
        return "edit-redo";
    case tool_picture::options:
        return "configure";
    case tool_picture::cut:
        return "edit-cut";
    case tool_picture::copy:
        return "edit-copy";
    case tool_picture::paste:
        return "edit-paste";
    case tool_picture::clear:
        return "edit-clear";
    }
    return "";
}

QPen pen(const QColor& c, double width) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void draw_page(QPainter& g, QRectF r) {
    g.setPen(pen(QColor(60, 60, 60), 2));
    g.setBrush(Qt::white);
    g.drawRect(r);
}

void draw_lines(QPainter& g, QRectF r) {
    g.setPen(pen(QColor(70, 110, 190), 2));
    for (double y = r.top() + 6; y < r.bottom() - 3; y += 5)
        g.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4, y));
}

void draw_arrow(QPainter& g, bool back) {
    QPainterPath path;
    path.moveTo(back ? 24 : 8, 24);
    path.cubicTo(back ? 28 : 4, 12, back ? 16 : 16, 8, back ? 8 : 24, 12);
    g.setPen(pen(QColor(40, 100, 200), 3.5));
    g.setBrush(Qt::NoBrush);
    g.drawPath(path);
    const double x = back ? 8 : 24;
    const double d = back ? 1 : -1;
    g.drawLine(QPointF(x, 12), QPointF(x + 7 * d, 6));
    g.drawLine(QPointF(x, 12), QPointF(x + 7 * d, 17));
}

void draw(QPainter& g, tool_picture p) {
    switch (p) {
    case tool_picture::open:
        g.setPen(pen(QColor(150, 110, 20), 2));
        g.setBrush(QColor(240, 200, 80));
        g.drawRect(QRectF(3, 9, 24, 18));
        g.setBrush(QColor(250, 220, 120));
        g.drawPolygon(QPolygonF({QPointF(8, 14), QPointF(30, 14), QPointF(26, 27), QPointF(3, 27)}));
        break;
    case tool_picture::save:
        g.setPen(pen(QColor(30, 50, 110), 2));
        g.setBrush(QColor(70, 110, 200));
        g.drawRect(QRectF(4, 4, 24, 24));
        g.setBrush(Qt::white);
        g.drawRect(QRectF(9, 5, 14, 9));
        g.setBrush(QColor(200, 200, 210));
        g.drawRect(QRectF(9, 19, 14, 8));
        break;
    case tool_picture::view:
        draw_page(g, QRectF(6, 3, 20, 26));
        draw_lines(g, QRectF(6, 3, 20, 26));
        break;
    case tool_picture::find:
        g.setPen(pen(QColor(50, 50, 50), 3));
        g.setBrush(QColor(200, 230, 255));
        g.drawEllipse(QPointF(13, 13), 8, 8);
        g.setPen(pen(QColor(90, 60, 30), 5));
        g.drawLine(QPointF(19, 19), QPointF(28, 28));
        break;
    case tool_picture::undo:
        draw_arrow(g, true);
        break;
    case tool_picture::redo:
        draw_arrow(g, false);
        break;
    case tool_picture::options: {
        // A spanner: a jawed head and a handle.
        g.save();
        g.translate(16, 16);
        g.rotate(45);
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(110, 110, 120));
        g.drawRoundedRect(QRectF(-3, -4, 6, 18), 2, 2);
        QPainterPath head;
        head.addEllipse(QPointF(0, -8), 7, 7);
        QPainterPath jaw;
        jaw.addRect(QRectF(-2.5, -16, 5, 8));
        g.drawPath(head.subtracted(jaw));
        g.restore();
        break;
    }
    case tool_picture::cut:
        g.setPen(pen(QColor(60, 60, 60), 2.5));
        g.drawLine(QPointF(9, 3), QPointF(20, 21));
        g.drawLine(QPointF(23, 3), QPointF(12, 21));
        g.setBrush(Qt::NoBrush);
        g.setPen(pen(QColor(200, 40, 40), 2.5));
        g.drawEllipse(QPointF(9, 25), 4.5, 4.5);
        g.drawEllipse(QPointF(23, 25), 4.5, 4.5);
        break;
    case tool_picture::copy:
        draw_page(g, QRectF(3, 3, 16, 20));
        draw_page(g, QRectF(12, 9, 16, 20));
        draw_lines(g, QRectF(12, 9, 16, 20));
        break;
    case tool_picture::paste:
        g.setPen(pen(QColor(110, 70, 30), 2));
        g.setBrush(QColor(200, 150, 90));
        g.drawRoundedRect(QRectF(4, 5, 20, 24), 2, 2);
        g.setBrush(QColor(160, 160, 170));
        g.drawRect(QRectF(9, 2, 10, 6));
        draw_page(g, QRectF(13, 12, 16, 18));
        draw_lines(g, QRectF(13, 12, 16, 18));
        break;
    case tool_picture::clear:
        draw_page(g, QRectF(5, 3, 20, 26));
        g.setPen(pen(QColor(210, 30, 30), 4));
        g.drawLine(QPointF(10, 10), QPointF(26, 26));
        g.drawLine(QPointF(26, 10), QPointF(10, 26));
        break;
    }
}

QPixmap canvas() {
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    return pm;
}

// A button's picture: the desktop's icon theme's where it has one, else a drawing of
// our own. Both are looked up or drawn when the button is first drawn rather than when
// it is built: searching an icon theme's folders costs more than building all of the
// window's controls.
class tool_picture_engine final : public QIconEngine {
  public:
    explicit tool_picture_engine(tool_picture picture) : picture_(picture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("tolvin_tool_picture"); }
    QIconEngine* clone() const override { return new tool_picture_engine(*this); }

  private:
    const QIcon& icon() {
        if (icon_.isNull())
            icon_ = QIcon::fromTheme(QString::fromLatin1(theme_name(picture_)));
        if (icon_.isNull()) {
            QPixmap pm = canvas();
            QPainter g(&pm);
            g.setRenderHint(QPainter::Antialiasing);
            draw(g, picture_);
            g.end();
            icon_ = QIcon(pm);
        }
        return icon_;
    }

    tool_picture picture_;
    QIcon icon_;
};

// The program's icon in every size a window, a task bar or the about window asks for,
// drawn from its picture when the program was built, so that none is scaled from
// another. Each size becomes a pixmap when something first draws it, not when a window
// merely takes the icon as its own; a size between two is scaled down from the larger.
class program_icon_engine final : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal scale = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        picture(rect.size() * scale).paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return picture(size).pixmap(size, 1.0, mode, state); // the size in device pixels
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return picture(size * scale).pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return picture(size).actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (std::size_t i = 0; i < program_icon_pixel_count; ++i)
            sizes.append(QSize(program_icon_pixels[i].side, program_icon_pixels[i].side));
        return sizes;
    }
    QString key() const override { return QStringLiteral("tolvin_program_icon"); }
    QIconEngine* clone() const override { return new program_icon_engine(*this); }

  private:
    // The picture of the smallest size that covers the one asked for, else the largest.
    const QIcon& picture(QSize size) {
        std::size_t i = 0;
        while (i + 1 < program_icon_pixel_count &&
               (program_icon_pixels[i].side < size.width() || program_icon_pixels[i].side < size.height()))
            ++i;
        if (pictures_[i].isNull()) {
            const icon_pixels& p = program_icon_pixels[i];
            // Over the compiled-in pixels: no copy until the pixmap is made from it.
            const QImage image(reinterpret_cast<const uchar*>(p.argb), p.side, p.side,
                               p.side * qsizetype(sizeof(std::uint32_t)), QImage::Format_ARGB32);
            pictures_[i].addPixmap(QPixmap::fromImage(image));
        }
        return pictures_[i];
    }

    std::vector<QIcon> pictures_ = std::vector<QIcon>(program_icon_pixel_count);
};

} // namespace

QIcon tool_icon(tool_picture picture) {
    // Looked up and drawn once per run.
    static QIcon cache[static_cast<int>(tool_picture::clear) + 1];
    QIcon& icon = cache[static_cast<int>(picture)];
    if (icon.isNull())
        icon = QIcon(new tool_picture_engine(picture));
    return icon;
}

QIcon program_icon() {
    static const QIcon icon(new program_icon_engine);
    return icon;
}

QIcon home_page_icon() {
    QPixmap pm(2 * side, side);
    pm.fill(Qt::transparent);
    QPainter g(&pm);
    g.setRenderHint(QPainter::Antialiasing);
    // The arrow, pointing at the globe.
    g.setPen(pen(QColor(40, 140, 60), 4));
    g.drawLine(QPointF(6, 16), QPointF(26, 16));
    g.drawLine(QPointF(26, 16), QPointF(19, 9));
    g.drawLine(QPointF(26, 16), QPointF(19, 23));
    // The globe: a sphere with its meridians and parallels.
    const QPointF centre(47, 16);
    QRadialGradient shade(QPointF(43, 11), 16);
    shade.setColorAt(0, QColor(150, 200, 255));
    shade.setColorAt(1, QColor(30, 90, 190));
    g.setPen(pen(QColor(20, 60, 140), 2));
    g.setBrush(shade);
    g.drawEllipse(centre, 13, 13);
    g.setBrush(Qt::NoBrush);
    g.setPen(pen(QColor(235, 245, 255), 1.5));
    g.drawEllipse(centre, 6, 13);
    g.drawLine(QPointF(47, 3), QPointF(47, 29));
    g.drawLine(QPointF(34, 16), QPointF(60, 16));
    g.drawLine(QPointF(37, 9.5), QPointF(57, 9.5));
    g.drawLine(QPointF(37, 22.5), QPointF(57, 22.5));
    g.end();
    return QIcon(pm);
}

} // namespace tolvin
