// Semantic passes before execution: internal-function calls, the repeat
// estimate, variable storage, value kinds and node linking.
#include <cstdlib>

#include "calc/calc_tables.h"

calc_var calc_var_tab[calc_var_max];
int calc_var_num;

namespace {

double loop_count(int call)
{
    const int row = node_var(call);
    if (tok_type(call) == 'V' && row >= 0 && calc_var_tab[row].decl >= 0) {
        return calc_decl_tab[calc_var_tab[row].decl].count;
    }
    double n = 1.0;
    for (int k = 0; k < nd(call).nchild; ++k) {
        const int a = kid(call, k);
        const int v = node_var(a);
        if (v >= 0 && (nd(a).type == 'v' || nd(a).type == 'a' || nd(a).type == 's' || nd(a).type == 'b' ||
                       nd(a).type == 'm')) {
            n *= calc_var_tab[v].size;
        }
    }
    return n;
}

double sigma_count(int first)
{
    int a = first;
    if (nd(a).type == 'q' && nd(a).nchild > 0) a = kid(a, 0);
    const int v = node_var(a);
    if (v >= 0 && (nd(a).type == 'v' || nd(a).type == 'a' || nd(a).type == 's' || nd(a).type == 'b' ||
                   nd(a).type == 'm')) {
        return calc_var_tab[v].size;
    }
    return 1.0;
}

double max2(double a, double b) { return a > b ? a : b; }

int leaf_kind(int kind)
{
    switch (kind) {
    case 1: return 3;
    case 2: return 2;
    case 3: return 1;
    case 4: return 5;
    case 8: return 9;
    default: return 0;
    }
}

void visit_children(int node, int from, int kind, int mode)
{
    for (int k = from; k < nd(node).nchild; ++k) propagate_kinds(kid(node, k), kind, mode);
}

}  // namespace

int check_inner_funcs(int node, int depth)
{
    int bad = 0;
    for (int k = 0; k < nd(node).nchild; ++k) bad |= check_inner_funcs(kid(node, k), depth + 1);
    calc_node &x = nd(node);
    if (x.code != 56 || x.tok < 0) return bad;
    const int label = calc_tok[x.tok].index;
    if (label < 0) return 1;
    const calc_label &l = calc_label_tab[label];
    if (l.link < 0) {
        if (!x.warn) {
            x.warn = 1;
            calc_printf("F500 行番号(%d) カラム位置(%d)の内部関数(%s)が定義されていません %d⇒?\r\n",
                        calc_tok[x.tok].line, calc_tok[x.tok].col + 1, l.name, x.nchild);
        }
        return 1;
    }
    const int params = l.link > 0 ? nd(l.link - 1).nchild : 0;
    if (params != x.nchild) {
        if (!x.warn) {
            x.warn = 1;
            calc_printf("F510 行番号(%d) カラム位置(%d)の内部関数(%s)の引数が不一致です %d⇒%d\r\n", calc_tok[x.tok].line,
                        calc_tok[x.tok].col + 1, l.name, x.nchild, params);
        }
        return 1;
    }
    return bad;
}

double count_repeats(int node, double factor, int flag)
{
    const calc_node &x = nd(node);
    if (flag == 1 && x.type == 'F' && tok_type(node) == 'V') return loop_count(node) * factor;
    if (flag == 1 && x.code == 81) return factor;
    if ((x.code == 10 || x.code == 45) && x.type == 'G') {
        const double f = factor * loop_count(kid(node, 0));
        return max2(count_repeats(kid(node, 1), f, flag), factor);
    }
    if (x.code == 111 && x.nchild > 0) {
        const double f = factor * sigma_count(kid(node, 0));
        double best = f;
        for (int k = 1; k < x.nchild; ++k) best = max2(best, count_repeats(kid(node, k), f, flag));
        return best;
    }
    if ((x.code == 48 || x.code == 54) && x.type == 'G') {
        return max2(count_repeats(kid(node, 1), factor, 1), factor);
    }
    if (x.nchild == 0) return factor;
    double best = 0.0;
    for (int k = 0; k < x.nchild; ++k) best = max2(best, count_repeats(kid(node, k), factor, flag));
    return best;
}

int alloc_vars()
{
    for (int i = 0; i < calc_var_num; ++i) calc_var_tab[i].storage = nullptr;
    for (int i = 0; i < calc_var_num; ++i) {
        calc_var &v = calc_var_tab[i];
        if (v.count < 0) {
            calc_printf("F520 変数(%s)のサイズが指定されていません、取りあえず1個にします\r\n", var_disp_name(v.letter));
            v.count = 1;
        }
        if (v.total > v.count) v.count = v.total;
        long long doubles = v.count;
        if (v.decl >= 0) doubles *= calc_decl_tab[v.decl].count;
        const long long bytes = doubles * static_cast<long long>(sizeof(double));
        void *p = bytes > 0x7FFFFFFFLL ? nullptr : calloc(static_cast<size_t>(doubles), sizeof(double));
        if (p == nullptr) {
            calc_printf("F521 変数(%s)のサイズ(0X%08llX)、doubleを%lld個が大き過ぎてメモリを確保出来ません\r\n",
                        var_disp_name(v.letter), static_cast<unsigned long long>(bytes), doubles);
            return 1;
        }
        v.storage = static_cast<double *>(p);
        v.cap = doubles;
        v.kind = 1;
    }
    return 0;
}

