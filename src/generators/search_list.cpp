#include "generators/search_list.hpp"

#include "core/list_text.hpp"
#include "generators/url_char.hpp"

#include <array>
#include <vector>

namespace tolvin {

namespace {

constexpr std::size_t npos = std::u16string_view::npos;

constexpr std::u16string_view heading = u"検索文字を使ってリストアップしました";
constexpr std::u16string_view closing = u"=END=";

// The characters that end a token in each mode. Alphanumeric tokens are runs of URL
// characters; Japanese tokens are cut only at backspace, tab, the line-break
// characters, the space and the two quotes.
class separators {
  public:
    explicit separators(std::int32_t search_mode)
        : ascii_(search_mode == 1 ? japanese_ascii : url_ascii), beyond_ascii_(search_mode != 1) {}

    bool operator()(char16_t c) const { return c < 128 ? ascii_[c] : beyond_ascii_; }

  private:
    using table = std::array<bool, 128>;

    static constexpr table url_ascii = [] {
        table t{};
        for (char16_t c = 0; c < 128; ++c) {
            t[c] = !is_url_char(c);
        }
        return t;
    }();

    static constexpr table japanese_ascii = [] {
        table t{};
        for (const char16_t c : std::u16string_view(u"\b\t\n\r \"'")) {
            t[c] = true;
        }
        return t;
    }();

    const table& ascii_;
    bool beyond_ascii_;
};

// Finds the occurrences of a pattern in a text from left to right, overlapping ones
// included. Knuth-Morris-Pratt keeps the whole walk linear in text and pattern, however
// nearly the pattern matches everywhere; while nothing is matched it skips straight to
// the next copy of the pattern's first character.
class occurrence_finder {
  public:
    occurrence_finder(std::u16string_view text, std::u16string_view pattern)
        : text_(text), pattern_(pattern), border_(pattern.size() + 1, 0) {
        // border_[q]: the length of the longest proper prefix of the pattern's first q
        // characters that is also their suffix.
        std::size_t k = 0;
        for (std::size_t q = 1; q < pattern_.size(); ++q) {
            while (k > 0 && pattern_[q] != pattern_[k]) {
                k = border_[k];
            }
            if (pattern_[q] == pattern_[k]) {
                ++k;
            }
            border_[q + 1] = k;
        }
    }

    // The start of the first occurrence at or after `from`, or npos. Successive calls
    // must not go back: each `from` is at least the one before.
    std::size_t next(std::size_t from) {
        const std::size_t m = pattern_.size();
        if (from > pos_) {
            pos_ = from;
            matched_ = 0;
        }
        while (true) {
            if (matched_ == 0) {
                const std::size_t at = text_.find(pattern_[0], pos_);
                if (at == npos) {
                    pos_ = text_.size();
                    return npos;
                }
                pos_ = at + 1;
                matched_ = 1;
            } else {
                if (pos_ == text_.size()) {
                    return npos;
                }
                const char16_t c = text_[pos_++];
                while (matched_ > 0 && pattern_[matched_] != c) {
                    matched_ = border_[matched_];
                }
                if (pattern_[matched_] == c) {
                    ++matched_;
                }
            }
            if (matched_ == m) {
                matched_ = border_[m];
                if (pos_ - m >= from) {
                    return pos_ - m;
                }
            }
        }
    }

  private:
    std::u16string_view text_;
    std::u16string_view pattern_;
    std::vector<std::size_t> border_;
    std::size_t pos_ = 0;     // the next text character to read
    std::size_t matched_ = 0; // pattern characters matched just before pos_
};

} // namespace

search_listing list_up_by_search(std::u16string_view list_text, std::u16string_view search,
                                 std::int32_t search_mode, std::int32_t comment_flag) {
    search_listing result;
    if (search.empty() || list_text.empty()) {
        return result;
    }
    // A line end after the text, so that the last token ends at a separator too. A
    // search string may reach into it.
    std::u16string text;
    text.reserve(list_text.size() + crlf.size());
    text.append(list_text).append(crlf);
    if (search.size() > text.size()) {
        return result;
    }
    const std::u16string_view t = text;
    const std::size_t n = t.size();
    const separators is_separator(search_mode);
    occurrence_finder finder(t, search);

    std::u16string& out = result.text;
    const std::size_t head_size = comment_flag == 1 ? heading.size() + crlf.size() : 0;
    if (comment_flag == 1) {
        out.append(heading).append(crlf);
    }
    for (std::size_t from = 0;;) {
        const std::size_t at = finder.next(from);
        if (at == npos) {
            break;
        }
        // The token runs from after the last separator between `from` and the
        // occurrence to the first separator at or after the occurrence's start. The
        // final LF is never looked at: only when the occurrence is that very LF does the
        // token end where the occurrence does.
        std::size_t start = at;
        while (start > from && !is_separator(t[start - 1])) {
            --start;
        }
        std::size_t end = at;
        while (end < n - 1 && !is_separator(t[end])) {
            ++end;
        }
        if (end == n - 1) {
            end = at + search.size();
        }
        // The search goes on behind the separator that ended the token, so a token
        // holding the string twice is listed once.
        from = end + 1;
        if (end == start) {
            continue;
        }
        ++result.lines;
        out.append(t.substr(start, end - start)).append(crlf);
        if (out.size() - head_size > list_limit) {
            break;
        }
    }
    if (result.lines == 0) {
        out.clear();
    } else if (comment_flag == 1) {
        out.append(closing);
    }
    return result;
}

std::optional<std::size_t> find_next_occurrence(std::u16string_view list_text, std::u16string_view search,
                                                std::size_t sel_start, std::size_t sel_length) {
    if (search.empty() || search.size() > list_text.size()) {
        return std::nullopt;
    }
    // A selection that is the search string itself, such as the one the last find
    // made, is stepped over, so that repeated finds walk on.
    std::size_t start = sel_start;
    if (sel_start <= list_text.size() && list_text.substr(sel_start, sel_length) == search) {
        start = sel_start + search.size();
    }
    if (start <= list_text.size()) {
        occurrence_finder finder(list_text, search);
        if (const std::size_t at = finder.next(start); at != npos) {
            return at;
        }
    }
    occurrence_finder from_top(list_text, search);
    if (const std::size_t at = from_top.next(0); at != npos) {
        return at;
    }
    return std::nullopt;
}

} // namespace tolvin
