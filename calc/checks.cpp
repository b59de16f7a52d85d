// Block and declaration checks: function codes, block statements, internal
// function definitions, IF chains and the shapes of indexed variables.
#include <cstdio>
#include <cstring>

#include "calc/calc_tables.h"
#include "shell/text.h"

calc_decl calc_decl_tab[calc_decl_max];
int calc_decl_num;

namespace {

int found_error;

int line_of(int n) { return nd(n).tok >= 0 ? calc_tok[nd(n).tok].line : 0; }
int col_of(int n) { return nd(n).tok >= 0 ? calc_tok[nd(n).tok].col + 1 : 0; }

const char *call_name(int n)
{
    const int t = nd(n).tok;
    if (t < 0) return "";
    if (calc_tok[t].type == 'f') return ext_name(calc_tok[t].index);
    if (calc_tok[t].type == 'i' && calc_tok[t].index >= 0) return calc_label_tab[calc_tok[t].index].name;
    return "";
}

int is_call_of(int n, const char *name) { return nd(n).type == 'F' && tok_type(n) == 'f' && strcmp(call_name(n), name) == 0; }

int operator_code(int tt)
{
    static const struct {
        int tok;
        int code;
    } table[] = {{'=', op_assign},
                 {'*', op_mul},
                 {'/', op_div},
                 {'+', op_add},
                 {'-', op_sub},
                 {'^', op_pow},
                 {tk_lt, op_lt},
                 {tk_le, op_le},
                 {tk_gt, op_gt},
                 {tk_ge, op_ge},
                 {tk_eq, op_eq},
                 {tk_ne, op_ne},
                 {tk_bang, op_not},
                 {tk_and, op_and},
                 {tk_or, op_or},
                 {tk_add_to, op_add_to},
                 {'&', op_commutator},
                 {'|', op_anticommutator},
                 {tk_colons, op_eq_complex},
                 {tk_set_complex, op_set_complex},
                 {tk_add_complex, op_add_complex},
                 {tk_range, op_eq_real},
                 {';', op_nothing},
                 {tk_point, op_minkowski},
                 {tk_star3, op_eq_quaternion},
                 {tk_star4, op_eq_octonion},
                 {tk_cross, op_cross},
                 {'%', op_mod}};
    for (const auto &e : table) {
        if (e.tok == tt) return e.code;
    }
    return op_other;
}

int base_code(int n)
{
    const calc_node &x = nd(n);
    switch (x.type) {
    case 'Z': return op_list;
    case 'X': return op_mul;
    case 'z': return op_zero_var;
    case 'l': return op_size_var;
    case 'n': return op_number;
    case 'v': case 'h': case 'D': return op_var;
    case 'd': return op_diff_var;
    case 'r': return op_param;
    case 'o': return op_local;
    case 'H': case 'u': return op_nothing;
    case 'U': {
        const int tt = tok_type(n);
        return tt == '-'       ? op_neg
               : tt == '+'     ? op_plus
               : tt == '~'     ? op_transpose
               : tt == '`'     ? op_slash
               : tt == tk_bang ? op_factorial
                               : op_other;
    }
    case 'F': {
        const int tt = tok_type(n);
        if (tt == 'V') return op_var;
        if (tt == 'i') return op_call;
        const char *name = call_name(n);
        if (strcmp(name, "PRT") == 0) return op_prt;
        const int code = find_keyword(name);
        return code < 0 ? static_cast<int>(op_var) : code;
    }
    default: break;
    }
    if (x.tok < 0) return op_none;
    return operator_code(tok_type(n));
}

void mark_blocks(int n)
{
    calc_node &x = nd(n);
    if (x.type != 'X' || x.nchild != 2) return;
    const int head = kid(n, 0);
    static const struct {
        const char *name;
        int code;
    } blocks[] = {{"ALL", op_all},          {"LLA", kw_lla},          {"MATRIX", kw_matrix},
                  {"IMATRIX", kw_imatrix}, {"QUATERNION", fn_quaternion}, {"CAYLEY", fn_cayley}};
    for (const auto &b : blocks) {
        if (is_call_of(head, b.name)) {
            x.type = 'G';
            x.code = static_cast<uint16_t>(b.code);
            return;
        }
    }
}

int check_inner_args(int head)
{
    int bad = 0;
    for (int k = 0; k < nd(head).nchild; ++k) {
        if (nd(kid(head, k)).type != 'v') bad = 1;
    }
    if (bad) {
        calc_printf("F999 行番号(%d) カラム位置(%d)にある内部関数(%s)の引数に間違いがあります\r\n", line_of(head),
                    col_of(head), call_name(head));
    }
    return bad;
}

int check_locals(int head, int limit, int body)
{
    int bad = 0;
    calc_node &b = nd(body);
    if (b.type == 'o') {
        const int k = calc_tok[b.tok].index;
        if (k < 0 || k >= limit) {
            calc_printf("F333 行番号(%d) カラム位置(%d)の局所変数(d%d)の番号が範囲外です\r\n", line_of(body),
                        col_of(body), k);
            bad = 1;
        }
    } else if (b.type == 'v') {
        const int row = node_var(body);
        for (int k = 0; k < nd(head).nchild; ++k) {
            if (row >= 0 && node_var(kid(head, k)) == row) {
                b.type = 'r';
                b.code = op_param;
                b.argn = k;
                break;
            }
        }
    }
    for (int k = 0; k < b.nchild; ++k) bad |= check_locals(head, limit, kid(body, k));
    return bad;
}

void mark_definition(int n)
{
    calc_node &x = nd(n);
    if (x.type != 'X' || x.nchild != 2) return;
    const int head = kid(n, 0);
    const int body = kid(n, 1);
    if (nd(head).type != 'F' || tok_type(head) != 'i' || nd(body).type != 'Z') return;
    nd(head).type = 'y';
    nd(head).code = op_define;
    x.type = 'Y';
    x.code = op_define;
    const int label = calc_tok[nd(head).tok].index;
    if (label >= 0) calc_label_tab[label].link = body;
    found_error |= check_inner_args(head);
    const int limit = label >= 0 ? calc_label_tab[label].nlocal : 0;
    found_error |= check_locals(head, limit, body);
}

int index_size(int n)
{
    int row = node_var(n);
    if (chr_in_str(nd(n).type, "PqE") && nd(n).nchild > 0) row = node_var(kid(n, 0));
    return row >= 0 ? calc_var_tab[row].size : 0;
}

void offset_argument(int a)
{
    calc_node &p = nd(a);
    if (p.type != 'P' || p.nchild != 2) return;
    const int v = kid(a, 0);
    const int t = kid(a, 1);
    if (nd(v).type != 'v') return;
    int k = 0;
    if (nd(t).type == 'd') {
        k = 1;
    } else if (nd(t).type == 'X' && nd(t).nchild == 2 && nd(kid(t, 1)).type == 'd') {
        const int f = kid(t, 0);
        k = nd(f).type == 'n' && calc_tok[nd(f).tok].index >= 0 ? calc_to_int(calc_num_tab[calc_tok[nd(f).tok].index]) : 0;
    } else {
        return;
    }
    p.offset = tok_type(a) == '-' ? -k : k;
    p.tok = nd(v).tok;
}

void declare_shape(int n)
{
    const int row = node_var(n);
    if (row < 0 || calc_var_tab[row].decl < 0) return;
    calc_decl &d = calc_decl_tab[calc_var_tab[row].decl];
    const int args = nd(n).nchild;
    int size[2] = {1, 1};
    for (int k = 0; k < args && k < 2; ++k) {
        const int iv = node_var(kid(n, k));
        size[k] = iv >= 0 && calc_var_tab[iv].count > 0 ? calc_var_tab[iv].count : 1;
    }
    if (args >= 3) {
        calc_printf("F971 行番号(%d) カラム位置(%d)に許されない指定があります\r\n", line_of(n), col_of(n));
        found_error = 1;
        return;
    }
    if (d.nidx < 0) {
        d.nidx = args == 0 ? -1 : args;
        d.xn = size[0];
        d.yn = args == 2 ? size[1] : 1;
        const long long count = static_cast<long long>(d.xn) * d.yn * d.mkind;
        d.count = count > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(count);
        d.tok = nd(n).tok;
        return;
    }
    const int where = d.tok >= 0 ? calc_tok[d.tok].line : 0;
    const char *name = var_disp_name(calc_var_tab[row].letter);
    if (args != d.nidx) {
        calc_printf("F972 行番号(%d) カラム位置(%d)の、変数(%s)が他行(%d)の次元と矛盾があります dim(%d)\r\n", line_of(n),
                    col_of(n), name, where, args);
        found_error = 1;
    } else if (size[0] != d.xn) {
        calc_printf("%s 行番号(%d) カラム位置(%d)の、変数(%s)が他行(%d)の次元又はサイズと矛盾があります dim(%d) size(%d)\r\n",
                    args == 1 ? "F973" : "F974", line_of(n), col_of(n), name, where, args, size[0]);
        found_error = 1;
    } else if (args == 2 && size[1] != d.yn) {
        calc_printf("F975 行番号(%d) カラム位置(%d)の、変数(%s)が他行(%d)の次元又はサイズと矛盾があります dim(%d) size(%d)\r\n",
                    line_of(n), col_of(n), name, where, args, size[1]);
        found_error = 1;
    }
}

void indexed_use(int n)
{
    const int row = node_var(n);
    if (row < 0) return;
    calc_var &v = calc_var_tab[row];
    const int args = nd(n).nchild;
    long long total = 1;
    for (int k = 0; k < args; ++k) {
        const int a = kid(n, k);
        const char t = nd(a).type;
        const bool in_args = nd(a).tok >= 0 && calc_tok[nd(a).tok].argdepth > 0;
        if (chr_in_str(t, "vzlJLR") || (chr_in_str(t, "asbmB") && in_args)) {
            // a plain index form
        } else if (chr_in_str(t, "PqE")) {
            if (nd(a).nchild < 1 || nd(kid(a, 0)).type != 'v') {
                calc_printf("F841 行番号(%d) カラム位置(%d)に許されない指定があります\r\n", line_of(n), col_of(n));
                found_error = 1;
                return;
            }
        } else {
            calc_printf("F842 行番号(%d) カラム位置(%d)に許されない指定があります\r\n", line_of(n), col_of(n));
            found_error = 1;
            return;
        }
        total *= index_size(a) + 1;
        if (total > 0x7FFFFFFF) total = 0x7FFFFFFF;
    }
    if (args == 0) return;
    if (v.total_tok < 0) {
        v.nidx = args;
        v.total = static_cast<int>(total);
        v.total_tok = nd(n).tok;
        return;
    }
    char where[16];
    snprintf(where, sizeof where, "%d", calc_tok[v.total_tok].line);
    if (args != v.nidx) {
        calc_printf("F843 行番号(%d) カラム位置(%d)の、変数(%s)が他行(%s)の次元と矛盾があります dim(%d←%d)\r\n",
                    line_of(n), col_of(n), var_disp_name(v.letter), var_where_text(row), args, v.nidx);
        found_error = 1;
    } else if (total != v.total) {
        calc_printf("F840 行番号(%d) カラム位置(%d)の、変数(%s)が他行(%s)のサイズと矛盾があります size(%d←%d)\r\n",
                    line_of(n), col_of(n), var_disp_name(v.letter), var_where_text(row), static_cast<int>(total),
                    v.total);
        found_error = 1;
    }
}

void check_call(int n)
{
    calc_node &x = nd(n);
    if (x.type != 'F') return;
    for (int k = 0; k < x.nchild; ++k) offset_argument(kid(n, k));
    if (tok_type(n) != 'V') return;
    if (calc_tok[x.tok].argdepth == tk_head_depth) {
        declare_shape(n);
        return;
    }
    if (x.argn >= 0) {
        const int row = node_var(n);
        if (row >= 0 && calc_var_tab[row].sep_args < 0) calc_var_tab[row].sep_args = x.argn;
        if (!calc_tok[x.tok].array_flag) {
            if (!x.warn) {
                x.warn = 1;
                calc_printf("F678 行番号(%d) カラム位置(%d)で、ARRAY文が無いかARRAY文の前に偏微分用配列(%s)が利用されています\r\n",
                            line_of(n), col_of(n), var_row_name(row));
            }
            found_error = 1;
        } else if (row >= 0) {
            calc_var_tab[row].link = n;
        }
        return;
    }
    indexed_use(n);
}

}  // namespace

