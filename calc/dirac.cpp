// Dirac matrices and their contractions, vector combinations, the axial
// vector, vector products, trace and determinant of typed values.
#include <cmath>
#include <vector>

#include "calc/calc_tables.h"

namespace {

struct cnum {
    double re;
    double im;
};

cnum cmul(cnum a, cnum b) { return {a.re * b.re - a.im * b.im, a.re * b.im + b.re * a.im}; }
cnum cadd(cnum a, cnum b) { return {a.re + b.re, a.im + b.im}; }
cnum csub(cnum a, cnum b) { return {a.re - b.re, a.im - b.im}; }
cnum cdiv(cnum a, cnum b)
{
    const double d = b.re * b.re + b.im * b.im;
    return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
}
double cabs2(cnum a) { return a.re * a.re + a.im * a.im; }

// The Dirac gamma matrices 0 to 5 (4 all zeros), entries as (re, im).
const signed char gamma_re[6][16] = {
    {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, -1},
    {0, 0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, -1, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 1, 0, 0, 0, 0, -1, -1, 0, 0, 0, 0, 1, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 1, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 1, 0, 0},
};
const signed char gamma_im[6][16] = {
    {0}, {0}, {0, 0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0}, {0}, {0}, {0},
};
const double metric[4] = {1.0, -1.0, -1.0, -1.0};

int gamma_row(int node, int n)
{
    const int r = work_alloc(node, 2, 4, 4);
    if (r < 0) return r;
    double *d = calc_work_tab[r].data;
    for (int e = 0; e < 16; ++e) {
        d[2 * e] = gamma_re[n][e];
        d[2 * e + 1] = gamma_im[n][e];
    }
    return r;
}

void scale_row(int row, cnum s)
{
    calc_work &w = calc_work_tab[row];
    if (w.kind != vk_complex) {
        for (int e = 0; e < w.count; ++e) w.data[e] *= s.re;
        return;
    }
    for (int e = 0; e < w.count; ++e) {
        const cnum v = cmul({w.data[2 * e], w.data[2 * e + 1]}, s);
        w.data[2 * e] = v.re;
        w.data[2 * e + 1] = v.im;
    }
}

// Adds a term to a running sum; both operand rows are freed.
int add_term(int node, int sum, int term)
{
    if (sum < 0) return term;
    const int r = work_add(node, sum, term);
    work_free(sum);
    work_free(term);
    return r;
}

// gamma(mu) m gamma(mu) scaled by the metric, or gamma(mu) gamma(mu) without m.
int sum_term(int node, int mu, int m)
{
    const int g = gamma_row(node, mu);
    int p = g;
    if (m >= 0) {
        p = work_mul(node, g, m);
        work_free(g);
        if (p < 0) return p;
    }
    const int g2 = gamma_row(node, mu);
    const int t = work_mul(node, p, g2);
    work_free(p);
    work_free(g2);
    if (t >= 0) scale_row(t, {metric[mu], 0.0});
    return t;
}

cnum elem(int row, int e) { return {work_comp(row, e, 0), work_comp(row, e, 1)}; }

int four_vector_code(int row, int base)
{
    const calc_work &w = calc_work_tab[row];
    if (w.dim != 2) return base;
    if (w.kind != vk_complex) return base - 2;
    if (w.xn != 1 && w.yn != 1) return base - 4;
    if (w.count != 4) return base - 6;
    return 0;
}

int column_vector_code(int row, int kind, int count)
{
    const calc_work &w = calc_work_tab[row];
    if (w.dim != 2) return -4;
    if (w.kind != kind) return -5;
    if (w.xn != 1 && w.yn != 1) return -6;
    if (count >= 0 && w.count != count) return -7;
    return 0;
}

void free_rows(const int *rows, int n)
{
    for (int k = 0; k < n; ++k) work_free(rows[k]);
}

int new_row(int node, int xn, int yn)
{
    const int r = work_alloc(node, 2, xn, yn);
    if (r < 0) return r;
    calc_work &w = calc_work_tab[r];
    const long long n = static_cast<long long>(w.count) * elem_doubles(w.kind);
    for (long long i = 0; i < n; ++i) w.data[i] = 0.0;
    return r;
}

void put(int row, int e, cnum v)
{
    calc_work &w = calc_work_tab[row];
    const int n = elem_doubles(w.kind);
    w.data[e * n] = v.re;
    if (n >= 2) w.data[e * n + 1] = v.im;
}

// Leibniz expansion; the sign is carried down each path of the recursion.
void leibniz(const std::vector<cnum> &m, int n, std::vector<int> &p, int d, double sign, cnum &sum)
{
    if (d == n - 1) {
        cnum t = {sign, 0.0};
        for (int i = 0; i < n; ++i) t = cmul(t, m[static_cast<size_t>(p[static_cast<size_t>(i)] * n + i)]);
        sum = cadd(sum, t);
        return;
    }
    for (int i = d; i < n; ++i) {
        std::swap(p[static_cast<size_t>(d)], p[static_cast<size_t>(i)]);
        leibniz(m, n, p, d + 1, i != d ? -sign : sign, sum);
        std::swap(p[static_cast<size_t>(d)], p[static_cast<size_t>(i)]);
    }
}

cnum elimination(std::vector<cnum> m, int n)
{
    cnum det = {1.0, 0.0};
    for (int c = 0; c < n; ++c) {
        int pivot = c;
        for (int r = c + 1; r < n; ++r) {
            if (cabs2(m[static_cast<size_t>(r * n + c)]) > cabs2(m[static_cast<size_t>(pivot * n + c)])) pivot = r;
        }
        if (cabs2(m[static_cast<size_t>(pivot * n + c)]) == 0.0) return {0.0, 0.0};
        if (pivot != c) {
            for (int k = 0; k < n; ++k) std::swap(m[static_cast<size_t>(c * n + k)], m[static_cast<size_t>(pivot * n + k)]);
            det = {-det.re, -det.im};
        }
        const cnum head = m[static_cast<size_t>(c * n + c)];
        det = cmul(det, head);
        for (int r = c + 1; r < n; ++r) {
            const cnum f = cdiv(m[static_cast<size_t>(r * n + c)], head);
            for (int k = c; k < n; ++k) {
                cnum &x = m[static_cast<size_t>(r * n + k)];
                x = csub(x, cmul(f, m[static_cast<size_t>(c * n + k)]));
            }
        }
    }
    return det;
}

// The determinant of a square row read by its own kind.
cnum determinant(int row)
{
    const calc_work &w = calc_work_tab[row];
    const int n = w.xn;
    std::vector<cnum> m(static_cast<size_t>(n) * n);
    for (int e = 0; e < n * n; ++e) m[static_cast<size_t>(e)] = elem(row, e);
    if (n > 8) return elimination(m, n);
    std::vector<int> p(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) p[static_cast<size_t>(i)] = i;
    cnum sum = {0.0, 0.0};
    leibniz(m, n, p, 0, 1.0, sum);
    return sum;
}

cnum trace(int row)
{
    const calc_work &w = calc_work_tab[row];
    cnum s = {0.0, 0.0};
    for (int i = 0; i < w.xn; ++i) s = cadd(s, elem(row, i * w.yn + i));
    return s;
}

int square(int row) { return calc_work_tab[row].xn == calc_work_tab[row].yn; }

int scalar_result(int node, cnum v)
{
    const int r = new_row(node, 1, 1);
    if (r >= 0) put(r, 0, v);
    return r;
}

}  // namespace

