// The tree listing stream, the source list reader and the occurrence cursor.
#include "trees/ftree_files.h"

#include <cstdlib>
#include <cstring>

#include "shell/sysfile.h"
#include "shell/text.h"

namespace {

FILE *listing;

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

}  // namespace

int ftree_s_open(const char *name)
{
    ftree_s_close();
    listing = sys_fopen(name, "w");
    return listing == nullptr ? 1 : 0;
}

int ftree_s_close()
{
    if (listing != nullptr) fclose(listing);
    listing = nullptr;
    return 0;
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
    FILE *fp = sys_fopen("ftree_f.txt", "r");
    if (fp == nullptr) return "?";
    char line[f_line_size];
    const char *result = "??";
    while (read_line(line, sizeof line, fp) != nullptr) {
        if (line[0] != 'S' || line[1] < '0' || line[1] > '9' || atoi(line + 1) != n) continue;
        const char *p = line + 1;
        while (*p >= '0' && *p <= '9') ++p;
        while (*p == ' ') ++p;
        copy_bounded(name, sizeof name, p);
        cut_newline(name);
        result = name;
        break;
    }
    fclose(fp);
    return result;
}
