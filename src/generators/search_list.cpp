#include "generators/search_list.hpp"

#include "core/list_text.hpp"
#include "generators/url_char.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
        : japanese_(search_mode == 1), ascii_(japanese_ ? japanese_ascii : url_ascii) {}

    bool operator()(char16_t c) const { return c < 128 ? ascii_[c] : !japanese_; }

    // Where the token around a position begins: after the last separator in
    // [from, to), or at `from` when there is none.
    std::size_t last_after(const char16_t* p, std::size_t from, std::size_t to) const {
#if defined(__SSE2__)
        for (; to >= from + 8; to -= 8) {
            if (const unsigned hits = mask8(p + to - 8); hits != 0) {
                // Two mask bits a character: the highest set bit is the last separator's.
                return to - 8 + static_cast<std::size_t>(std::bit_width(hits) - 1) / 2 + 1;
            }
        }
#endif
        for (; to > from && !(*this)(p[to - 1]); --to) {
        }
        return to;
    }

    // The first separator in [from, to), or `to` when there is none.
    std::size_t first_in(const char16_t* p, std::size_t from, std::size_t to) const {
#if defined(__SSE2__)
        for (; from + 8 <= to; from += 8) {
            if (const unsigned hits = mask8(p + from); hits != 0) {
                return from + static_cast<std::size_t>(std::countr_zero(hits)) / 2;
            }
        }
#endif
        for (; from < to && !(*this)(p[from]); ++from) {
        }
        return from;
    }

  private:
#if defined(__SSE2__)
    // The separators among the eight characters from p, as a byte mask: two bits a
    // character, set for a separator.
    unsigned mask8(const char16_t* p) const {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const auto is = [chars](char16_t c) {
            return _mm_cmpeq_epi16(chars, _mm_set1_epi16(static_cast<short>(c)));
        };
        __m128i hits = _mm_or_si128(is(u' '), _mm_or_si128(is(u'"'), is(u'\'')));
        if (japanese_) {
            hits = _mm_or_si128(
                hits, _mm_or_si128(_mm_or_si128(is(u'\b'), is(u'\t')), _mm_or_si128(is(u'\n'), is(u'\r'))));
        } else {
            // Below "!" or above "~": the sign bit flipped, so that signed comparisons order
            // the characters as unsigned numbers.
            const __m128i flip = _mm_set1_epi16(static_cast<short>(0x8000));
            const __m128i flipped = _mm_xor_si128(chars, flip);
            hits = _mm_or_si128(hits, _mm_cmplt_epi16(flipped, _mm_xor_si128(_mm_set1_epi16(u'!'), flip)));
            hits = _mm_or_si128(hits, _mm_cmpgt_epi16(flipped, _mm_xor_si128(_mm_set1_epi16(u'~'), flip)));
        }
        return static_cast<unsigned>(_mm_movemask_epi8(hits));
    }
#endif

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

    bool japanese_;
    const table& ascii_;
};

// The first position at or after `from` that holds `c`, or npos. Where the processor
// has SSE2 (every x86-64 one), eight characters are compared at once.
std::size_t find_char(std::u16string_view text, char16_t c, std::size_t from) {
    const char16_t* const p = text.data();
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i needle = _mm_set1_epi16(static_cast<short>(c));
    for (; i + 8 <= text.size(); i += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const unsigned hits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(chars, needle)));
        if (hits != 0) {
            return i + static_cast<std::size_t>(std::countr_zero(hits)) / 2;
        }
    }
#endif
    for (; i < text.size(); ++i) {
        if (p[i] == c) {
            return i;
        }
    }
    return npos;
}

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
                const std::size_t at = find_char(text_, pattern_[0], pos_);
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
        // added line end separates like any other: a search for a lone LF that finds
        // it lists no token made of that line end.
        const std::size_t start = is_separator.last_after(t.data(), from, at);
        const std::size_t end = is_separator.first_in(t.data(), at, n);
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
    // From the top, only occurrences that start before `start` are left to find.
    occurrence_finder from_top(list_text.substr(0, std::min(list_text.size(), start + search.size() - 1)),
                               search);
    if (const std::size_t at = from_top.next(0); at != npos) {
        return at;
    }
    return std::nullopt;
}

} // namespace tolvin
