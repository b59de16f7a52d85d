// Loading "wordattr.dat" and asking its lists.
#include "analyser/wordattr.h"

#include <cstdio>
#include <cstring>

#include "analyser/anal_host.h"
#include "shell/dirs.h"
#include "shell/text.h"
#include "shell/words.h"

char word_tbl[word_cap][word_size];
int word_list_start[word_list_count];
int word_list_num[word_list_count];

namespace {

// The first word of the text: up to a blank, tab, ",", newline or the end.
void first_word(char *out, size_t size, const char *p)
{
    copy_span(out, size, p, strcspn(p, " \t,\r\n"));
}

// The list number of a section name, or -1.
int list_of(const char *name)
{
    if (strncmp(name, "is_word", 7) == 0 && name[7] >= '0' && name[7] <= '9' && name[8] == '\0') return name[7] - '0';
    return -1;
}

}  // namespace

int load_wordattr(int *limit)
{
    *limit = word_cap;
    for (int i = 0; i < word_list_count; ++i) {
        word_list_start[i] = 0;
        word_list_num[i] = 0;
    }
    FILE *fp = dir_fopen("wordattr.dat", "r");
    if (fp == nullptr) return -1;
    char line[1000];
    char word[1000];
    int total = 0;
    int section = -1;
    int count = 0;
    while (read_line(line, sizeof line, fp) != nullptr) {
        if (line[0] == ' ' || line[0] == '\t') {
            const char *p = line;
            while (*p == ' ' || *p == '\t') ++p;
            first_word(word, sizeof word, p);
            cut_quote(word);
            if (total < word_cap) copy_bounded(word_tbl[total], word_size, word);
            ++total;
            ++count;
            continue;
        }
        if (section >= 0) word_list_num[section] = count;
        first_word(word, sizeof word, line);
        section = list_of(word);
        count = 0;
        if (section >= 0) word_list_start[section] = total;
    }
    if (section >= 0) word_list_num[section] = count;
    fclose(fp);
    for (int i = 0; i < word_list_count; ++i) {
        if (word_list_start[i] + word_list_num[i] > word_cap) {
            word_list_num[i] = word_list_start[i] < word_cap ? word_cap - word_list_start[i] : 0;
        }
    }
    return total > word_cap ? total : 0;
}

int is_word_in_list(int list, const char *word)
{
    const int start = word_list_start[list];
    for (int i = 0; i < word_list_num[list]; ++i) {
        if (list == 2 && strncmp(word, "__DEFINE_CPP_OVERLOAD_", 22) == 0) return 1;
        if (strcmp(word_tbl[start + i], word) == 0) return 1;
    }
    return 0;
}

int is_word0(const char *word) { return is_word_in_list(0, word); }
int is_word1(const char *word) { return is_word_in_list(1, word); }
int is_word2(const char *word) { return is_word_in_list(2, word); }
int is_word3(const char *word) { return is_word_in_list(3, word); }
int is_word4(const char *word) { return is_word_in_list(4, word); }
int is_word5(const char *word) { return is_word_in_list(5, word); }
int is_word6(const char *word) { return is_word_in_list(6, word); }
int is_word7(const char *word) { return is_word_in_list(7, word); }
int is_word8(const char *word) { return is_word_in_list(8, word); }
int is_word9(const char *word) { return is_word_in_list(9, word); }

int classify_name(const char *name)
{
    if (has_list_name(name)) return 1;
    if (is_word8(name)) return 2;
    if (is_word9(name)) return 3;
    return 0;
}
