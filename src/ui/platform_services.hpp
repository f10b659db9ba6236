// Everything that leaves the process or waits on a person goes through this
// interface, so that the windows can be driven by tests without a prompt.
#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace tolvin {

enum class message_icon { none, information };

class platform_services {
  public:
    virtual ~platform_services() = default;

    // A modal message box with one OK button.
    virtual void message_box(QWidget* parent, const QString& title, const QString& text,
                             message_icon icon) = 0;

    // Shows a window modally and returns once the user has closed it.
    virtual void run_modal(QDialog& window) = 0;
};

} // namespace tolvin
