// Opens each address given on the command line as the home page button does, through
// the real platform services.
#include "ui/qt_platform_services.hpp"

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tolvin::qt_platform_services services;
    for (int i = 1; i < argc; ++i)
        services.open_url(nullptr, QString::fromLocal8Bit(argv[i]));
    return 0;
}
