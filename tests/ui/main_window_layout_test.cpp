// The main window's placement, layout, minimizing together with the result list
// window, and the settings it writes when it closes.
#include "ui_fixture.hpp"

#include "ui/twips.hpp"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace tolvin;

namespace {

// Twips to pixels at the test screen's 96 dots per inch.
int px(int twips) {
    return to_px(twips);
}

// Resizes the window's client area; returns its outer bounds afterwards.
twips_rect resize_client(QWidget& w, int width_twips, int height_twips) {
    w.resize(px(width_twips), px(height_twips));
    ui_fixture::settle();
    return outer_geometry(&w);
}

} // namespace

using main_window_layout = ui_fixture;

TEST_F(main_window_layout, controls_follow_the_window_size) {
    TOLVIN_fm& w = start();
    resize_client(w, 9000, 8000);
    ASSERT_EQ(w.width(), px(9000));
    // The rules take the client size plus the 120 by 390 twips frame of the design.
    const int W = 9000 + 120;
    const int H = 8000 + 390;
    EXPECT_EQ(w.Frame6->height(), px(H - 810));
    EXPECT_EQ(w.Frame6->width(), px(W - 120));
    EXPECT_EQ(w.Frame2->y(), px(H - 810 - 2340));
    EXPECT_EQ(w.Frame3->y(), px(H - 810 - 2340));
    EXPECT_EQ(w.Text7->height(), px(H - 810 - 2565));
    EXPECT_EQ(w.Text7->width(), px(W - 120 - 90));
    EXPECT_EQ(w.Command10->x(), px(W - 450));
    EXPECT_EQ(w.Command11->x(), px(W - 2085));
    // What does not move.
    EXPECT_EQ(w.Frame2->x(), px(45));
    EXPECT_EQ(w.Frame2->width(), px(6705));
    EXPECT_EQ(w.Frame3->x(), px(6780));
    EXPECT_EQ(w.Text1->geometry(), QRect(px(1290), px(255), px(1650), px(315)));
    // Everything stays inside the client area.
    EXPECT_LE(w.Frame6->geometry().bottom(), w.rect().bottom() + 1);
    EXPECT_LE(w.Command10->geometry().right(), w.rect().right() + 1);
    // The demonstration's end button, once shown, lies over the list frame and takes clicks.
    w.Command11->show();
    EXPECT_EQ(w.childAt(w.Command11->geometry().center()), w.Command11);
}

TEST_F(main_window_layout, a_window_made_too_small_springs_back_to_the_minimum) {
    TOLVIN_fm& w = start();
    resize_client(w, 2000, 1000);
    const twips_rect r = outer_geometry(&w);
    EXPECT_EQ(r.width, main_min_size.width);
    EXPECT_EQ(r.height, main_min_size.height);
    EXPECT_GT(w.Text7->height(), 0);
    EXPECT_GE(w.Frame2->y(), w.Text7->geometry().bottom());
}

TEST_F(main_window_layout, stored_placement_is_clamped_to_minimum_and_screen) {
    auto keys = valid_store();
    keys["left"] = "-300";
    keys["top"] = "-300";
    keys["width"] = "100";
    keys["height"] = "100";
    write_store(keys);
    TOLVIN_fm& w = start();
    EXPECT_EQ(outer_geometry(&w), (twips_rect{0, 0, 7845, 4245}));

    keys["left"] = "999999";
    keys["width"] = "9000";
    write_store(keys);
    TOLVIN_fm& again = start();
    const twips_rect r = outer_geometry(&again);
    EXPECT_EQ(r.left + r.width, screen_size_twips().width);
}

TEST_F(main_window_layout, minimizing_takes_the_result_window_along_and_restoring_brings_it_back) {
    TOLVIN_fm& w = start();
    list_fm& result = w.result_window();
    result.show();
    w.setWindowState(Qt::WindowMinimized);
    settle();
    EXPECT_EQ(window_state(&result), 1);
    w.setWindowState(Qt::WindowNoState);
    settle();
    EXPECT_EQ(window_state(&result), 0);
}

