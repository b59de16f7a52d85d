// The source listings of the LIST and CODE screens (see listings.h).  The
// rows go through the analyser's window-text append; the file-scope walks
// use the analyser's reader and declaration parser.
#include "trees/listings.h"

#include <cstdio>
#include <cstring>

#include "analyser/anal_host.h"
#include "analyser/anal_inputs.h"
#include "analyser/anal_main.h"
#include "analyser/body_scan.h"
#include "analyser/failures.h"
#include "analyser/flow_nodes.h"
#include "analyser/lexer.h"
#include "analyser/options.h"
#include "analyser/parser.h"
#include "analyser/preproc.h"
#include "analyser/range_labels.h"
#include "analyser/report.h"
#include "analyser/search_keys.h"
#include "analyser/source_load.h"
#include "shell/dirs.h"
#include "shell/msgbox.h"
#include "shell/runner.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "trees/flow_code.h"
#include "trees/func_list.h"

int mark_filter_on;
int mark_filter_mode = filter_off;
int mark_rows[mark_row_cap];
int mark_row_num;
int search_mode;
char search_text[search_text_size];
int (*paint_top_text)(win_handle window, int x, const char *text);

namespace {

const int row_size = flow_line_size + 64;
const int grep_line_size = 2001;  // a read piece: 2000 bytes and the NUL
const char blank_mark[] = "　";
const char *const tree_files[] = {"ftree.f", "ftree_s.txt", "ftree_t.txt", "ftree_c.txt"};
const char *const file_patterns[] = {"*.vok", "*.cpp", "*.c",   "*.h",          "*.java", "*.f",   "*.p",
                                     "*.r",   "*.s",   "*.d",   "*.x",          "*.dat",  "*.properties",
                                     "*.tld", "*.jsp", "*.xml", "*.txt",        "*.conf", "*.php", "*.html", "*.sql"};

int row_count;  // rows offered in the current listing

bool starts_blank(const char *text) { return strncmp(text, blank_mark, 2) == 0; }

bool row_wanted(const char *text)
{
    return mark_filter_mode == filter_near || mark_filter_on == 0 || !starts_blank(text);
}

bool near_marks(int row)
{
    if (mark_filter_mode != filter_near) return true;
    for (int i = 0; i < mark_row_num; ++i) {
        const int d = row - mark_rows[i];
        if (d >= -mark_near_rows && d <= mark_near_rows) return true;
    }
    return false;
}

void remember_row(const char *text, int row)
{
    if (mark_filter_mode == filter_collect && !starts_blank(text) && mark_row_num < mark_row_cap)
        mark_rows[mark_row_num++] = row;
}

// A listed line: mark, number and display text, its newline made CR LF.
void line_row(char *row, size_t size, int line)
{
    char m[3];
    copy_span(m, sizeof m, line_selected[line] ? "▲" : line_mark[line], 2);
    const char *t = skip_line_blanks(source_lines[line - 1]);
    format_text(row, size, "%s%5d:%.240s", m, line, flow_line_text(line, ext_plain, t));
    size_t n = strlen(row);
    while (n > 0 && (row[n - 1] == '\n' || row[n - 1] == '\r')) row[--n] = '\0';
    copy_bounded(row + n, size - n, "\r\n");
}

// The rows of lines first .. last with the separators of the range labels.
void list_rows(win_handle edit, int first, int last)
{
    char row[row_size];
    const char *label = nullptr, *mark = nullptr;
    if (first < 1) first = 1;
    if (last > line_count) last = line_count;
    for (int line = first; line <= last; ++line) {
        const int code = range_label_text(line, &label, &mark);
        if (label[0] != '\0') {
            format_text(row, sizeof row, "%s      ----%s----\r\n", mark, label);
            offer_row(edit, row);
        }
        if (code != 0) continue;
        line_row(row, sizeof row, line);
        offer_row(edit, row);
    }
    range_label_text(-1, &label, &mark);
    if (label[0] != '\0') {
        format_text(row, sizeof row, "%s      ----%s----\r\n", mark, label);
        offer_row(edit, row);
    }
}

// The reader at the start of the loaded file.
void rewind_reader()
{
    restore_defines();
    set_source_lines(line_count);
    cur_line = last_token_line = prev_token_line = 1;
}

void clear_marks_and_selection()
{
    for (int n = 0; n <= line_count && n <= line_cap; ++n) {
        set_line_mark(n, blank_mark);
        line_selected[n] = 0;
    }
}

// What the file-scope walk does with each function it reads.
struct walk_state {
    int line;            // find: the line looked for; 0 the listing's walk
    int result;          // walk result: 0 done, -1 end-of-file report, -2 parse failure, found 1
    char name[top_name_size];
    int head_line;
};

walk_state walk;

// A function head at the saved state and its body: false ends the walk.
bool walk_function(const reader_state &saved)
{
    load_reader_state_from(&saved);
    int head = -999;
    if (parse_func_head(&head, 0) < 0) {
        walk.result = -2;
        return false;
    }
    clear_cb_num();
    const int start = func_line[0];
    if (walk.line > 0 && start == walk.line) {
        walk.result = 1;
        return false;
    }
    if (!is("{")) return true;
    if (skip_group("{") != 0) {
        walk.result = walk.line > 0 ? -2 : -1;
        if (walk.line == 0) report_eof("E555");
        return false;
    }
    if (walk.line > 0 && walk.line >= start && walk.line <= cur_line) {
        walk.result = 1;
        return false;
    }
    if (walk.line == 0) {
        add_inactive_range(1);
        add_range_label(start - 1, cur_line + 1, "関数");
    }
    return true;
}

// A class body and, outside Java at an outer level, its declarators: false
// ends the walk (the end of input reported).
bool walk_class(int nest)
{
    const int start = class_stack[class_depth + 1].start;
    while (!is("{")) {
        if (read_on() < 0) return false;
    }
    if (skip_group("{") != 0) {
        report_eof("E555");
        walk.result = -1;
        return false;
    }
    if (lang_mode != lang_java && nest < 2) {
        while (!is(";")) {
            if (next_token() == -1) {
                report_eof("E555");
                walk.result = -1;
                return false;
            }
            if (skip_comments() < 0) {
                report_eof("E666");
                walk.result = -1;
                return false;
            }
        }
    }
    if (walk.line == 0) add_range_label(start - 1, cur_line + 1, "クラス");
    return true;
}

// The declarations of the loaded file at file scope; nested blocks
// (namespaces, linkage blocks) are entered, classes passed over whole.
void walk_file_scope(void *)
{
    int nest = 0;
    if (read_on() < 0) return;
    for (;;) {
        if (is("}") && nest > 0) {
            --nest;
        } else {
            reader_state saved;
            save_reader_state_to(&saved);
            const int r = parse_declaration();
            if (r == -1 || r == 6 || r == 7) return;
            if (r == 0 && !walk_function(saved)) return;
            if ((r == 2 || r == 3) && class_stack[class_depth + 1].kind == 2) ++nest;
            else if ((r == 2 || r == 3) && !walk_class(nest)) return;
            if (r == 4 || r == 5) ++nest;
        }
        if (read_on() < 0) return;
    }
}

// The file-scope walk under the analyser's guard, read as a range run so
// that the function heads make no flow nodes: 0, else the guard stopped it.
int guarded_walk()
{
    const int saved_start = flow_start_line;
    flow_start_line = 1;
    const int r = anal_guard(walk_file_scope, nullptr);
    flow_start_line = saved_start;
    return r;
}

// The hits of the whole loaded file, marked "●" as step 4 of the listing.
void mark_file_hits()
{
    clear_marks_and_selection();
    mark_hits(1, line_count);
}

struct grep_job {
    const char *text;
    win_handle edit;
};

int grep_step(void *ctx, int, const char *name, int option)
{
    const grep_job *job = static_cast<const grep_job *>(ctx);
    grep_file(job->text, job->edit, name, option);
    return 0;
}

bool is_tree_file(const char *file)
{
    const char *bare = file;
    if (bare[0] != '\0' && bare[1] == ':') bare += 2;
    for (const char *t : tree_files) {
        if (strcmp(bare, t) == 0) return true;
    }
    return false;
}

int hit_row(win_handle edit, const char *file, int line, const char *text)
{
    char row[row_size];
    format_text(row, sizeof row, "%s(%d):%.240s", file, line, text);
    size_t n = strlen(row);
    while (n > 0 && (row[n - 1] == '\n' || row[n - 1] == '\r')) row[--n] = '\0';
    copy_bounded(row + n, sizeof row - n, "\r\n");
    caret_to_end(edit);
    return window_text_append(edit, row);
}

}  // namespace

