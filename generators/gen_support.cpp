// Writer support of the Win32 and X/Motif generators.  The identifier words
// of a kind come from the definition buffer or from <kind>.r; its type
// signature (one letter per member) from the structure file <kind>.s.
#include "generators/gen_support.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "forms/kinds.h"
#include "forms/matcher.h"
#include "forms/para.h"
#include "generators/defs.h"
#include "shell/dirs.h"
#include "shell/include_lines.h"
#include "shell/lbuf.h"
#include "shell/msgbox.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/words.h"

const char *kind_id_cache[kind_id_max];
int kind_id_num;
const char *form_file_cache[form_file_max];
int form_file_num;
char proto_names[proto_max][name_size];
int proto_num;
const char *const wndclass_defaults[wndclass_slots] = {
    "CS_HREDRAW|CS_VREDRAW|CS_DBLCLKS", "0", "16", "LoadIcon(NULL,IDI_APPLICATION)",
    "LoadCursor(NULL,IDC_ARROW)",       "GetStockObject(WHITE_BRUSH)", "NULL"};
char wndclass_values[wndclass_slots][wndclass_size];
int repeat_of[box_cap];
int id_count[box_cap];
int gen_cut_box;

namespace {

bool links_indexed;  // the four tables below describe the current form
int link_from_head[box_cap];
int link_from_next[link_cap];
int link_to_head[box_cap];
int link_to_next[link_cap];

// The definition files' extension: ".x" while X-Window generation is on.
const char *def_ext() { return xwin_mode != 0 ? ".x" : ".r"; }

// True when the definition file of kind exists.
bool def_file_exists(const char *kind)
{
    char name[100];
    if (format_text(name, sizeof name, "%s%s", kind, def_ext()) != 0) return false;
    FILE *fp = dir_fopen(name, "r");
    if (fp == nullptr) return false;
    fclose(fp);
    return true;
}

bool box_ok(int i) { return i >= 0 && i < box_cap; }

const int kind_id_pool = 1;    // line-buffer pool of kind_id_cache
const int form_file_pool = 2;  // line-buffer pool of form_file_cache
const int cache_line_size = 4000;

bool is_word_sep(char c) { return c == ' ' || c == ',' || c == '\t' || c == '\r' || c == '\n'; }

// Appends a formatted text to buf; 0, or 1 when it was cut.
int append(char *buf, size_t size, const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 3, 4)))
#endif
    ;
int append(char *buf, size_t size, const char *format, ...)
{
    const size_t n = strlen(buf);
    va_list ap;
    va_start(ap, format);
    const int r = vformat_text(buf + n, size - n, format, ap);
    va_end(ap);
    return r;
}

bool kind_of(int i, const char *kind) { return in_form(i) && strcmp(box_table[i].kind, kind) == 0; }

// The cache line that begins with key and a tab, or null.
const char *cached(const char *const *lines, int num, const char *key)
{
    const size_t k = strlen(key);
    for (int n = 0; n < num; ++n) {
        if (strncmp(lines[n], key, k) == 0 && lines[n][k] == '\t') return lines[n];
    }
    return nullptr;
}

// Appends word and a tab to line (an empty word adds nothing); 0, or 1 cut.
int add_word(char *line, size_t size, const char *start, size_t len)
{
    if (len == 0) return 0;
    char word[200];
    copy_span(word, sizeof word, start, len);
    return append(line, size, "%s\t", word);
}

// Appends the identifiers of one line of a definition file.
int add_line_ids(char *line, size_t size, const char *text)
{
    const char *p = text;
    if (has_prefix(p, "#define") == 0 || has_prefix(p, "#static") == 0) p += 7;
    else if (p[0] == '#') return 0;
    while (*p == ' ' || *p == '\t') ++p;
    size_t n = 0;
    while (p[n] != '\0' && !is_word_sep(p[n])) ++n;
    if (!(n == 4 && strncmp(p, "HOLE", 4) == 0)) return add_word(line, size, p, n);
    int r = 0;
    for (p += n; *p != '\0';) {
        while (*p != '\0' && is_word_sep(*p)) ++p;
        n = 0;
        while (p[n] != '\0' && !is_word_sep(p[n])) ++n;
        r |= add_word(line, size, p, n);
        p += n;
    }
    return r;
}

