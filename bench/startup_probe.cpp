// Starts like the program does and quits as soon as the main window is shown, so
// that whole-process start-up can be timed from the shell (hyperfine). Built twice:
// as TOLVIN's main window and, with BARE_WINDOW, as a bare Qt window.
#include <QApplication>
#include <QTimer>

#ifdef BARE_WINDOW
#include <QMainWindow>
#include <QPlainTextEdit>
#else
#include "settings/settings_store.hpp"
#include "ui/qt_platform_services.hpp"
#include "ui/tolvin_fm.hpp"
#include <QSettings>
#include <QTemporaryDir>
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
#ifdef BARE_WINDOW
    QMainWindow w;
    w.setCentralWidget(new QPlainTextEdit);
    w.show();
#else
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("TOLVIN.ini")), QSettings::IniFormat);
    // A later start: the first one would wait for its greeting to be answered.
    tolvin::settings_record later;
    tolvin::apply_defaults(later);
    later.first_flag = 1;
    tolvin::save_settings(store, later);
    tolvin::qt_platform_services services;
    tolvin::TOLVIN_fm w(services, store);
    w.Form_Load();
#endif
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
