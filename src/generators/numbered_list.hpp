// The numbered list: one new line per number of a counted range, each holding a
// common text with the number at its end or head.
#pragma once

#include "generators/text_position.hpp"

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvin {

// False when the number text reads as a number beyond double precision (about
// 1.8 × 10^308): the numbered list counts nothing from it.
bool countable_number(std::u16string_view text);

// The block of lines for the numbers from `first_text` to `last_text` (read by
// read_decimal, fractions kept), counting up, or down when the first is the greater.
// Every line is `common` with the number after it (end) or before it (head) and ends
// with CR LF; one more CR LF stands in front of the block.
//
// The numbers are first, first ± 1, first ± 2, ... as long as they do not pass the
// last, taken exactly as typed and counted exactly, however many digits they have.
// Each is rounded, a half away from zero, and written with at least as many digits as
// the text of the smaller number has characters (less one for its minus sign), padded
// with zeros.
//
// Empty when either text is empty or not countable (below): then there is nothing to
// insert. Counting stops once the block is longer than `limit` characters; such a
// block is cut short and only good for being refused.
std::u16string numbered_list(std::u16string_view common, std::u16string_view first_text,
                             std::u16string_view last_text, text_position where, std::size_t limit);

} // namespace tolvin
