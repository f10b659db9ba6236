// Window managers give a restored window its normal bounds back in steps: the normal
// state first, then its position and its size, not always together. Placing the
// window (minimum size, on screen) on one of those steps would pin it where it stood
// maximised, in the screen's corner. So after a return to the normal state the
// placement waits until the window's geometry has been still for a moment.
#pragma once

#include <QTimer>
#include <functional>

namespace tolvin {

class restore_settle {
  public:
    // `place` runs once the restored window's geometry has settled.
    explicit restore_settle(std::function<void()> place) {
        timer_.setSingleShot(true);
        timer_.setInterval(250);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (place_)
                place_();
        });
        place_ = std::move(place);
    }
    restore_settle(const restore_settle&) = delete;
    restore_settle& operator=(const restore_settle&) = delete;

    // The window has just returned to the normal state.
    void restored() { timer_.start(); }
    // The window moved or changed size: while waiting, wait a moment longer.
    void geometry_changed() {
        if (timer_.isActive())
            timer_.start();
    }
    // Whether placement waits.
    bool waiting() const { return timer_.isActive(); }

  private:
    QTimer timer_;
    std::function<void()> place_;
};

} // namespace tolvin
