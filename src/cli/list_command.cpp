#include "cli/list_command.hpp"

#include "core/list_text.hpp"
#include "files/list_file.hpp"
#include "files/u16_text.hpp"
#include "generators/list_edits.hpp"
#include "generators/numbered_list.hpp"
#include "generators/search_list.hpp"
#include "generators/url_range.hpp"

#include <QCommandLineParser>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <string>
#include <unistd.h>
#include <utility>

namespace tolvin {

namespace {

const char usage_text[] = "使い方 / Usage:\n"
                          "  tolvin-list expand  [--comments] [--lf] [FILE]\n"
                          "  tolvin-list search  [--japanese] [--comments] [--lf] STRING [FILE]\n"
                          "  tolvin-list replace [--lf] FIND [WITH] [FILE]\n"
                          "  tolvin-list add     [--head] [--lf] TEXT [FILE]\n"
                          "  tolvin-list number  [--head] [--lf] COMMON FIRST LAST\n"
                          "  tolvin-list --help | --version\n";

const char help_text[] =
    "\n"
    "URL の範囲を展開する / Expand URL range templates:\n"
    "  tolvin-list expand list.txt | wget -i -\n"
    "検索文字を含む項目を抜き出す / List every item that holds a search string:\n"
    "  tolvin-list search jpg page.html\n"
    "リストの文字を変更する (WITH が空なら削除) / Replace a text everywhere (an empty WITH deletes):\n"
    "  tolvin-list replace http:// https:// list.txt\n"
    "各行の最後 (--head で先頭) に文字を追加する / Add a text at the end (--head: the head) of every line:\n"
    "  tolvin-list add .jpg list.txt\n"
    "番号付きリストを作る / Make a numbered list:\n"
    "  tolvin-list number http://example.com/img 000 17\n"
    "  tolvin-list number -- x -5 5    (負の数は -- の後に / negative numbers after --)\n"
    "\n"
    "  --comments  コメント行を付ける / write the heading and \"=END=\" lines\n"
    "  --japanese  日本語の項目も抜き出す / items are anything but blanks and quotes\n"
    "  --head      行の先頭に付ける / put the text or number at the head of the line\n"
    "  --lf        改行を LF にする (既定は CR LF) / end lines with LF instead of CR LF\n"
    "\n"
    "FILE が無いか \"-\" なら標準入力を読みます。/ Without FILE, or with \"-\", standard input is read.\n"
    "終了状態 / Exit status: 0 作成 / made, 1 出力なし / nothing made, 2 使い方の誤り / wrong usage,\n"
    "  3 65,535 文字を超える / past 65,535 characters, 4 読み書きできない / cannot read or write\n";

struct command_entry {
    const char* name;
    QStringList options;   // the options it takes
    qsizetype least;       // arguments it needs
    qsizetype most;        // arguments it takes, FILE included
    bool reads_list;       // its last argument, when all are given, is FILE
    std::int32_t too_long; // the capacity message's mode when its result does not fit
};

const command_entry commands[] = {
    {"expand", {"comments", "lf"}, 0, 1, true, 1},
    {"search", {"japanese", "comments", "lf"}, 1, 2, true, 1},
    {"replace", {"lf"}, 1, 3, true, 0},
    {"add", {"head", "lf"}, 1, 2, true, 0},
    {"number", {"head", "lf"}, 3, 3, false, 0},
};

list_command_result usage_error(const QString& message) {
    return {wrong_usage, QByteArray(),
            QByteArray("tolvin-list: ") + message.toUtf8() + '\n' + QByteArray(usage_text)};
}

// The text in UTF-8; with `lf` its CR LF line breaks become LF (a list text holds no
// other CR).
QByteArray utf8_lines(std::u16string_view text, bool lf) {
    QByteArray bytes = QStringView(text.data(), static_cast<qsizetype>(text.size())).toUtf8();
    if (lf)
        bytes.replace("\r\n", "\n");
    return bytes;
}

list_command_result refused(std::int32_t mode) {
    return {past_limit, QByteArray(), utf8_lines(limit_message_text(mode), true) + '\n'};
}

// Reads the list as opening a list file does; FILE may also be a pipe or a device.
list_file_read read_list(const std::optional<QString>& path, int input_fd) {
    if (!path || *path == QLatin1String("-"))
        return read_list_from(input_fd);
    const int fd = ::open(QFile::encodeName(*path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {list_file_read::unreadable, QString(), qt_error_string(errno)};
    list_file_read file = read_list_from(fd);
    ::close(fd);
    return file;
}

// What the command makes of the list text: the same generator, with the same
// arguments, as the window's button.
std::u16string generate(const command_entry& command, const QStringList& args,
                        const QCommandLineParser& parser, std::u16string_view list) {
    const auto arg = [&](qsizetype i) {
        return i < args.size() ? args[i].toStdU16String() : std::u16string();
    };
    const text_position where =
        parser.isSet(QStringLiteral("head")) ? text_position::head : text_position::end;
    const std::int32_t comment_flag = parser.isSet(QStringLiteral("comments")) ? 1 : 0;
    const QLatin1String name(command.name);
    if (name == QLatin1String("expand"))
        return expand_url(list, comment_flag).text;
    if (name == QLatin1String("search"))
        return list_up_by_search(list, arg(0), parser.isSet(QStringLiteral("japanese")) ? 1 : 0, comment_flag)
            .text;
    if (name == QLatin1String("replace"))
        return replace_text(list, arg(0), arg(1), list_limit);
    if (name == QLatin1String("add"))
        return add_text(list, arg(0), where, list_limit);
    return numbered_list(arg(0), arg(1), arg(2), where, list_limit);
}

} // namespace

list_command_result run_list_command(const QStringList& arguments, int input_fd) {
    QCommandLineParser parser;
    parser.addOptions({{QStringLiteral("comments"), QString()},
                       {QStringLiteral("japanese"), QString()},
                       {QStringLiteral("head"), QString()},
                       {QStringLiteral("lf"), QString()},
                       {{QStringLiteral("h"), QStringLiteral("help")}, QString()},
                       {QStringLiteral("version"), QString()}});
    if (!parser.parse(QStringList(QStringLiteral("tolvin-list")) + arguments))
        return usage_error(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        return {list_made, QByteArray(usage_text) + help_text, QByteArray()};
    if (parser.isSet(QStringLiteral("version")))
        return {list_made, QByteArrayLiteral("tolvin-list " TOLVIN_VERSION "\n"), QByteArray()};

    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usage_error(QStringLiteral("コマンドがありません / no command given"));
    const QString name = args.takeFirst();
    const command_entry* command = nullptr;
    for (const command_entry& c : commands) {
        if (name == QLatin1String(c.name))
            command = &c;
    }
    if (!command)
        return usage_error(QStringLiteral("不明なコマンド / unknown command: %1").arg(name));
    for (const QString& option : parser.optionNames()) {
        if (!command->options.contains(option))
            return usage_error(
                QStringLiteral("%1 に --%2 はありません / %1 takes no --%2").arg(name, option));
    }
    if (args.size() < command->least || args.size() > command->most)
        return usage_error(
            QStringLiteral("%1 の引数の数が違います / wrong number of arguments for %1").arg(name));

    std::u16string list;
    if (command->reads_list) {
        std::optional<QString> path;
        if (args.size() == command->most)
            path = args.takeLast();
        const list_file_read file = read_list(path, input_fd);
        if (file.status == list_file_read::unreadable) {
            const QString shown = path.value_or(QStringLiteral("standard input"));
            return {cannot_read, QByteArray(),
                    ("tolvin-list: " + shown + ": " + file.reason).toUtf8() + '\n'};
        }
        // Refused like a file too long for the list box, or one it cannot hold.
        std::optional<std::u16string> stored =
            file.status == list_file_read::loaded ? stored_text(u16_view(file.text)) : std::nullopt;
        if (!stored)
            return refused(0);
        list = std::move(*stored);
    }

    const std::u16string made = generate(*command, args, parser, list);
    if (made.empty())
        return {list_empty, QByteArray(), QByteArray()};
    const std::optional<std::u16string> stored = stored_text(made);
    if (!stored)
        return refused(command->too_long);
    std::u16string_view shown = *stored;
    if (!command->reads_list) // the numbered block without the line break that joins it to the list
        shown.remove_prefix(crlf.size());
    return {list_made, utf8_lines(shown, parser.isSet(QStringLiteral("lf"))), QByteArray()};
}

} // namespace tolvin
