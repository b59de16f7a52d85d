// Balanced groups and function bodies, with the side work of a body scan:
// call records of the tree build and the call marks of the listings.
#include "analyser/body_scan.h"

#include <cstdio>
#include <cstring>

#include "analyser/anal_inputs.h"
#include "analyser/calls.h"
#include "analyser/failures.h"
#include "analyser/lexer.h"
#include "analyser/options.h"
#include "analyser/parser.h"
#include "analyser/preproc.h"
#include "analyser/report.h"
#include "analyser/search_keys.h"
#include "analyser/source_load.h"
#include "analyser/wordattr.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/trace_log.h"

char param_names[param_cap][param_size];
int param_num;
char prev_token[prev_token_size];
int prev_token_at;
int local_class_count;

namespace {

bool is_one(const char *token, int c) { return token[0] == c && token[1] == '\0'; }

int closer_of(int opener)
{
    switch (opener) {
    case '(': return ')';
    case '{': return '}';
    case '[': return ']';
    case '<': return '>';
    default: return 0;
    }
}

void record_call()
{
    if (strcmp(prev_token, "int") == 0) return;
    char callee[prev_token_size];
    copy_bounded(callee, sizeof callee, prev_token);
    if (is_word6(prev_token)) {
        if (collect_group("(", callee) != 0) return;
    }
    add_trig(5, cur_file, func_name[0], func_line[0], callee, prev_token_at);
}

// A tree extraction by key: the key matching at the current token is
// recorded as a relation whatever its text.
void record_key_hit()
{
    if (match_key() != 0) return;
    trig_skip_check = 1;
    add_trig(2, cur_file, func_name[0], func_line[0], matched_key_text, cur_line);
}

// A Java anonymous class inside a body, read as a class: -1 at the end of
// the input.  The current token is its "new"; it ends at the class's "}".
int anonymous_class()
{
    ++local_class_count;
    const int line = cur_line;
    if (next_name() < 0) return -1;
    char name[prev_token_size];
    copy_bounded(name, sizeof name, cur_token);
    if (read_on() < 0 || skip_group("(") != 0 || read_on() < 0) return report_eof("E001");
    if (tag_fp != nullptr) fprintf(tag_fp, "%s %d %s{%d}↓()\n", cur_file, line, name, local_class_count);
    if (read_on() < 0) return report_eof("E001");
    while (!is_one(cur_token, '}')) {
        reader_state saved;
        save_reader_state_to(&saved);
        const int r = parse_declaration();
        if (r < 0) return report_eof("E000");
        if (r == 0) {
            load_reader_state_from(&saved);
            int head = -999;
            if (parse_func_head(&head, 1) < 0) return -1;
            if (is_one(cur_token, '{') && scan_body("{", 3) != 0) return -1;
        }
        if (read_on() < 0) return report_eof("E001");
    }
    return 0;
}

void echo(int mode, const char *text)
{
    if (mode >= 1) log_printf("%s", text);
}

// A token of the scan in the trace: glued after an opener, "," or ";".
void echo_token(int mode, bool glued)
{
    if (mode >= 1) log_printf(glued ? "%s" : " %s", cur_token);
}

}  // namespace

int read_on()
{
    if (next_token() == -1) return -1;
    return skip_comments() < 0 ? -1 : 1;
}

int skip_comments()
{
    int skipped = 0;
    while (is_comment_token() || cur_token[0] == '\r' || cur_token[0] == '\f' || cur_token[0] == '\\') {
        if (next_token() == -1) return -1;
        ++skipped;
    }
    return skipped;
}

int skip_group(const char *opener)
{
    const char open = opener[0];  // the opener may be the current token itself
    const int closer = closer_of(open);
    if (closer == 0) anal_abort(222);
    int depth = 0;
    for (;;) {
        if (is_one(cur_token, open)) ++depth;
        else if (is_one(cur_token, closer) && --depth < 1) return 0;
        if (next_token() == -1) return -1;
    }
}

