// Link operations of the form model: adding, toggling relations between two
// boxes, relations from a combo box, compaction and the link order.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "forms/model.h"
#include "shell/relations_question.h"
#include "shell/text.h"

namespace {

bool joins(const link_rec &k, int a, int b) { return k.from == a && k.to == b; }

bool ab_carries(int a, int b, const char *name, int end)
{
    for (int r = l_sta; r < end; ++r) {
        if (joins(link_table[r], a, b) && strcmp(link_table[r].name, name) == 0) return true;
    }
    return false;
}

void append_link(int at, int from, int to, const char *name)
{
    link_table[at].from = from;
    link_table[at].to = to;
    copy_bounded(link_table[at].name, sizeof link_table[at].name, name);
}

bool link_less(const link_rec &p, const link_rec &q)
{
    if (p.from != q.from) return p.from < q.from;
    const int c = strcmp(p.name, q.name);
    if (c != 0) return c < 0;
    return p.to < q.to;
}

}  // namespace

int add_link(int from, int to, const char *name, win_handle window)
{
    if (l_num >= link_cap || !in_form(from) || !in_form(to)) return -1;
    int result = -1;
    if (name[0] != '\0') {
        result = l_num;
        append_link(l_num, from, to, name);
        cur_link = l_num;
        ++l_num;
        sort_links();
    } else {
        host_beep();
    }
    host_redraw(window, form_redraw_flags);
    return result;
}

int relate_boxes(int a, int b, const char *name, win_handle window, win_handle list)
{
    if (a == b) return -1;
    host_list_reset(list);
    int result = -1;
    bool found_ab = false, marked = false;
    for (int r = l_sta; r < l_num; ++r) {
        link_rec &k = link_table[r];
        if (joins(k, b, a)) {
            if (name[0] != '\0' && strcmp(name, k.name) != 0) {
                host_list_add(list, k.name);
                continue;
            }
            if (!marked && name[0] == '\0' && !confirm_delete_relations(window)) {
                result = 0;
                break;
            }
            k.from = -1;
            cur_link = -1;
            result = -2;
            marked = true;
        } else if (joins(k, a, b)) {
            cur_link = r;
            found_ab = true;
            host_list_add(list, k.name);
            if (strcmp(k.name, name) == 0) result = 1;
        }
    }
    if (result == -1 && name[0] != '\0') host_list_add(list, name);
    if (marked) compact_links();
    if (result != -1 || (found_ab && name[0] == '\0')) host_redraw(window, form_redraw_flags);
    if (result == -1 && found_ab && name[0] == '\0') return 1;
    return result;
}

int unrelate_pair(int a, int b, const char *name, win_handle window, win_handle edit)
{
    (void)name;
    if (a == b) return -1;
    int result = -1;
    for (int r = l_sta; r < l_num; ++r) {
        link_rec &k = link_table[r];
        if (joins(k, b, a)) {
            k.from = -1;
            cur_link = -1;
            result = -2;
        } else if (joins(k, a, b)) {
            cur_link = r;
            result = -1;
            break;
        }
    }
    compact_links();
    host_set_edit_text(edit, "");
    host_redraw(window, form_redraw_flags);
    return result;
}

int add_links_from_list(int a, int b, win_handle list, win_handle window)
{
    const int n = host_list_count(list);
    std::vector<std::string> items;
    char text[name_size];
    for (int i = 0; i < n; ++i) {
        host_list_text(list, i, text, sizeof text);
        items.push_back(text);
    }
    for (int r = l_sta; r < l_num; ++r) {
        const link_rec &k = link_table[r];
        if (joins(k, a, b) && std::find(items.begin(), items.end(), k.name) == items.end()) host_list_add(list, k.name);
    }
    if (n < 1) return 0;
    int end = l_num;
    for (const std::string &t : items) {
        if (end >= link_cap) break;
        if (t.empty() || ab_carries(a, b, t.c_str(), end)) {
            host_beep();
            continue;
        }
        append_link(end++, a, b, t.c_str());
    }
    l_num = end;
    for (int r = l_sta; r < l_num; ++r) {
        if (joins(link_table[r], a, b)) {
            cur_link = r;
            break;
        }
    }
    sort_links();
    host_redraw(window, form_redraw_flags);
    return 0;
}

void compact_links()
{
    int w = l_sta;
    for (int r = l_sta; r < l_num; ++r) {
        if (link_table[r].from == -1) {
            if (cur_link == r) cur_link = -1;
            continue;
        }
        if (w != r) {
            link_table[w] = link_table[r];
            if (cur_link == r) cur_link = w;
        }
        ++w;
    }
    l_num = w;
}

void clear_links()
{
    l_num = l_sta;
    cur_link = -1;
}

void sort_links()
{
    const int n = l_num - l_sta;
    if (n < 2) return;
    std::vector<int> order(n);
    for (int i = 0; i < n; ++i) order[i] = l_sta + i;
    std::stable_sort(order.begin(), order.end(),
                     [](int p, int q) { return link_less(link_table[p], link_table[q]); });
    std::vector<link_rec> rows(n);
    int moved_cur = cur_link;
    for (int i = 0; i < n; ++i) {
        rows[i] = link_table[order[i]];
        if (order[i] == cur_link) moved_cur = l_sta + i;
    }
    std::copy(rows.begin(), rows.end(), link_table + l_sta);
    cur_link = moved_cur;
}

void swap_links(int i, int j)
{
    std::swap(link_table[i], link_table[j]);
    if (cur_link == i) cur_link = j;
    else if (cur_link == j) cur_link = i;
}
