#include "ui/list_box.hpp"

#include "core/list_text.hpp"
#include "files/u16_text.hpp"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace tolvin {

namespace {

const QString crlf_text = QStringLiteral("\r\n");

// The document keeps one U+2029 between blocks; nothing else in it can be a U+2029,
// because every way in turns that character into a block break.
QString with_crlf(QString raw) {
    return raw.replace(QChar::ParagraphSeparator, crlf_text);
}

} // namespace

list_box::list_box(QPlainTextEdit* edit) : edit_(edit) {
    edit_->setUndoRedoEnabled(false);
}

QString list_box::text() const {
    return with_crlf(edit_->document()->toRawText());
}

qsizetype list_box::length() const {
    const QTextDocument* doc = edit_->document();
    // characterCount() includes the closing separator of the last block; each of the
    // other blocks' separators stands for two characters of the list text.
    return doc->characterCount() - 1 + doc->blockCount() - 1;
}

// setPlainText splits lines at CR LF, lone CR, lone LF and U+2029 alike, which is the
// list text's own rule, so the text goes in as it is and text() returns it with CR LF.
void list_box::set_text(const QString& text) {
    edit_->setPlainText(text);
}

bool list_box::can_hold(QStringView text) {
    // The document's frame markers: inserted as text, each becomes a block break.
    return box_can_keep(u16_view(text));
}

qsizetype list_box::sel_start() const {
    return to_list_pos(edit_->textCursor().selectionStart());
}

qsizetype list_box::sel_length() const {
    const QTextCursor cursor = edit_->textCursor();
    return to_list_pos(cursor.selectionEnd()) - to_list_pos(cursor.selectionStart());
}

QString list_box::sel_text() const {
    return with_crlf(edit_->textCursor().selectedText());
}

void list_box::set_selection(qsizetype start, qsizetype length) {
    const qsizetype total = this->length();
    start = std::clamp<qsizetype>(start, 0, total);
    length = std::clamp<qsizetype>(length, 0, total - start);
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(static_cast<int>(to_widget_pos(start)));
    cursor.setPosition(static_cast<int>(to_widget_pos(start + length)), QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
}

qsizetype list_box::to_widget_pos(qsizetype list_pos) const {
    if (list_pos <= 0) {
        return 0;
    }
    const QTextDocument* doc = edit_->document();
    const qsizetype widget_end = doc->characterCount() - 1;
    // Block b starts at list position position(b) + b. No block after the one holding
    // widget position min(list_pos, end) can start at or before list_pos, so the
    // block sought lies in [0, hi]; binary search over block numbers finds it.
    int lo = 0;
    int hi = doc->findBlock(static_cast<int>(std::min(list_pos, widget_end))).blockNumber();
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= list_pos) {
            lo = mid;
        } else {
            hi = mid - 1;
        }
    }
    const QTextBlock block = doc->findBlockByNumber(lo);
    const qsizetype line_end = block.position() + block.length() - 1;
    // Past the line's end means the LF of its CR LF, or past the whole text.
    return std::min(list_pos - lo, line_end);
}

qsizetype list_box::to_list_pos(qsizetype widget_pos) const {
    const QTextDocument* doc = edit_->document();
    widget_pos = std::clamp<qsizetype>(widget_pos, 0, doc->characterCount() - 1);
    return widget_pos + doc->findBlock(static_cast<int>(widget_pos)).blockNumber();
}

} // namespace tolvin
