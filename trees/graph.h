// The RELATION screen's graph: named nodes placed in window pixels and the
// links between them, in two tables whose rows are never reused (a row index
// is a node's identity), and the ".cpg" file they are saved to.
#ifndef VOK_TREES_GRAPH_H
#define VOK_TREES_GRAPH_H

constexpr int graph_node_max = 200;   // node rows; when all are in use no node is added (-1)
constexpr int graph_link_max = 4096;  // link rows; when all are in use no link is added (-1)

struct graph_node {
    int x, y;       // window pixels; -1 -1: deleted
    char name[32];  // empty: placed but not named (not painted)
    char kind[4];
};

struct graph_link {
    int from, to;   // node rows; -1 -1: deleted
    char name[32];
    char kind[4];   // colour letter (D, R, G, B) and line-style letter (S solid, A dashed, else dotted)
};

extern graph_node graph_nodes[graph_node_max];  // rows 0 .. graph_node_num-1, deleted ones included
extern int graph_node_num;
extern graph_link graph_links[graph_link_max];  // rows 0 .. graph_link_num-1, deleted ones included
extern int graph_link_num;

// Empties both tables.
void graph_reset();

// The lowest node row, not deleted, whose x and y each lie within tol of
// (x, y), bounds included; -1 none.
int graph_node_at(int x, int y, int tol);
// The first link, not deleted, whose midpoint (integer halves of its ends'
// sums) lies within tol of (x, y); -1 none.
int graph_link_at(int x, int y, int tol);

// Adds an unnamed node at (x, y): its row, or -1 when every row is in use.
int graph_add_node(int x, int y);
// Links node a to node b with the name: its row, or -1 when a or b is no
// node, a equals b, they are linked already or every row is in use.
int graph_add_link(int a, int b, const char *name);
// Deletes node n (0 <= n < 200) and every link that touches it.
void graph_delete_node(int n);
// Moves every link end at a to b, then deletes node a.
void graph_merge_node(int a, int b);
// A link between a and b in either direction; -1 none, or a equals b.
int graph_find_link(int a, int b);
// Deletes link l (a valid row).
void graph_delete_link(int l);

// Names node n after a file name, its extension cut; the name is cut to
// 31 bytes on a character boundary.  0, or 1 when n is no node.
int graph_name_node(int n, const char *file_name);
// Names link l, cut to 31 bytes on a character boundary.  0, or 1 when l is no link.
int graph_name_link(int l, const char *name);

// Moves node n to (x, y): 0, or 1 when n is no node.
int graph_move_node(int n, int x, int y);

// Pick tolerances of the mouse gestures, in pixels.
constexpr int graph_press_tol = 6;    // a press or release on a node
constexpr int graph_rename_tol = 12;  // a rename, and a click outside relation mode

// A left press in relation mode: the node within graph_press_tol of the
// point, else a new node there (*added 1).  -1 when there is none and every
// row is in use: no node becomes current.
int graph_press(int x, int y, int *added);

// What a right-button drag from the press point to the release point asks for.
enum graph_drag_kind {
    graph_drag_none = 0,       // no node at the press point
    graph_drag_move = 1,       // a to the release point
    graph_drag_ask_node = 2,   // released on a itself: delete a, once confirmed
    graph_drag_ask_link = 3,   // released on b, linked to a: delete that link, once confirmed
    graph_drag_merge = 4,      // released on b, not linked to a: merge a into b
};

struct graph_drag {
    int kind;  // graph_drag_kind
    int a;     // the node pressed, -1 none
    int b;     // the node released on, -1 none
    int link;  // the link between a and b, -1 none
};

// Decides a right-button drag (picks within graph_press_tol); changes nothing.
graph_drag graph_release(int press_x, int press_y, int x, int y);

// Line styles of a link's pen.
enum graph_line_style {
    graph_line_solid = 0,   // second letter 'S'
    graph_line_dash = 1,    // second letter 'A'
    graph_line_dot = 2,     // any other second letter
};

// A link's pen: colour as 0x00bbggrr (as a Win32 COLORREF) and line style.
struct graph_pen {
    unsigned colour;
    int style;
};

// The pen the first link is drawn with when its kind names no colour.
constexpr graph_pen graph_first_pen = {0x0000ff, graph_line_solid};

// The pen of a link kind: 'D' black, 'R' red, 'G' green, 'B' blue as the
// first letter, the style from the second; any other first letter keeps
// the previous link's pen.
graph_pen graph_pen_of(const char *kind, graph_pen previous);

// true when a link's name is written at its midpoint (not empty, not ".").
bool graph_shows_name(const char *name);

// Writes the graph to the file name (plain name, current folder): "#F1",
// every node row, "#L1", every link row, deleted rows as -1 -1 with empty
// kind and name.  The file is replaced only after a complete write; when it
// cannot be written "ファイル(%s)をオープン出来ません" is shown.  0 written, 1 not
// (the old file kept).
int graph_write(const char *name);

#endif
