// The LIST screen's window: the painted list replayed on a device context
// (at most once per forwarded FLOW tick; WM_PRINTCLIENT paints at once), the
// rows and columns from the window size, the clicks, drags and double
// clicks on entries, the keys, buttons and system-menu items.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "analyser/flow_nodes.h"
#include "analyser/listings.h"
#include "analyser/search_keys.h"
#include "forms/model.h"
#include "shell/codeout.h"
#include "shell/devaids.h"
#include "shell/dirs.h"
#include "shell/keypad.h"
#include "shell/launcher.h"
#include "shell/line_cut.h"
#include "shell/list_setting.h"
#include "shell/main_fields.h"
#include "shell/main_keys.h"
#include "shell/main_services.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/runner.h"
#include "shell/screens.h"
#include "shell/sjis.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/sysmenus.h"
#include "shell/text.h"
#include "shell/win/startup_win.h"
#include "shell/win/syskey.h"
#include "trees/func_list.h"
#include "trees/launch.h"
#include "trees/list_filter.h"
#include "trees/list_rules.h"
#include "trees/listings.h"
#include "trees/tree_build.h"
#include "trees/win/chart_screens.h"

namespace {

const int font_min = 10;
const int font_max = 18;
const char list_face[] = "ＭＳ 明朝";
const char sample_text[] = "あいう";  // measures the row height

HFONT list_font;
// The row of the cell, one under the baseline, where the screen rules each
// "_" itself: some faces leave it without ink at some sizes (the Wine test
// prefix's stand-in for the list face does so at most sizes from 10 to 18).
// -1 while the face draws it.
int underscore_row = -1;

// True when text in the font selected into dc leaves ink on a white bitmap.
bool leaves_ink(HDC dc, const char *text)
{
    const int len = lstrlenA(text);
    SIZE size{};
    GetTextExtentPoint32A(dc, text, len, &size);
    const int w = size.cx + 2, h = size.cy + 2;
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP bits = CreateBitmap(w, h, 1, 1, nullptr);
    HGDIOBJ old_bits = SelectObject(mem, bits);
    HGDIOBJ old_font = SelectObject(mem, GetCurrentObject(dc, OBJ_FONT));
    PatBlt(mem, 0, 0, w, h, WHITENESS);
    SetBkMode(mem, TRANSPARENT);
    SetTextColor(mem, RGB(0, 0, 0));
    TextOutA(mem, 1, 1, text, len);
    bool ink = false;
    for (int y = 0; y < h && !ink; ++y) {
        for (int x = 0; x < w && !ink; ++x) ink = GetPixel(mem, x, y) != RGB(255, 255, 255);
    }
    SelectObject(mem, old_font);
    SelectObject(mem, old_bits);
    DeleteObject(bits);
    DeleteDC(mem);
    return ink;
}

int new_list_font(HWND hwnd)
{
    if (list_font != nullptr) DeleteObject(list_font);
    list_font = CreateFontA(-list_font_size, 0, 0, 0, FW_DONTCARE, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, list_face);
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, list_font);
    SIZE size{};
    GetTextExtentPoint32A(dc, sample_text, lstrlenA(sample_text), &size);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    underscore_row = leaves_ink(dc, "_") ? -1 : std::min(tm.tmAscent + 1, tm.tmHeight - 1);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    if (size.cy > 0) list_char_height = size.cy;
    RECT r;
    GetClientRect(hwnd, &r);
    set_max_line(r.bottom);
    return 0;
}

// Rules each "_" of the painted text in the text colour, under the advance
// the face gives it.
void rule_underscores(HDC dc, const list_item &it)
{
    HBRUSH ink = CreateSolidBrush(GetTextColor(dc));
    const int len = lstrlenA(it.text);
    for (int i = 0; i < len; ++i) {
        if (is_kanji1(static_cast<unsigned char>(it.text[i]))) {
            ++i;
            continue;
        }
        if (it.text[i] != '_') continue;
        SIZE before{}, after{};
        GetTextExtentPoint32A(dc, it.text, i, &before);
        GetTextExtentPoint32A(dc, it.text, i + 1, &after);
        const RECT r{it.x + before.cx, it.y + underscore_row, it.x + after.cx, it.y + underscore_row + 1};
        FillRect(dc, &r, ink);
    }
    DeleteObject(ink);
}

