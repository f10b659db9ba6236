// The main window as a user meets it: start-up state, the clipboard and clear
// buttons, the capacity limit, layout on resize, and what closing writes.
#include "ui_fixture.hpp"

#include "ui/twips.hpp"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace tolvin;

namespace {

QString accessible_name(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

QString clipboard() {
    return QGuiApplication::clipboard()->text();
}

} // namespace

using main_window = ui_fixture;

TEST_F(main_window, first_start_takes_defaults_and_shows_no_help_text) {
    write_store({{"first_flag", "0"}}); // every other key absent: the defaults
    // As the main window stands behind the greeting, before the demonstration.
    services.modal_answer = [this](QDialog& greeting) {
        TOLVIN_fm& w = *fm;
        EXPECT_EQ(w.windowTitle(), QStringLiteral("TOLVIN ダウンロードリスト作成 編集 SOFT"));
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.Combo3->currentText(), QStringLiteral("http://"));
        EXPECT_EQ(w.Combo1->currentText(), QStringLiteral("最後"));
        EXPECT_EQ(w.Combo2->currentText(), QStringLiteral("最後"));
        EXPECT_TRUE(w.Text1->text().isEmpty());
        EXPECT_TRUE(w.text7_box.text().isEmpty());
        EXPECT_EQ(w.settings.first_flag, 0);
        EXPECT_EQ(w.settings.comment_flag, 1);
        EXPECT_EQ(w.settings.help_comment_flag, 1);
        // Start states of the buttons.
        EXPECT_FALSE(w.Command8->isEnabled());
        EXPECT_FALSE(w.Command6->isEnabled());
        EXPECT_FALSE(w.Command7->isEnabled());
        EXPECT_TRUE(w.Command3->isEnabled());
        EXPECT_TRUE(w.Command11->isHidden());
        EXPECT_FALSE(w.Timer1->isActive());
        EXPECT_EQ(w.Timer1->interval(), 2000);
        EXPECT_EQ(w.Command16->toolTip(), w.Label7->toolTip());
        EXPECT_TRUE(services.messages.empty());
        greeting.accept();
    };
    start();
    EXPECT_EQ(services.modal_windows, 1);
}

TEST_F(main_window, later_start_restores_fields_and_help_text_follows_its_switch) {
    auto keys = valid_store();
    keys["help_comment_flag"] = "1";
    write_store(keys);
    TOLVIN_fm& w = start();
    EXPECT_EQ(w.Combo3->currentText(), QStringLiteral("jpg"));
    EXPECT_EQ(w.Text4->text(), QStringLiteral("000"));
    EXPECT_EQ(w.Text6->text(), QStringLiteral("d"));
    EXPECT_TRUE(shown_from_start(w));
    EXPECT_EQ(w.text7_box.text(), TOLVIN_fm::help_text());
    EXPECT_TRUE(w.text7_box.text().startsWith(QStringLiteral("\r\n1. 右上の[？]ボタンで")));
    EXPECT_FALSE(w.text7_box.text().endsWith(QStringLiteral("\r\n")));

    keys["help_comment_flag"] = "0";
    write_store(keys);
    TOLVIN_fm& again = start();
    EXPECT_TRUE(again.text7_box.text().isEmpty());
}

TEST_F(main_window, controls_carry_their_names_tips_and_accessible_names) {
    TOLVIN_fm& w = start();
    for (const char* name : {"Text7", "Command16", "Combo3", "Frame2", "Frame3", "Frame6", "Picture1",
                             "Picture2", "Command14", "Label7", "Text6"})
        EXPECT_NE(w.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(
        w.Command17->toolTip(),
        QStringLiteral("選択範囲があればその部分をコピーします 選択範囲が無ければすべてをコピーします"));
    EXPECT_EQ(w.Text5->toolTip(), QStringLiteral("最後の数字を入力します　(たとえば、[015] など)"));
    EXPECT_EQ(accessible_name(w.Command13), QStringLiteral("検索してリストを作る"));
    w.Command15->setText(QStringLiteral("あ"));
    EXPECT_EQ(accessible_name(w.Command15), QStringLiteral("あ")); // follows the caption
    EXPECT_FALSE(accessible_name(w.Command14).isEmpty());          // image button
    EXPECT_FALSE(accessible_name(w.Text6).isEmpty());              // input field
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.Command14)->text(QAccessible::Description),
              w.Command14->toolTip());
    EXPECT_FALSE(w.Command14->icon().isNull());
}

