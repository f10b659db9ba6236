#include "ui/busy_scope.hpp"

#include <QCoreApplication>
#include <QWidget>

namespace tolvin {

busy_scope::busy_scope(QWidget& window, std::int32_t& busy_flag) : window_(window), busy_flag_(busy_flag) {
    if (busy_flag_ == 1)
        return;
    busy_flag_ = 1;
    entered_ = true;
}

busy_scope::~busy_scope() {
    if (!entered_)
        return;
    if (pointer_set_)
        window_.unsetCursor();
    busy_flag_ = 0;
}

void busy_scope::show_pointer_and_yield(Qt::CursorShape pointer) {
    window_.setCursor(pointer);
    pointer_set_ = true;
    QCoreApplication::processEvents();
}

} // namespace tolvin
