#include "generators/list_edits.hpp"

#include "core/list_text.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tolvin {
namespace {

struct replace_case {
    const char* name;
    std::u16string text, find, replacement, expected;
};

void PrintTo(const replace_case& c, std::ostream* os) {
    *os << c.name;
}

class replace_cases : public testing::TestWithParam<replace_case> {};

TEST_P(replace_cases, replaces_left_to_right_without_searching_the_replacement) {
    const replace_case& c = GetParam();
    EXPECT_EQ(replace_text(c.text, c.find, c.replacement, list_limit), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    table, replace_cases,
    testing::Values(replace_case{"every_line", u"abc\r\nxbx\r\n", u"b", u"YY", u"aYYc\r\nxYYx\r\n"},
                    replace_case{"empty_replacement_deletes", u"abc\r\nxbx\r\n", u"b", u"", u"ac\r\nxx\r\n"},
                    replace_case{"deletes_runs", u"aaaa", u"a", u"", u""},
                    replace_case{"overlap_found_once", u"aaa", u"aa", u"b", u"ba"},
                    replace_case{"replacement_not_searched", u"aa", u"a", u"aa", u"aaaa"},
                    replace_case{"replacement_forms_new_match", u"aab", u"ab", u"b", u"ab"},
                    replace_case{"partial_match_restarts", u"aabaabaaab", u"aab", u"-", u"--a-"},
                    replace_case{"case_and_width_significant", u"b B ｂ か カ", u"b", u"x", u"x B ｂ か カ"},
                    replace_case{"crlf_as_text", u"a\r\nb\r\n", u"\r\n", u",", u"a,b,"},
                    replace_case{"not_present", u"abc", u"abd", u"x", u"abc"},
                    replace_case{"empty_text", u"", u"a", u"b", u""}));

TEST(replace_text, stops_once_past_the_limit_with_the_beginning_of_the_result) {
    const std::u16string as(40000, u'a');
    const std::u16string cut = replace_text(as, u"a", u"bb", list_limit);
    EXPECT_EQ(cut.size(), list_limit + 1);
    EXPECT_EQ(cut, std::u16string(list_limit + 1, u'b'));
    // Exactly at the limit the whole result comes back.
    EXPECT_EQ(replace_text(std::u16string(10, u'a'), u"a", u"bb", 20), std::u16string(20, u'b'));
    // A long stretch without `find` before the limit is passed, and one after the last.
    EXPECT_EQ(replace_text(std::u16string(30, u'x') + u"axa", u"a", u"bb", 10),
              std::u16string(30, u'x') + u"bb");
    EXPECT_EQ(replace_text(u"a" + std::u16string(30, u'x'), u"a", u"bb", 40),
              u"bb" + std::u16string(30, u'x'));
}

struct add_case {
    const char* name;
    std::u16string text, added;
    text_position where;
    std::u16string expected;
};

void PrintTo(const add_case& c, std::ostream* os) {
    *os << c.name;
}

class add_cases : public testing::TestWithParam<add_case> {};

TEST_P(add_cases, adds_to_every_line_that_is_not_blank) {
    const add_case& c = GetParam();
    EXPECT_EQ(add_text(c.text, c.added, c.where, list_limit), c.expected);
}

constexpr auto end = text_position::end;
constexpr auto head = text_position::head;

INSTANTIATE_TEST_SUITE_P(
    table, add_cases,
    testing::Values(add_case{"blank_and_wide_space_lines_kept", u"a\r\n\r\n\u3000\r\n \u3000 \r\nb", u"!",
                             end, u"a!\r\n\r\n\u3000\r\n \u3000 \r\nb!"},
                    add_case{"nothing_after_final_break", u"a\r\nb\r\n", u">", head, u">a\r\n>b\r\n"},
                    add_case{"empty_text", u"", u"!", end, u""},
                    add_case{"lone_breaks_are_no_line_ends", u"a\nb\rc", u"!", end, u"a\nb\rc!"},
                    add_case{"lone_lf_head", u"a\nb", u">", head, u">a\nb"},
                    add_case{"lines_of_other_blanks_are_not_blank", u"\t\r\n\u00a0", u"!", end,
                             u"\t!\r\n\u00a0!"},
                    add_case{"break_in_added_text_not_a_line", u"a\r\nb", u"\r\nx", end, u"a\r\nx\r\nb\r\nx"},
                    add_case{"combo_text_other_than_end_is_head", u"a", u"-", position_of(u"先頭 "), u"-a"}));

TEST(add_text, stops_once_past_the_limit) {
    std::u16string lines;
    for (int i = 0; i < 21845; ++i) {
        lines += u"a\r\n";
    }
    const std::u16string cut = add_text(lines, u"!!", end, list_limit);
    EXPECT_GT(cut.size(), list_limit);
    EXPECT_LT(cut.size(), list_limit + 8);
    EXPECT_EQ(cut.substr(0, 10), u"a!!\r\na!!\r\n");
}

} // namespace
} // namespace tolvin
