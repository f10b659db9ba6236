#include "ui/fonts.hpp"

#include <QFontDatabase>
#include <QStringList>

namespace tolvin {

namespace {

// Font families are listed under their names in the desktop's language (a Japanese
// desktop knows IPAPGothic only as "IPA Pゴシック"), so the candidates carry both.
QFont first_installed(const QStringList& families, QFont::StyleHint hint) {
    const QStringList installed = QFontDatabase::families();
    QFont font;
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            font.setFamily(family);
            break;
        }
    }
    font.setStyleHint(hint);
    font.setPointSize(9);
    return font;
}

} // namespace

QFont list_font() {
    static const QFont font = first_installed(
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
         QStringLiteral("IPAゴシック"), QStringLiteral("IPAexGothic"),
         QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic")},
        QFont::TypeWriter);
    return font;
}

QFont ui_font() {
    static const QFont font = first_installed(
        {QStringLiteral("MS UI Gothic"), QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
         QStringLiteral("IPA Pゴシック"), QStringLiteral("IPAPゴシック"), QStringLiteral("Noto Sans CJK JP"),
         QStringLiteral("IPAGothic"), QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic")},
        QFont::SansSerif);
    return font;
}

QFont title_font() {
    static const QFont font = [] {
        QFont f = first_installed({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                                   QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                                   QStringLiteral("IPAPゴシック"), QStringLiteral("Noto Sans CJK JP"),
                                   QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic")},
                                  QFont::SansSerif);
        f.setPointSize(18);
        f.setBold(true);
        return f;
    }();
    return font;
}

} // namespace tolvin
