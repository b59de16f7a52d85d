// PLX's window: the main window with its ten controls, the commands of its
// buttons, the drawing of the model, the scroll keys and the position
// read-out.  WinMain (plx_main.cpp) only starts it and runs the loop.
#ifndef VOK_PLX_WIN_PLX_WINDOW_H
#define VOK_PLX_WIN_PLX_WINDOW_H

#include <windows.h>

// Control ids of the main window.
enum {
    plx_id_quit = 0,        // "終了"
    plx_id_read_ft = 1,     // ".ft追加読込表示"
    plx_id_path = 2,        // the path field
    plx_id_x_step = 3,      // horizontal step
    plx_id_y_step = 4,      // vertical step
    plx_id_read_old = 5,    // "旧.f読込表示"
    plx_id_write_f = 6,     // ".fﾌｧｲﾙ出力"
    plx_id_first_line = 7,  // first ".ft" line converted
    plx_id_last_line = 8,   // last ".ft" line converted
    plx_id_counts = 9,      // read-only: counts or the broken-tree report
    plx_control_count = 10,
};

// The window words, each one pointer wide.
enum {
    plx_word_main = 0,      // the cell holding the main window's handle
    plx_word_controls = 1,  // the control table
    plx_word_frame = 2,     // blocks of the application frame (not read by the commands)
    plx_word_frame2 = 3,
    plx_word_count = 4,
};

// The control handles (ids 0-9) and the font of the buttons.
struct plx_control_table {
    HWND control[plx_control_count];
    HFONT font;
};

// Registers "PLX_MAIN" (when prev is null) and creates the main window
// "ＦＴコンバート" at the desktop's size; null when either fails.
HWND plx_create_main(HINSTANCE inst, HINSTANCE prev);
// Creates the ten controls at their design places scaled to the desktop,
// gives the buttons their font and puts the path of "plx_cur.dat" into the
// path field.  0.
int plx_create_controls(HWND hwnd);
// The main window's procedure: handled messages answer 0.
LRESULT CALLBACK plx_wnd_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
// Draws every item's outline, the two frame lines and every link, shifted
// by the scroll offsets.
void plx_paint(HDC dc);
// On a key release: moves the offsets (half the client area) and redraws.  0.
int plx_scroll_keys(HWND hwnd, UINT msg, WPARAM key);
// Writes the mouse position and the name of the box under it at (1000, 200).  0.
int plx_show_pos(HWND hwnd, LPARAM lparam);
// Deletes the fonts the window created.
void plx_font_free();

#endif
