// The function list and the select command (see func_list.h).  The tag
// loader reads a header line ("-" run, file name) or an entry line (file,
// line number, name, "(" and the reference line) per line of the tag file.
#include "trees/func_list.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "analyser/anal_inputs.h"
#include "analyser/anal_main.h"
#include "analyser/result_files.h"
#include "analyser/search_keys.h"
#include "analyser/steps.h"
#include "shell/dirs.h"
#include "shell/lbuf.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "trees/launch.h"
#include "trees/list_filter.h"

char *fl_name[fl_cap];
char *fl_file[fl_cap];
fl_kind_line_rec fl_kind_line[fl_cap];
int fl_count;
int fl_order[fl_cap];
int fl_order_saved[fl_cap];
int i_num;
char cat_pattern[cmd_buf_size];
char select_key[select_key_size];
int shift;
int cur_index;
int list_shown;
int list_origin;
char cmd_buf[cmd_buf_size];
int bracket_flag;
int (*anal_runner)(int argc, char **argv) = anal_main;

namespace {

const int list_pool = 3;             // the line-buffer pool of the entry texts
const char default_tag[] = "voktavir.tag";
const char option_letters[] = "nawhdxyp";  // the options select accepts and ignores
const char down_mark[] = "↓";
const char up_mark[] = "↑";
const char box_mark[] = "□";
const char warn_caption[] = "TAVIR警告画面";

// One line of a tag file as the loader reads it.
struct tag_line {
    bool header;
    char file[fl_file_size];
    char name[fl_name_size];
    int line;
    int sub_line;
};

char tag_buf[cmd_buf_size];  // one line of a tag file

bool ends_with_mark(const char *text, const char *mark)
{
    const size_t n = strlen(text), m = strlen(mark);
    return n >= m && memcmp(text + n - m, mark, m) == 0;
}

// The header line: "-" run, blanks, the file name up to a blank, tab,
// newline or "(".
void read_header(const char *p, tag_line *t)
{
    while (*p == '-') ++p;
    while (*p == ' ') ++p;
    const char *end = p;
    while (*end != '\0' && !chr_in_str((unsigned char)*end, " \t\n(")) ++end;
    copy_span(t->file, sizeof t->file, p, (size_t)(end - p));
    format_text(t->name, sizeof t->name, "-%s", t->file);
    size_t n = strlen(t->name);
    while (n < (size_t)header_text_width && n + 1 < sizeof t->name) t->name[n++] = '-';
    t->name[n] = '\0';
    for (char *q = t->name; *q != '\0'; ++q) {
        if (*q == ' ') *q = '-';
    }
    t->header = true;
    t->line = -1;
    t->sub_line = 0;
}

// The entry line: file, blanks, line number, blanks, the name up to "(".
// A tab or newline before the "(" starts the name afresh; "()" followed by
// apostrophes and "(" keeps the parentheses in an operator's name.  false
// when the line has no blank or no "(".
bool read_entry(const char *p, tag_line *t)
{
    const char *blank = strchr(p, ' ');
    if (blank == nullptr) return false;
    copy_span(t->file, sizeof t->file, p, (size_t)(blank - p));
    p = blank;
    while (*p == ' ') ++p;
    t->line = atoi(p);
    while (isdigit((unsigned char)*p) || *p == '-') ++p;
    while (*p == ' ') ++p;
    const char *name = p;
    while (*p != '\0' && *p != '(') {
        if (*p == '\t' || *p == '\n') {
            while (*p == '\t' || *p == '\n' || *p == ' ') ++p;
            name = p;
            continue;
        }
        ++p;
    }
    if (*p != '(') return false;
    const char *open = p;
    if (open[1] == ')') {
        const char *q = open + 2;
        while (*q == '\'') ++q;
        if (*q == '(') open = q;
    }
    copy_span(t->name, sizeof t->name, name, (size_t)(open - name));
    t->sub_line = atoi(open + 1);
    t->header = false;
    return true;
}

bool read_tag_line(const char *text, tag_line *t)
{
    if (text[0] == '-') {
        read_header(text, t);
        return true;
    }
    return read_entry(text, t);
}

// Reads one line; the rest of a line longer than the buffer is skipped.
bool next_tag_line(FILE *fp)
{
    if (read_line(tag_buf, sizeof tag_buf, fp) == nullptr) return false;
    const size_t n = strlen(tag_buf);
    if (n + 1 == sizeof tag_buf && tag_buf[n - 1] != '\n') {
        int c;
        while ((c = fgetc(fp)) != EOF && c != '\n') {
        }
    }
    return true;
}

int limit_box()
{
    error_boxf(screen_main, "関数の数が限界値(%d)を越えました", fl_count);
    return 0;
}

bool add_entry(const tag_line &t)
{
    char *name = lbuf_add(list_pool, t.name, 0);
    char *file = lbuf_add(list_pool, t.file, 0);
    if (name == nullptr || file == nullptr) return false;
    fl_name[fl_count] = name;
    fl_file[fl_count] = file;
    fl_kind_line[fl_count] = fl_kind_line_rec{t.line, t.sub_line};
    ++fl_count;
    return true;
}

int empty_list()
{
    fl_count = 0;
    i_num = 0;
    shift = 0;
    select_key[0] = '\0';
    return 0;
}

int usage(const char *tag)
{
    dev_printf("使用法　: select iiiまたはselect -fsssまたはselect iii -fsss\n");
    dev_printf("    iii : ファイル選択肢、複数指定可能、例1:*.c  例2:?.c\n");
    dev_printf("    sss : ファイル一覧の格納ファイル名、省略時 %s\n", tag);
    char command[] = "vokanal";
    char help[] = "-H";
    char *argv[] = {command, help, nullptr};
    anal_runner(2, argv);
    return 0;
}

// The file name without a slot prefix.
const char *bare_name(const char *name) { return has_dir_prefix(name) ? name + 2 : name; }

// Appends " word" to text (length *len) when it fits in size; false otherwise,
// with *len grown by what it would take.
bool append_word(char *text, size_t size, size_t *len, const char *word)
{
    const size_t n = strlen(word) + 1;
    if (*len + n + 1 > size) {
        *len += n;
        return false;
    }
    text[(*len)++] = ' ';
    memcpy(text + *len, word, n);
    *len += n - 1;
    return true;
}

// Builds the analyser command of the file words in cmd_buf: 0, or 1 after
// the refusal box when it would not fit.
int build_select_command(int argc, char **argv, const char *tag)
{
    format_text(cmd_buf, sizeof cmd_buf, "vokanal  -i -o%s", tag);
    size_t len = strlen(cmd_buf);
    bool fits = true;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-') continue;
        fits = append_word(cmd_buf, sizeof cmd_buf, &len, argv[i]) && fits;
    }
    if (fits) return 0;
    cmd_buf[0] = '\0';
    error_boxf(screen_main, "一覧作成用作業域が足りない、要求が%dですが、%dしか有りません", (int)len + 1, cmd_buf_size);
    return 1;
}

