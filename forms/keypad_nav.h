// The FORM screen's keypad walk over a function tree: which key asks
// find_box_by_name for what, the refusals when nothing is found, the target
// text the keys search for, and the editor call keypad Enter starts.
#ifndef VOK_FORMS_KEYPAD_NAV_H
#define VOK_FORMS_KEYPAD_NAV_H

#include <cstddef>
#include <cstdint>

#include "shell/host.h"

// Virtual-key codes of the keys the walk knows (Win32's numbers).
const unsigned key_clear = 0x0C;
const unsigned key_return = 0x0D;
const unsigned key_prior = 0x21;
const unsigned key_next = 0x22;
const unsigned key_end = 0x23;
const unsigned key_home = 0x24;
const unsigned key_left = 0x25;
const unsigned key_up = 0x26;
const unsigned key_right = 0x27;
const unsigned key_down = 0x28;
const unsigned key_insert = 0x2D;
const unsigned key_delete = 0x2E;
const unsigned key_numpad0 = 0x60;  // key_numpad0 + n for the digit n
const unsigned key_decimal = 0x6E;

// Bit 24 of a key message's lParam: an extended key (the separate arrow and
// editing keys, keypad Enter).
const intptr_t key_extended = 0x1000000;

// Where a key's search name comes from.
enum nav_name {
    nav_name_none,     // no name
    nav_name_current,  // the current box's display name
    nav_name_target,   // the main screen's target field, trimmed
};

struct nav_key_rec {
    unsigned key;
    int needs_cur;        // 1: refused without a current box
    int mode;             // the find_box_by_name mode
    int name_from;        // a nav_name
    const char *refusal;  // the text when nothing is found, null for none (may hold one %s: the name)
    int common_caption;   // 1: the common caption, 0: "TAVIR警告画面"
};

// The row of a navigation key, null for any other key (keypad Enter included).
const nav_key_rec *nav_key_row(unsigned key);

// A target text made ready for the box-in-target key: without a '.' its
// list-line prefix is removed, with one it is lower-cased (a file name). 0.
int prepare_target_text(char *text, size_t size);

// One navigation key-up for the FORM window form, boxes owned by owner:
// 0 when the key is not a navigation key here (an extended key, or not in
// the table), else 1 (the failures shown in boxes).  A found box redraws form.
int keypad_nav_step(win_handle owner, win_handle form, unsigned key, intptr_t lparam);

// Keypad Enter's first tests: a current box whose shown kind is a tree or
// tree-header kind.  0 go on; 1 refused (the box shown).
int keypad_enter_check(win_handle owner);

// The editor call: the editor path in double quotes, a blank, the option
// filled with the line, a blank and the path in double quotes (folder, a
// backslash and file; file alone when folder is empty).  0, or 1 when the
// call does not fit (out then holds an empty text: nothing may start).
int editor_call_text(char *out, size_t size, int line, const char *folder, const char *file);

#endif
