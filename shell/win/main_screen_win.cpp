// The main screen's window side (see main_screen_win.h).  Each message case
// calls one portable decision of shell/main_*.h; what is drawn here is only
// what those decisions chose.
#include "shell/win/main_screen_win.h"

#include <cstring>
#include <initializer_list>

#include "analyser/anal_host.h"
#include "analyser/calls.h"
#include "analyser/define_lists.h"
#include "analyser/flow_nodes.h"
#include "analyser/nesting.h"
#include "analyser/search_keys.h"
#include "calc/calc_host.h"
#include "forms/model.h"
#include "forms/multi_cur.h"
#include "forms/win/form_screen.h"
#include "generators/defs.h"
#include "generators/gen_support.h"
#include "generators/htmlattr.h"
#include "trees/launch.h"
#include "trees/multi_cur.h"
#include "shell/codeout.h"
#include "shell/devaids.h"
#include "shell/dirs.h"
#include "shell/keypad.h"
#include "shell/launcher.h"
#include "shell/main_commands.h"
#include "shell/main_fields.h"
#include "shell/main_keys.h"
#include "shell/main_layout.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/project_switch.h"
#include "shell/runner.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/sysmenus.h"
#include "shell/text.h"
#include "shell/views.h"
#include "shell/win/cell_grid.h"
#include "shell/win/dialogs_win.h"
#include "shell/win/main_searches.h"
#include "shell/win/startup_win.h"
#include "shell/win/syskey.h"
#include "shell/wsize.h"
#include "trees/func_list.h"
#include "trees/listings.h"
#include "trees/tree_build.h"
#include "trees/win/chart_screens.h"
#include "trees/win/code_screen.h"
#include "trees/work_folder.h"

namespace {

HWND hw(win_handle h) { return static_cast<HWND>(h); }

const int row_height = 22;
const int button_w = 38;
const int fkey_w = 266;
const int fkey_gap = 37;
const int small_count = 17;
const int small_first_id = 20;
const int popup_id = 99;
const int text_line_step = 14;
const int text_top = 26;
const UINT_PTR text_paint_phase_idle = 0;

// The four function buttons by position, in the multiple-extraction mode
// and in the work-folder mode.
enum multi_button { multi_add_button, multi_list_button, multi_check_button, multi_clear_button };
enum work_button { work_show_button, work_back_button, work_in_button, work_clear_button };

// The screen buttons in their row after the target field: id and caption.
struct row_button {
    int id;
    const char *caption;
};
const row_button row_buttons[] = {
    {ctl_property, "個性"}, {ctl_help, "ﾍﾙﾌﾟ"}, {ctl_form, "ﾌｫｰﾑ"}, {ctl_code, "ｺｰﾄﾞ"},  {ctl_flow, "ﾌﾛｰ"},
    {ctl_list, "一覧"},     {ctl_mode, "関連"},  {ctl_open, "開く"}, {ctl_button, "ﾎﾞﾀﾝ"}, {ctl_bars, "削除"},
};

// The small command buttons: caption, and the system command (sys) or key they send.
struct small_button {
    const char *caption;
    bool sys;
    unsigned code;
};
const small_button small_buttons[small_count] = {
    {"cD", true, main_sys_def_list}, {"pD", true, main_sys_func_with_text}, {"mD", true, main_sys_func_with_words},
    {"cR", true, main_sys_ref_list}, {"pR", true, main_sys_ref_with_text},  {"mR", true, main_sys_ref_with_words},
    {"・", false, 0}, {"パ", false, VK_F1}, {"設", false, VK_F1 + 1}, {"プ", false, VK_F1 + 2},
    {"変", false, VK_F1 + 3}, {"・", false, 0}, {"ツ", true, main_sys_tree_build}, {"索", false, VK_F9},
    {"計", true, main_sys_step_count},
    {"層", false, '2'}, {"編", false, '1'},
};
const char about_text[] =
    "VOKTAVIR\r\n"
    "C、C++、Pro*C、Java のソースを解析し、関数一覧、定義と参照の検索、\r\n"
    "関数ツリー、フロー、ステップ数を表示する作業台です。\r\n"
    "フォームから Win32、X/Motif、HTML/ASP のソースを生成し、\r\n"
    ".vok ファイルの計算言語を実行します。";

HWND small_handles[small_count];
HWND hint_popup;
HFONT fields_font;
HFONT list_font;
WNDPROC category_edit_base;
WNDPROC target_edit_base;
int paint_phase;  // 0 idle, 1 painted once, 2 the timer's repaint

HWND child(HWND parent, const char *cls, const char *text, DWORD style, int id)
{
    return CreateWindowA(cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app_instance, nullptr);
}

HFONT mincho(int height)
{
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "ＭＳ 明朝");
}

