// Project stacks and key stacks: the target history of the project in use,
// the common keys, the per-project lines of "ostacks.dat", "vstacks.dat" and
// "pstacks.dat", the project files of a first start, and the memo.
#ifndef VOK_SHELL_STACKS_H
#define VOK_SHELL_STACKS_H

#include <cstdio>

#include "shell/host.h"

const int key_stack_cap = 50;
const int cstack_cap = 30;
const int key_size = 513;
const int memo_size = 4000;

extern char key_stack[key_stack_cap][key_size];
extern int key_stack_num;
extern char cstack[cstack_cap][key_size];
extern int cstack_num;
extern char project_props[8][1000];  // properties of the project in use
extern char edit_defs[8][1000];      // the project dialog's copy of the definition lines
extern char edit_props[8][1000];     // the project dialog's copy of the properties
extern char memo_buf[memo_size];
extern char memo_restore[memo_size];  // the memo before its last change by the mouse
extern const char builtin_memo[];      // the memo of a first start (no "vokmemo.dat")

// Key stack (shown in the target field).
int stack_push(const char *key);
int stack_fill(win_handle field);
int stack_delete(win_handle field);
int stack_purge();
int stack_load();
int stack_save();
int stack_write(FILE *stream);

// Common keys ("cstack.dat").
int cstack_push(win_handle field, const char *key);
int cstack_fill(win_handle field);
int cstack_delete(win_handle field);
int cstack_purge(win_handle field);
int common_keys_refresh();
int cstack_load();
int cstack_save();

// Stacks files.  split_entries splits the entries of a stacks line (at tabs
// and the newline; blanks and tabs before an entry are skipped, an empty entry
// ends them) into up to cap rows of row_size bytes and returns their number.
int split_entries(const char *line, char *rows, size_t row_size, int cap);
// The entries of the project's line (after its tab), or a "not found" text:
// "■ﾌｧｲﾙ(%s)が未発見" for a missing file, "●ﾌﾟﾛｼﾞｪｸﾄ(%s)が未発見" for a
// project without a line.
const char *stacks_lookup(char letter, const char *project);
// True when text is one of stacks_lookup's not-found texts (a missing file
// or project line), which a history shows but never keeps as an entry.
bool is_lookup_miss(const char *text);
// Rewrites the project's line of a stacks file from the entries in force:
// op 'o' replaces it (appends it when the file has none), 'n' appends it
// ('o' letter: an empty history), 'd' removes it.  0, or -4 when a file
// does not open or a write fails (the file stays as it was).
int stacks_save(char letter, const char *project, char op);
int stacks_rebuild(char letter);
int stacks_migrate();
const char *backup_only_names(const char *current, const char *backup);
int stacks_compare(const char *a, const char *b, const char *target, const char *out);

// Project properties.
int vstack_load(const char *project);
int pstack_load(const char *project);
int vstack_write(FILE *stream);
int pstack_write(FILE *stream);
int load_project_props();
int project_kind();
int is_folder_mode();

// Start-up files and the memo.
int init_dir_files();
int load_memo();
int save_memo();

#endif
