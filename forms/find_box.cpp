// Find by name and the current-box panels.  The searches test roots,
// parents and children through flags that one pass over the current links
// fills per step, so a step stays linear in the size of the form.
#include "forms/find_box.h"

#include <cstdlib>
#include <cstring>

#include "forms/form_state.h"
#include "forms/kinds.h"
#include "forms/model.h"
#include "forms/para.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "shell/words.h"

find_series_rec find_series;

namespace {

const char default_title[] = "[ﾌｫｰﾑ]Ornak.C言語作図ソフト";
const int list_child_cap = 1000;  // item-kind children listed by y; more are left out
const int page_step_w = 130;      // the scroll step
const int page_step_h = 26;

// Per-box link flags of the current form, filled by fill_flags.
enum {
    flag_caller = 1,  // has an on_set child that is not a COMMENT
    flag_called = 2,  // is the on_set child of a box that is not a COMMENT
    flag_entered = 4, // a link other than ANY enters it
};
unsigned char box_flags[box_cap];

bool is(const char *a, const char *b) { return strcmp(a, b) == 0; }

void fill_flags()
{
    for (int i = form_sta; i < form_num; ++i) box_flags[i] = 0;
    for (int r = l_sta; r < l_num; ++r) {
        const link_rec &k = link_table[r];
        if (!in_form(k.from) || !in_form(k.to)) continue;
        if (!is(k.name, "ANY")) box_flags[k.to] |= flag_entered;
        if (!is(k.name, "on_set")) continue;
        if (!is(box_table[k.to].kind, "COMMENT")) box_flags[k.from] |= flag_caller;
        if (!is(box_table[k.from].kind, "COMMENT")) box_flags[k.to] |= flag_called;
    }
}

bool is_child_link(const char *name) { return is(name, "on_set") || has_prefix(name, "no_set") == 0 || is(name, "ANY"); }

bool is_item_box(int i) { return not_item_kind(box_table[i].kind) == 0; }

bool named(int i, const char *name) { return is(box_display_name(i), name); }

// What a "next" search wants of a box.
bool wanted(int i, const char *name, int mode)
{
    switch (mode) {
    case find_next_caller: return named(i, name) && (box_flags[i] & flag_caller) != 0;
    case find_next_called: return named(i, name) && (box_flags[i] & flag_called) != 0;
    case find_next_root: return named(i, name) && (box_flags[i] & flag_entered) == 0;
    case find_next_root_any: return (box_flags[i] & flag_entered) == 0 && !is_new_box_kind(box_table[i].kind);
    default: return false;
    }
}

// The boxes after the current one, then from the form's first box up to it.
int search_next(const char *name, int mode)
{
    fill_flags();
    if (!in_form(cur_box)) {
        for (int i = form_sta; i < form_num; ++i)
            if (wanted(i, name, mode)) return i;
        return -1;
    }
    for (int i = cur_box + 1; i < form_num; ++i)
        if (wanted(i, name, mode)) return i;
    for (int i = form_sta; i < cur_box; ++i)
        if (wanted(i, name, mode)) return i;
    return -1;
}

int search_first(const char *name)
{
    fill_flags();
    for (int i = form_sta; i < form_num; ++i)
        if (named(i, name) && (box_flags[i] & flag_caller) != 0) return i;
    for (int i = form_sta; i < form_num; ++i)
        if (named(i, name)) return i;
    return -1;
}

int search_index(const char *name)
{
    const char *p = name;
    const bool bracket = *p == '[';
    if (bracket) ++p;
    if (*p < '0' || *p > '9') return -1;
    long n = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        n = n * 10 + (*p - '0');
        if (n > box_cap) return -1;
    }
    if (bracket && *p++ != ']') return -1;
    if (*p != '\0' || n >= form_num - form_sta) return -1;
    return form_sta + static_cast<int>(n);
}

