// The work table of typed values: allocation with its warnings, the row
// operations, stores into variables, variable storage and node texts.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "calc/calc_tables.h"
#include "shell/text.h"

calc_work calc_work_tab[calc_work_max];
int calc_work_warns;
int calc_work_dumps;

namespace {

int tok_of(int node)
{
    if (node < 0 || node >= calc_node_num) return -1;
    const calc_node &x = nd(node);
    if (x.tok >= 0) return x.tok;
    if (x.nchild >= 1 && nd(x.child).tok >= 0) return nd(x.child).tok;
    if (x.nchild >= 2 && nd(x.child + 1).tok >= 0) return nd(x.child + 1).tok;
    return -1;
}

// Copies n doubles into a variable's storage at dst, refusing what does not fit.
int copy_into(int var, double *dst, const double *src, long long n)
{
    const calc_var &v = calc_var_tab[var];
    if (dst == nullptr || v.storage == nullptr) return -13;
    const long long at = dst - v.storage;
    if (at < 0 || at + n > v.cap) return -12;
    memcpy(dst, src, static_cast<size_t>(n) * sizeof(double));
    return 0;
}

int index_count(int node, int k)
{
    const int v = var_of_node(nd(node).child + k);
    return v >= 0 ? calc_var_tab[v].count : -1;
}

}  // namespace

int elem_doubles(int kind)
{
    return kind == vk_complex ? 2 : kind == vk_quaternion ? 4 : kind == vk_octonion ? 8 : 1;
}

int var_of_node(int node)
{
    if (node < 0 || node >= calc_node_num) return -1;
    const int t = nd(node).tok;
    if (t < 0) return -1;
    const int row = calc_tok[t].index;
    if (row < 0 || row >= calc_var_num) return -1;
    if (!chr_in_str(calc_tok[t].type, "vzldhHuVJasbmLBR=")) return -1;
    return row;
}

int work_alloc(int node, int dim, int xn, int yn)
{
    int row = 0;
    while (row < calc_work_max && calc_work_tab[row].data != nullptr) ++row;
    if (row >= 50 || row == calc_work_max) {
        if (calc_work_warns++ < 20 && node >= 0 && node < calc_node_num && !nd(node).warn) {
            nd(node).warn = 1;
            calc_printf("ワークテーブルが一杯になりました(i)\r\n");
        }
        if (calc_work_dumps++ < 2) {
            const int last = row < calc_work_max ? row : calc_work_max - 1;
            for (int r = 0; r <= last && r < 20; ++r) {
                const calc_work &w = calc_work_tab[r];
                const int t = tok_of(w.node);
                char name[16] = "?";
                if (t >= 0) {
                    if (calc_tok[t].type == 'v' && calc_tok[t].index >= 0 && calc_tok[t].index < calc_var_num) {
                        snprintf(name, sizeof name, "%s", var_disp_name(calc_var_tab[calc_tok[t].index].letter));
                    } else {
                        name[0] = calc_tok[t].type;
                        name[1] = '\0';
                    }
                }
                calc_printf("F534 i(%2d) sidx(%2d) 行番号(%2d) カラム位置(%2d) %2s dim(%d) xn(%d) yn(%d)\r\n", r, w.node,
                            t >= 0 ? calc_tok[t].line : -1, t >= 0 ? calc_tok[t].col + 1 : -1, name, w.dim, w.xn, w.yn);
            }
        }
        if (row == calc_work_max) return -3;
    }
    int count = 1;
    if (dim == 1 || dim == 2) {
        if (xn < 1 || yn < 1) return -1;
        const long long c = static_cast<long long>(xn) * yn;
        if (c > 0x7FFFFFF) return -4;
        count = static_cast<int>(c);
    } else if (dim != 0) {
        return -2;
    }
    const int nk = node >= 0 && node < calc_node_num ? nd(node).kind : 0;
    const int kind = nk == vk_complex || nk == vk_quaternion || nk == vk_octonion ? nk : vk_real;
    double *data = static_cast<double *>(malloc(static_cast<size_t>(count) * elem_doubles(kind) * sizeof(double)));
    if (data == nullptr) return -4;
    calc_work &w = calc_work_tab[row];
    w.kind = static_cast<unsigned char>(kind);
    w.dim = static_cast<int16_t>(dim);
    w.node = node;
    w.xn = dim == 0 ? 1 : xn;
    w.yn = dim == 0 ? 1 : yn;
    w.count = count;
    w.data = data;
    return row;
}

int work_free(int row)
{
    if (row < 0 || row >= calc_work_max) return -1;
    free(calc_work_tab[row].data);
    calc_work_tab[row].data = nullptr;
    return 0;
}

