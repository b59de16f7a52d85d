// The definition buffer read from ".r" and ".x" files, the message table of
// "wtype.dat", the identifier prefixes of "itype.dat" and the two name
// registries that number the controls of a generated source.
#ifndef VOK_GENERATORS_DEFS_H
#define VOK_GENERATORS_DEFS_H

#include <cstdio>

#include "shell/host.h"

const int defs_cap = 65536;     // bytes of the definition buffer; a line that no longer fits ends read_defs
const int wtype_max = 500;      // rows of "wtype.dat"; reading stops at the 501st
const int wtype_size = 256;     // a row: at most 255 characters, longer lines are skipped
const int itype_max = 100;      // words of "itype.dat"; later rows are skipped
const int itype_size = 100;     // a word: at most 99 characters, longer words are skipped
const int reg_max = 1000;       // names of one registry; a full registry answers -1
const int reg_name_size = 32;   // a registered name: at most 31 bytes

// Lines "key TAB value TAB ... NL", NUL-terminated.
extern char defs_buf[defs_cap];
extern int defs_len;
extern char wtype[wtype_max][wtype_size];
extern int wtype_num;
extern char itype[itype_max][itype_size];
extern int itype_num;

// Reads one line into buf like read_line; the rest of a longer line is
// skipped, never returned as a line of its own.  buf, or null at the end.
char *read_whole_line(char *buf, int size, FILE *fp);

// Empties the definition buffer; 0.
int clear_defs();
// Appends the definitions of the file; 0 (a missing file adds nothing).
int read_defs(const char *name);
// Fills the combo box with the values of key: 0; 1 when key is absent (the box is untouched).
int get_def(win_handle combo, const char *key);
// Appends every key to the list box; 1.
int list_defs(win_handle list);
// The values of key, each followed by a tab, plus one more tab (static buffer); null when absent.
const char *def_line(const char *key);

// Fills the wtype table from "wtype.dat"; the number of rows.
int read_wtype();
// Fills the itype table from "itype.dat"; the number of words.
int read_itype();
// The text after the message name of its wtype row; null when none.
const char *wtype_rest(const char *name);
// True when text begins with one of the itype words.
bool is_itype(const char *text);
// name when it is a complete control identifier, else "IDC_" name (static buffer).
const char *idc_name(const char *name);
// name when it begins with "SC_", else "IDM_" name (static buffer).
const char *idm_name(const char *name);

// The name's index in the first or second registry, registered at the end
// when absent; -1 when the registry is full.
int reg_name_a(const char *name);
int reg_name_b(const char *name);
// Empties both registries.
void reg_names_clear();

// Every table of this file back to its start state.
void defs_reset();

#endif
