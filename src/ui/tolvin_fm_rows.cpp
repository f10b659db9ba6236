// Rows 1 to 3 of the edit frame: replace, the numbered list and add text. Each rewrites
// the list, or its selected part, in one store through set_list_text.
#include "ui/tolvin_fm.hpp"

#include "files/u16_text.hpp"

#include "core/list_text.hpp"
#include "generators/list_edits.hpp"
#include "generators/numbered_list.hpp"
#include "ui/busy_scope.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <string>

namespace tolvin {

namespace {

// The list text around the selection of the list box (or the caret, with no selection):
// the part before it, the selected part and the part after it.
struct list_split {
    std::u16string before;
    std::u16string selected;
    std::u16string after;

    explicit list_split(const list_box& box) {
        const std::u16string text = box.text().toStdU16String();
        const std::size_t start = std::min(static_cast<std::size_t>(box.sel_start()), text.size());
        const std::size_t length = std::min(static_cast<std::size_t>(box.sel_length()), text.size() - start);
        before = text.substr(0, start);
        selected = text.substr(start, length);
        after = text.substr(start + length);
    }

    // How long the new middle part may grow before the whole list passes the limit; the
    // generators stop building there, since a longer list is refused anyway.
    std::size_t room() const {
        const std::size_t kept = before.size() + after.size();
        return kept < list_limit ? list_limit - kept : 0;
    }

    QString with_middle(const std::u16string& middle) const {
        std::u16string text;
        text.reserve(before.size() + middle.size() + after.size());
        text.append(before).append(middle).append(after);
        return qstring_from_u16(text);
    }
};

// Stores the list with a new middle part and selects that part as the list box holds
// it. False when the list was refused (the capacity message has been shown).
bool store_and_select(TOLVIN_fm& w, const list_split& split, const std::u16string& middle) {
    if (w.set_list_text(split.with_middle(middle)) != 0)
        return false;
    // Measured in the box: the store brings any lone line break to CR LF.
    const qsizetype start = static_cast<qsizetype>(split.before.size());
    const qsizetype length = w.text7_box.length() - start - static_cast<qsizetype>(split.after.size());
    w.text7_box.set_selection(start, length);
    w.caret_pos = static_cast<std::int32_t>(start + length);
    return true;
}

// Replace and add text: the work text is the selection, or the whole list without one.
template <typename transform> void rewrite_list(TOLVIN_fm& w, transform&& rewrite, bool restore_caret_after) {
    const list_split split(w.text7_box);
    if (split.selected.empty()) {
        const std::u16string whole = split.before + split.after;
        if (w.set_list_text(qstring_from_u16(rewrite(whole, list_limit))) == 0 && restore_caret_after)
            w.restore_caret();
        return;
    }
    store_and_select(w, split, rewrite(split.selected, split.room()));
}

} // namespace

void TOLVIN_fm::Command5_Click() {
    busy_scope busy(*this, busy_flag);
    if (!busy.entered())
        return;
    busy.show_pointer_and_yield(Qt::WaitCursor);
    const std::u16string find = Text1->text().toStdU16String();
    if (!find.empty() && !refuse_markers(Text1->text())) {
        const std::u16string replacement = Text2->text().toStdU16String();
        rewrite_list(
            *this,
            [&](std::u16string_view work, std::size_t room) {
                return replace_text(work, find, replacement, room);
            },
            false);
    }
    Text7->setFocus();
}

void TOLVIN_fm::Command12_Click() {
    busy_scope busy(*this, busy_flag);
    if (!busy.entered())
        return;
    busy.show_pointer_and_yield(Qt::WaitCursor);
    const std::u16string added = Text6->text().toStdU16String();
    if (!added.empty()) {
        // Nothing runs while the lines are rewritten, so the position drop-down keeps
        // the text it has now for every line.
        const text_position where = position_of(Combo2->currentText().toStdU16String());
        rewrite_list(
            *this,
            [&](std::u16string_view work, std::size_t room) { return add_text(work, added, where, room); },
            true);
    }
    Text7->setFocus();
}

void TOLVIN_fm::Command2_Click() {
    busy_scope busy(*this, busy_flag);
    if (!busy.entered())
        return;
    busy.show_pointer_and_yield(Qt::WaitCursor);
    const std::u16string first = Text4->text().toStdU16String();
    const std::u16string last = Text5->text().toStdU16String();
    if (first.empty() || last.empty())
        return;
    const list_split split(text7_box);
    const std::u16string block =
        numbered_list(Text3->text().toStdU16String(), first, last,
                      position_of(Combo1->currentText().toStdU16String()), split.room());
    // Empty when a number lies beyond double precision: nothing to insert, as with an
    // empty number field.
    if (block.empty())
        return;
    if (store_and_select(*this, split, block))
        Text7->setFocus();
}

} // namespace tolvin
