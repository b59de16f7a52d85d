// The interpreter's global tables, settings and the functions that share them.
#ifndef VOK_CALC_CALC_TABLES_H
#define VOK_CALC_CALC_TABLES_H

#include <cstdint>
#include <cstdio>

#include "calc/calc_codes.h"
#include "calc/calc_host.h"

// ---- capacities -----------------------------------------------------------
const int calc_tok_max = 2000;
const int calc_node_max = 4000;
const int calc_var_max = 256;
const int calc_num_max = 2000;      // number constants (one per token at most)
const int calc_str_max = 100;
const int calc_str_len = 100;
const int calc_ext_max = 2000;      // external-function names
const int calc_ext_len = 16;
const int calc_label_max = 2000;
const int calc_label_len = 11;
const int calc_gvar_max = 100;
const int calc_gvar_len = 10;
const int calc_decl_max = 256;
const int calc_work_max = 100;
const int calc_reg_max = 101;
const int calc_line_size = 10000;   // one read of a line
const int calc_msg_size = 2048;
const int calc_stack_max = 100;
const int calc_level_max = 64;      // levels of one item walk
const int calc_repeat_limit = 1000000000;
// The largest repeat estimate that is executed (F906 above it): calc_program_start
// sets calc_repeat_limit; a caller that must bound the run lowers it after that.
extern double calc_repeat_cap;

// ---- tokens ---------------------------------------------------------------
struct calc_token {
    char type;
    int line;
    int col;       // zero-based source column
    int index;
    int pair[2];
    unsigned char argdepth;
    unsigned char array_flag;
};
extern calc_token calc_tok[calc_tok_max];
extern int calc_tok_num;          // tokens counted (may exceed the table)

// ---- nodes ----------------------------------------------------------------
struct calc_node {
    int link;
    char type;
    unsigned char kind;
    unsigned char warn;
    unsigned char flag2;
    int tok;
    int child;
    uint16_t code;
    uint16_t nchild;
    int offset;    // index offset of an argument, or a parameter position
    int argn;
};
extern calc_node calc_node_tab[calc_node_max];
extern int calc_node_num;

// ---- variables ------------------------------------------------------------
struct calc_var {
    int link;
    int idx_mark;
    unsigned char declared;
    unsigned char kind;
    char letter;
    int nidx;          // number of indexes (-1 unknown)
    int size;          // largest n of a size form
    int total;         // total size recorded by the first indexed use
    int total_tok;     // token of that use
    int sep_args;      // arguments before "):(" (-1 none)
    double value;
    double step;
    int count;         // element count
    int title_fmt;     // string slots
    int title_mode;
    unsigned char title_flag;
    unsigned char qflag;
    unsigned char unit;
    int first_size_tok;
    int first_zd_tok;
    int decl;
    double *storage;
    long long cap;     // doubles in storage
    int stack[10];     // current index of each nesting as a loop variable
    int depth;
    int cursor;
    int dir;
    int saved_dir;
};
extern calc_var calc_var_tab[calc_var_max];
extern int calc_var_num;

// ---- declarations of MATRIX / IMATRIX heads ---------------------------------
struct calc_decl {
    unsigned char mkind;
    char letter;
    int nidx;
    int xn;
    int yn;
    int count;
    int tok;
};
extern calc_decl calc_decl_tab[calc_decl_max];
extern int calc_decl_num;

// ---- group variables ----------------------------------------------------------
struct calc_gvar {
    char code;
    char name[calc_gvar_len + 1];
    int len;
};
extern calc_gvar calc_gvar_tab[calc_gvar_max];
extern int calc_gvar_num;
extern char calc_gvar_codes[32];
extern unsigned char calc_col_width[calc_line_size];

// ---- side tables of the lexer ---------------------------------------------
extern double calc_num_tab[calc_num_max];
extern int calc_num_count;
extern char calc_str_tab[calc_str_max][calc_str_len + 1];

extern int calc_str_num;

// Node n of the tree, and the k-th child of node n.
inline calc_node &nd(int n) { return calc_node_tab[n]; }
inline int kid(int n, int k) { return nd(n).child + k; }

// The type of node n's token (0 without one), and the variable row its token
// names (-1 without one; var_of_node also tests the token's type).
inline int tok_type(int n) { return nd(n).tok >= 0 ? calc_tok[nd(n).tok].type : 0; }
inline int node_var(int n)
{
    const int t = nd(n).tok;
    if (t < 0) return -1;
    const int row = calc_tok[t].index;
    return row >= 0 && row < calc_var_num ? row : -1;
}

// 1 the first time a node's message is due (each node reports once), else 0.
inline int warn_once(int n)
{
    if (nd(n).warn) return 0;
    nd(n).warn = 1;
    return 1;
}

