#include "cli/list_command.hpp"

#include "core/list_text.hpp"
#include "files/list_reading.hpp"
#include "files/text_encodings.hpp"
#include "generators/list_edits.hpp"
#include "generators/numbered_list.hpp"
#include "generators/search_list.hpp"
#include "generators/url_range.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <string_view>
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
    std::string_view name;
    std::vector<std::string_view> options; // the options it takes
    std::size_t least;                     // arguments it needs
    std::size_t most;                      // arguments it takes, FILE included
    bool reads_list;                       // its last argument, when all are given, is FILE
    std::int32_t too_long;                 // the capacity message's mode when its result does not fit
    const char* names[3];                  // its arguments as the usage names them
};

const command_entry commands[] = {
    {"expand", {"comments", "lf"}, 0, 1, true, 1, {"FILE"}},
    {"search", {"japanese", "comments", "lf"}, 1, 2, true, 1, {"STRING", "FILE"}},
    {"replace", {"lf"}, 1, 3, true, 0, {"FIND", "WITH", "FILE"}},
    {"add", {"head", "lf"}, 1, 2, true, 0, {"TEXT", "FILE"}},
    {"number", {"head", "lf"}, 3, 3, false, 0, {"COMMON", "FIRST", "LAST"}},
};

// Every option any command takes, and the two that stand alone.
const std::u16string_view known_options[] = {u"comments", u"japanese", u"head",   u"lf",
                                             u"h",        u"help",     u"version"};

// One argument of the command line: its bytes, and its text when they are UTF-8.
struct argument {
    std::string bytes;
    std::u16string text; // with U+FFFD for what is not UTF-8; a leading U+FEFF is kept
    bool utf8 = true;
    std::size_t place = 0; // 1 for the first argument
};

// The command line split as scripts expect of it: options anywhere before "--", each
// "--name" a long option and each letter after a single "-" a short one; "-" alone and
// everything after "--" are no options.
struct command_line {
    std::vector<argument> positional;
    std::vector<std::u16string> options;         // the names given, in order
    std::vector<std::u16string> unknown;         // names no command knows
    std::optional<std::u16string> given_a_value; // the first option written "--name=value"
};

bool is_known(std::u16string_view name) {
    return std::find(std::begin(known_options), std::end(known_options), name) != std::end(known_options);
}

command_line split_command_line(const std::vector<std::string>& arguments) {
    command_line line;
    bool only_positional = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        decoded_text decoded = decode_utf8(arguments[i]);
        argument a{arguments[i], std::move(decoded.text), decoded.valid, i + 1};
        const std::u16string& text = a.text;
        if (only_positional || text == u"-" || !text.starts_with(u'-')) {
            line.positional.push_back(std::move(a));
        } else if (text == u"--") {
            only_positional = true;
        } else if (text.starts_with(u"--")) {
            const std::size_t equals = text.find(u'=');
            const std::u16string name =
                text.substr(2, equals == std::u16string::npos ? std::u16string::npos : equals - 2);
            if (!is_known(name)) {
                line.unknown.push_back(name);
                continue;
            }
            line.options.push_back(name);
            if (equals != std::u16string::npos && !line.given_a_value)
                line.given_a_value = text.substr(0, equals);
        } else {
            for (std::size_t letter = 1; letter < text.size(); ++letter) {
                const std::u16string name(1, text[letter]);
                (is_known(name) ? line.options : line.unknown).push_back(name);
            }
        }
    }
    return line;
}

bool is_set(const command_line& line, std::u16string_view name) {
    return std::find(line.options.begin(), line.options.end(), name) != line.options.end();
}

list_command_result usage_error(const std::string& message) {
    return {wrong_usage, std::string(), "tolvin-list: " + message + '\n' + usage_text};
}

// The text in UTF-8; with `lf` its CR LF line breaks become LF (a list text holds no
// other CR).
std::string utf8_lines(std::u16string_view text, bool lf) {
    std::string bytes = utf8_of(text);
    if (!lf)
        return bytes;
    std::string lines;
    lines.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' || i + 1 == bytes.size() || bytes[i + 1] != '\n')
            lines.push_back(bytes[i]);
    }
    return lines;
}

// What the command line does not allow, in both languages.
std::string option_error(const command_line& line) {
    if (line.unknown.empty()) {
        const std::string option = utf8_of(*line.given_a_value);
        return option + " に値は付けられません / " + option + " takes no value";
    }
    std::string names;
    for (const std::u16string& name : line.unknown)
        names += (names.empty() ? "" : ", ") + std::string(name.size() == 1 ? "-" : "--") + utf8_of(name);
    return "不明なオプション / unknown option: " + names;
}

list_command_result refused(std::int32_t mode) {
    return {past_limit, std::string(), utf8_lines(limit_message_text(mode), true) + '\n'};
}

