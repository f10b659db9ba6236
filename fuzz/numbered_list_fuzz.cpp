// Fuzzes the numbered list: no crash, no hang, the length stop, and on small fields the
// same block as the plain step-by-step count.
//
// Input: one byte choosing the position and the length limit, then the common text and
// the first and last number texts, separated by zero bytes.
#include "core/list_text.hpp"
#include "generators/numbered_list.hpp"

#include "fuzz_text.hpp"
#include "list_edits_reference.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using tolvin::fuzz::require;

std::vector<std::u16string> fields(const std::uint8_t* data, std::size_t size) {
    std::vector<std::u16string> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < size && out.size() < 2; ++i) {
        if (data[i] == 0) {
            out.push_back(tolvin::fuzz::decode(data + start, i - start));
            start = i + 1;
        }
    }
    out.push_back(start < size ? tolvin::fuzz::decode(data + start, size - start) : std::u16string());
    while (out.size() < 3) {
        out.emplace_back();
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool at_end = data[0] % 2 == 0; // "0": end, "1": head
    const std::size_t step = data[0] / 2;
    const std::size_t limit = step == 24 || step >= 64 ? tolvin::list_limit : step * 7;
    const std::vector<std::u16string> f = fields(data + 1, size - 1);
    const auto where = at_end ? tolvin::text_position::end : tolvin::text_position::head;
    const std::u16string block = tolvin::numbered_list(f[0], f[1], f[2], where, limit);

    if (!block.empty()) {
        // A leading CR LF, then lines each ending with CR LF; the stop comes right after
        // the line that passes the limit.
        require(block.size() >= 3 && block.compare(0, 2, u"\r\n") == 0);
        require(block.compare(block.size() - 2, 2, u"\r\n") == 0);
        require(block.size() <= 2 * limit + 2 * f[0].size() + 700);
    }
    // The plain count formats every number on its own; it only checks blocks of a
    // small limit, or small blocks, so that the run stays fast.
    const bool small = limit <= 4096 || block.size() <= 4096;
    if (small && f[0].size() <= 100 && f[1].size() <= 100 && f[2].size() <= 100) {
        const std::u16string expected = tolvin::reference::numbered_list(f[0], f[1], f[2], at_end, limit);
        // Past the limit the block only needs to be refused: a cut block may stop inside
        // a wider number than the plain count writes.
        require(block == expected || (block.size() > limit && expected.size() > limit));
    }
    return 0;
}
