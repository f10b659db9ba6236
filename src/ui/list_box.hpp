// Speaks list text to a QPlainTextEdit: CR LF between lines, counted as two
// characters in every length and position, whatever the widget keeps inside.
#pragma once

#include "core/list_text.hpp"

#include <QPlainTextEdit>
#include <QString>
#include <QStringView>
#include <functional>

namespace tolvin {

class list_box {
  public:
    // Turns the widget's own undo stack off; the window keeps its own history.
    explicit list_box(QPlainTextEdit* edit);

    QPlainTextEdit* widget() const { return edit_; }

    // The whole text, lines joined by CR LF.
    QString text() const;
    // Length of text() without building it.
    qsizetype length() const;
    // Replaces the whole text; lone CR and LF in `text` become CR LF (text() gives the
    // text back exactly so, see can_hold). Fires the widget's textChanged once,
    // synchronously, and leaves the caret at 0.
    void set_text(const QString& text);

    // False when the widget cannot keep `text` as set_text would give it back: the
    // text holds U+FDD0 or U+FDD1, which the widget's document turns into line breaks.
    // A store that must keep the text exactly refuses such a text instead.
    static bool can_hold(QStringView text);

    // Selection in list-text positions: start (the lower end) and length.
    qsizetype sel_start() const;
    qsizetype sel_length() const;
    QString sel_text() const;
    // Selects `length` characters from `start` (clamped to the text); the caret ends at
    // the far end. A length of 0 or less puts the caret at `start`. An end inside a
    // CR LF is moved to that line's end.
    void set_selection(qsizetype start, qsizetype length = 0);

    // Position mapping between list text and widget (the widget counts a line break
    // as one character). A list position inside a CR LF maps to that line's end.
    qsizetype to_widget_pos(qsizetype list_pos) const;
    qsizetype to_list_pos(qsizetype widget_pos) const;

  private:
    QPlainTextEdit* edit_;
};

// The list box's widget. What the user brings in by hand, a typed key, a paste (by
// key, menu or middle button), a dropped text or an input method's commit, goes in
// only when the list text stays within what a text box takes (refusal_for, the text it
// replaces taken out first). A refused entry leaves text, selection and caret as they
// were and is told to `on_refused`.
class list_edit : public QPlainTextEdit {
  public:
    enum class entry { key, paste, drop, input_method };

    explicit list_edit(QWidget* parent = nullptr);

    // Told of every refused entry. A drop and an input method's commit are told once
    // their event has returned, so that the program or the input method they come from
    // is not kept waiting on a message.
    std::function<void(box_refusal, entry)> on_refused;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // The refusal for `inserted` taking the place of `replaced` characters of the list.
    box_refusal refusal(QStringView inserted, qsizetype replaced) const;
    void refuse(box_refusal why, entry way);

    list_box box_{this};
    bool dropping_ = false;
};

} // namespace tolvin
