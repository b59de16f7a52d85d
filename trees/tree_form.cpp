// The loaded tree form: per-box source numbers and parent lists, the
// extraction (closure from the kept boxes, then the re-layout from WORK),
// the pointer marks, the checks against the node lines of "ftree_s.txt" and
// the link edits.  Boxes of one function name are chained through the
// analyser's name slots (a slot per name hash, names compared along it), so
// no step scans every box per box; closure and re-layout use explicit stacks.
#include "trees/tree_form.h"

#include <cstdlib>
#include <cstring>

#include "analyser/calls.h"
#include "analyser/fp_args.h"
#include "analyser/search_keys.h"
#include "forms/formfile.h"
#include "forms/model.h"
#include "forms/para.h"
#include "forms/rtree.h"
#include "shell/codeout.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "trees/ftree_files.h"
#include "trees/multi_cur.h"
#include "trees/tree_links.h"

namespace {

const int func_name_size = 512;
const int listing_line_size = 1000;
const char listing_name[] = "ftree_s.txt";

int box_src[box_cap];
char box_letter[box_cap];
struct parent_entry {
    int box, next;
};
parent_entry parent_entries[parent_list_cap];
int parent_entry_num;
int parent_head[box_cap];
int name_next[box_cap];  // the next box of the same name slot
bool chains_ready;

// Extraction state.
bool keep_box[box_cap];
int recorded_parent[box_cap];
int walk_stack[box_cap];
int out_first[box_cap];  // first link from the box, in link order
int link_next[link_cap];
int level_y[relayout_level_cap];
struct layout_frame {
    int box, level, link;
};
layout_frame frames[box_cap + 1];

bool is_hbox(int i) { return strcmp(box_table[i].kind, "HBOX") == 0; }

bool func_kind_is(int i, const char *kind)
{
    char k[func_name_size];
    tree_func_kind(i, k, sizeof k);
    return strcmp(k, kind) == 0;
}

bool is_tree_box(int i)
{
    static const char *const kinds[] = {"BOX", "RBOX", "GBOX", "BBOX", "YBOX", "ABOX"};
    char k[func_name_size];
    tree_func_kind(i, k, sizeof k);
    for (const char *t : kinds) {
        if (strcmp(k, t) == 0) return true;
    }
    return false;
}

unsigned name_slot(const char *name)
{
    unsigned h = 5381;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(name); *p != '\0'; ++p) h = h * 33 + *p;
    return h % MAX_NAME;
}

// Chains the current form's boxes by function name, in box order.
void chain_names()
{
    name_chain_reset();
    char name[func_name_size];
    for (int i = form_sta; i < form_num; ++i) {
        tree_func_name(i, name, sizeof name);
        const unsigned s = name_slot(name);
        name_next[i] = -1;
        int32_t *head = name_head_ref(static_cast<int>(s));
        int32_t *tail = name_tail_ref(static_cast<int>(s));
        if (*head < 0) *head = i;
        else name_next[*tail] = i;
        *tail = i;
    }
    chains_ready = true;
}

void unchain_names()
{
    name_chain_reset();
    chains_ready = false;
}

// The first box after `after` (-1: from the start) whose function name is
// name: along its chain when chained, else by a scan.
int next_named(const char *name, int after)
{
    char other[func_name_size];
    int i = after < 0 ? (chains_ready ? *name_head_ref(static_cast<int>(name_slot(name))) : form_sta)
                      : (chains_ready ? name_next[after] : after + 1);
    while (i >= 0 && i < form_num) {
        tree_func_name(i, other, sizeof other);
        if (strcmp(other, name) == 0) return i;
        i = chains_ready ? name_next[i] : i + 1;
    }
    return -1;
}

int first_of_kind(const char *kind)
{
    for (int i = form_sta; i < form_num; ++i) {
        if (strcmp(box_table[i].kind, kind) == 0) return i;
    }
    return -1;
}

// ---- extraction ----

