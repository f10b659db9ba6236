// Starts TOLVIN: the application, the real platform services and the per-user
// settings store, then the main window.
#include "quit_signals.hpp"
#include "ui/icons.hpp"
#include "ui/qt_platform_services.hpp"
#include "ui/qt_translations.hpp"
#include "ui/tolvin_fm.hpp"

#include <QApplication>
#include <QSettings>
#include <cstdio>

#ifdef TOLVIN_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace {

// Qt aborts when it cannot reach a display; find that out first and say so.
// The probing connection stays open until Qt has its own: an X server with no
// other client resets when its last client leaves, and a connection made during
// that reset is refused.
class display_probe {
  public:
    display_probe() {
        if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
            !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            reachable_ = true;
            return;
        }
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            return;
#ifdef TOLVIN_HAVE_X11
        display_ = XOpenDisplay(nullptr);
        reachable_ = display_ != nullptr;
#else
        reachable_ = true;
#endif
    }
    ~display_probe() {
        release();
    }
    display_probe(const display_probe&) = delete;
    display_probe& operator=(const display_probe&) = delete;

    bool reachable() const {
        return reachable_;
    }
    void release() {
#ifdef TOLVIN_HAVE_X11
        if (display_)
            XCloseDisplay(display_);
        display_ = nullptr;
#endif
    }

  private:
    bool reachable_ = false;
#ifdef TOLVIN_HAVE_X11
    Display* display_ = nullptr;
#endif
};

} // namespace

int main(int argc, char** argv) {
    display_probe probe;
    if (!probe.reachable()) {
        std::fputs("tolvin: no display to show the window on (start it from a desktop session)\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    probe.release();
    tolvin::install_qt_translations(app);
    QApplication::setApplicationName(QStringLiteral("TOLVIN"));
    QApplication::setOrganizationName(QStringLiteral("TOLVIN"));
    // Ties the windows to the installed desktop entry, for its icon and name on Wayland.
    QApplication::setDesktopFileName(QStringLiteral(TOLVIN_APP_ID));
    QApplication::setWindowIcon(tolvin::program_icon());

    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("TOLVIN"),
                    QStringLiteral("TOLVIN"));
    tolvin::qt_platform_services services;
    tolvin::TOLVIN_fm main_window(services, store);
    // A session's end or a kill closes the program as its window's close does.
    tolvin::quit_signals quit_on_signal([&main_window] { main_window.end_program(); });
    main_window.Form_Load();
    if (main_window.is_unloaded()) // ended during the first-run greeting
        return 0;
    return QApplication::exec();
}
