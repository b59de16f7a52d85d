// The X/Motif widget writers.  The tree is the form's child_tree (its
// "on_set" links); a box that is not created hands its parent on to its
// children.  Action links (child lists, callbacks, event handlers) are
// collected once, so the creation function and the callback procedure
// number them alike.
#include "generators/gen_xwidgets.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/kinds.h"
#include "forms/matcher.h"
#include "forms/para.h"
#include "forms/rtree.h"
#include "forms/xwindow.h"
#include "generators/defs.h"
#include "generators/xdisplay.h"
#include "shell/dirs.h"
#include "shell/sjis.h"
#include "shell/text.h"

int x_first[box_cap];

namespace {

const char *const x_keywords[] = {"FORM", "REPEAT", "SET", "ANY", "MSG", "JOIN", "MAP", "FONT",
                                  "BRUSH", "WORK", "OBJECT", "HBRUSH", "INT", "LONG", "VARIABLE", "POSI", ""};

bool named(int i) { return box_table[i].name[0] != '\0'; }
bool is_kind(int i, const char *kind) { return strcmp(box_table[i].kind, kind) == 0; }

// The kind as the widget-class table knows it.
const char *class_kind(int i) { return is_kind(i, "SCRBAR") ? "SCROLLBAR" : box_table[i].kind; }

// A user object: neither a widget class, a control kind nor reserved.
bool is_user_object(int i)
{
    return !is_widget_class(box_table[i].kind) && is_control_box(i) == 0 && is_reserved_kind(i) == 0;
}

// ---- the argument list --------------------------------------------------------

struct member {
    std::string name, value;
};

// The member names of each kind's structure file read in this generation
// (a missing file: no entry in the list, kept as missing).
std::unordered_map<std::string, std::vector<std::string>> member_cache;
std::unordered_map<std::string, bool> member_file_found;

// The member names of kind's structure file; false when the file is missing.
bool kind_members(const char *kind, const std::vector<std::string> **names)
{
    const auto known = member_file_found.find(kind);
    if (known != member_file_found.end()) {
        *names = &member_cache[kind];
        return known->second;
    }
    std::vector<std::string> &list = member_cache[kind];
    *names = &list;
    char name[100];
    FILE *fp = format_text(name, sizeof name, "%s.s", kind) == 0 ? dir_fopen(name, "r") : nullptr;
    member_file_found[kind] = fp != nullptr;
    if (fp == nullptr) return false;
    set_delims("={,};\t\r\n ");
    char line[102];
    while (read_whole_line(line, sizeof line, fp) != nullptr) {
        const char *cap[4];
        if (match_pattern(line, "0bstructb&S&0b{", nullptr, cap) != nullptr) continue;
        if (match_pattern(line, "0bstructb&S&b&S&0b=0b{", nullptr, cap) != nullptr) continue;
        if (match_pattern(line, "0b&S&b&S&0b;", nullptr, cap) == nullptr) continue;
        list.emplace_back(cap[2], static_cast<size_t>(cap[3] - cap[2]));
    }
    fclose(fp);
    return true;
}

// The fields of box i's parameter line, split by the parameter text's field
// rule in one pass over the line (get_para finds the line anew per field).
std::vector<std::string> box_fields(int i)
{
    std::vector<std::string> fields;
    int start = 0, end = 0;
    if (para_line_span(i, &start, &end) != 0) return fields;
    const char *p = para_buf + start;
    auto line_end = [](char c) { return c == '\n' || c == '\0'; };
    for (;;) {
        while (*p == ' ' || *p == '\t') ++p;
        if (line_end(*p)) return fields;
        const char *f = p;
        if (*p != '"') {
            while (!line_end(*p) && *p != ' ' && *p != '\t') ++p;
        } else {
            for (++p; !line_end(*p);) {
                if (*p == '"') {
                    ++p;
                    break;
                }
                p += (*p == '\\' || is_kanji1(static_cast<unsigned char>(*p))) && !line_end(p[1]) ? 2 : 1;
            }
        }
        char field[gen_line_size];
        copy_span(field, sizeof field, f, static_cast<size_t>(p - f));
        fields.emplace_back(field);
    }
}

// The members of box i's structure file with the box's fields as values.
void read_members(int i, std::vector<member> *out)
{
    const std::vector<std::string> *names = nullptr;
    kind_members(box_table[i].kind, &names);
    const std::vector<std::string> fields = box_fields(i);
    for (size_t k = 0; k < names->size(); ++k) out->push_back({(*names)[k], k < fields.size() ? fields[k] : ""});
}

bool no_value(const std::string &v) { return v.empty() || v == "omit"; }
bool is_numeric(const std::string &v) { return !v.empty() && (isdigit(static_cast<unsigned char>(v[0])) || v[0] == '+' || v[0] == '-'); }

// The string argument line, written before the widget; true when written.
bool write_string_arg(gen_file *out, int box, const char *prefix, const std::vector<member> &members)
{
    std::string text, charset;
    for (const member &m : members) {
        if (no_value(m.value)) continue;
        if (m.name == "CharSet") charset = m.value;
        else if (text.empty() && xstring_is('S', m.name.c_str()) != 0) text = m.value;
    }
    if (text.empty()) return false;
    if (text[0] != '"') text = "\"" + text + "\"";
    const char *var = xstring_text('V'), *fn = xstring_text('G');
    if (charset.empty()) gen_put(out, box, "%s\t%s = %s(%s, \"chrset1\");\n", prefix, var, fn, text.c_str());
    else if (charset[0] == '"') gen_put(out, box, "%s\t%s = %s(%s, %s);\n", prefix, var, fn, text.c_str(), charset.c_str());
    else gen_put(out, box, "%s\t%s = %s(%s, \"%s\");\n", prefix, var, fn, text.c_str(), charset.c_str());
    return true;
}

void write_arg_list(gen_file *out, int box, const char *prefix, const std::vector<member> &members, bool full,
                    const char *const geo[4])
{
    static const char geo_classes[] = "XYWH";
    for (const member &m : members) {
        if (m.name == "CharSet" || m.value == "omit" || m.value.empty()) continue;
        const char *name = m.name.c_str(), *value = m.value.c_str();
        int g = -1;
        for (int k = 0; k < 4; ++k) {
            if (xstring_is(geo_classes[k], name) != 0) g = k;
        }
        const bool x_like = g == 0 || g == 2 || xstring_is('w', name) != 0;
        const bool y_like = g == 1 || g == 3 || xstring_is('h', name) != 0;
        if (g >= 0 && !is_numeric(m.value)) {
            gen_put(out, box, "%s\tXtSetArg(args[n], %s, %s); n++;\n", prefix, name, geo[g]);
        } else if (full && (x_like || y_like)) {
            gen_put(out, box, x_like ? "%s\tXtSetArg(args[n], %s, W(%s)); n++;\n" : "%s\tXtSetArg(args[n], %s, H(%s)); n++;\n",
                    prefix, name, value);
        } else if (xstring_is('S', name) != 0) {
            gen_put(out, box, "%s\tXtSetArg(args[n], %s, %s); n++;\n", prefix, name, xstring_text('V'));
        } else if (xstring_is('C', name) == 0 || value[0] == '"') {
            gen_put(out, box, "%s\tXtSetArg(args[n], %s, %s); n++;\n", prefix, name, value);
        } else {
            gen_put(out, box, "%s\tXtSetArg(args[n], %s, \"%s\"); n++;\n", prefix, name, value);
        }
    }
}

// ---- creation -------------------------------------------------------------------

// One box: idx is its index text ("name" or "name+_x+nx*_y"), pre the
// indent added inside the REPEAT loops, geo its four geometry texts.
void write_widget(gen_file *out, const xform_info &f, int i, const char *parent, const char *idx, const char *pre,
                  const char *const geo[4])
{
    const box_rec &b = box_table[i];
    if (is_user_object(i)) {
        const bool grid = pre[0] != '\0';
        gen_put(out, i, "%s\thwnd[%s] = %s(%s, &work[%s]%s,\n\t\t%s, %s, %s, %s, (HMENU)%s%s%s, hInstance);\n", pre, idx,
                b.kind, parent, idx, get_kind_ids(i), geo[0], geo[1], geo[2], geo[3], grid ? "(" : "", idx, grid ? ")" : "");
        gen_put(out, i, "%s\tTavir_up_object(hwnd[%s]);\n", pre, idx);
        gen_put(out, i, "%s\tTavir_up_work(work[%s]);\n", pre, idx);
        return;
    }
    std::vector<member> members;
    read_members(i, &members);
    const bool text = write_string_arg(out, i, pre, members);
    gen_put(out, i, "%s\tn = 0; /* %s */\n", pre, b.name);
    write_arg_list(out, i, pre, members, f.full, geo);
    const char *fn = b.kind;
    xwindow_col2(class_kind(i), &fn);
    gen_put(out, i, "%s\thwnd[%s] = %s(%s, \"%s\", args, n); /* %s */\n", pre, idx, fn, parent, b.name, class_kind(i));
    if (text) gen_put(out, i, "%s\t%s(%s);\n", pre, xstring_text('F'), xstring_text('V'));
    const int font = find_font_box(i);
    if (font >= 0) gen_put(out, i, "%s\tSendMessage(hwnd[%s], WM_SETFONT, (int)%s_v, 0L);\n", pre, idx, box_table[font].name);
    if (find_tabstop_box(i) >= 0) {
        gen_put(out, i, "%s\twork[%s] = (char *)(FARPROC)GetWindowLong(hwnd[%s], GWL_WNDPROC);\n", pre, idx, idx);
        gen_put(out, i, "%s\tSetWindowLong(hwnd[%s], GWL_WNDPROC, (LONG)ControlProc);\n", pre, idx);
    }
}

void write_box(gen_file *out, const xform_info &f, int i, const char *parent)
{
    int x, y, w, h;
    x_geometry(f, i, &x, &y, &w, &h);
    const char *name = box_table[i].name;
    char geo[4][100];
    if (repeat_of[i] < 0) {
        format_text(geo[0], sizeof geo[0], "W(%d)", x);
        format_text(geo[1], sizeof geo[1], "H(%d)", y);
        format_text(geo[2], sizeof geo[2], "W(%d)", w);
        format_text(geo[3], sizeof geo[3], "H(%d)", h);
        const char *const g[4] = {geo[0], geo[1], geo[2], geo[3]};
        write_widget(out, f, i, parent, name, "", g);
        return;
    }
    const int rep = repeat_of[i];
    int nx = 1, ny = 1;
    repeat_size(rep, &nx, &ny);
    int gx = 0, gy = 0;
    repeat_gaps(rep, &gx, &gy);
    format_text(geo[0], sizeof geo[0], "W(%d+%d*_x)", x, w - 1 + gx);
    format_text(geo[1], sizeof geo[1], "H(%d+%d*_y)", y, h - 1 + gy);
    format_text(geo[2], sizeof geo[2], "W(%d)", w);
    format_text(geo[3], sizeof geo[3], "H(%d)", h);
    const char *const g[4] = {geo[0], geo[1], geo[2], geo[3]};
    char idx[100];
    format_text(idx, sizeof idx, "%s+_x+%d*_y", name, nx);
    gen_put(out, i, "\tfor (_y = 0; _y < %d; _y++) %c\n", ny, '{');
    gen_put(out, i, "\t\tfor (_x = 0; _x < %d; _x++) %c\n", nx, '{');
    write_widget(out, f, i, parent, idx, "\t\t", g);
    gen_put(out, i, "\t\t%c\n", '}');
    gen_put(out, i, "\t%c\n", '}');
}

void create_tree(gen_file *out, const xform_info &f, int i, const std::string &parent)
{
    std::string below = parent;
    if (is_created(i)) {
        write_box(out, f, i, parent.c_str());
        below = std::string("hwnd[") + box_table[i].name + "]";
    }
    int cursor = -1;
    for (int c = child_next(&cursor, i); c >= 0; c = child_next(&cursor, i)) create_tree(out, f, c, below);
}

// ---- managing -------------------------------------------------------------------

void manage_line(gen_file *out, int i, int depth)
{
    const box_rec &b = box_table[i];
    if (!is_created(i) || id_count[i] == 0) return;
    for (int k = 0; k < id_count[i]; ++k) {
        const bool one = id_count[i] == 1;
        if (depth == 0) {
            if (one) gen_put(out, i, "\tXtManageChild(hwnd[%s]);/* top:%s */\n", b.name, b.kind);
            else gen_put(out, i, "\tXtManageChild(hwnd[%s+%d]);/* top:%s */\n", b.name, k, b.kind);
        } else if (one) {
            gen_put(out, i, "\tXtManageChild(hwnd[%s]); /* %2d:%s */\n", b.name, depth, b.kind);
        } else {
            gen_put(out, i, "\tXtManageChild(hwnd[%s+%d]); /* %2d:%s */\n", b.name, k, depth, b.kind);
        }
    }
}

void manage_children(gen_file *out, int i, int depth)
{
    int cursor = -1;
    for (int c = child_next(&cursor, i); c >= 0; c = child_next(&cursor, i)) {
        if (is_kind(c, "POSI")) continue;
        manage_line(out, c, depth);
        manage_children(out, c, depth + 1);
    }
}

// ---- action links -----------------------------------------------------------------

enum action_class { act_list, act_callback, act_event };

struct action {
    int box;    // B
    int link;   // the action link
    int any;    // the ANY box passed through, or -1
    action_class cls;
    int number; // the first callback number of its instances (0: a child list)
};

bool classify(const char *rel, action_class *cls)
{
    if (strcmp(rel, "on_set") == 0) *cls = act_list;
    else if (xstring_matches('B', rel) != 0) *cls = act_callback;
    else if (xstring_matches('A', rel) != 0) *cls = act_event;
    else return false;
    return true;
}

bool unnamed_in_form(int b) { return in_form(b) && !named(b); }

int instances(int b) { return id_count[b] > 1 ? id_count[b] : 1; }

// Every action link of the form in writing order, numbered.
std::vector<action> collect_actions()
{
    std::vector<action> out;
    int number = 1;
    auto add = [&](int b, int l, int any) {
        action a{b, l, any, act_list, 0};
        if (!classify(link_table[l].name, &a.cls)) return;
        if (a.cls != act_list) {
            a.number = number;
            number += instances(b);
        }
        out.push_back(a);
    };
    for (int b = form_sta; b < form_num; ++b) {
        if (!named(b) || is_kind(b, "FORM") || !is_created(b) || id_count[b] == 0) continue;
        for (int l = first_link_from(b); l >= 0; l = next_link_from(l)) {
            const int u = link_table[l].to;
            if (!unnamed_in_form(u) || strcmp(link_table[l].name, "SET") == 0) continue;
            if (strcmp(link_table[l].name, "ANY") != 0) {
                add(b, l, -1);
                continue;
            }
            for (int m = first_link_from(u); m >= 0; m = next_link_from(m)) {
                if (unnamed_in_form(link_table[m].to)) add(b, m, u);
            }
        }
    }
    return out;
}

// True when actions a and b are of one run: one box, one parent, one relation.
bool same_run(const action &a, const action &b)
{
    const link_rec &x = link_table[a.link], &y = link_table[b.link];
    return a.box == b.box && a.cls == b.cls && x.from == y.from && strcmp(x.name, y.name) == 0;
}

// The call of one action's target for instance k (-1: the box itself).
void write_call(gen_file *out, const action &a, int k)
{
    const int t = link_table[a.link].to;
    const char *fn = box_gen_name(t);
    if (fn == nullptr) return;
    const box_rec &b = box_table[a.box];
    std::string any;
    if (a.any >= 0) any = std::string(", ") + box_table[a.any].name;
    gen_put(out, t, "\t\trtc = %s(", fn);
    if (k < 0) {
        gen_put(out, t, "w, %s, c_data%s%s);\n", b.name, get_kind_ids(t), a.any >= 0 && named(a.any) ? any.c_str() : "");
        return;
    }
    int nx = 1, ny = 1;
    repeat_size(repeat_of[a.box], &nx, &ny);
    gen_put(out, t, "w, %s+%d, c_data%s%s, %s, %d, %d);\n", b.name, k, get_kind_ids(t),
            a.any >= 0 && named(a.any) ? any.c_str() : "", b.name, nx, ny);
}

}  // namespace

