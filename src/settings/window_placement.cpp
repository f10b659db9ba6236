#include "settings/window_placement.hpp"

#include <algorithm>
#include <limits>

namespace tolvin {

namespace {

// Works in 64 bits so that no 32-bit request can overflow; the result is brought
// back into 32 bits at the end (it only leaves that range for absurd minimum sizes).
std::int32_t to_i32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// One axis: size first (screen-limited, then never below the minimum), then the
// near edge, which may not go below 0 nor push the far edge past the screen's.
// When the screen is smaller than the minimum, the far-edge rule wins and the
// origin goes negative, so the window's far edge stays on the screen's.
void place_axis(std::int64_t pos, std::int64_t size, std::int64_t minimum, std::int64_t screen,
                std::int64_t& out_pos, std::int64_t& out_size) {
    screen = std::max<std::int64_t>(screen, 0);
    out_size = std::max(std::min(size, screen), minimum);
    if (pos < 0) {
        out_pos = 0;
    } else if (pos > screen - out_size) {
        out_pos = screen - out_size;
    } else {
        out_pos = pos;
    }
}

} // namespace

twips_rect place_window(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h, twips_size minimum,
                        std::int32_t screen_w, std::int32_t screen_h) {
    std::int64_t left = 0, top = 0, width = 0, height = 0;
    place_axis(l, w, minimum.width, screen_w, left, width);
    place_axis(t, h, minimum.height, screen_h, top, height);
    return {to_i32(left), to_i32(top), to_i32(width), to_i32(height)};
}

} // namespace tolvin
