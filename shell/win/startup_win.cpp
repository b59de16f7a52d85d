// The start-up steps of VOKTAVIR (see startup_win.h) and the window-table
// services that need the windows themselves.
#include "generators/htmlattr.h"
#include "shell/win/startup_win.h"

#include <cstring>

#include "analyser/startup_tables.h"
#include "calc/calc_host.h"
#include "forms/form_state.h"
#include "shell/codeout.h"
#include "shell/devaids.h"
#include "shell/dirs.h"
#include "shell/list_setting.h"
#include "shell/main_state.h"
#include "shell/screen_hooks.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "shell/sjis.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/sysmenus.h"
#include "shell/text.h"
#include "shell/views.h"
#include "shell/wsize.h"
#include "trees/tree_hooks.h"

HWND hwnd_desktop;
HINSTANCE app_instance;
HFONT main_font;
bitmap_row bitmaps[8] = {{nullptr, 111, 0, 0}, {nullptr, 109, 0, 0}, {nullptr, 112, 0, 0}, {nullptr, 113, 0, 0},
                         {nullptr, 114, 0, 0}, {nullptr, 115, 0, 0}, {nullptr, 116, 0, 0}, {nullptr, 117, 0, 0}};

namespace {

HWND as_hwnd(win_handle h) { return static_cast<HWND>(h); }

struct class_row {
    const char *name;
    WNDPROC proc;
    UINT style;
};

const UINT redraw = CS_HREDRAW | CS_VREDRAW;

const class_row classes[8] = {
    {"TAVIR", tavir_proc, redraw | CS_DBLCLKS},   {"LIST", list_proc, redraw | CS_DBLCLKS},
    {"FLOW", flow_proc, redraw | CS_DBLCLKS},     {"CODE", code_proc, redraw},
    {"FORM", FORM_PROC, redraw | CS_DBLCLKS},     {"RELATION", relation_proc, redraw | CS_DBLCLKS},
    {"PROPERTY", property_proc, redraw},          {"MAIN", main_proc, redraw},
};

void append_sysmenu(HWND hwnd, const char *screen)
{
    const sysmenu_list *list = sysmenu_of(screen);
    if (list == nullptr) return;
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    for (int i = 0; i < list->count; ++i) {
        const sysmenu_item &item = list->items[i];
        const UINT check = sysmenu_checked(screen, item.id) ? MF_CHECKED : MF_UNCHECKED;
        AppendMenuA(menu, MF_STRING | check, static_cast<UINT_PTR>(item.id), item.text);
    }
}

// One screen owned by MAIN at its place in the window table.
HWND create_screen(HINSTANCE instance, const char *cls, const char *label, HWND owner)
{
    char caption[200];
    format_text(caption, sizeof caption, "%s%s", label, product_caption);
    int x = 0, y = 0, w = 0, h = 0;
    get_wsize(cls, &x, &y, &w, &h);
    if (strcmp(cls, "FORM") == 0 && form_mode == form_mode_desktop) {
        RECT desk;
        GetClientRect(hwnd_desktop, &desk);
        x = desk.left;
        y = desk.top;
        w = desk.right - desk.left;
        h = desk.bottom - desk.top;
    }
    // The main screen paints its text area around its fields and buttons.
    const DWORD style = WS_OVERLAPPEDWINDOW | (strcmp(cls, "TAVIR") == 0 ? WS_CLIPCHILDREN : 0);
    HWND hwnd = CreateWindowExA(0, cls, caption, style, x, y, w, h, owner, nullptr, instance, nullptr);
    set_whwnd(cls, hwnd);
    return hwnd;
}

// The screens in their order of creation, each with its caption label.
struct screen_row {
    win_handle *handle;
    const char *cls;
    const char *label;
};

const screen_row screen_rows[7] = {
    {&hwndE, "TAVIR", "[TAVIR]"}, {&hwndP, "PROPERTY", "[個性]"}, {&hwndR, "RELATION", "[ｸﾞﾗﾌ]"},
    {&hwndO, "FORM", "[ﾌｫｰﾑ]"},   {&hwndC, "CODE", "[ｺｰﾄﾞ]"},     {&hwndF, "FLOW", "[ﾌﾛｰ]"},
    {&hwndL, "LIST", "[一覧]"},
};

void show_unless_hidden(win_handle screen, int hidden)
{
    if (!hidden) ShowWindow(as_hwnd(screen), SW_SHOW);
    UpdateWindow(as_hwnd(screen));
}

}  // namespace

int startup_read_settings(const char *command_line)
{
    init_sjis_table();
    init_char_class();
    init_msg_names();
    if (is_dev_code(command_line)) dev_flag = 1;
    fill_home_dir();
    read_parameters();
    if (explorer[0] == '\0') find_iexplore(explorer);
    if (excel[0] == '\0') find_excel(excel);
    return 0;
}

int load_bitmaps(HINSTANCE instance)
{
    for (bitmap_row &row : bitmaps) {
        row.handle = LoadBitmapA(instance, MAKEINTRESOURCEA(row.id));
        BITMAP info;
        if (row.handle != nullptr && GetObjectA(row.handle, sizeof info, &info) != 0) {
            row.width = info.bmWidth;
            row.height = info.bmHeight;
        } else {
            row.width = 0;
            row.height = 0;
        }
    }
    return 0;
}

