// Plain step-by-step transcriptions of replace, add text and the numbered list,
// written for clarity rather than speed: they search from each position afresh and
// insert into the middle of the growing text. The fuzz targets compare the real
// routines against them on small inputs.
#pragma once

#include <cmath>
#include <cstdio>
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
// decimal point; a text of no digits reads 0.
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

// The number rounded half away from zero, as a padded number of `width` digits.
inline std::u16string formatted(double n, std::size_t width) {
    double whole = std::round(n);
    if (whole == 0) {
        whole = 0; // no "-0"
    }
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", std::fabs(whole));
    std::string digits(buffer);
    while (digits.size() < width) {
        digits.insert(digits.begin(), '0');
    }
    if (whole < 0) {
        digits.insert(digits.begin(), '-');
    }
    return std::u16string(digits.begin(), digits.end());
}

inline std::u16string numbered_list(std::u16string_view common, std::u16string_view first_text,
                                    std::u16string_view last_text, bool at_end, std::size_t limit) {
    if (first_text.empty() || last_text.empty()) {
        return u"";
    }
    const double first = read_number(first_text);
    const double last = read_number(last_text);
    if (std::isinf(first) || std::isinf(last)) {
        return u"";
    }
    const bool down = first > last;
    const std::u16string_view width_text = down ? last_text : first_text;
    std::size_t width = width_text.size();
    if (read_number(width_text) < 0) {
        width -= 1;
    }
    const double count = std::floor(std::fabs(last - first)) + 1;
    std::u16string block;
    for (double k = 0; k < count; k += 1) {
        const double n = down ? first - k : first + k;
        const std::u16string number = formatted(n, width);
        block += at_end ? std::u16string(common) + number : number + std::u16string(common);
        block += u"\r\n";
        if (block.size() + 2 > limit) {
            break;
        }
    }
    return u"\r\n" + block;
}

} // namespace tolvin::reference