// The text of a string-literal leaf, or null for any other node.
inline const char *string_of(int node)
{
    if (node < 0 || node >= calc_node_num || nd(node).type != 't' || nd(node).tok < 0) return nullptr;
    const int slot = calc_tok[nd(node).tok].index;
    return slot >= 0 && slot < calc_str_num ? calc_str_tab[slot] : nullptr;
}
struct calc_ext {
    char name[calc_ext_len];
    int value;
};
extern calc_ext calc_ext_tab[calc_ext_max];
extern int calc_ext_num;
struct calc_label {
    char name[calc_label_len + 1];
    int link;
    int nlocal;
};
extern calc_label calc_label_tab[calc_label_max];
extern int calc_label_num;
extern int calc_reg_high;        // highest "$n" met in the run

// ---- work table -----------------------------------------------------------
struct calc_work {
    unsigned char kind;
    int16_t dim;
    int node;
    int xn;
    int yn;
    int count;
    double *data;
};
extern calc_work calc_work_tab[calc_work_max];
extern int calc_work_warns;
extern int calc_work_dumps;

// A row of the work table that holds a value.
inline int work_valid(int row) { return row >= 0 && row < calc_work_max && calc_work_tab[row].data != nullptr; }

// ---- run state and settings -----------------------------------------------
extern char calc_file[1024];
extern int calc_line_no;
extern char calc_line_buf[calc_line_size];
extern const char *calc_line_start;
extern char calc_err_code[8];
extern int calc_paren_depth;
extern int calc_brace_depth;
extern int calc_tabw;
extern char calc_msg[calc_msg_size];
extern char calc_fmt[calc_str_len + 1];
extern int calc_fmt_mode;
extern int calc_fmt_width;
extern int calc_dmode;
extern double calc_ep;
extern double calc_ep_saved;
extern int calc_nodump;
extern int prt_out_flag;
extern double calc_reg_tab[calc_reg_max];
extern int calc_kind_errs;
extern double calc_argstack[calc_stack_max];
struct calc_frame {
    int base;
    int argc;
    int top;
};
extern calc_frame calc_frames[calc_stack_max];
extern int calc_call_depth;
extern int calc_stack_top;
extern int calc_item_level;
extern int calc_sigma_level;
extern FILE *calc_excel_fp;
extern int calc_excel_blocked;   // "excel.csv" could not be deleted or opened

