// Key-assignment files, canvas scrolling, selection frames and the commands
// that place a box relative to its parent.
#ifndef VOK_FORMS_KEYS_H
#define VOK_FORMS_KEYS_H

#include "shell/host.h"

// The key file of the current form ("SMENUKey.dat", "INI_Key.dat" ...) and
// its top kind (empty without a top box).
void key_file_name(char *file, int file_size, char *kind, int kind_size);
int lookup_key(int ch, char *text, int text_size, char *kind, int kind_size);
int toggle_frame();
int delete_frames();
int center_on_parent(int i, int *dx, int *dy);
int match_parent_height(int i, win_handle window);
int move_children(int i, int dx, int dy);
// Moves box i with move_box, or with its comment children and without
// carrying the boxes related to it.
void move_with_children(int i, int dx, int dy, bool with_children);
int align_siblings(int i, int with_children);
// scroll_form's codes besides the keys: Home scrolls back to the origin,
// the arrows by half the client area (130 x 26 with Shift).
enum scroll_code {
    scroll_query = 0,          // 1 when the form is scrolled away from the origin
    scroll_to_origin = 0x777,  // Home, without a beep on a form that cannot scroll
    scroll_undo = 0x888,       // undoes the last scroll, likewise quiet
};
// Scrolls the form (a null window forgets the scroll): 1 scrolled, 0 not.
int scroll_form(win_handle window, int code);
void scroll_form_reset();  // forgets the previous scroll

#endif
