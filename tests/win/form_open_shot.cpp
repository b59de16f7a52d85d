// Opens a form file on a running VOKTAVIR for a screenshot: the name goes into
// the main screen's category field, command 11 opens it, and a click on a
// point of the FORM screen makes the box there current.  Arguments: the form
// file, then the x and y of the click.  0 when the FORM screen shows it.
#include <windows.h>

#include <cstdlib>

namespace {

const int tries = 100;  // waits of 100 ms for each window

HWND wait_for(const char *cls)
{
    for (int n = 0; n < tries; ++n) {
        HWND w = FindWindowA(cls, nullptr);
        if (w != nullptr) return w;
        Sleep(100);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 4) return 2;
    HWND main_screen = wait_for("TAVIR");
    HWND form = wait_for("FORM");
    if (main_screen == nullptr || form == nullptr) return 1;
    HWND category = GetDlgItem(main_screen, 0);
    if (category == nullptr) return 1;
    SendMessageA(category, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[1]));
    SendMessageA(main_screen, WM_COMMAND, 11, 0);
    const LPARAM point = MAKELPARAM(atoi(argv[2]), atoi(argv[3]));
    SendMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(form, WM_LBUTTONUP, 0, point);
    SetForegroundWindow(form);
    return IsWindowVisible(form) ? 0 : 1;
}
