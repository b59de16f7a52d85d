// The sections of a generated WORK source around its procedures: the id
// lists and the window-name table gathered from the PROC boxes' sub-forms,
// the defines, the control tables, the prototypes and the helper functions
// of an application's window table.
#include "generators/work_skeleton.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <vector>

#include "forms/formfile.h"
#include "forms/kinds.h"
#include "forms/para.h"
#include "forms/rtree.h"
#include "generators/defs.h"
#include "generators/gen_support.h"
#include "generators/work_regions.h"
#include "shell/msgbox.h"
#include "shell/text.h"

work_proc_rec work_procs[work_proc_max];
int work_proc_num;
char work_idc[1000][name_size];
int work_idc_num;
char work_idm[1000][name_size];
int work_idm_num;
char work_wname_form[work_wname_max][work_form_size];
char work_wname_box[work_wname_max][name_size];
int work_wname_num;
FILE *work_out;

void wput(const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    vfprintf(work_out, format, ap);
    va_end(ap);
}

void work_lists_reset()
{
    work_proc_num = 0;
    work_idc_num = 0;
    work_idm_num = 0;
    work_wname_num = 0;
    reg_names_clear();
}

int work_open_form(const char *file)
{
    if (form_push(cur_form_name, -1) != 0) return 1;
    const int r = load_form(file);
    return r == 0 ? 0 : r == 1 ? 2 : 3;
}

void work_close_form() { form_pop(nullptr, 0, nullptr); }

int work_form_top()
{
    for (int i = form_sta; i < form_num; ++i) {
        if (kind_is(i, "FORM") || kind_is(i, "APP")) return i;
    }
    return -1;
}

int work_is_item(int i)
{
    const box_rec &b = box_table[i];
    return b.name[0] != '\0' && !kind_in(b.kind, reserved_kinds) && strcmp(b.kind, "FBOX") != 0 ? 1 : 0;
}

const char *work_window_of(const char *form)
{
    for (int n = 0; n < work_wname_num; ++n) {
        if (strcmp(work_wname_form[n], form) == 0) return work_wname_box[n];
    }
    return "???";
}

std::vector<int> work_app_windows(int app)
{
    std::vector<int> out;
    for (int l = l_sta; l < l_num; ++l) {
        const link_rec &k = link_table[l];
        if (k.from != app || k.to < form_sta || k.to >= form_num || !work_is_item(k.to)) continue;
        if (strcmp(k.name, "no_set") == 0 || strcmp(k.name, "FORM") == 0) out.push_back(k.to);
    }
    std::stable_sort(out.begin(), out.end(), [](int a, int b) { return box_table[a].y < box_table[b].y; });
    return out;
}

int work_repeat_box(int i)
{
    for (int l = l_sta; l < l_num; ++l) {
        const link_rec &k = link_table[l];
        if (k.to == i && strcmp(k.name, "SET") == 0 && k.from >= form_sta && kind_is(k.from, "REPEAT")) return k.from;
    }
    return -1;
}

