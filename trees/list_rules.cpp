// The LIST screen's window-free rules (see list_rules.h).  Position p of
// the shown order is painted in column (p - shift) / max_line, row
// (p - shift) % max_line, one text row below the status line.
#include "trees/list_rules.h"

#include <cstring>

#include "analyser/anal_inputs.h"
#include "analyser/flow_nodes.h"
#include "analyser/preproc.h"
#include "analyser/search_keys.h"
#include "shell/anal_owner.h"
#include "shell/codeout.h"
#include "shell/dirs.h"
#include "shell/line_cut.h"
#include "shell/list_setting.h"
#include "shell/main_fields.h"
#include "shell/main_keys.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "trees/flow_chart.h"
#include "trees/func_list.h"
#include "trees/launch.h"
#include "trees/list_filter.h"
#include "trees/listings.h"

int max_line;
int list_col_width;
int list_char_height;
int list_width;
int paint_state;
list_item list_items[list_item_cap];
int list_item_num;

namespace {

const int status_y = 0;
const int hint_x = 16;
const int rule_width = 57;
const int drag_click = 6;    // less in both directions: a click
const int drag_page = 32;    // more up or down: a page
const char default_option[] = "/j%d";

list_item *add(int kind, int x, int y, const char *text)
{
    if (list_item_num >= list_item_cap) return nullptr;
    list_item *it = &list_items[list_item_num++];
    it->kind = kind;
    it->x = x;
    it->y = y;
    it->position = -1;
    it->inverse = false;
    copy_bounded(it->text, sizeof it->text, text);
    return it;
}

int page_size() { return max_line * list_cols; }

int last_page_start()
{
    const int page = page_size();
    return i_num < 1 || page < 1 ? 0 : (i_num - 1) / page * page;
}

int selected() { return entry_at(cur_index); }

// The folder of a file text: the slot's, or the current directory.
void entry_folder(const char *file, char *dir, size_t size)
{
    char path[dir_path_size];
    path[0] = '\0';
    if (has_dir_prefix(file)) get_proj_dir(path, dir_index((unsigned char)file[0]));
    else host_getcwd(path, sizeof path);
    copy_bounded(dir, size, path);
}

// A text without its apostrophes anywhere.
void drop_quotes(const char *in, char *out, size_t size)
{
    size_t n = 0;
    for (const char *p = in; *p != '\0' && n + 1 < size; ++p) {
        if (*p != '\'') out[n++] = *p;
    }
    out[n] = '\0';
}

// The option with the line in place of its first "%d".
void option_with_line(int line, char *out, size_t size)
{
    const char *opt = option[0] != '\0' ? option : default_option;
    const char *mark = strstr(opt, "%d");
    if (mark == nullptr) {
        copy_bounded(out, size, opt);
        return;
    }
    char head[param_size];
    copy_span(head, sizeof head, opt, (size_t)(mark - opt));
    format_text(out, size, "%s%d%s", head, line, mark + 2);
}

}  // namespace

int set_max_line(int height)
{
    const int h = list_char_height < 1 ? 1 : list_char_height;
    max_line = height / h - 1;
    if (max_line < 1) max_line = 1;
    return 0;
}

int set_col_width(int width)
{
    list_width = width;
    const int cols = list_cols < 1 ? 1 : list_cols;
    list_col_width = (width - 10) / cols;
    if (list_col_width < 1) list_col_width = 1;
    return 0;
}

int add_list_col()
{
    ++list_cols;
    set_col_width(list_width);
    return 1;
}

int del_list_col()
{
    if (list_cols <= 1) return 0;
    --list_cols;
    set_col_width(list_width);
    return 1;
}

int list_page(const char *letter)
{
    if (cat_pattern[0] == '\0') return 0;
    const int page = page_size();
    if (letter[0] == '\0' || strcmp(letter, "k") == 0) {
        shift += page;
        if (shift > last_page_start()) shift = last_page_start();
    } else if (strcmp(letter, "j") == 0) {
        shift -= page;
        if (shift < 0) shift = 0;
    } else if (strcmp(letter, "h") == 0 || strcmp(letter, "a") == 0) {
        shift = 0;
    } else if (strcmp(letter, "l") == 0 || strcmp(letter, "z") == 0) {
        shift = last_page_start();
    }
    return 0;
}

