// Every way the user brings text into the list box keeps the list within 65,535
// characters and refuses what the box cannot hold, changing nothing.
#include "ui_fixture.hpp"

#include "core/list_text.hpp"
#include "files/u16_text.hpp"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>
#include <memory>

using namespace tolvin;

namespace {

enum class way { type, ctrl_v, menu_paste, drop, input_method };
enum class answer { stored, silent, limit, marker };

struct entry_row {
    const char* name;
    way by;
    qsizetype list_length; // of a list of x
    qsizetype selected;    // selected at the list's start
    QString text;
    answer expected;
};

void PrintTo(const entry_row& r, std::ostream* os) {
    *os << r.name;
}

void bring_in(TOLVIN_fm& w, way by, const QString& text) {
    switch (by) {
    case way::type:
        if (text == QLatin1String("\n"))
            QTest::keyClick(w.Text7, Qt::Key_Return);
        else
            QTest::keyClicks(w.Text7, text);
        break;
    case way::ctrl_v:
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(w.Text7, Qt::Key_V, Qt::ControlModifier);
        break;
    case way::menu_paste: {
        QGuiApplication::clipboard()->setText(text);
        const std::unique_ptr<QMenu> menu(w.list_context_menu());
        for (QAction* a : menu->actions())
            if (a->objectName() == QLatin1String("edit-paste"))
                a->trigger();
        break;
    }
    case way::drop: {
        QMimeData data;
        data.setText(text);
        const QPoint at(5, 5);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.Text7->viewport(), &enter);
        QDropEvent dropped(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                           Qt::NoModifier);
        QCoreApplication::sendEvent(w.Text7->viewport(), &dropped);
        break;
    }
    case way::input_method: {
        QInputMethodEvent composing(QStringLiteral("か"), {});
        QCoreApplication::sendEvent(w.Text7, &composing);
        QInputMethodEvent committed;
        committed.setCommitString(text);
        QCoreApplication::sendEvent(w.Text7, &committed);
        break;
    }
    }
}

} // namespace

class list_entry : public ui_fixture, public ::testing::WithParamInterface<entry_row> {};

TEST_P(list_entry, stays_within_the_limit_or_changes_nothing) {
    const entry_row& r = GetParam();
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QString(r.list_length, QLatin1Char('x')));
    w.Text7->setFocus();
    w.text7_box.set_selection(0, r.selected);
    const QString before = w.text7_box.text();
    const std::int32_t newest = w.undo_history.undo_newest();

    bring_in(w, r.by, r.text);
    settle();

    if (r.expected == answer::stored) {
        EXPECT_EQ(w.text7_box.length(), list_limit);
        EXPECT_NE(w.undo_history.undo_newest(), newest);
        EXPECT_TRUE(services.messages.empty());
        return;
    }
    EXPECT_EQ(w.text7_box.text(), before);
    EXPECT_EQ(w.text7_box.sel_start(), 0);
    EXPECT_EQ(w.text7_box.sel_length(), r.selected);
    EXPECT_EQ(w.undo_history.undo_newest(), newest);
    EXPECT_TRUE(w.text7_box.widget()->textCursor().block().layout()->preeditAreaText().isEmpty());
    if (r.expected == answer::silent) {
        EXPECT_TRUE(services.messages.empty());
        return;
    }
    ASSERT_EQ(services.messages.size(), 1u);
    const bool limit = r.expected == answer::limit;
    EXPECT_EQ(services.messages[0].title,
              qstring_from_u16(limit ? limit_message_title : marker_message_title));
    EXPECT_EQ(services.messages[0].text,
              limit ? qstring_from_u16(limit_message_text(0)) : qstring_from_u16(marker_message_text));
}

INSTANTIATE_TEST_SUITE_P(
    rows, list_entry,
    ::testing::Values(entry_row{"type_the_last_character", way::type, 65534, 0, "b", answer::stored},
                      entry_row{"type_at_the_limit", way::type, 65535, 0, "b", answer::silent},
                      entry_row{"type_over_a_selection", way::type, 65535, 1, "b", answer::stored},
                      entry_row{"return_counts_two", way::type, 65534, 0, "\n", answer::silent},
                      entry_row{"ctrl_v_fills", way::ctrl_v, 65531, 0, "1\n2", answer::stored},
                      entry_row{"ctrl_v_past", way::ctrl_v, 65532, 0, "1\n2", answer::limit},
                      entry_row{"menu_paste_over_a_selection", way::menu_paste, 65532, 1, "1\n2",
                                answer::stored},
                      entry_row{"menu_paste_past", way::menu_paste, 65532, 0, "1\n2", answer::limit},
                      entry_row{"drop_fills", way::drop, 65531, 0, "1\r2", answer::stored},
                      entry_row{"drop_beside_a_selection_past", way::drop, 65532, 2, "1\r2", answer::limit},
                      entry_row{"commit_fills", way::input_method, 65533, 0, "かな", answer::stored},
                      entry_row{"commit_past", way::input_method, 65534, 0, "かな", answer::limit},
                      entry_row{"ctrl_v_marker", way::ctrl_v, 3, 0, "a\uFDD0", answer::marker},
                      entry_row{"drop_marker", way::drop, 3, 0, "\uFDD1", answer::marker},
                      entry_row{"commit_marker", way::input_method, 3, 0, "\uFDD0", answer::marker}),
    [](const auto& info) { return std::string(info.param.name); });

using list_entry_undo = ui_fixture;

// A page source pasted by key used to go in whole; undo past a clear then met it, too
// long to show, and the list was lost for good.
TEST_F(list_entry_undo, a_refused_paste_leaves_undo_nothing_it_cannot_show) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("keep"));
    w.Text7->setFocus();
    QGuiApplication::clipboard()->setText(QString(132000, QLatin1Char('p')));
    QTest::keyClick(w.Text7, Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(w.Command14, Qt::LeftButton);
    QTest::mouseClick(w.Command6, Qt::LeftButton);
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("keep"));
    EXPECT_EQ(services.messages.size(), 1u); // the paste's, none from undo
}
