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

// The value kind of a variable standing in the context given.
int leaf_kind(int context)
{
    switch (context) {
    case ctx_complex: return vk_complex_leaf;
    case ctx_imatrix: return vk_complex;
    case ctx_matrix: return vk_real;
    case ctx_quaternion: return vk_quaternion_leaf;
    case ctx_cayley: return vk_octonion_leaf;
    default: return vk_plain;
    }
}

// The value kind of any other node standing in the context given.
int node_kind_in(int context)
{
    switch (context) {
    case ctx_complex: case ctx_imatrix: return vk_complex;
    case ctx_matrix: return vk_real;
    case ctx_quaternion: return vk_quaternion;
    case ctx_cayley: return vk_octonion;
    default: return vk_plain;
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
    if (x.code != op_call || x.tok < 0) return bad;
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
    if (flag == 1 && x.code == fn_complex) return factor;
    if ((x.code == op_all || x.code == kw_lla) && x.type == 'G') {
        const double f = factor * loop_count(kid(node, 0));
        return max2(count_repeats(kid(node, 1), f, flag), factor);
    }
    if (x.code == fn_sigma && x.nchild > 0) {
        const double f = factor * sigma_count(kid(node, 0));
        double best = f;
        for (int k = 1; k < x.nchild; ++k) best = max2(best, count_repeats(kid(node, k), f, flag));
        return best;
    }
    if ((x.code == kw_matrix || x.code == kw_imatrix) && x.type == 'G') {
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
        v.kind = vk_real;
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
    static const int mode_child[5] = {ctx_real, ctx_matrix, ctx_imatrix, ctx_quaternion, ctx_cayley};
    static const int mode_node[5] = {vk_plain, vk_real, vk_complex, vk_quaternion, vk_octonion};
    switch (x.code) {
    case op_assign:
    case op_add_to:
        if (mode == bm_none) {
            visit_children(node, 0, kind, mode);
        } else {
            visit_children(node, 0, mode_child[mode], mode);
            x.kind = static_cast<unsigned char>(mode_node[mode]);
        }
        return 0;
    case op_var:
        check_op_kind(node, kind);
        x.kind = static_cast<unsigned char>(leaf_kind(kind));
        return 0;
    case op_prt: case kw_out: case kw_mprt:
        return 0;
    case fn_gamma:  // GAMMA: its arguments stay plain, the node takes the block's kind
        x.kind = static_cast<unsigned char>(node_kind_in(kind));
        return 0;
    case kw_tr: case kw_det:
        if (kind == ctx_complex || kind == ctx_imatrix) {
            x.kind = vk_complex;
            visit_children(node, 0, ctx_imatrix, mode);
        } else {
            if (kind != ctx_real) x.kind = vk_real;
            visit_children(node, 0, ctx_matrix, mode);
        }
        return 0;
    case fn_argument: case fn_real: case fn_imaginary: case fn_iabs:
        x.kind = vk_complex;
        visit_children(node, 0, ctx_complex, mode);
        return 0;
    case fn_complex:
        x.kind = vk_complex;
        visit_children(node, 0, ctx_real, mode);
        return 0;
    case op_eq_complex: visit_children(node, 0, ctx_imatrix, mode); return 0;
    case op_set_complex: case op_add_complex: case fn_itrace: visit_children(node, 0, ctx_complex, mode); return 0;
    case op_eq_real: visit_children(node, 0, ctx_matrix, mode); return 0;
    case fn_norm: case fn_element: case fn_onorm: case fn_oelement: {
        const bool quaternion = x.code == fn_norm || x.code == fn_element;
        if (x.nchild > 0) propagate_kinds(kid(node, 0), quaternion ? ctx_quaternion : ctx_cayley, mode);
        visit_children(node, 1, ctx_real, mode);
        x.kind = static_cast<unsigned char>(quaternion ? vk_quaternion : vk_octonion);
        return 0;
    }
    case fn_quarter: visit_children(node, 0, kind, mode); x.kind = vk_quaternion; return 0;
    case fn_octal: visit_children(node, 0, kind, mode); x.kind = vk_octonion; return 0;
    case op_eq_quaternion: visit_children(node, 0, ctx_quaternion, mode); return 0;
    case op_eq_octonion: visit_children(node, 0, ctx_cayley, mode); return 0;
    default: break;
    }
    const bool typed_block =
        x.code == kw_matrix || x.code == kw_imatrix || x.code == fn_quaternion || x.code == fn_cayley;
    if (x.type == 'G' && typed_block) {
        const int m = x.code == kw_matrix       ? bm_matrix
                      : x.code == kw_imatrix    ? bm_imatrix
                      : x.code == fn_quaternion ? bm_quaternion
                                                : bm_cayley;
        visit_children(node, 1, kind, m);
    } else {
        visit_children(node, 0, kind, mode);
    }
    x.kind = static_cast<unsigned char>(node_kind_in(kind));
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
    case ctx_real: if (mk != vk_real) code = "F335", text = "実数"; break;
    case ctx_complex: if (mk != vk_complex) code = "F334", text = "複素数"; break;
    case ctx_imatrix: if (mk != vk_complex) code = "F334", text = "IMATRIX"; break;
    case ctx_matrix: if (mk != vk_real) code = "F333", text = "MATRIX"; break;
    case ctx_quaternion: code = "F331", text = "QUATERNION"; break;
    case ctx_cayley: code = "F332", text = "CAYLEY"; break;
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
