// Arithmetic of typed values: sums, products and quotients of work rows of
// the real, complex, quaternion and octonion kinds, matrix products, the unit
// of a power, chained stores and the equality test within the tolerance.
#include <vector>

#include "calc/calc_tables.h"

namespace {

int node_kind(int node) { return node >= 0 && node < calc_node_num ? nd(node).kind : 0; }

int is_scalar(int row)
{
    const calc_work &w = calc_work_tab[row];
    return w.dim == 0 || (w.xn == 1 && w.yn == 1);
}

int is_matrix(int row)
{
    const calc_work &w = calc_work_tab[row];
    return (w.dim == 1 || w.dim == 2) && !(w.xn == 1 && w.yn == 1);
}

void clear_row(int row)
{
    calc_work &w = calc_work_tab[row];
    const long long n = static_cast<long long>(w.count) * elem_doubles(w.kind);
    for (long long i = 0; i < n; ++i) w.data[i] = 0.0;
}

// Writes a complex value into element e of a row (the imaginary part only
// where the row keeps one).
void put_complex(int row, int e, double re, double im)
{
    calc_work &w = calc_work_tab[row];
    const int n = elem_doubles(w.kind);
    w.data[e * n] = re;
    if (n >= 2) w.data[e * n + 1] = im;
}

int sum_or_difference(int node, int row_a, int row_b, double sign)
{
    if (!work_valid(row_a) || !work_valid(row_b)) return -1;
    const calc_work &a = calc_work_tab[row_a];
    const calc_work &b = calc_work_tab[row_b];
    if (a.dim != b.dim) return -2;
    if (a.dim != 0 && (a.xn != b.xn || a.yn != b.yn)) return -3;
    const int r = work_alloc(node, a.dim, a.xn, a.yn);
    if (r < 0) return r;
    clear_row(r);
    const int nk = node_kind(node);
    if (nk != vk_quaternion && nk != vk_octonion && work_is_1x1(row_a) && work_is_1x1(row_b)) {
        double p[4];
        work_parts(row_a, row_b, p);
        put_complex(r, 0, p[0] + sign * p[2], nk == vk_complex ? p[1] + sign * p[3] : 0.0);
        return r;
    }
    calc_work &w = calc_work_tab[r];
    const int n = elem_doubles(w.kind);
    for (int e = 0; e < w.count; ++e) {
        for (int k = 0; k < n; ++k) w.data[e * n + k] = work_comp(row_a, e, k) + sign * work_comp(row_b, e, k);
    }
    return r;
}

void read_parts(int row, int e, int n, double *out)
{
    for (int k = 0; k < n; ++k) out[k] = work_comp(row, e, k);
}

int scalar_product(int node, int row_a, int row_b)
{
    const int r = work_alloc(node, 2, 1, 1);
    if (r < 0) return r;
    clear_row(r);
    const int nk = node_kind(node);
    double a[8];
    double b[8];
    double *out = calc_work_tab[r].data;
    if (nk == vk_quaternion || nk == vk_octonion) {
        read_parts(row_a, 0, nk, a);
        read_parts(row_b, 0, nk, b);
        if (nk == vk_quaternion) quaternion_product(a, b, out);
        else octonion_product(a, b, out);
        return r;
    }
    read_parts(row_a, 0, 2, a);
    read_parts(row_b, 0, 2, b);
    put_complex(r, 0, a[0] * b[0] - a[1] * b[1], a[0] * b[1] + b[0] * a[1]);
    return r;
}

// Each element of the matrix row times the scalar row's first element.
int matrix_by_scalar(int node, int row_m, int row_s, int scalar_left)
{
    const calc_work &m = calc_work_tab[row_m];
    const int r = work_alloc(node, m.dim, m.xn, m.yn);
    if (r < 0) return r;
    clear_row(r);
    const int nk = node_kind(node);
    const double sr = work_comp(row_s, 0, 0);
    const double si = nk == vk_plain || nk == vk_real ? 0.0 : work_comp(row_s, 0, 1);
    for (int e = 0; e < calc_work_tab[r].count; ++e) {
        const double er = work_comp(row_m, e, 0);
        const double ei = nk == vk_plain || nk == vk_real ? 0.0 : work_comp(row_m, e, 1);
        if (scalar_left) put_complex(r, e, sr * er - si * ei, sr * ei + er * si);
        else put_complex(r, e, er * sr - ei * si, er * si + sr * ei);
    }
    return r;
}

int matrix_product(int node, int row_a, int row_b)
{
    const calc_work &a = calc_work_tab[row_a];
    const calc_work &b = calc_work_tab[row_b];
    if (a.yn != b.xn) {
        calc_printf("F676 行番号(%d) カラム位置(%d)の行列の掛け算で、列数(%d)と行数(%d)が一致しません\r\n",
                    node_line(node), node_column(node), a.yn, b.xn);
        return -2;
    }
    const int rows = a.xn;
    const int cols = b.yn;
    const int inner = a.yn;
    const int r = work_alloc(node, 2, rows, cols);
    if (r < 0) return r;
    clear_row(r);
    const int nk = node_kind(node);
    const bool cplx = nk != vk_plain && nk != vk_real;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            double sr = 0.0;
            double si = 0.0;
            for (int k = 0; k < inner; ++k) {
                const int ea = i * inner + k;
                const int eb = k * cols + j;
                const double ar = work_comp(row_a, ea, 0);
                const double br = work_comp(row_b, eb, 0);
                if (cplx) {
                    const double ai = work_comp(row_a, ea, 1);
                    const double bi = work_comp(row_b, eb, 1);
                    sr += ar * br - ai * bi;
                    si += ar * bi + br * ai;
                } else {
                    sr += ar * br;
                }
            }
            put_complex(r, i * cols + j, sr, si);
        }
    }
    return r;
}

