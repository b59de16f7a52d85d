// The procedures of a generated WORK source: WinMain of the application's
// sub-form, the window and creation functions of each window's sub-form,
// and the window procedures with their message branches, carrying the
// user's regions and branches from the old source when it is reused.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "forms/kinds.h"
#include "forms/para.h"
#include "forms/prescan.h"
#include "forms/rtree.h"
#include "generators/defs.h"
#include "generators/gen_support.h"
#include "generators/work_regions.h"
#include "generators/work_skeleton.h"
#include "shell/text.h"

namespace {

const int field_size = 300;

// A text as C source: as it stands when it is "0L" or quoted, else quoted.
std::string c_text(const char *text)
{
    if (strcmp(text, "0L") == 0 || text[0] == '"') return text;
    return std::string("\"") + text + "\"";
}

// ---- WinMain ------------------------------------------------------------

void write_winmain_windows(const std::vector<int> &windows, const char *table)
{
    int w = 0;
    for (const int child : windows) {
        const int parent = find_child_link(child);
        if (parent >= 0) {
            wput("\ttbl_%s[%d].hwnd = %s(get_hwndW(IDC_%s), hInstance, hPrevInstance); // %s\n", table, w,
                 box_table[child].kind, box_table[parent].name, box_table[child].name);
        } else {
            wput("\ttbl_%s[%d].hwnd = %s(NULL, hInstance, hPrevInstance); // %s\n", table, w, box_table[child].kind,
                 box_table[child].name);
        }
        ++w;
    }
}

}  // namespace

void work_write_winmain(const work_proc_rec &p)
{
    const char *proc = box_table[p.box].name;
    if (work_open_form(p.file) != 0) {
        work_close_form();
        return;
    }
    const std::vector<int> windows = work_app_windows(work_form_top());
    wput("int  PASCAL %s (\n", proc);
    wput("\tHINSTANCE hInstance, HINSTANCE hPrevInstance,\n");
    wput("\tLPSTR lpszCmdParam, int nCmdShow)\n");
    wput("{\n");
    wput("\tMSG    msg;\n");
    write_region(work_out, proc, "", "initial", "\t");
    write_winmain_windows(windows, p.name);
    if (work_old_lines > 0) {
        write_region(work_out, proc, "", "before", "\t");
    } else {
        wput("\t/*AREA:before*/\n");
        wput("#if 1 // 暫定\n");
        for (const int child : windows) {
            wput("\tShowWindow (get_hwndW(IDC_%s), SW_SHOW);\t// nCmdShow 暫定\n", box_table[child].name);
            wput("\tUpdateWindow (get_hwndW(IDC_%s)); // 暫定\n", box_table[child].name);
        }
        wput("#endif // 暫定\n");
        wput("\t/*END:before*/\n");
    }
    work_close_form();
    wput("\twhile (GetMessage (&msg, NULL, 0, 0)) {\n");
    wput("\t\tTranslateMessage (&msg);\n");
    wput("\t\tDispatchMessage (&msg);\n");
    wput("\t}\n");
    write_region(work_out, proc, "", "after", "\t");
    wput("\treturn msg.wParam;\n");
    wput("}\n");
}

