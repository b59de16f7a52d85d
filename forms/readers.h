// The structure-file and parameter-file readers that fill the member and
// value lists of a box's kind.
#ifndef VOK_FORMS_READERS_H
#define VOK_FORMS_READERS_H

#include "shell/host.h"

// The structure file name of a box kind: "%s.s" with the kind, or in X mode
// with the first column of its widget-class row (extension cut); 0.
int struct_kind_file(char *out, int size, const char *kind);

// Called with each member's type and name, in the structure's order.
typedef void (*struct_member_fn)(const char *type, const char *member, void *ctx);
// Walks the members of the structure chosen for kind (a structure file name
// such as "EDIT.s"): "BOX.S" for the tree kinds and HBOX, "XITEM.S" for the
// item kinds, "CASE.S" for CASEn, each reading the structure named by the
// kind; "TAG.s" reads the structure named name; any other file is read from
// its top.  file receives the file read.  The member count, or -1 when the
// file does not open.
int walk_struct_members(const char *kind, const char *name, char *file, int file_size, struct_member_fn each,
                        void *ctx);

// Fills the list with the member names of walk_struct_members; a file that
// does not open lists "?(file)".  The member count.
int list_struct_members(win_handle listbox, const char *kind, const char *name);
int list_param_members(win_handle listbox, int n);
void readers_reset();

#endif
