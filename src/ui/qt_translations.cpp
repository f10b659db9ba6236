#include "ui/qt_translations.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tolvin {

bool install_qt_translations(QCoreApplication& app) {
    auto* catalogue = new QTranslator(&app);
    // Tries every UI language of the locale in order, each with its region and without.
    if (!catalogue->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete catalogue;
        return false;
    }
    return QCoreApplication::installTranslator(catalogue);
}

} // namespace tolvin