int dsp_select()
{
    list_item_num = 0;
    if (!list_shown) {
        add(list_hint, hint_x, status_y,
            "主画面のカテゴリ欄(左側)にファイル名(例:*.c *.h)を入力して、【開く】ボタンを左クリックして下さい");
        return list_item_num;
    }
    char text[list_row_text_size];
    format_text(text, sizeof text,
                "---------dsp select start---i_num(%d) f_num(%d) max_line(%d) shift(%d) state(%d) cb_num(%d) d_num(%d) "
                "g_entry(%d)--------------",
                i_num, get_f_num(), max_line, shift, state, cb_num, get_define_num(), g_entry);
    add(list_status, 0, status_y, text);
    set_col_width(list_width);
    const int rows = i_num < max_line ? i_num : max_line;
    int r = 0;
    for (; r < rows; ++r) {
        const int y = (r + 1) * list_char_height;
        for (int c = 0; c < list_cols; ++c) {
            const int p = shift + r + c * max_line;
            const int e = entry_at(p);
            if (e < 0) continue;
            if (is_header(e)) copy_bounded(text, sizeof text, fl_name[e]);
            else format_text(text, sizeof text, "%4d:%s", p + 1, fl_name[e]);
            list_item *it = add(list_row, c * list_col_width, y, text);
            if (it == nullptr) continue;
            it->position = p;
            it->inverse = p == cur_index;
        }
    }
    int y = (r + 1) * list_char_height;
    if (i_num < 1) {
        add(list_empty, 0, y, "ファイルが見つからないか、その中に関数やクラスが見つかりません");
        y += list_char_height;
    }
    char rule[rule_width + 1];
    memset(rule, '-', rule_width);
    rule[rule_width] = '\0';
    add(list_rule, 0, y, rule);
    return list_item_num;
}

int list_position_at(int x, int y)
{
    if (list_char_height < 1 || list_col_width < 1 || x < 0 || y < 0) return -1;
    const int r = y / list_char_height - 1;
    const int c = x / list_col_width;
    if (r < 0 || r >= max_line || c >= list_cols) return -1;
    const int p = shift + r + c * max_line;
    return p < i_num ? p : -1;
}

int select_list_entry(int which, int x, int y, char *text, size_t size)
{
    text[0] = '\0';
    if (which == -2) {
        const int e = selected();
        if (e < 0) return 0;
        copy_bounded(text, size, fl_name[e]);
        return is_header(e) ? 0 : 1;
    }
    const int p = which >= 0 ? which : list_position_at(x, y);
    if (which >= 0) {
        shift = which - 1 < 0 ? 0 : which - 1;
        cur_index = which < i_num ? which : -1;
    }
    const int e = entry_at(p);
    if (e < 0) return -2;
    cur_index = p;
    if (!is_header(e) || which == -3) copy_bounded(text, size, fl_name[e]);
    return p;
}

int insert_text(char *out, size_t size)
{
    out[0] = '\0';
    const int e = selected();
    if (e < 0) return 1;
    char t[fl_name_size];
    copy_bounded(t, sizeof t, fl_name[e]);
    char bare[fl_name_size];
    if (is_header(e)) {
        const char *p = t;
        while (*p == ' ' || *p == '\t' || *p == '-') ++p;
        copy_bounded(out, size, p);
        size_t n = strlen(out);
        while (n > 0 && (out[n - 1] == ' ' || out[n - 1] == '\t' || out[n - 1] == '-')) out[--n] = '\0';
    } else if (count_trailing_colons(t) > 0) {
        t[strlen(t) - (size_t)count_trailing_colons(t)] = '\0';
        if (find_any_char(t, ".,*[]") != 0) copy_bounded(out, size, strip_quotes(t));
        else format_text(out, size, "new %s(*)", t);
    } else if (has_down_mark(t)) {
        t[strlen(t) - 2] = '\0';
        char *brace = strchr(t, '{');
        if (brace != nullptr) {
            *brace = '\0';
            format_text(out, size, "new %s(*) {", t);
        } else {
            copy_bounded(out, size, t);
        }
    } else if (has_up_mark(t)) {
        t[strlen(t) - 2] = '\0';
        format_text(out, size, "%s(*)", t);
    } else if (is_decl_text(t)) {
        copy_bounded(out, size, strip_quotes(t));
    } else {
        drop_quotes(t, bare, sizeof bare);
        format_text(out, size, "%s(*)", bare);
    }
    return 0;
}

int pageup_text(char *out, size_t size)
{
    out[0] = '\0';
    const int e = selected();
    if (e < 0 || is_header(e)) return 1;
    const char *file = fl_file[e];
    char dir[dir_path_size], name[fl_name_size], part[dir_path_size + 64];
    entry_folder(file, dir, sizeof dir);
    format_text(out, size, "\r\nフォルダ      :%s\r\n", dir);
    if (has_dir_prefix(file)) format_text(part, sizeof part, "\r\nファイル      :%s\r\n", file + 2);
    else format_text(part, sizeof part, "\r\nファイル   :%s\r\n", file);
    const size_t n = strlen(out);
    copy_bounded(out + n, size - n, part);
    const char *t = fl_name[e];
    display_name(t, name, sizeof name);
    if (count_trailing_colons(t) > 0) format_text(part, sizeof part, "\r\nクラス        :%s{}\r\n", name);
    else if (has_down_mark(t)) format_text(part, sizeof part, "\r\n無名クラス    :%s{}\r\n", name);
    else if (has_up_mark(t)) format_text(part, sizeof part, "\r\n無名クラス関数:%s()\r\n", name);
    else format_text(part, sizeof part, "\r\n関数          :%s()\r\n", name);
    const size_t m = strlen(out);
    copy_bounded(out + m, size - m, part);
    return 0;
}

