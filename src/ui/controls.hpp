// Small builders for the controls every window makes the same way: the object name is
// the control's name, the tool tip says what it does.
#pragma once

#include "ui/field_history.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

namespace tolvin {

inline QPushButton* text_button(QWidget* parent, const char* name, const QString& caption,
                                const QString& tip) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    return b;
}

// Puts a text into an input field shown from its start, as a text box shows a text it
// is given: Qt would leave the cursor after the last character and the field scrolled
// to the text's end.
inline void set_field_text(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
}

inline void set_field_text(QComboBox* combo, const QString& text) {
    combo->setEditText(text);
    combo->lineEdit()->setCursorPosition(0);
}

// Makes a combo box editable with its text exactly as the user typed or picked it: no
// completion (the default one ignores case and completes inline, so "JPG" would turn
// into the item "jpg" and "g" into "gif"), and nothing typed is added to the items.
// Without a completer, Return and leaving the box also match an item only in the
// same case, which leaves the text as it is. Its undo history is bounded as the other
// input fields' is.
inline void make_typed_combo(QComboBox* combo) {
    combo->setEditable(true);
    bound_undo_history(combo->lineEdit());
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
}

} // namespace tolvin