int rebuild_cat_pattern(int argc, char **argv)
{
    size_t len = 0;
    cat_pattern[0] = '\0';
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-') append_word(cat_pattern, sizeof cat_pattern, &len, argv[i]);
    }
    return 0;
}

// The folder of a file text: the slot's folder, or the current directory.
int folder_of(const char *file, char *dir, size_t size)
{
    char path[dir_path_size];
    path[0] = '\0';
    if (has_dir_prefix(file)) get_proj_dir(path, dir_index((unsigned char)file[0]));
    else host_getcwd(path, sizeof path);
    copy_bounded(dir, size, path);
    return 0;
}

int locate(int entry, char *dir, size_t dir_size, char *file, size_t size, int *line)
{
    folder_of(fl_file[entry], dir, dir_size);
    copy_bounded(file, size, bare_name(fl_file[entry]));
    const fl_kind_line_rec k = fl_kind_line[entry];
    if (k.line == -1) {
        *line = 1;
        return 0;
    }
    if (k.sub_line >= 1) {
        *line = k.sub_line;
        return 1;
    }
    if (g_entry >= 0) {
        *line = g_entry;
        return 2;
    }
    *line = k.line;
    return 3;
}

int selected_entry() { return entry_at(cur_index); }

}  // namespace

int count_trailing_colons(const char *text)
{
    int n = 0;
    for (size_t i = strlen(text); i > 0 && text[i - 1] == ':'; --i) ++n;
    return n;
}

