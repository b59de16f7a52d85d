// What PLX's window shows: the strict hit test through the scroll offsets,
// the position read-out and the scroll keys.
#include <string>

#include "plx/view.h"
#include "tests/plx/plx_fixture.h"

namespace {

using PlxView = PlxTest;

std::string pos(int x, int y)
{
    char out[80];
    plx_pos_text(out, sizeof out, x, y);
    return out;
}

TEST_F(PlxView, HitTestIsStrictAndScrolled)
{
    plx_item_add(10, 10, 20, 20, "BOX", "first");
    plx_item_add(15, 15, 30, 30, "BOX", "second");
    EXPECT_EQ("  12-  12(first)", pos(12, 12));
    EXPECT_EQ("  16-  16(first)", pos(16, 16));  // the first of two overlapping boxes
    EXPECT_EQ("  25-  25(second)", pos(25, 25));
    EXPECT_EQ("  10-  12(*****)", pos(10, 12));  // on the outline is outside
    EXPECT_EQ("  30-  25(*****)", pos(30, 25));
    plx_scroll_x = 100;
    plx_scroll_y = -5;
    EXPECT_EQ(" 112-   7(first)", pos(112, 7));
    EXPECT_EQ(-1, plx_hit(12, 12));
}

TEST_F(PlxView, ScrollKeysMoveByHalfTheClientArea)
{
    struct key_case {
        int key, x, y, result;
    } cases[] = {
        {plx_key_left, 320, 0, 0},  {plx_key_left, 640, 0, 0},   {plx_key_up, 640, 241, 0},
        {plx_key_right, 320, 241, 0}, {plx_key_down, 320, 0, 0}, {'A', 320, 0, 1},
        {plx_key_home, 0, 0, 0},
    };
    for (const key_case &c : cases) {
        EXPECT_EQ(c.result, plx_scroll_key(c.key, 640, 483));
        EXPECT_EQ(c.x, plx_scroll_x) << c.key;
        EXPECT_EQ(c.y, plx_scroll_y) << c.key;
    }
}

}  // namespace