int search_child(const char *name, int *link)
{
    if (!in_form(cur_box)) return -1;
    const bool item = is_item_box(cur_box);
    for (int r = l_sta; r < l_num; ++r) {
        const link_rec &k = link_table[r];
        if (k.from != cur_box || !in_form(k.to) || !is_child_link(k.name)) continue;
        if (item ? is(item_field(k.to, 0), name) : named(k.to, name)) {
            *link = r;
            return k.to;
        }
    }
    return -1;
}

// Appends text to the target list, as "%s/%d" with 2, 3, ... when it is there already.
void add_unique(win_handle list, const char *text)
{
    char item[300];
    copy_bounded(item, sizeof item, text);
    for (int n = 2; n <= 1000 && send_msg(list, CB_FINDSTRINGEXACT, static_cast<uintptr_t>(-1), reinterpret_cast<intptr_t>(item)) >= 0; ++n)
        format_text(item, sizeof item, "%s/%d", text, n);
    send_msg(list, CB_INSERTSTRING, static_cast<uintptr_t>(-1), reinterpret_cast<intptr_t>(item));
}

int search_parent(int *link)
{
    if (!in_form(cur_box)) return -1;
    int parents = 0, only = -1;
    for (int r = l_sta; r < l_num; ++r) {
        const link_rec &k = link_table[r];
        if (k.to != cur_box || !in_form(k.from) || is(k.name, "ANY")) continue;
        ++parents;
        only = r;
    }
    if (parents == 0) return -1;
    if (parents == 1) {
        *link = only;
        return link_table[only].from;
    }
    const win_handle field = target_field_handle();
    char text[1000] = "";
    send_msg(field, WM_GETTEXT, sizeof text, reinterpret_cast<intptr_t>(text));
    trim_blanks(text);
    int want = 1;
    char *slash = strrchr(text, '/');
    if (slash != nullptr && slash[1] >= '0' && slash[1] <= '9') {
        want = atoi(slash + 1);
        *slash = '\0';
    }
    if (text[0] != '\0') {
        int seen = 0;
        for (int r = l_sta; r < l_num; ++r) {
            const link_rec &k = link_table[r];
            if (k.to != cur_box || !in_form(k.from) || is(k.name, "ANY") || !named(k.from, text)) continue;
            if (++seen == want) {
                *link = r;
                return k.from;
            }
        }
    }
    send_msg(field, CB_RESETCONTENT, 0, 0);
    for (int r = l_sta; r < l_num; ++r) {
        const link_rec &k = link_table[r];
        if (k.to == cur_box && in_form(k.from) && !is(k.name, "ANY")) add_unique(field, box_display_name(k.from));
    }
    return -1;
}

bool form_has_place_kind()
{
    for (int i = form_sta; i < form_num; ++i)
        if (is(box_table[i].kind, "PROJ") || is(box_table[i].kind, "WORK") || is(box_table[i].kind, "HTML")) return true;
    return false;
}

// v moved by whole steps into 1..step.
int into_page(int v, int step) { return ((v - 1) % step + step) % step + 1; }

void count_series(int mode)
{
    if (mode >= 0) return;
    if (mode == find_series.mode) {
        find_series.count = cur_box == find_series.first ? 1 : find_series.count + 1;
    } else {
        find_series.count = 1;
        find_series.mode = mode;
        find_series.first = cur_box;
    }
    char text[20];
    format_text(text, sizeof text, "%d", find_series.count);
    if (form_hooks.show_counter != nullptr) form_hooks.show_counter(text);
}

void scroll_by(int dx, int dy)
{
    scroll_org.x += dx;
    scroll_org.y += dy;
    shift_form(dx, dy);
}

void push_history()
{
    if (find_history_num >= find_history_cap) {
        memmove(find_history, find_history + 1, sizeof find_history[0] * (find_history_cap - 1));
        --find_history_num;
    }
    find_history[find_history_num++] = {scroll_org.x, scroll_org.y, cur_box, cur_link};
}

