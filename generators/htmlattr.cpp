// The HTML word lists.  A line that does not begin with a blank or a tab is
// a section header naming a list; the entry lines after it fill that list.
#include "generators/htmlattr.h"

#include <cstdio>
#include <cstring>

#include "generators/defs.h"
#include "shell/dirs.h"
#include "shell/text.h"
#include "shell/words.h"

namespace {

// The lists in their header order.
enum html_list { list_bef, list_aft, list_str, list_pre, list_scr, list_car, list_count };
const char *const list_names[list_count] = {"is_bef", "is_aft", "is_str", "is_pre", "is_scr", "is_car"};

struct word_list {
    int start;
    int num;  // words stored for this list
};

char html_words[html_word_max][html_word_size];
int html_word_num;
word_list lists[list_count];

// The list a header line names, or -1.
int header_list(const char *line)
{
    const size_t n = strcspn(line, " \t,\r\n");
    for (int i = 0; i < list_count; ++i) {
        if (strlen(list_names[i]) == n && strncmp(line, list_names[i], n) == 0) return i;
    }
    return -1;
}

// Stores the first word of an entry line; false when it was not stored.
bool add_word(const char *line)
{
    while (*line == ' ' || *line == '\t') ++line;
    char word[1000];
    copy_span(word, sizeof word, line, strcspn(line, " \t,\r\n"));
    cut_quote(word);
    if (word[0] == '\0' || strlen(word) >= html_word_size || html_word_num >= html_word_max) return false;
    copy_bounded(html_words[html_word_num++], html_word_size, word);
    return true;
}

int in_list(int list, const char *word)
{
    const word_list &l = lists[list];
    for (int i = l.start; i < l.start + l.num; ++i) {
        if (strcmp(html_words[i], word) == 0) return 1;
    }
    return 0;
}

}  // namespace

int load_htmlattr()
{
    FILE *fp = dir_fopen("htmlattr.dat", "r");
    if (fp == nullptr) return 0;
    htmlattr_reset();
    int current = -1;
    char line[1000];
    while (read_whole_line(line, sizeof line, fp) != nullptr) {
        if (line[0] != ' ' && line[0] != '\t') {
            current = header_list(line);
            if (current >= 0) lists[current] = word_list{html_word_num, 0};
            continue;
        }
        if (add_word(line) && current >= 0) ++lists[current].num;
    }
    fclose(fp);
    return 0;
}

int is_bef(const char *word) { return in_list(list_bef, word); }
int is_aft(const char *word) { return in_list(list_aft, word); }
int is_str(const char *word) { return in_list(list_str, word); }
int is_pre(const char *word) { return in_list(list_pre, word); }
int is_scr(const char *word) { return in_list(list_scr, word); }
int is_car(const char *word) { return in_list(list_car, word); }

void htmlattr_reset()
{
    html_word_num = 0;
    for (word_list &l : lists) l = word_list{};
}