int work_gamma(int node)
{
    if (nd(node).nchild != 1) return -1;
    if (nd(node).kind != vk_complex) return -2;
    const int n = calc_to_int(eval_node(kid(node, 0), 0));
    if (n < 0 || n > 5 || n == 4) return -3;
    return gamma_row(node, n);
}

int work_sum(int node)
{
    if (nd(node).kind != vk_complex) return -2;
    if (nd(node).nchild > 1) return -1;
    int m = -1;
    if (nd(node).nchild == 1) {
        m = eval_typed(kid(node, 0));
        if (m < 0) return -3;
    }
    int sum = -1;
    for (int mu = 0; mu < 4; ++mu) {
        const int t = sum_term(node, mu, m);
        if (t < 0) {
            work_free(sum);
            sum = t;
            break;
        }
        sum = add_term(node, sum, t);
        if (sum < 0) break;
    }
    work_free(m);
    return sum;
}

int work_slash(int node)
{
    if (nd(node).nchild != 1) return -1;
    if (nd(node).kind != vk_complex) return -2;
    const int v = eval_typed(kid(node, 0));
    if (v < 0) return -3;
    const int rc = four_vector_code(v, -4);
    if (rc < 0) {
        work_free(v);
        return rc;
    }
    int sum = -1;
    for (int mu = 0; mu < 4 && (mu == 0 || sum >= 0); ++mu) {
        const int g = gamma_row(node, mu);
        if (g < 0) {
            work_free(sum);
            sum = g;
            break;
        }
        scale_row(g, elem(v, mu));
        sum = add_term(node, sum, g);
    }
    work_free(v);
    return sum;
}

