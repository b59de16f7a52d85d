// The nested index iterator of loops, sums and tables, index forms, the
// directions of index variables, TITLE and the texts of headings.
#include <cstring>
#include <string>

#include "calc/calc_tables.h"
#include "shell/sjis.h"

int calc_item_level;
int calc_sigma_level;

namespace {

struct level_rec {
    char letter;
    int var;
    int step;
    int cur;
    int prev;
};
level_rec levels[calc_level_max];
int table_var = -1;
std::string table_line;

int pair_of(int item, int k) { return nd(item).tok >= 0 ? calc_tok[nd(item).tok].pair[k] : 0; }

// The indexes that a single-index form walks (the range forms are walked by
// prt_items itself).
int walk_list(int item, int var, int *out)
{
    const int b = calc_var_tab[var].count - 1;
    switch (nd(item).type) {
    case 'z': out[0] = 0; return 1;
    case 'L': case 'J': case 'h': out[0] = pair_of(item, 0); return 1;
    case 'l': out[0] = b; return 1;
    case 'R': out[0] = b - pair_of(item, 1); return 1;
    case 'B':
        out[0] = pair_of(item, 0);
        out[1] = b - pair_of(item, 1);
        return 2;
    default: return 0;
    }
}

int levels_on_step(int upto)
{
    for (int k = 0; k < upto; ++k) {
        const int idx = levels[k].cur >= 0 ? levels[k].cur : levels[k].prev;
        if (levels[k].step > 0 && idx % levels[k].step != 0) return 0;
    }
    return 1;
}

// "%4s" of a text, never cut.
void append_fmt4(const char *text)
{
    const size_t n = strlen(text);
    if (n < 4) table_line.append(4 - n, ' ');
    table_line += text;
}

// The name cell of a heading corner: " " when the title labels the value.
void corner_cell()
{
    if (table_var >= 0 && !title_is_named(table_var)) {
        table_line += " ";
    } else {
        append_fmt4(table_var >= 0 ? var_disp_name(calc_var_tab[table_var].letter) : "");
    }
}

void write_heading(int item, int var, int level)
{
    table_line.clear();
    if (level == 0) corner_cell();
    for (int k = 0; k < level; ++k) {
        if (k > 0) table_line += "\t";
        if (k == level - 1) corner_cell();
        else append_fmt4("");
    }
    const int b = calc_var_tab[var].count - 1;
    for (int x = 0; x <= b; ++x) {
        if (!prt_item_edge(x, item) || x % levels[level].step != 0) continue;
        char text[512];
        title_text(text, sizeof text, var, x);
        table_line_cell(text, calc_fmt_width);
    }
    table_line_write();
}

void start_data_line(int level)
{
    table_line.clear();
    if (level == 0) append_fmt4("");
    for (int k = 0; k < level; ++k) {
        if (k > 0) table_line += "\t";
        if (levels[k].cur < 0) {
            append_fmt4("");
            continue;
        }
        levels[k].prev = levels[k].cur;
        char text[512];
        title_text(text, sizeof text, levels[k].var, levels[k].cur);
        append_fmt4(text);
        levels[k].cur = -1;
    }
}

int mode_is(int var, const char *a, const char *b)
{
    const char *mode = calc_var_tab[var].title_mode >= 0 ? calc_str_tab[calc_var_tab[var].title_mode] : "";
    return strcmp(mode, a) == 0 || strcmp(mode, b) == 0;
}

const char *title_format(int var)
{
    const int slot = calc_var_tab[var].title_fmt;
    return slot >= 0 && slot < calc_str_num ? calc_str_tab[slot] : "%s%d";
}

// Whether a format fits the arguments a title mode hands it.
int title_fits(const char *format, int val)
{
    char kinds[4];
    const int n = fmt_scan(format, kinds, 3);
    const char want = val ? 'd' : 'i';
    if (n == 0) return 1;
    if (n == 1) return kinds[0] == want;
    if (n == 2) return kinds[0] == 's' && kinds[1] == want;
    return 0;
}

double element_value(int var, int x)
{
    const calc_var &v = calc_var_tab[var];
    const long long at = static_cast<long long>(x) * elem_doubles(v.kind);
    return v.storage != nullptr && x >= 0 && at < v.cap ? v.storage[at] : 0.0;
}

}  // namespace

void table_line_clear() { table_line.clear(); }
void table_line_append(const char *text) { table_line += text; }
int table_line_empty() { return table_line.empty() ? 1 : 0; }

void table_line_cell(const char *text, int width)
{
    if (!table_line.empty()) table_line += "\t";
    const int len = static_cast<int>(strlen(text));
    if (len < width) table_line.append(static_cast<size_t>(width - len), ' ');
    table_line += text;
}

int table_line_write()
{
    if (calc_excel_fp != nullptr) fprintf(calc_excel_fp, "%s\n", table_line.c_str());
    if (prt_out_flag == 0) {
        const std::string out = table_line + "\r\n";
        calc_out(out.c_str());
    }
    return 0;
}

