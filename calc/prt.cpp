// PRT, OUT and MPRT: function-form and variable-list tables on the output
// hook and in "excel.csv", and the final comma form of "excel.csv".
#include <cstring>
#include <vector>

#include "calc/calc_tables.h"
#include "shell/sysfile.h"
#include "shell/text.h"

FILE *calc_excel_fp;
int calc_excel_blocked;

namespace {

const char excel_name[] = "excel.csv";
const char excel_work[] = "excel.csvW";
int open_notice_done;

void excel_notice()
{
    if (open_notice_done) return;
    open_notice_done = 1;
    calc_out("★ファイル(excel.csv)を削除又は書き込み出来ません、この実行の表はexcel.csvに書き込みません\r\n");
}

int is_scalar_form(char t) { return chr_in_str(t, "zlhvdD"); }

// Lines that one variable-list item asks for.
int item_lines(int item)
{
    const char t = nd(item).type;
    if (t == 'A') return calc_reg_high + 1;
    if (t == 'F') return 1;
    if (is_scalar_form(t) && t != 'q') return 1;
    const int var = item_var(item);
    return var >= 0 ? calc_var_tab[var].count : 1;
}

void heading_text(int item, char *buf, size_t size)
{
    int base = item;
    if (nd(base).type == 'q' && nd(base).nchild > 0) base = kid(base, 0);
    const char t = nd(base).type;
    if (t == 'A') {
        snprintf(buf, size, "$");
        return;
    }
    if (t == 'D') {
        snprintf(buf, size, "$%d", calc_tok[nd(base).tok].index);
        return;
    }
    const int var = var_of_node(base);
    if (var < 0) {
        buf[0] = '\0';
        return;
    }
    const calc_var &v = calc_var_tab[var];
    const char *name = title_is_named(var) ? var_disp_name(v.letter) : "";
    if (t == 'd') snprintf(buf, size, "d%s", name);
    else if (t == 'z') snprintf(buf, size, "%s0", name);
    else if (t == 'h') snprintf(buf, size, "%s%d", name, calc_tok[nd(base).tok].pair[0]);
    else if (t == 'l') snprintf(buf, size, "%s%d", name, v.count - 1);
    else snprintf(buf, size, "%s", name);
}

double var_element(int var, long long x)
{
    const calc_var &v = calc_var_tab[var];
    const long long at = x * elem_doubles(v.kind);
    return v.storage != nullptr && x >= 0 && at < v.cap ? v.storage[at] : 0.0;
}

// The text of element r of a variable by its kind and title settings.
void element_text(int var, int r, char *buf, size_t size)
{
    const calc_var &v = calc_var_tab[var];
    const long long at = static_cast<long long>(r) * elem_doubles(v.kind);
    if (v.kind == vk_complex) {
        complex_text(buf, var_element(var, r), at + 1 < v.cap ? v.storage[at + 1] : 0.0);
        return;
    }
    if (v.kind == vk_quaternion || v.kind == vk_octonion) {
        double comp[8] = {0};
        for (int k = 0; k < v.kind && at + k < v.cap; ++k) comp[k] = v.storage[at + k];
        hyper_text(buf, size, comp, v.kind);
        return;
    }
    const char *mode = calc_str_tab[v.title_mode];
    const char *format = calc_str_tab[v.title_fmt];
    const int val = strcmp(mode, "val") == 0 || strcmp(mode, "VAL") == 0;
    const int seq = strcmp(mode, "seq") == 0 || strcmp(mode, "SEQ") == 0;
    const double value = var_element(var, r);
    char kinds[4];
    const int n = fmt_scan(format, kinds, 3);
    const bool fits = (val || seq) && (n == 0 || (n == 1 && kinds[0] == (val ? 'd' : 'i')) ||
                                       (n == 2 && kinds[0] == 's' && kinds[1] == (val ? 'd' : 'i')));
    if (!fits) {
        fmt_double(buf, size, calc_fmt, value);
    } else if (n == 2) {
        if (val) fmt_name_double(buf, size, format, var_disp_name(v.letter), value);
        else snprintf(buf, size, format, var_disp_name(v.letter), r);
    } else if (val) {
        fmt_double(buf, size, format, value);
    } else {
        snprintf(buf, size, format, r);
    }
}

// One cell of a variable-list line; returns 1 when it holds a value.
int list_cell(int item, int r, char *buf, size_t size)
{
    buf[0] = '\0';
    int base = item;
    const bool stepped = nd(base).type == 'q' && nd(base).nchild > 0;
    if (stepped) base = kid(base, 0);
    const char t = nd(base).type;
    if (t == 'A') {
        if (r >= calc_reg_high + 1 || r >= calc_reg_max) return 0;
        fmt_double(buf, size, calc_fmt, calc_reg_tab[r]);
        return 1;
    }
    if (is_scalar_form(t) && !stepped) {
        if (r != 0) return 0;
        fmt_double(buf, size, calc_fmt, ref_array(base, 0, nullptr, nullptr));
        return 1;
    }
    const int var = var_of_node(base);
    if (var < 0 || r >= calc_var_tab[var].count || !prt_item_edge(r, base)) return 0;
    element_text(var, r, buf, size);
    return 1;
}

int function_form(int node, int dir)
{
    const int f = nd(node).child;
    const calc_token &tk = calc_tok[nd(node).tok];
    const int var = var_of_node(f);
    if (var >= 0 && calc_var_tab[var].decl >= 0 && !nd(f).flag2) {
        calc_printf("F444 行番号(%d) カラム位置(%d)のMPRT PRT OUT 外部関数は行列要素の為、無効です\r\n", tk.line,
                    tk.col + 1);
        return 0;
    }
    calc_excel_fp = excel_open_append();
    table_lookup(f);
    const int items = nd(f).nchild;
    const int first = nd(f).child;
    const int last = first + items - 1;
    set_item_dirs(first, items, 1, dirs_save);
    set_table_var(var);
    const int n = nd(node).nchild;
    const int value = n == 1 ? f : n == 2 ? kid(node, 1) : -1;
    if (value >= 0) {
        if (dir > 0) {
            prt_items(first, 1, last, body_heading, 0, value, 1);
            prt_items(first, 1, last, body_prt_value, 0, value, 1);
        } else {
            prt_items(last, -1, first, body_heading, 0, value, 1);
            prt_items(last, -1, first, body_prt_value, 0, value, 1);
        }
    }
    if (calc_excel_fp != nullptr) fclose(calc_excel_fp);
    calc_excel_fp = nullptr;
    set_item_dirs(first, items, 1, dirs_restore);
    return 0;
}

int list_form(int node)
{
    table_lookup(node);
    const calc_token &tk = calc_tok[nd(node).tok];
    const int n = nd(node).nchild;
    int lines = 0;
    for (int k = 0; k < n; ++k) {
        const int item = kid(node, k);
        if (nd(item).type == 'M' || nd(item).type == 'X') {
            calc_printf("F234 行番号(%d) カラム位置(%d)のPRT文の指定に誤りがあります\r\n", tk.line, tk.col + 1);
            return 0;
        }
        const int c = item_lines(item);
        if (c > lines) lines = c;
    }
    int step = 1;
    if (n > 0 && nd(kid(node, 0)).type == 'q' && nd(kid(node, 0)).nchild >= 2) {
        const int q = kid(node, 0);
        step = calc_to_int(eval_node(nd(q).child + 1, 0));
        if (step < 1) {
            if (warn_once(q)) {
                const int var = item_var(q);
                calc_printf("F113 行番号(%d) カラム位置(%d)の変数(%s)の参照に誤りがあります\r\n", node_line(q),
                            node_column(q), var_row_name(var));
            }
            return 0;
        }
    }
    FILE *fp = excel_open_append();
    calc_excel_fp = fp;
    table_line_clear();
    table_line_append("  no");
    for (int k = 0; k < n; ++k) {
        char text[256];
        heading_text(kid(node, k), text, sizeof text);
        table_line_append("\t");
        char cell[512];
        snprintf(cell, sizeof cell, "%*s", calc_fmt_width, text);
        table_line_append(cell);
    }
    table_line_write();
    for (int r = 0; r < lines; ++r) {
        char head[16];
        snprintf(head, sizeof head, "%4d", r);
        table_line_clear();
        table_line_append(head);
        int marked = 0;
        for (int k = 0; k < n; ++k) {
            char text[1024];
            marked |= list_cell(kid(node, k), r, text, sizeof text);
            table_line_cell(text, calc_fmt_width);
        }
        if (marked && r % step == 0) table_line_write();
    }
    if (fp != nullptr) fclose(fp);
    calc_excel_fp = nullptr;
    return 0;
}

}  // namespace

