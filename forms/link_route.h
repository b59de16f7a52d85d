// Link drawing worked out for the FORM screen: which links show and in which
// pen, and the lines, ellipses and arrow heads each relation name routes to.
// A link between two boxes that a "$space" link also joins is hidden; the
// "$space" pairs are gathered once per paint by links_prepare.
#ifndef VOK_FORMS_LINK_ROUTE_H
#define VOK_FORMS_LINK_ROUTE_H

#include "forms/paint_items.h"

// The most items one link routes to.
const int link_item_cap = 8;

// Gathers the "$space" pairs of the current form; call it before a paint. 0.
int links_prepare();
// 1 when a "$space" link joins from to to (links_prepare's pairs).
bool is_space_pair(int from, int to);

// The items of shape code between boxes a and b:
//   t y   vertical / horizontal line through a (2 px purple)
//   E T Y ellipse / left and right edges / top and bottom edges of a (blue)
//   U R   bridge lines from a's centre with an arrow head at b's centre
//   r l d u  an arrow head on b's left / right / top / bottom edge
//   c C   correspondences joining a's and b's facing edges (blue)
//   # &   the right_pos / under_pos elbow routes from parent a to child b
// The number of items written, at most cap.
int shape_items(int a, int b, char code, shape_item *out, int cap);

// The straight segment from box a to box b in pen, by the first of the eight
// facing rules that applies; 0 when either box is off the current level.
int draw_straight_link(int a, int b, int pen, shape_item *out, int cap);

// Link l routed by its name in pen (draw_link): 0 items when l is outside
// the table, an end box is off the current level, or a "$space" pair hides
// it (never the current link).
int link_items(int l, int pen, shape_item *out, int cap);

// Link l as the paint of all links draws it: the pen its name takes (a
// related link only while it touches the current box or hidden links are
// shown), skipped when both end boxes lie beyond -4095..4095.
int link_paint_items(int l, shape_item *out, int cap);

// The links drawn marked (red) after the others: every link named after a
// current MAP box (which leaves no link current), else the current link.
// Their number, at most cap.
int marked_links(int *out, int cap);

#endif
