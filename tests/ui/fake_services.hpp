// Platform services for widget tests: records every message box instead of
// blocking on it, and lets the test act the user's part in a modal window.
#pragma once

#include "ui/platform_services.hpp"

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

struct recorded_message {
    QString title;
    QString text;
    tolvin::message_icon icon;
};

// A file dialog as it was shown: which one, what it was given, the filter it started on.
struct recorded_dialog {
    bool save;
    tolvin::file_dialog_request request;
    std::int32_t filter_index;
};

// What the user does in the next file dialog: an empty path cancels.
struct dialog_answer {
    QString path;
    std::int32_t filter_index = 0;
};

class fake_services final : public tolvin::platform_services {
  public:
    void message_box(QWidget*, const QString& title, const QString& text,
                     tolvin::message_icon icon) override {
        messages.push_back({title, text, icon});
    }

    QString open_file_dialog(QWidget* parent, const tolvin::file_dialog_request& request,
                             std::int32_t& filter_index) override {
        if (file_dialogs != nullptr)
            return file_dialogs->open_file_dialog(parent, request, filter_index);
        return answer(false, request, filter_index);
    }
    QString save_file_dialog(QWidget* parent, const tolvin::file_dialog_request& request,
                             std::int32_t& filter_index) override {
        if (file_dialogs != nullptr)
            return file_dialogs->save_file_dialog(parent, request, filter_index);
        return answer(true, request, filter_index);
    }
    // Where set, the real file dialogs are shown instead of the scripted answers.
    tolvin::platform_services* file_dialogs = nullptr;
    void show_in_text_editor(const QString& path) override { editor_files.push_back(path); }

    std::vector<recorded_message> messages;
    std::vector<recorded_dialog> dialogs;
    std::deque<dialog_answer> dialog_answers; // scripted; a dialog without one fails the test
    std::vector<QString> editor_files;

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
            window.hide();
        }
    }

    std::function<void(QDialog&)> modal_answer;
    int modal_windows = 0;

    void open_url(QWidget*, const QString& address) override { opened_urls.push_back(address); }
    std::vector<QString> opened_urls;

  private:
    QString answer(bool save, const tolvin::file_dialog_request& request, std::int32_t& filter_index) {
        dialogs.push_back({save, request, filter_index});
        if (dialog_answers.empty()) {
            ADD_FAILURE() << "a file dialog was shown that the test did not expect";
            return QString();
        }
        const dialog_answer a = dialog_answers.front();
        dialog_answers.pop_front();
        if (!a.path.isEmpty())
            filter_index = a.filter_index;
        return a.path;
    }
};
