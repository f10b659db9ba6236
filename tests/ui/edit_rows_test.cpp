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

QPushButton* button(TOLVIN_fm& w, row r) {
    return r == row::replace ? w.Command5 : r == row::numbered ? w.Command2 : w.Command12;
}

// The fields of all three rows; a position of "先頭" picks the drop-down's second item.
struct fields {
    QString text1{}, text2{}, text3{}, text4{}, text5{}, text6{};
    bool head = false;
};

void fill(TOLVIN_fm& w, const fields& f) {
    w.Text1->setText(f.text1);
    w.Text2->setText(f.text2);
    w.Text3->setText(f.text3);
    w.Text4->setText(f.text4);
    w.Text5->setText(f.text5);
    w.Text6->setText(f.text6);
    w.Combo1->setCurrentIndex(f.head ? 1 : 0);
    w.Combo2->setCurrentIndex(f.head ? 1 : 0);
}

struct edit_case {
    const char* name;
    row which;
    QString list;
    qsizetype sel_start, sel_length;
    fields in;
    QString expected;
    qsizetype expected_start, expected_length;
    std::int32_t expected_caret_pos; // caret_pos starts at 3
};

void PrintTo(const edit_case& c, std::ostream* os) {
    *os << c.name;
}

class edit_rows : public ui_fixture, public testing::WithParamInterface<edit_case> {};

} // namespace

TEST_P(edit_rows, rewrite_the_list_and_select_what_they_made) {
    const edit_case& c = GetParam();
    TOLVIN_fm& w = start();
    w.text7_box.set_text(c.list);
    w.text7_box.set_selection(c.sel_start, c.sel_length);
    w.caret_pos = 3;
    fill(w, c.in);
    w.Text1->setFocus();
    QTest::mouseClick(button(w, c.which), Qt::LeftButton);
    EXPECT_EQ(w.text7_box.text(), c.expected);
    EXPECT_EQ(w.text7_box.sel_start(), c.expected_start);
    EXPECT_EQ(w.text7_box.sel_length(), c.expected_length);
    EXPECT_EQ(w.caret_pos, c.expected_caret_pos);
    EXPECT_EQ(w.focusWidget(), w.Text7);
    EXPECT_EQ(w.busy_flag, 0);
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    table, edit_rows,
    testing::Values(
        // Replace puts the caret at the start of a whole list and leaves caret_pos alone.
        edit_case{"replace_whole_list",
                  row::replace,
                  "abc\r\nxbx\r\n",
                  7,
                  0,
                  {"b", "YY"},
                  "aYYc\r\nxYYx\r\n",
                  0,
                  0,
                  3},
        edit_case{
            "replace_deletes", row::replace, "abc\r\nxbx\r\n", 0, 0, {"b", ""}, "ac\r\nxx\r\n", 0, 0, 3},
        edit_case{"replace_in_selection",
                  row::replace,
                  "abc\r\nxbx\r\n",
                  5,
                  3,
                  {"b", "Z"},
                  "abc\r\nxZx\r\n",
                  5,
                  3,
                  8},
        edit_case{
            "replace_not_across_selection_border", row::replace, "abab", 1, 2, {"ab", "-"}, "abab", 1, 2, 3},
        // Add text puts the caret back at caret_pos, or at the end of a shorter list.
        edit_case{"add_at_end_skips_blank_lines",
                  row::add,
                  "ab\r\n\r\n\u3000\r\nc",
                  0,
                  0,
                  {.text6 = "!"},
                  "ab!\r\n\r\n\u3000\r\nc!",
                  3,
                  0,
                  3},
        edit_case{
            "add_at_head_caret_past_end", row::add, "a", 0, 0, {.text6 = ">", .head = true}, ">a", 2, 0, 3},
        edit_case{"add_in_selection_inside_lines",
                  row::add,
                  "abc\r\ndef",
                  1,
                  6,
                  {.text6 = "!"},
                  "abc!\r\nde!f",
                  1,
                  8,
                  9},
        edit_case{"add_to_empty_list", row::add, "", 0, 0, {.text6 = "!"}, "", 0, 0, 3},
        // The numbered block goes in at the caret, its leading CR LF selected with it.
        edit_case{"numbered_into_empty_list",
                  row::numbered,
                  "",
                  0,
                  0,
                  {.text3 = "a", .text4 = "000", .text5 = "3"},
                  "\r\na000\r\na001\r\na002\r\na003\r\n",
                  0,
                  26,
                  26},
        edit_case{"numbered_at_caret_between_characters",
                  row::numbered,
                  "abcd",
                  2,
                  0,
                  {.text3 = "p", .text4 = "1", .text5 = "2"},
                  "ab\r\np1\r\np2\r\ncd",
                  2,
                  10,
                  12},
        edit_case{"numbered_down_at_head_replaces_selection",
                  row::numbered,
                  "abXXcd",
                  2,
                  2,
                  {.text3 = "x", .text4 = "3", .text5 = "1", .head = true},
                  "ab\r\n3x\r\n2x\r\n1x\r\ncd",
                  2,
                  14,
                  16}));

