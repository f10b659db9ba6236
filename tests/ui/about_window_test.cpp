// The about window: the splash of a later start and the greeting of the first start,
// what closes each, where it stands, and what the first start leads on to.
#include "ui_fixture.hpp"

#include "ui/twips.hpp"
#include "ui/verjo.hpp"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

using namespace tolvin;

namespace {

using user_act = std::function<void(verjo&)>;

// What an act does to each face: it closes it, leaves it open, or cannot be done
// there because its control is hidden on that face.
enum class outcome { closes, stays, hidden };

struct closing_case {
    const char* what;
    user_act act;
    outcome splash;
    outcome greeting;
};

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, 3));
}

const closing_case closing_cases[] = {
    {"a letter key", [](verjo& v) { QTest::keyClick(&v, Qt::Key_A); }, outcome::closes, outcome::stays},
    {"Escape", [](verjo& v) { QTest::keyClick(&v, Qt::Key_Escape); }, outcome::closes, outcome::stays},
    {"a click on the window", [](verjo& v) { click(&v); }, outcome::closes, outcome::stays},
    {"a click on the message", [](verjo& v) { click(v.Label5); }, outcome::hidden, outcome::stays},
    {"a click on the icon", [](verjo& v) { click(v.Image2); }, outcome::closes, outcome::hidden},
    {"a click on the title", [](verjo& v) { click(v.Label1); }, outcome::closes, outcome::hidden},
    {"a click on the version", [](verjo& v) { click(v.Label2); }, outcome::closes, outcome::hidden},
    {"a click on the maker", [](verjo& v) { click(v.Label3); }, outcome::closes, outcome::hidden},
    {"a close request (Alt+F4)", [](verjo& v) { v.close(); }, outcome::closes, outcome::stays},
    {"OK", [](verjo& v) { QTest::mouseClick(v.Command1, Qt::LeftButton); }, outcome::hidden, outcome::closes},
};

} // namespace

using about_window = ui_fixture;

TEST(about_window_text, version_line_pads_the_minor_number_to_two_digits) {
    EXPECT_EQ(verjo::version_line(1, 0, 220), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.00  Revision220"));
    EXPECT_EQ(verjo::version_line(2, 5, 7), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 2.05  Revision7"));
    EXPECT_EQ(verjo::version_line(1, 12, 0), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.12  Revision0"));
}

TEST_F(about_window, later_start_shows_the_splash_centred_with_the_timer_running) {
    auto keys = valid_store(); // main window at 300, 150
    keys["width"] = "9000";
    keys["height"] = "7200";
    write_store(keys);
    TOLVIN_fm& w = start(true);
    verjo* v = w.about_window();
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(v->Label1->text(), QStringLiteral("TOLVIN"));
    EXPECT_EQ(v->Label2->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.00  Revision220"));
    // The icon is drawn from its picture: its middle is not transparent.
    EXPECT_GT(v->Image2->pixmap().toImage().pixelColor(v->Image2->pixmap().rect().center()).alpha(), 0);
    EXPECT_TRUE(v->Command1->isHidden());
    EXPECT_EQ(v->size(), QSize(to_px(3000), to_px(1500)));
    EXPECT_EQ(v->pos(), QPoint(to_px(300 + 4500 - 1500), to_px(150 + 3600 - 750)));
    EXPECT_TRUE(w.Timer1->isActive());

    w.Timer1_Timer();
    settle();
    EXPECT_EQ(w.about_window(), nullptr);
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_TRUE(w.isVisible());
}

TEST_F(about_window, the_splash_closes_on_a_click_or_key_and_the_timer_then_changes_nothing) {
    for (const closing_case& c : closing_cases) {
        if (c.splash == outcome::hidden)
            continue;
        SCOPED_TRACE(c.what);
        TOLVIN_fm& w = start(true);
        c.act(*w.about_window());
        settle();
        EXPECT_EQ(w.about_window(), nullptr);
        w.result_window().show();
        w.Timer1_Timer();
        settle();
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(w.result_window().isVisible());
        EXPECT_FALSE(w.Timer1->isActive());
    }
}

TEST_F(about_window, only_ok_closes_the_greeting) {
    for (const closing_case& c : closing_cases) {
        if (c.greeting == outcome::hidden)
            continue;
        SCOPED_TRACE(c.what);
        write_store({{"first_flag", "0"}});
        bool closed = false;
        services.modal_answer = [&](QDialog& d) {
            auto& v = static_cast<verjo&>(d);
            c.act(v);
            closed = !v.isVisible();
            if (!closed)
                v.accept();
        };
        start();
        EXPECT_EQ(closed, c.greeting == outcome::closes);
    }
}

TEST_F(about_window, first_start_greets_centred_then_shows_the_demonstration_and_saves_first_flag) {
    write_store({{"first_flag", "0"}}); // the defaults: main window at 0, 0, 7845 by 7620
    services.modal_answer = [this](QDialog& d) {
        auto& v = static_cast<verjo&>(d);
        EXPECT_TRUE(fm->isVisible()); // the main window is shown first
        EXPECT_TRUE(v.isVisible());
        EXPECT_TRUE(v.Label5->isVisible());
        // What a screen reader gets: the four paragraphs, each space kept.
        EXPECT_EQ(QAccessible::queryAccessibleInterface(v.Label5)->text(QAccessible::Name),
                  verjo::first_run_message().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        EXPECT_TRUE(v.Label1->isHidden() && v.Label2->isHidden() && v.Label3->isHidden() &&
                    v.Image2->isHidden());
        EXPECT_EQ(v.size(), QSize(to_px(3915), to_px(2955)));
        EXPECT_EQ(v.pos(), QPoint(to_px(1965), to_px(2333)));
        EXPECT_FALSE(fm->Timer1->isActive());
        EXPECT_EQ(fm->demo_flag, 0);
        QTest::mouseClick(v.Command1, Qt::LeftButton);
    };
    TOLVIN_fm& w = start();
    EXPECT_EQ(services.modal_windows, 1);
    EXPECT_EQ(w.demo_flag, 1);
    EXPECT_TRUE(w.Command11->isVisible());
    EXPECT_EQ(w.text7_box.text(), TOLVIN_fm::demo_list());
    EXPECT_EQ(w.settings.first_flag, 1);
    EXPECT_FALSE(w.Timer1->isActive());

    w.close();
    QSettings s(ini_path(), QSettings::IniFormat);
    EXPECT_EQ(s.value("Startup/first_flag").toString(), QStringLiteral("1"));
    EXPECT_EQ(s.value("Startup/bk_cmb3").toString(), QStringLiteral("http://"));
    EXPECT_EQ(s.value("Startup/bk_txt1").toString(), QString());
}
