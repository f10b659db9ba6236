// What the desktop's screen readers are told each of the program's windows and
// controls is, and what they read as its name.
#pragma once

#include <QFrame>

class QComboBox;

namespace tolvin {

// The main window and the result list window are plain widgets, which Qt would
// announce as a filler panel; from the first call on they are announced as windows.
// The options and about windows are dialogs and message boxes alerts, as Qt has them.
// A button strip is announced as a tool bar and a line frame as a separator: a plain
// frame would reach the desktop with the role of a top-level window.
void install_window_roles();

// A strip of buttons along the top of a window, announced by its name as a tool bar.
class button_strip : public QFrame {
  public:
    button_strip(QWidget* parent, const char* name, const QString& accessible_name);
};

// Names a combo box's parts for a screen reader: the combo box itself, whose name on
// Linux is its value and whose label comes from a label tied to it, its text field
// when it is editable, and the list it drops down.
void name_combo_box(QComboBox* combo, const QString& name);

} // namespace tolvin
