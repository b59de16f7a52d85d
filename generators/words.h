// Word and name functions shared by the generators, the FORM screen and
// PLX, and the X widget-class table read from "xwindow.dat".
#ifndef VOK_GENERATORS_WORDS_H
#define VOK_GENERATORS_WORDS_H

void skip_blank(const char **cursor);  // over blanks, tabs and newlines
void skip_word(const char **cursor);   // to the next blank, tab, newline or the end
const char *to_lower(const char *text);  // in one static buffer
const char *find_ext(const char *name);  // the last '.', or the end
char *find_ext(char *name);
void cut_quote(char *text);
int is_link_tag(const char *tag);

struct xwindow_row {
    char name[10];
    char col1[10];
    char col2[50];
    char col3[8];
};
const int xwindow_cap = 200;
extern xwindow_row xwindow_tbl[xwindow_cap];
extern int xwindow_num;

int read_xwindow();
int xwindow_col1(const char *name, const char **out);
int xwindow_col2(const char *name, const char **out);

#endif