// Marks the boxes kept before the closure; the root (WORK), or -1.
int initial_keep(int n)
{
    const int work = first_of_kind("WORK");
    for (int i = form_sta; i < form_num; ++i) keep_box[i] = false;
    if (work < 0) return -1;
    keep_box[work] = true;
    const int qfont = first_of_kind("QFONT");
    if (qfont >= 0) keep_box[qfont] = true;
    if (multi_extract_mode) {
        for (int r = 0; r < multi_cur; ++r) {
            const int b = box_abs_index(multi_cur_tbl[r].box);
            if (in_form(b)) keep_box[b] = true;
        }
        return work;
    }
    const int vbutton = first_of_kind("VBUTTON");
    if (vbutton >= 0) keep_box[vbutton] = true;
    if (n >= 0) {
        const int b = box_abs_index(n);
        if (in_form(b)) keep_box[b] = true;
        return work;
    }
    char name[func_name_size];
    for (int i = form_sta; i < form_num; ++i) {
        if (keep_box[i]) continue;
        tree_func_name(i, name, sizeof name);
        if (name[0] != '\0' && is_key_name(is_hbox(i) ? name : fptr_name(name)) == 0) keep_box[i] = true;
    }
    return work;
}

int push_kept(int *top, int b)
{
    if (b < form_sta || b >= form_num || keep_box[b]) return 0;
    keep_box[b] = true;
    walk_stack[(*top)++] = b;
    return 1;
}

bool same_source(int a, int b) { return box_src[a] == box_src[b] && box_letter[a] == box_letter[b]; }

// Keeps the callers of every kept box up to the root, and every other box
// of its function (the same source for all but a GBOX).
void close_kept()
{
    int top = 0;
    for (int i = form_sta; i < form_num; ++i) {
        if (keep_box[i]) walk_stack[top++] = i;
    }
    char name[func_name_size];
    while (top > 0) {
        const int b = walk_stack[--top];
        for (int e = parent_head[b]; e >= 0; e = parent_entries[e].next) push_kept(&top, parent_entries[e].box);
        push_kept(&top, recorded_parent[b]);
        tree_func_name(b, name, sizeof name);
        if (name[0] == '\0') continue;
        for (int o = next_named(name, -1); o >= 0; o = next_named(name, o)) {
            if (func_kind_is(o, "GBOX") || same_source(o, b)) push_kept(&top, o);
        }
    }
}

void drop_unkept()
{
    int to = l_sta;
    for (int r = l_sta; r < l_num; ++r) {
        const link_rec &k = link_table[r];
        if (!in_form(k.from) || !in_form(k.to) || !keep_box[k.from] || !keep_box[k.to]) continue;
        link_table[to++] = k;
    }
    l_num = to;
    for (int i = form_sta; i < form_num; ++i) {
        if (keep_box[i]) continue;
        box_rec &b = box_table[i];
        b.x = 250;
        b.y = 10;
        b.endx = 300;
        b.endy = 30;
    }
}

// The y of a new child at the level, stored as the level's position.
int level_place(int level)
{
    int deepest = level_y[level];
    for (int l = level + 1; l < relayout_level_cap; ++l) {
        if (level_y[l] > deepest) deepest = level_y[l];
    }
    const int y = level > 0 && level_y[level - 1] > level_y[level] ? level_y[level - 1] : deepest + 30;
    level_y[level] = y;
    return y;
}

void list_out_links()
{
    for (int i = form_sta; i < form_num; ++i) out_first[i] = -1;
    for (int r = l_num - 1; r >= l_sta; --r) {
        const link_rec &k = link_table[r];
        if (!in_form(k.from) || strcmp(k.name, "no_set") == 0) continue;
        link_next[r] = out_first[k.from];
        out_first[k.from] = r;
    }
}