namespace {

// ---- the window and creation functions ---------------------------------

const char *const class_defaults[7] = {"CS_HREDRAW|CS_VREDRAW|CS_DBLCLKS",
                                       "0",
                                       "0",
                                       "LoadIcon(NULL,IDI_APPLICATION)",
                                       "LoadCursor(NULL,IDC_ARROW)",
                                       "GetStockObject(WHITE_BRUSH)",
                                       "NULL"};

// The loaded form's window-class values.
void class_values(char (*values)[field_size])
{
    int wc = -1;
    for (int i = form_sta; i < form_num && wc < 0; ++i) {
        if (kind_is(i, "WNDCLASS")) wc = i;
    }
    for (int k = 0; k < 7; ++k) {
        char f[field_size] = "";
        if (wc >= 0) get_para(f, wc, k);
        const size_t n = strlen(f);
        if (n >= 2 && f[0] == '"' && f[n - 1] == '"') copy_span(f, sizeof f, f + 1, n - 2);
        copy_bounded(values[k], field_size, f[0] == '\0' || strcmp(f, "omit") == 0 ? class_defaults[k] : f);
    }
}

bool has_kind(const char *kind)
{
    for (int i = form_sta; i < form_num; ++i) {
        if (kind_is(i, kind)) return true;
    }
    return false;
}

bool has_repeat_box()
{
    for (int i = form_sta; i < form_num; ++i) {
        if (box_table[i].name[0] != '\0' && work_repeat_box(i) >= 0) return true;
    }
    return false;
}

void write_background(const char *value)
{
    int l = find_brush_link("SYSCOLOR");
    if (l >= 0) return wput("\t\twndclass.hbrBackground = (HBRUSH)(%s+1);\n", link_table[l].name);
    if ((l = find_brush_link("STOCKOBJ")) >= 0) {
        return wput("\t\twndclass.hbrBackground = GetStockObject(%s);\n", link_table[l].name);
    }
    if ((l = find_brush_link("VARIABLE")) >= 0 || (l = find_brush_link("HBRUSH")) >= 0) {
        return wput("\t\twndclass.hbrBackground = %s;\n", box_table[link_table[l].from].name);
    }
    if (find_brush_link("NULL") >= 0) return wput("\t\twndclass.hbrBackground = (HBRUSH)NULL;\n");
    wput("\t\twndclass.hbrBackground = %s;\n", value);
}

// The geometry of the FORM box.
struct window_geometry {
    char caption[field_size], x[field_size], y[field_size], width[field_size], height[field_size];
    bool x_full, y_full;      // FULL, scaled
    bool x_center, y_center;  // CENTERING, or FULL placed as CENTERING
};

window_geometry geometry(int top)
{
    window_geometry g{};
    get_para(g.caption, top, 1);
    get_para(g.x, top, 3);
    get_para(g.y, top, 4);
    get_para(g.width, top, 5);
    get_para(g.height, top, 6);
    const bool xf = strcmp(g.x, "FULL") == 0, yf = strcmp(g.y, "FULL") == 0;
    g.x_full = xf && full_as_centering == 0;
    g.y_full = yf && full_as_centering == 0;
    g.x_center = strcmp(g.x, "CENTERING") == 0 || (xf && full_as_centering != 0);
    g.y_center = strcmp(g.y, "CENTERING") == 0 || (yf && full_as_centering != 0);
    return g;
}

void write_scale_defines(const window_geometry &g)
{
    wput("#undef W\n");
    wput("#undef H\n");
    wput(g.x_full ? "#define W(w_x)     ((int)(((long)(w_x))*wf/wb))\n" : "#define W(w_x)     (w_x)\n");
    wput(g.y_full ? "#define H(h_y)     ((int)(((long)(h_y))*hf/hb))\n" : "#define H(h_y)     (h_y)\n");
    if (g.x_full) wput("static int wf, wb;\n");
    if (g.y_full) wput("static int hf, hb;\n");
}

void write_desktop(const window_geometry &g)
{
    if (!g.x_full && !g.y_full && !g.x_center && !g.y_center) return;
    wput("\thwndW = GetDesktopWindow();\n");
    wput("\tGetWindowRect(hwndW, &rc);\n");
    if (g.x_full) wput("\twb = %s;\n\twf = rc.right - rc.left;\n", g.width);
    if (g.x_center) wput("\tw = rc.right - rc.left;\n\tw = w/2 - %s/2;\n", g.width);
    if (g.y_full) wput("\thb = %s;\n\thf = rc.bottom - rc.top;\n", g.height);
    if (g.y_center) wput("\th = rc.bottom - rc.top;\n\th = h/2 - %s/2;\n", g.height);
}

void write_create_window(const work_proc_rec &p, const window_geometry &g)
{
    wput("\trtc = CreateWindow (\"%s\", // window class name\n", p.name);
    wput("\t\t%s,                  // window caption\n", c_text(g.caption).c_str());
    wput("\t\tWS_OVERLAPPEDWINDOW,    // window style\n");
    if (g.x_full) wput("\t\t0,                     // initial x position\n");
    else if (g.x_center) wput("\t\tw,                     // initial x position\n");
    else wput("\t\t%s,                     // initial x position\n", g.x);
    if (g.y_full) wput("\t\t0,                     // initial y position\n");
    else if (g.y_center) wput("\t\th,                     // initial y position\n");
    else wput("\t\t%s,                     // initial y position\n", g.y);
    if (g.x_full) wput("\t\twf,                     // initial x size\n");
    else wput("\t\t%s,                     // initial x size\n", g.width);
    if (g.y_full) wput("\t\thf,                     // initial y size\n");
    else wput("\t\t%s,                     // initial y size\n", g.height);
    wput("\t\thwnd,                   // parent window handle\n");
    wput("\t\tNULL,                   // window menu handle\n");
    wput("\t\thInstance,              // program instance handle\n");
    wput("\t\tNULL);                  // creation parameters\n");
    wput("\treturn(rtc);\n");
    wput("}\n");
}

void write_window_fn(const work_proc_rec &p, int top)
{
    const char *proc = box_table[p.box].name;
    const window_geometry g = geometry(top);
    char values[7][field_size];
    class_values(values);
    write_scale_defines(g);
    wput("long FAR PASCAL %s (HWND, UINT, UINT, LONG);\n", proc);
    wput("HWND %s(HWND hwnd, HINSTANCE hInstance, HINSTANCE hPrevInstance)\n", p.name);
    wput("{\n");
    wput("\tHWND rtc;\n");
    wput("\tWNDCLASS wndclass;\n");
    if (g.x_center) wput("\tint w;\n");
    if (g.y_center) wput("\tint h;\n");
    if (g.x_full || g.y_full || g.x_center || g.y_center) wput("\tRECT rc;\n\tHWND hwndW;\n");
    wput("\tif (!hPrevInstance) {\n");
    wput("\t\twndclass.style         = %s;\n", values[0]);
    wput("\t\twndclass.lpfnWndProc   = %s;\n", proc);
    wput("\t\twndclass.cbClsExtra    = %s;\n", values[1]);
    wput("\t\twndclass.cbWndExtra    = %d;\n", has_kind("TABSTOP") ? 20 : atoi(values[2]));
    wput("\t\twndclass.hInstance     = hInstance;\n");
    wput("\t\twndclass.hIcon         = %s;\n", values[3]);
    wput("\t\twndclass.hCursor       = %s;\n", values[4]);
    write_background(values[5]);
    wput("\t\twndclass.lpszMenuName  = %s;\n", values[6]);
    wput("\t\twndclass.lpszClassName = \"%s\";\n", p.name);
    wput("\t\tRegisterClass (&wndclass);\n");
    wput("\t}\n");
    wput("\n");
    wput("\n");
    write_desktop(g);
    write_create_window(p, g);
}

// ---- the creation function ----------------------------------------------

const char *const skipped_kinds[] = {"FORM", "POSI", "REPEAT", "FBOX", "WNDCLASS", "SET", ""};
const char *const silent_kinds[] = {"JOIN", "FONT", "BRUSH", "WORK", "OBJECT", "HBRUSH", "INT", "LONG", "VARIABLE", ""};
const char *const work_kinds[] = {"ANY", "MSG", "MAP", ""};

struct item_text {
    const char *cls;
    std::string caption;
    char style[field_size];
    int x, y, w, h;
};

item_text item_of(int i)
{
    item_text t;
    const box_rec &b = box_table[i];
    t.cls = strcmp(b.kind, "SCRBAR") == 0 ? "SCROLLBAR" : b.kind;
    char f[field_size];
    get_para(f, i, 0);
    t.caption = c_text(f);
    get_para(t.style, i, 1);
    if (t.style[0] == '\0') copy_bounded(t.style, sizeof t.style, "0");
    t.x = b.x;
    t.y = b.y;
    t.w = b.endx - b.x;
    t.h = b.endy - b.y;
    return t;
}

void write_subclass(const char *form, const char *tabs)
{
    wput("%stbl_%s[m].proc = (WNDPROC)GetWindowLong(tbl_%s[m].hwnd, GWL_WNDPROC);\n", tabs, form, form);
    wput("%sSetWindowLong(tbl_%s[m].hwnd, GWL_WNDPROC, (LONG)ControlProc);\n", tabs, form);
}

void write_single(const work_proc_rec &p, int i, bool tabstop)
{
    const item_text t = item_of(i);
    const char *name = box_table[i].name;
    if (!is_control_class(box_table[i].kind)) {
        const char *ids = get_kind_ids(i);
        wput("\ttbl_%s[m].hwnd = %s(hwnd, &workc[%s]%s,\n\t\tW(%d), H(%d), W(%d), H(%d), (HMENU)%s, hInstance);\n", p.name,
             box_table[i].kind, name, ids != nullptr ? ids : "", t.x, t.y, t.w, t.h, name);
        wput("\tTavir_up_object(hwndc[%s]);\n", name);
        wput("\tTavir_up_work(workc[%s]);\n", name);
        wput("\tm++;\n");
        return;
    }
    wput("\ttbl_%s[m].hwnd = CreateWindow(\"%s\", %s, // %s\n\t\t%s, W(%d), H(%d), W(%d), H(%d),\n"
         "\t\thwnd, (HMENU)m, hInstance, NULL);\n",
         p.name, t.cls, t.caption.c_str(), name, t.style, t.x, t.y, t.w, t.h);
    if (tabstop) write_subclass(p.name, "\t");
    wput("\tm++;\n");
}

void write_repeated(const work_proc_rec &p, int i, int rep, bool tabstop)
{
    const item_text t = item_of(i);
    const char *name = box_table[i].name;
    int nx = 1, ny = 1;
    repeat_size(rep, &nx, &ny);
    char f[field_size];
    get_para(f, rep, 2);
    const int gx = atoi(f) < 0 ? 0 : atoi(f);
    get_para(f, rep, 3);
    const int gy = atoi(f) < 0 ? 0 : atoi(f);
    const int sx = t.w - 1 + gx, sy = t.h - 1 + gy;
    wput("\tfor (_y = 0; _y < %d; _y++) %c\n", ny, '{');
    wput("\t\tfor (_x = 0; _x < %d; _x++) %c\n", nx, '{');
    wput("\t\t");
    if (!is_control_class(box_table[i].kind)) {
        const char *ids = get_kind_ids(i);
        wput("\thwndc[%s+_x+%d*_y] = %s(hwnd, &workc[%s+_x+%d*_y]%s,\n\t\tW(%d+%d*_x), H(%d+%d*_y), W(%d), H(%d), "
             "(HMENU)(%s+_x+%d*_y), hInstance);\n",
             name, nx, box_table[i].kind, name, nx, ids != nullptr ? ids : "", t.x, sx, t.y, sy, t.w, t.h, name, nx);
        wput("\t\t\tTavir_up_object(hwndc[%s+_x+%d*_y]);\n", name, nx);
        wput("\t\t\tTavir_up_work(workc[%s+_x+%d*_y]);\n", name, nx);
    } else {
        wput("\ttbl_%s[m].hwnd = CreateWindow(\"%s\", %s, // %s\n\t\t\t\t%s, W(%d+%d*_x), H(%d+%d*_y), W(%d), H(%d),\n"
             "\t\t\t\thwnd, (HMENU)(m), hInstance, NULL);\n",
             p.name, t.cls, t.caption.c_str(), name, t.style, t.x, sx, t.y, sy, t.w, t.h);
        if (tabstop) write_subclass(p.name, "\t\t\t");
    }
    wput("\t\t\tm++;\n");
    wput("\t\t%c\n", '}');
    wput("\t%c\n", '}');
}

void write_create_fn(const work_proc_rec &p)
{
    const bool tabstop = has_kind("TABSTOP");
    wput("int %s_CREATE(HWND hwnd, long lParam)\n", p.name);
    wput("{\n");
    wput("\tHINSTANCE hInstance = ((LPCREATESTRUCT)lParam)->hInstance;\n");
    if (has_repeat_box()) wput("\tint _x, _y;\n");
    wput("\tint m = 0;\n");
    for (int i = form_sta; i < form_num; ++i) {
        const box_rec &b = box_table[i];
        if (b.name[0] == '\0' || kind_in(b.kind, skipped_kinds) || kind_in(b.kind, silent_kinds)) continue;
        if (kind_in(b.kind, work_kinds)) {
            wput("\tworkc[%s] = (char *)%s_v;\n", b.name, b.name);
            continue;
        }
        const int rep = work_repeat_box(i);
        if (rep >= 0) write_repeated(p, i, rep, tabstop);
        else write_single(p, i, tabstop);
    }
    wput("\treturn(0);\n");
    wput("}\n");
}

}  // namespace

