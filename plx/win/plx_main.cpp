// PLX's entry: the main window and the message loop.
#include <windows.h>

namespace {

LRESULT CALLBACK plx_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}

HWND plx_create_main(HINSTANCE inst)
{
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = plx_proc;
    wc.cbWndExtra = 16;
    wc.hInstance = inst;
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "PLX_MAIN";
    if (RegisterClassA(&wc) == 0) return nullptr;
    RECT desk;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &desk, 0);
    return CreateWindowExA(0, "PLX_MAIN", "ＦＴコンバート", WS_OVERLAPPEDWINDOW, 0, 0, desk.right - desk.left,
                           desk.bottom - desk.top, nullptr, nullptr, inst, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int)
{
    HWND main = plx_create_main(inst);
    if (main == nullptr) return 1;
    ShowWindow(main, SW_SHOWNORMAL);
    UpdateWindow(main);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return static_cast<int>(m.wParam);
}
