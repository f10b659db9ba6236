#include "ui/busy_scope.hpp"

#include <QWidget>
#include <gtest/gtest.h>

using tolvin::busy_scope;

TEST(busy_scope, refuses_a_second_handler_and_clears_only_its_own_flag) {
    QWidget window;
    std::int32_t busy_flag = 0;
    {
        busy_scope outer(window, busy_flag);
        ASSERT_TRUE(outer.entered());
        outer.show_pointer_and_yield(Qt::WaitCursor);
        EXPECT_EQ(window.cursor().shape(), Qt::WaitCursor);
        {
            busy_scope inner(window, busy_flag);
            EXPECT_FALSE(inner.entered());
        }
        EXPECT_EQ(busy_flag, 1);
        EXPECT_EQ(window.cursor().shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(busy_flag, 0);
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}
