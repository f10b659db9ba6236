// The program's icon as pixels compiled into the program, one picture per size, drawn
// from its SVG picture when the program was built: showing it reads no image file.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tolvin {

struct icon_pixels {
    int side;                  // a square of side × side pixels
    const std::uint32_t* argb; // row after row, 0xAARRGGBB, not premultiplied
};

// From the smallest size to the largest.
extern const icon_pixels program_icon_pixels[];
extern const std::size_t program_icon_pixel_count;

} // namespace tolvin
