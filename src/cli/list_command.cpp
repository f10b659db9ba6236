#include "cli/list_command.hpp"

#include "core/list_text.hpp"
#include "files/list_file.hpp"
#include "files/u16_text.hpp"
#include "generators/list_edits.hpp"
#include "generators/numbered_list.hpp"
#include "generators/search_list.hpp"
#include "generators/url_range.hpp"

#include <QCommandLineParser>
#include <QStringDecoder>
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
    "出力の各行は最後の行も CR LF (--lf では LF) で終わります。\n"
    "  / Every line of the output, the last included, ends with CR LF (LF with --lf).\n"
    "終了状態 / Exit status: 0 作成 / made, 1 出力なし / nothing made, 2 使い方の誤り / wrong usage,\n"
    "  3 65,535 文字を超える / past 65,535 characters, 4 読み書きできない / cannot read or write\n";

struct command_entry {
    const char* name;
    QStringList options;   // the options it takes
    qsizetype least;       // arguments it needs
    qsizetype most;        // arguments it takes, FILE included
    bool reads_list;       // its last argument, when all are given, is FILE
    std::int32_t too_long; // the capacity message's mode when its result does not fit
    const char* names[3];  // its arguments as the usage names them
};

const command_entry commands[] = {
    {"expand", {"comments", "lf"}, 0, 1, true, 1, {"FILE"}},
    {"search", {"japanese", "comments", "lf"}, 1, 2, true, 1, {"STRING", "FILE"}},
    {"replace", {"lf"}, 1, 3, true, 0, {"FIND", "WITH", "FILE"}},
    {"add", {"head", "lf"}, 1, 2, true, 0, {"TEXT", "FILE"}},
    {"number", {"head", "lf"}, 3, 3, false, 0, {"COMMON", "FIRST", "LAST"}},
};

// One argument of the command line: its bytes, and its text when they are UTF-8.
struct argument {
    QByteArray bytes;
    QString text; // with U+FFFD for what is not UTF-8
    bool utf8 = true;
    qsizetype place = 0; // 1 for the first argument
};

argument decoded(const QByteArray& bytes, qsizetype place) {
    // A leading U+FEFF is a character of the text like any other.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    argument a{bytes, utf8.decode(bytes), true, place};
    a.utf8 = !utf8.hasError();
    return a;
}

// The arguments that are no options, in the way QCommandLineParser tells them: all
// after "--", and "-" or anything not starting with "-" before it.
QList<argument> positional_arguments(const QList<argument>& all) {
    QList<argument> out;
    bool only_positional = false;
    for (const argument& a : all) {
        if (only_positional || a.bytes == "-" || !a.bytes.startsWith('-'))
            out.append(a);
        else if (a.bytes == "--")
            only_positional = true;
    }
    return out;
}

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

// What QCommandLineParser rejected, in both languages.
QString parser_error(const QCommandLineParser& parser, const QStringList& texts) {
    QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) {
        // Else an option was given a value ("--lf=1", "-h=1"), which none takes.
        for (const QString& text : texts) {
            if (text == QLatin1String("--"))
                break;
            if (text.startsWith(u'-') && text.contains(u'='))
                return QStringLiteral("%1 に値は付けられません / %1 takes no value")
                    .arg(text.section(u'=', 0, 0));
        }
        return QStringLiteral("オプションの誤り / wrong option: %1").arg(parser.errorText());
    }
    for (QString& name : unknown)
        name.prepend(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"));
    return QStringLiteral("不明なオプション / unknown option: %1").arg(unknown.join(QStringLiteral(", ")));
}

list_command_result refused(std::int32_t mode) {
    return {past_limit, QByteArray(), utf8_lines(limit_message_text(mode), true) + '\n'};
}

