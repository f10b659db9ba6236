// What the desktop's screen readers are told each of the program's windows is.
#pragma once

namespace tolvin {

// The main window and the result list window are plain widgets, which Qt would
// announce as a filler panel; from the first call on they are announced as windows.
// The options and about windows are dialogs and message boxes alerts, as Qt has them.
void install_window_roles();

} // namespace tolvin
