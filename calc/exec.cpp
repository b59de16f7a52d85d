// The statement executor: a recursive walk over the node tree that runs the
// statements and evaluates plain real expressions.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc/calc_tables.h"
#include "shell/text.h"

char calc_fmt[calc_str_len + 1] = "%f";
int calc_fmt_mode;
int calc_fmt_width = 10;
int calc_dmode = 1;
double calc_ep = 1e-6;
double calc_ep_saved = 1e-6;
int calc_nodump = 1;
int prt_out_flag;

namespace {

const double missing_binary = 9.999;
const double missing_unary = 8.8888;
const double pi_value = 3.141592653589793;

double number_of(int node)
{
    const int slot = nd(node).tok >= 0 ? calc_tok[nd(node).tok].index : -1;
    return slot >= 0 && slot < calc_num_count ? calc_num_tab[slot] : 0.0;
}

int is_number_or_var(int node) { return nd(node).type == 'n' || nd(node).type == 'v'; }

// Stores a value through a target reference, refilling a difference variable.
int store_value(int target, double value, int fail_node, int depth)
{
    double *p = ref_var(target, depth);
    if (p == nullptr) {
        op_fail_msg(fail_node);
        return 1;
    }
    *p = value;
    if (nd(target).type == 'd' && calc_dmode != 0) {
        const int var = var_of_node(target);
        const int t = nd(target).tok;
        const int owner = t >= 0 && calc_tok[t].pair[0] >= 0 && calc_tok[t].pair[0] < calc_var_num ? calc_tok[t].pair[0] : var;
        if (owner >= 0) var_fill_steps(owner);
    }
    return 0;
}

double compare(int code, double a, double b)
{
    const double ep = calc_ep;
    switch (code) {
    case 60: return a < b - ep ? 1.0 : 0.0;
    case 61: return a <= b + ep ? 1.0 : 0.0;
    case 62: return a > b + ep ? 1.0 : 0.0;
    case 63: return a >= b - ep ? 1.0 : 0.0;
    case 64: return b - ep < a && a < b + ep ? 1.0 : 0.0;
    default: return b - ep < a && a < b + ep ? 0.0 : 1.0;
    }
}

double remainder_of(int node, double x, double y)
{
    const double a = std::trunc(x);
    const double b = std::trunc(y);
    if (std::isnan(a) || std::isnan(b) || b == 0.0) {
        node_warn_once(node);
        return 0.0;
    }
    return std::fmod(a, b);
}

double exec_format(int node)
{
    const calc_node &x = nd(node);
    if (x.nchild < 1) return 0.0;
    const int c0 = kid(node, 0);
    if (x.nchild >= 2 && is_number_or_var(kid(node, 1))) {
        const int w = calc_to_int(eval_node(kid(node, 1), 0));
        calc_fmt_width = w < 0 || w > 20 ? 10 : w;
    }
    if (is_number_or_var(c0)) {
        const double v = eval_node(c0, 0);
        calc_fmt_mode = calc_to_int(v);
        copy_bounded(calc_fmt, sizeof calc_fmt, calc_fmt_mode == 0 ? "%f" : "%e");
        return v;
    }
    const char *text = string_of(c0);
    if (text != nullptr) {
        char kinds[2];
        const int n = fmt_scan(text, kinds, 1);
        if (n < 0 || (n == 1 && kinds[0] != 'd')) {
            node_warn_once(node);
        } else {
            copy_bounded(calc_fmt, sizeof calc_fmt, text);
        }
    }
    return 0.0;
}

double exec_ep(int node)
{
    if (nd(node).nchild < 1) return calc_ep;
    const int c0 = kid(node, 0);
    if (nd(c0).type == 'n') {
        calc_ep = number_of(c0);
    } else if (const char *text = string_of(c0)) {
        if (strcmp(text, "DEFAULT") == 0 || strcmp(text, "default") == 0) calc_ep = calc_ep_saved;
        else calc_ep = strtod(text, nullptr);
    }
    return calc_ep;
}

int exec_msg(int node)
{
    if (nd(node).nchild < 1) return 0;
    const char *text = string_of(kid(node, 0));
    if (text == nullptr) return 0;
    std::string out;
    for (const char *p = text; *p != '\0'; ++p) {
        out += *p;
        if (*p == '%' && p[1] == '%') ++p;
    }
    out += "\r\n";
    calc_out(out.c_str());
    return 0;
}

double exec_dbl(int node)
{
    if (nd(node).nchild != 1) return 0.0;
    const int c0 = kid(node, 0);
    const calc_node &x = nd(c0);
    if (x.code == 8 || x.type == 'n' || x.code == 58) return eval_node(c0, 0);
    if (const char *text = string_of(c0)) return strtod(text, nullptr);
    return 0.0;
}

void exec_read_stmt(int node)
{
    const calc_node &x = nd(node);
    if (x.nchild != 2 && x.nchild != 3) return;
    const int target = x.child;
    nd(target + 1).kind = static_cast<unsigned char>(x.code == 52 ? 1 : 2);
    const int r = exec_read(x.nchild - 1, target + 1);
    int stored = r;
    if (r >= 0) {
        stored = work_store(r, target);
        work_free(r);
    }
    if (stored >= 0 || r == -3) return;
    const calc_token &t = calc_tok[x.tok];
    if (x.code == 52) {
        calc_printf("F202 行番号(%d) カラム位置(%d) の変数(%s)への読み込みに失敗しました\r\n", t.line, t.col + 1,
                    node_var_name(target));
    } else {
        calc_printf("F203 行番号(%d) カラム位置(%d) の読み込みに失敗しました\r\n", t.line, t.col + 1);
    }
}

double exec_assign(int node, int depth)
{
    const calc_node &x = nd(node);
    if (x.nchild != 2) return 0.0;
    const int c0 = kid(node, 0);
    const int c1 = kid(node, 1);
    if (x.code == 1) {
        const double v = eval_node(c1, depth + 1);
        if (nd(c0).type == 'E') {
            assign_chain_value(node, c0, v, depth);
        } else {
            store_value(c0, v, node, depth + 1);
        }
        return v;
    }
    if (nd(c0).type == 'E') {
        op_fail_msg(c0);
        return 1.0;
    }
    const double old = eval_node(c0, depth + 1);
    const double add = eval_node(c1, depth + 1);
    store_value(c0, old + add, node, depth);
    return 1.0;
}

// Assignment (code 1 or 84) or accumulation (69, 85) of one quaternion,
// octonion or complex value of the given kind into its target.
double exec_hyper_store(int node, int depth, int kind)
{
    const calc_node &x = nd(node);
    if (x.nchild != 2) return 0.0;
    const int c0 = kid(node, 0);
    const int c1 = kid(node, 1);
    if (nd(c0).type == 'E') {
        op_fail_msg(c0);
        return 0.0;
    }
    const bool complex_form = x.code == 84 || x.code == 85;
    if (complex_form && var_node_kind(c0) != 2) {
        op_fail_msg(node);
        return 0.0;
    }
    const int row = eval_typed(c1);
    if (row < 0 || !work_is_1x1(row) || calc_work_tab[row].kind != kind) {
        op_fail_msg(node);
        work_free(row);
        return 0.0;
    }
    const int var = var_of_node(c0);
    if (is_fn_var_node(c0) && var >= 0 && calc_var_tab[var].kind != kind) var_storage(c0, var, kind);
    double *p = ref_var(c0, depth + 1);
    if (p == nullptr) {
        op_fail_msg(node);
        work_free(row);
        return 0.0;
    }
    const int tk = var_node_kind(c0);
    const int n = (tk == 2 || tk == 4 || tk == 8) && tk <= kind ? tk : 1;
    const double *d = calc_work_tab[row].data;
    const bool add = x.code == 69 || x.code == 85;
    for (int k = 0; k < n; ++k) p[k] = add ? p[k] + d[k] : d[k];
    if (n == 1 && nd(c0).type == 'd' && calc_dmode != 0 && var >= 0) var_fill_steps(var);
    work_free(row);
    return 0.0;
}

double exec_store(int node, int depth)
{
    switch (nd(node).kind) {
    case 1: case 2: work_free(eval_typed(node)); return 0.0;
    case 4: case 8: return exec_hyper_store(node, depth, nd(node).kind);
    default: return exec_assign(node, depth);
    }
}

double exec_loop(int node, int depth, int dir)
{
    const int head = kid(node, 0);
    const int body = kid(node, 1);
    const int items = nd(head).nchild;
    if (items < 1) return 0.0;
    const int first = nd(head).child;
    table_lookup(head);
    set_item_dirs(first, items, dir, 1);
    prt_items(first + items - 1, -1, first, body, 0, depth + 1, dir);
    set_item_dirs(first, items, 1, 1);
    return 0.0;
}

double exec_variable(int node, int depth)
{
    int kind = 1;
    const double v = ref_array(node, depth, &kind, nullptr);
    if (nd(node).code == 11 && kind == 2) {
        if (warn_once(node)) {
            const int var = var_of_node(node);
            calc_printf("F434 行番号(%d) カラム位置(%d) の変数(%s)の取り込みに失敗しました\r\n", node_line(node),
                        node_column(node), var_row_name(var));
        }
        return 0.0;
    }
    return v;
}

double typed_scalar(int node, int code)
{
    const calc_node &x = nd(node);
    if (x.nchild < 1) return 0.0;
    const int row = eval_typed(kid(node, 0));
    double v = 0.0;
    switch (code) {
    case 50: v = tr_scalar(node, row); break;
    case 51: v = det_scalar(node, row); break;
    case 78: v = argument_scalar(node, row); break;
    case 79: v = real_scalar(node, row); break;
    case 80: v = imaginary_scalar(node, row); break;
    case 89: v = iabs_scalar(node, row); break;
    case 92: v = norm_scalar(node, row); break;
    case 96: v = onorm_scalar(node, row); break;
    case 97:
    case 98: {
        const int k = x.nchild >= 2 ? calc_to_int(eval_node(kid(node, 1), 0)) : 0;
        v = code == 97 ? element_scalar(node, row, k) : oelement_scalar(node, row, k);
        break;
    }
    default: break;
    }
    work_free(row);
    return v;
}

double binary_op(int node, int code, int depth)
{
    const calc_node &x = nd(node);
    if (x.nchild != 2) return missing_binary;
    const double a = eval_node(kid(node, 0), depth + 1);
    const double b = eval_node(kid(node, 1), depth + 1);
    switch (code) {
    case 2: return a * b;
    case 3: return a / b;
    case 4: return a + b;
    case 5: return a - b;
    case 14: return std::pow(a, b);
    case 120: return remainder_of(node, a, b);
    case 67: return a != 0.0 && b != 0.0 ? 1.0 : 0.0;
    case 68: return a != 0.0 || b != 0.0 ? 1.0 : 0.0;
    default: return compare(code, a, b);
    }
}

double builtin(int node, int code, int depth)
{
    const calc_node &x = nd(node);
    const double a = x.nchild >= 1 && code != 25 ? eval_node(kid(node, 0), depth + 1) : 0.0;
    switch (code) {
    case 15: return std::sin(a);
    case 16: return std::cos(a);
    case 17: return std::tan(a);
    case 18: return std::sinh(a);
    case 19: return std::cosh(a);
    case 20: return std::tanh(a);
    case 21: return std::sqrt(a);
    case 22: return std::exp(a);
    case 23: return std::log(a);
    case 24: return std::fabs(a);
    case 31: return std::asin(a);
    case 32: return std::acos(a);
    case 33: return std::atan(a);
    case 28: return a >= 0 ? a : 0.0;
    default: return 0.0;
    }
}

// The codes the executor runs; any other prints F112 once.
int unlisted(int code)
{
    static const int listed[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17,
                                 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35,
                                 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53,
                                 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71,
                                 72, 73, 74, 75, 76, 78, 79, 80, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91,
                                 92, 94, 96, 97, 98, 99, 100, 101, 102, 108, 109, 110, 111, 112, 113, 114,
                                 115, 119, 120, 121};
    for (int c : listed) {
        if (c == code) return 0;
    }
    return 1;
}

double dispatch(int node, int depth)
{
    calc_node &x = nd(node);
    const int code = x.code;
    switch (code) {
    case 0: {
        double v = 0.0;
        for (int k = 0; k < x.nchild; ++k) v = eval_node(kid(node, k), depth + 1);
        return v;
    }
    case 34: case 35: case 36: case 43: case 55: case 76: case 100: case 119: return 0.0;
    case 82: calc_point(node); return 0.0;
    case 71: case 72: return x.nchild >= 1 && eval_node(kid(node, 0), depth + 1) != 0.0 ? 1.0 : 0.0;
    case 73: return 1.0;
    case 74: {
        const double c = eval_node(kid(node, 0), depth + 1);
        if (c != 0.0) return c;
        return eval_node(kid(node, 1), depth + 1) == 1.0 ? 3.0 : 0.0;
    }
    case 75: {
        const double c = eval_node(kid(node, 0), depth + 1);
        if (c == 1.0 || c == 3.0) {
            eval_node(kid(node, 1), depth + 1);
            return 2.0;
        }
        return c == 2.0 ? 2.0 : 0.0;
    }
    case 10: return exec_loop(node, depth, 1);
    case 45: return exec_loop(node, depth, -1);
    case 111: return sigma_sum(node, depth + 1, 1);
    case 56: return call_inner_func(node, depth + 1);
    case 57: {
        if (calc_call_depth <= 0) return 0.0;
        const double *p = ref_var(node, depth);
        return p != nullptr ? *p : 0.0;
    }
    case 38:
        if (calc_call_depth > 0 && x.nchild >= 1) {
            const double v = eval_node(kid(node, 0), depth + 1);
            calc_argstack[calc_frames[calc_call_depth - 1].base] = v;
        }
        return 0.0;
    case 1: case 69: return exec_store(node, depth);
    case 84: case 85: return exec_hyper_store(node, depth, 2);
    case 9: return number_of(node);
    case 6: case 7: case 11: case 59: return exec_variable(node, depth);
    case 12: return ref_array(node, depth + 1, nullptr, nullptr);
    case 2: case 3: case 4: case 5: case 14: case 120: case 60: case 61: case 62: case 63: case 64: case 65:
    case 67: case 68:
        return binary_op(node, code, depth);
    case 8: return x.nchild == 1 ? -eval_node(kid(node, 0), depth + 1) : missing_unary;
    case 58: case 70: return x.nchild >= 1 ? eval_node(kid(node, 0), depth + 1) : 0.0;
    case 110: return x.nchild >= 1 ? scalar_factorial(eval_node(kid(node, 0), depth + 1)) : 0.0;
    case 66: return x.nchild >= 1 && eval_node(kid(node, 0), depth + 1) == 0.0 ? 1.0 : 0.0;
    case 83: case 86: case 114: case 115: {
        if ((code == 114 || code == 115) && x.nchild != 2) return 0.0;
        const int a = eval_typed(kid(node, 0));
        const int b = eval_typed(kid(node, 1));
        const double v = work_compare(a, b);
        work_free(a);
        work_free(b);
        return v;
    }
    case 15: case 16: case 17: case 18: case 19: case 20: case 21: case 22: case 23: case 24: case 31: case 32:
    case 33: case 28:
        return builtin(node, code, depth);
    case 25: {
        if (x.nchild < 2) return 0.0;
        const double y = eval_node(kid(node, 1), depth + 1);
        const double b = eval_node(kid(node, 0), depth + 1);
        return std::pow(b, y);
    }
    case 102: {
        if (x.nchild < 2) return 0.0;
        const double c0 = eval_node(kid(node, 0), depth + 1);
        const double c1 = eval_node(kid(node, 1), depth + 1);
        return std::atan2(c1, c0);
    }
    case 26: return calc_rand();
    case 27: return pi_value;
    case 108: return x.nchild == 1 ? scalar_integer(eval_node(kid(node, 0), depth + 1)) : 0.0;
    case 109: return exec_dbl(node);
    case 121: return ref_extfunc(node);
    case 50: case 51: case 78: case 79: case 80: case 89: case 92: case 96: case 97: case 98:
        return typed_scalar(node, code);
    case 48: case 54: case 91: case 94: return x.nchild >= 2 ? eval_node(kid(node, 1), depth + 1) : 0.0;
    case 37: return exec_format(node);
    case 42: return exec_ep(node);
    case 46: {
        const double v = x.nchild >= 1 ? eval_node(kid(node, 0), depth + 1) : 0.0;
        calc_dmode = calc_to_int(v);
        return v;
    }
    case 47: exec_msg(node); return 0.0;
    case 30: calc_out("⇒実行を終了しました\r\n"); return 0.0;
    case 88: calc_nodump = 0; return 0.0;
    case 101: calc_banner(); return 0.0;
    case 13: prt_out_flag = 0; exec_prt(node, depth + 1, -1); return 0.0;
    case 29: prt_out_flag = 1; exec_prt(node, depth + 1, -1); prt_out_flag = 0; return 0.0;
    case 49: prt_out_flag = 0; exec_prt(node, depth + 1, 1); return 0.0;
    case 39: exec_vprt(); vprt_tables(); return 0.0;
    case 40: if (calc_nodump == 0) exec_tprt(calc_node_num - 1, 0); return 0.0;
    case 99: if (calc_nodump == 0) work_dump(); return 0.0;
    case 41: exec_title(node); return 0.0;
    case 44: exec_trace(node, depth); return 0.0;
    case 87: exec_itrace(node, depth); return 0.0;
    case 90: exec_other(); return 0.0;
    case 52: case 53: exec_read_stmt(node); return 0.0;
    case 112: mkmatrix_real(node); return 0.0;
    case 113: mkvector_real(node); return 0.0;
    default: return 0.0;
    }
}

}  // namespace

int node_warn_once(int node)
{
    if (node < 0 || node >= calc_node_num || !warn_once(node)) return 0;
    calc_printf("F112 行番号(%d) カラム位置(%d)の演算(%s)が間違っています\r\n", node_line(node), node_column(node),
                op_text(node));
    return 1;
}

int assign_chain_value(int node, int target, double value, int depth)
{
    for (;;) {
        const int f = nd(target).child;
        store_value(f + 1, value, node, depth + 1);
        if (nd(f).type == 'E' && nd(f).nchild == 2) {
            target = f;
            continue;
        }
        store_value(f, value, target, depth + 1);
        return 0;
    }
}

double eval_node(int node, int depth)
{
    if (node == -1) return prt_value(depth), 0.0;
    if (node == -4) return sigma_step(depth), 0.0;
    if (node == -5) return sigma_step_typed(depth), 0.0;
    if (node < 0 || node >= calc_node_num) return 0.0;
    const calc_node &x = nd(node);
    if (x.code == 888) return 0.0;
    if (x.code > 121 || unlisted(x.code)) {
        node_warn_once(node);
        return 0.0;
    }
    return dispatch(node, depth);
}
