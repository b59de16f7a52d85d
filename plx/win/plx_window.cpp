// PLX's main window.  Controls stand at design places on a 640 x 480 grid,
// scaled to the desktop (multiplication first); the commands read their
// fields and call the portable conversion, stacking and writer.
#include "plx/win/plx_window.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "plx/form_io.h"
#include "plx/ft_convert.h"
#include "plx/model.h"
#include "plx/old_forms.h"
#include "plx/view.h"
#include "shell/text.h"

namespace {

constexpr int design_w = 640;
constexpr int design_h = 480;
constexpr int field_size = 100;  // a field's text as a command reads it (99 characters)
constexpr int font_max = 8;      // fonts the window may create; deleted at exit
constexpr int pos_x = 1000;      // where the position read-out is written
constexpr int pos_y = 200;

struct control_row {
    int id;
    const char *cls;
    DWORD style;
    const char *text;
    int x, y, w, h;
};

const DWORD button = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
const DWORD field = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;

const control_row control_rows[] = {
    {plx_id_quit, "BUTTON", button, "終了", 592, 427, 34, 17},
    {plx_id_read_ft, "BUTTON", button, ".ft追加読込表示", 421, 427, 96, 17},
    {plx_id_path, "EDIT", field, "tree.ft", 134, 427, 198, 17},
    {plx_id_x_step, "EDIT", field, "130", 8, 427, 59, 17},
    {plx_id_y_step, "EDIT", field, "10", 72, 427, 57, 17},
    {plx_id_read_old, "BUTTON", button, "旧.f読込表示", 336, 427, 82, 17},
    {plx_id_write_f, "BUTTON", button, ".fﾌｧｲﾙ出力", 521, 427, 68, 17},
    {plx_id_first_line, "EDIT", field, "1", 480, 408, 31, 13},
    {plx_id_last_line, "EDIT", field, "9999", 520, 408, 31, 13},
    {plx_id_counts, "EDIT", field | ES_READONLY, "", 384, 408, 90, 13},
};

HWND main_window;  // the cell of window word 0
plx_control_table controls;
HFONT fonts[font_max];
int font_num;

int desktop_w() { return GetSystemMetrics(SM_CXSCREEN); }
int desktop_h() { return GetSystemMetrics(SM_CYSCREEN); }

HFONT make_font(const char *face, int height)
{
    HFONT f = CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
    if (f != nullptr && font_num < font_max) fonts[font_num++] = f;
    return f;
}

plx_control_table *table_of(HWND hwnd)
{
    return reinterpret_cast<plx_control_table *>(GetWindowLongPtrA(hwnd, plx_word_controls * sizeof(LONG_PTR)));
}

HWND control_of(HWND hwnd, int id)
{
    const plx_control_table *t = table_of(hwnd);
    return t != nullptr ? t->control[id] : nullptr;
}

void field_text(HWND hwnd, int id, char *out)
{
    out[0] = '\0';
    SendMessageA(control_of(hwnd, id), WM_GETTEXT, field_size, reinterpret_cast<LPARAM>(out));
}

int field_number(HWND hwnd, int id)
{
    char text[field_size];
    field_text(hwnd, id, text);
    return atoi(text);
}

void show_result(HWND hwnd, const char *text)
{
    SendMessageA(control_of(hwnd, plx_id_counts), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    InvalidateRect(hwnd, nullptr, TRUE);
    SetFocus(hwnd);
}

void show_counts(HWND hwnd)
{
    char counts[80];
    plx_counts_text(counts, sizeof counts);
    show_result(hwnd, counts);
}

// ".ft追加読込表示": converts the path's ".ft" file into the model.
void plx_read_ft(HWND hwnd)
{
    const int x_step = field_number(hwnd, plx_id_x_step);
    const int y_step = field_number(hwnd, plx_id_y_step);
    const int first = field_number(hwnd, plx_id_first_line);
    const int last = field_number(hwnd, plx_id_last_line);
    char path[field_size];
    char ft_file[field_size + 4];
    field_text(hwnd, plx_id_path, path);
    plx_cur_save(path);
    plx_path_ext(ft_file, sizeof ft_file, path, ".ft");
    if (plx_convert_ft(ft_file, x_step, y_step, first, last) == plx_ft_broken) show_result(hwnd, plx_ft_report);
    else show_counts(hwnd);
}

// The names of the files matching pattern (folders left out).
std::vector<std::string> matching_names(const char *pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// "旧.f読込表示": stacks the old form files the path matches.
void plx_read_old(HWND hwnd)
{
    char path[field_size];
    char pattern[field_size + 4];
    field_text(hwnd, plx_id_path, path);
    plx_path_ext(pattern, sizeof pattern, path, ".f");
    const std::vector<std::string> names = matching_names(pattern);
    std::vector<const char *> list;
    for (const std::string &n : names) list.push_back(n.c_str());
    plx_stack_forms(pattern, list.data(), static_cast<int>(list.size()));
    show_counts(hwnd);
}

// ".fﾌｧｲﾙ出力": writes the model to the path's ".f" file; a file that could
// not be written in full is left as it was, and a box says so.
void plx_write_f(HWND hwnd)
{
    char path[field_size];
    char f[field_size + 4];
    field_text(hwnd, plx_id_path, path);
    plx_path_ext(f, sizeof f, path, ".f");
    if (plx_write_form(f) == 0) return;
    char text[field_size + 64];
    format_text(text, sizeof text, "ファイル(%s)の作成に失敗しました！", f);
    MessageBoxA(hwnd, text, "ＦＴコンバート", MB_OK | MB_ICONWARNING);
}

void plx_close(HWND hwnd)
{
    DestroyWindow(hwnd);
    PostQuitMessage(0);
}

// A button's command: 0 handled, 1 not a command of the window.
int plx_command(HWND hwnd, WPARAM wparam)
{
    if (HIWORD(wparam) != 0) return 1;
    switch (LOWORD(wparam)) {
    case plx_id_quit: plx_close(hwnd); return 0;
    case plx_id_read_ft: plx_read_ft(hwnd); return 0;
    case plx_id_read_old: plx_read_old(hwnd); return 0;
    case plx_id_write_f: plx_write_f(hwnd); return 0;
    default: return 1;
    }
}

void paint_window(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    plx_paint(dc);
    EndPaint(hwnd, &ps);
}

// Remembers the right-button press and takes the focus.
void viewer_mouse_pos(HWND hwnd, LPARAM lparam)
{
    plx_mouse_x = LOWORD(lparam);
    plx_mouse_y = HIWORD(lparam);
    SetFocus(hwnd);
}

// Puts the first line of "plx_cur.dat" into the path field; without the file the field keeps its default.
void viewer_load_cur(HWND path_field)
{
    char path[plx_cur_line_size];
    if (plx_cur_load(path, sizeof path) == 0) SendMessageA(path_field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path));
}

void line(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1 + plx_scroll_x, y1 + plx_scroll_y, nullptr);
    LineTo(dc, x2 + plx_scroll_x, y2 + plx_scroll_y);
}

bool is_item(int i) { return i >= 0 && i < plx_item_num; }

}  // namespace