int one_element(int row) { return calc_work_tab[row].count == 1; }

// a times a fresh 1 x 1 row that holds the given components.
int times_inverse(int node, int row_a, const double *inv, int n)
{
    const int t = work_alloc(node, 2, 1, 1);
    if (t < 0) return t;
    clear_row(t);
    calc_work &w = calc_work_tab[t];
    const int m = elem_doubles(w.kind);
    for (int k = 0; k < n && k < m; ++k) w.data[k] = inv[k];
    const int r = work_mul(node, row_a, t);
    work_free(t);
    return r;
}

int hyper_inverse(int node, int row_a, int row_b, int n, int shape_code)
{
    if (!one_element(row_a) || !one_element(row_b)) return shape_code;
    double b[8];
    read_parts(row_b, 0, n, b);
    double s = 0.0;
    for (int k = 0; k < n; ++k) s += b[k] * b[k];
    if (s == 0.0) return shape_code - 1;
    double inv[8];
    for (int k = 0; k < n; ++k) inv[k] = (k == 0 ? b[k] : -b[k]) / s;
    return times_inverse(node, row_a, inv, n);
}

}  // namespace

void quaternion_product(const double *a, const double *b, double *r)
{
    r[0] = a[0] * b[0] - a[1] * b[1] - a[2] * b[2] - a[3] * b[3];
    r[1] = a[0] * b[1] + a[1] * b[0] + a[2] * b[3] - a[3] * b[2];
    r[2] = a[0] * b[2] + a[2] * b[0] + a[3] * b[1] - a[1] * b[3];
    r[3] = a[0] * b[3] + a[3] * b[0] + a[1] * b[2] - a[2] * b[1];
}

void octonion_product(const double *a, const double *b, double *r)
{
    r[0] = a[0] * b[0] - a[1] * b[1] - a[2] * b[2] - a[3] * b[3] - a[4] * b[4] - a[5] * b[5] - a[6] * b[6] -
           a[7] * b[7];
    r[1] = a[0] * b[1] + a[1] * b[0] + a[2] * b[3] - a[3] * b[2] + a[4] * b[5] - a[5] * b[4] + a[7] * b[6] -
           a[6] * b[7];
    r[2] = a[0] * b[2] + a[2] * b[0] + a[3] * b[1] - a[1] * b[3] + a[4] * b[6] - a[6] * b[4] + a[5] * b[7] -
           a[7] * b[5];
    r[3] = a[0] * b[3] + a[3] * b[0] + a[1] * b[2] - a[2] * b[1] + a[4] * b[7] - a[7] * b[4] + a[6] * b[5] -
           a[5] * b[6];
    r[4] = a[0] * b[4] + a[4] * b[0] + a[5] * b[1] - a[1] * b[5] + a[6] * b[2] - a[2] * b[6] + a[7] * b[3] -
           a[3] * b[7];
    r[5] = a[0] * b[5] + a[5] * b[0] + a[1] * b[4] - a[4] * b[1] + a[7] * b[2] - a[2] * b[7] + a[3] * b[6] -
           a[6] * b[3];
    r[6] = a[0] * b[6] + a[6] * b[0] + a[2] * b[4] - a[4] * b[2] + a[5] * b[3] - a[3] * b[5] + a[1] * b[7] -
           a[7] * b[1];
    r[7] = a[0] * b[7] + a[7] * b[0] + a[3] * b[4] - a[4] * b[3] + a[6] * b[1] - a[1] * b[6] + a[2] * b[5] -
           a[5] * b[2];
}

double work_comp(int row, int e, int k)
{
    if (!work_valid(row)) return 0.0;
    const calc_work &w = calc_work_tab[row];
    const int n = elem_doubles(w.kind);
    if (e < 0 || e >= w.count || k < 0 || k >= n) return 0.0;
    return w.data[e * n + k];
}

int work_add(int node, int row_a, int row_b) { return sum_or_difference(node, row_a, row_b, 1.0); }

