// The URL row's "実行" button: the result list window with its caption and count,
// the not-found text, a refused result, and the button's own state.
#include "ui_fixture.hpp"

#include "ui/twips.hpp"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace tolvin;

using url_button = ui_fixture;

TEST_F(url_button, expands_into_the_result_window_with_count_in_caption) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("見て http://h/x/kurukuru[000-108].jpg です"));
    QTest::mouseClick(w.Command16, Qt::LeftButton);
    list_fm& r = w.result_window();
    EXPECT_TRUE(r.isVisible());
    EXPECT_EQ(r.windowTitle(), QStringLiteral("TOLVIN リスト (109)"));
    EXPECT_EQ(w.settings.lw_url_su, 109);
    const QString text = r.text1_box.text();
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("\r\n1. kurukuru 展開しました\r\nhttp://h/x/kurukuru000.jpg\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("http://h/x/kurukuru108.jpg\r\n=END=\r\n")));
    EXPECT_EQ(r.text1_box.sel_start(), r.text1_box.length());
    EXPECT_EQ(QApplication::focusWidget() == r.Text1 || r.focusWidget() == r.Text1, true);
    EXPECT_TRUE(w.Command16->isEnabled());
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
    // The list itself is unchanged.
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("見て http://h/x/kurukuru[000-108].jpg です"));
}

TEST_F(url_button, nothing_to_expand_shows_the_not_found_text_with_count_zero) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("[abc] [5] [1-\r\n2]"));
    QTest::mouseClick(w.Command16, Qt::LeftButton);
    list_fm& r = w.result_window();
    EXPECT_EQ(r.text1_box.text(),
              QStringLiteral("現在のリストから\r\nURL展開できる項目は見つかりませんでした。\r\n\r\n"
                             "TOLVIN.EXE Ver1.0\r\n"));
    EXPECT_EQ(r.windowTitle(), QStringLiteral("TOLVIN リスト (0)"));
}

TEST_F(url_button, a_result_past_the_limit_is_refused_and_the_last_list_stays_with_its_caption) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("a/b[1-2].c"));
    QTest::mouseClick(w.Command16, Qt::LeftButton);
    list_fm& r = w.result_window();
    ASSERT_EQ(r.windowTitle(), QStringLiteral("TOLVIN リスト (2)"));
    const QString last_list = r.text1_box.text();

    w.text7_box.set_text(QStringLiteral("http://example.com/a/long/path/name[0-99999999].jpg"));
    QTest::mouseClick(w.Command16, Qt::LeftButton);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.startsWith(QStringLiteral("リストアップ可能文字数")));
    EXPECT_EQ(r.text1_box.text(), last_list);
    EXPECT_EQ(r.windowTitle(), QStringLiteral("TOLVIN リスト (2)"));
    EXPECT_TRUE(w.Command16->isEnabled());
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(url_button, a_minimized_result_window_is_restored_and_comment_lines_follow_the_switch) {
    TOLVIN_fm& w = start();
    list_fm& r = w.result_window();
    r.show();
    r.setWindowState(Qt::WindowMinimized);
    settle();
    w.settings.comment_flag = 0;
    w.text7_box.set_text(QStringLiteral("pic[1-2].gif+top.gif"));
    QTest::mouseClick(w.Command16, Qt::LeftButton);
    EXPECT_EQ(window_state(&r), 0);
    EXPECT_EQ(r.text1_box.text(), QStringLiteral("\r\npictop.gif\r\npic1.gif\r\npic2.gif\r\n"));
    EXPECT_EQ(r.windowTitle(), QStringLiteral("TOLVIN リスト (3)"));
}

TEST_F(url_button, the_first_press_in_a_demonstration_writes_the_example_and_the_next_expands_it) {
    TOLVIN_fm& w = start();
    w.demo_flag = 1;
    w.demo_url_flag = 0;
    QTest::mouseClick(w.Command16, Qt::LeftButton);
    EXPECT_EQ(w.demo_url_flag, 1);
    EXPECT_EQ(w.text7_box.text(), TOLVIN_fm::url_demo_text());
    EXPECT_FALSE(w.result_window().isVisible());

    QTest::mouseClick(w.Command16, Qt::LeftButton);
    EXPECT_EQ(w.result_window().windowTitle(), QStringLiteral("TOLVIN リスト (135)"));
}
