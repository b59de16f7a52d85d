// PLX's model tables, the text pool and the marking walks.  A mark walk runs
// on an explicit stack, so a deep tree cannot exhaust the call stack.
#include "plx/model.h"

#include <cstring>

#include "shell/text.h"

plx_item plx_items[plx_item_max];
int plx_item_num;
plx_link plx_links[plx_link_max];
int plx_link_num;
const char *plx_texts[plx_item_max];
int plx_text_num;
size_t plx_text_bytes;
int plx_index_base;
int plx_y_offset;

namespace {

char text_pool[plx_pool_size];
const char empty_text[] = "";
int walk_stack[plx_item_max];  // items whose links are still to follow
int out_head[plx_item_max];     // per item its first link, -1 none
int out_tail[plx_item_max];     // per item its last link
int out_next[plx_link_max];     // per link the next link from the same item, -1 none

// The pool copy of text, or the empty text when it does not fit.
const char *pool_copy(const char *text)
{
    const size_t len = strlen(text) + 1;
    if (len > plx_pool_size - plx_text_bytes) return empty_text;
    char *at = text_pool + plx_text_bytes;
    memcpy(at, text, len);
    plx_text_bytes += len;
    return at;
}

bool is_kind(int i, const char *kind) { return strcmp(plx_items[i].kind, kind) == 0; }

bool is_item(int i) { return i >= 0 && i < plx_item_num; }

}  // namespace

int plx_item_add(int x1, int y1, int x2, int y2, const char *kind, const char *name)
{
    if (plx_item_num >= plx_item_max) return -1;
    plx_item &t = plx_items[plx_item_num];
    t.x1 = x1;
    t.y1 = y1 + plx_y_offset;
    t.x2 = x2;
    t.y2 = y2 + plx_y_offset;
    copy_bounded(t.kind, sizeof t.kind, kind);
    copy_bounded(t.name, sizeof t.name, name);
    t.mark = 0;
    t.out = -1;
    return plx_item_num++;
}

int plx_link_add(int from, int to, const char *kind)
{
    if (plx_link_num >= plx_link_max || from < 0 || to < 0) return -1;
    plx_link &k = plx_links[plx_link_num];
    k.from = from + plx_index_base;
    k.to = to + plx_index_base;
    copy_bounded(k.kind, sizeof k.kind, kind);
    out_next[plx_link_num] = -1;
    if (k.from < plx_item_max) {
        if (out_head[k.from] < 0) out_head[k.from] = plx_link_num;
        else out_next[out_tail[k.from]] = plx_link_num;
        out_tail[k.from] = plx_link_num;
    }
    return plx_link_num++;
}

int plx_first_out(int i) { return i >= 0 && i < plx_item_max ? out_head[i] : -1; }

int plx_next_out(int l) { return l >= 0 && l < plx_link_num ? out_next[l] : -1; }

int plx_text_add(const char *text)
{
    if (plx_text_num >= plx_item_max) return -1;
    plx_texts[plx_text_num] = pool_copy(text);
    return plx_text_num++;
}

int plx_text_set(int i, const char *text)
{
    if (i < 0 || i >= plx_text_num) return 1;
    plx_texts[i] = pool_copy(text);
    return 0;
}

const char *plx_text_of(int i) { return i >= 0 && i < plx_text_num ? plx_texts[i] : empty_text; }

void plx_mark_item(int i)
{
    if (!is_item(i)) return;
    plx_items[i].mark = 1;
    for (int l = plx_first_out(i); l >= 0; l = plx_next_out(l)) {
        const plx_link &k = plx_links[l];
        if (is_item(k.to) && strcmp(k.kind, "on_set") == 0 && is_kind(k.to, "COMMENT")) {
            plx_items[k.to].mark = 1;
        }
    }
}

void plx_mark_links(int i, bool from_work)
{
    if (!is_item(i)) return;
    int depth = 0;
    walk_stack[depth++] = i;
    bool first = true;
    while (depth > 0) {
        const int at = walk_stack[--depth];
        const char *kind = first && from_work ? "ANY" : "on_set";
        first = false;
        for (int l = plx_first_out(at); l >= 0; l = plx_next_out(l)) {
            const plx_link &k = plx_links[l];
            if (!is_item(k.to) || strcmp(k.kind, kind) != 0) continue;
            plx_item &child = plx_items[k.to];
            if (child.mark != 0 || is_kind(k.to, "COMMENT")) continue;
            child.mark = 1;  // marked before it is stacked: each item is stacked once at most
            walk_stack[depth++] = k.to;
        }
    }
}

void plx_mark_all()
{
    for (int i = 0; i < plx_item_num; ++i) plx_items[i].mark = 0;
    const int work = plx_find_work();
    if (work < 0) return;
    plx_mark_item(work);
    plx_mark_links(work, true);
}

void plx_mark_every()
{
    for (int i = 0; i < plx_item_num; ++i) plx_items[i].mark = 1;
}

int plx_find_work()
{
    for (int i = 0; i < plx_item_num; ++i) {
        if (is_kind(i, "WORK")) return i;
    }
    return -1;
}

void plx_model_reset()
{
    plx_item_num = 0;
    plx_link_num = 0;
    plx_text_num = 0;
    plx_text_bytes = 0;
    plx_index_base = 0;
    plx_y_offset = 0;
    for (int &h : out_head) h = -1;
}