int work_sub(int node, int row_a, int row_b) { return sum_or_difference(node, row_a, row_b, -1.0); }

int work_mul(int node, int row_a, int row_b)
{
    if (!work_valid(row_a) || !work_valid(row_b)) return -1;
    const int nk = node_kind(node);
    if (is_scalar(row_a) && is_scalar(row_b)) return scalar_product(node, row_a, row_b);
    if (nk == vk_quaternion || nk == vk_octonion) return -3;
    if (is_matrix(row_a) && is_scalar(row_b)) return matrix_by_scalar(node, row_a, row_b, 0);
    if (is_scalar(row_a) && is_matrix(row_b)) return matrix_by_scalar(node, row_b, row_a, 1);
    if (is_matrix(row_a) && is_matrix(row_b)) return matrix_product(node, row_a, row_b);
    calc_printf("F677 行番号(%d) カラム位置(%d)の行列の掛け算で、行列ではありません\r\n", node_line(node),
                node_column(node));
    return -3;
}

int work_div(int node, int row_a, int row_b)
{
    if (!work_valid(row_a) || !work_valid(row_b)) return -1;
    switch (node_kind(node)) {
    case vk_real: {
        if (!one_element(row_b)) return -2;
        const double b = work_comp(row_b, 0, 0);
        if (b == 0.0) return -3;
        const double inv = 1.0 / b;
        return times_inverse(node, row_a, &inv, 1);
    }
    case vk_complex: {
        if (!one_element(row_b)) return -4;
        const double br = work_comp(row_b, 0, 0);
        const double bi = work_comp(row_b, 0, 1);
        const double d = br * br + bi * bi;
        if (d == 0.0) return -5;
        const double inv[2] = {br / d, -bi / d};
        return times_inverse(node, row_a, inv, 2);
    }
    case vk_quaternion: return hyper_inverse(node, row_a, row_b, 4, -6);
    case vk_octonion: return hyper_inverse(node, row_a, row_b, 8, -8);
    default: break;
    }
    if (!work_is_1x1(row_a) || !work_is_1x1(row_b)) return -11;
    double p[4];
    work_parts(row_a, row_b, p);
    const int nk = node_kind(node);
    double re;
    double im = 0.0;
    if (nk == vk_plain) {
        re = p[0] / p[2];
    } else {
        const double d = p[2] * p[2] + p[3] * p[3];
        if (d == 0.0) return -10;
        re = (p[0] * p[2] + p[1] * p[3]) / d;
        im = (p[1] * p[2] - p[0] * p[3]) / d;
    }
    const int r = work_alloc(node, 2, 1, 1);
    if (r < 0) return r;
    clear_row(r);
    put_complex(r, 0, re, im);
    return r;
}

int work_pow(int node, int row)
{
    if (!work_valid(row)) return -1;
    calc_work &w = calc_work_tab[row];
    const int nk = node_kind(node);
    if ((w.dim == 1 || w.dim == 2) && !(w.xn == 1 && w.yn == 1)) {
        if (w.xn != w.yn) {
            calc_printf("F576 行番号(%d) カラム位置(%d)の行列の冪乗で、列数(%d)と行数(%d)が一致しません\r\n",
                        node_line(node), node_column(node), w.yn, w.xn);
            return -2;
        }
        clear_row(row);
        for (int i = 0; i < w.xn; ++i) put_complex(row, i * w.yn + i, 1.0, 0.0);
        return row;
    }
    if (!(w.xn == 1 && w.yn == 1)) {
        calc_printf("F577 行番号(%d) カラム位置(%d)の行列の冪乗で、行列ではありません\r\n", node_line(node),
                    node_column(node));
        return -3;
    }
    if (nk == vk_plain || nk == vk_real || nk == vk_complex || nk == vk_quaternion || nk == vk_octonion) {
        clear_row(row);
        w.data[0] = 1.0;
    }
    return row;
}

int assign_chain(int node, int target, int row, int depth)
{
    for (;;) {
        const int x = nd(target).child;
        if (work_store(row, x + 1) < 0) op_fail_msg(node);
        if (nd(x).type == 'E' && nd(x).nchild == 2) {
            target = x;
            ++depth;
            continue;
        }
        if (work_store(row, x) < 0) op_fail_msg(target);
        return depth;
    }
}

double work_compare(int row_a, int row_b)
{
    if (!work_valid(row_a) || !work_valid(row_b)) return 0.0;
    const calc_work &a = calc_work_tab[row_a];
    const calc_work &b = calc_work_tab[row_b];
    if (a.count != b.count || a.xn != b.xn || a.yn != b.yn || a.kind != b.kind) return 0.0;
    const long long n = static_cast<long long>(a.count) * elem_doubles(a.kind);
    const double ep = calc_ep;
    for (long long i = 0; i < n; ++i) {
        const double x = a.data[i];
        const double y = b.data[i];
        if (!(y - ep < x && x < y + ep)) return 0.0;
    }
    return 1.0;
}
