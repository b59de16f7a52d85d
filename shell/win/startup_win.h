// VOKTAVIR's windows: the eight classes, MAIN and the seven screens with
// their system menus, the timer, the button bitmaps, and the named start-up
// steps that WinMain runs in order (a test can run them without the loop).
#ifndef VOK_SHELL_WIN_STARTUP_WIN_H
#define VOK_SHELL_WIN_STARTUP_WIN_H

#include <windows.h>

#include <cstddef>

struct bitmap_row {
    HBITMAP handle;
    int id;
    int width;
    int height;
};

extern HWND hwnd_desktop;
extern HINSTANCE app_instance;
extern HFONT main_font;
extern bitmap_row bitmaps[8];

LRESULT CALLBACK tavir_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK main_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

// Screens of the other subsystems, replaced there.
LRESULT CALLBACK list_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK flow_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK code_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK relation_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK property_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK FORM_PROC(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
// What an empty screen does with a message: its close only hides it.
LRESULT hide_screen_on_close(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

// The start-up steps, in WinMain's order.
int startup_read_settings(const char *command_line);  // tables, developer code, parameters
int load_bitmaps(HINSTANCE instance);
int startup_read_data();                               // data files, view, per-screen values
int create_main_font();
int register_classes(HINSTANCE instance);
int create_windows(HINSTANCE instance);
int start_timer();
int show_screens();
int run_message_loop();
int shutdown_files();                                   // after the loop
// The hooks no screen binds: a calculation run prints into CODE and opens
// its files through the folder slots; 0.
int bind_program_hooks();
// Appends the names of the members of every hook table the program binds
// that are still unbound ("table.member", each followed by a blank) to out;
// their number.  Once the windows exist it is 0.
int unbound_hooks(char *out, size_t size);

// The steps that rest on the form model (the size files of the views and
// the release of the model), in their own file of the program.
int view_sizes_load();
int view_sizes_save();
int form_model_free();

#endif
