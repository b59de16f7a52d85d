// The tree listing stream and its node lines, the tree form writer, the
// source-number names and their look-ups in the source list, the listing's
// readers and the occurrence cursor.
#include "trees/ftree_files.h"

#include <cstdlib>
#include <cstring>

#include "analyser/calls.h"
#include "shell/dir_replace.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "trees/tree_box.h"

namespace {

dir_replacement listing_out;  // the tree listing through its temporary
FILE *listing;                // listing_out's stream while it is open

const int occ_text_size = 10000;
const int occ_cap = 1000;
const int f_line_size = 1000;

// One line of the call-line list: "file name number more...".
struct occ_entry {
    char text[occ_text_size];
    int lines[occ_cap];
    int count;
};

occ_entry found_entry;
char cursor_index_text[64];

void cut_newline(char *text) { text[strcspn(text, "\r\n")] = '\0'; }

// Copies the next blank-separated word (cut to size); the text after it.
const char *next_word(const char *p, char *word, size_t size)
{
    while (*p == ' ' || *p == '\t') ++p;
    const size_t n = strcspn(p, " \t");
    copy_span(word, size, p, n);
    return p + n;
}

// Fills the entry's numbers from its text: 1 when the line lists
// (file, name, number), else 0.
int match_entry(occ_entry *entry, const char *name, const char *file, int number)
{
    char word[occ_text_size];
    const char *p = next_word(entry->text, word, sizeof word);
    if (strcmp(word, file) != 0) return 0;
    p = next_word(p, word, sizeof word);
    if (strcmp(word, name) != 0) return 0;
    entry->count = 0;
    for (;;) {
        while (*p == ' ' || *p == '\t') ++p;
        if (*p == '\0' || entry->count == occ_cap) break;
        char *end = nullptr;
        const long v = strtol(p, &end, 10);
        if (end == p) break;
        entry->lines[entry->count++] = (int)v;
        p = end;
    }
    return entry->count > 0 && entry->lines[0] == number;
}

int write_cursor(const char *cursor_file, const char *text, int index)
{
    FILE *fp = sys_fopen(cursor_file, "w");
    if (fp == nullptr) return 1;
    fprintf(fp, "%s\n%d\n", text, index);
    fclose(fp);
    return 0;
}

// 1 when the cursor file holds the line of (name, file, number); its index
// in index_out.
int read_cursor(const char *cursor_file, const char *name, const char *file, int number, int *index_out)
{
    FILE *fp = sys_fopen(cursor_file, "r");
    if (fp == nullptr) return 0;
    int same = 0;
    if (read_line(found_entry.text, occ_text_size, fp) != nullptr) {
        cut_newline(found_entry.text);
        same = match_entry(&found_entry, name, file, number);
        const bool has_index = read_line(cursor_index_text, sizeof cursor_index_text, fp) != nullptr;
        *index_out = has_index ? atoi(cursor_index_text) : 0;
    }
    fclose(fp);
    return same;
}

// 1 when the list file has a line of (name, file, number), kept in found_entry.
int search_list(const char *list_file, const char *name, const char *file, int number)
{
    FILE *fp = sys_fopen(list_file, "r");
    if (fp == nullptr) return 0;
    int found = 0;
    while (!found && read_line(found_entry.text, occ_text_size, fp) != nullptr) {
        cut_newline(found_entry.text);
        found = match_entry(&found_entry, name, file, number);
    }
    fclose(fp);
    return found;
}

// Results of source_line.
enum source_found { source_listed, source_no_list, source_unlisted };

// The file on "S" line n of "ftree_f.txt", cut to size.
source_found source_line(int n, char *out, size_t size)
{
    out[0] = '\0';
    FILE *fp = sys_fopen("ftree_f.txt", "r");
    if (fp == nullptr) return source_no_list;
    char line[f_line_size];
    source_found found = source_unlisted;
    while (found != source_listed && read_line(line, sizeof line, fp) != nullptr) {
        if (line[0] != 'S' || line[1] < '0' || line[1] > '9' || atoi(line + 1) != n) continue;
        const char *p = line + 1;
        while (*p >= '0' && *p <= '9') ++p;
        while (*p == ' ') ++p;
        copy_bounded(out, size, p);
        cut_newline(out);
        found = source_listed;
    }
    fclose(fp);
    return found;
}

const int node_line_size = 10000;

// The fields of a node line: letter and number, file, line, name, caller
// line and the suffix word with its number.
struct node_fields {
    char head[32];
    char file[node_line_size];
    char line[32];
    char name[node_line_size];
    char caller[32];
    char suffix[32];
};

void split_node_line(const char *text, node_fields *f)
{
    const char *p = next_word(text, f->head, sizeof f->head);
    p = next_word(p, f->file, sizeof f->file);
    p = next_word(p, f->line, sizeof f->line);
    p = next_word(p, f->name, sizeof f->name);
    p = next_word(p, f->caller, sizeof f->caller);
    next_word(p, f->suffix, sizeof f->suffix);
}

// 1 when the line begins with the letter and a number equal to n.
bool numbered(const char *line, char letter, int n)
{
    return line[0] == letter && line[1] >= '0' && line[1] <= '9' && atoi(line + 1) == n;
}

int node_mark(const char *suffix)
{
    if (suffix[0] == 'P') return atoi(suffix + 1);
    if (suffix[0] == 'S') return node_mark_private;
    return node_mark_plain;
}

}  // namespace