// Appends the identifiers of kind from its definition file; 0, or 1 cut.
int add_file_ids(char *line, size_t size, const char *kind)
{
    char name[100];
    format_text(name, sizeof name, "%s%s", kind, def_ext());
    FILE *fp = dir_fopen(name, "r");
    if (fp == nullptr) return 0;
    int r = 0;
    char text[100];
    while (read_whole_line(text, sizeof text, fp) != nullptr) r |= add_line_ids(line, size, text);
    fclose(fp);
    return r;
}

// Builds the cache line of kind; 0, or 1 when it was cut.
int build_kind_line(char *line, size_t size, const char *kind)
{
    char sig[200];
    kind_signature(kind, sig, sizeof sig);
    int r = format_text(line, size, "%s\t%s\t", kind, sig);
    const char *defs = def_line(kind);
    if (defs != nullptr) return r | append(line, size, "%s\t", defs);
    return r | add_file_ids(line, size, kind);
}

// The first link of the form from box i whose relation is rel; -1 when none.
int link_from(int i, const char *rel)
{
    for (int l = first_link_from(i); l >= 0; l = next_link_from(l)) {
        if (strcmp(link_table[l].name, rel) == 0) return l;
    }
    return -1;
}

// The parent of the first link ending in box i with one of the two
// relations and coming from a box of kind; -1 when none.
int linked_parent(int i, const char *rel1, const char *rel2, const char *kind)
{
    for (int l = first_link_to(i); l >= 0; l = next_link_to(l)) {
        const link_rec &k = link_table[l];
        if (strcmp(k.name, rel1) != 0 && strcmp(k.name, rel2) != 0) continue;
        if (kind_of(k.from, kind)) return k.from;
    }
    return -1;
}

bool is_upper(char c) { return c >= 'A' && c <= 'Z'; }

// The letter of a member type ("char" with a "*" name is a pointer).
char type_letter(const char *type, const char *member)
{
    if (strcmp(type, "int") == 0) return 'i';
    if (strcmp(type, "long") == 0) return 'l';
    if (strcmp(type, "char") == 0) return member[0] == '*' ? 's' : 'c';
    if (strcmp(type, "char*") == 0) return 's';
    return 'e';
}

}  // namespace

int gen_put(gen_file *f, int box, const char *format, ...)
{
    char line[gen_line_size];
    va_list ap;
    va_start(ap, format);
    const int r = vformat_text(line, sizeof line, format, ap);
    va_end(ap);
    if (r != 0) {
        if (gen_cut_box < 0) gen_cut_box = box;
        return 1;
    }
    if (f->fp == nullptr) return 0;
    if (fputs(line, f->fp) == EOF) f->write_failed = true;
    return 0;
}

int gen_open_pair(gen_pair *p, const char *c_name, const char *h_name)
{
    if (!dir_replace_open(&p->replace, c_name)) return report_open_failure(c_name);
    p->c = gen_file{p->replace.fp, false};
    p->h = gen_file{dir_fopen(h_name, "w"), false};
    if (p->h.fp != nullptr) return 0;
    dir_replace_close(&p->replace, false);
    return report_open_failure(h_name);
}

int gen_close_header(gen_pair *p, const char *h_name)
{
    const bool closed = close_written(p->h.fp) && !p->h.write_failed;
    p->h.fp = nullptr;
    if (closed && gen_cut_box < 0) return 0;
    dir_replace_close(&p->replace, false);
    return closed ? report_cut_line() : report_open_failure(h_name);
}

