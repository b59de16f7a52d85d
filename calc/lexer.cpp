// The lexer: one substituted statement line into tokens, with the tables of
// variables, numbers, strings, external-function names and labels it fills.
#include <cstdlib>
#include <cstring>

#include "calc/calc_tables.h"
#include "shell/sjis.h"
#include "shell/text.h"

calc_token calc_tok[calc_tok_max];
int calc_tok_num;
double calc_num_tab[calc_num_max];
int calc_num_count;
char calc_str_tab[calc_str_max][calc_str_len + 1];
int calc_str_num;
calc_ext calc_ext_tab[calc_ext_max];
int calc_ext_num;
calc_label calc_label_tab[calc_label_max];
int calc_label_num;
int calc_reg_high;
int calc_tok_col;
char calc_err_text[64];

namespace {

int arg_counter;      // statement arguments (ALL, PRT, MPRT, OUT, LLA, SIGMA)
int matrix_counter;   // MATRIX / IMATRIX head
int matrix_kind;
int array_counter;    // ARRAY arguments

int is_upper(int c) { return c >= 'A' && c <= 'Z'; }
int is_lower(int c) { return c >= 'a' && c <= 'z'; }
int is_digit(int c) { return c >= '0' && c <= '9'; }

int is_var_letter(const char *p)
{
    const int c = static_cast<unsigned char>(*p);
    if (is_lower(c)) return c != 'd';
    return is_upper(c) && !is_upper(static_cast<unsigned char>(p[1]));
}

int column_of(const char *p) { return src_column(static_cast<int>(p - calc_line_start) + 1) - 1; }

int add_tok(char type, int index, int col)
{
    const int t = calc_tok_num++;
    if (t >= calc_tok_max) return -1;
    calc_token &k = calc_tok[t];
    k.type = type;
    k.line = calc_line_no;
    k.col = col;
    k.index = index;
    k.pair[0] = 0;
    k.pair[1] = 0;
    k.argdepth = static_cast<unsigned char>(arg_counter > 254 ? 254 : arg_counter);
    k.array_flag = 0;
    return t;
}

void set_pair(int t, int a, int b)
{
    if (t < 0) return;
    calc_tok[t].pair[0] = a;
    calc_tok[t].pair[1] = b;
}

// Reads a bounded decimal number of digits.
int read_count(const char **pp)
{
    long long n = 0;  // wide enough for a clamped value times ten on every build
    const char *p = *pp;
    while (is_digit(static_cast<unsigned char>(*p))) {
        n = n * 10 + (*p - '0');
        if (n > 0x7FFFFFFE) n = 0x7FFFFFFE;
        ++p;
    }
    *pp = p;
    return static_cast<int>(n);
}

void raise_counters(int by)
{
    if (arg_counter > 0) arg_counter += by;
    if (matrix_counter > 0) matrix_counter += by;
    if (array_counter > 0) array_counter += by;
}

int mark_indexed(int row)
{
    if (calc_var_tab[row].nidx <= 0) calc_var_tab[row].nidx = 1;
    return row;
}

const char *fail(const char *code, const char *at)
{
    copy_bounded(calc_err_code, sizeof calc_err_code, code);
    return at;
}

// The size form xn and its check.
void size_form(int row, int n, int tok, int col)
{
    calc_var &v = calc_var_tab[row];
    mark_indexed(row);
    if (v.first_size_tok < 0) v.first_size_tok = tok;
    if (!v.qflag && v.size > 0 && n != v.size) {
        calc_printf("F6561 行番号(%d) カラム位置(%d)で、?指定変数(%s)でないのに異なるサイズ(%d)を指定しています\r\n",
                    calc_line_no, col + 1, var_disp_name(v.letter), n);
    }
    if (n > v.size) {
        if (v.unit) {
            calc_printf("F656 行番号(%d) カラム位置(%d)で、１要素限定変数(%s)にサイズ(%d)を指定しています\r\n",
                        calc_line_no, col + 1, var_disp_name(v.letter), n);
        } else {
            v.size = n;
            v.count = n + 1;
        }
    }
}

int ext_slot(const char *name)
{
    for (int i = 0; i < calc_ext_num; ++i) {
        if (strcmp(calc_ext_tab[i].name, name) == 0) return i;
    }
    if (calc_ext_num >= calc_ext_max) return -1;
    copy_bounded(calc_ext_tab[calc_ext_num].name, calc_ext_len, name);
    calc_ext_tab[calc_ext_num].value = 0;
    return calc_ext_num++;
}

int label_slot(const char *name, int declared, int has_number)
{
    int i = 0;
    for (; i < calc_label_num; ++i) {
        if (strcmp(calc_label_tab[i].name, name) == 0) break;
    }
    if (i == calc_label_num) {
        if (calc_label_num >= calc_label_max) return -1;
        copy_bounded(calc_label_tab[i].name, sizeof calc_label_tab[i].name, name);
        calc_label_tab[i].link = -1;
        calc_label_tab[i].nlocal = 0;
        ++calc_label_num;
    }
    if (has_number) calc_label_tab[i].nlocal = declared;
    return i;
}

int str_slot(const char *text)
{
    for (int i = 0; i < calc_str_num; ++i) {
        if (strcmp(calc_str_tab[i], text) == 0) return i;
    }
    if (calc_str_num >= calc_str_max) return -1;
    copy_bounded(calc_str_tab[calc_str_num], sizeof calc_str_tab[0], text);
    return calc_str_num++;
}

// A variable letter at p and its forms; returns the error position or null,
// and moves p past the form.
const char *lex_variable(const char **pp)
{
    const char *p = *pp;
    const int col = calc_tok_col;
    const int letter = static_cast<unsigned char>(*p);
    const int existed = [letter] {
        for (int i = 0; i < calc_var_num; ++i) {
            if (calc_var_tab[i].letter == letter) return 1;
        }
        return 0;
    }();
    const int row = var_find_or_add(letter);
    calc_var &v = calc_var_tab[row];
    ++p;
    if (*p == '&') {
        if (!is_var_letter(p + 1)) return fail("E1012", p + 1);
        const int row2 = var_find_or_add(static_cast<unsigned char>(p[1]));
        mark_indexed(row);
        const int t = add_tok('v', row2, col + 2);
        set_pair(t, row, row2);
        *pp = p + 2;
        return nullptr;
    }
    if (*p == '0') {
        if (is_digit(static_cast<unsigned char>(p[1]))) return fail("E102", p + 1);
        if (!existed) v.count = -1;
        mark_indexed(row);
        const int t = add_tok('z', row, col);
        if (v.first_zd_tok < 0) v.first_zd_tok = t;
        *pp = p + 1;
        return nullptr;
    }
    if (*p == '\'') {
        int n = 0;
        while (*p == '\'') ++n, ++p;
        if (!existed) v.nidx = -1;
        set_pair(add_tok('R', row, col), 0, n);
        *pp = p;
        return nullptr;
    }
    if (*p == ':') {
        ++p;
        if (!is_digit(static_cast<unsigned char>(*p))) return fail("E103", p);
        const int n = read_count(&p);
        if (!existed) v.nidx = -1;
        set_pair(add_tok('J', row, col), n, 0);
        *pp = p;
        return nullptr;
    }
    if (*p == '?' || *p == '@') {
        const char kind = *p;
        const char *q = p + 1;
        while (*q == ' ' || *q == '\t') ++q;
        if (*q != ';') return fail(kind == '?' ? "E105" : "E106", q);
        if (kind == '?') v.qflag = 1;
        else v.unit = 1;
        mark_indexed(row);
        add_tok(kind == '?' ? 'H' : 'u', row, col);
        *pp = q;
        return nullptr;
    }
    if (*p >= '1' && *p <= '9') {
        const int n = read_count(&p);
        const char type = v.qflag ? 'h' : 'l';
        const int t = add_tok(type, row, col);
        if (type == 'h') set_pair(t, n, 0);
        size_form(row, n, t, col);
        *pp = p;
        return nullptr;
    }
    if (*p == '(') {
        if (!existed) v.nidx = -1;
        if (matrix_counter > 0) {
            if (v.decl >= 0 && calc_decl_tab[v.decl].mkind != matrix_kind) {
                calc_printf("F277 行番号(%d) カラム位置(%d)の変数(%s)に関して、行列の種類に矛盾があります\r\n",
                            calc_line_no, col + 1, var_disp_name(letter));
                return fail("E1061", *pp);
            }
            if (v.decl < 0 && calc_decl_num < calc_decl_max) {
                calc_decl &d = calc_decl_tab[calc_decl_num];
                d.mkind = static_cast<unsigned char>(matrix_kind);
                d.letter = static_cast<char>(letter);
                d.nidx = -1;
                d.xn = 0;
                d.yn = 0;
                d.count = 1;
                d.tok = -1;
                v.decl = calc_decl_num++;
            }
            const int t = add_tok('V', row, col);
            if (t >= 0) calc_tok[t].argdepth = tk_head_depth;
        } else {
            const int t = add_tok('V', row, col);
            if (t >= 0 && array_counter > 0) calc_tok[t].array_flag = 1;
        }
        *pp = p;
        return nullptr;
    }
    const char *q = p;
    while (*q == ' ' || *q == '\t') ++q;
    if (*q == '(') return fail("E1090", q);
    add_tok('v', row, col);
    *pp = p;
    return nullptr;
}

const char *lex_difference(const char **pp)
{
    const char *p = *pp + 1;
    const int col = calc_tok_col;
    if (is_var_letter(p)) {
        const int row = var_find_or_add(static_cast<unsigned char>(*p));
        mark_indexed(row);
        if (p[1] == '&') {
            if (!is_var_letter(p + 2)) return fail("E1011", p + 2);
            const int row2 = var_find_or_add(static_cast<unsigned char>(p[2]));
            const int t = add_tok('d', row2, col + 3);
            set_pair(t, row, row2);
            *pp = p + 3;
            return nullptr;
        }
        const int t = add_tok('d', row, col);
        set_pair(t, -1, -1);
        if (calc_var_tab[row].first_zd_tok < 0) calc_var_tab[row].first_zd_tok = t;
        *pp = p + 1;
        return nullptr;
    }
    if (is_digit(static_cast<unsigned char>(*p))) {
        const int n = read_count(&p);
        add_tok('o', n, col);
        *pp = p;
        return nullptr;
    }
    return fail("E101", *pp);
}

const char *lex_function(const char **pp)
{
    const char *p = *pp;
    char name[64];
    const char *sym = sym_keyword(p);
    if (sym != nullptr) {
        copy_bounded(name, sizeof name, sym);
        p += 2;
    } else {
        size_t n = 0;
        while (is_upper(static_cast<unsigned char>(*p)) || is_digit(static_cast<unsigned char>(*p))) {
            if (n + 1 < sizeof name) name[n++] = *p;
            ++p;
        }
        name[n] = '\0';
    }
    add_tok('f', ext_slot(name), calc_tok_col);
    if (!is_func_keyword(name)) {
        calc_printf("E107 行番号(%d) カラム位置(%d)の外部関数名(%s)が誤っています\r\n", calc_line_no,
                    calc_tok_col + 1, name);
    }
    const char *const stmt_words[] = {"ALL", "PRT", "MPRT", "OUT", "LLA", "SIGMA"};
    int stmt = 0;
    for (const char *w : stmt_words) stmt |= strcmp(name, w) == 0;
    if (stmt) {
        if (matrix_counter > 0 || array_counter > 0) return fail("E1091", *pp);
        arg_counter = arg_counter > 0 ? arg_counter + 1 : 1;
    } else if (strcmp(name, "MATRIX") == 0 || strcmp(name, "IMATRIX") == 0) {
        if (arg_counter > 0 || matrix_counter > 0 || array_counter > 0) return fail("E1092", *pp);
        matrix_counter = 1;
        matrix_kind = name[0] == 'M' ? vk_real : vk_complex;
    } else if (strcmp(name, "ARRAY") == 0) {
        if (arg_counter > 0 || matrix_counter > 0 || array_counter > 0) return fail("E1093", *pp);
        array_counter = 1;
    } else {
        raise_counters(1);
    }
    if (*p != '(') return fail("E109", p);
    calc_tok_col = column_of(p);
    add_tok('(', -1, calc_tok_col);
    ++calc_paren_depth;
    *pp = p + 1;
    return nullptr;
}

const char *lex_label(const char **pp)
{
    const char *p = *pp + 1;
    if (!is_upper(static_cast<unsigned char>(*p))) return fail("E110", p);
    char name[64];
    size_t n = 0;
    name[n++] = '_';
    while (is_upper(static_cast<unsigned char>(*p))) {
        if (n + 1 < sizeof name) name[n++] = *p;
        ++p;
    }
    name[n] = '\0';
    if (n > static_cast<size_t>(calc_label_len)) {
        copy_bounded(calc_err_text, sizeof calc_err_text, name);
        return fail("E111", *pp);
    }
    const int has_number = is_digit(static_cast<unsigned char>(*p));
    const int declared = has_number ? read_count(&p) : 0;
    add_tok('i', label_slot(name, declared, has_number), calc_tok_col);
    if (*p != '(') return fail("E1101", p);
    *pp = p;
    return nullptr;
}

const char *lex_string(const char **pp)
{
    const char *p = *pp + 1;
    char text[calc_str_len + 1];
    size_t n = 0;
    while (*p != '"') {
        if (*p == '\0' || *p == '\r' || *p == '\n') return fail("E113", p);
        if (n >= static_cast<size_t>(calc_str_len)) return fail("E112", *pp);
        text[n++] = *p++;
    }
    text[n] = '\0';
    add_tok('t', str_slot(text), calc_tok_col);
    *pp = p + 1;
    return nullptr;
}

const char *lex_angle(const char **pp)
{
    const char *p = *pp;
    int i = 0;
    while (*p == '<') ++i, ++p;
    if (!is_var_letter(p)) return fail("E117", p);
    const int row = var_find_or_add(static_cast<unsigned char>(*p));
    ++p;
    if (*p == '>') {
        int j = 0;
        while (*p == '>') ++j, ++p;
        set_pair(add_tok('m', row, calc_tok_col), i, j);
    } else if (*p == ']') {
        ++p;
        set_pair(add_tok('b', row, calc_tok_col), i, 0);
    } else {
        return fail("E116", p);
    }
    *pp = p;
    return nullptr;
}

const char *lex_bracket(const char **pp)
{
    const char *p = *pp + 1;
    if (*p == '$') {
        if (p[1] != ']') return fail("E118", p + 1);
        add_tok('A', 0, calc_tok_col);
        *pp = p + 2;
        return nullptr;
    }
    if (!is_var_letter(p)) return fail("E119", p);
    const int row = var_find_or_add(static_cast<unsigned char>(*p));
    ++p;
    if (*p == '>') {
        int j = 0;
        while (*p == '>') ++j, ++p;
        set_pair(add_tok('s', row, calc_tok_col), 0, j);
    } else if (*p == ']') {
        ++p;
        add_tok('a', row, calc_tok_col);
    } else {
        return fail("E118", p);
    }
    *pp = p;
    return nullptr;
}

const char *lex_quote(const char **pp)
{
    const char *p = *pp;
    int i = 0;
    while (*p == '\'') ++i, ++p;
    if (!is_var_letter(p)) return fail("E120", p);
    const int row = var_find_or_add(static_cast<unsigned char>(*p));
    ++p;
    int j = 0;
    while (*p == '\'') ++j, ++p;
    set_pair(add_tok(j > 0 ? 'B' : 'L', row, calc_tok_col), i, j);
    *pp = p;
    return nullptr;
}

}  // namespace

