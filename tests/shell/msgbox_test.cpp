// Message-box rules with the owner stack, the screen-numbered boxes and the
// target field served as a combo box, against the capture host.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/codeout.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/winmsg.h"
#include "tests/support/capture_host.h"

namespace {

class MsgBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        capture::reset();
        code_mark_clear();
        code_out_hwnd = capture::new_edit();
        owner = capture::new_edit();
    }
    std::string output() const { return capture::edit_text(code_out_hwnd); }
    win_handle owner = nullptr;
};

TEST_F(MsgBox, NoBoxOpenShowsTheBoxAndPassesItsAnswer)
{
    capture::answers = {IDCANCEL};
    EXPECT_EQ(IDCANCEL, msg_box(owner, "x", "TAVIR警告画面", MB_ICONHAND | MB_OKCANCEL));
    ASSERT_EQ(1u, capture::boxes.size());
    EXPECT_EQ(owner, capture::boxes[0].owner);
    EXPECT_EQ("x", capture::boxes[0].text);
    EXPECT_EQ("TAVIR警告画面", capture::boxes[0].caption);
    EXPECT_EQ(1, capture::boxes[0].depth);
    EXPECT_EQ(0, msgbox_depth);
    EXPECT_EQ(0, capture::beeps);
}

struct nested_case {
    unsigned style;
    int answer;  // the fixed answer, or 0 when the box is shown
};

TEST_F(MsgBox, WhileABoxIsOpenPlainBoxesBecomeABeepAndACodeLine)
{
    const nested_case cases[] = {
        {0, IDOK},
        {MB_ICONHAND, IDOK},
        {MB_ICONEXCLAMATION, IDOK},
        {MB_ICONINFORMATION, IDOK},
        {MB_OKCANCEL, IDCANCEL},
        {MB_OKCANCEL | MB_ICONHAND, IDOK},  // the error icon is tested first
        {MB_OKCANCEL | MB_ICONQUESTION, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, 0},
    };
    for (const auto &c : cases) {
        SetUp();
        int inner = -1;
        capture::answers = {IDNO, IDOK};  // the nested box answers first
        capture::while_box = [&] { inner = msg_box(owner, "ネスト", "c", c.style); };
        msg_box(owner, "outer", "c", MB_ICONHAND);
        if (c.answer != 0) {
            EXPECT_EQ(c.answer, inner) << c.style;
            EXPECT_EQ(1u, capture::boxes.size()) << c.style;
            EXPECT_EQ(1, capture::beeps) << c.style;
            EXPECT_EQ("★ネスト\r\n", output()) << c.style;
        } else {
            EXPECT_EQ(IDNO, inner);
            ASSERT_EQ(2u, capture::boxes.size());
            EXPECT_EQ(2, capture::boxes[1].depth);
            EXPECT_EQ("", output());
        }
        EXPECT_EQ(0, msgbox_depth);
    }
}

TEST_F(MsgBox, OnceFormAndReactivation)
{
    EXPECT_EQ(0, msg_box_once(owner, "first", "c", MB_ICONHAND));
    EXPECT_EQ(1u, capture::boxes.size());

    const win_handle second_owner = capture::new_edit();
    int inner = -1;
    capture::while_box = [&] { inner = msg_box_once(owner, "excel", "c", MB_ICONHAND); };
    msg_box(second_owner, "open", "c", MB_ICONHAND);
    EXPECT_EQ(1, inner);
    EXPECT_EQ(1, capture::beeps);
    ASSERT_EQ(1u, capture::activated.size());
    EXPECT_EQ(second_owner, capture::activated[0]);
    EXPECT_EQ("★excel\r\n", output());

    capture::activated.clear();
    EXPECT_EQ(0, activate_msg_box());
    EXPECT_TRUE(capture::activated.empty());  // nothing is open now
}

