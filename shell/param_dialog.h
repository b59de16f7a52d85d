// The parameter dialog's rules: its nine rows (the parameters in the
// dialog's order), the value rows shown at its start, the OK check of the
// two editor options, the default sets and option presets, and the write of
// "vokparameter.dat" in row order.
#ifndef VOK_SHELL_PARAM_DIALOG_H
#define VOK_SHELL_PARAM_DIALOG_H

#include "shell/params.h"

const int paramdlg_row_count = 9;

// The dialog's rows, top to bottom.
enum paramdlg_row {
    paramdlg_category_wide,
    paramdlg_object_wide,
    paramdlg_category_font,
    paramdlg_editor,
    paramdlg_option,
    paramdlg_option2,
    paramdlg_explorer,
    paramdlg_excel,
    paramdlg_folder,
};

// The value rows: the parameters as the dialog showed them at its start.
extern char paramdlg_values[paramdlg_row_count][param_size];

// The key of a row in "vokparameter.dat".
const char *paramdlg_key(int row);

// Fills the value rows from the nine parameters ("%d" for the ints).
void paramdlg_fill_values();

// The editor the dialog proposes when the editor row is empty: the
// registry's editor into buf (param_size bytes); 0 found, 1 none (buf
// untouched).  The parameter itself stays as it is.
int paramdlg_find_editor(char *buf);

// The refusal texts of OK.
extern const char paramdlg_option_text[];   // option holds "%s" or a bad "%"
extern const char paramdlg_option2_text[];  // option2 holds a bad "%"
extern const char paramdlg_write_text[];    // the file could not be written

// OK's check of the field texts: null when accepted, else the refusal text.
const char *paramdlg_check(const char fields[][param_size]);
// OK after the check: the parameters take the field texts (the ints their
// leading decimal number), the value rows are refilled from them and
// "vokparameter.dat" is written in row order.  write_parameters' result.
int paramdlg_apply(const char fields[][param_size]);

// The default sets A and B.
enum paramdlg_set { paramdlg_set_a, paramdlg_set_b };
// The text a set puts in a row, or null when the set leaves the row unchanged.
const char *paramdlg_set_text(paramdlg_set set, int row);

// The option presets: "/j%d" for option; "/j%d", the file in quotes, and
// the file in quotes with the line, for option2.
enum paramdlg_preset {
    paramdlg_preset_option,       // option: the line
    paramdlg_preset_line,         // option2: the line
    paramdlg_preset_file,         // option2: the file
    paramdlg_preset_file_line,    // option2: the file, then the line
};
const char *paramdlg_preset_text(paramdlg_preset preset);
// The row a preset fills.
int paramdlg_preset_row(paramdlg_preset preset);

#endif
