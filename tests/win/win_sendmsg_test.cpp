// send_msg serves a real edit and list box pair as the target field.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/msgbox.h"
#include "tests/win/test_window.h"

namespace {

LRESULT send(UINT msg, WPARAM wp, const char *text)
{
    return send_msg(target_field_handle(), msg, wp, reinterpret_cast<intptr_t>(text));
}

TEST(WinSendMsg, TargetFieldActsAsAComboBox)
{
    const test_window w = make_test_window();
    target_field.edit = w.edit;
    target_field.list = w.list;

    send(WM_SETTEXT, 0, "対象キー");
    EXPECT_EQ("対象キー", window_text(w.edit));
    EXPECT_EQ(8, send(WM_GETTEXTLENGTH, 0, nullptr));

    send(CB_INSERTSTRING, static_cast<WPARAM>(-1), "関数名");
    send(CB_INSERTSTRING, 0, "alpha");
    EXPECT_EQ(2, send(CB_GETCOUNT, 0, nullptr));
    char buf[64];
    send_msg(target_field_handle(), CB_GETLBTEXT, 1, reinterpret_cast<intptr_t>(buf));
    EXPECT_STREQ("関数名", buf);
    EXPECT_EQ(0, send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), "ALPHA"));
    EXPECT_EQ(LB_ERR, send(LB_GETCURSEL, 0, nullptr));
    EXPECT_EQ(0, send(CB_SETCURSEL, 1, nullptr));
    EXPECT_EQ(LB_ERR, SendMessageA(w.list, LB_GETCURSEL, 0, 0));  // nothing was sent

    send(CB_RESETCONTENT, 0, nullptr);
    EXPECT_EQ("", window_text(w.edit));
    EXPECT_EQ(0, SendMessageA(w.list, LB_GETCOUNT, 0, 0));

    EXPECT_EQ(1, send_msg(w.edit, WM_SETTEXT, 0, reinterpret_cast<intptr_t>("直接")));
    EXPECT_EQ("直接", window_text(w.edit));

    target_field.edit = target_field.list = nullptr;
    destroy_test_window(w);
}

}  // namespace