int gen_finish(gen_pair *p, const char *c_name, const char *h_name)
{
    if (p->h.fp != nullptr && gen_close_header(p, h_name) != 0) return 1;
    if (gen_cut_box >= 0) {
        dir_replace_close(&p->replace, false);
        return report_cut_line();
    }
    if (dir_replace_close(&p->replace, !p->c.write_failed) != 0) return report_open_failure(c_name);
    return merge_header(c_name, h_name);
}

int report_open_failure(const char *name)
{
    char text[1000];
    format_text(text, sizeof text, "ファイル(%s)をオープン出来ません", name);
    form_error_box(text);
    return 1;
}

int report_cut_line()
{
    char name[name_size] = "";
    if (in_form(gen_cut_box)) {
        copy_bounded(name, sizeof name, box_table[gen_cut_box].name[0] != '\0' ? box_table[gen_cut_box].name
                                                                                  : box_table[gen_cut_box].kind);
    }
    char text[300];
    format_text(text, sizeof text, "ボックス(%s)から生成する行が長すぎる、ソースを生成出来ない\n", name);
    form_error_box(text);
    return 1;
}

int merge_header(const char *c_name, const char *h_name)
{
    switch (add_include_lines(h_name, c_name)) {
    case include_merged: return 0;
    case include_source_missing:
    case include_source_unwritten: return report_open_failure(c_name);
    default: return report_open_failure("work.fil");
    }
}

const char *box_gen_name(int i)
{
    if (!in_form(i) || box_table[i].kind[0] == '\0') return nullptr;
    if (strcmp(box_table[i].kind, "FBOX") != 0) return box_table[i].kind;
    return box_table[i].name[0] != '\0' ? box_table[i].name : nullptr;
}

const char *get_kind_ids(int i)
{
    static char text[gen_line_size];
    if (i < 0) {
        lbuf_free(kind_id_pool);
        kind_id_num = 0;
        return nullptr;
    }
    text[0] = '\0';
    if (!in_form(i)) return text;
    char built[cache_line_size];
    const char *line = cached(kind_id_cache, kind_id_num, box_table[i].kind);
    int cut = 0;
    if (line == nullptr) {
        cut = build_kind_line(built, sizeof built, box_table[i].kind);
        line = built;
        if (kind_id_num < kind_id_max && cut == 0) {
            const char *kept = lbuf_add(kind_id_pool, built, 0);
            if (kept != nullptr) kind_id_cache[kind_id_num++] = kept;
        }
    }
    const char *sig = strchr(line, '\t') + 1;
    const char *words = strchr(sig, '\t') + 1;
    char sig_text[200];
    copy_span(sig_text, sizeof sig_text, sig, static_cast<size_t>(words - 1 - sig));
    cut |= arg_casts(sig_text, i, text, sizeof text);
    for (const char *p = words; *p != '\0';) {
        const char *tab = strchr(p, '\t');
        const size_t n = tab != nullptr ? static_cast<size_t>(tab - p) : strlen(p);
        char word[200];
        copy_span(word, sizeof word, p, n);
        p += n + (tab != nullptr ? 1 : 0);
        const int l = word[0] != '\0' ? link_from(i, word) : -1;
        if (l < 0 || box_table[link_table[l].to].name[0] == '\0') continue;
        const int child = link_table[l].to;
        cut |= append(text, sizeof text, ", %s", box_table[child].name);
        if (repeat_of[child] >= 0) {
            int nx = 1, ny = 1;
            repeat_size(repeat_of[child], &nx, &ny);
            cut |= append(text, sizeof text, ", %d, %d", nx, ny);
        }
    }
    if (cut != 0 && gen_cut_box < 0) gen_cut_box = i;
    return text;
}

