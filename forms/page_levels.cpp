// Page levels of SOURCE and HTML forms: DETAIL and TAIL boxes open a page
// for their subtree, and boxes the root does not reach go on the last page.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "forms/formfile.h"
#include "forms/model.h"
#include "forms/para.h"
#include "forms/rtree.h"

namespace {

int find_root()
{
    for (int i = gen_range.first_box; i < gen_range.end_box; ++i) {
        const box_rec &b = box_table[i];
        if (strcmp(b.kind, "SOURCE") == 0) return i;
        if (strcmp(b.kind, "TAG") == 0 && strcmp(b.name, "html") == 0) return i;
    }
    return -1;
}

bool is_detail(int i) { return strcmp(box_table[i].kind, "DETAIL") == 0 || strcmp(box_table[i].kind, "TAIL") == 0; }

struct visit {
    int box, level;
    bool on;
};

void assign_levels(int root)
{
    std::vector<visit> todo{{root, 0, true}};
    while (!todo.empty()) {
        const visit v = todo.back();
        todo.pop_back();
        int level = v.level;
        bool on = v.on;
        if (!is_detail(v.box)) {
            box_level[v.box] = on ? level : -1;
        } else if (on) {
            char f[100];
            get_para(f, v.box, 2);
            const int flag = atoi(f);
            if (flag == 1) ++level;
            if (level > cur_level) cur_level = level;
            box_level[v.box] = level;
            on = flag != 0;
        } else {
            box_level[v.box] = -3;
        }
        for (int c = -1; rtree_next_child(&c, v.box) != -1;) todo.push_back({c, level, on});
    }
}

bool counts_as_unreached(int i)
{
    static const char *const skipped[] = {"HTML", "WORK", "z", "UNION", "COMMENT", "VBUTTON", "QFONT"};
    for (const char *k : skipped) {
        if (strcmp(box_table[i].kind, k) == 0) return false;
    }
    return true;
}

}  // namespace

int layout_source()
{
    cur_level = 0;
    const int first = gen_range.first_box < 0 ? 0 : gen_range.first_box;
    const int end = gen_range.end_box > box_cap ? box_cap : gen_range.end_box;
    const int root = find_root();
    if (root < 0) {
        for (int i = first; i < end; ++i) box_level[i] = cur_level;
        return -2;
    }
    for (int i = first; i < end; ++i) box_level[i] = -2;
    assign_levels(root);
    int result = -1;
    bool dumped = false;
    for (int i = first; i < end; ++i) {
        if (box_level[i] != -2) continue;
        box_level[i] = cur_level;
        if (!counts_as_unreached(i)) continue;
        if (!dumped) form_stack_dump();
        dumped = true;
        result = i;
    }
    return result;
}

int form_recalc_keep_levels()
{
    static int saved[box_cap];
    memcpy(saved, box_level, sizeof saved);
    const int level = cur_level;
    const int r = form_recalc();
    cur_level = level;
    memcpy(box_level, saved, sizeof saved);
    return r;
}
