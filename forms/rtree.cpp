// The rectangle tree and the on_set child lists over gen_range.  Only the
// rtree rows below rtree_rows are in use since its last clear; the rows
// above read as empty and are emptied when first written, so that a clear
// touches no row at all.
#include "forms/rtree.h"

#include <cstring>

#include "forms/model.h"

rtree_rec rtree[rtree_cap];
rtree_rec child_tree[rtree_cap];
gen_range_rec gen_range = {-1, -1, -1, -1};

namespace {

const rtree_rec empty_row = {-1, -1, -1};
int rtree_rows;  // rtree rows [0, rtree_rows) may hold links

bool valid(int i) { return i >= 0 && i < rtree_cap; }

// Rows [0, end) of tree may be written: rtree rows not yet in use are
// emptied first.
void open_rows(const rtree_rec *tree, int end)
{
    if (tree != rtree) return;
    if (end > rtree_cap) end = rtree_cap;
    while (rtree_rows < end) rtree[rtree_rows++] = empty_row;
}

// Row i of rtree, or an empty row when i is outside the rows in use.
const rtree_rec &rtree_row(int i) { return i >= 0 && i < rtree_rows ? rtree[i] : empty_row; }

void empty_rows(rtree_rec *tree)
{
    open_rows(tree, gen_range.end_box);
    for (int i = gen_range.first_box; i < gen_range.end_box; ++i) {
        if (valid(i)) tree[i] = {-1, -1, -1};
    }
}

// c may go under p: both valid, c without a parent, and c neither p nor
// one of p's ancestors.
bool may_adopt(const rtree_rec *tree, int p, int c)
{
    if (!valid(p) || !valid(c) || tree[c].parent != -1) return false;
    for (int a = p, steps = 0; a != -1 && steps < rtree_cap; a = tree[a].parent, ++steps) {
        if (a == c) return false;
    }
    return true;
}

int add_child(rtree_rec *tree, int p, int c)
{
    if (!valid(p) || !valid(c)) return 1;
    open_rows(tree, (p > c ? p : c) + 1);
    if (!may_adopt(tree, p, c)) return 1;
    tree[c].parent = p;
    tree[c].next = tree[p].first;
    tree[p].first = c;
    return 0;
}

bool range_holds(const char *kind)
{
    for (int i = gen_range.first_box; i < gen_range.end_box; ++i) {
        if (valid(i) && strcmp(box_table[i].kind, kind) == 0) return true;
    }
    return false;
}

bool link_valid(int r) { return r >= 0 && r < link_cap; }

}  // namespace

int set_form_range(int first_box, int end_box, int first_link, int end_link)
{
    gen_range = {first_box, end_box, first_link, end_link};
    return 0;
}

int set_form_range_l(int first_link, int end_link, int first_box, int end_box)
{
    return set_form_range(first_box, end_box, first_link, end_link);
}

void clear_rtree() { rtree_rows = 0; }

int rtree_add_child(int p, int c) { return add_child(rtree, p, c); }

int rtree_next_child(int *cursor, int i)
{
    if (!valid(i)) return -1;
    *cursor = *cursor < 0 ? rtree_row(i).first : rtree_row(*cursor).next;
    return *cursor;
}

int child_next(int *cursor, int i)
{
    if (!valid(i)) return -1;
    *cursor = *cursor < 0 ? child_tree[i].first : valid(*cursor) ? child_tree[*cursor].next : -1;
    return *cursor;
}

int rtree_parent(int i) { return gen_range.first_box < 0 ? -1 : rtree_row(i).parent; }
int rtree_first_child(int i) { return gen_range.first_box < 0 ? -1 : rtree_row(i).first; }

int rtree_build()
{
    empty_rows(rtree);
    if (!range_holds("HTML") && !range_holds("WORK")) return 0;
    for (int r = gen_range.first_link; r < gen_range.end_link; ++r) {
        if (link_valid(r) && strcmp(link_table[r].name, "no_set") != 0) add_child(rtree, link_table[r].from, link_table[r].to);
    }
    return 0;
}

int rtree_build_work()
{
    empty_rows(rtree);
    int work = -1, count = 0;
    for (int i = gen_range.first_box; i < gen_range.end_box; ++i) {
        if (valid(i) && strcmp(box_table[i].kind, "WORK") == 0) {
            work = i;
            ++count;
        }
    }
    if (count != 1) return -1;
    for (int r = gen_range.first_link; r < gen_range.end_link; ++r) {
        if (link_valid(r)) add_child(rtree, link_table[r].from, link_table[r].to);
    }
    return work;
}

int is_source_form(int i)
{
    if (i < 0) return 1;
    rtree_build();
    int root = i;
    for (int steps = 0; valid(root) && rtree_row(root).parent != -1 && steps < rtree_cap; ++steps) root = rtree_row(root).parent;
    if (!valid(root)) return 1;
    const box_rec &b = box_table[root];
    if (strcmp(b.kind, "SOURCE") == 0) return 0;
    if (strcmp(b.kind, "TAG") == 0 && strcmp(b.name, "html") == 0) return 0;
    return 1;
}

int child_tree_build()
{
    empty_rows(child_tree);
    for (int r = gen_range.first_link; r < gen_range.end_link; ++r) {
        if (link_valid(r) && strcmp(link_table[r].name, "on_set") == 0) add_child(child_tree, link_table[r].from, link_table[r].to);
    }
    return 0;
}

int child_tree_build_by_y()
{
    empty_rows(child_tree);
    for (int r = gen_range.first_link; r < gen_range.end_link; ++r) {
        if (!link_valid(r) || strcmp(link_table[r].name, "on_set") != 0) continue;
        const int p = link_table[r].from, c = link_table[r].to;
        if (!may_adopt(child_tree, p, c)) continue;
        child_tree[c].parent = p;
        int *slot = &child_tree[p].first;
        while (*slot != -1 && box_table[*slot].y <= box_table[c].y) slot = &child_tree[*slot].next;
        child_tree[c].next = *slot;
        *slot = c;
    }
    return 0;
}

int sort_links_by_y()
{
    const int first = gen_range.first_link, end = gen_range.end_link;
    if (first < 0 || end > link_cap) return 0;
    auto y_of = [](int r) {
        const int to = link_table[r].to;
        return valid(to) ? box_table[to].y : 0;
    };
    for (int i = first; i < end; ++i) {
        for (int j = i + 1; j < end; ++j) {
            if (y_of(i) > y_of(j)) {
                const link_rec t = link_table[i];
                link_table[i] = link_table[j];
                link_table[j] = t;
            }
        }
    }
    return 0;
}

int set_box_level(int i)
{
    if (valid(i)) box_level[i] = cur_level;
    return 0;
}

int place_right(int box, int x)
{
    if (!valid(box)) return 1;
    box_rec &b = box_table[box];
    const int w = b.endx - b.x;
    b.x = x;
    b.endx = x + w;
    for (int c = rtree_row(box).first; c != -1; c = rtree_row(c).next) place_right(c, b.endx + 30);
    return 0;
}

int layout_work(int first_box, int end_box, int first_link, int end_link)
{
    set_form_range(first_box, end_box, first_link, end_link);
    const int work = rtree_build_work();
    if (work < 0) return 0;
    for (int c = rtree_row(work).first; c != -1; c = rtree_row(c).next) place_right(c, 20);
    return 0;
}
