// Twips (1,440 per inch) are the unit of every stored position and size and of the
// window rules; widgets work in pixels. These helpers convert, and read and set a
// window's outer (frame) geometry and state in the program's terms.
#pragma once

#include "settings/window_placement.hpp"

#include <cstdint>

class QWidget;

namespace tolvin {

// Twips per pixel of the primary screen (15 at 96 logical dots per inch).
double twips_per_pixel();

int to_px(double twips);
double to_twips(int px);

// Puts a child control at its design place, given in twips.
void place_control(QWidget* w, int left, int top, int width, int height);

// The primary screen's available width and height, in twips.
twips_size screen_size_twips();

// A window's outer bounds (frame included), in twips. Before the window is shown
// the frame is not known and the bounds are those of its client area.
twips_rect outer_geometry(const QWidget* window);

// Moves and sizes a window to outer bounds in twips; does nothing when the window
// already stands there (to the pixel). A window that is not shown yet has no frame
// to measure: its first request is kept and applied again by settle_outer_geometry
// once the frame is known.
void set_outer_geometry(QWidget* window, const twips_rect& r);

// Applies a request kept by set_outer_geometry as soon as the window has its frame.
// Windows call it when they are shown, moved or resized.
void settle_outer_geometry(QWidget* window);

// The client size of a window expressed as the outer size of the frame the controls
// were designed for: `frame_w` and `frame_h` twips wider and higher than the client
// area. The layout rules take this size so that the controls fill the client area
// the same way under every window manager.
twips_size design_outer_size(const QWidget* window, int frame_w, int frame_h);

// Whether the program can place its windows: not on Wayland, where the compositor
// alone decides where a window stands and a window cannot learn its position.
bool windows_can_be_placed();

// Window state: 0 normal, 1 minimized, 2 maximized.
std::int32_t window_state(const QWidget* window);
void set_window_state(QWidget* window, std::int32_t state);

// The outer bounds the window has, or would have, in the normal state (also while
// it is maximized or minimized), in twips rounded to whole numbers.
twips_rect normal_outer_geometry(const QWidget* window);

} // namespace tolvin
