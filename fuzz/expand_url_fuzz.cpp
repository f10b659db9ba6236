// Fuzzes the URL range expansion: no crash, no hang, well-formed lines, the size bound,
// and on small texts the same result as the plain step-by-step expansion.
#include "core/list_text.hpp"
#include "generators/url_char.hpp"
#include "generators/url_range.hpp"

#include "fuzz_text.hpp"
#include "url_range_reference.hpp"

#include <cstddef>
#include <cstdint>

namespace {

using tolvin::fuzz::require;

void check_shape(const std::u16string& text, const tolvin::url_expansion& result, std::int32_t flag) {
    const std::u16string& out = result.text;
    require(result.lines >= 0);
    require(out.empty() == (result.lines == 0));
    if (out.empty()) {
        return;
    }
    // Every block starts with an empty line; every line, the last included, ends with CR LF.
    require(out.size() >= 4 && out[0] == u'\r' && out[1] == u'\n');
    require(out[out.size() - 2] == u'\r' && out[out.size() - 1] == u'\n');
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const char16_t c = out[i];
        if (c == u'\r') {
            require(i + 1 < out.size() && out[i + 1] == u'\n');
            ++breaks;
        } else if (c == u'\n') {
            require(i > 0 && out[i - 1] == u'\r');
        } else if (flag != 1) {
            // Without comment lines the result is made of token characters only.
            require(tolvin::is_url_char(c));
        }
    }
    require(breaks >= static_cast<std::size_t>(result.lines));
    // The expansion stops within one block of passing the limit; a block's lines before
    // the cut are bounded by the text it came from.
    require(out.size() <= tolvin::list_limit + 64 + 4 * text.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::int32_t flag = data[0] % 3; // "0", "1" and "2" in a corpus file
    const std::u16string text = tolvin::fuzz::decode(data + 1, size - 1);
    const tolvin::url_expansion result = tolvin::expand_url(text, flag);
    check_shape(text, result, flag);
    // The plain expansion walks one character at a time, so only small texts go there.
    if (text.size() <= 300) {
        const tolvin::url_expansion expected = tolvin::reference::expand_url(text, flag);
        require(result.text == expected.text);
        require(result.lines == expected.lines);
    }
    return 0;
}
