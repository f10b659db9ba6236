// Plain step-by-step transcriptions of replace, add text and the numbered list,
// written for clarity rather than speed: they search from each position afresh and
// insert into the middle of the growing text. The fuzz targets compare the real
// routines against them on small inputs.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tolvin::reference {

inline std::u16string replace_text(std::u16string_view text, std::u16string_view f, std::u16string_view r) {
    std::u16string t(text);
    if (f.empty()) {
        return t;
    }
    std::size_t p = 1; // positions count from 1
    while (true) {
        const std::size_t found = t.find(f, p - 1);
        if (found == std::u16string::npos) {
            return t;
        }
        const std::size_t pos = found + 1;
        t = t.substr(0, pos - 1) + std::u16string(r) + t.substr(pos - 1 + f.size());
        p = pos + r.size();
    }
}

inline bool blank(const std::u16string& line) {
    for (const char16_t c : line) {
        if (c != u' ' && c != u'\u3000') {
            return false;
        }
    }
    return true;
}

inline std::u16string add_text(std::u16string_view text, std::u16string_view a, bool at_end) {
    std::u16string t(text);
    bool appended = false;
    if (t.size() < 2 || t.substr(t.size() - 2) != u"\r\n") {
        t += u"\r\n";
        appended = true;
    }
    std::size_t p = 1;
    while (true) {
        const std::size_t found = t.find(u"\r\n", p - 1);
        if (found == std::u16string::npos) {
            break;
        }
        std::size_t e = found + 1;
        const std::u16string line = t.substr(p - 1, e - p);
        if (!blank(line)) {
            t.insert(at_end ? e - 1 : p - 1, a);
            e += a.size();
        }
        p = e + 2;
    }
    if (appended) {
        t.erase(t.size() - 2);
    }
    return t;
}

// The reading rule of number texts: blanks anywhere, a sign first, digits with one
// decimal point; a text of no digits reads 0. As a double, only to tell a number
// beyond double precision.
inline double read_number(std::u16string_view text) {
    std::string kept;
    bool point = false;
    bool digit = false;
    for (const char16_t c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n') {
            continue;
        }
        if (c >= u'0' && c <= u'9') {
            digit = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else if ((c == u'-' || c == u'+') && kept.empty()) {
        } else {
            break;
        }
        kept += static_cast<char>(c);
    }
    return digit ? std::strtod(kept.c_str(), nullptr) : 0.0;
}

// Signed whole numbers of any size in decimal, in school arithmetic.
struct big {
    bool negative = false;
    std::string digits = "0"; // magnitude, no leading zeros
};

inline std::string trimmed(std::string d) {
    const std::size_t first = d.find_first_not_of('0');
    return first == std::string::npos ? "0" : d.substr(first);
}

inline int compare_magnitude(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a < b ? -1 : (a > b ? 1 : 0);
}

inline std::string add_magnitude(const std::string& a, const std::string& b) {
    std::string out;
    int carry = 0;
    for (std::size_t i = 0; i < a.size() || i < b.size() || carry; ++i) {
        const int sum = carry + (i < a.size() ? a[a.size() - 1 - i] - '0' : 0) +
                        (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        out.push_back(static_cast<char>('0' + sum % 10));
        carry = sum / 10;
    }
    std::reverse(out.begin(), out.end());
    return trimmed(out);
}

// a - b for a >= b.
inline std::string subtract_magnitude(const std::string& a, const std::string& b) {
    std::string out;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int d = a[a.size() - 1 - i] - '0' - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        borrow = d < 0;
        out.push_back(static_cast<char>('0' + d + 10 * borrow));
    }
    std::reverse(out.begin(), out.end());
    return trimmed(out);
}

inline big add(const big& a, const big& b) {
    big out;
    if (a.negative == b.negative) {
        out = {a.negative, add_magnitude(a.digits, b.digits)};
    } else if (compare_magnitude(a.digits, b.digits) >= 0) {
        out = {a.negative, subtract_magnitude(a.digits, b.digits)};
    } else {
        out = {b.negative, subtract_magnitude(b.digits, a.digits)};
    }
    out.negative = out.negative && out.digits != "0";
    return out;
}

inline int compare(const big& a, const big& b) {
    if (a.negative != b.negative) {
        return a.negative ? -1 : 1;
    }
    const int c = compare_magnitude(a.digits, b.digits);
    return a.negative ? -c : c;
}

// The number text read exactly, times 10^places (places at least the count of its
// fraction digits).
inline big scaled_number(std::u16string_view text, std::size_t places) {
    std::string whole;
    std::string fraction;
    bool negative = false;
    bool point = false;
    bool started = false;
    for (const char16_t c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n') {
            continue;
        }
        if ((c == u'-' || c == u'+') && !started) {
            negative = c == u'-';
        } else if (c == u'.' && !point) {
            point = true;
        } else if (c >= u'0' && c <= u'9') {
            (point ? fraction : whole) += static_cast<char>(c);
        } else {
            break;
        }
        started = true;
    }
    fraction.resize(places, '0');
    big n{negative, trimmed(whole + fraction)};
    n.negative = n.negative && n.digits != "0";
    return n;
}

inline std::size_t fraction_digits(std::u16string_view text) {
    const std::size_t point = text.find(u'.');
    return point == std::u16string_view::npos ? 0 : text.size() - point;
}

// A number times 10^places rounded, a half away from zero, as a padded number of
// `width` digits.
inline std::u16string formatted(const big& scaled, std::size_t places, std::size_t width) {
    std::string digits = std::string(places + 1, '0') + scaled.digits;
    const std::string fraction = digits.substr(digits.size() - places);
    digits = trimmed(digits.substr(0, digits.size() - places));
    if (places > 0 && fraction >= "5" + std::string(places - 1, '0')) {
        digits = add_magnitude(digits, "1");
    }
    while (digits.size() < width) {
        digits.insert(digits.begin(), '0');
    }
    if (scaled.negative && digits.find_first_not_of('0') != std::string::npos) {
        digits.insert(digits.begin(), '-');
    }
    return std::u16string(digits.begin(), digits.end());
}

inline std::u16string numbered_list(std::u16string_view common, std::u16string_view first_text,
                                    std::u16string_view last_text, bool at_end, std::size_t limit) {
    if (first_text.empty() || last_text.empty()) {
        return u"";
    }
    if (std::isinf(read_number(first_text)) || std::isinf(read_number(last_text))) {
        return u"";
    }
    // Both numbers exactly, as whole numbers of a common scale.
    const std::size_t places = std::max(fraction_digits(first_text), fraction_digits(last_text));
    const big first = scaled_number(first_text, places);
    const big last = scaled_number(last_text, places);
    const bool down = compare(first, last) > 0;
    const std::u16string_view width_text = down ? last_text : first_text;
    std::size_t width = width_text.size();
    if ((down ? last : first).negative) {
        width -= 1;
    }
    const big step{down, "1" + std::string(places, '0')};
    std::u16string block;
    for (big n = first; down ? compare(n, last) >= 0 : compare(n, last) <= 0; n = add(n, step)) {
        const std::u16string number = formatted(n, places, width);
        block += at_end ? std::u16string(common) + number : number + std::u16string(common);
        block += u"\r\n";
        if (block.size() + 2 > limit) {
            break;
        }
    }
    return u"\r\n" + block;
}

} // namespace tolvin::reference