int work_minkowski(int node)
{
    if (nd(node).nchild != 2) return -1;
    if (nd(node).kind != vk_complex) return -2;
    const int a = eval_typed(kid(node, 0));
    if (a < 0) return -3;
    const int b = eval_typed(kid(node, 1));
    const int rows[2] = {a, b};
    if (b < 0) {
        work_free(a);
        return -4;
    }
    const calc_work &wa = calc_work_tab[a];
    const calc_work &wb = calc_work_tab[b];
    int rc = 0;
    if (wa.dim != 2) rc = -5;
    else if (wb.dim != 2) rc = -6;
    else if (wa.kind != vk_complex) rc = -7;
    else if (wb.kind != vk_complex) rc = -8;
    else if (wa.xn != 1 && wa.yn != 1) rc = -9;
    else if (wb.xn != 1 && wb.yn != 1) rc = -10;
    else if (wa.count != 4) rc = -11;
    else if (wb.count != 4) rc = -12;
    if (rc < 0) {
        free_rows(rows, 2);
        return rc;
    }
    cnum s = {0.0, 0.0};
    for (int mu = 0; mu < 4; ++mu) {
        const cnum t = cmul(elem(a, mu), elem(b, mu));
        s = cadd(s, {t.re * metric[mu], t.im * metric[mu]});
    }
    free_rows(rows, 2);
    return scalar_result(node, s);
}

int work_comb(int node, int b)
{
    if (nd(node).nchild != b) return -1;
    const int kind = nd(node).kind;
    if (kind != vk_real && kind != vk_complex) return -2;
    int rows[4];
    int n = -1;
    for (int k = 0; k < b; ++k) {
        const int r = eval_typed(kid(node, k));
        int rc = r < 0 ? -3 : column_vector_code(r, kind, n);
        if (rc < 0) {
            if (r >= 0) work_free(r);
            free_rows(rows, k);
            return rc;
        }
        rows[k] = r;
        n = calc_work_tab[r].count;
    }
    const int res = n == 1 ? new_row(node, b, 1) : new_row(node, n, b);
    if (res >= 0) {
        for (int k = 0; k < b; ++k) {
            for (int s = 0; s < n; ++s) put(res, n == 1 ? k : s * b + k, elem(rows[k], s));
        }
    }
    free_rows(rows, b);
    return res;
}

int work_ga3(int node)
{
    if (nd(node).nchild != 1) return -1;
    const int m = eval_typed(kid(node, 0));
    if (m < 0) return -2;
    const int kind = nd(node).kind;
    int rc = 0;
    if (kind != vk_real && kind != vk_complex) rc = -3;
    else if (calc_work_tab[m].kind != kind) rc = -4;
    else if (calc_work_tab[m].xn != 3 || calc_work_tab[m].yn != 3) rc = -5;
    if (rc < 0) {
        work_free(m);
        return rc;
    }
    static const int pairs[3][2] = {{7, 5}, {2, 6}, {3, 1}};
    const int res = new_row(node, 3, 1);
    if (res >= 0) {
        for (int k = 0; k < 3; ++k) put(res, k, csub(elem(m, pairs[k][0]), elem(m, pairs[k][1])));
    }
    work_free(m);
    return res;
}

int work_vector_product(int node)
{
    if (nd(node).kind != vk_real) return -1;
    if (nd(node).nchild != 2) return -2;
    const int a = eval_typed(kid(node, 0));
    const int b = eval_typed(kid(node, 1));
    const int rows[2] = {a, b};
    int rc = 0;
    if (a < 0 || b < 0) rc = -2;
    else if (calc_work_tab[a].dim != 2 || calc_work_tab[b].dim != 2) rc = -3;
    else if (calc_work_tab[a].yn != 1 || calc_work_tab[b].yn != 1) rc = -4;
    else if (calc_work_tab[a].count != calc_work_tab[b].count) rc = -5;
    else if (calc_work_tab[a].count != 3 && calc_work_tab[a].count != 7) rc = -6;
    if (rc < 0) {
        free_rows(rows, 2);
        return rc;
    }
    const int n = calc_work_tab[a].count;
    double x[8] = {0};
    double y[8] = {0};
    double p[8];
    for (int k = 0; k < n; ++k) {
        x[k + 1] = work_comp(a, k, 0);
        y[k + 1] = work_comp(b, k, 0);
    }
    if (n == 3) quaternion_product(x, y, p);
    else octonion_product(x, y, p);
    free_rows(rows, 2);
    const int res = new_row(node, n, 1);
    if (res >= 0) {
        for (int k = 0; k < n; ++k) put(res, k, {p[k + 1], 0.0});
    }
    return res;
}

int work_tr(int node, int row)
{
    if (!work_valid(row)) return -1;
    if (!square(row)) return -2;
    return scalar_result(node, trace(row));
}

int work_det(int node, int row)
{
    if (!work_valid(row)) return -1;
    if (!square(row)) return -2;
    return scalar_result(node, determinant(row));
}

double tr_scalar(int, int row) { return work_valid(row) && square(row) ? trace(row).re : 0.0; }

double det_scalar(int, int row) { return work_valid(row) && square(row) ? determinant(row).re : 0.0; }
