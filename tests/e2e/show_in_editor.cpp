// Shows files in the desktop's text editor as the view button does, through the real
// platform services. The paths come on standard input, each ended by a NUL byte, so
// that any path arrives as it is.
#include "ui/qt_platform_services.hpp"

#include <QApplication>
#include <QFile>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string input{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    tolvin::qt_platform_services services;
    std::size_t start = 0;
    for (std::size_t end = input.find('\0'); end != std::string::npos; end = input.find('\0', start)) {
        services.show_in_text_editor(QFile::decodeName(QByteArray(input.data() + start, end - start)));
        start = end + 1;
    }
    return 0;
}
