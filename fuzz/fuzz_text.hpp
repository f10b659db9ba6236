// Turning fuzz bytes into list texts: printable and control ASCII stands for itself, so
// corpus files stay readable; higher bytes pick pieces that matter to the generators,
// and 0xF0 to 0xFF followed by two bytes gives any UTF-16 code unit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tolvin::fuzz {

inline constexpr std::u16string_view pieces[] = {
    u"[",        u"]",          u"-",          u"+",           u"/",      u"\r\n",      u"\r",     u"\n",
    u" ",        u"\t",         u"\u3000",     u"\"",          u"'",      u"あ",        u"\u2029", u"\u00a0",
    u"0",        u"1",          u"9",          u".",           u"[0-",    u"9]",        u"[-",     u"--",
    u"99999999", u"2147483647", u"2147483648", u"http://h/d/", u"+x.jpg", u"[000-108]", u"\u007f", u"\x01",
};

inline std::u16string decode(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    text.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = data[i];
        if (b < 0x80) {
            text.push_back(static_cast<char16_t>(b));
        } else if (b < 0xF0) {
            text.append(pieces[(b - 0x80) % std::size(pieces)]);
        } else if (i + 2 < size) {
            text.push_back(static_cast<char16_t>(data[i + 1] << 8 | data[i + 2]));
            i += 2;
        }
    }
    return text;
}

// Stops the run so that libFuzzer reports the input; sanitizers see it as a crash.
inline void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace tolvin::fuzz
