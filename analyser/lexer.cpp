// The token reader: a character at a time, through the character classes,
// with literal, comment and operator states that look-ahead saves.
#include "analyser/lexer.h"

#include <cstdio>
#include <cstring>

#include "analyser/preproc.h"
#include "analyser/report.h"
#include "analyser/source_load.h"
#include "analyser/startup_tables.h"
#include "shell/sjis.h"
#include "shell/text.h"

namespace {

const char *const op_pairs[] = {"/*", "++", "--", "//", "&&", "||", "::", "->", "+=", "-=", "*=", "/=", "%=",
                                "&=", "|=", "^=", "!=", "==", "<>", "<<", ">>", "<=", ">=", "<<=", ">>="};

int token_len;
bool last_stored;  // the last append fitted into the token

void append(int c)
{
    last_stored = token_len < token_size - 1;
    if (last_stored) cur_token[token_len++] = (char)c;
    cur_token[token_len] = '\0';
}

// n bytes appended as append would take them one at a time.
void append_span(const char *text, int n)
{
    if (n <= 0) return;
    const int room = token_size - 1 - token_len;
    const int stored = n < room ? n : room;
    memcpy(cur_token + token_len, text, (size_t)stored);
    token_len += stored;
    cur_token[token_len] = '\0';
    last_stored = n <= room;
}

void drop_last(int n)
{
    token_len = token_len >= n ? token_len - n : 0;
    cur_token[token_len] = '\0';
}

bool is_pair(int o, int c)
{
    for (const char *pair : op_pairs) {
        if (pair[0] == o && pair[1] == c) return true;
    }
    return false;
}

int cls(int c) { return char_class[c & 0xFF]; }

// Sets a flag of the current line's class unless it is set already (most
// characters of a comment, most tokens of a line).
void flag_class(int flag)
{
    if (line_index >= 0 && line_index <= line_cap && (line_class[line_index] & flag) == flag) return;
    set_line_class_flag(line_index, flag);
}

void unclosed_literal()
{
    code_printf("%s(%d):行に閉じていない[%c]が存在します\r\n", cur_file, line_index + 1, lex_quote);
}

// One character inside a literal: 1 when the token ends.
int literal_char(int c)
{
    if (c == '\n') ++pending_nl;
    if (lex_escape == '\\') {
        // a backslash before the line end continues the literal on the next line
        if (c == '\n') {
            if (last_stored) drop_last(1);
        } else {
            append(c);
        }
        lex_escape = c == '\\' ? 0 : c;
        return 0;
    }
    append(c);
    if (lex_escape == 999) {
        lex_escape = 0;
        return 0;
    }
    if (is_sjis_lead(c)) {
        lex_escape = 999;
        return 0;
    }
    if (c == lex_quote) {
        lex_quote = 0;
        lex_escape = 0;
        return 1;
    }
    if (c == '\n') {
        drop_last(1);
        unclosed_literal();
        lex_quote = 0;
        lex_escape = 0;
        return 1;
    }
    lex_escape = c;
    return 0;
}

// A "//" comment: the token "/*", the rest of the line skipped.
void line_comment()
{
    if (line_index < reader_count) {
        const char *line = reader_lines[line_index];
        if (column == 2 && strlen(line) > 3 && line[3] == '/') {
            prev_token_line = last_token_line;
            last_token_line = cur_line - 1;
        }
    }
    set_line_class_flag(line_index, 4);
    ++line_index;
    column = 0;
    ++pending_nl;
}

// One character inside a block comment: 1 when the comment closes.
int comment_char(int c)
{
    append(c);
    if (lex_op == op_comment_star && c == '/') {
        lex_op = op_none;
        return 1;
    }
    if (c == '\n') ++pending_nl;
    else if (c != ' ' && c != '\t' && c != '\r') flag_class(4);
    lex_op = c == '*' ? op_comment_star : op_comment;
    return 0;
}

// The rest of the current line as far as the reader may run through it
// without pp_getc: null when the reader stands at a line's start or end.
const char *line_rest()
{
    if (column <= 0 || line_index >= reader_count) return nullptr;
    return reader_lines[line_index] + column;
}

// After a word character: the word characters that follow it in the line,
// appended as the loop would append them one at a time.
void word_run()
{
    const char *p = line_rest();
    if (p == nullptr) return;
    const char *start = p;
    while (*p != '\0' && cls((unsigned char)*p) == 0) ++p;
    append_span(start, (int)(p - start));
    column += (int)(p - start);
}

// Inside a literal, after a character that leaves no escape pending: the
// plain characters that follow in the line (none of a backslash, the quote,
// a line feed or a lead byte), taken as literal_char takes them.
void literal_run()
{
    if (lex_quote == 0 || lex_escape == '\\' || lex_escape == 999) return;
    const char *p = line_rest();
    if (p == nullptr) return;
    const char *start = p;
    for (; *p != '\0' && *p != '\\' && *p != lex_quote && *p != '\n' && !is_sjis_lead((unsigned char)*p); ++p) {
    }
    if (p == start) return;
    append_span(start, (int)(p - start));
    lex_escape = (unsigned char)p[-1];
    column += (int)(p - start);
}

// Blanks between tokens: skipped as far as the line goes.
void blank_run()
{
    const char *p = line_rest();
    if (p == nullptr) return;
    const char *start = p;
    while (*p == ' ' || *p == '\t') ++p;
    column += (int)(p - start);
}

// Inside a block comment after a character other than "*": the characters
// up to the next "*" or line end in the line, taken as comment_char takes them.
void comment_run()
{
    const char *p = line_rest();
    if (p == nullptr) return;
    const char *start = p;
    bool seen = false;  // a character other than a blank
    for (; *p != '\0' && *p != '*' && *p != '\n'; ++p) {
        if (*p != ' ' && *p != '\t' && *p != '\r') seen = true;
    }
    append_span(start, (int)(p - start));
    if (seen) flag_class(4);
    column += (int)(p - start);
}

int first_char()
{
    if (lex_pushback == 0) return pp_next();
    int c = lex_pushback;
    lex_pushback = 0;
    if (c == '\n') {
        ++cur_line;
        c = pp_next();
    }
    return c;
}

// The end of the input: -1, or the collected token with -1 pushed back.
int end_of_input()
{
    lex_op = op_none;
    lex_quote = 0;
    if (token_len == 0) return -1;
    lex_pushback = -1;
    return is_comment_token() ? 0 : 1;
}

// A character after an operator character: -2 to go on, else the result.
int operator_char(int c)
{
    switch (lex_op) {
    case op_slash:
        if (c == '*') {
            append(c);
            lex_op = op_comment;
            set_line_class_flag(line_index, 4);
            return -2;
        }
        lex_op = op_none;
        if (c == '/') {
            append('*');
            line_comment();
            return 0;
        }
        if (cls(c) == 3) {
            append(c);
            return 1;
        }
        if (c == '\n') ++pending_nl;
        else lex_pushback = c;
        return 0;
    case op_pair:
        lex_op = op_none;
        if (c == '=') append(c);
        else lex_pushback = c;
        return 1;
    case op_equal:
        lex_op = op_none;
        if (c == '=') append(c);
        else lex_pushback = c;
        return 1;
    default:  // op_pending
        if (cls(c) == 3 && is_pair(lex_op_char, c)) {
            append(c);
            lex_op = op_pair;
            return -2;
        }
        lex_op = op_none;
        lex_pushback = c;
        return 1;
    }
}

void start_operator(int c)
{
    append(c);
    lex_op_char = c;
    lex_op = c == '/' ? op_slash : c == '=' ? op_equal : op_pending;
}

}  // namespace

