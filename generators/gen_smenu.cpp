// The SMENU writer: <form>_APPEND adds the items to a window's system menu
// in the order of their top edges, <form>_INIT adjusts the standard items
// (names "SC_...") when the menu opens, <form> dispatches WM_SYSCOMMAND to
// the procedures the items link to with "CALL".
#include "generators/gen_smenu.h"

#include <cstring>
#include <vector>

#include "forms/kinds.h"
#include "forms/model.h"
#include "forms/para.h"
#include "generators/gen_names.h"
#include "generators/gen_support.h"
#include "shell/text.h"

namespace {

bool is_kind(int i, const char *kind) { return strcmp(box_table[i].kind, kind) == 0; }
bool named(int i) { return box_table[i].name[0] != '\0'; }
bool is_item(int i) { return named(i) && !is_kind(i, "SMENU") && !is_kind(i, "FBOX"); }
bool is_standard(int i) { return has_prefix(box_table[i].name, "SC_") == 0; }
bool is_procedure(int i) { return in_form(i) && !named(i) && !is_kind(i, "SMENU") && is_reserved_kind(i) == 0 && box_table[i].kind[0] != '\0'; }

// Field 0 of box i into out: true when it names a state ("" and "omit" name none).
bool state_field(int i, char *out, int size)
{
    get_para(out, size, i, 0);
    return out[0] != '\0' && strcmp(out, "omit") != 0;
}

bool check_names(int top, const char *base)
{
    name_claims c;
    if (!claim_base_names(&c, top, skip_dir_prefix(base))) return false;
    for (int i = form_sta; i < form_num; ++i) {
        if (is_item(i) && !claim_name(&c, i, box_table[i].name)) return false;
        if (is_procedure(i) && !claim_function(&c, i, box_table[i].kind)) return false;
    }
    return true;
}

void write_header(gen_file *h, const char *base)
{
    copy_template(h, base, ".th");
    for (int i = form_sta; i < form_num; ++i) {
        if (is_item(i) && !is_standard(i)) gen_put(h, i, "#define %-12s %3d /* %s */\n", box_table[i].name, i, box_table[i].kind);
    }
    for (int i = form_sta; i < form_num; ++i) {
        if (is_procedure(i)) gen_put(h, i, "int %s();\n", box_table[i].kind);
    }
}

// The form's boxes by top edge, highest first: the exchange sort, which
// never exchanges equal top edges.
std::vector<int> menu_order()
{
    std::vector<int> order;
    for (int i = form_sta; i < form_num; ++i) order.push_back(i);
    const size_t n = order.size();
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 1; j < n; ++j) {
            if (box_table[order[j]].y < box_table[order[i]].y) std::swap(order[i], order[j]);
        }
    }
    return order;
}

void write_append(gen_file *f, int top, const char *name)
{
    gen_put(f, top, "int PASCAL %s_APPEND (HWND hwnd)\n", name);
    gen_put(f, top, "{\n");
    gen_put(f, top, "\tHMENU hMenu = GetSystemMenu (hwnd, FALSE);\n");
    int last = -1;
    for (const int i : menu_order()) {
        char field[1000];
        if (is_kind(i, "MENUA") && named(i)) {
            get_para(field, i, 0);
            const bool as_is = strcmp(field, "0L") == 0 || field[0] == '"';
            gen_put(f, i, "\tAppendMenu (hMenu, ");
            gen_put(f, i, as_is ? "MF_STRING, %s, %s);" : "MF_STRING, %s, \"%s\");", box_table[i].name, field);
            gen_put(f, i, "\n");
            last = i;
        } else if (is_kind(i, "MENUG")) {
            gen_put(f, i, "\tAppendMenu (hMenu, ");
            gen_put(f, i, "MF_SEPARATOR, 0, NULL);\n");
            last = -1;
        } else if ((is_kind(i, "MENUM") || is_kind(i, "MENUK")) && !named(i) && last >= 0 && state_field(i, field, sizeof field)) {
            gen_put(f, i, is_kind(i, "MENUM") ? "\tEnableMenuItem(hMenu, " : "\tCheckMenuItem(hMenu, ");
            gen_put(f, i, "%s, %s);\n", box_table[last].name, field);
        }
    }
    gen_put(f, top, "\treturn(0);\n");
    gen_put(f, top, "}\n");
}

void write_init(gen_file *f, int top, const char *name)
{
    gen_put(f, top, "int PASCAL %s_INIT (\n", name);
    gen_put(f, top, "\tHWND hwnd, UINT message, UINT wParam, LONG lParam)\n");
    gen_put(f, top, "{\n");
    for (int i = form_sta; i < form_num; ++i) {
        if (!named(i) || !is_standard(i)) continue;
        char field[1000];
        if (is_kind(i, "MENUD")) {
            gen_put(f, i, "\tDeleteMenu((HMENU)wParam, ");
            gen_put(f, i, "%s, MF_BYCOMMAND);\n", box_table[i].name);
        } else if ((is_kind(i, "MENUM") || is_kind(i, "MENUK")) && state_field(i, field, sizeof field)) {
            gen_put(f, i, is_kind(i, "MENUM") ? "\tEnableMenuItem((HMENU)wParam, " : "\tCheckMenuItem((HMENU)wParam, ");
            gen_put(f, i, "%s, %s);\n", box_table[i].name, field);
        }
    }
    gen_put(f, top, "\treturn(0);\n");
    gen_put(f, top, "}\n");
}

// One case per item with CALL links, its calls in link order.
void write_dispatch(gen_file *f, int top, const char *name)
{
    gen_put(f, top, "int PASCAL %s (\n", name);
    gen_put(f, top, "\tHWND hwnd, UINT message, UINT wParam, LONG lParam)\n");
    gen_put(f, top, "{\n");
    gen_put(f, top, "\tswitch(wParam) %c\n", '{');
    for (int i = form_sta; i < form_num; ++i) {
        if (!named(i) || is_kind(i, "SMENU")) continue;
        bool labelled = false;
        for (int l = first_link_from(i); l >= 0; l = next_link_from(l)) {
            const link_rec &k = link_table[l];
            if (strcmp(k.name, "CALL") != 0 || !is_procedure(k.to)) continue;
            if (!labelled) gen_put(f, i, "\tcase %s:\n", box_table[i].name);
            labelled = true;
            gen_put(f, k.to, "\t\t%s(", box_table[k.to].kind);
            gen_put(f, k.to, "hwnd, message, wParam, lParam);\n");
        }
        if (labelled) gen_put(f, i, "\t\tbreak;\n");
    }
    gen_put(f, top, "\t}\n");
    gen_put(f, top, "\treturn(0);\n");
    gen_put(f, top, "}\n");
}

}  // namespace

int gen_smenu_write(const char *c_name, const char *h_name, const char *base, int top)
{
    if (!check_names(top, base)) return 0;
    gen_pair p;
    if (gen_open_pair(&p, c_name, h_name) != 0) return 1;
    write_header(&p.h, base);
    if (gen_close_header(&p, h_name) != 0) return 1;
    const char *name = skip_dir_prefix(base);
    write_source_head(&p.c, base, c_name);
    gen_put(&p.c, top, "#include <windows.h>\n");
    gen_put(&p.c, top, "#include \"%s\"\n", skip_dir_prefix(h_name));
    write_append(&p.c, top, name);
    write_init(&p.c, top, name);
    write_dispatch(&p.c, top, name);
    return gen_finish(&p, c_name, h_name);
}
