// A plain step-by-step transcription of the URL range expansion, written for clarity
// rather than speed (it rescans freely and walks p one character at a time).
// The fuzz target compares the real expand_url against it on small inputs.
#pragma once

#include "core/number_text.hpp"
#include "generators/url_char.hpp"
#include "generators/url_range.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolvin::reference {

inline void append_number(std::u16string& out, long long n, long long width) {
    const std::string digits = std::to_string(n < 0 ? -n : n);
    if (n < 0) {
        out += u'-';
    }
    for (long long i = static_cast<long long>(digits.size()); i < width; ++i) {
        out += u'0';
    }
    for (const char c : digits) {
        out += static_cast<char16_t>(c);
    }
}

inline url_expansion expand_url(std::u16string_view t, std::int32_t comment_flag) {
    url_expansion r;
    if (t.empty()) {
        return r;
    }
    const std::size_t len = t.size();
    auto at = [&](std::size_t pos) { return t[pos - 1]; }; // positions count from 1
    std::int32_t blocks = 0;
    std::size_t p = 1;
    while (true) {
        std::size_t open = 0;
        for (std::size_t i = p; i <= len; ++i) {
            if (at(i) == u'[') {
                open = i;
                break;
            }
        }
        if (open == 0) {
            return r;
        }
        std::size_t line_end = len + 1;
        for (std::size_t i = open; i + 1 <= len; ++i) {
            if (at(i) == u'\r' && at(i + 1) == u'\n') {
                line_end = i;
                break;
            }
        }
        std::size_t close = 0;
        for (std::size_t i = open; i <= len; ++i) {
            if (at(i) == u']') {
                close = i;
                break;
            }
        }
        if (close == 0 || close >= line_end) {
            p = p + 1;
            continue;
        }
        std::size_t start = p;
        for (std::size_t i = p; i < open; ++i) {
            if (!is_url_char(at(i))) {
                start = i + 1;
            }
        }
        std::size_t end = close + 1;
        while (end <= len && is_url_char(at(end))) {
            ++end;
        }
        p = end;

        const std::u16string_view head = t.substr(start - 1, open - start);
        const std::u16string_view range = t.substr(open, close - open - 1);
        const std::u16string_view tail = t.substr(close, end - close - 1);
        std::size_t dash = std::u16string_view::npos;
        for (std::size_t i = (!range.empty() && range[0] == u'-') ? 1 : 0; i < range.size(); ++i) {
            if (range[i] == u'-') {
                dash = i;
                break;
            }
        }
        if (dash == std::u16string_view::npos) {
            p = p + 1;
            continue;
        }
        const std::u16string_view first_text = range.substr(0, dash);
        const std::optional<std::int32_t> first = round_to_int32(read_number(first_text, true));
        const std::optional<std::int32_t> last = round_to_int32(read_number(range.substr(dash + 1), true));
        if (!first || !last) {
            p = p + 1;
            continue;
        }
        long long width = 0;
        for (const char16_t c : first_text) {
            width += (c != u' ' && c != u'\u3000') ? 1 : 0;
        }
        if (*first < 0) {
            width -= 1;
        }
        const std::size_t slash = head.rfind(u'/');
        const std::u16string_view dir = slash == std::u16string_view::npos ? head : head.substr(0, slash + 1);
        const std::u16string_view name =
            slash == std::u16string_view::npos ? std::u16string_view{} : head.substr(slash + 1);

        std::u16string extra_line;
        std::u16string_view suffix = tail;
        const std::size_t plus = tail.find(u'+');
        if (plus != std::u16string_view::npos) {
            r.lines += 1;
            extra_line = std::u16string(dir) + std::u16string(tail.substr(plus + 1)) + u"\r\n";
            suffix = tail.substr(0, plus);
        }
        blocks += 1;
        r.text += u"\r\n";
        if (comment_flag == 1) {
            append_number(r.text, blocks, 0);
            r.text += u". ";
            r.text += name;
            r.text += u" 展開しました\r\n";
        }
        r.text += extra_line;
        const long long step = *first <= *last ? 1 : -1;
        for (long long n = *first;; n += step) {
            r.lines += 1;
            r.text += head;
            append_number(r.text, n, width);
            r.text += suffix;
            r.text += u"\r\n";
            if (r.text.size() > 65535) {
                return r;
            }
            if (n == *last) {
                break;
            }
        }
        if (comment_flag == 1) {
            r.text += u"=END=\r\n";
        }
        p = p + 1;
    }
}

} // namespace tolvin::reference
