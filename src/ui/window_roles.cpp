#include "ui/window_roles.hpp"

#include "ui/list_fm.hpp"
#include "ui/tolvin_fm.hpp"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tolvin {

namespace {

// Qt asks each factory for every class of an object, most derived first; the answer
// for the two window classes keeps Qt's widget behaviour with the window role.
QAccessibleInterface* window_role_factory(const QString& class_name, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    if (class_name == QLatin1String(TOLVIN_fm::staticMetaObject.className()) ||
        class_name == QLatin1String(list_fm::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void install_window_roles() {
    static const bool installed = [] {
        QAccessible::installFactory(window_role_factory);
        return true;
    }();
    (void)installed;
}

} // namespace tolvin
