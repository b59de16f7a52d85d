// Relation-constraint moves and resizes.  One move (a shift_box, a
// resize_box or the placement of one box of a balance chain) keeps a record
// of what it carried: each delta handed down the on_set links (a wave)
// carries a box once, so shared children and link cycles move once, and
// each alignment walk runs once per box and offset.
#include "forms/relmove.h"

#include <cstring>
#include <set>
#include <tuple>

#include "forms/model.h"
#include "forms/para.h"
#include "shell/msgbox.h"

int relate_off;

namespace {

const int depth_limit = 30;

struct move_record {
    int waves = 0;                                // waves started so far; 0 is the move's own
    std::set<std::pair<int, int>> carried;        // box and wave of step 2
    std::set<std::tuple<int, int, int>> walked;   // box and offset of a steps 4-5 walk
    std::set<int> sized;
    std::set<int> balanced;
};

move_record *active;

// Opens a record for one move unless one is open (or fresh is asked).
class move_scope {
public:
    explicit move_scope(bool fresh = false) : saved_(active)
    {
        if (fresh || active == nullptr) active = &own_;
    }
    ~move_scope() { active = saved_; }
    move_scope(const move_scope &) = delete;
    move_scope &operator=(const move_scope &) = delete;

private:
    move_record own_;
    move_record *saved_;
};

bool on_level(int c) { return c >= 0 && c < box_cap && box_level[c] == cur_level; }

bool valid_box(int c) { return c >= 0 && c < box_cap; }

bool named(int r, const char *name) { return strcmp(link_table[r].name, name) == 0; }

// The offset a relation asks of the child, applied to it.
void align_child(const box_rec &p, box_rec &c, const char *rel, int *ax, int *ay)
{
    int dx = 0, dy = 0;
    bool horizontal = true;
    if (strcmp(rel, "left_set") == 0) dx = p.x - c.x;
    else if (strcmp(rel, "right_set") == 0) dx = p.endx - c.endx;
    else if (strcmp(rel, "h_center") == 0) dx = (p.x + p.endx) / 2 - (c.x + c.endx) / 2;
    else if (strcmp(rel, "right_connect") == 0) dx = p.endx - c.x - 1;
    else if (strcmp(rel, "left_connect") == 0) dx = p.x - c.endx + 1;
    else {
        horizontal = false;
        if (strcmp(rel, "top_set") == 0) dy = p.y - c.y;
        else if (strcmp(rel, "bottom_set") == 0) dy = p.endy - c.endy;
        else if (strcmp(rel, "v_center") == 0) dy = (p.y + p.endy) / 2 - (c.y + c.endy) / 2;
        else if (strcmp(rel, "bottom_connect") == 0) dy = p.endy - c.y - 1;
        else if (strcmp(rel, "top_connect") == 0) dy = p.y - c.endy + 1;
        else return;
    }
    shift_rect(c, dx, dy);
    if (horizontal) *ax = dx;
    else *ay = dy;
}

void size_child(const box_rec &p, box_rec &c, const char *rel)
{
    const int margin = 8;
    if (strcmp(rel, "wide_same") == 0 || strcmp(rel, "same") == 0) c.endx = c.x + (p.endx - p.x);
    if (strcmp(rel, "height_same") == 0 || strcmp(rel, "same") == 0) c.endy = c.y + (p.endy - p.y);
    if (strcmp(rel, "left_same") == 0 && p.x + margin < c.endx) c.x = p.x;
    if (strcmp(rel, "right_same") == 0 && c.x + margin < p.endx) c.endx = p.endx;
    if (strcmp(rel, "top_same") == 0 && p.y + margin < c.endy) c.y = p.y;
    if (strcmp(rel, "bottom_same") == 0 && c.y + margin < p.endy) c.endy = p.endy;
}

int carry_wave(int i, int dx, int dy, int depth, int wave);

// An alignment's walk: a new wave, once per box and offset.
void walk_once(int p, int ax, int ay, int depth)
{
    if (!active->walked.insert(std::make_tuple(p, ax, ay)).second) return;
    carry_wave(p, ax, ay, depth, ++active->waves);
}

template <typename F> void each_relation_run(int i, F per_link, int depth, int (*recurse)(int, int))
{
    if (is_line_comment(i)) return;
    int prev = -1;
    for (int r = l_sta; r < l_num; ++r) {
        if (link_table[r].from != i || !is_relation_link(r)) continue;
        const int c = link_table[r].to;
        if (!valid_box(c)) continue;
        if (prev != -1 && c != prev) recurse(prev, depth + 1);
        prev = c;
        per_link(r, c);
    }
    if (prev != -1) recurse(prev, depth + 1);
}

int balance_chain(int i, int acc, int depth, bool horizontal)
{
    const char *rel = horizontal ? "h_balance" : "v_balance";
    int r = l_sta;
    while (r < l_num && !(link_table[r].from == i && named(r, rel))) ++r;
    if (depth >= depth_limit || r >= l_num || !valid_box(link_table[r].to)) return depth > 0 ? acc / depth : 0;
    box_rec &b = box_table[i];
    const box_rec &n = box_table[link_table[r].to];
    const int gap = horizontal ? n.x - b.endx : n.y - b.endy;
    const int g = balance_chain(link_table[r].to, acc + gap, depth + 1, horizontal);
    int dx = 0, dy = 0;
    if (horizontal) {
        const int w = b.endx - b.x;
        b.endx = n.x - g;
        dx = b.endx - w - b.x;
        b.x += dx;
    } else {
        const int h = b.endy - b.y;
        b.endy = n.y - g;
        dy = b.endy - h - b.y;
        b.y += dy;
    }
    move_scope scope(true);
    active->carried.insert(std::make_pair(i, 0));
    follow_move(i, dx, dy, 0);
    return g;
}

void propagate(int i, int dx, int dy)
{
    set_wait_cursor();
    move_scope scope(true);
    active->carried.insert(std::make_pair(i, 0));
    follow_size(i, 0);
    follow_move(i, dx, dy, 0);
    follow_balance(i, 0);
    restore_cursor();
}

}  // namespace