int note_file_exists(const char *name)
{
    if (name == nullptr) {
        lbuf_free(form_file_pool);
        form_file_num = 0;
        return 0;
    }
    const char *line = cached(form_file_cache, form_file_num, name);
    if (line != nullptr) return line[strlen(name) + 1] != '\0' ? 1 : 0;
    char file[300];
    int exists = 0;
    if (format_text(file, sizeof file, "%s.f", name) == 0) {
        FILE *fp = dir_fopen(file, "r");
        if (fp != nullptr) {
            exists = 1;
            fclose(fp);
        }
    }
    char entry[300];
    if (form_file_num < form_file_max && format_text(entry, sizeof entry, exists ? "%s\t1" : "%s\t", name) == 0) {
        const char *kept = lbuf_add(form_file_pool, entry, 0);
        if (kept != nullptr) form_file_cache[form_file_num++] = kept;
    }
    return exists;
}

int copy_template(gen_file *out, const char *base, const char *ext)
{
    char name[300];
    FILE *fp = format_text(name, sizeof name, "%s%s", base, ext) == 0 ? dir_fopen(name, "r") : nullptr;
    if (fp == nullptr) return strcmp(ext, ".tc") == 0 ? 1 : 0;
    char line[200];
    while (fgets(line, sizeof line, fp) != nullptr) {
        if (fputs(line, out->fp) == EOF) out->write_failed = true;
    }
    fclose(fp);
    return 0;
}

int write_source_head(gen_file *out, const char *base, const char *c_name)
{
    if (copy_template(out, base, ".tc") == 0) return 0;
    gen_put(out, -1, "/////////////////////////////////\n");
    gen_put(out, -1, "/* file:%s */\n", skip_dir_prefix(c_name));
    gen_put(out, -1, "/////////////////////////////////\n");
    return 0;
}

void proto_reset() { proto_num = 0; }

int proto_once(const char *name)
{
    for (int i = 0; i < proto_num; ++i) {
        if (strcmp(proto_names[i], name) == 0) return 0;
    }
    if (proto_num < proto_max) copy_bounded(proto_names[proto_num++], name_size, name);
    return 1;
}

int is_smenu_child(int a, int b)
{
    for (int l = l_sta; l < l_num; ++l) {
        const link_rec &k = link_table[l];
        if (k.from == a && k.to == b && strcmp(k.name, "SMENU") == 0) return 1;
    }
    return 0;
}

int is_control_class(const char *kind) { return kind_in(kind, control_kinds) ? 1 : 0; }

int wndclass_fill()
{
    int w = -1;
    for (int i = form_sta; i < form_num && w < 0; ++i) {
        if (kind_of(i, "WNDCLASS")) w = i;
    }
    for (int k = 0; k < wndclass_slots; ++k) {
        char field[wndclass_size] = "";
        if (w >= 0) get_para(field, w, k);
        cut_quote(field);
        const bool given = field[0] != '\0' && strcmp(field, "omit") != 0;
        copy_bounded(wndclass_values[k], wndclass_size, given ? field : wndclass_defaults[k]);
    }
    return 0;
}

int find_font_box(int i) { return linked_parent(i, "SET", "SET", "FONT"); }
int find_tabstop_box(int i) { return linked_parent(i, "SET", "SET", "TABSTOP"); }
int find_app_parent(int i) { return linked_parent(i, "FORM", "no_set", "APP"); }

int find_child_link(int i)
{
    for (int l = first_link_to(i); l >= 0; l = next_link_to(l)) {
        const link_rec &k = link_table[l];
        if (strcmp(k.name, "CHILD") != 0 && strcmp(k.name, "on_set") != 0) continue;
        return k.from < i && in_form(k.from) && find_app_parent(k.from) >= 0 ? k.from : -1;
    }
    return -1;
}

int link_run_edge(int l, int d)
{
    const int m = l + d;
    if (m < l_sta || m >= l_num) return 1;
    const link_rec &a = link_table[l];
    const link_rec &b = link_table[m];
    return a.from != b.from || strcmp(a.name, b.name) != 0 ? 1 : 0;
}

