// The form model: boxes, links, levels and the stack of nested forms.
// Boxes of the current form are form_sta .. form_num-1, its links
// l_sta .. l_num-1; the rows below belong to the stacked forms.  Link ends
// are absolute box indexes; line i of para_buf belongs to box i.
#ifndef VOK_FORMS_MODEL_H
#define VOK_FORMS_MODEL_H

#include <cstddef>

#include "shell/host.h"

const int box_cap = 49152;
const int link_cap = 49152;
const int form_stack_cap = 100;
const int name_size = 32;  // a name slot: at most 31 bytes
const int kind_size = 11;  // a kind slot: at most 10 bytes

// RedrawWindow with RDW_INVALIDATE, RDW_ERASE, RDW_UPDATENOW, RDW_ERASENOW.
const unsigned form_redraw_flags = 0x0001 | 0x0004 | 0x0100 | 0x0200;

struct box_rec {
    char name[name_size];
    char kind[kind_size];
    int x, y, endx, endy;
};

struct link_rec {
    int from;  // -1: dropped by the next compaction
    int to;
    char name[name_size];
};

struct form_stack_rec {
    int form_num;
    int l_num;
    int level;
    int cur;
    int changed;
    char fname[100];
    int scroll_x, scroll_y;
};

struct scroll_point {
    int x, y;
};

extern box_rec box_table[box_cap];
extern link_rec link_table[link_cap];
extern int form_sta, form_num, l_sta, l_num, fnum;
extern form_stack_rec form_stack[form_stack_cap];
extern int cur_box, cur_link;
extern int box_level[box_cap];
extern int cur_level;
extern scroll_point scroll_org;
extern int form_changed;
extern char cur_form_name[256];
extern int canvas_w, canvas_h;
extern char undo_name[name_size];
extern char undo_kind[kind_size];
extern int swap_mark[box_cap];
extern int form_storage;  // 1 once form_alloc ran
extern int shift_held;    // Shift is down on the FORM screen
extern int full_as_centering;  // the generators place FULL as CENTERING

struct find_history_rec {
    int scroll_x, scroll_y, box, link;
};
const int find_history_cap = 256;
extern find_history_rec find_history[find_history_cap];
extern int find_history_num;

// Storage and reset.
int form_alloc();
void form_free();
void form_reset();
void form_clear();

// Form stack.
int form_push(const char *name, int cur);  // 1 full, 2 name of 100 bytes or more
int form_pop(char *name_out, int size, int *cur_out);
template <size_t N> int form_pop(char (&name_out)[N], int *cur_out) { return form_pop(name_out, static_cast<int>(N), cur_out); }
int mark_parent_changed();
int get_form_changed();
void clear_form_changed();
void form_stack_dump();

// Current box and indexes.
void set_cur_box(int i);
int get_cur_box();
void reset_cur_box();
int get_cur_box_rel();
int box_rel_index(int i);
int box_abs_index(int i);
int get_form_num();
int get_box_count();
void set_canvas_size(int w, int h);
bool in_form(int i);  // form_sta <= i < form_num

// Boxes.
int add_box_rect(int x0, int y0, int x1, int y1, int min);
int delete_box(int i, int force);      // 0, 1 empty form, 2 linked, -1 bad index
int delete_box_cmd(int i, int force);
int move_box_index(int after, int j);
int move_cur_box_first();
int get_box_rect(int i, int *x, int *y, int *endx, int *endy);
void copy_box_name(int i, char *out, int size);
void copy_box_kind(int i, char *out, int size);
void get_box_name(int i, char *out, int size);
void get_box_kind(int i, char *out, int size);
void get_parent_kind(int i, char *out, int size);
template <size_t N> void get_box_name(int i, char (&out)[N]) { get_box_name(i, out, static_cast<int>(N)); }
template <size_t N> void get_box_kind(int i, char (&out)[N]) { get_box_kind(i, out, static_cast<int>(N)); }
template <size_t N> void get_parent_kind(int i, char (&out)[N]) { get_parent_kind(i, out, static_cast<int>(N)); }
template <size_t N> void copy_box_name(int i, char (&out)[N]) { copy_box_name(i, out, static_cast<int>(N)); }
template <size_t N> void copy_box_kind(int i, char (&out)[N]) { copy_box_kind(i, out, static_cast<int>(N)); }
int set_box_name(int i, const char *text);  // 0 stored, 1 refused
int set_box_kind(int i, const char *text);
int undo_box_rename(int i);
int is_box_or_ybox(int i);
int is_ybox(int i);
int box_is_named(int i, const char *name);
int fit_box_to_name(int i, win_handle window);
int arrange_file_boxes(int n, char **names);  // the number of boxes made
bool kind_is(int i, const char *kind);
bool inside_frame(int b, int frame);  // b lies strictly inside frame, on cur_level

// Links.
int add_link(int from, int to, const char *name, win_handle window);
int relate_boxes(int a, int b, const char *name, win_handle window, win_handle list);
int unrelate_pair(int a, int b, const char *name, win_handle window, win_handle edit);
int add_links_from_list(int a, int b, win_handle list, win_handle window);
void compact_links();
void clear_links();
void sort_links();
void swap_links(int i, int j);

// Alternate placements of DETAIL and TAIL boxes.
int is_swapped(int i);
bool is_detail_kind(int i);  // a DETAIL or TAIL box
int is_swapped_detail(int i);
int is_unswapped_detail(int i);
int holds_swapped_detail(int i);
int swap_box_place(int i);
void swap_detail_places();
void swap_back_places();
// Moves every box of the current form by (dx, dy).
void shift_form(int dx, int dy);

// Folder-slot prefixes.
const char *skip_dir_prefix(const char *name);
void copy_dir_prefix(char *a, int size, const char *b);

// Every global of the form designer back to its start value.
void forms_reset_all();

#endif