const char *calc_skip_blanks(const char *text)
{
    while (*text == ' ' || *text == '\t' || *text == '\r' || *text == '\n') ++text;
    return text;
}

const char *ext_name(int slot) { return slot >= 0 && slot < calc_ext_num ? calc_ext_tab[slot].name : "?"; }

int var_find_or_add(int letter)
{
    for (int i = 0; i < calc_var_num; ++i) {
        if (calc_var_tab[i].letter == letter) return i;
    }
    calc_var &v = calc_var_tab[calc_var_num];
    v = calc_var();
    v.link = -1;
    v.idx_mark = -1;
    v.kind = vk_real;
    v.letter = static_cast<char>(letter);
    v.count = 1;
    v.title_mode = 1;
    v.first_size_tok = -1;
    v.first_zd_tok = -1;
    v.total_tok = -1;
    v.sep_args = -1;
    v.decl = -1;
    v.dir = 1;
    v.saved_dir = 1;
    return calc_var_num++;
}

void lex_reset_counters()
{
    arg_counter = 0;
    matrix_counter = 0;
    matrix_kind = 0;
    array_counter = 0;
}

const char *lex_line()
{
    const char *p = calc_line_start;
    for (;;) {
        calc_tok_col = column_of(p);
        const char c = *p;
        const char *err = nullptr;
        if (c == '\0' || c == '\n' || c == '\r' || c == '#') return nullptr;
        if (strncmp(p, "<>", 2) == 0 || strncmp(p, "::", 2) == 0 || strncmp(p, "=:", 2) == 0 ||
            strncmp(p, "+:", 2) == 0) {
            const char code = c == '<' ? tk_ne : c == ':' ? tk_colons : c == '=' ? tk_set_complex : tk_add_complex;
            add_tok(code, -1, calc_tok_col);
            p += 2;
        } else if (is_var_letter(p)) {
            err = lex_variable(&p);
        } else if (c == 'd') {
            err = lex_difference(&p);
        } else if (is_digit(static_cast<unsigned char>(c))) {
            const char *q = p;
            char num[64];
            size_t n = 0;
            while (is_digit(static_cast<unsigned char>(*q)) || *q == '.') {
                if (n + 1 < sizeof num) num[n++] = *q;
                ++q;
            }
            num[n] = '\0';
            const int slot = calc_num_count < calc_num_max ? calc_num_count++ : -1;
            if (slot >= 0) calc_num_tab[slot] = strtod(num, nullptr);
            add_tok('n', slot, calc_tok_col);
            p = q;
        } else if ((is_upper(static_cast<unsigned char>(c)) && is_upper(static_cast<unsigned char>(p[1]))) ||
                   (is_kanji1(static_cast<unsigned char>(c)) && sym_keyword(p) != nullptr)) {
            err = lex_function(&p);
        } else if (c == '_') {
            err = lex_label(&p);
        } else if (c == '"') {
            err = lex_string(&p);
        } else if (c == '(') {
            add_tok('(', -1, calc_tok_col);
            ++calc_paren_depth;
            raise_counters(1);
            ++p;
        } else if (c == ')' && p[1] == ':' && p[2] == '(') {
            add_tok(',', -2, calc_tok_col);
            p += 3;
        } else if (c == ')') {
            add_tok(')', -1, calc_tok_col);
            --calc_paren_depth;
            raise_counters(-1);
            ++p;
        } else if (arg_counter == 0 && (c == '<' || c == '>' || (c == '=' && p[1] == '=') || c == '=' ||
                                        c == '|' || c == '+')) {
            static const struct {
                const char *text;
                char code;
            } ops[] = {{"<=", tk_le}, {"<", tk_lt},  {">=", tk_ge},    {">", tk_gt},  {"==", tk_eq},
                       {"=", '='},    {"||", tk_or}, {"|", '|'}, {"+=", tk_add_to}, {"+", '+'}};
            for (const auto &o : ops) {
                const size_t n = strlen(o.text);
                if (strncmp(p, o.text, n) == 0) {
                    add_tok(o.code, -1, calc_tok_col);
                    p += n;
                    break;
                }
            }
        } else if (c == '!') {
            add_tok(tk_bang, -1, calc_tok_col);
            ++p;
        } else if (c == '&') {
            const int two = p[1] == '&';
            add_tok(two ? tk_and : '&', -1, calc_tok_col);
            p += two ? 2 : 1;
        } else if (c == '<') {
            err = lex_angle(&p);
        } else if (c == '[') {
            err = lex_bracket(&p);
        } else if (c == '\'') {
            err = lex_quote(&p);
        } else if (c == ' ' || c == '\t') {
            ++p;
        } else if (c == '/' && p[1] == '/') {
            return nullptr;
        } else if (chr_in_str(c, "{}=*/%+-^,;~`.")) {
            if (c == '*') {
                int n = 1;
                while (n < 4 && p[n] == '*') ++n;
                add_tok(n == 1 ? '*' : n == 2 ? tk_cross : n == 3 ? tk_star3 : tk_star4, -1, calc_tok_col);
                p += n;
            } else if (c == '.') {
                const int two = p[1] == '.';
                add_tok(two ? tk_range : tk_point, -1, calc_tok_col);
                p += two ? 2 : 1;
            } else {
                if (c == '{') ++calc_brace_depth;
                if (c == '}') --calc_brace_depth;
                add_tok(c, -1, calc_tok_col);
                ++p;
            }
        } else if (c == '$') {
            if (!is_digit(static_cast<unsigned char>(p[1]))) {
                err = fail("E121", p);
            } else {
                const char *q = p + 1;
                const int n = read_count(&q);
                if (n > 100) {
                    err = fail("E122", p);
                } else {
                    if (n > calc_reg_high) calc_reg_high = n;
                    add_tok('D', n, calc_tok_col);
                    p = q;
                }
            }
        } else {
            err = fail("E123", p);
        }
        if (err != nullptr) return err;
    }
}
