// The undo history of the list box: every change of its text is recorded, the undo and
// redo buttons step through the records, and the keys and context-menu entries of the
// list box do what the buttons do.
#include "ui/tolvin_fm.hpp"

#include "files/u16_text.hpp"

#include "ui/busy_scope.hpp"

#include <QAction>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string_view>

namespace tolvin {

namespace {

std::u16string_view view_of(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

enum class history_key { none, undo, redo };

// Ctrl+Z undoes; Ctrl+Y and Ctrl+Shift+Z redo; so do the platform's own undo and redo keys.
history_key history_key_of(const QKeyEvent& e) {
    const Qt::KeyboardModifiers mods = e.modifiers() & ~Qt::KeypadModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    if (e.key() == Qt::Key_Z && mods == ctrl)
        return history_key::undo;
    if ((e.key() == Qt::Key_Y && mods == ctrl) ||
        (e.key() == Qt::Key_Z && mods == (ctrl | Qt::ShiftModifier)))
        return history_key::redo;
    if (e.matches(QKeySequence::Undo))
        return history_key::undo;
    if (e.matches(QKeySequence::Redo))
        return history_key::redo;
    return history_key::none;
}

} // namespace

void TOLVIN_fm::connect_undo_handlers() {
    connect(Command6, &QPushButton::clicked, this, &TOLVIN_fm::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &TOLVIN_fm::Command7_Click);
    Text7->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Text7, &QWidget::customContextMenuRequested, this, &TOLVIN_fm::Text7_ContextMenu);
}

void TOLVIN_fm::Text7_Change() {
    if (undo_restoring != 0)
        return;
    const QString text = text7_box.text();
    // The widget also signals a change while an input method updates its uncommitted
    // text, which is not part of the list; only when that takes out a selection has the
    // list changed.
    if (composing_ && undo_history.holds(undo_history.undo_pos(), view_of(text)))
        return;
    undo_history.record(view_of(text));
    update_undo_buttons();
}

void TOLVIN_fm::Command6_Click() {
    put_back_undo_entry(&undo_ring::step_back);
}

void TOLVIN_fm::Command7_Click() {
    put_back_undo_entry(&undo_ring::step_forward);
}

// Steps through the history and puts the entry now reached back into the list box; an
// entry too long for it is refused with the capacity message, the position moving all
// the same.
void TOLVIN_fm::put_back_undo_entry(bool (undo_ring::*step)()) {
    busy_scope busy(*this, busy_flag);
    if (!busy.entered())
        return;
    undo_restoring = 1;
    (undo_history.*step)();
    set_list_text(qstring_from_u16(undo_history.undo_text(undo_history.undo_pos())));
    restore_caret();
    undo_restoring = 0;
    update_undo_buttons();
}

void TOLVIN_fm::update_undo_buttons() {
    Command6->setEnabled(undo_history.can_undo());
    Command7->setEnabled(undo_history.can_redo());
}

// The list box's own history is off, so its menu's undo and redo entries are taken over
// by the window's history.
QMenu* TOLVIN_fm::list_context_menu() {
    QMenu* menu = Text7->createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        const bool undo = action->objectName() == QLatin1String("edit-undo");
        if (!undo && action->objectName() != QLatin1String("edit-redo"))
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this,
                undo ? &TOLVIN_fm::Command6_Click : &TOLVIN_fm::Command7_Click);
        action->setEnabled(undo ? undo_history.can_undo() : undo_history.can_redo());
    }
    return menu;
}

void TOLVIN_fm::Text7_ContextMenu(const QPoint& pos) {
    QMenu* menu = list_context_menu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(Text7->viewport()->mapToGlobal(pos));
}

bool TOLVIN_fm::Text7_HistoryEvent(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        switch (history_key_of(static_cast<const QKeyEvent&>(*event))) {
        case history_key::undo:
            Command6_Click();
            return true;
        case history_key::redo:
            Command7_Click();
            return true;
        case history_key::none:
            return false;
        }
    }
    if (event->type() == QEvent::InputMethod) {
        const auto& input = static_cast<const QInputMethodEvent&>(*event);
        if (input.commitString().isEmpty() && input.replacementLength() == 0) {
            // At most the uncommitted text changes: the box handles the event here, so
            // that recording knows.
            composing_ = true;
            static_cast<QObject*>(Text7)->event(event);
            composing_ = false;
            return true;
        }
    }
    return false;
}

} // namespace tolvin