namespace {

// One error box naming the box; 1.
int refuse(int box, const char *format, const char *arg)
{
    char what[300], text[500];
    format_text(what, sizeof what, format, arg);
    format_text(text, sizeof text, "矩形(%s)：%s、ソースの生成は出来ません", box_table[box].name, what);
    form_error_box(text);
    return 1;
}

// Enters name in the registry and its list: 0, or 1 full.
int enter_id(int (*reg)(const char *), char (*list)[name_size], int *num, const char *name)
{
    const int at = reg(name);
    if (at < 0) return 1;
    if (at == *num) copy_bounded(list[(*num)++], name_size, name);
    return 0;
}

void name_without_ext(char *out, size_t size, const char *file)
{
    copy_bounded(out, size, file);
    cut_extension(out);
}

int collect_app(const work_proc_rec &p, int app)
{
    for (const int child : work_app_windows(app)) {
        const box_rec &w = box_table[child];
        if (enter_id(reg_name_a, work_idc, &work_idc_num, w.name) != 0) return refuse(p.box, "IDの登録数が一杯です%s", "");
        if (work_wname_num >= work_wname_max) return refuse(p.box, "ウィンドウ名の登録数が一杯です%s", "");
        name_without_ext(work_wname_form[work_wname_num], work_form_size, w.kind);
        copy_bounded(work_wname_box[work_wname_num++], name_size, w.name);
    }
    return 0;
}

// The menu ids of the system-menu form.
int collect_menu(const work_proc_rec &p)
{
    const int r = work_open_form(p.smenu);
    int result = 0;
    if (r == 1) return refuse(p.box, "フォームのスタックが一杯です%s", "");
    if (r != 0) result = refuse(p.box, "フォームファイル(%s)が読めません", p.smenu);
    for (int i = form_sta; result == 0 && i < form_num; ++i) {
        const box_rec &b = box_table[i];
        if (b.name[0] == '\0' || strcmp(b.kind, "SMENU") == 0 || strcmp(b.kind, "FBOX") == 0) continue;
        if (strncmp(b.name, "SC_", 3) == 0) continue;
        if (enter_id(reg_name_b, work_idm, &work_idm_num, b.name) != 0) result = refuse(p.box, "IDの登録数が一杯です%s", "");
    }
    work_close_form();
    return result;
}

int collect_form(work_proc_rec &p)
{
    for (int i = form_sta; i < form_num; ++i) {
        if (work_is_item(i) && enter_id(reg_name_a, work_idc, &work_idc_num, box_table[i].name) != 0) {
            return refuse(p.box, "IDの登録数が一杯です%s", "");
        }
    }
    for (int l = l_sta; l < l_num; ++l) {
        const link_rec &k = link_table[l];
        if (strcmp(k.name, "SMENU") != 0 || k.to < form_sta || k.to >= form_num) continue;
        format_text(p.smenu, sizeof p.smenu, "%s.f", box_table[k.to].kind);
        break;
    }
    return 0;
}

// Opens the PROC box's sub-form and enters what it defines.
int collect_proc(work_proc_rec &p)
{
    const int r = work_open_form(p.file);
    if (r == 1) return refuse(p.box, "フォームのスタックが一杯です%s", "");
    int result = 0;
    if (r == 2) result = refuse(p.box, "フォームファイル(%s)が見つかりません", p.file);
    if (r == 3) result = refuse(p.box, "フォームファイル(%s)を全部読めません", p.file);
    const int top = result == 0 ? work_form_top() : -1;
    if (top >= 0) p.kind = kind_is(top, "APP") ? work_app : work_form;
    if (p.kind == work_app) result = collect_app(p, top);
    if (p.kind == work_form) result = collect_form(p);
    work_close_form();
    if (result == 0 && p.smenu[0] != '\0') result = collect_menu(p);
    return result;
}

// The PROC boxes below box in walk order.
int gather_procs(int box)
{
    if (kind_is(box, "PROC")) {
        if (work_proc_num >= work_proc_max) return refuse(box, "PROC矩形が多すぎます%s", "");
        work_proc_rec &p = work_procs[work_proc_num++];
        p = work_proc_rec{};
        p.box = box;
        get_para(p.file, box, 1);
        name_without_ext(p.name, sizeof p.name, p.file);
        return 0;
    }
    for (int c = child_tree[box].first; c >= 0; c = child_tree[c].next) {
        if (gather_procs(c) != 0) return 1;
    }
    return 0;
}

// Two PROC boxes of one name, two APP sub-forms, one FORM sub-form twice.
int check_duplicates()
{
    int apps = 0;
    for (int a = 0; a < work_proc_num; ++a) {
        const work_proc_rec &p = work_procs[a];
        if (p.kind == work_app && ++apps > 1) return refuse(p.box, "一つのSOURCE矩形にAPPフォームが二つあります%s", "");
        for (int b = 0; b < a; ++b) {
            const work_proc_rec &q = work_procs[b];
            if (strcmp(box_table[p.box].name, box_table[q.box].name) == 0) {
                return refuse(p.box, "同じ名前のPROC矩形が二つあります%s", "");
            }
            if (p.kind == work_form && q.kind == work_form && strcmp(p.name, q.name) == 0) {
                return refuse(p.box, "フォーム(%s)が二つのPROC矩形にあります", p.name);
            }
        }
    }
    for (int a = 0; a < work_proc_num; ++a) {
        const work_proc_rec &p = work_procs[a];
        if (p.kind == work_form && strcmp(work_window_of(p.name), "???") == 0) {
            return refuse(p.box, "フォーム(%s)を表示するウィンドウがありません", p.name);
        }
    }
    return 0;
}

}  // namespace

