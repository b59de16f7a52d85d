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
    case op_lt: return a < b - ep ? 1.0 : 0.0;
    case op_le: return a <= b + ep ? 1.0 : 0.0;
    case op_gt: return a > b + ep ? 1.0 : 0.0;
    case op_ge: return a >= b - ep ? 1.0 : 0.0;
    case op_eq: return b - ep < a && a < b + ep ? 1.0 : 0.0;
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
    if (x.code == op_neg || x.type == 'n' || x.code == op_plus) return eval_node(c0, 0);
    if (const char *text = string_of(c0)) return strtod(text, nullptr);
    return 0.0;
}

void exec_read_stmt(int node)
{
    const calc_node &x = nd(node);
    if (x.nchild != 2 && x.nchild != 3) return;
    const int target = x.child;
    nd(target + 1).kind = static_cast<unsigned char>(x.code == kw_read ? vk_real : vk_complex);
    const int r = exec_read(x.nchild - 1, target + 1);
    int stored = r;
    if (r >= 0) {
        stored = work_store(r, target);
        work_free(r);
    }
    if (stored >= 0 || r == -3) return;
    const calc_token &t = calc_tok[x.tok];
    if (x.code == kw_read) {
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
    if (x.code == op_assign) {
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

// Assignment ("=" or "=:") or accumulation ("+=", "+:") of one quaternion,
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
    const bool complex_form = x.code == op_set_complex || x.code == op_add_complex;
    if (complex_form && var_node_kind(c0) != vk_complex) {
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
    const int n = (tk == vk_complex || tk == vk_quaternion || tk == vk_octonion) && tk <= kind ? tk : 1;
    const double *d = calc_work_tab[row].data;
    const bool add = x.code == op_add_to || x.code == op_add_complex;
    for (int k = 0; k < n; ++k) p[k] = add ? p[k] + d[k] : d[k];
    if (n == 1 && nd(c0).type == 'd' && calc_dmode != 0 && var >= 0) var_fill_steps(var);
    work_free(row);
    return 0.0;
}

double exec_store(int node, int depth)
{
    switch (nd(node).kind) {
    case vk_real: case vk_complex: work_free(eval_typed(node)); return 0.0;
    case vk_quaternion: case vk_octonion: return exec_hyper_store(node, depth, nd(node).kind);
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
    set_item_dirs(first, items, dir, dirs_set);
    prt_items(first + items - 1, -1, first, body, 0, depth + 1, dir);
    set_item_dirs(first, items, 1, dirs_set);
    return 0.0;
}

double exec_variable(int node, int depth)
{
    int kind = vk_real;
    const double v = ref_array(node, depth, &kind, nullptr);
    if (nd(node).code == op_var && kind == vk_complex) {
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
    case kw_tr: v = tr_scalar(node, row); break;
    case kw_det: v = det_scalar(node, row); break;
    case fn_argument: v = argument_scalar(node, row); break;
    case fn_real: v = real_scalar(node, row); break;
    case fn_imaginary: v = imaginary_scalar(node, row); break;
    case fn_iabs: v = iabs_scalar(node, row); break;
    case fn_norm: v = norm_scalar(node, row); break;
    case fn_onorm: v = onorm_scalar(node, row); break;
    case fn_element:
    case fn_oelement: {
        const int k = x.nchild >= 2 ? calc_to_int(eval_node(kid(node, 1), 0)) : 0;
        v = code == fn_element ? element_scalar(node, row, k) : oelement_scalar(node, row, k);
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
    case op_mul: return a * b;
    case op_div: return a / b;
    case op_add: return a + b;
    case op_sub: return a - b;
    case op_pow: return std::pow(a, b);
    case op_mod: return remainder_of(node, a, b);
    case op_and: return a != 0.0 && b != 0.0 ? 1.0 : 0.0;
    case op_or: return a != 0.0 || b != 0.0 ? 1.0 : 0.0;
    default: return compare(code, a, b);
    }
}

double builtin(int node, int code, int depth)
{
    const calc_node &x = nd(node);
    const double a = x.nchild >= 1 && code != kw_pow ? eval_node(kid(node, 0), depth + 1) : 0.0;
    switch (code) {
    case kw_sin: return std::sin(a);
    case kw_cos: return std::cos(a);
    case kw_tan: return std::tan(a);
    case kw_sinh: return std::sinh(a);
    case kw_cosh: return std::cosh(a);
    case kw_tanh: return std::tanh(a);
    case kw_sqrt: return std::sqrt(a);
    case kw_exp: return std::exp(a);
    case kw_log: return std::log(a);
    case kw_abs: return std::fabs(a);
    case kw_asin: return std::asin(a);
    case kw_acos: return std::acos(a);
    case kw_atan: return std::atan(a);
    case kw_plus: return a >= 0 ? a : 0.0;
    default: return 0.0;
    }
}

// The codes the executor runs; any other prints F112 once.
int unlisted(int code)
{
    static const int listed[] = {
        op_list,      op_assign,     op_mul,       op_div,       op_add,       op_sub,      op_zero_var,
        op_size_var,  op_neg,        op_number,    op_all,       op_var,       op_diff_var, op_prt,
        op_pow,       kw_sin,        kw_cos,       kw_tan,       kw_sinh,      kw_cosh,     kw_tanh,
        kw_sqrt,      kw_exp,        kw_log,       kw_abs,       kw_pow,       kw_rand,     kw_pi,
        kw_plus,      kw_out,        kw_end,       kw_asin,      kw_acos,      kw_atan,     kw_if,
        kw_elseif,    kw_else,       kw_format,    kw_return,    kw_vprt,      kw_tprt,     kw_title,
        kw_ep,        kw_complex,    kw_trace,     kw_lla,       kw_dmode,     kw_msg,      kw_matrix,
        kw_mprt,      kw_tr,         kw_det,       kw_read,      kw_iread,     kw_imatrix,  op_define,
        op_call,      op_param,      op_plus,      op_local,     op_lt,        op_le,       op_gt,
        op_ge,        op_eq,         op_ne,        op_not,       op_and,       op_or,       op_add_to,
        op_transpose, op_if,         op_elseif,    op_else,      op_chain,     op_branch,   op_commutator,
        fn_argument,  fn_real,       fn_imaginary, fn_point,     op_eq_complex, op_set_complex,
        op_add_complex, op_eq_real,  fn_itrace,    fn_yamabato,  fn_iabs,      fn_other,    fn_quaternion,
        fn_norm,      fn_cayley,     fn_onorm,     fn_element,   fn_oelement,  fn_dwork,    op_nothing,
        fn_fmsgf,     fn_atan2,      fn_integer,   fn_dbl,       op_factorial, fn_sigma,    fn_mkmatrix,
        fn_mkvector,  op_eq_quaternion, op_eq_octonion, fn_array, op_mod,      fn_delta};
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
    case op_list: {
        double v = 0.0;
        for (int k = 0; k < x.nchild; ++k) v = eval_node(kid(node, k), depth + 1);
        return v;
    }
    case kw_if: case kw_elseif: case kw_else: case kw_complex: case op_define: case op_commutator: case op_nothing:
    case fn_array:
        return 0.0;
    case fn_point: calc_point(node); return 0.0;
    case op_if: case op_elseif: return x.nchild >= 1 && eval_node(kid(node, 0), depth + 1) != 0.0 ? 1.0 : 0.0;
    case op_else: return 1.0;
    case op_chain: {
        const double c = eval_node(kid(node, 0), depth + 1);
        if (c != 0.0) return c;
        return eval_node(kid(node, 1), depth + 1) == 1.0 ? 3.0 : 0.0;
    }
    case op_branch: {
        const double c = eval_node(kid(node, 0), depth + 1);
        if (c == 1.0 || c == 3.0) {
            eval_node(kid(node, 1), depth + 1);
            return 2.0;
        }
        return c == 2.0 ? 2.0 : 0.0;
    }
    case op_all: return exec_loop(node, depth, 1);
    case kw_lla: return exec_loop(node, depth, -1);
    case fn_sigma: return sigma_sum(node, depth + 1, 1);
    case op_call: return call_inner_func(node, depth + 1);
    case op_param: {
        if (calc_call_depth <= 0) return 0.0;
        const double *p = ref_var(node, depth);
        return p != nullptr ? *p : 0.0;
    }
    case kw_return:
        if (calc_call_depth > 0 && x.nchild >= 1) {
            const double v = eval_node(kid(node, 0), depth + 1);
            calc_argstack[calc_frames[calc_call_depth - 1].base] = v;
        }
        return 0.0;
    case op_assign: case op_add_to: return exec_store(node, depth);
    case op_set_complex: case op_add_complex: return exec_hyper_store(node, depth, vk_complex);
    case op_number: return number_of(node);
    case op_zero_var: case op_size_var: case op_var: case op_local: return exec_variable(node, depth);
    case op_diff_var: return ref_array(node, depth + 1, nullptr, nullptr);
    case op_mul: case op_div: case op_add: case op_sub: case op_pow: case op_mod: case op_lt: case op_le:
    case op_gt: case op_ge: case op_eq: case op_ne: case op_and: case op_or:
        return binary_op(node, code, depth);
    case op_neg: return x.nchild == 1 ? -eval_node(kid(node, 0), depth + 1) : missing_unary;
    case op_plus: case op_transpose: return x.nchild >= 1 ? eval_node(kid(node, 0), depth + 1) : 0.0;
    case op_factorial: return x.nchild >= 1 ? scalar_factorial(eval_node(kid(node, 0), depth + 1)) : 0.0;
    case op_not: return x.nchild >= 1 && eval_node(kid(node, 0), depth + 1) == 0.0 ? 1.0 : 0.0;
    case op_eq_complex: case op_eq_real: case op_eq_quaternion: case op_eq_octonion: {
        if ((code == op_eq_quaternion || code == op_eq_octonion) && x.nchild != 2) return 0.0;
        const int a = eval_typed(kid(node, 0));
        const int b = eval_typed(kid(node, 1));
        const double v = work_compare(a, b);
        work_free(a);
        work_free(b);
        return v;
    }
    case kw_sin: case kw_cos: case kw_tan: case kw_sinh: case kw_cosh: case kw_tanh: case kw_sqrt: case kw_exp:
    case kw_log: case kw_abs: case kw_asin: case kw_acos: case kw_atan: case kw_plus:
        return builtin(node, code, depth);
    case kw_pow: {
        if (x.nchild < 2) return 0.0;
        const double y = eval_node(kid(node, 1), depth + 1);
        const double b = eval_node(kid(node, 0), depth + 1);
        return std::pow(b, y);
    }
    case fn_atan2: {
        if (x.nchild < 2) return 0.0;
        const double c0 = eval_node(kid(node, 0), depth + 1);
        const double c1 = eval_node(kid(node, 1), depth + 1);
        return std::atan2(c1, c0);
    }
    case kw_rand: return calc_rand();
    case kw_pi: return pi_value;
    case fn_integer: return x.nchild == 1 ? scalar_integer(eval_node(kid(node, 0), depth + 1)) : 0.0;
    case fn_dbl: return exec_dbl(node);
    case fn_delta: return ref_extfunc(node);
    case kw_tr: case kw_det: case fn_argument: case fn_real: case fn_imaginary: case fn_iabs: case fn_norm:
    case fn_onorm: case fn_element: case fn_oelement:
        return typed_scalar(node, code);
    case kw_matrix: case kw_imatrix: case fn_quaternion: case fn_cayley:
        return x.nchild >= 2 ? eval_node(kid(node, 1), depth + 1) : 0.0;
    case kw_format: return exec_format(node);
    case kw_ep: return exec_ep(node);
    case kw_dmode: {
        const double v = x.nchild >= 1 ? eval_node(kid(node, 0), depth + 1) : 0.0;
        calc_dmode = calc_to_int(v);
        return v;
    }
    case kw_msg: exec_msg(node); return 0.0;
    case kw_end: calc_out("⇒実行を終了しました\r\n"); return 0.0;
    case fn_yamabato: calc_nodump = 0; return 0.0;
    case fn_fmsgf: calc_banner(); return 0.0;
    case op_prt: prt_out_flag = 0; exec_prt(node, depth + 1, -1); return 0.0;
    case kw_out: prt_out_flag = 1; exec_prt(node, depth + 1, -1); prt_out_flag = 0; return 0.0;
    case kw_mprt: prt_out_flag = 0; exec_prt(node, depth + 1, 1); return 0.0;
    case kw_vprt: exec_vprt(); vprt_tables(); return 0.0;
    case kw_tprt: if (calc_nodump == 0) exec_tprt(calc_node_num - 1, 0); return 0.0;
    case fn_dwork: if (calc_nodump == 0) work_dump(); return 0.0;
    case kw_title: exec_title(node); return 0.0;
    case kw_trace: exec_trace(node, depth); return 0.0;
    case fn_itrace: exec_itrace(node, depth); return 0.0;
    case fn_other: exec_other(); return 0.0;
    case kw_read: case kw_iread: exec_read_stmt(node); return 0.0;
    case fn_mkmatrix: mkmatrix_real(node); return 0.0;
    case fn_mkvector: mkvector_real(node); return 0.0;
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
    if (node == body_prt_value) return prt_value(depth), 0.0;
    if (node == body_sigma_step) return sigma_step(depth), 0.0;
    if (node == body_sigma_typed) return sigma_step_typed(depth), 0.0;
    if (node < 0 || node >= calc_node_num) return 0.0;
    const calc_node &x = nd(node);
    if (x.code == op_other) return 0.0;
    if (x.code > fn_delta || unlisted(x.code)) {
        node_warn_once(node);
        return 0.0;
    }
    return dispatch(node, depth);
}
