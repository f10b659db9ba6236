// Search list-up: every token of a list text that holds a search string, one per
// line; and find: where the next occurrence of the search string lies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolvin {

struct search_listing {
    // The listed tokens, each followed by CR LF, in the order of their occurrences;
    // with comment_flag 1 after a heading line and before a closing "=END=" that has
    // no line end. Empty when nothing is found.
    std::u16string text;
    std::int32_t lines = 0; // tokens listed (added to lw_url_su by the caller)
};

// Lists every token of `list_text` that holds `search`, matched code unit by code
// unit. With `search_mode` 1 tokens are runs of anything but blanks, line breaks and
// quotes; with any other value they are runs of URL characters. A token is listed
// once however often it holds the search string. Stops as soon as the list passes the
// list limit, returning what was built so far.
search_listing list_up_by_search(std::u16string_view list_text, std::u16string_view search,
                                 std::int32_t search_mode, std::int32_t comment_flag);

// Where find goes next: the first occurrence of `search` after the selection when the
// selection is exactly the search string, else from the selection's start on; when
// there is none, the first occurrence from the top. Empty when `search` is empty or
// occurs nowhere. Positions count list-text characters from 0.
std::optional<std::size_t> find_next_occurrence(std::u16string_view list_text, std::u16string_view search,
                                                std::size_t sel_start, std::size_t sel_length);

} // namespace tolvin
