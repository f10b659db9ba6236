#include "core/number_text.hpp"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace tolvin {

namespace {

constexpr bool is_number_blank(char16_t c, bool skip_full_width_space) {
    return c == u' ' || c == u'\t' || c == u'\n' || (skip_full_width_space && c == u'\u3000');
}

constexpr bool is_digit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Where a number text's number ends, with what one pass learns on the way: its sign,
// and its value directly when it is a whole number of at most 18 significant digits.
struct number_scan {
    std::size_t end = 0;
    bool negative = false;
    bool seen_digit = false;
    bool nonzero_fraction = false;
    int integer_digits = 0; // significant ones, leading zeros not counted
    std::int64_t whole = 0;
};

number_scan scan_number(std::u16string_view text, bool skip_full_width_space) {
    number_scan scan;
    bool seen_sign = false;
    bool seen_point = false;
    for (; scan.end < text.size(); ++scan.end) {
        const char16_t c = text[scan.end];
        if (is_number_blank(c, skip_full_width_space)) {
            continue;
        }
        if (is_digit(c)) {
            if (seen_point) {
                scan.nonzero_fraction = scan.nonzero_fraction || c != u'0';
            } else if (scan.integer_digits > 0 || c != u'0') {
                if (++scan.integer_digits <= 18) {
                    scan.whole = scan.whole * 10 + (c - u'0');
                }
            }
            scan.seen_digit = true;
            seen_sign = true; // a sign may only come first
        } else if (c == u'.' && !seen_point) {
            seen_point = true;
            seen_sign = true;
        } else if ((c == u'-' || c == u'+') && !seen_sign) {
            scan.negative = c == u'-';
            seen_sign = true;
        } else {
            break;
        }
    }
    return scan;
}

// The digits of the scanned number, in ASCII.
decimal_number gather_digits(std::u16string_view number, bool negative) {
    decimal_number out;
    bool point = false;
    for (const char16_t c : number) {
        if (c == u'.') {
            point = true;
        } else if (is_digit(c)) {
            if (point) {
                out.fraction.push_back(static_cast<char>(c));
            } else if (!out.whole.empty() || c != u'0') {
                out.whole.push_back(static_cast<char>(c));
            }
        }
    }
    while (!out.fraction.empty() && out.fraction.back() == '0') {
        out.fraction.pop_back();
    }
    out.negative = negative && !(out.whole.empty() && out.fraction.empty());
    return out;
}

} // namespace

double read_number(std::u16string_view text) {
    return read_number(text, false);
}

double read_number(std::u16string_view text, bool skip_full_width_space) {
    const number_scan scan = scan_number(text, skip_full_width_space);
    if (!scan.seen_digit) {
        return 0.0;
    }
    if (!scan.nonzero_fraction && scan.integer_digits <= 18) {
        // The conversion of a 64-bit integer to double rounds correctly.
        const double value = static_cast<double>(scan.whole);
        return scan.negative ? -value : value;
    }

    // Otherwise the digits go to from_chars, which rounds correctly however many
    // digits there are.
    const decimal_number digits = gather_digits(text.substr(0, scan.end), false);
    std::string number = digits.whole.empty() ? std::string("0") : digits.whole;
    if (!digits.fraction.empty()) {
        number += '.';
        number += digits.fraction;
    }
    double value = 0.0;
    const char* first = number.data();
    const char* last = first + number.size();
    const auto [parsed_end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Too large for a double (an integer part of hundreds of digits), or too small.
        value = scan.integer_digits > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{} || parsed_end != last) {
        value = 0.0; // cannot happen for the digits gathered above
    }
    return scan.negative ? -value : value;
}

decimal_number read_decimal(std::u16string_view text) {
    const number_scan scan = scan_number(text, false);
    return gather_digits(text.substr(0, scan.end), scan.negative);
}

std::u16string padded_number(std::int64_t n, int width) {
    std::u16string out;
    append_padded_number(out, n, width);
    return out;
}

void append_padded_number(std::u16string& out, std::int64_t n, int width) {
    // Sign, zeros and digits are laid out in one buffer and appended at once; only a
    // width beyond the buffer appends its zeros separately.
    constexpr int room = 32;
    char16_t buffer[room];
    int first = room;
    // The magnitude as unsigned, so that the smallest int64 needs no negation.
    std::uint64_t magnitude = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    do {
        buffer[--first] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const int digits = room - first;
    if (width <= room - 1) {
        while (room - first < width) {
            buffer[--first] = u'0';
        }
        if (n < 0) {
            buffer[--first] = u'-';
        }
        out.append(buffer + first, static_cast<std::size_t>(room - first));
        return;
    }
    if (n < 0) {
        out.push_back(u'-');
    }
    out.append(static_cast<std::size_t>(width - digits), u'0');
    out.append(buffer + first, static_cast<std::size_t>(digits));
}

void append_rounded_number(std::u16string& out, double value, int width) {
    const double whole = std::round(value); // halves go away from zero
    // Below 2^63 in magnitude the integer path is exact and fast.
    if (std::fabs(whole) < 9223372036854775808.0) {
        append_padded_number(out, static_cast<std::int64_t>(whole), width);
        return;
    }
    // A larger double is a whole number of up to 309 digits; fixed notation with no
    // fraction writes it exactly.
    char digits[400];
    const auto [end, error] =
        std::to_chars(digits, digits + sizeof digits, std::fabs(whole), std::chars_format::fixed, 0);
    if (error != std::errc{}) {
        return; // not finite: nothing to write
    }
    const int count = static_cast<int>(end - digits);
    if (whole < 0) {
        out.push_back(u'-');
    }
    if (width > count) {
        out.append(static_cast<std::size_t>(width - count), u'0');
    }
    out.append(digits, end);
}

} // namespace tolvin
