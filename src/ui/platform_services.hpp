// Everything that leaves the process or waits on a person goes through this
// interface, so that the windows can be driven by tests without a prompt.
#pragma once

#include <QString>

class QWidget;

namespace tolvin {

enum class message_icon { none, information };

class platform_services {
  public:
    virtual ~platform_services() = default;

    // A modal message box with one OK button.
    virtual void message_box(QWidget* parent, const QString& title, const QString& text,
                             message_icon icon) = 0;

    // Asks the desktop to open a web address with its default browser. The outcome
    // is not examined: a failure is not reported.
    virtual void open_url(QWidget* owner, const QString& address) = 0;
};

} // namespace tolvin
