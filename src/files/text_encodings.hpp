// Bytes to UTF-16 text and back, for list files and the command line: UTF-8, UTF-16 and
// Latin-1 here, every other encoding through ICU's converters. Broken input is never
// refused: what does not decode shows as U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace tolvin {

class icu_library;

struct decoded_text {
    std::u16string text;
    // Every byte sequence stood for a character.
    bool valid = true;
    // Valid but for a character whose last bytes are missing at the end (text ends in
    // U+FFFD for it).
    bool cut_at_end = false;
};

// UTF-8 as UTF-16, a byte-order mark kept as U+FEFF. A byte that starts no valid
// sequence (a stray continuation byte, an overlong form, a surrogate, past U+10FFFF)
// gives one U+FFFD and decoding goes on with the next byte; so do the bytes of a
// sequence cut off at the end.
decoded_text decode_utf8(std::string_view bytes);

// UTF-16 in the given byte order, unpaired surrogates kept. A leading byte-order mark
// is dropped. An odd last byte gives U+FFFD, unless it is the only byte.
std::u16string decode_utf16(std::string_view bytes, bool big_endian);

// The text as UTF-8; an unpaired surrogate, which UTF-8 cannot hold, gives "?".
std::string utf8_of(std::u16string_view text);

// The charset an HTML page declares in its first 1,024 bytes: the value after the first
// "charset=" that follows "meta ", quoted or not, up to the next quote, ">" or "/",
// before any ":", lower case, spaces trimmed; "unicode" is UTF-8. Empty when none.
std::string html_declared_charset(std::string_view bytes);

// The text of a page that declares its charset in a meta element within its first 1,024
// bytes (see html_declared_charset), or false. A Unicode charset (UTF-8, UTF-16, UTF-32
// in any spelling) is passed over, as browsers do: a declaration readable as ASCII
// cannot stand in UTF-16 or UTF-32, and UTF-8 is told by the bytes themselves. So is a
// charset no converter takes.
bool decode_as_html_declares(std::string_view bytes, icu_library& icu, std::u16string& text);

// The bytes in an encoding ICU's converters name; the bytes of a character cut off at
// the end are dropped, other faults show as ICU's substitute. False when no converter
// takes the name or ICU cannot be loaded.
bool decode_with_icu(std::string_view bytes, const char* encoding, icu_library& icu, std::u16string& text);

} // namespace tolvin
