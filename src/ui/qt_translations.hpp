// Qt's own texts (the list box's context menu, the buttons of message boxes, the file
// dialogs) in the desktop's language. The program's own texts are Japanese whatever the
// language and are not touched by this.
#pragma once

class QCoreApplication;

namespace tolvin {

// Installs Qt's "qtbase" catalogue for the first of the desktop's UI languages that has
// one. Returns false, leaving Qt's built-in English, when none has.
bool install_qt_translations(QCoreApplication& app);

} // namespace tolvin
