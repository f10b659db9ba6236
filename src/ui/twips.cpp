#include "ui/twips.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace tolvin {

double twips_per_pixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int to_px(double twips) {
    return static_cast<int>(std::lround(twips / twips_per_pixel()));
}

double to_twips(int px) {
    return px * twips_per_pixel();
}

static std::int32_t twips_of(int px) {
    return static_cast<std::int32_t>(std::lround(to_twips(px)));
}

void place_control(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(to_px(left), to_px(top), to_px(width), to_px(height));
}

twips_size screen_size_twips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize s = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    return {twips_of(s.width()), twips_of(s.height())};
}

twips_rect outer_geometry(const QWidget* window) {
    const QRect f = window->frameGeometry();
    return {twips_of(f.x()), twips_of(f.y()), twips_of(f.width()), twips_of(f.height())};
}

namespace {
constexpr const char* pending_outer = "tolvin_pending_outer";
// The outer bounds, in pixels, the window had when it was last seen in the normal
// state with its frame known.
constexpr const char* last_normal_outer = "tolvin_normal_outer";
} // namespace

void set_outer_geometry(QWidget* window, const twips_rect& r) {
    // The first request made before the window is shown is the one to keep: resize
    // events while it is being shown report the client area as the outer bounds.
    if (!window->isVisible() && !window->property(pending_outer).isValid())
        window->setProperty(pending_outer, QRect(r.left, r.top, r.width, r.height));
    const QRect frame = window->frameGeometry();
    const QSize extra = frame.size() - window->size(); // decorations around the client area
    const QPoint pos(to_px(r.left), to_px(r.top));
    const QSize client(std::max(1, to_px(r.width) - extra.width()),
                       std::max(1, to_px(r.height) - extra.height()));
    if (frame.topLeft() != pos)
        window->move(pos);
    if (window->size() != client)
        window->resize(client);
}

void settle_outer_geometry(QWidget* window) {
    const QVariant pending = window->property(pending_outer);
    if (!window->isVisible() || window->frameGeometry() == window->geometry() || window_state(window) != 0)
        return;
    if (!pending.isValid()) {
        window->setProperty(last_normal_outer, window->frameGeometry());
        return;
    }
    window->setProperty(pending_outer, QVariant());
    const QRect r = pending.toRect();
    set_outer_geometry(window, {r.x(), r.y(), r.width(), r.height()});
}

twips_size design_outer_size(const QWidget* window, int frame_w, int frame_h) {
    return {twips_of(window->width()) + frame_w, twips_of(window->height()) + frame_h};
}

bool windows_can_be_placed() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

std::int32_t window_state(const QWidget* window) {
    const Qt::WindowStates s = window->windowState();
    if (s & Qt::WindowMinimized)
        return 1;
    if (s & Qt::WindowMaximized)
        return 2;
    return 0;
}

void set_window_state(QWidget* window, std::int32_t state) {
    Qt::WindowStates s =
        window->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (state == 1)
        s |= Qt::WindowMinimized;
    else if (state == 2)
        s |= Qt::WindowMaximized;
    if (s != window->windowState())
        window->setWindowState(s);
}

twips_rect normal_outer_geometry(const QWidget* window) {
    if (window_state(window) == 0)
        return outer_geometry(window);
    // Shown maximized or minimized from the start: the normal bounds are still the
    // ones asked for, which the frame has not been measured against yet.
    const QVariant pending = window->property(pending_outer);
    if (pending.isValid()) {
        const QRect r = pending.toRect();
        return {r.x(), r.y(), r.width(), r.height()};
    }
    // Measured while it was normal: the frame of a maximised window is not that of a
    // normal one (no borders, say), and the normal bounds must not change with it.
    const QVariant last = window->property(last_normal_outer);
    if (last.isValid()) {
        const QRect r = last.toRect();
        return {twips_of(r.x()), twips_of(r.y()), twips_of(r.width()), twips_of(r.height())};
    }
    QRect normal = window->normalGeometry();
    if (!normal.isValid())
        return outer_geometry(window);
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    normal.adjust(frame.left() - client.left(), frame.top() - client.top(), frame.right() - client.right(),
                  frame.bottom() - client.bottom());
    return {twips_of(normal.x()), twips_of(normal.y()), twips_of(normal.width()), twips_of(normal.height())};
}

} // namespace tolvin
