#include "generators/numbered_list.hpp"

#include "core/list_text.hpp"
#include "core/number_text.hpp"

#include <algorithm>
#include <climits>
#include <cmath>

namespace tolvin {

std::u16string numbered_list(std::u16string_view common, std::u16string_view first_text,
                             std::u16string_view last_text, text_position where, std::size_t limit) {
    if (first_text.empty() || last_text.empty()) {
        return {};
    }
    const double first = read_number(first_text);
    const double last = read_number(last_text);
    if (!std::isfinite(first) || !std::isfinite(last)) {
        return {};
    }
    const bool down = first > last;
    // The width comes from the smaller number's text, every character counting, less
    // its minus sign.
    const std::u16string_view width_text = down ? last_text : first_text;
    std::size_t width = width_text.size() - ((down ? last : first) < 0 ? 1 : 0);
    // A line wider than the limit ends the block at once, so a wider width changes
    // nothing but the work.
    if (width > limit) {
        width = limit < INT_MAX ? limit + 1 : INT_MAX;
    }
    const int digits = width < INT_MAX ? static_cast<int>(width) : INT_MAX;

    // How far the count goes: the numbers first + k (or first - k) for k up to the whole
    // part of the distance. Beyond 2^53 a step of one no longer changes k, but no list
    // holds that many lines: the length stop ends the loop long before.
    const double span = std::floor(std::fabs(last - first));
    constexpr double exact_steps = 9007199254740992.0; // 2^53
    // Room for the whole block, allowing each number a sign and more digits than the
    // width, or for as much of it as the limit lets through.
    const double estimate = (span + 1) * (static_cast<double>(common.size()) + digits + 24);
    std::u16string block;
    const double room = std::min(static_cast<double>(limit) + 1, 1048576.0);
    block.reserve(static_cast<std::size_t>(std::min(estimate, room)) + 2);
    block.append(crlf);
    for (double k = 0; k <= span && k < exact_steps; k += 1) {
        const double n = down ? first - k : first + k;
        if (where == text_position::end) {
            block.append(common);
            append_rounded_number(block, n, digits);
        } else {
            append_rounded_number(block, n, digits);
            block.append(common);
        }
        block.append(crlf);
        if (block.size() > limit) {
            break;
        }
    }
    return block;
}

} // namespace tolvin
