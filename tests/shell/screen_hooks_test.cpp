// The shell's answers about the FORM and PROPERTY screens: nothing while their
// hooks are unbound, the screens' own answers once bound.
#include <gtest/gtest.h>

#include <vector>

#include "shell/msgbox.h"
#include "shell/screen_hooks.h"
#include "tests/support/capture_host.h"

namespace {

std::vector<int> calls;  // 1 pending asked, 2 replay (while hidden), 3 reset

class ScreenHooks : public ::testing::Test {
protected:
    void SetUp() override
    {
        capture::reset();
        calls.clear();
        screen_hooks = screen_hooks_rec{};
    }
    void TearDown() override { screen_hooks = screen_hooks_rec{}; }
};

TEST_F(ScreenHooks, UnboundNothingPendingAndTheWindowShownAgain)
{
    win_handle form = capture::new_edit();
    EXPECT_EQ(form_pending_mode(), 0);
    EXPECT_EQ(reset_cur_prop(), 0);
    EXPECT_EQ(replay_clicks(form), 0);
    ASSERT_EQ(capture::shows.size(), 2u);
    EXPECT_EQ(capture::shows[0].show, 0);
    EXPECT_EQ(capture::shows[1].show, 1);
}

TEST_F(ScreenHooks, BoundHooksAnswerAndReplayWhileTheWindowIsHidden)
{
    screen_hooks.pending_mode = [] {
        calls.push_back(1);
        return 5;
    };
    screen_hooks.replay = [](win_handle) { calls.push_back(capture::shows.size() == 1 ? 2 : -2); };
    screen_hooks.reset_prop = [] { calls.push_back(3); };
    win_handle form = capture::new_edit();
    EXPECT_EQ(form_pending_mode(), 5);
    EXPECT_EQ(replay_clicks(form), 0);
    EXPECT_EQ(reset_cur_prop(), 0);
    EXPECT_EQ(calls, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(capture::shows.size(), 2u);
}

}  // namespace

// The audit names each empty member after the text already there, and a
// full buffer cuts the names without overrunning it.
TEST_F(ScreenHooks, AuditNamesTheEmptyMembersOnly)
{
    char names[200] = "";
    EXPECT_EQ(screen_hooks_unbound(names, sizeof names), 4);
    EXPECT_STREQ(names, "screen_hooks.pending_mode screen_hooks.replay screen_hooks.reset_prop screen_hooks.commit_prop ");
    screen_hooks.replay = [](win_handle) {};
    screen_hooks.reset_prop = [] {};
    char more[200] = "main_hooks.clear_list ";
    EXPECT_EQ(screen_hooks_unbound(more, sizeof more), 2);
    EXPECT_STREQ(more, "main_hooks.clear_list screen_hooks.pending_mode screen_hooks.commit_prop ");
    char small[30] = "";
    EXPECT_EQ(screen_hooks_unbound(small, sizeof small), 2);
    EXPECT_STREQ(small, "screen_hooks.pending_mode scr");
}