TEST_F(main_window, copy_puts_selection_or_whole_list_with_platform_line_breaks) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("ab\r\ncd\r\nef"));
    QTest::mouseClick(w.Command17, Qt::LeftButton);
    EXPECT_EQ(clipboard(), QStringLiteral("ab\ncd\nef"));

    w.text7_box.set_selection(1, 5); // "b\r\ncd"
    QTest::mouseClick(w.Command17, Qt::LeftButton);
    EXPECT_EQ(clipboard(), QStringLiteral("b\ncd"));

    w.text7_box.set_text(QString());
    QTest::mouseClick(w.Command17, Qt::LeftButton);
    EXPECT_TRUE(clipboard().isEmpty());
}

TEST_F(main_window, cut_takes_the_selection_out_and_leaves_the_caret_at_its_start) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("ab\r\ncd\r\nef"));
    w.text7_box.set_selection(1, 5);
    QTest::mouseClick(w.Command20, Qt::LeftButton);
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("a\r\nef"));
    EXPECT_EQ(w.text7_box.sel_start(), 1);
    EXPECT_EQ(w.text7_box.sel_length(), 0);
    EXPECT_EQ(clipboard(), QStringLiteral("b\ncd"));

    // Without a selection nothing happens, and the clipboard keeps what it held.
    QTest::mouseClick(w.Command20, Qt::LeftButton);
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("a\r\nef"));
    EXPECT_EQ(clipboard(), QStringLiteral("b\ncd"));

    // A selection over the whole list empties it.
    w.text7_box.set_selection(0, w.text7_box.length());
    QTest::mouseClick(w.Command20, Qt::LeftButton);
    EXPECT_TRUE(w.text7_box.text().isEmpty());
    EXPECT_EQ(clipboard(), QStringLiteral("a\nef"));
}

TEST_F(main_window, paste_replaces_the_selection_and_brings_line_breaks_to_crlf) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("ab\r\ncd"));
    QGuiApplication::clipboard()->setText(QStringLiteral("1\n2\r3\r\n"));
    w.text7_box.set_selection(1, 3); // "b\r\n"
    QTest::mouseClick(w.Command19, Qt::LeftButton);
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("a1\r\n2\r\n3\r\ncd"));
    EXPECT_EQ(w.text7_box.sel_start(), 1 + 9);

    // Without a selection it inserts at the caret.
    w.text7_box.set_selection(0);
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    QTest::mouseClick(w.Command19, Qt::LeftButton);
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("xa1\r\n2\r\n3\r\ncd"));
    EXPECT_EQ(w.text7_box.sel_start(), 1);

    // An empty clipboard does nothing.
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(w.Command19, Qt::LeftButton);
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("xa1\r\n2\r\n3\r\ncd"));
}

