#include "core/list_text.hpp"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tolvin {

namespace {

constexpr bool is_break_char(char16_t c) {
    return c == u'\r' || c == u'\n' || c == u'\u2029';
}

// Where the next CR, LF or U+2029 at or after `i` stands, or the text's length. Where
// the processor has SSE2 (every x86-64 one), eight characters are compared at once.
std::size_t next_break(std::u16string_view text, std::size_t i) {
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi16(u'\r');
    const __m128i lf = _mm_set1_epi16(u'\n');
    const __m128i ps = _mm_set1_epi16(static_cast<short>(0x2029));
    for (; i + 8 <= text.size(); i += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const __m128i hits = _mm_or_si128(
            _mm_cmpeq_epi16(chars, cr), _mm_or_si128(_mm_cmpeq_epi16(chars, lf), _mm_cmpeq_epi16(chars, ps)));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        if (mask != 0) {
            return i + static_cast<std::size_t>(__builtin_ctz(mask)) / 2;
        }
    }
#endif
    while (i < text.size() && !is_break_char(text[i])) {
        ++i;
    }
    return i;
}

} // namespace

std::u16string remove_char(std::u16string_view text, std::u16string_view chars) {
    if (chars.empty()) {
        return std::u16string(text);
    }
    const char16_t removed = chars.front();
    std::u16string out;
    out.reserve(text.size());
    for (const char16_t c : text) {
        if (c != removed) {
            out.push_back(c);
        }
    }
    return out;
}

std::u16string remove_spaces(std::u16string_view text) {
    return remove_char(remove_char(text, u" "), u"\u3000");
}

bool is_blank(std::u16string_view text) {
    for (const char16_t c : text) {
        if (c != u' ' && c != u'\u3000') {
            return false;
        }
    }
    return true;
}

std::u16string to_crlf(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size() + text.size() / 8);
    std::size_t i = 0;
    while (i < text.size()) {
        // The run up to the next line break is copied in one piece.
        const std::size_t run = i;
        i = next_break(text, i);
        out.append(text.substr(run, i - run));
        if (i == text.size()) {
            break;
        }
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i; // CR LF stays one line break
        }
        out.append(crlf);
        ++i;
    }
    return out;
}

std::size_t crlf_length(std::u16string_view text) {
    std::size_t length = text.size();
    for (std::size_t i = next_break(text, 0); i < text.size(); i = next_break(text, i + 1)) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i; // CR LF: two characters already
        } else {
            ++length; // a lone CR or LF, or U+2029, becomes CR LF
        }
    }
    return length;
}

bool box_can_keep(std::u16string_view text) {
    // U+FDD0 and U+FDD1 differ in the lowest bit only.
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i low_bit = _mm_set1_epi16(1);
    const __m128i marker = _mm_set1_epi16(static_cast<short>(0xFDD1));
    __m128i hits = _mm_setzero_si128();
    for (; i + 8 <= text.size(); i += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        hits = _mm_or_si128(hits, _mm_cmpeq_epi16(_mm_or_si128(chars, low_bit), marker));
    }
    if (_mm_movemask_epi8(hits) != 0) {
        return false;
    }
#endif
    for (; i < text.size(); ++i) {
        if ((text[i] | 1) == 0xFDD1) {
            return false;
        }
    }
    return true;
}

std::optional<std::u16string> limited_text(std::u16string_view text) {
    std::u16string limited = to_crlf(text);
    if (!fits_list_limit(limited.size())) {
        return std::nullopt;
    }
    return limited;
}

std::optional<std::u16string> stored_text(std::u16string_view text) {
    std::optional<std::u16string> stored = limited_text(text);
    if (stored && !box_can_keep(*stored)) {
        return std::nullopt;
    }
    return stored;
}

box_refusal refusal_for(std::size_t kept, std::u16string_view text) {
    if (!fits_list_limit(kept + crlf_length(text))) {
        return box_refusal::too_long;
    }
    return box_can_keep(text) ? box_refusal::none : box_refusal::marker;
}

std::u16string limit_message_text(std::int32_t mode) {
    const std::u16string_view what = mode == 0 ? u"編集" : u"リストアップ";
    std::u16string text;
    text.append(what);
    text.append(u"可能文字数を超えてしまうため リストを表示できません。");
    text.append(crlf);
    text.append(u"これは、文字数が、結構多いためです。");
    text.append(crlf);
    text.append(u"このソフトで");
    text.append(what);
    text.append(u"できる文字数は、65536文字までです。");
    text.append(crlf);
    text.append(u"残念ながら 未対応です。m(_ _)m");
    text.append(crlf);
    text.append(crlf);
    text.append(u"リストを分割して");
    text.append(what);
    text.append(u"するなど、工夫して編集してみて下さい。");
    return text;
}

} // namespace tolvin
