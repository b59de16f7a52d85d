// The tree builder's model and its placement.  A "node" is what the walk
// hands over (numbered from 1 per build); a "box" is a row of tbox_tbl.  Each
// level keeps a row counter, the last box placed and that box's node number:
// a node whose parent node is not the last box of the level above is refused.
#include "trees/tree_box.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "analyser/calls.h"
#include "forms/rtree.h"
#include "shell/codeout.h"
#include "shell/text.h"
#include "trees/ftree_files.h"

tree_box_call tree_box_calls[tree_box_call_cap];
int tree_box_call_num;

tbox *tbox_tbl;
int tbox_num;
tlink *tlink_tbl;
int tlink_num;
const char **tparam_tbl;
int tparam_num;
int tparam_len;

namespace {

const int second_tree_row = 500;  // where a further tree in the same model starts
const int box_width = 100;
const int level_step = 130;       // x distance of two levels
const int row_step = 13;          // half the y distance of two rows

char *tparam_pool;

// Placement state.
int work_box = -1;  // -1: the next placement sets the model up
int row_count[tree_level_cap];
int last_box[tree_level_cap];
int last_box_node[tree_level_cap];

// Node state of add_tree_box.
int node_count;
int last_node[tree_level_cap];

// Messages, each shown at most tree_message_max times per build.
int overflow_shown;   // E3939
int parent_shown;     // E3333
int level_shown;      // a level outside the tree
int pool_full_shown;  // once per build

void code_message(int *shown, const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 2, 3)))
#endif
    ;

void code_message(int *shown, const char *format, ...)
{
    if (*shown >= tree_message_max) return;
    ++*shown;
    char text[1200];
    va_list ap;
    va_start(ap, format);
    vformat_text(text, sizeof text, format, ap);
    va_end(ap);
    code_print(text);
}

const char *func_name(int box) { return box >= 0 && box < tbox_num ? name_at(tbox_tbl[box].func) : ""; }

// Adds WORK, QFONT and VBUTTON with their parameter lines.
void add_header_boxes()
{
    static const struct {
        char letter;
        int x1, y1, x2, y2;
        const char *param;
    } headers[] = {
        {'W', 26, 5, 31, 20, "TAVIR Caption N 0 0 758 480"},
        {'Q', 84, 5, 119, 20, "0 12"},
        {'V', 148, 7, 226, 22,
         "重複関数表示 関数ツリーから同じ関数名を持つ重複した関数の一覧をｺｰﾄﾞ画面に表示します"},
    };
    for (const auto &h : headers) {
        if (add_tbox(h.x1, h.y1, h.x2, h.y2, h.letter, -1, -1, -1, "", -1, -1, -1) >= 0) add_tparam(h.param);
    }
}

// The first placement of a build: header boxes or the row of a further
// tree, no last boxes, WORK found and marked.  false without a WORK box.
bool set_up_placement()
{
    const int start_row = tbox_num == 0 ? 0 : second_tree_row;
    if (tbox_num == 0) add_header_boxes();
    for (int l = 0; l < tree_level_cap; ++l) {
        row_count[l] = start_row;
        last_box[l] = last_box_node[l] = -1;
    }
    for (int i = 0; i < tbox_num; ++i) tbox_tbl[i].mark = 0;
    for (int i = 0; i < tbox_num && work_box < 0; ++i) {
        if (tbox_tbl[i].type == 'W') work_box = i;
    }
    if (work_box < 0) return false;
    mark_tbox(work_box);
    return true;
}

// The box under parent that the node merges into, or -1.
int same_child(int parent, int level, int name, int source, int line)
{
    int c = -1;
    while (rtree_next_child(&c, parent) >= 0) {
        const tbox &b = tbox_tbl[c];
        if (b.type == 'C' || b.func != name) continue;
        if (level > 0 || (b.source == source && b.line == line)) return c;
    }
    return -1;
}

// The row of a new box at the level: below everything further right, and a
// first child in its parent's row.
int next_row(int level)
{
    for (int l = level + 1; l < tree_level_cap; ++l) {
        if (row_count[l] > row_count[level]) row_count[level] = row_count[l];
    }
    if (level > 0 && row_count[level - 1] > row_count[level]) row_count[level] = row_count[level - 1] - 1;
    return row_count[level];
}

