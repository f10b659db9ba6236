#include "ui/field_history.hpp"

#include <QEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
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
        if (watched == field_ && event->type() == QEvent::InputMethod)
            composing_ = !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty();
        return false;
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
        const QString text = field_->text();
        const int cursor = field_->cursorPosition();
        const int selection_start = field_->selectionStart();
        const int selection_length = field_->selectionLength();
        const bool modified = field_->isModified();
        {
            const QSignalBlocker quiet(field_);
            field_->setText(text);
            if (selection_length == 0)
                field_->setCursorPosition(cursor);
            else if (cursor == selection_start)
                field_->setSelection(selection_start + selection_length, -selection_length);
            else
                field_->setSelection(selection_start, selection_length);
            field_->setModified(modified);
        }
        gathered_ = 0;
        last_ = text;
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
