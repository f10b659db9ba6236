// The undo history of the list box: the last 100 list texts in a ring of slots 0 to
// 99, with the position the list box stands at, the newest and the oldest entry undo
// may reach, and whether recording has ever passed from slot 99 to slot 0.
//
// Every slot behaves as a whole copy of its text. Underneath, a text is a sequence of
// slices of shared, immutable chunks: a new entry shares the unchanged head and tail of
// the entry it follows, so a keystroke on a long list costs a few small pieces rather
// than another copy of the list.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tolvin {

class undo_ring {
  public:
    static constexpr std::int32_t slot_count = 100;
    static constexpr std::size_t default_chunk_chars = 4096;

    // Every slot holds the empty text and every position is 0. `chunk_chars` is the
    // largest piece of new text kept in one block (at least 2); tests make it small.
    explicit undo_ring(std::size_t chunk_chars = default_chunk_chars);

    // Records `text` as the newest entry, in the slot after the current position.
    // Entries that undo had stepped over drop out of redo's reach.
    void record(std::u16string_view text);

    // Moves the position one entry back or forward when there is one; false when the
    // position stays (already at the oldest or newest entry).
    bool step_back();
    bool step_forward();

    // The states of the undo and redo buttons.
    bool can_undo() const { return undo_pos_ != undo_oldest_; }
    bool can_redo() const { return undo_pos_ != undo_newest_; }

    std::int32_t undo_pos() const { return undo_pos_; }
    std::int32_t undo_oldest() const { return undo_oldest_; }
    std::int32_t undo_newest() const { return undo_newest_; }
    std::int32_t undo_wrapped() const { return undo_wrapped_; }

    // The text held in slot `index` (0 to 99).
    std::u16string undo_text(std::int32_t index) const;
    std::size_t text_length(std::int32_t index) const { return slots_[slot(index)].length; }
    // True when slot `index` holds exactly `text`.
    bool holds(std::int32_t index, std::u16string_view text) const;

    // Bytes the ring holds on the heap and in itself: shared chunks counted once.
    std::size_t memory_bytes() const;
    // How many slices slot `index` is made of; compaction keeps it within
    // piece_limit(text_length(index)).
    std::size_t piece_count(std::int32_t index) const { return slots_[slot(index)].pieces.size(); }
    std::size_t piece_limit(std::size_t length) const { return 8 * length / chunk_chars_ + 32; }

  private:
    using chunk = std::shared_ptr<const std::u16string>;

    struct piece {
        chunk text;
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
        const char16_t* data() const { return text->data() + offset; }
    };

    struct entry {
        std::vector<piece> pieces;
        std::size_t length = 0;
    };

    static std::size_t slot(std::int32_t index);
    static void push(std::vector<piece>& pieces, piece p);
    static void append_slices(std::vector<piece>& out, const entry& from, std::size_t begin, std::size_t end);
    entry build_after(const entry& previous, std::u16string_view text) const;
    void append_new_text(std::vector<piece>& out, std::u16string_view text) const;
    void compact(entry& e) const;

    std::size_t chunk_chars_;
    std::array<entry, slot_count> slots_;
    std::int32_t undo_pos_ = 0;
    std::int32_t undo_oldest_ = 0;
    std::int32_t undo_newest_ = 0;
    std::int32_t undo_wrapped_ = 0;
};

} // namespace tolvin