int ftree_s_open(const char *name)
{
    ftree_s_close();
    dir_replace_at(&listing_out, name);
    listing = listing_out.fp;
    return listing == nullptr ? 1 : 0;
}

int ftree_s_close()
{
    if (listing == nullptr) return 0;
    listing = nullptr;
    return dir_replace_close(&listing_out, true);
}

FILE *ftree_s_stream() { return listing; }

int next_occurrence(const char *list_file, const char *cursor_file, const char *name, const char *file, int number,
                    int *next, int *index, int *count)
{
    int at = 0;
    if (read_cursor(cursor_file, name, file, number, &at)) {
        at = at + 1 >= found_entry.count || at < 0 ? 0 : at + 1;
        write_cursor(cursor_file, found_entry.text, at);
    } else if (search_list(list_file, name, file, number)) {
        at = 0;
        write_cursor(cursor_file, found_entry.text, 0);
    } else {
        *next = number;
        *index = 0;
        *count = 0;
        sys_remove(cursor_file);
        return 0;
    }
    *next = found_entry.lines[at];
    *index = at;
    *count = found_entry.count;
    return 1;
}

const char *ftree_f_name(int n)
{
    static char name[f_line_size];
    const source_found found = source_line(n, name, sizeof name);
    return found == source_listed ? name : found == source_no_list ? "?" : "??";
}

int write_fe_line(int box, const char *call_file, int call_line, int caller_line, int mark, const char *name)
{
    if (listing == nullptr) return 1;
    if (call_file[0] != '\0' && call_line >= 0) {
        fprintf(listing, "E%05d %s %d %s %d", box, call_file, call_line, name, caller_line);
        if (mark >= 0) fprintf(listing, " P%d", mark);
        else if (mark == -2) fputs(" S", listing);
    } else if (box >= 0 && box < tbox_num && tbox_tbl[box].source >= 0 && tbox_tbl[box].line >= 0) {
        const tbox &b = tbox_tbl[box];
        fprintf(listing, "F%05d %s %d %s %d", box, src_name(b.source), (int)b.line, name, caller_line);
        if (mark == -2) fputs(" S", listing);
    }
    fputc('\n', listing);
    return 0;
}

int write_tree_form(const char *name)
{
    dir_replacement out;
    if (!dir_replace_open(&out, name)) return 1;
    FILE *fp = out.fp;
    fputs("#F2\n", fp);
    int written = 0;
    for (int i = 0; i < tbox_num; ++i) {
        tbox &b = tbox_tbl[i];
        b.out = b.mark || i == 1 || i == 2 ? written++ : -1;
        if (b.out < 0) continue;
        fprintf(fp, "%5d %5d %5d %5d %-12s %s\n", (int)b.x1 + 10, (int)b.y1 + 5, (int)b.x2 + 10, (int)b.y2 + 5,
                tbox_type_name(b.type), name_at(b.name));
    }
    fputs("#L2\n", fp);
    for (int i = 0; i < tlink_num; ++i) {
        const tlink &k = tlink_tbl[i];
        const int from = tbox_tbl[k.from].out, to = tbox_tbl[k.to].out;
        if (from >= 0 && to >= 0) fprintf(fp, "%5d %5d %-12s\n", from, to, k.name);
    }
    fputs("#P1\n", fp);
    for (int i = 0; i < tbox_num; ++i) {
        if (tbox_tbl[i].out < 0) continue;
        const char *line = i < tparam_num ? tparam_tbl[i] : "";
        fprintf(fp, "%.*s\n", (int)strcspn(line, "\n"), line);
    }
    if (dir_replace_close(&out, true) != 0) return 1;
    return write_ftree_sources() == 0 ? 0 : 2;
}

