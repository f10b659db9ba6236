#include "generators/url_range.hpp"

#include "core/list_text.hpp"
#include "core/number_text.hpp"
#include "generators/url_char.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <optional>

namespace tolvin {

namespace {

constexpr std::size_t npos = std::u16string_view::npos;

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

// Reads one to nine digits from text[i] on into value, leaving i after them; false
// when there are none or more than nine.
bool read_digits(std::u16string_view text, std::size_t& i, std::int32_t& value) {
    const auto is_digit = [&text](std::size_t at) {
        return at < text.size() && text[at] >= u'0' && text[at] <= u'9';
    };
    const std::size_t from = i;
    value = 0;
    for (; i - from < 9 && is_digit(i); ++i) {
        value = value * 10 + (text[i] - u'0');
    }
    return i > from && !is_digit(i);
}

// The common range text, two plain numbers of at most nine digits with an optional
// "-" sign each, read in one pass; empty for anything else, which then takes the
// general rule. The result is the same either way.
std::optional<number_range> read_plain_range(std::u16string_view range) {
    std::size_t i = 0;
    const bool first_negative = !range.empty() && range[0] == u'-';
    i += first_negative ? 1 : 0;
    const std::size_t first_start = i;
    std::int32_t first = 0;
    if (!read_digits(range, i, first) || i == range.size() || range[i] != u'-') {
        return std::nullopt;
    }
    const int digits = static_cast<int>(i - first_start);
    ++i;
    const bool last_negative = i < range.size() && range[i] == u'-';
    i += last_negative ? 1 : 0;
    std::int32_t last = 0;
    if (!read_digits(range, i, last) || i != range.size()) {
        return std::nullopt;
    }
    // "-0" reads 0, which is not negative, so its "-" counts towards the width.
    return number_range{first_negative ? -first : first, last_negative ? -last : last,
                        first_negative && first == 0 ? digits + 1 : digits};
}

// Reads "first-last" out of the text between the brackets; empty when the text holds
// no dash or a number lies outside the 32-bit range.
std::optional<number_range> read_range(std::u16string_view range) {
    if (const auto plain = read_plain_range(range)) {
        return plain;
    }
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
    const std::size_t width = static_cast<std::size_t>(std::count_if(
        first_text.begin(), first_text.end(), [](char16_t c) { return c != u' ' && c != u'\u3000'; }));
    // A negative first number's "-" is there, so the width is at least 1. Only a
    // range text of gigabytes could reach the int bound.
    const std::size_t digits =
        std::min<std::size_t>(width - (*first < 0 ? 1 : 0), std::numeric_limits<int>::max());
    return number_range{*first, *last, static_cast<int>(digits)};
}

constexpr std::uint64_t magnitude_of(std::int64_t n) {
    return static_cast<std::uint64_t>(n < 0 ? -n : n);
}

// The number of decimal digits of a magnitude.
std::size_t digit_count(std::uint64_t magnitude) {
    std::size_t digits = 1;
    for (; magnitude >= 10; magnitude /= 10) {
        ++digits;
    }
    return digits;
}

// The length of append_padded_number(n, width) for a 32-bit n.
std::size_t padded_length(std::int64_t n, int width) {
    return (n < 0 ? 1 : 0) +
           std::max(digit_count(magnitude_of(n)), static_cast<std::size_t>(std::max(width, 0)));
}

// Writes the last `count` decimal digits of a magnitude (zeros where it has fewer)
// so that they end just before `end`, two digits at a time. Every magnitude here
// is one of a 32-bit number, and 32-bit division by a constant is the cheaper.
void write_low_digits(char16_t* end, std::uint32_t magnitude, std::size_t count) {
    static constexpr auto pairs = [] {
        std::array<char16_t, 200> table{};
        for (int i = 0; i < 100; ++i) {
            table[2 * i] = static_cast<char16_t>(u'0' + i / 10);
            table[2 * i + 1] = static_cast<char16_t>(u'0' + i % 10);
        }
        return table;
    }();
    for (; count >= 2; count -= 2) {
        const std::size_t pair = static_cast<std::size_t>(magnitude % 100) * 2;
        magnitude /= 100;
        *--end = pairs[pair + 1];
        *--end = pairs[pair];
    }
    if (count == 1) {
        *--end = static_cast<char16_t>(u'0' + magnitude % 10);
    }
}

// Writes n as append_padded_number does, over exactly `length` characters (its
// padded length).
void write_padded_number(char16_t* slot, std::size_t length, std::int64_t n) {
    const std::size_t sign = n < 0 ? 1 : 0;
    write_low_digits(slot + length, static_cast<std::uint32_t>(magnitude_of(n)), length - sign);
    if (sign != 0) {
        slot[0] = u'-';
    }
}

// The numbers around n that print at n's padded length: those with n's sign and
// as many digits, or all that fit the width when n's digits do.
struct length_run {
    std::int64_t low;
    std::int64_t high;
};

length_run same_length_run(std::int64_t n, int width) {
    // Past 10^18 the bounds lie beyond every 32-bit number anyway.
    constexpr std::size_t max_digits = 18;
    std::size_t digits = digit_count(magnitude_of(n));
    const bool padded = digits <= static_cast<std::size_t>(std::max(width, 0));
    if (padded) {
        digits = std::min(static_cast<std::size_t>(width), max_digits);
    }
    std::int64_t highest = 9; // the largest magnitude with that many digits
    for (std::size_t d = 1; d < digits; ++d) {
        highest = highest * 10 + 9;
    }
    // The smallest magnitude with that many digits, 0 for a single digit or padding.
    const std::int64_t lowest = padded || digits == 1 ? 0 : highest / 10 + 1;
    if (n < 0) {
        return {-highest, lowest == 0 ? -1 : -lowest};
    }
    return {lowest, highest};
}

// Makes room for `needed` characters. The first call reserves the whole list limit
// at once, so every result that can be shown is built in one allocation; only text
// past that grows it again (geometrically).
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

