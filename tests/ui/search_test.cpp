// Search list-up, its character mode, ">>" and find, through the main window's buttons.
#include "ui_fixture.hpp"

#include "core/list_text.hpp"
#include "files/u16_text.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace tolvin;

using search = ui_fixture;

namespace {

const QString not_found = QStringLiteral("現在のリストから 検索文字を使って\r\n"
                                         "リストアップできる項目は見つかりませんでした。\r\n\r\n"
                                         "TOLVIN.EXE Ver1.0\r\n");

bool has_focus(QWidget* window, QWidget* widget) {
    QWidget* f = window->focusWidget();
    return f == widget || (f != nullptr && f->focusProxy() == widget) || widget->focusProxy() == f;
}

} // namespace

TEST_F(search, lists_up_in_each_mode_into_the_result_window) {
    TOLVIN_fm& w = start(); // comment lines on
    struct step {
        bool toggle;
        QString mode_caption;
        QString list;
        QString search;
        QString result;
        int count;
    };
    const step steps[] = {
        {false, "A", "<img src=\"a.jpg\">\r\n<a href='b.jpg'>", "jpg",
         "検索文字を使ってリストアップしました\r\na.jpg\r\nb.jpg\r\n=END=", 2},
        {true, "あ", "x\r\nこの画像です　OK", "画像",
         "検索文字を使ってリストアップしました\r\nこの画像です　OK\r\n=END=", 1},
        {true, "A", "x\r\nこの画像です　OK", "画像", not_found, 0},
    };
    for (const step& s : steps) {
        SCOPED_TRACE(s.search.toStdString() + " " + s.mode_caption.toStdString());
        if (s.toggle)
            QTest::mouseClick(w.Command15, Qt::LeftButton);
        EXPECT_EQ(w.Command15->text(), s.mode_caption);
        w.text7_box.set_text(s.list);
        w.Combo3->setEditText(s.search);
        QTest::mouseClick(w.Command13, Qt::LeftButton);
        list_fm& r = w.result_window();
        EXPECT_TRUE(r.isVisible());
        EXPECT_EQ(r.text1_box.text(), s.result);
        EXPECT_EQ(r.windowTitle(), QStringLiteral("TOLVIN リスト (%1)").arg(s.count));
        EXPECT_EQ(w.settings.lw_url_su, s.count);
        EXPECT_EQ(r.text1_box.sel_start(), r.text1_box.length());
        EXPECT_TRUE(has_focus(&r, r.Text1));
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(search, the_selection_becomes_the_search_string_line_ends_included) {
    TOLVIN_fm& w = start();
    w.settings.comment_flag = 0;
    w.Combo3->setEditText(QStringLiteral("jpg"));
    w.text7_box.set_text(QStringLiteral("a.jpg\r\nb.jpg c"));
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, QStringLiteral("文字範囲が指定されていません"));
    EXPECT_EQ(services.messages[0].text,
              QStringLiteral("この操作を行うには、\r\n\r\nまず、リスト内から文字範囲を選択してください"));
    EXPECT_EQ(services.messages[0].icon, message_icon::information);
    EXPECT_EQ(w.Combo3->currentText(), QStringLiteral("jpg"));
    EXPECT_TRUE(has_focus(&w, w.Text7));

    w.text7_box.set_selection(2, 6);
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_EQ(w.Combo3->currentText(), QStringLiteral("jpg\r\nb"));
    EXPECT_TRUE(shown_from_start(w));
    // List-up and find take it exactly as it was selected.
    QTest::mouseClick(w.Command13, Qt::LeftButton);
    EXPECT_EQ(w.result_window().text1_box.text(), QStringLiteral("a.jpg\r\n"));
    w.text7_box.set_selection(0);
    QTest::mouseClick(w.Command9, Qt::LeftButton);
    EXPECT_EQ(w.text7_box.sel_start(), 2);
    EXPECT_EQ(w.text7_box.sel_text(), QStringLiteral("jpg\r\nb"));
    EXPECT_EQ(services.messages.size(), 1u);
}

TEST_F(search, find_walks_from_the_caret_through_the_occurrences_and_wraps) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("ab x ab\r\nab"));
    w.Combo3->setEditText(QStringLiteral("ab"));
    w.text7_box.set_selection(3);
    // While pending events run, the flag is up and the arrow with hourglass shows.
    Qt::CursorShape pointer = Qt::ArrowCursor;
    std::int32_t flag = 0;
    QTimer::singleShot(0, &w, [&] {
        pointer = w.cursor().shape();
        flag = w.busy_flag;
    });
    for (const qsizetype expected : {5, 9, 0, 5}) {
        QTest::mouseClick(w.Command9, Qt::LeftButton);
        EXPECT_EQ(w.text7_box.sel_start(), expected);
        EXPECT_EQ(w.text7_box.sel_length(), 2);
    }
    EXPECT_EQ(pointer, Qt::BusyCursor);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(w.busy_flag, 0);
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(has_focus(&w, w.Text7));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(search, find_answers_an_empty_or_missing_search_string_and_waits_while_busy) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("ab ab"));
    w.text7_box.set_selection(1, 2);
    struct step {
        QString search;
        QString title;
        QString text;
        message_icon icon = message_icon::information;
    };
    const step steps[] = {
        {"", "文字を入力してください", "検索する文字が入力されていません！"},
        {"AB", "検索結果", "検索文字は、見つかりませんでした！"},
        // No list holds these: the search text is refused for what it holds.
        {"ab\uFDD0", qstring_from_u16(marker_message_title), qstring_from_u16(marker_message_text),
         message_icon::none},
    };
    for (const step& s : steps) {
        services.messages.clear();
        w.Combo3->setEditText(s.search);
        w.Text7->setFocus();
        QTest::mouseClick(w.Command9, Qt::LeftButton);
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].title, s.title);
        EXPECT_EQ(services.messages[0].text, s.text);
        EXPECT_EQ(services.messages[0].icon, s.icon);
        EXPECT_TRUE(has_focus(&w, w.Combo3));
        EXPECT_EQ(w.text7_box.sel_start(), 1);
        EXPECT_EQ(w.text7_box.sel_length(), 2);
        EXPECT_EQ(w.busy_flag, 0);
        EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
    }

    services.messages.clear();
    w.Combo3->setEditText(QStringLiteral("ab"));
    w.busy_flag = 1;
    QTest::mouseClick(w.Command9, Qt::LeftButton);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(w.text7_box.sel_start(), 1);
    EXPECT_EQ(w.busy_flag, 1);
}

