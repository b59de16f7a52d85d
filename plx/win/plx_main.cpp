// PLX's entry: the model cleared, the main window started and the message loop.
#include <windows.h>

#include "plx/reset.h"
#include "plx/win/plx_window.h"

int WINAPI WinMain(HINSTANCE inst, HINSTANCE prev, LPSTR, int)
{
    plx_reset();
    HWND main = plx_create_main(inst, prev);
    if (main == nullptr) return 1;
    ShowWindow(main, SW_SHOWNORMAL);
    UpdateWindow(main);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    plx_font_free();
    return static_cast<int>(m.wParam);
}
