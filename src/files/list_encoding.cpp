#include "files/list_encoding.hpp"

#include "files/icu_library.hpp"

#include <unicode/utf16.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tolvin {

namespace {

constexpr const char* windows_31j = "windows-31j";
constexpr const char* euc_jp = "EUC-JP";
constexpr const char* iso_2022_jp = "ISO-2022-JP-2"; // also takes JIS X 0212 and half-width katakana
constexpr const char* utf16le = "UTF-16LE";
constexpr const char* utf16be = "UTF-16BE";

// The text the bytes make in an encoding, or nothing when a byte sequence stands for no
// character there.
std::optional<std::u16string> strict_reading(std::string_view bytes, const char* encoding,
                                             const icu_functions& icu) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UConverter, void (*)(UConverter*)> converter(icu.open(encoding, &status),
                                                                       icu.close);
    if (U_FAILURE(status))
        return std::nullopt;
    icu.set_to_unicode_callback(converter.get(), icu.stop_callback, nullptr, nullptr, nullptr, &status);
    // None of these encodings makes more than one UTF-16 code unit of a byte.
    std::u16string text(bytes.size() + 1, u'\0');
    const std::int32_t length = icu.to_uchars(converter.get(), reinterpret_cast<UChar*>(text.data()),
                                              static_cast<std::int32_t>(text.size()), bytes.data(),
                                              static_cast<std::int32_t>(bytes.size()), &status);
    if (U_FAILURE(status))
        return std::nullopt;
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// No control character but tab, line feed, form feed and carriage return; no code point
// that is unassigned or a noncharacter.
bool is_plain_text(std::u16string_view text, const icu_functions& icu) {
    for (std::size_t i = 0; i < text.size();) {
        UChar32 c = 0;
        U16_NEXT(text.data(), i, text.size(), c);
        if (c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r')
            continue;
        if (c < 0x20 || (c >= 0x7F && c < 0xA0) || U_IS_SURROGATE(c) || !icu.is_defined(c))
            return false;
    }
    return true;
}

bool is_kana(char16_t c) {
    return c >= 0x3041 && c <= 0x30FF;
}

// Full-width characters only (kana, kanji, Japanese punctuation, full-width forms and
// half-width katakana) with at least one kana: what a Japanese text without any ASCII
// is made of.
bool is_japanese_without_ascii(std::u16string_view text) {
    const auto japanese = [](char16_t c) {
        return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
               (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF01 && c <= 0xFF9F);
    };
    return std::all_of(text.begin(), text.end(), japanese) && std::any_of(text.begin(), text.end(), is_kana);
}

// Plain text in ASCII, Latin-1, general punctuation and the Japanese scripts, with kana:
// what a Japanese list is made of. Windows-31J or EUC-JP text with a NUL in it, read as
// UTF-16, is not: its kana read as kanji, Yi syllables or Hangul there, never as kana.
bool is_japanese_text_with_kana(std::u16string_view text, const icu_functions& icu) {
    const auto fits = [](char16_t c) {
        return c < 0x100 || (c >= 0x2000 && c <= 0x206F) || (c >= 0x3000 && c <= 0x30FF) ||
               (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
               (c >= 0xFF01 && c <= 0xFF9F);
    };
    return std::all_of(text.begin(), text.end(), fits) && std::any_of(text.begin(), text.end(), is_kana) &&
           is_plain_text(text, icu);
}

// EUC-JP's C1 controls and user-defined rows stand for nothing in a real text.
bool is_euc_jp_text(std::u16string_view text) {
    return std::none_of(text.begin(), text.end(),
                        [](char16_t c) { return (c >= 0x80 && c < 0xA0) || (c >= 0xE000 && c < 0xF900); });
}

constexpr char16_t voiced_mark = 0xFF9E;      // ﾞ
constexpr char16_t semi_voiced_mark = 0xFF9F; // ﾟ
constexpr char16_t prolonged_mark = 0xFF70;   // ｰ

bool is_halfwidth_katakana(char16_t c) {
    return c >= 0xFF61 && c <= 0xFF9F; // ｡ to ﾟ
}
bool is_halfwidth_letter(char16_t c) {
    return c >= 0xFF66 && c <= 0xFF9D; // ｦ to ﾝ, the prolonged mark and small kana among them
}
bool is_small_kana(char16_t c) {
    return c >= 0xFF67 && c <= 0xFF6F; // ｧ to ｯ
}
bool takes_semi_voiced_mark(char16_t c) {
    return c >= 0xFF8A && c <= 0xFF8E; // ﾊ to ﾎ
}
bool takes_voiced_mark(char16_t c) {
    return c == 0xFF73 || (c >= 0xFF76 && c <= 0xFF84) || takes_semi_voiced_mark(c); // ｳ, ｶ to ﾄ
}

// Whether a Windows-31J reading can be Japanese text. Half-width katakana keep the rules of
// their script: a voiced mark follows a kana that takes it, a prolonged sound mark or a
// small kana follows a kana, the half-width comma and middle dot are followed by no other
// mark; and they never touch a full-width character. The Windows-31J reading of EUC-JP
// text breaks these rules soon: each hiragana there reads as "､" and a half-width
// character, each katakana as "･" and one, and a kanji's second byte often starts a
// double-byte character.
bool could_be_windows_31j_text(std::u16string_view text) {
    char16_t before = 0;
    for (const char16_t c : text) {
        if (is_halfwidth_katakana(c)) {
            if (before >= 0x80 && !is_halfwidth_katakana(before))
                return false;
            if (c == voiced_mark && !takes_voiced_mark(before))
                return false;
            if (c == semi_voiced_mark && !takes_semi_voiced_mark(before))
                return false;
            if ((c == prolonged_mark || is_small_kana(c)) &&
                !(is_halfwidth_letter(before) || before == voiced_mark || before == semi_voiced_mark))
                return false;
            if ((before == 0xFF64 || before == 0xFF65) && !is_halfwidth_letter(c))
                return false;
        } else if (c >= 0x80 && is_halfwidth_katakana(before)) {
            return false;
        }
        before = c;
    }
    return true;
}

// Whether ICU's charset detector is more confident of `charset` than of `other` for the
// bytes, markup left aside. Its confidence in a multi-byte charset counts the most common
// characters of the language in a text of more than ten double-byte characters; below
// that it answers 10 or less, which decides nothing. The first 16 KiB are sample enough
// and keep a full list quick.
bool detector_prefers(std::string_view bytes, const char* charset, const char* other,
                      const icu_functions& icu) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCharsetDetector, void (*)(UCharsetDetector*)> detector(icu.detector_open(&status),
                                                                                  icu.detector_close);
    if (U_FAILURE(status))
        return false;
    icu.detector_filter(detector.get(), true);
    const std::string_view sample = bytes.substr(0, 16384);
    icu.detector_text(detector.get(), sample.data(), static_cast<std::int32_t>(sample.size()), &status);
    std::int32_t found = 0;
    const UCharsetMatch** matches = icu.detect_all(detector.get(), &found, &status);
    if (U_FAILURE(status))
        return false;
    std::int32_t confidence = 0;
    std::int32_t other_confidence = 0;
    for (std::int32_t i = 0; i < found; ++i) {
        const std::string_view name = icu.match_name(matches[i], &status);
        if (name == charset)
            confidence = icu.match_confidence(matches[i], &status);
        else if (name == other)
            other_confidence = icu.match_confidence(matches[i], &status);
    }
    return U_SUCCESS(status) && confidence > 10 && confidence > other_confidence;
}

// 7-bit bytes that switch to a Japanese character set: ESC $ to JIS X 0208 or 0212,
// ESC ( I to half-width katakana, ESC ( J to JIS Roman.
bool shows_jis_escapes(std::string_view bytes) {
    if (bytes.find('\x1b') == std::string_view::npos)
        return false;
    if (std::any_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) >= 0x80; }))
        return false;
    for (std::size_t at = bytes.find('\x1b'); at != std::string_view::npos; at = bytes.find('\x1b', at + 1)) {
        const std::string_view sequence = bytes.substr(at + 1, 2);
        if (sequence.starts_with('$') || sequence == "(I" || sequence == "(J")
            return true;
    }
    return false;
}

