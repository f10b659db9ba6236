// The main window's keys: shortcuts that press the open, save and find buttons, and
// the order in which Tab walks through the controls.
#include "ui/tolvin_fm.hpp"

#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <iterator>

namespace tolvin {

void TOLVIN_fm::connect_keys() {
    struct key_binding {
        QKeySequence keys;
        void (TOLVIN_fm::*handler)();
        bool repeats; // held down: F3 goes on finding, a file dialog comes once
    };
    const key_binding bindings[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), &TOLVIN_fm::Command3_Click, false},
        {QKeySequence(Qt::CTRL | Qt::Key_S), &TOLVIN_fm::Command4_Click, false},
        {QKeySequence(Qt::Key_F3), &TOLVIN_fm::Command9_Click, true},
    };
    for (const key_binding& b : bindings) {
        auto* shortcut = new QShortcut(b.keys, this);
        shortcut->setAutoRepeat(b.repeats);
        connect(shortcut, &QShortcut::activated, this, b.handler);
    }

    // Tab leaves the list box like any other control; a tab character still comes in
    // by pasting, dropping or opening a file.
    Text7->setTabChangesFocus(true);
    // Reading order: the two strips along the top and the demonstration buttons at the
    // right, the list, the edit rows line by line, then the buttons beside them.
    QWidget* const order[] = {Command3,  Command4,  Command8,  Command1,  Combo3,    Command9,
                              Command13, Command15, Command10, Command11, Text7,     Text1,
                              Text2,     Command5,  Text3,     Combo1,    Text4,     Text5,
                              Command2,  Combo2,    Text6,     Command12, Command16, Command6,
                              Command7,  Command18, Command20, Command17, Command19, Command14};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace tolvin
