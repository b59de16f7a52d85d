// MKMATRIX and MKVECTOR outside the typed blocks: real column vectors copied
// into the columns of a real matrix, and back, inside the storage only.
#include "calc/calc_tables.h"

namespace {

int real_var(int node)
{
    const int var = var_of_node(node);
    return var >= 0 && calc_var_tab[var].kind == vk_real ? var : -1;
}

int fits(int var, long long n) { return calc_var_tab[var].storage != nullptr && calc_var_tab[var].cap >= n; }

// Checks the statement; 0 with the matrix, its row and column counts, or the failure code.
int check_shape(int node, int *matrix, int *rows, int *cols)
{
    const int n = nd(node).nchild;
    for (int c = 0; c < n; ++c) {
        if (nd(kid(node, c)).type != 'F') return -1;
    }
    const int m = kid(node, 0);
    if (nd(m).nchild != 2) return -2;
    *matrix = real_var(m);
    if (*matrix < 0) return -3;
    const int iv = real_var(kid(m, 0));
    if (iv < 0) return -4;
    const int jv = real_var(kid(m, 1));
    if (jv < 0) return -5;
    *rows = calc_var_tab[iv].count;
    *cols = calc_var_tab[jv].count;
    for (int c = 1; c < n; ++c) {
        const int v = kid(node, c);
        if (nd(v).nchild != 1) return -6;
        if (real_var(kid(v, 0)) < 0) return -7;
        if (calc_var_tab[var_of_node(kid(v, 0))].count != *rows) return -8;
    }
    if (*cols != n - 1) return -9;
    if (!fits(*matrix, static_cast<long long>(*rows) * *cols)) return -10;
    for (int c = 1; c < n; ++c) {
        const int v = var_of_node(kid(node, c));
        if (v < 0 || !fits(v, *rows)) return -11;
    }
    return 0;
}

int copy_columns(int node, int to_matrix)
{
    if (nd(node).nchild < 2) return 0;
    int matrix = -1;
    int rows = 0;
    int cols = 0;
    const int rc = check_shape(node, &matrix, &rows, &cols);
    if (rc < 0) {
        calc_printf("F222 行番号(%d) カラム位置(%d)で、形式が誤っています rtc(%d)\r\n", node_line(node), node_column(node),
                    rc);
        return rc;
    }
    double *m = calc_var_tab[matrix].storage;
    for (int p = 0; p < rows; ++p) {
        for (int q = 0; q < cols; ++q) {
            double *v = calc_var_tab[var_of_node(kid(node, q + 1))].storage;
            const long long e = static_cast<long long>(p) * cols + q;
            if (to_matrix) m[e] = v[p];
            else v[p] = m[e];
        }
    }
    return 0;
}

}  // namespace

int mkmatrix_real(int node) { return copy_columns(node, 1); }

int mkvector_real(int node) { return copy_columns(node, 0); }