TEST_F(MsgBox, ScreenNumberedBoxesChooseOwnerStyleAndCaption)
{
    hwndL = capture::new_edit();
    hwndO = capture::new_edit();
    capture::answers = {IDOK, IDOK, IDCANCEL};
    screen_warn_box(1, "w");
    screen_error_box(9, "e");
    EXPECT_EQ(IDCANCEL, form_error_box("f"));
    ASSERT_EQ(3u, capture::boxes.size());
    EXPECT_EQ(hwndL, capture::boxes[0].owner);
    EXPECT_EQ(static_cast<unsigned>(MB_ICONEXCLAMATION), capture::boxes[0].style);
    EXPECT_EQ(nullptr, capture::boxes[1].owner);
    EXPECT_EQ(static_cast<unsigned>(MB_ICONHAND), capture::boxes[1].style);
    EXPECT_EQ(hwndO, capture::boxes[2].owner);
    EXPECT_EQ(std::string(msg_caption_text), capture::boxes[0].caption);
    EXPECT_EQ(1, capture::beeps);  // the error box beeps before it opens
    hwndL = hwndO = nullptr;
}

TEST_F(MsgBox, PrintfFormsStayWithin199BytesOnACharacterBoundary)
{
    std::string name;
    for (int i = 0; i < 150; ++i) name += "字";
    warn_boxf(0, "ab%s", name.c_str());
    error_boxf(0, "%d:%s", 7, "ok");
    ASSERT_EQ(2u, capture::boxes.size());
    const std::string &t = capture::boxes[0].text;
    EXPECT_EQ(198u, t.size());  // 199 bytes would end on a lead byte
    EXPECT_EQ(0, t.compare(t.size() - 2, 2, "字"));
    EXPECT_EQ("7:ok", capture::boxes[1].text);
}

TEST_F(MsgBox, WaitCursorRemembersWhatItReplaced)
{
    int arrow;
    capture::cursor = &arrow;
    set_wait_cursor();
    EXPECT_NE(static_cast<win_handle>(&arrow), capture::cursor);
    restore_cursor();
    EXPECT_EQ(static_cast<win_handle>(&arrow), capture::cursor);
}

class TargetField : public MsgBox {
protected:
    void SetUp() override
    {
        MsgBox::SetUp();
        target_field.edit = capture::new_edit("old");
        target_field.list = capture::new_list();
    }
    intptr_t send(unsigned msg, uintptr_t wp, const char *text)
    {
        return send_msg(target_field_handle(), msg, wp, reinterpret_cast<intptr_t>(text));
    }
};

TEST_F(TargetField, ComboMessagesActOnTheEditAndTheList)
{
    EXPECT_EQ(1, send(WM_SETTEXT, 0, "key"));
    EXPECT_EQ("key", capture::edit_text(target_field.edit));
    EXPECT_EQ(3, send(WM_GETTEXTLENGTH, 0, nullptr));
    char buf[16];
    send_msg(target_field_handle(), WM_GETTEXT, sizeof buf, reinterpret_cast<intptr_t>(buf));
    EXPECT_STREQ("key", buf);

    send(CB_INSERTSTRING, static_cast<uintptr_t>(-1), "alpha");
    send(CB_INSERTSTRING, 0, "beta");
    EXPECT_EQ(2, send(CB_GETCOUNT, 0, nullptr));
    send_msg(target_field_handle(), CB_GETLBTEXT, 0, reinterpret_cast<intptr_t>(buf));
    EXPECT_STREQ("beta", buf);
    EXPECT_EQ(1, send(CB_FINDSTRINGEXACT, static_cast<uintptr_t>(-1), "ALPHA"));
    EXPECT_EQ(-1, send(LB_GETCURSEL, 0, nullptr));

    capture::sent.clear();
    EXPECT_EQ(0, send(CB_SETCURSEL, 1, nullptr));
    EXPECT_TRUE(capture::sent.empty());

    send(CB_RESETCONTENT, 0, nullptr);
    EXPECT_EQ("", capture::edit_text(target_field.edit));
    EXPECT_TRUE(capture::list_items(target_field.list).empty());
}

TEST_F(TargetField, OtherWindowsGetTheMessageUnchanged)
{
    const win_handle edit = capture::new_edit();
    send_msg(edit, WM_SETTEXT, 0, reinterpret_cast<intptr_t>("plain"));
    EXPECT_EQ("plain", capture::edit_text(edit));
    EXPECT_EQ("old", capture::edit_text(target_field.edit));
}

}  // namespace
