// The list text of the main window: guarded stores under the capacity limit, the
// caret memory, and the clipboard and clear buttons.
#include "ui/tolvin_fm.hpp"

#include "core/list_text.hpp"
#include "files/u16_text.hpp"
#include "ui/clipboard_text.hpp"
#include "ui/list_fm.hpp"
#include "ui/platform_services.hpp"

#include <QPlainTextEdit>

namespace tolvin {

namespace {

// Stores `text` into `box` under the capacity limit, its line breaks brought to CR LF.
// Returns false, with the box untouched, when the text is refused: too long, or holding
// a character the box cannot keep.
bool guarded_store(list_box& box, const QString& text) {
    const std::optional<std::u16string> stored = stored_text(u16_view(text));
    if (!stored)
        return false;
    box.set_text(qstring_from_u16(*stored));
    return true;
}

} // namespace

std::int32_t TOLVIN_fm::set_list_text(const QString& text) {
    if (guarded_store(text7_box, text))
        return 0;
    show_refusal(refusal_for(0, u16_view(text)), 0);
    return 1;
}

std::int32_t TOLVIN_fm::set_result_text(const QString& text) {
    if (guarded_store(result_window().text1_box, text))
        return 0;
    show_refusal(refusal_for(0, u16_view(text)), 1);
    return 1;
}

void TOLVIN_fm::show_refusal(box_refusal why, std::int32_t mode) {
    if (why == box_refusal::marker) {
        services_.message_box(this, qstring_from_u16(marker_message_title),
                              qstring_from_u16(marker_message_text), message_icon::none);
        return;
    }
    show_limit_message(mode);
}

bool TOLVIN_fm::refuse_markers(const QString& text) {
    if (box_can_keep(u16_view(text)))
        return false;
    show_refusal(box_refusal::marker, 0);
    return true;
}

void TOLVIN_fm::Text7_Refused(box_refusal why, list_edit::entry way) {
    // A key at the limit is refused as a full text box refuses it, without a word;
    // a paste, drop or commit brings a whole text, and is told why it stayed out.
    if (unloaded_ || (why == box_refusal::too_long && way == list_edit::entry::key))
        return;
    show_refusal(why, 0);
}

void TOLVIN_fm::show_limit_message(std::int32_t mode) {
    services_.message_box(this, QString::fromStdU16String(std::u16string(limit_message_title)),
                          QString::fromStdU16String(limit_message_text(mode)), message_icon::none);
}

void TOLVIN_fm::restore_caret() {
    const qsizetype length = text7_box.length();
    text7_box.set_selection(length >= caret_pos ? caret_pos : length);
}

void TOLVIN_fm::Text7_KeyUp() {
    caret_pos = static_cast<std::int32_t>(text7_box.sel_start());
}

void TOLVIN_fm::Text7_MouseUp() {
    caret_pos = static_cast<std::int32_t>(text7_box.sel_start());
}

void TOLVIN_fm::Command14_Click() {
    text7_box.set_text(QString());
}

void TOLVIN_fm::Command17_Click() {
    put_on_clipboard(text7_box.sel_length() < 1 ? text7_box.text() : text7_box.sel_text());
    Text7->setFocus();
}

void TOLVIN_fm::Command20_Click() {
    const qsizetype length = text7_box.sel_length();
    if (length <= 0)
        return;
    const qsizetype start = text7_box.sel_start();
    const QString text = text7_box.text();
    put_on_clipboard(text.mid(start, length));
    text7_box.set_text(text.left(start) + text.mid(start + length));
    text7_box.set_selection(start);
    Text7->setFocus();
}

void TOLVIN_fm::Command19_Click() {
    const QString pasted = take_from_clipboard();
    if (pasted.isEmpty())
        return;
    const qsizetype start = text7_box.sel_start();
    const qsizetype length = text7_box.sel_length();
    const QString text = text7_box.text();
    if (set_list_text(text.left(start) + pasted + text.mid(start + length)) == 1)
        return;
    text7_box.set_selection(start + pasted.size());
    Text7->setFocus();
}

} // namespace tolvin