bool has_down_mark(const char *text) { return ends_with_mark(text, down_mark); }
bool has_up_mark(const char *text) { return ends_with_mark(text, up_mark); }
bool has_box_mark(const char *text) { return ends_with_mark(text, box_mark); }

bool is_decl_text(const char *text)
{
    size_t n = strlen(text);
    while (n > 0 && text[n - 1] == '\'') --n;
    return n > 0 && text[n - 1] == ';';
}

int leading_quotes(const char *text)
{
    int n = 0;
    while (text[n] == '\'') ++n;
    return n;
}

int trailing_quotes(const char *text)
{
    size_t n = strlen(text);
    if (n > 0 && text[n - 1] == ';') --n;
    int count = 0;
    while (n > 0 && text[n - 1] == '\'') --n, ++count;
    return count;
}

bool is_class_text(const char *text) { return count_trailing_colons(text) > 0 || has_down_mark(text); }

int display_name(const char *text, char *out, size_t size)
{
    size_t n = strlen(text);
    const int colons = count_trailing_colons(text);
    if (colons > 0) {
        n -= (size_t)colons;
    } else if (has_down_mark(text)) {
        n -= strlen(down_mark);
        const char *brace = strchr(text, '{');
        if (brace != nullptr && (size_t)(brace - text) < n) n = (size_t)(brace - text);
    } else if (has_up_mark(text)) {
        n -= strlen(up_mark);
    }
    copy_span(out, size, text, n);
    return out[0] == '\0' ? 1 : 0;
}

int entry_at(int p) { return p >= 0 && p < i_num && fl_order[p] >= 0 && fl_order[p] < fl_count ? fl_order[p] : -1; }

bool is_header(int entry) { return entry >= 0 && entry < fl_count && fl_kind_line[entry].line == -1; }

int name_compare(const char *a, const char *b)
{
    while (*a == '\'') ++a;
    while (*b == '\'') ++b;
    const auto span = [](const char *s) {
        const char *end = strchr(s, '\'');
        size_t n = end != nullptr ? (size_t)(end - s) : strlen(s);
        const size_t m = strlen(box_mark);
        if (n >= m && memcmp(s + n - m, box_mark, m) == 0) n -= m;
        return n;
    };
    const size_t na = span(a), nb = span(b);
    for (size_t i = 0;; ++i) {
        if (i == na) return i == nb ? 0 : 1;
        if (i == nb) return 2;
        if (a[i] != b[i]) return 3;
    }
}

int has_list_name(const char *name)
{
    for (int i = 0; i < fl_count; ++i) {
        if (fl_kind_line[i].line != -1 && name_compare(fl_name[i], name) == 0) return 1;
    }
    return 0;
}

int load_tag_file(const char *tag)
{
    ref_name[0] = '\0';
    FILE *fp = home_fopen(tag, "r");
    lbuf_free(list_pool);
    empty_list();
    if (fp == nullptr) {
        dev_printf("ファイル(%s)が見つかりません\n", tag);
        return 1;
    }
    tag_line t;
    while (next_tag_line(fp)) {
        if (fl_count >= fl_cap) {
            limit_box();
            break;
        }
        if (read_tag_line(tag_buf, &t) && !add_entry(t)) break;
    }
    fclose(fp);
    for (int i = 0; i < fl_count; ++i) fl_order[i] = i;
    i_num = fl_count;
    return 0;
}