int click_history_text(char *out, size_t size)
{
    out[0] = '\0';
    const int e = selected();
    if (e < 0 || is_header(e)) return 1;
    const char *name = fl_name[e];
    if (state == state_references) {
        const int at = find_tag_index(name, e);
        const int sub = fl_kind_line[e].sub_line;
        if (at < 0) copy_bounded(out, size, name);
        else if (sub >= 1) format_text(out, size, "%d(%d):%s", at + 1, sub, name);
        else format_text(out, size, "%d:%s", at + 1, name);
        return 0;
    }
    if (g_entry >= 1) format_text(out, size, "%d(%d):%s", e + 1, g_entry, name);
    else format_text(out, size, "%d:%s", e + 1, name);
    return 0;
}

int list_editor_command(char *out, size_t size, const char *dir, const char *file, int line)
{
    char opt[param_size];
    option_with_line(line, opt, sizeof opt);
    return format_text(out, size, "\"%s\" %s \"%s\\%s\"", editor, opt, dir, file);
}

bool is_ftree_form(const char *name)
{
    char lower[dir_path_size];
    copy_bounded(lower, sizeof lower, name);
    for (char *p = lower; *p != '\0'; ++p) {
        if (*p >= 'A' && *p <= 'Z') *p = (char)(*p - 'A' + 'a');
    }
    return strcmp(lower, "ftree.f") == 0 || strcmp(lower, "0:ftree.f") == 0;
}

int list_drag(int x0, int y0, int x1, int y1)
{
    const int dx = x1 - x0, dy = y1 - y0;
    if (dx < drag_click && dx > -drag_click && dy < drag_click && dy > -drag_click) return list_drag_click;
    if (dy > drag_page) return list_drag_next;
    if (dy < -drag_page) return list_drag_prev;
    return list_drag_beep;
}

int shown_entries_to_keys()
{
    clear_multi_keys();
    int n = 0;
    for (int p = 0; p < i_num; ++p) {
        const int e = entry_at(p);
        if (e < 0 || is_header(e)) continue;
        if (add_multi_key(fl_name[e]) == 0) ++n;
    }
    return n;
}

int list_click_entry(win_handle list, bool history)
{
    const int e = selected();
    if (e < 0) return 1;
    char text[list_row_text_size];
    if (history && click_history_text(text, sizeof text) == 0) stack_push(text);
    target_clear();
    set_anal_owner(list);
    run_anal_range();
    char name[fl_name_size];
    sel_name(name, sizeof name);
    draw_function_top(list, name, 999);
    if (keep_code == 0) send_msg(code_out_hwnd, WM_SETTEXT, 0, reinterpret_cast<intptr_t>(""));
    char file[fl_file_size];
    copy_bounded(file, sizeof file, fl_file[e]);
    if (is_header(e)) fill_list_with_parse(code_out_hwnd, file, 0);
    else fill_list(code_out_hwnd, 0);
    set_code_caption(file);
    code_mark_clear();
    if (!is_header(e)) check_entry_lines();
    host_repaint(hwndF);
    return 0;
}

int work_folder_key()
{
    static const char *const captions[fkey_button_count] = {"ワークフォルダを表示", "ワークフォルダからコピー",
                                                            "ワークフォルダへコピー", "ワークフォルダを空にする"};
    if (folder[0] == '\0') {
        msg_box(hwndE, "ワークフォルダが指定されていません、パラメータの設定画面で指定して下さい", "TAVIR警告画面",
                MB_ICONHAND);
        return 1;
    }
    if (multi_extract_mode) return 2;
    work_mode = !work_mode;
    bar_group = 0;
    bar_screen = nullptr;
    for (int n = 0; n < fkey_button_count; ++n) {
        if (work_mode) send_msg(fkey_buttons[n], WM_SETTEXT, 0, reinterpret_cast<intptr_t>(captions[n]));
        host_show_window(fkey_buttons[n], work_mode);
    }
    host_repaint(hwndE);
    return 0;
}

int list_rules_reset()
{
    list_char_height = 20;
    max_line = 21;
    list_width = 640;
    list_col_width = 210;
    paint_state = 0;
    list_item_num = 0;
    return 0;
}
