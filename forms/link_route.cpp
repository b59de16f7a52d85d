// Link routing: the pen of each relation name, the eight facing rules of a
// straight link, the shape codes and the elbow routes of right_pos and
// under_pos.  Centres are ((x + endx) / 2, (y + endy) / 2), truncated.
#include "forms/link_route.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "forms/form_state.h"
#include "forms/model.h"
#include "forms/para.h"
#include "shell/text.h"

namespace {

struct space_pair {
    int from, to;
};
space_pair space_pairs[link_cap];
int space_pair_num;

int pair_order(const void *a, const void *b)
{
    const space_pair &p = *static_cast<const space_pair *>(a);
    const space_pair &q = *static_cast<const space_pair *>(b);
    if (p.from != q.from) return p.from < q.from ? -1 : 1;
    return p.to < q.to ? -1 : p.to > q.to ? 1 : 0;
}

bool is(const char *a, const char *b) { return strcmp(a, b) == 0; }

bool on_level(int i) { return in_form(i) && box_level[i] == cur_level; }

bool is_comment_word(int i, const char *word)
{
    if (!is(box_table[i].kind, "COMMENT")) return false;
    char f1[100];
    get_para(f1, i, 1);
    return is(f1, word);
}

// The route being built: items appended while there is room.
struct route {
    shape_item *out;
    int cap;
    int n;
    void lines(int pen, std::initializer_list<paint_point> pts) { add_lines(out, cap, &n, pen, pts.begin(), static_cast<int>(pts.size())); }
    void arrow_head(paint_point p, paint_point q, paint_point r)
    {
        const paint_point pts[3] = {p, q, r};
        add_shape(out, cap, &n, shape_arrow, pen_shape, pts, 3);
    }
};

struct centred {
    const box_rec &b;
    int cx, cy;
    explicit centred(int i) : b(box_table[i]), cx((b.x + b.endx) / 2), cy((b.y + b.endy) / 2) {}
};

void right_pos_route(int ia, int ib, route &r)
{
    const centred A(ia), B(ib);
    const box_rec &a = A.b, &b = B.b;
    const int acx = A.cx, acy = A.cy, bcx = B.cx, bcy = B.cy;
    const int p = pen_shape;
    if (is_comment_word(ia, "BLine")) {
        r.lines(pen_shape_white, {{b.x, b.y}, {b.endx, b.y}});
        r.lines(pen_shape_blue, {{a.x, a.y}, {b.x, a.y}, {b.x, b.y + 1}});
        r.lines(pen_shape_blue, {{a.x, a.endy}, {b.endx - 1, a.endy}, {b.endx - 1, b.y + 1}});
        return;
    }
    if (is_comment_word(ib, "BLine")) {
        r.lines(pen_shape_white, {{a.x, a.y}, {a.endx, a.y}});
        r.lines(pen_shape_blue, {{a.x, a.y}, {a.x, b.endy}, {b.endx - 1, b.endy}});
        r.lines(pen_shape_blue, {{a.endx - 1, a.y}, {a.endx - 1, b.y}, {b.endx - 1, b.y}});
        return;
    }
    if (b.x < acx) {
        if (bcy <= a.y) {
            if (acx < b.endx) {
                if (b.endx < a.endx) r.lines(p, {{b.endx, bcy}, {a.endx, bcy}, {a.endx, acy}});
                else r.lines(p, {{b.endx, bcy}, {b.endx, acy}, {a.endx, acy}});
            } else {
                r.lines(p, {{b.endx, bcy}, {acx, bcy}, {acx, a.y}});
            }
            return;
        }
        if (a.endy <= bcy) {
            if (a.x < bcx) {
                if (a.x < b.x) r.lines(p, {{a.x, acy}, {a.x, bcy}, {b.x, bcy}});
                else r.lines(p, {{a.x, acy}, {b.x, acy}, {b.x, bcy}});
            } else {
                r.lines(p, {{a.x, acy}, {bcx, acy}, {bcx, b.y}});
            }
            return;
        }
    }
    if (is_comment_word(ia, "Line")) {
        if (b.y < acy && acy < b.endy) {
            const int m = (a.endx + b.x) / 2;
            r.lines(p, {{a.endx, acy}, {m, acy}, {m, bcy}, {b.x, bcy}});
        } else {
            r.lines(p, {{a.endx, acy}, {bcx, acy}, {bcx, acy < bcy ? b.y : b.endy}});
        }
        return;
    }
    if (a.endx < b.x) {
        const int m = (a.endx + b.x) / 2;
        r.lines(p, {{a.endx, acy}, {m, acy}, {m, bcy}, {b.x, bcy}});
        return;
    }
    r.lines(p, {{acx, acy < bcy ? a.endy : a.y}, {acx, bcy}, {b.x, bcy}});
}

void under_pos_route(int ia, int ib, route &r)
{
    const centred A(ia), B(ib);
    const box_rec &a = A.b, &b = B.b;
    const int acx = A.cx, acy = A.cy, bcx = B.cx, bcy = B.cy;
    const int p = pen_shape;
    if (is_comment_word(ia, "BLine")) {
        r.lines(pen_shape_white, {{b.x, b.y}, {b.x, b.endy}});
        r.lines(pen_shape_blue, {{a.x, a.y}, {a.x, b.y}, {b.x + 1, b.y}});
        r.lines(pen_shape_blue, {{a.endx, a.y}, {a.endx, b.endy - 1}, {b.x + 1, b.endy - 1}});
        return;
    }
    if (is_comment_word(ib, "BLine")) {
        r.lines(pen_shape_white, {{a.x, a.y}, {a.x, a.endy}});
        r.lines(pen_shape_blue, {{a.x + 1, a.y}, {b.endx, a.y}, {b.endx, b.endy - 1}});
        r.lines(pen_shape_blue, {{a.x + 1, a.endy - 1}, {b.x, a.endy - 1}, {b.x, b.endy - 1}});
        return;
    }
    if (b.y < acy) {
        if (bcx <= a.x) {
            if (acy < b.endy) {
                if (b.endy < a.endy) r.lines(p, {{bcx, b.endy}, {bcx, a.endy}, {acx, a.endy}});
                else r.lines(p, {{bcx, b.endy}, {acx, b.endy}, {acx, a.endy}});
            } else {
                r.lines(p, {{bcx, b.endy}, {bcx, acy}, {a.x, acy}});
            }
            return;
        }
        if (a.endx <= bcx) {
            if (a.y < bcy) {
                if (a.y < b.y) r.lines(p, {{acx, a.y}, {bcx, a.y}, {bcx, b.y}});
                else r.lines(p, {{acx, a.y}, {acx, b.y}, {bcx, b.y}});
            } else {
                r.lines(p, {{acx, a.y}, {acx, bcy}, {b.x, bcy}});
            }
            return;
        }
    }
    if (is_comment_word(ia, "Line")) {
        if (b.x < acx && acx < b.endx) {
            const int m = (a.endy + b.y) / 2;
            r.lines(p, {{acx, a.endy}, {acx, m}, {bcx, m}, {bcx, b.y}});
        } else {
            r.lines(p, {{acx, a.endy}, {acx, bcy}, {acx < bcx ? b.x : b.endx, bcy}});
        }
        return;
    }
    if (a.endy < b.y) {
        const int m = (a.endy + b.y) / 2;
        r.lines(p, {{acx, a.endy}, {acx, m}, {bcx, m}, {bcx, b.y}});
        return;
    }
    r.lines(p, {{acx < bcx ? a.endx : a.x, acy}, {bcx, acy}, {bcx, b.y}});
}

// The shape code a relation name routes to, or 0 for a straight link; the
// from_* arrows exchange the ends.
char route_code(const char *name, bool *swap)
{
    static const struct {
        const char *name;
        char code;
    } codes[] = {{"right_pos", '#'},      {"under_pos", '&'},      {"to_right_arrow", 'r'}, {"to_left_arrow", 'l'},
                 {"to_down_arrow", 'd'},  {"to_up_arrow", 'u'},    {"h_correspond", 'c'},   {"v_correspond", 'C'},
                 {"under_bridge", 'U'},   {"right_bridge", 'R'}};
    *swap = false;
    for (const auto &c : codes)
        if (is(name, c.name)) return c.code;
    static const struct {
        const char *name;
        char code;
    } from_codes[] = {{"from_right_arrow", 'r'}, {"from_left_arrow", 'l'}, {"from_down_arrow", 'd'}, {"from_up_arrow", 'u'}};
    for (const auto &c : from_codes) {
        if (!is(name, c.name)) continue;
        *swap = true;
        return c.code;
    }
    return 0;
}

bool is_related_name(const char *name) { return is(name, "SET") || is(name, "ANY") || name[0] == '$'; }

bool beyond(int i) { return box_table[i].y < -4095 || box_table[i].y > 4095; }

int draw_related_link(int l, shape_item *out, int cap)
{
    const link_rec &k = link_table[l];
    if (k.from != cur_box && k.to != cur_box && show_hidden_links == 0) return 0;
    return draw_straight_link(k.from, k.to, is(k.name, "SET") ? pen_related_set : pen_related, out, cap);
}

}  // namespace

