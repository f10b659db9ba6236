// The two in-place rewrites of the edit rows: replacing a text everywhere, and adding
// a text at the head or end of every non-blank line.
#pragma once

#include "generators/text_position.hpp"

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvin {

// Every occurrence of `find` in `text` becomes `replacement`, from left to right. The
// search goes on after the inserted replacement, which is never searched again, so
// overlapping occurrences are replaced once ("aaa", "aa" -> "b" gives "ba"). An empty
// `replacement` deletes the occurrences; an empty `find` changes nothing.
//
// Building stops as soon as the result is longer than `limit` characters: such a
// result is cut short and only good for being refused as too long.
std::u16string replace_text(std::u16string_view text, std::u16string_view find,
                            std::u16string_view replacement, std::size_t limit);

// Adds `added` at the end or at the head of every line of `text` that is not blank.
// Lines end at CR LF only (a lone CR or LF is an ordinary character); the part after
// the last CR LF is a line too, so a text without a final CR LF has its last line
// edited while the empty place after a final CR LF gets nothing. A blank line is
// empty or made of half-width and full-width spaces only, and stays as it is.
//
// Stops once the result is longer than `limit`, like replace_text.
std::u16string add_text(std::u16string_view text, std::u16string_view added, text_position where,
                        std::size_t limit);

} // namespace tolvin
