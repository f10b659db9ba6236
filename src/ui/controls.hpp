// Small builders for the controls every window makes the same way: the object name is
// the control's name, the tool tip says what it does.
#pragma once

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

} // namespace tolvin