// Reads the list as opening a list file does; FILE may also be a pipe or a device.
list_file_read read_list(const std::optional<QByteArray>& path, int input_fd) {
    if (!path || *path == "-")
        return read_list_from(input_fd);
    const int fd = ::open(path->constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
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

list_command_result run_list_command(const QList<QByteArray>& arguments, int input_fd) {
    QList<argument> given;
    QStringList texts(QStringLiteral("tolvin-list"));
    for (const QByteArray& bytes : arguments) {
        given.append(decoded(bytes, given.size() + 1));
        texts.append(given.last().text);
    }

    QCommandLineParser parser;
    parser.addOptions({{QStringLiteral("comments"), QString()},
                       {QStringLiteral("japanese"), QString()},
                       {QStringLiteral("head"), QString()},
                       {QStringLiteral("lf"), QString()},
                       {{QStringLiteral("h"), QStringLiteral("help")}, QString()},
                       {QStringLiteral("version"), QString()}});
    if (!parser.parse(texts))
        return usage_error(parser_error(parser, texts));
    if (parser.isSet(QStringLiteral("help")))
        return {list_made, QByteArray(usage_text) + help_text, QByteArray()};
    if (parser.isSet(QStringLiteral("version")))
        return {list_made, QByteArrayLiteral("tolvin-list " TOLVIN_VERSION "\n"), QByteArray()};

    QList<argument> args = positional_arguments(given);
    if (args.isEmpty())
        return usage_error(QStringLiteral("コマンドがありません / no command given"));
    const QString name = args.takeFirst().text;
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

    std::optional<argument> file_argument;
    if (command->reads_list && args.size() == command->most)
        file_argument = args.takeLast();
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (!args[i].utf8)
            return usage_error(QStringLiteral("%1 (%2 番目の引数) が UTF-8 ではありません / %1 (argument %2) "
                                              "is not valid UTF-8")
                                   .arg(QLatin1String(command->names[i]))
                                   .arg(args[i].place));
    }
    QStringList texts_given;
    for (const argument& a : args)
        texts_given.append(a.text);

    // Texts the list box cannot show are no concern here: only the length counts.
    std::u16string list;
    if (command->reads_list) {
        std::optional<QByteArray> path;
        if (file_argument)
            path = file_argument->bytes;
        const list_file_read file = read_list(path, input_fd);
        if (file.status == list_file_read::unreadable) {
            const QString shown = file_argument ? file_argument->text : QStringLiteral("standard input");
            return {cannot_read, QByteArray(),
                    ("tolvin-list: " + shown + ": " + file.reason).toUtf8() + '\n'};
        }
        std::optional<std::u16string> limited =
            file.status == list_file_read::loaded ? limited_text(u16_view(file.text)) : std::nullopt;
        if (!limited)
            return refused(0);
        list = std::move(*limited);
    }

    const std::u16string made = generate(*command, texts_given, parser, list);
    if (made.empty()) {
        // The window makes nothing of a number past what it can count, and says
        // nothing; a script is told why.
        for (qsizetype i = 1; !command->reads_list && i < 3; ++i) {
            if (!args[i].text.isEmpty() && !countable_number(args[i].text.toStdU16String()))
                return {list_empty, QByteArray(),
                        QStringLiteral("tolvin-list: %1 の数が大きすぎて数えられません (約 1.8e308 まで) / "
                                       "%1 is too large to count (the limit is about 1.8e308)\n")
                            .arg(QLatin1String(command->names[i]))
                            .toUtf8()};
        }
        return {list_empty, QByteArray(), QByteArray()};
    }
    const std::optional<std::u16string> limited = limited_text(made);
    if (!limited)
        return refused(command->too_long);
    std::u16string shown = *limited;
    if (!command->reads_list) // the numbered block without the line break that joins it to the list
        shown.erase(0, crlf.size());
    if (!shown.ends_with(crlf)) // the comment lines end without one
        shown.append(crlf);
    return {list_made, utf8_lines(shown, parser.isSet(QStringLiteral("lf"))), QByteArray()};
}

} // namespace tolvin