int free_vars()
{
    for (int i = 0; i < calc_var_num; ++i) {
        free(calc_var_tab[i].storage);
        calc_var_tab[i].storage = nullptr;
        calc_var_tab[i].cap = 0;
    }
    return 0;
}

int propagate_kinds(int node, int kind, int mode)
{
    calc_node &x = nd(node);
    static const int mode_child[5] = {0, 3, 2, 4, 8};
    static const int mode_node[5] = {0, 1, 2, 4, 8};
    switch (x.code) {
    case 1:
    case 69:
        if (mode == 0) {
            visit_children(node, 0, kind, mode);
        } else {
            visit_children(node, 0, mode_child[mode], mode);
            x.kind = static_cast<unsigned char>(mode_node[mode]);
        }
        return 0;
    case 11:
        check_op_kind(node, kind);
        x.kind = static_cast<unsigned char>(leaf_kind(kind));
        return 0;
    case 13: case 29: case 49:
        return 0;
    case 103:  // GAMMA: its arguments stay plain, the node takes the block's kind
        x.kind = static_cast<unsigned char>(kind == 1 || kind == 2 ? 2 : kind == 3 ? 1 : kind == 4 ? 4 : kind == 8 ? 8 : 0);
        return 0;
    case 50: case 51:
        if (kind == 1 || kind == 2) {
            x.kind = 2;
            visit_children(node, 0, 2, mode);
        } else {
            if (kind != 0) x.kind = 1;
            visit_children(node, 0, 3, mode);
        }
        return 0;
    case 78: case 79: case 80: case 89:
        x.kind = 2;
        visit_children(node, 0, 1, mode);
        return 0;
    case 81:
        x.kind = 2;
        visit_children(node, 0, 0, mode);
        return 0;
    case 83: visit_children(node, 0, 2, mode); return 0;
    case 84: case 85: case 87: visit_children(node, 0, 1, mode); return 0;
    case 86: visit_children(node, 0, 3, mode); return 0;
    case 92: case 97: case 96: case 98: {
        const int k = x.code == 92 || x.code == 97 ? 4 : 8;
        if (x.nchild > 0) propagate_kinds(kid(node, 0), k, mode);
        visit_children(node, 1, 0, mode);
        x.kind = static_cast<unsigned char>(k);
        return 0;
    }
    case 93: visit_children(node, 0, kind, mode); x.kind = 4; return 0;
    case 95: visit_children(node, 0, kind, mode); x.kind = 8; return 0;
    case 114: visit_children(node, 0, 4, mode); return 0;
    case 115: visit_children(node, 0, 8, mode); return 0;
    default: break;
    }
    if (x.type == 'G' && (x.code == 48 || x.code == 54 || x.code == 91 || x.code == 94)) {
        const int m = x.code == 48 ? 1 : x.code == 54 ? 2 : x.code == 91 ? 3 : 4;
        visit_children(node, 1, kind, m);
    } else {
        visit_children(node, 0, kind, mode);
    }
    x.kind = static_cast<unsigned char>(kind == 1 || kind == 2 ? 2 : kind == 3 ? 1 : kind == 4 ? 4 : kind == 8 ? 8 : 0);
    return 0;
}

int check_op_kind(int node, int block)
{
    const int row = node_var(node);
    if (row < 0 || calc_var_tab[row].decl < 0) return 0;
    const int mk = calc_decl_tab[calc_var_tab[row].decl].mkind;
    const char *text = nullptr;
    const char *code = nullptr;
    switch (block) {
    case 0: if (mk != 1) code = "F335", text = "実数"; break;
    case 1: if (mk != 2) code = "F334", text = "複素数"; break;
    case 2: if (mk != 2) code = "F334", text = "IMATRIX"; break;
    case 3: if (mk != 1) code = "F333", text = "MATRIX"; break;
    case 4: code = "F331", text = "QUATERNION"; break;
    case 8: code = "F332", text = "CAYLEY"; break;
    default: break;
    }
    if (code == nullptr) return 0;
    const calc_token &t = calc_tok[nd(node).tok];
    calc_printf("%s 行番号(%d) カラム位置(%d)の変数(%s)の演算種別(%s)に矛盾があります\r\n", code, t.line, t.col + 1,
                var_disp_name(calc_var_tab[row].letter), text);
    ++calc_kind_errs;
    return 1;
}

int link_nodes(int root)
{
    calc_node &x = nd(root);
    if (x.type == 'F' && tok_type(root) == 'V') {
        const int row = node_var(root);
        if (row >= 0 && calc_var_tab[row].decl >= 0) {
            const calc_decl &d = calc_decl_tab[calc_var_tab[row].decl];
            if (d.count == d.mkind) {
                calc_var_tab[row].declared = 1;
                x.flag2 = 1;
            }
        }
    }
    for (int k = 0; k < x.nchild; ++k) link_nodes(kid(root, k));
    return 0;
}

// The last linking pass has nothing left to change in the variable rows.
int calc_link_pass3() { return 0; }
