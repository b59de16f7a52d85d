// The analyser's entry: options, the output files, and the per-file driver
// of the flow, function-list, reference and usage modes.
#include "analyser/anal_main.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "analyser/anal_host.h"
#include "analyser/anal_inputs.h"
#include "analyser/body_scan.h"
#include "analyser/calls.h"
#include "analyser/failures.h"
#include "analyser/flow_extract.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_layout.h"
#include "analyser/flow_nodes.h"
#include "analyser/includes.h"
#include "analyser/lexer.h"
#include "analyser/options.h"
#include "analyser/parser.h"
#include "analyser/preproc.h"
#include "analyser/range_labels.h"
#include "analyser/report.h"
#include "analyser/result_files.h"
#include "analyser/search_keys.h"
#include "analyser/source_load.h"
#include "analyser/steps.h"
#include "analyser/wordattr.h"
#include "shell/anal_owner.h"
#include "shell/dirs.h"
#include "shell/msgbox.h"
#include "shell/sjis.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/trace_log.h"
#include "shell/winmsg.h"

int anal_first_run = 1;
int ref_next_line = 1;
int ref_header_due = 1;
int extern_depth;

namespace {

dir_replacement define_out;  // "define.txt" of a list run
dir_replacement list_out;    // the tag file, or "vokcall.tag" of a reference run
FILE *define_fp;             // define_out's stream while it is open
FILE *ref_fp;                // list_out's stream in a reference run
char ref_key[key_token_size * 5];
int max_defines;
int total_defines;
int run_result;

// Neither a function list nor a reference run.
bool flow_mode() { return !opt_i && !opt_r; }

// Ends in "↓", tested by whole characters.
bool ends_in_down_arrow(const char *key)
{
    const char *last = nullptr;
    for (const char *p = key; *p != '\0';) {
        last = p;
        p += (is_sjis_lead((unsigned char)*p) && p[1] != '\0') ? 2 : 1;
    }
    return last != nullptr && strcmp(last, "↓") == 0;
}

void write_header(FILE *fp)
{
    if (fp != nullptr) fprintf(fp, "---------- %s ----------\n", cur_file);
}

void write_class_line(FILE *fp, int level)
{
    if (fp == nullptr) return;
    const class_level &c = class_stack[level];
    if (c.anon_no >= 0) fprintf(fp, "%s %d %s{%d}↓()\n", cur_file, c.start, c.name, c.anon_no);
    else fprintf(fp, "%s %d %s%s()\n", cur_file, c.start, c.name, colon_prefix(level));
}

}  // namespace

int is_ref_hit(int n) { return ref_line_hit(n, ref_key) == 0 || (ref_line > 0 && n == ref_line); }

void write_due_lines()
{
    if (ref_header_due) {
        write_header(ref_fp);
        ref_header_due = 0;
    }
    for (int level = 1; level <= class_depth; ++level) {
        if (!class_stack[level].pending) continue;
        class_stack[level].pending = 0;
        write_class_line(ref_fp, level);
    }
}

void report_pending_before(int limit)
{
    for (int n = ref_next_line; n < limit; ++n) {
        if (is_ref_hit(n)) write_due_lines();
    }
    if (limit > ref_next_line) ref_next_line = limit;
}

FILE *ref_list() { return ref_fp; }

