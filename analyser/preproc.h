// The preprocessor: the character source of the lexer.  It hands out the
// characters of the loaded lines, interprets the directives at the start of
// each line, keeps the #define table and the #if stack, marks inactive lines
// and labels the inactive regions.  The reader state (preprocessor and
// lexer) is saved and restored whole for look-ahead.
#ifndef VOK_ANALYSER_PREPROC_H
#define VOK_ANALYSER_PREPROC_H

const int define_cap = 5000;
const int define_name_size = 100;
const int if_stack_cap = 20;
const int token_size = 20000;
const int saved_token_size = 256;

struct define_rec {
    char name[define_name_size];
    int line;   // 1-based line; -1 for an environment definition
    char mark;  // 1 function-like
};

struct if_level {
    char name[define_name_size];  // #if: "0" when false, else empty
    int count;                    // d_num when the level was opened
    char kind;                    // 1 #if and #ifdef, 0 #ifndef
    char elif;                    // 1 after an #elif of this level
};

// Lexer operator states.
enum lex_op_state {
    op_none,
    op_pending,   // an operator character waits
    op_slash,
    op_comment,
    op_comment_star,
    op_pair,      // a two-character operator is done
    op_equal
};

// Everything a look-ahead saves.
struct reader_state {
    int d_num;
    int if_depth;
    int if_extra;
    if_level levels[if_stack_cap];
    int line_index;
    int column;
    int cur_line;
    int last_token_line;
    int prev_token_line;
    int pending_nl;
    char token[saved_token_size];
    int pushback;
    int quote;
    int escape;
    int op;
    int op_char;
};

extern define_rec define_tbl[define_cap];
extern int d_num;
extern define_rec define_snapshot[define_cap];
extern int snapshot_num;

extern if_level if_stack[if_stack_cap];
extern int if_depth;
extern int if_extra;  // levels past the stack: counted, not stored

// Reader position and the lexer's state.
extern char **reader_lines;
extern int reader_count;
extern int line_index;
extern int column;
extern int cur_line;
extern int last_token_line;
extern int prev_token_line;
extern int pending_nl;
extern char cur_token[token_size];
extern int lex_pushback;   // 0 none; may hold -1 or a line feed
extern int lex_quote;      // quote of an open literal
extern int lex_escape;     // 0, the backslash, 999 after a lead byte, else the previous byte
extern int lex_op;         // lex_op_state
extern int lex_op_char;    // the pending operator character

extern int inactive_labels_on;
extern int inactive_label_mode;  // 2 flow runs, 1 the listing passes

int set_source_lines(int count);
int reset_reader();
// The next byte of the active source as the token reader sees it, or -1 at
// the end.
int pp_getc();
// pp_getc with its common case inline: the next byte of a line already begun.
inline int pp_next()
{
    if (column > 0 && line_index < reader_count) {
        const unsigned char c = (unsigned char)reader_lines[line_index][column];
        if (c != '\0') {
            ++column;
            return c;
        }
    }
    return pp_getc();
}

int load_env_defines(const char *file);
int read_env_defines(const char *file);
int restore_defines();
int take_define_snapshot();
int get_define_num();

char *copy_word(char *dst, const char *src, int limit);
char *copy_limited(char *dst, const char *src, int limit);
const char *copy_field(char *dst, const char *src, int limit);

int define_missing(const char *name);
int is_defined_mark(const char *name);
int define_missing_before(const char *name, int n);
int delete_define(const char *name);

int match_directive(const char *line, const char *directive, int length, const char **pos);
int first_nonblank(const char *line);
int is_blank_line(const char *line);
int eval_if(const char *text);
int eval_if_term(const char *term);
int is_inactive();
int is_line_inactive();
int add_inactive_range(int close);

int save_reader_state();
int restore_reader_state();
int save_reader_state_to(reader_state *state);
int load_reader_state_from(const reader_state *state);

#endif
