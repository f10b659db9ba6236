#include "generators/numbered_list.hpp"

#include "core/list_text.hpp"
#include "core/number_text.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tolvin {

namespace {

// Magnitudes are decimal digits, the most significant first, without leading zeros;
// zero is the empty string. Numbers as large as a double's are counted exactly so.
std::u16string magnitude_of(const std::string& digits) {
    return std::u16string(digits.begin(), digits.end());
}

void add_one(std::u16string& magnitude) {
    for (std::size_t i = magnitude.size(); i-- > 0;) {
        if (magnitude[i] != u'9') {
            ++magnitude[i];
            return;
        }
        magnitude[i] = u'0';
    }
    magnitude.insert(magnitude.begin(), u'1');
}

// For a magnitude above zero.
void subtract_one(std::u16string& magnitude) {
    std::size_t i = magnitude.size();
    while (magnitude[--i] == u'0') {
        magnitude[i] = u'9';
    }
    --magnitude[i];
    if (magnitude.front() == u'0') {
        magnitude.erase(0, 1);
    }
}

// -1, 0 or 1 as |x| is less than, equal to or greater than |y|.
int compare_magnitudes(std::u16string_view x, std::u16string_view y) {
    if (x.size() != y.size()) {
        return x.size() < y.size() ? -1 : 1;
    }
    const int c = x.compare(y);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

constexpr std::uint64_t unbounded = std::numeric_limits<std::uint64_t>::max();

std::uint64_t saturated(std::u16string_view magnitude) {
    if (magnitude.size() > 19) {
        return unbounded;
    }
    std::uint64_t n = 0;
    for (const char16_t c : magnitude) {
        n = n * 10 + static_cast<std::uint64_t>(c - u'0'); // 19 digits fit in 64 bits
    }
    return n;
}

// |x| - |y| for |x| >= |y|, or |x| + |y|, saturated to 64 bits.
std::uint64_t magnitude_difference(std::u16string_view x, std::u16string_view y) {
    std::u16string d(x);
    int borrow = 0;
    for (std::size_t i = 0; i < d.size(); ++i) {
        const std::size_t at = d.size() - 1 - i;
        int digit = (d[at] - u'0') - borrow - (i < y.size() ? y[y.size() - 1 - i] - u'0' : 0);
        borrow = digit < 0 ? 1 : 0;
        d[at] = static_cast<char16_t>(u'0' + digit + 10 * borrow);
    }
    const std::size_t first = std::min(d.find_first_not_of(u'0'), d.size());
    return saturated(std::u16string_view(d).substr(first));
}

std::uint64_t magnitude_sum(std::u16string_view x, std::u16string_view y) {
    const std::uint64_t a = saturated(x);
    const std::uint64_t b = saturated(y);
    return a > unbounded - b ? unbounded : a + b;
}

// A number split into its floor, a whole number, and the fraction from the floor up
// to the number, as digits after the point without trailing zeros.
struct floor_split {
    bool negative = false;
    std::u16string whole;
    std::string fraction;
};

floor_split floor_of(const decimal_number& x) {
    floor_split s{x.negative, magnitude_of(x.whole), x.fraction};
    if (x.negative && !x.fraction.empty()) {
        add_one(s.whole);
        // 1 - 0.f: nines' complement, plus one in the last place (its digit is not 0).
        for (char& c : s.fraction) {
            c = static_cast<char>('9' - (c - '0'));
        }
        ++s.fraction.back();
    }
    return s;
}

// How many of first, first + 1, first + 2, ... do not pass last, for first <= last:
// the whole part of last - first, plus one. Saturated to 64 bits.
std::uint64_t count_up(const decimal_number& first, const decimal_number& last) {
    const floor_split a = floor_of(first);
    const floor_split b = floor_of(last);
    std::uint64_t whole_steps = 0;
    if (a.negative == b.negative) {
        whole_steps =
            a.negative ? magnitude_difference(a.whole, b.whole) : magnitude_difference(b.whole, a.whole);
    } else {
        whole_steps = magnitude_sum(a.whole, b.whole); // a below zero, b at or above
    }
    // Less one when the fraction of last is below that of first (digit strings
    // without trailing zeros compare as the fractions do).
    const std::uint64_t count = b.fraction < a.fraction ? whole_steps : whole_steps + 1;
    return whole_steps == unbounded ? unbounded : count;
}

int compare_numbers(const decimal_number& x, const decimal_number& y) {
    if (x.negative != y.negative) {
        return x.negative ? -1 : 1;
    }
    int c = compare_magnitudes(magnitude_of(x.whole), magnitude_of(y.whole));
    if (c == 0) {
        c = x.fraction < y.fraction ? -1 : (x.fraction > y.fraction ? 1 : 0);
    }
    return x.negative ? -c : c;
}

decimal_number negated(decimal_number x) {
    x.negative = !x.negative && !(x.whole.empty() && x.fraction.empty());
    return x;
}

// The whole numbers of the list, counted up one at a time.
struct whole_counter {
    bool negative = false;
    std::u16string magnitude;

    void step() {
        if (!negative) {
            add_one(magnitude);
            return;
        }
        subtract_one(magnitude);
        negative = !magnitude.empty();
    }

    // As a padded number; `flip` writes the number of the opposite sign.
    void append_to(std::u16string& out, std::size_t width, bool flip) const {
        if (negative != flip && !magnitude.empty()) {
            out.push_back(u'-');
        }
        const std::size_t shown = std::max<std::size_t>(width, 1);
        if (shown > magnitude.size()) {
            out.append(shown - magnitude.size(), u'0');
        }
        out.append(magnitude);
    }
};

} // namespace

bool countable_number(std::u16string_view text) {
    return std::isfinite(read_number(text));
}

std::u16string numbered_list(std::u16string_view common, std::u16string_view first_text,
                             std::u16string_view last_text, text_position where, std::size_t limit) {
    if (first_text.empty() || last_text.empty() || !countable_number(first_text) ||
        !countable_number(last_text)) {
        return {};
    }
    const decimal_number first_read = read_decimal(first_text);
    const decimal_number last_read = read_decimal(last_text);
    const bool down = compare_numbers(first_read, last_read) > 0;
    // The width comes from the smaller number's text, every character counting, less
    // its minus sign. A line wider than the limit ends the block at once, so a width
    // past limit + 1 (not wrapping to 0) changes nothing but the work.
    const std::u16string_view width_text = down ? last_text : first_text;
    const bool width_negative = down ? last_read.negative : first_read.negative;
    const std::size_t width =
        std::min(width_text.size() - (width_negative ? 1 : 0), std::max(limit, limit + 1));

    // Counting down is counting up from -first to -last with every number written with
    // the other sign: rounding a half away from zero is the same either way.
    const decimal_number first = down ? negated(first_read) : first_read;
    const decimal_number last = down ? negated(last_read) : last_read;
    const std::uint64_t count = count_up(first, last);

    // first + k rounds to the rounded first plus k, except that with a fraction of
    // exactly one half it steps from -0.5 to 0.5, from -1 to 1, past 0.
    whole_counter n{first.negative, magnitude_of(first.whole)};
    if (first.fraction >= "5") {
        add_one(n.magnitude); // a half or more rounds away from zero
    }
    n.negative = first.negative && !n.magnitude.empty();
    const bool half = first.fraction == "5";

    // Room for the whole block, or for as much of it as the limit lets through.
    const double line = static_cast<double>(common.size() + std::max(width, n.magnitude.size() + 1) + 3);
    const double room = std::min(static_cast<double>(limit) + 1, 1048576.0);
    std::u16string block;
    block.reserve(static_cast<std::size_t>(std::min(static_cast<double>(count) * line, room)) + 2);
    block.append(crlf);
    for (std::uint64_t k = 0; k < count; ++k) {
        if (where == text_position::end) {
            block.append(common);
            n.append_to(block, width, down);
        } else {
            n.append_to(block, width, down);
            block.append(common);
        }
        block.append(crlf);
        if (block.size() > limit) {
            break;
        }
        n.step();
        if (half && n.magnitude.empty()) {
            n.step();
        }
    }
    return block;
}

} // namespace tolvin
