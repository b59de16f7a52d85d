// Shows the LIST or the FLOW screen of a running VOKTAVIR for a screenshot.
// "list ROW": the file set "*.c *.h" goes into the main screen's category
// field, command 11 opens it on LIST, and a click on list row ROW (0 the
// first row under the status line; the rows measured as LIST measures them
// at its start-up font size) opens the chart of the function painted there
// on FLOW.  "list" and "flow" then bring that screen to the top, enlarged.
// Prints the screen's place on the display as "WxH+X+Y"; 0 when it shows.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const int tries = 100;  // waits of 100 ms for each window
const int shot_width = 900;
const int shot_height = 520;
const int list_font_size = 12;

// The main screen, LIST and FLOW, once all three exist: true.
bool find_screens(HWND *main_screen, HWND *list, HWND *flow)
{
    for (int n = 0; n < tries; ++n) {
        *main_screen = FindWindowA("TAVIR", nullptr);
        *list = FindWindowA("LIST", nullptr);
        *flow = FindWindowA("FLOW", nullptr);
        if (*main_screen != nullptr && *list != nullptr && *flow != nullptr) return true;
        Sleep(100);
    }
    return false;
}

// LIST's row height: three full-width characters of its font.
int row_height(HWND list)
{
    HFONT font = CreateFontA(-list_font_size, 0, 0, 0, FW_DONTCARE, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "ＭＳ 明朝");
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, "あいう", 6, &size);
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    DeleteObject(font);
    return size.cy > 0 ? size.cy : 20;
}

void open_and_click(HWND main_screen, HWND list, int row)
{
    const int h = row_height(list);
    const int x = 40, y = (row + 1) * h + h / 2;
    HWND category = GetDlgItem(main_screen, 0);
    SendMessageA(category, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("*.c *.h"));
    SendMessageA(main_screen, WM_COMMAND, 11, 0);
    const LPARAM point = MAKELPARAM(x, y);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(list, WM_LBUTTONUP, 0, point);
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 2) return 2;
    const bool list_shot = strcmp(argv[1], "list") == 0;
    HWND main_screen, list, flow;
    if (!find_screens(&main_screen, &list, &flow)) return 1;
    HWND shown = list_shot ? list : flow;
    ShowWindow(shown, SW_SHOWNORMAL);
    MoveWindow(shown, 0, 0, shot_width, shot_height, TRUE);
    if (list_shot && argc >= 3) open_and_click(main_screen, list, atoi(argv[2]));
    SetWindowPos(shown, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(shown);
    InvalidateRect(shown, nullptr, TRUE);
    RECT r;
    GetWindowRect(shown, &r);
    printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    return IsWindowVisible(shown) ? 0 : 1;
}
