// Rows 1 to 3 of the edit frame through the real window: replace, the numbered list and
// add text on the whole list, a selection or the caret; refusals; the busy frame.
#include "ui_fixture.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace tolvin;

namespace {

enum class row { replace, numbered, add };

// One press of a row's "実行" with the fields it reads; "先頭" picks the second item
// of the position drop-downs.
struct press {
    row which;
    QString text1{}, text2{}, text3{}, text4{}, text5{}, text6{};
    bool head = false;
};

press replace_by(const QString& find, const QString& replacement) {
    return {row::replace, find, replacement};
}

press add(const QString& added, bool head = false) {
    return {.which = row::add, .text6 = added, .head = head};
}

press numbered(const QString& common, const QString& first, const QString& last, bool head = false) {
    return {.which = row::numbered, .text3 = common, .text4 = first, .text5 = last, .head = head};
}

void click(TOLVIN_fm& w, const press& p) {
    w.Text1->setText(p.text1);
    w.Text2->setText(p.text2);
    w.Text3->setText(p.text3);
    w.Text4->setText(p.text4);
    w.Text5->setText(p.text5);
    w.Text6->setText(p.text6);
    w.Combo1->setCurrentIndex(p.head ? 1 : 0);
    w.Combo2->setCurrentIndex(p.head ? 1 : 0);
    QPushButton* b = p.which == row::replace    ? w.Command5
                     : p.which == row::numbered ? w.Command2
                                                : w.Command12;
    QTest::mouseClick(b, Qt::LeftButton);
}

struct edit_case {
    const char* name;
    press in;
    QString list;
    qsizetype sel_start, sel_length;
    QString expected; // null: refused as too long, the list and selection kept
    qsizetype expected_start{}, expected_length{};
    std::int32_t expected_caret_pos{}; // caret_pos starts at 3
    bool marker = false;               // refused for U+FDD0 or U+FDD1, not for its length
};

void PrintTo(const edit_case& c, std::ostream* os) {
    *os << c.name;
}

class edit_rows : public ui_fixture, public testing::WithParamInterface<edit_case> {};

QString lines_of_a(int count) {
    return QStringLiteral("a\r\n").repeated(count);
}

} // namespace

TEST_P(edit_rows, rewrite_the_list_and_select_what_they_made_or_change_nothing_when_refused) {
    const edit_case& c = GetParam();
    const bool refused = c.expected.isNull();
    TOLVIN_fm& w = start();
    w.text7_box.set_text(c.list);
    w.text7_box.set_selection(c.sel_start, c.sel_length);
    w.caret_pos = 3;
    w.Text1->setFocus();
    click(w, c.in);
    EXPECT_EQ(w.text7_box.text(), refused ? c.list : c.expected);
    EXPECT_EQ(w.text7_box.sel_start(), refused ? c.sel_start : c.expected_start);
    EXPECT_EQ(w.text7_box.sel_length(), refused ? c.sel_length : c.expected_length);
    EXPECT_EQ(w.caret_pos, refused ? 3 : c.expected_caret_pos);
    if (refused) {
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text.startsWith(QStringLiteral("編集可能文字数")), !c.marker);
    } else {
        EXPECT_TRUE(services.messages.empty());
        EXPECT_EQ(w.focusWidget(), w.Text7);
    }
    EXPECT_EQ(w.busy_flag, 0);
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
}