int tokenize()
{
    cur_line += pending_nl;
    pending_nl = 0;
    token_len = 0;
    cur_token[0] = '\0';
    lex_op = op_none;
    int c = first_char();
    for (;; c = pp_next()) {
        if (c == -1) return end_of_input();
        if (lex_quote != 0) {
            if (literal_char(c)) return 1;
            literal_run();
            continue;
        }
        if (lex_op == op_comment || lex_op == op_comment_star) {
            if (comment_char(c)) return 0;
            if (lex_op == op_comment) comment_run();
            continue;
        }
        if (lex_op != op_none) {
            const int r = operator_char(c);
            if (r != -2) return r;
            continue;
        }
        const int k = cls(c);
        if (k == 5) {
            append(c);
            lex_quote = c;
            lex_escape = 0;
            literal_run();
        } else if (k == 0) {
            append(c);
            word_run();
        } else if (token_len > 0) {
            if (k != 4) lex_pushback = c;
            return 1;
        } else if (c == '\n') {
            ++cur_line;
        } else if (k == 1 || k == 2) {
            append(c);
            return 1;
        } else if (k == 3) {
            start_operator(c);
        } else if (k == 4) {
            blank_run();
        }
    }
}

int is_comment_token() { return cur_token[0] == '/' && cur_token[1] == '*'; }

bool is(const char *token) { return strcmp(cur_token, token) == 0; }

bool starts_name(const char *text)
{
    const char c = text[0];
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

int next_token()
{
    for (;;) {
        const int r = tokenize();
        if (cur_token[0] == '\r') return r;
        if (r == -1) return -1;
        if (!is_comment_token()) flag_class(8);
        if (line_index < reader_count && (line_class[line_index] & 2) != 0) continue;
        if (r == 1) {
            prev_token_line = last_token_line;
            last_token_line = cur_line;
        }
        return r;
    }
}

namespace {

int next_real_token(const char *code)
{
    int r;
    do {
        r = next_token();
    } while (r != -1 && is_comment_token());
    if (r == -1) report_eof(code);
    return r;
}

}  // namespace

int next_name()
{
    for (;;) {
        int r = next_real_token("E2071");
        if (r == -1) return -1;
        if (strcmp(cur_token, "COMMMSTVEXPORT") == 0 || strcmp(cur_token, "_CRTIMP") == 0) {
            r = next_real_token("E2072");
            if (r == -1) return -1;
        }
        reader_state state;
        save_reader_state_to(&state);
        if (next_token() == 1 && strcmp(cur_token, ".") == 0) continue;
        load_reader_state_from(&state);
        return r;
    }
}

int stmt_line() { return prev_token_line + 1 < cur_line ? prev_token_line + 1 : cur_line; }

const char *num_fill(int number, int n, int fill)
{
    static char buf[16];
    if (n > 10) n = 10;
    if (n < 0) n = 0;
    char all[32];
    snprintf(all, sizeof all, "%10d", number);
    const size_t len = strlen(all);
    copy_bounded(buf, sizeof buf, all + (len > (size_t)n ? len - n : 0));
    for (char *p = buf; *p == ' '; ++p) *p = (char)fill;
    return buf;
}
