// Fuzzes replace and add text: no crash, no hang, the length stop, and on small texts
// the same result as the plain step-by-step rewrite.
//
// Input: one byte choosing the edit and the length limit, then the list text, the text
// to find or add and the replacement, separated by zero bytes.
#include "core/list_text.hpp"
#include "generators/list_edits.hpp"

#include "fuzz_text.hpp"
#include "list_edits_reference.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using tolvin::fuzz::require;

std::vector<std::u16string> fields(const std::uint8_t* data, std::size_t size, std::size_t count) {
    std::vector<std::u16string> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size && out.size() + 1 < count; ++i) {
        if (i == size || data[i] == 0) {
            out.push_back(tolvin::fuzz::decode(data + start, i - start));
            start = i + 1;
        }
    }
    out.push_back(start < size ? tolvin::fuzz::decode(data + start, size - start) : std::u16string());
    while (out.size() < count) {
        out.emplace_back();
    }
    return out;
}

// A result past the limit is cut short: it must then be a beginning of the full one.
void check_against(const std::u16string& result, const std::u16string& expected, std::size_t limit) {
    if (expected.size() <= limit) {
        require(result == expected);
    } else {
        require(result.size() > limit);
        require(expected.compare(0, result.size(), result) == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int edit = data[0] % 3; // "0": replace, "1": add at the end, "2": add at the head
    const std::size_t step = data[0] / 3;
    const std::size_t limit = step == 0 || step >= 64 ? tolvin::list_limit : step * 5;
    const std::vector<std::u16string> f = fields(data + 1, size - 1, 3);
    const std::u16string& text = f[0];

    std::u16string result;
    if (edit == 0) {
        result = tolvin::replace_text(text, f[1], f[2], limit);
    } else {
        const auto where = edit == 1 ? tolvin::text_position::end : tolvin::text_position::head;
        result = tolvin::add_text(text, f[1], where, limit);
    }
    // The stop comes right after the piece that passes the limit.
    require(result.size() <= limit + text.size() + (f[1].size() + 2) * (f[2].size() + 2));

    if (text.size() <= 200 && f[1].size() <= 100 && f[2].size() <= 100) {
        const std::u16string expected = edit == 0 ? tolvin::reference::replace_text(text, f[1], f[2])
                                                  : tolvin::reference::add_text(text, f[1], edit == 1);
        check_against(result, expected, limit);
    }
    return 0;
}
