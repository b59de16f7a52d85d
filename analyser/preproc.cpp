// The preprocessor: directives, the #define table, the #if stack, inactive
// lines and regions, and the reader state that look-ahead saves.
#include "analyser/preproc.h"

#include <cstdio>
#include <cstring>

#include "analyser/anal_host.h"
#include "analyser/anal_inputs.h"
#include "analyser/includes.h"
#include "analyser/nesting.h"
#include "analyser/options.h"
#include "analyser/range_labels.h"
#include "analyser/report.h"
#include "analyser/search_keys.h"
#include "analyser/source_load.h"
#include "shell/sjis.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "shell/trace_log.h"

define_rec define_tbl[define_cap];
int d_num;
define_rec define_snapshot[define_cap];
int snapshot_num;
if_level if_stack[if_stack_cap];
int if_depth;
int if_extra;

char **reader_lines;
int reader_count;
int line_index;
int column;
int cur_line;
int last_token_line;
int prev_token_line;
int pending_nl;
char cur_token[token_size];
int lex_pushback;
int lex_quote;
int lex_escape;
int lex_op;
int lex_op_char;

int inactive_labels_on;
int inactive_label_mode = 2;

namespace {

int inactive_first;
int inactive_last = -1;
reader_state saved_state;

bool in_block_comment() { return lex_op == op_comment || lex_op == op_comment_star; }

bool is_name_end(int c) { return c == '\0' || c == ' ' || c == '\t' || c == '/' || c == '(' || c == '\n'; }

const char *skip_blanks(const char *p)
{
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

void skip_line()
{
    ++line_index;
    column = 0;
    ++cur_line;
}

bool ends_in_continuation(const char *line)
{
    const size_t len = strlen(line);
    return len >= 2 && line[len - 2] == '\\' && line[len - 1] == '\n';
}

void flag_line(int flag) { set_line_class_flag(line_index, flag); }

// The position of a "//" or "/*" in the text, or null.
const char *find_comment(const char *p)
{
    for (; *p != '\0'; ++p) {
        if (p[0] == '/' && (p[1] == '/' || p[1] == '*')) return p;
    }
    return nullptr;
}

// The rest of a #define after its name: literals and one-line comments are
// stepped over; the reader stops at a "//" or at a "/*" not closed on the line.
const char *define_body_comment(const char *p)
{
    while (*p != '\0' && *p != '\n') {
        if (p[0] == '/' && p[1] == '/') return p;
        if (p[0] == '/' && p[1] == '*') {
            const char *close = strstr(p + 2, "*/");
            if (close == nullptr) return p;
            p = close + 2;
            continue;
        }
        if (*p == '"' || *p == '\'') {
            const char quote = *p++;
            while (*p != '\0' && *p != '\n' && *p != quote) {
                if (*p == '\\' && p[1] != '\0') ++p;
                else if (is_sjis_lead((unsigned char)*p) && p[1] != '\0') ++p;
                ++p;
            }
            if (*p == quote) ++p;
            continue;
        }
        ++p;
    }
    return nullptr;
}

void add_define(const char *text)
{
    const char *p = skip_blanks(text);
    if (d_num >= define_cap) {
        dev_printf("define変数が多過ぎますline(%d) d_num(%d) id(%s)\n", cur_line, d_num, p);
        return;
    }
    define_rec &rec = define_tbl[d_num];
    copy_word(rec.name, p, define_name_size);
    if (rec.name[0] == '\0') return;
    rec.line = line_index + 1;
    rec.mark = p[strlen(rec.name)] == '(';
    ++d_num;
}

// In a token-match reference run with a one-token key: the line of a
// directive about the key gets a hit mark.
void mark_define_hit(int index, const char *text)
{
    if (!opt_r || ref_down || search_key.tokens.count != 1) return;
    const char *p = skip_blanks(text);
    const size_t len = strlen(search_key.text);
    if (len == 0 || strncmp(p, search_key.text, len) != 0) return;
    if (is_name_end((unsigned char)p[len])) set_line_mark(index + 1, "●");
}

void push_level(const char *name, int kind)
{
    if (if_depth >= if_stack_cap) {
        ++if_extra;
        return;
    }
    if_level &level = if_stack[if_depth++];
    copy_word(level.name, name, define_name_size);
    level.count = d_num;
    level.kind = (char)kind;
    level.elif = 0;
}

void unmatched_endif(const char *line)
{
    dev_printf("〒 file(%s) is_num(%d) %d:%s", cur_file, if_depth, line_index + 1, line);
    FILE *fp = sys_fopen("vokerror.txt", "w");
    if (fp != nullptr) {
        fprintf(fp, "ファイル(%s)の%d行に対応しない#endifが見つかりました\n", cur_file, line_index + 1);
        fclose(fp);
    }
    code_printf("E343 ファイル(%s)の%d行目に対応しない#endifが見つかりました\r\n", cur_file,
                line_index + 1);
}

void close_level(const char *line)
{
    if (if_extra > 0) {
        --if_extra;
    } else if (if_depth == 0) {
        unmatched_endif(line);
    } else {
        if_stack[--if_depth].elif = 0;
    }
}

void interpret_directive(const char *line)
{
    const char *pos;
    char name[define_name_size];
    if (match_directive(line, "#define", 7, &pos) == 0) {
        if (!is_inactive()) {
            add_define(pos);
            mark_define_hit(line_index, pos);
        }
    } else if (match_directive(line, "#undef", 6, &pos) == 0) {
        if (!is_inactive()) delete_define(copy_word(name, skip_blanks(pos), define_name_size));
        mark_define_hit(line_index, pos);
    } else if (match_directive(line, "#ifdef", 6, &pos) == 0) {
        nest_open(line_index);
        push_level(copy_word(name, skip_blanks(pos), define_name_size), 1);
        mark_define_hit(line_index, pos);
    } else if (match_directive(line, "#ifndef", 7, &pos) == 0) {
        nest_open(line_index);
        push_level(copy_word(name, skip_blanks(pos), define_name_size), 0);
        mark_define_hit(line_index, pos);
    } else if (match_directive(line, "#if", 3, &pos) == 0) {
        nest_open(line_index);
        push_level(eval_if(pos) ? "" : "0", 1);
    } else if (match_directive(line, "#elif", 5, &pos) == 0) {
        nest_else(line_index);
        if (if_extra == 0 && if_depth > 0) if_stack[if_depth - 1].elif = 1;
    } else if (match_directive(line, "#else", 5, &pos) == 0) {
        nest_else(line_index);
        if (if_extra == 0 && if_depth > 0) {
            if_level &level = if_stack[if_depth - 1];
            level.kind = (char)(1 - level.kind);
            level.elif = 0;
        }
    } else if (match_directive(line, "#endif", 6, &pos) == 0) {
        nest_close(line_index);
        close_level(line);
    }
}

void add_inactive_line(int line)
{
    if (!inactive_labels_on) return;
    if (inactive_last >= 0 && line == inactive_last) return;
    if (inactive_last >= 0 && line == inactive_last + 1) {
        inactive_last = line;
        return;
    }
    add_inactive_range(1);
    inactive_first = inactive_last = line;
}

// Continues reading at a comment of the line, or skips the line.
int resume_at_comment(const char *line, const char *from)
{
    const char *comment = from != nullptr ? find_comment(from) : nullptr;
    if (comment == nullptr) {
        skip_line();
        return -2;
    }
    column = (int)(comment - line);
    return (unsigned char)line[column++];
}

// A directive line at column 0 (no block comment open): -2 when the line is
// done with, else the first character to hand out.
int directive_line()
{
    const char *line = reader_lines[line_index];
    flag_line(1);
    interpret_directive(line);
    const char *pos;
    const bool is_define = match_directive(line, "#define", 7, &pos) == 0;
    const bool is_include = match_directive(line, "#include", 8, &pos) == 0;
    const char *rest = skip_blanks(strchr(line, '#') + 1);
    while ((*rest >= 'a' && *rest <= 'z') || (*rest >= 'A' && *rest <= 'Z')) ++rest;
    while (ends_in_continuation(line)) {
        if (is_inactive()) add_inactive_line(cur_line);
        skip_line();
        if (line_index >= reader_count) return -2;
        line = reader_lines[line_index];
        rest = line;
        if (!is_blank_line(line)) flag_line(1);
    }
    if (is_inactive()) {
        add_inactive_line(cur_line);
        return resume_at_comment(line, rest);
    }
    add_inactive_range(1);
    if (is_include) add_include(line_index + 1, pos);
    if (!is_define) return resume_at_comment(line, rest);
    const char *p = skip_blanks(rest);
    while (!is_name_end((unsigned char)*p)) ++p;
    const char *comment = *p == '(' ? nullptr : define_body_comment(p);
    if (comment != nullptr) {
        column = (int)(comment - line);
        return (unsigned char)line[column++];
    }
    prev_token_line = last_token_line;
    last_token_line = cur_line;
    skip_line();
    return -2;
}

}  // namespace

int set_source_lines(int count)
{
    reset_reader();
    reader_lines = source_lines;
    reader_count = count;
    line_index = 0;
    column = 0;
    return 1;
}

int reset_reader()
{
    inactive_last = -1;
    inactive_labels_on = 0;
    if_depth = 0;
    if_extra = 0;
    line_index = 0;
    column = 0;
    cur_line = 0;
    last_token_line = 0;
    prev_token_line = 0;
    pending_nl = 0;
    lex_pushback = 0;
    lex_quote = 0;
    lex_escape = 0;
    lex_op = op_none;
    lex_op_char = 0;
    cur_token[0] = '\0';
    return 0;
}

int pp_getc()
{
    for (;;) {
        if (line_index >= reader_count) return -1;
        const char *line = reader_lines[line_index];
        if (column > 0 && line[column] == '\0') {
            ++line_index;
            column = 0;
            continue;
        }
        if (column > 0) return (unsigned char)line[column++];
        if (in_block_comment()) {
            if (is_line_inactive()) {
                add_inactive_line(cur_line + pending_nl);
                if (!is_blank_line(line)) flag_line(2);
            }
            if (line[0] == '\0') {
                ++line_index;
                continue;
            }
            return (unsigned char)line[column++];
        }
        if (strncmp(line, "IMPLEMENT_", 10) == 0) {
            skip_line();
            continue;
        }
        if (first_nonblank(line) == '#') {
            const int c = directive_line();
            if (c == -2) continue;
            return c;
        }
        if (if_depth >= 1 && is_line_inactive()) {
            add_inactive_line(cur_line);
            if (is_blank_line(line)) {
                skip_line();
                continue;
            }
            flag_line(2);
        }
        if (line[0] == '\0') {
            ++line_index;
            continue;
        }
        return (unsigned char)line[column++];
    }
}

// #define table.

int take_define_snapshot()
{
    memcpy(define_snapshot, define_tbl, sizeof(define_rec) * d_num);
    snapshot_num = d_num;
    return 0;
}

int restore_defines()
{
    memcpy(define_tbl, define_snapshot, sizeof(define_rec) * snapshot_num);
    d_num = snapshot_num;
    return 0;
}

int read_env_defines(const char *file)
{
    const char *p = stacks_lookup('v', view_name());
    if (strncmp(p, "■", 2) == 0 || strncmp(p, "●", 2) == 0) {
        log_printf("環境変数の定義ファイル(%s)が見つかりません\n", file);
        return 1;
    }
    for (;;) {
        while (*p == ' ' || *p == '\t') ++p;
        if (*p == '\0' || *p == '\n') break;
        if (d_num >= define_cap) {
            log_printf("環境変数の定義が多過ぎます(%d)\n", d_num);
            break;
        }
        define_rec &rec = define_tbl[d_num++];
        copy_word(rec.name, p, define_name_size);
        rec.line = -1;
        rec.mark = 0;
        p += strcspn(p, "\t\n");
        if (*p != '\0') ++p;
    }
    return 0;
}

int load_env_defines(const char *file)
{
    d_num = 0;
    if (file[0] != '\0') read_env_defines(file);
    return take_define_snapshot();
}

int get_define_num() { return d_num; }

char *copy_word(char *dst, const char *src, int limit)
{
    int n = 0;
    while (n < limit - 1 && !is_name_end((unsigned char)src[n])) {
        dst[n] = src[n];
        ++n;
    }
    dst[n] = '\0';
    return dst;
}

char *copy_limited(char *dst, const char *src, int limit)
{
    int n = 0;
    while (n < limit - 1 && src[n] != '\0') {
        dst[n] = src[n];
        ++n;
    }
    dst[n] = '\0';
    return dst;
}

const char *copy_field(char *dst, const char *src, int limit)
{
    int n = 0;
    const char *p = src;
    while (*p != '\0' && !chr_in_str((unsigned char)*p, "\t,;/(\n")) {
        if (n < limit - 1) dst[n++] = *p;
        else break;
        ++p;
    }
    dst[n] = '\0';
    return *p == ',' || *p == ';' ? p + 1 : p;
}

int define_missing_before(const char *name, int n)
{
    if (n > d_num) n = d_num;
    for (int i = 0; i < n; ++i) {
        if (strcmp(define_tbl[i].name, name) == 0) return 0;
    }
    return 1;
}

int define_missing(const char *name) { return define_missing_before(name, d_num); }

int is_defined_mark(const char *name)
{
    for (int i = 0; i < d_num; ++i) {
        if (strcmp(define_tbl[i].name, name) == 0 && define_tbl[i].mark == 1) return 1;
    }
    return 0;
}

int delete_define(const char *name)
{
    int kept = 0;
    for (int i = 0; i < d_num; ++i) {
        if (strcmp(define_tbl[i].name, name) != 0) {
            define_tbl[kept++] = define_tbl[i];
            continue;
        }
        for (int k = 0; k < if_depth; ++k) {
            if (i < if_stack[k].count) --if_stack[k].count;
        }
    }
    d_num = kept;
    return 0;
}

// Lines and directives.

int match_directive(const char *line, const char *directive, int length, const char **pos)
{
    const char *p = skip_blanks(line);
    if (*p != '#') return 1;
    p = skip_blanks(p + 1);
    if (strncmp(p, directive + 1, (size_t)(length - 1)) != 0) return 1;
    *pos = p + length - 1;
    return 0;
}

int first_nonblank(const char *line) { return (unsigned char)*skip_blanks(line); }

int is_blank_line(const char *line)
{
    for (const char *p = line; *p != '\0'; ++p) {
        if (!chr_in_str((unsigned char)*p, " \t\r\n")) return 0;
    }
    return 1;
}

int eval_if_term(const char *term)
{
    if (term[0] == '0') return 0;
    const bool negated = term[0] == '!';
    const char *p = negated ? term + 1 : term;
    if (strncmp(p, "defined(", 8) != 0) return 1;
    p += 8;
    if (!((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z') || *p == '_')) return 1;
    char name[define_name_size];
    int n = 0;
    while ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z') || (*p >= '0' && *p <= '9') || *p == '_') {
        if (n < define_name_size - 1) name[n++] = *p;
        ++p;
    }
    name[n] = '\0';
    if (*p != ')' || (p[1] != '\0' && !chr_in_str((unsigned char)p[1], " \t\n"))) return 1;
    const int found = define_missing(name) == 0;
    return negated ? !found : found;
}

namespace {

const char *read_term(const char *p, char *term, int size)
{
    int n = 0;
    while (*p != '\0' && !chr_in_str((unsigned char)*p, " \t\n&|/")) {
        if (n < size - 1) term[n++] = *p;
        ++p;
    }
    term[n] = '\0';
    return p;
}

}  // namespace

int eval_if(const char *text)
{
    const char *p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n') ++p;
    if (*p == '\0' || *p == '/') return 1;
    char term[256];
    p = read_term(p, term, sizeof term);
    int value = eval_if_term(term);
    for (;;) {
        p = skip_blanks(p);
        if (*p == '\0' || *p == '\n' || *p == '/') break;
        char op[8];
        int n = 0;
        while (*p == '&' || *p == '|') {
            if (n < 7) op[n++] = *p;
            ++p;
        }
        op[n] = '\0';
        p = skip_blanks(p);
        if (*p == '\0' || *p == '\n' || *p == '/') break;
        p = read_term(p, term, sizeof term);
        const int next = eval_if_term(term);
        if (strcmp(op, "&&") == 0) value = value && next;
        else if (strcmp(op, "||") == 0) value = value || next;
    }
    return value;
}

int is_inactive()
{
    for (int i = 0; i < if_depth; ++i) {
        const if_level &level = if_stack[i];
        if (level.elif) return 1;
        const bool found = define_missing_before(level.name, level.count) == 0;
        if (level.kind == 0 && (level.name[0] == '\0' || found)) return 1;
        if (level.kind == 1 && level.name[0] != '\0' && !found) return 1;
    }
    return 0;
}

int is_line_inactive()
{
    const char *pos;
    const int saved = d_num;
    if (line_index < reader_count && d_num > 0 && match_directive(reader_lines[line_index], "#define", 7, &pos) == 0)
        --d_num;
    const int result = is_inactive();
    d_num = saved;
    return result;
}

int add_inactive_range(int close)
{
    if (!close || inactive_last < 0) return 0;
    char text[range_text_size];
    if (inactive_label_mode == 1) {
        format_text(text, sizeof text, "無効文(%d～%d)", inactive_first + 2, inactive_last + 1);
        add_range_label(inactive_first + 1, inactive_last + 2, text);
    } else {
        format_text(text, sizeof text, "無効文(%d～%d)", inactive_first + 1, inactive_last);
        add_range_label(inactive_first, inactive_last + 1, text);
    }
    inactive_last = -1;
    return 0;
}

// Reader state.

int save_reader_state_to(reader_state *state)
{
    state->d_num = d_num;
    state->if_depth = if_depth;
    state->if_extra = if_extra;
    for (int i = 0; i < if_depth; ++i) {
        memcpy(state->levels[i].name, if_stack[i].name, sizeof if_stack[i].name);
        state->levels[i].kind = if_stack[i].kind;
        state->levels[i].count = if_stack[i].count;
    }
    state->line_index = line_index;
    state->column = column;
    state->cur_line = cur_line;
    state->last_token_line = last_token_line;
    state->prev_token_line = prev_token_line;
    state->pending_nl = pending_nl;
    copy_limited(state->token, cur_token, saved_token_size);
    state->pushback = lex_pushback;
    state->quote = lex_quote;
    state->escape = lex_escape;
    state->op = lex_op;
    state->op_char = lex_op_char;
    return 0;
}

int load_reader_state_from(const reader_state *state)
{
    if (state->d_num < d_num) d_num = state->d_num;
    if_depth = state->if_depth;
    if_extra = state->if_extra;
    for (int i = 0; i < if_depth; ++i) {
        memcpy(if_stack[i].name, state->levels[i].name, sizeof if_stack[i].name);
        if_stack[i].kind = state->levels[i].kind;
        if_stack[i].count = state->levels[i].count;
    }
    line_index = state->line_index;
    column = state->column;
    cur_line = state->cur_line;
    last_token_line = state->last_token_line;
    prev_token_line = state->prev_token_line;
    pending_nl = state->pending_nl;
    copy_limited(cur_token, state->token, saved_token_size);
    lex_pushback = state->pushback;
    lex_quote = state->quote;
    lex_escape = state->escape;
    lex_op = state->op;
    lex_op_char = state->op_char;
    return 0;
}

int save_reader_state() { return save_reader_state_to(&saved_state); }

int restore_reader_state() { return load_reader_state_from(&saved_state); }
