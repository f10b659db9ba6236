// The result list window: placement from the settings record, layout, copying, and
// what it records when it closes.
#include "ui_fixture.hpp"

#include "ui/twips.hpp"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace tolvin;

using result_window = ui_fixture;

TEST_F(result_window, loads_at_its_stored_place_within_minimum_and_screen) {
    auto keys = valid_store();
    keys["lw_width"] = "3000";
    keys["lw_left"] = "99999";
    write_store(keys);
    TOLVIN_fm& w = start();
    list_fm& r = w.result_window();
    const twips_rect g = outer_geometry(&r);
    EXPECT_EQ(g.width, 4125);
    EXPECT_EQ(g.left + g.width, screen_size_twips().width);
    EXPECT_FALSE(r.isVisible());
    EXPECT_EQ(r.windowTitle(), QStringLiteral("TOLVIN リスト"));
}

TEST_F(result_window, springs_back_to_minimum_and_keeps_text_box_and_button_in_place) {
    TOLVIN_fm& w = start();
    list_fm& r = w.result_window();
    r.show();
    r.resize(to_px(2000), to_px(2000));
    settle();
    EXPECT_EQ(outer_geometry(&r).width, 4125);
    EXPECT_EQ(outer_geometry(&r).height, 3570);
    // The text box fills the client area; the copy button sits over its lower right.
    EXPECT_EQ(r.Text1->geometry(), r.rect());
    EXPECT_EQ(r.Command1->y(), r.height() - to_px(615));
    EXPECT_EQ(r.Command1->x() + r.Command1->width(), r.width() - to_px(1995 - 1605));
    EXPECT_TRUE(r.rect().contains(r.Command1->geometry()));
}

TEST_F(result_window, copy_takes_the_selection_or_the_whole_list) {
    TOLVIN_fm& w = start();
    list_fm& r = w.result_window();
    r.text1_box.set_text(QStringLiteral("\r\nhttp://a/1.jpg\r\nhttp://a/2.jpg\r\n"));
    QTest::mouseClick(r.Command1, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("\nhttp://a/1.jpg\nhttp://a/2.jpg\n"));
    r.text1_box.set_selection(2, 1);
    QTest::mouseClick(r.Command1, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("h"));
    r.text1_box.set_text(QString());
    QTest::mouseClick(r.Command1, Qt::LeftButton);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST_F(result_window, closing_records_state_and_normal_bounds) {
    TOLVIN_fm& w = start();
    list_fm& r = w.result_window();
    r.show();
    set_outer_geometry(&r, {1500, 750, 4995, 6000});
    settle();
    ASSERT_EQ(outer_geometry(&r), (twips_rect{1500, 750, 4995, 6000}));
    r.setWindowState(Qt::WindowMinimized);
    settle();
    r.close();
    settle();
    EXPECT_FALSE(w.result_window_loaded());
    EXPECT_EQ(w.settings.lw_windowstate, 1);
    EXPECT_EQ(w.settings.lw_left, 1500);
    EXPECT_EQ(w.settings.lw_top, 750);
    EXPECT_EQ(w.settings.lw_width, 4995);
    EXPECT_EQ(w.settings.lw_height, 6000);

    // Loaded again, it comes back minimized; a maximized close reopens maximized.
    list_fm& again = w.result_window();
    EXPECT_EQ(window_state(&again), 1);
    again.show();
    again.setWindowState(Qt::WindowMaximized);
    settle();
    again.close();
    settle();
    EXPECT_EQ(w.settings.lw_windowstate, 2);
    EXPECT_EQ(w.settings.lw_width, 4995);
}
