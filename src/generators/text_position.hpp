// Where the edit rows put their text on a line: the position drop-downs offer
// "最後" (end) and "先頭" (head).
#pragma once

#include <string_view>

namespace tolvin {

enum class text_position { end, head };

// "end" for exactly "最後", "head" for any other text of the drop-down.
constexpr text_position position_of(std::u16string_view combo_text) {
    return combo_text == u"最後" ? text_position::end : text_position::head;
}

} // namespace tolvin
