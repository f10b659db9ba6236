// A plain step-by-step transcription of search list-up and find, written for clarity
// rather than speed: positions count from 1 and every search is a naive one.
// The fuzz target compares the real routines against it on small inputs.
#pragma once

#include "generators/search_list.hpp"
#include "generators/url_char.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolvin::reference {

// The first position at or after `start` where `search` occurs in `t`, or 0.
inline std::size_t in_str(std::size_t start, std::u16string_view t, std::u16string_view search) {
    for (std::size_t b = start; b >= 1 && b + search.size() <= t.size() + 1; ++b) {
        if (t.substr(b - 1, search.size()) == search) {
            return b;
        }
    }
    return 0;
}

inline bool is_separator(char16_t c, std::int32_t search_mode) {
    if (search_mode != 1) {
        return !is_url_char(c);
    }
    return c == 8 || c == 9 || c == 10 || c == 13 || c == 32 || c == 34 || c == 39;
}

inline search_listing list_up_by_search(std::u16string_view text, std::u16string_view search,
                                        std::int32_t search_mode, std::int32_t comment_flag) {
    search_listing r;
    if (search.empty() || text.empty()) {
        return r;
    }
    const std::u16string t = std::u16string(text) + u"\r\n";
    const std::size_t n = t.size();
    auto at = [&](std::size_t pos) { return t[pos - 1]; };
    std::size_t a = 1;
    while (true) {
        const std::size_t b = in_str(a, t, search);
        if (b == 0) {
            break;
        }
        std::size_t s = a;
        std::size_t e = b + search.size();
        for (std::size_t k = a; k <= n; ++k) {
            if (is_separator(at(k), search_mode)) {
                if (k < b) {
                    s = k + 1;
                } else {
                    e = k;
                    break;
                }
            }
        }
        const std::u16string token = t.substr(s - 1, e - s);
        a = e + 1;
        if (token.empty()) {
            continue;
        }
        r.lines += 1;
        r.text += token + u"\r\n";
        if (r.text.size() > 65535) {
            break;
        }
    }
    if (!r.text.empty() && comment_flag == 1) {
        r.text = u"検索文字を使ってリストアップしました\r\n" + r.text + u"=END=";
    }
    return r;
}

// Find's next selection start, counted from 0, or none.
inline std::optional<std::size_t> find_next_occurrence(std::u16string_view text, std::u16string_view search,
                                                       std::size_t sel_start, std::size_t sel_length) {
    if (search.empty()) {
        return std::nullopt;
    }
    const std::u16string_view selected =
        sel_start <= text.size() ? text.substr(sel_start, sel_length) : std::u16string_view{};
    const std::size_t start = selected == search ? sel_start + search.size() + 1 : sel_start + 1;
    std::size_t b = in_str(start, text, search);
    if (b == 0) {
        b = in_str(1, text, search);
    }
    if (b == 0) {
        return std::nullopt;
    }
    return b - 1;
}

} // namespace tolvin::reference
