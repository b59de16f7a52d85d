// The project dialog's rules: the 36 folder slots being edited and their
// pages of ten rows, the create, open, save, delete and cancel steps over
// "vokdir.dat" and the stacks files, and the button states of the dialog's
// three states (idle, creating a project, editing an opened one).
#ifndef VOK_SHELL_PROJECT_DIALOG_H
#define VOK_SHELL_PROJECT_DIALOG_H

#include <cstddef>

#include "shell/dirs.h"

const int projdlg_slot_count = 36;   // folder slots "0"-"9" and "a"-"z"
const int projdlg_slot_size = 256;   // a slot's folder text
const int projdlg_page_rows = 10;    // slot rows shown at a time
const int projdlg_def_count = 8;     // definition lines
const int projdlg_folder_size = 260; // a folder chosen in the browser

// The slots being edited, and their copy taken when a project is opened (for Cancel).
extern char projdlg_slots[projdlg_slot_count][projdlg_slot_size];
extern char projdlg_kept[projdlg_slot_count][projdlg_slot_size];
extern int projdlg_page;         // the first slot shown: 0, 10, 20 or 30
extern int projdlg_new_index;    // combo index of the project being created, or -1
extern int projdlg_editing;      // 1 while an existing project is open, or -1
extern char projdlg_name[dir_path_size];          // the project created or opened
extern char projdlg_last_folder[projdlg_folder_size];  // the browser's start, "c:\\" at first

// The dialog's start: every slot and both copies empty, page 0, idle.
void projdlg_reset();

// Project kinds of the kind buttons, in the order of properties "C", "PROC", "JAVA".
enum projdlg_kind {
    projdlg_kind_c,     // "C"
    projdlg_kind_proc,  // "PROC"
    projdlg_kind_java,  // "JAVA"
    projdlg_kind_none,  // any other property text
};
// The kind that property 1 names.
projdlg_kind projdlg_kind_of(const char *prop);
// True when property 0 sets the folder mode ("FOLDER").
bool projdlg_is_folder_mode(const char *prop);

// The refusal texts of the dialog's boxes.
extern const char projdlg_no_name_text[];       // Create without a name
extern const char projdlg_blank_name_text[];    // a name holding a blank
extern const char projdlg_not_found_text[];     // Open of a name not in the list
extern const char projdlg_cannot_open_text[];   // Open of a project whose line does not read
extern const char projdlg_delete_missing_text[];// Delete of a name not in the list
extern const char projdlg_no_folder_text[];     // Save without any folder
extern const char projdlg_bad_folder_text[];    // Save with ",", ";" or "(" in a folder

// Create's check of a new name; found is the name's index in the project
// list or -1.  0 accepted; 1 refused, the refusal text in text.
int projdlg_check_create(const char *name, int found, char *text, size_t size);
// Create: the name, appended to the list at index, becomes the project being
// created; its definition lines and properties start empty.
void projdlg_begin_create(const char *name, int index);

// Open: the slots and definition lines from "vokdir.dat" (home: no slots,
// the home folder's "variable.def"), then the definition lines and the
// properties of the stacks files into edit_defs and edit_props; the slot
// copy for Cancel is taken.  0 opened; 1 refused (projdlg_cannot_open_text).
int projdlg_open(const char *name);

// Save's check of the trimmed slots: 0 acceptable, else the refusal text.
const char *projdlg_save_refusal(const char *name);
// The project's line of "vokdir.dat": the name, a blank before the first
// non-empty slot and ";" before each further one, then ";HOME" and a
// newline.  0, or 1 when it does not fit.
int projdlg_build_line(char *out, size_t size, const char *name);
// Save: the properties from the folder mode and kind, the definition lines
// (trimmed) from defs, the slots trimmed and checked; then the project's
// lines are written (home: its "v" and "p" lines only; a new project
// appended, an opened one replaced), the dialog returns to idle and the key
// histories are purged and refilled.  0 saved; 1 refused with nothing
// written, the refusal text in *refusal.
int projdlg_save(bool folder_mode, projdlg_kind kind, const char defs[][1000], const char **refusal);

// Delete: the project's lines leave "vokdir.dat" and the three stacks files,
// the slots are emptied and the dialog returns to idle; 0.
int projdlg_delete(const char *name);

// Cancel: the slots come back from their copy and the dialog returns to
// idle.  Returns the list index of the project that was being created (to be
// removed from the list again), or -1.
int projdlg_cancel();

// Slot row shifts: delete removes slot n and moves every later slot up
// (slot 35 empties); insert moves slots n.. down (slot 35 is lost) and
// empties slot n.  1 when n is no slot.
int projdlg_delete_slot(int n);
int projdlg_insert_slot(int n);

// Pages: the first; the next while it stays below slot 37; the previous
// while it stays at 0 or above.
void projdlg_page_first();
void projdlg_page_next();
void projdlg_page_prev();
// The page label "フォルダ(%c～%c)" of the page in force.
void projdlg_page_label(char *out, size_t size);
// The slot that row (0-9) of the page shows, or -1 past slot 35.
int projdlg_row_slot(int row);

// What the dialog's controls allow in its state.
struct projdlg_enables {
    bool combo;   // the project name list
    bool create;
    bool open;
    bool save;
    bool del;     // delete the project
    bool close;
    bool slots;   // the slot rows (fields and row buttons)
};
// The enables of the state in force: idle, creating, or editing (projdlg_name
// says whether "home" is open).
projdlg_enables projdlg_state_enables();

#endif
