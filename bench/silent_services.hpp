// Platform services for benchmarks: every message box and file dialog is answered at
// once (dialogs as cancelled), nothing is launched, and the first start's greeting
// closes as soon as it is shown.
#pragma once

#include "ui/platform_services.hpp"

#include <QDialog>

class silent_services final : public tolvin::platform_services {
  public:
    void message_box(QWidget*, const QString&, const QString&, tolvin::message_icon) override {}
    QString open_file_dialog(QWidget*, const tolvin::file_dialog_request&, std::int32_t&) override {
        return QString();
    }
    QString save_file_dialog(QWidget*, const tolvin::file_dialog_request&, std::int32_t&) override {
        return QString();
    }
    void show_in_text_editor(const QString&) override {}
    void open_url(QWidget*, const QString&) override {}
    void run_modal(QDialog& window) override { window.close(); }
};
