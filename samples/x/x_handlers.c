/* The handlers the X sample's forms link to: each writes one line to the
   widget table, so the table shows which callback ran with what. */
#include <stdio.h>
#include <X11/Intrinsic.h>

extern FILE *x_table;

static int note(const char *what, Widget w, int id)
{
	if (x_table != 0)
		fprintf(x_table, "call %s %s %d\n", what, XtName(w), id);
	return 0;
}
int on_ok(Widget w, int id, XtPointer c_data) { (void)c_data; return note("on_ok", w, id); }
int on_press(Widget w, int id, XtPointer c_data) { (void)c_data; return note("on_press", w, id); }
int on_close(Widget w, int id, XtPointer c_data) { (void)c_data; return note("on_close", w, id); }
int on_cell(Widget w, int id, XtPointer c_data, int first, int cols, int rows)
{
	(void)c_data;
	if (x_table != 0)
		fprintf(x_table, "call on_cell %s %d of %d from %d (%d x %d)\n", XtName(w), id, cols * rows, first, cols, rows);
	return 0;
}
