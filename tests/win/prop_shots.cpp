// Puts the RELATION, PROPERTY and PLX screens of running programs into a
// state worth a screenshot, by messages only, and prints the window's place
// on the screen as "WxH+X+Y" for the picture.  Arguments:
//   relation X Y   with the FORM box at (X, Y) made current: two nodes made,
//                  named from the category field and one moved, in 生成 mode
//   property       back in 関連 mode: a click on the "COMMENT" node lists its
//                  structure on PROPERTY, and member 1 is chosen
//   plx            PLX converts the ".ft" its path field names
// 0 when the screen shows what was asked.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const int tries = 100;  // waits of 100 ms for each window

// The window of the class; with shown, once it is shown (a program's first
// window is found while it is being made).
HWND wait_for(const char *cls, bool shown = false)
{
    for (int n = 0; n < tries; ++n) {
        HWND w = FindWindowA(cls, nullptr);
        if (w != nullptr && (!shown || IsWindowVisible(w))) return w;
        Sleep(100);
    }
    return nullptr;
}

void click(HWND w, UINT down, WPARAM keys, int x, int y)
{
    const LPARAM point = MAKELPARAM(x, y);
    SendMessageA(w, down, keys, point);
    SendMessageA(w, down + 1, 0, point);
}

// Sets the category field and renames what lies at (x, y) after it: a left
// press while the right button is held.
void name_at(HWND main_screen, HWND relation, const char *name, int x, int y)
{
    SendMessageA(GetDlgItem(main_screen, 0), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
    SendMessageA(relation, WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(x, y));
    SendMessageA(relation, WM_RBUTTONUP, 0, MAKELPARAM(x, y));
}

// Brings the window up at a fixed place and prints where it is.
int show_at(HWND w, int x, int y, int width, int height)
{
    ShowWindow(w, SW_SHOWNORMAL);
    SetWindowPos(w, HWND_TOP, x, y, width, height, SWP_SHOWWINDOW);
    SetForegroundWindow(w);
    RedrawWindow(w, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT r;
    GetWindowRect(w, &r);
    printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    return 0;
}

// The mode button's command flips 生成 and 関連; its caption tells the mode.
void set_mode(HWND main_screen, const char *caption)
{
    for (int n = 0; n < 2; ++n) {
        char now[40] = "";
        HWND button = nullptr;
        for (HWND c = GetWindow(main_screen, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            GetWindowTextA(c, now, sizeof now);
            if (strcmp(now, "生成") == 0 || strcmp(now, "関連") == 0) {
                button = c;
                break;
            }
        }
        if (button == nullptr || strcmp(now, caption) == 0) return;
        SendMessageA(main_screen, WM_COMMAND, 8, 0);
    }
}

int relation_shot(HWND main_screen, int box_x, int box_y)
{
    HWND form = wait_for("FORM");
    HWND relation = wait_for("RELATION");
    if (form == nullptr || relation == nullptr) return 1;
    set_mode(main_screen, "関連");
    click(form, WM_LBUTTONDOWN, MK_LBUTTON, box_x, box_y);
    set_mode(main_screen, "生成");
    SendMessageA(relation, WM_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(1, 1));  // an empty graph
    click(relation, WM_LBUTTONDOWN, MK_LBUTTON, 60, 60);
    name_at(main_screen, relation, "COMMENT.S", 60, 60);
    click(relation, WM_LBUTTONDOWN, MK_LBUTTON, 300, 200);
    name_at(main_screen, relation, "sample.f", 300, 200);
    click(relation, WM_LBUTTONDOWN, MK_LBUTTON, 420, 90);
    name_at(main_screen, relation, "sales.c", 420, 90);
    // The last node dragged with the right button to a new place.
    SendMessageA(relation, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(420, 90));
    SendMessageA(relation, WM_RBUTTONUP, 0, MAKELPARAM(180, 260));
    return show_at(relation, 100, 100, 560, 360);
}

int property_shot(HWND main_screen)
{
    HWND relation = wait_for("RELATION");
    HWND property = wait_for("PROPERTY");
    if (relation == nullptr || property == nullptr) return 1;
    set_mode(main_screen, "関連");
    SendMessageA(relation, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(62, 62));
    HWND members = GetDlgItem(property, 3);
    if (members == nullptr || SendMessageA(members, LB_GETCOUNT, 0, 0) < 2) return 1;
    SendMessageA(members, LB_SETCURSEL, 1, 0);
    SendMessageA(property, WM_COMMAND, MAKEWPARAM(3, LBN_SELCHANGE), reinterpret_cast<LPARAM>(members));
    HWND values = GetDlgItem(property, 5);
    show_at(property, 100, 100, 800, 330);
    return SendMessageA(values, LB_GETCOUNT, 0, 0) > 0 ? 0 : 1;
}

int plx_shot()
{
    HWND plx = wait_for("PLX_MAIN", true);
    if (plx == nullptr) return 1;
    SendMessageA(plx, WM_COMMAND, 1, 0);
    char counts[100] = "";
    SendMessageA(GetDlgItem(plx, 9), WM_GETTEXT, sizeof counts, reinterpret_cast<LPARAM>(counts));
    RedrawWindow(plx, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT r;
    GetWindowRect(plx, &r);
    printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    fprintf(stderr, "plx: %s\n", counts);
    return strncmp(counts, "p(", 2) == 0 && strncmp(counts, "p(0)", 4) != 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 2) return 2;
    if (strcmp(argv[1], "plx") == 0) return plx_shot();
    HWND main_screen = wait_for("TAVIR");
    if (main_screen == nullptr) return 1;
    if (strcmp(argv[1], "relation") == 0 && argc == 4) return relation_shot(main_screen, atoi(argv[2]), atoi(argv[3]));
    if (strcmp(argv[1], "property") == 0) return property_shot(main_screen);
    return 2;
}
