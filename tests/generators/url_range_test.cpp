#include "generators/url_range.hpp"

#include "core/list_text.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace tolvin {
namespace {

using lines = std::vector<std::u16string>;

// head + n + suffix for n from `from` to `to`, n written with at least `width` digits.
lines numbered(const std::u16string& head, long from, long to, int width, const std::u16string& suffix) {
    lines out;
    for (long n = from;; n += from <= to ? 1 : -1) {
        char digits[32];
        std::snprintf(digits, sizeof digits, "%0*ld", width + (n < 0 ? 1 : 0), n);
        out.push_back(head + std::u16string(digits, digits + std::char_traits<char>::length(digits)) +
                      suffix);
        if (n == to) {
            break;
        }
    }
    return out;
}

lines join(std::initializer_list<lines> parts) {
    lines out;
    for (const lines& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

// Every expected line ends with CR LF, the last included.
std::u16string as_text(const lines& expected) {
    std::u16string text;
    for (const auto& line : expected) {
        text += line + u"\r\n";
    }
    return text;
}

struct expansion_case {
    const char* name;
    std::u16string input;
    std::int32_t comment_flag;
    lines expected;
    std::int32_t count;
};

void PrintTo(const expansion_case& c, std::ostream* os) {
    *os << c.name;
}

const std::u16string xyz = u"http://example.com/xyz/kurukuru";
const std::u16string abc = u"http://example.com/abc/";

std::vector<expansion_case> expansion_cases() {
    return {
        {"ascending_three_digits", xyz + u"[000-108].jpg", 0,
         join({{u""}, numbered(xyz, 0, 108, 3, u".jpg")}), 109},
        {"descending_keeps_width", xyz + u"[108-000].jpg", 0,
         join({{u""}, numbered(xyz, 108, 0, 3, u".jpg")}), 109},
        {"width_from_first_number_only", u"p[00-102]", 0, join({{u""}, numbered(u"p", 0, 102, 2, u"")}), 103},
        {"blanks_inside_brackets", u"p[ 000 - 010 ]q", 0, join({{u""}, numbered(u"p", 0, 10, 3, u"q")}), 11},
        {"negative_first_number", u"p[-5-5]", 0, join({{u""}, numbered(u"p", -5, 5, 1, u"")}), 11},
        {"negative_padded", u"p[-05-5]", 0, join({{u""}, numbered(u"p", -5, 5, 2, u"")}), 11},
        // Where the printed length changes, counting either way and on either side of 0.
        {"length_changes_downwards", u"p[12-7]q", 0, join({{u""}, numbered(u"p", 12, 7, 2, u"q")}), 6},
        {"negative_downwards", u"p[-8--12]q", 0, join({{u""}, numbered(u"p", -8, -12, 1, u"q")}), 5},
        {"extra_name_first", abc + u"welcome[000-024].jpg+welcome.jpg", 0,
         join({{u"", abc + u"welcome.jpg"}, numbered(abc + u"welcome", 0, 24, 3, u".jpg")}), 26},
        {"extra_name_without_slash",
         u"a/b pic[1-2].gif+top.gif",
         0,
         {u"", u"pictop.gif", u"pic1.gif", u"pic2.gif"},
         3},
        {"extra_name_keeps_later_plus", u"[1-2]+x+y", 0, {u"", u"x+y", u"1", u"2"}, 3},
        {"comment_lines_per_block",
         u"http://h/a/x[1-2].jpg\r\nhttp://h/b/y[3-3].png",
         1,
         {u"", u"1. x 展開しました", u"http://h/a/x1.jpg", u"http://h/a/x2.jpg", u"=END=", u"",
          u"2. y 展開しました", u"http://h/b/y3.png", u"=END="},
         3},
        {"comment_heading_before_extra",
         u"h/n[1-1].g+t.g",
         1,
         {u"", u"1. n 展開しました", u"h/t.g", u"h/n1.g", u"=END="},
         2},
        {"comment_heading_without_slash", u"n[1-1]", 1, {u"", u"1.  展開しました", u"n1", u"=END="}, 1},
        {"comment_flag_other_than_one", u"n[1-1]", 2, {u"", u"n1"}, 1},
        {"template_inside_sentence",
         u"画像はhttp://h/p[1-2].jpg です。",
         0,
         {u"", u"http://h/p1.jpg", u"http://h/p2.jpg"},
         2},
        {"quotes_and_tab_cut_tokens",
         u"<a href=\"h/p[1-1].jpg\">\t'h/q[2-2]'",
         0,
         {u"", u"h/p1.jpg", u"", u"h/q2"},
         2},
        {"separators_inside_brackets_kept_in_token", u"a[1\t-\u30002]b c", 0, {u"", u"a01b", u"a02b"}, 2},
        {"second_pair_copied_into_suffix", u"a[1-2]b[3-4]", 0, {u"", u"a1b[3-4]", u"a2b[3-4]"}, 2},
        {"bracket_inside_range_text", u"a[[1-2]", 0, join({{u""}, numbered(u"a", 0, 2, 2, u"")}), 3},
        {"next_token_after_failed_one", u"x[abc]y [1-2]", 0, {u"", u"1", u"2"}, 2},
        {"unclosed_line_then_template", u"a[b [c\r\nd/e[1-2]", 0, {u"", u"d/e1", u"d/e2"}, 2},
        {"close_before_later_open", u"[[[\r\n]x[1-2]", 0, {u"", u"]x1", u"]x2"}, 2},
        {"lone_lf_is_no_line_end", u"x[1-\n2]y", 0, {u"", u"x1y", u"x2y"}, 2},
        {"lone_cr_ends_number", u"x[1-\r2]y", 0, {u"", u"x1y", u"x0y"}, 2},
        {"full_width_space_skipped", u"x[\u30005-7]", 0, {u"", u"x5", u"x6", u"x7"}, 3},
        {"other_non_ascii_ends_number",
         u"x[5\u00a0-7] y[１-３]",
         0,
         {u"", u"x05", u"x06", u"x07", u"", u"y0"},
         4},
        {"no_exponent", u"x[0-2e1]", 0, {u"", u"x0", u"x1", u"x2"}, 3},
        {"rounding_half_to_even", u"x[0.5-2.5]", 0, {u"", u"x000", u"x001", u"x002"}, 3},
        {"top_of_32_bit_range",
         u"x[2147483646-2147483647] y[2147483647-2147483646]",
         0,
         {u"", u"x2147483646", u"x2147483647", u"", u"y2147483647", u"y2147483646"},
         4},
        {"bottom_of_32_bit_range",
         u"x[-2147483648--2147483647]",
         0,
         {u"", u"x-2147483648", u"x-2147483647"},
         2},
        {"out_of_range_token_skipped_only", u"a[0-9999999999] b[1-1]", 0, {u"", u"b1"}, 1},
        {"templates_in_text_order", u"b[2-2]\r\nfoo\r\na[1-1]", 0, {u"", u"b2", u"", u"a1"}, 2},
    };
}

class expand_url_cases : public testing::TestWithParam<expansion_case> {};

TEST_P(expand_url_cases, expands_as_listed) {
    const expansion_case& c = GetParam();
    const url_expansion result = expand_url(c.input, c.comment_flag);
    EXPECT_EQ(result.text, as_text(c.expected));
    EXPECT_EQ(result.lines, c.count);
}

INSTANTIATE_TEST_SUITE_P(table, expand_url_cases, testing::ValuesIn(expansion_cases()),
                         [](const testing::TestParamInfo<expansion_case>& info) { return info.param.name; });

TEST(expand_url, yields_nothing_without_an_expandable_template) {
    const std::u16string_view texts[] = {u"",
                                         u"http://h/a.jpg\r\n",
                                         u"a[abc]",
                                         u"a[5]",
                                         u"a[-]",
                                         u"a[]",
                                         u"a[1-\r\n2]",
                                         u"x[abc]y[1-2]",
                                         u"x[0-2147483648]",
                                         u"x[-2147483649-0]",
                                         u"x[1-2"};
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        const url_expansion result = expand_url(texts[i], 1);
        EXPECT_EQ(result.text, u"") << "text " << i;
        EXPECT_EQ(result.lines, 0) << "text " << i;
    }
}

// The last line of a text whose lines end with CR LF, without its CR LF.
std::u16string last_line(const std::u16string& text) {
    const std::size_t start = text.rfind(u"\r\n", text.size() - 3);
    return text.substr(start + 2, text.size() - start - 4);
}

TEST(expand_url_limit, stops_right_after_passing_the_limit) {
    for (const std::int32_t flag : {0, 1}) {
        const url_expansion result = expand_url(u"http://h/p[0-99999999].jpg\r\nq[1-1]", flag);
        const std::u16string line = last_line(result.text);
        ASSERT_GT(result.text.size(), list_limit);
        // The line that passed the limit is complete, and the text before it was within the limit.
        EXPECT_LE(result.text.size() - line.size() - 2, list_limit);
        const std::size_t made = result.lines;
        const std::string number = std::to_string(made - 1);
        EXPECT_EQ(line, u"http://h/p" + std::u16string(number.begin(), number.end()) + u".jpg");
        EXPECT_EQ(result.text.find(u"=END="), std::u16string::npos);
        EXPECT_EQ(result.text.find(u"q1"), std::u16string::npos);
    }
}

TEST(expand_url_limit, exactly_at_the_limit_goes_on) {
    // The first block fills exactly 65,535 characters: 2 + 65,530 + 1 + 2.
    const std::u16string input = std::u16string(65530, u'a') + u"[1-1] b[1-2]";
    const url_expansion result = expand_url(input, 0);
    EXPECT_EQ(result.lines, 2);
    EXPECT_EQ(result.text.size(), list_limit + 6);
    EXPECT_EQ(last_line(result.text), u"b1");
}

TEST(expand_url_limit, wide_numbers_stop_after_one_line) {
    const std::u16string input = u"x[" + std::u16string(70000, u'0') + u"-5]";
    const url_expansion result = expand_url(input, 0);
    EXPECT_EQ(result.lines, 1);
    EXPECT_EQ(result.text.size(), 2 + 1 + 70000 + 2);
}

} // namespace
} // namespace tolvin
