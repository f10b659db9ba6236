#include "generators/numbered_list.hpp"

#include "core/list_text.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tolvin {
namespace {

struct numbered_case {
    const char* name;
    std::u16string common, first, last;
    text_position where;
    std::u16string expected; // without the leading CR LF
};

void PrintTo(const numbered_case& c, std::ostream* os) {
    *os << c.name;
}

class numbered_cases : public testing::TestWithParam<numbered_case> {};

TEST_P(numbered_cases, counts_from_first_to_last) {
    const numbered_case& c = GetParam();
    EXPECT_EQ(numbered_list(c.common, c.first, c.last, c.where, list_limit),
              c.expected.empty() ? u"" : u"\r\n" + c.expected);
}

constexpr auto end = text_position::end;
constexpr auto head = text_position::head;

INSTANTIATE_TEST_SUITE_P(
    table, numbered_cases,
    testing::Values(
        numbered_case{"up_padded", u"a", u"000", u"3", end, u"a000\r\na001\r\na002\r\na003\r\n"},
        numbered_case{"down_width_from_last", u"a", u"3", u"000", end, u"a003\r\na002\r\na001\r\na000\r\n"},
        numbered_case{"down_at_head", u"x", u"3", u"1", head, u"3x\r\n2x\r\n1x\r\n"},
        numbered_case{"no_padding_past_width", u"x", u"1", u"10", head,
                      u"1x\r\n2x\r\n3x\r\n4x\r\n5x\r\n6x\r\n7x\r\n8x\r\n9x\r\n10x\r\n"},
        numbered_case{"negative_through_zero", u"", u"-2", u"2", end, u"-2\r\n-1\r\n0\r\n1\r\n2\r\n"},
        numbered_case{"negative_padded", u"", u"-05", u"-3", end, u"-05\r\n-04\r\n-03\r\n"},
        numbered_case{"letters_read_zero_and_count_width", u"", u"abc", u"2", end, u"000\r\n001\r\n002\r\n"},
        numbered_case{"brackets_count_width", u"p", u"[000]", u"1", end, u"p00000\r\np00001\r\n"},
        numbered_case{"full_width_digits_count_width_only", u"", u"１２", u"1", end, u"00\r\n01\r\n"},
        numbered_case{"equal_is_one_line", u"q", u"7", u"7", end, u"q7\r\n"},
        numbered_case{"fraction_kept_rounded_half_away", u"", u"0.5", u"3", end, u"001\r\n002\r\n003\r\n"},
        numbered_case{"fraction_downwards", u"", u"-0.5", u"-3", end, u"-1\r\n-2\r\n-3\r\n"},
        numbered_case{"huge_equal_numbers_one_line", u"", u"1180591620717411303424",
                      u"1180591620717411303424", end, u"1180591620717411303424\r\n"},
        // Whole numbers are counted exactly however large, fractions as typed.
        numbered_case{
            "past_2_53", u"x", u"9007199254740992", u"9007199254740995", end,
            u"x9007199254740992\r\nx9007199254740993\r\nx9007199254740994\r\nx9007199254740995\r\n"},
        numbered_case{"past_minus_2_53_down", u"", u"-9007199254740993", u"-9007199254740995", end,
                      u"-9007199254740993\r\n-9007199254740994\r\n-9007199254740995\r\n"},
        numbered_case{"past_2_64_at_head", u"x", u"18446744073709551615", u"18446744073709551617", head,
                      u"18446744073709551615x\r\n18446744073709551616x\r\n18446744073709551617x\r\n"},
        numbered_case{"ninety_digits", u"", u"1" + std::u16string(90, u'0'),
                      u"1" + std::u16string(89, u'0') + u"1", end,
                      u"1" + std::u16string(90, u'0') + u"\r\n1" + std::u16string(89, u'0') + u"1\r\n"},
        numbered_case{"just_under_a_half", u"", u"0.49999999999999999999", u"1", end,
                      std::u16string(22, u'0') + u"\r\n"},
        numbered_case{"beyond_double_nothing", u"", u"1" + std::u16string(400, u'0'), u"1", end, u""},
        numbered_case{"empty_number_nothing", u"a", u"", u"1", end, u""}));

TEST(numbered_list, a_huge_range_stops_once_past_the_limit) {
    const std::u16string block = numbered_list(u"http://example.com/", u"0", u"99999999", end, list_limit);
    EXPECT_GT(block.size(), list_limit);
    EXPECT_LT(block.size(), list_limit + 40);
    // A number field thousands of characters wide stops after its first line.
    const std::u16string wide(2000, u'0');
    EXPECT_EQ(numbered_list(u"", wide, u"99999999", end, 1000).size(), 2u + 1001 + 2);
}

} // namespace
} // namespace tolvin
