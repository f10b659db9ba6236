// Reading list files in every encoding and line-break style, the length and byte
// bounds, files that cannot be read, and writing with a failure that keeps the old file.
#include "files/list_file.hpp"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <ostream>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace tolvin;
using namespace std::string_view_literals;

namespace {

struct bytes_row {
    const char* name;
    std::string_view bytes;
    std::u16string_view text;
};

void PrintTo(const bytes_row& row, std::ostream* os) {
    *os << row.name;
}

class read_bytes : public ::testing::TestWithParam<bytes_row> {};

TEST_P(read_bytes, gives_the_lines_each_with_crlf) {
    const bytes_row& row = GetParam();
    const list_file_read read = list_text_from_bytes(QByteArrayView(row.bytes.data(), row.bytes.size()));
    EXPECT_EQ(read.status, list_file_read::loaded);
    EXPECT_EQ(read.text.toStdU16String(), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    encodings_and_breaks, read_bytes,
    ::testing::Values(
        bytes_row{"no_final_break", "a\r\nb"sv, u"a\r\nb\r\n"},
        bytes_row{"final_break", "a\r\nb\r\n"sv, u"a\r\nb\r\n"},
        bytes_row{"lf_only", "a\nb\n\nc"sv, u"a\r\nb\r\n\r\nc\r\n"},
        bytes_row{"cr_only", "a\rb\r"sv, u"a\r\nb\r\n"}, bytes_row{"empty", ""sv, u""},
        bytes_row{"one_empty_line", "\r\n"sv, u"\r\n"}, bytes_row{"nul_bytes", "a\0b"sv, u"a\0b\r\n"sv},
        bytes_row{"utf8", "\xe3\x81\x82 \xf0\x9f\x98\x80"sv, u"あ \U0001F600\r\n"},
        bytes_row{"utf8_bom", "\xef\xbb\xbf\xe3\x81\x82\r\n"sv, u"あ\r\n"},
        // A character that looks like a byte-order mark stays in the text, unswapped.
        bytes_row{"utf8_bom_then_swapped_mark",
                  "\xef\xbb\xbf\xef\xbf\xbe"
                  "ab"sv,
                  u"\uFFFEab\r\n"},
        bytes_row{"utf8_cut_at_end", "ab\xe3\x81"sv, u"ab\uFFFD\uFFFD\r\n"},
        bytes_row{"utf16le", "\xff\xfe\x42\x30\n\0b\0"sv, u"あ\r\nb\r\n"},
        bytes_row{"utf16be", "\xfe\xff\x30\x42\0\r"sv, u"あ\r\n"},
        bytes_row{"utf16le_odd_count",
                  "\xff\xfe"
                  "a\0b"sv,
                  u"a\uFFFD\r\n"},
        bytes_row{"windows_31j", "\x82\xa0\x87\x40\xfa\x40\r\nhttp://h/\x88\xea.jpg"sv,
                  u"あ①ⅰ\r\nhttp://h/一.jpg\r\n"},
        bytes_row{"windows_31j_cut", "\x82\xa0\x82"sv, u"あ\r\n"},
        bytes_row{"html_shift_jis",
                  "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\x82\xa0"sv,
                  u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">あ\r\n"},
        bytes_row{"html_euc_jp", "<meta charset=\"EUC-JP\">\xa4\xa2"sv, u"<meta charset=\"EUC-JP\">あ\r\n"},
        bytes_row{"html_iso_2022_jp", "<meta charset=iso-2022-jp>\x1b$B$\"\x1b(B"sv,
                  u"<meta charset=iso-2022-jp>あ\r\n"},
        bytes_row{"html_charset_qt_gives_no_name", "<meta charset=ibm964>ab"sv,
                  u"<meta charset=ibm964>ab\r\n"},
        bytes_row{"html_utf16_readable_as_ascii", "<meta charset=utf-16>\xe3\x81\x82"sv,
                  u"<meta charset=utf-16>あ\r\n"},
        bytes_row{"html_utf8", "<meta charset=utf-8>\xe3\x81\x82"sv, u"<meta charset=utf-8>あ\r\n"}));

TEST(read_bytes_limit, a_text_of_65536_characters_is_too_long) {
    const struct {
        QByteArray bytes;
        list_file_read::status_type status;
        qsizetype length;
    } rows[] = {
        {QByteArray(65533, 'x'), list_file_read::loaded, 65535}, // with its CR LF
        {QByteArray(65534, 'x'), list_file_read::too_long, 0},
        {QByteArray(32767, '\r'), list_file_read::loaded, 65534}, // each lone CR becomes CR LF
        {QByteArray(32768, '\n'), list_file_read::too_long, 0},   // each lone LF too
    };
    for (const auto& row : rows) {
        const list_file_read read = list_text_from_bytes(row.bytes);
        EXPECT_EQ(read.status, row.status) << row.bytes.size();
        EXPECT_EQ(read.text.size(), row.length);
    }
}

class list_files : public ::testing::Test {
  protected:
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    void write(const QString& file, const QByteArray& bytes) const {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray contents(const QString& file) const {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    }
    QTemporaryDir dir;
};

TEST_F(list_files, read_refuses_what_is_not_a_readable_regular_file) {
    ASSERT_EQ(::mkfifo(path("fifo").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    for (const char* name : {"missing", "fifo", "folder"})
        EXPECT_EQ(read_list_file(path(name)).status, list_file_read::unreadable) << name;
}

TEST_F(list_files, read_stops_at_the_byte_bound) {
    // Bytes past the bound: too long whatever they would make, a file of a gigabyte too.
    QByteArray escapes;
    while (escapes.size() <= static_cast<qsizetype>(list_file_byte_limit))
        escapes.append("\x1b(B");
    write(path("escapes"), "<meta charset=iso-2022-jp>" + escapes);
    QFile huge(path("huge"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 30));
    huge.close();
    write(path("list"), "\xef\xbb\xbf\xe3\x81\x82 a b\n");

    EXPECT_EQ(read_list_file(path("escapes")).status, list_file_read::too_long);
    EXPECT_EQ(read_list_file(path("huge")).status, list_file_read::too_long);
    const list_file_read read = read_list_file(path("list"));
    EXPECT_EQ(read.status, list_file_read::loaded);
    EXPECT_EQ(read.text, QStringLiteral("あ a b\r\n"));
}

TEST_F(list_files, a_failed_write_says_why_and_keeps_the_old_file) {
    write(path("old"), "old list");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    EXPECT_FALSE(write_list_file(path("missing/list.txt"), QStringLiteral("x")).isEmpty());
    EXPECT_FALSE(write_list_file(path("folder"), QStringLiteral("x")).isEmpty());

    // A full disk, as the file size limit makes it.
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old_limit{};
    ::getrlimit(RLIMIT_FSIZE, &old_limit);
    rlimit small = old_limit;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const QString reason = write_list_file(path("old"), QStringLiteral("new list, longer"));
    ::setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(contents(path("old")), QByteArray("old list"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old")});
}

} // namespace
