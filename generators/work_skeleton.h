// The text of a generated WORK source: the per-file lists (control and
// menu ids, window names, the PROC boxes with their sub-forms), the opening
// and closing of a sub-form on the form stack, and the sections of the file
// around the procedures.
#ifndef VOK_GENERATORS_WORK_SKELETON_H
#define VOK_GENERATORS_WORK_SKELETON_H

#include <cstdio>
#include <vector>

#include "forms/model.h"

const int work_proc_max = 1000;   // PROC boxes of one source
const int work_wname_max = 100;   // pairs of the window-name table
const int work_form_size = 100;   // a sub-form's file or table name

enum work_form_kind { work_none, work_app, work_form };

// One PROC box of the source, in walk order.
struct work_proc_rec {
    int box;                      // the PROC box of the WORK form
    int kind;                     // work_form_kind of its sub-form
    char file[work_form_size];    // field 1: the sub-form's file
    char name[work_form_size];    // the file without its extension
    char smenu[work_form_size];   // a FORM's system-menu form file, "" none
};

// The per-file lists, filled by work_collect.
extern work_proc_rec work_procs[work_proc_max];
extern int work_proc_num;
extern char work_idc[1000][name_size];
extern int work_idc_num;
extern char work_idm[1000][name_size];
extern int work_idm_num;
extern char work_wname_form[work_wname_max][work_form_size];
extern char work_wname_box[work_wname_max][name_size];
extern int work_wname_num;

// The stream the writers write to.
extern FILE *work_out;

// Pushes the current form (under its own name) and loads file: 0; 1 the
// stack is full (nothing pushed), 2 the file cannot be opened, 3 it was
// read only in part (pushed in both cases: close it).
int work_open_form(const char *file);
// Pops what work_open_form pushed.
void work_close_form();
// The first FORM or APP box of the loaded form, -1 none.
int work_form_top();
// 1 when box i (of the loaded form) is named and neither of a reserved kind nor an FBOX.
int work_is_item(int i);
// The window boxes of the loaded APP box (its "no_set" and "FORM" links to
// boxes work_is_item takes), ordered by their top edge.
std::vector<int> work_app_windows(int app);
// The REPEAT box governing box i of the loaded form ("SET" link), -1 none.
int work_repeat_box(int i);
// The window of a sub-form in the window-name table, "???" when absent.
const char *work_window_of(const char *form);

// Empties the per-file lists.
void work_lists_reset();
// Fills the per-file lists for the SOURCE box: 0, or 1 after an error box
// (a sub-form that cannot be read, a full stack or list, a duplicate).
int work_collect(int source);

// Writes the whole source of the SOURCE box to work_out.
void work_write_source(int source);

// Parts of the procedures (work_procs.cpp).
void work_write_winmain(const work_proc_rec &p);
void work_write_window_fn(const work_proc_rec &p);
void work_write_window_proc(const work_proc_rec &p);

// Writes a formatted line piece to work_out.
void wput(const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;

#endif
