// Fuzzes the small text routines: line-break conversion, space removal, the text-box
// markers, number reading and padding.
#include "core/list_text.hpp"
#include "core/number_text.hpp"

#include "fuzz_text.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using tolvin::fuzz::require;

bool is_break(char16_t c) {
    return c == u'\r' || c == u'\n' || c == u'\u2029';
}

void check_crlf(const std::u16string& text) {
    const std::u16string out = tolvin::to_crlf(text);
    require(tolvin::crlf_length(text) == out.size());
    std::size_t breaks_in = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
        }
        breaks_in += is_break(text[i]) ? 1 : 0;
    }
    std::size_t breaks_out = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        require(out[i] != u'\u2029');
        if (out[i] == u'\r') {
            require(i + 1 < out.size() && out[i + 1] == u'\n');
            ++breaks_out;
            ++i;
        } else {
            require(out[i] != u'\n');
        }
    }
    require(breaks_in == breaks_out);
    // Everything but the breaks is kept in order.
    std::u16string kept_in;
    std::u16string kept_out;
    for (const char16_t c : text) {
        if (!is_break(c)) {
            kept_in.push_back(c);
        }
    }
    for (const char16_t c : out) {
        if (!is_break(c)) {
            kept_out.push_back(c);
        }
    }
    require(kept_in == kept_out);
    require(tolvin::to_crlf(out) == out);
}

void check_spaces(const std::u16string& text) {
    const std::u16string out = tolvin::remove_spaces(text);
    std::u16string expected;
    for (const char16_t c : text) {
        if (c != u' ' && c != u'\u3000') {
            expected.push_back(c);
        }
    }
    require(out == expected);
    if (!text.empty()) {
        const std::u16string without_first = tolvin::remove_char(text, text.substr(0, 1));
        require(without_first.find(text[0]) == std::u16string::npos);
    }
}

void check_numbers(const std::u16string& text, const std::uint8_t* data, std::size_t size) {
    for (const bool full_width : {false, true}) {
        const double value = tolvin::read_number(text, full_width);
        require(!std::isnan(value));
        if (const auto rounded = tolvin::round_to_int32(value)) {
            require(std::fabs(value - *rounded) <= 0.5);
        } else {
            require(!(value > -2147483648.5 && value < 2147483647.5));
        }
    }
    // The exact reading is the same number: the double nearest to it, and its sign.
    const tolvin::decimal_number exact = tolvin::read_decimal(text);
    const std::string digits = (exact.whole.empty() ? "0" : exact.whole) + "." + exact.fraction + "0";
    const double nearest = std::strtod(digits.c_str(), nullptr);
    const double value = tolvin::read_number(text);
    // (A number too small for a double reads 0.)
    require(std::fabs(value) == nearest || (value == 0 && nearest < 2.3e-308));
    require(exact.negative == (value < 0) || (exact.negative && value == 0));
    require(exact.whole.find_first_not_of("0123456789") == std::string::npos && exact.whole[0] != '0');
    require(exact.fraction.empty() || exact.fraction.back() != '0');
    if (size >= 9) {
        std::int64_t n = 0;
        std::memcpy(&n, data, sizeof n);
        const int width = static_cast<int>(data[8] % 48) - 8;
        const std::u16string padded = tolvin::padded_number(n, width);
        std::string digits = std::to_string(n);
        const std::size_t sign = n < 0 ? 1 : 0;
        digits.erase(0, sign);
        // Sign, then zeros up to the width, then the digits.
        const std::size_t length =
            sign + std::max(digits.size(), static_cast<std::size_t>(std::max(width, 0)));
        require(padded.size() == length);
        require((sign == 1) == (padded[0] == u'-'));
        for (std::size_t i = sign; i < length - digits.size(); ++i) {
            require(padded[i] == u'0');
        }
        require(std::equal(digits.begin(), digits.end(),
                           padded.end() - static_cast<std::ptrdiff_t>(digits.size())));
    }
}

// The text-box markers, found eight characters at a time, against a plain scan.
void check_markers(const std::u16string& text) {
    const bool marker =
        std::any_of(text.begin(), text.end(), [](char16_t c) { return c == 0xFDD0 || c == 0xFDD1; });
    require(tolvin::box_can_keep(text) == !marker);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = tolvin::fuzz::decode(data, size);
    check_crlf(text);
    check_spaces(text);
    check_markers(text);
    check_numbers(text, data, size);
    return 0;
}
