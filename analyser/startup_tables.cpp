// The lexer's character-class table and the ASCII case helpers.
#include "analyser/startup_tables.h"

unsigned char char_class[256];

int set_char_class(const char *chars, int cls)
{
    for (const char *p = chars; *p != '\0'; ++p) char_class[(unsigned char)*p] = (unsigned char)cls;
    return 0;
}

int init_char_class()
{
    for (int c = 0; c < 256; ++c) char_class[c] = 0;
    set_char_class("(){}[]", 1);
    set_char_class("#.,;?\n", 2);
    set_char_class("/*=-+|&%!:<>^", 3);
    set_char_class(" \t", 4);
    set_char_class("\"'", 5);
    return 0;
}

int char_class_of(int c) { return char_class[c & 0xFF]; }

int to_lower_ascii(int c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; }

int swap_case_ascii(int c)
{
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 'a' && c <= 'z') return c - 32;
    return c;
}