int work_dump()
{
    int used = 0;
    for (int r = 0; r < calc_work_max; ++r) {
        const calc_work &w = calc_work_tab[r];
        if (w.data == nullptr) continue;
        ++used;
        const int t = w.node >= 0 ? tok_of(w.node) : -1;
        calc_printf("F634 i(%2d) sidx(%2d) 行番号(%2d) カラム位置(%2d) %c dim(%d) xn(%d) yn(%d) eqno(%d) size(%d)\r\n", r,
                    w.node, t >= 0 ? calc_tok[t].line : -1, t >= 0 ? calc_tok[t].col + 1 : -1,
                    w.node >= 0 && w.node < calc_node_num ? nd(w.node).type : '?', w.dim, w.xn, w.yn, w.kind, w.count);
    }
    calc_printf("F101 使用残ワークエリア数(%d)\r\n", used);
    return 0;
}

int work_transpose(int row)
{
    if (!work_valid(row)) return -1;
    calc_work &w = calc_work_tab[row];
    if (w.kind == vk_quaternion || w.kind == vk_octonion) {
        if (w.count != 1) return w.kind == vk_quaternion ? -2 : -3;
        for (int k = 1; k < w.kind; ++k) w.data[k] = -w.data[k];
        return row;
    }
    const int e = elem_doubles(w.kind);
    std::vector<double> tmp(static_cast<size_t>(w.count) * e);
    for (int r = 0; r < w.xn; ++r) {
        for (int c = 0; c < w.yn; ++c) {
            for (int k = 0; k < e; ++k) {
                double x = w.data[(r * w.yn + c) * e + k];
                if (k == 1 && w.kind == vk_complex) x = -x;
                tmp[static_cast<size_t>((c * w.xn + r) * e + k)] = x;
            }
        }
    }
    memcpy(w.data, tmp.data(), tmp.size() * sizeof(double));
    const int t = w.xn;
    w.xn = w.yn;
    w.yn = t;
    return row;
}

int work_negate(int row)
{
    if (row < 0 || row >= calc_work_max || calc_work_tab[row].data == nullptr) return -1;
    calc_work &w = calc_work_tab[row];
    if (w.dim < 0 || w.dim > 2) return -2;
    const long long n = static_cast<long long>(w.count) * elem_doubles(w.kind);
    for (long long i = 0; i < n; ++i) w.data[i] = -w.data[i];
    return row;
}

int work_import_var(int node)
{
    const int var = var_of_node(node);
    if (var < 0) return -1;
    const calc_var &v = calc_var_tab[var];
    const int nk = nd(node).kind;
    if (v.decl >= 0) {
        const calc_decl &d = calc_decl_tab[v.decl];
        const int row = work_alloc(node, 2, d.xn, d.yn);
        if (row < 0) return row;
        calc_work &w = calc_work_tab[row];
        const long long n = static_cast<long long>(w.count) * elem_doubles(w.kind);
        for (long long i = 0; i < n; ++i) w.data[i] = i < v.cap && v.storage != nullptr ? v.storage[i] : 0.0;
        return row;
    }
    if (v.nidx <= 0 || nd(node).type == 'v') {
        const int row = work_alloc(node, 2, 1, 1);
        if (row < 0) return row;
        calc_work &w = calc_work_tab[row];
        if (w.kind == vk_complex) {
            w.data[0] = v.unit ? 0.0 : eval_node(node, 0);
            w.data[1] = v.unit ? 1.0 : 0.0;
        } else {
            const int e = elem_doubles(w.kind);
            for (int k = 0; k < e; ++k) w.data[k] = 0.0;
            w.data[0] = eval_node(node, 0);
        }
        return row;
    }
    if (v.nidx != 1 && v.nidx != 2) return -7;
    // A vector is a column; a matrix takes its shape from its two index
    // variables, or is one element under one index or two single ones.
    // fail: the code reported when the value cannot be taken.
    int xn = v.count, yn = 1, fail = -1;
    if (v.nidx == 2) {
        const int nc = nd(node).nchild;
        if (nc != 1 && nc != 2) return -2;
        const bool single = nc == 1 || (index_count(node, 0) == 1 && index_count(node, 1) == 1);
        xn = single ? 1 : index_count(node, 0);
        yn = single ? 1 : index_count(node, 1);
        if (nc == 1) fail = index_count(node, 0) != 1 || v.count != 1 ? -4 : -3;
        else fail = single ? -5 : -6;
    }
    const int row = work_alloc(node, 2, xn, yn);
    if (row < 0) return row;
    calc_work &w = calc_work_tab[row];
    const long long n = static_cast<long long>(w.count) * elem_doubles(w.kind);
    for (long long i = 0; i < n; ++i) w.data[i] = 0.0;
    const bool real = (nk == vk_plain || nk == vk_real) && (v.kind == vk_plain || v.kind == vk_real);
    const bool cplx = nk == vk_complex && v.kind == vk_complex;
    const bool shape_ok = fail != -4;
    if ((real || cplx) && shape_ok && v.storage != nullptr && n <= v.cap) {
        memcpy(w.data, v.storage, static_cast<size_t>(n) * sizeof(double));
    } else if (warn_once(node)) {
        calc_printf("F334 行番号(%d) カラム位置(%d) の変数(%s)の取り込みに失敗しました(%d)\r\n", node_line(node),
                    node_column(node), var_disp_name(v.letter), fail);
    }
    return row;
}

