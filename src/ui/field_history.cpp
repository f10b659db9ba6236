#include "ui/field_history.hpp"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace tolvin {

namespace {

// Characters an edit turned `before` into `after` by: those removed and those inserted
// between the parts both share at their start and end. Qt's history holds one entry
// for each of them.
qsizetype changed_characters(const QString& before, const QString& after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return before.size() + after.size() - 2 * (head + tail);
}

// Counts what the user's edits (typing, pasting, dropping, undoing) changed since the
// history last began; a text the program sets begins it anew, as setText does. The
// history is begun again from the event loop, never from inside the field's own change
// signal, and not while an input method is composing, which setText would cut short.
//
// Qt never gives back the room its history once took, so a text longer than the bound
// that is pasted or dropped in is put in without one entry per character: the field
// ends as Qt's own paste or drop leaves it, and its history begins there.
class history_bound final : public QObject {
  public:
    explicit history_bound(QLineEdit* field) : QObject(field), field_(field), last_(field->text()) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this](const QString& text) { edited(text); });
        connect(field, &QLineEdit::textChanged, this, [this](const QString& text) {
            if (text != last_) {
                gathered_ = 0;
                last_ = text;
            }
        });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != field_)
            return false;
        switch (event->type()) {
        case QEvent::InputMethod:
            composing_ = !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty();
            return false;
        case QEvent::KeyPress:
            return static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
                   insert_long(QGuiApplication::clipboard()->text());
        case QEvent::MouseButtonRelease:
            return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton && middle_paste();
        case QEvent::Drop:
            return dropped(static_cast<QDropEvent*>(event));
        case QEvent::ContextMenu:
            show_menu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        default:
            return false;
        }
    }

  private:
    void edited(const QString& text) {
        gathered_ += changed_characters(last_, text);
        last_ = text;
        if (gathered_ > field_history_bound && !restart_queued_) {
            restart_queued_ = true;
            QMetaObject::invokeMethod(
                this, [this] { restart(); }, Qt::QueuedConnection);
        }
    }

    // setText of the text the field already holds clears the history and changes
    // nothing else that is kept here; the signals it would give about the cursor are
    // held back, the cursor ending where it was.
    void restart() {
        restart_queued_ = false;
        if (gathered_ <= field_history_bound || composing_)
            return; // begun anew meanwhile, or waiting for the composed text
        const int cursor = field_->cursorPosition();
        const int selection_start = field_->selectionStart();
        const int selection_length = field_->selectionLength();
        const bool modified = field_->isModified();
        {
            const QSignalBlocker quiet(field_);
            field_->setText(field_->text());
            if (selection_length == 0)
                field_->setCursorPosition(cursor);
            else if (cursor == selection_start)
                field_->setSelection(selection_start + selection_length, -selection_length);
            else
                field_->setSelection(selection_start, selection_length);
            field_->setModified(modified);
        }
        gathered_ = 0;
    }

    // Puts `text` in place of the selection or at the cursor, as far as the field's
    // maximum length leaves room, with the cursor after it, as Qt's own insertion
    // does. False, changing nothing, for a text within the bound.
    bool insert_long(const QString& text) {
        if (text.size() <= field_history_bound || field_->isReadOnly())
            return false;
        QString content = field_->text();
        const int removed = field_->selectionLength();
        const int at = removed > 0 ? field_->selectionStart() : field_->cursorPosition();
        const qsizetype room = std::max<qsizetype>(0, field_->maxLength() - (content.size() - removed));
        const qsizetype added = std::min(room, text.size());
        content.replace(at, removed, text.first(added));
        field_->setText(content);
        field_->setCursorPosition(static_cast<int>(at + added));
        field_->setModified(true);
        return true;
    }

    // The middle button pastes the desktop's selection at the cursor its press has put,
    // the field's own selection given up first, as Qt does.
    bool middle_paste() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (!clipboard->supportsSelection() || field_->isReadOnly())
            return false;
        const QString text = clipboard->text(QClipboard::Selection);
        if (text.size() <= field_history_bound)
            return false;
        field_->deselect();
        return insert_long(text);
    }

    // A long text dropped from elsewhere goes in where it was dropped, the cursor after it;
    // what is dragged within the field itself is left to Qt, its length bounded by the
    // text the field already holds.
    bool dropped(QDropEvent* drop) {
        const QMimeData* data = drop->mimeData();
        if (drop->source() == field_ || !data->hasText() || data->text().size() <= field_history_bound ||
            field_->isReadOnly())
            return false;
        const int at = field_->cursorPositionAt(drop->position().toPoint());
        field_->setCursorPosition(at);
        insert_long(data->text());
        drop->acceptProposedAction();
        // The drop cursor Qt drew while the drag moved goes as a drag leaving takes it.
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(field_, &leave);
        return true;
    }

    // Qt's own menu of the field, whose paste takes a long text as the keys do. Its
    // entries have no names; the paste entry is the one with the caption Qt gives it,
    // in the same language, before the tab and the key that does the same.
    void show_menu(const QPoint& at) {
        QMenu* menu = field_->createStandardContextMenu();
        for (QAction* entry : menu->actions()) {
            if (entry->text().section(u'\t', 0, 0) != QLineEdit::tr("&Paste"))
                continue;
            entry->disconnect(field_);
            connect(entry, &QAction::triggered, field_, [this] {
                if (!insert_long(QGuiApplication::clipboard()->text()))
                    field_->paste();
            });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(at);
    }

    QLineEdit* field_;
    QString last_;
    qsizetype gathered_ = 0;
    bool composing_ = false;
    bool restart_queued_ = false;
};

} // namespace

void bound_undo_history(QLineEdit* field) {
    new history_bound(field);
}

} // namespace tolvin
