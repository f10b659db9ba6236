// The list text: UTF-16 lines separated by CR LF, and the one capacity rule
// that every text box of the program obeys.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolvin {

// A text box takes at most this many characters (CR LF counts two).
inline constexpr std::size_t list_limit = 65535;

// The line break of every list text.
inline constexpr std::u16string_view crlf = u"\r\n";

// True when a text of this length may be stored into a text box.
constexpr bool fits_list_limit(std::size_t length) {
    return length <= list_limit;
}

// The text with every occurrence of the first character of `chars` removed.
// An empty `chars` removes nothing.
std::u16string remove_char(std::u16string_view text, std::u16string_view chars);

// The text with every half-width (U+0020) and full-width (U+3000) space removed.
std::u16string remove_spaces(std::u16string_view text);

// True when remove_spaces would leave nothing: the text is empty or made of half-width
// and full-width spaces only.
bool is_blank(std::u16string_view text);

// Brings every CR LF, lone CR, lone LF and paragraph separator (U+2029) to CR LF,
// so that the text can enter a text box and read back exactly as given.
std::u16string to_crlf(std::u16string_view text);

// The length of to_crlf(text), without building it.
std::size_t crlf_length(std::u16string_view text);

// False when the text holds U+FDD0 or U+FDD1: the list widget takes these for its
// own markers and turns them into line breaks, so no text box keeps such a text.
bool box_can_keep(std::u16string_view text);

// The text with its line breaks brought to CR LF, or empty when that is past the list
// limit. The command line takes its lists and results so.
std::optional<std::u16string> limited_text(std::u16string_view text);

// What a guarded store puts into a text box: limited_text, and empty too when the box
// cannot keep it (above); the windows then refuse the text with a message.
std::optional<std::u16string> stored_text(std::u16string_view text);

// Why a text box refuses a text.
enum class box_refusal { none, too_long, marker };

// What a text box says to `text` coming in while `kept` characters of what it holds
// stay (0 when the text replaces everything): too_long when the box would pass the
// list limit, the text counted with its line breaks brought to CR LF; marker when the
// text holds a character the box cannot keep (box_can_keep); else none. The limit is
// looked at first.
box_refusal refusal_for(std::size_t kept, std::u16string_view text);

// The message for a text refused for U+FDD0 or U+FDD1, whatever its length.
inline constexpr std::u16string_view marker_message_title = u"この文字は、リストに入れられません！";
inline constexpr std::u16string_view marker_message_text =
    u"リストの欄では使えない特殊な文字 (U+FDD0 または U+FDD1) が含まれているため、\r\n"
    u"この操作はできません。\r\n"
    u"\r\n"
    u"その文字を取り除いてから、もう一度操作してみて下さい。";

// The capacity message: title and six-line text. Mode 0 speaks of "編集",
// any other mode of "リストアップ".
inline constexpr std::u16string_view limit_message_title = u"この操作は、表示できません！";
std::u16string limit_message_text(std::int32_t mode);

} // namespace tolvin
