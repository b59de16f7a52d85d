// The calculation run: reset, the two passes over the file, the whole-file
// checks and the stages up to execution and the finishing of "excel.csv".
#include <cstring>
#include <ctime>

#include "calc/calc_tables.h"
#include "shell/sjis.h"
#include "shell/sysfile.h"
#include "shell/text.h"

#ifndef VOK_COMMIT_DATE
#define VOK_COMMIT_DATE "unknown"
#endif

const char calc_program_name[] = "VOKTAVIR Ornak計算言語";
const char calc_build_date[] = VOK_COMMIT_DATE;

char calc_file[1024];
int calc_line_no;
char calc_line_buf[calc_line_size];
const char *calc_line_start = calc_line_buf;
char calc_err_code[8];
int calc_paren_depth;
int calc_brace_depth;
int calc_tabw = 4;
char calc_msg[calc_msg_size];
double calc_reg_tab[calc_reg_max];
int calc_kind_errs;
double calc_repeat_cap = calc_repeat_limit;

namespace {

enum block_state { block_none, block_plain, block_skip };

int starts(const char *line, const char *word) { return strncmp(line, word, strlen(word)) == 0; }

// Sub-steps 1 to 4 of both passes: 1 ends the pass, 2 the line is done with,
// 0 the line goes on.
int block_step(const char *line, block_state *state)
{
    if (starts(line, "#FIN")) return 1;
    if (*state == block_plain) {
        if (starts(line, "#END")) {
            *state = block_none;
            return 2;
        }
        return 0;
    }
    if (*state == block_skip) {
        if (starts(line, "#END")) *state = block_none;
        return 2;
    }
    if (starts(line, "#COMMENT0")) {
        *state = block_plain;
        return 2;
    }
    if (starts(line, "#COMMENT") || starts(line, "#DATA")) {
        *state = block_skip;
        return 2;
    }
    return 0;
}

void read_tab_width(const char *line)
{
    const char *p = line + 4;
    for (;;) {
        if (*p == ' ' || *p == '\t') ++p;
        else if (p[0] == "　"[0] && p[1] == "　"[1]) p += 2;
        else break;
    }
    long n = 0;
    while (*p >= '0' && *p <= '9' && n < 1000) n = n * 10 + (*p++ - '0');
    if (n >= 1) calc_tabw = static_cast<int>(n);
}

// Feeds the lines that the blocks leave to on_line (line, line number, block
// state) up to "#FIN" or the end; stops at the first non-zero result.
int each_source_line(FILE *fp, int (*on_line)(const char *, int, block_state))
{
    static char line[calc_line_size];
    block_state state = block_none;
    int no = 0;
    while (read_line(line, sizeof line, fp) != nullptr) {
        ++no;
        const int step = block_step(line, &state);
        if (step == 1) break;
        if (step == 2) continue;
        const int rc = on_line(line, no, state);
        if (rc != 0) return rc;
    }
    return 0;
}

int definition_line(const char *line, int no, block_state state)
{
    if (state == block_none && starts(line, "#TAB")) {
        read_tab_width(line);
        return 0;
    }
    if (line[0] != '#') return 0;
    const int rc = gvar_def_line(line);
    if (rc == 0) return 0;
    calc_printf("F231 行番号(%d)の置き換え定義文に誤りがあります rtc(%d)\r\n", no, rc);
    return 2;
}

void print_lex_error(const char *err)
{
    const int pos = static_cast<int>(err - calc_line_buf) + 1;
    const int col = src_column(pos);
    const unsigned char c = static_cast<unsigned char>(*err);
    const char shown = c == 0 ? ' ' : static_cast<char>(c);
    if (strcmp(calc_err_code, "E111") == 0) {
        calc_printf("%s 行番号(%d)カラム位置(%d)の文字列(%s)が%d文字より大きい\r\n", calc_err_code, calc_line_no, col,
                    calc_err_text, calc_label_len);
        return;
    }
    for (int i = 0; i < calc_gvar_num; ++i) {
        if (c != 0 && calc_gvar_tab[i].code == static_cast<char>(c) && calc_gvar_tab[i].len > 1) {
            calc_printf("%s 行番号(%d)カラム位置(%d)の文字:%sに誤りがあります\r\n", calc_err_code, calc_line_no, col,
                        calc_gvar_tab[i].name);
            return;
        }
    }
    calc_printf("%s 行番号(%d)カラム位置(%d)の文字:%c(0x%02x)に誤りがあります\r\n", calc_err_code, calc_line_no, col,
                shown, static_cast<unsigned>(c));
}

// Source column of a position in the source line, counted from 1.
int source_col(const char *line, const char *at)
{
    int col = 1;
    for (const char *p = line; p < at && *p != '\0'; ++p) col += *p == '\t' ? calc_tabw : 1;
    return col;
}

int statement_line(const char *line, int no, block_state)
{
    calc_line_no = no;
    if (line[0] == '#') return 0;
    const char *bad = gvar_subst_line(line);
    if (bad != nullptr) {
        const int col = source_col(line, bad);
        if (is_kanji1(static_cast<unsigned char>(*bad))) {
            calc_printf("F811 行番号(%d)カラム位置(%d)の文字(%c%c) に誤りがあります\r\n", no, col, bad[0], bad[1]);
        } else {
            calc_printf("F812 行番号(%d)カラム位置(%d)の文字(%c) に誤りがあります\r\n", no, col,
                        bad[0] == '\0' ? ' ' : bad[0]);
        }
        return 3;
    }
    calc_line_start = calc_line_buf;
    const char *err = lex_line();
    if (err == nullptr) return 0;
    print_lex_error(err);
    return 4;
}

void clear_rows()
{
    for (calc_token &t : calc_tok) {
        t.type = 0;
        t.pair[0] = 0;
        t.pair[1] = 0;
        t.array_flag = 0;
    }
    for (calc_node &n : calc_node_tab) {
        n.kind = vk_plain;
        n.warn = 0;
        n.flag2 = 0;
        n.link = -1;
    }
    for (calc_var &v : calc_var_tab) v = calc_var();
    for (calc_work &w : calc_work_tab) w.data = nullptr;
    for (calc_label &l : calc_label_tab) l.nlocal = 0;
}

// Stages after the passes; returns the stage number or 0.
int run_stages()
{
    const int tokens = calc_tok_num;
    if (tokens >= calc_tok_max) {
        calc_printf("F960 文が長過ぎます cmdn(%d)\r\n", tokens);
        return 5;
    }
    calc_tok[tokens].type = 0;
    if (calc_paren_depth != 0) {
        calc_printf("F920 括弧 ( ) の対応が取れていません c(%d)\r\n", calc_paren_depth);
        return 6;
    }
    if (calc_brace_depth != 0) {
        calc_printf("F930 括弧 { } の対応が取れていません p(%d)\r\n", calc_brace_depth);
        return 7;
    }
    if (parse_tokens() != 0) return 8;
    const int root = calc_node_num - 1;
    if (check_blocks(root) != 0) {
        calc_printf("F900 構文に誤りがあります\r\n");
        return 9;
    }
    if (calc_node_tab[root].type != 'Z') {
        calc_printf("F903 構文に誤りがあります\r\n");
        return 10;
    }
    if (check_inner_funcs(root, 0) != 0) {
        calc_printf("F905 内部関数の引数が一致しません\r\n");
        return 11;
    }
    const double estimate = count_repeats(root, 1.0, 0);
    if (estimate > calc_repeat_cap) {
        calc_printf("F906 繰り返し回数(%.0f)が大き過ぎます、最大可能数(%.0f)\r\n", estimate, calc_repeat_cap);
        return 12;
    }
    calc_printf("F907 繰り返し回数は(%.0f)です、最大可能数(%.0f)\r\n", estimate, calc_repeat_cap);
    if (alloc_vars() != 0) {
        free_vars();
        calc_printf("F999 処理を中断します\r\n");
        return 13;
    }
    calc_kind_errs = 0;
    propagate_kinds(root, ctx_real, bm_none);
    if (calc_kind_errs > 0) {
        free_vars();
        calc_printf("F999 処理を中断します\r\n");
        return 14;
    }
    link_nodes(root);
    calc_link_pass3();
    eval_node(root, 0);
    free_vars();
    for (int r = 0; r < calc_work_max; ++r) work_free(r);
    return 0;
}

}  // namespace