char box_letter(int kind, int line)
{
    if (kind == 4) return 'A';
    if (line < 0) return 'B';
    static const char letters[] = {'X', 'R', 'G', 'Y'};
    return kind >= 0 && kind < 4 ? letters[kind] : 'X';
}

// The parameter line of a tree box: the source number in hexadecimal ("S"
// after it for a file-private function), after the name and type of an HBOX.
void add_box_param(int box, int name, char letter, int source, int mark)
{
    char hex[16];
    format_text(hex, sizeof hex, "%s%s", hex_name(source), mark == -2 ? "S" : "");
    static char line[tparam_pool_size];  // a longer line would not fit the pool anyway
    if (tbox_tbl[box].type == 'H') format_text(line, sizeof line, "%s %s %s", name_at(name), tbox_type_name(letter), hex);
    else copy_bounded(line, sizeof line, hex);
    add_tparam(line);
}

void set_last(int level, int box, int node)
{
    last_box[level] = box;
    last_box_node[level] = node;
}

}  // namespace

int add_tree_box(int source, int line, int level, int name, int kind, int call_source, int call_line, int caller_line,
                 int mark)
{
    if (tree_box_call_num < tree_box_call_cap) {
        tree_box_calls[tree_box_call_num] = {source, line, level, name, kind, call_source, call_line, caller_line, mark};
    }
    ++tree_box_call_num;
    const int node = ++node_count;
    if (level < 0 || level >= tree_level_cap) {
        code_message(&level_shown, "★★★関数ツリーの階層(%d)が範囲外です、関数(%s)は追加しません★★★\r\n", level,
                     name_at(name));
        return node;
    }
    last_node[level] = node;
    const int parent_node = level == 0 ? -1 : last_node[level - 1];
    if (tbox_tbl != nullptr) {
        place_tree_box(node, level, parent_node, name, source, line, level_step, row_step, kind, call_source, call_line,
                       caller_line, mark);
    }
    return node;
}

int place_tree_box(int node, int level, int parent_node, int name, int source, int line, int x_step, int y_step,
                   int kind, int call_source, int call_line, int caller_line, int mark)
{
    if (level < 0 || level >= tree_level_cap) return -1;
    if (work_box < 0 && !set_up_placement()) return -1;
    int parent = work_box;
    if (level > 0) {
        parent = last_box[level - 1];
        if (parent < 0 || last_box_node[level - 1] != parent_node) {
            code_message(&parent_shown,
                         "E3333 異常発生 line(%d) funcname(%s) level(%d) omem[level-1](%d), nmem[level-1](%d) "
                         "parent(%d)\r\npp[].fname(%s)\r\n",
                         node, name_at(name), level, parent, last_box_node[level - 1], parent_node, func_name(parent));
            return -1;
        }
    }
    const int same = same_child(parent, level, name, source, line);
    if (same >= 0) {
        set_last(level, same, node);
        if (!tbox_tbl[same].mark) mark_tbox(same);
        return 0;
    }
    const int row = next_row(level);
    const char letter = box_letter(kind, line);
    const int x1 = x_step * level;
    const char *call_file = call_source >= 0 && call_source < snum ? SRCTBL[call_source] : "";
    const int box = add_tbox(x1, y_step * (2 * row + 2), x1 + box_width, y_step * (2 * row + 3), letter, name, source,
                             line, call_file, call_line, caller_line, mark);
    if (box < 0) return -1;
    ++row_count[level];
    add_box_param(box, name, letter, source, mark);
    if (add_tlink(parent, box, level == 0 ? "ANY" : "on_set") < 0) return -1;
    set_last(level, box, node);
    mark_tbox(box);
    return 0;
}

int add_tbox(int x1, int y1, int x2, int y2, char letter, int name, int source, int line, const char *call_file,
             int call_line, int caller_line, int mark)
{
    if (tbox_num >= tbox_cap) {
        code_message(&overflow_shown, "★★★E3939 関数がオーバしました(%d)★★★\r\n", tbox_num);
        return -1;
    }
    const char *text = name_at(name);
    const bool long_name = strlen(text) >= static_cast<size_t>(tree_name_long);
    const int box = tbox_num++;
    tbox_tbl[box] = tbox{x1, y1, x2, y2, long_name ? -1 : name, name, long_name ? 'H' : letter, 0,
                         static_cast<int16_t>(source), -1, line};
    write_fe_line(box, call_file, call_line, caller_line, mark, text);
    return box;
}

