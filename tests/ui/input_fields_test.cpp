// The one-line input fields of the main and options windows: Ctrl+Z undoes typing as
// Qt's own fields do, while what their undo history holds stays bounded.
#include "ui_fixture.hpp"

#include "ui/field_history.hpp"
#include "ui/option_fm.hpp"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <functional>
#include <vector>

using namespace tolvin;

namespace {

class input_fields : public ui_fixture {
  protected:
    std::vector<QLineEdit*> all_fields() {
        TOLVIN_fm& w = start();
        QTest::mouseClick(w.Command18, Qt::LeftButton);
        settle();
        QLineEdit* options_combo = w.options_window()->Combo1->lineEdit();
        return {w.Text1, w.Text2, w.Text3, w.Text4, w.Text5, w.Text6, w.Combo3->lineEdit(), options_combo};
    }
};

std::string name_of(QLineEdit* f) {
    return (f->objectName().isEmpty() ? f->parentWidget() : f)->objectName().toStdString();
}

// Ctrl+Z twice after typing a character: once for the character, once more for whatever
// the history held before it.
void type_and_undo_twice(QLineEdit* f) {
    QTest::keyClick(f, Qt::Key_End);
    QTest::keyClicks(f, QStringLiteral("x"));
    QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier);
}

const QString long_text(3 * field_history_bound, QLatin1Char('p'));

// Ways a long text comes into a field, done alike to the window's field and to a plain
// QLineEdit of the same size.
struct long_insertion {
    const char* name;
    std::function<void(QLineEdit&)> prepare, insert;
};

void drop_at_end(QLineEdit& f) {
    QMimeData data;
    data.setText(long_text);
    const QPoint at(f.width() - 3, f.height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f, &enter); // as a drag comes before its drop
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&f, &drop);
}

void paste_from_menu(QLineEdit& f) {
    QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(2, 2), f.mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(&f, &open);
    QWidget* menu = QApplication::activePopupWidget();
    for (QAction* a : menu->actions())
        if (a->text().startsWith(QLineEdit::tr("&Paste")))
            a->trigger();
    menu->close();
}

} // namespace

TEST_F(input_fields, undo_typing_and_begin_their_history_again_past_the_bound_keeping_what_is_seen) {
    const QString chunk(field_history_bound / 2, QLatin1Char('q'));
    QGuiApplication::clipboard()->setText(chunk);
    for (QLineEdit* f : all_fields()) {
        SCOPED_TRACE(name_of(f));
        // Within the bound typing undoes and redoes as in any Qt field.
        f->setText(QStringLiteral("ab"));
        f->setFocus();
        QTest::keyClicks(f, QStringLiteral("cd"));
        QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(f->text(), QStringLiteral("ab"));
        QTest::keyClick(f, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(f->text(), QStringLiteral("abcd"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
        f->setSelection(4, -2); // the cursor at the start of the selection
        int signals_given = 0;
        const QMetaObject::Connection watched[] = {
            QObject::connect(f, &QLineEdit::textChanged, [&] { ++signals_given; }),
            QObject::connect(f, &QLineEdit::cursorPositionChanged, [&] { ++signals_given; }),
            QObject::connect(f, &QLineEdit::selectionChanged, [&] { ++signals_given; })};
        settle();
        for (const QMetaObject::Connection& c : watched)
            QObject::disconnect(c);
        const QString pasted = QStringLiteral("abcd") + chunk + chunk + chunk;
        EXPECT_TRUE(f->text() == pasted);
        EXPECT_EQ(f->cursorPosition(), 2);
        EXPECT_EQ(f->selectedText(), QStringLiteral("cd"));
        EXPECT_TRUE(f->isModified());
        EXPECT_EQ(signals_given, 0);
        type_and_undo_twice(f);
        EXPECT_TRUE(f->text() == pasted);
    }
}

TEST_F(input_fields, take_a_long_text_as_qt_does_without_a_history_of_it) {
    const auto select_bc = [](QLineEdit& f) { f.setSelection(1, 2); };
    const auto cursor_after_a = [](QLineEdit& f) { f.setCursorPosition(1); };
    const auto paste_by_key = [](QLineEdit& f) { QTest::keyClick(&f, Qt::Key_V, Qt::ControlModifier); };
    const long_insertion cases[] = {
        {"key_over_selection", select_bc, paste_by_key},
        {"menu_at_cursor", cursor_after_a, paste_from_menu},
        {"drop_at_end", cursor_after_a, drop_at_end},
        {"key_cut_at_maximum_length", [](QLineEdit& f) { f.setMaxLength(field_history_bound + 10); },
         paste_by_key},
    };
    QGuiApplication::clipboard()->setText(long_text);
    for (QLineEdit* f : all_fields()) {
        for (const long_insertion& c : cases) {
            SCOPED_TRACE(name_of(f) + " " + c.name);
            QLineEdit plain;
            plain.setFont(f->font());
            plain.resize(f->size());
            const int max_length = f->maxLength();
            for (QLineEdit* e : {f, &plain}) {
                e->setText(QStringLiteral("abcd"));
                e->setFocus();
                c.prepare(*e);
                c.insert(*e);
            }
            EXPECT_TRUE(f->text() == plain.text());
            EXPECT_EQ(f->cursorPosition(), plain.cursorPosition());
            EXPECT_EQ(f->selectionStart(), plain.selectionStart());
            EXPECT_EQ(f->selectionLength(), plain.selectionLength());
            EXPECT_TRUE(f->isModified());
            const QString inserted = f->text();
            type_and_undo_twice(f);
            EXPECT_TRUE(f->text() == inserted);
            f->setMaxLength(max_length);
        }
    }
}