int work_collect(int source)
{
    work_lists_reset();
    if (gather_procs(source) != 0) return 1;
    for (int a = 0; a < work_proc_num; ++a) {
        if (collect_proc(work_procs[a]) != 0) return 1;
    }
    return check_duplicates();
}

namespace {

// ---- the control tables -------------------------------------------------

int instances(int i)
{
    const int rep = work_repeat_box(i);
    if (rep < 0) return 1;
    int nx = 1, ny = 1;
    repeat_size(rep, &nx, &ny);
    return nx * ny;
}

void write_form_table(const work_proc_rec &p)
{
    if (work_open_form(p.file) != 0) {
        work_close_form();
        return;
    }
    wput("static struct a_control tbl_%s[] = {\n", p.name);
    int row = 0;
    for (int i = form_sta; i < form_num; ++i) {
        if (!work_is_item(i)) continue;
        const int n = instances(i);
        for (int k = 0; k < n; ++k, ++row) {
            wput(row == 0 ? "\t {IDC_%-31s, 0, 0, %d} // %d\n" : "\t,{IDC_%-31s, 0, 0, %d} // %d\n", box_table[i].name, k,
                 row);
        }
    }
    wput("};\n");
    work_close_form();
}

void write_app_table(const work_proc_rec &p)
{
    if (work_open_form(p.file) != 0) {
        work_close_form();
        return;
    }
    wput("static struct b_control tbl_%s[] = {\n", p.name);
    bool first = true;
    for (const int child : work_app_windows(work_form_top())) {
        const box_rec &w = box_table[child];
        char form[work_form_size];
        name_without_ext(form, sizeof form, w.kind);
        wput(first ? "\t {IDC_%-31s, 0, tbl_%s, sizeof tbl_%s/sizeof tbl_%s[0]}\n"
                   : "\t,{IDC_%-31s, 0, tbl_%s, sizeof tbl_%s/sizeof tbl_%s[0]}\n",
             w.name, form, form, form);
        first = false;
    }
    wput("};\n");
    wput("static int tbl_size = sizeof tbl_%s/sizeof tbl_%s[0];\n", p.name, p.name);
    work_close_form();
}

// ---- the helper functions of an application's window table -------------

const char *const helper_text[] = {
    "static int set_hwndW(int mid, HWND hwnd)\n",
    "{\n",
    "\tint i;\n",
    "\tfor (i = 0; i < tbl_size; i++) {\n",
    "\t\tif (@[i].mid == mid) {\n",
    "\t\t\t@[i].hwnd = hwnd;\n",
    "\t\t\treturn 0;\n",
    "\t\t}\n",
    "\t}\n",
    "\treturn -1;\n",
    "}\n",
    "static HWND get_hwndW(int mid)\n",
    "{\n",
    "\tint i;\n",
    "\tfor (i = 0; i < tbl_size; i++)\n",
    "\t\tif (@[i].mid == mid) return @[i].hwnd;\n",
    "\treturn NULL;\n",
    "}\n",
    "static int row_of(HWND hwnd)\n",
    "{\n",
    "\tint i;\n",
    "\tfor (i = 0; i < tbl_size; i++)\n",
    "\t\tif (@[i].hwnd == hwnd) return i;\n",
    "\treturn -1;\n",
    "}\n",
    "static HWND get_hwndR(HWND hwnd, int rid)\n",
    "{\n",
    "\tint i = row_of(hwnd);\n",
    "\tif (i < 0 || rid < 0 || rid >= @[i].size) return NULL;\n",
    "\treturn @[i].t[rid].hwnd;\n",
    "}\n",
    "static HWND find_vid(int i, int vid, int offset, int any)\n",
    "{\n",
    "\tint k;\n",
    "\tif (i < 0) return NULL;\n",
    "\tfor (k = 0; k < @[i].size; k++) {\n",
    "\t\tif (@[i].t[k].vid != vid) continue;\n",
    "\t\tif (any) return @[i].t[k].hwnd;\n",
    "\t\tif (k + offset < @[i].size && @[i].t[k + offset].offset == offset)\n",
    "\t\t\treturn @[i].t[k + offset].hwnd;\n",
    "\t\treturn NULL;\n",
    "\t}\n",
    "\treturn NULL;\n",
    "}\n",
    "static int row_of_mid(int mid)\n",
    "{\n",
    "\tint i;\n",
    "\tfor (i = 0; i < tbl_size; i++)\n",
    "\t\tif (@[i].mid == mid) return i;\n",
    "\treturn -1;\n",
    "}\n",
    "static HWND get_hwnd(HWND hwnd, int vid)\n",
    "{\n",
    "\treturn find_vid(row_of(hwnd), vid, 0, 1);\n",
    "}\n",
    "static HWND get_hwndV(int mid, int vid)\n",
    "{\n",
    "\treturn find_vid(row_of_mid(mid), vid, 0, 1);\n",
    "}\n",
    "static HWND get_hwndVM(int mid, int vid, int offset)\n",
    "{\n",
    "\treturn find_vid(row_of_mid(mid), vid, offset, 0);\n",
    "}\n",
    "static int get_vid(HWND hwnd, int rid)\n",
    "{\n",
    "\tint i = row_of(hwnd);\n",
    "\tif (i < 0 || rid < 0 || rid >= @[i].size) return -1;\n",
    "\treturn @[i].t[rid].vid;\n",
    "}\n",
    "static WNDPROC get_proc(HWND hwnd, int rid)\n",
    "{\n",
    "\tint i = row_of(hwnd);\n",
    "\tif (i < 0 || rid < 0 || rid >= @[i].size) return NULL;\n",
    "\treturn @[i].t[rid].proc;\n",
    "}\n",
    "#ifndef TAB_NEXT\n",
    "static int Tab_next(HWND hwnd, int rid, int span)\n",
    "{\n",
    "\tint i = row_of(hwnd);\n",
    "\tint n, k, r;\n",
    "\tif (i < 0) return -1;\n",
    "\tn = @[i].size;\n",
    "\tif (span != 1 && span != -1) return rid;\n",
    "\tfor (k = 1; k <= n; k++) {\n",
    "\t\tr = ((rid + span * k) % n + n) % n;\n",
    "\t\tif (@[i].t[r].hwnd && (GetWindowLong(@[i].t[r].hwnd, GWL_STYLE) & WS_TABSTOP))\n",
    "\t\t\treturn r;\n",
    "\t}\n",
    "\treturn -1;\n",
    "}\n",
    "#endif\n",
    "static int get_vidM(HWND hwnd, int rid, int *offset)\n",
    "{\n",
    "\tint i = row_of(hwnd);\n",
    "\tif (i < 0 || rid < 0 || rid >= @[i].size) {\n",
    "\t\t*offset = -1;\n",
    "\t\treturn -1;\n",
    "\t}\n",
    "\t*offset = @[i].t[rid].offset;\n",
    "\treturn @[i].t[rid].vid;\n",
    "}\n",
    "static int rid_of(HWND hwnd, HWND hwndC)\n",
    "{\n",
    "\tint i = row_of(hwnd);\n",
    "\tint k;\n",
    "\tif (i < 0) return -1;\n",
    "\tfor (k = 0; k < @[i].size; k++)\n",
    "\t\tif (@[i].t[k].hwnd == hwndC) return k;\n",
    "\treturn -1;\n",
    "}\n",
    "static int get_vidH(HWND hwnd, HWND hwndC)\n",
    "{\n",
    "\treturn get_vid(hwnd, rid_of(hwnd, hwndC));\n",
    "}\n",
    "static int get_vidHM(HWND hwnd, HWND hwndC, int *offset)\n",
    "{\n",
    "\treturn get_vidM(hwnd, rid_of(hwnd, hwndC), offset);\n",
    "}\n",
    "#ifndef CONTROLPROC\n",
    "long FAR PASCAL\n",
    "\tControlProc(HWND hwnd, UINT message, UINT wParam, LONG lParam)\n",
    "{\n",
    "\tHWND parent = GetParent(hwnd);\n",
    "\tint rid = rid_of(parent, hwnd);\n",
    "\tint next = -1;\n",
    "\tchar cls[32];\n",
    "\tLONG style = GetWindowLong(hwnd, GWL_STYLE);\n",
    "\tGetClassName(hwnd, cls, sizeof cls);\n",
    "\tswitch (message) {\n",
    "\tcase WM_KEYDOWN:\n",
    "\t\tswitch (wParam) {\n",
    "\t\tcase VK_RETURN:\n",
    "\t\t\tif (lstrcmpi(cls, \"Edit\") == 0)\n",
    "\t\t\t\tnext = Tab_next(parent, rid, GetKeyState(VK_SHIFT) < 0 ? -1 : 1);\n",
    "\t\t\telse if (lstrcmpi(cls, \"Button\") == 0)\n",
    "\t\t\t\tPostMessage(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED), (LPARAM)hwnd);\n",
    "\t\t\tbreak;\n",
    "\t\tcase VK_DOWN:\n",
    "\t\t\tnext = Tab_next(parent, rid, 1);\n",
    "\t\t\tbreak;\n",
    "\t\tcase VK_RIGHT:\n",
    "\t\t\tif (style & ES_READONLY) next = Tab_next(parent, rid, 1);\n",
    "\t\t\tbreak;\n",
    "\t\tcase VK_UP:\n",
    "\t\t\tnext = Tab_next(parent, rid, -1);\n",
    "\t\t\tbreak;\n",
    "\t\tcase VK_LEFT:\n",
    "\t\t\tif (style & ES_READONLY) next = Tab_next(parent, rid, -1);\n",
    "\t\t\tbreak;\n",
    "\t\t}\n",
    "\t\tbreak;\n",
    "\t}\n",
    "\tif (next >= 0 && get_hwndR(parent, next)) {\n",
    "\t\tSetFocus(get_hwndR(parent, next));\n",
    "\t\treturn 0;\n",
    "\t}\n",
    "\treturn CallWindowProc(get_proc(parent, rid), hwnd, message, wParam, lParam);\n",
    "}\n",
    "#endif\n",
};

// The helpers, "@" standing for the window table's name.
void write_helpers(const work_proc_rec &p)
{
    char table[work_form_size + 8];
    format_text(table, sizeof table, "tbl_%s", p.name);
    for (const char *line : helper_text) {
        for (const char *c = line; *c != '\0'; ++c) {
            if (*c == '@') fputs(table, work_out);
            else fputc(*c, work_out);
        }
    }
}

template <typename F> void each_proc(int kind, F f)
{
    for (int a = 0; a < work_proc_num; ++a) {
        if (work_procs[a].kind == kind) f(work_procs[a]);
    }
}

}  // namespace

