// The frame every guarded handler of the main window shares: refused while another
// one runs, else busy_flag set for the handler's duration and the main window's mouse
// pointer put back when it ends.
#pragma once

#include <Qt>
#include <cstdint>

class QWidget;

namespace tolvin {

class busy_scope {
  public:
    // Sets `busy_flag` to 1 unless it is already 1; then the handler must return at once.
    busy_scope(QWidget& window, std::int32_t& busy_flag);
    // Clears `busy_flag` and restores the default pointer, when this scope set them.
    ~busy_scope();
    busy_scope(const busy_scope&) = delete;
    busy_scope& operator=(const busy_scope&) = delete;

    // False when another guarded handler runs: the caller returns, changing nothing.
    bool entered() const { return entered_; }

    // Shows `pointer` over the main window (the hourglass, or the arrow with hourglass)
    // and lets pending window events run once, so the pointer appears. While they run,
    // every other guarded handler is refused.
    void show_pointer_and_yield(Qt::CursorShape pointer);

  private:
    QWidget& window_;
    std::int32_t& busy_flag_;
    bool entered_ = false;
    bool pointer_set_ = false;
};

} // namespace tolvin
