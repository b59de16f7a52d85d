// The analyser launches and the result range (see launch.h).  Every run
// goes through the command runner with anal_runner, which expands the file
// words of the command over the project's folder slots.
#include "trees/launch.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "analyser/anal_inputs.h"
#include "analyser/calls.h"
#include "analyser/flow_nodes.h"
#include "analyser/parser.h"
#include "analyser/result_files.h"
#include "shell/codeout.h"
#include "shell/line_cut.h"
#include "shell/msgbox.h"
#include "shell/runner.h"
#include "shell/screens.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "trees/flow_rules.h"
#include "trees/func_list.h"
#include "trees/list_filter.h"
#include "shell/main_state.h"

char ref_name[ref_name_size];
char cur_file_path[dir_path_size];
int pick_index;
int result_start, result_end, range_cnt;
int hit_line;

namespace {

const int open_command_size = 1100;  // "select " and a category text (the field holds 1000 bytes)
const char pick_text[] = ".............";  // the selection text of the one-entry filters

int select_entry() { return entry_at(cur_index); }

// The flow-run inputs from the marks of a (non-header) entry.
void set_flow_inputs(int e)
{
    const char *t = fl_name[e];
    const int line = fl_kind_line[e].line;
    flow_start_line = -1;
    flow_anon_line = -1;
    if (count_trailing_colons(t) > 0) {
        flow_start_line = line;
    } else if (is_decl_text(t)) {
        flow_start_line = line;
        flow_decl_flag = 1;
    } else if (has_down_mark(t)) {
        flow_start_line = line;
        flow_anon_line = line;
    } else if (has_up_mark(t)) {
        flow_anon_func_flag = 1;
    } else {
        flow_anon_func_flag = 0;
    }
}

// Appends the file set to cmd_buf: 0, or 1 after the refusal box.
int append_file_set()
{
    const size_t len = strlen(cmd_buf);
    if (len + strlen(cat_pattern) + 1 <= sizeof cmd_buf) {
        memcpy(cmd_buf + len, cat_pattern, strlen(cat_pattern) + 1);
        return 0;
    }
    error_boxf(screen_main, "一覧作成用作業域が足りない、要求が%dですが、%dしか有りません",
               (int)(len + strlen(cat_pattern) + 1), cmd_buf_size);
    cmd_buf[0] = '\0';
    return 1;
}

// Reference search on a class of one trailing ":": its base class isolated.
int search_base(int e, int p, char *name, size_t size, int *pos)
{
    char cls[fl_name_size];
    copy_bounded(cls, sizeof cls, fl_name[e]);
    cls[strlen(cls) - 1] = '\0';
    char base[fl_name_size];
    copy_bounded(base, sizeof base, cls);
    if (find_extends(fl_kind_line[e].line, base, sizeof base) != 0) {
        *pos = p;
        return ref_no_base;
    }
    if (state == state_references) {
        cur_index = -1;
        state = state_functions;
        char command[] = "select ";
        run_command(command, select_main);
    }
    char key[fl_name_size];
    format_text(key, sizeof key, "%s:", base);
    const int found = isolate_class(key);
    if (found < 0) {
        *pos = p;
        return ref_no_base;
    }
    copy_bounded(name, size, key);
    *pos = found;
    return ref_base_found;
}

// The search command of a selected entry other than a class; -1 when the
// entry needs no search (result in *result).
int entry_search(int e, int *result)
{
    const char *t = fl_name[e];
    copy_bounded(ref_name, sizeof ref_name, t);
    if (strlen(t) < 2) {
        state = state_references;
        return format_command("vokanal -r%s", t);
    }
    if (has_box_mark(t)) {
        char bare[fl_name_size];
        copy_span(bare, sizeof bare, t, strlen(t) - strlen("□"));
        list_origin = -2;
        return format_command("vokanal -r%s", bare);
    }
    if (has_down_mark(t) || has_up_mark(t)) {
        reset_ref_state();
        pick_index = e;
        list_origin = 0;
        filter_list(pick_text, filter_pick);
        *result = ref_ran;
        return -1;
    }
    state = state_references;
    list_origin = -3;
    return format_command("vokanal -r%s", strip_quotes(t));
}

}  // namespace

