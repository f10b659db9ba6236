#include "generators/url_range.hpp"

#include "core/list_text.hpp"
#include "core/number_text.hpp"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace tolvin {

namespace {

constexpr std::size_t npos = std::u16string_view::npos;

// Printable ASCII except the space, the double quote and the apostrophe; every other
// character separates tokens.
constexpr bool is_url_char(char16_t c) {
    return c == 33 || (c >= 35 && c <= 38) || (c >= 40 && c <= 126);
}

// What the search for a template's head needs to know of a character.
enum class char_kind : unsigned char { url, separator, slash, open };

constexpr auto ascii_kinds = [] {
    std::array<char_kind, 128> kinds{};
    for (char16_t c = 0; c < 128; ++c) {
        kinds[c] = c == u'['        ? char_kind::open
                   : c == u'/'      ? char_kind::slash
                   : is_url_char(c) ? char_kind::url
                                    : char_kind::separator;
    }
    return kinds;
}();

constexpr char_kind kind_of(char16_t c) {
    return c < 128 ? ascii_kinds[c] : char_kind::separator;
}

struct number_range {
    std::int32_t first = 0;
    std::int32_t last = 0;
    int width = 0;
};

// Reads "first-last" out of the text between the brackets; empty when the text holds
// no dash or a number lies outside the 32-bit range.
std::optional<number_range> read_range(std::u16string_view range) {
    // A leading "-" is the sign of the first number, not the dash.
    const std::size_t dash = range.find(u'-', !range.empty() && range.front() == u'-' ? 1 : 0);
    if (dash == npos) {
        return std::nullopt;
    }
    const std::u16string_view first_text = range.substr(0, dash);
    const std::u16string_view last_text = range.substr(dash + 1);
    const auto first = round_to_int32(read_number(first_text, true));
    const auto last = round_to_int32(read_number(last_text, true));
    if (!first || !last) {
        return std::nullopt;
    }
    // Only the first number sets the width: its characters other than blanks,
    // less the sign of a negative number.
    std::size_t width = 0;
    for (const char16_t c : first_text) {
        if (c != u' ' && c != u'\u3000') {
            ++width;
        }
    }
    if (*first < 0) {
        --width; // the "-" is there, so the width was at least 1
    }
    // Only a range text of gigabytes could reach this bound.
    width = std::min<std::size_t>(width, std::numeric_limits<int>::max());
    return number_range{*first, *last, static_cast<int>(width)};
}

// The length of append_padded_number(n, width) for a 32-bit n.
std::size_t padded_length(std::int64_t n, int width) {
    std::uint64_t magnitude = static_cast<std::uint64_t>(n < 0 ? -n : n);
    std::size_t digits = 1;
    while (magnitude >= 10) {
        magnitude /= 10;
        ++digits;
    }
    return (n < 0 ? 1 : 0) + std::max(digits, static_cast<std::size_t>(std::max(width, 0)));
}

// Writes n as append_padded_number does, over exactly `length` characters (its
// padded length): digits from the right, then zeros, then the sign.
void write_padded_number(char16_t* slot, std::size_t length, std::int64_t n) {
    std::uint64_t magnitude = static_cast<std::uint64_t>(n < 0 ? -n : n);
    std::size_t i = length;
    do {
        slot[--i] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const std::size_t sign = n < 0 ? 1 : 0;
    while (i > sign) {
        slot[--i] = u'0';
    }
    if (sign != 0) {
        slot[0] = u'-';
    }
}

// Makes room for `needed` characters. The first block reserves the whole list limit
// at once, so every result that can be shown is built in one allocation; only a
// block whose lines are wider than that grows the text again (geometrically).
void make_room(std::u16string& out, std::size_t needed) {
    if (needed > out.capacity()) {
        out.reserve(std::max({needed, out.capacity() * 2, list_limit + 256}));
    }
}

} // namespace

url_expansion expand_url(std::u16string_view text, std::int32_t comment_flag) {
    url_expansion result;
    std::u16string& out = result.text;
    const std::size_t size = text.size();
    std::int32_t blocks = 0;
    std::size_t p = 0; // where the search for the next "[" starts

    while (true) {
        // The next "[", with the start of its token (after the last separator before
        // it, but not before p) and the last "/" of the head.
        std::size_t start = p;
        std::size_t slash = npos;
        std::size_t open = p;
        for (; open < size; ++open) {
            const char_kind kind = kind_of(text[open]);
            if (kind == char_kind::url) {
                continue;
            }
            if (kind == char_kind::open) {
                break;
            }
            if (kind == char_kind::slash) {
                slash = open;
            } else {
                start = open + 1;
                slash = npos;
            }
        }
        if (open >= size) {
            return result;
        }

        // The first "]" after it, unless a line end comes first.
        std::size_t close = open + 1;
        for (; close < size; ++close) {
            const char16_t c = text[close];
            if (c == u']' || (c == u'\r' && close + 1 < size && text[close + 1] == u'\n')) {
                break;
            }
        }
        if (close == size) {
            return result; // no "]" follows at all, so no later "[" starts a template either
        }
        if (text[close] != u']') {
            // No "]" on this line: neither this "[" nor any later "[" of the line
            // starts a template. The search goes on from the line end.
            p = close;
            continue;
        }

        // The tail runs from the "]" to the next separator; the search goes on after it.
        std::size_t end = close + 1;
        std::size_t plus = npos;
        for (; end < size && is_url_char(text[end]); ++end) {
            if (text[end] == u'+' && plus == npos) {
                plus = end;
            }
        }
        p = end + 1;

        const auto range = read_range(text.substr(open + 1, close - open - 1));
        if (!range) {
            continue;
        }

        const std::u16string_view head = text.substr(start, open - start);
        const std::u16string_view directory = slash == npos ? head : text.substr(start, slash + 1 - start);
        const std::u16string_view name =
            slash == npos ? std::u16string_view{} : text.substr(slash + 1, open - slash - 1);
        const std::size_t suffix_end = plus == npos ? end : plus;
        const std::u16string_view suffix = text.substr(close + 1, suffix_end - close - 1);
        const std::u16string_view extra =
            plus == npos ? std::u16string_view{} : text.substr(plus + 1, end - plus - 1);

        // Room for the whole block, or for as much of it as comes before the cut.
        const std::int64_t first = range->first;
        const std::int64_t last = range->last;
        const std::uint64_t count =
            static_cast<std::uint64_t>(first <= last ? last - first : first - last) + 1;
        // A number takes the width, or at most a sign and ten digits.
        const std::size_t widest_number = std::max<std::size_t>(static_cast<std::size_t>(range->width), 11);
        const std::size_t widest_line = head.size() + widest_number + suffix.size() + 2;
        const std::size_t heading_length = comment_flag == 1 ? 20 + name.size() : 0;
        const std::size_t extra_length = plus == npos ? 0 : directory.size() + extra.size() + 2;
        const std::size_t lines_before_cut = list_limit / widest_line + 2;
        const std::size_t numbered_length =
            static_cast<std::size_t>(std::min<std::uint64_t>(count, lines_before_cut)) * widest_line;
        make_room(out, out.size() + 2 + heading_length + extra_length + numbered_length + 7);

        if (plus != npos) {
            ++result.lines;
        }
        ++blocks;
        out.append(crlf);
        if (comment_flag == 1) {
            append_padded_number(out, blocks, 0);
            out.append(u". ");
            out.append(name);
            out.append(u" 展開しました");
            out.append(crlf);
        }
        if (plus != npos) {
            out.append(directory);
            out.append(extra);
            out.append(crlf);
        }
        // The lines of a block differ only in their number: while the number keeps its
        // length, a line is the previous one copied, with the digits rewritten in place.
        const int width = range->width;
        const std::size_t fixed_length = head.size() + suffix.size() + crlf.size();
        std::size_t previous_start = 0;
        std::size_t previous_number_length = 0;
        const std::int64_t step = first <= last ? 1 : -1;
        for (std::int64_t n = first;; n += step) {
            ++result.lines;
            const std::size_t number_length = padded_length(n, width);
            const std::size_t line_start = out.size();
            const std::size_t line_length = fixed_length + number_length;
            if (number_length == previous_number_length) {
                make_room(out, line_start + line_length); // the copy's source stays in place
                out.append(out.data() + previous_start, line_length);
            } else {
                out.resize(line_start + line_length);
                char16_t* line = out.data() + line_start;
                std::copy(head.begin(), head.end(), line);
                line += head.size() + number_length;
                line = std::copy(suffix.begin(), suffix.end(), line);
                std::copy(crlf.begin(), crlf.end(), line);
                previous_number_length = number_length;
            }
            write_padded_number(out.data() + line_start + head.size(), number_length, n);
            previous_start = line_start;
            if (out.size() > list_limit) {
                return result;
            }
            if (n == last) {
                break;
            }
        }
        if (comment_flag == 1) {
            out.append(u"=END=");
            out.append(crlf);
        }
    }
}

} // namespace tolvin
