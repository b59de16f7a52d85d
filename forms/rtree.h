// The rectangle tree and the on_set child lists over a range of the form
// model, the range itself, page levels and the automatic layouts.  The
// generators walk forms through them; the form model keeps them current.
#ifndef VOK_FORMS_RTREE_H
#define VOK_FORMS_RTREE_H

const int rtree_cap = 49152;

struct rtree_rec {
    int parent, first, next;  // -1: none
};

struct gen_range_rec {
    int first_box, end_box, first_link, end_link;  // first_box < 0: no range
};

// A row of rtree not written since the last clear_rtree may hold anything:
// read rtree through rtree_next_child, rtree_parent and rtree_first_child.
extern rtree_rec rtree[rtree_cap];
extern rtree_rec child_tree[rtree_cap];
extern gen_range_rec gen_range;

int set_form_range(int first_box, int end_box, int first_link, int end_link);
int set_form_range_l(int first_link, int end_link, int first_box, int end_box);
// Empties every row of rtree (each row is emptied when it is next written).
void clear_rtree();
// 0 added; 1 refused (c has a parent, or c is p or one of p's ancestors).
int rtree_add_child(int p, int c);
int rtree_next_child(int *cursor, int i);
int rtree_parent(int i);
int rtree_first_child(int i);
int rtree_build();
int rtree_build_work();
int is_source_form(int i);
int child_tree_build();
int child_tree_build_by_y();
int child_next(int *cursor, int i);  // like rtree_next_child over child_tree
int sort_links_by_y();
int set_box_level(int i);
int layout_work(int first_box, int end_box, int first_link, int end_link);
int place_right(int box, int x);
int layout_source();  // the last unreached box, -1 none, -2 no root
int form_recalc_keep_levels();

#endif
