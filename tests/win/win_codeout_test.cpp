// code_print and the mark table against a real EDIT control holding
// Japanese text: offsets are taken in the edit's own units.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shell/codeout.h"
#include "shell/screens.h"
#include "tests/win/test_window.h"

namespace {

// Byte offset in the ANSI text of an offset in the edit's units.
size_t byte_offset(const std::string &text, int32_t units, bool counts_chars)
{
    if (!counts_chars) return static_cast<size_t>(units);
    size_t i = 0;
    for (int32_t u = 0; u < units && i < text.size(); ++u) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        i += IsDBCSLeadByte(c) ? 2 : 1;
    }
    return i;
}

bool edit_counts_chars(HWND edit)
{
    SetWindowTextA(edit, "テ");
    DWORD s = 0, e = 0;
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    SetWindowTextA(edit, "");
    return e == 1;
}

std::string span_text(const std::string &text, int n, bool counts_chars)
{
    const size_t a = byte_offset(text, code_marks[n].start, counts_chars);
    const size_t b = byte_offset(text, code_marks[n].end, counts_chars);
    return text.substr(a, b - a);
}

TEST(WinCodeOut, JapaneseSpansAndABlockRemovedExactly)
{
    ASSERT_EQ(932u, GetACP());
    const test_window w = make_test_window();
    const bool chars = edit_counts_chars(w.edit);
    code_out_hwnd = w.edit;
    code_mark_clear();

    code_print("テストab\r\n");
    code_print("一行目のソース\r\n");
    const int32_t at = code_out_length();
    ASSERT_EQ(0, code_mark_add(3, 4, 1, at));
    SendMessageA(w.edit, EM_SETSEL, at, at);
    SendMessageA(w.edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("ブロック表示\r\n"));
    code_mark_close();
    code_print("後の行ソ\\\r\n");
    code_print("end");

    std::string text = window_text(w.edit);
    EXPECT_EQ("テストab\r\n一行目のソース\r\nブロック表示\r\n後の行ソ\\\r\nend", text);
    ASSERT_EQ(5, code_mark_count());
    EXPECT_EQ("ブロック表示\r\n", span_text(text, 2, chars));
    EXPECT_EQ("後の行ソ\\\r\n", span_text(text, 3, chars));

    EXPECT_EQ(1, code_mark_add(3, 4, 1, 0));
    text = window_text(w.edit);
    EXPECT_EQ("テストab\r\n一行目のソース\r\n後の行ソ\\\r\nend", text);
    ASSERT_EQ(4, code_mark_count());
    EXPECT_EQ("テストab\r\n", span_text(text, 0, chars));
    EXPECT_EQ("一行目のソース\r\n", span_text(text, 1, chars));
    EXPECT_EQ("後の行ソ\\\r\n", span_text(text, 2, chars));
    EXPECT_EQ("end", span_text(text, 3, chars));

    code_out_hwnd = nullptr;
    destroy_test_window(w);
}

}  // namespace