int go_back(int mode)
{
    if (find_history_num <= 0) return 0;
    const find_history_rec row = find_history[--find_history_num];
    if (cur_box >= 0) commit_prop_value();
    cur_box = row.box;
    cur_link = row.link;
    const int dx = row.scroll_x - scroll_org.x, dy = row.scroll_y - scroll_org.y;
    count_series(mode);
    scroll_by(dx, dy);
    return 1;
}

int go_to(int target, int link, int mode)
{
    int w = 0, h = 0;
    host_client_size(hwndO, &w, &h);
    const box_rec &b = box_table[target];
    int nx = b.x, ny = b.y;
    if (form_has_place_kind() && (b.x < 1 || b.endx >= w || b.y < 1 || b.endy >= h)) {
        const int half_w = w / page_step_w / 2 * page_step_w, half_h = h / page_step_h / 2 * page_step_h;
        nx = into_page(b.x, half_w > 0 ? half_w : page_step_w);
        ny = into_page(b.y, half_h > 0 ? half_h : page_step_h);
    }
    const int dx = nx - b.x, dy = ny - b.y;
    if (target == cur_box && dx == 0 && dy == 0) return 1;
    push_history();
    if (cur_box >= 0) commit_prop_value();
    cur_box = target;
    if (link != -2) cur_link = link;
    count_series(mode);
    scroll_by(dx, dy);
    return 1;
}

void set_text(win_handle control, const char *text) { send_msg(control, WM_SETTEXT, 0, reinterpret_cast<intptr_t>(text)); }

void add_item(win_handle field, const char *text)
{
    send_msg(field, CB_INSERTSTRING, static_cast<uintptr_t>(-1), reinterpret_cast<intptr_t>(text));
}

void field_cut(int i, int k, char *out, int size)
{
    get_para(out, size, i, k);
    cut_quote(out);
}

bool is_code_kind(const char *kind)
{
    return is(kind, "PROC") || is(kind, "WM") || is(kind, "ID") || is(kind, "DEFAULT") || is(kind, "AREA") ||
           case_no(kind) >= 0;
}

const char *tree_legend(const char *kind, bool header)
{
    static const struct {
        const char *kind, *function, *header;
    } legends[] = {
        {"BOX", "ユニーク関数", "ユニークヘッダー"},
        {"RBOX", "再帰関数", "再帰ヘッダー"},
        {"GBOX", "重複名関数", "重複名ヘッダー"},
        {"BBOX", "マクロ又は外部関数又は変数", "外部ヘッダー又は変数"},
        {"YBOX", "下位関数省略関数", "下位ヘッダー省略ヘッダー"},
        {"ABOX", "関数ポインタ引数又は引数参照", "関数ポインタ引数又は引数参照"},
    };
    for (const auto &l : legends)
        if (is(kind, l.kind)) return header ? l.header : l.function;
    return nullptr;
}

struct child_row {
    int y, box;
};
child_row child_rows[list_child_cap];

int by_y(const void *a, const void *b)
{
    const child_row &p = *static_cast<const child_row *>(a);
    const child_row &q = *static_cast<const child_row *>(b);
    if (p.y != q.y) return p.y < q.y ? -1 : 1;
    return p.box < q.box ? -1 : p.box > q.box ? 1 : 0;
}

}  // namespace

int find_series_reset()
{
    find_series = {-99, 0, -1};
    return 0;
}

int find_box_reset()
{
    find_history_num = 0;
    return find_series_reset();
}

int find_box_by_name(const char *name_in, int mode)
{
    if (mode == find_back) return go_back(mode);
    char name[256];  // the searches overwrite box_display_name's buffer, which may be name_in
    copy_bounded(name, sizeof name, name_in);
    int target = -1, link = -2;  // link -2: the current link stays
    switch (mode) {
    case find_by_index:
        target = search_index(name);
        link = -1;
        break;
    case find_parent: target = search_parent(&link); break;
    case find_first: target = search_first(name); break;
    case find_child: target = search_child(name, &link); break;
    case find_next_caller:
    case find_next_called:
    case find_next_root:
    case find_next_root_any: target = search_next(name, mode); break;
    default: return 0;
    }
    if (target < 0) return 0;
    return go_to(target, link, mode);
}