void replay(HDC dc, const list_item &it)
{
    if (it.kind == list_row) {
        char blanks[list_blank_width + 1];
        for (int i = 0; i < list_blank_width; ++i) blanks[i] = ' ';
        blanks[list_blank_width] = '\0';
        TextOutA(dc, it.x, it.y, blanks, list_blank_width);
    }
    if (it.inverse) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    TextOutA(dc, it.x, it.y, it.text, lstrlenA(it.text));
    if (underscore_row >= 0) rule_underscores(dc, it);
    if (it.inverse) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    }
}

void paint_window(HWND hwnd, HDC dc)
{
    RECT r;
    GetClientRect(hwnd, &r);
    set_col_width(r.right);
    HGDIOBJ old = SelectObject(dc, list_font);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    dsp_select();
    for (int i = 0; i < list_item_num; ++i) replay(dc, list_items[i]);
    SelectObject(dc, old);
}

void font_key(HWND hwnd, int step)
{
    const int size = list_font_size + step;
    if (size < font_min || size > font_max) {
        MessageBeep(0);
        return;
    }
    list_font_size = size;
    new_list_font(hwnd);
    InvalidateRect(hwnd, nullptr, TRUE);
}

HWND hw(win_handle h) { return static_cast<HWND>(h); }

const char warn_caption[] = "TAVIR警告画面";

const char *const button_captions[screen_button_count] = {"★", "ﾌﾛ", "コ", "↑", "↓", "編"};
const int hint_id = 3;
const LPARAM extended_key = 1 << 24;

enum press_kind { press_plain = 0, press_modified = 1, press_double = 2 };

HWND hint_popup;
POINT hint_point;
int press_kind_now;
POINT press_point;
int right_double;

void redraw_both(HWND hwnd)
{
    InvalidateRect(hwnd, nullptr, TRUE);
    InvalidateRect(hw(hwndF), nullptr, TRUE);
}

void empty_code_output() { SetWindowTextA(hw(code_out_hwnd), ""); }

void reload_list()
{
    char command[] = "select ";
    run_command(command, select_main);
}

// Ctrl, Ctrl+Shift or Shift with the left press: the entry acts at once.
void modified_press(HWND hwnd, WPARAM keys, int x, int y)
{
    char text[list_row_text_size];
    const int p = select_list_entry(-3, x, y, text, sizeof text);
    if (p < 0) return;
    stack_push(text);
    target_clear();
    const bool ctrl = (keys & MK_CONTROL) != 0, shift = (keys & MK_SHIFT) != 0;
    char key[list_row_text_size + 2];
    if (ctrl && shift) {
        pick_entry(p);
        filter_list(".............", 3);
    } else if (ctrl) {
        state = state_functions;
        reload_list();
        format_text(key, sizeof key, "/%s", text);
        trim_dashes(key);
        filter_list(key, 0);
    } else {
        if (count_trailing_colons(text) != 1) {
            reset_select();
            MessageBeep(0);
            return;
        }
        target_text(member_filter, sizeof member_filter);
        state = state_functions;
        reload_list();
        format_text(key, sizeof key, "&%s", text);
        filter_list(key, 0);
    }
    reset_select();
    redraw_both(hwnd);
    code_mark_clear();
    SetFocus(hwnd);
}

