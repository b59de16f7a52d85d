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
    int kind = 1;
    const double v = is_fn_var_node(node) ? ref_array(node, 0, &kind, nullptr) : eval_node(node, 0);
    return value_row(node, v);
}

int complex_leaf(int node)
{
    const int r = leaf_row(node, 2);
    if (r < 0) return r;
    double *d = calc_work_tab[r].data;
    if (is_fn_var_node(node)) {
        int kind = 1;
        double extra[8] = {0};
        d[0] = ref_array(node, 0, &kind, extra);
        d[1] = kind == 2 ? extra[0] : 0.0;
    } else if (unit_letter(node) != 0) {
        d[1] = 1.0;
    } else {
        d[0] = eval_node(node, 0);
    }
    return r;
}

// Quaternion (n = 4) and octonion (n = 8) leaves.
int hyper_leaf(int node, int n)
{
    const int r = leaf_row(node, n);
    if (r < 0) return r;
    double *d = calc_work_tab[r].data;
    const int letter = unit_letter(node);
    const int unit = letter - 'h';
    if (is_fn_var_node(node)) {
        int kind = 1;
        double extra[8] = {0};
        const double v = ref_array(node, 0, &kind, extra);
        if (kind == 8 && n == 4) {
            leaf_var_msg(node, "F318");
            return r;
        }
        if (kind == 4 && n == 8) leaf_var_msg(node, "F319");
        d[0] = v;
        const int copy = kind == 4 || kind == 8 ? kind : kind == 2 ? 2 : 1;
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
    static const int codes[] = {0, 1, 2, 3, 4, 5, 8, 9, 11, 14, 27, 58, 69, 70, 82, 93, 95, 110, 111};
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
    int kind = 1;
    double extra[8] = {0};
    const double v = ref_array(node, 0, &kind, extra);
    const int r = value_row(node, v);
    if (r >= 0 && elem_doubles(calc_work_tab[r].kind) >= 2 && kind >= 2) calc_work_tab[r].data[1] = extra[0];
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
    if ((x.kind == 4 || x.kind == 8) && !allowed_in_hyper(code)) return default_path(node);
    switch (code) {
    case 0: return statement_list(node);
    case 1: return assignment(node);
    case 2: return binary(node, work_mul);
    case 3: return binary(node, work_div);
    case 4: return binary(node, work_add);
    case 5: return binary(node, work_sub);
    case 8: return in_place(node, work_negate);
    case 9: case 56: return value_row(node, eval_node(node, 0));
    case 11: return work_import_var(node);
    case 14: return power(node);
    case 27: return value_row(node, pi_value);
    case 58: return x.nchild >= 1 ? eval_typed(kid(node, 0)) : -1;
    case 69: return accumulation(node);
    case 70: return in_place(node, work_transpose);
    case 76: return commutator(node, 0);
    case 77: return commutator(node, 1);
    case 82: calc_point(node); return -1;
    case 105: return work_slash(node);
    case 106: return work_minkowski(node);
    case 110: return factorial_row(node);
    case 116: return work_vector_product(node);
    case 15: return unary(node, work_sin);
    case 16: return unary(node, work_cos);
    case 21: return unary(node, work_sqrt);
    case 22: return unary(node, work_exp);
    case 23: return unary(node, work_log);
    case 24: return unary(node, work_abs);
    case 50: return unary(node, work_tr);
    case 51: return unary(node, work_det);
    case 78: return unary(node, work_argument);
    case 79: return unary(node, work_real);
    case 80: return unary(node, work_imaginary);
    case 81: return work_complex(node);
    case 93: return work_quarter(node);
    case 95: return work_octal(node);
    case 103: return work_gamma(node);
    case 104: return work_sum(node);
    case 107: return work_comb(node, 4);
    case 117: return work_comb(node, 3);
    case 118: return work_ga3(node);
    case 111: return sigma_sum_typed(node, 0, 1);
    case 121: return value_row(node, ref_extfunc(node));
    default: return default_path(node);
    }
}

}  // namespace

int eval_typed(int node)
{
    if (node < 0 || node >= calc_node_num) return -1;
    switch (nd(node).kind) {
    case 0: return real_leaf(node);
    case 3: return complex_leaf(node);
    case 5: return hyper_leaf(node, 4);
    case 9: return hyper_leaf(node, 8);
    case 1: case 2: case 4: case 8: return by_code(node);
    default: return -1;
    }
}
