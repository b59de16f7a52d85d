// Variable references: element addresses and values of every reference form,
// named values looked up in tables, DELTA, and calls of internal functions.
#include <cmath>
#include <cstring>

#include "calc/calc_tables.h"

double calc_argstack[calc_stack_max];
calc_frame calc_frames[calc_stack_max];
int calc_call_depth;
int calc_stack_top;

namespace {

double scratch;

// The element k (of the variable's kind) if it lies in the storage.
double *element_at(int var, long long k)
{
    calc_var &v = calc_var_tab[var];
    const int e = elem_doubles(v.kind);
    if (v.storage == nullptr || k < 0 || (k + 1) * e > v.cap) return nullptr;
    return v.storage + k * e;
}

int bound_of(int var) { return calc_var_tab[var].count - 1; }

double *arg_slot(int node, int local)
{
    if (calc_call_depth <= 0) return &scratch;
    const calc_frame &f = calc_frames[calc_call_depth - 1];
    const int t = nd(node).tok;
    const int k = local ? (t >= 0 ? calc_tok[t].index : -1) : nd(node).argn;
    const int slot = local ? f.base + 1 + f.argc + k : f.base + 1 + k;
    if (k < 0 || (!local && k >= f.argc) || slot >= f.top || slot >= calc_stack_max) return &scratch;
    return &calc_argstack[slot];
}

// Address of the element that an indexed node (F over V) names; null on failure.
double *indexed_element(int node, int for_store)
{
    const int var = var_of_node(node);
    if (var < 0) return nullptr;
    const calc_token &tk = calc_tok[nd(node).tok];
    if (nd(node).link == 1) {
        if (warn_once(node)) {
            calc_printf("F456 行番号(%d) カラム位置(%d)で、格納子(%s)に差分は使用出来ません\r\n", tk.line, tk.col + 1,
                        var_row_name(var));
        }
        return nullptr;
    }
    table_lookup(node);
    const int n = nd(node).nchild;
    for (int k = n - 1; k >= 0; --k) {
        const int iv = var_of_node(kid(node, k));
        if (iv >= 0) calc_var_tab[iv].cursor = 1;
    }
    long long offset = 0;
    long long stride = 1;
    for (int k = n - 1; k >= 0; --k) {
        const int c = kid(node, k);
        const int iv = var_of_node(c);
        if (iv < 0) return nullptr;
        calc_var &x = calc_var_tab[iv];
        if (x.unit) continue;
        const char t = nd(c).type;
        const int bound = bound_of(iv);
        long long d = 0;
        if (t == 'z') {
            d = 0;
        } else if (t == 'l') {
            d = bound;
        } else if (t == 'J' || t == 'L') {
            d = calc_tok[nd(c).tok].pair[0];
        } else if (t == 'R') {
            d = bound - calc_tok[nd(c).tok].pair[1];
        } else {
            const int entry = x.depth - x.cursor;
            if (entry < 0 || entry > 9) {
                if (warn_once(node)) {
                    if (for_store) {
                        calc_printf("F111 行番号(%d) カラム位置(%d)の変数(%s)の参照に誤りがあります\r\n", tk.line,
                                    tk.col + 1, var_row_name(iv));
                    } else {
                        calc_printf("F112 行番号(%d) カラム位置(%d)の配列(%s)の変数(%s)の参照に誤りがあります\r\n",
                                    tk.line, tk.col + 1, var_row_name(var), var_row_name(iv));
                    }
                }
                return nullptr;
            }
            const int off = index_offset_node(c);
            const long long step = off >= 0 ? calc_to_int(eval_node(off, 0)) : nd(c).offset;
            d = step * x.dir + x.stack[entry];
        }
        ++x.cursor;
        if (d < 0 || d > bound) {
            calc_printf("%s 行番号(%d)カラム位置(%d)変数(%s)のoffsetが範囲外です、取りあえず0にします\r\n",
                        for_store ? "F860" : "F870", tk.line, tk.col + 1, var_row_name(var));
            d = 0;
        }
        offset += stride * d;
        stride *= bound + 1;
        if (stride > 0x7FFFFFFF) stride = 0x7FFFFFFF;
    }
    calc_var &v = calc_var_tab[var];
    if (v.decl >= 0) {
        const long long per = calc_decl_tab[v.decl].count;
        if (v.storage == nullptr || offset < 0 || (offset + 1) * per > v.cap) return nullptr;
        return v.storage + offset * per;
    }
    return element_at(var, offset);
}

double *simple_ref(int node, int for_store)
{
    const calc_node &x = nd(node);
    switch (x.type) {
    case 'r': return arg_slot(node, 0);
    case 'o': return arg_slot(node, 1);
    case 'D': {
        const int k = calc_tok[x.tok].index;
        return k >= 0 && k < calc_reg_max ? &calc_reg_tab[k] : nullptr;
    }
    case 'F': return calc_tok[x.tok].type == 'V' ? indexed_element(node, for_store) : nullptr;
    default: break;
    }
    const int var = var_of_node(node);
    if (var < 0) return x.tok >= 0 && calc_tok[x.tok].index >= calc_var_num ? &scratch : nullptr;
    calc_var &v = calc_var_tab[var];
    switch (x.type) {
    case 'v': return &v.value;
    case 'z': return element_at(var, 0);
    case 'l': return element_at(var, bound_of(var));
    case 'h': return element_at(var, calc_tok[x.tok].pair[0]);
    case 'd': {
        const int p0 = calc_tok[x.tok].pair[0];
        if (p0 >= 0 && p0 < calc_var_num) return &calc_var_tab[p0].step;
        return &v.step;
    }
    default: return nullptr;
    }
}

}  // namespace