HWND plx_create_main(HINSTANCE inst, HINSTANCE prev)
{
    if (prev == nullptr) {
        WNDCLASSA wc = {};
        wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        wc.lpfnWndProc = plx_wnd_proc;
        wc.cbWndExtra = plx_word_count * sizeof(LONG_PTR);
        wc.hInstance = inst;
        wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = "PLX_MAIN";
        if (RegisterClassA(&wc) == 0) return nullptr;
    }
    main_window = CreateWindowExA(0, "PLX_MAIN", "ＦＴコンバート", WS_OVERLAPPEDWINDOW, 0, 0, desktop_w(), desktop_h(),
                                  nullptr, nullptr, inst, nullptr);
    if (main_window != nullptr) {
        SetWindowLongPtrA(main_window, plx_word_main * sizeof(LONG_PTR), reinterpret_cast<LONG_PTR>(&main_window));
    }
    return main_window;
}

int plx_create_controls(HWND hwnd)
{
    const int w = desktop_w();
    const int h = desktop_h();
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE));
    for (const control_row &r : control_rows) {
        controls.control[r.id] = CreateWindowExA(0, r.cls, r.text, r.style, r.x * w / design_w, r.y * h / design_h,
                                                 r.w * w / design_w, r.h * h / design_h, hwnd,
                                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(r.id)), inst, nullptr);
    }
    controls.font = make_font("ＭＳ 明朝", -12 * h / design_h);
    for (int id : {plx_id_quit, plx_id_read_ft, plx_id_read_old, plx_id_write_f}) {
        SendMessageA(controls.control[id], WM_SETFONT, reinterpret_cast<WPARAM>(controls.font), TRUE);
    }
    SetWindowLongPtrA(hwnd, plx_word_controls * sizeof(LONG_PTR), reinterpret_cast<LONG_PTR>(&controls));
    viewer_load_cur(controls.control[plx_id_path]);
    return 0;
}