void work_write_window_fn(const work_proc_rec &p)
{
    if (work_open_form(p.file) == 0 && work_form_top() >= 0) {
        write_window_fn(p, work_form_top());
        write_create_fn(p);
    }
    work_close_form();
}

namespace {

// ---- the window procedure -----------------------------------------------

// The system-menu form's lines of the WM_CREATE branch and of WM_INITMENU.
void write_menu_setup(const work_proc_rec &p, bool initmenu)
{
    if (work_open_form(p.smenu) != 0) {
        work_close_form();
        return;
    }
    std::vector<int> boxes;
    for (int i = form_sta; i < form_num; ++i) boxes.push_back(i);
    for (size_t i = 1; i < boxes.size(); ++i) {
        for (size_t j = i; j > 0 && box_table[boxes[j - 1]].y > box_table[boxes[j]].y; --j) {
            std::swap(boxes[j - 1], boxes[j]);
        }
    }
    char last[name_size + 8] = "";
    for (const int i : boxes) {
        const box_rec &b = box_table[i];
        char f[field_size];
        get_para(f, i, 0);
        if (initmenu) {
            if (strncmp(b.name, "SC_", 3) != 0) continue;
            const bool set = f[0] != '\0' && strcmp(f, "omit") != 0;
            if (strcmp(b.kind, "MENUD") == 0) wput("\t\tDeleteMenu((HMENU)wParam, %s, MF_BYCOMMAND);\n", b.name);
            if (strcmp(b.kind, "MENUM") == 0 && set) wput("\t\tEnableMenuItem((HMENU)wParam, %s, %s);\n", b.name, f);
            if (strcmp(b.kind, "MENUK") == 0 && set) wput("\t\tCheckMenuItem((HMENU)wParam, %s, %s);\n", b.name, f);
            continue;
        }
        if (strcmp(b.kind, "MENUA") == 0 && b.name[0] != '\0') {
            copy_bounded(last, sizeof last, idm_name(b.name));
            wput("\t\tAppendMenu (hMenu, MF_STRING, %s, %s);\n", last, c_text(f).c_str());
        } else if (strcmp(b.kind, "MENUG") == 0) {
            wput("\t\tAppendMenu (hMenu, MF_SEPARATOR, 0, NULL);\n");
            last[0] = '\0';
        } else if (strcmp(b.kind, "MENUM") == 0 && b.name[0] == '\0' && last[0] != '\0') {
            wput("\t\tEnableMenuItem(hMenu, %s, %s);\n", last, f);
        } else if (strcmp(b.kind, "MENUK") == 0 && b.name[0] == '\0' && last[0] != '\0') {
            wput("\t\tCheckMenuItem(hMenu, %s, %s);\n", last, f);
        }
    }
    work_close_form();
}

// Copies the old branch of label for box (its name path), or writes it fresh.
bool carry_case(const char *proc, int box, const char *label)
{
    if (work_old_lines <= 0) return false;
    scan_gen_box(box);
    return copy_case_branch(work_out, proc, label) != 0;
}

bool is_menu_item(const char *name)
{
    if (strncmp(name, "SC_", 3) == 0) return true;
    for (int i = 0; i < work_idm_num; ++i) {
        if (strcmp(work_idm[i], name) == 0) return true;
    }
    return false;
}

// The ID boxes below the WM_SYSCOMMAND boxes of the procedure.
void write_sys_cases(const char *proc, int box, bool below)
{
    for (int c = child_tree[box].first; c >= 0; c = child_tree[c].next) {
        const box_rec &b = box_table[c];
        const bool sys = below || (kind_is(c, "WM") && strcmp(b.name, "WM_SYSCOMMAND") == 0);
        if (below && kind_is(c, "ID") && is_menu_item(b.name)) {
            const char *label = idm_name(b.name);
            char copy[name_size + 8];
            copy_bounded(copy, sizeof copy, label);
            if (!carry_case(proc, c, copy)) wput("\t\tcase %s:\n\t\t\tbreak;\n", copy);
        }
        write_sys_cases(proc, c, sys);
    }
}

bool has_wm_below(int box, const char *name)
{
    for (int c = child_tree[box].first; c >= 0; c = child_tree[c].next) {
        if (kind_is(c, "WM") && strcmp(box_table[c].name, name) == 0) return true;
        if (has_wm_below(c, name)) return true;
    }
    return false;
}

void write_destroy_default(const char *proc, int box)
{
    if (has_wm_below(box, "WM_DESTROY")) return;
    if (work_old_lines > 0) {
        gen_path = gen_path_rec{};
        copy_bounded(gen_path.wm, sizeof gen_path.wm, "WM_DESTROY");
        if (copy_case_branch(work_out, proc, "WM_DESTROY") != 0) return;
    }
    wput("\tcase WM_DESTROY:\n");
    wput("\t\tPostQuitMessage (0); // 暫定\n");
    wput("\t\tbreak;\n");
}

bool below_wm(int box, int proc_box)
{
    for (int b = child_tree[box].parent; b >= 0 && b != proc_box; b = child_tree[b].parent) {
        if (kind_is(b, "WM")) return true;
    }
    return false;
}

void write_branches(const char *proc, int proc_box, int box);

void write_wm(const char *proc, int proc_box, int box)
{
    const char *name = box_table[box].name;
    if (strcmp(name, "WM_CREATE") == 0 || strcmp(name, "WM_SYSCOMMAND") == 0 || strcmp(name, "WM_INITMENU") == 0) return;
    if (child_tree[box].first >= 0) {
        wput("\tcase %s:\n", name);
        const char *rest = wtype_rest(name);
        if (rest != nullptr) wput("\t\t%s", rest);
        else write_region(work_out, proc, name, "switch", "\t\t");
        write_branches(proc, proc_box, box);
        wput("\t\t}\n");
        wput("\t\tbreak;\n");
        return;
    }
    if (carry_case(proc, box, name)) return;
    wput("\tcase %s:\n", name);
    if (strcmp(name, "WM_DESTROY") == 0) wput("\t\tPostQuitMessage (0); // 暫定\n");
    wput("\t\tbreak;\n");
}

void write_branch(const char *proc, int proc_box, int box)
{
    if (kind_is(box, "WM")) return write_wm(proc, proc_box, box);
    if (kind_is(box, "ID")) {
        char label[name_size + 8];
        copy_bounded(label, sizeof label, idc_name(box_table[box].name));
        if (!carry_case(proc, box, label)) wput("\t\tcase %s:\n\t\t\tbreak;\n", label);
        return;
    }
    if (kind_is(box, "DEFAULT")) {
        if (work_old_lines > 0) {
            scan_gen_box(box);
            if (copy_default_branch(work_out, proc) != 0) return;
        }
        wput(below_wm(box, proc_box) ? "\t\tdefault:\n\t\t\tbreak;\n" : "\tdefault:\n\t\tbreak;\n");
        return;
    }
    write_branches(proc, proc_box, box);
}

void write_branches(const char *proc, int proc_box, int box)
{
    for (int c = child_tree[box].first; c >= 0; c = child_tree[c].next) write_branch(proc, proc_box, c);
}

}  // namespace