TEST_F(search, the_search_box_keeps_exactly_what_was_typed) {
    TOLVIN_fm& w = start();
    w.settings.comment_flag = 0;
    w.text7_box.set_text(QStringLiteral("a.jpg b.JPG c.Jpg d.gif e.ht g.PNG"));
    const std::pair<QString, QString> rows[] = {
        {"JPG", "b.JPG\r\n"}, {"Jpg", "c.Jpg\r\n"}, {"g", "a.jpg\r\nc.Jpg\r\nd.gif\r\ng.PNG\r\n"},
        {"ht", "e.ht\r\n"},   {"PNG", "g.PNG\r\n"}, // an item in another case
    };
    for (const auto& [typed, listed] : rows) {
        SCOPED_TRACE(typed.toStdString());
        w.Combo3->setFocus();
        w.Combo3->lineEdit()->selectAll();
        QTest::keyClicks(w.Combo3, typed);
        QTest::keyClick(w.Combo3, Qt::Key_Return);
        w.Text7->setFocus();
        settle();
        EXPECT_EQ(w.Combo3->currentText(), typed);
        QTest::mouseClick(w.Command13, Qt::LeftButton);
        EXPECT_EQ(w.result_window().text1_box.text(), listed);
        EXPECT_EQ(w.result_window().windowTitle(),
                  QStringLiteral("TOLVIN リスト (%1)").arg(listed.count(u'\n')));
        w.activateWindow();
        w.text7_box.set_selection(0);
        QTest::mouseClick(w.Command9, Qt::LeftButton);
        EXPECT_EQ(w.text7_box.sel_text(), typed);
    }
    // Taken from the list by ">>", and put back at the demonstration's end.
    w.text7_box.set_selection(8, 3);
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    QTest::mouseClick(w.Command10, Qt::LeftButton);
    QTest::mouseClick(w.Command11, Qt::LeftButton);
    w.Combo3->setFocus();
    QTest::keyClick(w.Combo3, Qt::Key_Return);
    w.Text7->setFocus();
    EXPECT_EQ(w.Combo3->currentText(), QStringLiteral("JPG"));
    EXPECT_TRUE(services.messages.empty());
}
