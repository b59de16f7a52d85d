// The typed evaluator: one node of a MATRIX, IMATRIX, QUATERNION or CAYLEY
// block evaluated into a work row, operand rows freed on every path.
#include <cmath>

#include "calc/calc_tables.h"

namespace {

const double pi_value = 3.141592653589793;

// A new 1 x 1 row for the node, all components zero.
int zero_row(int node)
{
    const int r = work_alloc(node, 2, 1, 1);
    if (r < 0) return r;
    calc_work &w = calc_work_tab[r];
    for (int k = 0; k < elem_doubles(w.kind); ++k) w.data[k] = 0.0;
    return r;
}

int value_row(int node, double value)
{
    const int r = zero_row(node);
    if (r >= 0) calc_work_tab[r].data[0] = value;
    return r;
}

// A 1 x 1 row allocated as if the leaf had the kind given.
int leaf_row(int node, int kind)
{
    const unsigned char saved = nd(node).kind;
    nd(node).kind = static_cast<unsigned char>(kind);
    const int r = zero_row(node);
    nd(node).kind = saved;
    return r;
}

int unit_letter(int node)
{
    if (nd(node).type != 'v') return 0;
    const int var = var_of_node(node);
    return var >= 0 && calc_var_tab[var].unit ? calc_var_tab[var].letter : 0;
}

void leaf_var_msg(int node, const char *code)
{
    if (!warn_once(node)) return;
    const int var = var_of_node(node);
    calc_printf("%s 行番号(%d) カラム位置(%d)の変数(%s)が間違っています\r\n", code, node_line(node), node_column(node),
                var_row_name(var));
}

int real_leaf(int node)
{
    int kind = vk_real;
    const double v = is_fn_var_node(node) ? ref_array(node, 0, &kind, nullptr) : eval_node(node, 0);
    return value_row(node, v);
}

int complex_leaf(int node)
{
    const int r = leaf_row(node, vk_complex);
    if (r < 0) return r;
    double *d = calc_work_tab[r].data;
    if (is_fn_var_node(node)) {
        int kind = vk_real;
        double extra[8] = {0};
        d[0] = ref_array(node, 0, &kind, extra);
        d[1] = kind == vk_complex ? extra[0] : 0.0;
    } else if (unit_letter(node) != 0) {
        d[1] = 1.0;
    } else {
        d[0] = eval_node(node, 0);
    }
    return r;
}

// Quaternion and octonion leaves: n is the element kind, also its component count.
int hyper_leaf(int node, int n)
{
    const int r = leaf_row(node, n);
    if (r < 0) return r;
    double *d = calc_work_tab[r].data;
    const int letter = unit_letter(node);
    const int unit = letter - 'h';
    if (is_fn_var_node(node)) {
        int kind = vk_real;
        double extra[8] = {0};
        const double v = ref_array(node, 0, &kind, extra);
        if (kind == vk_octonion && n == vk_quaternion) {
            leaf_var_msg(node, "F318");
            return r;
        }
        if (kind == vk_quaternion && n == vk_octonion) leaf_var_msg(node, "F319");
        d[0] = v;
        const int copy = kind == vk_quaternion || kind == vk_octonion ? kind : kind == vk_complex ? 2 : 1;
        for (int k = 1; k < copy && k < n; ++k) d[k] = extra[k - 1];
    } else if (letter != 0 && unit >= 1 && unit < n) {
        d[unit] = 1.0;
    } else {
        d[0] = eval_node(node, 0);
    }
    return r;
}

int allowed_in_hyper(int code)
{
    static const int codes[] = {op_list,  op_assign, op_mul,    op_div,       op_add,     op_sub,
                                op_neg,   op_number, op_var,    op_pow,       kw_pi,      op_plus,
                                op_add_to, op_transpose, fn_point, fn_quarter, fn_octal, op_factorial,
                                fn_sigma};
    for (int c : codes) {
        if (c == code) return 1;
    }
    return 0;
}

int default_path(int node)
{
    if (var_node_kind(node) < 0) {
        if (warn_once(node)) {
            calc_printf("F313 行番号(%d) カラム位置(%d)の演算(%s)が間違っています\r\n", node_line(node),
                        node_column(node), op_text(node));
        }
        return -1;
    }
    int kind = vk_real;
    double extra[8] = {0};
    const double v = ref_array(node, 0, &kind, extra);
    const int r = value_row(node, v);
    if (r >= 0 && elem_doubles(calc_work_tab[r].kind) >= 2 && kind >= vk_complex) calc_work_tab[r].data[1] = extra[0];
    return r;
}

int binary(int node, int (*op)(int, int, int))
{
    if (nd(node).nchild != 2) return -1;
    const int a = eval_typed(kid(node, 0));
    const int b = eval_typed(kid(node, 1));
    const int r = op(node, a, b);
    work_free(a);
    work_free(b);
    return r;
}

int unary(int node, int (*fn)(int, int))
{
    const int a = nd(node).nchild >= 1 ? eval_typed(kid(node, 0)) : -1;
    const int r = fn(node, a);
    work_free(a);
    return r;
}

int in_place(int node, int (*fn)(int))
{
    if (nd(node).nchild < 1) return -1;
    const int a = eval_typed(kid(node, 0));
    if (a < 0) return a;
    const int r = fn(a);
    if (r < 0) work_free(a);
    return r;
}

int statement_list(int node)
{
    for (int k = 0; k < nd(node).nchild; ++k) work_free(eval_typed(kid(node, k)));
    return -1;
}

int assignment(int node)
{
    if (nd(node).nchild != 2) return -1;
    const int target = kid(node, 0);
    const int row = eval_typed(kid(node, 1));
    if (nd(target).type == 'E' && nd(target).nchild == 2) {
        assign_chain(node, target, row, 0);
    } else if (work_store(row, target) < 0) {
        op_fail_msg(node);
    }
    work_free(row);
    return -1;
}

int accumulation(int node)
{
    if (nd(node).nchild != 2) return -1;
    const int target = kid(node, 0);
    const int sum = binary(node, work_add);
    if (work_store(sum, target) < 0) op_fail_msg(node);
    work_free(sum);
    return -1;
}

int commutator(int node, int anti)
{
    if (nd(node).nchild != 2) return -1;
    const int a = eval_typed(kid(node, 0));
    const int b = eval_typed(kid(node, 1));
    const int p = work_mul(node, a, b);
    const int q = work_mul(node, b, a);
    work_free(a);
    work_free(b);
    const int r = anti ? work_add(node, p, q) : work_sub(node, p, q);
    work_free(p);
    work_free(q);
    return r;
}

const char *base_name(int base)
{
    const int var = var_of_node(base);
    return var >= 0 ? var_disp_name(calc_var_tab[var].letter) : op_text(base);
}

int power(int node)
{
    if (nd(node).nchild != 2) return -1;
    const int base_node = kid(node, 0);
    const int exp_node = kid(node, 1);
    const int base = eval_typed(base_node);
    int e = calc_to_int(std::trunc(eval_node(exp_node, 0)));
    if (e < 0) {
        if (warn_once(exp_node)) {
            calc_printf("F809 行列%sの負の冪乗数(%d)はサポートしていませんので、取りあえず1乗します\r\n",
                        base_name(base_node), e);
        }
        e = 1;
    } else if (e > 100) {
        if (warn_once(exp_node)) {
            calc_printf("F810 行列%sの冪乗数(%d)が大き過ぎますので、取りあえず2乗します\r\n", base_name(base_node), e);
        }
        e = 2;
    }
    if (base < 0) return base;
    if (e == 0) {
        const int r = work_pow(node, base);
        if (r < 0) work_free(base);
        return r;
    }
    int product = base;
    for (int k = 1; k < e && product >= 0; ++k) {
        const int next = work_mul(node, product, base);
        if (product != base) work_free(product);
        product = next;
    }
    if (product != base) work_free(base);
    return product;
}

int factorial_row(int node)
{
    if (nd(node).nchild != 1) return -1;
    return value_row(node, scalar_factorial(eval_node(kid(node, 0), 0)));
}

int by_code(int node)
{
    const calc_node &x = nd(node);
    const int code = x.code;
    if ((x.kind == vk_quaternion || x.kind == vk_octonion) && !allowed_in_hyper(code)) return default_path(node);
    switch (code) {
    case op_list: return statement_list(node);
    case op_assign: return assignment(node);
    case op_mul: return binary(node, work_mul);
    case op_div: return binary(node, work_div);
    case op_add: return binary(node, work_add);
    case op_sub: return binary(node, work_sub);
    case op_neg: return in_place(node, work_negate);
    case op_number: case op_call: return value_row(node, eval_node(node, 0));
    case op_var: return work_import_var(node);
    case op_pow: return power(node);
    case kw_pi: return value_row(node, pi_value);
    case op_plus: return x.nchild >= 1 ? eval_typed(kid(node, 0)) : -1;
    case op_add_to: return accumulation(node);
    case op_transpose: return in_place(node, work_transpose);
    case op_commutator: return commutator(node, 0);
    case op_anticommutator: return commutator(node, 1);
    case fn_point: calc_point(node); return -1;
    case op_slash: return work_slash(node);
    case op_minkowski: return work_minkowski(node);
    case op_factorial: return factorial_row(node);
    case op_cross: return work_vector_product(node);
    case kw_sin: return unary(node, work_sin);
    case kw_cos: return unary(node, work_cos);
    case kw_sqrt: return unary(node, work_sqrt);
    case kw_exp: return unary(node, work_exp);
    case kw_log: return unary(node, work_log);
    case kw_abs: return unary(node, work_abs);
    case kw_tr: return unary(node, work_tr);
    case kw_det: return unary(node, work_det);
    case fn_argument: return unary(node, work_argument);
    case fn_real: return unary(node, work_real);
    case fn_imaginary: return unary(node, work_imaginary);
    case fn_complex: return work_complex(node);
    case fn_quarter: return work_quarter(node);
    case fn_octal: return work_octal(node);
    case fn_gamma: return work_gamma(node);
    case fn_sum: return work_sum(node);
    case fn_comb4: return work_comb(node, 4);
    case fn_comb3: return work_comb(node, 3);
    case fn_ga3: return work_ga3(node);
    case fn_sigma: return sigma_sum_typed(node, 0, 1);
    case fn_delta: return value_row(node, ref_extfunc(node));
    default: return default_path(node);
    }
}

}  // namespace

int eval_typed(int node)
{
    if (node < 0 || node >= calc_node_num) return -1;
    switch (nd(node).kind) {
    case vk_plain: return real_leaf(node);
    case vk_complex_leaf: return complex_leaf(node);
    case vk_quaternion_leaf: return hyper_leaf(node, vk_quaternion);
    case vk_octonion_leaf: return hyper_leaf(node, vk_octonion);
    case vk_real: case vk_complex: case vk_quaternion: case vk_octonion: return by_code(node);
    default: return -1;
    }
}
