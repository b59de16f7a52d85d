// What the main screen lays out and paints, decided without a window: the
// field widths from the parameters, the text of the text area and its lines,
// the button rows every screen registers, the hint of a pressed button and
// the switch that shows or hides all the rows.
#ifndef VOK_SHELL_MAIN_LAYOUT_H
#define VOK_SHELL_MAIN_LAYOUT_H

#include <cstddef>

#include "shell/host.h"

// The category width Wc ("category_wide" above 0, else 231) and the target
// width Wt ("object_wide" - 38 when above 0, else 258).
int main_widths(int *wc, int *wt);
// Where the text area begins: Wc + Wt + 38.
int text_area_left();

// The text area's text: null while a bar page or a special mode is shown,
// else the help text of help_mode when there is one (is_help true), else the memo.
const char *text_area_text(bool *is_help);
// The next line of a text from *cursor (a line ends at CR, LF or CR LF; a tab
// becomes a blank), cut to size: false at the end of the text.
bool next_text_line(const char **cursor, char *line, size_t size);

// The button rows: letters O FORM (12), F FLOW (6), E main (17), L LIST (6),
// C CODE (10), P PROPERTY (4), f form editing (25), and X the FORM screen's
// other three controls.  A screen registers its row when it creates it.
// 0, or 1 for another letter or too many buttons.
int register_buttons(char letter, const win_handle *buttons, int count);
// The row letter and index of a registered button: true when found.
bool find_button(win_handle child, char *letter, int *index);

// Shows (bars_shown) or hides (bars_hidden) every registered row and
// remembers it in buttons_shown; a main or form-editing button captioned
// "・" is left alone.  The CODE output is fitted again through its hook.  0.
int show_buttons(int show);

// The hint of a button pressed with the right button: its hint_table row,
// and on the main screen the bar help of a function button or the label of
// one of its controls.  true when there is a text.
bool button_hint_text(win_handle child, bool on_main, char *text, size_t size);

#endif
