// Group variables: definition lines, the name rules, and the substitution of
// names by their code letters with the column map of the substituted line.
#include <cstring>

#include "calc/calc_tables.h"
#include "shell/sjis.h"
#include "shell/text.h"

calc_gvar calc_gvar_tab[calc_gvar_max];
int calc_gvar_num;
char calc_gvar_codes[32];
unsigned char calc_col_width[calc_line_size];

namespace {

const char full_blank[] = "\x81\x40";

int is_blank_at(const char *p)
{
    if (*p == ' ' || *p == '\t') return 1;
    if (p[0] == full_blank[0] && p[1] == full_blank[1]) return 2;
    return 0;
}

const char *skip_def_blanks(const char *p)
{
    int n;
    while ((n = is_blank_at(p)) > 0) p += n;
    return p;
}

int is_upper(int c) { return c >= 'A' && c <= 'Z'; }
int is_lower(int c) { return c >= 'a' && c <= 'z'; }
int is_digit(int c) { return c >= '0' && c <= '9'; }
int lead(const char *p) { return is_kanji1(static_cast<unsigned char>(*p)); }

// The four full-width symbols that cannot begin a group-variable name.
int gvar_reserved_sym(const char *p)
{
    static const char *const syms[] = {"∀", "∑", "￢", "√"};
    for (const char *s : syms) {
        if (p[0] == s[0] && p[1] == s[1]) return 1;
    }
    return 0;
}

// The first group variable whose name begins at p, or -1.
int gvar_at(const char *p)
{
    for (int i = 0; i < calc_gvar_num; ++i) {
        if (strncmp(p, calc_gvar_tab[i].name, static_cast<size_t>(calc_gvar_tab[i].len)) == 0) return i;
    }
    return -1;
}

}  // namespace

int gvar_name_check(const char *name)
{
    const char *p = name;
    if (lead(p) && p[1] != '\0') {
        if (gvar_reserved_sym(p)) {
            char sym[3] = {p[0], p[1], '\0'};
            calc_printf("F104 この全角特殊記号(%s)は組変数としては使用出来ません\r\n", sym);
            return 4;
        }
        p += 2;
    } else {
        if (is_upper(*p) && p[1] == '\0') {
            calc_printf("F101 半角大文字一文字アルファベットの組変数名は使用出来ません\r\n");
            return 1;
        }
        if (!is_upper(*p)) {
            calc_printf("F102 組変数名の先頭は全角文字か半角大文字アルファベットでなくてはいけません\r\n");
            return 2;
        }
        ++p;
    }
    for (; *p != '\0'; ++p) {
        if (lead(p)) {
            calc_printf("F103 組変数名の２文字以降は小文字でなくてはいけません\r\n");
            return 3;
        }
        if (!is_lower(*p) && !is_digit(*p)) {
            calc_printf("F104 組変数名の２文字以降は半角小文字アルファベット又は半角数字でなくてはいけません\r\n");
            return 3;
        }
    }
    return 0;
}

int gvar_add(int code, const char *name)
{
    for (int i = 0; i < calc_gvar_num; ++i) {
        if (calc_gvar_tab[i].code == code) {
            calc_printf("F104 仮想変数名が重複しています\r\n");
            return 1;
        }
        if (strcmp(calc_gvar_tab[i].name, name) == 0) {
            calc_printf("F105 実変数名が重複しています\r\n");
            return 2;
        }
    }
    if (calc_gvar_num >= calc_gvar_max) {
        calc_printf("F106 組変数の数がオーバーしました、最大(%d)\r\n", calc_gvar_max);
        return 3;
    }
    const size_t len = strlen(name);
    if (len > static_cast<size_t>(calc_gvar_len)) {
        calc_printf("F107 実変数名の長さがオーバーしました、最大(%d)\r\n", calc_gvar_len);
        return 4;
    }
    calc_gvar &g = calc_gvar_tab[calc_gvar_num++];
    g.code = static_cast<char>(code);
    copy_bounded(g.name, sizeof g.name, name);
    g.len = static_cast<int>(len);
    return 0;
}

int gvar_def_line(const char *line)
{
    const char *p = line + 1;
    for (;;) {
        p = skip_def_blanks(p);
        if (*p == '\0' || *p == '\r' || *p == '\n' || *p == '/') return 0;
        const int code = static_cast<unsigned char>(*p);
        if (!is_lower(code)) return 2;
        if (!chr_in_str(code, calc_gvar_codes)) {
            const size_t n = strlen(calc_gvar_codes);
            if (n + 1 < sizeof calc_gvar_codes) {
                calc_gvar_codes[n] = static_cast<char>(code);
                calc_gvar_codes[n + 1] = '\0';
            }
        }
        p = skip_def_blanks(p + 1);
        if (*p != '=') return 3;
        p = skip_def_blanks(p + 1);
        char name[64];
        size_t n = 0;
        while (*p != '\0' && !is_blank_at(p) && *p != ',' && *p != '\r' && *p != '\n') {
            const int step = lead(p) && p[1] != '\0' ? 2 : 1;
            for (int k = 0; k < step; ++k, ++p) {
                if (n + 1 < sizeof name) name[n++] = *p;
            }
        }
        name[n] = '\0';
        if (gvar_name_check(name) != 0) return 4;
        if (gvar_add(code, name) != 0) return 5;
        p = skip_def_blanks(p);
        if (*p == ',') {
            ++p;
            continue;
        }
        if (*p == '\0' || *p == '\r' || *p == '\n' || *p == '/') return 0;
    }
}

