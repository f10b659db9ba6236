// The characters of which URL tokens are made, shared by every generator that cuts
// a list text into such tokens.
#pragma once

namespace tolvin {

// Printable ASCII except the space, the double quote and the apostrophe. Every other
// character, and so every character outside ASCII, separates URL tokens.
constexpr bool is_url_char(char16_t c) {
    return c == 33 || (c >= 35 && c <= 38) || (c >= 40 && c <= 126);
}

} // namespace tolvin
