// The APP writer: WinMain creating every window of the application through
// its form's creation function, the object-name runtime ("JOIN") and GO and
// FIN.  A window box is a box an APP box links to with "FORM" or "no_set";
// the source and the header are written side by side.
#include "generators/gen_app.h"

#include <cstring>

#include "forms/kinds.h"
#include "forms/model.h"
#include "forms/para.h"
#include "generators/gen_entry.h"
#include "generators/gen_names.h"
#include "generators/gen_support.h"
#include "shell/text.h"

namespace {

const char *const runtime_lines[] = {
    "struct Olist {\n", "\tchar *oname;\n", "\tstruct Olist *olist;\n", "};\n",
    "struct Ilist {\n", "\tHWND *hwnd;\n", "\tchar **work;\n", "\tstruct Ilist **list;\n", "};\n", nullptr};

const char *const app_arg_lines[] = {
    "static long app_arg(lp, arg, ilst, hwnd, work)\n", "struct Olist *lp;\n", "char *arg;\n",
    "struct Ilist *ilst;\n", "HWND *hwnd;\n", "char **work;\n", "{\n", "\tint i;\n", "\tchar *p;\n", "\tchar c;\n",
    "\tfor (;;) {\n", "\t\tfor (p = arg; *p != '\\0' && *p != '.'; p++)\n", "\t\t\t;\n", "\t\tc = *p;\n",
    "\t\t*p = '\\0';\n", "\t\tfor (i = 0; lp[i].oname[0] != '\\0'; i++) {\n",
    "\t\t\tif (strcmp(lp[i].oname, arg) == 0)\n", "\t\t\t\tbreak;\n", "\t\t}\n", "\t\t*p = c;\n",
    "\t\tif (lp[i].oname[0] == '\\0')\n", "\t\t\treturn 1;\t/* オブジェクト名が一致しない */\n",
    "\t\tif (c == '\\0') {\n", "\t\t\t*hwnd = ilst->hwnd[i];\t/* オブジェクトが完全一致 */\n",
    "\t\t\t*work = ilst->work[i];\n", "\t\t\treturn 0;\n", "\t\t}\n",
    "\t\targ = p + 1;\t/* オブジェクト名が部分一致 */\n", "\t\tilst = ilst->list[i];\n", "\t\tlp = lp[i].olist;\n",
    "\t\tif (lp == 0 || ilst == 0)\n", "\t\t\treturn 1;\n", "\t}\n", "}\n", nullptr};

const char *const list_lines[] = {
    "static struct Join {\n", "\tint *hwnd;\n", "\tchar **work;\n", "\tstruct Join *next;\n", "\tchar *arg;\n", "};\n",
    "static struct J_font {\n", "\tHFONT font;\n", "\tstruct J_font *next;\n", "};\n",
    "static struct J_work {\n", "\tvoid* work;\n", "\tstruct J_work *next;\n", "};\n",
    "static struct Ilist  *ilstg;\n", "static struct Join *Tavir_top = 0;\n", "static struct J_font *Tavir_font = 0;\n",
    "static struct J_work *Tavir_work = 0;\n",
    "Tavir_up_join(hwnd, work, arg)\n", "int *hwnd;\n", "char **work;\n", "char *arg;\n", "{\n",
    "\tstruct Join *j = (struct Join *)malloc(sizeof *j);\n", "\tif (j == 0)\n", "\t\treturn 0;\n",
    "\tj->hwnd = hwnd;\n", "\tj->work = work;\n", "\tj->arg = arg;\n", "\tj->next = Tavir_top;\n",
    "\tTavir_top = j;\n", "\treturn 0;\n", "}\n",
    "Tavir_up_object(font)\n", "HFONT font;\n", "{\n", "\tstruct J_font *f;\n", "\tif (font == 0)\n",
    "\t\treturn 0;\n", "\tf = (struct J_font *)malloc(sizeof *f);\n", "\tif (f == 0)\n", "\t\treturn 0;\n",
    "\tf->font = font;\n", "\tf->next = Tavir_font;\n", "\tTavir_font = f;\n", "\treturn 0;\n", "}\n",
    "Tavir_up_work(work)\n", "void *work;\n", "{\n", "\tstruct J_work *w;\n", "\tif (work == 0)\n",
    "\t\treturn 0;\n", "\tw = (struct J_work *)malloc(sizeof *w);\n", "\tif (w == 0)\n", "\t\treturn 0;\n",
    "\tw->work = work;\n", "\tw->next = Tavir_work;\n", "\tTavir_work = w;\n", "\treturn 0;\n", "}\n",
    "static do_join()\n", "{\n", "\tstruct Join *cur = Tavir_top, *next;\n", "\twhile (cur != 0) {\n",
    "\t\tnext = cur->next;\n", "\t\tapp_arg(app_olist, cur->arg, ilstg, cur->hwnd, cur->work);\n",
    "\t\tfree((char*)cur);\n", "\t\tcur = next;\n", "\t}\n", "\tTavir_top = 0;\n", "\treturn 0;\n", "}\n",
    "static del_object()\n", "{\n", "\tstruct J_font *cur = Tavir_font, *next;\n", "\twhile (cur != 0) {\n",
    "\t\tnext = cur->next;\n", "\t\tDeleteObject(cur->font);\n", "\t\tfree((char*)cur);\n", "\t\tcur = next;\n",
    "\t}\n", "\tTavir_font = 0;\n", "\treturn 0;\n", "}\n",
    "static del_work()\n", "{\n", "\tstruct J_work *cur = Tavir_work, *next;\n", "\twhile (cur != 0) {\n",
    "\t\tnext = cur->next;\n", "\t\tfree((char*)cur->work);\n", "\t\tfree((char*)cur);\n", "\t\tcur = next;\n",
    "\t}\n", "\tTavir_work = 0;\n", "\treturn 0;\n", "}\n", nullptr};

const char *const winmain_head[] = {
    "int  PASCAL WinMain (\n", "\tHINSTANCE hInstance, HINSTANCE hPrevInstance,\n",
    "\tLPSTR lpszCmdParam, int nCmdShow)\n", "{\n", "\tHWND hwnd;\n", "\tMSG msg;\n", "\tHWND *hwndg;\n",
    "\tchar **workg;\n", "\tstruct Ilist **listg;\n", "\tint i;\n", nullptr};

const char *const loop_lines[] = {
    "\n", "\twhile (GetMessage (&msg, NULL, 0, 0)) {\n", "\t\tTranslateMessage (&msg);\n",
    "\t\tDispatchMessage (&msg);\n", "\t}\n", "\tdel_object();\n", "\tdel_work();\n", nullptr};

const char *const free_lines[] = {
    "\t\tfree((char*)ilstg->list[i]->hwnd);\n", "\t\tfree((char*)ilstg->list[i]->work);\n",
    "\t\tfree((char*)ilstg->list[i]->list);\n", "\t\tfree((char*)ilstg->list[i]);\n", "\t}\n",
    "\tfree((char*)hwndg);\n", "\tfree((char*)workg);\n", "\tfree((char*)listg);\n", "\tfree((char*)ilstg);\n",
    "\treturn msg.wParam;\n", "}\n", nullptr};

struct app_form {
    int app;
    int windows;  // N: the window links of the APP box
};

void put_lines(gen_file *f, int box, const char *const *lines)
{
    for (; *lines != nullptr; ++lines) gen_put(f, box, "%s", *lines);
}

bool is_window_link(int l, int app)
{
    const link_rec &k = link_table[l];
    return k.from == app && (strcmp(k.name, "FORM") == 0 || strcmp(k.name, "no_set") == 0) && in_form(k.to);
}

bool is_window_box(int i) { return find_app_parent(i) >= 0; }

bool rel_is(int l, const char *rel) { return strcmp(link_table[l].name, rel) == 0; }

// True for a box that gets a prototype: neither a reserved nor a control kind.
bool has_prototype(int i) { return box_table[i].kind[0] != '\0' && is_reserved_kind(i) == 0 && is_control_box(i) == 0; }

// The prototype's function name of box i.
const char *proto_name(int i)
{
    const box_rec &b = box_table[i];
    return strcmp(b.kind, "FBOX") == 0 && b.name[0] != '\0' ? b.name : b.kind;
}

// The name check; false after a refusal.
bool check_names(const app_form &a)
{
    name_claims c;
    for (int i = form_sta; i < form_num; ++i) {
        if (is_window_box(i)) {
            char olist[100];
            format_text(olist, sizeof olist, "%s_olist", box_table[i].kind);
            if (!claim_name(&c, i, box_table[i].name) || !claim_function(&c, i, box_table[i].kind) ||
                !claim_function(&c, i, olist)) {
                return false;
            }
        } else if (has_prototype(i) && !claim_function(&c, i, proto_name(i))) {
            return false;
        }
    }
    for (int l = l_sta; l < l_num; ++l) {
        if (link_table[l].from != a.app) continue;
        if (!rel_is(l, "INITIAL") && !rel_is(l, "BEFORE") && !rel_is(l, "AFTER")) continue;
        const char *proc = box_gen_name(link_table[l].to);
        if (proc != nullptr && !claim_function(&c, link_table[l].to, proc)) return false;
    }
    return true;
}

void write_olists(gen_file *f, const app_form &a)
{
    for (int l = l_sta; l < l_num; ++l) {
        if (is_window_link(l, a.app) && note_file_exists(box_table[link_table[l].to].kind) != 0) {
            gen_put(f, link_table[l].to, "extern struct Olist %s_olist[1];\n", box_table[link_table[l].to].kind);
        }
    }
    gen_put(f, a.app, "static struct Olist app_olist[] = {\n");
    for (int l = l_sta; l < l_num; ++l) {
        if (!is_window_link(l, a.app)) continue;
        const box_rec &w = box_table[link_table[l].to];
        if (note_file_exists(w.kind) != 0) gen_put(f, link_table[l].to, "\t{\"%s\", %s_olist},\n", w.name, w.kind);
        else gen_put(f, link_table[l].to, "\t{\"%s\", 0},\n", w.name);
    }
    gen_put(f, a.app, "\t{\"\", 0}};\n");
}

// The procedure calls of the APP box's links with relation rel.
void write_calls(gen_file *f, const app_form &a, const char *rel)
{
    for (int l = l_sta; l < l_num; ++l) {
        if (link_table[l].from != a.app || !rel_is(l, rel)) continue;
        const int p = link_table[l].to;
        const char *proc = box_gen_name(p);
        if (proc == nullptr) continue;
        if (strcmp(rel, "INITIAL") == 0) {
            gen_put(f, p, "\t%s(0L, 'I',\n", proc);
            gen_put(f, p, "\t\thInstance, hPrevInstance, lpszCmdParam, nCmdShow);\n");
        } else if (strcmp(rel, "BEFORE") == 0) {
            gen_put(f, p, "\t%s(hwndg, 'S',\n", proc);
            gen_put(f, p, "\t\thInstance, hPrevInstance, lpszCmdParam, nCmdShow%s);\n", get_kind_ids(p));
        } else {
            gen_put(f, p, "\t%s(hwndg, 'E');\n", proc);
        }
    }
}

// Creates every window, writing its define into the header.
void write_windows(gen_pair *p)
{
    int n = 0;
    for (int i = form_sta; i < form_num; ++i) {
        if (!is_window_box(i)) continue;
        const box_rec &w = box_table[i];
        const int parent = find_child_link(i);
        if (parent >= 0) {
            gen_put(&p->c, i, "\thwnd = %s(hwndg[%s], &listg[%s], hInstance, hPrevInstance);\n", w.kind,
                    box_table[parent].name, w.name);
        } else {
            gen_put(&p->c, i, "\thwnd = %s(NULL, &listg[%s], hInstance, hPrevInstance);\n", w.kind, w.name);
        }
        gen_put(&p->c, i, "\thwndg[%s] = hwnd;\n", w.name);
        gen_put(&p->c, i, "\tSetWindowLong(hwnd, 0, (long)hwndg);\n");
        gen_put(&p->c, i, "\tSetWindowLong(hwnd, 8, (long)workg);\n");
        gen_put(&p->h, i, "#define %-12s %3d /* %s */\n", w.name, n++, w.kind);
    }
}

void write_shows(gen_file *f, const app_form &a)
{
    char field[1000];
    get_para(field, a.app, 2);
    const bool by_links = field[0] == 'N';
    for (int l = l_sta; l < l_num; ++l) {
        if (!is_window_link(l, a.app)) continue;
        const int w = link_table[l].to;
        const char *name = box_table[w].name;
        if (!by_links) {
            gen_put(f, w, "\tShowWindow (hwndg[%s], SW_SHOW);\t/* nCmdShow */\n", name);
            gen_put(f, w, "\tUpdateWindow (hwndg[%s]) ;\n", name);
            continue;
        }
        for (int s = l_sta; s < l_num; ++s) {
            const link_rec &k = link_table[s];
            if (k.from != a.app || k.to != w || has_prefix(k.name, "SW_") != 0) continue;
            gen_put(f, w, "\tShowWindow (hwndg[%s], %s);\n", name, k.name);
            gen_put(f, w, "\tUpdateWindow (hwndg[%s]) ;\n", name);
        }
    }
}

void write_winmain(gen_pair *p, const app_form &a)
{
    gen_file *f = &p->c;
    put_lines(f, a.app, winmain_head);
    write_calls(f, a, "INITIAL");
    gen_put(f, a.app, "\tilstg = (struct Ilist *)malloc(sizeof *ilstg);\n");
    gen_put(f, a.app, "\thwndg = (HWND *)malloc(%d * sizeof(HWND));\n", a.windows);
    gen_put(f, a.app, "\tworkg = (char **)malloc(%d * sizeof(char*));\n", a.windows);
    gen_put(f, a.app, "\tlistg = (struct Ilist **)malloc(%d * sizeof *listg);\n", a.windows);
    gen_put(f, a.app, "\tilstg->hwnd = hwndg;\n");
    gen_put(f, a.app, "\tilstg->work = workg;\n");
    gen_put(f, a.app, "\tilstg->list = listg;\n");
    write_windows(p);
    gen_put(f, a.app, "\tdo_join();\n");
    write_calls(f, a, "BEFORE");
    write_shows(f, a);
    put_lines(f, a.app, loop_lines);
    write_calls(f, a, "AFTER");
    gen_put(f, a.app, "\tfor(i = 0; i < %d; i++) {\n", a.windows);
    put_lines(f, a.app, free_lines);
}

void write_go_fin(gen_file *f, const app_form &a)
{
    gen_put(f, a.app, "int GO(HWND hwnd, UINT message, UINT wParam, LONG lParam, int to)\n");
    gen_put(f, a.app, "{\n");
    gen_put(f, a.app, "\tHWND *hwndc = (HWND*)GetWindowLong(hwnd, 4);\n");
    gen_put(f, a.app, "\tShowWindow(hwndc[to], SW_SHOWNORMAL);\n");
    gen_put(f, a.app, "\tShowWindow(hwnd, SW_HIDE);\n");
    gen_put(f, a.app, "\treturn 0;\n");
    gen_put(f, a.app, "}\n");
    gen_put(f, a.app, "int FIN(HWND hwnd)\n");
    gen_put(f, a.app, "{\n");
    gen_put(f, a.app, "\tHWND *hwndg = (HWND*)GetWindowLong(hwnd, 0);\n");
    for (int i = form_num - 1; i >= form_sta; --i) {
        if (is_window_box(i)) gen_put(f, i, "\tDestroyWindow(hwndg[%s]);\n", box_table[i].name);
    }
    gen_put(f, a.app, "\tPostQuitMessage(0);\n");
    gen_put(f, a.app, "\treturn(0);\n");
    gen_put(f, a.app, "}\n");
}

void write_prototypes(gen_file *h)
{
    gen_put(h, -1, "int strcmp();\n");
    proto_reset();
    for (int i = form_sta; i < form_num; ++i) {
        if (!has_prototype(i)) continue;
        const box_rec &b = box_table[i];
        const char *name = proto_name(i);
        if (proto_once(name) == 0) continue;
        if (strcmp(b.kind, "FBOX") == 0 && b.name[0] != '\0') gen_put(h, i, "int %s();\n", name);
        else if (b.name[0] == '\0') gen_put(h, i, "int %s();\n", name);
        else gen_put(h, i, "HWND %s();\n", name);
    }
}

}  // namespace

int gen_app_write(const char *c_name, const char *h_name, const char *base, int app)
{
    app_form a{app, 0};
    for (int l = l_sta; l < l_num; ++l) a.windows += is_window_link(l, app) ? 1 : 0;
    if (!check_names(a)) return 0;
    gen_pair p;
    if (gen_open_pair(&p, c_name, h_name) != 0) return 1;
    copy_template(&p.h, base, ".th");
    write_source_head(&p.c, base, c_name);
    gen_put(&p.c, app, "#include <windows.h>\n");
    gen_put(&p.c, app, "#include <malloc.h>\n");
    gen_put(&p.c, app, "#include \"%s\"\n", skip_dir_prefix(h_name));
    gen_put(&p.c, app, "#define MY_TEAM 4\n");
    put_lines(&p.c, app, runtime_lines);
    write_olists(&p.c, a);
    put_lines(&p.c, app, app_arg_lines);
    put_lines(&p.c, app, list_lines);
    write_winmain(&p, a);
    write_go_fin(&p.c, a);
    write_prototypes(&p.h);
    return gen_finish(&p, c_name, h_name);
}
