// Word attributes: the ten word lists of "wordattr.dat" that tell the
// parsers which vendor words behave like keywords.
#ifndef VOK_ANALYSER_WORDATTR_H
#define VOK_ANALYSER_WORDATTR_H

const int word_cap = 500;
const int word_size = 50;
const int word_list_count = 10;

extern char word_tbl[word_cap][word_size];
extern int word_list_start[word_list_count];
extern int word_list_num[word_list_count];

// 0 loaded; -1 the file cannot be opened; the total word count when it
// exceeds the table (the first 500 are kept).  limit gets 500.
int load_wordattr(int *limit);
int is_word_in_list(int list, const char *word);
int is_word0(const char *word);
int is_word1(const char *word);
int is_word2(const char *word);
int is_word3(const char *word);
int is_word4(const char *word);
int is_word5(const char *word);
int is_word6(const char *word);
int is_word7(const char *word);
int is_word8(const char *word);
int is_word9(const char *word);

// 1 a name of the LIST screen's function list, 2 a name of word list 8,
// 3 of list 9, else 0.
int classify_name(const char *name);

#endif
