// The CODE screen's window parts (see code_screen.h): the output edit and
// its subclass, the font keys, the button row, the commands that take the
// output's selection through the clipboard, saving, the memo and the
// painter of the function's first line across the LIST.
#include "trees/win/code_screen.h"

#include <cstring>

#include "analyser/anal_host.h"
#include "calc/calc_host.h"
#include "forms/model.h"
#include "forms/multi_cur.h"
#include "forms/win/form_screen_parts.h"
#include "shell/codeout.h"
#include "shell/dirs.h"
#include "shell/keypad.h"
#include "shell/launcher.h"
#include "shell/main_keys.h"
#include "shell/main_commands.h"
#include "shell/main_fields.h"
#include "shell/main_layout.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/runner.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/sysmenus.h"
#include "shell/text.h"
#include "shell/win/startup_win.h"
#include "shell/win/syskey.h"
#include "trees/code_text.h"
#include "trees/func_list.h"
#include "trees/launch.h"
#include "trees/list_filter.h"
#include "trees/list_rules.h"
#include "trees/listings.h"
#include "trees/tree_build.h"
#include "trees/win/chart_screens.h"

namespace {

HWND hw(win_handle h) { return static_cast<HWND>(h); }

const int font_min = 10;
const int font_max = 18;
const int font_default = 16;
const int button_size = 20;
const int button_first = 20;
const int button_count = 10;
const int row_height = 21;
const int hint_id = 3;
const int text_limit = 500000;
const int saved_clip_size = 10000;
const LPARAM extended_bit = 0x1000000;
const char output_face[] = "ＭＳ 明朝";
const char *const captions[button_count] = {"★", "消", "助", "覧", "ﾌﾛ", "↑", "↓", "挿", "表", "編"};

HFONT output_font;
HBRUSH white_brush;
WNDPROC edit_proc;
HWND buttons[button_count];
HWND hint_popup;
POINT hint_point;  // where the right button went down on a button

HWND out() { return hw(code_out_hwnd); }

void read_category(char *buf, int size)
{
    GetWindowTextA(hw(main_controls[ctl_category]), buf, size);
    trim_blanks(buf);
}

void new_output_font()
{
    HFONT old = output_font;
    output_font = CreateFontA(-output_font_size, 0, 0, 0, FW_DONTCARE, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, output_face);
    SendMessageA(out(), WM_SETFONT, reinterpret_cast<WPARAM>(output_font), TRUE);
    if (old != nullptr) DeleteObject(old);
    InvalidateRect(out(), nullptr, TRUE);
}

void font_key(int step)
{
    const int size = output_font_size + step;
    if (size < font_min || size > font_max) {
        MessageBeep(0);
        return;
    }
    output_font_size = size;
    new_output_font();
}

// The clipboard's text into buf (size bytes); false when it holds none.
bool clipboard_text(HWND hwnd, char *buf, size_t size)
{
    buf[0] = '\0';
    if (!OpenClipboard(hwnd)) return false;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char *text = data != nullptr ? static_cast<const char *>(GlobalLock(data)) : nullptr;
    if (text != nullptr) {
        copy_bounded(buf, size, text);
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text != nullptr;
}

// The output's selection through the clipboard (at most 99 bytes): false
// when the clipboard holds no text afterwards.
bool take_selection(HWND hwnd, char *buf, size_t size)
{
    if (OpenClipboard(hwnd)) {
        EmptyClipboard();
        CloseClipboard();
    }
    SendMessageA(out(), WM_COPY, 0, 0);
    char text[selection_size];
    if (!clipboard_text(hwnd, text, sizeof text) || text[0] == '\0') return false;
    copy_bounded(buf, size, text);
    return true;
}

// The user's clipboard text around a command that takes the selection.
struct saved_clipboard {
    char text[saved_clip_size];
    bool had;
};

void save_clipboard(HWND hwnd, saved_clipboard *s) { s->had = clipboard_text(hwnd, s->text, sizeof s->text); }

void restore_clipboard(HWND hwnd, const saved_clipboard *s)
{
    if (s->had) set_clipboard_text(hwnd, s->text);
}

win_handle message_owner(LPARAM lparam) { return lparam == extended_bit ? hwndE : hwndC; }

void insert_selection(HWND hwnd, bool keep_user_clipboard)
{
    static saved_clipboard user;
    if (keep_user_clipboard) save_clipboard(hwnd, &user);
    char text[selection_size];
    const bool taken = take_selection(hwnd, text, sizeof text);
    if (keep_user_clipboard) restore_clipboard(hwnd, &user);
    if (!taken) {
        MessageBeep(0);
        SetFocus(hwnd);
        return;
    }
    SendMessageA(hw(target_field.edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    SetFocus(hw(hwndE));
}

void tree_from_selection(HWND hwnd, LPARAM lparam)
{
    static saved_clipboard user;
    save_clipboard(hwnd, &user);
    char text[selection_size];
    const bool taken = take_selection(hwnd, text, sizeof text);
    restore_clipboard(hwnd, &user);
    char file[selection_size];
    int line = 0;
    const win_handle owner = message_owner(lparam);
    if (!taken || parse_line_ref(text, file, sizeof file, &line) != 0) {
        msg_box(owner, "ファイル名又は行番号が正しく取り出せません", nullptr, MB_ICONSTOP);
        return;
    }
    int head = line;
    char name[top_name_size];
    const int r = find_function_at_line(file, &head, name);
    if (r != 0) {
        char message[300];
        format_text(message, sizeof message,
                    "指定の行番号(%d)は、関数に含まれていません(%d)\r\n尚、クラス内関数は本機能の対象外です", line, r);
        msg_box(owner, message, nullptr, MB_ICONSTOP);
        return;
    }
    if (!is_ftree_form(cur_form_name)) {
        msg_box(owner, "関数ツリーでないので抽出できません", nullptr, MB_ICONHAND);
        return;
    }
    if (tree_view_toggle_at(file, name, head) != 0) return;
    HWND form = hw(hwndO);
    if (tree_view_flag == 0) place_form_window(form);  // the whole tree again
    ShowWindow(form, SW_SHOWNORMAL);
    form_repaint(form);
}

void open_in_editor(HWND hwnd)
{
    static saved_clipboard user;
    save_clipboard(hwnd, &user);
    char text[selection_size];
    const bool taken = take_selection(hwnd, text, sizeof text);
    restore_clipboard(hwnd, &user);
    char dir[dir_path_size], name[selection_size], command[launch_size];
    int line = 0;
    if (!taken || parse_editor_ref(text, dir, sizeof dir, name, sizeof name, &line) != 0 ||
        editor_command(command, sizeof command, dir, name, line) != 0) {
        msg_box(hwndC, "ファイル名又は行番号又はファイルが見つかりません", "TAVIR警告画面", MB_ICONSTOP);
        return;
    }
    exec_wait(command, 0);
}

// code_sys_def_list and code_sys_ref_list: the definition or reference list
// of the selected name.
void list_of_selection(HWND hwnd, int id)
{
    char text[selection_size];
    if (!take_selection(hwnd, text, sizeof text) || (trim_blanks(text), text[0] == '\0')) {
        error_boxf(screen_code, "関数または変数が指定されていません\n");
        return;
    }
    stack_push(text);
    SendMessageA(hw(target_field.edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    reset_select();
    state = id == code_sys_ref_list ? state_references : state_functions;
    if (id == code_sys_ref_list) {
        blanks_to_at(text);
        int pos = 0;
        if (run_anal_ref(text, sizeof text, &pos) != 0) return;
    } else {
        char command[] = "select ";
        run_command(command, select_main);
        char key[selection_size + 1];
        format_text(key, sizeof key, "/%s", text);
        filter_list(key, filter_exact);
    }
    InvalidateRect(hw(hwndL), nullptr, TRUE);
    clear_marks();
    redraw_flow();
    SetFocus(hw(hwndL));
}

void memo_step(HWND hwnd, int id)
{
    if (id == memo_show) {
        SetWindowTextA(out(), memo_buf);
        return;
    }
    char text[selection_size] = "";
    if (id == memo_set || id == memo_append) take_selection(hwnd, text, sizeof text);
    memo_command(id, text);
}

void open_file_head()
{
    char name[dir_path_size];
    read_category(name, sizeof name);
    set_code_caption(name);
    resolve_dir_name(name, sizeof name);
    shown_state = read_file_to_edit(code_out_hwnd, name);
}

void save_shown_text()
{
    if (shown_state > 0) {
        error_boxf(screen_code, "画面上には完全なファイルが有りませんので保存処理を中断します");
        return;
    }
    char name[dir_path_size], question[dir_path_size + 100];
    read_category(name, sizeof name);
    const bool modified = SendMessageA(out(), EM_GETMODIFY, 0, 0) != 0;
    format_text(question, sizeof question,
                modified ? "修正有りファィル(%s)を保存します、よろしいですか？" : "ファィル(%s)を保存します、よろしいですか？", name);
    MessageBeep(0);
    if (msg_box(hwndC, question, nullptr, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
    FILE *fp = dir_fopen(name, "r");
    if (fp != nullptr) {
        fclose(fp);
        format_text(question, sizeof question, "このファイル(%s)は既に存在しています、壊れますがそれでもいいですか？", name);
        MessageBeep(0);
        if (msg_box(hwndC, question, nullptr, MB_OKCANCEL) != IDOK) return;
    }
    if (save_code_text(code_out_hwnd, name) == 0) SendMessageA(out(), EM_SETMODIFY, FALSE, 0);
}

void clear_output(HWND hwnd)
{
    clear_marks();
    redraw_flow();
    set_code_caption("");
    shown_state = -1;
    SetWindowTextA(out(), "");
    SendMessageA(out(), EM_SETMODIFY, FALSE, 0);
    SetFocus(hwnd);
}

void toggle_brackets(HWND hwnd)
{
    bracket_flag = !bracket_flag;
    CheckMenuItem(GetSystemMenu(hwnd, FALSE), code_sys_brackets, MF_BYCOMMAND | (bracket_flag ? MF_CHECKED : MF_UNCHECKED));
}

int paint_top(win_handle window, int x, const char *text)
{
    HWND hwnd = hw(window);
    HDC dc = GetDC(hwnd);
    paint_top_text_dc(dc, x, text);
    ReleaseDC(hwnd, dc);
    return 0;
}

}  // namespace

int paint_top_text_dc(HDC dc, int x, const char *text)
{
    HFONT font = CreateFontA(-list_font_size, 0, 0, 0, FW_DONTCARE, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, output_face);
    HGDIOBJ old = SelectObject(dc, font);
    TextOutA(dc, x, 0, text, lstrlenA(text));
    SelectObject(dc, old);
    DeleteObject(font);
    return 0;
}

int set_clipboard_text(HWND window, const char *text)
{
    const size_t n = strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, n);
    if (memory == nullptr) return 1;
    char *p = static_cast<char *>(GlobalLock(memory));
    memcpy(p, text, n);
    GlobalUnlock(memory);
    if (!OpenClipboard(window)) {
        GlobalFree(memory);
        return 1;
    }
    EmptyClipboard();
    const bool set = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!set) GlobalFree(memory);
    return set ? 0 : 1;
}

LRESULT CALLBACK code_child_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    HWND code = hw(hwndC);
    if (f10_as_key_up(&msg, wparam)) return 0;  // its key-up is posted below
    if (is_keypad_key(msg, static_cast<unsigned>(wparam), lparam)) PostMessageA(code, msg, wparam, lparam);
    if (msg == WM_KEYUP) {
        switch (wparam) {
        case VK_INSERT: case VK_PRIOR: PostMessageA(code, WM_KEYUP, wparam, extended_bit); break;
        case VK_DELETE: case VK_ESCAPE: case VK_TAB: case VK_F10: PostMessageA(code, WM_KEYUP, wparam, lparam); break;
        case VK_RETURN:
            if (lparam & extended_bit) PostMessageA(code, WM_KEYUP, wparam, lparam);
            else SetFocus(code);
            break;
        default: break;
        }
    }
    return CallWindowProcA(edit_proc, hwnd, msg, wparam, lparam);
}

void code_create(HWND hwnd)
{
    if (output_font_size < font_min || output_font_size > font_max) output_font_size = font_default;
    white_brush = CreateSolidBrush(RGB(255, 255, 255));
    code_out_hwnd = CreateWindowExA(0, "EDIT", "",
                                    WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                                        ES_READONLY,
                                    0, 0, 0, 0, hwnd, nullptr, app_instance, nullptr);
    SendMessageA(out(), EM_LIMITTEXT, text_limit, 0);
    edit_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(out(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(code_child_proc)));
    new_output_font();
    win_handle handles[button_count];
    for (int i = 0; i < button_count; ++i) {
        buttons[i] = CreateWindowExA(0, "BUTTON", captions[i], WS_CHILD | BS_PUSHBUTTON, 0, 0, button_size, button_size,
                                     hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(button_first + i)),
                                     app_instance, nullptr);
        handles[i] = buttons[i];
    }
    register_buttons('C', handles, button_count);
    hint_popup = CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_LEFT | WS_BORDER, 0, 0, 10, 10, hwnd,
                                 reinterpret_cast<HMENU>(hint_id), app_instance, nullptr);
    // The popup is sized by its text in the main font.
    SendMessageA(hint_popup, WM_SETFONT, reinterpret_cast<WPARAM>(main_font), FALSE);
    paint_top_text = paint_top;
}

void code_destroy()
{
    if (output_font != nullptr) DeleteObject(output_font);
    if (white_brush != nullptr) DeleteObject(white_brush);
    output_font = nullptr;
    white_brush = nullptr;
}

void code_size(HWND, int width, int height)
{
    const bool row = buttons_shown != bars_hidden;
    MoveWindow(out(), 0, 0, width, row ? height - row_height : height, TRUE);
    for (int i = 0; i < button_count; ++i) {
        MoveWindow(buttons[i], width - 205 + button_size * i, height - row_height, button_size, button_size, TRUE);
        ShowWindow(buttons[i], row ? SW_SHOW : SW_HIDE);
    }
}

bool code_key(HWND hwnd, WPARAM key, LPARAM lparam)
{
    switch (key) {
    case VK_ESCAPE: SetForegroundWindow(hw(hwndE)); SetFocus(hw(hwndE)); return true;
    case VK_TAB: ShowWindow(hw(hwndL), SW_SHOWNORMAL); SetFocus(hw(hwndL)); return true;
    case VK_UP: font_key(1); return true;
    case VK_DOWN: font_key(-1); return true;
    case VK_INSERT: insert_selection(hwnd, true); return true;
    case VK_F10: tree_from_selection(hwnd, lparam); return true;
    case VK_ADD: SendMessageA(hwnd, WM_COMMAND, code_cmd_excel, 0); return true;
    case VK_DELETE: SendMessageA(hwnd, WM_COMMAND, code_cmd_clear, 0); return true;
    default: return false;
    }
}

bool code_command(HWND hwnd, WPARAM wparam, LPARAM lparam)
{
    const int id = LOWORD(wparam);
    if (wparam == 0 && lparam == 0) {
        SetFocus(hwnd);
        return true;
    }
    switch (id) {
    case code_cmd_font: new_output_font(); return true;
    case code_cmd_main: ShowWindow(hw(hwndE), SW_SHOWNORMAL); SetFocus(hw(hwndE)); return true;
    case code_cmd_clear: clear_output(hwnd); return true;
    case code_cmd_ext_funcs:
        print_ext_func_list();
        code_print("Ornak.C言語作図ソフト\r\n関数の一覧は計算言語の外部関数です\r\n");
        SetFocus(hwnd);
        return true;
    case code_cmd_list: ShowWindow(hw(hwndL), SW_SHOWNORMAL); SetFocus(hw(hwndL)); return true;
    case code_cmd_flow: ShowWindow(hw(hwndF), SW_SHOWNORMAL); SetFocus(hw(hwndF)); return true;
    case code_cmd_up: case code_cmd_down:
        SetFocus(hwnd);
        SendMessageA(hwnd, WM_KEYUP, id == code_cmd_up ? VK_UP : VK_DOWN, extended_bit);
        return true;
    case code_cmd_insert: SendMessageA(hwnd, WM_KEYUP, VK_INSERT, extended_bit); return true;
    case code_cmd_excel: open_excel_csv(hwndC); return true;
    case code_cmd_editor: SetFocus(hwnd); SendMessageA(hwnd, WM_SYSCOMMAND, code_sys_editor, 0); return true;
    default: return false;
    }
}

bool code_sys_command(HWND hwnd, WPARAM wparam)
{
    if ((wparam & 0xFFF0) == SC_MINIMIZE) {
        hidden_flags[hidden_code] = 1;
        ShowWindow(hwnd, SW_HIDE);
        return true;
    }
    const int id = static_cast<int>(wparam);
    if (id >= 0xF000) return false;
    SetFocus(hwnd);
    switch (id) {
    case sys_about: SendMessageA(hw(hwndE), WM_SYSCOMMAND, sys_about, 1); return true;  // the common about box
    case sys_help: open_homepage(hwndC); return true;
    case code_sys_open_head: open_file_head(); return true;
    case code_sys_save_shown: save_shown_text(); return true;
    case code_sys_save_whole: msg_box(hwndC, "ファイル全体の保存は未サポート！", nullptr, MB_ICONINFORMATION); return true;
    case code_sys_main_front: ShowWindow(hw(hwndE), SW_SHOWNORMAL); SetFocus(hw(hwndE)); return true;
    case code_sys_insert: insert_selection(hwnd, false); return true;
    case code_sys_file_name:
        if (code_caption_name()[0] != '\0') SendMessageA(out(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(code_caption_name()));
        return true;
    case code_sys_def_list: case code_sys_ref_list: list_of_selection(hwnd, id); return true;
    case memo_set: case memo_append: case memo_swap: case memo_show: case memo_erase: case memo_builtin:
        memo_step(hwnd, id);
        return true;
    case code_sys_brackets: toggle_brackets(hwnd); return true;
    case code_sys_editor: open_in_editor(hwnd); return true;
    default: return false;
    }
}

void code_hint(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    screen_hint_message(hwnd, msg, wparam, lparam, hint_popup, &hint_point);
}

HBRUSH code_static_color(HDC dc)
{
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    return white_brush;
}