const char *hex_name(int n)
{
    static char text[16];
    if (n < 0) return "?";
    format_text(text, sizeof text, "%X", static_cast<unsigned>(n));
    return text;
}

int parse_hex_name(const char *text, char *letter)
{
    const int digit_max = 9;
    long long n = 0;
    int digits = 0;
    const char *p = text;
    for (; (*p >= '0' && *p <= '9') || (*p >= 'A' && *p <= 'F'); ++p) {
        if (++digits > digit_max) return -1;
        n = n * 16 + (*p <= '9' ? *p - '0' : *p - 'A' + 10);
    }
    if (digits == 0 || n > 0x7fffffffLL) return -1;
    if (p[0] == 'S' && p[1] == '\0') *letter = 'S';
    else if (p[0] == '\0') *letter = 0;
    else return -1;
    return static_cast<int>(n);
}

int expand_hex_name(char *name, int size)
{
    char letter = 0;
    const int n = parse_hex_name(name, &letter);
    if (n < 0) {
        copy_bounded(name, size, "?");
        return 1;
    }
    char file[f_line_size];
    const source_found found = source_line(n, file, sizeof file);
    if (found != source_listed) {
        copy_bounded(name, size, found == source_no_list ? "?????" : "????");
        return 1;
    }
    format_text(name, size, "%s%s", file, letter == 'S' ? "/s" : "");
    return 0;
}

int expand_hex_name_s(const char *file)
{
    FILE *fp = sys_fopen("ftree_f.txt", "r");
    if (fp == nullptr) return -1;
    char line[f_line_size];
    int found = -2;
    while (found < 0 && read_line(line, sizeof line, fp) != nullptr) {
        if (line[0] != 'S' || line[1] < '0' || line[1] > '9') continue;
        cut_newline(line);
        const char *p = line + 1;
        while (*p >= '0' && *p <= '9') ++p;
        while (*p == ' ') ++p;
        if (strcmp(p, file) == 0) found = atoi(line + 1);
    }
    fclose(fp);
    return found;
}

int read_ftree_node(const char *listing_name, int n, char *file, int file_size, int *line, char *name, int name_size,
                    int *caller_line, int *mark)
{
    name[0] = '\0';
    file[0] = '\0';
    *line = -1;
    *caller_line = -1;
    if (n < 0) return 0;
    FILE *fp = sys_fopen(listing_name, "r");
    if (fp == nullptr) {
        *line = -2;
        *mark = -1;
        return 0;
    }
    static char text[node_line_size];
    static node_fields f;
    bool found = false;
    while (!found && read_line(text, sizeof text, fp) != nullptr) {
        found = numbered(text, 'E', n) || numbered(text, 'F', n);
    }
    fclose(fp);
    if (!found) {
        *line = -3;
        *mark = -3;
        return 0;
    }
    cut_newline(text);
    split_node_line(text, &f);
    copy_bounded(file, file_size, f.file);
    copy_bounded(name, name_size, f.name);
    *line = atoi(f.line);
    *caller_line = atoi(f.caller);
    *mark = node_mark(f.suffix);
    return 1;
}

int find_g_line(const char *listing_name, const char *name, char *file, int file_size, int *line, int mode)
{
    FILE *fp = sys_fopen(listing_name, "r");
    if (fp == nullptr) {
        file[0] = '\0';
        *line = -2;
        return 0;
    }
    static char text[node_line_size];
    static node_fields f;
    bool found = false;
    while (!found && read_line(text, sizeof text, fp) != nullptr) {
        if (text[0] != 'G' || text[1] < '0' || text[1] > '9') continue;
        cut_newline(text);
        split_node_line(text, &f);
        if (strcmp(f.name, name) != 0) continue;
        const int scope = atoi(f.caller);
        found = mode == g_line_private ? strcmp(f.file, file) == 0 && scope >= 0 : scope < 0;
    }
    fclose(fp);
    if (!found) {
        *line = -3;
        return 0;
    }
    if (mode != g_line_private) copy_bounded(file, file_size, f.file);
    *line = atoi(f.line);
    return 1;
}