int set_mark_filter(int mode)
{
    if (mode == filter_collect) mark_row_num = 0;
    mark_filter_mode = mode;
    return 0;
}

int start_rows()
{
    row_count = 0;
    return 0;
}

int offer_row(win_handle edit, const char *text)
{
    const int row = row_count++;
    remember_row(text, row);
    if (!row_wanted(text) || !near_marks(row)) return 0;
    caret_to_end(edit);
    window_text_append(edit, text);
    return 1;
}

int caret_to_end(win_handle edit)
{
    send_msg(edit, EM_SETSEL, 0, -1);
    uint32_t end = 0;  // the edit writes a DWORD
    send_msg(edit, EM_GETSEL, 0, reinterpret_cast<intptr_t>(&end));
    send_msg(edit, EM_SETSEL, end, static_cast<intptr_t>(end));
    return 0;
}

int mark_hits(int first, int last)
{
    if (line_count < 1) return 0;
    if (search_mode != 0) {
        if (search_text[0] == '\0') return 0;
        for (int n = first < 1 ? 1 : first; n <= last && n <= line_count; ++n) {
            if (find_text(source_lines[n - 1], search_text) == 0) set_line_mark(n, "●");
        }
        return 0;
    }
    if (search_text[0] == '\0') return 0;
    const int saved_line = func_line[0];
    set_search_key(search_text);
    rewind_reader();
    while (read_on() > 0) {
        const int line = line_index + 1;
        if (line < first) continue;
        if (line > last) break;
        if (match_key() == 0) set_line_mark(line, "●");
    }
    rewind_reader();
    func_line[0] = saved_line;
    return 0;
}

