#include "generators/search_list.hpp"

#include "core/list_text.hpp"
#include "generators/url_char.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tolvin {
namespace {

struct listing_case {
    const char* name;
    std::u16string text;
    std::u16string search;
    std::int32_t search_mode;
    std::int32_t comment_flag;
    std::u16string expected;
    std::int32_t count;
};

void PrintTo(const listing_case& c, std::ostream* os) {
    *os << c.name;
}

std::vector<listing_case> listing_cases() {
    return {
        {"quotes_end_tokens_in_markup", u"<img src=\"a.jpg\">\r\n<a href='b.jpg'>", u"jpg", 0, 0,
         u"a.jpg\r\nb.jpg\r\n", 2},
        {"without_quotes_the_markup_belongs_to_the_token", u"<img src=a.jpg>", u"jpg", 0, 0,
         u"src=a.jpg>\r\n", 1},
        {"japanese_mode_keeps_the_wide_space", u"x\r\nこの画像です　OK", u"画像", 1, 0,
         u"この画像です　OK\r\n", 1},
        {"japanese_mode_cuts_at_quotes_tab_and_backspace", u"\"画像A\"\t画像B'画像C\b画像D", u"画像", 1, 0,
         u"画像A\r\n画像B\r\n画像C\r\n画像D\r\n", 4},
        {"japanese_around_a_url_is_cut_off", u"写真はhttp://h/p.jpgです　「http://h/q.gif」", u"http://", 0,
         0, u"http://h/p.jpg\r\nhttp://h/q.gif\r\n", 2},
        {"any_mode_but_1_lists_url_tokens", u"写真はhttp://h/p.jpgです", u"jpg", 2, 0, u"http://h/p.jpg\r\n",
         1},
        {"a_token_holding_it_twice_is_listed_once_duplicates_are_kept", u"jpgjpg x.jpg\r\nx.jpg", u"jpg", 0,
         0, u"jpgjpg\r\nx.jpg\r\nx.jpg\r\n", 3},
        {"matching_is_case_sensitive", u"a.jpg B.JPG", u"JPG", 0, 0, u"B.JPG\r\n", 1},
        {"comment_lines_close_without_a_line_end", u"a.gif b.gif", u"gif", 0, 1,
         u"検索文字を使ってリストアップしました\r\na.gif\r\nb.gif\r\n=END=", 2},
        {"nothing_found_has_no_heading", u"a.gif", u"jpg", 0, 1, u"", 0},
        {"empty_search_finds_nothing", u"a.gif", u"", 0, 1, u"", 0},
        // The occurrence starts with a separator, so no token holds it.
        {"a_search_starting_with_a_separator_lists_only_tokens_before_it", u"a b", u" b", 0, 0, u"a\r\n", 1},
        // The search may reach into the line end that closes the last line.
        {"the_last_line_ends_with_a_line_end_too", u"a.jpg\r\nb.jpg", u"jpg\r\n", 0, 0, u"a.jpg\r\nb.jpg\r\n",
         2},
        // A lone LF as search string finds only line ends, which are no tokens.
        {"a_line_feed_alone_lists_nothing", u"a.jpg\r\nb", u"\n", 1, 1, u"", 0},
    };
}

class list_up_cases : public testing::TestWithParam<listing_case> {};

TEST_P(list_up_cases, lists_as_given) {
    const listing_case& c = GetParam();
    const search_listing result = list_up_by_search(c.text, c.search, c.search_mode, c.comment_flag);
    EXPECT_EQ(result.text, c.expected);
    EXPECT_EQ(result.lines, c.count);
}

INSTANTIATE_TEST_SUITE_P(table, list_up_cases, testing::ValuesIn(listing_cases()),
                         [](const testing::TestParamInfo<listing_case>& info) { return info.param.name; });

TEST(list_up_by_search, stops_at_the_token_that_passes_the_limit) {
    std::u16string text;
    for (int i = 0; i < 3000; ++i) {
        text += u"http://example.com/a.jpg ";
    }
    const search_listing result = list_up_by_search(text, u"jpg", 0, 1);
    // 24 characters and CR LF a token: the 2,521st passes 65,535.
    EXPECT_EQ(result.lines, 2521);
    const std::u16string heading = u"検索文字を使ってリストアップしました\r\n";
    EXPECT_EQ(result.text.size(), heading.size() + 2521 * 26 + 5);
    EXPECT_TRUE(result.text.ends_with(u"a.jpg\r\n=END="));
}

TEST(url_char, ends_at_the_blank_and_the_quotes_of_printable_ascii) {
    const std::u16string url = u"!#&(~";
    const std::u16string separators = u" \"'\x7f\x1f\u3000\u00a0あ";
    for (const char16_t c : url) {
        EXPECT_TRUE(is_url_char(c)) << int(c);
    }
    for (const char16_t c : separators) {
        EXPECT_FALSE(is_url_char(c)) << int(c);
    }
}

struct find_case {
    const char* name;
    std::u16string text;
    std::u16string search;
    std::size_t sel_start;
    std::size_t sel_length;
    std::optional<std::size_t> expected;
};

void PrintTo(const find_case& c, std::ostream* os) {
    *os << c.name;
}

class find_cases : public testing::TestWithParam<find_case> {};

TEST_P(find_cases, finds_as_given) {
    const find_case& c = GetParam();
    EXPECT_EQ(find_next_occurrence(c.text, c.search, c.sel_start, c.sel_length), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    table, find_cases,
    testing::Values(find_case{"an_occurrence_at_the_caret_is_found", u"ab ab", u"ab", 3, 0, 3},
                    find_case{"a_selected_occurrence_is_stepped_over", u"ab ab", u"ab", 0, 2, 3},
                    find_case{"another_selection_searches_from_its_start", u"ab ab", u"ab", 0, 1, 0},
                    find_case{"wraps_around_to_the_top", u"ab ab x", u"ab", 7, 0, 0},
                    find_case{"the_only_occurrence_selected_is_found_again", u"x ab", u"ab", 2, 2, 2},
                    find_case{"an_occurrence_inside_the_selection_is_passed_over", u"aaaa", u"aa", 0, 2, 2},
                    find_case{"case_sensitive", u"ab", u"AB", 0, 0, std::nullopt},
                    find_case{"empty_search", u"ab", u"", 0, 0, std::nullopt},
                    find_case{"longer_than_the_text", u"ab", u"abc", 0, 0, std::nullopt},
                    find_case{"across_a_line_end", u"a\r\nb a", u"a\r\nb", 1, 0, 0}),
    [](const testing::TestParamInfo<find_case>& info) { return info.param.name; });

} // namespace
} // namespace tolvin