double *ref_var(int node, int /*frame*/)
{
    if (node < 0 || node >= calc_node_num) return nullptr;
    return simple_ref(node, 1);
}

double ref_array(int node, int /*frame*/, int *kind_out, double *extra)
{
    if (kind_out != nullptr) *kind_out = 1;
    if (node < 0 || node >= calc_node_num) return 0.0;
    const calc_node &x = nd(node);
    if (x.type == 'n') return x.tok >= 0 && calc_tok[x.tok].index >= 0 ? calc_num_tab[calc_tok[x.tok].index] : 0.0;
    if (x.type == 'd') {
        const calc_token &t = calc_tok[x.tok];
        int var = t.pair[0] >= 0 && t.pair[0] < calc_var_num ? t.pair[0] : var_of_node(node);
        if (t.pair[0] >= 0 && t.pair[1] >= 0 && t.pair[1] < calc_var_num) {
            const calc_var &y = calc_var_tab[t.pair[1]];
            if (y.depth - 1 < 0 || y.depth - 1 > 9) {
                if (warn_once(node)) {
                    calc_printf("F1124 行番号(%d) カラム位置(%d)の配列(%s)の変数(%s)の参照に誤りがあります\r\n", t.line,
                                t.col + 1, var_row_name(t.pair[0]), var_row_name(t.pair[1]));
                }
                return 0.0;
            }
        }
        if (var < 0) return 0.0;
        const calc_var &v = calc_var_tab[var];
        return v.dir < 1 ? -v.step : v.step;
    }
    double *p = simple_ref(node, 0);
    if (p == nullptr) return 0.0;
    int kind = vk_real;
    if (x.type != 'v' && x.type != 'r' && x.type != 'o' && x.type != 'D') {
        const int var = var_of_node(node);
        if (var >= 0 && calc_var_tab[var].decl < 0) kind = calc_var_tab[var].kind;
    } else if (x.type == 'v') {
        const int var = var_of_node(node);
        if (var >= 0 && calc_var_tab[var].kind == vk_complex) kind = vk_complex;
    }
    if (kind_out != nullptr) *kind_out = kind;
    if (extra != nullptr && kind > vk_real && x.type != 'v') {
        for (int k = 1; k < kind; ++k) extra[k - 1] = p[k];
    }
    return p[0];
}

int table_lookup(int node)
{
    if (node < 0 || node >= calc_node_num) return 0;
    const int n = nd(node).nchild;
    for (int k = 0; k < n; ++k) {
        const int c = kid(node, k);
        calc_node &x = nd(c);
        const int tok = x.tok;
        if (tok < 0 || calc_tok[tok].type != '=' || x.nchild < 2) continue;
        if (x.type != 'E' && x.type != 'J') continue;
        const int v = kid(c, 0);
        if (nd(v).type != 'v') continue;
        const int var = var_of_node(v);
        if (var < 0) continue;
        const double value = eval_node(kid(c, 1), 0);
        const calc_var &t = calc_var_tab[var];
        int found = -1;
        for (int j = 0; j < t.count && t.storage != nullptr && j < t.cap; ++j) {
            const double lower = j == 0 ? t.storage[0] - calc_ep : t.storage[j - 1] + calc_ep;
            if (t.storage[j] + calc_ep >= value && value > lower) {
                found = j;
                break;
            }
        }
        if (found >= 0) {
            calc_tok[tok].pair[0] = found;
            calc_tok[tok].index = var;
            x.type = 'J';
        } else if (warn_once(c)) {
            const calc_node &owner = nd(node);
            const bool fn = owner.tok >= 0 && calc_tok[owner.tok].type == 'f';
            const char *name = fn ? ext_name(calc_tok[owner.tok].index) : var_row_name(var_of_node(node));
            calc_printf("F221 行番号(%d) カラム位置(%d)の%s(%s)の変数(%s)の値(%f)がテーブル中にありません\r\n",
                        calc_tok[tok].line, calc_tok[tok].col + 1, fn ? "関数" : "配列", name, var_row_name(var), value);
        }
    }
    return n;
}