int fill_list(win_handle edit, int mode)
{
    int first = flow_start_line == 0 ? 1 : flow_start_line;
    if (flow_start_line == -1) {
        if (cb_num < 2) return 0;
        first = cbp[1]->sline;
        if (!hidden_flags[hidden_flow] && hwndF != nullptr) {
            mark_hits(first, cbp[1]->eline + 1);
            return 0;
        }
        anal_end_line = cbp[1]->eline;
    }
    mark_hits(first, anal_end_line);
    set_mark_filter(mode);
    start_rows();
    list_rows(edit, first, anal_end_line);
    return 0;
}

int fill_list_with_parse(win_handle edit, char *file, int mode)
{
    file[0] = '\0';
    char entry_file[list_file_size];
    if (sel_file(entry_file, sizeof entry_file) == 0) return 0;
    copy_bounded(file, list_file_size, entry_file);
    opt_o_file[0] = '\0';
    opt_i = 0;
    clear_range_shown();
    load_env_defines(opt_d_file);
    if (!load_for_walk(entry_file)) return 1;
    clear_range_labels();
    walk = walk_state{};
    if (guarded_walk() != 0 && walk.result == 0) walk.result = -1;
    clear_cb_num();
    if (walk.result == -1) return -1;
    mark_file_hits();
    set_mark_filter(mode);
    start_rows();
    list_rows(edit, 1, line_count);
    return 1;
}

int find_function_at_line(const char *file, int *line, char *name)
{
    name[0] = '\0';
    if (!load_for_walk(file)) {
        *line = -1;
        return -1;
    }
    walk = walk_state{};
    walk.line = *line < 1 ? -1 : *line;
    guarded_walk();
    clear_cb_num();
    if (walk.result == 1) {
        copy_bounded(name, top_name_size, func_name[0]);
        *line = func_line[0];
        return 0;
    }
    return walk.result == -2 ? -2 : -3;
}

int function_top_x() { return flow_zoom >= 0 ? flow_zoom : 16 >> -flow_zoom; }

