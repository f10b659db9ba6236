// Runs the real tolvin-list: every command on a list given on standard input and as a
// file, what it writes, its exit statuses, and the awkward arguments scripts pass.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <unistd.h>

namespace {

struct run_result {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

run_result run_program(const QString& program, const QStringList& arguments, const QByteArray& input,
                       const QString& output_file,
                       const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!output_file.isEmpty())
        process.setStandardOutputFile(output_file);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

run_result run(const QStringList& arguments, const QByteArray& input = QByteArray(),
               const QString& output_file = QString()) {
    return run_program(QStringLiteral(TOLVIN_LIST), arguments, input, output_file);
}

// With arguments that need not be UTF-8: the shell makes them from octal escapes.
run_result run_bytes(const QList<QByteArray>& arguments) {
    QString script = QStringLiteral("exec \"$0\"");
    for (const QByteArray& argument : arguments) {
        script += QStringLiteral(" \"$(printf '");
        for (const char c : argument)
            script += QString::asprintf("\\%03o", static_cast<unsigned char>(c));
        script += QStringLiteral("')\"");
    }
    return run_program(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script, QStringLiteral(TOLVIN_LIST)},
                       QByteArray(), QString());
}

QByteArray utf8(const char8_t* text) {
    return QByteArray(reinterpret_cast<const char*>(text));
}

struct command_row {
    const char* name;
    QStringList arguments;
    QByteArray input;
    QByteArray out;
    int status = 0;
    const char8_t* err = u8""; // how standard error starts; empty: nothing is written there
};

void PrintTo(const command_row& row, std::ostream* os) {
    *os << row.name;
}

class command_output : public testing::TestWithParam<command_row> {};

// The list is given on standard input, and then once more as a file. Status 3 comes
// with the capacity message, as the window shows it, on standard error.
TEST_P(command_output, writes_the_list_and_tells_by_its_status) {
    const command_row& row = GetParam();
    const run_result piped = run(row.arguments, row.input);
    EXPECT_EQ(piped.status, row.status) << piped.err.toStdString();
    EXPECT_EQ(piped.out, row.out);
    EXPECT_TRUE(piped.err.startsWith(utf8(row.err)) && (*row.err || piped.err.isEmpty()))
        << piped.err.toStdString();

    if (row.arguments.first() == QLatin1String("number"))
        return;
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("list.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(row.input);
    file.close();
    const run_result named = run(QStringList(row.arguments) << file.fileName());
    EXPECT_EQ(named.status, row.status);
    EXPECT_EQ(named.out, row.out);
}

// `common` with four-digit numbers from 0 to `last`, one a line.
QByteArray numbered_lines(const QByteArray& common, int last) {
    QByteArray lines;
    for (int n = 0; n <= last; ++n)
        lines += common + QByteArray::number(n).rightJustified(4, '0') + '\n';
    return lines;
}

const char8_t edit_wording[] = u8"編集可能文字数を超えてしまうため リストを表示できません。\n";
const char8_t listing_wording[] = u8"リストアップ可能文字数を超えてしまうため リストを";
const QByteArray markup = "<img src=\"a.jpg\">\n<a href='b.jpg'>x</a>\n";

// clang-format off: one row a line
INSTANTIATE_TEST_SUITE_P(
    commands, command_output,
    testing::Values(
        command_row{"expand_extra_name", {"expand"}, "x h/p[1-2]+t y\n", "\r\nh/t\r\nh/p1\r\nh/p2\r\n", 0},
        command_row{"expand_comments",
                    {"expand", "--comments", "--lf"},
                    "a[9-8]",
                    utf8(u8"\n1.  展開しました\na9\na8\n=END=\n")},
        command_row{"expand_nothing", {"expand", "--comments"}, "a[5]\nb[1-\n2]\n", "", 1},
        command_row{"search_quotes_end_items", {"search", "jpg"}, markup, "a.jpg\r\nb.jpg\r\n", 0},
        command_row{"search_japanese",
                    {"search", "--japanese", utf8(u8"画像")},
                    utf8(u8"この画像です　OK"),
                    utf8(u8"この画像です　OK\r\n")},
        command_row{"search_comments",
                    {"search", "--comments", "jpg"},
                    "x.jpg",
                    utf8(u8"検索文字を使ってリストアップしました\r\nx.jpg\r\n=END=\r\n")},
        command_row{"search_dash_after_double_dash", {"search", "--lf", "--", "-x"}, "a -x b\n", "-x\n", 0},
        command_row{"search_empty_string", {"search", ""}, "abc\n", "", 1},
        command_row{"replace", {"replace", "b", "YY"}, "abc\r\nxbx\r\n", "aYYc\r\nxYYx\r\n", 0},
        command_row{"replace_deletes", {"replace", "--lf", "b", ""}, "abc\nxbx", "ac\nxx\n", 0},
        command_row{"replace_empty_find_keeps_list", {"replace", "", "x"}, "a\rb", "a\r\nb\r\n", 0},
        command_row{"add_skips_blank_lines",
                    {"add", "!"},
                    utf8(u8"a\r\n\r\n　\r\nb"),
                    utf8(u8"a!\r\n\r\n　\r\nb!\r\n")},
        command_row{"add_to_empty_list", {"add", "x"}, "", "", 1},
        command_row{"number_head_down", {"number", "--head", "x", "3", "1"}, "", "3x\r\n2x\r\n1x\r\n", 0},
        command_row{"number_empty_last", {"number", "a", "1", ""}, "", "", 1},
        command_row{"number_empty_common", {"number", "--", "", "-1", "1"}, "", "-1\r\n0\r\n1\r\n", 0},
        // The limit: what a text box refuses, and one character less.
        command_row{"input_at_limit",
                    {"replace", "x", "y"},
                    QByteArray(65533, 'a') + "\r\n",
                    QByteArray(65533, 'a') + "\r\n"},
        command_row{"input_past_limit", {"replace", "x", "y"}, QByteArray(65534, 'a'), "", 3, edit_wording},
        // The two characters the list box cannot keep are characters like any other here.
        command_row{"expand_widget_marker", {"expand"}, utf8(u8"\uFDD1 a[1-2]\uFDD0"), "\r\na1\r\na2\r\n"},
        command_row{"search_widget_marker",
                    {"search", "--japanese", utf8(u8"\uFDD0")},
                    utf8(u8"x\uFDD0y z"),
                    utf8(u8"x\uFDD0y\r\n")},
        command_row{"replace_widget_markers",
                    {"replace", utf8(u8"\uFDD0"), utf8(u8"\uFDD1")},
                    utf8(u8"a\uFDD0b"),
                    utf8(u8"a\uFDD1b\r\n")},
        command_row{"add_widget_marker", {"add", "--head", utf8(u8"\uFDD1")}, "a\r\n", utf8(u8"\uFDD1a\r\n")},
        command_row{"number_widget_marker",
                    {"number", utf8(u8"\uFDD0"), "1", "2"},
                    "",
                    utf8(u8"\uFDD01\r\n\uFDD02\r\n")},
        command_row{"number_past_2_53",
                    {"number", "--lf", "x", "9007199254740992", "9007199254740995"},
                    "",
                    "x9007199254740992\nx9007199254740993\nx9007199254740994\nx9007199254740995\n"},
        command_row{"number_beyond_counting",
                    {"number", "x", "0", QString(400, u'9')},
                    "",
                    "",
                    1,
                    u8"tolvin-list: LAST の数が大きすぎて数えられません"},
        command_row{"expansion_past_limit", {"expand"}, "a[0-99999]", "", 3, listing_wording},
        command_row{
            "listing_past_limit", {"search", "a"}, QByteArray("a ").repeated(30000), "", 3, listing_wording},
        command_row{
            "replacement_past_limit", {"replace", "a", "aa"}, QByteArray(40000, 'a'), "", 3, edit_wording},
        // With the line break that joins it to a list the first block makes 65,535
        // characters, the second 65,536.
        command_row{"number_at_limit",
                    {"number", "--lf", "abcdefg", "0000", "5040"},
                    "",
                    numbered_lines("abcdefg", 5040)},
        command_row{"number_past_limit", {"number", "abcdefgh", "0000", "4680"}, "", "", 3, edit_wording}),
    [](const testing::TestParamInfo<command_row>& info) { return info.param.name; });
// clang-format on

TEST(tolvin_list, reads_a_dash_as_standard_input) {
    EXPECT_EQ(run({"replace", "--lf", "a", "b", "-"}, "aa\n").out, "bb\n");
}

TEST(tolvin_list, reads_a_windows_31j_file) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("sjis.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x82\xb1\x82\xcc\x89\xe6\x91\x9c\x82\xc5\x82\xb7 x\r\n"); // この画像です
    file.close();
    EXPECT_EQ(run({"search", "--japanese", "--lf", utf8(u8"画像"), file.fileName()}).out,
              utf8(u8"この画像です\n"));
}

// 2: one line naming the fault, then the usage, on standard error.
TEST(tolvin_list, reports_wrong_usage_with_status_2) {
    for (const char* line : {"", "list", "expand --head", "expand --bogus", "expand a b", "search",
                             "number a 1", "replace a b c d", "--lf=1 expand"}) {
        const QStringList arguments = QString::fromLatin1(line).split(' ', Qt::SkipEmptyParts);
        const run_result r = run(arguments, "a[1-2]\n");
        EXPECT_EQ(r.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        const QList<QByteArray> lines = r.err.split('\n');
        ASSERT_GT(lines.size(), 2);
        EXPECT_TRUE(lines[0].startsWith("tolvin-list: ") && lines[0].contains(" / "))
            << lines[0].toStdString();
        EXPECT_EQ(lines[1], utf8(u8"使い方 / Usage:"));
    }
}

// Options are read as scripts expect: anywhere before "--", several letters after one
// "-", none with a value; the first line of standard error names the fault.
TEST(tolvin_list, reads_options_anywhere_before_a_double_dash) {
    const struct {
        const char* line;
        int status;
        const char8_t* said; // the first line of standard error, or the output
    } rows[] = {
        {"expand --lf -", 0, u8"\na1\na2\n"},
        {"--lf expand", 0, u8"\na1\na2\n"},
        {"add --lf -- --head", 0, u8"a[1-2]--head\n"},
        {"expand -hx", 2, u8"tolvin-list: 不明なオプション / unknown option: -x"},
        {"expand -help", 2, u8"tolvin-list: 不明なオプション / unknown option: -e, -l, -p"},
        {"--bogus=1 expand --x", 2, u8"tolvin-list: 不明なオプション / unknown option: --bogus, -x"},
        {"expand --lf=1 --help=", 2, u8"tolvin-list: --lf に値は付けられません / --lf takes no value"},
        {"expand --head", 2, u8"tolvin-list: expand に --head はありません / expand takes no --head"},
        {"bogus", 2, u8"tolvin-list: 不明なコマンド / unknown command: bogus"},
        {"--h", 0, u8"使い方 / Usage:"},
    };
    for (const auto& row : rows) {
        const run_result r = run(QString::fromLatin1(row.line).split(' '), "a[1-2]\n");
        EXPECT_EQ(r.status, row.status) << row.line;
        EXPECT_EQ((row.status == 0 ? r.out : r.err.split('\n')[0]).left(utf8(row.said).size()),
                  utf8(row.said))
            << row.line << ": " << r.err.toStdString();
    }
}

// A text must be UTF-8: the message names the argument that is not.
TEST(tolvin_list, refuses_a_text_argument_that_is_not_utf8) {
    const struct {
        QList<QByteArray> arguments;
        const char* named;
    } rows[] = {
        {{"search", "\xff", "/dev/null"}, "STRING (argument 2)"},
        {{"add", "\xe3\x81"}, "TEXT (argument 2)"},
        {{"--lf", "replace", "a", "\xc0\xaf"}, "WITH (argument 4)"},
        {{"number", "--", "x", "1", "\xed\xa0\x80"}, "LAST (argument 5)"}, // an encoded surrogate
    };
    for (const auto& row : rows) {
        const run_result r = run_bytes(row.arguments);
        EXPECT_EQ(r.status, 2) << row.named;
        EXPECT_TRUE(r.err.split('\n')[0].contains(row.named)) << r.err.toStdString();
    }
}

// A file name goes to the system as the bytes given, UTF-8 or not.
TEST(tolvin_list, opens_a_file_whose_name_is_not_utf8) {
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.path()) + "/\xff\xfe.txt";
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "a[1-2]\n", 7), 7);
    ::close(fd);
    const run_result r = run_bytes({"expand", "--lf", name});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "\na1\na2\n");
}