namespace {

void report_function_hits()
{
    for (int n = func_line[0]; n <= cur_line; ++n) {
        if (!is_ref_hit(n)) continue;
        write_due_lines();
        if (func_line[0] <= 0 || ref_fp == nullptr) continue;
        if (!any_anonymous_level())
            fprintf(ref_fp, "%s %d %s%s(%ld)\n", cur_file, func_line[0], func_name[0], quote_prefix(class_depth), (long)n);
        else fprintf(ref_fp, "%s %d %s↑(%ld)\n", cur_file, func_line[0], func_name[0], (long)n);
    }
    ref_next_line = cur_line + 1;
    func_line[0] = -1;
}

void reference_prepass()
{
    for (int n = 0; n <= line_count; ++n) set_line_mark(n, "　");
    restore_defines();
    set_search_key(ref_key);
    set_source_lines(line_count);
    while (read_on() > 0) {
        if (match_key() == 0) set_line_mark(line_index + 1, "●");
    }
    restore_defines();
    set_source_lines(line_count);
}

// Class ends at the current "}": 1 the file goes on, 0 it ends, -1 the
// input ended inside "};".
int close_classes()
{
    while (class_depth >= 1 && is("}")) {
        const class_level &level = class_stack[class_depth];
        if (lang_mode != lang_java && (level.kind == 0 || level.kind == 1)) {
            while (!is(";")) {
                if (next_token() == -1) {
                    report_eof("E555");
                    return -1;
                }
                if (skip_comments() < 0) {
                    report_eof("E666");
                    return -1;
                }
            }
        }
        if (opt_r) {
            report_pending_before(cur_line + 1);
            ref_next_line = cur_line + 1;
        }
        class_stack[class_depth].pending = 0;
        const int start = class_stack[class_depth].start;
        --class_depth;
        if (flow_mode() && flow_start_line > 0) {
            if (class_depth == 0) {
                anal_end_line = cur_line;
                return 0;
            }
            add_range_label(start - 1, cur_line + 1, "クラス");
        }
        if (read_on() < 0) return 0;
    }
    return 1;
}

// A named (decl_scope) or anonymous (decl_anon_class) level opens.
void open_level(int kind)
{
    if (kind == decl_scope) anon_count = 0;
    class_level &level = class_stack[class_depth + 1];
    if (opt_r) report_pending_before(level.start);
    ++class_depth;
    if (kind == decl_scope) level.anon_no = -1;
    if (opt_o_file[0] != '\0') write_class_line(tag_fp, class_depth);
    level.pending = 1;
    if (opt_r) report_pending_before(cur_line);
}

// The anonymous class a range request asks for: decl_scope (decl_too_deep
// past the nesting limit), or decl_end at the end.
int requested_anonymous_class()
{
    while (!(is("new") && classify_new() == 0)) {
        if (read_on() < 0) return decl_end;
    }
    const int start = stmt_line();
    if (next_name() < 0) return decl_end;
    class_level &level = class_stack[class_depth + 1];
    copy_bounded(level.name, sizeof level.name, cur_token);
    level.start = start;
    level.kind = 0;
    if (read_on() < 0 || scan_body("(", 0) != 0) return decl_end;
    if (read_on() < 0) return decl_end;
    flow_anon_line = -1;
    return class_depth < class_cap ? decl_scope : decl_too_deep;
}

int block_owner;

void extract_body(void *) { parse_block(1, block_owner); }

// The body of the shown function becomes its flow nodes.
void flow_function(int head)
{
    sel_cb = -1;
    clear_line_marks();
    set_entry_flag(g_entry);
    if (head >= 0 && head < cb_num) {
        cbp[head]->sline = stmt_line();
        if (is("{")) {
            block_owner = head;
            anal_guard(extract_body, nullptr);
        }
        if (head < cb_num) cbp[head]->eline = cur_line;
        if (head >= 2 && head - 2 < cb_num) cbp[head - 2]->eline = cur_line;
    } else if (is("{")) {
        scan_body("{", 0);
    }
    add_inactive_range(1);
}

// A function head at the saved state: 1 the file goes on, 0 it ends.
int function_follows(const reader_state &saved)
{
    load_reader_state_from(&saved);
    local_class_count = 0;
    if (flow_mode() && flow_start_line <= 0) {
        cb_num = 0;  // the chart shows one function
        free_labels();
    }
    int head = -999;
    if (parse_func_head(&head, 0) < 0) return 0;
    if (opt_r) {
        report_pending_before(func_line[0]);
        if (is("{") && scan_body("{", 2) != 0) return 0;
        report_function_hits();
        return 1;
    }
    if (opt_i) {
        if (tree_mode) add_trig(head_static ? 1 : 0, cur_file, func_name[0], func_line[0], "", -1);
        if (is("{") && scan_body("{", 0) != 0) return 0;
        ++func_head_num;
        return 1;
    }
    if (flow_start_line > 0) {
        if (is("{") && scan_body("{", 0) != 0) return 0;
        add_range_label(func_line[0] - 1, cur_line + 1, "関数");
        return 1;
    }
    flow_function(head);
    return 0;  // a flow run shows the first function at or after the start line
}

// The declarations of one file, from the start line on.
void declaration_loop(void *)
{
    for (;;) {
        const int closed = close_classes();
        if (closed < 0) {
            run_result = -1;
            return;
        }
        if (closed == 0) return;
        if (extern_depth > 0 && is("}")) {
            --extern_depth;
            if (read_on() < 0) return;
            continue;
        }
        reader_state saved;
        save_reader_state_to(&saved);
        const int r = flow_anon_line >= 1 ? requested_anonymous_class() : parse_declaration();
        switch (r) {
        case decl_end:
            return;
        case decl_read:
            if (flow_mode() && flow_decl_flag == 1) {
                anal_end_line = cur_line;
                return;
            }
            break;
        case decl_scope:
        case decl_anon_class:
            if (flow_mode() && flow_start_line == 0) {
                anal_end_line = class_stack[class_depth + 1].start;
                return;
            }
            open_level(r);
            if (r == decl_anon_class) {
                class_stack[class_depth].anon_no = anon_count;
            }
            break;
        case decl_extern_c:
            ++extern_depth;
            if (read_on() < 0) return;
            continue;
        case decl_too_deep:
            code_printf("%s(%d):クラスのネスト(%d)が深過ぎます\r\n", cur_file, static_line, class_depth);
            return;
        default:
            if (function_follows(saved) == 0) return;
            break;
        }
        if (read_on() < 0) return;
    }
}

// Steps to the first token on or after the start line; false at the end.
bool skip_to_start_line()
{
    for (;;) {
        save_reader_state();
        if (next_token() == -1) return false;
        if (cur_line >= opt_start_line) break;
    }
    if (flow_mode()) {
        clear_range_labels();
        inactive_labels_on = 1;
    }
    restore_reader_state();
    return read_on() > 0;
}

void end_of_file_steps()
{
    if (begin_count() > 0)
        code_printf("%s(%d):BEGIN_XXX...END_XXX文の対応が取れていません、END_XXX文の検出失敗\r\n", cur_file, begin_line);
    if (flow_mode()) {
        if (flow_start_line == 0 && anal_end_line == 0) anal_end_line = cur_line;
        else if (flow_start_line > 0 && anal_end_line == 0) anal_end_line = cur_line - 1;
    }
    if (opt_r) report_pending_before(cur_line);
    add_inactive_range(1);
    if (opt_o_file[0] != '\0' && class_depth > 0) {
        code_printf("%s(%d):解析データに%d件のエラーがあります g_static_line(%d)\r\n", cur_file,
                    class_stack[class_depth].start, class_depth, static_line);
    }
    if (step_mode) count_steps(cur_file);
    if (tree_mode) {
        write_includes();
        flush_trigs();
    }
    if (opt_o_file[0] != '\0' && define_fp != nullptr) {
        if (d_num > max_defines) max_defines = d_num;
        total_defines += d_num;
        fprintf(define_fp, "F %s %d\n", cur_file, d_num);
        for (int i = 0; i < d_num; ++i) fprintf(define_fp, "D %s %d\n", define_tbl[i].name, define_tbl[i].line);
    }
}

// 0 go on with the next file, 1 the run ends here.
int analyse_file(int index, const char *name)
{
    extern_depth = 0;
    g_fileindex = index;
    begin_line = -1;
    reset_begin_end();
    func_line[0] = -1;
    class_depth = 0;
    ref_next_line = 1;
    prev_class_depth = -1;
    int count = 0;
    if (load_source(name, &count) == 0) {
        dev_printf("ファイル(%s)が見つかりません\n", name);
        return flow_mode() ? 1 : 0;
    }
    if (opt_o_file[0] != '\0') write_header(tag_fp);
    restore_defines();
    set_source_lines(count);
    clear_line_class();
    if (tree_mode) clear_includes();
    if (opt_r && !ref_down) reference_prepass();
    cur_line = last_token_line = prev_token_line = 1;
    ref_header_due = 1;
    if (flow_mode() && flow_start_line >= 0) {
        clear_line_marks();
        set_entry_flag(g_entry);
        anal_end_line = 0;
    }
    if (skip_to_start_line()) anal_guard(declaration_loop, nullptr);
    end_of_file_steps();
    return 0;
}

int set_option(const char *arg)
{
    const char *value = arg + 2;
    switch (arg[1]) {
    case 'o': copy_bounded(opt_o_file, sizeof opt_o_file, value); break;
    case 'd': copy_bounded(opt_d_file, sizeof opt_d_file, value); break;
    case 'x': opt_x = atoi(value); break;
    case 'y': opt_y = atoi(value); break;
    case 'w': opt_w = atoi(value); opt_w = opt_w < 1 ? 13 : opt_w < 5 ? 5 : opt_w; break;
    case 'h': opt_h = atoi(value); opt_h = opt_h < 1 ? 20 : opt_h < 5 ? 5 : opt_h; break;
    case 'p': opt_p = !opt_p; break;
    case 'l': opt_start_line = atoi(value); break;
    case 'L': opt_end_line = atoi(value); break;
    case 'i': opt_i = 1; break;
    case 'r':
        opt_r = 1;
        copy_bounded(ref_key, sizeof ref_key, value);
        if (strlen(ref_key) >= 3 && ends_in_down_arrow(ref_key)) {
            ref_down = 1;
            ref_key[strlen(ref_key) - 2] = '\0';
        } else {
            set_search_key(ref_key);
            ref_line = -1;
            ref_file[0] = '\0';
        }
        opt_o_file[0] = '\0';
        break;
    case 'a': break;
    case 'n': use_pc98_pieces(); break;
    default: return 1;  // -H and unknown letters
    }
    return 0;
}

// Opens the temporaries of the output files: 0, or anal_output_failed when
// one of them cannot be written (a box names it).
int open_outputs()
{
    const char *list = opt_r ? "vokcall.tag" : opt_o_file;
    define_out.fp = list_out.fp = nullptr;
    if (list[0] == '\0') return 0;
    const char *failed = nullptr;
    if (opt_o_file[0] != '\0' && !result_open(&define_out, "define.txt", result_in_cwd)) failed = "define.txt";
    else if (!result_open(&list_out, list, result_in_home)) failed = list;
    define_fp = define_out.fp;
    if (opt_r) ref_fp = list_out.fp;
    else tag_fp = list_out.fp;
    if (failed == nullptr) return 0;
    dev_printf("file(%s) can't write open\n", failed);
    char text[1200];
    format_text(text, sizeof text, "file(%s) can't write open\n", failed);
    msg_box(anal_owner, text, "TAVIR警告画面", MB_ICONHAND);
    if (define_fp != nullptr) dir_replace_close(&define_out, false);
    define_fp = nullptr;
    return anal_output_failed;
}

// Puts the written outputs in place: 0, or 1 when one of them failed (a box
// named it and its old file stays).
int close_outputs()
{
    if (define_fp != nullptr) fprintf(define_fp, "T %d %d\n", max_defines, total_defines);
    const int define_failed = result_close(&define_out, true);
    const int list_failed = result_close(&list_out, true);
    define_fp = tag_fp = ref_fp = nullptr;
    return define_failed | list_failed;
}

// The end of a flow run: the chart's letters saved, the gotos resolved, the
// layout made.
void finish_flow()
{
    cb_base_num = 0;
    if (cb_num == 0) {
        anal_trace_on = 1;
        dev_printf("関数データが見つかりません\n");
        return;
    }
    layout_prepare();
    layout_finish();
    cb_base_num = cb_num;
}

}  // namespace

