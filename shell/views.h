// The views: three size files ("vokwsize.dat", "vokwsiz2.dat",
// "vokwsiz3.dat") holding the screens' places and per-screen values.  A
// switch saves the view in use and applies the chosen one; a reset applies
// the built-in defaults.  The keys V, B, N and C of the main screen ask first.
#ifndef VOK_SHELL_VIEWS_H
#define VOK_SHELL_VIEWS_H

#include <cstddef>

// What a view needs from the floors above; an unbound hook does nothing.
struct view_hooks_rec {
    int (*save_places)();    // records the places of every screen but FORM
    int (*save_sizes)();     // writes the window table to the size file in use
    int (*load_sizes)();     // loads the size file in use over the defaults
    int (*place_screens)();  // moves the screens to their places, shows or hides them by the hidden flags
};
extern view_hooks_rec view_hooks;
// Appends the names of the members of view_hooks still unbound, each followed
// by a blank, to out; their number.
int view_hooks_unbound(char *out, size_t size);

// Saves the view in use and loads and applies the size file; 0.
int view_switch(const char *size_file);
// Applies the default table without writing any file; 0.
int view_reset();

// The keys V, B and N: the same view beeps and says so; another is switched
// to after an OK.  0 switched, 1 the view in use, 2 cancelled, -1 another key.
int view_key(int key);
// The key C: resets the view in use after an OK.  0 reset, 2 cancelled.
int view_reset_key();

#endif