void left_release(HWND hwnd, int x, int y)
{
    if (press_kind_now != press_plain) return;
    switch (drag_class_v(press_point.x, press_point.y, x, y)) {
    case vdrag_click: {
        char text[list_row_text_size];
        if (select_list_entry(-1, press_point.x, press_point.y, text, sizeof text) >= 0) list_click_entry(hwnd);
        break;
    }
    case vdrag_down: list_page("k"); break;
    case vdrag_up: list_page("j"); break;
    default: MessageBeep(0); return;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

// The reference search of a double click.
void double_click(HWND hwnd)
{
    char name[ref_name_size] = "";
    int pos = -1;
    const int result = run_anal_ref(name, sizeof name, &pos);
    if (result == ref_nothing) {
        char text[ref_name_size];
        target_text(text, sizeof text);
        if (multi_key_num > 0) {
            msg_box(hwnd, "多重論理検索の登録がありますので多重論理検索を実行します", warn_caption, MB_ICONHAND);
            copy_bounded(text, sizeof text, "YYYYY");
        } else if (text[0] == '\0') {
            msg_box(hwnd, "対象欄に関数または変数が指定されていません", warn_caption, MB_ICONHAND);
            return;
        }
        stack_push(text);
        state = state_references;
        blanks_to_at(text);
        run_anal_ref(text, sizeof text, &pos);
    } else if (result == ref_header) {
        empty_code_output();
        stack_push(name);
        state = state_functions;
        reload_list();
        char key[ref_name_size + 2];
        format_text(key, sizeof key, "/%s", name);
        filter_list(key, 0);
    } else if (result == ref_base_found || result == ref_nested) {
        char text[list_row_text_size];
        select_list_entry(pos, 0, 0, text, sizeof text);
        empty_code_output();
    } else if (result == ref_no_base) {
        empty_code_output();
    }
    redraw_both(hwnd);
    target_clear();
    code_mark_clear();
}

void right_release(HWND hwnd, int x, int y)
{
    if (right_double) {
        right_double = 0;
        return;
    }
    const int drag = drag_class_v(press_point.x, press_point.y, x, y);
    if (drag == vdrag_down) list_page("l");
    else if (drag == vdrag_up) list_page("h");
    else return;
    InvalidateRect(hwnd, nullptr, TRUE);
}

// True for a text of marks alone: a ":" run, "↓" or "↑".
bool marks_only(const char *text)
{
    return (text[0] != '\0' && count_trailing_colons(text) == (int)strlen(text)) || strcmp(text, "↓") == 0
           || strcmp(text, "↑") == 0;
}

// A right double click: the target field's text narrows the reloaded list.
void right_double_click(HWND hwnd)
{
    right_double = 1;
    state = state_functions;
    reset_select();
    reload_list();
    char text[ref_name_size];
    target_text(text, sizeof text);
    stack_push(text);
    target_clear();
    char key[ref_name_size + 2];
    format_text(key, sizeof key, "/%s", text);
    const bool marks = marks_only(text);
    if (!marks) trim_dashes(key);
    filter_list(key, marks ? 1 : 0);
    clear_cb_num();
    redraw_both(hwnd);
}

void left_press(HWND hwnd, WPARAM keys, int x, int y)
{
    press_point = {x, y};
    if ((keys & (MK_CONTROL | MK_SHIFT)) != 0) {
        press_kind_now = press_modified;
        modified_press(hwnd, keys, x, y);
        return;
    }
    press_kind_now = press_plain;
}

// The editor at dir\file and line; a beep when the command does not fit.
void editor_at(const char *dir, const char *file, int line)
{
    char command[3 * param_size];
    if (list_editor_command(command, sizeof command, dir, file, line) != 0) {
        MessageBeep(0);
        return;
    }
    char current[dir_path_size];
    format_text(current, sizeof current, "%s\\%s", dir, file);
    set_cur_file(current);
    exec_wait(command, 0);
}

void editor_key(HWND hwnd, bool target)
{
    char dir[dir_path_size], file[dir_path_size];
    int line = 1;
    if (!target) {
        if (sel_location(dir, sizeof dir, file, sizeof file, &line) != 0) MessageBeep(0);
        else editor_at(dir, file, line);
        return;
    }
    char text[dir_path_size];
    target_text(text, sizeof text);
    if (text[0] == '\0' || check_target_field(hwnd, text) != 0) {
        MessageBeep(0);
        return;
    }
    copy_bounded(file, sizeof file, text);
    if (split_entry_path(dir, sizeof dir, file, sizeof file) != 0) {
        char box[dir_path_size + 100];
        format_text(box, sizeof box, "ファイル(%s)が見つかりません！", text);
        msg_box(hwnd, box, warn_caption, MB_ICONHAND);
        MessageBeep(0);
        return;
    }
    editor_at(dir, file, 1);
}

void filter_key(HWND hwnd, const char *mark)
{
    stack_push(mark);
    char key[8];
    format_text(key, sizeof key, "/%s", mark);
    filter_list(key, 0);
    InvalidateRect(hwnd, nullptr, TRUE);
}

// F7: the search hits of the file set's sources, in a reference list.
void search_hits_key()
{
    if (state != state_references) {
        MessageBeep(0);
        return;
    }
    target_clear();
    if (!keep_code) {
        set_code_caption("");
        empty_code_output();
    }
    search_file_set(code_out_hwnd, "");
    set_code_caption("");
    code_mark_clear();
    InvalidateRect(hw(hwndF), nullptr, TRUE);
}

// F11 (rows near the marked ones) and F12 (marked rows only): the selected
// entry's listing through the mark filter, in a reference list.
void marked_listing_key(HWND hwnd, int mode)
{
    if (state != state_references || cur_index < 0) {
        MessageBeep(0);
        return;
    }
    mark_filter_on = 1;
    mark_filter_mode = mode;
    list_click_entry(hwnd, false);
    mark_filter_on = 0;
}

// F10: the function tree's subtree of the selected function, or the whole
// tree again.
void tree_key(HWND hwnd, LPARAM lparam)
{
    HWND owner = lparam == (1 << 24) ? hw(hwndE) : hwnd;
    char file[dir_path_size];
    int line = 0;
    if (sel_func(file, sizeof file, &line) != 0) {
        msg_box(owner, "ファイル名又は行番号が正しく取り出せません", warn_caption, MB_ICONHAND);
        return;
    }
    char name[fl_name_size] = "";
    int at = line;
    const int found = find_function_at_line(file, &at, name);
    if (found != 0) {
        char box[300];
        format_text(box, sizeof box, "指定の行番号(%d)は、関数に含まれていません(%d)\r\n尚、クラス内関数は本機能の対象外です",
                    line, found);
        msg_box(owner, box, warn_caption, MB_ICONHAND);
        return;
    }
    if (!is_ftree_form(cur_form_name)) {
        msg_box(owner, "関数ツリーでないので抽出できません", warn_caption, MB_ICONHAND);
        return;
    }
    if (tree_view_toggle_at(file, name, at) == 0) show_and_focus(hwndO);
}

void key_up(HWND hwnd, WPARAM key, LPARAM lparam)
{
    char text[3 * list_row_text_size];
    switch (key) {
    case VK_ESCAPE: SetActiveWindow(hw(hwndE)); break;
    case VK_TAB: SetActiveWindow(hw(hwndF)); break;
    case VK_INSERT:
        if (insert_text(text, sizeof text) == 0) set_target_text(text);
        break;
    case VK_DELETE: target_clear(); break;
    case VK_HOME: filter_key(hwnd, "%"); break;
    case VK_END: filter_key(hwnd, "\\"); break;
    case VK_NEXT: filter_key(hwnd, ":"); break;
    case VK_PRIOR:
        if (pageup_text(text, sizeof text) == 0) {
            SendMessageA(hw(code_out_hwnd), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text));
        } else {
            MessageBeep(0);
        }
        break;
    case VK_UP: font_key(hwnd, 1); break;
    case VK_DOWN: font_key(hwnd, -1); break;
    case VK_LEFT: normalize_target_key(target_field_handle()); break;
    case VK_RIGHT:
        shown_entries_to_keys();
        list_multi_keys(code_out_hwnd);
        break;
    case VK_F1: editor_key(hwnd, false); break;
    case VK_F2: editor_key(hwnd, true); break;
    case VK_F3: MessageBeep(0); break;
    case VK_F4:
        if (dev_flag) make_deftbl();
        break;
    case VK_F5: show_file(code_out_hwnd, "vokcall.tag"); break;
    case VK_F6: show_file(code_out_hwnd, "voktavir.tag"); break;
    case VK_F7: search_hits_key(); break;
    case VK_F8: show_project(code_out_hwnd); break;
    case VK_F9: work_folder_key(); break;
    case VK_F10: tree_key(hwnd, lparam); break;
    case VK_F11: marked_listing_key(hwnd, 1); break;
    case VK_F12: marked_listing_key(hwnd, 0); break;
    default: break;
    }
}

// The system menu's items of LIST; true when handled.
bool sys_command(HWND hwnd, WPARAM item)
{
    switch (item) {
    case list_sys_add_col:
        add_list_col();
        InvalidateRect(hwnd, nullptr, TRUE);
        return true;
    case list_sys_del_col:
        if (del_list_col()) InvalidateRect(hwnd, nullptr, TRUE);
        return true;
    case list_sys_keep_code:
        keep_code = !keep_code;
        CheckMenuItem(GetSystemMenu(hwnd, FALSE), list_sys_keep_code,
                      MF_BYCOMMAND | (keep_code ? MF_CHECKED : MF_UNCHECKED));
        return true;
    case list_sys_font: new_list_font(hwnd); return true;
    default: return false;
    }
}

}  // namespace

