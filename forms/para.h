// The parameter text: one para_line of blank-separated fields per box, all boxes'
// lines in one buffer in box order.  A field that begins with a double quote
// runs to its closing quote (a backslash takes the next byte, a Shift-JIS
// pair is taken whole) and keeps its quotes; every newline ends a line and a
// field, quoted or not, ends at its line's end.
#ifndef VOK_FORMS_PARA_H
#define VOK_FORMS_PARA_H

#include <cstddef>

const int para_cap = 168840;
extern char para_buf[para_cap];

// Field k of line n into out (size bytes, always terminated); empty when absent.
void get_para(char *out, int size, int n, int k);
template <size_t N> void get_para(char (&out)[N], int n, int k) { get_para(out, static_cast<int>(N), n, k); }
void get_cur_field(char *out, int size, int k);
template <size_t N> void get_cur_field(char (&out)[N], int k) { get_cur_field(out, static_cast<int>(N), k); }

// Rewrites a quoted text in place without its quotes and escapes.
void unquote_esc(char *s);

// The tree code's line walk: the cursor is a position in para_buf (null: its
// start).  Field k of the line at the cursor (a field also ends at a CR; a
// quoted field at its closing quote or the line's end, only \" skipped
// inside); the cursor moves to the next line.  0 when the field is there.
int para_field_span(const char **cursor, int k, const char **start, const char **end);
int para_field_next(const char **cursor, int k, char *out, int n);

int para_line_count(int *boxes, int *lines);
int para_text_len();
int para_buf_size();
void get_para_buf(char **out);

// 0 replaced, 3 line extended, 4 no field in value, 1 negative n or k,
// 2 no line n, 5 the result would not fit (nothing changes).
int set_para(const char *value, int n, int k);
int set_cur_field(const char *token, int k);

int para_add_nl();            // 0, or 1 without room
int para_clear_line(int n);   // 1 when there is no line n
int para_delete_line(int n);  // 1 when there is no line n
int para_move_line(int t, int j);
void para_truncate(int n);
void para_resize(int want, int have);
int para_reset_cb(int n, char **names);

// Number of lines of the text, and the offsets of line n (end past its
// newline); 1 when there is no line n.
int para_lines();
int para_line_span(int n, int *start, int *end);

// Code that writes para_buf itself, not through the functions above, calls
// this afterwards so that the next line lookup counts the lines afresh.
void para_changed();

#endif