void work_write_source(int source)
{
    (void)source;
    wput("#include\t<windows.h>\n");
    write_region(work_out, "", "", "includes", "");
    char id[name_size + 8];
    for (int i = 0; i < work_idc_num; ++i) {
        format_text(id, sizeof id, "IDC_%s", work_idc[i]);
        wput("#define\t\t%-32s\t%d\n", id, i);
    }
    for (int i = 0; i < work_idm_num; ++i) wput("#define\t\t%-32s\t%d\n", idm_name(work_idm[i]), i);
    write_region(work_out, "", "", "defines", "");
    static const char *const records[] = {"static struct a_control {\n", "\tint vid;\n", "\tHWND hwnd;\n",
                                          "\tWNDPROC proc;\n", "\tint offset;\n", "};\n", "static struct b_control {\n",
                                          "\tint mid;\n", "\tHWND hwnd;\n", "\tstruct a_control*t;\n", "\tint size;\n",
                                          "};\n"};
    for (const char *line : records) wput("%s", line);
    each_proc(work_form, write_form_table);
    each_proc(work_app, write_app_table);
    write_region(work_out, "", "", "definitions", "");
    each_proc(work_form, [](const work_proc_rec &p) {
        wput("HWND\t%s();\n", p.name);
        wput("long FAR PASCAL %s (HWND, UINT, UINT, LONG);\n", box_table[p.box].name);
    });
    wput("long FAR PASCAL ControlProc(HWND, UINT, UINT, LONG);\n");
    write_region(work_out, "", "", "fdefinitions", "");
    each_proc(work_app, write_helpers);
    write_region(work_out, "", "", "functions", "");
    for (int a = 0; a < work_proc_num; ++a) {
        const work_proc_rec &p = work_procs[a];
        if (p.kind == work_app) work_write_winmain(p);
        if (p.kind == work_form) work_write_window_fn(p);
    }
    wput("#undef W\n");
    wput("#undef H\n");
    each_proc(work_form, work_write_window_proc);
}
