// Search list-up and find over page sources up to a full list box, against a plain copy
// of the input, and against texts built to make a careless search quadratic.
#include "core/list_text.hpp"
#include "generators/search_list.hpp"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using tolvin::find_next_occurrence;
using tolvin::list_up_by_search;

std::u16string four_digits(int i) {
    std::u16string digits(4, u'0');
    for (int d = 3; d >= 0; --d, i /= 10) {
        digits[static_cast<std::size_t>(d)] = static_cast<char16_t>(u'0' + i % 10);
    }
    return digits;
}

// The source of a gallery page cut to `size` characters: at 65,535 it holds about
// 1,000 image addresses between markup and captions.
std::u16string page_source(std::size_t size) {
    std::u16string page = u"<html><head><title>ギャラリー</title>\r\n"
                          u"<script src=\"/js/site.js\"></script></head><body>\r\n";
    for (int i = 0; page.size() < size; ++i) {
        page += u"<li><img src=\"http://img.example.com/g/" + four_digits(i) + u".jpg\" alt=\"\"></li>\r\n";
        if (i % 8 == 0) {
            page += u"<p>写真 " + four_digits(i) + u"</p>\r\n";
        }
    }
    page.resize(size);
    return page;
}

void BM_list_up_jpg(benchmark::State& state) {
    const std::u16string page = page_source(static_cast<std::size_t>(state.range(0)));
    std::int32_t lines = 0;
    for (auto _ : state) {
        tolvin::search_listing result = list_up_by_search(page, u"jpg", 0, 1);
        lines = result.lines;
        benchmark::DoNotOptimize(result.text.data());
    }
    state.counters["tokens"] = lines;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size() * sizeof(char16_t)));
}
BENCHMARK(BM_list_up_jpg)->Arg(1000)->Arg(8000)->Arg(65535)->Unit(benchmark::kMicrosecond);

void BM_list_up_jpg_japanese_mode(benchmark::State& state) {
    const std::u16string page = page_source(65535);
    for (auto _ : state) {
        tolvin::search_listing result = list_up_by_search(page, u"jpg", 1, 1);
        benchmark::DoNotOptimize(result.text.data());
    }
}
BENCHMARK(BM_list_up_jpg_japanese_mode)->Unit(benchmark::kMicrosecond);

void BM_memcpy_input(benchmark::State& state) {
    const std::size_t bytes = static_cast<std::size_t>(state.range(0)) * sizeof(char16_t);
    std::vector<char> from(bytes, 'x');
    std::vector<char> to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_memcpy_input)->Arg(1000)->Arg(8000)->Arg(65535)->Unit(benchmark::kMicrosecond);

// Full-size texts with a search string that occurs nowhere, one that occurs everywhere,
// and ones that almost match everywhere.
struct hostile_case {
    std::u16string text;
    std::u16string search;
};

hostile_case hostile(std::int64_t kind) {
    constexpr std::size_t size = 65535;
    switch (kind) {
    case 0: // nowhere
        return {page_source(size), u"zqx"};
    case 1: // one character everywhere, every other one a separator: tokens until the limit
    {
        std::u16string text;
        while (text.size() < size) {
            text += u"a ";
        }
        return {text, u"a"};
    }
    case 2: // "aaab" in "aaaa…"
        return {std::u16string(size, u'a'), u"aaab"};
    case 3: // a long near match, as a naive search would compare it over and over
        return {std::u16string(size, u'a'), std::u16string(2000, u'a') + u"b"};
    default: // a long search string holding separators, matching at every other character
    {
        std::u16string text;
        while (text.size() < size) {
            text += u"a ";
        }
        std::u16string search;
        while (search.size() < 20000) {
            search += u"a ";
        }
        return {text, search};
    }
    }
}

void BM_list_up_hostile(benchmark::State& state) {
    const hostile_case c = hostile(state.range(0));
    for (auto _ : state) {
        tolvin::search_listing result = list_up_by_search(c.text, c.search, 0, 0);
        benchmark::DoNotOptimize(result.text.data());
    }
}
BENCHMARK(BM_list_up_hostile)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

// Find from the top of a full list whose only occurrence is its last line, so that
// the search reads the whole text; and the same where it occurs nowhere (both passes).
void BM_find(benchmark::State& state) {
    std::u16string list;
    for (int i = 0; list.size() < tolvin::list_limit - 40; ++i) {
        list += u"http://img.example.com/g/" + four_digits(i % 10000) + u".jpg\r\n";
    }
    list += state.range(0) == 0 ? u"http://img.example.com/last.png" : u"http://img.example.com/last.gif";
    for (auto _ : state) {
        benchmark::DoNotOptimize(find_next_occurrence(list, u"last.png", 0, 0));
    }
}
BENCHMARK(BM_find)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_find_hostile(benchmark::State& state) {
    const hostile_case c = hostile(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(find_next_occurrence(c.text, c.search, 0, 0));
    }
}
BENCHMARK(BM_find_hostile)->DenseRange(2, 3)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
