// The windows for screen-reader and keyboard users, and drops on the list box.
#include "ui_fixture.hpp"

#include "ui/option_fm.hpp"
#include "ui/qt_platform_services.hpp"
#include "ui/twips.hpp"
#include "ui/verjo.hpp"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QWindow>
#include <set>

using namespace tolvin;

namespace {

using access_test = ui_fixture;

// What a screen reader reads for an object: its name and the texts that label it.
QString reading(QAccessibleInterface* c) {
    QString r = c->text(QAccessible::Name);
    for (const auto& [label, relation] : c->relations(QAccessible::Label))
        r += QLatin1Char('|') + label->text(QAccessible::Name);
    return r;
}

// The window's role and name; every control and group in it read in a way of its own,
// every control named (a combo box, which Qt names by its value, by a label tied to
// it), with its tool tip as description; the program's own windows give every control
// a tool tip. Nothing inside has a role the desktop takes for a top-level window.
void check_window(QWidget* window, QAccessible::Role role, bool own) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
    EXPECT_EQ(iface->role(), role) << window->objectName().toStdString();
    EXPECT_EQ(iface->text(QAccessible::Name), window->windowTitle());
    const std::set<QAccessible::Role> controls{QAccessible::PushButton, QAccessible::EditableText,
                                               QAccessible::ComboBox, QAccessible::CheckBox};
    std::set<QString> readings;
    std::vector<QAccessibleInterface*> pending{iface};
    while (!pending.empty()) {
        QAccessibleInterface* node = pending.back();
        pending.pop_back();
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* c = node->child(i);
            const std::string name = c->object()->objectName().toStdString();
            EXPECT_TRUE(c->role() != QAccessible::Border && c->role() != QAccessible::Window) << name;
            if (c->role() == QAccessible::Grouping || controls.contains(c->role())) {
                EXPECT_TRUE(readings.insert(reading(c)).second) << name << " reads as another";
            }
            if (!controls.contains(c->role())) {
                pending.push_back(c); // a frame or a label: look inside
                continue;
            }
            const QString tip = static_cast<QWidget*>(c->object())->toolTip();
            const bool named = c->role() == QAccessible::ComboBox
                                   ? !c->relations(QAccessible::Label).isEmpty()
                                   : !c->text(QAccessible::Name).isEmpty();
            EXPECT_TRUE(named && c->text(QAccessible::Description) == tip && (!own || !tip.isEmpty()))
                << name;
        }
    }
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
    // A message box is an alert, which a screen reader reads out whole when it comes.
    QTimer::singleShot(0, [] {
        check_window(QApplication::activeModalWidget(), QAccessible::AlertMessage, false);
        QApplication::activeModalWidget()->close();
    });
    qt_platform_services().message_box(&w, QStringLiteral("検索結果"), QStringLiteral("見つかりませんでした"),
                                       message_icon::information);
}

// Run also at QT_SCALE_FACTOR 2, with all the other widget tests.
TEST_F(access_test, the_window_is_drawn_at_the_scale_factor_as_a_whole) {
    TOLVIN_fm& w = start();
    EXPECT_EQ(w.windowHandle()->devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    EXPECT_EQ(to_twips(1), 15.0); // twips per logical pixel, whatever the scale
}

TEST_F(access_test, shortcut_keys_run_their_buttons_guarded_handlers) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("a jpg b jpg"));
    w.Combo3->setEditText(QStringLiteral("jpg"));
    services.dialog_answers = {{}, {}}; // both dialogs cancelled
    for (const std::int32_t busy : {1, 0}) {
        w.busy_flag = busy;
        QTest::keyClick(w.Text7, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(w.Text7, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(w.Text7, Qt::Key_F3);
        EXPECT_EQ(services.dialogs.size(), busy == 1 ? 0u : 2u);
        EXPECT_EQ(w.text7_box.sel_start(), busy == 1 ? 0 : 2);
    }
    EXPECT_TRUE(!services.dialogs[0].save && services.dialogs[1].save);
    EXPECT_EQ(w.text7_box.sel_length(), 3);
}

TEST_F(access_test, tab_walks_the_controls_in_reading_order_and_round) {
    TOLVIN_fm& w = start();
    for (QWidget* c : {w.Command8, w.Command6, w.Command7, w.Command11})
        c->setEnabled(true), c->setVisible(true);
    const QStringList order = QStringLiteral("Command3 Command4 Command8 Command1 Combo3 Command9 Command13 "
                                             "Command15 Command10 Command11 Text7 Text1 Text2 Command5 Text3 "
                                             "Combo1 Text4 Text5 Command2 Combo2 Text6 Command12 Command16 "
                                             "Command6 Command7 Command18 Command20 Command17 Command19 "
                                             "Command14 Command3")
                                  .split(QLatin1Char(' '));
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

// Drags `data` over the list box and drops it; true when the drop was taken as a copy.
bool drop_on(TOLVIN_fm& w, QMimeData& data, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction) {
    QDragEnterEvent enter(QPoint(5, 5), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.Text7->viewport(), &enter);
    QDropEvent drop(QPointF(5, 5), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.Text7->viewport(), &drop);
    ui_fixture::settle();
    return drop.isAccepted() && drop.dropAction() != Qt::MoveAction;
}

TEST_F(access_test, a_dropped_file_opens_as_a_file_chosen_with_the_open_button) {
    TOLVIN_fm& w = start();
    const QString path = dir.filePath(QStringLiteral("dropped.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("\x82\xa0\nb") == 4); // Windows-31J
    f.close();
    QMimeData data; // as a browser or file manager offers it: addresses and a text
    data.setUrls({QUrl(QStringLiteral("https://example.org/a.jpg")), QUrl::fromLocalFile(path)});
    data.setText(QStringLiteral("https://example.org/a.jpg"));
    EXPECT_FALSE(drop_on(w, data, Qt::MoveAction)); // the file must stay where it is
    w.busy_flag = 1;
    EXPECT_TRUE(drop_on(w, data));
    EXPECT_EQ(w.text7_box.text(), QString());
    w.busy_flag = 0;
    EXPECT_TRUE(drop_on(w, data));
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("あ\r\nb\r\n"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("TOLVIN ") + path);
    EXPECT_EQ(w.settings.file_name1, path);
    EXPECT_TRUE(w.Command8->isEnabled() && services.dialogs.empty());
}

TEST_F(access_test, a_dropped_text_goes_in_with_its_line_breaks_made_crlf) {
    TOLVIN_fm& w = start();
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.org/a.jpg"))});
    data.setText(QStringLiteral("a\rb\nc\r\nhttps://example.org/a.jpg"));
    EXPECT_TRUE(drop_on(w, data));
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("a\r\nb\r\nc\r\nhttps://example.org/a.jpg"));
    EXPECT_TRUE(w.Command6->isEnabled()); // one step of the undo history
}

} // namespace