// UTF-16 told by its zero bytes: the high bytes of ASCII characters, line breaks among
// them, at least `least` of them and one in every `chars_per_zero` characters (0: any).
// The order with more zeros in its high bytes is tried first; its reading must be
// `plausible`.
const char* utf16_by_zero_bytes(std::string_view bytes, std::size_t least, std::size_t chars_per_zero,
                                bool (*plausible)(std::u16string_view, const icu_functions&),
                                const icu_functions& icu) {
    if (bytes.size() < 2 || bytes.size() % 2 != 0 || bytes.find('\0') == std::string_view::npos)
        return nullptr;
    std::size_t zero_high[2] = {0, 0}; // little-endian, big-endian
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        zero_high[0] += bytes[i + 1] == '\0';
        zero_high[1] += bytes[i] == '\0';
    }
    const std::size_t pairs = bytes.size() / 2;
    const bool big_first = zero_high[1] > zero_high[0];
    for (const bool big : {big_first, !big_first}) {
        const std::size_t zeros = zero_high[big ? 1 : 0];
        if (zeros < std::min(pairs, least) || (chars_per_zero != 0 && zeros * chars_per_zero < pairs))
            continue;
        const char* encoding = big ? utf16be : utf16le;
        const std::optional<std::u16string> text = strict_reading(bytes, encoding, icu);
        if (text && plausible(*text, icu))
            return encoding;
    }
    return nullptr;
}

} // namespace

