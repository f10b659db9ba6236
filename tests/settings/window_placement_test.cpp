#include "settings/window_placement.hpp"

#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

using tolvin::list_min_size;
using tolvin::main_min_size;
using tolvin::twips_rect;

namespace {

constexpr std::int32_t big = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t small = std::numeric_limits<std::int32_t>::min();

struct placement_case {
    const char* name;
    twips_rect asked;
    tolvin::twips_size minimum;
    std::int32_t screen_w, screen_h;
    twips_rect placed;
};

void PrintTo(const placement_case& c, std::ostream* os) {
    *os << c.name;
}

class placement_test : public ::testing::TestWithParam<placement_case> {};

TEST_P(placement_test, places_window) {
    const placement_case& c = GetParam();
    const twips_rect r = tolvin::place_window(c.asked.left, c.asked.top, c.asked.width, c.asked.height,
                                              c.minimum, c.screen_w, c.screen_h);
    EXPECT_EQ(r, c.placed) << c.name << ": got " << r.left << ", " << r.top << ", " << r.width << ", "
                           << r.height;
}

INSTANTIATE_TEST_SUITE_P(
    cases, placement_test,
    ::testing::Values(
        placement_case{"fits", {100, 200, 8000, 5000}, main_min_size, 19200, 14400, {100, 200, 8000, 5000}},
        placement_case{"too small, off the top left",
                       {-300, -300, 100, 100},
                       main_min_size,
                       19200,
                       14400,
                       {0, 0, 7845, 4245}},
        placement_case{
            "result window too small", {10, 10, 0, -5}, list_min_size, 19200, 14400, {10, 10, 4125, 3570}},
        placement_case{"larger than the screen",
                       {100000, 100000, 100000, 100000},
                       list_min_size,
                       19200,
                       14400,
                       {0, 0, 19200, 14400}},
        placement_case{"past the right edge",
                       {15000, 0, 9000, 5000},
                       main_min_size,
                       19200,
                       14400,
                       {10200, 0, 9000, 5000}},
        placement_case{"past the bottom edge",
                       {0, 12000, 8000, 5000},
                       main_min_size,
                       19200,
                       14400,
                       {0, 9400, 8000, 5000}},
        // A screen below the minimum size: the minimum wins, whatever size was asked,
        // and the far edge stays on the screen's.
        placement_case{"narrow screen, small request",
                       {100, 100, 100, 100},
                       main_min_size,
                       6000,
                       3000,
                       {-1845, -1245, 7845, 4245}},
        placement_case{"narrow screen, large request",
                       {100, 100, 9000, 9000},
                       main_min_size,
                       6000,
                       3000,
                       {-1845, -1245, 7845, 4245}},
        placement_case{"narrow screen, off the top left",
                       {-1, -1, 9000, 9000},
                       main_min_size,
                       6000,
                       3000,
                       {0, 0, 7845, 4245}},
        placement_case{"no screen", {5, 5, 9000, 9000}, main_min_size, 0, -100, {-7845, -4245, 7845, 4245}},
        placement_case{"largest values", {big, big, big, big}, main_min_size, big, big, {0, 0, big, big}},
        placement_case{"largest request, usual screen",
                       {big, big, big, big},
                       main_min_size,
                       19200,
                       14400,
                       {0, 0, 19200, 14400}},
        placement_case{
            "smallest values", {small, small, small, small}, main_min_size, small, small, {0, 0, 7845, 4245}},
        placement_case{"far right on the largest screen",
                       {big, big, 8000, 5000},
                       list_min_size,
                       big,
                       big,
                       {big - 8000, big - 5000, 8000, 5000}}),
    [](const ::testing::TestParamInfo<placement_case>& info) {
        return "case_" + std::to_string(info.index);
    });

} // namespace
