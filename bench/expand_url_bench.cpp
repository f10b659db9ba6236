// URL range expansion against a plain copy of the same number of output bytes, and
// against texts built to make a careless bracket search slow.
#include "core/number_text.hpp"
#include "generators/url_range.hpp"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using tolvin::expand_url;

const std::u16string gallery_head = u"http://www.example.com/gallery/2024/spring/photos/img_";

// One template whose expansion gives about `target` characters; 65,535 and more asks
// for the range that runs into the limit.
std::u16string one_template(std::size_t target) {
    if (target >= 65535) {
        return gallery_head + u"[0-99999999].jpg";
    }
    std::int64_t low = 0;
    std::int64_t high = 10000;
    while (low < high) { // the smallest last number whose expansion reaches the target
        const std::int64_t mid = (low + high) / 2;
        const std::u16string candidate = gallery_head + u"[0-" + tolvin::padded_number(mid, 0) + u"].jpg";
        if (expand_url(candidate, 0).text.size() >= target) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return gallery_head + u"[0-" + tolvin::padded_number(low, 0) + u"].jpg";
}

// 500 short templates, one per line, with some text between them.
std::u16string five_hundred_templates() {
    std::u16string list;
    for (int i = 0; i < 500; ++i) {
        list += u"http://ex.jp/d" + tolvin::padded_number(i, 3) + u"/a[01-04].jpg\r\n";
        if (i % 10 == 0) {
            list += u"ここから次のアルバム\r\n";
        }
    }
    return list;
}

void run_expansion(benchmark::State& state, const std::u16string& input) {
    std::size_t chars = 0;
    for (auto _ : state) {
        tolvin::url_expansion result = expand_url(input, 0);
        chars = result.text.size();
        benchmark::DoNotOptimize(result.text.data());
    }
    state.counters["out_chars"] = static_cast<double>(chars);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * chars * sizeof(char16_t)));
}

void run_copy(benchmark::State& state, std::size_t chars) {
    const std::size_t bytes = chars * sizeof(char16_t);
    std::vector<char> from(bytes, 'x');
    std::vector<char> to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.counters["out_chars"] = static_cast<double>(chars);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_expand_one_template(benchmark::State& state) {
    run_expansion(state, one_template(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_expand_one_template)->Arg(1000)->Arg(8000)->Arg(65535);

void BM_memcpy_one_template_output(benchmark::State& state) {
    run_copy(state, expand_url(one_template(static_cast<std::size_t>(state.range(0))), 0).text.size());
}
BENCHMARK(BM_memcpy_one_template_output)->Arg(1000)->Arg(8000)->Arg(65535);

void BM_expand_500_templates(benchmark::State& state) {
    run_expansion(state, five_hundred_templates());
}
BENCHMARK(BM_expand_500_templates);

void BM_memcpy_500_templates_output(benchmark::State& state) {
    run_copy(state, expand_url(five_hundred_templates(), 0).text.size());
}
BENCHMARK(BM_memcpy_500_templates_output);

// Full-size texts that yield little or nothing, each aimed at one rescan the search
// could fall into.
std::u16string hostile_text(std::int64_t kind) {
    constexpr std::size_t size = 65536;
    std::u16string text;
    switch (kind) {
    case 0: // "[" only
        text.assign(size, u'[');
        break;
    case 1: // one "[" and a line that never closes
        text = u"[" + std::u16string(size - 1, u'a');
        break;
    case 2: // every line opens, the only "]" stands at the very end
        while (text.size() + 5 < size) {
            text += u"a[b\r\n";
        }
        text += u"]";
        break;
    case 3: // tokens whose brackets hold no dash
        while (text.size() + 6 < size) {
            text += u"x[ab] ";
        }
        break;
    case 4: // lone CR and LF, which are no line ends, between brackets
        while (text.size() + 3 < size) {
            text += u"[\n\r";
        }
        text += u"]";
        break;
    default: // a range text of a whole box
        text = u"x[" + std::u16string(size - 5, u' ') + u"-1]";
        break;
    }
    return text;
}

void BM_expand_hostile(benchmark::State& state) {
    run_expansion(state, hostile_text(state.range(0)));
}
BENCHMARK(BM_expand_hostile)->DenseRange(0, 5);

} // namespace

BENCHMARK_MAIN();
