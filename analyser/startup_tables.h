// The lexer's character-class table, filled once at start-up, and the ASCII
// case helpers.  The Shift-JIS lead-byte table is the shell's (shell/sjis.h).
#ifndef VOK_ANALYSER_STARTUP_TABLES_H
#define VOK_ANALYSER_STARTUP_TABLES_H

// Character classes: 0 word bytes, 1 brackets, 2 punctuation and line feed,
// 3 operator characters, 4 blank and tab, 5 quotes.
extern unsigned char char_class[256];

int init_char_class();
int set_char_class(const char *chars, int cls);
int char_class_of(int c);
int to_lower_ascii(int c);
int swap_case_ascii(int c);

#endif