// Reads the list as opening a list file does; FILE may also be a pipe or a device.
list_reading read_list(const argument* file, int input_fd) {
    if (!file || file->bytes == "-")
        return read_list_descriptor(input_fd);
    const int fd = ::open(file->bytes.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {list_reading::unreadable, std::u16string(), errno};
    list_reading read = read_list_descriptor(fd);
    ::close(fd);
    return read;
}

// What the command makes of the list text: the same generator, with the same
// arguments, as the window's button.
std::u16string generate(const command_entry& command, const std::vector<argument>& args,
                        const command_line& line, std::u16string_view list) {
    const auto arg = [&](std::size_t i) { return i < args.size() ? args[i].text : std::u16string(); };
    const text_position where = is_set(line, u"head") ? text_position::head : text_position::end;
    const std::int32_t comment_flag = is_set(line, u"comments") ? 1 : 0;
    if (command.name == "expand")
        return expand_url(list, comment_flag).text;
    if (command.name == "search")
        return list_up_by_search(list, arg(0), is_set(line, u"japanese") ? 1 : 0, comment_flag).text;
    if (command.name == "replace")
        return replace_text(list, arg(0), arg(1), list_limit);
    if (command.name == "add")
        return add_text(list, arg(0), where, list_limit);
    return numbered_list(arg(0), arg(1), arg(2), where, list_limit);
}

} // namespace

list_command_result run_list_command(const std::vector<std::string>& arguments, int input_fd) {
    command_line line = split_command_line(arguments);
    if (!line.unknown.empty() || line.given_a_value)
        return usage_error(option_error(line));
    if (is_set(line, u"h") || is_set(line, u"help"))
        return {list_made, std::string(usage_text) + help_text, std::string()};
    if (is_set(line, u"version"))
        return {list_made, "tolvin-list " TOLVIN_VERSION "\n", std::string()};

    std::vector<argument>& args = line.positional;
    if (args.empty())
        return usage_error("コマンドがありません / no command given");
    const std::string name = utf8_of(args.front().text);
    args.erase(args.begin());
    const auto command = std::find_if(std::begin(commands), std::end(commands),
                                      [&](const command_entry& c) { return c.name == name; });
    if (command == std::end(commands))
        return usage_error("不明なコマンド / unknown command: " + name);
    for (const std::u16string& option : line.options) {
        const std::string given = utf8_of(option);
        if (std::find(command->options.begin(), command->options.end(), given) == command->options.end())
            return usage_error(name + " に --" + given + " はありません / " + name + " takes no --" + given);
    }
    if (args.size() < command->least || args.size() > command->most)
        return usage_error(name + " の引数の数が違います / wrong number of arguments for " + name);

    std::optional<argument> file_argument;
    if (command->reads_list && args.size() == command->most) {
        file_argument = std::move(args.back());
        args.pop_back();
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!args[i].utf8) {
            const std::string named = std::string(command->names[i]) + " (";
            const std::string place = std::to_string(args[i].place);
            return usage_error(named + place + " 番目の引数) が UTF-8 ではありません / " + named +
                               "argument " + place + ") is not valid UTF-8");
        }
    }

    // Texts the list box cannot show are no concern here: only the length counts.
    std::u16string list;
    if (command->reads_list) {
        const list_reading read = read_list(file_argument ? &*file_argument : nullptr, input_fd);
        if (read.status == list_reading::unreadable) {
            const std::string shown = file_argument ? utf8_of(file_argument->text) : "standard input";
            return {cannot_read, std::string(),
                    "tolvin-list: " + shown + ": " + std::strerror(read.error) + '\n'};
        }
        std::optional<std::u16string> limited =
            read.status == list_reading::loaded ? limited_text(read.text) : std::nullopt;
        if (!limited)
            return refused(0);
        list = std::move(*limited);
    }

    const std::u16string made = generate(*command, args, line, list);
    if (made.empty()) {
        // The window makes nothing of a number past what it can count, and says
        // nothing; a script is told why.
        for (std::size_t i = 1; !command->reads_list && i < 3; ++i) {
            if (!args[i].text.empty() && !countable_number(args[i].text)) {
                const std::string named = command->names[i];
                return {list_empty, std::string(),
                        "tolvin-list: " + named + " の数が大きすぎて数えられません (約 1.8e308 まで) / " +
                            named + " is too large to count (the limit is about 1.8e308)\n"};
            }
        }
        return {list_empty, std::string(), std::string()};
    }
    std::optional<std::u16string> limited = limited_text(made);
    if (!limited)
        return refused(command->too_long);
    std::u16string shown = std::move(*limited);
    if (!command->reads_list) // the numbered block without the line break that joins it to the list
        shown.erase(0, crlf.size());
    if (!shown.ends_with(crlf)) // the comment lines end without one
        shown.append(crlf);
    return {list_made, utf8_lines(shown, is_set(line, u"lf")), std::string()};
}

} // namespace tolvin