INSTANTIATE_TEST_SUITE_P(
    table, edit_rows,
    testing::Values(
        // Replace puts the caret at the start of a whole list and leaves caret_pos alone.
        edit_case{"replace_whole_list", replace_by("b", "YY"), "abc\r\nxbx\r\n", 7, 0, "aYYc\r\nxYYx\r\n", 0,
                  0, 3},
        edit_case{"replace_in_selection", replace_by("b", "Z"), "abc\r\nxbx\r\n", 5, 3, "abc\r\nxZx\r\n", 5,
                  3, 8},
        edit_case{"replace_not_across_selection_border", replace_by("ab", "-"), "abab", 1, 2, "abab", 1, 2,
                  3},
        // Add text puts the caret back at caret_pos, or at the end of a shorter list.
        edit_case{"add_at_end_skips_blank_lines", add("!"), "ab\r\n\r\n\u3000\r\nc", 0, 0,
                  "ab!\r\n\r\n\u3000\r\nc!", 3, 0, 3},
        edit_case{"add_at_head_caret_past_end", add(">", true), "a", 0, 0, ">a", 2, 0, 3},
        edit_case{"add_in_selection_inside_lines", add("!"), "abc\r\ndef", 1, 6, "abc!\r\nde!f", 1, 8, 9},
        // The numbered block goes in at the caret, its leading CR LF selected with it.
        edit_case{"numbered_into_empty_list", numbered("a", "000", "3"), "", 0, 0,
                  "\r\na000\r\na001\r\na002\r\na003\r\n", 0, 26, 26},
        edit_case{"numbered_at_caret_between_characters", numbered("p", "1", "2"), "abcd", 2, 0,
                  "ab\r\np1\r\np2\r\ncd", 2, 10, 12},
        edit_case{"numbered_down_at_head_replaces_selection", numbered("x", "3", "1", true), "abXXcd", 2, 2,
                  "ab\r\n3x\r\n2x\r\n1x\r\ncd", 2, 14, 16},
        // Results past the limit.
        edit_case{"replace_growing_past_the_limit", replace_by("a", "bb"), QString(40000, 'a'), 0, 39990, {}},
        edit_case{"add_to_a_full_list", add("!"), lines_of_a(21845), 4, 0, {}},
        edit_case{"numbered_huge_range", numbered("http://example.com/", "0", "99999999"), "xy", 1, 0, {}},
        // Texts holding a character the list box cannot keep.
        edit_case{"replace_find_with_a_marker", replace_by("b\uFDD1", "x"), "abc", 0, 0, {}, 0, 0, 0, true},
        edit_case{"replace_by_a_marker", replace_by("b", "\uFDD0"), "abc", 0, 0, {}, 0, 0, 0, true},
        edit_case{"numbered_common_marker", numbered("\uFDD1", "1", "2"), "abc", 0, 0, {}, 0, 0, 0, true}));

using edit_row_presses = ui_fixture;

TEST_F(edit_row_presses, with_empty_or_unreadable_fields_change_nothing) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("abc"));
    w.text7_box.set_selection(1, 1);
    const std::pair<press, bool> cases[] = {
        {replace_by("", "x"), true}, // replace and add text still give the list the focus
        {add(""), true},
        {numbered("a", "", "3"), false},
        {numbered("a", "1", ""), false},
        {numbered("a", "1", QString(400, '9')), false}, // beyond double precision
    };
    for (const auto& [p, takes_focus] : cases) {
        w.Text4->setFocus();
        click(w, p);
        EXPECT_EQ(w.text7_box.text(), QStringLiteral("abc"));
        EXPECT_EQ(w.text7_box.sel_start(), 1);
        EXPECT_EQ(w.text7_box.sel_length(), 1);
        EXPECT_EQ(w.focusWidget() == w.Text7, takes_focus);
        EXPECT_EQ(w.busy_flag, 0);
        EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(edit_row_presses, during_the_event_pass_of_another_do_nothing) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("ab"));
    // The other rows would change the list if they ran.
    const press p{row::replace, "a", "x", "n", "1", "2", "!"};
    // These clicks arrive while the replace lets pending events run.
    QMetaObject::invokeMethod(w.Command12, "click", Qt::QueuedConnection);
    QMetaObject::invokeMethod(w.Command2, "click", Qt::QueuedConnection);
    QMetaObject::invokeMethod(w.Command5, "click", Qt::QueuedConnection);
    click(w, p);
    settle();
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("xb"));
    EXPECT_EQ(w.busy_flag, 0);
}