int anal_main(int argc, char **argv)
{
    reset_options();
    anal_trace_on = 0;
    line_count = 0;
    run_result = 0;
    max_defines = total_defines = 0;
    cb_num = 0;
    if (anal_first_run) {
        clear_flow_grid();
        clear_cbp();
    }
    anal_first_run = 0;
    clear_marks();
    free_labels();
    select_pieces(0);
    if (argc < 2) {
        anal_trace_on = 1;
        log_printf("Usage : vokanal 入力ﾌｧｲﾙ名 ... [-o出力ﾘｽﾄｱｯﾌﾟﾌｧｲﾙ名] [-d定義ﾌｧｲﾙ(#define)] [..]\n");
        return print_usage();
    }
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-' && set_option(argv[i]) != 0) return print_usage();
    }
    opt_w = 79 / (int)strlen(caption_tbl[0]);
    free_cb_records();
    d_num = 0;
    int limit = 0;
    const int words = load_wordattr(&limit);
    if (words != 0) wordattr_error(words, limit);
    if (opt_d_file[0] != '\0') read_env_defines(opt_d_file);
    take_define_snapshot();
    if (open_outputs() != 0) return anal_output_failed;
    if (flow_mode()) alloc_flow_grid();
    if (step_mode) clear_step_records();
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-' || !is_source_file(argv[i])) continue;
        if (opt_r && ref_file[0] != '\0' && strcmp(argv[i], ref_file) != 0) continue;
        if (analyse_file(i, argv[i]) != 0) break;
    }
    const int unwritten = close_outputs();
    if (flow_mode()) finish_flow();
    anal_trace_on = 1;
    return unwritten != 0 ? anal_output_failed : run_result;
}

