// The FORM state as the shell sees it: the pending operation, the replay of
// recorded clicks, and the reset of every FORM global.
#include "forms/form_state.h"

#include <vector>

#include "forms/box_paint.h"
#include "forms/find_box.h"
#include "forms/queries.h"
#include "shell/msgbox.h"
#include "shell/screen_hooks.h"
#include "shell/winmsg.h"
#include "tests/forms/form_fixture.h"

namespace {

class FormState : public FormTest {
protected:
    void TearDown() override { screen_hooks = screen_hooks_rec{}; }
};

TEST_F(FormState, TheShellAsksThePendingOperationOnlyOnceBound)
{
    pending_op = op_align_v_repeat;
    EXPECT_EQ(form_pending_mode(), 0);
    form_bind_screen_hooks();
    EXPECT_EQ(form_pending_mode(), op_align_v_repeat);
    pending_op = op_none;
    EXPECT_EQ(form_pending_mode(), 0);
}

TEST_F(FormState, ReplayPressesEveryRecordedUnionThenComesBack)
{
    const int g = box("GENERATE", "g", 0, 0, 10, 10);
    link(g, box("UNION", "a", 20, 30, 40, 50), "on_set");
    link(g, box("UNION", "b", 60, 30, 80, 50), "on_set");
    ASSERT_EQ(get_union_list(), 0);
    ASSERT_EQ(union_num(), 2);
    win_handle form = capture::new_edit();
    replay_clicks(form);
    EXPECT_TRUE(capture::sent.empty());  // unbound: nothing recorded
    form_bind_screen_hooks();
    replay_clicks(form);
    const std::vector<unsigned> one = {WM_LBUTTONDOWN, WM_LBUTTONUP,   WM_LBUTTONDBLCLK, WM_SYSCOMMAND,
                                       WM_RBUTTONDOWN, WM_RBUTTONUP,   WM_RBUTTONDBLCLK};
    std::vector<unsigned> both = one;
    both.insert(both.end(), one.begin(), one.end());
    EXPECT_EQ(capture::sent, both);
    ASSERT_EQ(capture::shows.size(), 4u);
    EXPECT_EQ(capture::shows[2].show, 0);
    EXPECT_EQ(capture::shows[3].show, 1);
}

TEST_F(FormState, TheResetClearsEveryFormGlobal)
{
    pending_op = op_paste_repeat;
    click_move_pending = sel_changed = last_up_left = show_hidden_links = editor_pending = 1;
    copy_bounded(editor_cmd, sizeof editor_cmd, "\"e\" x");
    copy_bounded(rclick_name, sizeof rclick_name, "name");
    find_series = {-5, 3, 2};
    find_history_num = 4;
    box_mark[0] = mark_current;
    box_style[7] = style_ellipse;
    forms_reset_all();
    EXPECT_EQ(pending_op, op_none);
    EXPECT_EQ(click_move_pending + sel_changed + last_up_left + show_hidden_links + editor_pending, 0);
    EXPECT_STREQ(editor_cmd, "");
    EXPECT_STREQ(rclick_name, "");
    EXPECT_EQ(find_series.mode, -99);
    EXPECT_EQ(find_history_num, 0);
    EXPECT_EQ(box_mark[0], mark_plain);
    EXPECT_EQ(box_style[7], style_label);
}

}  // namespace