void calc_program_start()
{
    calc_tabw = 4;
    calc_ep = 1e-6;
    for (double &r : calc_reg_tab) r = 0.0;
    calc_nodump = 1;
    calc_rand_seed(1);
    calc_repeat_cap = calc_repeat_limit;
}

int calc_reset()
{
    calc_tok_num = 0;
    calc_var_num = 0;
    calc_decl_num = 0;
    calc_ext_num = 0;
    calc_label_num = 0;
    calc_gvar_num = 0;
    calc_gvar_codes[0] = '\0';
    calc_paren_depth = 0;
    calc_brace_depth = 0;
    lex_reset_counters();
    calc_node_num = 0;
    calc_num_count = 0;
    calc_reg_high = 0;
    calc_call_depth = 0;
    calc_stack_top = 0;
    calc_sigma_level = 0;
    calc_item_level = 0;
    calc_work_warns = 0;
    calc_work_dumps = 0;
    calc_excel_blocked = 0;
    copy_bounded(calc_str_tab[0], sizeof calc_str_tab[0], "%s%d");
    copy_bounded(calc_str_tab[1], sizeof calc_str_tab[1], "set");
    calc_str_num = 2;
    copy_bounded(calc_fmt, sizeof calc_fmt, "%f");
    calc_fmt_mode = 0;
    calc_fmt_width = 10;
    calc_dmode = 1;
    calc_ep_saved = calc_ep;
    return 0;
}

int calc_banner()
{
    return calc_printf("%s %s\r\n", calc_program_name, calc_build_date);
}

// POINT reads its token and goes on.
int calc_point(int node)
{
    const int t = calc_node_tab[node].tok;
    return t >= 0 && t < calc_tok_max && calc_tok[t].col < 0 ? 1 : 0;
}

int run_calc_file(const char *path)
{
    const time_t start = time(nullptr);
    calc_reset();
    excel_csv_start();
    copy_bounded(calc_file, sizeof calc_file, path);
    clear_rows();
    FILE *fp = calc_hook_open(path, "r");
    if (fp == nullptr) return 1;
    calc_printf("ファイル(%s)の解析を開始します\r\n", path);
    int rc = each_source_line(fp, definition_line);
    fclose(fp);
    if (rc != 0) return rc;
    gvar_sort();
    fp = calc_hook_open(path, "r");
    if (fp == nullptr) return 1;
    rc = each_source_line(fp, statement_line);
    fclose(fp);
    if (rc != 0) return rc;
    rc = run_stages();
    if (rc != 0) return rc;
    excel_csv_finish();
    const long d = static_cast<long>(difftime(time(nullptr), start));
    calc_printf("計算時間 %ld時 %02ld分 %02ld秒\r\n", d / 3600, (d / 60) % 60, d % 60);
    return 0;
}
