// The analyser launches of the LIST and FORM screens: a flow run over the
// selected entry, a run over a line range and a reference search whose
// result list is loaded back into the function list.  Also the current file
// of the listing and the result range: the unbroken run of shown entries of
// the selected entry's function, which FLOW and the analyser read.
#ifndef VOK_TREES_LAUNCH_H
#define VOK_TREES_LAUNCH_H

#include <cstddef>

#include "analyser/anal_host.h"  // range_count, range_line, bound here
#include "shell/dirs.h"

const int ref_name_size = 256;
extern char ref_name[ref_name_size];           // the name of the last reference search
extern char cur_file_path[dir_path_size];      // folder "\" file of the last flow run; empty none
extern int pick_index;                         // the entry filter modes 3 and 4 look for
extern int result_start, result_end, range_cnt;  // the result range (shown positions)
extern int hit_line;                           // the list hit the chart was opened for; 0 none

// run_anal_ref results.
enum ref_result {
    ref_ran = 0,        // the search ran and its list is loaded
    ref_nothing = 1,    // no name, no selection or no file set
    ref_header = 2,     // a header: its text is in the name
    ref_base_found = 3, // a class whose base class is at the position
    ref_nested = 4,     // a nested class found at the position
    ref_no_base = 5,    // a class without a base class found; the entry's position
    ref_unwritten = 6   // the search's list could not be written (a box said so); nothing loaded
};

// Formats a command into cmd_buf: 0, or 1 after the "too little room" box
// on the main screen when it would not fit (cmd_buf is then empty).
int format_command(const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;
// Runs the command in cmd_buf with the analyser: its result, or -1 when the
// runner refuses.
int run_cmd_buf();

// Flow run of the selected entry: the analyser's result, 0 for a header,
// -1 without a selection.
int run_anal_range();
// Flow run over lines first .. last of a file (the FORM screen's).
int run_anal_lines(const char *file, int first, int last);
// Reference search on the name, or on the selection when the name is empty
// (name is in and out, size bytes); ref_result with the position in *pos.
int run_anal_ref(char *name, size_t size, int *pos);
// The definition lists of a key with the main screen's "/" prefix, mode 0
// (whole name), 1 (part) or 5 (patterns): filter_list's result.
int run_anal_at(const char *key, int mode);

// The result range of the entry at shown position p - 1; 0.
int result_range(int p);
// The file text of result-range entry i; "" outside the range.
const char *range_name(int i);

// cur_file_path from a file text (empty for ""); 0.
int set_cur_file(const char *file);
int get_cur_file(char *out, size_t size);
// cur_file_path and the first line of the current flow node (1 at least):
// -1 without a current file, 1 when the node has a line, else 0.
int cur_file_line(char *out, size_t size, int *line);
// Splits a drive path, slot name or plain name into folder and file; the
// file must open: 0, else -1.
int split_entry_path(char *dir, size_t dir_size, char *name, size_t size);
// Prepares a one-entry filter on shown position p; 0.
int pick_entry(int p);
// Shows the first class entry of this text alone (mode 3) and returns the
// position of the last entry shown; -1 when no entry has the text.
int isolate_class(const char *text);
// Empties the reference-run state (line -1, file ""); 0.
int reset_ref_state();

// Opens a file set typed into the category field: state 1, the selection
// cleared, the old tag file deleted and "select" run over the text (in a
// tree build the call tables prepared first); the CODE marks and the FLOW
// selection cleared.  0, or 1 when the command did not fit (after its box).
int open_source_set(const char *text);

// Back to the start values; 0.
int launch_reset();

#endif
