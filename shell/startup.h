// Start-up and shutdown of VOKTAVIR: the per-screen values taken from the
// window table, the developer-mode code, the project in use shown in the
// main caption, and the backup offered when the main screen closes.
#ifndef VOK_SHELL_STARTUP_H
#define VOK_SHELL_STARTUP_H

#include <cstddef>

extern int running_flag;       // 1 from start-up until the main screen closes
extern int dev_flag;           // 1 in the developer mode
// The languages of default_lang and lang_mode.
enum language_kind {
    lang_c = 0,     // C and C++
    lang_proc = 1,  // Pro*C
    lang_java = 2,  // Java
};
extern int default_lang;       // a language_kind
extern int lang_mode;          // language of the project in use
extern int flow_zoom;          // FLOW zoom step, 7..16
extern int list_font_size;     // LIST font size, 10..18
extern int output_font_size;   // CODE output font size
// Values of form_mode ("FORM" of the screen values).
enum form_mode_value {
    form_mode_plain = 0,     // the FORM screen as a window, Win32 generation
    form_mode_desktop = 9,   // FORM covers the desktop
    form_mode_win16 = 16,    // 16-bit Win32 generation; read at start-up as 0
    form_mode_x_off = 32,    // X-Window generation switched off, then 0
    form_mode_xwindow = 99,  // X-Window generation
};
extern int form_mode;          // a form_mode_value
extern int xwin_mode;          // 1 when form_mode is 99
extern int startup_form_flag;  // 1: "begin.f" goes into the category field
extern int hidden_flags[6];    // screens hidden at start-up, in the order of "LFOPCR"

// Indices of hidden_flags.
enum hidden_screen { hidden_list, hidden_flow, hidden_form, hidden_property, hidden_code, hidden_relation };

extern const char product_caption[];  // "Ornak.C言語作図ソフト"

// 1 when the whole command line is the developer-mode code.
int is_dev_code(const char *command_line);

// Takes the per-screen values from the window table (start-up).
int take_screen_values();
// When the values are taken: at start-up they are set directly (a "FLOW"
// zoom outside 7..16 keeps the zoom, a "CODE" size outside 10..18 becomes 12,
// "FORM" 99 sets xwin_mode); on a view they go to the running screens (the
// language and the start-up form through the main screen's system commands
// 67-69 and 79, FORM's X-Window switch through its command 58, the LIST and
// CODE fonts through their commands 82 and 1), a zoom outside 7..16 becomes
// 13 and the "CODE" size is taken as it is.
enum values_time { values_at_startup, values_on_view };
int apply_screen_values(int when);
// Writes them back into the window table (MAIN's close): the language, the
// zoom and the two font sizes; 0.
int store_screen_values();
// Writes the "PROPERTY" row: the start-up form flag and the hidden screens'
// letters.  MAIN's close writes it before it shows every screen, which
// clears their hidden flags; 0.
int store_screen_flags();

// The project in use and the main caption.
int set_view(const char *name);
const char *view_name();
int view_is(const char *name);
int main_caption(char *out, size_t size);

// The backup offered on closing the main screen.
const int backup_pairs = 5;
extern const char *const backup_sources[backup_pairs];
extern const char *const backup_names[backup_pairs];
int backup_question(char *out, size_t size);
// 1 when the backup set may be written: its list has no more lines than vokdir.dat.
int backup_allowed(int backup_lines, int current_lines);
int backup_refusal(char *out, size_t size, int backup_lines, int current_lines, const char *names);
// Copies the five files; names the failed copies in failed (empty: all done).
int write_backups(char *failed, size_t size);
int remove_backups();

#endif
