// Platform services for widget tests: records every message box instead of
// blocking on it.
#pragma once

#include "ui/platform_services.hpp"

#include <QString>
#include <vector>

struct recorded_message {
    QString title;
    QString text;
    tolvin::message_icon icon;
};

class fake_services final : public tolvin::platform_services {
  public:
    void message_box(QWidget*, const QString& title, const QString& text,
                     tolvin::message_icon icon) override {
        messages.push_back({title, text, icon});
    }

    std::vector<recorded_message> messages;
};
