// The placement rule of the main and result list windows: a minimum size, and a
// window no larger than the screen and not past its right or bottom edge.
#pragma once

#include <cstdint>

namespace tolvin {

struct twips_rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const twips_rect&, const twips_rect&) = default;
};

struct twips_size {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

inline constexpr twips_size main_min_size{7845, 4245};
inline constexpr twips_size list_min_size{4125, 3570};

// Where a window asked for at (l, t, w, h) goes on a screen of screen_w by screen_h,
// all in twips. The minimum size wins over the screen size.
twips_rect place_window(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h, twips_size minimum,
                        std::int32_t screen_w, std::int32_t screen_h);

} // namespace tolvin