int select_main(int argc, char **argv)
{
    char tag[fl_name_size];
    copy_bounded(tag, sizeof tag, default_tag);
    list_origin = -7;
    bool files = false;
    for (int i = 1; i < argc; ++i) {
        const char *w = argv[i];
        if (w[0] != '-') {
            files = true;
        } else if (w[1] == 'f') {
            if (w[2] != '\0') copy_bounded(tag, sizeof tag, w + 2);
        } else if (w[1] == '\0' || strchr(option_letters, w[1]) == nullptr) {
            return usage(tag);
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-' && (strcmp(argv[i], tag) == 0 || strcmp(bare_name(argv[i]), tag) == 0)) {
            dev_printf("-fの後ろに、表示ファイルと同じファイル(%s)は指定出来ません\n", tag);
            return 0;
        }
    }
    if (!files && cat_pattern[0] == '\0') return empty_list();
    if (files) {
        if (build_select_command(argc, argv, tag) != 0) return 0;
        rebuild_cat_pattern(argc, argv);
        std::vector<char *> words;
        for (char *p = strtok(cmd_buf, " "); p != nullptr; p = strtok(nullptr, " ")) words.push_back(p);
        words.push_back(nullptr);
        if (anal_runner((int)words.size() - 1, words.data()) == anal_output_failed) return anal_output_failed;
    }
    load_tag_file(tag);
    return 0;
}

int find_tag_index(const char *name, int i)
{
    if (cat_pattern[0] == '\0' || i < 0 || i >= fl_count) return -1;
    FILE *fp = home_fopen(default_tag, "r");
    if (fp == nullptr) return -1;
    tag_line t;
    int count = 0;
    bool same_file = false;
    int result = -1;
    while (result == -1 && next_tag_line(fp)) {
        if (count >= fl_cap) {
            limit_box();
            break;
        }
        if (!read_tag_line(tag_buf, &t)) continue;
        if (t.header) {
            same_file = strcmp(t.file, fl_file[i]) == 0;
        } else if (same_file && t.line == fl_kind_line[i].line) {
            if (name_compare(name, t.name) != 0) {
                msg_box(hwndL, "direct指定を利用出来ません", warn_caption, MB_ICONHAND);
                result = -2;
            } else {
                result = count;
            }
        }
        ++count;
    }
    fclose(fp);
    return result;
}

int sel_line()
{
    const int e = selected_entry();
    return e < 0 ? -1 : fl_kind_line[e].sub_line;
}

int sel_entry(int *sub_line)
{
    const int e = selected_entry();
    if (e >= 0) *sub_line = fl_kind_line[e].sub_line;
    return e;
}

int sel_file(char *file, size_t size)
{
    const int e = selected_entry();
    copy_bounded(file, size, e < 0 ? "" : fl_file[e]);
    return e < 0 ? 0 : 1;
}

int sel_func(char *file, size_t size, int *line)
{
    const int e = selected_entry();
    if (e < 0) return 1;
    copy_bounded(file, size, fl_file[e]);
    *line = fl_kind_line[e].line;
    return is_header(e) ? 2 : 0;
}

int sel_func_name(char *file, size_t size, char *name, size_t name_size)
{
    const int e = selected_entry();
    if (e < 0) return 1;
    copy_bounded(file, size, fl_file[e]);
    copy_bounded(name, name_size, fl_name[e]);
    return is_header(e) ? 2 : 0;
}

int sel_name(char *name, size_t size)
{
    const int e = selected_entry();
    copy_bounded(name, size, e >= 0 && !is_header(e) ? fl_name[e] : "");
    return cur_index;
}

int sel_location(char *dir, size_t dir_size, char *file, size_t size, int *line)
{
    const int e = selected_entry();
    if (e < 0) return -1;
    return locate(e, dir, dir_size, file, size, line);
}