        const std::int64_t first = range->first;
        const std::int64_t last = range->last;
        // The first block's reservation holds every result that can be shown.
        make_room(out, out.size() + crlf.size());

        if (plus != npos) {
            ++result.lines;
        }
        ++blocks;
        out.push_back(u'\r'); // room was made above: no call out for these two
        out.push_back(u'\n');
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
        // The lines of a block differ only in their number. A run of numbers of one
        // printed length is written at once: its first line built and copied over the
        // whole run, then each line's low digits written from its own number.
        const int width = range->width;
        const std::size_t fixed_length = head.size() + suffix.size() + crlf.size();
        const std::int64_t step = first <= last ? 1 : -1;
        for (std::int64_t n = first;;) {
            const std::size_t number_length = padded_length(n, width);
            const length_run run = same_length_run(n, width);
            const std::int64_t run_end = step > 0 ? std::min(run.high, last) : std::max(run.low, last);
            const std::size_t line_length = fixed_length + number_length;
            const std::size_t run_start = out.size();
            // The line that passes the limit is the last one written (the block's
            // heading lines may have passed it already).
            const std::size_t lines_to_cut =
                run_start > list_limit ? 1 : (list_limit - run_start) / line_length + 1;
            const std::size_t lines = static_cast<std::size_t>(
                std::min<std::uint64_t>(static_cast<std::uint64_t>((run_end - n) * step) + 1, lines_to_cut));

            make_room(out, run_start + lines * line_length);
            out.resize(run_start + lines * line_length);
            char16_t* const first_line = out.data() + run_start;
            char16_t* line = std::copy(head.begin(), head.end(), first_line);
            write_padded_number(line, number_length, n);
            line = std::copy(suffix.begin(), suffix.end(), line + number_length);
            std::copy(crlf.begin(), crlf.end(), line);
            for (std::size_t copied = 1; copied < lines;) {
                const std::size_t count = std::min(copied, lines - copied);
                std::memcpy(first_line + copied * line_length, first_line,
                            count * line_length * sizeof(char16_t));
                copied += count;
            }
            // Every copy holds the first line's number; only its low digits differ from
            // line to line: as many as the run's largest magnitude has. Each line's are
            // written from its own number, so no line waits for the one before.
            const std::int64_t run_last = n + static_cast<std::int64_t>(lines - 1) * step;
            const std::size_t low_digits =
                std::min(number_length - (n < 0 ? 1 : 0),
                         digit_count(std::max(magnitude_of(n), magnitude_of(run_last))));
            char16_t* number_end = first_line + head.size() + number_length;
            for (std::size_t i = 1; i < lines; ++i) {
                number_end += line_length;
                write_low_digits(
                    number_end,
                    static_cast<std::uint32_t>(magnitude_of(n + static_cast<std::int64_t>(i) * step)),
                    low_digits);
            }
            result.lines += static_cast<std::int32_t>(lines);
            n += static_cast<std::int64_t>(lines - 1) * step;

            if (out.size() > list_limit) {
                return result;
            }
            if (n == last) {
                break;
            }
            n += step;
        }
        if (comment_flag == 1) {
            out.append(u"=END=");
            out.append(crlf);
        }
    }
}

} // namespace tolvin