int links_prepare()
{
    space_pair_num = 0;
    for (int r = l_sta; r < l_num; ++r)
        if (is(link_table[r].name, "$space")) space_pairs[space_pair_num++] = {link_table[r].from, link_table[r].to};
    qsort(space_pairs, static_cast<size_t>(space_pair_num), sizeof space_pairs[0], pair_order);
    return 0;
}

bool is_space_pair(int from, int to)
{
    const space_pair key = {from, to};
    return bsearch(&key, space_pairs, static_cast<size_t>(space_pair_num), sizeof space_pairs[0], pair_order) != nullptr;
}

int shape_items(int ia, int ib, char code, shape_item *out, int cap)
{
    route r{out, cap, 0};
    const centred A(ia), B(ib);
    const box_rec &a = A.b, &b = B.b;
    const int acx = A.cx, acy = A.cy, bcx = B.cx, bcy = B.cy;
    switch (code) {
    case 't': r.lines(pen_shape, {{acx, a.y}, {acx, a.endy}}); break;
    case 'y': r.lines(pen_shape, {{a.x, acy}, {a.endx, acy}}); break;
    case 'E': {
        const paint_point pts[2] = {{a.x, a.y}, {a.endx, a.endy}};
        add_shape(out, cap, &r.n, shape_ellipse, pen_shape_blue, pts, 2);
        break;
    }
    case 'T':
        r.lines(pen_shape_blue, {{a.x, a.y}, {a.x, a.endy}});
        r.lines(pen_shape_blue, {{a.endx, a.y}, {a.endx, a.endy}});
        break;
    case 'Y':
        r.lines(pen_shape_blue, {{a.x, a.y}, {a.endx, a.y}});
        r.lines(pen_shape_blue, {{a.x, a.endy}, {a.endx, a.endy}});
        break;
    case 'U': {
        r.lines(pen_shape, {{acx, acy}, {bcx, acy}});
        const int back = acx < bcx ? bcx - 10 : bcx + 10;
        r.arrow_head({back, acy - 5}, {bcx, acy}, {back, acy + 5});
        break;
    }
    case 'R': {
        r.lines(pen_shape, {{acx, acy}, {acx, bcy}});
        const int back = bcy < acy ? bcy + 10 : bcy - 10;
        r.arrow_head({acx - 5, back}, {acx, bcy}, {acx + 5, back});
        break;
    }
    case 'r': r.arrow_head({b.x - 10, bcy - 5}, {b.x, bcy}, {b.x - 10, bcy + 5}); break;
    case 'l': r.arrow_head({b.endx + 10, bcy - 5}, {b.endx, bcy}, {b.endx + 10, bcy + 5}); break;
    case 'd': r.arrow_head({bcx - 5, b.y - 10}, {bcx, b.y}, {bcx + 5, b.y - 10}); break;
    case 'u': r.arrow_head({bcx - 5, b.endy + 10}, {bcx, b.endy}, {bcx + 5, b.endy + 10}); break;
    case 'c':
        r.lines(pen_shape_blue, {{a.endx, a.y}, {b.x, b.y}});
        r.lines(pen_shape_blue, {{a.endx, a.endy}, {b.x, b.endy}});
        break;
    case 'C':
        r.lines(pen_shape_blue, {{a.x, a.endy}, {b.x, b.y}});
        r.lines(pen_shape_blue, {{a.endx, a.endy}, {b.endx, b.y}});
        break;
    case '#': right_pos_route(ia, ib, r); break;
    case '&': under_pos_route(ia, ib, r); break;
    default: break;
    }
    return r.n;
}