TEST_F(main_window, paste_past_the_limit_shows_the_message_and_changes_nothing) {
    TOLVIN_fm& w = start();
    const QString list = QString(65530, QLatin1Char('a'));
    w.text7_box.set_text(list);
    w.text7_box.set_selection(10, 2);
    int changes = 0;
    QObject::connect(w.Text7, &QPlainTextEdit::textChanged, [&] { ++changes; });
    QGuiApplication::clipboard()->setText(
        QStringLiteral("12345\n6")); // 8 characters as list text: one too many
    QTest::mouseClick(w.Command19, Qt::LeftButton);

    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, QStringLiteral("この操作は、表示できません！"));
    EXPECT_TRUE(services.messages[0].text.startsWith(QStringLiteral("編集可能文字数を超えてしまうため")));
    EXPECT_EQ(services.messages[0].icon, message_icon::none);
    EXPECT_EQ(w.text7_box.text(), list);
    EXPECT_EQ(w.text7_box.sel_start(), 10);
    EXPECT_EQ(w.text7_box.sel_length(), 2);
    EXPECT_EQ(changes, 0);

    // One character less fits exactly.
    QGuiApplication::clipboard()->setText(QStringLiteral("1234\n6"));
    QTest::mouseClick(w.Command19, Qt::LeftButton);
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(w.text7_box.length(), 65535);
}

TEST_F(main_window, guarded_stores_count_crlf_as_two_and_refuse_65536) {
    TOLVIN_fm& w = start();
    EXPECT_EQ(w.set_list_text(QString(65535, QLatin1Char('x'))), 0);
    EXPECT_EQ(w.text7_box.length(), 65535);
    EXPECT_EQ(
        w.set_list_text(QString(65533, QLatin1Char('y')) + QStringLiteral("\r\n") + QStringLiteral("z")), 1);
    EXPECT_EQ(w.text7_box.text(), QString(65535, QLatin1Char('x')));
    EXPECT_EQ(w.set_list_text(QString()), 0);
    EXPECT_TRUE(w.text7_box.text().isEmpty());
    ASSERT_EQ(services.messages.size(), 1u);

    EXPECT_EQ(w.set_result_text(QString(65536, QLatin1Char('x'))), 1);
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_TRUE(services.messages[1].text.startsWith(QStringLiteral("リストアップ可能文字数")));
    EXPECT_TRUE(w.result_window_loaded());
    EXPECT_FALSE(w.result_window().isVisible());
}

TEST_F(main_window, clear_empties_the_list_and_keeps_the_clipboard) {
    TOLVIN_fm& w = start();
    QGuiApplication::clipboard()->setText(QStringLiteral("keep"));
    w.text7_box.set_text(QStringLiteral("a\r\nb"));
    QTest::mouseClick(w.Command14, Qt::LeftButton);
    EXPECT_TRUE(w.text7_box.text().isEmpty());
    EXPECT_EQ(clipboard(), QStringLiteral("keep"));
}

TEST_F(main_window, caret_is_remembered_on_key_release_and_restored_within_the_text) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("ab\r\ncdef"));
    w.Text7->setFocus();
    w.text7_box.set_selection(0);
    QTest::keyClick(w.Text7, Qt::Key_Down);
    QTest::keyClick(w.Text7, Qt::Key_Right);
    EXPECT_EQ(w.caret_pos, 5);

    w.caret_pos = 10;
    w.text7_box.set_text(QStringLiteral("abcd"));
    w.restore_caret();
    EXPECT_EQ(w.text7_box.sel_start(), 4);
    w.caret_pos = 0;
    w.text7_box.set_selection(1, 2);
    w.restore_caret();
    EXPECT_EQ(w.text7_box.sel_start(), 0);
    EXPECT_EQ(w.text7_box.sel_length(), 0);
}

TEST_F(main_window, a_text_the_box_cannot_keep_is_refused_with_its_own_message) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("keep"));
    const QString marked = QStringLiteral("a") + QChar(0xFDD0) + QStringLiteral("b");
    EXPECT_EQ(w.set_list_text(marked), 1);
    EXPECT_EQ(w.set_result_text(marked + QChar(0xFDD1)), 1);
    w.Combo3->setEditText(marked);
    QTest::mouseClick(w.Command13, Qt::LeftButton); // a search no list can answer
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("keep"));
    ASSERT_EQ(services.messages.size(), 3u);
    for (const recorded_message& m : services.messages)
        EXPECT_EQ(m.title, QStringLiteral("この文字は、リストに入れられません！"));
}