// Depth first from the root, each box's links in link order; each box is
// placed once, so a cycle of links ends.
void relayout(int root)
{
    for (int &y : level_y) y = 10;
    list_out_links();
    for (int i = form_sta; i < form_num; ++i) keep_box[i] = false;  // now: placed
    keep_box[root] = true;
    int top = 0;
    frames[top++] = {root, 0, out_first[root]};
    while (top > 0) {
        layout_frame &f = frames[top - 1];
        if (f.link < 0) {
            --top;
            continue;
        }
        const int child = link_table[f.link].to;
        const int level = f.level;
        f.link = link_next[f.link];
        if (!in_form(child) || keep_box[child]) continue;
        keep_box[child] = true;
        if (level < relayout_level_cap) {
            box_rec &b = box_table[child];
            const int height = b.endy - b.y;
            b.y = level_place(level);
            b.endy = b.y + height;
        }
        frames[top++] = {child, level + 1, out_first[child]};
    }
}

// ---- the walk of boxes and node lines ----

struct node_line {
    int number;
    char file[listing_line_size];
    char line[32];
    char name[listing_line_size];
};

// The next node line (E, F or empty) of the listing; false at its end.
bool next_node_line(FILE *fp, node_line *n)
{
    char text[listing_line_size];
    while (read_line(text, sizeof text, fp) != nullptr) {
        text[strcspn(text, "\r\n")] = '\0';
        if (text[0] != '\0' && text[0] != 'E' && text[0] != 'F') continue;
        n->number = -1;
        n->file[0] = n->line[0] = n->name[0] = '\0';
        if (text[0] == '\0') return true;
        char caller[32];
        if (sscanf(text + 1, "%d", &n->number) != 1) n->number = -1;
        const char *p = text + 1 + strcspn(text + 1, " ");
        char *fields[] = {n->file, n->line, n->name, caller};
        const size_t sizes[] = {sizeof n->file, sizeof n->line, sizeof n->name, sizeof caller};
        for (int k = 0; k < 4; ++k) {
            while (*p == ' ') ++p;
            const size_t len = strcspn(p, " ");
            copy_span(fields[k], sizes[k], p, len);
            p += len;
        }
        return true;
    }
    return false;
}

// Opens the listing after the checks of a non-empty form; null with the
// message printed and *code set.
FILE *open_checked_listing(int *code)
{
    FILE *fp = sys_fopen(listing_name, "r");
    if (fp == nullptr) {
        code_print("E242424 ファイル(ftree_s.txt)が見つかりません\r\n");
        *code = -1;
        return nullptr;
    }
    if (form_num <= form_sta) {
        fclose(fp);
        code_print("E242424 フォームが開かれていません\r\n");
        *code = -3;
        return nullptr;
    }
    form_recalc();
    scan_tree_form();
    return fp;
}

// The next pair of box and node line, with E252525 when their numbers differ.
bool next_pair(FILE *fp, int *box, node_line *n)
{
    if (*box >= form_num || !next_node_line(fp, n)) return false;
    const int position = box_rel_index(*box);
    if (n->number >= 0 && n->number != position) {
        char text[200];
        format_text(text, sizeof text, "E252525 ﾌｧｲﾙ(%d):ﾌｫｰﾑ(%d)番号に矛盾があります\r\n", n->number, position);
        code_print(text);
    }
    return true;
}

}  // namespace

void tree_func_name(int i, char *out, int size)
{
    if (i < 0 || i >= box_cap) {
        out[0] = '\0';
        return;
    }
    if (is_hbox(i)) get_para(out, size, i, 0);
    else copy_bounded(out, size, box_table[i].name);
}

void tree_func_kind(int i, char *out, int size)
{
    if (i < 0 || i >= box_cap) {
        out[0] = '\0';
        return;
    }
    if (is_hbox(i)) get_para(out, size, i, 1);
    else copy_bounded(out, size, box_table[i].kind);
}

