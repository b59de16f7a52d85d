// Operations on the tree form loaded into the form model: the source
// numbers of its boxes, extraction of the subtree around chosen functions
// with a re-layout, the pointer-argument table, the checks against the tree
// listing and two link edits.  A box's "function name" is its name, or for
// an HBOX field 0 of its parameter line (field 1 is then its kind).
#ifndef VOK_TREES_TREE_FORM_H
#define VOK_TREES_TREE_FORM_H

const int parent_list_cap = 1000;  // parent-list entries; further links are not listed
const int relayout_level_cap = 1000;  // levels the re-layout places; deeper boxes keep their y
const int abox_list_cap = 1000;

// The next box after `after` (-1: the first) of the current form whose
// function name is name; -1 when none.
int tree_next_named(const char *name, int after);

// Fills the source numbers and letters of the current form's boxes and the
// parent lists (links other than "no_set"); 0.
int scan_tree_form();
// The source number of box i (-1 when its field is no hexadecimal name).
int get_box_num(int i);
// The letter after box i's source number: 'S' or 0.
int get_box_letter(int i);

// The function name and kind of box i, cut to size.
void tree_func_name(int i, char *out, int size);
void tree_func_kind(int i, char *out, int size);

// Keeps the subtree around box n (n 0 or more), around the boxes named by
// the search keys (n below 0), or around the registered boxes (registration
// mode): links with a dropped end go, dropped boxes pile up at (250, 10) and
// the kept ones are laid out again.  0, or 1 when the form has no WORK box.
int ftree_extract(int n);

// Rebuilds the pointer-argument table from the "P" node lines of
// "ftree_s.txt", runs the pointer-argument report on it and rebuilds the
// parent lists; 0.
int ftree_mark_s();

// 1 when box n's parent in the rectangle tree is a WORK box; else 0.
int is_work_box(int n);
// The name inside "(*name)()" (a static copy), else the text itself.
const char *fptr_name(const char *text);
// 1 when the current box is a function-tree box of that function name.
int is_cur_func(const char *name);

// The duplicate-function list of the roots on the CODE output; 0.
int ftree_check();
// The position of the tree box of (file, function name, line): -2 none, -1
// without "ftree_s.txt", -3 with an empty form.
int ftree_check_s(const char *file, const char *name, int line);

// Codes of ftree_abox beside a count of 0 or more.
const int abox_empty_form = -2;
const int abox_no_current = -3;
const int abox_not_tree_box = -5;

// The pointer-argument numbers of the ABOX children of every box named as
// the current box, at most size of them: *count, or one of the codes; 0.
int ftree_abox(int unused, int *count, int *list, int size);

// For the current link from a PROC box to an EMPTY box: it becomes the
// child's only "on_set" link (the others turn "no_set").  1, or 0 with
// nothing changed (no current box or link, or other kinds).
int set_empty_link();

// The model's capacities and use: boxes and links it holds at most, the
// parameter text's size and use, the box and link counts, the parent-list
// capacity and its entries; 0.
int get_form_limits(int *box_max, int *link_max, int *para_size, int *para_use, int *boxes, int *links,
                    int *parent_max, int *parents);

// Every global of the tree-form operations as at program start.
int tree_form_reset();

#endif
