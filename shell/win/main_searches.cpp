// The main screen's commands over the function list (see main_searches.h).
#include "shell/win/main_searches.h"

#include <cstdlib>
#include <cstring>

#include "analyser/anal_inputs.h"
#include "analyser/calls.h"
#include "analyser/flow_nodes.h"
#include "analyser/search_keys.h"
#include "analyser/steps.h"
#include "forms/find_box.h"
#include "forms/kinds.h"
#include "forms/model.h"
#include "forms/prescan.h"
#include "generators/work_jumps.h"
#include "shell/codeout.h"
#include "shell/dirs.h"
#include "shell/launcher.h"
#include "shell/line_cut.h"
#include "shell/main_commands.h"
#include "shell/main_fields.h"
#include "shell/main_keys.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/runner.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/sysmenus.h"
#include "shell/text.h"
#include "trees/func_list.h"
#include "trees/list_filter.h"
#include "trees/launch.h"

namespace {

HWND hw(win_handle h) { return static_cast<HWND>(h); }

const char multi_key_text[] = "YYYYY";  // the key that stands for the registered multi keys

void refuse(HWND hwnd, const char *text) { msg_box(hwnd, text, msg_caption_text, MB_ICONHAND); }

// A new list: LIST redrawn, FLOW's selection, the CODE marks and the node
// count cleared, FLOW redrawn, LIST focused.
void show_new_list()
{
    InvalidateRect(hw(hwndL), nullptr, TRUE);
    flow_reset();
    InvalidateRect(hw(hwndF), nullptr, TRUE);
    SetFocus(hw(hwndL));
}

// The analyser's reference key is one word: blanks become "@".
void blanks_to_at(char *text)
{
    for (char *p = text; *p != '\0'; ++p) {
        if (*p == ' ' || *p == '\t') *p = '@';
    }
}

// The select command run again over no file: the whole function list back.
void reload_list()
{
    char command[] = "select ";
    run_command(command, select_main);
}

// The category field's text, at most 999 bytes.
void read_category(char *text, size_t size)
{
    text[0] = '\0';
    GetWindowTextA(hw(main_controls[ctl_category]), text, static_cast<int>(size));
}

// The category kinds whose file is the generated source of the current box.
bool is_jump_kind(const char *kind)
{
    return strcmp(kind, "WM.d") == 0 || strcmp(kind, "ID") == 0 || strcmp(kind, "PROC") == 0 ||
           strcmp(kind, "AREA.d") == 0 || case_no(kind) >= 0;
}

// The editor at the current box's generated code: "PROC" at the target's
// procedure, "AREA.d" at the target's region, a CASE kind at the box's case,
// "WM.d" and "ID" at the target's case inside the box's procedure.
int jump_to_code(const char *kind, const char *target)
{
    const int box = get_cur_box();
    gen_scan_rec rec;
    scan_gen_form(box, &rec);
    if (strcmp(kind, "PROC") == 0) return jump_proc(rec.source, target, "");
    if (strcmp(kind, "AREA.d") == 0) return jump_area(rec.source, rec.procedure, rec.message, target, WM_LBUTTONDBLCLK);
    if (case_no(kind) >= 0) {
        char name[100];
        get_box_name(box, name);
        return jump_case(rec.source, rec.procedure, name, case_no(kind));
    }
    return jump_proc(rec.source, rec.procedure, target);
}

// A line number of 1 or more, all digits; 0 otherwise.
int line_number(const char *text)
{
    if (text[0] == '\0' || strspn(text, "0123456789") != strlen(text) || strlen(text) > 9) return 0;
    return atoi(text);
}

// main_sys_def_list, main_sys_func_with_text, main_sys_func_with_words: the
// definitions of the key, names holding it, names holding all its words.
int function_search(unsigned id, char *text)
{
    reset_select();
    state = state_functions;
    reload_list();
    if (id == main_sys_def_list) trim_dashes(text);
    if (id == main_sys_func_with_words) split_words(text);
    char key[1100];
    format_text(key, sizeof key, "/%s", text);
    run_anal_at(key, id == main_sys_def_list         ? filter_exact
                     : id == main_sys_func_with_text ? filter_substring
                                                     : filter_patterns);
    return 0;
}

// main_sys_ref_list, main_sys_ref_with_text, main_sys_ref_with_words: the
// functions referring to the key, holding the text, holding all the words.
int reference_search(unsigned id, char *text, size_t size)
{
    g_entry = -2;
    state = state_references;
    if (id == main_sys_ref_with_words) split_words(text);
    blanks_to_at(text);
    ref_down = id == main_sys_ref_list ? 0 : id == main_sys_ref_with_text ? 1 : 2;
    int pos = 0;
    return run_anal_ref(text, size, &pos) != 0 ? 1 : 0;
}

}  // namespace

