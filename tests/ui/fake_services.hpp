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

    void open_url(QWidget*, const QString& address) override { opened_urls.push_back(address); }

    std::vector<recorded_message> messages;
    std::vector<QString> opened_urls;
};