int draw_straight_link(int ia, int ib, int pen, shape_item *out, int cap)
{
    if (!on_level(ia) || !on_level(ib)) return 0;
    route r{out, cap, 0};
    const centred A(ia), B(ib);
    const box_rec &a = A.b, &b = B.b;
    if (a.endx + 8 < b.x) r.lines(pen, {{a.endx, A.cy}, {b.x, B.cy}});
    else if (a.endx < b.x) r.lines(pen, {{a.endx - 4, A.cy}, {b.x + 4, B.cy}});
    else if (a.endx - 8 < b.x) r.lines(pen, {{b.x - 4, A.cy}, {a.endx + 4, B.cy}});
    else if (a.endy + 8 < b.y) r.lines(pen, {{A.cx, a.endy}, {B.cx, b.y}});
    else if (a.endy < b.y) r.lines(pen, {{A.cx, a.endy - 4}, {B.cx, b.y + 4}});
    else if (a.endy - 8 < b.y) r.lines(pen, {{A.cx, b.y - 4}, {B.cx, a.endy + 4}});
    else if (a.endx - b.x >= a.endy - b.y) r.lines(pen, {{A.cx, a.endy}, {B.cx, b.y}});
    else r.lines(pen, {{a.endx, A.cy}, {b.x, B.cy}});
    return r.n;
}