int find_brush_link(const char *kind)
{
    for (int b = form_sta; b < form_num; ++b) {
        if (!kind_of(b, kind)) continue;
        for (int l = first_link_from(b); l >= 0; l = next_link_from(l)) {
            const link_rec &k = link_table[l];
            if (kind_of(k.to, "FORM") && is_upper(k.name[0])) return l;
        }
    }
    return -1;
}

int include_kind_defs(gen_file *out)
{
    std::unordered_set<std::string> seen;  // kinds of the boxes before
    for (int i = form_sta; i < form_num; ++i) {
        const box_rec &b = box_table[i];
        const bool first = seen.insert(b.kind).second;
        if (b.name[0] == '\0' || strcmp(b.kind, "FBOX") == 0 || is_control_box(i) || is_reserved_kind(i)) continue;
        if (!first) continue;
        if (def_file_exists(b.kind)) gen_put(out, i, "#include \"%s%s\"\n", b.kind, def_ext());
    }
    return 0;
}

int include_work_defs(gen_file *out)
{
    bool any = false;
    for (int l = l_sta; l < l_num && !any; ++l) {
        const link_rec &k = link_table[l];
        any = kind_of(k.from, "WORK") && strcmp(k.name, "SET") == 0 && in_form(k.to) && box_table[k.to].name[0] != '\0';
    }
    if (!any) return 0;
    char included[1000][kind_size];  // kinds already included; later kinds may repeat
    int num = 0;
    auto include_once = [&](int box, const char *kind) {
        for (int n = 0; n < num; ++n) {
            if (strcmp(included[n], kind) == 0) return;
        }
        if (num < 1000) copy_bounded(included[num++], kind_size, kind);
        // X sources include only the definition files there are.
        if (xwin_mode == 0 || def_file_exists(kind)) gen_put(out, box, "#include \"%s%s\"\n", kind, def_ext());
    };
    for (int w = form_sta; w < form_num; ++w) {
        if (!kind_of(w, "WORK")) continue;
        include_once(w, box_table[w].kind);
        for (int l = l_sta; l < l_num; ++l) {
            const link_rec &k = link_table[l];
            if (k.from == w && strcmp(k.name, "SET") == 0 && in_form(k.to) && box_table[k.to].name[0] != '\0') {
                include_once(k.to, box_table[k.to].kind);
            }
        }
    }
    return 0;
}

int kind_signature(const char *kind, char *out, int size)
{
    out[0] = '\0';
    char name[100];
    if (format_text(name, sizeof name, "%s.s", kind) != 0) return 0;
    FILE *fp = dir_fopen(name, "r");
    if (fp == nullptr) return 0;
    set_delims("={,};\t\r\n ");
    int n = 0;
    char line[200];
    while (read_whole_line(line, sizeof line, fp) != nullptr) {
        const char *cap[4];
        if (match_pattern(line, "0bstructb&S&0b{", nullptr, cap) != nullptr) continue;
        if (match_pattern(line, "0bstructb&S&b&S&0b=0b{", nullptr, cap) != nullptr) continue;
        if (match_pattern(line, "0b&S&b&S&0b;", nullptr, cap) == nullptr) continue;
        char type[100], member[100];
        copy_span(type, sizeof type, cap[0], static_cast<size_t>(cap[1] - cap[0]));
        copy_span(member, sizeof member, cap[2], static_cast<size_t>(cap[3] - cap[2]));
        if (n + 1 < size) out[n++] = type_letter(type, member);
    }
    out[n] = '\0';
    fclose(fp);
    return 0;
}

int arg_casts(const char *sig, int i, char *out, int size)
{
    out[0] = '\0';
    int cut = 0;
    for (int k = 0; sig[k] != '\0'; ++k) {
        char field[gen_line_size];
        get_para(field, i, k);
        const char c = sig[k];
        if (c == 's') {
            cut |= append(out, static_cast<size_t>(size), field[0] == '"' ? ", %s" : ", \"%s\"", field);
            continue;
        }
        const char *value = field[0] != '\0' ? field : "0";
        const char *format = c == 'c' ? ", (char)%s" : c == 'i' ? ", (int)%s" : c == 'l' ? ", (long)%s" : ", %s";
        cut |= append(out, static_cast<size_t>(size), format, value);
    }
    return cut;
}