bool is_line_comment(int i)
{
    if (!kind_is(i, "COMMENT")) return false;
    char f[100];
    get_para(f, i, 1);
    return strcmp(f, "Line") == 0 || strcmp(f, "BLine") == 0;
}

bool is_relation_link(int r) { return link_table[r].name[0] >= 'a' && link_table[r].name[0] <= 'z'; }

int follow_move(int i, int dx, int dy, int depth)
{
    move_scope scope;
    return carry_wave(i, dx, dy, depth, 0);
}

namespace {

// follow_move within one wave.  A zero delta carries nothing: the boxes
// below get their own alignment walks.
int carry_wave(int i, int dx, int dy, int depth, int wave)
{
    if (depth + 1 >= depth_limit || !valid_box(i)) return 0;
    const bool any_carries = kind_is(i, "TAG") || kind_is(i, "HTML");
    const bool any_walks = kind_is(i, "TAG");
    std::set<int> carried_here;
    for (int r = l_sta; r < l_num && (dx != 0 || dy != 0); ++r) {
        const int c = link_table[r].to;
        if (link_table[r].from != i || !(any_carries || named(r, "on_set")) || !on_level(c)) continue;
        if (!active->carried.insert(std::make_pair(c, wave)).second) continue;
        shift_rect(box_table[c], dx, dy);
        carried_here.insert(c);
    }
    for (int r = l_sta; r < l_num && !carried_here.empty(); ++r) {
        const int c = link_table[r].to;
        if (link_table[r].from != i || !(any_walks || named(r, "on_set")) || carried_here.erase(c) == 0) continue;
        carry_wave(c, dx, dy, depth + 1, wave);
    }
    if (is_line_comment(i)) return 0;
    int prev = -1, ax = 0, ay = 0;
    for (int r = l_sta; r < l_num; ++r) {
        if (link_table[r].from != i || !is_relation_link(r)) continue;
        const int c = link_table[r].to;
        if (!valid_box(c)) continue;
        if (prev != -1 && c != prev) walk_once(prev, ax, ay, depth + 1);
        if (c != prev) ax = ay = 0;
        prev = c;
        align_child(box_table[i], box_table[c], link_table[r].name, &ax, &ay);
    }
    if (prev != -1) walk_once(prev, ax, ay, depth + 1);
    return 0;
}

}  // namespace

