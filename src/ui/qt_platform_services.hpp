// The real platform services: Qt's message boxes, modal windows and file dialogs, and
// the desktop's text editor started through GIO.
#pragma once

#include "ui/gio_library.hpp"
#include "ui/platform_services.hpp"

#include <memory>

class QFileDialog;

namespace tolvin {

class qt_platform_services final : public platform_services {
  public:
    void message_box(QWidget* parent, const QString& title, const QString& text, message_icon icon) override;

    QString open_file_dialog(QWidget* parent, const file_dialog_request& request,
                             std::int32_t& filter_index) override;
    QString save_file_dialog(QWidget* parent, const file_dialog_request& request,
                             std::int32_t& filter_index) override;
    void show_in_text_editor(const QString& path) override;

    void open_url(QWidget* owner, const QString& address) override;
    void run_modal(QDialog& window) override;

  private:
    // GIO, loaded the first time an application is started.
    const gio_library& gio();

    std::unique_ptr<gio_library> gio_;
    // The folder each dialog was last confirmed in; it starts there when it is given
    // no path of its own.
    QString open_folder_;
    QString save_folder_;
};

// Gives a file dialog the request's filters, selected filter, initial name and flags.
// The dialog shows each filter's description exactly as the filter string has it.
void prepare_file_dialog(QFileDialog& dialog, const file_dialog_request& request, std::int32_t filter_index);

} // namespace tolvin