int add_tlink(int from, int to, const char *relation)
{
    if (tlink_num >= tlink_cap) {
        code_print("関数関係がオーバしました\r\n");
        return -1;
    }
    tlink &k = tlink_tbl[tlink_num];
    k.from = from;
    k.to = to;
    copy_bounded(k.name, sizeof k.name, relation);
    rtree_add_child(from, to);
    return tlink_num++;
}

int add_tparam(const char *text)
{
    if (tparam_num >= tparam_cap) return -1;
    const size_t n = strlen(text);
    if (static_cast<size_t>(tparam_len) + n + 2 > static_cast<size_t>(tparam_pool_size)) {
        tparam_tbl[tparam_num++] = "";
        code_message(&pool_full_shown, "★★★関数ツリーのパラメータ領域(%d)が一杯です、以降のパラメータは空になります★★★\r\n",
                     tparam_pool_size);
        pool_full_shown = tree_message_max;
        return -1;
    }
    char *line = tparam_pool + tparam_len;
    memcpy(line, text, n);
    line[n] = '\n';
    line[n + 1] = '\0';
    tparam_len += static_cast<int>(n) + 1;
    tparam_tbl[tparam_num++] = line;
    return 0;
}

const char *tbox_type_name(char letter)
{
    static const struct {
        char letter;
        const char *name;
    } types[] = {{'A', "ABOX"},  {'B', "BBOX"},    {'C', "COMMENT"}, {'G', "GBOX"}, {'H', "HBOX"}, {'Q', "QFONT"},
                 {'R', "RBOX"},  {'V', "VBUTTON"}, {'W', "WORK"},    {'X', "BOX"},  {'Y', "YBOX"}};
    for (const auto &t : types) {
        if (t.letter == letter) return t.name;
    }
    return "???";
}

int mark_tbox(int i)
{
    if (i < 0 || i >= tbox_num) return 1;
    tbox_tbl[i].mark = 1;
    int c = -1;
    while (rtree_next_child(&c, i) >= 0) {
        if (tbox_tbl[c].type == 'C') tbox_tbl[c].mark = 1;
    }
    return 0;
}

int ftree_alloc()
{
    ftree_free();
    work_box = -1;
    tbox_num = tlink_num = tparam_num = tparam_len = 0;
    overflow_shown = parent_shown = level_shown = pool_full_shown = 0;
    tbox_tbl = static_cast<tbox *>(malloc(sizeof(tbox) * tbox_cap));
    tlink_tbl = static_cast<tlink *>(malloc(sizeof(tlink) * tlink_cap));
    tparam_tbl = static_cast<const char **>(malloc(sizeof(char *) * tparam_cap));
    tparam_pool = static_cast<char *>(malloc(tparam_pool_size));
    if (tbox_tbl == nullptr || tlink_tbl == nullptr || tparam_tbl == nullptr || tparam_pool == nullptr) {
        ftree_free();
        return 1;
    }
    tparam_pool[0] = '\0';
    return 0;
}

int ftree_free()
{
    free(tbox_tbl);
    free(tlink_tbl);
    free(tparam_tbl);
    free(tparam_pool);
    tbox_tbl = nullptr;
    tlink_tbl = nullptr;
    tparam_tbl = nullptr;
    tparam_pool = nullptr;
    return 1;
}

int tree_level_reset()
{
    for (int &n : last_node) n = -1;
    node_count = 0;
    return 0;
}

int tree_place_rearm()
{
    work_box = -1;
    return 0;
}

int tree_box_calls_clear()
{
    tree_box_call_num = 0;
    return tree_level_reset();
}

int tree_box_reset()
{
    ftree_free();
    work_box = -1;
    tbox_num = tlink_num = tparam_num = tparam_len = 0;
    overflow_shown = parent_shown = level_shown = pool_full_shown = 0;
    for (int l = 0; l < tree_level_cap; ++l) row_count[l] = last_box[l] = last_box_node[l] = 0;
    return tree_box_calls_clear();
}
