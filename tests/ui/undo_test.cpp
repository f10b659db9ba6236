// The undo and redo buttons, keys and menu entries of the list box, and which changes of
// the list make an entry of the history.
#include "ui_fixture.hpp"

#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <memory>

using namespace tolvin;

namespace {

void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void trigger_menu_entry(TOLVIN_fm& w, const char* name) {
    std::unique_ptr<QMenu> menu(w.list_context_menu());
    QAction* action = menu->findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
}

void send_input(QWidget* box, const QString& preedit, const QString& commit) {
    QInputMethodEvent event(preedit, {});
    event.setCommitString(commit);
    QApplication::sendEvent(box, &event);
}

} // namespace

using undo_buttons = ui_fixture;

TEST_F(undo_buttons, one_typed_character_is_undone_and_redone) {
    TOLVIN_fm& w = start();
    EXPECT_FALSE(w.Command6->isEnabled());
    EXPECT_FALSE(w.Command7->isEnabled());
    QTest::keyClicks(w.Text7, QStringLiteral("a"));
    EXPECT_TRUE(w.Command6->isEnabled());
    EXPECT_FALSE(w.Command7->isEnabled());

    w.caret_pos = 1;
    click(w.Command6);
    EXPECT_TRUE(w.text7_box.text().isEmpty());
    EXPECT_EQ(w.text7_box.sel_start(), 0); // the remembered caret, clamped to the text
    EXPECT_FALSE(w.Command6->isEnabled());
    EXPECT_TRUE(w.Command7->isEnabled());

    click(w.Command7);
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("a"));
    EXPECT_EQ(w.text7_box.sel_start(), 1);
    EXPECT_TRUE(w.Command6->isEnabled());
    EXPECT_FALSE(w.Command7->isEnabled());
    // Neither click made an entry of its own.
    EXPECT_EQ(w.undo_history.undo_newest(), 1);
    EXPECT_EQ(w.busy_flag, 0);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(undo_buttons, the_help_text_is_the_first_entry_and_undo_empties_the_list) {
    auto keys = valid_store();
    keys["help_comment_flag"] = "1";
    write_store(keys);
    TOLVIN_fm& w = start();
    EXPECT_EQ(w.undo_history.undo_pos(), 1);
    EXPECT_TRUE(w.Command6->isEnabled());
    click(w.Command6);
    EXPECT_TRUE(w.text7_box.text().isEmpty());
    EXPECT_FALSE(w.Command6->isEnabled());
}

// Each way of changing the list makes exactly one entry, and one undo brings back the
// list as it was; copying, expanding URLs and composing with an input method make none.
struct store_case {
    const char* name;
    std::function<void(TOLVIN_fm&)> act;
    int entries;
};

void PrintTo(const store_case& c, std::ostream* os) {
    *os << c.name;
}

class list_stores : public ui_fixture, public testing::WithParamInterface<store_case> {};