LRESULT CALLBACK plx_wnd_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    switch (msg) {
    case WM_CREATE: plx_create_controls(hwnd); return 0;
    case WM_PAINT: paint_window(hwnd); return 0;
    case WM_CLOSE: plx_close(hwnd); return 0;
    case WM_KEYDOWN:
    case WM_KEYUP: plx_scroll_keys(hwnd, msg, wparam); return 0;
    case WM_COMMAND:
        if (plx_command(hwnd, wparam) == 0) return 0;
        break;
    case WM_LBUTTONDOWN: plx_show_pos(hwnd, lparam); return 0;
    case WM_RBUTTONDOWN: viewer_mouse_pos(hwnd, lparam); return 0;
    case WM_RBUTTONUP: return 0;
    default: break;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}

void plx_paint(HDC dc)
{
    for (int i = 0; i < plx_item_num; ++i) {
        const plx_item &t = plx_items[i];
        const POINT outline[5] = {{t.x1 + plx_scroll_x, t.y1 + plx_scroll_y},
                                  {t.x1 + plx_scroll_x, t.y2 + plx_scroll_y},
                                  {t.x2 + plx_scroll_x, t.y2 + plx_scroll_y},
                                  {t.x2 + plx_scroll_x, t.y1 + plx_scroll_y},
                                  {t.x1 + plx_scroll_x, t.y1 + plx_scroll_y}};
        Polyline(dc, outline, 5);
    }
    line(dc, 2560, 0, 0, 0);
    line(dc, 0, 0, 0, 2048);
    for (int l = 0; l < plx_link_num; ++l) {
        const plx_link &k = plx_links[l];
        if (is_item(k.from) && is_item(k.to)) {
            line(dc, plx_items[k.from].x2, plx_items[k.from].y2, plx_items[k.to].x1, plx_items[k.to].y1);
        }
    }
}

int plx_scroll_keys(HWND hwnd, UINT msg, WPARAM key)
{
    if (msg != WM_KEYUP) return 0;
    RECT r;
    GetClientRect(hwnd, &r);
    plx_scroll_key(static_cast<int>(key), r.right - r.left, r.bottom - r.top);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ERASENOW | RDW_UPDATENOW);
    return 0;
}

int plx_show_pos(HWND hwnd, LPARAM lparam)
{
    const int x = static_cast<short>(LOWORD(lparam));
    const int y = static_cast<short>(HIWORD(lparam));
    char text[80];
    plx_pos_text(text, sizeof text, x, y);
    const std::string blanks(47, ' ');
    HDC dc = GetDC(hwnd);
    TextOutA(dc, pos_x, pos_y, blanks.c_str(), static_cast<int>(blanks.size()));
    TextOutA(dc, pos_x, pos_y, text, static_cast<int>(strlen(text)));
    ReleaseDC(hwnd, dc);
    SetFocus(hwnd);
    return 0;
}

void plx_font_free()
{
    for (int i = 0; i < font_num; ++i) DeleteObject(fonts[i]);
    font_num = 0;
}