int title_is_named(int var)
{
    if (calc_console_rules) return !(mode_is(var, "val", "VAL") || mode_is(var, "seq", "SEQ"));
    return calc_var_tab[var].title_flag != 1;
}

int title_text(char *buf, size_t size, int var, int x)
{
    const char *format = title_format(var);
    const int val = mode_is(var, "val", "VAL");
    const char *name = var_disp_name(calc_var_tab[var].letter);
    if (!title_fits(format, val)) format = "%s%d";
    const double value = element_value(var, x);
    if (fmt_has_two(format)) {
        if (val) fmt_name_double(buf, size, format, name, value);
        else snprintf(buf, size, format, name, x);
    } else if (val) {
        fmt_double(buf, size, format, value);
    } else {
        snprintf(buf, size, format, x);
    }
    return 0;
}

int item_var(int item)
{
    if (nd(item).type == 'q' && nd(item).nchild > 0) item = kid(item, 0);
    return var_of_node(item);
}

int prt_item_edge(int x, int item)
{
    if (nd(item).type == 'q' && nd(item).nchild > 0) item = kid(item, 0);
    const int var = var_of_node(item);
    const int b = var >= 0 ? calc_var_tab[var].count - 1 : 0;
    const int i = pair_of(item, 0);
    const int j = pair_of(item, 1);
    switch (nd(item).type) {
    case 'a': return x >= 0 && x <= b;
    case 'b': return x >= i && x <= b;
    case 's': return x >= 0 && x <= b - j;
    case 'm': return x >= i && x <= b - j;
    case 'z': return x == 0;
    case 'L': case 'J': return x == i;
    case 'l': return x == b;
    case 'R': return x == b - j;
    case 'B': return x == i || x == b - j;
    default: return 1;
    }
}

int set_item_dirs(int first, int count, int value, int mode)
{
    for (int k = 0; k < count; ++k) {
        const int var = item_var(first + k);
        if (var < 0) continue;
        calc_var &v = calc_var_tab[var];
        if (mode == dirs_set) {
            v.dir = value;
        } else if (mode == dirs_save) {
            v.saved_dir = v.dir;
            v.dir = value;
        } else if (mode == dirs_restore) {
            v.dir = v.saved_dir;
        } else if (mode == dirs_sigma_save) {
            *sigma_dir_slot() = v.dir;
            v.dir = value;
        } else if (mode == dirs_sigma_restore) {
            v.dir = *sigma_dir_slot();
        }
    }
    return 0;
}

int prt_items(int item, int step, int last, int body, int level, int depth, int dir)
{
    calc_item_level = level;
    int var_item = item;
    int lstep = 1;
    const bool stepped = nd(item).type == 'q' && nd(item).nchild >= 2;
    if (stepped) {
        var_item = kid(item, 0);
        lstep = calc_to_int(eval_node(kid(item, 1), 0));
    }
    const int var = var_of_node(var_item);
    if (var < 0) return 0;
    calc_var &v = calc_var_tab[var];
    const calc_token &tk = calc_tok[nd(var_item).tok];
    if (level >= calc_level_max || v.depth >= 10 || (stepped && lstep < 1)) {
        if (warn_once(item)) {
            calc_printf("%s 行番号(%d) カラム位置(%d)の変数(%s)の参照に誤りがあります\r\n", stepped ? "F113" : "F114",
                        tk.line, tk.col + 1, var_disp_name(v.letter));
        }
        return 0;
    }
    // This level's record lives in the frame and is written back before each
    // body or deeper walk: a sum or loop inside a body walks the same table.
    level_rec mine = {v.letter, var, lstep, -1, 0};
    levels[level] = mine;
    const int slot = v.depth++;
    const bool innermost = (step < 0 && item <= last) || (step > 0 && item >= last);
    const int b = v.count - 1;
    const char t = nd(var_item).type;
    const bool range = t == 'v' || t == 'a' || t == 'b' || t == 's' || t == 'm';
    int lo = 0;
    int hi = -1;
    int fixed[2];
    int nfixed = 0;
    if (range) {
        lo = t == 'b' || t == 'm' ? pair_of(var_item, 0) : 0;
        hi = t == 's' || t == 'm' ? b - pair_of(var_item, 1) : b;
    } else {
        nfixed = walk_list(var_item, var, fixed);
    }
    const int total = range ? (hi >= lo ? hi - lo + 1 : 0) : nfixed;
    auto index_at = [&](int k) { return range ? (dir < 0 ? hi - k : lo + k) : fixed[k]; };
    if (innermost) {
        if (body == body_heading) {
            write_heading(var_item, var, level);
            --v.depth;
            return 0;
        }
        if (body == body_prt_value) start_data_line(level);
        bool walk = true;
        if (t == 's' && !levels_on_step(level)) walk = false;
        for (int k = 0; walk && k < total; ++k) {
            const int idx = index_at(k);
            if (t == 's' && idx % lstep != 0) continue;
            v.stack[slot] = idx;
            mine.cur = idx;
            levels[level] = mine;
            calc_item_level = level;
            eval_node(body, depth);
            calc_item_level = level;
        }
        if (body == body_prt_value && levels_on_step(level + 1)) table_line_write();
    } else if (body == body_heading) {
        prt_items(item + step, step, last, body, level + 1, depth, dir);
    } else {
        for (int k = 0; k < total; ++k) {
            const int idx = index_at(k);
            v.stack[slot] = idx;
            mine.cur = idx;
            levels[level] = mine;
            prt_items(item + step, step, last, body, level + 1, depth, dir);
            calc_item_level = level;
        }
    }
    --v.depth;
    return 0;
}

