// Platform services for widget tests: records every message box instead of
// blocking on it, and lets the test act the user's part in a modal window.
#pragma once

#include "ui/platform_services.hpp"

#include <QDialog>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
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

    // Shows the window and runs `modal_answer`, which must close it; an unexpected
    // modal window, or one left open, fails the test and is closed.
    void run_modal(QDialog& window) override {
        ++modal_windows;
        window.show();
        if (modal_answer)
            modal_answer(window);
        else
            ADD_FAILURE() << "unexpected modal window " << window.objectName().toStdString();
        if (window.isVisible()) {
            ADD_FAILURE() << "the modal window was left open";
            window.close();
        }
    }

    std::vector<recorded_message> messages;
    std::function<void(QDialog&)> modal_answer;
    int modal_windows = 0;
};
