// Search list-up into the result list window, its character mode, taking the search
// string from the list's selection, and find.
#include "ui/tolvin_fm.hpp"

#include "files/u16_text.hpp"

#include "generators/search_list.hpp"
#include "ui/busy_scope.hpp"
#include "ui/controls.hpp"
#include "ui/platform_services.hpp"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tolvin {

namespace {

const QString not_found_text = QStringLiteral("現在のリストから 検索文字を使って\r\n"
                                              "リストアップできる項目は見つかりませんでした。\r\n"
                                              "\r\n"
                                              "TOLVIN.EXE Ver1.0\r\n");

} // namespace

void TOLVIN_fm::Command13_Click() {
    if (refuse_markers(Combo3->currentText()))
        return;
    open_result_window();
    settings.lw_url_su = 0;
    const search_listing listing =
        list_up_by_search(text7_box.text().toStdU16String(), Combo3->currentText().toStdU16String(),
                          search_mode, settings.comment_flag);
    settings.lw_url_su += listing.lines;
    show_generated_list(listing.text.empty() ? not_found_text : qstring_from_u16(listing.text));
}

void TOLVIN_fm::Command15_Click() {
    search_mode = search_mode == 0 ? 1 : 0;
    // The button's accessible name is its caption, so it tells the mode too.
    Command15->setText(search_mode == 1 ? QStringLiteral("あ") : QStringLiteral("A"));
}

void TOLVIN_fm::Command1_Click() {
    if (text7_box.sel_length() < 1) {
        services_.message_box(this, QStringLiteral("文字範囲が指定されていません"),
                              QStringLiteral("この操作を行うには、\r\n\r\n"
                                             "まず、リスト内から文字範囲を選択してください"),
                              message_icon::information);
        Text7->setFocus();
        return;
    }
    // Line ends and all: the combo box's line edit keeps them, only showing them as spaces.
    set_field_text(Combo3, text7_box.sel_text());
}

void TOLVIN_fm::Command9_Click() {
    busy_scope busy(*this, busy_flag);
    if (!busy.entered())
        return;
    const QString search = Combo3->currentText();
    if (search.isEmpty()) {
        services_.message_box(this, QStringLiteral("文字を入力してください"),
                              QStringLiteral("検索する文字が入力されていません！"),
                              message_icon::information);
        Combo3->setFocus();
        return;
    }
    if (refuse_markers(search)) {
        Combo3->setFocus();
        return;
    }
    busy.show_pointer_and_yield(Qt::BusyCursor);

    const auto found = find_next_occurrence(text7_box.text().toStdU16String(), search.toStdU16String(),
                                            static_cast<std::size_t>(text7_box.sel_start()),
                                            static_cast<std::size_t>(text7_box.sel_length()));
    if (!found) {
        services_.message_box(this, QStringLiteral("検索結果"),
                              QStringLiteral("検索文字は、見つかりませんでした！"),
                              message_icon::information);
        Combo3->setFocus();
        return;
    }
    text7_box.set_selection(static_cast<qsizetype>(*found), search.size());
    Text7->setFocus();
    Text7->ensureCursorVisible();
}

} // namespace tolvin