int function_top_text(const char *name, int width, char *out, size_t size)
{
    out[0] = '\0';
    if (func_line[0] < 1 || flow_start_line == 0) return 1;
    int line = flow_start_line > 0 ? flow_start_line : sel_line() > 0 ? sel_line() : func_line[0];
    while (line >= 1 && line <= line_count && is_operator_text(skip_line_blanks(source_lines[line - 1])) != 0) ++line;
    copy_bounded(out, size, name);
    if (line >= 1 && line <= line_count) {
        size_t n = strlen(out);
        for (const char *p = source_lines[line - 1]; *p != '\0' && *p != '\r' && *p != '\n' && n + 1 < size; ++p)
            out[n++] = *p == '\t' ? ' ' : *p;
        out[n] = '\0';
    }
    size_t n = strlen(out);
    while (static_cast<int>(n) < width && n + 1 < size) out[n++] = ' ';
    out[n] = '\0';
    return 0;
}

int draw_function_top(win_handle window, const char *name, int width)
{
    char text[top_text_size];
    if (function_top_text(name, width, text, sizeof text) != 0) return 0;
    if (paint_top_text != nullptr) paint_top_text(window, function_top_x(), text);
    return 0;
}

int list_search_hits(win_handle edit, const char *file, const char *)
{
    if (!load_for_walk(file)) return 0;
    clear_range_labels();
    mark_file_hits();
    for (int n = 1; n <= line_count && n <= line_cap; ++n) {
        if (strncmp(line_mark[n], "●", 2) != 0) continue;
        hit_row(edit, file, n, flow_line_text(n, ext_plain, skip_line_blanks(source_lines[n - 1])));
    }
    return 0;
}

int search_file_set(win_handle edit, const char *option)
{
    char word[dir_path_size];
    const char *p = cat_pattern;
    for (;;) {
        while (*p == ' ') ++p;
        if (*p == '\0') return 0;
        size_t n = 0;
        while (p[n] != '\0' && p[n] != ' ') ++n;
        copy_span(word, sizeof word, p, n);
        p += n;
        if (is_source_file(word)) list_search_hits(edit, word, option);
    }
}

int grep_file(const char *text, win_handle edit, const char *file, int)
{
    if (is_tree_file(file)) return 0;
    FILE *fp = dir_fopen(file, "r");
    if (fp == nullptr) return 1;
    char first[grep_line_size];  // the line's first piece, which the row shows
    char piece[grep_line_size];
    int line = 0;
    bool line_start = true, hit = false;
    while (read_line(piece, sizeof piece, fp) != nullptr) {
        if (line_start) {
            ++line;
            hit = false;
            copy_bounded(first, sizeof first, piece);
        }
        const size_t n = strlen(piece);
        line_start = n > 0 && piece[n - 1] == '\n';
        if (!hit && has_substring(piece, text) == 0) {
            hit = true;
            hit_row(edit, file, line, flow_line_text(line, ext_plain, first));
        }
    }
    fclose(fp);
    return 0;
}

int run_all_patterns(const char *text, win_handle edit, int option)
{
    grep_job job{text, edit};
    for (const char *pattern : file_patterns) for_each_file(grep_step, &job, 0, pattern, option);
    return 0;
}

int mark_search_lines(const char *text)
{
    for (int n = 0; n <= line_cap; ++n) line_selected[n] = 0;
    clear_cur_cb();
    char key[search_text_size];
    copy_bounded(key, sizeof key, text);
    trim_blanks(key);
    if (cb_num == 0 || key[0] == '\0' || line_count < 1) return 0;
    if (!multi_key_active()) stack_push(key);
    blanks_to_at(key);
    set_search_key(key);
    rewind_reader();
    while (read_on() > 0) {
        if (match_key() == 0) set_line_selected(line_index + 1, 1);
    }
    rewind_reader();
    return 1;
}

int listings_reset()
{
    mark_filter_on = 0;
    mark_filter_mode = filter_off;
    mark_row_num = 0;
    row_count = 0;
    search_mode = 0;
    search_text[0] = '\0';
    walk = walk_state{};
    return 0;
}
