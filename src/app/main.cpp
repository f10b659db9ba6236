// Starts TOLVIN: the application, the real platform services and the per-user
// settings store, then the main window.
#include "ui/qt_platform_services.hpp"
#include "ui/tolvin_fm.hpp"

#include <QApplication>
#include <QSettings>
#include <cstdio>

#ifdef TOLVIN_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace {

// Qt aborts when it cannot reach a display; find that out first and say so.
bool display_reachable() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
#ifdef TOLVIN_HAVE_X11
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XCloseDisplay(display);
#endif
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (!display_reachable()) {
        std::fputs("tolvin: no display to show the window on (start it from a desktop session)\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TOLVIN"));
    QApplication::setOrganizationName(QStringLiteral("TOLVIN"));

    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("TOLVIN"),
                    QStringLiteral("TOLVIN"));
    tolvin::qt_platform_services services;
    tolvin::TOLVIN_fm main_window(services, store);
    main_window.Form_Load();
    return QApplication::exec();
}
