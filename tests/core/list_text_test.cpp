#include "core/list_text.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tolvin {
namespace {

TEST(list_limit, takes_65535_characters_and_refuses_65536) {
    EXPECT_TRUE(fits_list_limit(65535));
    EXPECT_FALSE(fits_list_limit(65536));
}

struct removal_case {
    const char* name;
    std::u16string text;
    std::u16string chars;
    std::u16string expected;
};

void PrintTo(const removal_case& c, std::ostream* os) {
    *os << c.name;
}

class remove_char_cases : public testing::TestWithParam<removal_case> {};

TEST_P(remove_char_cases, removes_only_the_first_given_character) {
    EXPECT_EQ(remove_char(GetParam().text, GetParam().chars), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(table, remove_char_cases,
                         testing::Values(removal_case{"absent_character", u"abc", u"x", u"abc"},
                                         removal_case{"adjacent_repeats", u"aaxxxb", u"x", u"aab"},
                                         removal_case{"first_and_last", u"xaxbx", u"x", u"ab"},
                                         removal_case{"only_first_of_chars", u"xyxy", u"xy", u"yy"},
                                         removal_case{"case_sensitive", u"aAaA", u"a", u"AA"},
                                         removal_case{"full_and_half_width_differ", u"a a\u3000a", u" ",
                                                      u"aa\u3000a"},
                                         removal_case{"surrogate_half", u"\U0001F600a", u"\xD83D",
                                                      u"\xDE00"
                                                      u"a"},
                                         removal_case{"empty_chars_removes_nothing", u"a b", u"", u"a b"},
                                         removal_case{"empty_text", u"", u"x", u""}),
                         [](const testing::TestParamInfo<removal_case>& info) { return info.param.name; });

TEST(remove_spaces, removes_both_kinds_of_space) {
    EXPECT_EQ(remove_spaces(u" "), u"");
    EXPECT_EQ(remove_spaces(u"\u3000"), u"");
    EXPECT_EQ(remove_spaces(u" \u3000\u3000  \u3000"), u"");
    EXPECT_EQ(remove_spaces(std::u16string(70000, u'\u3000')), u"");
    EXPECT_EQ(remove_spaces(u" a\u3000b c\u3000\u3000d "), u"abcd");
    EXPECT_EQ(remove_spaces(u"\t\r\n\u00a0"), u"\t\r\n\u00a0"); // other blanks stay
}

struct crlf_case {
    const char* name;
    std::u16string text;
    std::u16string expected;
};

void PrintTo(const crlf_case& c, std::ostream* os) {
    *os << c.name;
}

class to_crlf_cases : public testing::TestWithParam<crlf_case> {};

TEST_P(to_crlf_cases, brings_every_break_to_crlf) {
    EXPECT_EQ(to_crlf(GetParam().text), GetParam().expected);
    EXPECT_EQ(crlf_length(GetParam().text), GetParam().expected.size());
    // Already brought texts stay as they are.
    EXPECT_EQ(to_crlf(GetParam().expected), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    table, to_crlf_cases,
    testing::Values(crlf_case{"empty", u"", u""}, crlf_case{"crlf_kept", u"a\r\nb\r\n", u"a\r\nb\r\n"},
                    crlf_case{"lone_lf", u"a\nb", u"a\r\nb"}, crlf_case{"lone_cr", u"a\rb", u"a\r\nb"},
                    crlf_case{"lf_cr_is_two_breaks", u"a\n\rb", u"a\r\n\r\nb"},
                    crlf_case{"cr_cr_lf", u"\r\r\n", u"\r\n\r\n"}, crlf_case{"trailing_cr", u"a\r", u"a\r\n"},
                    crlf_case{"paragraph_separator", u"a\u2029b\u2029", u"a\r\nb\r\n"},
                    crlf_case{"line_separator_untouched", u"a\u2028b\u0085", u"a\u2028b\u0085"},
                    crlf_case{"mixed", u"\n\r\n\r\u2029", u"\r\n\r\n\r\n\r\n"}),
    [](const testing::TestParamInfo<crlf_case>& info) { return info.param.name; });

const std::u16string edit_message =
    u"編集可能文字数を超えてしまうため "
    u"リストを表示できません。\r\nこれは、文字数が、結構多いためです。\r\nこのソフトで編集できる文字数は、655"
    u"36文字までです。\r\n残念ながら 未対応です。m(_ "
    u"_)m\r\n\r\nリストを分割して編集するなど、工夫して編集してみて下さい。";
const std::u16string listing_message =
    u"リストアップ可能文字数を超えてしまうため "
    u"リストを表示できません。\r\nこれは、文字数が、結構多いためです。\r\nこのソフトでリストアップできる文字"
    u"数は、65536文字までです。\r\n残念ながら 未対応です。m(_ "
    u"_)m\r\n\r\nリストを分割してリストアップするなど、工夫して編集してみて下さい。";

TEST(limit_message, uses_the_edit_wording_for_mode_zero) {
    EXPECT_EQ(limit_message_text(0), edit_message);
}

TEST(limit_message, uses_the_listing_wording_for_any_other_mode) {
    for (const std::int32_t mode : {1, 7, -1, 2147483647}) {
        EXPECT_EQ(limit_message_text(mode), listing_message) << mode;
    }
}

TEST(limit_message, has_six_lines_the_fifth_empty) {
    const std::u16string text = limit_message_text(1);
    std::size_t breaks = 0;
    for (std::size_t i = text.find(u"\r\n"); i != std::u16string::npos; i = text.find(u"\r\n", i + 2)) {
        ++breaks;
    }
    EXPECT_EQ(breaks, 5u);
    EXPECT_NE(text.find(u"\r\n\r\n"), std::u16string::npos);
    EXPECT_NE(text.substr(text.size() - 2), u"\r\n");
    EXPECT_EQ(limit_message_title, u"この操作は、表示できません！");
}

} // namespace
} // namespace tolvin