int follow_size(int i, int depth)
{
    if (depth + 1 >= depth_limit || !valid_box(i)) return 0;
    move_scope scope;
    if (!active->sized.insert(i).second) return 0;
    each_relation_run(
        i, [i](int r, int c) { size_child(box_table[i], box_table[c], link_table[r].name); }, depth, follow_size);
    return 0;
}

int follow_balance(int i, int depth)
{
    if (depth + 1 >= depth_limit || !valid_box(i)) return 0;
    move_scope scope;
    if (!active->balanced.insert(i).second) return 0;
    for (int r = l_sta; r < l_num; ++r) {
        if (link_table[r].from != i) continue;
        if (named(r, "h_balance")) balance_h_chain(i, 0, 0);
        else if (named(r, "v_balance")) balance_v_chain(i, 0, 0);
    }
    each_relation_run(i, [](int, int) {}, depth, follow_balance);
    return 0;
}

void shift_rect(box_rec &b, int dx, int dy)
{
    b.x += dx;
    b.endx += dx;
    b.y += dy;
    b.endy += dy;
}

int balance_h_chain(int i, int acc, int depth) { return balance_chain(i, acc, depth, true); }
int balance_v_chain(int i, int acc, int depth) { return balance_chain(i, acc, depth, false); }

int shift_box_by(int i, int *dx, int *dy)
{
    if (!in_form(i)) return 1;
    box_rec &b = box_table[i];
    if (b.x + *dx < 0) *dx = -b.x;
    if (b.y + *dy < 0) *dy = -b.y;
    shift_rect(b, *dx, *dy);
    if (!relate_off) propagate(i, *dx, *dy);
    return 0;
}

int shift_box(int i, int dx, int dy) { return shift_box_by(i, &dx, &dy); }

int move_box(int i, int dx, int dy)
{
    if (!kind_is(i, "z") || !in_form(i)) {
        shift_box(i, dx, dy);
        return 1;
    }
    const int saved = relate_off;
    relate_off = 1;
    for (int r = form_sta; r < form_num; ++r) {
        if (inside_frame(r, i)) shift_box(r, dx, dy);
    }
    relate_off = saved;
    delete_box(i, 0);
    return 1;
}

int resize_box(int i, int dw, int dh)
{
    if (!in_form(i) || (dw == 0 && dh == 0)) return 0;
    box_rec &b = box_table[i];
    b.endx += dw;
    b.endy += dh;
    if (b.endx < b.x + 12) b.endx = b.x + 12;
    if (b.endy < b.y + 12) b.endy = b.y + 12;
    if (!relate_off) propagate(i, 0, 0);
    return 1;
}

int corner_at_point(int x, int y, int tol, win_handle window)
{
    int found = -1;
    for (int r = form_sta; r < form_num; ++r) {
        const box_rec &b = box_table[r];
        if (box_level[r] != cur_level || b.y < -4095 || b.y > 4095) continue;
        if (b.endx - tol <= x && x < b.endx + tol && b.endy - tol <= y && y < b.endy + tol) found = r;
    }
    if (found >= 0 && window != nullptr) cur_box = found;
    return found;
}

int shift_drag_rect(int *x, int *y, int *endx, int *endy, int dx, int dy)
{
    if (*x + dx < 0) dx = -*x;
    if (*y + dy < 0) dy = -*y;
    *x += dx;
    *endx += dx;
    *y += dy;
    *endy += dy;
    return 0;
}

int grow_drag_rect(int *x, int *y, int *endx, int *endy, int dx, int dy)
{
    *endx += dx;
    *endy += dy;
    if (*endx < *x + 1) *endx = *x + 1;
    if (*endy < *y + 1) *endy = *y + 1;
    *x += dx < 0 ? 1 : -1;
    *y += dy < 0 ? 1 : -1;
    return 0;
}