void work_write_window_proc(const work_proc_rec &p)
{
    const char *proc = box_table[p.box].name;
    const bool menu = p.smenu[0] != '\0';
    wput("long PASCAL FAR %s (\n", proc);
    wput("\tHWND hwnd, UINT message, UINT wParam, LONG lParam)\n");
    wput("{\n");
    if (menu) wput("\tHMENU hMenu;\n");
    write_region(work_out, proc, "", "initial", "\t");
    wput("\tswitch(message) {\n");
    wput("\tcase WM_CREATE:\n");
    wput("\t\tset_hwndW(IDC_%s, hwnd);\n", work_window_of(p.name));
    write_region(work_out, proc, "", "before", "\t\t");
    wput("\t\t%s_CREATE(hwnd, lParam);\n", p.name);
    if (menu) {
        wput("\t\thMenu = GetSystemMenu (hwnd, FALSE);\n");
        write_menu_setup(p, false);
    }
    write_region(work_out, proc, "", "after", "\t\t");
    wput("\t\tbreak;\n");
    if (menu) {
        wput("\tcase WM_INITMENU:\n");
        write_menu_setup(p, true);
        wput("\t\tbreak;\n");
        wput("\tcase WM_SYSCOMMAND:\n");
        const char *rest = wtype_rest("WM_SYSCOMMAND");
        if (rest != nullptr) wput("\t\t%s", rest);
        else wput("\t\tswitch (wParam) {\n");
        write_sys_cases(proc, p.box, false);
        wput("\t\t%c\n", '}');
        wput("\t\tbreak;\n");
    }
    write_destroy_default(proc, p.box);
    write_branches(proc, p.box, p.box);
    wput("\t}\n");
    wput("\treturn DefWindowProc(hwnd, message, wParam, lParam);\n");
    wput("}\n");
}