int scan_tree_form()
{
    char field[64];
    for (int i = form_sta; i < form_num; ++i) {
        get_para(field, sizeof field, i, is_hbox(i) ? 2 : 0);
        char letter = 0;
        box_src[i] = parse_hex_name(field, &letter);
        box_letter[i] = box_src[i] < 0 ? 0 : letter;
        parent_head[i] = -1;
    }
    parent_entry_num = 0;
    for (int r = l_sta; r < l_num; ++r) {
        const link_rec &k = link_table[r];
        if (strcmp(k.name, "no_set") == 0 || !in_form(k.to) || !in_form(k.from)) continue;
        if (parent_entry_num >= parent_list_cap) break;
        parent_entries[parent_entry_num] = {k.from, parent_head[k.to]};
        parent_head[k.to] = parent_entry_num++;
    }
    return 0;
}

int get_box_num(int i) { return i >= 0 && i < box_cap ? box_src[i] : -1; }

int get_box_letter(int i) { return i >= 0 && i < box_cap ? box_letter[i] : 0; }

int ftree_extract(int n)
{
    const int root = initial_keep(n);
    if (root < 0) return 1;
    for (int i = form_sta; i < form_num; ++i) recorded_parent[i] = -1;
    for (int r = l_sta; r < l_num; ++r) {
        const link_rec &k = link_table[r];
        if (strcmp(k.name, "no_set") != 0 && in_form(k.to)) recorded_parent[k.to] = k.from;
    }
    scan_tree_form();
    chain_names();
    close_kept();
    unchain_names();
    drop_unkept();
    relayout(root);
    return 0;
}

int ftree_mark_s()
{
    parg_num = 0;
    form_recalc();
    scan_tree_form();
    FILE *fp = sys_fopen(listing_name, "r");
    if (fp != nullptr) {
        chain_names();
        char text[listing_line_size];
        char caller_name[func_name_size];
        while (read_line(text, sizeof text, fp) != nullptr) {
            int number = 0, pointer = 0;
            if (text[0] != 'E' || sscanf(text + 1, "%d %*s %*s %*s %*s P%d", &number, &pointer) != 2) continue;
            const int node = box_abs_index(number);
            const int caller = in_form(node) ? rtree_parent(node) : -1;
            if (caller < 0) continue;
            tree_func_name(caller, caller_name, sizeof caller_name);
            for (int b = next_named(caller_name, -1); b >= 0 && parg_num < parg_cap; b = next_named(caller_name, b)) {
                if (box_src[b] != box_src[caller]) continue;
                const int p = rtree_parent(b);
                const bool root = p < 0 || strcmp(box_table[p].kind, "WORK") == 0;
                parg_tbl[parg_num++] = parg_rec{root ? -1 : box_src[p], root ? -1 : p, b, number, pointer};
            }
        }
        fclose(fp);
    }
    for (int i = 0; i < parg_num; ++i) {
        for (int j = i + 1; j < parg_num; ++j) {
            if (parg_tbl[j].source < parg_tbl[i].source) {
                const parg_rec t = parg_tbl[i];
                parg_tbl[i] = parg_tbl[j];
                parg_tbl[j] = t;
            }
        }
    }
    if (!chains_ready) chain_names();
    analyse_fp_args();
    unchain_names();
    scan_tree_form();
    return 0;
}

int tree_next_named(const char *name, int after) { return next_named(name, after); }

int is_work_box(int n)
{
    if (n < 0 || n >= box_cap) return 0;
    const int p = rtree_parent(n);
    return p >= 0 && strcmp(box_table[p].kind, "WORK") == 0 ? 1 : 0;
}

const char *fptr_name(const char *text)
{
    static char name[func_name_size];
    const size_t n = strlen(text);
    if (n <= 5 || strncmp(text, "(*", 2) != 0 || strcmp(text + n - 3, ")()") != 0) return text;
    copy_span(name, sizeof name, text + 2, n - 5);
    return name;
}

int is_cur_func(const char *name)
{
    if (!in_form(cur_box) || !is_tree_box(cur_box)) return 0;
    char own[func_name_size];
    tree_func_name(cur_box, own, sizeof own);
    return strcmp(own, name) == 0 ? 1 : 0;
}

