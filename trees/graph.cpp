// The RELATION graph's tables, their edits and the ".cpg" writer.  Deleting
// keeps the row (x, y or from, to become -1), so later rows keep their
// numbers in the tables and in the file.
#include "trees/graph.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell/host.h"
#include "shell/msgbox.h"
#include "shell/sysfile.h"
#include "shell/text.h"

graph_node graph_nodes[graph_node_max];
int graph_node_num;
graph_link graph_links[graph_link_max];
int graph_link_num;

namespace {

constexpr int relation_screen = 5;  // the RELATION screen's number for its boxes

bool is_node(int n) { return n >= 0 && n < graph_node_num && graph_nodes[n].x >= 0; }

bool is_link(int l) { return l >= 0 && l < graph_link_num && graph_links[l].from >= 0; }

bool near(int a, int b, int tol) { return abs(a - b) <= tol; }

void write_row(FILE *fp, int a, int b, const char *kind, const char *name)
{
    fprintf(fp, "%8d %8d %-4s %s\n", a, b, kind, name);
}

void write_rows(FILE *fp)
{
    fputs("#F1\n", fp);
    for (int n = 0; n < graph_node_num; ++n) {
        const graph_node &d = graph_nodes[n];
        if (d.x < 0) write_row(fp, -1, -1, "", "");
        else write_row(fp, d.x, d.y, d.kind, d.name);
    }
    fputs("#L1\n", fp);
    for (int l = 0; l < graph_link_num; ++l) {
        const graph_link &k = graph_links[l];
        if (k.from < 0) write_row(fp, -1, -1, "", "");
        else write_row(fp, k.from, k.to, k.kind, k.name);
    }
}

}  // namespace

void graph_reset()
{
    graph_node_num = 0;
    graph_link_num = 0;
}

int graph_node_at(int x, int y, int tol)
{
    for (int n = 0; n < graph_node_num; ++n) {
        if (is_node(n) && near(graph_nodes[n].x, x, tol) && near(graph_nodes[n].y, y, tol)) return n;
    }
    return -1;
}

int graph_link_at(int x, int y, int tol)
{
    for (int l = 0; l < graph_link_num; ++l) {
        if (!is_link(l)) continue;
        const graph_node &a = graph_nodes[graph_links[l].from];
        const graph_node &b = graph_nodes[graph_links[l].to];
        if (near((a.x + b.x) / 2, x, tol) && near((a.y + b.y) / 2, y, tol)) return l;
    }
    return -1;
}

int graph_add_node(int x, int y)
{
    if (graph_node_num >= graph_node_max) return -1;
    graph_node &d = graph_nodes[graph_node_num];
    d = graph_node{};
    d.x = x;
    d.y = y;
    return graph_node_num++;
}

int graph_add_link(int a, int b, const char *name)
{
    if (!is_node(a) || !is_node(b) || a == b || graph_find_link(a, b) >= 0 || graph_link_num >= graph_link_max) {
        return -1;
    }
    graph_link &k = graph_links[graph_link_num];
    k = graph_link{};
    k.from = a;
    k.to = b;
    copy_bounded(k.name, sizeof k.name, name);
    return graph_link_num++;
}

void graph_delete_node(int n)
{
    if (n < 0 || n >= graph_node_max) return;
    graph_nodes[n].x = -1;
    graph_nodes[n].y = -1;
    graph_nodes[n].name[0] = '\0';
    for (int l = 0; l < graph_link_num; ++l) {
        graph_link &k = graph_links[l];
        if (k.from == n || k.to == n) {
            k.from = -1;
            k.to = -1;
        }
    }
}

void graph_merge_node(int a, int b)
{
    for (int l = 0; l < graph_link_num; ++l) {
        graph_link &k = graph_links[l];
        if (k.from == a) k.from = b;
        if (k.to == a) k.to = b;
    }
    graph_delete_node(a);
}

int graph_find_link(int a, int b)
{
    if (a == b) return -1;
    for (int l = 0; l < graph_link_num; ++l) {
        const graph_link &k = graph_links[l];
        if ((k.from == a && k.to == b) || (k.from == b && k.to == a)) return l;
    }
    return -1;
}

void graph_delete_link(int l)
{
    if (l < 0 || l >= graph_link_num) return;
    graph_links[l].from = -1;
    graph_links[l].to = -1;
    graph_links[l].name[0] = '\0';
}

int graph_name_node(int n, const char *file_name)
{
    if (!is_node(n)) return 1;
    char name[1000];
    copy_bounded(name, sizeof name, file_name);
    cut_extension(name);
    copy_bounded(graph_nodes[n].name, sizeof graph_nodes[n].name, name);
    return 0;
}

int graph_name_link(int l, const char *name)
{
    if (!is_link(l)) return 1;
    copy_bounded(graph_links[l].name, sizeof graph_links[l].name, name);
    return 0;
}

int graph_move_node(int n, int x, int y)
{
    if (!is_node(n)) return 1;
    graph_nodes[n].x = x;
    graph_nodes[n].y = y;
    return 0;
}

int graph_press(int x, int y, int *added)
{
    *added = 0;
    const int n = graph_node_at(x, y, graph_press_tol);
    if (n >= 0) return n;
    const int made = graph_add_node(x, y);
    *added = made >= 0 ? 1 : 0;
    return made;
}

graph_drag graph_release(int press_x, int press_y, int x, int y)
{
    graph_drag d{graph_drag_none, graph_node_at(press_x, press_y, graph_press_tol), -1, -1};
    if (d.a < 0) return d;
    d.b = graph_node_at(x, y, graph_press_tol);
    if (d.b < 0) d.kind = graph_drag_move;
    else if (d.b == d.a) d.kind = graph_drag_ask_node;
    else {
        d.link = graph_find_link(d.a, d.b);
        d.kind = d.link >= 0 ? graph_drag_ask_link : graph_drag_merge;
    }
    return d;
}

graph_pen graph_pen_of(const char *kind, graph_pen previous)
{
    static const struct {
        char letter;
        unsigned colour;
    } colours[] = {{'D', 0x000000}, {'R', 0x0000ff}, {'G', 0x00ff00}, {'B', 0xff0000}};
    for (const auto &c : colours) {
        if (kind[0] != c.letter) continue;
        const char s = kind[1];
        return graph_pen{c.colour, s == 'S' ? graph_line_solid : s == 'A' ? graph_line_dash : graph_line_dot};
    }
    return previous;
}

bool graph_shows_name(const char *name) { return name[0] != '\0' && strcmp(name, ".") != 0; }

int graph_write(const char *name)
{
    char temp[1024];
    FILE *fp = nullptr;
    if (format_text(temp, sizeof temp, "%s.$$$", name) == 0) fp = sys_fopen(temp, "w");
    bool ok = fp != nullptr;
    if (ok) {
        write_rows(fp);
        ok = ferror(fp) == 0;
        ok = fclose(fp) == 0 && ok;
        ok = ok && host_rename_over(temp, name) == 0;
        if (!ok) sys_remove(temp);
    }
    if (ok) return 0;
    error_boxf(relation_screen, "ファイル(%s)をオープン出来ません", name);
    return 1;
}