bool is_x_keyword(const char *kind) { return kind_in(kind, x_keywords); }

bool is_widget_class(const char *kind)
{
    const char *col = nullptr;
    return xwindow_col1(strcmp(kind, "SCRBAR") == 0 ? "SCROLLBAR" : kind, &col) != 0;
}

bool is_created(int i) { return in_form(i) && named(i) && !is_x_keyword(box_table[i].kind); }

void x_geometry(const xform_info &f, int i, int *x, int *y, int *w, int *h)
{
    const box_rec &b = box_table[i];
    const int p = child_tree[i].parent;
    if (p < 0) {
        *x = f.fx, *y = f.fy, *w = f.fw, *h = f.fh;
        return;
    }
    *w = b.endx - b.x;
    *h = b.endy - b.y;
    const bool root_parent = child_tree[p].parent < 0;
    *x = root_parent ? b.x : b.x - box_table[p].x;
    *y = root_parent ? b.y : b.y - box_table[p].y;
}

int write_x_widgets(gen_file *out, const xform_info &f)
{
    member_cache.clear();
    member_file_found.clear();
    for (int i = form_sta; i < form_num; ++i) {
        if (child_tree[i].parent < 0) create_tree(out, f, i, "shell");
    }
    return 0;
}

int write_x_manage(gen_file *out, const xform_info &)
{
    for (int i = form_sta; i < form_num; ++i) {
        if (child_tree[i].parent >= 0 || child_tree[i].first < 0 || !named(i)) continue;
        manage_line(out, i, 0);
        manage_children(out, i, 1);
    }
    return 0;
}