int format_command(const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    const int need = vsnprintf(cmd_buf, sizeof cmd_buf, format, ap);
    va_end(ap);
    if (need >= 0 && (size_t)need < sizeof cmd_buf) return 0;
    cmd_buf[0] = '\0';
    error_boxf(screen_main, "一覧作成用作業域が足りない、要求が%dですが、%dしか有りません", need + 1, cmd_buf_size);
    return 1;
}

int run_cmd_buf() { return run_command(cmd_buf, anal_runner); }

int run_anal_range()
{
    const int e = select_entry();
    if (e < 0) return -1;
    flow_decl_flag = 0;
    set_cur_file(fl_file[e]);
    if (is_header(e)) {
        clear_cb_num();
        flow_start_line = -1;
        flow_anon_line = -1;
        list_entry_line = 0;
        return 0;
    }
    set_flow_inputs(e);
    list_entry_line = fl_kind_line[e].line;
    hit_line = fl_kind_line[e].sub_line;
    result_range(cur_index + 1);
    int result = -1;
    if (format_command("vokanal %s -l%d -L%d -o", fl_file[e], fl_kind_line[e].line, fl_kind_line[e].sub_line) == 0) {
        result = run_cmd_buf();
    }
    flow_anon_func_flag = 0;
    return result;
}

int run_anal_lines(const char *file, int first, int last)
{
    flow_start_line = -1;
    flow_anon_line = -1;
    flow_decl_flag = 0;
    flow_anon_func_flag = 0;
    hit_line = 0;
    set_cur_file(file);
    if (format_command("vokanal %s -l%d -L%d -o", file, first, last) != 0) return -1;
    return run_cmd_buf();
}

int run_anal_ref(char *name, size_t size, int *pos)
{
    if (name[0] != '\0') {
        copy_bounded(ref_name, sizeof ref_name, name);
        list_origin = -4;
        if (format_command("vokanal -r%s", name) != 0) return ref_nothing;
    } else {
        const int e = select_entry();
        if (e < 0) return ref_nothing;
        if (is_header(e)) {
            copy_bounded(name, size, fl_name[e]);
            return ref_header;
        }
        const int colons = count_trailing_colons(fl_name[e]);
        if (colons == 1) {
            copy_bounded(ref_name, sizeof ref_name, fl_name[e]);
            return search_base(e, cur_index, name, size, pos);
        }
        if (colons >= 2) {
            copy_bounded(ref_name, sizeof ref_name, fl_name[e]);
            pick_index = e;
            const int found = filter_list(pick_text, filter_find);
            if (found < 0) return ref_nothing;
            *pos = found;
            return ref_nested;
        }
        int result = ref_nothing;
        if (entry_search(e, &result) != 0) return result;
    }
    reset_ref_state();
    if (cat_pattern[0] == '\0') {
        dev_printf("この機能はファイル名を指定して、開いてからでないと使えません（*.cとか）\n");
        ref_name[0] = '\0';
        return ref_nothing;
    }
    if (append_file_set() != 0) return ref_nothing;
    cur_index = -1;
    if (run_cmd_buf() == anal_output_failed) return ref_unwritten;
    char command[] = "select -fvokcall.tag";
    run_command(command, select_main);
    return ref_ran;
}

int open_source_set(const char *text)
{
    state = state_functions;
    source_open = 1;
    list_shown = 1;
    reset_select();
    if (tree_mode != 0 && write_ftree_t() != 0) tree_mode = 0;
    home_remove("voktavir.tag");
    char command[open_command_size];
    if (format_text(command, sizeof command, "select %s", text) != 0) {
        error_boxf(screen_main, "一覧作成用作業域が足りない、要求が%dですが、%dしか有りません", (int)strlen(text) + 8,
                   open_command_size);
        return 1;
    }
    run_command(command, select_main);
    code_mark_clear();
    select_cb(-1);
    return 0;
}

int run_anal_at(const char *key, int mode) { return filter_list(key, mode); }

