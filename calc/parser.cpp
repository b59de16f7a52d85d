// Syntax analysis: bottom-up rewriting of the token list into the node tree,
// innermost bracket group first, pattern by pattern in order of precedence.
#include <cstring>
#include <string>
#include <vector>

#include "calc/calc_tables.h"
#include "shell/text.h"

calc_node calc_node_tab[calc_node_max];
int calc_node_num;

namespace {

struct wnode {
    char type;
    int tok;
    int sep_args;            // arguments before "):(" of a call, -1 none
    std::vector<int> kids;
};

std::vector<wnode> pool;
std::vector<int> work;       // the working list of pool ids
const int max_steps = 1001;

char type_at(int i) { return pool[static_cast<size_t>(work[static_cast<size_t>(i)])].type; }

int is_operand(char t) { return ((t >= 'A' && t <= 'Z') || (t >= 'a' && t <= 'z')) && t != 'f' && t != 'V'; }

int operand(int i) { return is_operand(type_at(i)); }

int is_name(char t) { return t == 'f' || t == 'V' || t == 'i'; }

int is_opener(int i)
{
    const char t = type_at(i);
    if (t == '{') return 1;
    if (t == '(') return i == 0 || !is_name(type_at(i - 1));
    return is_name(t) && i + 1 < static_cast<int>(work.size()) && type_at(i + 1) == '(';
}

int new_node(char type, int tok)
{
    wnode w;
    w.type = type;
    w.tok = tok;
    w.sep_args = -1;
    pool.push_back(w);
    return static_cast<int>(pool.size()) - 1;
}

// Replaces the list entries [a, b] by one entry.
void replace_range(int a, int b, int id)
{
    work.erase(work.begin() + a, work.begin() + b + 1);
    work.insert(work.begin() + a, id);
}

int binary(int gs, int ge, const char *ops, int nops, char type)
{
    for (int i = gs; i + 2 <= ge; ++i) {
        if (!operand(i) || !operand(i + 2)) continue;
        const char op = type_at(i + 1);
        for (int k = 0; k < nops; ++k) {
            if (op != ops[k]) continue;
            const int id = work[static_cast<size_t>(i + 1)];
            pool[static_cast<size_t>(id)].type = type;
            pool[static_cast<size_t>(id)].kids = {work[static_cast<size_t>(i)], work[static_cast<size_t>(i + 2)]};
            replace_range(i, i + 2, id);
            return 1;
        }
    }
    return 0;
}

int var_nidx_of(int id)
{
    const int t = pool[static_cast<size_t>(id)].tok;
    if (t < 0 || t >= calc_tok_max) return 0;
    const int row = calc_tok[t].index;
    return row >= 0 && row < calc_var_num ? calc_var_tab[row].nidx : 0;
}

int holds_difference(int id)
{
    const wnode &w = pool[static_cast<size_t>(id)];
    if (w.type == 'd') return 1;
    for (int k : w.kids) {
        if (holds_difference(k)) return 1;
    }
    return 0;
}

int index_like(int id)
{
    const wnode &w = pool[static_cast<size_t>(id)];
    if (w.type == 'v' || w.type == 'h') return var_nidx_of(id) != 0;
    return chr_in_str(w.type, "zlJasbmLBR");
}

// Whether x(arg) with one argument stays a call.
int call_keeps(int arg)
{
    const wnode &w = pool[static_cast<size_t>(arg)];
    if (index_like(arg)) return 1;
    if (w.type == 'E' || w.type == 'q') return 1;
    if (w.type == 'P' && !w.kids.empty() && index_like(w.kids[0]) && holds_difference(arg)) return 1;
    return 0;
}

int pattern_call(int gs, int ge)
{
    for (int i = gs; i + 2 <= ge; ++i) {
        if (!is_name(type_at(i)) || type_at(i + 1) != '(') continue;
        int j = i + 2;
        int args = 0;
        int sep_args = -1;
        bool ok = true;
        for (;;) {
            if (j > ge || !operand(j)) {
                ok = false;
                break;
            }
            ++args;
            ++j;
            if (j <= ge && type_at(j) == ',') {
                if (pool[static_cast<size_t>(work[static_cast<size_t>(j)])].tok >= 0 &&
                    calc_tok[pool[static_cast<size_t>(work[static_cast<size_t>(j)])].tok].index == -2 &&
                    sep_args < 0) {
                    sep_args = args;
                }
                ++j;
                continue;
            }
            break;
        }
        if (!ok || j > ge || type_at(j) != ')') continue;
        const int name = work[static_cast<size_t>(i)];
        if (pool[static_cast<size_t>(name)].type == 'V' && args == 1 && !call_keeps(work[static_cast<size_t>(i + 2)])) {
            pool[static_cast<size_t>(name)].type = 'v';
            return 1;
        }
        wnode &w = pool[static_cast<size_t>(name)];
        w.kids.assign(work.begin() + i + 2, work.begin() + j);
        w.sep_args = sep_args;
        w.type = 'F';
        replace_range(i, j, name);
        return 1;
    }
    return 0;
}

int pattern_empty_call(int gs, int ge)
{
    for (int i = gs; i + 2 <= ge; ++i) {
        if (is_name(type_at(i)) && type_at(i + 1) == '(' && type_at(i + 2) == ')') {
            const int name = work[static_cast<size_t>(i)];
            pool[static_cast<size_t>(name)].type = 'F';
            pool[static_cast<size_t>(name)].kids.clear();
            replace_range(i, i + 2, name);
            return 1;
        }
    }
    return 0;
}

int pattern_empty_braces(int gs, int ge)
{
    for (int i = gs; i + 1 <= ge; ++i) {
        if (type_at(i) == '{' && type_at(i + 1) == '}') {
            replace_range(i, i + 1, new_node('Z', -1));
            return 1;
        }
    }
    return 0;
}

int pattern_group(int gs, int ge, char open, char close)
{
    for (int i = gs; i + 2 <= ge; ++i) {
        if (type_at(i) != open || !operand(i + 1) || type_at(i + 2) != close) continue;
        if (open == '(' && !(i == gs || !operand(i - 1))) continue;
        const int id = work[static_cast<size_t>(i + 1)];
        replace_range(i, i + 2, id);
        return 1;
    }
    return 0;
}

int pattern_mod(int gs, int ge)
{
    for (int i = gs; i + 2 <= ge; ++i) {
        if (operand(i) && type_at(i + 1) == '%' && type_at(i + 2) == 'n') {
            const int id = work[static_cast<size_t>(i + 1)];
            pool[static_cast<size_t>(id)].type = 'q';
            pool[static_cast<size_t>(id)].kids = {work[static_cast<size_t>(i)], work[static_cast<size_t>(i + 2)]};
            replace_range(i, i + 2, id);
            return 1;
        }
    }
    return 0;
}

int pattern_postfix(int gs, int ge)
{
    for (int i = gs; i + 1 <= ge; ++i) {
        if (operand(i) && type_at(i + 1) == tk_bang) {
            const int id = work[static_cast<size_t>(i + 1)];
            pool[static_cast<size_t>(id)].type = 'U';
            pool[static_cast<size_t>(id)].kids = {work[static_cast<size_t>(i)]};
            replace_range(i, i + 1, id);
            return 1;
        }
    }
    return 0;
}

int pattern_prefix(int gs, int ge)
{
    for (int i = gs; i + 1 <= ge; ++i) {
        const char t = type_at(i);
        if (!operand(i + 1)) continue;
        bool ok = false;
        if (t == '~' || t == '`') ok = true;
        if ((t == '+' || t == '-') && (i == gs || (!operand(i - 1) && type_at(i - 1) != ')'))) ok = true;
        if (!ok) continue;
        const int id = work[static_cast<size_t>(i)];
        pool[static_cast<size_t>(id)].type = 'U';
        pool[static_cast<size_t>(id)].kids = {work[static_cast<size_t>(i + 1)]};
        replace_range(i, i + 1, id);
        return 1;
    }
    return 0;
}

// Two operands side by side; a statement list on the left is no factor, so
// statements without their final ";" stay unreduced.
int pattern_adjacent(int gs, int ge)
{
    for (int i = gs; i + 1 <= ge; ++i) {
        if (operand(i) && operand(i + 1) && type_at(i) != 'Z') {
            const int id = new_node('X', -1);
            pool[static_cast<size_t>(id)].kids = {work[static_cast<size_t>(i)], work[static_cast<size_t>(i + 1)]};
            replace_range(i, i + 1, id);
            return 1;
        }
    }
    return 0;
}

int pattern_list(int gs, int ge)
{
    for (int i = gs; i + 1 <= ge; ++i) {
        if (!operand(i) || type_at(i + 1) != ';') continue;
        int j = i;
        while (j + 1 <= ge && operand(j) && type_at(j + 1) == ';') j += 2;
        const int id = new_node('Z', -1);
        pool[static_cast<size_t>(id)].kids.assign(work.begin() + i, work.begin() + j);
        replace_range(i, j - 1, id);
        return 1;
    }
    return 0;
}

int try_patterns(int gs, int ge)
{
    static const char m_ops[] = {'/', '*', '&', '|', tk_point, tk_cross};
    static const char p_ops[] = {'+', '-'};
    static const char e_ops[] = {tk_lt, tk_le, tk_gt, tk_ge, tk_eq, tk_ne, tk_range, tk_colons, tk_star3, tk_star4};
    static const char and_op[] = {tk_and};
    static const char or_op[] = {tk_or};
    static const char set_ops[] = {'=', tk_add_to, tk_set_complex, tk_add_complex};
    static const char pow_op[] = {'^'};
    return pattern_call(gs, ge) || pattern_empty_call(gs, ge) || pattern_empty_braces(gs, ge) ||
           pattern_group(gs, ge, '(', ')') || pattern_group(gs, ge, '{', '}') || binary(gs, ge, pow_op, 1, 'p') ||
           pattern_mod(gs, ge) || pattern_postfix(gs, ge) || pattern_prefix(gs, ge) || pattern_adjacent(gs, ge) ||
           binary(gs, ge, m_ops, 6, 'M') || binary(gs, ge, p_ops, 2, 'P') || binary(gs, ge, e_ops, 10, 'E') ||
           binary(gs, ge, and_op, 1, 'E') || binary(gs, ge, or_op, 1, 'E') || binary(gs, ge, set_ops, 4, 'E') ||
           pattern_list(gs, ge);
}

void report_failure(int gs, int ge)
{
    std::string types;
    std::string letters;
    for (int i = gs; i <= ge && types.size() < 400; ++i) {
        const wnode &w = pool[static_cast<size_t>(work[static_cast<size_t>(i)])];
        types += w.type;
        char c = w.type;
        if (w.tok >= 0 && w.tok < calc_tok_max) {
            const calc_token &t = calc_tok[w.tok];
            const bool var = t.index >= 0 && t.index < calc_var_num && chr_in_str(t.type, "vzlhdJasbmLBRVHu");
            c = var ? calc_var_tab[t.index].letter : t.type;
        }
        letters += c;
    }
    const int first = pool[static_cast<size_t>(work[static_cast<size_t>(gs)])].tok;
    if (first >= 0 && first < calc_tok_max) {
        calc_printf("F800 行番号(%d) カラム位置(%d)の構文に誤りがある為、解析を続行出来ません  %s  %s\r\n",
                    calc_tok[first].line, calc_tok[first].col + 1, types.c_str(), letters.c_str());
    } else {
        calc_printf("F801 構文に誤りがある為、解析を続行出来ません  %s  %s\r\n", types.c_str(), letters.c_str());
    }
}

void fill_row(int row, int id)
{
    const wnode &w = pool[static_cast<size_t>(id)];
    calc_node &n = calc_node_tab[row];
    n.link = -1;
    n.type = w.type;
    n.kind = vk_plain;
    n.warn = 0;
    n.flag2 = 0;
    n.tok = w.tok;
    n.code = 0;
    n.offset = 0;
    n.argn = w.sep_args;
}

// Places the children of id consecutively after their own descendants;
// returns 0, or 1 when the node table is full.
int place_children(int id, std::vector<int> &rows)
{
    wnode &w = pool[static_cast<size_t>(id)];
    std::vector<int> order;
    if (w.type == 'F') {
        for (int k : w.kids) {
            const char t = pool[static_cast<size_t>(k)].type;
            if (t != ',' && t != ';') order.push_back(k);
        }
    }
    const int args = static_cast<int>(order.size());
    if (w.type == 'F') {
        for (int k : w.kids) {
            const char t = pool[static_cast<size_t>(k)].type;
            if (t == ',' || t == ';') order.push_back(k);
        }
    } else {
        order = w.kids;
    }
    for (int k : order) {
        if (place_children(k, rows) != 0) return 1;
    }
    if (calc_node_num + static_cast<int>(order.size()) > calc_node_max) return 1;
    const int first = calc_node_num;
    for (int k : order) {
        rows[static_cast<size_t>(k)] = calc_node_num;
        fill_row(calc_node_num, k);
        if (w.type == 'F' && calc_node_num - first >= args) calc_node_tab[calc_node_num].type = '.';
        ++calc_node_num;
    }
    return 0;
}

int first_placed_child(const wnode &w, const std::vector<int> &rows)
{
    if (w.kids.empty()) return -1;
    if (w.type != 'F') return rows[static_cast<size_t>(w.kids[0])];
    int best = -1;
    for (int k : w.kids) {
        const int r = rows[static_cast<size_t>(k)];
        if (best < 0 || r < best) best = r;
    }
    return best;
}

int count_args(const wnode &w)
{
    if (w.type != 'F') return static_cast<int>(w.kids.size());
    int n = 0;
    for (int k : w.kids) {
        const char t = pool[static_cast<size_t>(k)].type;
        if (t != ',' && t != ';') ++n;
    }
    return n;
}

int serialize(int root)
{
    std::vector<int> rows(pool.size(), -1);
    calc_node_num = 0;
    if (place_children(root, rows) != 0 || calc_node_num >= calc_node_max) return 1;
    rows[static_cast<size_t>(root)] = calc_node_num;
    fill_row(calc_node_num, root);
    ++calc_node_num;
    for (size_t id = 0; id < pool.size(); ++id) {
        if (rows[id] < 0) continue;
        calc_node &n = calc_node_tab[rows[id]];
        n.child = first_placed_child(pool[id], rows);
        n.nchild = static_cast<uint16_t>(count_args(pool[id]));
    }
    return 0;
}

}  // namespace