void set_font(win_handle w, HFONT font) { SendMessageA(hw(w), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

int pattern_font_height() { return category_font >= 1 ? -category_font : -12; }

// Insert and Esc take the focus back to the main screen; the category edit
// also passes the keypad Enter on.
LRESULT edit_keys(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, WNDPROC base, bool pass_enter)
{
    if (msg == WM_KEYUP && (wparam == VK_INSERT || wparam == VK_ESCAPE)) SetFocus(hw(hwndE));
    if (msg == WM_KEYUP && pass_enter && wparam == VK_RETURN && ((lparam >> 24) & 1) != 0) {
        PostMessageA(hw(hwndE), WM_KEYUP, wparam, lparam);
    }
    return CallWindowProcA(base, hwnd, msg, wparam, lparam);
}

LRESULT CALLBACK category_edit_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    return edit_keys(hwnd, msg, wparam, lparam, category_edit_base, true);
}

LRESULT CALLBACK target_edit_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    return edit_keys(hwnd, msg, wparam, lparam, target_edit_base, false);
}

WNDPROC subclass(win_handle edit, WNDPROC proc)
{
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hw(edit), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

void create_fields(HWND hwnd)
{
    main_controls[ctl_category] = child(hwnd, "EDIT", "", WS_BORDER | ES_CENTER | ES_AUTOHSCROLL, 0);
    target_field.edit = child(hwnd, "EDIT", "", WS_BORDER | ES_CENTER | ES_AUTOHSCROLL, 104);
    const DWORD list_style = WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    target_field.list = child(hwnd, "LISTBOX", "", list_style, 1);
    main_controls[ctl_target] = target_field.edit;
    main_controls[ctl_patterns] = child(hwnd, "LISTBOX", "", list_style, 12);
    for (const row_button &b : row_buttons) main_controls[b.id] = child(hwnd, "BUTTON", b.caption, BS_PUSHBUTTON, b.id);
    category_edit_base = subclass(main_controls[ctl_category], category_edit_proc);
    target_edit_base = subclass(target_field.edit, target_edit_proc);
    fields_font = mincho(-14);
    for (win_handle w : {main_controls[ctl_category], target_field.edit, target_field.list}) set_font(w, fields_font);
}

void create_buttons(HWND hwnd)
{
    for (int n = 0; n < fkey_button_count; ++n) {
        fkey_buttons[n] = CreateWindowA("BUTTON", "", WS_CHILD | BS_PUSHBUTTON, 0, 0, fkey_w, row_height, hwnd,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(fkey_first_id + n)), app_instance,
                                        nullptr);
    }
    win_handle handles[small_count];
    for (int i = 0; i < small_count; ++i) {
        small_handles[i] = child(hwnd, "BUTTON", small_buttons[i].caption, WS_BORDER | BS_PUSHBUTTON, small_first_id + i);
        SendMessageA(small_handles[i], WM_SETFONT, reinterpret_cast<WPARAM>(main_font), TRUE);
        handles[i] = small_handles[i];
    }
    register_buttons('E', handles, small_count);
    hint_popup = CreateWindowA("STATIC", "", WS_CHILD | WS_BORDER, 0, 0, 10, 10, hwnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(popup_id)), app_instance, nullptr);
    SendMessageA(hint_popup, WM_SETFONT, reinterpret_cast<WPARAM>(main_font), TRUE);
}

void place(win_handle w, int x, int y, int width, int height) { MoveWindow(hw(w), x, y, width, height, TRUE); }

// The row of screen buttons, the fields and the function-button column.
void place_controls(bool move_button13)
{
    int wc, wt;
    main_widths(&wc, &wt);
    place(main_controls[ctl_category], 0, 0, wc, row_height);
    place(target_field.edit, wc, 0, wt + button_w, row_height);
    place(target_field.list, wc, row_height, wt + button_w, 188);
    place(main_controls[ctl_patterns], 0, row_height, wc, 188);
    int x = wc + wt + button_w;
    int help_x = x;
    for (const row_button &b : row_buttons) {
        if (b.id == ctl_help) help_x = x;
        if (b.id != ctl_button || move_button13) place(main_controls[b.id], x, 0, button_w, row_height);
        x += button_w;
    }
    const int column_x = help_x + button_w - 39;
    for (int n = 0; n < fkey_button_count; ++n) {
        place(fkey_buttons[n], column_x, row_height + 15 + fkey_gap * n, fkey_w, row_height);
    }
}