// 4: the system's reason, for the input and for an output that cannot be written.
TEST(tolvin_list, says_why_a_file_cannot_be_read_or_written) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("日本語 missing.txt"));
    const run_result gone = run({"expand", missing});
    EXPECT_EQ(gone.status, 4);
    EXPECT_EQ(gone.err, ("tolvin-list: " + missing + ": No such file or directory\n").toUtf8());
    const run_result folder = run({"add", "x", dir.path()});
    EXPECT_EQ(folder.status, 4);
    EXPECT_TRUE(folder.err.endsWith(": Is a directory\n"));
    EXPECT_EQ(run({"expand", ""}).status, 4);

    const run_result full = run({"expand"}, "a[1-2]\n", QStringLiteral("/dev/full"));
    EXPECT_EQ(full.status, 4);
    EXPECT_TRUE(full.err.startsWith("tolvin-list: standard output: "));
}

// ICU is loaded only for a list that needs it; the dynamic loader says what it loads.
TEST(tolvin_list, loads_icu_only_for_lists_that_need_it) {
    const struct {
        QByteArray input;
        QByteArray out;
        bool loads_icu;
    } rows[] = {
        {"a\n", "ax\n", false},
        {utf8(u8"\uFEFFあ\n"), utf8(u8"あx\n"), false},
        {"a\r\n\x82\xa0\n", utf8(u8"ax\nあx\n"), true},      // Windows-31J
        {"\x1b$B$\"\x1b(B\n", utf8(u8"あx\n"), true},        // ISO-2022-JP
        {QByteArray("a\0\n\0b\0\n\0", 8), "ax\nbx\n", true}, // UTF-16 without a mark
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    for (const auto& row : rows) {
        const run_result r =
            run_program(QStringLiteral(TOLVIN_LIST), {"add", "--lf", "x"}, row.input, QString(), environment);
        EXPECT_EQ(r.status, 0) << row.input.toHex().toStdString();
        EXPECT_EQ(r.out, row.out) << row.input.toHex().toStdString();
        EXPECT_EQ(r.err.contains("libicuuc.so"), row.loads_icu) << row.input.toHex().toStdString();
    }
}

TEST(tolvin_list, help_names_every_command_with_an_example) {
    const run_result r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* command : {"expand", "search", "replace", "add", "number"})
        EXPECT_TRUE(r.out.contains(QByteArray("\n  tolvin-list ") + command + ' ')) << command;
    EXPECT_TRUE(r.out.contains(utf8(u8"番号付きリストを作る / Make a numbered list")));
    EXPECT_TRUE(
        r.out.contains("Every line of the output, the last included, ends with CR LF (LF with --lf)."));
    EXPECT_TRUE(run({"--version"}).out.startsWith("tolvin-list 1."));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // for QProcess
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