FILE *excel_open_append()
{
    if (calc_excel_blocked) return nullptr;
    FILE *fp = sys_fopen(excel_name, "a+");
    if (fp == nullptr) excel_notice();
    return fp;
}

int excel_csv_start()
{
    open_notice_done = 0;
    if (sys_remove(excel_name) == 0) return 0;
    FILE *fp = sys_fopen(excel_name, "r");
    if (fp == nullptr) return 0;
    fclose(fp);
    calc_excel_blocked = 1;
    excel_notice();
    return 1;
}

int excel_csv_finish()
{
    if (calc_excel_blocked) return 0;
    FILE *in = sys_fopen(excel_name, "r");
    if (in == nullptr) return 0;
    FILE *out = sys_fopen(excel_work, "w");
    if (out == nullptr) {
        fclose(in);
        calc_out("★ファイル(excel.csvW)を作成出来ません、excel.csvはTAB区切りのままです\r\n");
        return 1;
    }
    static char line[calc_line_size];
    bool ok = true;
    while (read_line(line, sizeof line, in) != nullptr) {
        for (char *p = line; *p != '\0'; ++p) {
            if (*p == '\t') *p = ',';
        }
        if (fputs(line, out) < 0) ok = false;
    }
    if (ferror(in)) ok = false;
    fclose(in);
    if (fclose(out) != 0) ok = false;
    if (!ok) {
        sys_remove(excel_work);
        calc_out("★ファイル(excel.csvW)の書き込みに失敗しました、excel.csvはTAB区切りのままです\r\n");
        return 1;
    }
    if (sys_remove(excel_name) != 0) {
        calc_out("★ファイル(excel.csv)を削除出来ません、結果はexcel.csvWにあります\r\n");
        return 1;
    }
    if (sys_rename(excel_work, excel_name) != 0) {
        calc_out("★ファイル(excel.csvW)の名前を変更出来ません、結果はexcel.csvWにあります\r\n");
        return 1;
    }
    return 0;
}

int exec_prt(int node, int, int dir)
{
    const int n = nd(node).nchild;
    if (n >= 1) {
        const int f = nd(node).child;
        if (is_fn_var_node(f) && nd(f).nchild >= 1) return function_form(node, dir);
    }
    return list_form(node);
}
