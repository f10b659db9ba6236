// A plain transcription of the list box's undo history: 100 whole copies of the text and
// the four positions, each step written out as the window performs it. The fuzz target
// and the unit tests compare undo_ring against it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolvin::reference {

struct undo_history {
    std::array<std::u16string, 100> undo_text;
    std::int32_t undo_pos = 0;
    std::int32_t undo_newest = 0;
    std::int32_t undo_oldest = 0;
    std::int32_t undo_wrapped = 0;

    void record(std::u16string_view text) {
        if (undo_pos < 99) {
            undo_pos = undo_pos + 1;
        } else {
            undo_pos = 0;
            undo_wrapped = 1;
        }
        undo_text[undo_pos] = std::u16string(text);
        undo_newest = undo_pos;
        if (undo_wrapped == 1) {
            undo_oldest = undo_pos + 1 == 100 ? 0 : undo_pos + 1;
        }
    }

    // Undo refuses at the oldest entry, where its disabled button stands; elsewhere it
    // takes one step back when the step stays within the history.
    void undo() {
        if (!undo_enabled()) {
            return;
        }
        const std::int32_t p = undo_pos == 0 ? 99 : undo_pos - 1;
        if (p >= undo_oldest || (undo_wrapped == 1 && p < undo_newest)) {
            undo_pos = p;
        }
    }

    void redo() {
        if (!redo_enabled()) {
            return;
        }
        const std::int32_t n = undo_pos == 99 ? 0 : undo_pos + 1;
        if (n <= undo_newest || (undo_wrapped == 1 && n > undo_oldest)) {
            undo_pos = n;
        }
    }

    bool undo_enabled() const { return undo_pos != undo_oldest; }
    bool redo_enabled() const { return undo_pos != undo_newest; }
};

} // namespace tolvin::reference