int work_store(int row, int node)
{
    if (row < 0 || row >= calc_work_max || calc_work_tab[row].data == nullptr) return -1;
    const calc_work &w = calc_work_tab[row];
    const int var = var_of_node(node);
    if (var < 0) return -4;
    calc_var &v = calc_var_tab[var];
    const int e = elem_doubles(w.kind);
    if (v.decl >= 0) {
        const calc_decl &d = calc_decl_tab[v.decl];
        if (w.xn != d.xn) return -2;
        if (w.yn != d.yn) return -3;
        double *dst = is_plain_var_node(node) ? v.storage : ref_var(node, 0);
        const int rc = copy_into(var, dst, w.data, d.count);
        return rc < 0 ? rc : row;
    }
    if (w.count == 1 && is_plain_var_node(node)) {
        if (var_storage(node, var, w.kind) != 0) return -14;
        double *dst = ref_var(node, 0);
        if (dst == nullptr) return -13;
        *dst = w.data[0];
        if (nd(node).type == 'd' && calc_dmode != 0) var_fill_steps(var);
        return row;
    }
    if (!is_fn_var_node(node)) return -4;
    if (var_storage(node, var, w.kind) != 0) return -14;
    const long long all = static_cast<long long>(w.count) * e;
    if (w.count == 1 && v.count == 1) {
        const int rc = copy_into(var, v.storage, w.data, e);
        return rc < 0 ? rc : row;
    }
    if (v.nidx == 1 && (w.xn == 1 || w.yn == 1)) {
        if (w.count != v.count) return -5;
        const int rc = copy_into(var, v.storage, w.data, all);
        return rc < 0 ? rc : row;
    }
    if (w.dim != v.nidx) return -6;
    if (w.dim == 0) {
        v.value = w.data[0];
        return row;
    }
    if (w.dim == 1) {
        if (w.count != v.count) return -7;
        const int rc = copy_into(var, v.storage, w.data, all);
        return rc < 0 ? rc : row;
    }
    if (w.dim == 2) {
        if (nd(node).nchild >= 2) {
            if (index_count(node, 0) != w.xn) return -9;
            if (index_count(node, 1) != w.yn) return -10;
            const int rc = copy_into(var, v.storage, w.data, all);
            return rc < 0 ? rc : row;
        }
        if (w.count != 1) return -8;
        nd(node).type = 'v';
        v.value = w.data[0];
        return row;
    }
    return -11;
}

int var_storage(int node, int var, int kind)
{
    if (var < 0 || var >= calc_var_num) return 1;
    calc_var &v = calc_var_tab[var];
    const calc_token *t = node >= 0 && node < calc_node_num && nd(node).tok >= 0 ? &calc_tok[nd(node).tok] : nullptr;
    if ((v.kind == vk_complex || v.kind == vk_quaternion || v.kind == vk_octonion) && kind == vk_real) {
        calc_printf("F526 行番号(%d) カラム位置(%d)で、変数(%s)のサイズの異なる指定でメモリの確保要求がありました\r\n",
                    t != nullptr ? t->line : -1, t != nullptr ? t->col + 1 : -1, var_disp_name(v.letter));
    }
    if (v.kind == kind && v.storage != nullptr) return 0;
    if (kind != vk_real && kind != vk_complex && kind != vk_quaternion && kind != vk_octonion) return 2;
    free(v.storage);
    v.storage = nullptr;
    v.cap = 0;
    if (v.count < 0) {
        calc_printf("F521 行番号(%d) カラム位置(%d)で、変数(%s)のサイズが指定されていません、取りあえず1個にします\r\n",
                    t != nullptr ? t->line : -1, t != nullptr ? t->col + 1 : -1, var_disp_name(v.letter));
        v.count = 1;
    }
    v.kind = static_cast<unsigned char>(kind);
    long long doubles = static_cast<long long>(v.count) * elem_doubles(kind);
    if (v.decl >= 0) doubles = static_cast<long long>(v.count) * calc_decl_tab[v.decl].count * elem_doubles(kind);
    const long long bytes = doubles * static_cast<long long>(sizeof(double));
    void *p = bytes > 0x7FFFFFFFLL ? nullptr : calloc(static_cast<size_t>(doubles), sizeof(double));
    if (p == nullptr) {
        calc_printf("F522 変数(%s)のサイズ(0X%08llX)、doubleを%d個が大き過ぎてメモリを確保出来ません\r\n",
                    var_disp_name(v.letter), static_cast<unsigned long long>(static_cast<long long>(v.count) * 8),
                    v.count);
        return 1;
    }
    v.storage = static_cast<double *>(p);
    v.cap = doubles;
    return 0;
}

