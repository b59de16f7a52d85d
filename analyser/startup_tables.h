// The character tables of the lexer (character classes, Shift-JIS lead
// bytes), filled once at start-up, the ASCII case helpers, and the release
// of the loaded source that MAIN calls at its end.
#ifndef VOK_ANALYSER_STARTUP_TABLES_H
#define VOK_ANALYSER_STARTUP_TABLES_H

// Character classes: 0 word bytes, 1 brackets, 2 punctuation and line feed,
// 3 operator characters, 4 blank and tab, 5 quotes.
extern unsigned char char_class[256];
extern unsigned char sjis_lead[256];

int init_sjis_table();
int init_char_class();
int set_char_class(const char *chars, int cls);
int is_sjis_lead(int c);
int char_class_of(int c);
int to_lower_ascii(int c);
int swap_case_ascii(int c);

#endif
