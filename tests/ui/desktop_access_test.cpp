// The main window for keyboard and screen-reader users and for drag and drop: what the
// accessibility tree tells of every window, the shortcut keys, the Tab order, and files
// and texts dropped on the list box.
#include "ui_fixture.hpp"

#include "ui/option_fm.hpp"
#include "ui/qt_platform_services.hpp"
#include "ui/verjo.hpp"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

using namespace tolvin;

namespace {

using access_test = ui_fixture;

// Checks a window's role and name, and that every control in it has a name and its
// tool tip as description (`own` windows: a tool tip on every control).
void check_window(QWidget* window, QAccessible::Role role, bool own) {
    SCOPED_TRACE(window->objectName().toStdString());
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
    EXPECT_EQ(iface->role(), role);
    EXPECT_EQ(iface->text(QAccessible::Name), window->windowTitle());
    std::vector<QAccessibleInterface*> pending{iface};
    int controls = 0;
    while (!pending.empty()) {
        QAccessibleInterface* node = pending.back();
        pending.pop_back();
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* c = node->child(i);
            const QAccessible::Role r = c->role();
            if (r != QAccessible::PushButton && r != QAccessible::EditableText &&
                r != QAccessible::ComboBox && r != QAccessible::CheckBox) {
                pending.push_back(c); // a frame or a label: look inside
                continue;
            }
            const auto* w = static_cast<QWidget*>(c->object());
            SCOPED_TRACE(w->objectName().toStdString());
            ++controls;
            EXPECT_FALSE(c->text(QAccessible::Name).isEmpty());
            EXPECT_EQ(c->text(QAccessible::Description), w->toolTip());
            EXPECT_TRUE(!own || !w->toolTip().isEmpty());
        }
    }
    EXPECT_GT(controls, 0);
}

TEST_F(access_test, every_window_tells_its_role_and_every_control_its_name_and_tip) {
    TOLVIN_fm& w = start();
    check_window(&w, QAccessible::Window, true);
    check_window(&w.result_window(), QAccessible::Window, true);
    w.Command18_Click();
    check_window(w.options_window(), QAccessible::Dialog, true);
    verjo about(w.settings, &w);
    about.Form_Load();
    check_window(&about, QAccessible::Dialog, true);
    // A message box is announced as an alert, whose text a screen reader reads at once.
    qt_platform_services real;
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        check_window(box, QAccessible::AlertMessage, false);
        box->close();
    });
    real.message_box(&w, QStringLiteral("検索結果"), QStringLiteral("検索文字は、見つかりませんでした！"),
                     message_icon::information);
}

TEST_F(access_test, the_mode_button_is_named_by_its_caption) {
    TOLVIN_fm& w = start();
    w.Command15_Click();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.Command15)->text(QAccessible::Name),
              QStringLiteral("あ"));
}

struct key_row {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::int32_t busy_flag;
};

class shortcut_test : public ui_fixture, public ::testing::WithParamInterface<key_row> {};

// Each key goes through its button's guarded handler: refused while another one runs.
TEST_P(shortcut_test, presses_its_button) {
    const key_row row = GetParam();
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("a jpg b jpg"));
    w.Combo3->setEditText(QStringLiteral("jpg"));
    w.busy_flag = row.busy_flag;
    services.dialog_answers.push_back({}); // cancels the file dialog
    QTest::keyClick(w.Text7, row.key, row.modifiers);
    const bool ran = row.busy_flag == 0;
    if (row.key == Qt::Key_F3) {
        EXPECT_EQ(w.text7_box.sel_start(), ran ? 2 : 0);
        EXPECT_EQ(w.text7_box.sel_length(), ran ? 3 : 0);
    } else {
        ASSERT_EQ(services.dialogs.size(), ran ? 1u : 0u);
        EXPECT_TRUE(!ran || services.dialogs[0].save == (row.key == Qt::Key_S));
    }
    EXPECT_EQ(w.busy_flag, row.busy_flag);
}

INSTANTIATE_TEST_SUITE_P(keys, shortcut_test,
                         ::testing::Values(key_row{"ctrl_o", Qt::Key_O, Qt::ControlModifier, 0},
                                           key_row{"ctrl_o_busy", Qt::Key_O, Qt::ControlModifier, 1},
                                           key_row{"ctrl_s", Qt::Key_S, Qt::ControlModifier, 0},
                                           key_row{"ctrl_s_busy", Qt::Key_S, Qt::ControlModifier, 1},
                                           key_row{"f3", Qt::Key_F3, Qt::NoModifier, 0},
                                           key_row{"f3_busy", Qt::Key_F3, Qt::NoModifier, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(access_test, tab_walks_the_controls_in_reading_order_and_round) {
    TOLVIN_fm& w = start();
    for (QWidget* c : {w.Command8, w.Command6, w.Command7})
        c->setEnabled(true);
    w.Command11->setVisible(true);
    const QStringList order = {"Command3",  "Command4",  "Command8",  "Command1",  "Combo3",    "Command9",
                               "Command13", "Command15", "Command10", "Command11", "Text7",     "Text1",
                               "Text2",     "Command5",  "Text3",     "Combo1",    "Text4",     "Text5",
                               "Command2",  "Combo2",    "Text6",     "Command12", "Command16", "Command6",
                               "Command7",  "Command18", "Command20", "Command17", "Command19", "Command14",
                               "Command3"};
    w.Command3->setFocus();
    QStringList walked{QApplication::focusWidget()->objectName()};
    while (walked.size() < order.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walked, order);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), w.Command14);
}

// Drags `data` over the list box and drops it; true when the drop was taken.
bool drop_on(QWidget* box, QMimeData& data, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction) {
    const QPointF at(5, 5);
    QDragEnterEvent enter(at.toPoint(), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &enter);
    QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &drop);
    ui_fixture::settle();
    return drop.isAccepted() && drop.dropAction() != Qt::MoveAction;
}

TEST_F(access_test, a_dropped_file_opens_as_a_file_chosen_with_the_open_button) {
    TOLVIN_fm& w = start();
    const QString path = dir.filePath(QStringLiteral("dropped.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x82\xa0\nb"); // Windows-31J, lines split at a lone LF
    f.close();
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.org/a.jpg")), QUrl::fromLocalFile(path)});
    data.setText(QStringLiteral("https://example.org/a.jpg"));
    // Only a drop that leaves the file where it is.
    EXPECT_FALSE(drop_on(w.Text7->viewport(), data, Qt::MoveAction));
    w.busy_flag = 1;
    EXPECT_TRUE(drop_on(w.Text7->viewport(), data));
    EXPECT_EQ(w.text7_box.text(), QString());
    w.busy_flag = 0;
    EXPECT_TRUE(drop_on(w.Text7->viewport(), data));
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("あ\r\nb\r\n"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("TOLVIN ") + path);
    EXPECT_EQ(w.settings.file_name1, path);
    EXPECT_TRUE(w.Command8->isEnabled());
    EXPECT_TRUE(services.dialogs.empty());
}

TEST_F(access_test, a_dropped_text_goes_in_with_its_line_breaks_made_crlf) {
    TOLVIN_fm& w = start();
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.org/a.jpg"))});
    data.setText(QStringLiteral("a\rb\nc\r\nhttps://example.org/a.jpg"));
    EXPECT_TRUE(drop_on(w.Text7->viewport(), data));
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("a\r\nb\r\nc\r\nhttps://example.org/a.jpg"));
    EXPECT_TRUE(w.Command6->isEnabled()); // the drop is one step of the undo history
}

} // namespace
