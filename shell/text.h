// Byte-string helpers that every subsystem calls, and the one line reader.
// They look at single bytes only: the bytes they test never occur as the
// second byte of a Shift-JIS character.
#ifndef VOK_SHELL_TEXT_H
#define VOK_SHELL_TEXT_H

#include <cstdarg>
#include <cstddef>
#include <cstdio>

int chr_in_str(int c, const char *set);
int trim_blanks(char *s);
int trim_blanks_dash(char *s);
int blanks_to_at(char *s);
int ends_with(const char *s, const char *suffix);
int cut_extension(char *name);
int copy_tail_first(char *dst, const char *src);
// 0 when text begins with prefix, 1 otherwise.
int has_prefix(const char *text, const char *prefix);
// true when the text holds a blank, tab, CR or LF (a name may hold none).
bool has_blank(const char *text);
// The number of tabs that begin a line (the indentation unit of generated sources).
int count_tabs(const char *line);

// Copies src into dst of the given size, cut to fit, always terminated.
// A cut never splits a Shift-JIS lead byte from its follower.
char *copy_bounded(char *dst, size_t size, const char *src);
// The same for the first len bytes of src (a word or span inside a text).
char *copy_span(char *dst, size_t size, const char *src, size_t len);

// snprintf into a fixed buffer; a cut text ends on a character boundary.
// Returns 0, or 1 when the text was cut.
int format_text(char *buf, size_t size, const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 3, 4)))
#endif
    ;
int vformat_text(char *buf, size_t size, const char *format, va_list ap);

// Reads one line into buf (like fgets, the newline kept when it fits) and
// drops a CR before the LF, so CR LF and LF files read the same lines.
// Returns buf, or null at the end of the input.
char *read_line(char *buf, int size, FILE *fp);

#endif