int write_x_callbacks(gen_file *out, const xform_info &f)
{
    for (const action &a : collect_actions()) {
        const link_rec &k = link_table[a.link];
        const char *name = box_table[a.box].name;
        const bool per = id_count[a.box] > 1;
        if (a.cls == act_list) {
            const char *kind = box_table[k.to].kind;
            if (!per) gen_put(out, a.box, "\t%s(hwnd[%s], &list[%s]);\n", kind, name, name);
            for (int n = 0; per && n < id_count[a.box]; ++n) {
                gen_put(out, a.box, "\t%s(hwnd[%s+%d], &list[%s+%d]);\n", kind, name, n, name, n);
            }
            continue;
        }
        for (int n = 0; n < instances(a.box); ++n) {
            char idx[100];
            if (per) format_text(idx, sizeof idx, "%s+%d", name, n);
            else copy_bounded(idx, sizeof idx, name);
            if (a.cls == act_callback) {
                gen_put(out, a.box, "\tXtAddCallback(hwnd[%s],%s, %s_PROC, %d);\n", idx, k.name, f.base, a.number + n);
            } else {
                gen_put(out, a.box, "\tXtAddEventHandler(hwnd[%s], %s,\n", idx, k.name);
                gen_put(out, a.box, "\t\tFalse, %s_PROC, %d);\n", f.base, a.number + n);
            }
        }
    }
    return 0;
}

int write_x_branches(gen_file *out, const xform_info &)
{
    const std::vector<action> acts = collect_actions();
    for (size_t r = 0; r < acts.size();) {
        size_t end = r + 1;
        while (end < acts.size() && same_run(acts[r], acts[end])) ++end;
        const action &a = acts[r];
        if (a.cls == act_list) {
            r = end;
            continue;
        }
        const bool per = id_count[a.box] > 1;
        const box_rec &b = box_table[a.box];
        for (int n = 0; n < instances(a.box); ++n) {
            gen_put(out, a.box, "\tcase %d: /* %s[%s]->%s */\n", a.number + n, b.kind, b.name, link_table[a.link].name);
            bool returned = false;
            for (size_t m = r; m < end && !returned; ++m) {
                const int t = link_table[acts[m].link].to;
                if (is_kind(t, "RETURN")) {
                    char value[gen_line_size];
                    get_para(value, t, 0);
                    gen_put(out, t, "\t\treturn(%s);\n", value[0] != '\0' ? value : "0");
                    returned = true;
                } else {
                    write_call(out, acts[m], per ? n : -1);
                }
            }
            if (!returned) gen_put(out, a.box, "\t\tbreak;\n");
        }
        r = end;
    }
    return 0;
}
