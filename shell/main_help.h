// The help texts of the main screen: the button hints, the key-help pages of
// the six screens with keys, the help of each function button, the labels
// of the main screen's controls, the mouse help texts and the captions that
// give a button of a designed form its real effect.
#ifndef VOK_SHELL_MAIN_HELP_H
#define VOK_SHELL_MAIN_HELP_H

// One button hint: the screen letter (O FORM, F FLOW, E main, L LIST,
// C CODE, P PROPERTY, f form editing), the button's index in its row, the text.
struct hint_row {
    char letter;
    int number;
    const char *text;
};
const int hint_table_num = 74;
extern const hint_row hint_table[hint_table_num];
// The hint of button number of the screen letter, "???" when none.
const char *button_hint(char letter, int number);

// The screens of the key-help pages, in the order of key_help.
enum help_screen { help_main, help_list, help_flow, help_code, help_form, help_property, help_screen_count };
const int key_help_rows = 24;  // F1-F12, Insert, Delete, Home, End, Esc, Tab, PageUp, PageDown, Up, Down, Left, Right
// Each row begins with its key name (key_names) and says what the key does on that screen.
extern const char *const key_help[help_screen_count][key_help_rows];
extern const char *const key_names[key_help_rows];

// The help of one function button: the window name of its screen ("hwndE",
// "hwndL", "hwndF", "hwndC", "hwndO", "hwndP"), the page (1 to 6, -1 the
// special sets: main's multiple extraction, LIST's work folder) and the button 1 to 4.
struct button_help_row {
    const char *window;
    int page;
    int button;
    const char *text;
};
const int button_help_num = 93;
extern const button_help_row button_help[button_help_num];
// The help of a function button, or null.
const char *find_button_help(const char *window, int page, int button);

// The hint labels of the main screen's controls (main_controls entries), "" none.
const int control_label_count = 15;
extern const char *const control_labels[control_label_count];

// The mouse help text of a screen letter (E L F C O R P), or null.
const char *help_text(int letter);

// A button of a designed form: its caption, the screen it acts on, the
// message and wParam sent there.
enum form_button_target { target_main, target_form };
struct form_button_row {
    const char *caption;
    const char *screen;
    form_button_target window;
    unsigned message;
    unsigned wparam;
};
const int form_button_num = 34;
extern const form_button_row form_buttons[form_button_num];

#endif