int form_title_text(char *out, int size)
{
    char t[256] = "";
    for (int i = form_sta; i < form_num; ++i) {
        const char *k = box_table[i].kind;
        if (is(k, "PROJ") || is(k, "APP") || is(k, "FORM") || is(k, "WORK") || is(k, "SMENU") || is(k, "HTML")) {
            field_cut(i, 1, t, sizeof t);  // a quoted title shows without its quotes
            break;
        }
    }
    if (t[0] == '\0') copy_bounded(t, sizeof t, default_title);
    if (!in_form(cur_box)) {
        copy_bounded(out, size, t);
        return 0;
    }
    const box_rec &b = box_table[cur_box];
    char f0[256], f1[256];
    field_cut(cur_box, 0, f0, sizeof f0);
    if (is_code_kind(b.kind)) {
        format_text(out, size, "%s[%s]", f0, is(b.kind, "DEFAULT") ? "default" : b.name);
        return 0;
    }
    const bool attr_tag = is(b.kind, "TAG") && form_hooks.is_attr_word != nullptr && form_hooks.is_attr_word(b.name) != 0;
    if (is(b.kind, "UNION") || is(b.kind, "VBUTTON") || is(b.kind, "COMMENT") || is(b.kind, "SOURCE") || attr_tag) {
        field_cut(cur_box, 1, f1, sizeof f1);
        format_text(out, size, "%s[%s]", f1, f0);
    } else {
        format_text(out, size, "%s[%s]", t, f0);
    }
    return 0;
}

int form_title(win_handle control)
{
    char title[600];
    form_title_text(title, sizeof title);
    set_text(control, title);
    return 0;
}

int box_legend(int i, char *out, int size)
{
    if (size > 0) out[0] = '\0';
    if (!in_form(i)) return 0;
    const box_rec &b = box_table[i];
    char l[256] = "", r[256] = "";
    if (is_code_kind(b.kind)) {
        field_cut(i, 0, l, sizeof l);
        if (is(b.kind, "DEFAULT")) copy_bounded(r, sizeof r, "default");
        else if (is(b.kind, "PROC")) field_cut(i, 1, r, sizeof r);
        else copy_bounded(r, sizeof r, b.name);
    } else if (!is_user_kind(b.kind) || is(b.kind, "HBOX")) {
        char k[100], n[256];
        if (is(b.kind, "HBOX")) {
            get_para(k, i, 1);
            get_para(n, i, 0);
            field_cut(i, 2, r, sizeof r);
        } else {
            copy_bounded(k, sizeof k, b.kind);
            copy_bounded(n, sizeof n, b.name);
            field_cut(i, 0, r, sizeof r);
        }
        if (form_hooks.expand_name != nullptr) form_hooks.expand_name(r, sizeof r);
        const char *legend = tree_legend(k, strchr(n, '.') != nullptr);
        if (legend != nullptr) copy_bounded(l, sizeof l, legend);
        else format_text(l, sizeof l, "?(%s)", k);
    } else {
        field_cut(i, 1, l, sizeof l);
        if (is(b.kind, "ITEM")) copy_bounded(r, sizeof r, b.name);
        else field_cut(i, is(b.kind, "BDATA") ? 4 : 0, r, sizeof r);
    }
    format_text(out, size, "(%d) %s[%s]", i - form_sta, l, r);
    return 0;
}

int list_on_set_names(win_handle field)
{
    send_msg(field, CB_RESETCONTENT, 0, 0);
    if (!in_form(cur_box)) return 0;
    if (is_item_box(cur_box)) {
        int n = 0;
        for (int r = l_sta; r < l_num && n < list_child_cap; ++r) {
            const link_rec &k = link_table[r];
            if (k.from == cur_box && in_form(k.to) && is_child_link(k.name)) child_rows[n++] = {box_table[k.to].y, k.to};
        }
        qsort(child_rows, static_cast<size_t>(n), sizeof child_rows[0], by_y);
        for (int c = 0; c < n; ++c) {
            const char *f0 = item_field(child_rows[c].box, 0);
            if (f0[0] != '\0') add_item(field, f0);
        }
        return 0;
    }
    for (int r = l_sta; r < l_num; ++r) {
        const link_rec &k = link_table[r];
        if (k.from != cur_box || !in_form(k.to) || !is_child_link(k.name)) continue;
        const char *name = box_display_name(k.to);
        if (name[0] != '\0') add_item(field, name);
    }
    return 0;
}

