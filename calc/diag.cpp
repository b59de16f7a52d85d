// The diagnostic statements VPRT, TPRT and OTHER: the group variables, the
// lexer's tables, the variable and declaration rows, the syntax tree and the
// unused variable letters, all printed through the output hook.
#include <cstdint>
#include <cstring>
#include <string>

#include "calc/calc_tables.h"

namespace {

const int tprt_marks_max = 20;

int tokens_held() { return calc_tok_num < calc_tok_max ? calc_tok_num : calc_tok_max; }

unsigned long low_bits(const void *p)
{
    return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(p) & 0xFFFFFFFFu);
}

std::string fixed_text(double x)
{
    char buf[400];
    fmt_double(buf, sizeof buf, "%f", x);
    return buf;
}

void print_tokens()
{
    std::string types;
    std::string marks;
    for (int t = 0; t < tokens_held(); ++t) {
        types += calc_tok[t].type;
        const int index = calc_tok[t].index;
        char digits[16];
        snprintf(digits, sizeof digits, "%d", index);
        marks += index == 255 ? '.' : digits[0];
    }
    calc_printf("⇒%s 字句解析結果\r\n", types.c_str());
    calc_printf("⇒%s インデクス\r\n", marks.c_str());
}

void print_variable(int row)
{
    const calc_var &v = calc_var_tab[row];
    const double first = v.storage != nullptr && v.cap > 0 ? v.storage[0] : 0.0;
    const long long last_at = (static_cast<long long>(v.count) - 1) * elem_doubles(v.kind);
    const double last = v.storage != nullptr && last_at >= 0 && last_at < v.cap ? v.storage[last_at] : 0.0;
    calc_printf("%d->var(%3s) d(%d) n(%3d) x(%3d) s(%4d) a(%08lx) v0(%s) v9(%s) d%c(%s) vs2(%d)\r\n", row,
                var_row_name(row), v.nidx, v.count - 1, static_cast<int>(low_bits(v.stack)), v.count,
                low_bits(v.storage), fixed_text(first).c_str(), fixed_text(last).c_str(), v.letter,
                fixed_text(v.step).c_str(), v.decl);
}

void print_declaration(int row)
{
    const calc_decl &d = calc_decl_tab[row];
    calc_printf("%3d->var(%3s) imrange(%d) dim(%2d) xn(%2d) yn(%2d) size(%d)\r\n", row, var_disp_name(d.letter), d.mkind,
                d.nidx, d.xn, d.yn, d.count);
}

int is_variable_token(char t) { return strchr("vzldhHuVJasbmLBR=", t) != nullptr && t != '\0'; }

// The detail of a TPRT line after the node's type letter.
std::string tprt_detail(int node)
{
    const calc_node &x = nd(node);
    char buf[1200];
    if (x.tok < 0) {
        snprintf(buf, sizeof buf, "->%c eq(%d)\r\n", x.type, x.kind);
        return buf;
    }
    const calc_token &t = calc_tok[x.tok];
    const char tt = t.type;
    const int var = var_of_node(node);
    const char *name = var_row_name(var);
    switch (tt) {
    case 'r': snprintf(buf, sizeof buf, "->%c %c %3s %d\r\n", x.type, tt, name, x.offset); return buf;
    case 'h': snprintf(buf, sizeof buf, "->%c %c %3s %d %d\r\n", x.type, tt, name, t.pair[0], var >= 0 ? calc_var_tab[var].count : 0); return buf;
    case 'j': case 'J': snprintf(buf, sizeof buf, "->%c %c %3s %d\r\n", x.type, tt, name, t.pair[0]); return buf;
    case 'i':
        snprintf(buf, sizeof buf, "->%c %c %s(%d)\r\n", x.type, tt,
                 t.index >= 0 && t.index < calc_label_num ? calc_label_tab[t.index].name : "?", t.index);
        return buf;
    case 'f': snprintf(buf, sizeof buf, "->%c %c %s eq(%d)\r\n", x.type, tt, ext_name(t.index), x.kind); return buf;
    case 'n':
        snprintf(buf, sizeof buf, "->%c %c %s eq(%d)\r\n", x.type, tt,
                 fixed_text(t.index >= 0 && t.index < calc_num_count ? calc_num_tab[t.index] : 0.0).c_str(), x.kind);
        return buf;
    case 'o': case 'D': snprintf(buf, sizeof buf, "->%c %c %d\r\n", x.type, tt, t.index); return buf;
    case 'A': snprintf(buf, sizeof buf, "->%c %c\r\n", x.type, tt); return buf;
    case 't':
        snprintf(buf, sizeof buf, "->%c %c %s\r\n", x.type, tt,
                 t.index >= 0 && t.index < calc_str_num ? calc_str_tab[t.index] : "");
        return buf;
    case 'a': case 's': case 'b': case 'm':
        snprintf(buf, sizeof buf, "->%c %c %3s %d %d\r\n", x.type, tt, name, t.pair[0], t.pair[1]);
        return buf;
    default: break;
    }
    if (t.index >= 0 && var >= 0 && is_variable_token(tt)) {
        snprintf(buf, sizeof buf, "->%c %c %3s eq(%d)\r\n", x.type, tt, name, x.kind);
    } else {
        snprintf(buf, sizeof buf, "->%c %c eq(%d)\r\n", x.type, tt, x.kind);
    }
    return buf;
}

}  // namespace

