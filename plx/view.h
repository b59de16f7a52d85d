// What PLX's window shows, worked out without the window: the scroll
// offsets and the keys that move them, the box under the mouse, and the
// texts of the position read-out and of the counts field.
#ifndef VOK_PLX_VIEW_H
#define VOK_PLX_VIEW_H

#include <cstddef>

// Virtual-key codes of the scroll keys.
enum {
    plx_key_home = 0x24,   // both offsets back to 0
    plx_key_left = 0x25,   // the drawing moves right by half the client width
    plx_key_up = 0x26,     // the drawing moves down by half the client height
    plx_key_right = 0x27,  // the drawing moves left
    plx_key_down = 0x28,   // the drawing moves up
};

extern int plx_scroll_x;  // added to every drawn x
extern int plx_scroll_y;  // added to every drawn y
extern int plx_mouse_x;   // the last right-button press
extern int plx_mouse_y;

// Moves the offsets for a released key in a client area of w x h: 0, or 1
// for a key that does not scroll.
int plx_scroll_key(int key, int w, int h);

// The first item strictly inside whose box the window point (x, y) lies,
// the offsets taken off, or -1.
int plx_hit(int x, int y);

// "%4d-%4d(%s)": the point and the name of the item under it, or "*****".
void plx_pos_text(char *out, size_t size, int x, int y);

// "p(%d)l(%d)s(%d)": items, links and text bytes.
void plx_counts_text(char *out, size_t size);

// Offsets and the mouse position back to 0.
void plx_view_reset();

#endif
