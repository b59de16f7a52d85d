// The tree builder: the analyser's walk hands over one node at a time, and
// each becomes a box of a private model (boxes, links, one parameter line
// per box) on a grid of levels (130 apart) and rows (26 apart); a repeated
// child of one parent is merged into its first box.
#ifndef VOK_TREES_TREE_BOX_H
#define VOK_TREES_TREE_BOX_H

#include <cstdint>

#include "analyser/anal_host.h"  // add_tree_box, bound here
#include "analyser/tree_walk.h"  // tree_depth_limit

// One node of the tree: where the function is defined, its depth, its
// interned name, the box kind (0 call, 1 recursive, 2 duplicate definition,
// 3 shown elsewhere, 4 call through a function-pointer argument), where it
// is called from, and the function kind.
struct tree_box_call {
    int source, line, level, name, kind, call_source, call_line, caller_line, mark;
};

const int tree_box_call_cap = 49152;
extern tree_box_call tree_box_calls[tree_box_call_cap];
extern int tree_box_call_num;  // nodes handed over (only the first tree_box_call_cap are kept)

// Forgets the nodes handed over and numbers the next node 1 again.
int tree_box_calls_clear();

const int tbox_cap = 49152;          // boxes; a further box is refused with E3939
const int tlink_cap = 49152;         // links; a further link is refused with a message
const int tparam_cap = 49152;        // parameter lines, one per box
const int tparam_pool_size = 168840; // bytes of parameter text; a line that does not fit stays empty
const int tree_level_cap = tree_depth_limit + 1;  // levels 0..tree_depth_limit
const int tree_message_max = 10;     // each overflow message is shown this often per build
const int tree_name_long = 32;       // a name this long or longer makes an HBOX

// One box of the private model.
struct tbox {
    int32_t x1, y1, x2, y2;  // the rectangle in form coordinates
    int32_t name;            // name_tbl index of the box name; -1 (empty) for a header box or an HBOX
    int32_t func;            // name_tbl index of the function, also for an HBOX; -1 for a header box
    char type;               // the letter of tbox_type_name
    uint8_t mark;            // 1: reachable from WORK, to be written
    int16_t source;          // SRCTBL index of the defining file, -1 none
    int32_t out;             // position in the written form, -1 not written
    int32_t line;            // definition line, -1 none
};

// One link of the private model.
struct tlink {
    int32_t from, to;  // box indexes
    char name[8];      // "on_set" or "ANY"
};

extern tbox *tbox_tbl;
extern int tbox_num;
extern tlink *tlink_tbl;
extern int tlink_num;
extern const char **tparam_tbl;  // line i belongs to box i; each ends in a newline or is empty
extern int tparam_num;
extern int tparam_len;           // bytes of the pool in use

// Allocates the four tables with every count and message counter at 0:
// 0, or 1 when memory ran out (nothing kept).
int ftree_alloc();
// Frees the four tables; 1.
int ftree_free();
// Node numbering from 1 again, no last node at any level.
int tree_level_reset();
// The next placement sets the model up again; with boxes present the
// further tree starts below row 500.
int tree_place_rearm();

// Places one node as a box (see add_tree_box): 0, or -1 when nothing was
// placed (a full table, or a parent that was not placed: E3333).
int place_tree_box(int node, int level, int parent_node, int name, int source, int line, int x_step, int y_step,
                   int kind, int call_source, int call_line, int caller_line, int mark);
// Appends a box and writes its node line; a name of tree_name_long bytes or
// more makes it an HBOX.  The new index, or -1 when the table is full (E3939).
int add_tbox(int x1, int y1, int x2, int y2, char letter, int name, int source, int line, const char *call_file,
             int call_line, int caller_line, int mark);
// Appends a link and enters it in the rectangle tree: its index, or -1 when
// the table is full (with a message).
int add_tlink(int from, int to, const char *relation);
// Appends the parameter line of the next box: 0, or -1 when it does not fit
// (the box keeps an empty line; the first such line of a build is reported).
int add_tparam(const char *text);
// The kind word of a box letter; "???" for an unknown letter.
const char *tbox_type_name(char letter);
// Marks box i and its COMMENT children.
int mark_tbox(int i);

// Every global of the builder as at program start (tables freed).
int tree_box_reset();

#endif