namespace {

struct refusal_case {
    const char* name;
    row which;
    QString list;
    qsizetype sel_start, sel_length;
    fields in;
};

void PrintTo(const refusal_case& c, std::ostream* os) {
    *os << c.name;
}

class edit_row_refusals : public ui_fixture, public testing::WithParamInterface<refusal_case> {};

QString lines_of_a(int count) {
    return QStringLiteral("a\r\n").repeated(count);
}

} // namespace

TEST_P(edit_row_refusals, leave_list_selection_and_caret_as_they_were) {
    const refusal_case& c = GetParam();
    TOLVIN_fm& w = start();
    w.text7_box.set_text(c.list);
    w.text7_box.set_selection(c.sel_start, c.sel_length);
    w.caret_pos = 5;
    fill(w, c.in);
    QTest::mouseClick(button(w, c.which), Qt::LeftButton);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.startsWith(QStringLiteral("編集可能文字数")));
    EXPECT_EQ(w.text7_box.text(), c.list);
    EXPECT_EQ(w.text7_box.sel_start(), c.sel_start);
    EXPECT_EQ(w.text7_box.sel_length(), c.sel_length);
    EXPECT_EQ(w.caret_pos, 5);
    EXPECT_EQ(w.busy_flag, 0);
}

INSTANTIATE_TEST_SUITE_P(
    table, edit_row_refusals,
    testing::Values(
        refusal_case{
            "replace_growing_past_the_limit", row::replace, QString(40000, 'a'), 0, 39990, {"a", "bb"}},
        refusal_case{"add_to_a_full_list", row::add, lines_of_a(21845), 4, 0, {.text6 = "!"}},
        refusal_case{"numbered_huge_range",
                     row::numbered,
                     "xy",
                     1,
                     0,
                     {.text3 = "http://example.com/", .text4 = "0", .text5 = "99999999"}}));

TEST_F(ui_fixture, empty_or_unreadable_fields_change_nothing) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("abc"));
    w.text7_box.set_selection(1, 1);
    struct {
        row which;
        fields in;
        bool takes_focus;
    } const cases[] = {
        {row::replace, {.text1 = "", .text2 = "x"}, true},
        {row::add, {.text6 = ""}, true},
        {row::numbered, {.text3 = "a", .text4 = "", .text5 = "3"}, false},
        {row::numbered, {.text3 = "a", .text4 = "1", .text5 = ""}, false},
        // A number beyond double precision is treated like an empty field.
        {row::numbered, {.text4 = "1", .text5 = QString(400, '9')}, false},
    };
    for (const auto& c : cases) {
        fill(w, c.in);
        w.Text4->setFocus();
        QTest::mouseClick(button(w, c.which), Qt::LeftButton);
        EXPECT_EQ(w.text7_box.text(), QStringLiteral("abc"));
        EXPECT_EQ(w.text7_box.sel_start(), 1);
        EXPECT_EQ(w.text7_box.sel_length(), 1);
        EXPECT_EQ(w.focusWidget() == w.Text7, c.takes_focus);
        EXPECT_EQ(w.busy_flag, 0);
        EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ui_fixture, a_second_press_during_the_event_pass_does_nothing) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("ab"));
    fill(w, {.text1 = "a", .text2 = "x", .text3 = "n", .text4 = "1", .text5 = "2", .text6 = "!"});
    // These clicks arrive while the replace lets pending events run.
    QMetaObject::invokeMethod(w.Command12, "click", Qt::QueuedConnection);
    QMetaObject::invokeMethod(w.Command2, "click", Qt::QueuedConnection);
    QMetaObject::invokeMethod(w.Command5, "click", Qt::QueuedConnection);
    QTest::mouseClick(w.Command5, Qt::LeftButton);
    settle();
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("xb"));
    EXPECT_EQ(w.busy_flag, 0);
}
