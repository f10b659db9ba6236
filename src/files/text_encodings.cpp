#include "files/text_encodings.hpp"

#include "files/icu_library.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

namespace tolvin {

namespace {

constexpr char16_t replacement = 0xFFFD;

// Eight bytes from anywhere, without alignment.
std::uint64_t load8(const void* at) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    return word;
}

bool is_continuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Compares encoding names as Qt does: letters in any case, '-' and '_' left aside.
bool same_name(std::string_view a, std::string_view b) {
    const auto letters = [](std::string_view name) {
        std::string kept;
        for (const char c : name) {
            if (c != '-' && c != '_')
                kept.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
        }
        return kept;
    };
    return letters(a) == letters(b);
}

// A name of UTF-8, UTF-16 or UTF-32 as Qt spells them.
bool is_unicode_name(std::string_view name) {
    for (const char* unicode :
         {"UTF-8", "UTF-16", "UTF-16LE", "UTF-16BE", "UTF-32", "UTF-32LE", "UTF-32BE"}) {
        if (same_name(name, unicode))
            return true;
    }
    return false;
}

// A standard name (MIME or IANA) of a Unicode encoding, in whichever form.
bool is_unicode_standard_name(std::string_view name) {
    std::string kept;
    for (const char c : name) {
        if (c != '-')
            kept.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
    }
    return kept == "UTF8" || kept.starts_with("UTF16") || kept.starts_with("UTF32");
}

std::string_view trimmed(std::string_view text) {
    const auto is_space = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    };
    while (!text.empty() && is_space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_space(text.back()))
        text.remove_suffix(1);
    return text;
}

using converter_ptr = std::unique_ptr<UConverter, void (*)(UConverter*)>;

// ICU's converter for the name, or null when none takes it (a fallback or default
// converter offered instead counts as none).
converter_ptr open_converter(const icu_functions& f, const char* name) {
    UErrorCode status = U_ZERO_ERROR;
    converter_ptr converter(f.open(name, &status), f.close);
    if (status != U_ZERO_ERROR && status != U_AMBIGUOUS_ALIAS_WARNING)
        converter.reset();
    return converter;
}

// The bytes through the converter, faults shown as its substitute; the bytes of a
// character cut off at the end stay in it, unread.
void convert(const icu_functions& f, UConverter* converter, std::string_view bytes, std::u16string& text) {
    // No encoding read here makes more than two UTF-16 code units of a byte.
    text.assign(2 * bytes.size() + 2, u'\0');
    auto* target = reinterpret_cast<UChar*>(text.data());
    const char* source = bytes.data();
    UErrorCode status = U_ZERO_ERROR;
    f.to_unicode(converter, &target, target + text.size(), &source, bytes.data() + bytes.size(), nullptr,
                 false, &status);
    text.resize(static_cast<std::size_t>(target - reinterpret_cast<UChar*>(text.data())));
}

} // namespace

decoded_text decode_utf8(std::string_view bytes) {
    decoded_text out;
    // No byte makes more than one UTF-16 code unit, a four-byte sequence two.
    out.text.resize(bytes.size());
    char16_t* to = out.text.data();
    const auto* src = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = src + bytes.size();
    const auto fault = [&] {
        *to++ = replacement;
        out.valid = false;
    };
    while (src < end) {
        // Runs of ASCII, the bulk of a list, eight bytes at a time.
        while (end - src >= 8 && (load8(src) & 0x8080808080808080) == 0)
            to = std::copy(src, src + 8, to), src += 8;
        if (src == end)
            break;
        const unsigned char b = *src++;
        if (b < 0x80) {
            *to++ = b;
            continue;
        }
        std::size_t needed = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (b >= 0xC2 && b < 0xE0) {
            needed = 1, c = b & 0x1F, least = 0x80;
        } else if (b >= 0xE0 && b < 0xF0) {
            needed = 2, c = b & 0x0F, least = 0x800;
        } else if (b >= 0xF0 && b < 0xF5) {
            needed = 3, c = b & 0x07, least = 0x10000;
        } else {
            fault();
            continue;
        }
        const std::size_t available = static_cast<std::size_t>(end - src);
        if (available < needed) {
            // Cut off at the end, unless a byte that is there already breaks it.
            if (std::all_of(src, end, is_continuation)) {
                to = std::fill_n(to, 1 + available, replacement);
                out.cut_at_end = out.valid;
                out.valid = false;
                break;
            }
            fault();
            continue;
        }
        bool fits = true;
        for (std::size_t i = 0; i < needed && fits; ++i) {
            fits = is_continuation(src[i]);
            c = (c << 6) | (src[i] & 0x3F);
        }
        if (!fits || c < least || (c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) {
            fault();
            continue;
        }
        src += needed;
        if (c < 0x10000) {
            *to++ = static_cast<char16_t>(c);
        } else {
            *to++ = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            *to++ = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        }
    }
    out.text.resize(static_cast<std::size_t>(to - out.text.data()));
    return out;
}

std::u16string decode_utf16(std::string_view bytes, bool big_endian) {
    std::u16string text;
    text.reserve(bytes.size() / 2 + 1);
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t c = big_endian ? static_cast<char16_t>(b[i] << 8 | b[i + 1])
                                      : static_cast<char16_t>(b[i + 1] << 8 | b[i]);
        if (i == 0 && c == 0xFEFF)
            continue;
        text.push_back(c);
    }
    if (bytes.size() % 2 != 0 && bytes.size() > 1)
        text.push_back(replacement);
    return text;
}

