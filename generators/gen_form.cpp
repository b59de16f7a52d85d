// The FORM writer: one window's creation function, its create routine (the
// tables, fonts, brushes and controls), its window procedure with the
// message and WM_COMMAND cases, and its position function.  A grid is a
// REPEAT box with the boxes it links to with "SET"; its members take nx*ny
// consecutive control ids and are created in two loops.
#include "generators/gen_form.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "forms/kinds.h"
#include "forms/model.h"
#include "forms/para.h"
#include "generators/gen_entry.h"
#include "generators/gen_names.h"
#include "generators/gen_support.h"
#include "shell/dirs.h"
#include "shell/msgbox.h"
#include "shell/startup.h"
#include "shell/text.h"

namespace {

// Kinds that take no control id.
const char *const idless_kinds[] = {"FORM", "REPEAT", "HBRUSH", "INT", "LONG", "VARIABLE", "FBOX", "WNDCLASS", nullptr};
// Kinds skipped when the controls are created.
const char *const uncreated_kinds[] = {"FORM", "POSI", "REPEAT", "FBOX", "WNDCLASS", nullptr};
// Named boxes of these kinds create nothing in the create routine.
const char *const passive_kinds[] = {"FONT", "BRUSH", "WORK", "OBJECT", "HBRUSH", "INT", "LONG", "VARIABLE", nullptr};
// Kinds without a case of their own in the WM_COMMAND switch.
const char *const caseless_kinds[] = {"FORM", "POSI",   "REPEAT", "SET", "MAP",      "ANY", "FONT",
                                      "BRUSH", "HBRUSH", "INT",   "LONG", "VARIABLE", "FBOX", nullptr};
// Window messages never written as a case in Win32 mode.
const char *const win32_skipped[] = {"WM_CTLCOLOR", "WM_COALESCE_FIRST", "WM_COALESCE_LAST", "WM_SYSTEMERROR", nullptr};
// Kinds whose name also names a table "<name>_v".
const char *const table_kinds[] = {"SET", "ANY", "MAP", "MSG", "JOIN", "FONT", "BRUSH", nullptr};

bool kind_in_list(const char *kind, const char *const *list)
{
    for (; *list != nullptr; ++list) {
        if (strcmp(kind, *list) == 0) return true;
    }
    return false;
}

bool is_kind(int i, const char *kind) { return strcmp(box_table[i].kind, kind) == 0; }
bool rel_is(int l, const char *rel) { return strcmp(link_table[l].name, rel) == 0; }
bool named(int i) { return box_table[i].name[0] != '\0'; }

// What the writer works out from the form before it writes.
struct form_plan {
    int top;
    char caption[1000];
    char x[1000], y[1000], w[1000], h[1000];
    bool x_full, y_full;      // scaled by the desktop size
    bool x_center, y_center;  // placed at the desktop's centre
    bool has_tabstop;
    bool has_repeat;
    int total;  // T: every control id
    bool win16;
};

// Field k of box i, or "0" when it is empty.
void expr_field(char *out, int size, int i, int k)
{
    get_para(out, size, i, k);
    if (out[0] == '\0') copy_bounded(out, static_cast<size_t>(size), "0");
}

void plan_form(form_plan *p, int top)
{
    p->top = top;
    get_para(p->caption, top, 1);
    expr_field(p->x, sizeof p->x, top, 3);
    expr_field(p->y, sizeof p->y, top, 4);
    expr_field(p->w, sizeof p->w, top, 5);
    expr_field(p->h, sizeof p->h, top, 6);
    const bool as_center = full_as_centering == 1;
    p->x_full = strcmp(p->x, "FULL") == 0 && !as_center;
    p->y_full = strcmp(p->y, "FULL") == 0 && !as_center;
    p->x_center = strcmp(p->x, "CENTERING") == 0 || (strcmp(p->x, "FULL") == 0 && as_center);
    p->y_center = strcmp(p->y, "CENTERING") == 0 || (strcmp(p->y, "FULL") == 0 && as_center);
    p->win16 = export_prefix[0] != '\0';
    p->has_tabstop = false;
    p->has_repeat = false;
    p->total = 0;
    for (int i = form_sta; i < form_num; ++i) {
        repeat_of[i] = -1;
        id_count[i] = 0;
        if (is_kind(i, "TABSTOP")) p->has_tabstop = true;
        if (!named(i) || kind_in_list(box_table[i].kind, idless_kinds)) continue;
        id_count[i] = 1;
        for (int l = first_link_to(i); l >= 0; l = next_link_to(l)) {
            if (rel_is(l, "SET") && in_form(link_table[l].from) && is_kind(link_table[l].from, "REPEAT")) {
                repeat_of[i] = link_table[l].from;
                break;
            }
        }
        if (repeat_of[i] >= 0) {
            int nx = 1, ny = 1;
            repeat_size(repeat_of[i], &nx, &ny);
            id_count[i] = nx * ny;
            p->has_repeat = true;
        }
        p->total += id_count[i];
    }
}

// The boxes a box links to with rel (or, with to_box, that link to it), in ascending box order.
std::vector<int> linked_boxes(int i, const char *rel, bool to_box)
{
    std::vector<int> out;
    for (int l = to_box ? first_link_to(i) : first_link_from(i); l >= 0; l = to_box ? next_link_to(l) : next_link_from(l)) {
        const int other = to_box ? link_table[l].from : link_table[l].to;
        if (rel_is(l, rel) && in_form(other) && named(other)) out.push_back(other);
    }
    std::sort(out.begin(), out.end());
    return out;
}

// A box a window message or a control's notification may call.
bool is_handler(int i)
{
    if (box_gen_name(i) == nullptr) return false;
    return is_kind(i, "RETURN") || (is_reserved_kind(i) == 0 && is_control_box(i) == 0);
}

// The text a control shows: as it stands when it is "0L" or quoted, else quoted.
bool text_as_is(const char *text) { return strcmp(text, "0L") == 0 || text[0] == '"'; }

// One refusal naming a relation; false.
bool refuse_relation(const char *rel)
{
    char text[300];
    format_text(text, sizeof text, "関係(%s)のcaseラベルが重複する、ソースを生成出来ない\n", rel);
    form_error_box(text);
    return false;
}

// ---- the WM_COMMAND switch -------------------------------------------

// The state of one control's links: nothing written yet, its WM_COMMAND
// case closed, or its notification switch open.
enum control_state { state_none, state_command_closed, state_switch_open };

struct command_writer {
    gen_file *f;
    int control;
    control_state state;
    std::set<std::string> labels;  // notification labels of the open switch
    bool duplicate;                // a notification label came twice
};

// The handler calls of one run of links (first .. end-1, one parent and
// relation); extra follows the identifier text.
void write_run(command_writer *w, int first, int end, const char *extra)
{
    const char *rel = link_table[first].name;
    const bool command = strcmp(rel, "WM_COMMAND") == 0;
    if (command && w->state != state_none) return;
    if (!command && w->state == state_command_closed) return;
    std::vector<int> handlers;
    for (int l = first; l < end; ++l) {
        if (is_handler(link_table[l].to)) handlers.push_back(link_table[l].to);
    }
    if (handlers.empty()) return;
    const char *name = box_table[w->control].name;
    const char *indent = command ? "\t\t\t" : "\t\t\t\t";
    if (command) {
        gen_put(w->f, w->control, "\t\tcase %s:\n", name);
    } else {
        if (w->state == state_none) {
            gen_put(w->f, w->control, "\t\tcase %s:\n", name);
            gen_put(w->f, w->control, "\t\t\tswitch((int)sub_cmd) {\n");
            w->state = state_switch_open;
        }
        if (!w->labels.insert(rel).second) w->duplicate = true;
        gen_put(w->f, w->control, "\t\t\tcase %s:\n", rel);
    }
    bool returned = false;
    for (const int h : handlers) {
        if (is_kind(h, "RETURN")) {
            char value[1000];
            expr_field(value, sizeof value, h, 0);
            gen_put(w->f, h, "%sreturn(%s);\n", indent, value);
            returned = true;
            break;
        }
        gen_put(w->f, h, "%srtc = %s(", indent, box_gen_name(h));
        gen_put(w->f, h, "hwnd, message, object_id, sub_cmd%s%s);\n", get_kind_ids(h), extra);
    }
    if (!returned) gen_put(w->f, w->control, "%sbreak;\n", indent);
    if (command) w->state = state_command_closed;
}

// The runs of links from box from, taken in link order.
template <typename F> void for_runs(int from, F each)
{
    for (int l = first_link_from(from); l >= 0;) {
        int end = l + 1;
        while (end < l_num && link_run_edge(end - 1, 1) == 0) ++end;
        each(l, end);
        l = next_link_from(end - 1);
    }
}

// The cases of one control; false when a notification label came twice.
bool write_control(gen_file *f, int control)
{
    command_writer w{f, control, state_none, {}, false};
    for_runs(control, [&](int first, int end) {
        const char *rel = link_table[first].name;
        if (strcmp(rel, "ANY") == 0) {
            for (int l = first; l < end; ++l) {
                const int any = link_table[l].to;
                if (!in_form(any) || !is_kind(any, "ANY")) continue;
                char extra[100] = "";
                if (named(any)) format_text(extra, sizeof extra, ", %s", box_table[any].name);
                for_runs(any, [&](int a, int b) {
                    const char *r = link_table[a].name;
                    if (strcmp(r, "WM_COMMAND") == 0 || (r[0] >= 'A' && r[0] <= 'Z')) write_run(&w, a, b, extra);
                });
            }
        } else if (strcmp(rel, "WM_COMMAND") == 0 || (rel[0] >= 'A' && rel[0] <= 'Z')) {
            write_run(&w, first, end, "");
        }
    });
    if (w.state == state_switch_open) {
        gen_put(f, control, "\t\t\t}\n");
        gen_put(f, control, "\t\t\tbreak;\n");
    }
    return !w.duplicate;
}

// The calls of one grid member in the default branch.
void write_grid_member(gen_file *f, int i)
{
    int nx = 1, ny = 1;
    repeat_size(repeat_of[i], &nx, &ny);
    bool switch_open = false, closed = false;
    for_runs(i, [&](int first, int end) {
        const char *rel = link_table[first].name;
        const bool command = strcmp(rel, "WM_COMMAND") == 0;
        if (closed || (!command && !(rel[0] >= 'A' && rel[0] <= 'Z')) || (command && switch_open)) return;
        const char *indent = command ? "\t\t\t\t" : "\t\t\t\t\t";
        bool any = false;
        for (int l = first; l < end; ++l) {
            const int h = link_table[l].to;
            if (!is_handler(h) || is_kind(h, "RETURN")) continue;
            if (!command && !any) {
                if (!switch_open) gen_put(f, i, "\t\t\t\tswitch((int)sub_cmd) %c\n", '{');
                switch_open = true;
                gen_put(f, i, "\t\t\t\tcase %s:\n", rel);
            }
            any = true;
            gen_put(f, h, "%srtc = %s(", indent, box_gen_name(h));
            gen_put(f, h, "hwnd, message, object_id, sub_cmd%s, %d, %d);\n", get_kind_ids(h), nx, ny);
        }
        if (!command && any) gen_put(f, i, "\t\t\t\t\tbreak;\n");
        if (command && any) closed = true;
    });
    if (switch_open) gen_put(f, i, "\t\t\t\t%c\n", '}');
}

// The WM_COMMAND case; false when a control's notification label came twice.
bool write_command_case(gen_file *f, const form_plan &p)
{
    gen_put(f, p.top, "\tcase WM_COMMAND:\n");
    if (p.win16) {
        gen_put(f, p.top, "\t\tobject_id  = wParam;         /* WIN16 */\n");
        gen_put(f, p.top, "\t\tsub_cmd    = HIWORD(lParam); /* WIN16 */\n");
    } else {
        gen_put(f, p.top, "\t\tobject_id  = LOWORD(wParam); /* WIN32 */\n");
        gen_put(f, p.top, "\t\tsub_cmd    = HIWORD(wParam); /* WIN32 */\n");
    }
    gen_put(f, p.top, "\t\tswitch(object_id) %c\n", '{');
    bool ok = true;
    for (int i = form_sta; i < form_num; ++i) {
        if (!named(i) || repeat_of[i] >= 0 || kind_in_list(box_table[i].kind, caseless_kinds)) continue;
        if (!write_control(f, i)) ok = false;
    }
    if (p.has_repeat) {
        gen_put(f, p.top, "\t\tdefault:\n");
        bool first = true;
        for (int i = form_sta; i < form_num; ++i) {
            if (repeat_of[i] < 0) continue;
            int nx = 1, ny = 1;
            repeat_size(repeat_of[i], &nx, &ny);
            const char *name = box_table[i].name;
            if (first) gen_put(f, i, "\t\t\tif(%s <= object_id && object_id < %s + %d*%d) %c\n", name, name, nx, ny, '{');
            else gen_put(f, i, "\t\t\t%c else if(%s <= object_id && object_id < %s + %d*%d) %c\n", '}', name, name, nx, ny, '{');
            first = false;
            write_grid_member(f, i);
        }
        gen_put(f, p.top, "\t\t\t%c\n", '}');
    }
    gen_put(f, p.top, "\t\t}\n");
    gen_put(f, p.top, "\t\tbreak;\n");
    return ok;
}

// ---- the window procedure ----------------------------------------------

bool is_message_case(const char *rel, bool win16)
{
    if (has_prefix(rel, "WM") != 0) return false;
    if (win16) return !(has_prefix(rel, "WM_CTLCOLOR") == 0 && rel[11] != '\0');
    return !kind_in_list(rel, win32_skipped);
}

void write_message_cases(gen_file *f, const form_plan &p)
{
    for_runs(p.top, [&](int first, int end) {
        const char *rel = link_table[first].name;
        if (strcmp(rel, "SMENU") == 0) {
            for (int l = first; l < end; ++l) {
                const char *menu = box_gen_name(link_table[l].to);
                if (menu == nullptr) continue;
                gen_put(f, p.top, "\tcase WM_INITMENU:\n");
                gen_put(f, p.top, "\t\trtc = %s_INIT(", menu);
                gen_put(f, p.top, "hwnd, message, wParam, lParam);\n");
                gen_put(f, p.top, "\t\treturn(0);\n");
                gen_put(f, p.top, "\tcase WM_SYSCOMMAND:\n");
                gen_put(f, p.top, "\t\trtc = %s(", menu);
                gen_put(f, p.top, "hwnd, message, wParam, lParam);\n");
                gen_put(f, p.top, "\t\tbreak;\n");
            }
            return;
        }
        if (!is_message_case(rel, p.win16)) return;
        bool labelled = false, returned = false;
        for (int l = first; l < end && !returned; ++l) {
            const int h = link_table[l].to;
            if (!is_handler(h)) continue;
            if (!labelled) gen_put(f, p.top, "\tcase %s:\n", rel);
            labelled = true;
            if (is_kind(h, "RETURN")) {
                char value[1000];
                expr_field(value, sizeof value, h, 0);
                gen_put(f, h, "\t\treturn(%s);\n", value);
                returned = true;
                continue;
            }
            gen_put(f, h, "\t\trtc = %s(", box_gen_name(h));
            gen_put(f, h, "hwnd, message, wParam, lParam%s);\n", get_kind_ids(h));
        }
        if (labelled && !returned) gen_put(f, p.top, "\t\tbreak;\n");
    });
}

// ---- the checks before any file is touched --------------------------------

// The relations that would repeat a case label of the window procedure.
bool check_relations(const form_plan &p)
{
    int smenu = 0;
    bool menu_messages = false;
    std::set<std::pair<int, std::string>> runs;
    for (int l = l_sta; l < l_num; ++l) {
        const link_rec &k = link_table[l];
        if (link_run_edge(l, -1) == 1 && !runs.insert({k.from, k.name}).second) return refuse_relation(k.name);
        if (k.from != p.top) continue;
        if (rel_is(l, "WM_CREATE") || rel_is(l, "WM_COMMAND")) return refuse_relation(k.name);
        if (rel_is(l, "SMENU") && ++smenu > 1) return refuse_relation(k.name);
        if (rel_is(l, "WM_INITMENU") || rel_is(l, "WM_SYSCOMMAND")) menu_messages = true;
    }
    if (smenu > 0 && menu_messages) return refuse_relation("SMENU");
    return true;
}

// The names the source and header define; false after a refusal.
bool check_names(const form_plan &p, const char *base)
{
    name_claims c;
    if (!claim_base_names(&c, p.top, skip_dir_prefix(base))) return false;
    int tab = 0;
    for (int i = form_sta; i < form_num; ++i) {
        const box_rec &b = box_table[i];
        if (id_count[i] > 0 || is_kind(i, "HBRUSH") || is_kind(i, "INT") || is_kind(i, "LONG")) {
            if (!claim_name(&c, i, b.name)) return false;
        }
        // An unnamed table would be "_v": refused as an empty name.
        if (kind_in_list(b.kind, table_kinds) && !named(i) && !is_kind(i, "SET") && !is_kind(i, "ANY")) {
            return claim_name(&c, i, b.name);
        }
        if (kind_in_list(b.kind, table_kinds) && named(i)) {
            char table[100];
            format_text(table, sizeof table, "%s_v", b.name);
            if (!claim_name(&c, i, table)) return false;
        }
        if (is_kind(i, "TABSTOP")) {
            char table[100];
            format_text(table, sizeof table, "tab%d", tab++);
            if (!claim_name(&c, i, table)) return false;
        }
        if (b.kind[0] != '\0' && ((is_reserved_kind(i) == 0 && is_control_box(i) == 0) || is_kind(i, "COLOR"))) {
            const char *fn = is_kind(i, "FBOX") && named(i) ? b.name : b.kind;
            if (!claim_function(&c, i, fn)) return false;
            char olist[100];
            format_text(olist, sizeof olist, "%s_olist", b.kind);
            if (!is_kind(i, "FBOX") && !claim_function(&c, i, olist)) return false;
        }
    }
    for (int l = l_sta; l < l_num; ++l) {
        if (link_table[l].from != p.top || !rel_is(l, "SMENU") || !in_form(link_table[l].to)) continue;
        const int m = link_table[l].to;
        for (const char *suffix : {"", "_APPEND", "_INIT"}) {
            char fn[100];
            format_text(fn, sizeof fn, "%s%s", box_table[m].kind, suffix);
            if (!claim_function(&c, m, fn)) return false;
        }
    }
    if (!check_relations(p)) return false;
    gen_file dry{nullptr, false};
    for (int i = form_sta; i < form_num; ++i) {
        if (!named(i) || repeat_of[i] >= 0 || kind_in_list(box_table[i].kind, caseless_kinds)) continue;
        if (!write_control(&dry, i)) return refuse_relation(box_table[i].name);
    }
    return true;
}

// ---- the header ------------------------------------------------------------

void write_header(gen_file *h, const form_plan &p, const char *base)
{
    copy_template(h, base, ".th");
    int id = 0;
    for (int i = form_sta; i < form_num; ++i) {
        if (id_count[i] == 0) continue;
        gen_put(h, i, "#define %-12s %3d /* %s */\n", box_table[i].name, id, box_table[i].kind);
        id += id_count[i];
    }
    gen_put(h, p.top, "int Tavir_up_join();\n");
    gen_put(h, p.top, "int Tavir_up_object();\n");
    gen_put(h, p.top, "int Tavir_up_work();\n");
    gen_put(h, p.top, "void *memset();\n");
    proto_reset();
    for (int i = form_sta; i < form_num; ++i) {
        const box_rec &b = box_table[i];
        if (b.kind[0] == '\0' || ((is_reserved_kind(i) != 0 || is_control_box(i) != 0) && !is_kind(i, "COLOR"))) continue;
        const bool fbox = is_kind(i, "FBOX") && named(i);
        const char *name = fbox ? b.name : b.kind;
        if (proto_once(name) == 0) continue;
        if (fbox) gen_put(h, i, "int %s();\n", name);
        else if (!named(i)) gen_put(h, i, is_smenu_child(p.top, i) != 0 ? "int PASCAL %s();\n" : "int %s();\n", name);
        else gen_put(h, i, "HWND %s();\n", name);
    }
    for (int l = l_sta; l < l_num; ++l) {
        if (link_table[l].from != p.top || !rel_is(l, "SMENU") || !in_form(link_table[l].to)) continue;
        gen_put(h, p.top, "int PASCAL %s_APPEND();\n", box_table[link_table[l].to].kind);
        gen_put(h, p.top, "int PASCAL %s_INIT();\n", box_table[link_table[l].to].kind);
    }
}

// ---- the source ------------------------------------------------------------

void write_source_top(gen_file *f, const form_plan &p, const char *base, const char *c_name, const char *h_name)
{
    write_source_head(f, base, c_name);
    gen_put(f, p.top, "#include <windows.h>\n");
    gen_put(f, p.top, "#include <malloc.h>\n");
    gen_put(f, p.top, "#include \"%s\"\n", skip_dir_prefix(h_name));
    char d_name[300];
    format_text(d_name, sizeof d_name, "%s.d", base);
    FILE *d = dir_fopen(d_name, "r");
    if (d != nullptr) {
        fclose(d);
        gen_put(f, p.top, "#include \"%s\"\n", skip_dir_prefix(d_name));
    }
    include_kind_defs(f);
    include_work_defs(f);
    gen_put(f, p.top, "#define MY_TEAM 4\n");
    gen_put(f, p.top, p.x_full ? "#define W(w_x)     ((int)(((long)(w_x))*wf/wb))\n" : "#define W(w_x)     (w_x)\n");
    gen_put(f, p.top, p.y_full ? "#define H(h_x)     ((int)(((long)(h_x))*hf/hb))\n" : "#define H(h_x)     (h_x)\n");
    if (p.x_full) gen_put(f, p.top, "static int wf, wb;\n");
    if (p.y_full) gen_put(f, p.top, "static int hf, hb;\n");
    for (int i = form_sta; i < form_num; ++i) {
        if (is_kind(i, "HBRUSH")) gen_put(f, i, "HBRUSH %s;\n", box_table[i].name);
        if (is_kind(i, "INT")) gen_put(f, i, "int %s;\n", box_table[i].name);
        if (is_kind(i, "LONG")) gen_put(f, i, "long %s;\n", box_table[i].name);
    }
    for (const char *line : {"struct Olist {\n", "\tchar *oname;\n", "\tstruct Olist *olist;\n", "};\n",
                             "struct Ilist {\n", "\tHWND *hwnd;\n", "\tchar **work;\n", "\tstruct Ilist **list;\n", "};\n"}) {
        gen_put(f, p.top, "%s", line);
    }
    for (int i = form_sta; i < form_num; ++i) {
        if (id_count[i] > 0 && is_control_box(i) == 0 && note_file_exists(box_table[i].kind) != 0) {
            gen_put(f, i, "\textern struct Olist %s_olist[];\n", box_table[i].kind);
        }
    }
    gen_put(f, p.top, "struct Olist %s_olist[] = {\n", skip_dir_prefix(base));
    for (int i = form_sta; i < form_num; ++i) {
        const bool sub = is_control_box(i) == 0 && id_count[i] > 0 && note_file_exists(box_table[i].kind) != 0;
        for (int n = 0; n < id_count[i]; ++n) {
            if (sub) gen_put(f, i, "\t{\"%s\", %s_olist},\n", box_table[i].name, box_table[i].kind);
            else gen_put(f, i, "\t{\"%s\", 0},\n", box_table[i].name);
        }
    }
    gen_put(f, p.top, "\t{\"\", 0}};\n");
    gen_put(f, p.top, "long FAR PASCAL %s%s_PROC (HWND, UINT, UINT, LONG);\n", export_prefix, skip_dir_prefix(base));
}

void write_background(gen_file *f, int top)
{
    int l = find_brush_link("SYSCOLOR");
    if (l >= 0) {
        gen_put(f, top, "\t\twndclass.hbrBackground = (HBRUSH)(%s+1);\n", link_table[l].name);
        return;
    }
    if ((l = find_brush_link("STOCKOBJ")) >= 0) {
        gen_put(f, top, "\t\twndclass.hbrBackground = GetStockObject(%s);\n", link_table[l].name);
        return;
    }
    if ((l = find_brush_link("VARIABLE")) >= 0 || (l = find_brush_link("HBRUSH")) >= 0) {
        gen_put(f, top, "\t\twndclass.hbrBackground = %s;\n", box_table[link_table[l].from].name);
        return;
    }
    if (find_brush_link("NULL") >= 0) {
        gen_put(f, top, "\t\twndclass.hbrBackground = (HBRUSH)NULL;\n");
        return;
    }
    gen_put(f, top, "\t\twndclass.hbrBackground = %s;\n", wndclass_values[5]);
}

void write_creation(gen_file *f, const form_plan &p, const char *base)
{
    const char *name = skip_dir_prefix(base);
    const int t = p.top;
    gen_put(f, t, "HWND %s(HWND hwnd, void **work, HINSTANCE hInstance, HINSTANCE hPrevInstance)\n", name);
    gen_put(f, t, "{\n");
    gen_put(f, t, "\tHWND rtc;\n");
    gen_put(f, t, "\tWNDCLASS wndclass;\n");
    if (p.x_center) gen_put(f, t, "\tint w;\n");
    if (p.y_center) gen_put(f, t, "\tint h;\n");
    const bool desktop = p.x_center || p.y_center || p.x_full || p.y_full;
    if (desktop) {
        gen_put(f, t, "\tRECT rc;\n");
        gen_put(f, t, "\tHWND hwndW;\n");
    }
    wndclass_fill();
    gen_put(f, t, "\tif (!hPrevInstance) {\n");
    gen_put(f, t, "\t\twndclass.style         = %s;\n", wndclass_values[0]);
    gen_put(f, t, "\t\twndclass.lpfnWndProc   = %s_PROC;\n", name);
    gen_put(f, t, "\t\twndclass.cbClsExtra    = %s;\n", wndclass_values[1]);
    gen_put(f, t, "\t\twndclass.cbWndExtra    = %d;\n", p.has_tabstop ? 20 : 16);
    gen_put(f, t, "\t\twndclass.hInstance     = hInstance;\n");
    gen_put(f, t, "\t\twndclass.hIcon         = %s;\n", wndclass_values[3]);
    gen_put(f, t, "\t\twndclass.hCursor       = %s;\n", wndclass_values[4]);
    write_background(f, t);
    gen_put(f, t, "\t\twndclass.lpszMenuName  = %s;\n", wndclass_values[6]);
    gen_put(f, t, "\t\twndclass.lpszClassName = \"%s\";\n", name);
    gen_put(f, t, "\t\tRegisterClass (&wndclass);\n");
    gen_put(f, t, "\t}\n");
    gen_put(f, t, "\n");
    if (desktop) {
        gen_put(f, t, "\thwndW = GetDesktopWindow();\n");
        gen_put(f, t, "\tGetWindowRect(hwndW, &rc);\n");
    }
    if (p.x_center) {
        gen_put(f, t, "\tw = rc.right - rc.left;\n");
        gen_put(f, t, "\tw = w/2 - %s/2;\n", p.w);
    } else if (p.x_full) {
        gen_put(f, t, "\twb = %s;\n", p.w);
        gen_put(f, t, "\twf = rc.right - rc.left;\n");
    }
    if (p.y_center) {
        gen_put(f, t, "\th = rc.bottom - rc.top;\n");
        gen_put(f, t, "\th = h/2 - %s/2;\n", p.h);
    } else if (p.y_full) {
        gen_put(f, t, "\thb = %s;\n", p.h);
        gen_put(f, t, "\thf = rc.bottom - rc.top;\n");
    }
    gen_put(f, t, "\trtc = CreateWindow (\"%s\", // window class name\n", name);
    if (text_as_is(p.caption)) gen_put(f, t, "\t\t%s,                  // window caption\n", p.caption);
    else gen_put(f, t, "\t\t\"%s\",                  // window caption\n", p.caption);
    gen_put(f, t, "\t\tWS_OVERLAPPEDWINDOW,    // window style\n");
    gen_put(f, t, "\t\t%s,                     // initial x position\n", p.x_center ? "w" : p.x_full ? "0" : p.x);
    gen_put(f, t, "\t\t%s,                     // initial y position\n", p.y_center ? "h" : p.y_full ? "0" : p.y);
    gen_put(f, t, "\t\t%s,                     // initial x size\n", p.x_full ? "wf" : p.w);
    gen_put(f, t, "\t\t%s,                     // initial y size\n", p.y_full ? "hf" : p.h);
    gen_put(f, t, "\t\thwnd,                   // parent window handle\n");
    gen_put(f, t, "\t\tNULL,                   // window menu handle\n");
    gen_put(f, t, "\t\thInstance,              // program instance handle\n");
    gen_put(f, t, "\t\twork);                  // creation parameters\n");
    gen_put(f, t, "\treturn(rtc);\n");
    gen_put(f, t, "}\n");
}

// "%s, " of every box in the list, closed by "-1};".
void write_id_list(gen_file *f, int owner, const std::vector<int> &boxes)
{
    for (const int b : boxes) gen_put(f, owner, "%s, ", box_table[b].name);
    gen_put(f, owner, "-1};\n");
}

void write_tables(gen_file *f, const form_plan &p)
{
    for (int i = form_sta; i < form_num; ++i) {
        const char *name = box_table[i].name;
        if (is_kind(i, "SET") && named(i)) {
            gen_put(f, i, "\tstatic int FAR %s_v[] = {", name);
            write_id_list(f, i, linked_boxes(i, "SET", false));
        } else if (is_kind(i, "ANY") && named(i)) {
            gen_put(f, i, "\tstatic int FAR %s_v[] = {", name);
            write_id_list(f, i, linked_boxes(i, "ANY", true));
        } else if (is_kind(i, "MAP")) {
            gen_put(f, i, "\tstatic struct {int from; int to;} FAR %s_v[] = {\n", name);
            for (int l = l_sta; l < l_num; ++l) {
                const link_rec &k = link_table[l];
                if (strcmp(k.name, name) != 0 || !in_form(k.from) || !in_form(k.to) || !named(k.from) || !named(k.to)) continue;
                gen_put(f, i, "\t\t{%s, %s},\n", box_table[k.from].name, box_table[k.to].name);
            }
            gen_put(f, i, "\t\t{-1, -1}};\n");
        } else if (is_kind(i, "MSG") || is_kind(i, "JOIN")) {
            char text[1000];
            get_para(text, i, 0);
            gen_put(f, i, text[0] == '"' ? "\tstatic char FAR %s_v[] = %s;\n" : "\tstatic char FAR %s_v[] = \"%s\";\n", name, text);
        } else if (is_kind(i, "FONT")) {
            gen_put(f, i, "\tHFONT %s_v;\n", name);
        } else if (is_kind(i, "BRUSH")) {
            gen_put(f, i, "\tHBRUSH %s_v;\n", name);
        }
    }
    int tabs = 0;
    for (int i = form_sta; i < form_num; ++i) {
        if (!is_kind(i, "TABSTOP")) continue;
        gen_put(f, i, "\tstatic int FAR tab%d[] = {", tabs++);
        write_id_list(f, i, linked_boxes(i, "SET", false));
    }
    if (!p.has_tabstop) return;
    gen_put(f, p.top, "\tstatic int * FAR tabstop[] = {");
    for (int k = 0; k < tabs; ++k) gen_put(f, p.top, "tab%d, ", k);
    gen_put(f, p.top, "0L};\n");
    if (form_mode == form_mode_win16) {
        gen_put(f, p.top, "\tlpfnControlProc = MakeProcInstance((FARPROC)ControlProc, hInstance);\n");
    }
}

void write_objects(gen_file *f)
{
    for (int i = form_sta; i < form_num; ++i) {
        const char *name = box_table[i].name;
        if (is_kind(i, "FONT")) {
            char field[1000];
            expr_field(field, sizeof field, i, 0);
            gen_put(f, i, "\t%s_v = CreateFont(H(%s)", name, field);
            for (int k = 1; k <= 13; ++k) {
                expr_field(field, sizeof field, i, k);
                gen_put(f, i, ",%s", field);
            }
            gen_put(f, i, ");\n");
        } else if (is_kind(i, "BRUSH")) {
            char r[1000], g[1000], b[1000];
            expr_field(r, sizeof r, i, 0);
            expr_field(g, sizeof g, i, 1);
            expr_field(b, sizeof b, i, 2);
            gen_put(f, i, "\t%s_v = CreateSolidBrush(RGB(%s, %s, %s));\n", name, r, g, b);
        } else {
            continue;
        }
        gen_put(f, i, "\tTavir_up_object(%s_v);\n", name);
        gen_put(f, i, "\thwndc[%s] = (HWND)%s_v;\n", name, name);
    }
}

// Creates box i outside a grid.
void write_window(gen_file *f, int i)
{
    const box_rec &b = box_table[i];
    const int w = b.endx - b.x, h = b.endy - b.y;
    if (is_control_box(i) == 0 && is_reserved_kind(i) == 0) {
        gen_put(f, i, "\thwndc[%s] = %s(hwnd, &workc[%s]%s,\n\t\tW(%d), H(%d), W(%d), H(%d), (HMENU)%s, hInstance);\n",
                b.name, b.kind, b.name, get_kind_ids(i), b.x, b.y, w, h, b.name);
        gen_put(f, i, "\tTavir_up_object(hwndc[%s]);\n", b.name);
        gen_put(f, i, "\tTavir_up_work(workc[%s]);\n", b.name);
        return;
    }
    const char *cls = is_kind(i, "SCRBAR") ? "SCROLLBAR" : b.kind;
    char text[1000], style[1000];
    get_para(text, i, 0);
    expr_field(style, sizeof style, i, 1);
    const char *format = text_as_is(text)
                             ? "\thwndc[%s] = CreateWindow(\"%s\", %s,\n\t\t%s, W(%d), H(%d), W(%d), H(%d),\n\t\thwnd, (HMENU)%s, hInstance, NULL);\n"
                             : "\thwndc[%s] = CreateWindow(\"%s\", \"%s\",\n\t\t%s, W(%d), H(%d), W(%d), H(%d),\n\t\thwnd, (HMENU)%s, hInstance, NULL);\n";
    gen_put(f, i, format, b.name, cls, text, style, b.x, b.y, w, h, b.name);
    const int font = find_font_box(i);
    if (font >= 0) gen_put(f, i, "\tSendMessage(hwndc[%s], WM_SETFONT, (int)%s_v, 0L);\n", b.name, box_table[font].name);
    if (find_tabstop_box(i) >= 0) {
        gen_put(f, i, "\tworkc[%s] = (char *)(FARPROC)GetWindowLong(hwndc[%s], GWL_WNDPROC);\n", b.name, b.name);
        gen_put(f, i, "\tSetWindowLong(hwndc[%s], GWL_WNDPROC, (LONG)%sControlProc);\n", b.name, lpfn_prefix);
    }
}

// Creates box i of a grid in its two loops.
void write_grid_window(gen_file *f, int i)
{
    const box_rec &b = box_table[i];
    const int rep = repeat_of[i];
    int nx = 1, ny = 1;
    repeat_size(rep, &nx, &ny);
    int gx = 0, gy = 0;
    repeat_gaps(rep, &gx, &gy);
    const int w = b.endx - b.x, h = b.endy - b.y;
    const int sx = w + gx - 1, sy = h + gy - 1;
    const char *n = b.name;
    gen_put(f, i, "\tfor (_y = 0; _y < %d; _y++) %c\n", ny, '{');
    gen_put(f, i, "\t\tfor (_x = 0; _x < %d; _x++) %c\n", nx, '{');
    gen_put(f, i, "\t\t");
    if (is_control_box(i) == 0 && is_reserved_kind(i) == 0) {
        gen_put(f, i,
                "\thwndc[%s+_x+%d*_y] = %s(hwnd, &workc[%s+_x+%d*_y]%s,\n\t\tW(%d+%d*_x), H(%d+%d*_y), W(%d), H(%d), "
                "(HMENU)(%s+_x+%d*_y), hInstance);\n",
                n, nx, b.kind, n, nx, get_kind_ids(i), b.x, sx, b.y, sy, w, h, n, nx);
        gen_put(f, i, "\t\t\tTavir_up_object(hwndc[%s+_x+%d*_y]);\n", n, nx);
        gen_put(f, i, "\t\t\tTavir_up_work(workc[%s+_x+%d*_y]);\n", n, nx);
    } else {
        const char *cls = is_kind(i, "SCRBAR") ? "SCROLLBAR" : b.kind;
        char text[1000], style[1000];
        get_para(text, i, 0);
        expr_field(style, sizeof style, i, 1);
        const bool as_is = text_as_is(text);
        gen_put(f, i,
                as_is ? "\thwndc[%s+_x+%d*_y] = CreateWindow(\"%s\", %s,\n\t\t%s, W(%d+%d*_x), H(%d+%d*_y), W(%d), H(%d),\n"
                        "\t\thwnd, (HMENU)(%s+_x+%d*_y), hInstance, NULL);\n"
                      : "\thwndc[%s+_x+%d*_y] = CreateWindow(\"%s\", \"%s\",\n\t\t%s, W(%d+%d*_x), H(%d+%d*_y), W(%d), "
                        "H(%d),\n\t\thwnd, (HMENU)(%s+_x+%d*_y), hInstance, NULL);\n",
                n, nx, cls, text, style, b.x, sx, b.y, sy, w, h, n, nx);
        const int font = find_font_box(i);
        if (font >= 0) {
            gen_put(f, i, "\t\t\tSendMessage(hwndc[%s+_x+%d*_y], WM_SETFONT, (int)%s_v, 0L);\n", n, nx, box_table[font].name);
        }
        if (!as_is && find_tabstop_box(i) >= 0) {
            gen_put(f, i, "\t\t\tworkc[%s+_x+%d*_y] = (char *)(FARPROC)GetWindowLong(hwndc[%s+_x+%d*_y], GWL_WNDPROC);\n", n, nx, n, nx);
            gen_put(f, i, "\t\t\tSetWindowLong(hwndc[%s+_x+%d*_y], GWL_WNDPROC, (LONG)%sControlProc);\n", n, nx, lpfn_prefix);
        }
    }
    gen_put(f, i, "\t\t%c\n", '}');
    gen_put(f, i, "\t%c\n", '}');
}

void write_children(gen_file *f)
{
    for (int i = form_sta; i < form_num; ++i) {
        const box_rec &b = box_table[i];
        if (!named(i) || kind_in_list(b.kind, uncreated_kinds) || kind_in_list(b.kind, passive_kinds)) continue;
        if (is_kind(i, "SET") || is_kind(i, "ANY") || is_kind(i, "MSG") || is_kind(i, "MAP")) {
            gen_put(f, i, "\tworkc[%s] = (char *)%s_v;\n", b.name, b.name);
        } else if (is_kind(i, "JOIN")) {
            gen_put(f, i, "\tTavir_up_join(&hwndc[%s], &workc[%s], %s_v);\n", b.name, b.name, b.name);
        } else if (repeat_of[i] >= 0) {
            write_grid_window(f, i);
        } else {
            write_window(f, i);
        }
    }
}

// The calls of the FORM box's links with relation rel.
void write_top_calls(gen_file *f, int top, const char *rel)
{
    for (int l = first_link_from(top); l >= 0; l = next_link_from(l)) {
        if (!rel_is(l, rel)) continue;
        const int c = link_table[l].to;
        if (strcmp(rel, "SMENU") == 0) {
            if (in_form(c)) gen_put(f, c, "\t%s_APPEND (hwnd);\n", box_table[c].kind);
            continue;
        }
        const char *fn = box_gen_name(c);
        if (fn == nullptr) continue;
        if (strcmp(rel, "BEFORE") == 0) gen_put(f, c, "\t%s(hwnd, WM_CREATE, 'S', lParam);\n", fn);
        else gen_put(f, c, "\t%s(hwnd, WM_CREATE, 'E', lParam%s);\n", fn, get_kind_ids(c));
    }
}

void write_create(gen_file *f, const form_plan &p, const char *base)
{
    const int t = p.top;
    gen_put(f, t, "HWND *%s_CREATE(HWND hwnd, long lParam)\n", skip_dir_prefix(base));
    gen_put(f, t, "{\n");
    gen_put(f, t, "\tHWND *hwndc;\n");
    gen_put(f, t, "\tchar **workc;\n");
    gen_put(f, t, "\tstruct Ilist *ilstc;\n");
    gen_put(f, t, "\tstruct Ilist **listc;\n");
    gen_put(f, t, "\tchar ***cparam = (char ***)((LPCREATESTRUCT)lParam)->lpCreateParams;\n");
    gen_put(f, t, "\tHINSTANCE hInstance = ((LPCREATESTRUCT)lParam)->hInstance;\n");
    if (p.has_tabstop) {
        gen_put(f, t, "\tlong FAR PASCAL %sControlProc(HWND, UINT, UINT, LONG);\n", export_prefix);
        if (form_mode == form_mode_win16) gen_put(f, t, "\tFARPROC lpfnControlProc;\n");
    }
    if (p.has_repeat) gen_put(f, t, "\tint _x, _y;\n");
    write_tables(f, p);
    gen_put(f, t, "\thwndc = (HWND*)malloc(%d * sizeof(HWND));\n", p.total);
    gen_put(f, t, "\tworkc = (char**)malloc(%d * sizeof(char *));\n", p.total);
    gen_put(f, t, "\tlistc = (struct Ilist**)malloc(%d * sizeof(char *));\n", p.total);
    gen_put(f, t, "\tmemset(hwndc, '\\0', %d * sizeof(HWND));\n", p.total);
    gen_put(f, t, "\tmemset(workc, '\\0', %d * sizeof(char *));\n", p.total);
    gen_put(f, t, "\tmemset(listc, '\\0', %d * sizeof(char *));\n", p.total);
    gen_put(f, t, "\tilstc = (struct Ilist*)malloc(sizeof *ilstc);\n");
    gen_put(f, t, "\tilstc->hwnd = hwndc;\n");
    gen_put(f, t, "\tilstc->work = workc;\n");
    gen_put(f, t, "\tilstc->list = listc;\n");
    gen_put(f, t, "\tSetWindowLong(hwnd, 0, 0L);\n");
    gen_put(f, t, "\tSetWindowLong(hwnd, MY_TEAM, (long)hwndc);\n");
    gen_put(f, t, "\tSetWindowLong(hwnd, 12, (long)workc);\n");
    if (p.has_tabstop) gen_put(f, t, "\tSetWindowLong(hwnd, 16, (long)tabstop);\n");
    gen_put(f, t, "\tif (cparam != 0)\n");
    gen_put(f, t, "\t\t*cparam = (char **)ilstc;\n");
    write_objects(f);
    write_top_calls(f, t, "BEFORE");
    write_children(f);
    write_top_calls(f, t, "SMENU");
    write_top_calls(f, t, "AFTER");
    gen_put(f, t, "\treturn(hwndc);\n");
    gen_put(f, t, "}\n");
}

void write_proc(gen_file *f, const form_plan &p, const char *base)
{
    const char *name = skip_dir_prefix(base);
    const int t = p.top;
    gen_put(f, t, "long PASCAL FAR %s%s_PROC (\n", export_prefix, name);
    gen_put(f, t, "\tHWND hwnd, UINT message, UINT wParam, LONG lParam)\n");
    gen_put(f, t, "{\n");
    gen_put(f, t, "\tint      rtc = 0;\n");
    gen_put(f, t, "\tint      object_id;\n");
    gen_put(f, t, "\tlong     sub_cmd;\n");
    gen_put(f, t, "\tswitch(message) %c\n", '{');
    gen_put(f, t, "\tcase WM_CREATE:\n");
    gen_put(f, t, "\t\t%s_CREATE(hwnd, lParam);\n", name);
    gen_put(f, t, "\t\tbreak;\n");
    write_message_cases(f, p);
    write_command_case(f, p);
    gen_put(f, t, "\t}\n");
    gen_put(f, t, "\treturn DefWindowProc (hwnd, message, wParam, lParam);\n");
    gen_put(f, t, "}\n");
}

void write_posi(gen_file *f, const form_plan &p, const char *base)
{
    const std::vector<int> cases = posi_cases();
    if (cases.empty()) return;
    gen_put(f, p.top, "int %s_POSI(int id, int *x, int *y, int *w, int *h)\n", skip_dir_prefix(base));
    gen_put(f, p.top, "{\n");
    gen_put(f, p.top, "\tswitch(id) %c\n", '{');
    for (const int b : cases) {
        const box_rec &r = box_table[b];
        gen_put(f, b, "\tcase %s:\n", r.name);
        gen_put(f, b, "\t\t*x = W(%d), *y = H(%d), *w = W(%d), *h = H(%d);\n", r.x, r.y, r.endx - r.x, r.endy - r.y);
        gen_put(f, b, "\t\treturn(0);\n");
    }
    gen_put(f, p.top, "\t}\n");
    gen_put(f, p.top, "\treturn(1);\n");
    gen_put(f, p.top, "}\n");
}

}  // namespace

int gen_form_write(const char *c_name, const char *h_name, const char *base, int top)
{
    form_plan p;
    plan_form(&p, top);
    if (!check_names(p, base)) return 0;
    gen_pair pair;
    if (gen_open_pair(&pair, c_name, h_name) != 0) return 1;
    write_header(&pair.h, p, base);
    if (gen_close_header(&pair, h_name) != 0) return 1;
    write_source_top(&pair.c, p, base, c_name, h_name);
    write_creation(&pair.c, p, base);
    write_create(&pair.c, p, base);
    write_proc(&pair.c, p, base);
    write_posi(&pair.c, p, base);
    return gen_finish(&pair, c_name, h_name);
}
