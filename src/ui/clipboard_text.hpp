// The clipboard as the list boxes see it: text leaves with the platform's own line
// break (LF) and comes in with CR LF.
#pragma once

#include <QString>

namespace tolvin {

// Clears the clipboard and puts `list_text` on it, CR LF turned into LF.
void put_on_clipboard(const QString& list_text);

// The clipboard's text with every line break brought to CR LF; empty when it holds no text.
QString take_from_clipboard();

} // namespace tolvin
