// The line pattern matcher over a delimiter table, and the small line
// helpers of the structure, parameter and definition file readers.
#ifndef VOK_FORMS_MATCHER_H
#define VOK_FORMS_MATCHER_H

extern unsigned char delim_tbl[256];  // 1 symbol byte, 0 delimiter

void set_delims(const char *chars);
// Matches line from its start against pattern: the position where the
// pattern ended, or null.  numbers receives the 'm' values, captures the
// positions of the '&' items (either may be null when the pattern has none).
const char *match_pattern(const char *line, const char *pattern, int *numbers, const char **captures);
int skip_quoted(const char **pos);
void cut_line_comment(char *line);
char *last_char_is(char *line, int c);
// 1 when line is an item (start and end of its text returned), else 0.
int read_item_line(char *line, int c, char **start, char **end);

#endif
