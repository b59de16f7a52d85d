// VOKTAVIR's entry: the hidden owner window MAIN, the main screen and the
// message loop.  Closing the main screen closes MAIN, which ends the loop.
#include <windows.h>

#include "shell/lbuf.h"
#include "shell/screens.h"

namespace {

const char product_caption[] = "Ornak.C言語作図ソフト";

LRESULT CALLBACK tavir_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (msg == WM_CLOSE) {
        SendMessageA(static_cast<HWND>(hwndM), WM_CLOSE, 0, 0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}

LRESULT CALLBACK main_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    switch (msg) {
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        lbuf_free(0);
        lbuf_free(1);
        lbuf_free(2);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wparam, lparam);
    }
}

bool register_class(HINSTANCE inst, const char *name, WNDPROC proc, UINT style)
{
    WNDCLASSA wc = {};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = inst;
    wc.hIcon = LoadIconA(inst, "VOKTAVIR");
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0;
}

HWND create_main_windows(HINSTANCE inst)
{
    char caption[100];
    wsprintfA(caption, "[TAVIR]%s", product_caption);
    HWND main = CreateWindowExA(0, "MAIN", caption,
                                WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS,
                                0, 0, 0, 0, nullptr, nullptr, inst, nullptr);
    if (main == nullptr) return nullptr;
    hwndM = main;
    HWND screen = CreateWindowExA(0, "TAVIR", caption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640,
                                  480, main, nullptr, inst, nullptr);
    hwndE = screen;
    return screen;
}

}  // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int show)
{
    if (!register_class(inst, "TAVIR", tavir_proc, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS) ||
        !register_class(inst, "MAIN", main_proc, CS_HREDRAW | CS_VREDRAW)) {
        return 1;
    }
    HWND screen = create_main_windows(inst);
    if (screen == nullptr) return 1;
    ShowWindow(screen, show);
    UpdateWindow(screen);

    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    lbuf_release_all();
    return static_cast<int>(m.wParam);
}
