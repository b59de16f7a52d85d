// The widget code inside an X/Motif FORM source: creation in tree order
// with the Xt argument lists of each kind's structure file, the
// XtManageChild calls, the callbacks and event handlers with the branches
// of the form's callback procedure, and the activation of child lists.
#ifndef VOK_GENERATORS_GEN_XWIDGETS_H
#define VOK_GENERATORS_GEN_XWIDGETS_H

#include "forms/model.h"
#include "generators/gen_support.h"

// What the writers know of the form being generated.
struct xform_info {
    int top;            // the FORM box
    const char *base;   // the base name without folder prefix
    bool full;          // FULL mode: the sizes scale by wf and hf
    int fx, fy, fw, fh; // fields 3 to 6 of the FORM box
};

// The first instance index of every box with instances (id_count holds
// the counts, repeat_of the governing REPEAT box or -1).
extern int x_first[box_cap];

// True for the kinds that never become widgets (FORM, POSI, REPEAT, ...).
bool is_x_keyword(const char *kind);
// True when kind is a class of the widget-class table (SCRBAR as SCROLLBAR).
bool is_widget_class(const char *kind);
// True for a box that is created as a widget or user object.
bool is_created(int i);
// The widget geometry of box i.
void x_geometry(const xform_info &f, int i, int *x, int *y, int *w, int *h);

// The creation code of every widget and user object; 0.
int write_x_widgets(gen_file *out, const xform_info &f);
// The XtManageChild calls of the activation function; 0.
int write_x_manage(gen_file *out, const xform_info &f);
// The child lists, callbacks and event handlers of the creation function; 0.
int write_x_callbacks(gen_file *out, const xform_info &f);
// The case branches of the callback procedure, numbered as the callbacks; 0.
int write_x_branches(gen_file *out, const xform_info &f);

#endif
