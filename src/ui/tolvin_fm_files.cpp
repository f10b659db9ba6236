// List files: the open, save and view buttons of the file strip.
#include "ui/tolvin_fm.hpp"

#include "files/file_filters.hpp"
#include "files/list_file.hpp"
#include "ui/busy_scope.hpp"
#include "ui/platform_services.hpp"

#include <QPlainTextEdit>
#include <QPushButton>

namespace tolvin {

namespace {

// "[*]" in a window title stands for the modified mark; doubled it shows as itself.
QString file_title(const QString& path) {
    QString shown = path;
    shown.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    return QStringLiteral("TOLVIN ") + shown;
}

} // namespace

void TOLVIN_fm::Command3_Click() {
    busy_scope busy(*this, busy_flag);
    if (!busy.entered())
        return;
    const file_dialog_request request{open_filter(settings.save_type_str), settings.file_name1,
                                      hide_read_only};
    const QString chosen = services_.open_file_dialog(this, request, open_filter_index);
    if (chosen.isEmpty())
        return;
    open_chosen_file(busy, chosen);
}

void TOLVIN_fm::Text7_FileDrop(const QString& path) {
    busy_scope busy(*this, busy_flag);
    if (!busy.entered())
        return;
    open_chosen_file(busy, path);
}

void TOLVIN_fm::open_chosen_file(busy_scope& busy, const QString& path) {
    Text7->setFocus();
    settings.file_name1 = path;
    busy.show_pointer_and_yield(Qt::WaitCursor);

    const list_file_read file = read_list_file(settings.file_name1);
    if (file.status == list_file_read::unreadable)
        return;
    opened_file = settings.file_name1;
    std::int32_t refused = 1;
    if (file.status == list_file_read::too_long)
        show_limit_message(0);
    else
        refused = set_list_text(file.text);
    if (refused == 0) {
        setWindowTitle(file_title(settings.file_name1));
    } else {
        services_.message_box(
            this, QStringLiteral("メモ帳でファイルを開いてみます"),
            QStringLiteral("メモ帳でファイルを表示してみます。\r\n\r\n確認してみてください。"),
            message_icon::none);
        services_.show_in_text_editor(settings.file_name1);
    }
    Command8->setEnabled(true);
}

void TOLVIN_fm::Command4_Click() {
    busy_scope busy(*this, busy_flag);
    if (!busy.entered())
        return;
    const file_dialog_request request{save_filter(settings.save_type_str),
                                      settings.save_type_flag != 0 ? settings.file_name2 : QString(),
                                      overwrite_prompt};
    const QString chosen = services_.save_file_dialog(this, request, save_filter_index);
    if (chosen.isEmpty())
        return;
    // The name and the title change only once the file holds the list.
    const QString failure = write_list_file(chosen, text7_box.text());
    if (!failure.isEmpty()) {
        services_.message_box(this, QStringLiteral("保存できませんでした"),
                              chosen + QStringLiteral("\r\n\r\n") + failure, message_icon::none);
        return;
    }
    settings.file_name2 = chosen;
    setWindowTitle(file_title(settings.file_name2));
    activateWindow();
}

void TOLVIN_fm::Command8_Click() {
    services_.show_in_text_editor(opened_file);
}

} // namespace tolvin