const char *var_where_text(int var)
{
    static char buf[16];
    const calc_var &v = calc_var_tab[var];
    if (v.first_size_tok >= 0) snprintf(buf, sizeof buf, "%d", calc_tok[v.first_size_tok].line);
    else if (v.first_zd_tok >= 0) snprintf(buf, sizeof buf, "%d", calc_tok[v.first_zd_tok].line);
    else snprintf(buf, sizeof buf, "?");
    return buf;
}

int check_if_chain(int node)
{
    calc_node &x = nd(node);
    if (x.type == 'F' && tok_type(node) == 'f' && x.code == kw_if) {
        x.type = 'I';
        x.code = op_if;
        return 1;
    }
    if (x.type == 'I' || x.type == 'D' || x.type == 'O') return 1;
    if (x.type != 'X' || x.nchild != 2 || !check_if_chain(kid(node, 0))) return 0;
    const int second = kid(node, 1);
    calc_node &s = nd(second);
    if (s.type == 'F' && tok_type(second) == 'f' && (s.code == kw_elseif || s.code == kw_else)) {
        s.type = s.code == kw_elseif ? 'L' : 'S';
        s.code = s.code == kw_elseif ? op_elseif : op_else;
        x.type = 'D';
        x.code = op_chain;
    } else {
        x.type = 'O';
        x.code = op_branch;
    }
    return 1;
}

int check_blocks(int root)
{
    found_error = 0;
    for (int n = 0; n <= root && n < calc_node_num; ++n) {
        calc_node &x = nd(n);
        if (x.type == '.') {
            x.code = op_other;
            continue;
        }
        x.code = static_cast<uint16_t>(base_code(n));
        mark_blocks(n);
        mark_definition(n);
        check_call(n);
        if (x.type == 'Z') {
            for (int k = 0; k < x.nchild; ++k) check_if_chain(kid(n, k));
        }
    }
    return found_error;
}
