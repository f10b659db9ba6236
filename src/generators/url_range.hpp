// URL range expansion: every "URL/name[first-last].ext(+extra)" template of a list
// text becomes one URL per number.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tolvin {

struct url_expansion {
    std::u16string text;    // the expanded list; every line ends with CR LF; empty when nothing expands
    std::int32_t lines = 0; // URL lines made, extra-name lines included (added to lw_url_su by the caller)
};

// Expands every URL range template of `list_text`. With `comment_flag` 1 each block
// gets a numbered heading line and a closing "=END=" line. Stops as soon as the
// result passes the list limit, returning what was built so far.
url_expansion expand_url(std::u16string_view list_text, std::int32_t comment_flag);

} // namespace tolvin