int result_range(int p)
{
    result_start = result_end = range_cnt = 0;
    const int at = p - 1;
    const int e = entry_at(at);
    if (e < 0 || fl_kind_line[e].sub_line <= 0) return 0;
    const auto same = [e](int q) {
        const int f = entry_at(q);
        return f >= 0 && fl_kind_line[f].line == fl_kind_line[e].line && strcmp(fl_file[f], fl_file[e]) == 0;
    };
    result_start = at;
    while (result_start > 0 && same(result_start - 1)) --result_start;
    result_end = at;
    while (result_end + 1 < i_num && same(result_end + 1)) ++result_end;
    range_cnt = result_end - result_start + 1;
    return 0;
}

int range_count() { return range_cnt; }

int range_line(int i)
{
    if (i < 0 || i >= range_cnt) return -1;
    const int e = entry_at(result_start + i);
    return e < 0 ? -1 : fl_kind_line[e].sub_line;
}

const char *range_name(int i)
{
    const int e = i >= 0 && i < range_cnt ? entry_at(result_start + i) : -1;
    return e < 0 ? "" : fl_file[e];
}

int set_cur_file(const char *file)
{
    cur_file_path[0] = '\0';
    if (file[0] == '\0') return 0;
    char dir[dir_path_size];
    dir[0] = '\0';
    if (has_dir_prefix(file)) get_proj_dir(dir, dir_index((unsigned char)file[0]));
    else host_getcwd(dir, sizeof dir);
    join_path(cur_file_path, sizeof cur_file_path, dir, has_dir_prefix(file) ? file + 2 : file);
    return 0;
}

int get_cur_file(char *out, size_t size)
{
    copy_bounded(out, size, cur_file_path);
    return 0;
}

int cur_file_line(char *out, size_t size, int *line)
{
    copy_bounded(out, size, cur_file_path);
    if (cur_file_path[0] == '\0') return -1;
    const int n = cur_cb_line();
    *line = n < 1 ? 1 : n;
    return n >= 1 ? 1 : 0;
}

int split_entry_path(char *dir, size_t dir_size, char *name, size_t size)
{
    dir[0] = '\0';
    if (is_drive_path(name)) {
        FILE *fp = sys_fopen(name, "r");
        if (fp == nullptr) return -1;
        fclose(fp);
        char *slash = strrchr(name, '\\');
        if (slash == nullptr) return -1;
        copy_span(dir, dir_size, name, (size_t)(slash - name));
        char file[dir_path_size];
        copy_bounded(file, sizeof file, slash + 1);
        copy_bounded(name, size, file);
    } else if (has_dir_prefix(name)) {
        char path[dir_path_size];
        if (!get_proj_dir(path, dir_index((unsigned char)name[0]))) return -1;
        copy_bounded(dir, dir_size, path);
        char file[dir_path_size];
        copy_bounded(file, sizeof file, name + 2);
        copy_bounded(name, size, file);
    } else {
        char here[dir_path_size];
        if (host_getcwd(here, sizeof here) != 0) return -1;
        copy_bounded(dir, dir_size, here);
    }
    char full[dir_path_size * 2];
    if (join_path(full, sizeof full, dir, name) != 0) return -1;
    FILE *fp = sys_fopen(full, "r");
    if (fp == nullptr) return -1;
    fclose(fp);
    return 0;
}

int pick_entry(int p)
{
    pick_index = entry_at(p);
    list_origin = 0;
    return reset_ref_state();
}

int isolate_class(const char *text)
{
    int found = -1;
    for (int e = 0; e < fl_count && found < 0; ++e) {
        if (strcmp(fl_name[e], text) == 0) found = e;
    }
    if (found < 0) return -1;
    pick_index = found;
    filter_list(pick_text, filter_pick);
    return i_num - 1;
}

int reset_ref_state()
{
    ref_line = -1;
    ref_file[0] = '\0';
    return 0;
}

int launch_reset()
{
    ref_name[0] = '\0';
    cur_file_path[0] = '\0';
    pick_index = -1;
    result_start = result_end = range_cnt = 0;
    hit_line = 0;
    return 0;
}
