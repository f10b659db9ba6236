#include "ui/list_box.hpp"

#include "core/list_text.hpp"
#include "files/u16_text.hpp"

#include <QCoreApplication>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>

namespace tolvin {

namespace {

const QString crlf_text = QStringLiteral("\r\n");

// The document keeps one U+2029 between blocks; nothing else in it can be a U+2029,
// because every way in turns that character into a block break.
QString with_crlf(QString raw) {
    return raw.replace(QChar::ParagraphSeparator, crlf_text);
}

// What a key puts into the box, as the widget inserts it: a line break for Return and
// Enter, a line separator with Shift, else the key's text when it starts printable.
QString typed_text(const QKeyEvent& key) {
    if (key.matches(QKeySequence::InsertParagraphSeparator))
        return QStringLiteral("\n");
    if (key.matches(QKeySequence::InsertLineSeparator))
        return QString(QChar::LineSeparator);
    const QString text = key.text();
    if (!text.isEmpty() && (text.front().isPrint() || text.front() == u'\t'))
        return text;
    return QString();
}

// True when a drag began in `widget` itself (its text control or viewport included).
bool dragged_from(const QObject* source, const QObject* widget) {
    for (; source != nullptr; source = source->parent()) {
        if (source == widget)
            return true;
    }
    return false;
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

list_edit::list_edit(QWidget* parent) : QPlainTextEdit(parent) {}

box_refusal list_edit::refusal(QStringView inserted, qsizetype replaced) const {
    const qsizetype kept = std::max<qsizetype>(box_.length() - replaced, 0);
    return refusal_for(static_cast<std::size_t>(kept), u16_view(inserted));
}

void list_edit::refuse(box_refusal why, entry way) {
    if (!on_refused)
        return;
    if (way == entry::drop || way == entry::input_method) {
        QTimer::singleShot(0, this, [this, why, way] {
            if (on_refused)
                on_refused(why, way);
        });
        return;
    }
    on_refused(why, way);
}

void list_edit::keyPressEvent(QKeyEvent* event) {
    const QString typed = typed_text(*event);
    if (!typed.isEmpty()) {
        const box_refusal why = refusal(typed, box_.sel_length());
        if (why != box_refusal::none) {
            event->accept();
            refuse(why, entry::key);
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void list_edit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (!commit.isEmpty()) {
        // The commit takes the place of the selection and of the range the input
        // method names beside it, before its start or after its end.
        const QTextCursor cursor = textCursor();
        const qsizetype from =
            event->replacementStart() < 0 ? cursor.selectionStart() : cursor.selectionEnd();
        const qsizetype first = from + event->replacementStart();
        const qsizetype replaced = box_.sel_length() + box_.to_list_pos(first + event->replacementLength()) -
                                   box_.to_list_pos(first);
        const box_refusal why = refusal(commit, replaced);
        if (why != box_refusal::none) {
            // The composition ends without its text; sent as an event so that whoever
            // watches the box's events sees it as the end of a composition.
            QInputMethodEvent ended;
            QCoreApplication::sendEvent(this, &ended);
            event->accept();
            refuse(why, entry::input_method);
            return;
        }
    }
    QPlainTextEdit::inputMethodEvent(event);
}

// Every paste and every drop ends here with the text it brings.
void list_edit::insertFromMimeData(const QMimeData* source) {
    if (source != nullptr && source->hasText()) {
        const box_refusal why = refusal(source->text(), box_.sel_length());
        if (why != box_refusal::none) {
            refuse(why, dropping_ ? entry::drop : entry::paste);
            return;
        }
    }
    QPlainTextEdit::insertFromMimeData(source);
}

void list_edit::dropEvent(QDropEvent* event) {
    // A drag ends over the box's visible part. A drop said to end anywhere else would
    // put the text where no line is laid out yet, which Qt's text control does not
    // survive: it is declined.
    if (!viewport()->rect().contains(event->position().toPoint())) {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        return;
    }
    const QMimeData* data = event->mimeData();
    // A text from elsewhere goes in beside the selection. Refused, the drop is declined,
    // so that a program that offered to move the text keeps it.
    if (data != nullptr && data->hasText() && !dragged_from(event->source(), this)) {
        const box_refusal why = refusal(data->text(), 0);
        if (why != box_refusal::none) {
            event->setDropAction(Qt::IgnoreAction);
            event->ignore();
            QDragLeaveEvent left; // takes the drop caret away
            QPlainTextEdit::dragLeaveEvent(&left);
            refuse(why, entry::drop);
            return;
        }
    }
    // A move inside the box takes the selection out first, so it never grows the list;
    // a copy inside it is checked where the text goes in.
    dropping_ = true;
    QPlainTextEdit::dropEvent(event);
    dropping_ = false;
}

} // namespace tolvin
