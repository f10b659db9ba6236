#include "files/file_filters.hpp"

namespace tolvin {

namespace {

const QString all_files = QStringLiteral("|すべてのファイル(*.*)|*.*");

bool is_list_type(const QString& s) {
    return s == u"txt" || s == u"lst" || s == u"html" || s == u"htm" || s == u"cgi";
}

// A character Qt reads inside the parentheses of a name filter; any other one would
// make Qt take the whole name filter as its pattern list.
bool fits_qt_pattern(QChar c) {
    static const QString punctuation = QStringLiteral("_.,*?;#-[]@{}/!<>$%&=^~:|");
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           punctuation.contains(c);
}

} // namespace

QString open_filter(const QString& save_type_str) {
    const QString s = save_type_str.toLower();
    if (is_list_type(s))
        return QStringLiteral("txt lst html cgiファイル(*.txt *.lst *.html *.htm *.cgi)|"
                              "*.txt;*.lst;*.html;*.htm;*.cgi") +
               all_files;
    return s + QStringLiteral(" txt lst html cgiファイル(*.") + save_type_str +
           QStringLiteral(" *.txt *.lst *.html *.htm *.cgi)|*.") + save_type_str +
           QStringLiteral(";*.txt;*.lst;*.html;*.htm;*.cgi") + all_files;
}

QString save_filter(const QString& save_type_str) {
    const QString s = save_type_str.toLower();
    QString first;
    QString second;
    if (s == u"txt") {
        second =
            QStringLiteral("|lst html htm cgiファイル(*.lst *.html *.htm *.cgi)|*.lst;*.html;*.htm;*.cgi");
    } else if (s == u"lst") {
        second =
            QStringLiteral("|txt html htm cgiファイル(*.txt *.html *.htm *.cgi)|*.txt;*.html;*.htm;*.cgi");
    } else if (s == u"html") {
        second = QStringLiteral("|txt lst htm cgiファイル(*.txt *.lst *.htm *.cgi)|*.txt;*.lst;*.htm;*.cgi");
    } else if (s == u"htm") {
        second =
            QStringLiteral("|txt lst html cgiファイル(*.txt *.lst *.html *.cgi)|*.txt;*.lst;*.html;*.cgi");
    } else if (s == u"cgi") {
        second = QStringLiteral("|txt lst htmlファイル(*.txt *.lst *.html *.htm)|*.txt;*.lst;*.html;*.htm");
    } else {
        first = save_type_str + QStringLiteral(")|*.") + save_type_str;
        second = QStringLiteral(
            "|txt lst html cgiファイル(*.txt *.lst *.html *.htm *.cgi)|*.txt;*.lst;*.html;*.htm;*.cgi");
    }
    if (first.isEmpty())
        first = s + QStringLiteral(")|*.") + s;
    return s + QStringLiteral(" ファイル(*.") + first + second + all_files;
}

std::vector<file_filter> split_filter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    std::vector<file_filter> filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.push_back({parts[i], parts[i + 1].split(u';', Qt::SkipEmptyParts)});
    return filters;
}

QStringList qt_name_filters(const QString& filter) {
    QStringList names;
    for (const file_filter& f : split_filter(filter)) {
        QStringList patterns;
        for (QString pattern : f.patterns) {
            // "*.*" means every file, as it does where these filter strings come from; a
            // Qt pattern would want a dot in the name, hiding lists saved without one.
            if (pattern == u"*.*")
                pattern = QStringLiteral("*");
            for (QChar& c : pattern) {
                if (!fits_qt_pattern(c))
                    c = u'?';
            }
            patterns.push_back(pattern);
        }
        names.push_back(f.description + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return names;
}

} // namespace tolvin