TEST_P(list_stores, make_their_entries) {
    TOLVIN_fm& w = start();
    const QString before = QStringLiteral("ab\r\ncd\r\nef");
    w.text7_box.set_text(before);
    w.text7_box.set_selection(1, 5);
    QGuiApplication::clipboard()->setText(QStringLiteral("P"));
    const std::int32_t newest = w.undo_history.undo_newest();

    GetParam().act(w);
    settle();
    EXPECT_EQ(w.undo_history.undo_newest(), newest + GetParam().entries);
    if (GetParam().entries == 1) {
        EXPECT_NE(w.text7_box.text(), before);
        click(w.Command6);
        EXPECT_EQ(w.text7_box.text(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    table, list_stores,
    testing::Values(
        store_case{"guarded_store", [](TOLVIN_fm& w) { w.set_list_text(QStringLiteral("x\r\ny")); }, 1},
        store_case{"typed_over_selection", [](TOLVIN_fm& w) { QTest::keyClick(w.Text7, Qt::Key_Q); }, 1},
        store_case{"backspace", [](TOLVIN_fm& w) { QTest::keyClick(w.Text7, Qt::Key_Backspace); }, 1},
        store_case{"enter", [](TOLVIN_fm& w) { QTest::keyClick(w.Text7, Qt::Key_Return); }, 1},
        store_case{"inserted", [](TOLVIN_fm& w) { w.Text7->insertPlainText(QStringLiteral("ins")); }, 1},
        store_case{"clear_button", [](TOLVIN_fm& w) { click(w.Command14); }, 1},
        store_case{"cut_button", [](TOLVIN_fm& w) { click(w.Command20); }, 1},
        store_case{"paste_button", [](TOLVIN_fm& w) { click(w.Command19); }, 1},
        store_case{"widget_clear", [](TOLVIN_fm& w) { w.Text7->clear(); }, 1},
        store_case{"menu_cut", [](TOLVIN_fm& w) { trigger_menu_entry(w, "edit-cut"); }, 1},
        store_case{"menu_paste", [](TOLVIN_fm& w) { trigger_menu_entry(w, "edit-paste"); }, 1},
        store_case{"menu_delete", [](TOLVIN_fm& w) { trigger_menu_entry(w, "edit-delete"); }, 1},
        store_case{"ctrl_v", [](TOLVIN_fm& w) { QTest::keyClick(w.Text7, Qt::Key_V, Qt::ControlModifier); },
                   1},
        store_case{"input_method_commit",
                   [](TOLVIN_fm& w) { send_input(w.Text7, {}, QStringLiteral("仮名")); }, 1},
        store_case{"input_method_composing",
                   [](TOLVIN_fm& w) {
                       w.text7_box.set_selection(2);
                       send_input(w.Text7, QStringLiteral("か"), {});
                       send_input(w.Text7, QStringLiteral("かな"), {});
                       send_input(w.Text7, {}, {});
                   },
                   0},
        store_case{"input_method_composing_over_selection",
                   [](TOLVIN_fm& w) {
                       send_input(w.Text7, QStringLiteral("か"), {});
                       send_input(w.Text7, QStringLiteral("かな"), {});
                   },
                   1},
        store_case{"copy_button", [](TOLVIN_fm& w) { click(w.Command17); }, 0},
        store_case{"select_all", [](TOLVIN_fm& w) { trigger_menu_entry(w, "select-all"); }, 0},
        store_case{"url_expansion", [](TOLVIN_fm& w) { click(w.Command16); }, 0}),
    [](const testing::TestParamInfo<store_case>& info) { return info.param.name; });

TEST_F(undo_buttons, keys_and_menu_entries_do_what_the_buttons_do) {
    TOLVIN_fm& w = start();
    QTest::keyClicks(w.Text7, QStringLiteral("ab"));
    QTest::keyClick(w.Text7, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("a"));
    QTest::keyClick(w.Text7, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(w.text7_box.text().isEmpty());
    QTest::keyClick(w.Text7, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("a"));
    QTest::keyClick(w.Text7, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("ab"));
    EXPECT_EQ(w.undo_history.undo_newest(), 2);

    std::unique_ptr<QMenu> menu(w.list_context_menu());
    EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("edit-undo"))->isEnabled());
    EXPECT_FALSE(menu->findChild<QAction*>(QStringLiteral("edit-redo"))->isEnabled());
    trigger_menu_entry(w, "edit-undo");
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("a"));
    trigger_menu_entry(w, "edit-redo");
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("ab"));
    EXPECT_EQ(w.undo_history.undo_newest(), 2);
}

TEST_F(undo_buttons, clicks_and_keys_while_busy_change_nothing) {
    TOLVIN_fm& w = start();
    QTest::keyClicks(w.Text7, QStringLiteral("ab"));
    click(w.Command6);
    w.busy_flag = 1;
    w.Command6_Click();
    w.Command7_Click();
    QTest::keyClick(w.Text7, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("a"));
    EXPECT_EQ(w.undo_history.undo_pos(), 1);
    EXPECT_EQ(w.busy_flag, 1);
}

TEST_F(undo_buttons, an_entry_past_the_limit_is_refused_while_the_position_moves) {
    TOLVIN_fm& w = start();
    // Typing and the box's own paste are not limited.
    w.Text7->insertPlainText(QString(65536, QChar(u'x')));
    w.Text7->selectAll();
    QTest::keyClick(w.Text7, Qt::Key_Y);
    ASSERT_EQ(w.undo_history.undo_pos(), 2);

    click(w.Command6);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.startsWith(QStringLiteral("編集可能文字数")));
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("y"));
    EXPECT_EQ(w.undo_history.undo_pos(), 1);
    EXPECT_TRUE(w.Command6->isEnabled());
    EXPECT_TRUE(w.Command7->isEnabled());

    click(w.Command6); // past it, to the empty start
    EXPECT_TRUE(w.text7_box.text().isEmpty());
    EXPECT_EQ(services.messages.size(), 1u);
}
