// The X/Motif source generator: an APP form becomes the application's main
// source driven by the template "xapp.dat", a FORM form the window's
// creation code behind the prologue "xform.dat"; HTML forms go to the page
// generator, the other kinds are refused.  The templates (and for a FORM
// "xstring.dat") are opened before any output; the source is written to a
// temporary that replaces it only when everything was written.
#include "generators/gen_xsrc.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "forms/kinds.h"
#include "forms/model.h"
#include "forms/para.h"
#include "forms/rtree.h"
#include "forms/xwindow.h"
#include "generators/gen_entry.h"
#include "generators/gen_html.h"
#include "generators/gen_names.h"
#include "generators/gen_support.h"
#include "generators/gen_xwidgets.h"
#include "generators/xdisplay.h"
#include "shell/dirs.h"
#include "shell/msgbox.h"
#include "shell/text.h"
#include "shell/words.h"

namespace {

const int template_read = 201;  // a template is read at most 200 bytes at a time

// Identifiers of the generated X text besides the Win32 writers' fixed names.
const char *const x_fixed_names[] = {
    "shell", "pilst", "args", "n", "list", "Arg", "Widget", "Display", "Window", "disp", "wind", "wgt", "client_data",
    "c_data", "caddr_t", "toplevel", "argc", "argv", "iwgt", "cnum", "del_listx", "ALONE", "XtSetArg", "XtSetValues",
    "XtGetValues", "XtManageChild", "XtAddCallback", "XtAddEventHandler", "XtDisplay", "XtIsRealized",
    "XtRealizeWidget", "XtWindow", "XtMapWidget", "XtUnmapWidget", "XtMainLoop", "XtCreateApplicationShell",
    "topLevelShellWidgetClass", "DisplayWidth", "DisplayHeight", "True", "False", "HMENU", "ControlProc", ""};

bool named(int i) { return box_table[i].name[0] != '\0'; }
bool is_kind(int i, const char *kind) { return in_form(i) && strcmp(box_table[i].kind, kind) == 0; }
bool rel_is(int l, const char *rel) { return strcmp(link_table[l].name, rel) == 0; }
bool is_directive(const char *line, const char *d) { return strncmp(line, d, strlen(d)) == 0; }

// ---- the name check -------------------------------------------------------------

bool is_identifier(const char *name)
{
    if (name[0] == '\0' || (name[0] >= '0' && name[0] <= '9')) return false;
    for (const char *p = name; *p != '\0'; ++p) {
        if (!(*p == '_' || (*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z') || (*p >= '0' && *p <= '9'))) return false;
    }
    return true;
}

// Holds the X text's own names (and the display strings' names) against the form's.
void reserve_x_names(name_claims *c)
{
    auto reserve = [c](const char *name) {
        if (is_identifier(name) && !is_fixed_name(name)) c->names.emplace(name, 0);
    };
    for (const char *const *f = x_fixed_names; (*f)[0] != '\0'; ++f) reserve(*f);
    for (const char cls : {'D', 'G', 'V', 'F', 'U', 'T'}) reserve(xstring_text(cls));
}

bool claim_suffixed(name_claims *c, int box, const char *name, const char *suffix, bool function)
{
    char text[200];
    format_text(text, sizeof text, "%s%s", name, suffix);
    return function ? claim_function(c, box, text) : claim_name(c, box, text);
}

// ---- template files -------------------------------------------------------------

// The templates are read as bytes (read_line drops the CR of CR LF), so the
// block's remembered position is a plain offset on every system.  A line
// longer than one read comes in pieces: only a line's first piece is
// tested for a directive and takes a prefix.
struct template_file {
    FILE *fp;
    long block;  // the position after the last "!gen_gcsub" line, or -1
    bool mid;    // the last read ended inside a line
};

// The next read; *head is true when it begins a line.  False at the end.
bool next_read(template_file *t, char *line, bool *head)
{
    *head = !t->mid;
    if (read_line(line, template_read, t->fp) == nullptr) return false;
    const size_t n = strlen(line);
    t->mid = (n == 0 || line[n - 1] != '\n') && !feof(t->fp);
    return true;
}

// Reads past the rest of a directive's line.
void skip_rest(template_file *t)
{
    char line[template_read];
    bool head = false;
    while (t->mid && next_read(t, line, &head)) {
    }
}

// Copies one read behind prefix (at a line's head); the last line of a file
// without its newline gets one.
void put_line(gen_file *out, const char *prefix, const char *line, bool head, FILE *from)
{
    gen_put(out, -1, "%s%s", head ? prefix : "", line);
    const size_t n = strlen(line);
    if ((n == 0 || line[n - 1] != '\n') && feof(from)) gen_put(out, -1, "\n");
}

bool is_block_end(const char *line, bool head) { return head && line[0] == '!'; }

// At a "!gen_gcsub" line: remembers the block and skips it.
void take_block(gen_file *out, template_file *t)
{
    skip_rest(t);
    t->block = ftell(t->fp);
    char line[template_read];
    bool head = false;
    while (next_read(t, line, &head)) {
        if (!is_block_end(line, head)) continue;
        if (!is_directive(line, "!end")) gen_put(out, -1, "\t/* xapp.datファイルに!...subに対応する!endが無い */\n");
        skip_rest(t);
        return;
    }
    gen_put(out, -1, "\t/* xapp.datファイルに!...subに対応する!endが無い */\n");
}

// Writes the remembered block behind prefix; the template reads on where it was.
void replay_block(gen_file *out, template_file *t, const char *prefix)
{
    if (t->block < 0) return;
    const long here = ftell(t->fp);
    const bool mid = t->mid;
    fseek(t->fp, t->block, SEEK_SET);
    t->mid = false;
    char line[template_read];
    bool head = false;
    while (next_read(t, line, &head) && !is_block_end(line, head)) put_line(out, prefix, line, head, t->fp);
    fseek(t->fp, here, SEEK_SET);
    t->mid = mid;
}

// The head of a generated file: base + ext copied, or the banner naming name.
void write_head(gen_file *out, const char *base, const char *ext, const char *name)
{
    char file[300];
    FILE *fp = format_text(file, sizeof file, "%s%s", base, ext) == 0 ? dir_fopen(file, "r") : nullptr;
    if (fp != nullptr) {
        fclose(fp);
        copy_template(out, base, ext);
        return;
    }
    gen_put(out, -1, "/*******************************/\n");
    gen_put(out, -1, "/* file:%s */\n", to_lower(skip_dir_prefix(name)));
    gen_put(out, -1, "/*******************************/\n");
}

void write_include(gen_file *out, const char *h_name) { gen_put(out, -1, "#include\t\"%s\"\n", to_lower(skip_dir_prefix(h_name))); }

// ---- APP forms ----------------------------------------------------------------------

struct xapp {
    int app;
    const char *base;    // without folder prefix
    const char *h_name;
    int form_links;      // n: the "FORM" links of the APP box
    int windows;         // the boxes the APP box links to with "FORM" or "no_set"
    int first_window;    // the child of the first "FORM" link, or -1
};

bool is_form_link(int l, int app) { return link_table[l].from == app && rel_is(l, "FORM") && in_form(link_table[l].to); }
bool is_window(int i, int app) { return find_app_parent(i) == app; }

bool check_app_names(const xapp &a)
{
    name_claims c;
    reserve_x_names(&c);
    for (const char *suffix : {"_END", "_ACT", "_INACT"}) {
        if (!claim_suffixed(&c, a.app, a.base, suffix, true)) return false;
    }
    for (int i = form_sta; i < form_num; ++i) {
        if (!is_window(i, a.app)) continue;
        const char *kind = box_table[i].kind;
        if (!claim_name(&c, i, box_table[i].name) || !claim_function(&c, i, kind) ||
            !claim_suffixed(&c, i, kind, "_olist", true) || !claim_suffixed(&c, i, kind, "_ACT", true)) {
            return false;
        }
    }
    for (int l = first_link_from(a.app); l >= 0; l = next_link_from(l)) {
        if (!rel_is(l, "INITIAL") && !rel_is(l, "BEFORE") && !rel_is(l, "AFTER")) continue;
        const int p = link_table[l].to;
        if (in_form(p) && !claim_function(&c, p, box_table[p].kind)) return false;
    }
    return true;
}

// The calls of the APP box's links with relation rel in the given format (the child's kind).
void write_app_calls(gen_file *out, const xapp &a, const char *rel, const char *format)
{
    for (int l = first_link_from(a.app); l >= 0; l = next_link_from(l)) {
        if (rel_is(l, rel) && in_form(link_table[l].to)) gen_put(out, link_table[l].to, format, box_table[link_table[l].to].kind);
    }
}

void write_app_olist(gen_file *out, const xapp &a)
{
    for (int l = first_link_from(a.app); l >= 0; l = next_link_from(l)) {
        if (is_form_link(l, a.app)) gen_put(out, a.app, "extern struct Olist %s_olist[1];\n", box_table[link_table[l].to].kind);
    }
    gen_put(out, a.app, "static struct Olist app_olist[] = {\n");
    for (int l = first_link_from(a.app); l >= 0; l = next_link_from(l)) {
        if (!is_form_link(l, a.app)) continue;
        const box_rec &w = box_table[link_table[l].to];
        gen_put(out, a.app, "\t{\"%s\", %s_olist},\n", w.name, w.kind);
    }
    gen_put(out, a.app, "\t{\"\", 0}};\n");
}

void write_app_shell(gen_pair *p, const xapp &a, template_file *t)
{
    gen_file *out = &p->c;
    write_app_calls(out, a, "INITIAL", "\t%s(argc, argv, 'I');\n");
    gen_put(out, a.app, "\tilstg = (struct Ilist *)malloc(sizeof *ilstg);\n");
    gen_put(out, a.app, "\thwndg = (Widget *)malloc(%d * sizeof(Widget));\n", a.windows);
    gen_put(out, a.app, "\tworkg = (char **)malloc(%d * sizeof(char*));\n", a.windows);
    gen_put(out, a.app, "\tlistg = (struct Ilist **)malloc(%d * sizeof *listg);\n", a.windows);
    gen_put(out, a.app, "\tilstg->hwnd = hwndg;\n");
    gen_put(out, a.app, "\tilstg->work = workg;\n");
    gen_put(out, a.app, "\tilstg->list = listg;\n");
    gen_put(out, a.app, "\tilstg->cnum = %d;\n", a.windows);
    gen_put(out, a.app, "\tilstg->iwgt = toplevel;\n");
    int k = 0;
    for (int i = form_sta; i < form_num; ++i) {
        if (!is_window(i, a.app)) continue;
        const box_rec &w = box_table[i];
        gen_put(out, i, "\tshell = XtCreateApplicationShell(\"%s\",\n\t\ttopLevelShellWidgetClass, NULL, 0);\n", w.name);
        gen_put(out, i, "\thwndg[%s] = shell;\n", w.name);
        const int parent = find_child_link(i);
        if (parent >= 0) gen_put(out, i, "\t%s(hwndg[%s], &listg[%s]);\n", w.kind, box_table[parent].name, w.name);
        else gen_put(out, i, "\t%s(shell, &listg[%s]);\n", w.kind, w.name);
        gen_put(&p->h, i, "#define %-12s %3d /* %s */\n", w.name, k++, w.kind);
    }
    gen_put(out, a.app, "\tdo_join();\n");
    write_app_calls(out, a, "BEFORE", "\t%s(argc, argv, 'S', ilstg);\n");
    gen_put(out, a.app, "#ifdef ALONE\n");
    for (int l = first_link_from(a.app); l >= 0; l = next_link_from(l)) {
        if (!is_form_link(l, a.app)) continue;
        const int w = link_table[l].to;
        for (int s = first_link_from(a.app); s >= 0; s = next_link_from(s)) {
            if (link_table[s].to != w || has_prefix(link_table[s].name, "SW_") != 0) continue;
            gen_put(out, w, "\t%s_ACT(ilstg->list[%s]->hwnd[0]);\n", box_table[w].kind, box_table[w].name);
            gen_put(out, w, "\tXtRealizeWidget(hwndg[%s]);\n", box_table[w].name);
            gen_put(out, w, "\twind = XtWindow(hwndg[%s]);\n", box_table[w].name);
        }
    }
    replay_block(out, t, "");
    gen_put(out, a.app, "\tXtMainLoop();\n");
    write_app_calls(out, a, "AFTER", "\t%s(argc, argv, 'E', ilstg);\n");
    gen_put(out, a.app, "#else\n");
    gen_put(out, a.app, "\treturn(0);\n");
    gen_put(out, a.app, "}\n");
    gen_put(out, a.app, "%s_END()\n", a.base);
    gen_put(out, a.app, "{\n");
    if (a.first_window >= 0) gen_put(out, a.app, "\tDisplay *disp = XtDisplay(ilstg->hwnd[%s]);\n", box_table[a.first_window].name);
    else gen_put(out, a.app, "\tDisplay *disp = XtDisplay(ilstg->hwnd[?]); /* FORM関係が無い */\n");
    write_app_calls(out, a, "AFTER", "\t%s('E', ilstg);\n");
    gen_put(out, a.app, "#endif\n");
    gen_put(out, a.app, "\tdel_object();\n");
    gen_put(out, a.app, "\tdel_work();\n");
    gen_put(out, a.app, "\tdel_listx();\n");
}

// One show function and one hide function for all the "SW_" links.
void write_app_onoff(gen_file *out, const xapp &a, template_file *t)
{
    gen_put(out, a.app, "%s_ACT()\n", a.base);
    gen_put(out, a.app, "{\n");
    gen_put(out, a.app, "\tWidget wgt;\n");
    gen_put(out, a.app, "\tDisplay *disp;\n");
    gen_put(out, a.app, "\tWindow wind;\n");
    for (int l = first_link_from(a.app); l >= 0; l = next_link_from(l)) {
        const int w = link_table[l].to;
        if (has_prefix(link_table[l].name, "SW_") != 0 || !in_form(w)) continue;
        gen_put(out, w, "\twgt = ilstg->hwnd[%s];\n", box_table[w].name);
        gen_put(out, w, "\tif(!XtIsRealized(wgt)) {\n");
        gen_put(out, w, "\t\t%s_ACT(ilstg->list[%s]->hwnd[0]);\n", box_table[w].kind, box_table[w].name);
        gen_put(out, w, "\t\tXtRealizeWidget(wgt);\n");
        gen_put(out, w, "\t\tdisp = XtDisplay(wgt);\n");
        gen_put(out, w, "\t\twind = XtWindow(wgt);\n");
        replay_block(out, t, "\t");
        gen_put(out, w, "\t} else {\n");
        gen_put(out, w, "\t\tXtMapWidget(wgt);\n");
        gen_put(out, w, "\t}\n");
    }
    gen_put(out, a.app, "\treturn(0);\n");
    gen_put(out, a.app, "}\n");
    gen_put(out, a.app, "%s_INACT()\n", a.base);
    gen_put(out, a.app, "{\n");
    for (int l = first_link_from(a.app); l >= 0; l = next_link_from(l)) {
        const int w = link_table[l].to;
        if (has_prefix(link_table[l].name, "SW_") == 0 && in_form(w)) {
            gen_put(out, w, "\tXtUnmapWidget(ilstg->hwnd[%s]);\n", box_table[w].name);
        }
    }
    gen_put(out, a.app, "\treturn(0);\n");
    gen_put(out, a.app, "}\n");
}

int write_app(const char *c_name, const char *h_name, const char *base, int app)
{
    xapp a{app, skip_dir_prefix(base), h_name, 0, 0, -1};
    for (int l = first_link_from(app); l >= 0; l = next_link_from(l)) {
        if (!is_form_link(l, app)) continue;
        if (a.form_links++ == 0) a.first_window = link_table[l].to;
    }
    for (int i = form_sta; i < form_num; ++i) a.windows += is_window(i, app) ? 1 : 0;
    if (!check_app_names(a)) return 0;
    template_file t{dir_fopen("xapp.dat", "rb"), -1, false};
    if (t.fp == nullptr) return report_open_failure("xapp.dat");
    gen_pair p;
    if (gen_open_pair(&p, c_name, h_name) != 0) {
        fclose(t.fp);
        return 1;
    }
    write_head(&p.h, base, ".th", h_name);
    write_head(&p.c, base, ".tc", c_name);
    char field[100];
    get_para(field, app, 2);
    char line[template_read];
    bool head = false;
    while (next_read(&t, line, &head)) {
        bool directive = false;
        for (const char *d : {"!gen_inc", "!gen_olist", "!gen_gcsub", "!gen_shell", "!gen_onoff"}) directive |= head && is_directive(line, d);
        if (!directive) {
            put_line(&p.c, "", line, head, t.fp);
            continue;
        }
        if (!is_directive(line, "!gen_gcsub")) skip_rest(&t);
        if (is_directive(line, "!gen_inc")) {
            write_include(&p.c, h_name);
            if (strcmp(field, "N") != 0) gen_put(&p.c, app, "#define ALONE\n");
        } else if (is_directive(line, "!gen_olist")) {
            write_app_olist(&p.c, a);
        } else if (is_directive(line, "!gen_gcsub")) {
            take_block(&p.c, &t);
        } else if (is_directive(line, "!gen_shell")) {
            write_app_shell(&p, a, &t);
        } else if (is_directive(line, "!gen_onoff")) {
            write_app_onoff(&p.c, a, &t);
        }
    }
    fclose(t.fp);
    return gen_finish(&p, c_name, h_name);
}

// ---- FORM forms ------------------------------------------------------------------------

const char *const table_kinds[] = {"SET", "ANY", "MAP", "MSG", "JOIN", "FONT", "BRUSH", ""};

struct xform {
    xform_info info;
    char caption[gen_line_size];
    char x[100], y[100], w[100], h[100];
    bool x_center, y_center;  // CENTERING outside FULL mode
    bool has_repeat;
    int total;  // N: every instance
};

// Field k of box i, "omit" read as empty.
void field_of(char *out, int size, int i, int k)
{
    get_para(out, size, i, k);
    if (strcmp(out, "omit") == 0) out[0] = '\0';
}

void plan_xform(xform *p, int top, const char *base)
{
    p->info.top = top;
    p->info.base = skip_dir_prefix(base);
    field_of(p->caption, sizeof p->caption, top, 1);
    field_of(p->x, sizeof p->x, top, 3);
    field_of(p->y, sizeof p->y, top, 4);
    field_of(p->w, sizeof p->w, top, 5);
    field_of(p->h, sizeof p->h, top, 6);
    p->info.full = strcmp(p->x, "FULL") == 0 || strcmp(p->y, "FULL") == 0;
    p->x_center = !p->info.full && strcmp(p->x, "CENTERING") == 0;
    p->y_center = !p->info.full && strcmp(p->y, "CENTERING") == 0;
    p->info.fx = atoi(p->x);
    p->info.fy = atoi(p->y);
    p->info.fw = atoi(p->w);
    p->info.fh = atoi(p->h);
    p->has_repeat = false;
    p->total = 0;
    static const char *const countless[] = {"FORM", "REPEAT", "HBRUSH", "INT", "LONG", "VARIABLE", ""};
    for (int i = form_sta; i < form_num; ++i) {
        repeat_of[i] = -1;
        id_count[i] = 0;
        x_first[i] = p->total;
        if (!named(i) || kind_in(box_table[i].kind, countless)) continue;
        for (int l = first_link_to(i); l >= 0; l = next_link_to(l)) {
            if (rel_is(l, "SET") && is_kind(link_table[l].from, "REPEAT")) {
                repeat_of[i] = link_table[l].from;
                break;
            }
        }
        int nx = 1, ny = 1;
        if (repeat_of[i] >= 0) {
            repeat_size(repeat_of[i], &nx, &ny);
            p->has_repeat = true;
        }
        id_count[i] = nx * ny;
        p->total += id_count[i];
    }
}

// A box whose kind gets a prototype in the header.
bool has_prototype(int i)
{
    return box_table[i].kind[0] != '\0' && is_reserved_kind(i) == 0 && is_control_box(i) == 0 &&
           !is_widget_class(box_table[i].kind);
}

// The unnamed child of an "on_set" link from box i, or -1.
int unnamed_child(int i)
{
    for (int l = first_link_from(i); l >= 0; l = next_link_from(l)) {
        const int c = link_table[l].to;
        if (rel_is(l, "on_set") && in_form(c) && !named(c)) return c;
    }
    return -1;
}

bool check_form_names(const xform &p)
{
    name_claims c;
    reserve_x_names(&c);
    const int top = p.info.top;
    if (!claim_base_names(&c, top, p.info.base) || !claim_suffixed(&c, top, p.info.base, "_ACT", false)) return false;
    int tab = 0;
    for (int i = form_sta; i < form_num; ++i) {
        const box_rec &b = box_table[i];
        if ((id_count[i] > 0 || is_kind(i, "HBRUSH") || is_kind(i, "INT") || is_kind(i, "LONG")) && !claim_name(&c, i, b.name)) {
            return false;
        }
        if (kind_in(b.kind, table_kinds) && named(i) && !claim_suffixed(&c, i, b.name, "_v", false)) return false;
        if (is_kind(i, "TABSTOP")) {
            char table[100];
            format_text(table, sizeof table, "tab%d", tab++);
            if (!claim_name(&c, i, table)) return false;
        }
        if (has_prototype(i) && !claim_function(&c, i, b.kind)) return false;
        const int u = unnamed_child(i);
        if (u >= 0 && !claim_suffixed(&c, u, box_table[u].kind, "_olist", true)) return false;
    }
    for (int l = first_link_from(top); l >= 0; l = next_link_from(l)) {
        const int m = link_table[l].to;
        if (!rel_is(l, "SMENU") || !in_form(m)) continue;
        for (const char *suffix : {"", "_APPEND", "_INIT"}) {
            if (!claim_suffixed(&c, m, box_table[m].kind, suffix, true)) return false;
        }
    }
    return true;
}

void write_form_header(gen_file *h, const xform &p, const char *base, const char *h_name)
{
    const int top = p.info.top;
    write_head(h, base, ".th", h_name);
    for (int i = form_sta; i < form_num; ++i) {
        if (id_count[i] > 0) gen_put(h, i, "#define %-12s %3d /* %s */\n", box_table[i].name, x_first[i], box_table[i].kind);
    }
    gen_put(h, top, "int Tavir_up_join();\n");
    gen_put(h, top, "int Tavir_up_object();\n");
    gen_put(h, top, "int Tavir_up_work();\n");
    gen_put(h, top, "void *memset();\n");
    gen_put(h, top, "static void %s_PROC();\n", p.info.base);
    proto_reset();
    for (int i = form_sta; i < form_num; ++i) {
        if (!has_prototype(i) || proto_once(box_table[i].kind) == 0) continue;
        gen_put(h, i, named(i) ? "Widget %s();\n" : "int %s();\n", box_table[i].kind);
    }
    for (int l = first_link_from(top); l >= 0; l = next_link_from(l)) {
        if (!rel_is(l, "SMENU") || !in_form(link_table[l].to)) continue;
        gen_put(h, top, "int %s_APPEND();\n", box_table[link_table[l].to].kind);
        gen_put(h, top, "int %s_INIT();\n", box_table[link_table[l].to].kind);
    }
}

void write_form_top(gen_file *out, const xform &p, const char *base, const char *c_name, const char *h_name, FILE *prologue)
{
    const int top = p.info.top;
    write_head(out, base, ".tc", c_name);
    template_file t{prologue, -1, false};
    char line[template_read];
    bool head = false;
    while (next_read(&t, line, &head)) {
        if (head && is_directive(line, "!gen_inc")) {
            skip_rest(&t);
            write_include(out, h_name);
        } else {
            put_line(out, "", line, head, prologue);
        }
    }
    char d_name[300];
    format_text(d_name, sizeof d_name, "%s.d", base);
    FILE *d = dir_fopen(d_name, "r");
    if (d != nullptr) {
        fclose(d);
        gen_put(out, top, "#include \"%s\"\n", to_lower(skip_dir_prefix(d_name)));
    }
    include_kind_defs(out);
    include_work_defs(out);
    gen_put(out, top, "%s %s();\n", xstring_text('D'), xstring_text('G'));
    if (p.info.full) {
        gen_put(out, top, "#define W(w_x)     ((w_x)*wf/%s)\n", p.w[0] != '\0' ? p.w : "1");
        gen_put(out, top, "#define H(h_x)     ((h_x)*hf/%s)\n", p.h[0] != '\0' ? p.h : "1");
        gen_put(out, top, "static int wf;\n");
        gen_put(out, top, "static int hf;\n");
    } else {
        if (xdisp_w == xdisp_screen_w) gen_put(out, top, "#define W(w_x)     (w_x)\n");
        else gen_put(out, top, "#define W(w_x)     ((w_x)*%d/%d)\n", xdisp_w, xdisp_screen_w);
        if (xdisp_h == xdisp_screen_h) gen_put(out, top, "#define H(h_x)     (h_x)\n");
        else gen_put(out, top, "#define H(h_x)     ((h_x)*%d/%d)\n", xdisp_h, xdisp_screen_h);
    }
    for (int i = form_sta; i < form_num; ++i) {
        if (is_kind(i, "HBRUSH")) gen_put(out, i, "HBRUSH %s;\n", box_table[i].name);
        if (is_kind(i, "INT")) gen_put(out, i, "int %s;\n", box_table[i].name);
        if (is_kind(i, "LONG")) gen_put(out, i, "long %s;\n", box_table[i].name);
    }
    for (const char *text : {"struct Olist {\n", "\tchar *oname;\n", "\tstruct Olist *olist;\n", "};\n"}) gen_put(out, top, "%s", text);
    for (int l = l_sta; l < l_num; ++l) {
        const link_rec &k = link_table[l];
        if (rel_is(l, "on_set") && in_form(k.from) && in_form(k.to) && named(k.from) && !named(k.to)) {
            gen_put(out, k.to, "extern struct Olist %s_olist[1];\n", box_table[k.to].kind);
        }
    }
    gen_put(out, top, "struct Olist %s_olist[] = {\n", p.info.base);
    for (int i = form_sta; i < form_num; ++i) {
        const int u = unnamed_child(i);
        for (int n = 0; n < id_count[i]; ++n) {
            if (u >= 0) gen_put(out, i, "\t{\"%s\", %s_olist},\n", box_table[i].name, box_table[u].kind);
            else gen_put(out, i, "\t{\"%s\", 0},\n", box_table[i].name);
        }
    }
    gen_put(out, top, "\t{\"\", 0}};\n");
}

// The named boxes linked with rel from box i (or to it, with to_box), in box order.
std::vector<int> linked_boxes(int i, const char *rel, bool to_box)
{
    std::vector<int> out;
    for (int b = form_sta; b < form_num; ++b) {
        if (!named(b)) continue;
        for (int l = to_box ? first_link_to(i) : first_link_from(i); l >= 0; l = to_box ? next_link_to(l) : next_link_from(l)) {
            if (rel_is(l, rel) && (to_box ? link_table[l].from : link_table[l].to) == b) {
                out.push_back(b);
                break;
            }
        }
    }
    return out;
}

void write_id_list(gen_file *out, int owner, const std::vector<int> &boxes)
{
    for (const int b : boxes) gen_put(out, owner, "%s, ", box_table[b].name);
    gen_put(out, owner, "-1};\n");
}

void write_static_data(gen_file *out)
{
    for (int i = form_sta; i < form_num; ++i) {
        const char *name = box_table[i].name;
        if (!named(i)) continue;
        if (is_kind(i, "SET") || is_kind(i, "ANY")) {
            gen_put(out, i, "\tstatic int %s_v[] = {", name);
            write_id_list(out, i, linked_boxes(i, box_table[i].kind, is_kind(i, "ANY")));
        } else if (is_kind(i, "MAP")) {
            gen_put(out, i, "\tstatic struct {int from; int to;} %s_v[] = {\n", name);
            for (int l = l_sta; l < l_num; ++l) {
                const link_rec &k = link_table[l];
                if (strcmp(k.name, name) != 0 || !in_form(k.from) || !in_form(k.to) || !named(k.from) || !named(k.to)) continue;
                gen_put(out, i, "\t\t{%s, %s},\n", box_table[k.from].name, box_table[k.to].name);
            }
            gen_put(out, i, "\t\t{-1, -1}};\n");
        } else if (is_kind(i, "MSG") || is_kind(i, "JOIN")) {
            char text[gen_line_size];
            get_para(text, i, 0);
            gen_put(out, i, text[0] == '"' ? "\tstatic char %s_v[] = %s;\n" : "\tstatic char %s_v[] = \"%s\";\n", name, text);
        } else if (is_kind(i, "FONT")) {
            gen_put(out, i, "\tHFONT %s_v;\n", name);
        } else if (is_kind(i, "BRUSH")) {
            gen_put(out, i, "\tHBRUSH %s_v;\n", name);
        }
    }
    int tabs = 0;
    for (int i = form_sta; i < form_num; ++i) {
        if (!is_kind(i, "TABSTOP")) continue;
        gen_put(out, i, "\tstatic int tab%d[] = {", tabs++);
        write_id_list(out, i, linked_boxes(i, "SET", false));
    }
}

void write_sizes(gen_file *out, const xform &p)
{
    const int top = p.info.top;
    if (p.info.full) {
        if (full_as_centering != 0) {
            gen_put(out, top, "\twf = %s;\n", p.w[0] != '\0' ? p.w : "1");
            gen_put(out, top, "\thf = %s;\n", p.h[0] != '\0' ? p.h : "1");
        } else {
            gen_put(out, top, "\twf = DisplayWidth(XtDisplay(shell), 0) - %d;\n", xdisp_s);
            gen_put(out, top, "\thf = DisplayHeight(XtDisplay(shell), 0) - %d;\n", xdisp_t);
        }
    }
    if (p.x_center) {
        gen_put(out, top, "\tw = DisplayWidth(XtDisplay(shell), 0);\n");
        gen_put(out, top, "\tw = w/2 - W(%s)/2;\n", p.w);
    }
    if (p.y_center) {
        gen_put(out, top, "\th = DisplayHeight(XtDisplay(shell), 0);\n");
        gen_put(out, top, "\th = h/2 - H(%s)/2;\n", p.h);
    }
    const int n = p.total;
    gen_put(out, top, "\thwnd = (Widget*)malloc(%d * sizeof(Widget));\n", n);
    gen_put(out, top, "\twork = (char**)malloc(%d * sizeof(char *));\n", n);
    gen_put(out, top, "\tlist = (struct Ilist**)malloc(%d * sizeof(char *));\n", n);
    gen_put(out, top, "\tmemset(hwnd, '\\0', %d * sizeof(Widget));\n", n);
    gen_put(out, top, "\tmemset(work, '\\0', %d * sizeof(char *));\n", n);
    gen_put(out, top, "\tmemset(list, '\\0', %d * sizeof(char *));\n", n);
    for (const char *text : {"\tilst = (struct Ilist*)malloc(sizeof *ilst);\n", "\tilst->hwnd = hwnd;\n", "\tilst->work = work;\n",
                             "\tilst->list = list;\n"}) {
        gen_put(out, top, "%s", text);
    }
    gen_put(out, top, "\tilst->cnum = %d;\n", n);
    gen_put(out, top, "\tilst->iwgt = shell;\n");
    gen_put(out, top, "\t*pilst = ilst;\n");
}

void write_objects(gen_file *out)
{
    for (int i = form_sta; i < form_num; ++i) {
        const char *name = box_table[i].name;
        if (!named(i) || (!is_kind(i, "FONT") && !is_kind(i, "BRUSH"))) continue;
        char field[gen_line_size];
        if (is_kind(i, "FONT")) {
            get_para(field, i, 0);
            gen_put(out, i, "\t%s_v = CreateFont(H(%s)", name, field);
            for (int k = 1; k <= 13; ++k) {
                get_para(field, i, k);
                gen_put(out, i, ",%s", field);
            }
            gen_put(out, i, ");\n");
        } else {
            char g[gen_line_size], b[gen_line_size];
            get_para(field, i, 0);
            get_para(g, i, 1);
            get_para(b, i, 2);
            gen_put(out, i, "\t%s_v = CreateSolidBrush(RGB(%s, %s, %s));\n", name, field, g, b);
        }
        gen_put(out, i, "\tTavir_up_object(%s_v);\n", name);
        gen_put(out, i, "\thwnd[%s] = %s_v;\n", name, name);
    }
}

void write_work_pointers(gen_file *out)
{
    for (int i = form_sta; i < form_num; ++i) {
        const char *n = box_table[i].name;
        if (!named(i)) continue;
        if (is_kind(i, "SET") || is_kind(i, "ANY") || is_kind(i, "MSG") || is_kind(i, "MAP")) {
            gen_put(out, i, "\twork[%s] = (char *)%s_v;\n", n, n);
        } else if (is_kind(i, "JOIN")) {
            gen_put(out, i, "\tTavir_up_join(&hwnd[%s], &work[%s], %s_v);\n", n, n, n);
        }
    }
}

void write_creation(gen_file *out, const xform &p)
{
    const int top = p.info.top;
    gen_put(out, top, "int %s(shell, pilst)\n", p.info.base);
    for (const char *text : {"\tWidget shell;\n", "\tstruct Ilist **pilst;\n", "{\n", "\tint i;\n", "\tint n;\n", "\tArg args[100];\n"}) {
        gen_put(out, top, "%s", text);
    }
    if (p.x_center) gen_put(out, top, "\tint w;\n");
    if (p.y_center) gen_put(out, top, "\tint h;\n");
    for (const char *text : {"\tWidget *hwnd;\n", "\tchar **work;\n", "\tstruct Ilist **list;\n", "\tstruct Ilist *ilst;\n"}) {
        gen_put(out, top, "%s", text);
    }
    if (p.has_repeat) gen_put(out, top, "\tint _x, _y;\n");
    gen_put(out, top, "\t%s %s;\n", xstring_text('D'), xstring_text('V'));
    write_static_data(out);
    write_sizes(out, p);
    write_objects(out);
    for (int l = first_link_from(top); l >= 0; l = next_link_from(l)) {
        if (rel_is(l, "BEFORE") && in_form(link_table[l].to)) gen_put(out, top, "\t%s(shell, 'S', ilst);\n", box_table[link_table[l].to].kind);
    }
    write_work_pointers(out);
    if (p.caption[0] != '\0' && strcmp(xstring_text('T'), "???") != 0) {
        gen_put(out, top, p.caption[0] == '"' ? "\tXtSetArg(args[0], %s, %s);\n" : "\tXtSetArg(args[0], %s, \"%s\");\n",
                xstring_text('T'), p.caption);
        gen_put(out, top, "\tXtSetValues(shell, args, 1);\n");
    }
    write_x_widgets(out, p.info);
    for (int l = first_link_from(top); l >= 0; l = next_link_from(l)) {
        if (rel_is(l, "SMENU") && in_form(link_table[l].to)) gen_put(out, top, "\t%s_APPEND (shell);\n", box_table[link_table[l].to].kind);
    }
    write_x_callbacks(out, p.info);
    gen_put(out, top, "\tXtSetArg(args[0], %s, ilst);\n", xstring_text('U'));
    gen_put(out, top, "\tfor(i = 0; i < %d; i++) {\n", p.total);
    for (const char *text : {"\t\tif(hwnd[i]) {\n", "\t\t\tXtSetValues(hwnd[i], args, 1);\n", "\t\t}\n", "\t}\n"}) gen_put(out, top, "%s", text);
    for (int l = first_link_from(top); l >= 0; l = next_link_from(l)) {
        const int c = link_table[l].to;
        const char *fn = box_gen_name(c);
        if (rel_is(l, "AFTER") && fn != nullptr) gen_put(out, c, "\t%s(shell, 'E', ilst%s);\n", fn, get_kind_ids(c));
    }
    gen_put(out, top, "\treturn(0);\n");
    gen_put(out, top, "}\n");
}

void write_activation(gen_file *out, const xform &p)
{
    const int top = p.info.top;
    gen_put(out, top, "void %s_ACT(wgt)\n", p.info.base);
    for (const char *text : {"\tWidget   wgt;\n", "{\n", "\tArg args[1];\n", "\tWidget *hwnd;\n", "\tstruct Ilist *ilst;\n", "\n",
                             "\tif(XtIsRealized(wgt)) {\n", "\t\treturn;\n", "\t}\n"}) {
        gen_put(out, top, "%s", text);
    }
    gen_put(out, top, "\tXtSetArg(args[0], %s, &ilst);\n", xstring_text('U'));
    gen_put(out, top, "\tXtGetValues(wgt, args, 1);\n");
    gen_put(out, top, "\thwnd = ilst->hwnd;\n");
    write_x_manage(out, p.info);
    gen_put(out, top, "}\n");
}

void write_procedure(gen_file *out, const xform &p)
{
    const int top = p.info.top;
    gen_put(out, top, "static void %s_PROC(w, client_data, c_data)\n", p.info.base);
    for (const char *text : {"\tWidget      w;\n", "\tcaddr_t     client_data;\n", "\tcaddr_t     c_data;\n", "{\n",
                             "\tint      rtc = 0;\n", "\tint      object_id;\n", "\tlong     sub_cmd;\n"}) {
        gen_put(out, top, "%s", text);
    }
    gen_put(out, top, "\tswitch((int)client_data) %c\n", '{');
    write_x_branches(out, p.info);
    for (int l = l_sta; l < l_num; ++l) {
        const link_rec &k = link_table[l];
        if (!rel_is(l, "SMENU") || !in_form(k.from) || is_kind(k.from, "FORM") || !in_form(k.to) || named(k.to)) continue;
        gen_put(out, k.to, "\tcase WM_INITMENU:\n");
        gen_put(out, k.to, "\t\trtc = %s_INIT(", box_table[k.to].kind);
        gen_put(out, k.to, "hwnd, message, wParam, lParam);\n");
        gen_put(out, k.to, "\t\treturn(0);\n");
        gen_put(out, k.to, "\tcase WM_SYSCOMMAND:\n");
        gen_put(out, k.to, "\t\trtc = %s(", box_table[k.to].kind);
        gen_put(out, k.to, "hwnd, message, wParam, lParam);\n");
        gen_put(out, k.to, "\t\tbreak;\n");
    }
    gen_put(out, top, "\t}\n");
    gen_put(out, top, "\treturn;\n");
    gen_put(out, top, "}\n");
}

void write_position(gen_file *out, const xform &p)
{
    const std::vector<int> cases = posi_cases();
    if (cases.empty()) return;
    const int top = p.info.top;
    gen_put(out, top, "int %s_POSI(id, x, y, w, h)\n", p.info.base);
    for (const char *text : {"\tint id;\n", "\tint *x;\n", "\tint *y;\n", "\tint *w;\n", "\tint *h;\n", "{\n"}) gen_put(out, top, "%s", text);
    gen_put(out, top, "\tswitch(id) %c\n", '{');
    for (const int b : cases) {
        int x, y, w, h;
        x_geometry(p.info, b, &x, &y, &w, &h);
        gen_put(out, b, "\tcase %s:\n", box_table[b].name);
        gen_put(out, b, "\t\t*x = W(%d), *y = H(%d), *w = W(%d), *h = H(%d);\n", x, y, w, h);
        gen_put(out, b, "\t\treturn(0);\n");
    }
    gen_put(out, top, "\t}\n");
    gen_put(out, top, "\treturn(1);\n");
    gen_put(out, top, "}\n");
}

int write_form(const char *c_name, const char *h_name, const char *base, int top, int xstring_missing)
{
    static xform p;
    plan_xform(&p, top, base);
    if (!check_form_names(p)) return 0;
    if (xstring_missing != 0) return report_open_failure("xstring.dat");
    FILE *prologue = dir_fopen("xform.dat", "rb");
    if (prologue == nullptr) return report_open_failure("xform.dat");
    gen_pair pair;
    if (gen_open_pair(&pair, c_name, h_name) != 0) {
        fclose(prologue);
        return 1;
    }
    write_form_header(&pair.h, p, base, h_name);
    if (gen_close_header(&pair, h_name) != 0) {
        fclose(prologue);
        return 1;
    }
    write_form_top(&pair.c, p, base, c_name, h_name, prologue);
    fclose(prologue);
    write_creation(&pair.c, p);
    write_activation(&pair.c, p);
    write_procedure(&pair.c, p);
    write_position(&pair.c, p);
    return gen_finish(&pair, c_name, h_name);
}

int route(int code, const char *c_name, const char *h_name, const char *base, int top, int xstring_missing)
{
    switch (code) {
    case gen_app: return write_app(c_name, h_name, base, top);
    case gen_form: return write_form(c_name, h_name, base, top, xstring_missing);
    case gen_work: form_error_box("WORKのソース生成は未サポートです\n"); return 0;
    case gen_smenu: form_error_box("XWINDOWのソース生成モードでは、SMENUフォームは対象外です"); return 0;
    case gen_proj: form_error_box("PROJのソース生成は未サポートです\n"); return 0;
    case gen_html_kind: return gen_html(c_name, form_sta, form_num, l_sta, l_num);
    default: form_error_box("主FORM矩形が有りません、異常です\n"); return 0;
    }
}

}  // namespace

int gen_xsrc(const char *c_name, const char *h_name, int first_box, int end_box, int first_link, int end_link)
{
    read_xwindow();
    read_xdisplay();
    const int xstring_missing = read_xstring();
    set_form_range(first_box, end_box, first_link, end_link);
    child_tree_build();
    char base[300];
    copy_bounded(base, sizeof base, c_name);
    cut_extension(base);
    int code = -1, top = -1;
    if (gen_kind(first_box, end_box, &code, &top) != 0) return 0;
    index_links();
    const int result = route(code, c_name, h_name, base, top, xstring_missing);
    drop_link_index();
    return result;
}
