// The FORM screen's commands over a function-tree form: F10 between the
// whole tree and an extraction, the duplicate list, the next call of a box's
// function, its reference run on FLOW and CODE, and the editor opened at its
// definition or at one of its calls.  A box's node is its line of the tree
// listing, numbered by the box's index relative to the form.
#include <windows.h>

#include <cstring>

#include "analyser/anal_host.h"
#include "analyser/tree_marks.h"
#include "forms/find_box.h"
#include "forms/form_state.h"
#include "forms/keypad_nav.h"
#include "forms/kinds.h"
#include "forms/model.h"
#include "forms/multi_cur.h"
#include "forms/queries.h"
#include "forms/win/form_screen_parts.h"
#include "generators/work_jumps.h"
#include "shell/anal_owner.h"
#include "shell/codeout.h"
#include "shell/dirs.h"
#include "shell/launcher.h"
#include "shell/main_fields.h"
#include "shell/main_keys.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "shell/sysfile.h"
#include "shell/sysmenus.h"
#include "shell/text.h"
#include "trees/flow_chart.h"
#include "trees/ftree_files.h"
#include "trees/func_list.h"
#include "trees/launch.h"
#include "trees/tree_build.h"
#include "trees/tree_form.h"

namespace {

const char tree_listing[] = "ftree_s.txt";
const char call_lines[] = "ftree_t.txt";
const char occurrence_cursor[] = "ftree_c.txt";
const char not_tree_kind[] = "関数ツリー以外では使用出来ません";
const char not_called[] = "該関数は呼ばれていません";

// The node line of the current tree box.
struct tree_node {
    char file[dir_path_size];  // its file entry
    char name[300];
    int line;         // the call line (the definition line of an uncalled root)
    int caller_line;  // where the reference run starts
    int mark;         // a node_mark_* code, or the pointer-argument number
};

HWND hw(win_handle w) { return static_cast<HWND>(w); }

void hand_box(HWND hwnd, const char *text) { msg_box(hwnd, text, msg_caption_text, MB_ICONHAND); }

// false, the refusal shown, unless the current box is of a tree kind.
bool tree_kind_current(HWND hwnd)
{
    char kind[kind_size];
    get_box_kind(cur_box, kind);
    if (not_tree_or_top_kind(kind) == 0) return true;
    hand_box(hwnd, not_tree_kind);
    return false;
}

void read_node(tree_node *n)
{
    n->mark = node_mark_plain;
    read_ftree_node(tree_listing, get_cur_box_rel(), n->file, sizeof n->file, &n->line, n->name, sizeof n->name,
                    &n->caller_line, &n->mark);
}

// The current tree box's node when its function is called: its call line
// (the caller's first line with caller set) is 0 or more.  Else false, refused.
bool called_node(HWND hwnd, tree_node *n, bool caller)
{
    if (!tree_kind_current(hwnd)) return false;
    read_node(n);
    if ((caller ? n->caller_line : n->line) >= 0) return true;
    hand_box(hwnd, not_called);
    return false;
}

// The next call line of the node's function (the node's own line when the
// call list has none), its place shown as "n/m" on the counter.
int next_call_line(const tree_node &n)
{
    int next = n.line, index = 0, count = 0;
    next_occurrence(call_lines, occurrence_cursor, n.name, n.file, n.line, &next, &index, &count);
    char counter[40];
    format_text(counter, sizeof counter, "%d/%d", index + 1, count);
    if (form_hooks.show_counter != nullptr) form_hooks.show_counter(counter);
    return next;
}

// The editor call with an option already filled: the editor in double
// quotes, the option, the folder's file in double quotes.  1 when it does
// not fit (out emptied).
int editor_text(char *out, size_t size, const char *opt, const char *folder, const char *file)
{
    char path[1024];
    if (join_path(path, sizeof path, folder, file) != 0 ||
        format_text(out, size, "\"%s\" %s \"%s\"", editor, opt, path) != 0) {
        out[0] = '\0';
        return 1;
    }
    return 0;
}

// The entry split into folder and file; false, refused, when it is not found.
bool split_node_file(HWND hwnd, const char *entry, char (&folder)[dir_path_size], char (&file)[dir_path_size])
{
    copy_bounded(file, sizeof file, entry);
    if (split_entry_path(folder, sizeof folder, file, sizeof file) == 0) return true;
    char text[dir_path_size + 100];
    format_text(text, sizeof text, "ファイル(%s)が見つかりません！", entry);
    hand_box(hwnd, text);
    MessageBeep(0);
    return false;
}

// Keypad Enter on a header or source box: the file at line 1.  1 when the
// name is no word of the category.
int enter_on_file(HWND hwnd, char (&name)[dir_path_size])
{
    if (find_category_word(name, sizeof name) != 0) {
        form_warn(hwnd, "ヘッダーファイル又はソースファイルが見つかりません");
        return 1;
    }
    resolve_dir_name(name, sizeof name);
    return editor_call_text(editor_cmd, sizeof editor_cmd, 1, "", name);
}

// Keypad Enter on a tree box that is no function: its definition list on
// the main screen, the editor at its single entry of the function list.
int enter_on_entry(HWND hwnd, const char *name)
{
    SetWindowTextA(hw(target_field.edit), name);
    key_for_def(target_field_handle());
    SendMessageA(hw(hwndE), WM_SYSCOMMAND, main_sys_def_list, 0);
    SetFocus(hwnd);
    char folder[dir_path_size], file[dir_path_size];
    int line = 0;
    if (find_list_entry(name, folder, sizeof folder, file, sizeof file, &line) < 0) {
        form_warn(hwnd, "関数がユニークでないか、ソースが開かれていないので、見つかりません");
        return 1;
    }
    if (editor_call_text(editor_cmd, sizeof editor_cmd, line, folder, file) != 0) return 1;
    format_text(last_src_path, sizeof last_src_path, "%s\\%s", folder, file);
    return 0;
}

// Keypad Enter on a function box: the editor at the function's definition.
void enter_on_function(HWND hwnd)
{
    if (!tree_kind_current(hwnd)) return;
    tree_node n;
    read_node(&n);
    int line = -1;
    find_g_line(tree_listing, n.name, n.file, sizeof n.file, &line, n.mark);
    if (line < 0) {
        hand_box(hwnd, "該関数のソースが見つかりません");
        return;
    }
    if (form_hooks.show_counter != nullptr) form_hooks.show_counter("1");
    char folder[dir_path_size], file[dir_path_size];
    if (!split_node_file(hwnd, n.file, folder, file)) return;
    if (editor_call_text(editor_cmd, sizeof editor_cmd, line, folder, file) == 0) exec_wait(editor_cmd, 0);
}

// Keypad Enter: the current box's source in the editor.
void keypad_enter(HWND hwnd, LPARAM lparam)
{
    if (keypad_enter_check(hwnd) != 0) return;
    if (is_box_or_ybox(cur_box)) {
        enter_on_function(hwnd);
        return;
    }
    char name[dir_path_size];
    copy_bounded(name, sizeof name, box_display_name(cur_box));
    const int refused = strchr(name, '.') != nullptr ? enter_on_file(hwnd, name) : enter_on_entry(hwnd, name);
    if (refused != 0) return;
    if (lparam == key_extended) editor_pending = 1;
    else PostMessageA(hwnd, WM_COMMAND, form_cmd_editor, 0);
}

void expand_tree_name(char *name, int size) { expand_hex_name(name, size); }

void clear_occurrence() { sys_remove(occurrence_cursor); }

}  // namespace