int exec_vprt()
{
    calc_printf("F555 kn(%d) hn(%d) 単独使用禁止半角文字(%s)\r\n", static_cast<int>(strlen(calc_gvar_codes)), calc_gvar_num,
                calc_gvar_codes);
    for (int i = 0; i < calc_gvar_num; ++i) {
        calc_printf("F666 %2d %c = %s\r\n", i, calc_gvar_tab[i].code, calc_gvar_tab[i].name);
    }
    return 0;
}

int vprt_tables()
{
    print_tokens();
    for (int i = 0; i < calc_str_num; ++i) calc_printf("%d->%s\r\n", i, calc_str_tab[i]);
    for (int i = 0; i < calc_ext_num; ++i) calc_printf("%d->%s\r\n", i, ext_name(i));
    for (int i = 0; i < calc_label_num; ++i) {
        calc_printf("%d->%s %3d %3d\r\n", i, calc_label_tab[i].name, calc_label_tab[i].link, calc_label_tab[i].nlocal);
    }
    for (int i = 0; i < calc_num_count; ++i) calc_printf("%d->%s\r\n", i, fixed_text(calc_num_tab[i]).c_str());
    for (int i = 0; i < calc_var_num; ++i) print_variable(i);
    for (int i = 0; i < calc_decl_num; ++i) print_declaration(i);
    return 0;
}

int tprt_indent(char *buf, size_t size, int count, char mark)
{
    if (size == 0) return 0;
    const int marks = count < 0 ? 0 : count > tprt_marks_max ? tprt_marks_max : count;
    int n = 0;
    for (; n < tprt_marks_max && static_cast<size_t>(n) + 1 < size; ++n) buf[n] = n < marks ? mark : ' ';
    buf[n] = '\0';
    return marks;
}

int exec_tprt(int node, int level)
{
    if (node < 0 || node >= calc_node_num) return 0;
    const calc_node &x = nd(node);
    char indent[tprt_marks_max + 1];
    tprt_indent(indent, sizeof indent, level, '>');
    std::string line;
    char head[200];
    snprintf(head, sizeof head, "⇒%s l(%d) i(%2d) o(%3d) n(%2d)", indent, level, node, x.code, x.nchild);
    line = head + tprt_detail(node);
    calc_out(line.c_str());
    for (int k = 0; k < x.nchild; ++k) exec_tprt(x.child + k, level + 1);
    return 0;
}

int exec_other()
{
    bool used[128] = {false};
    used[static_cast<int>('d')] = true;
    for (int i = 0; i < calc_var_num; ++i) {
        const unsigned char c = static_cast<unsigned char>(calc_var_tab[i].letter);
        if (c < 128) used[c] = true;
    }
    std::string unused;
    for (char c = 'A'; c <= 'Z'; ++c) {
        if (!used[static_cast<int>(c)]) unused += c;
    }
    for (char c = 'a'; c <= 'z'; ++c) {
        if (!used[static_cast<int>(c)]) unused += c;
    }
    calc_printf("F000 未使用変数は(%s)です\r\n", unused.c_str());
    return 0;
}
