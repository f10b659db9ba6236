// Pictures of the image buttons and of the windows: the desktop's icon theme where
// it has them, else small drawings of our own.
#pragma once

#include <QIcon>

namespace tolvin {

enum class tool_picture { open, save, view, find, undo, redo, options, cut, copy, paste, clear };

QIcon tool_icon(tool_picture picture);

// The program's own icon, the window icon of every window, drawn from its picture
// when the program was built.
QIcon program_icon();
// The home-page button's picture, twice as wide as high: a globe and an arrow
// leading to it.
QIcon home_page_icon();

} // namespace tolvin