int key_for_def(win_handle field)
{
    send_msg(field, CB_RESETCONTENT, 0, 0);
    if (!in_form(cur_box)) return 0;
    const box_rec &b = box_table[cur_box];
    char f0[256] = "";
    if (is(b.kind, "WIDGET") || is(b.kind, "HBOX")) field_cut(cur_box, 0, f0, sizeof f0);
    set_text(field, f0[0] != '\0' ? f0 : b.name[0] != '\0' ? b.name : b.kind);
    return 0;
}

int key_for_refs(win_handle field)
{
    send_msg(field, CB_RESETCONTENT, 0, 0);
    if (!in_form(cur_box)) return 0;
    const box_rec &b = box_table[cur_box];
    char f0[256];
    field_cut(cur_box, 0, f0, sizeof f0);
    if (!is(b.kind, "WIDGET")) {
        if (is(b.kind, "HBOX")) {
            set_text(field, f0);
            return 1;
        }
        set_text(field, b.name[0] != '\0' ? b.name : b.kind);
        return b.name[0] != '\0' ? 1 : 0;
    }
    if (f0[0] == '\0') return 0;
    const char *parent = nullptr;
    for (int r = l_sta; r < l_num && parent == nullptr; ++r)
        if (link_table[r].to == cur_box && in_form(link_table[r].from) && is(link_table[r].name, "on_set"))
            parent = box_table[link_table[r].from].name;
    char text[600];
    if (b.name[0] != '\0') format_text(text, sizeof text, "%s = new %s(%s", b.name, f0, parent != nullptr ? parent : "");
    else format_text(text, sizeof text, "new %s(%s", f0, parent != nullptr ? parent : "");
    set_text(field, text);
    return 0;
}

int box_to_fields(win_handle category, win_handle target)
{
    send_msg(target, CB_RESETCONTENT, 0, 0);
    if (!in_form(cur_box)) return 0;
    const box_rec &b = box_table[cur_box];
    if (b.kind[0] != '\0') set_text(category, b.kind);
    set_text(target, b.name);
    if (b.name[0] != '\0') add_item(target, b.name);
    if (b.kind[0] != '\0') add_item(target, b.kind);
    return 0;
}

int set_two_texts(win_handle c1, win_handle c2, const char *t1, const char *t2)
{
    if (t1 != nullptr) set_text(c1, t1);
    if (t2 != nullptr) set_text(c2, t2);
    return 0;
}

const char *box_display_name(int i)
{
    static char name[256];
    name[0] = '\0';
    if (i < 0 || i >= box_cap) return name;
    if (is(box_table[i].kind, "HBOX")) field_cut(i, 0, name, sizeof name);
    else copy_bounded(name, sizeof name, box_table[i].name);
    return name;
}

void item_field_into(int i, int k, char *out, int size)
{
    field_cut(i, k, out, size);
    if (is(out, "OMIT") && size > 0) out[0] = '\0';
}

const char *item_field(int i, int k)
{
    static char text[512];
    item_field_into(i, k, text, sizeof text);
    return text;
}

int is_new_box_kind(const char *kind) { return kind_in(kind, new_box_kinds) ? 1 : 0; }

int under_work_link()
{
    if (!in_form(cur_box)) return 0;
    for (int r = l_sta; r < l_num; ++r) {
        const link_rec &k = link_table[r];
        if (k.to == cur_box && in_form(k.from) && is(k.name, "ANY") && is(box_table[k.from].kind, "WORK")) return 1;
    }
    return 0;
}
