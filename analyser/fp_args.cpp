// The function-pointer argument report.  For every source of the loaded
// tree that holds a function passing arguments to a function with pointer
// parameters, the file is read at file scope; in the bodies of those
// functions every whole argument at a pointer position is a use: it is
// listed, and its function's box gets a "no_set" link from the pointer box.
#include "analyser/fp_args.h"

#include <cstdlib>
#include <cstring>

#include "analyser/anal_host.h"
#include "analyser/anal_main.h"
#include "analyser/body_scan.h"
#include "analyser/failures.h"
#include "analyser/flow_nodes.h"
#include "analyser/lexer.h"
#include "analyser/parser.h"
#include "analyser/preproc.h"
#include "analyser/report.h"
#include "analyser/source_load.h"
#include "shell/codeout.h"
#include "shell/startup.h"
#include "shell/text.h"

namespace {

const int name_size = 32;  // a box name as get_box_name gives it (the form model's name slot)

// One open parenthesis of a body scan.
struct arg_level {
    char callee[fp_missing_size];
    int counter;
    int params[fp_level_param_cap];
    int param_num;
    int first;   // boxes of the last record that matched the callee
    int second;
};

struct box_link {
    int from;
    int to;
};

enum scan_result { scan_done, scan_cut, scan_eof };

// Why a body scan ends the analysis (file, line).
const char nesting_cut[] = "%s(%d):括弧のネストが10段を超えました、関数ポインタ引数の解析を中止します\r\n";
const char closer_cut[] = "%s(%d):開き括弧のない)があります、関数ポインタ引数の解析を中止します\r\n";
const char body_end_cut[] = "%s(%d):関数本体の途中でファイルが終わりました、関数ポインタ引数の解析を中止します\r\n";

arg_level levels[fp_level_cap];
int level_num;
box_link pairs[fp_pair_cap];
int pair_num;
char missing[fp_missing_cap][fp_missing_size];
int missing_num;

parg_rec *records;
int record_num;
int run_begin, run_end;  // the records of the source being read
char source_file[file_name_size];

bool is_name(const char *text)
{
    const unsigned char c = (unsigned char)text[0];
    return c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0x80;
}

void print_records()
{
    code_print("E232323 関数ポインタ引数定義一覧\r\n");
    for (int i = 0; i < record_num; ++i) {
        const parg_rec &r = records[i];
        char first[name_size];
        char second[name_size];
        get_box_name(r.first, first, sizeof first);
        get_box_name(r.second, second, sizeof second);
        code_printf("%-15s(1):[%04d]%-15s->[%04d]%-10s->[%05d]:P%d\r\n", ftree_f_name(r.source),
                    r.first, first, r.second, second, r.node, r.param);
    }
}

bool box_has_name(int box, const char *name)
{
    char text[name_size];
    get_box_name(box, text, sizeof text);
    return strcmp(text, name) == 0;
}

// The current function passes pointer arguments in this source.
bool is_first_box_function(const char *name)
{
    for (int i = run_begin; i < run_end; ++i) {
        if (box_has_name(records[i].first, name)) return true;
    }
    return false;
}

void open_level(const char *before, bool before_is_name)
{
    arg_level &level = levels[level_num++];
    copy_bounded(level.callee, sizeof level.callee, before_is_name ? before : "");
    level.counter = 0;
    level.param_num = 0;
    level.first = level.second = -1;
    if (!before_is_name) return;
    for (int i = run_begin; i < run_end; ++i) {
        const parg_rec &r = records[i];
        if (!box_has_name(r.first, func_name[0]) || !box_has_name(r.second, before)) continue;
        if (level.param_num < fp_level_param_cap) level.params[level.param_num++] = r.param;
        level.first = r.first;
        level.second = r.second;
    }
}

bool has_param(const arg_level &level, int n)
{
    for (int i = 0; i < level.param_num; ++i) {
        if (level.params[i] == n) return true;
    }
    return false;
}

void add_missing(const char *name)
{
    for (int i = 0; i < missing_num; ++i) {
        if (strcmp(missing[i], name) == 0) return;
    }
    if (missing_num >= fp_missing_cap) return;
    copy_bounded(missing[missing_num++], fp_missing_size, name);
}

void add_pair(int from, int to)
{
    if (from < 0 || to < 0) return;
    for (int i = 0; i < pair_num; ++i) {
        if (pairs[i].from == from && pairs[i].to == to) return;
    }
    if (pair_num >= fp_pair_cap) return;
    pairs[pair_num++] = box_link{from, to};
}

// The identifier before a "," or ")" of the innermost level.
void check_use(const char *name, int line)
{
    const arg_level &level = levels[level_num - 1];
    if (!has_param(level, level.counter)) return;
    char first[name_size];
    char second[name_size];
    char text[2400];
    get_box_name(level.first, first, sizeof first);
    get_box_name(level.second, second, sizeof second);
    format_text(text, sizeof text, "%s(%05d):(%d):[%04d]%s->%s(P%d:[%04d]%s)\r\n", source_file, line,
                records[run_begin].source, level.first, first, name, level.counter, level.second, second);
    code_print(text);
    const int box = find_func_box(records[run_begin].source, name);
    if (box < 0) add_missing(name);
    else add_pair(level.first, box);
}

scan_result cut_scan(const char *format, int line)
{
    code_printf(format, source_file, line);
    return scan_cut;
}

// The body of the current function from its "{" to the matching "}".
scan_result scan_uses()
{
    int depth = 1;
    level_num = 0;
    char before[fp_missing_size] = "";
    bool before_is_name = false;
    int before_line = cur_line;
    for (;;) {
        if (read_on() < 0)
            return cut_scan(body_end_cut, cur_line);
        if (is("{")) {
            ++depth;
        } else if (is("}")) {
            if (--depth == 0) return scan_done;
        } else if (is("(")) {
            if (level_num >= fp_level_cap)
                return cut_scan(nesting_cut, cur_line);
            open_level(before, before_is_name);
        } else if (is(",") || is(")")) {
            if (level_num == 0 && is(")"))
                return cut_scan(closer_cut, cur_line);
            if (level_num > 0 && before_is_name) check_use(before, before_line);
            if (level_num > 0 && is(",")) ++levels[level_num - 1].counter;
            if (is(")")) --level_num;
        }
        copy_bounded(before, sizeof before, cur_token);
        before_is_name = is_name(cur_token);
        before_line = cur_line;
    }
}

// A "}" that closes a class or namespace level; a class's declarators are
// passed over up to the ";".  False when the input ends.
bool close_level()
{
    const class_level &level = class_stack[class_depth];
    if (lang_mode != lang_java && (level.kind == 0 || level.kind == 1)) {
        while (!is(";")) {
            if (next_token() == -1) {
                report_eof("E555");
                return false;
            }
            if (skip_comments() < 0) {
                report_eof("E666");
                return false;
            }
        }
    }
    --class_depth;
    return true;
}

// A function head at the saved state and its body.
scan_result read_function(const reader_state &saved)
{
    load_reader_state_from(&saved);
    int head = -999;
    if (parse_func_head(&head, 0) < 0) return scan_eof;
    clear_cb_num();
    if (!is("{")) return scan_done;
    if (is_first_box_function(func_name[0])) return scan_uses();
    if (skip_group("{") != 0) {
        report_eof("E555");
        return scan_eof;
    }
    return scan_done;
}

// The declarations of the loaded source at file scope.
scan_result read_file_scope()
{
    if (read_on() < 0) return scan_done;
    for (;;) {
        if (is("}") && class_depth > 0) {
            if (!close_level()) return scan_eof;
        } else if (is("}") && extern_depth > 0) {
            --extern_depth;
        } else {
            reader_state saved;
            save_reader_state_to(&saved);
            const int r = parse_declaration();
            if (r == -1) return scan_eof;
            if (r == 7) return scan_done;
            if ((r == 2 || r == 3) && class_depth < class_cap) ++class_depth;
            if (r == 5) ++extern_depth;
            if (r == 0) {
                const scan_result s = read_function(saved);
                if (s != scan_done) return s;
            }
        }
        if (read_on() < 0) return scan_done;
    }
}

// Reads the source of the records run_begin .. run_end - 1 (not loaded: passed over).
scan_result read_source()
{
    copy_bounded(source_file, sizeof source_file, ftree_f_name(records[run_begin].source));
    if (load_for_walk(source_file) == 0) return scan_done;
    return read_file_scope();
}

scan_result guarded_result;

void read_source_step(void *) { guarded_result = read_source(); }

// Every source that begins a run of records; scan_done when all were read.
scan_result read_sources()
{
    for (run_begin = 0; run_begin < record_num; run_begin = run_end) {
        const int source = records[run_begin].source;
        for (run_end = run_begin + 1; run_end < record_num && records[run_end].source == source;) ++run_end;
        if (source < 0) continue;
        guarded_result = scan_cut;
        if (anal_guard(read_source_step, nullptr) != 0) return scan_cut;
        if (guarded_result != scan_done) return guarded_result;
    }
    return scan_done;
}

int compare_names(const void *a, const void *b) { return strcmp((const char *)a, (const char *)b); }

void print_missing()
{
    if (missing_num == 0) return;
    qsort(missing, missing_num, sizeof missing[0], compare_names);
    code_print("E262626 呼ばれた引数指定関数が存在しない、外から呼ばれてもいないもの\r\n");
    for (int i = 0; i < missing_num; ++i) {
        code_printf("%4d:(%s)\r\n", i + 1, missing[i]);
    }
}

}  // namespace

int analyse_fp_args()
{
    get_parg_tbl(&record_num, &records);
    print_records();
    missing_num = 0;
    pair_num = 0;
    code_print("E242424 関数ポインタ引数使用箇所一覧\r\n");
    const scan_result r = read_sources();
    if (r == scan_done) {
        for (int i = 0; i < pair_num; ++i) add_no_set_link(pairs[i].from, pairs[i].to);
        print_missing();
    }
    clear_cb_num();
    return r == scan_eof ? -1 : 0;
}
