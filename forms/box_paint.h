// Box painting worked out for the FORM screen: the mark and text style of
// every box, each box's pen, frame and texts, where the texts of the
// comment styles go, the box under a point, and the commands that size the
// boxes to their texts and lay out a WORK form.  A "style" is how a box's
// own text is placed (box_style below); a "mark" says how it relates to the
// current box.
#ifndef VOK_FORMS_BOX_PAINT_H
#define VOK_FORMS_BOX_PAINT_H

#include "forms/model.h"
#include "forms/paint_items.h"
#include "shell/host.h"

// box_mark values.
const signed char mark_plain = 0;
const signed char mark_related = 1;
const signed char mark_current = 2;

// box_style values.
enum box_style_code {
    style_label = 0,          // no separate text: the box draws its own label
    style_corner = 1,         // plain text at the top-left corner, not framed
    style_center = 2,         // text centred
    style_top_left = 3,       // text above the box, left
    style_top_right = 4,      // above, right
    style_top_center = 5,     // above, centred
    style_bottom_left = 6,    // below, left
    style_bottom_right = 7,   // below, right
    style_bottom_center = 8,  // below, centred
    style_framed = 9,         // text at top-left and a frame (STRING)
    style_vline = 10,         // vertical line through the horizontal centre
    style_hline = 11,         // horizontal line through the vertical centre
    style_ellipse = 12,       // ellipse with centred text
    style_vdouble = 13,       // vertical double line, vertical text
    style_hdouble = 14,       // horizontal double line, centred text
    style_by_link = 15,       // drawn by its bridge link
};

extern signed char box_mark[box_cap];
extern signed char box_style[box_cap];

// The kind-letter table: "letter:kind" rows searched in order, ending with "".
extern const char *const kind_letters[];
// The letter of the first row whose kind equals kind, or 0.
int kind_letter(const char *kind);

// Marks and styles of every box of the current form, recomputed for a
// paint; without a current box the one-click move is given up.  0.
int paint_prepare();

// The frame around a client area w x h while an operation waits for a
// click (pen_box_armed): (1, 1), (1, h-1), (w-1, h-1), (w-1, 1), (1, 1).
// 1 when it is drawn, 0 when nothing waits.
int armed_frame(int w, int h, paint_point (&pts)[5]);

// 1 when box i is drawn in the frames pass: on the current level, y and endy
// within -32766..32767, and its style below 10 and not 1, or marked.
bool box_framed(int i);

// How one box is drawn: the pen of its mark, extra frames shifted from it,
// its frame and up to two texts (a label above and the inside text).
struct box_look {
    bool drawn;             // false: hidden while the tree view shows (250, 10)
    int pen;                // a paint_pen
    int right_extra;        // 1: the right edge one pixel further (the current box)
    int shadow_num;         // extra frames drawn first
    paint_point shadows[2]; // their offsets from the box
    int text_num;
    text_item texts[2];
};
// Box i with its mark and style as paint_prepare left them; 0.
int box_look_of(int i, box_look *out);

// The inside text of box i as its label shows it (what fit_all_boxes sizes
// to), with its font; 0, or 1 when the box shows none.
int box_inside_text(int i, char *text, int size, int *font);

// Texts and shapes of a box on the current level with a non-zero style,
// placed by the style (none for style 15, drawn by its link).  Up
// to 40 texts (a vertical text puts one per character) and 4 shapes; the
// number of texts, shapes in *shape_n.
const int box_text_cap = 40;
int box_text_items(int i, text_item *texts, int text_cap, shape_item *shapes, int shape_cap, int *shape_n);

// The box under (x, y) on the current level, -1 none; edges right and
// bottom excluded, the later box in the table winning.  With a window, the
// box found becomes current (PROPERTY's value committed first when a box
// was current; a change of box sets sel_changed and restarts the find
// series) and no link stays current.
int box_at_point(int x, int y, win_handle window);

// Sizes every box to the text it shows, then the comment, STRING and EDATA
// boxes to their field 0; the window is redrawn.  0.
int fit_all_boxes(win_handle window);

// Lays out the current form's WORK tree; layout_work's result.
int layout_work_form();

// The boxes paint_work_marks frames in red: in a form with a WORK box, the
// boxes at the other end of every link of the current box (not a TAIL).
// Their number, at most cap.
int work_mark_boxes(int *out, int cap);

// The outline of frame_box: (x, y), (endx-1, y), (endx-1, endy-1), (x, endy-1), (x, y).
int frame_box_points(int i, paint_point (&pts)[5]);

// Resets the tables above; 0.
int box_paint_reset();

#endif