int ftree_check()
{
    int code = 0;
    FILE *fp = open_checked_listing(&code);
    if (fp == nullptr) return 0;
    static node_line n;
    int listed = 0;
    char name[func_name_size];
    for (int box = form_sta; next_pair(fp, &box, &n); ++box) {
        if (!func_kind_is(box, "GBOX") || !is_work_box(box)) continue;
        tree_func_name(box, name, sizeof name);
        if (strcmp(n.name, name) != 0) code_print("E212121 関数名が不一致です\r\n");
        char text[2400];
        format_text(text, sizeof text, "%s(%s):%04d[%04d]%s\r\n", n.file, n.line, ++listed, box_rel_index(box), name);
        code_print(text);
    }
    fclose(fp);
    return 0;
}

int ftree_check_s(const char *file, const char *name, int line)
{
    const int number = expand_hex_name_s(file);
    int code = 0;
    FILE *fp = open_checked_listing(&code);
    if (fp == nullptr) return code;
    static node_line n;
    int found = -2;
    for (int box = form_sta; found < 0 && next_pair(fp, &box, &n); ++box) {
        if (box_src[box] != number) continue;
        if (func_kind_is(box, "BOX") && strcmp(n.name, name) == 0) found = box_rel_index(box);
        else if (func_kind_is(box, "GBOX") && is_work_box(box) && atoi(n.line) == line) found = box_rel_index(box);
    }
    fclose(fp);
    return found;
}

int ftree_abox(int, int *count, int *list, int size)
{
    if (form_num <= form_sta) {
        *count = abox_empty_form;
        return 0;
    }
    if (!in_form(cur_box)) {
        *count = abox_no_current;
        return 0;
    }
    if (!is_tree_box(cur_box)) {
        *count = abox_not_tree_box;
        return 0;
    }
    char name[func_name_size];
    tree_func_name(cur_box, name, sizeof name);
    *count = 0;
    chain_names();
    for (int b = next_named(name, -1); b >= 0; b = next_named(name, b)) {
        for (int r = l_sta; r < l_num && *count < size; ++r) {
            const link_rec &k = link_table[r];
            if (k.from != b || strcmp(k.name, "on_set") != 0 || !in_form(k.to) || !func_kind_is(k.to, "ABOX")) continue;
            char file[8], child[8];
            int line = 0, caller = 0, mark = 0;
            read_ftree_node(listing_name, box_rel_index(k.to), file, sizeof file, &line, child, sizeof child, &caller,
                            &mark);
            list[(*count)++] = mark;
        }
    }
    unchain_names();
    return 0;
}

int set_empty_link()
{
    if (!in_form(cur_box) || cur_link < l_sta || cur_link >= l_num) return 0;
    const link_rec &cur = link_table[cur_link];
    if (!in_form(cur.from) || !in_form(cur.to) || strcmp(box_table[cur.from].kind, "PROC") != 0 ||
        strcmp(box_table[cur.to].kind, "EMPTY") != 0) {
        return 0;
    }
    for (int r = l_sta; r < l_num; ++r) {
        link_rec &k = link_table[r];
        if (k.to != cur.to) continue;
        if (r == cur_link) copy_bounded(k.name, sizeof k.name, "on_set");
        else if (strcmp(k.name, "on_set") == 0) copy_bounded(k.name, sizeof k.name, "no_set");
    }
    return 1;
}

int get_form_limits(int *box_max, int *link_max, int *para_size, int *para_use, int *boxes, int *links,
                    int *parent_max, int *parents)
{
    *box_max = box_cap;
    *link_max = link_cap;
    *para_size = para_cap;
    *para_use = para_text_len();
    *boxes = form_num;
    *links = l_num;
    *parent_max = parent_list_cap;
    *parents = parent_entry_num;
    return 0;
}

int tree_form_reset()
{
    for (int i = 0; i < box_cap; ++i) {
        box_src[i] = -1;
        box_letter[i] = 0;
        parent_head[i] = -1;
    }
    parent_entry_num = 0;
    chains_ready = false;
    return 0;
}