void form_bind_tree_hooks()
{
    form_hooks.expand_name = expand_tree_name;
    form_hooks.clear_occurrence = clear_occurrence;
}

int form_keypad_nav(HWND hwnd, unsigned key, LPARAM lparam)
{
    if (key != VK_RETURN) return keypad_nav_step(hwnd, hwnd, key, lparam);
    if ((lparam & key_extended) == 0) return 0;
    keypad_enter(hwnd, lparam);
    return 1;
}

void form_tree_toggle(HWND hwnd)
{
    if (tree_view_toggle(cur_box < 0 ? -1 : get_cur_box_rel()) != 0) return;
    SetFocus(hwnd);
    form_geometry_rec g;
    if (form_geometry(&g) == 0) ShowWindow(hwnd, SW_SHOWNORMAL);  // a designed form's own place
    place_form_window(hwnd);
    form_repaint(hwnd);
}

void form_duplicates(HWND hwnd)
{
    if (tree_view_flag != 0) {
        hand_box(hwnd, "F10キイによる上位矩形の抽出中は、\r\n重複関数や重複ヘッダファイルを抽出できません");
        return;
    }
    const char question[] = "ﾌｫｰﾑ画面に関数ツリー(ftree.f)を表示している場合、\r\n重複関数や重複ヘッダファイルを抽出します、\r\n"
                            "クラスの場合、膨大な量出ることもありますが、出力しますか？";
    if (msg_box(hwnd, question, msg_caption_text, MB_OKCANCEL | MB_ICONQUESTION) == IDOK) ftree_check();
}

void form_next_call(HWND hwnd)
{
    if (cur_box < 0) {
        MessageBeep(0);
        return;
    }
    if (set_empty_link() != 0) {
        form_repaint(hwnd);
        return;
    }
    tree_node n;
    if (called_node(hwnd, &n, false)) line_to_rect(n.file, next_call_line(n), code_out_hwnd, 4, n.name);
}

void form_tree_refs(HWND hwnd)
{
    tree_node n;
    if (!called_node(hwnd, &n, true)) return;
    SetWindowTextA(hw(target_field.edit), "");
    set_anal_owner(hwnd);
    run_anal_lines(n.file, n.caller_line, -1);
    mark_tree_lines(n.name, n.file, n.line);
    if (keep_code_text == 0) {
        set_code_caption("");
        SetWindowTextA(hw(code_out_hwnd), "");
        SendMessageA(hw(code_out_hwnd), EM_SETMODIFY, FALSE, 0);
    }
    char path[dir_path_size];
    copy_bounded(path, sizeof path, n.file);
    resolve_dir_name(path, sizeof path);
    set_code_caption(path);
    code_mark_clear();
    check_entry_lines();
    InvalidateRect(hw(hwndF), nullptr, TRUE);
    ShowWindow(hw(hwndC), SW_SHOWNORMAL);
    ShowWindow(hw(hwndF), SW_SHOWNORMAL);
    SetFocus(hw(hwndF));
}

void form_edit_call(HWND hwnd)
{
    if (cur_box < 0) {
        MessageBeep(0);
        return;
    }
    tree_node n;
    if (!called_node(hwnd, &n, false)) return;
    const int line = next_call_line(n);
    char folder[dir_path_size], file[dir_path_size];
    if (!split_node_file(hwnd, n.file, folder, file)) return;
    char opt[2100];  // the filler's own limit is 2048 bytes
    fill_editor_option(opt, sizeof opt, option2, line, n.name);
    if (editor_text(editor_cmd, sizeof editor_cmd, opt, folder, file) == 0) exec_wait(editor_cmd, 0);
}
