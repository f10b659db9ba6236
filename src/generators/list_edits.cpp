#include "generators/list_edits.hpp"

#include "core/list_text.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tolvin {

namespace {

// For each prefix of `find`, the length of its longest proper border (a prefix that is
// also a suffix): where a partial match goes on after a mismatch.
std::vector<std::uint32_t> borders(std::u16string_view find) {
    std::vector<std::uint32_t> border(find.size(), 0);
    std::uint32_t k = 0;
    for (std::size_t i = 1; i < find.size(); ++i) {
        while (k > 0 && find[i] != find[k]) {
            k = border[k - 1];
        }
        if (find[i] == find[k]) {
            ++k;
        }
        border[i] = k;
    }
    return border;
}

} // namespace

std::u16string replace_text(std::u16string_view text, std::u16string_view find,
                            std::u16string_view replacement, std::size_t limit) {
    if (find.empty()) {
        return std::u16string(text);
    }
    // One left-to-right pass matching `find` by its borders (Knuth, Morris, Pratt):
    // linear in the text whatever `find` is. After an occurrence matching starts
    // afresh, which is what resuming the search behind the replacement means.
    const std::vector<std::uint32_t> border = borders(find);
    // The result is written in place into a string sized once for the longest result
    // that can come out (every `find` replaced, or cut just past the limit), so that
    // making it takes one allocation and no copying as it grows.
    std::size_t longest = text.size();
    if (replacement.size() > find.size()) {
        longest += text.size() / find.size() * (replacement.size() - find.size());
    }
    std::u16string out(std::min(longest, limit + replacement.size() + 1), u'\0');
    std::size_t written = 0;
    const auto write = [&](std::u16string_view part) {
        if (written + part.size() > out.size()) {
            out.resize(std::max(written + part.size(), 2 * out.size())); // a long stretch without `find`
        }
        char16_t* to = out.data() + written;
        if (part.size() <= 4) { // a word's worth: quicker than calling for a copy
            for (const char16_t c : part) {
                *to++ = c;
            }
        } else {
            std::copy(part.begin(), part.end(), to);
        }
        written += part.size();
    };
    std::size_t copied = 0; // the text before this is in `out`
    std::size_t matched = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        while (matched > 0 && find[matched] != c) {
            matched = border[matched - 1];
        }
        if (find[matched] == c) {
            ++matched;
        }
        if (matched == find.size()) {
            const std::size_t start = i + 1 - matched;
            if (start > copied) {
                write(text.substr(copied, start - copied));
            }
            if (!replacement.empty()) {
                write(replacement);
            }
            copied = i + 1;
            matched = 0;
            if (written > limit) {
                out.resize(written);
                return out;
            }
        }
    }
    write(text.substr(copied));
    out.resize(written);
    return out;
}

std::u16string add_text(std::u16string_view text, std::u16string_view added, text_position where,
                        std::size_t limit) {
    std::u16string out;
    out.reserve(std::min(text.size(), limit) + 1);
    std::size_t start = 0;
    while (true) {
        const std::size_t found = text.find(crlf, start);
        const std::size_t end = found == std::u16string_view::npos ? text.size() : found;
        const std::u16string_view line = text.substr(start, end - start);
        if (is_blank(line)) {
            out.append(line);
        } else if (where == text_position::end) {
            out.append(line);
            out.append(added);
        } else {
            out.append(added);
            out.append(line);
        }
        if (end == text.size()) {
            return out;
        }
        out.append(crlf);
        start = end + crlf.size();
        if (out.size() > limit) {
            return out;
        }
    }
}

} // namespace tolvin
