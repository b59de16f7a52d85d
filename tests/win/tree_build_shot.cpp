// Builds the function-call tree on a running VOKTAVIR for a screenshot: the
// category gets the source pattern, command 85 is posted to the main screen,
// its question about external functions is answered No, and the FORM screen
// is brought to the top.  Argument: the pattern.  0 when FORM shows the tree.
#include <windows.h>

#include "program_probe.h"

int main(int argc, char **argv)
{
    if (argc < 2) return 2;
    HWND main_screen = FindWindowA("TAVIR", nullptr);
    HWND form = FindWindowA("FORM", nullptr);
    if (main_screen == nullptr || form == nullptr) return 1;
    HWND category = GetDlgItem(main_screen, 0);
    if (category == nullptr) return 1;
    SendMessageA(category, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[1]));
    PostMessageA(main_screen, WM_SYSCOMMAND, 85, 1);
    if (answer_box(main_screen, IDNO) == "<no box>") return 1;
    for (int n = 0; n < 100 && !IsWindowVisible(form); ++n) Sleep(100);
    Sleep(500);
    SetForegroundWindow(form);
    return IsWindowVisible(form) ? 0 : 1;
}