const char* encoding_shown_by_bytes(std::string_view bytes, icu_library& library) {
    const bool escapes = shows_jis_escapes(bytes);
    if (!escapes && bytes.find('\0') == std::string_view::npos)
        return nullptr; // told without ICU
    const icu_functions* icu = library.functions();
    if (!icu)
        return nullptr;
    if (escapes) {
        const std::optional<std::u16string> text = strict_reading(bytes, iso_2022_jp, *icu);
        if (text && is_plain_text(*text, *icu))
            return iso_2022_jp;
    }
    // A stray NUL in a text that would read as UTF-8 does not make it UTF-16: two zeros
    // do, and one in every 32 characters.
    return utf16_by_zero_bytes(bytes, 2, 32, is_plain_text, *icu);
}

const char* likely_japanese_encoding(std::string_view bytes, icu_library& library) {
    const icu_functions* icu_found = library.functions();
    if (!icu_found)
        return windows_31j;
    const icu_functions& icu = *icu_found;
    // Zero bytes are UTF-16's mark: NUL stands for nothing in a text. Yet a stray NUL in
    // Windows-31J or EUC-JP text does not make it UTF-16: read so, its kana are none.
    if (const char* utf16 = utf16_by_zero_bytes(bytes, 1, 0, is_japanese_text_with_kana, icu))
        return utf16;
    const std::optional<std::u16string> sjis = strict_reading(bytes, windows_31j, icu);
    std::optional<std::u16string> euc = strict_reading(bytes, euc_jp, icu);
    if (euc && !is_euc_jp_text(*euc))
        euc.reset();
    if (sjis && euc)
        return !could_be_windows_31j_text(*sjis) && !detector_prefers(bytes, "Shift_JIS", "EUC-JP", icu)
                   ? euc_jp
                   : windows_31j;
    if (sjis)
        return windows_31j;
    if (euc)
        return euc_jp;
    // UTF-16 without any ASCII has no zero byte, or only where a character ends in one
    // (一, the ideographic space): its reading alone tells it.
    if (bytes.size() % 2 == 0) {
        for (const char* encoding : {utf16le, utf16be}) {
            const std::optional<std::u16string> text = strict_reading(bytes, encoding, icu);
            if (text && is_japanese_without_ascii(*text))
                return encoding;
        }
    }
    return detector_prefers(bytes, "EUC-JP", "Shift_JIS", icu) ? euc_jp : windows_31j;
}

} // namespace tolvin
