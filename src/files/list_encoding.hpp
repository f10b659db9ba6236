// Telling the encoding of a list file that carries no byte-order mark and declares no
// charset: ISO-2022-JP, UTF-16 without a mark, EUC-JP and Windows-31J.
#pragma once

#include <string_view>

namespace tolvin {

class icu_library;

// The names below are those of ICU's converters; ICU is loaded only for bytes that need
// it (a NUL, an escape sequence, or bytes that are not UTF-8).

// The encoding bytes show beyond doubt although they would also read as UTF-8, or null:
// "ISO-2022-JP-2" for 7-bit text that switches to Japanese by its escape sequences, and
// "UTF-16LE" or "UTF-16BE" for text whose ASCII characters leave a zero byte in every
// other place. Either way the whole text must read without a fault.
const char* encoding_shown_by_bytes(std::string_view bytes, icu_library& icu);

// The likeliest encoding of bytes that are not UTF-8. Bytes with a zero byte are UTF-16
// when they read as Japanese text with kana in one byte order. Else a byte string that
// reads without a fault in exactly one of Windows-31J and EUC-JP is in that one. One that
// reads in both is Windows-31J, as it always opened, unless the Windows-31J reading
// cannot be Japanese text (half-width katakana breaking the rules of the script, or glued
// to a kanji) and ICU's charset detector does not rate Shift_JIS above EUC-JP. One that
// reads in neither is UTF-16 when it reads as Japanese text with kana and without ASCII
// in one byte order, else EUC-JP when the detector rates it above Shift_JIS, else
// Windows-31J, decoded as far as it goes.
const char* likely_japanese_encoding(std::string_view bytes, icu_library& icu);

} // namespace tolvin