int parse_tokens()
{
    pool.clear();
    work.clear();
    const int ntok = calc_tok_num < calc_tok_max ? calc_tok_num : calc_tok_max;
    for (int t = 0; t < ntok; ++t) {
        work.push_back(new_node(calc_tok[t].type, t));
    }
    if (work.empty()) work.push_back(new_node('Z', -1));
    int steps = 0;
    for (;;) {
        int gs = 0;
        int ge = static_cast<int>(work.size()) - 1;
        for (int i = 0; i < static_cast<int>(work.size()); ++i) {
            const char t = type_at(i);
            if (t == ')' || t == '}') {
                ge = i;
                break;
            }
            if (is_opener(i)) gs = i;
        }
        if (ge == static_cast<int>(work.size()) - 1 && gs > 0) {
            bool closer = false;
            for (int i = gs; i <= ge; ++i) closer = closer || type_at(i) == ')' || type_at(i) == '}';
            if (!closer) gs = 0;
        }
        if (ge - gs + 1 < 2) break;
        if (++steps > max_steps || !try_patterns(gs, ge)) {
            report_failure(gs, ge);
            return 1;
        }
    }
    if (serialize(work[0]) != 0) {
        calc_printf("F801 構文に誤りがある為、解析を続行出来ません  %s  %s\r\n", "", "");
        return 1;
    }
    pool.clear();
    work.clear();
    return 0;
}
