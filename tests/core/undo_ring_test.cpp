#include "core/undo_ring.hpp"

#include "undo_ring_reference.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace tolvin {
namespace {

std::u16string numbered(int n) {
    const std::string digits = std::to_string(n);
    return u"change " + std::u16string(digits.begin(), digits.end());
}

// Records `count` changes, the n-th of them the text numbered(first + n).
void record_changes(undo_ring& ring, int count, int first = 1) {
    for (int n = first; n < first + count; ++n)
        ring.record(numbered(n));
}

std::u16string current(const undo_ring& ring) {
    return ring.undo_text(ring.undo_pos());
}

TEST(undo_ring, a_change_after_two_undos_drops_the_undone_texts) {
    undo_ring ring;
    record_changes(ring, 5);
    ring.step_back();
    ring.step_back();
    ring.record(u"new");
    EXPECT_EQ(ring.undo_pos(), 4);
    EXPECT_EQ(ring.undo_newest(), 4);
    EXPECT_FALSE(ring.can_redo());
    EXPECT_FALSE(ring.step_forward());
    // Back to the start, then forward again: the undone texts 4 and 5 never come back.
    std::u16string seen;
    while (ring.step_back()) {
    }
    while (ring.step_forward())
        seen += current(ring) + u"|";
    EXPECT_EQ(seen, u"change 1|change 2|change 3|new|");
}

TEST(undo_ring, after_100_changes_99_undos_reach_the_first_change) {
    undo_ring ring;
    record_changes(ring, 100);
    EXPECT_EQ(ring.undo_pos(), 0);
    EXPECT_EQ(ring.undo_wrapped(), 1);
    EXPECT_EQ(ring.undo_oldest(), 1);
    for (int i = 0; i < 99; ++i)
        ASSERT_TRUE(ring.step_back()) << i;
    EXPECT_EQ(current(ring), numbered(1));
    EXPECT_FALSE(ring.can_undo());
}

TEST(undo_ring, wrapped_ring_reaches_the_first_undone_text_in_the_slot_after_the_newest) {
    undo_ring ring;
    record_changes(ring, 130); // newest in slot 30
    ring.step_back();          // 129 in slot 29
    ring.step_back();          // 128 in slot 28
    ring.record(u"new");       // overwrites slot 29
    EXPECT_EQ(ring.undo_pos(), 29);
    EXPECT_EQ(ring.undo_oldest(), 30);
    for (int i = 0; i < 99; ++i)
        ASSERT_TRUE(ring.step_back()) << i;
    EXPECT_EQ(ring.undo_pos(), 30);
    EXPECT_EQ(current(ring), numbered(130));
    EXPECT_FALSE(ring.can_undo());
}

// At either end of the history the step is refused, also where one step further would
// wrap round the slot numbers.
struct end_case {
    const char* name;
    int changes; // recorded first
    int undos;   // then undone
    bool back;   // the step tried
};

class undo_ring_ends : public testing::TestWithParam<end_case> {};

TEST_P(undo_ring_ends, refuse_the_step_and_keep_the_position) {
    undo_ring ring;
    record_changes(ring, GetParam().changes);
    for (int i = 0; i < GetParam().undos; ++i)
        ring.step_back();
    const std::int32_t pos = ring.undo_pos();
    EXPECT_FALSE(GetParam().back ? ring.step_back() : ring.step_forward());
    EXPECT_EQ(ring.undo_pos(), pos);
    EXPECT_FALSE(GetParam().back ? ring.can_undo() : ring.can_redo());
}

INSTANTIATE_TEST_SUITE_P(table, undo_ring_ends,
                         testing::Values(end_case{"fresh_undo", 0, 0, true},
                                         end_case{"undo_at_slot_0", 3, 3, true},
                                         end_case{"undo_at_oldest_slot_0", 199, 99, true},
                                         end_case{"undo_at_oldest", 130, 99, true},
                                         end_case{"redo_at_newest_slot_99", 99, 0, false},
                                         end_case{"redo_at_newest_slot_99_wrapped", 199, 0, false},
                                         end_case{"redo_at_newest", 130, 0, false}),
                         [](const testing::TestParamInfo<end_case>& info) { return info.param.name; });

// Random typing, pasting, undos and redos, against the plain history of 100 copies.
class undo_ring_model : public testing::TestWithParam<std::size_t> {};

TEST_P(undo_ring_model, matches_the_plain_history) {
    std::mt19937 random(static_cast<unsigned>(GetParam()));
    undo_ring ring(GetParam());
    reference::undo_history model;
    for (int step = 0; step < 2000; ++step) {
        const unsigned op = random() % 10;
        if (op < 3) {
            ASSERT_EQ(ring.step_back(), model.undo_enabled());
            model.undo();
        } else if (op < 5) {
            ASSERT_EQ(ring.step_forward(), model.redo_enabled());
            model.redo();
        } else {
            std::u16string text = model.undo_text[static_cast<std::size_t>(model.undo_pos)];
            const std::size_t at = random() % (text.size() + 1);
            text.erase(at, random() % 3);
            text.insert(at, op == 9 ? std::u16string(random() % 400, u'x') : u"k");
            ring.record(text);
            model.record(text);
        }
        ASSERT_EQ(ring.undo_pos(), model.undo_pos) << step;
        ASSERT_EQ(ring.undo_oldest(), model.undo_oldest) << step;
        ASSERT_EQ(ring.undo_newest(), model.undo_newest) << step;
        ASSERT_EQ(ring.undo_wrapped(), model.undo_wrapped) << step;
        ASSERT_EQ(ring.can_undo(), model.undo_enabled()) << step;
        ASSERT_EQ(ring.can_redo(), model.redo_enabled()) << step;
        ASSERT_EQ(current(ring), model.undo_text[static_cast<std::size_t>(model.undo_pos)]) << step;
    }
    for (std::int32_t i = 0; i < undo_ring::slot_count; ++i)
        EXPECT_EQ(ring.undo_text(i), model.undo_text[static_cast<std::size_t>(i)]) << i;
}

INSTANTIATE_TEST_SUITE_P(chunk_sizes, undo_ring_model, testing::Values(2, 7, 64, 4096));

TEST(undo_ring, a_keystroke_on_a_long_list_costs_far_less_than_a_copy) {
    undo_ring ring;
    std::u16string text(200000, u'x');
    ring.record(text);
    const std::size_t before = ring.memory_bytes();
    text.insert(100000, u"y");
    ring.record(text);
    EXPECT_LT(ring.memory_bytes() - before, text.size() * sizeof(char16_t) / 20);
    EXPECT_EQ(current(ring), text);
}

} // namespace
} // namespace tolvin
