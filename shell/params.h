// The parameter settings of "vokparameter.dat" (home folder), the registry
// lookups of the browser, Excel and the editor, the editor-option patterns,
// and the openers that hand a file to Excel or the browser.
#ifndef VOK_SHELL_PARAMS_H
#define VOK_SHELL_PARAMS_H

#include <cstddef>

#include "shell/host.h"

const int param_size = 1000;

extern int category_wide;
extern int category_font;
extern int object_wide;
extern char editor[param_size];
extern char option[param_size];
extern char option2[param_size];
extern char explorer[param_size];
extern char excel[param_size];
extern char folder[param_size];

extern const char homepage_address[];

// The key table of "vokparameter.dat": each key with its int or text
// parameter (the other pointer null), in the file's order.
struct param_key {
    const char *key;
    int *number;
    char *text;
};
const int param_key_count = 9;
extern const param_key param_keys[param_key_count];
// The row of the key table with this key, or null.
const param_key *find_param_key(const char *key);

int read_parameters();
int write_parameters(const char *const keys[], const char values[][param_size], int count);

int find_iexplore(char *buf);  // buf of param_size bytes
int find_excel(char *buf);
int find_hidemaru(char *buf);
// The path surgery on a registry value: the text after its last "\"
// replaced by program; drop_quote removes a leading double quote.  1 when
// the value holds no "\".
int program_from_value(char *buf, size_t size, const char *value, const char *program, bool drop_quote);

// 1 "%d" only, 2 "%s" only, 3 "%s" then "%d", 4 "%d" then "%s", 0 no "%", -1 other.
int check_editor_option(const char *pattern);
// Fills a pattern by its kind: the line for "%d", the name for "%s"; a
// pattern of kind 0 or -1 is copied as it is.  Never a printf format.
int fill_editor_option(char *out, size_t size, const char *pattern, int line, const char *name);
// The option pattern with the line only: kind 1 is filled, every other copied.
int fill_line_option(char *out, size_t size, const char *pattern, int line);

int open_excel_csv(win_handle owner);
int open_file_url(win_handle owner, const char *name);
int open_homepage(win_handle owner);

#endif
