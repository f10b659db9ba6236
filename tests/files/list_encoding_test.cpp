// Japanese list files without a byte-order mark or a declared charset: the same lines in
// every encoding a Japanese user's file may be in, and byte strings that read in more than
// one encoding.
#include "files/list_file.hpp"

#include <QStringEncoder>
#include <gtest/gtest.h>
#include <ostream>
#include <string_view>

using namespace tolvin;
using namespace std::string_view_literals;

namespace {

struct encoding_row {
    const char* name;
    const char* bom;
};

void PrintTo(const encoding_row& row, std::ostream* os) {
    *os << row.name << (*row.bom ? " with BOM" : "");
}

// Kanji, hiragana, katakana, full-width forms and URLs: what every one of the encodings holds.
const QString list_lines[] = {
    QStringLiteral("ダウンロード一覧：写真とイラスト"),
    QStringLiteral("http://example.jp/画像/桜の写真[001-108].jpg"),
    QStringLiteral("きょうの　ニュース　データ　ＡＢＣ"),
    QStringLiteral("https://例え.jp/ファイル?名前=漢字&かな=ひらがな"),
};

QString lines(int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += list_lines[i % std::size(list_lines)] + QStringLiteral("\r\n");
    return text;
}

class japanese_file : public ::testing::TestWithParam<encoding_row> {};

TEST_P(japanese_file, opens_to_the_same_list_short_or_long_as_text_or_page) {
    const QString one_line = list_lines[0] + QStringLiteral("\r\n");
    const QString page = QStringLiteral("<html><head><title>リスト</title></head><body>\r\n") + lines(8) +
                         QStringLiteral("</body></html>\r\n");
    for (const QString& text : {one_line, list_lines[0], lines(400), page}) {
        QStringEncoder encoder(GetParam().name);
        ASSERT_TRUE(encoder.isValid());
        const QByteArray bytes = GetParam().bom + QByteArray(encoder.encode(text));
        ASSERT_FALSE(encoder.hasError());
        const list_file_read read = list_text_from_bytes(bytes);
        EXPECT_EQ(read.status, list_file_read::loaded);
        EXPECT_EQ(read.text, text.endsWith(u'\n') ? text : text + QStringLiteral("\r\n"))
            << text.size() << " characters";
    }
}

INSTANTIATE_TEST_SUITE_P(encodings, japanese_file,
                         ::testing::Values(encoding_row{"windows-31j", ""}, encoding_row{"EUC-JP", ""},
                                           encoding_row{"ISO-2022-JP", ""}, encoding_row{"UTF-8", ""},
                                           encoding_row{"UTF-8", "\xef\xbb\xbf"},
                                           encoding_row{"UTF-16LE", ""}, encoding_row{"UTF-16LE", "\xff\xfe"},
                                           encoding_row{"UTF-16BE", ""},
                                           encoding_row{"UTF-16BE", "\xfe\xff"}));

struct bytes_row {
    const char* name;
    std::string_view bytes;
    std::u16string_view text;
};

void PrintTo(const bytes_row& row, std::ostream* os) {
    *os << row.name;
}

class telling_bytes : public ::testing::TestWithParam<bytes_row> {};

TEST_P(telling_bytes, read_in_the_likelier_encoding) {
    const list_file_read read =
        list_text_from_bytes(QByteArrayView(GetParam().bytes.data(), GetParam().bytes.size()));
    EXPECT_EQ(read.text.toStdU16String(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    ambiguous, telling_bytes,
    ::testing::Values(
        // Valid in Windows-31J and in EUC-JP: Windows-31J while its reading can be text.
        bytes_row{"halfwidth_katakana", "\xb6\xc0\xb6\xc5"sv, u"ｶﾀｶﾅ\r\n"},
        bytes_row{"halfwidth_voiced", "\xc3\xde\xb0\xc0"sv, u"ﾃﾞｰﾀ\r\n"},
        bytes_row{"nec_selected_ibm", "\xed\xa1\xee\xa1"sv, u"悅釭\r\n"},
        bytes_row{"euc_jp_reading_as_halfwidth_text", "\xa4\xb9\xa4\xd9\xa4\xc6"sv, u"､ｹ､ﾙ､ﾆ\r\n"},
        // ...EUC-JP where Windows-31J would glue a kanji to half-width katakana.
        bytes_row{"euc_jp_kanji_kana", "\xb9\xe2\xa4\xb5"sv, u"高さ\r\n"},
        bytes_row{"euc_jp_jis_x_0212", "\x8f\xb0\xa1"sv, u"丂\r\n"},
        // Valid in one of them only.
        bytes_row{"windows_31j_kanji", "\x8a\xbf\x8e\x9a"sv, u"漢字\r\n"},
        bytes_row{"windows_31j_user_defined", "\xf0\x40"sv, u"\uE000\r\n"},
        bytes_row{"euc_jp_kanji", "\xb4\xc1\xbb\xfa"sv, u"漢字\r\n"},
        bytes_row{"halfwidth_odd_length", "\xb1\xb2\xb3"sv, u"ｱｲｳ\r\n"},
        // UTF-16 without zero bytes, and with only those of 一 in the other order.
        bytes_row{"utf16le_katakana_only", "\xc0\x30\xa6\x30\xf3\x30\xed\x30\xfc\x30\xc9\x30"sv,
                  u"ダウンロード\r\n"},
        bytes_row{"utf16be_with_ichi", "\x4e\x00\x89\xa7\x30\x68\x30\x4b\x30\x93"sv, u"一覧とかん\r\n"},
        // A NUL or two is no UTF-16; NUL bytes in every other place are.
        bytes_row{"stray_nul", "ab\0c"sv, u"ab\0c\r\n"sv}, bytes_row{"two_nuls", "a\0\0b"sv, u"a\0\0b\r\n"sv},
        bytes_row{"utf16le_ascii", "a\0b\0"sv, u"ab\r\n"},
        bytes_row{"utf16le_with_one_zero", "3\0\x9e\x62\x6e\x30"sv, u"3択の\r\n"},
        bytes_row{"windows_31j_with_nul", "\x82\xa0\0a"sv, u"あ\0a\r\n"sv},
        // 7-bit text switching to JIS X 0208 or half-width katakana; a bare escape does not.
        bytes_row{"iso_2022_jp_halfwidth", "\x1b(I\x36\x40\x1b(B"sv, u"ｶﾀ\r\n"},
        bytes_row{"lone_escape", "\x1b$"sv, u"\x1b$\r\n"}));

} // namespace