// ---- output helpers (hooks.cpp) ----------------------------------------------
int calc_out(const char *text);
int calc_printf(const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;
FILE *calc_hook_open(const char *name, const char *mode);

// ---- numbers and formats (numtext.cpp) ---------------------------------------
const char *calc_num_text(double x);
// The longest complex text (two numbers of "%f" with their signs) fits in
// calc_complex_size bytes; buf must hold that many.
const size_t calc_complex_size = 1024;
int complex_text(char *buf, double re, double im);
// Formats one double with a checked single-conversion format; inf and nan are
// written by the helper itself.
void fmt_double(char *buf, size_t size, const char *format, double x);
// A checked two-conversion format ("%s" then a double conversion) applied to a name and a value.
void fmt_name_double(char *buf, size_t size, const char *format, const char *name, double x);
int calc_to_int(double x);
// Conversions of a printf format: returns the count and the kind of each one
// ('d' double, 'i' int, 's' string) or -1 for a conversion not allowed.
int fmt_scan(const char *format, char *kinds, int max);
int fmt_conv_count(const char *text);
double calc_rand();
void calc_rand_seed(unsigned seed);

// ---- group variables (gvar.cpp) ----------------------------------------------
int gvar_def_line(const char *line);
int gvar_name_check(const char *name);
int gvar_add(int code, const char *name);
int gvar_sort();
const char *gvar_subst_line(const char *line);
const char *var_disp_name(int letter);
const char *var_row_name(int var);
int src_column(int pos);

// ---- lexer and keywords ----------------------------------------------------------
const char *lex_line();
void lex_reset_counters();
extern int calc_tok_col;
extern char calc_err_text[64];
int find_keyword(const char *name);
int kw_remap(int code);
// The name in the keyword table's row of a keyword code ("SIN" for kw_sin), or
// null for a code outside the table.
const char *kw_text(int code);
int is_func_keyword(const char *name);
const char *sym_keyword(const char *text);
const char *calc_skip_blanks(const char *text);
int var_find_or_add(int letter);
const char *ext_name(int slot);

// ---- syntax, checks and passes -----------------------------------------------------
int parse_tokens();
int check_blocks(int root);
int check_if_chain(int node);
const char *var_where_text(int var);
int check_inner_funcs(int node, int depth);
double count_repeats(int node, double factor, int flag);
int alloc_vars();
int free_vars();
int propagate_kinds(int node, int kind, int mode);
int link_nodes(int root);
int calc_link_pass3();
int check_op_kind(int node, int block);

// ---- run (run.cpp) ----------------------------------------------------------------
int calc_reset();
int calc_banner();
int calc_point(int node);

// ---- executor ---------------------------------------------------------------------
double eval_node(int node, int depth);
int assign_chain_value(int node, int target, double value, int depth);
int node_warn_once(int node);

// ---- output statements ----------------------------------------------------------------
int exec_prt(int node, int depth, int dir);
int prt_value(int item);
// The current index of the innermost level of the walk, with its step.
int item_current(int *step);
int excel_csv_start();
int excel_csv_finish();
FILE *excel_open_append();
int prt_items(int item, int step, int last, int body, int level, int depth, int dir);
int set_item_dirs(int first, int count, int value, int mode);
int prt_item_edge(int x, int item);
int exec_title(int node);
int check_title_fmt(const char *format, int var);
int fmt_has_two(const char *format);
int hyper_text(char *buf, size_t size, const double *comp, int n);
int title_text(char *buf, size_t size, int var, int x);
int item_var(int item);
// The table line being built (grows as needed).
void table_line_clear();
void table_line_append(const char *text);
int table_line_empty();
int table_line_write();
// Appends one cell: "%*s" in the cell width, after a TAB unless the line is empty.
void table_line_cell(const char *text, int width);
int title_is_named(int var);
int set_table_var(int var);

// ---- READ / IREAD ---------------------------------------------------------------------
int exec_read(int count, int first);
const char *node_var_name(int node);

// ---- work table (work.cpp) -----------------------------------------------------------
int work_alloc(int node, int dim, int xn, int yn);
int work_free(int row);
int work_dump();
int work_transpose(int row);
int work_negate(int row);
int work_import_var(int node);
int work_store(int row, int node);
int var_storage(int node, int var, int kind);
int var_fill_steps(int var);
int work_is_1x1(int row);
int work_parts(int row_a, int row_b, double *parts);
int node_line(int node);
int node_column(int node);
int is_plain_var_node(int node);
int is_fn_var_node(int node);
int var_node_kind(int node);
int index_offset_node(int node);
const char *op_text(int node);
int op_fail_msg(int node);
int var_of_node(int node);
int elem_doubles(int kind);

// ---- references (refs.cpp) -------------------------------------------------------------
double *ref_var(int node, int frame);
double ref_array(int node, int frame, int *kind_out, double *extra);
int table_lookup(int node);
double ref_extfunc(int node);
double call_inner_func(int node, int frame);
double scalar_factorial(double x);
double scalar_integer(double x);

// ---- typed arithmetic (typed_arith.cpp) -------------------------------------------------
// Component k of element e of a row, read by the row's own kind (0 past it).
double work_comp(int row, int e, int k);
int work_add(int node, int row_a, int row_b);
int work_sub(int node, int row_a, int row_b);
int work_mul(int node, int row_a, int row_b);
int work_div(int node, int row_a, int row_b);
int work_pow(int node, int row);
int assign_chain(int node, int target, int row, int depth);
double work_compare(int row_a, int row_b);
void quaternion_product(const double *a, const double *b, double *r);
void octonion_product(const double *a, const double *b, double *r);

// ---- typed evaluator (typed_eval.cpp) ----------------------------------------------------
int eval_typed(int node);

// ---- built-ins on typed values (builtins.cpp) --------------------------------------------
int work_argument(int node, int row);
int work_real(int node, int row);
int work_imaginary(int node, int row);
int work_abs(int node, int row);
int work_sin(int node, int row);
int work_cos(int node, int row);
int work_sqrt(int node, int row);
int work_exp(int node, int row);
int work_log(int node, int row);
int work_quarter(int node);
int work_octal(int node);
int work_complex(int node);
double argument_scalar(int node, int row);
double real_scalar(int node, int row);
double imaginary_scalar(int node, int row);
double iabs_scalar(int node, int row);
double norm_scalar(int node, int row);
double onorm_scalar(int node, int row);
double element_scalar(int node, int row, int k);
double oelement_scalar(int node, int row, int k);

// ---- Dirac matrices, combinations and reductions (dirac.cpp) ----------------------------
int work_gamma(int node);
int work_sum(int node);
int work_slash(int node);
int work_minkowski(int node);
int work_comb(int node, int b);
int work_ga3(int node);
int work_vector_product(int node);
int work_tr(int node, int row);
int work_det(int node, int row);
double tr_scalar(int node, int row);
double det_scalar(int node, int row);

// ---- SIGMA (sigma.cpp) ------------------------------------------------------------------------
const int calc_sigma_max = 64;
double sigma_sum(int node, int depth, int mode);
int sigma_sum_typed(int node, int depth, int mode);
int sigma_step(int first);
int sigma_step_typed(int first);
// The saved direction slot of the SIGMA level in progress (dirs_sigma_save and dirs_sigma_restore).
int *sigma_dir_slot();

// ---- TRACE and ITRACE (trace.cpp) ---------------------------------------------------------
int exec_trace(int node, int depth);
int exec_itrace(int node, int depth);

// ---- diagnostic statements (diag.cpp) -----------------------------------------------------
int exec_vprt();
int vprt_tables();
int exec_tprt(int node, int level);
int tprt_indent(char *buf, size_t size, int count, char mark);
int exec_other();

// ---- MKMATRIX and MKVECTOR (mkmatrix.cpp) --------------------------------------------------
int mkmatrix_real(int node);
int mkvector_real(int node);

#endif