double ref_extfunc(int node)
{
    const calc_node &x = nd(node);
    if (x.nchild != 2) return 0.0;
    const int a = kid(node, 0);
    const int b = kid(node, 1);
    if (nd(a).type != 'v' || nd(b).type != 'v') return 0.0;
    const int va = var_of_node(a);
    const int vb = var_of_node(b);
    if (va < 0 || vb < 0) return 0.0;
    calc_var &p = calc_var_tab[va];
    calc_var &q = calc_var_tab[vb];
    if (p.nidx != 1 || q.nidx != 1 || p.count != q.count) return 0.0;
    p.cursor = 1;
    q.cursor = 1;
    const int ea = p.depth - p.cursor;
    const int eb = q.depth - q.cursor;
    const calc_token &t = calc_tok[x.tok];
    if (ea < 0 || ea > 9 || eb < 0 || eb > 9) {
        if (warn_once(node)) {
            calc_printf("%s 行番号(%d) カラム位置(%d)の外部関数(%s)の変数(%s)の参照に誤りがあります\r\n",
                        ea < 0 || ea > 9 ? "F1123" : "F1124", t.line, t.col + 1, "DELTA",
                        var_row_name(ea < 0 || ea > 9 ? va : vb));
        }
        return 0.0;
    }
    return p.stack[ea] == q.stack[eb] ? 1.0 : 0.0;
}

double call_inner_func(int node, int /*frame*/)
{
    const calc_node &x = nd(node);
    const calc_token &t = calc_tok[x.tok];
    const int label = t.index;
    if (label < 0) return 0.0;
    const calc_label &l = calc_label_tab[label];
    const int n = x.nchild;
    if (l.link == 0) {
        if (warn_once(node)) {
            calc_printf("F501 行番号(%d) カラム位置(%d)で、内部関数(%s)が定義されていません %d⇒? sidx(%d) cidx(%d) vidx(%d) fnum(%d)\r\n",
                        t.line, t.col + 1, l.name, n, node, x.tok, label, l.link);
        }
        return 0.0;
    }
    if (l.link < 0) {
        if (warn_once(node)) calc_printf("F500 内部関数(%s)が定義されていません %d⇒?\r\n", l.name, n);
        return 0.0;
    }
    const int params = nd(l.link - 1).nchild;
    if (params != n) {
        if (warn_once(node)) calc_printf("F510 内部関数(%s)の引数が不一致です %d⇒%d\r\n", l.name, n, params);
        return 0.0;
    }
    if (calc_call_depth >= calc_stack_max) {
        if (warn_once(node)) {
            calc_printf("F528 スタックがオーバーしました argcn(%d) argvn(%d)\r\n", calc_call_depth, calc_stack_top);
        }
        return 0.0;
    }
    const int m = l.nlocal;
    const int base = calc_stack_top;
    if (static_cast<long long>(base) + n + m + 1 >= calc_stack_max) {
        if (warn_once(node)) {
            calc_printf("F529 スタックがオーバーしました argcn(%d) argvn(%d)\r\n", calc_call_depth, calc_stack_top);
        }
        return 0.0;
    }
    double args[calc_stack_max];
    for (int k = 0; k < n; ++k) args[k] = eval_node(kid(node, k), 0);
    calc_argstack[base] = 0.0;
    for (int k = 0; k < n; ++k) calc_argstack[base + 1 + k] = args[k];
    for (int k = 0; k < m; ++k) calc_argstack[base + 1 + n + k] = 0.0;
    calc_frame &f = calc_frames[calc_call_depth];
    f.base = base;
    f.argc = n;
    f.top = base + n + m + 1;
    calc_stack_top = f.top;
    ++calc_call_depth;
    eval_node(l.link, 0);
    --calc_call_depth;
    calc_stack_top = base;
    return calc_argstack[base];
}

double scalar_factorial(double x)
{
    if (!(x >= 0)) return 0.0;
    if (x > 170) return HUGE_VAL;
    const int n = calc_to_int(x);
    double r = 1.0;
    for (int i = 2; i <= n; ++i) r *= i;
    return r;
}

double scalar_integer(double x) { return static_cast<double>(calc_to_int(x)); }
