// Replace, add text and the numbered list at their worst, at 1,000, 8,000 and 65,535
// characters: each should grow linearly and stay well under a millisecond at the limit.
#include "core/list_text.hpp"
#include "generators/list_edits.hpp"
#include "generators/numbered_list.hpp"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace {

using tolvin::list_limit;

void report(benchmark::State& state, std::size_t in_chars, std::size_t out_chars) {
    state.counters["in_chars"] = static_cast<double>(in_chars);
    state.counters["out_chars"] = static_cast<double>(out_chars);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * in_chars));
}

// A text of "a"s with every "a" replaced.
void replace_every_a(benchmark::State& state, std::u16string_view replacement) {
    const std::u16string text(static_cast<std::size_t>(state.range(0)), u'a');
    std::size_t out = 0;
    for (auto _ : state) {
        const std::u16string result = tolvin::replace_text(text, u"a", replacement, list_limit);
        out = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    report(state, text.size(), out);
}

// Every character an occurrence, every occurrence deleted.
void BM_replace_a_by_nothing(benchmark::State& state) {
    replace_every_a(state, u"");
}
BENCHMARK(BM_replace_a_by_nothing)->Arg(1000)->Arg(8000)->Arg(65535)->Unit(benchmark::kMicrosecond);

// Every character doubled: at 40,000 the result passes the limit and building stops.
void BM_replace_a_by_bb(benchmark::State& state) {
    replace_every_a(state, u"bb");
}
BENCHMARK(BM_replace_a_by_bb)->Arg(500)->Arg(4000)->Arg(40000)->Unit(benchmark::kMicrosecond);

// A text to find that almost matches everywhere: "aaa...ab" in a text of "a"s.
void BM_replace_near_misses(benchmark::State& state) {
    const std::u16string text(static_cast<std::size_t>(state.range(0)), u'a');
    const std::u16string find = std::u16string(999, u'a') + u"b";
    for (auto _ : state) {
        const std::u16string result = tolvin::replace_text(text, find, u"x", list_limit);
        benchmark::DoNotOptimize(result.data());
    }
    report(state, text.size(), text.size());
}
BENCHMARK(BM_replace_near_misses)->Arg(1000)->Arg(8000)->Arg(65535)->Unit(benchmark::kMicrosecond);

// One-character lines, each getting "!"; at 65,535 the result passes the limit.
void BM_add_to_every_line(benchmark::State& state) {
    std::u16string text;
    for (std::int64_t i = 0; i < state.range(0) / 3; ++i) {
        text += u"a\r\n";
    }
    std::size_t out = 0;
    for (auto _ : state) {
        const std::u16string result = tolvin::add_text(text, u"!", tolvin::text_position::end, list_limit);
        out = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    report(state, text.size(), out);
}
BENCHMARK(BM_add_to_every_line)->Arg(1000)->Arg(8000)->Arg(65535)->Unit(benchmark::kMicrosecond);

// 0 to 99999999, stopped at the given length.
void BM_numbered_huge_range(benchmark::State& state) {
    const auto limit = static_cast<std::size_t>(state.range(0));
    std::size_t out = 0;
    for (auto _ : state) {
        const std::u16string block =
            tolvin::numbered_list(u"", u"0", u"99999999", tolvin::text_position::end, limit);
        out = block.size();
        benchmark::DoNotOptimize(block.data());
    }
    report(state, out, out);
}
BENCHMARK(BM_numbered_huge_range)
    ->Arg(1000)
    ->Arg(8000)
    ->Arg(16000)
    ->Arg(32000)
    ->Arg(65535)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
