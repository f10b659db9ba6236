// The fonts of the windows: a Japanese UI font, and a Japanese monospace font for
// the list boxes.
#pragma once

#include <QFont>

namespace tolvin {

// "ＭＳ ゴシック" 9 point where installed, else an installed Japanese monospace font.
QFont list_font();

// The font of captions, labels and fields: 9 point Japanese.
QFont ui_font();

// The about window's title: "ＭＳ Ｐゴシック" bold 18 point where installed, else an
// installed Japanese proportional font.
QFont title_font();

} // namespace tolvin