int collect_group(const char *opener, char *buffer)
{
    const char open = opener[0];
    const int closer = closer_of(open);
    if (closer == 0) anal_abort(222);
    int depth = 0;
    for (;;) {
        if (is_one(cur_token, open)) {
            ++depth;
        } else if (is_one(cur_token, closer)) {
            if (--depth < 1) return 0;
        } else if (!is_one(cur_token, ',')) {
            copy_bounded(buffer, 256, cur_token);
        }
        if (read_on() == -1) return -1;
    }
}

int classify_new()
{
    if (strcmp(cur_token, "new") != 0) return 1;
    reader_state state;
    save_reader_state_to(&state);
    int result = 3;
    if (next_name() == -1) {
        result = -1;
    } else if (read_on() == -1) {
        result = -2;
    } else if (is_one(cur_token, '[')) {
        result = 2;
    } else if (is_one(cur_token, '(')) {
        if (skip_group("(") != 0) result = -3;
        else if (read_on() == -1) result = -4;
        else result = is_one(cur_token, '{') ? 0 : 5;
    }
    load_reader_state_from(&state);
    return result;
}

int collect_param_names()
{
    param_num = 0;
    param_names[0][0] = '\0';
    int depth = 1;
    bool seen = false;
    bool after_star = false;
    bool fixed = false;  // a pointer declarator named the parameter
    for (;;) {
        if (read_on() == -1) return -1;
        if (is_one(cur_token, '(')) {
            ++depth;
        } else if (is_one(cur_token, ')')) {
            if (depth <= 1) {
                if (seen && param_num < param_cap) ++param_num;
                return 0;
            }
            --depth;
        } else if (is_one(cur_token, ',') && depth == 1) {
            if (param_num < param_cap) ++param_num;
            if (param_num < param_cap) param_names[param_num][0] = '\0';
            fixed = false;
        } else if (starts_name(cur_token) && !fixed && param_num < param_cap) {
            copy_bounded(param_names[param_num], param_size, cur_token);
            fixed = after_star && depth == 2;
        }
        seen = true;
        after_star = is_one(cur_token, '*');
    }
}

int param_index(const char *name)
{
    for (int i = 0; i < param_num; ++i) {
        if (strcmp(param_names[i], name) == 0) return i;
    }
    return -1;
}

int name_ok(const char *) { return 1; }

int scan_body(const char *opener, int mode)
{
    const int closer = closer_of(opener[0]);
    if (closer == 0 || opener[0] == '<') {
        log_printf("scan_body: opener(%s)\n", opener);
        anal_fatal(22);
    }
    const int start_line = cur_line;
    int depth = 0;
    bool glued = false;
    echo(mode, "●");
    for (;;) {
        if (tree_mode && opener[0] == '{' && is_one(cur_token, '(')) record_call();
        if (is_one(cur_token, opener[0])) {
            ++depth;
            if (!opt_r && opener[0] == '(' && depth >= 2 && classify_name(prev_token) != 0) {
                set_line_mark(prev_token_at, "□");
            }
            echo(mode, opener);
        } else if (is_one(cur_token, closer)) {
            --depth;
            if (mode >= 1) log_printf("%c", closer);
        } else {
            echo_token(mode, glued);
            if (tree_extract && opener[0] == '{') record_key_hit();
            if (lang_mode == lang_java && mode != 1 && classify_new() == 0) {
                if (mode == 3) {
                    code_printf("%s(%d):無名クラスの入れ子を検出しました\r\n", cur_file, cur_line);
                } else if (anonymous_class() < 0) {
                    return -1;
                }
            }
        }
        if (depth < 1) return 0;
        glued = is_one(cur_token, opener[0]) || is_one(cur_token, ',') || is_one(cur_token, ';');
        if (!opt_r || tree_mode || tree_extract) {
            copy_bounded(prev_token, sizeof prev_token, cur_token);
            prev_token_at = cur_line;
        }
        if (read_on() == -1) {
            code_printf("%s (%d):E131313 EOFを検出しました、括弧の対応が取れていないと思われます\r\n",
                        cur_file, start_line);
            return -1;
        }
    }
}