int link_items(int l, int pen, shape_item *out, int cap)
{
    if (l < 0 || l >= link_cap) return 0;
    const link_rec &k = link_table[l];
    if (!on_level(k.from) || !on_level(k.to)) return 0;
    if (l != cur_link && is_space_pair(k.from, k.to)) return 0;
    bool swap = false;
    const char code = route_code(k.name, &swap);
    if (code == 0) return draw_straight_link(k.from, k.to, pen, out, cap);
    return swap ? shape_items(k.to, k.from, code, out, cap) : shape_items(k.from, k.to, code, out, cap);
}

int link_paint_items(int l, shape_item *out, int cap)
{
    if (l < l_sta || l >= l_num) return 0;
    const link_rec &k = link_table[l];
    if (!in_form(k.from) || !in_form(k.to) || (beyond(k.from) && beyond(k.to))) return 0;
    if (is_related_name(k.name)) return draw_related_link(l, out, cap);
    if (is(k.name, "on_set")) {
        if (!is(box_table[k.to].kind, "COMMENT") || is(box_table[k.from].kind, "TAG")) return link_items(l, pen_link, out, cap);
        return draw_related_link(l, out, cap);
    }
    if (has_prefix(k.name, "no_set") == 0) return link_items(l, pen_link_dotted, out, cap);
    return link_items(l, pen_link, out, cap);
}

int marked_links(int *out, int cap)
{
    int n = 0;
    if (in_form(cur_box) && is(box_table[cur_box].kind, "MAP")) {
        cur_link = -1;
        for (int r = l_sta; r < l_num && n < cap; ++r)
            if (is(link_table[r].name, box_table[cur_box].name)) out[n++] = r;
        return n;
    }
    if (cur_link >= 0 && n < cap) out[n++] = cur_link;
    return n;
}
