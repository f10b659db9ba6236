// Starts TOLVIN: the application, the real platform services and the per-user
// settings store, then the main window.
#include "ui/qt_platform_services.hpp"
#include "ui/tolvin_fm.hpp"

#include <QApplication>
#include <QSettings>
#include <cstdio>

int main(int argc, char** argv) {
    // Without a display Qt would abort; say why and stop instead.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
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
