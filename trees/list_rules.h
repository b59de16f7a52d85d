// The LIST screen's rules without its window: rows and columns of the
// page, paging, the hit test of a click, the painted list as a display list
// (the window replays it), the selection converted for the target field,
// and the texts of PageUp, the click history and the editor command.
#ifndef VOK_TREES_LIST_RULES_H
#define VOK_TREES_LIST_RULES_H

#include <cstddef>

#include "shell/host.h"

const int list_row_text_size = 300;  // a painted row: "%4d:" and an entry text
const int list_item_cap = 4000;      // painted rows of one paint; further rows are dropped
const int list_blank_width = 60;     // blanks painted before each row's text

extern int max_line;          // rows per column
extern int list_col_width;    // pixels per column
extern int list_char_height;  // pixels per row
extern int list_width;        // the client width of the last size
extern int paint_state;       // 0 idle, 1 a paint is pending, 2 painting now

// What one painted text is.
enum list_item_kind {
    list_hint,    // the hint before a file set is open
    list_status,  // the status line
    list_row,     // an entry row (60 blanks first)
    list_empty,   // the empty-list line
    list_rule     // the closing line of "-"
};

struct list_item {
    int kind;
    int x, y;
    int position;  // list_row: the shown position
    bool inverse;  // the selected entry, painted in inverse colours
    char text[list_row_text_size];
};
extern list_item list_items[list_item_cap];
extern int list_item_num;

// Rows per column from a client height (1 at least); 0.
int set_max_line(int height);
// Pixels per column from a client width (1 at least); 0.
int set_col_width(int width);
// One more column: 1.  One fewer: 1, or 0 when only one is left.
int add_list_col();
int del_list_col();
// Pages the list by letter ("k" or "" next, "j" previous, "h"/"a" first,
// "l"/"z" last) while a file set is open; 0.
int list_page(const char *letter);
// The paint: fills list_items; their number.
int dsp_select();
// The shown position painted at pixel (x, y); -1 none.
int list_position_at(int x, int y);
// Selects an entry (which >= 0 that position, -1 or -3 the entry at (x, y),
// -2 only reports) and gives its text (a header's only for -3 and -2);
// the position, or -2 when nothing is hit (for -2: 1 a function entry, 0 a
// header or none).
int select_list_entry(int which, int x, int y, char *text, size_t size);
// The selection as the target field shows it (Insert): 0, or 1 without a
// selection.
int insert_text(char *out, size_t size);
// The PageUp report of the selection: 0, or 1 without a function entry.
int pageup_text(char *out, size_t size);
// The target-history text of a click on a function entry: 0, or 1 for a
// header or no selection.
int click_history_text(char *out, size_t size);
// LIST's editor command: "editor" in quotes, the option with the line, the
// file "dir\file" in quotes; 0, or 1 when it does not fit.
int list_editor_command(char *out, size_t size, const char *dir, const char *file, int line);
// True for the function-tree form "ftree.f" (any case, or "0:ftree.f").
bool is_ftree_form(const char *name);
// A LIST drag from the press to the release point: what it does.
enum list_drag_action { list_drag_click, list_drag_next, list_drag_prev, list_drag_beep };
int list_drag(int x0, int y0, int x1, int y1);
// The Right key's keys: every shown non-header entry as a multi key; the
// number registered.
int shown_entries_to_keys();

// A plain click selected an entry: the history text pushed for a function
// (with history set), the target field emptied, the analyser run on the
// entry for FLOW and its listing put into the CODE output (emptied first
// unless it is kept), the CODE caption and marks; 0, or 1 when nothing is
// selected.  F11 and F12 run it without the history.
int list_click_entry(win_handle list, bool history = true);

// F9: the main screen's function buttons switch between the work-folder
// commands and hidden; 0, 1 without a work folder (after its box), 2 while
// they carry the multiple-extraction commands.
int work_folder_key();

// Back to the start values; 0.
int list_rules_reset();

#endif