int var_fill_steps(int var)
{
    calc_var &v = calc_var_tab[var];
    if (v.nidx != 1 || v.step == 0.0 || v.storage == nullptr) return 0;
    const int e = elem_doubles(v.kind);
    for (long long i = 1; i < v.count && (i + 1) * e <= v.cap; ++i) v.storage[i * e] = v.storage[(i - 1) * e] + v.step;
    return 0;
}

int work_is_1x1(int row) { return work_valid(row) && calc_work_tab[row].xn == 1 && calc_work_tab[row].yn == 1; }

int work_parts(int row_a, int row_b, double *parts)
{
    for (int k = 0; k < 4; ++k) parts[k] = 0.0;
    if (!work_valid(row_a) || !work_valid(row_b)) return 0;
    const calc_work &a = calc_work_tab[row_a];
    const calc_work &b = calc_work_tab[row_b];
    parts[0] = a.data[0];
    parts[1] = a.kind == vk_complex ? a.data[1] : 0.0;
    parts[2] = b.data[0];
    parts[3] = b.kind == vk_complex ? b.data[1] : 0.0;
    return 0;
}

int node_line(int node)
{
    const int t = tok_of(node);
    if (t >= 0) return calc_tok[t].line;
    return node >= 0 && node < calc_node_num && nd(node).nchild < 2 ? -2 : -1;
}

int node_column(int node)
{
    const int t = tok_of(node);
    if (t >= 0) return calc_tok[t].col + 1;
    return node >= 0 && node < calc_node_num && nd(node).nchild < 2 ? -2 : -1;
}

int is_plain_var_node(int node) { return chr_in_str(nd(node).type, "vzldrohD"); }

int is_fn_var_node(int node) { return nd(node).type == 'F' && nd(node).tok >= 0 && calc_tok[nd(node).tok].type == 'V'; }

int var_node_kind(int node)
{
    if (is_plain_var_node(node)) return 1;
    if (is_fn_var_node(node)) {
        const int var = var_of_node(node);
        if (var < 0) return -1;
        const int k = calc_var_tab[var].kind;
        return k == 1 || k == 4 || k == 8 ? k : 2;
    }
    return -1;
}

int index_offset_node(int node)
{
    const calc_node &x = nd(node);
    if (x.type != 'P' || x.nchild < 2) return -1;
    const int second = x.child + 1;
    if (nd(second).type != 'X' || nd(second).nchild < 1) return -1;
    const int first = nd(second).child;
    return nd(first).type == 'n' ? -1 : first;
}

const char *op_text(int node)
{
    static char one[2];
    const int t = tok_of(node);
    if (t < 0) return "?";
    const calc_token &k = calc_tok[t];
    static const char *const cmp[] = {"<", "<=", ">", ">=", "==", "<>", "!", "&&", "||", "+="};
    switch (k.type) {
    case '.': return "..";
    case '"': return "::";
    case '<': return "**";
    case '[': return "***";
    case ']': return "****";
    case '\'': return "=:";
    case '\\': return ".";
    case 'H': return "?";
    case '$': return "+:";
    case 'n': return k.index >= 0 ? calc_num_text(calc_num_tab[k.index]) : "?";
    case 'i': return k.index >= 0 ? calc_label_tab[k.index].name : "?";
    case 'f': return ext_name(k.index);
    default: break;
    }
    if (k.type >= '0' && k.type <= '9') return cmp[k.type - '0'];
    one[0] = k.type;
    one[1] = '\0';
    return one;
}

int op_fail_msg(int node)
{
    if (node < 0 || node >= calc_node_num || !warn_once(node)) return 0;
    calc_printf("F700 行番号(%d) カラム位置(%d)の代入、足し込み、又は一致比較操作(%s)に失敗しました\r\n", node_line(node),
                node_column(node), op_text(node));
    return 0;
}