int find_list_entry(const char *name, char *dir, size_t dir_size, char *file, size_t size, int *line)
{
    const bool keep = strlen(name) >= 32;
    int found = -1;
    for (int p = 0; p < i_num; ++p) {
        const int e = entry_at(p);
        if (e < 0) continue;
        char text[fl_name_size];
        short_name(fl_name[e], keep ? 1 : 0, text, sizeof text);
        if (strcmp(text, name) != 0) continue;
        if (found >= 0) return -1;
        found = e;
    }
    if (found < 0) return -1;
    return locate(found, dir, dir_size, file, size, line);
}

int clear_list()
{
    cat_pattern[0] = '\0';
    fl_count = 0;
    i_num = 0;
    return reset_select();
}

int reset_select()
{
    cur_index = -1;
    search_key.text[0] = '\0';
    return 0;
}

int count_list_kinds()
{
    for (int p = 0; p < i_num;) {
        const int h = entry_at(p++);
        if (!is_header(h)) continue;
        int functions = 0, classes = 0, decls = 0;
        for (; p < i_num && !is_header(entry_at(p)); ++p) {
            const int e = entry_at(p);
            if (e < 0) continue;
            if (is_class_text(fl_name[e])) ++classes;
            else if (is_decl_text(fl_name[e])) ++decls;
            else ++functions;
        }
        set_step_extra(fl_file[h], functions, classes, decls);
    }
    return 0;
}

int find_category_word(char *name, size_t size)
{
    const char *p = cat_pattern;
    while (*p != '\0') {
        while (*p == ' ' || *p == '\t') ++p;
        const char *start = p;
        while (*p != '\0' && *p != ' ' && *p != '\t') ++p;
        if (p == start) break;
        char word[dir_path_size];
        copy_span(word, sizeof word, start, (size_t)(p - start));
        char folded[dir_path_size];
        copy_bounded(folded, sizeof folded, bare_name(word));
        for (char *q = folded; *q != '\0'; ++q) {
            if (*q >= 'A' && *q <= 'Z') *q = (char)(*q - 'A' + 'a');
        }
        if (strcmp(folded, name) == 0) {
            copy_bounded(name, size, word);
            return 0;
        }
    }
    return 1;
}

int get_f_num()
{
    int n = 0;
    for (int p = 0; p < i_num; ++p) {
        const int e = entry_at(p);
        if (e >= 0 && !is_header(e)) ++n;
    }
    return n;
}

int has_file_entry(const char *name)
{
    for (int p = 0; p < i_num; ++p) {
        const int e = entry_at(p);
        if (is_header(e) && has_dir_prefix(fl_file[e]) && strcmp(fl_file[e] + 2, name) == 0) return 1;
    }
    return 0;
}

int first_work_file(char *out, size_t size, int c)
{
    out[0] = '\0';
    char here[dir_path_size];
    if (folder[0] == '\0' || host_getcwd(here, sizeof here) != 0) return 0;
    if (host_chdir(folder) != 0) return 0;
    char name[dir_path_size];
    int found = 0;
    const intptr_t search = host_find_first("*", name, sizeof name);
    if (search != -1) {
        do {
            if (strcmp(name, ".") == 0 || strcmp(name, "..") == 0 || has_file_entry(name)) continue;
            format_text(out, size, "%c:%s", c, name);
            found = 1;
        } while (!found && host_find_next(search, name, sizeof name) == 0);
        host_find_close(search);
    }
    host_chdir(here);
    return found;
}

int cur_entry_slot()
{
    const int e = selected_entry();
    return is_header(e) && has_dir_prefix(fl_file[e]) ? (unsigned char)fl_file[e][0] : '?';
}

int list_init() { return 0; }

int func_list_reset()
{
    lbuf_free(list_pool);
    fl_count = 0;
    i_num = 0;
    cat_pattern[0] = '\0';
    select_key[0] = '\0';
    shift = 0;
    cur_index = -1;
    list_shown = 0;
    list_origin = 0;
    g_entry = -1;
    cmd_buf[0] = '\0';
    bracket_flag = 0;
    anal_runner = anal_main;
    return 0;
}