int run_search(HWND hwnd, unsigned id)
{
    char text[1000];
    target_get_text(text, sizeof text);
    trim_blanks(text);
    const bool multi = id == main_sys_ref_list && multi_key_num > 0;
    if (multi) {
        msg_box(hwnd, "多重論理検索の登録がありますので多重論理検索を実行します", msg_caption_text, MB_ICONEXCLAMATION);
        copy_bounded(text, sizeof text, multi_key_text);
    } else if (text[0] == '\0') {
        refuse(hwnd, "対象欄に関数または変数が指定されていません\n");
        return 1;
    }
    set_wait_cursor();
    if (!multi) stack_push(text);
    SendMessageA(hw(target_field.edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    const bool functions = id == main_sys_def_list || id == main_sys_func_with_text || id == main_sys_func_with_words;
    const int rc = functions ? function_search(id, text) : reference_search(id, text, sizeof text);
    if (rc == 0) show_new_list();
    restore_cursor();
    return rc;
}

int run_multi_ref()
{
    set_wait_cursor();
    g_entry = -2;
    state = state_references;
    char key[] = "?";
    ref_down = 0;
    int pos = 0;
    const int rc = run_anal_ref(key, sizeof key, &pos);
    restore_cursor();
    if (rc != 0) return 1;
    show_new_list();
    return 0;
}

int step_count(HWND hwnd)
{
    char category[1000];
    category[0] = '\0';
    GetWindowTextA(hw(main_controls[ctl_category]), category, sizeof category);
    trim_blanks(category);
    if (category[0] == '\0' || !is_source_ext(category)) {
        refuse(hwnd, "カテゴリ欄にソースファイル名が設定されていません、\r\nワイルドカードの使用が可能です");
        return 1;
    }
    if (!keep_code_text) {
        set_code_caption("");
        SendMessageA(hw(code_out_hwnd), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        SendMessageA(hw(code_out_hwnd), EM_SETMODIFY, FALSE, 0);
    }
    step_mode = 1;
    SendMessageA(hwnd, WM_COMMAND, ctl_open, 0);
    step_mode = 0;
    count_list_kinds();
    if (write_step_report("stepcnt.txt", editor[0] == '\0' ? 1 : 0) == 1) return listing_failed("stepcnt.txt");
    return show_home_listing("stepcnt.txt");
}

int show_in_code(const char *name)
{
    set_code_caption(name);
    char path[dir_path_size];
    copy_bounded(path, sizeof path, name);
    resolve_dir_name(path, sizeof path);
    read_file_to_edit(code_out_hwnd, path);
    SetFocus(hw(code_out_hwnd));
    return 0;
}

int open_in_editor(HWND hwnd, const char *text)
{
    if (check_category_field(hwnd, text) != 0) return 1;
    char folder[dir_path_size], name[dir_path_size];
    copy_bounded(name, sizeof name, text);
    if (split_entry_path(folder, sizeof folder, name, sizeof name) != 0) {
        char box[dir_path_size + 100];
        format_text(box, sizeof box, "ファイル(%s)が見つかりません！", text);
        host_beep();
        msg_box(hwnd, box, msg_caption_text, MB_ICONHAND);
        return 1;
    }
    char line[launch_size];
    if (editor_command(line, sizeof line, folder, name, 1) != 0) return 1;
    exec_wait(line, 0);
    return 0;
}

int open_category_file(HWND hwnd)
{
    char category[1000], target[200];
    read_category(category, sizeof category);
    target_get_text(target, sizeof target);
    if (is_jump_kind(category) && get_cur_box() >= 0) return jump_to_code(category, target) != 0 ? 1 : 0;
    trim_blanks(category);
    if (category[0] == '\0') {
        refuse(hwnd, "カテゴリ欄にファイル名が設定されていません");
        return 1;
    }
    if (check_category_field(hwnd, category) != 0) return 1;
    if (editor[0] != '\0') return open_in_editor(hwnd, category);
    return show_in_code(category);
}

int source_line_key(HWND hwnd)
{
    const char no_source[] = "カテゴリ欄にソースファイル名が設定されていません";
    char category[1000], target[1000], box[1200];
    read_category(category, sizeof category);
    trim_blanks(category);
    if (category[0] == '\0') {
        refuse(hwnd, no_source);
        return 1;
    }
    if (strchr(category, '*') != nullptr) {
        format_text(box, sizeof box, "カテゴリ欄のソースファイル名(%s)にワイルドカードは使用出来ません", category);
        refuse(hwnd, box);
        return 1;
    }
    if (!is_source_ext(category)) {
        refuse(hwnd, no_source);
        return 1;
    }
    target_get_text(target, sizeof target);
    trim_blanks(target);
    const int line = line_number(target);
    if (line < 1) {
        format_text(box, sizeof box, "対象欄に行番号(%s)が設定されていません", target);
        refuse(hwnd, box);
        return 1;
    }
    return line_to_rect(category, line, code_out_hwnd, 0, "") != 0 ? 1 : 0;
}

int box_number_key(HWND hwnd)
{
    char target[1000];
    target_get_text(target, sizeof target);
    trim_blanks(target);
    if (target[0] == '\0') {
        refuse(hwnd, "対象欄にオブジェクト番号が設定されていません");
        return 1;
    }
    if (find_box_by_name(target, -9) == 0) {
        char box[1200];
        format_text(box, sizeof box, "指定のオブジェクト番号(%s)を持つ矩形は見つかりません", target);
        refuse(hwnd, box);
        return 1;
    }
    InvalidateRect(hw(hwndO), nullptr, TRUE);
    SetFocus(hw(hwndO));
    return 0;
}