TEST_F(main_window_layout, closing_writes_all_keys_and_field_texts) {
    TOLVIN_fm& w = start();
    w.Text1->setText(QStringLiteral("a,b \"c\" \\d"));
    w.Text6->setText(QStringLiteral(" 先頭に空白"));
    w.Combo3->setEditText(QString(40000, QLatin1Char('c'))); // past a line edit's usual limit
    w.Text2->setText(QString(40000, QLatin1Char('b')));
    w.move(QPoint(px(600), px(300)));
    const twips_rect bounds = resize_client(w, 9000, 8000);
    w.close();
    settle();
    EXPECT_FALSE(w.result_window_loaded());

    QSettings s(ini_path(), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Startup"));
    EXPECT_EQ(s.childKeys().size(), 22);
    EXPECT_EQ(s.value("bk_cmb3").toString().size(), 40000);
    EXPECT_EQ(s.value("bk_txt2").toString().size(), 40000);
    EXPECT_EQ(s.value("bk_txt1").toString(), QStringLiteral("a,b \"c\" \\d"));
    EXPECT_EQ(s.value("bk_txt6").toString(), QStringLiteral(" 先頭に空白"));
    EXPECT_EQ(s.value("left").toString(), QStringLiteral("600"));
    EXPECT_EQ(s.value("top").toString(), QStringLiteral("300"));
    EXPECT_EQ(s.value("width").toString(), QString::number(bounds.width));
    EXPECT_EQ(s.value("height").toString(), QString::number(bounds.height));
    EXPECT_EQ(s.value("windowstate").toString(), QStringLiteral("0"));
    EXPECT_EQ(s.value("first_flag").toString(), QStringLiteral("1"));
    EXPECT_EQ(s.value("save_type_str").toString(), QStringLiteral("txt"));
    // The result list window was loaded hidden and recorded its placement.
    EXPECT_EQ(s.value("lw_width").toString(), QStringLiteral("4125"));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(main_window_layout, a_minimized_close_stores_normal_state_and_a_maximized_one_state_2) {
    TOLVIN_fm& w = start();
    const twips_rect bounds = resize_client(w, 9000, 8000);
    w.setWindowState(Qt::WindowMinimized);
    settle();
    w.close();
    settle();
    {
        QSettings s(ini_path(), QSettings::IniFormat);
        EXPECT_EQ(s.value("Startup/windowstate").toString(), QStringLiteral("0"));
        EXPECT_EQ(s.value("Startup/width").toString(), QString::number(bounds.width));
    }

    TOLVIN_fm& again = start();
    resize_client(again, 9000, 8000);
    again.setWindowState(Qt::WindowMaximized);
    settle();
    again.close();
    settle();
    // Making the window normal for its bounds runs no handler after the unload.
    EXPECT_FALSE(again.result_window_loaded());
    QSettings s(ini_path(), QSettings::IniFormat);
    EXPECT_EQ(s.value("Startup/windowstate").toString(), QStringLiteral("2"));
    EXPECT_EQ(s.value("Startup/width").toString(), QString::number(bounds.width));
    EXPECT_EQ(s.value("Startup/height").toString(), QString::number(bounds.height));

    // A maximized close restores maximized next time.
    TOLVIN_fm& third = start();
    EXPECT_EQ(window_state(&third), 2);
}

TEST_F(main_window_layout, a_store_that_cannot_be_written_is_reported_once) {
    start();
    // The settings file's place is taken by a directory: no write can succeed, also as root.
    fm.reset();
    store.reset();
    QFile::remove(ini_path());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("TOLVIN.ini/x")));
    TOLVIN_fm& w = start();
    w.close();
    settle();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, QStringLiteral("TOLVIN"));
    EXPECT_TRUE(services.messages[0].text.contains(ini_path()));
}

TEST_F(main_window_layout, a_restored_window_is_placed_once_the_window_manager_has_settled) {
    TOLVIN_fm& w = start();
    w.setWindowState(Qt::WindowMaximized);
    settle();
    w.setWindowState(Qt::WindowNoState);
    // A window manager's intermediate step: not corrected while the window settles.
    w.resize(px(3000), px(2000));
    EXPECT_EQ(w.size(), QSize(px(3000), px(2000)));
    QTest::qWait(400);
    EXPECT_EQ(outer_geometry(&w).width, main_min_size.width);
    EXPECT_EQ(outer_geometry(&w).height, main_min_size.height);
}

TEST_F(main_window_layout, ending_the_program_closes_as_the_window_does_also_past_a_waiting_dialog) {
    TOLVIN_fm& w = start();
    w.Text1->setText(QStringLiteral("kept"));
    w.Command18_Click();
    QDialog waiting(&w);
    waiting.setModal(true);
    waiting.show();
    w.end_program();
    settle();
    EXPECT_TRUE(w.is_unloaded());
    EXPECT_FALSE(waiting.isVisible());
    EXPECT_EQ(w.options_window(), nullptr);
    QSettings s(ini_path(), QSettings::IniFormat);
    EXPECT_EQ(s.value("Startup/bk_txt1").toString(), QStringLiteral("kept"));
    EXPECT_EQ(s.allKeys().size(), 22);
}
