#include "core/number_text.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tolvin {
namespace {

struct reading_case {
    const char* name;
    std::u16string text;
    double expected;
};

void PrintTo(const reading_case& c, std::ostream* os) {
    *os << c.name;
}

class read_number_cases : public testing::TestWithParam<reading_case> {};

TEST_P(read_number_cases, reads_the_leading_number) {
    EXPECT_EQ(read_number(GetParam().text), GetParam().expected);
}

const std::u16string many_zeros(5000, u'0');

INSTANTIATE_TEST_SUITE_P(
    table, read_number_cases,
    testing::Values(
        reading_case{"zeros", u"000", 0}, reading_case{"plain", u"108", 108},
        reading_case{"negative", u"-5", -5}, reading_case{"letters", u"abc", 0},
        reading_case{"stops_at_letter", u"12abc", 12}, reading_case{"blanks_anywhere", u" \t1 2\n3 ", 123},
        reading_case{"sign_then_blanks", u"- \t5", -5}, reading_case{"fraction", u"1.25", 1.25},
        reading_case{"point_first", u".5", 0.5}, reading_case{"second_point_stops", u"1.2.3", 1.2},
        reading_case{"second_sign_stops", u"--5", 0}, reading_case{"sign_after_digits_stops", u"5-3", 5},
        reading_case{"nineteen_digits", u"9999999999999999999", 1e19}, reading_case{"no_exponent", u"5e3", 5},
        reading_case{"no_hex", u"0x1F", 0}, reading_case{"cr_stops", u"\r5", 0},
        reading_case{"full_width_space_stops", u"\u30005", 0},
        reading_case{"long_leading_zeros", many_zeros + u"7", 7},
        reading_case{"long_fraction", u"0." + many_zeros + u"1", 0},
        reading_case{"huge", u"-1" + many_zeros, -std::numeric_limits<double>::infinity()},
        reading_case{"precise", u"2147483647.5", 2147483647.5}),
    [](const testing::TestParamInfo<reading_case>& info) { return info.param.name; });

TEST(read_number, may_pass_over_full_width_spaces) {
    EXPECT_EQ(read_number(u"\u30001\u30002", true), 12);
    EXPECT_EQ(read_number(u"\u30001\u30002", false), 0);
    EXPECT_EQ(read_number(u"- \u30003", true), -3);
}

struct rounding_case {
    double value;
    std::optional<std::int32_t> expected;
};

void PrintTo(const rounding_case& c, std::ostream* os) {
    *os << c.value;
}

class round_to_int32_cases : public testing::TestWithParam<rounding_case> {};

TEST_P(round_to_int32_cases, rounds_half_to_even_within_32_bits) {
    EXPECT_EQ(round_to_int32(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    table, round_to_int32_cases,
    testing::Values(rounding_case{0.5, 0}, rounding_case{2.5, 2}, rounding_case{3.5, 4},
                    rounding_case{-0.5, 0}, rounding_case{-1.5, -2}, rounding_case{-2.5, -2},
                    rounding_case{0.49999999999999994, 0}, rounding_case{2147483647.4, 2147483647},
                    rounding_case{2147483647.5, std::nullopt}, rounding_case{-2147483648.5, -2147483647 - 1},
                    rounding_case{-2147483648.6, std::nullopt}, rounding_case{1e300, std::nullopt},
                    rounding_case{std::numeric_limits<double>::infinity(), std::nullopt},
                    rounding_case{std::numeric_limits<double>::quiet_NaN(), std::nullopt}));

struct padding_case {
    std::int64_t n;
    int width;
    std::u16string expected;
};

void PrintTo(const padding_case& c, std::ostream* os) {
    *os << c.n << " width " << c.width;
}

class padded_number_cases : public testing::TestWithParam<padding_case> {};

TEST_P(padded_number_cases, pads_to_the_width) {
    EXPECT_EQ(padded_number(GetParam().n, GetParam().width), GetParam().expected);
    std::u16string appended = u"ab";
    append_padded_number(appended, GetParam().n, GetParam().width);
    EXPECT_EQ(appended, u"ab" + GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    table, padded_number_cases,
    testing::Values(padding_case{0, 3, u"000"}, padding_case{5, 3, u"005"}, padding_case{1234, 3, u"1234"},
                    padding_case{7, -4, u"7"}, padding_case{-5, 2, u"-05"}, padding_case{-5, 0, u"-5"},
                    padding_case{-123, 2, u"-123"}, padding_case{1, 32, u"00000000000000000000000000000001"},
                    padding_case{-1, 32, u"-00000000000000000000000000000001"},
                    padding_case{std::numeric_limits<std::int64_t>::min(), 0, u"-9223372036854775808"}));

struct rounded_case {
    double value;
    int width;
    std::u16string expected;
};

void PrintTo(const rounded_case& c, std::ostream* os) {
    *os << c.value << " width " << c.width;
}

class rounded_number_cases : public testing::TestWithParam<rounded_case> {};

TEST_P(rounded_number_cases, rounds_half_away_from_zero_and_pads) {
    std::u16string out = u"x";
    append_rounded_number(out, GetParam().value, GetParam().width);
    EXPECT_EQ(out, u"x" + GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(table, rounded_number_cases,
                         testing::Values(rounded_case{2.5, 3, u"003"}, rounded_case{1.5, 1, u"2"},
                                         rounded_case{-2.5, 2, u"-03"}, rounded_case{-0.4, 2, u"00"},
                                         rounded_case{0.49999999999999994, 1, u"0"},
                                         rounded_case{1e19, 1, u"10000000000000000000"},
                                         rounded_case{-1e19, 22, u"-0010000000000000000000"},
                                         rounded_case{0x1p70, 1, u"1180591620717411303424"}));

} // namespace
} // namespace tolvin