int is_source_file(const char *name)
{
    static const char *const extensions[] = {".c", ".C", ".cpp", ".CPP", ".pc", ".PC", ".java", ".JAVA", ".h", ".H"};
    const char *dot = strchr(name, '.');
    if (dot == nullptr) return 0;
    for (const char *ext : extensions) {
        if (strcmp(dot, ext) == 0) return 1;
    }
    return 0;
}

int anal_enabled() { return 1; }

int print_usage()
{
    static const char *const lines[] = {
        "vokanal: C/C++/Pro*C/Java ソース解析\n",
        "    -d: 省略時、variable.def\n",
        "    -w: 横幅、デフォルトは13\n",
        "    -h: 高さ、デフォルトは23\n",
        "    -x: 横方向シフト桁数、デフォルトは0\n",
        "    -y: 縦方向シフト桁数、デフォルトは0\n",
        "    -p: プリントオプション、（ダミーを線表示しない）\n",
        "    -l: 指定の行番号から始まる関数を表示する\n",
        "    -i: 関数一覧を作成する\n",
        "    -a: リスト出力先ファイル名を後ろに指定する\n",
        "    -n: フロー表示文字として、＋－｜を使用、NECﾊﾟｿｺﾝ向け\n",
        "    -H: ヘルプメッセージを出力する\n",
    };
    for (const char *line : lines) anal_dev_print(line);
    return 0;
}

int get_grid_origin(int *x, int *y)
{
    *x = opt_x;
    *y = opt_y;
    return 0;
}

int ref_line_hit(int n, const char *key)
{
    if (n < 0 || n > line_count) return 1;
    if (ref_down) return n >= 1 && find_text(source_lines[n - 1], key) == 0 ? 0 : 1;
    return strcmp(line_mark[n], "●") == 0 ? 0 : 1;
}

int count_trailing_quotes(const char *s)
{
    int n = 0;
    for (int i = (int)strlen(s) - 1; i >= 0 && (s[i] == '\'' || s[i] == ';'); --i) {
        if (s[i] == '\'') ++n;
    }
    return n;
}

int count_leading_quotes(const char *s)
{
    int n = 0;
    while (s[n] == '\'') ++n;
    return n;
}

int cmp_unquoted(const char *s, const char *t)
{
    while (*s == '\'') ++s;
    return strcmp(s, t);
}