int startup_read_data()
{
    main_state_reset();
    load_memo();
    load_htmlattr();
    init_dir_files();
    stack_load();
    cstack_load();
    load_project_props();
    running_flag = 1;
    read_wview();
    view_sizes_load();
    load_list_setting();
    take_screen_values();
    return 0;
}

int create_main_font()
{
    hwnd_desktop = GetDesktopWindow();
    main_font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "ＭＳ 明朝");
    return 0;
}

int register_classes(HINSTANCE instance)
{
    for (const class_row &row : classes) {
        WNDCLASSA wc = {};
        wc.style = row.style;
        wc.lpfnWndProc = row.proc;
        wc.hInstance = instance;
        wc.hIcon = LoadIconA(instance, "VOKTAVIR");
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        const bool hollow = strcmp(row.name, "FORM") == 0 && form_mode == form_mode_desktop;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(hollow ? HOLLOW_BRUSH : WHITE_BRUSH));
        wc.lpszClassName = row.name;
        if (RegisterClassA(&wc) == 0) return 1;
    }
    return 0;
}

int create_windows(HINSTANCE instance)
{
    char caption[200];
    format_text(caption, sizeof caption, "[TAVIR]%s", product_caption);
    HWND main = CreateWindowExA(0, "MAIN", caption,
                                WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS, 0,
                                0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (main == nullptr) return 1;
    hwndM = main;
    int rc = 0;
    for (const screen_row &row : screen_rows) {
        *row.handle = create_screen(instance, row.cls, row.label, main);
        append_sysmenu(as_hwnd(*row.handle), row.cls);  // PROPERTY has no items of its own
        if (*row.handle == nullptr) rc = 1;
    }
    return rc;
}

int bind_program_hooks()
{
    calc_bind_hooks(code_print, dir_fopen);
    return 0;
}

int unbound_hooks(char *out, size_t size)
{
    return main_hooks_unbound(out, size) + view_hooks_unbound(out, size) + screen_hooks_unbound(out, size) +
           form_hooks_unbound(out, size) + calc_hooks_unbound(out, size) + trees_hooks_unbound(out, size);
}

int start_timer()
{
    if (SetTimer(as_hwnd(hwndF), 77, 100, nullptr) == 0) {
        MessageBoxA(as_hwnd(hwndE), "SetTimer Error!", "TAVIR", MB_ICONHAND);
        return 1;
    }
    return 0;
}

int show_screens()
{
    ShowWindow(as_hwnd(hwndM), SW_SHOW);
    UpdateWindow(as_hwnd(hwndM));
    show_unless_hidden(hwndP, hidden_flags[hidden_property]);
    show_unless_hidden(hwndR, hidden_flags[hidden_relation]);
    show_unless_hidden(hwndO, hidden_flags[hidden_form]);
    show_unless_hidden(hwndC, hidden_flags[hidden_code]);
    show_unless_hidden(hwndF, hidden_flags[hidden_flow]);
    show_unless_hidden(hwndL, hidden_flags[hidden_list]);
    ShowWindow(as_hwnd(hwndE), SW_SHOWNORMAL);
    UpdateWindow(as_hwnd(hwndE));
    return 0;
}

int run_message_loop()
{
    MSG m = {};
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return static_cast<int>(m.wParam);
}

int shutdown_files()
{
    if (main_font != nullptr) DeleteObject(main_font);
    main_font = nullptr;
    form_model_free();
    stack_save();
    cstack_save();
    save_memo();
    for (bitmap_row &row : bitmaps) {
        if (row.handle != nullptr) DeleteObject(row.handle);
        row.handle = nullptr;
    }
    return 0;
}

int save_wrect(const char *name)
{
    const bool form_only = strcmp(name, "FORM") == 0;
    for (int i = 0; i < wsize_rows; ++i) {
        HWND hwnd = as_hwnd(wsize_hwnd[i]);
        const bool is_form = strcmp(wsize_tbl[i].name, "FORM") == 0;
        if (hwnd == nullptr || is_form != form_only) continue;
        RECT r;
        if (IsIconic(hwnd) || IsZoomed(hwnd)) {
            WINDOWPLACEMENT place = {};
            place.length = sizeof place;
            GetWindowPlacement(hwnd, &place);
            r = place.rcNormalPosition;
        } else {
            GetWindowRect(hwnd, &r);
        }
        wsize_tbl[i].x = r.left;
        wsize_tbl[i].y = r.top;
        wsize_tbl[i].width = r.right - r.left;
        wsize_tbl[i].height = r.bottom - r.top;
    }
    return 0;
}

int apply_screen_flags()
{
    const win_handle screens[6] = {hwndL, hwndF, hwndO, hwndP, hwndC, hwndR};
    for (int i = 0; i < 6; ++i) ShowWindow(as_hwnd(screens[i]), hidden_flags[i] ? SW_HIDE : SW_SHOW);
    return 0;
}
