// PLX's drawing model: items (boxes), links between them and one text line
// per item in a fixed pool, the offsets applied while form files are
// stacked, and the marks that choose which items a form file gets.
#ifndef VOK_PLX_MODEL_H
#define VOK_PLX_MODEL_H

#include <cstddef>

constexpr int plx_item_max = 8000;         // items; a full table refuses an item (-1)
constexpr int plx_link_max = 16000;        // links; a full table refuses a link (-1)
constexpr size_t plx_pool_size = 1 << 20;  // text bytes; a text that does not fit becomes empty

struct plx_item {
    int x1, y1, x2, y2;
    char kind[13];      // "WORK", "BOX", "COMMENT" or a form file's kind
    char name[32];
    unsigned char mark;  // 1: written to the form file
    int out;             // its row in the written file, -1 when not written
};

struct plx_link {
    int from, to;   // item indexes
    char kind[32];  // "on_set", "ANY" or a form file's kind
};

extern plx_item plx_items[plx_item_max];  // the items, rows 0 .. plx_item_num-1
extern int plx_item_num;
extern plx_link plx_links[plx_link_max];  // the links, rows 0 .. plx_link_num-1
extern int plx_link_num;
extern const char *plx_texts[plx_item_max];  // text i belongs to item i
extern int plx_text_num;
extern size_t plx_text_bytes;  // pool bytes in use
extern int plx_index_base;     // added to both ends of every link added
extern int plx_y_offset;       // added to y1 and y2 of every item added

// Appends an item, the vertical offset added, kind and name cut on a
// character boundary; its index, or -1 when the table is full.
int plx_item_add(int x1, int y1, int x2, int y2, const char *kind, const char *name);
// Appends a link, the index base added to both ends; its index, or -1 when
// the table is full or an end is negative.
int plx_link_add(int from, int to, const char *kind);
// The first link from item i, or -1; the next link from the same item, or -1.
// Links from one item come in the order they were added.
int plx_first_out(int i);
int plx_next_out(int l);
// Appends text to the pool and its pointer to the table: its index, or -1
// when 8000 texts are held.  A text the pool cannot take is held empty.
int plx_text_add(const char *text);
// Puts text into the pool as text i (an index below the text count); 0, 1 none.
int plx_text_set(int i, const char *text);
// Item i's text, empty when it has none.
const char *plx_text_of(int i);

// Sets i's mark and marks every "COMMENT" item it links to with "on_set".
void plx_mark_item(int i);
// From i, follows every link of kind "ANY" (from_work) or "on_set" to a
// child that is neither "COMMENT" nor marked, marks it and goes on from it
// with "on_set".
void plx_mark_links(int i, bool from_work);
// Clears every mark, marks the first "WORK" item and follows its "ANY" links.
void plx_mark_all();
// Marks every item held.
void plx_mark_every();
// The index of the first item of kind "WORK", or -1.
int plx_find_work();

// Empties items, links, texts and the pool; base and offset 0.
void plx_model_reset();

#endif