void repeat_size(int rep, int *nx, int *ny)
{
    char f[100];
    get_para(f, rep, 0);
    *nx = atoi(f) < 1 ? 1 : atoi(f);
    get_para(f, rep, 1);
    *ny = atoi(f) < 1 ? 1 : atoi(f);
}

void repeat_gaps(int rep, int *gx, int *gy)
{
    char f[100];
    get_para(f, rep, 2);
    *gx = atoi(f) < 0 ? 0 : atoi(f);
    get_para(f, rep, 3);
    *gy = atoi(f) < 0 ? 0 : atoi(f);
}

int first_link_from(int box)
{
    if (links_indexed) return box_ok(box) ? link_from_head[box] : -1;
    for (int l = l_sta; l < l_num; ++l) {
        if (link_table[l].from == box) return l;
    }
    return -1;
}

int next_link_from(int l)
{
    if (links_indexed) return link_from_next[l];
    for (int m = l + 1; m < l_num; ++m) {
        if (link_table[m].from == link_table[l].from) return m;
    }
    return -1;
}

int first_link_to(int box)
{
    if (links_indexed) return box_ok(box) ? link_to_head[box] : -1;
    for (int l = l_sta; l < l_num; ++l) {
        if (link_table[l].to == box) return l;
    }
    return -1;
}

int next_link_to(int l)
{
    if (links_indexed) return link_to_next[l];
    for (int m = l + 1; m < l_num; ++m) {
        if (link_table[m].to == link_table[l].to) return m;
    }
    return -1;
}

int index_links()
{
    for (int i = form_sta; i < form_num; ++i) {
        link_from_head[i] = -1;
        link_to_head[i] = -1;
    }
    for (int l = l_num - 1; l >= l_sta; --l) {
        const link_rec &k = link_table[l];
        link_from_next[l] = -1;
        link_to_next[l] = -1;
        if (in_form(k.from)) {
            link_from_next[l] = link_from_head[k.from];
            link_from_head[k.from] = l;
        }
        if (in_form(k.to)) {
            link_to_next[l] = link_to_head[k.to];
            link_to_head[k.to] = l;
        }
    }
    links_indexed = true;
    return 0;
}

void drop_link_index() { links_indexed = false; }

void gen_support_reset()
{
    drop_link_index();
    get_kind_ids(-1);
    note_file_exists(nullptr);
    proto_reset();
    for (int k = 0; k < wndclass_slots; ++k) copy_bounded(wndclass_values[k], wndclass_size, wndclass_defaults[k]);
    for (int i = 0; i < box_cap; ++i) {
        repeat_of[i] = -1;
        id_count[i] = 0;
    }
    gen_cut_box = -1;
}

std::vector<int> posi_cases()
{
    const auto named = [](int b) { return box_table[b].name[0] != '\0'; };
    std::vector<int> cases;
    std::vector<char> taken(static_cast<size_t>(form_num - form_sta), 0);
    auto take = [&](int b) {
        if (!in_form(b) || id_count[b] == 0 || taken[static_cast<size_t>(b - form_sta)] != 0) return;
        taken[static_cast<size_t>(b - form_sta)] = 1;
        cases.push_back(b);
    };
    for (int i = form_sta; i < form_num; ++i) {
        if (strcmp(box_table[i].kind, "POSI") != 0) continue;
        if (named(i)) take(i);
        for (int l = first_link_from(i); l >= 0; l = next_link_from(l)) {
            if (strcmp(link_table[l].name, "SET") == 0 && in_form(link_table[l].to) && named(link_table[l].to)) {
                take(link_table[l].to);
            }
        }
    }
    return cases;
}