LRESULT CALLBACK list_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (f10_as_key_up(&msg, wparam)) return 0;
    if (keypad_dispatch(msg, hwnd, static_cast<unsigned>(wparam), lparam)) return 0;
    if (hide_or_show_screen(hwnd, msg, wparam, lparam, &hidden_flags[hidden_list])) return 0;
    screen_hint_message(hwnd, msg, wparam, lparam, hint_popup, &hint_point);
    const int x = (short)LOWORD(lparam), y = (short)HIWORD(lparam);
    switch (msg) {
    case WM_CREATE:
        hint_popup = create_screen_buttons(hwnd, 'L', button_captions, hint_id);
        new_list_font(hwnd);
        main_hooks.clear_list = [] { clear_list(); };
        return 0;
    case WM_DESTROY:
        if (list_font != nullptr) DeleteObject(list_font);
        list_font = nullptr;
        return 0;
    case WM_SIZE:
        place_screen_buttons(hwnd, LOWORD(lparam), HIWORD(lparam));
        set_max_line(HIWORD(lparam));
        set_col_width(LOWORD(lparam));
        return 0;
    case WM_PAINT:
        if (paint_state == 2) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            paint_window(hwnd, dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
        paint_state = 1;
        break;
    case WM_TIMER:
        if (paint_state == 1) {
            paint_state = 2;
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            paint_state = 0;
        }
        return 0;
    case WM_PRINTCLIENT:
        paint_window(hwnd, reinterpret_cast<HDC>(wparam));
        return 0;
    case WM_LBUTTONDOWN: left_press(hwnd, wparam, x, y); return 0;
    case WM_LBUTTONUP: left_release(hwnd, x, y); return 0;
    case WM_LBUTTONDBLCLK:
        press_kind_now = press_double;
        double_click(hwnd);
        return 0;
    case WM_RBUTTONDOWN: press_point = {x, y}; return 0;
    case WM_RBUTTONUP: right_release(hwnd, x, y); return 0;
    case WM_RBUTTONDBLCLK: right_double_click(hwnd); return 0;
    case WM_KEYDOWN:
        if (wparam == VK_SHIFT) shift_down = 1;
        if (wparam == VK_RETURN || wparam == VK_APPS) fkey_handler(hwnd, static_cast<unsigned>(wparam));
        return 0;
    case WM_KEYUP:
        if (wparam == VK_SHIFT) shift_down = 0;
        if (!is_keypad_nav_key(msg, static_cast<unsigned>(wparam), lparam)) key_up(hwnd, wparam, lparam);
        return 0;
    case WM_COMMAND: return screen_command(hwnd, wparam, lparam, hwndF, extended_key);
    case WM_SYSCOMMAND:
        if (sys_command(hwnd, wparam)) return 0;
        break;
    case WM_SETFOCUS: fkey_accept(hwnd); return 0;
    case WM_CTLCOLORSTATIC: return white_static(wparam);
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}
