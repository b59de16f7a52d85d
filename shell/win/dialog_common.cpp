// What the two dialogs share: the folder browser, the refusal box, control
// placement in pixels and the colours of fields and labels.
#include <windows.h>

#include <shlobj.h>

#include <cstring>

#include "shell/msgbox.h"
#include "shell/text.h"
#include "shell/win/dialogs_win.h"

namespace {

// Selects the start folder once the browser is up.
int CALLBACK browse_started(HWND hwnd, UINT msg, LPARAM, LPARAM data)
{
    if (msg == BFFM_INITIALIZED) SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

}  // namespace

int browse_folder(HWND owner, const char *initial, char *out, int size)
{
    char display[MAX_PATH] = "";
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = display;
    info.lpszTitle = "フォルダを選択してください";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = browse_started;
    info.lParam = reinterpret_cast<LPARAM>(initial);
    const HRESULT com = CoInitialize(nullptr);
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    int result = 2;
    if (item != nullptr) {
        char path[MAX_PATH] = "";
        SHGetPathFromIDListA(item, path);
        if (static_cast<int>(strlen(path)) < size) copy_bounded(out, static_cast<size_t>(size), path);
        IMalloc *shell_malloc = nullptr;
        if (SUCCEEDED(SHGetMalloc(&shell_malloc))) {
            shell_malloc->Free(item);
            shell_malloc->Release();
        }
        result = 1;
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return result;
}

void dialog_refusal(HWND dlg, const char *text) { msg_box(dlg, text, "TAVIR警告画面", MB_ICONHAND); }

void place_control(HWND dlg, int id, int x, int y, int w, int h)
{
    HWND control = GetDlgItem(dlg, id);
    if (w < 0 || h < 0) {
        RECT r;
        GetWindowRect(control, &r);
        w = r.right - r.left;
        h = r.bottom - r.top;
    }
    MoveWindow(control, x, y, w, h, FALSE);
}

void fit_dialog_to_controls(HWND dlg)
{
    RECT client;
    GetClientRect(dlg, &client);
    LONG right = client.right;
    LONG bottom = client.bottom;
    for (HWND child = GetWindow(dlg, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT *>(&r), 2);
        if (r.right + 10 > right) right = r.right + 10;
        if (r.bottom + 10 > bottom) bottom = r.bottom + 10;
    }
    if (right == client.right && bottom == client.bottom) return;
    RECT frame;
    GetWindowRect(dlg, &frame);
    SetWindowPos(dlg, nullptr, 0, 0, frame.right - frame.left + right - client.right,
                 frame.bottom - frame.top + bottom - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
}

INT_PTR white_field_colour(HDC dc, HBRUSH white)
{
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<INT_PTR>(white);
}

INT_PTR blue_label_colour(HDC dc)
{
    SetTextColor(dc, RGB(0, 0, 255));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}
