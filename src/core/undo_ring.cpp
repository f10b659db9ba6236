#include "core/undo_ring.hpp"

#include <algorithm>
#include <iterator>
#include <unordered_set>

namespace tolvin {

undo_ring::undo_ring(std::size_t chunk_chars) : chunk_chars_(std::max<std::size_t>(chunk_chars, 2)) {}

std::size_t undo_ring::slot(std::int32_t index) {
    return static_cast<std::size_t>((index % slot_count + slot_count) % slot_count);
}

void undo_ring::record(std::u16string_view text) {
    const std::int32_t next = undo_pos_ < slot_count - 1 ? undo_pos_ + 1 : 0;
    // Built before anything changes, so a failed allocation leaves the ring as it was.
    entry made = build_after(slots_[slot(undo_pos_)], text);
    slots_[slot(next)] = std::move(made);
    if (next == 0)
        undo_wrapped_ = 1;
    undo_pos_ = next;
    undo_newest_ = next;
    if (undo_wrapped_ == 1)
        undo_oldest_ = next + 1 < slot_count ? next + 1 : 0;
}

// The plain test of the history (one back is still at or after the oldest, or, once
// wrapped, before the newest) holds everywhere inside the history; at its oldest end it
// would wrap round to the newest entry or to a slot never written, so it is not asked there.
bool undo_ring::step_back() {
    if (!can_undo())
        return false;
    const std::int32_t p = undo_pos_ == 0 ? slot_count - 1 : undo_pos_ - 1;
    if (p >= undo_oldest_ || (undo_wrapped_ == 1 && p < undo_newest_)) {
        undo_pos_ = p;
        return true;
    }
    return false;
}

// The same for the newest end, where the plain test would step from slot 99 to slot 0.
bool undo_ring::step_forward() {
    if (!can_redo())
        return false;
    const std::int32_t n = undo_pos_ == slot_count - 1 ? 0 : undo_pos_ + 1;
    if (n <= undo_newest_ || (undo_wrapped_ == 1 && n > undo_oldest_)) {
        undo_pos_ = n;
        return true;
    }
    return false;
}

std::u16string undo_ring::undo_text(std::int32_t index) const {
    const entry& e = slots_[slot(index)];
    std::u16string text;
    text.reserve(e.length);
    for (const piece& p : e.pieces)
        text.append(p.data(), p.length);
    return text;
}

bool undo_ring::holds(std::int32_t index, std::u16string_view text) const {
    const entry& e = slots_[slot(index)];
    if (e.length != text.size())
        return false;
    std::size_t at = 0;
    for (const piece& p : e.pieces) {
        if (text.substr(at, p.length) != std::u16string_view(p.data(), p.length))
            return false;
        at += p.length;
    }
    return true;
}

std::size_t undo_ring::memory_bytes() const {
    std::size_t bytes = sizeof(*this);
    std::unordered_set<const std::u16string*> seen;
    for (const entry& e : slots_) {
        bytes += e.pieces.capacity() * sizeof(piece);
        for (const piece& p : e.pieces) {
            if (!seen.insert(p.text.get()).second)
                continue;
            // make_shared keeps the string in its control block (two counters and a
            // vtable pointer); a string past its small-string buffer owns one more block.
            bytes += 16 + sizeof(std::u16string);
            if (p.text->capacity() > std::u16string().capacity())
                bytes += (p.text->capacity() + 1) * sizeof(char16_t);
        }
    }
    return bytes;
}

void undo_ring::push(std::vector<piece>& pieces, piece p) {
    if (p.length == 0)
        return;
    if (!pieces.empty()) {
        piece& last = pieces.back();
        if (last.text == p.text && last.offset + last.length == p.offset) {
            last.length += p.length;
            return;
        }
    }
    pieces.push_back(std::move(p));
}

void undo_ring::append_slices(std::vector<piece>& out, const entry& from, std::size_t begin,
                              std::size_t end) {
    std::size_t at = 0; // text position where the current piece starts
    for (const piece& p : from.pieces) {
        const std::size_t p_end = at + p.length;
        if (p_end > begin && at < end) {
            const std::size_t cut_front = begin > at ? begin - at : 0;
            const std::size_t cut_back = p_end > end ? p_end - end : 0;
            push(out, piece{p.text, p.offset + static_cast<std::uint32_t>(cut_front),
                            p.length - static_cast<std::uint32_t>(cut_front + cut_back)});
        }
        if (p_end >= end)
            break;
        at = p_end;
    }
}

void undo_ring::append_new_text(std::vector<piece>& out, std::u16string_view text) const {
    for (std::size_t at = 0; at < text.size(); at += chunk_chars_) {
        const std::u16string_view part = text.substr(at, chunk_chars_);
        push(out,
             piece{std::make_shared<const std::u16string>(part), 0, static_cast<std::uint32_t>(part.size())});
    }
}

// The new entry shares the longest head and tail it has in common with the entry it
// follows; only the changed middle is copied.
undo_ring::entry undo_ring::build_after(const entry& previous, std::u16string_view text) const {
    const std::size_t common = std::min(text.size(), previous.length);

    std::size_t head = 0;
    for (const piece& p : previous.pieces) {
        const std::size_t k = std::min<std::size_t>(p.length, common - head);
        const char16_t* a = p.data();
        const std::size_t same =
            static_cast<std::size_t>(std::mismatch(a, a + k, text.data() + head).first - a);
        head += same;
        if (same < p.length)
            break;
    }

    std::size_t tail = 0;
    const std::size_t tail_room = common - head;
    for (auto it = previous.pieces.rbegin(); it != previous.pieces.rend() && tail < tail_room; ++it) {
        const std::size_t k = std::min<std::size_t>(it->length, tail_room - tail);
        const auto a_end = std::make_reverse_iterator(it->data() + it->length);
        const auto b_end = std::make_reverse_iterator(text.data() + text.size() - tail);
        const std::size_t same = static_cast<std::size_t>(
            std::mismatch(a_end, a_end + static_cast<std::ptrdiff_t>(k), b_end).first - a_end);
        tail += same;
        if (same < it->length)
            break;
    }

    entry made;
    made.length = text.size();
    append_slices(made.pieces, previous, 0, head);
    append_new_text(made.pieces, text.substr(head, text.size() - head - tail));
    append_slices(made.pieces, previous, previous.length - tail, previous.length);
    if (made.pieces.size() > piece_limit(made.length))
        compact(made);
    return made;
}

// Copies every run of short slices into new chunks of up to chunk_chars_ characters and
// keeps the long slices shared. Afterwards no two short slices stand side by side and
// every copied chunk but a run's last is full, so an entry of n characters keeps at most
// about 4n / chunk_chars_ + 1 slices.
void undo_ring::compact(entry& e) const {
    std::vector<piece> out;
    std::vector<const piece*> run;
    std::u16string joined;
    const auto flush = [&] {
        if (run.size() == 1) {
            push(out, *run.front());
        } else if (run.size() > 1) {
            joined.clear();
            for (const piece* p : run)
                joined.append(p->data(), p->length);
            append_new_text(out, joined);
        }
        run.clear();
    };
    for (const piece& p : e.pieces) {
        if (p.length >= chunk_chars_ / 2) {
            flush();
            push(out, p);
        } else {
            run.push_back(&p);
        }
    }
    flush();
    e.pieces = std::move(out);
}

} // namespace tolvin
