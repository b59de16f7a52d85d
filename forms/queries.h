// Form queries (window geometry, fonts, UNION boxes) and the values a
// property-sheet sub-form carries between its ITEM, BDATA and EDATA boxes
// and the box that holds it.
#ifndef VOK_FORMS_QUERIES_H
#define VOK_FORMS_QUERIES_H

#include <cstddef>

extern int font_h;  // label font height, negative (default -12)
extern int font_w;  // text font height, negative (default 0)

struct union_pos {
    int x, y;
};
extern union_pos union_list[];
extern int union_count;

const int data_val_count = 100;
extern char data_items[512];
extern char data_vals[data_val_count][256];

struct form_geometry_rec {
    char name[100];
    char caption[512];
    char flag[100];
    int x, y, width, height;
};
int form_geometry(form_geometry_rec *out);  // -1 without a top box
int get_qfont();
int get_union_list();
int union_num();
int get_union(int i, int *x, int *y);
void get_box_fields(int i, char (&f0)[512], char (&f1)[512], char (&f2)[512]);
void get_kind_name(int i, char *kind, int kind_size, char *name, int name_size);
int has_work_box();
void reset_item_marks();
int find_style_line(int i);  // -1 missing file or no style line
int name_items();
int store_item_values();
void load_data_values();
void apply_data_values();
void clear_item_chain(int i);

#endif
