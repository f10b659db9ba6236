// Reading numbers out of the texts users type, and writing them zero-padded.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolvin {

// The numeric value of a number text as the generators read it: spaces, tabs and
// line feeds are ignored wherever they stand; then an optional sign, decimal digits
// and optionally a decimal point with more digits; reading stops at the first
// character that cannot continue the number. A text without digits reads 0.
double read_number(std::u16string_view text);

// The same, also passing over the full-width space U+3000 like a space (the range
// numbers of URL templates are read so).
double read_number(std::u16string_view text, bool skip_full_width_space);

// A number text read by the same rule, exactly: every digit kept, however many.
struct decimal_number {
    bool negative = false; // only when some digit is not zero
    std::string whole;     // digits before the point, without leading zeros; empty for 0
    std::string fraction;  // digits after the point, without trailing zeros
};
decimal_number read_decimal(std::u16string_view text);

// Rounds to the nearest integer, a half to the even neighbour; empty when the
// result lies outside the signed 32-bit range (or the value is not finite).
// (Defined here so that callers get the value in registers.)
inline std::optional<std::int32_t> round_to_int32(double value) {
    // Outside this span nothing rounds into 32 bits; NaN fails the test too.
    if (!(value >= -2147483649.0 && value <= 2147483648.0)) {
        return std::nullopt;
    }
    // Floor by truncation, exact in this span.
    std::int64_t n = static_cast<std::int64_t>(value);
    if (static_cast<double>(n) > value) {
        --n;
    }
    const double fraction = value - static_cast<double>(n); // exact
    if (fraction > 0.5 || (fraction == 0.5 && (n & 1) != 0)) {
        ++n;
    }
    if (n < -2147483648LL || n > 2147483647LL) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(n);
}

// `n` in decimal with at least `width` digits, padded with leading zeros; a negative
// number has "-" before its padded digits. A width of 0 or less writes the plain number.
std::u16string padded_number(std::int64_t n, int width);

// Appends padded_number(n, width) to `out` without a temporary string.
void append_padded_number(std::u16string& out, std::int64_t n, int width);

// Rounds a finite `value` to a whole number, a half away from zero, and appends it
// like append_padded_number, in full however large it is. A value that rounds to
// zero is written without a sign.
void append_rounded_number(std::u16string& out, double value, int width);

} // namespace tolvin
