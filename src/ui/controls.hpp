// Small builders for the controls every window makes the same way: the object name is
// the control's name, the tool tip says what it does.
#pragma once

#include <QComboBox>
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

// Makes a combo box editable with its text exactly as the user typed or picked it: no
// completion (the default one ignores case and completes inline, so "JPG" would turn
// into the item "jpg" and "g" into "gif"), and nothing typed is added to the items.
// Without a completer, Return and leaving the box also match an item only in the
// same case, which leaves the text as it is.
inline void make_typed_combo(QComboBox* combo) {
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
}

} // namespace tolvin