std::string utf8_of(std::u16string_view text) {
    // No UTF-16 code unit makes more than three bytes, a surrogate pair four.
    std::string bytes(3 * text.size(), '\0');
    char* to = bytes.data();
    const auto put = [&](char32_t byte) { *to++ = static_cast<char>(byte); };
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Runs of ASCII, the bulk of a list, four code units at a time.
        while (text.size() - i >= 4 && (load8(text.data() + i) & 0xFF80FF80FF80FF80) == 0)
            to = std::copy(text.data() + i, text.data() + i + 4, to), i += 4;
        if (i == text.size())
            break;
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = u'?';
        if (c < 0x80) {
            put(c);
        } else if (c < 0x800) {
            put(0xC0 | c >> 6);
            put(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            put(0xE0 | c >> 12);
            put(0x80 | (c >> 6 & 0x3F));
            put(0x80 | (c & 0x3F));
        } else {
            put(0xF0 | c >> 18);
            put(0x80 | (c >> 12 & 0x3F));
            put(0x80 | (c >> 6 & 0x3F));
            put(0x80 | (c & 0x3F));
        }
    }
    bytes.resize(static_cast<std::size_t>(to - bytes.data()));
    return bytes;
}

std::string html_declared_charset(std::string_view bytes) {
    std::string header(bytes.substr(0, 1024));
    std::transform(header.begin(), header.end(), header.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    const std::size_t meta = header.find("meta ");
    if (meta == std::string::npos)
        return {};
    std::size_t at = header.find("charset=", meta);
    if (at == std::string::npos)
        return {};
    at += 8;
    if (at < header.size() && (header[at] == '"' || header[at] == '\''))
        ++at;
    // The value ends at the first quote, '>' or '/' after its first character; a value
    // that is empty once trimmed lets the search go on to the next end.
    for (std::size_t end = at + 1; end < header.size(); ++end) {
        const char c = header[end];
        if (c != '"' && c != '\'' && c != '>' && c != '/')
            continue;
        std::string_view name = std::string_view(header).substr(at, end - at);
        if (const std::size_t colon = name.find(':'); colon != std::string_view::npos && colon > 0)
            name = name.substr(0, colon);
        name = trimmed(name);
        if (name == "unicode")
            return "utf-8";
        if (!name.empty())
            return std::string(name);
    }
    return {};
}

bool decode_with_icu(std::string_view bytes, const char* encoding, icu_library& icu, std::u16string& text) {
    const icu_functions* f = icu.functions();
    if (!f)
        return false;
    const converter_ptr converter = open_converter(*f, encoding);
    if (!converter)
        return false;
    convert(*f, converter.get(), bytes, text);
    return true;
}

bool decode_as_html_declares(std::string_view bytes, icu_library& icu, std::u16string& text) {
    const std::string name = html_declared_charset(bytes);
    if (name.empty() || is_unicode_name(name))
        return false;
    if (same_name(name, "ISO-8859-1") || same_name(name, "latin1")) {
        text.resize(bytes.size());
        std::transform(bytes.begin(), bytes.end(), text.begin(),
                       [](char b) { return static_cast<char16_t>(static_cast<unsigned char>(b)); });
        return true;
    }
    // ICU's own name for it, as the standards spell it.
    const icu_functions* f = icu.functions();
    if (!f)
        return false;
    const converter_ptr converter = open_converter(*f, name.c_str());
    if (!converter)
        return false;
    UErrorCode status = U_ZERO_ERROR;
    const char* icu_name = f->name(converter.get(), &status);
    const char* standard = f->standard_name(icu_name, "MIME", &status);
    if (U_FAILURE(status) || !standard) {
        status = U_ZERO_ERROR;
        standard = f->standard_name(icu_name, "IANA", &status);
    }
    if (standard && is_unicode_standard_name(standard))
        return false;
    convert(*f, converter.get(), bytes, text);
    return true;
}

} // namespace tolvin