int item_current(int *step)
{
    const level_rec &l = levels[calc_item_level];
    if (step != nullptr) *step = l.step;
    return l.cur;
}

int prt_value(int item)
{
    const level_rec &l = levels[calc_item_level];
    const int i = l.cur;
    if (l.step > 0 && i % l.step != 0) return 0;
    int kind = vk_real;
    double extra[8] = {0};
    const double x = ref_array(item, 0, &kind, extra);
    char text[1024];
    if (kind == vk_quaternion || kind == vk_octonion) {
        double comp[8] = {x};
        for (int k = 1; k < kind; ++k) comp[k] = extra[k - 1];
        hyper_text(text, sizeof text, comp, kind);
    } else if (kind == vk_complex) {
        complex_text(text, x, extra[0]);
    } else {
        fmt_double(text, sizeof text, calc_fmt, x);
    }
    table_line_cell(text, calc_fmt_width);
    return 0;
}

int set_table_var(int var)
{
    table_var = var;
    return 0;
}

int check_title_fmt(const char *format, int var)
{
    const char *name = var_disp_name(calc_var_tab[var].letter);
    const size_t n = strlen(name);
    for (const char *p = format; *p != '\0';) {
        if (strncmp(p, name, n) == 0 || strncmp(p, "%s", 2) == 0 || *p == '=') return 1;
        if (is_kanji1(static_cast<unsigned char>(*p))) {
            if (p[1] == '\0') return 0;
            p += 2;
        } else {
            ++p;
        }
    }
    return 0;
}

int fmt_has_two(const char *format)
{
    char kinds[4];
    return fmt_scan(format, kinds, 3) == 2 ? 1 : 0;  // as printf counts: a "%" after a lead byte too
}

int exec_title(int node)
{
    const calc_node &x = nd(node);
    if (x.nchild < 1) return 0;
    const int var = var_of_node(kid(node, 0));
    if (var < 0) return 0;
    calc_var &v = calc_var_tab[var];
    auto slot_of = [](int n) { return nd(n).type == 't' && nd(n).tok >= 0 ? calc_tok[nd(n).tok].index : -1; };
    if (x.nchild == 1) {
        if (calc_console_rules) return 0;
        v.title_fmt = 0;
        v.title_mode = 1;
        v.title_flag = 0;
        return 0;
    }
    if (x.nchild != 2 && x.nchild != 3) return 0;
    const int f = slot_of(kid(node, 1));
    const int m = x.nchild == 3 ? slot_of(kid(node, 2)) : 1;
    if (f < 0 || m < 0) return 0;
    const char *mode = calc_str_tab[m];
    const int val = strcmp(mode, "val") == 0 || strcmp(mode, "VAL") == 0;
    if (!title_fits(calc_str_tab[f], val)) {
        node_warn_once(node);
        return 0;
    }
    if (calc_console_rules) {
        if (x.nchild == 3) {
            v.title_fmt = f;
            v.title_mode = m;
        }
        return 0;
    }
    v.title_fmt = f;
    v.title_mode = m;
    v.title_flag = static_cast<unsigned char>(check_title_fmt(calc_str_tab[f], var));
    return 0;
}

int hyper_text(char *buf, size_t size, const double *comp, int n)
{
    std::string s;
    for (int k = 0; k < n; ++k) {
        const double c = comp[k];
        if (c == 0.0) continue;
        char unit[2] = {static_cast<char>(104 + k), '\0'};
        const char *u = k > 0 ? unit : "";
        std::string term;
        if (c == 1.0) term = k > 0 ? std::string(u) : "1";
        else if (c == -1.0) term = k > 0 ? "-" + std::string(u) : "-1";
        else if (c > 0) term = std::string(calc_num_text(c)) + u;
        else term = "-" + std::string(calc_num_text(-c)) + u;
        if (c > 0 && !s.empty()) s += "+";
        s += term;
    }
    if (s.empty()) s = "0";
    snprintf(buf, size, "%s", s.c_str());
    return 0;
}
