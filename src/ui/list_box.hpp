// Speaks list text to a QPlainTextEdit: CR LF between lines, counted as two
// characters in every length and position, whatever the widget keeps inside.
#pragma once

#include <QString>
#include <QStringView>

class QPlainTextEdit;

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

} // namespace tolvin