int gvar_sort()
{
    for (int i = 0; i < calc_gvar_num; ++i) {
        for (int j = i + 1; j < calc_gvar_num; ++j) {
            if (calc_gvar_tab[j].len > calc_gvar_tab[i].len) {
                const calc_gvar t = calc_gvar_tab[i];
                calc_gvar_tab[i] = calc_gvar_tab[j];
                calc_gvar_tab[j] = t;
            }
        }
    }
    return 0;
}

const char *gvar_subst_line(const char *line)
{
    size_t o = 0;
    const size_t cap = sizeof calc_line_buf - 1;
    auto put = [&o](char c, int width) {
        if (o < cap) {
            calc_line_buf[o] = c;
            calc_col_width[o] = static_cast<unsigned char>(width > 255 ? 255 : width);
            ++o;
        }
    };
    const char *p = line;
    const char *stop = nullptr;
    while (*p != '\0' && stop == nullptr) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (p[0] == full_blank[0] && p[1] == full_blank[1]) {
            put(' ', 1);
            put(' ', 1);
            p += 2;
        } else if (is_kanji1(c) && p[1] != '\0') {
            const int g = gvar_at(p);
            if (g >= 0) {
                put(calc_gvar_tab[g].code, calc_gvar_tab[g].len);
                p += calc_gvar_tab[g].len;
                if (is_lower(*p)) {
                    calc_printf("F301 行番号(%d)で、組変数の使用直後には小文字を使用出来ません\r\n", calc_line_no);
                    stop = p;
                }
            } else if (sym_keyword(p) != nullptr) {
                put(p[0], 1);
                put(p[1], 1);
                p += 2;
            } else if (strncmp(p, "＜", 2) == 0 || strncmp(p, "＞", 2) == 0) {
                put(p[1] == "＜"[1] ? '<' : '>', 2);
                p += 2;
            } else {
                calc_printf("F302 行番号(%d)で、全角文字は組変数で以外の使用は出来ません\r\n", calc_line_no);
                stop = p;
            }
        } else if (c == '\t') {
            put('\t', calc_tabw);
            ++p;
        } else if (c == '/' && p[1] == '/') {
            put('/', 1);
            put('/', 1);
            break;
        } else if ((c == '_' && is_upper(p[1])) || (is_upper(c) && is_upper(p[1]))) {
            put(*p++, 1);
            while (is_upper(*p)) put(*p++, 1);
        } else if (c == '"') {
            const char *q = p + 1;
            while (*q != '\0' && *q != '"' && *q != '\r' && *q != '\n') q += lead(q) && q[1] != '\0' ? 2 : 1;
            if (*q != '"') {
                calc_printf("F303 行番号(%d)で、\"...\" の終わりが完成されていません\r\n", calc_line_no);
                stop = q;
            } else {
                while (p <= q) put(*p++, 1);
            }
        } else {
            const int g = gvar_at(p);
            if (g >= 0) {
                put(calc_gvar_tab[g].code, calc_gvar_tab[g].len);
                p += calc_gvar_tab[g].len;
                if (is_lower(*p)) {
                    calc_printf("F304 行番号(%d)で、組変数の使用直後には小文字を使用出来ません\r\n", calc_line_no);
                    stop = p;
                }
            } else if (chr_in_str(c, calc_gvar_codes)) {
                calc_printf("F305 行番号(%d)で、組変数定義に含まれる半角文字は、他の場所で単独では使用できません\r\n",
                            calc_line_no);
                stop = p;
            } else {
                put(*p++, 1);
            }
        }
    }
    calc_line_buf[o] = '\0';
    return stop;
}

const char *var_disp_name(int letter)
{
    static char bufs[3][calc_gvar_len + 1];
    static int turn;
    turn = (turn + 1) % 3;
    char *b = bufs[turn];
    for (int i = 0; i < calc_gvar_num; ++i) {
        if (calc_gvar_tab[i].code == letter) {
            copy_bounded(b, sizeof bufs[0], calc_gvar_tab[i].name);
            return b;
        }
    }
    b[0] = static_cast<char>(letter);
    b[1] = '\0';
    return b;
}

// The shown name of variable row var, or "?" for no row.
const char *var_row_name(int var)
{
    return var >= 0 && var < calc_var_num ? var_disp_name(calc_var_tab[var].letter) : "?";
}

int src_column(int pos)
{
    int col = 1;
    for (int i = 0; i < pos - 1 && calc_line_buf[i] != '\0'; ++i) col += calc_col_width[i];
    return col;
}
