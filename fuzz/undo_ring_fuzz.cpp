// Fuzzes the undo history: random runs of typing, pasting, whole new texts, undos and
// redos must leave undo_ring and the plain 100-copy history with the same positions,
// button states and texts, and every entry within its bound of slices.
#include "core/undo_ring.hpp"

#include "fuzz_text.hpp"
#include "undo_ring_reference.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using tolvin::fuzz::require;

class input {
  public:
    input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    // Up to `max` following bytes turned into text.
    std::u16string text(std::size_t max) {
        const std::size_t n = std::min<std::size_t>(byte() % (max + 1), size_ - at_);
        const std::u16string t = tolvin::fuzz::decode(data_ + at_, n);
        at_ += n;
        return t;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Deletes up to `removed` characters at `where` (a fraction of the text in 256ths) and
// inserts `inserted` there, as a keystroke or a paste into the list box does; the text
// grows to at most `longest` characters.
std::u16string edited(std::u16string text, std::uint8_t where, std::size_t removed,
                      const std::u16string& inserted, std::size_t longest) {
    const std::size_t at = text.size() * where / 256;
    text.erase(at, std::min(removed, text.size() - at));
    if (text.size() + inserted.size() <= longest) {
        text.insert(at, inserted);
    }
    return text;
}

void check_same(const tolvin::undo_ring& ring, const tolvin::reference::undo_history& model) {
    require(ring.undo_pos() == model.undo_pos);
    require(ring.undo_oldest() == model.undo_oldest);
    require(ring.undo_newest() == model.undo_newest);
    require(ring.undo_wrapped() == model.undo_wrapped);
    require(ring.can_undo() == model.undo_enabled());
    require(ring.can_redo() == model.redo_enabled());
    const std::u16string& text = model.undo_text[static_cast<std::size_t>(model.undo_pos)];
    require(ring.undo_text(ring.undo_pos()) == text);
    require(ring.holds(ring.undo_pos(), text));
    if (!text.empty()) {
        std::u16string other = text;
        other[other.size() / 2] ^= 1;
        require(!ring.holds(ring.undo_pos(), other));
        require(!ring.holds(ring.undo_pos(), std::u16string_view(text).substr(1)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    input in(data, size);
    static constexpr std::size_t chunk_sizes[] = {2, 3, 16, 64, tolvin::undo_ring::default_chunk_chars};
    const std::size_t chunk = chunk_sizes[in.byte() % std::size(chunk_sizes)];
    tolvin::undo_ring ring(chunk);
    // Texts of up to fifty chunks, a few with the real chunk size: enough for every
    // edge between chunks and for merging runs of short slices, yet quick to compare.
    const std::size_t longest = std::min<std::size_t>(chunk * 50, 10000);
    tolvin::reference::undo_history model;

    const auto record = [&](const std::u16string& text) {
        ring.record(text);
        model.record(text);
    };
    const auto current = [&] { return model.undo_text[static_cast<std::size_t>(model.undo_pos)]; };

    while (!in.done()) {
        switch (in.byte() % 8) {
        case 0:
        case 1: {
            const bool could = ring.can_undo();
            require(ring.step_back() == could);
            model.undo();
            break;
        }
        case 2: {
            const bool could = ring.can_redo();
            require(ring.step_forward() == could);
            model.redo();
            break;
        }
        case 3: {
            const std::uint8_t where = in.byte();
            const std::size_t removed = in.byte() % 16;
            record(edited(current(), where, removed, in.text(12), longest));
            break;
        }
        case 4:
            record(in.text(40));
            break;
        case 5:
            record(current());
            break;
        case 6: {
            // A run of keystrokes: enough of them to go round the ring.
            const int count = in.byte() % 128 + 1;
            std::uint32_t seed = in.byte();
            for (int i = 0; i < count; ++i) {
                seed = seed * 1103515245u + 12345u;
                const auto where = static_cast<std::uint8_t>(seed >> 16);
                const bool deletes = (seed >> 24) % 4 == 0;
                record(edited(current(), where, deletes ? 1 : 0,
                              deletes ? std::u16string() : std::u16string(1, u'a' + (seed >> 8) % 26),
                              longest));
            }
            break;
        }
        default: {
            // A long paste: a piece of text repeated, long enough to span many chunks.
            const std::size_t times = in.byte() * 40u;
            const std::u16string unit = in.text(8);
            std::u16string pasted;
            for (std::size_t i = 0; i < times && pasted.size() + unit.size() <= longest; ++i) {
                pasted += unit;
            }
            record(edited(current(), in.byte(), in.byte() * 64u, pasted, longest));
            break;
        }
        }
        check_same(ring, model);
    }

    for (std::int32_t i = 0; i < tolvin::undo_ring::slot_count; ++i) {
        require(ring.undo_text(i) == model.undo_text[static_cast<std::size_t>(i)]);
        require(ring.text_length(i) == model.undo_text[static_cast<std::size_t>(i)].size());
        require(ring.piece_count(i) <= ring.piece_limit(ring.text_length(i)));
    }
    return 0;
}
