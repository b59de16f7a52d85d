// The function-body scanner and the token-level helpers of the parsers:
// balanced groups, comments, look-ahead after "new" and the parameter names
// of a function head.
#ifndef VOK_ANALYSER_BODY_SCAN_H
#define VOK_ANALYSER_BODY_SCAN_H

const int param_cap = 128;
const int param_size = 257;
const int prev_token_size = 256;

extern char param_names[param_cap][param_size];
extern int param_num;
extern char prev_token[prev_token_size];
extern int prev_token_at;  // line of prev_token
extern int local_class_count;

// 0 with the matching closer current, -1 at the end of the input.
int scan_body(const char *opener, int mode);
int skip_group(const char *opener);
int collect_group(const char *opener, char *buffer);
int classify_new();
int collect_param_names();
int param_index(const char *name);
int skip_comments();
// next_token and skip_comments: 1, or -1 at the end of the input.
int read_on();
int name_ok(const char *name);

#endif