// The help or memo text, one line per line end, from the text area's left edge.
void draw_text_area(HDC dc)
{
    bool is_help = false;
    const char *text = text_area_text(&is_help);
    if (text == nullptr) return;
    HFONT font = mincho(-10);
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, is_help ? RGB(0, 0, 255) : RGB(0, 125, 125));
    SetBkMode(dc, TRANSPARENT);
    const int x = text_area_left();
    int y = text_top;
    char line[2000];
    for (const char *p = text; next_text_line(&p, line, sizeof line); y += text_line_step) {
        TextOutA(dc, x, y, line, static_cast<int>(strlen(line)));
    }
    SelectObject(dc, old);
    DeleteObject(font);
}

void read_target(char *buf, size_t size) { target_get_text(buf, size); }

// Command 6: the lines of the chart shown that match the target's key.
void flow_marks(HWND hwnd)
{
    char key[1000];
    read_target(key, sizeof key);
    SendMessageA(hw(target_field.edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    if (multi_key_active()) {
        msg_box(hwnd, "多重論理検索の登録がありますので多重論理検索を実行します", nullptr, MB_ICONINFORMATION);
        copy_bounded(key, sizeof key, "YYYYY");
    }
    mark_search_lines(key);
    InvalidateRect(hw(hwndF), nullptr, TRUE);
    ShowWindow(hw(hwndC), SW_SHOWNORMAL);
    ShowWindow(hw(hwndF), SW_SHOWNORMAL);
    SetFocus(hw(code_out_hwnd));
    SetFocus(hw(hwndF));
}

// The analysis of the category's sources for the tree build: the call
// tables prepared, then the file-list command over the category.
int tree_analyse()
{
    char category[1000], command[1100];
    GetWindowTextA(hw(main_controls[ctl_category]), category, sizeof category);
    trim_blanks(category);
    if (write_ftree_t() != 0) return 1;
    format_text(command, sizeof command, "select %s", category);
    return run_command(command, select_main);
}

// Command 85: the function-call tree of the category shown on FORM.
void tree_command()
{
    char category[1000], target[1000];
    GetWindowTextA(hw(main_controls[ctl_category]), category, sizeof category);
    trim_blanks(category);
    read_target(target, sizeof target);
    if (run_tree_build(category, target, tree_analyse) != tree_built) return;
    SetWindowTextA(form_name_edit, "ftree.f");
    ShowWindow(hw(hwndO), SW_SHOWNORMAL);
    SetWindowPos(hw(hwndO), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    InvalidateRect(hw(hwndO), nullptr, TRUE);
    SetForegroundWindow(hw(hwndO));
}

// F9: the target's text searched in the files of every source pattern.
void text_search(HWND hwnd)
{
    char key[1000];
    read_target(key, sizeof key);
    if (key[0] == '\0') {
        msg_box(hwnd, "対象欄に検索キイが指定されていません", nullptr, MB_ICONSTOP);
        return;
    }
    SendMessageA(hw(target_field.edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    if (!keep_code_text) {
        set_code_caption("");
        SetWindowTextA(hw(code_out_hwnd), "");
        clear_marks();
        InvalidateRect(hw(hwndF), nullptr, TRUE);
    }
    set_wait_cursor();
    run_all_patterns(key, code_out_hwnd, 0);
    restore_cursor();
    SendMessageA(hwnd, WM_COMMAND, ctl_code, 0);
}

// ---- Keys ----

void register_multi_key()
{
    char key[1000];
    read_target(key, sizeof key);
    SendMessageA(hw(target_field.edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    trim_blanks(key);
    if (key[0] == '\0') {
        host_beep();
        return;
    }
    stack_push(key);
    add_multi_key(key);
}

void target_to_common(int op)
{
    char key[1000];
    read_target(key, sizeof key);
    if (op == VK_UP) cstack_push(target_field_handle(), key);
    else if (op == VK_DOWN) cstack_fill(target_field_handle());
    else cstack_delete(target_field_handle());
}

// The parameter dialog, then the main screen laid out by what it set.
void param_dialog(HWND owner)
{
    open_param_dlg(app_instance, owner);
    int text_x;
    HFONT font;
    layout_main_screen(hw(hwndE), &text_x, &font);
}

bool function_key(HWND hwnd, WPARAM key)
{
    switch (key) {
    case VK_F1: param_dialog(hwnd); return true;
    case VK_F1 + 1: open_project_dlg(app_instance, hwnd); return true;
    case VK_F1 + 2: refill_file_list(); return true;
    case VK_F1 + 3: switch_project(hwnd); return true;
    case VK_F1 + 4: register_multi_key(); return true;
    case VK_F1 + 5: list_multi_keys(code_out_hwnd); return true;
    case VK_F1 + 7: clear_multi_keys(); return true;
    case VK_F10: multi_extract_key(cur_form_name); return true;
    case VK_F1 + 10: fill_entry_names(); return true;
    case VK_F12:
        trace_banner(code_out_hwnd);
        toggle_msg_trace();
        return true;
    case VK_F1 + 6: run_multi_ref(); return true;
    case VK_F9: text_search(hwnd); return true;
    default: return false;
    }
}

bool edit_key(HWND hwnd, WPARAM key)
{
    switch (key) {
    case VK_DELETE:
        SendMessageA(hw(target_field.edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        SetFocus(hw(target_field.edit));
        return true;
    case VK_HOME: define_key(); return true;
    case VK_END: {
        char text[1000];
        read_target(text, sizeof text);
        set_clipboard_text(hwnd, text);
        return true;
    }
    case VK_PRIOR: category_file_key(); return true;
    case VK_NEXT:
        if (stack_delete(target_field_handle()) != 0) host_beep();
        return true;
    case VK_UP: case VK_DOWN: case VK_RIGHT: target_to_common(static_cast<int>(key)); return true;
    case VK_LEFT: normalize_target_key(target_field_handle()); return true;
    case VK_BACK: SetFocus(hw(main_controls[ctl_category])); return true;
    case VK_INSERT: SetFocus(hw(target_field.edit)); return true;
    default: return false;
    }
}

bool letter_key(HWND hwnd, WPARAM key)
{
    switch (key) {
    case '2': case '3': case '4': nesting_key(static_cast<int>(key)); return true;
    case 'C': view_reset_key(); return true;
    case 'V': case 'B': case 'N': view_key(static_cast<int>(key)); return true;
    case 'E': case 'H': case '1': open_category_file(hwnd); return true;
    case 'L': source_line_key(hwnd); return true;
    case 'F': box_number_key(hwnd); return true;
    default: return false;
    }
}

void key_up(HWND hwnd, WPARAM key)
{
    if (key == VK_SHIFT) {
        shift_down = 0;
        return;
    }
    if (!function_key(hwnd, key) && !edit_key(hwnd, key)) letter_key(hwnd, key);
}

// ---- Mouse ----

void left_click(WPARAM keys)
{
    if ((keys & MK_SHIFT) != 0) memo_from_code(false);
    else if ((keys & MK_CONTROL) != 0) memo_from_code(true);
    else refill_file_list();
}

void right_click(WPARAM keys, LPARAM lparam)
{
    if ((keys & (MK_SHIFT | MK_CONTROL)) != 0) memo_clear();
    else switch_project(lparam == 0 ? hwndO : hwndE);
}

// A right double-click draws six junction marks on FLOW: column, row, stubs, kind.
void draw_junctions()
{
    struct junction {
        int c, r, stubs, kind;
    };
    const int circle = '?', box = 0;
    const junction marks[] = {{1, 1, 1, circle}, {2, 1, 7, box},  {3, 1, 2, circle},
                              {2, 2, 12, box},   {2, 3, 12, box}, {2, 4, 11, box}};
    HWND flow = hw(hwndF);
    if (flow == nullptr) return;
    HDC dc = GetDC(flow);
    for (const junction &j : marks) draw_junction(j.c, j.r, dc, j.stubs, j.kind);
    ReleaseDC(flow, dc);
}

// ---- Commands ----

void toggle_mode(HWND hwnd)
{
    SetFocus(hwnd);
    if (gen_rel_mode == mode_relation) commit_prop_value();
    reset_cur_prop();
    gen_rel_mode = gen_rel_mode == mode_relation ? mode_create : mode_relation;
    SetWindowTextA(hw(main_controls[ctl_mode]), gen_rel_mode == mode_create ? "生成" : "関連");
    const int from = gen_rel_mode == mode_create ? 'R' : 'O';
    if (help_mode == from) {
        help_mode = gen_rel_mode == mode_create ? 'O' : 'R';
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void list_selection_to(HWND list, win_handle edit)
{
    const LRESULT sel = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (sel < 0 || SendMessageA(list, LB_GETTEXTLEN, sel, 0) >= 1000) return;
    char text[1000];
    SendMessageA(list, LB_GETTEXT, sel, reinterpret_cast<LPARAM>(text));
    SendMessageA(hw(edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void small_button_pressed(HWND hwnd, int i)
{
    SetFocus(hwnd);
    const small_button &b = small_buttons[i];
    if (b.code == 0) return;
    if (b.sys) SendMessageA(hwnd, WM_SYSCOMMAND, b.code, 1);
    else SendMessageA(hwnd, WM_KEYUP, b.code, 0);
}

// The four multiple-extraction commands: register, list, check (FORM then
// extracts on F10), clear.
void multi_extract_button(HWND hwnd, int n)
{
    switch (n) {
    case multi_add_button: multi_cur_add(target_field_handle(), hwnd); break;
    case multi_list_button: multi_cur_list(target_field_handle()); break;
    case multi_check_button: multi_cur_check(0, hwndO, hwnd); break;
    default: multi_cur_clear(target_field_handle()); break;
    }
}

void copy_failed(HWND hwnd, const char *name)
{
    char text[1200];
    format_text(text, sizeof text, "ファイル(%s)のコピーに失敗しました", name);
    msg_box(hwnd, text, msg_caption_text, MB_ICONHAND);
}

// Button 0: the whole function list loaded again and cut down to the files
// the work folder holds; the target gets the first work file that no shown
// header names, under the selected header's slot (the first slot when none
// is selected).
void show_work_files(HWND hwnd)
{
    const int slot = cur_entry_slot();
    state = state_functions;
    char command[] = "select ";
    run_command(command, select_main);
    char first[1000];
    if (list_work_files(hwnd, first, sizeof first, slot == '?' ? '0' : slot) != 0) first[0] = '\0';
    SendMessageA(hw(target_field.edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(first));
}

// The four work-folder commands: show the listed files the folder holds,
// copy the target-named file back, copy the selected file in, empty it.
void work_folder_button(HWND hwnd, int n)
{
    if (strcmp(proj_name(), "home") == 0) {
        msg_box(hwnd, "homeプロジェクトでは無効です", msg_caption_text, MB_ICONHAND);
        return;
    }
    char name[1000];
    int rc = 0;
    switch (n) {
    case work_show_button: show_work_files(hwnd); break;
    case work_back_button:
        read_target(name, sizeof name);
        trim_blanks(name);
        rc = copy_back_from_work(hwnd, name);
        if (name[0] == '\0') sel_file(name, sizeof name);
        break;
    case work_in_button:
        sel_file(name, sizeof name);
        rc = copy_to_work(hwnd);
        break;
    default:
        if (clear_work_folder(hwnd) < 0) MessageBeep(0);
        break;
    }
    if ((n == work_back_button || n == work_in_button) && rc < 0 && rc != work_no_folder) copy_failed(hwnd, name);
    InvalidateRect(hw(hwndL), nullptr, TRUE);
    flow_reset();
    InvalidateRect(hw(hwndF), nullptr, TRUE);
    SetFocus(hw(hwndL));
}

void function_button(HWND hwnd, int n)
{
    if (press_button(hwnd, n) != 0) return;
    if (multi_extract_mode) multi_extract_button(hwnd, n);
    else if (work_mode) work_folder_button(hwnd, n);
}

// Opens a trimmed entry by its kind (command 11 on the category text, the
// help button on the help form).
void open_named_entry(HWND hwnd, char *text)
{
    const int kind = classify_entry(text);
    if (entry_refusal(kind) != nullptr) {
        error_boxf(screen_main, "%s", entry_refusal(kind));
        return;
    }
    if (kind == entry_calc) {
        set_wait_cursor();
        const int rc = run_calc_file(text);
        restore_cursor();
        if (rc == 1) {
            char box[1200];
            format_text(box, sizeof box, "指定された解析ファイル(%s)が見つかりません", text);
            msg_box(hwnd, box, msg_caption_text, MB_ICONHAND);
            SetFocus(hwnd);
            return;
        }
        ShowWindow(hw(hwndC), SW_SHOWNORMAL);
        SetFocus(hw(code_out_hwnd));
        return;
    }
    if (kind == entry_form) {
        open_form_file(hwnd, text);
        return;
    }
    if (kind == entry_source) {
        open_source_window(text);
        return;
    }
    if (editor[0] != '\0') {
        open_in_editor(hwnd, text);
        return;
    }
    show_in_code(text);
}

void open_entry(HWND hwnd)
{
    char text[1000];
    text[0] = '\0';
    GetWindowTextA(hw(main_controls[ctl_category]), text, sizeof text);
    trim_blanks(text);
    open_named_entry(hwnd, text);
}

bool command(HWND hwnd, WPARAM wparam, LPARAM lparam)
{
    const int id = LOWORD(wparam);
    const int note = HIWORD(wparam);
    if (id >= small_first_id && id < small_first_id + small_count) {
        small_button_pressed(hwnd, id - small_first_id);
        return true;
    }
    if (id >= fkey_first_id && id < fkey_first_id + fkey_button_count) {
        function_button(hwnd, id - fkey_first_id);
        return true;
    }
    switch (id) {
    case cmd_focus:
        if (lparam == 0) SetFocus(hwnd);
        return true;
    case ctl_target:
        if (note == LBN_SELCHANGE) list_selection_to(hw(target_field.list), target_field.edit);
        SetFocus(hwnd);
        return true;
    case ctl_property: case ctl_form:
        ShowWindow(hw(hwndP), SW_SHOWNORMAL);
        if (id == ctl_form) ShowWindow(hw(hwndO), SW_SHOWNORMAL);
        SetFocus(hw(id == ctl_form ? hwndO : hwndP));
        return true;
    case ctl_code:
        ShowWindow(hw(hwndC), SW_SHOWNORMAL);
        SetFocus(hw(code_out_hwnd));
        return true;
    case ctl_list:
        stack_fill(target_field_handle());
        ShowWindow(hw(hwndL), SW_SHOWNORMAL);
        SetFocus(hw(hwndL));
        return true;
    case ctl_help: {
        char help[] = "AHELPA.F";
        open_named_entry(hwnd, help);
        return true;
    }
    case ctl_flow: flow_marks(hwnd); return true;
    case ctl_mode: toggle_mode(hwnd); return true;
    case ctl_open: open_entry(hwnd); return true;
    case ctl_patterns:
        if (note != LBN_SELCHANGE) return true;
        list_selection_to(hw(main_controls[ctl_patterns]), main_controls[ctl_category]);
        refill_file_list();
        return true;
    case ctl_bars:
        show_buttons(buttons_shown != bars_hidden ? bars_hidden : bars_shown);
        SetWindowTextA(hw(main_controls[ctl_bars]), buttons_shown != bars_hidden ? "削除" : "ﾎﾞﾀﾝ");
        return true;
    default: return false;
    }
}

void check_item(HWND hwnd, UINT id, bool on)
{
    CheckMenuItem(GetSystemMenu(hwnd, FALSE), id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void project_files(HWND hwnd, int id, LPARAM lparam)
{
    HWND owner = lparam == 0 ? hw(hwndO) : hwnd;
    char question[1000];
    project_files_question(id, question, sizeof question);
    if (msg_box(owner, question, msg_caption_text, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    char failed[300];
    if (project_files_run(id, failed, sizeof failed) != 0) {
        char text[400];
        format_text(text, sizeof text, "ファイル(%s)のコピーに失敗しました", failed);
        msg_box(owner, text, msg_caption_text, MB_ICONHAND);
    }
    project_files_reload();
}

bool sys_command(HWND hwnd, WPARAM wparam, LPARAM lparam)
{
    const UINT id = static_cast<UINT>(wparam);
    if (id == project_restore || id == project_exchange || id == project_add || id == project_add_back) {
        project_files(hwnd, static_cast<int>(id), lparam);
        return true;
    }
    if (id >= main_sys_lang_c && id <= main_sys_lang_java) {
        for (UINT item = main_sys_lang_c; item <= main_sys_lang_java; ++item) check_item(hwnd, item, item == id);
        default_lang = static_cast<int>(id - main_sys_lang_c);
        lang_mode = project_kind();
        set_lang_patterns();
        return true;
    }
    if (id == main_sys_tree_build) {
        tree_command();
        return true;
    }
    if (id == main_sys_startup_form) {
        startup_form_flag = startup_form_flag ? 0 : 1;
        check_item(hwnd, main_sys_startup_form, startup_form_flag != 0);
        return true;
    }
    if (id == sys_about || id == sys_help) {
        HWND owner = lparam == 0 ? hw(hwndO) : hwnd;
        if (id == sys_about) msg_box(owner, about_text, msg_caption_text, MB_ICONINFORMATION);
        else open_homepage(owner);
        return true;
    }
    if (id == main_sys_param_dialog || id == main_sys_project_dialog) {
        HWND owner = lparam == 0 ? hw(hwndO) : hwnd;
        if (id == main_sys_param_dialog) param_dialog(owner);
        else open_project_dlg(app_instance, owner);
        return true;
    }
    if (id == main_sys_def_list || id == main_sys_ref_list || id == main_sys_ref_with_text ||
        id == main_sys_func_with_text || id == main_sys_func_with_words || id == main_sys_ref_with_words) {
        run_search(hwnd, id);
        return true;
    }
    if (id == main_sys_step_count) {
        step_count(hwnd);
        return true;
    }
    if (id == main_sys_step_check) {
        SendMessageA(hwnd, WM_KEYUP, '3', 0);
        return true;
    }
    if (id == main_sys_minimize_all || (id & 0xFFF0) == SC_MINIMIZE) {
        // The system's own minimising hides the screens the owner owns.
        SendMessageA(hw(hwndM), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return true;
    }
    return false;
}

// The exchange of the project files needs "maker.dat" in the home folder.
void grey_exchange(HMENU menu)
{
    FILE *fp = home_fopen("maker.dat", "r");
    if (fp != nullptr) fclose(fp);
    EnableMenuItem(menu, project_exchange, MF_BYCOMMAND | (fp != nullptr ? MF_ENABLED : MF_GRAYED));
}

// ---- Hooks ----

int nesting_into_layer(const char *source, int layout, int kind)
{
    return write_nesting_list(source, "layer.txt", layout, kind);
}

int place_screens()
{
    const win_handle screens[] = {hwndE, hwndL, hwndC, hwndF, hwndP, hwndO};
    const char *const names[] = {"TAVIR", "LIST", "CODE", "FLOW", "PROPERTY", "FORM"};
    for (int i = 0; i < 6; ++i) {
        int x, y, w, h;
        if (screens[i] != nullptr && get_wsize(names[i], &x, &y, &w, &h) == 0) MoveWindow(hw(screens[i]), x, y, w, h, TRUE);
    }
    return apply_screen_flags();
}

// The category "*.x" or "*.r": the definitions of the form in use, its name
// without the extension followed by ".X" or ".R", into the list.
void list_form_defs(win_handle list, const char *ext)
{
    char base[1000] = "", name[1024];
    if (form_name_edit != nullptr) GetWindowTextA(form_name_edit, base, sizeof base);
    char *dot = strrchr(base, '.');
    if (dot != nullptr) *dot = '\0';
    if (format_text(name, sizeof name, "%s%s", base, strcmp(ext, ".x") == 0 ? ".X" : ".R") != 0) return;
    clear_defs();
    read_defs(name);
    list_defs(list);
}

void bind_hooks()
{
    main_hooks.list_form_defs = list_form_defs;
    main_hooks.show_define = [](const char *name) { return show_define(name, code_out_hwnd); };
    main_hooks.list_defines = [](const char *key) { return list_defines(key, code_out_hwnd) == -1 ? -1 : 0; };
    main_hooks.write_nesting = nesting_into_layer;
    main_hooks.flow_reset = [] { flow_reset(); };
    main_hooks.multi_cur_reset = [] { multi_cur_reset(); };
    main_hooks.project_changed = [] {
        load_htmlattr();
        get_kind_ids(-1);
        note_file_exists(nullptr);
        form_reset();
    };
    main_hooks.fit_code_output = [] {
        RECT r;
        if (hwndC == nullptr || !GetClientRect(hw(hwndC), &r)) return;
        MoveWindow(hw(code_out_hwnd), 0, 0, r.right, r.bottom - (buttons_shown != bars_hidden ? 21 : 0), TRUE);
    };
    view_hooks.save_places = [] { return save_wrect("OTHER"); };
    view_hooks.save_sizes = view_sizes_save;
    view_hooks.load_sizes = view_sizes_load;
    view_hooks.place_screens = place_screens;
}

}  // namespace

int create_main_controls(HWND hwnd)
{
    create_fields(hwnd);
    create_buttons(hwnd);
    list_font = mincho(pattern_font_height());
    set_font(main_controls[ctl_patterns], list_font);
    place_controls(true);
    bind_hooks();
    set_lang_patterns();
    if (startup_form_flag) SetWindowTextA(hw(main_controls[ctl_category]), "begin.f");
    SendMessageA(hw(main_controls[ctl_patterns]), LB_SETCURSEL, 0, 0);
    fill_entry_names();
    return 0;
}

int destroy_main_controls()
{
    for (HFONT *font : {&fields_font, &list_font}) {
        if (*font != nullptr) DeleteObject(*font);
        *font = nullptr;
    }
    return 0;
}

int layout_main_screen(HWND hwnd, int *text_x, HFONT *font)
{
    place_controls(false);
    if (list_font != nullptr) DeleteObject(list_font);
    list_font = mincho(pattern_font_height());
    set_font(main_controls[ctl_patterns], list_font);
    *text_x = text_area_left();
    *font = list_font;
    InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
}

int size_main_screen(HWND, int width, int height)
{
    for (int i = 0; i < small_count; ++i) {
        if (strcmp(small_buttons[i].caption, "・") == 0) ShowWindow(small_handles[i], SW_HIDE);
        MoveWindow(small_handles[i], width - 345 + 20 * i, height - 21, 20, 20, TRUE);
    }
    int wc, wt;
    main_widths(&wc, &wt);
    place(main_controls[ctl_patterns], 0, row_height, wc, height - 21 - row_height);
    place(target_field.list, wc, row_height, wt + button_w, height - 21 - row_height);
    return 0;
}

int paint_text_area(HWND hwnd)
{
    if (paint_phase != 2) {
        paint_phase = 1;
        ValidateRect(hwnd, nullptr);
        return 1;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    draw_text_area(dc);
    EndPaint(hwnd, &ps);
    return 1;
}

int tick_text_area(HWND hwnd)
{
    if (paint_phase != 1) return 1;
    paint_phase = 2;
    RECT r;
    GetClientRect(hwnd, &r);
    r.left = text_area_left();
    r.top = row_height;
    InvalidateRect(hwnd, &r, TRUE);
    UpdateWindow(hwnd);
    paint_phase = static_cast<int>(text_paint_phase_idle);
    return 1;
}

int show_button_hint(HWND window, HWND pressed, POINT point, HWND popup)
{
    char text[2000];
    if (!button_hint_text(pressed, window == hw(hwndE), text, sizeof text)) {
        ShowWindow(popup, SW_HIDE);
        return 0;
    }
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, main_font);
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &extent);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    RECT client;
    GetClientRect(window, &client);
    const popup_place p = place_popup(point.x, point.y, extent.cx, extent.cy, client.right);
    SetWindowTextA(popup, text);
    MoveWindow(popup, p.x, p.y, p.width, p.height, TRUE);
    ShowWindow(popup, SW_SHOW);
    return 0;
}

int main_screen_message(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, LRESULT *result)
{
    *result = 0;
    static POINT pressed_at;
    if (f10_as_key_up(&msg, wparam)) return 1;
    switch (msg) {
    case WM_CREATE:
        create_main_controls(hwnd);
        return 1;
    case WM_DESTROY:
        destroy_main_controls();
        return 0;
    case WM_SIZE:
        size_main_screen(hwnd, LOWORD(lparam), HIWORD(lparam));
        return 1;
    case WM_PAINT: return paint_text_area(hwnd);
    case WM_TIMER: return tick_text_area(hwnd);
    case WM_CTLCOLORSTATIC:
        SetTextColor(reinterpret_cast<HDC>(wparam), RGB(0, 0, 0));
        SetBkColor(reinterpret_cast<HDC>(wparam), RGB(255, 255, 255));
        *result = reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        return 1;
    case WM_KEYDOWN:
        if (wparam == VK_SHIFT) shift_down = 1;
        fkey_handler(hwnd, static_cast<unsigned>(wparam));
        return 1;
    case WM_KEYUP: key_up(hwnd, wparam); return 1;
    case WM_LBUTTONDOWN: left_click(wparam); return 1;
    case WM_RBUTTONDOWN: right_click(wparam, lparam); return 1;
    case WM_RBUTTONDBLCLK: draw_junctions(); return 1;
    case WM_COMMAND: return command(hwnd, wparam, lparam) ? 1 : 0;
    case WM_SYSCOMMAND: return sys_command(hwnd, wparam, lparam) ? 1 : 0;
    case WM_PARENTNOTIFY:
        if (LOWORD(wparam) == WM_RBUTTONDOWN) {
            pressed_at.x = static_cast<short>(LOWORD(lparam));
            pressed_at.y = static_cast<short>(HIWORD(lparam));
        }
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wparam) == hwnd || HIWORD(lparam) == WM_RBUTTONUP) ShowWindow(hint_popup, SW_HIDE);
        else if (HIWORD(lparam) == WM_RBUTTONDOWN) show_button_hint(hwnd, reinterpret_cast<HWND>(wparam), pressed_at, hint_popup);
        return 0;
    case WM_INITMENU:
        grey_exchange(reinterpret_cast<HMENU>(wparam));
        return 0;
    case WM_IME_SETCONTEXT:
        ShowWindow(hint_popup, SW_HIDE);
        return 0;
    default: return 0;
    }
}
