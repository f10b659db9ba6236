// The open and save dialogs' filter strings for every save extension, and how they
// become Qt name filters.
#include "files/file_filters.hpp"

#include <gtest/gtest.h>
#include <ostream>

using namespace tolvin;

namespace {

const QString five_types = QStringLiteral("txt lst html cgiファイル(*.txt *.lst *.html *.htm *.cgi)|"
                                          "*.txt;*.lst;*.html;*.htm;*.cgi|すべてのファイル(*.*)|*.*");

struct filter_row {
    const char16_t* save_type_str;
    QString open;
    QString save;
};

void PrintTo(const filter_row& row, std::ostream* os) {
    *os << QString::fromUtf16(row.save_type_str).toStdString();
}

class filters : public ::testing::TestWithParam<filter_row> {};

TEST_P(filters, are_built_from_the_save_extension) {
    const QString s = QString::fromUtf16(GetParam().save_type_str);
    EXPECT_EQ(open_filter(s), GetParam().open);
    EXPECT_EQ(save_filter(s), GetParam().save);
}

INSTANTIATE_TEST_SUITE_P(
    every_row, filters,
    ::testing::Values(
        filter_row{
            u"txt", five_types,
            QStringLiteral("txt ファイル(*.txt)|*.txt|lst html htm cgiファイル(*.lst *.html *.htm *.cgi)|"
                           "*.lst;*.html;*.htm;*.cgi|すべてのファイル(*.*)|*.*")},
        filter_row{
            u"TXT", five_types,
            QStringLiteral("txt ファイル(*.txt)|*.txt|lst html htm cgiファイル(*.lst *.html *.htm *.cgi)|"
                           "*.lst;*.html;*.htm;*.cgi|すべてのファイル(*.*)|*.*")},
        filter_row{
            u"lst", five_types,
            QStringLiteral("lst ファイル(*.lst)|*.lst|txt html htm cgiファイル(*.txt *.html *.htm *.cgi)|"
                           "*.txt;*.html;*.htm;*.cgi|すべてのファイル(*.*)|*.*")},
        filter_row{
            u"Html", five_types,
            QStringLiteral("html ファイル(*.html)|*.html|txt lst htm cgiファイル(*.txt *.lst *.htm *.cgi)|"
                           "*.txt;*.lst;*.htm;*.cgi|すべてのファイル(*.*)|*.*")},
        filter_row{
            u"htm", five_types,
            QStringLiteral("htm ファイル(*.htm)|*.htm|txt lst html cgiファイル(*.txt *.lst *.html *.cgi)|"
                           "*.txt;*.lst;*.html;*.cgi|すべてのファイル(*.*)|*.*")},
        filter_row{u"CGI", five_types,
                   QStringLiteral("cgi ファイル(*.cgi)|*.cgi|txt lst htmlファイル(*.txt *.lst *.html *.htm)|"
                                  "*.txt;*.lst;*.html;*.htm|すべてのファイル(*.*)|*.*")},
        filter_row{
            u"Dat",
            QStringLiteral("dat txt lst html cgiファイル(*.Dat *.txt *.lst *.html *.htm *.cgi)|"
                           "*.Dat;*.txt;*.lst;*.html;*.htm;*.cgi|すべてのファイル(*.*)|*.*"),
            QStringLiteral("dat ファイル(*.Dat)|*.Dat|txt lst html cgiファイル(*.txt *.lst *.html *.htm "
                           "*.cgi)|*.txt;*.lst;*.html;*.htm;*.cgi|すべてのファイル(*.*)|*.*")},
        filter_row{
            u"テキスト",
            QStringLiteral("テキスト txt lst html cgiファイル(*.テキスト *.txt *.lst *.html *.htm *.cgi)|"
                           "*.テキスト;*.txt;*.lst;*.html;*.htm;*.cgi|すべてのファイル(*.*)|*.*"),
            QStringLiteral("テキスト ファイル(*.テキスト)|*.テキスト|txt lst html cgiファイル(*.txt *.lst "
                           "*.html *.htm *.cgi)|*.txt;*.lst;*.html;*.htm;*.cgi|すべてのファイル(*.*)|*.*")}));

TEST(qt_name_filters, keep_each_description_and_its_patterns) {
    const struct {
        QString filter;
        QStringList names;
    } rows[] = {
        {five_types,
         {QStringLiteral(
              "txt lst html cgiファイル(*.txt *.lst *.html *.htm *.cgi) (*.txt *.lst *.html *.htm *.cgi)"),
          QStringLiteral("すべてのファイル(*.*) (*)")}},
        // The description names fewer types than the patterns hold.
        {QStringLiteral("txt ファイル(*.txt)|*.txt;*.text"),
         {QStringLiteral("txt ファイル(*.txt) (*.txt *.text)")}},
        // A description without patterns is left out; characters Qt cannot take match any one.
        {QStringLiteral("a b|*.a b;*.テキ;;*.(x)|tail"), {QStringLiteral("a b (*.a?b *.?? *.?x?)")}},
        {QString(), {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(qt_name_filters(row.filter), row.names) << row.filter.toStdString();
}

} // namespace
