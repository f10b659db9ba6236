// Everything that leaves the process or waits on a person goes through this
// interface, so that the windows can be driven by tests without a prompt.
#pragma once

#include <QString>
#include <cstdint>

class QDialog;
class QWidget;

namespace tolvin {

enum class message_icon { none, information };

// Flags of a file dialog: ask before replacing an existing file; no read-only check box.
inline constexpr std::int32_t overwrite_prompt = 2;
inline constexpr std::int32_t hide_read_only = 4;

// What a file dialog is given each time before it is shown.
struct file_dialog_request {
    QString filter;       // "description|patterns|description|patterns", patterns split by ";"
    QString initial_name; // a path or a bare name; empty for none
    std::int32_t flags = 0;
};

class platform_services {
  public:
    virtual ~platform_services() = default;

    // A modal message box with one OK button.
    virtual void message_box(QWidget* parent, const QString& title, const QString& text,
                             message_icon icon) = 0;

    // List files. The open and save dialogs give the chosen file's full path, or an
    // empty text when the user cancels. Each starts on filter `filter_index` (0 is the
    // first); a confirmed dialog sets it to the filter the user had selected.
    virtual QString open_file_dialog(QWidget* parent, const file_dialog_request& request,
                                     std::int32_t& filter_index) = 0;
    virtual QString save_file_dialog(QWidget* parent, const file_dialog_request& request,
                                     std::int32_t& filter_index) = 0;
    // Shows the file in the desktop's plain-text editor, without waiting for it.
    virtual void show_in_text_editor(const QString& path) = 0;
    // Asks the desktop to open a web address with its default browser. The outcome
    // is not examined: a failure is not reported.
    virtual void open_url(QWidget* owner, const QString& address) = 0;
    // Shows a window modally and returns once the user has closed it.
    virtual void run_modal(QDialog& window) = 0;
};

} // namespace tolvin
