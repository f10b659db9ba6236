// Fuzzes search list-up and find: no crash, no hang, well-formed lists of tokens taken
// from the text, the size bound, and on small texts the same results as the plain
// step-by-step routines.
//
// Input: the search mode, the comment switch, the selection start and length (one byte
// each), then the search string up to the first line feed byte, then the list text.
#include "core/list_text.hpp"
#include "generators/search_list.hpp"

#include "fuzz_text.hpp"
#include "search_list_reference.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using tolvin::fuzz::require;

constexpr std::u16string_view heading = u"検索文字を使ってリストアップしました\r\n";

void check_listing(const std::u16string& text, const std::u16string& search, std::int32_t mode,
                   std::int32_t flag, const tolvin::search_listing& result) {
    std::u16string_view out = result.text;
    require(result.lines >= 0);
    require(out.empty() == (result.lines == 0));
    if (out.empty()) {
        return;
    }
    if (flag == 1) {
        require(out.starts_with(heading) && out.ends_with(u"=END="));
        out = out.substr(heading.size(), out.size() - heading.size() - 5);
    }
    const std::u16string worked = text + u"\r\n";
    // Without a separator in the search string, every listed token holds it whole.
    const bool plain_search = std::none_of(search.begin(), search.end(), [mode](char16_t c) {
        return tolvin::reference::is_separator(c, mode);
    });
    std::int32_t lines = 0;
    std::size_t longest = 0;
    while (!out.empty()) {
        const std::size_t end = out.find(u"\r\n");
        require(end != std::u16string_view::npos && end > 0);
        const std::u16string_view token = out.substr(0, end);
        // A token holds no separator, not even the line end added after the text.
        for (const char16_t c : token) {
            require(!tolvin::reference::is_separator(c, mode));
        }
        require(worked.find(token) != std::u16string::npos);
        require(!plain_search || token.find(search) != std::u16string_view::npos);
        longest = std::max(longest, token.size());
        out.remove_prefix(end + 2);
        ++lines;
    }
    require(lines == result.lines);
    // The list-up stops at the token that takes it past the limit.
    require(result.text.size() <= tolvin::list_limit + longest + 2 + heading.size() + 5);
}

void check_find(const std::u16string& text, const std::u16string& search, std::size_t sel_start,
                std::size_t sel_length) {
    const auto found = tolvin::find_next_occurrence(text, search, sel_start, sel_length);
    if (found) {
        require(*found + search.size() <= text.size());
        require(std::u16string_view(text).substr(*found, search.size()) == search);
    } else {
        require(search.empty() || text.find(search) == std::u16string::npos);
    }
    if (text.size() <= 300) {
        require(found == tolvin::reference::find_next_occurrence(text, search, sel_start, sel_length));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    const std::int32_t mode = data[0] % 3; // "0", "1" and "2" in a corpus file
    const std::int32_t flag = data[1] % 3;
    const std::uint8_t* rest = data + 4;
    const std::size_t rest_size = size - 4;
    const std::uint8_t* split = std::find(rest, rest + rest_size, std::uint8_t{'\n'});
    const std::u16string search = tolvin::fuzz::decode(rest, static_cast<std::size_t>(split - rest));
    const std::u16string text =
        split == rest + rest_size
            ? std::u16string{}
            : tolvin::fuzz::decode(split + 1, static_cast<std::size_t>(rest + rest_size - split - 1));

    const tolvin::search_listing result = tolvin::list_up_by_search(text, search, mode, flag);
    check_listing(text, search, mode, flag, result);
    if (text.size() <= 300) {
        const tolvin::search_listing expected =
            tolvin::reference::list_up_by_search(text, search, mode, flag);
        require(result.text == expected.text);
        require(result.lines == expected.lines);
    }

    // The selection start may lie past the text's end; its length may run past it.
    const std::size_t sel_start = data[2] % (text.size() + 2);
    const std::size_t sel_length = data[3] % 2 == 0 ? search.size() : data[3] / 2;
    check_find(text, search, sel_start, sel_length);
    return 0;
}
