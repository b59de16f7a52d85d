// The kind vocabulary, the kind predicates and the object-name rules.
#include "forms/kinds.h"

#include <cstring>

#include "forms/model.h"
#include "shell/msgbox.h"
#include "shell/text.h"

const char *const reserved_kinds[] = {
    "PROJ",    "APP",    "FORM",  "SMENU", "WORK",    "OBJECT",   "SET",      "ANY",    "REPEAT", "POSI",
    "FONT",    "BRUSH",  "MSG",   "MAP",   "JOIN",    "MENUA",    "MENUD",    "MENUG",  "MENUM",  "MENUK",
    "HBRUSH",  "RETURN", "TABSTOP", "VARIABLE", "INT", "LONG",    "NULL",     "STOCKOBJ", "SYSCOLOR", "COLOR",
    "BOX",     "RBOX",   "GBOX",  "BBOX",  "YBOX",    "ABOX",     "COMMENT",  "HTML",   "TAG",    "DETAIL",
    "MATERIAL", "STRING", "TAIL", "VBUTTON", "UNION", "QFONT",    "WNDCLASS", ""};
const char *const control_kinds[] = {"BUTTON", "STATIC", "LISTBOX", "COMBOBOX", "EDIT", "SCRBAR", ""};
const char *const top_kinds[] = {"PROJ", "APP", "FORM", "SMENU", "HTML", "WORK", "DATA", "CALC", ""};
const char *const new_box_kinds[] = {"PROJ", "APP", "FORM", "SMENU", "HTML", "WORK", "VBUTTON", "QFONT", ""};
const char *const case_names[] = {"CASE0", "CASE1", "CASE2", "CASE3", "CASE4",
                                  "CASE5", "CASE6", "CASE7", "CASE8", "CASE9", ""};
const char *const tree_kinds[] = {"BOX", "HBOX", "RBOX", "GBOX", "BBOX", "YBOX", "ABOX", ""};

namespace {

const char *const plain_tree_kinds[] = {"BOX", "RBOX", "GBOX", "BBOX", "YBOX", "ABOX", ""};
const char *const item_kinds[] = {"XITEM", "RITEM", "GITEM", "BITEM", "AITEM", "YITEM", ""};
const char *const non_user_kinds[] = {"BOX",    "RBOX", "GBOX", "BBOX", "YBOX", "ABOX", "EMPTY",
                                      "SOURCE", "PROC", "WM",   "ID",   "AREA", ""};
const char *const tree_or_top_kinds[] = {"BOX", "RBOX", "GBOX", "BBOX", "YBOX", "ABOX", "WORK", "QFONT", "VBUTTON", ""};
const char *const layout_kinds[] = {"FBOX", "JOIN", "FONT", "POSI", "BRUSH", "SET", "MENUD", "WNDCLASS", ""};
const char *const unchecked_kinds[] = {"TAG", "AREA", "PROC", "WM", "ID", "FBOX", ""};
const char *const reserved_names[] = {"Olist", "olist", "oname", "object_id", "sub_cmd", ""};

bool is_letter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

bool kind_in(const char *kind, const char *const *table)
{
    for (; (*table)[0] != '\0'; ++table) {
        if (strcmp(kind, *table) == 0) return true;
    }
    return false;
}

int case_no(const char *kind)
{
    for (int i = 0; i < 10; ++i) {
        if (strcmp(kind, case_names[i]) == 0) return i;
    }
    return -1;
}

int bad_name_char(const char *name)
{
    const unsigned char *p = reinterpret_cast<const unsigned char *>(name);
    if (!is_letter(*p)) return *p;
    for (++p; *p != '\0'; ++p) {
        if (!is_letter(*p) && !(*p >= '0' && *p <= '9') && *p != '_') return *p;
    }
    return 0;
}

int is_user_kind(const char *kind) { return kind_in(kind, non_user_kinds) || case_no(kind) >= 0 ? 0 : 1; }
int not_tree_kind(const char *kind) { return kind_in(kind, plain_tree_kinds) ? 0 : 1; }
int not_tree_or_top_kind(const char *kind) { return kind_in(kind, tree_or_top_kinds) ? 0 : 1; }
int not_tree_or_hbox(const char *kind) { return kind_in(kind, plain_tree_kinds) || strcmp(kind, "HBOX") == 0 ? 0 : 1; }
int not_item_kind(const char *kind) { return kind_in(kind, item_kinds) ? 0 : 1; }
int is_layout_kind(const char *kind) { return kind_in(kind, layout_kinds) ? 1 : 0; }

int is_long32(const char *text) { return strlen(text) >= 32 ? 1 : 0; }

void cut_str31(char *text)
{
    if (strlen(text) >= 32) text[31] = '\0';
}

void cut_str10(char *text)
{
    if (strlen(text) >= 11) text[10] = '\0';
}

int check_object_name(int i, char *name, char *kind)
{
    if (name[0] == '\0' || kind_in(kind, unchecked_kinds) || !not_item_kind(kind) || case_no(kind) >= 0) {
        return name_free;
    }
    if (!is_user_kind(kind)) return name_free;
    cut_str31(name);
    cut_str10(kind);
    for (int r = form_sta; r < form_num; ++r) {
        if (r == i || strcmp(box_table[r].name, name) != 0 || !is_user_kind(box_table[r].kind)) continue;
        copy_bounded(kind, kind_size, box_table[r].kind);
        return name_taken;
    }
    return kind_in(name, reserved_names) ? name_reserved : name_free;
}

namespace {

int name_error(const char *format, const char *a, const char *b = "")
{
    char text[512];
    format_text(text, sizeof text, format, a, b);
    form_error_box(text);
    return 1;
}

}  // namespace

int validate_object_name(int holder, const char *name)
{
    if (name[0] == '\0') return name_error("オブジェクト（対象）名(%s)が空です", name);
    const int c = bad_name_char(name);
    if (c != 0) {
        char text[512];
        format_text(text, sizeof text, "オブジェクト（対象）名(%s)中に使用禁止文字(%c)があります", name, c);
        form_error_box(text);
        return 1;
    }
    char n[100], kind[kind_size];
    copy_bounded(n, sizeof n, name);
    copy_box_kind(holder, kind);
    const int saved_sta = form_sta, saved_num = form_num;
    form_sta = fnum >= 2 ? form_stack[fnum - 2].form_num : 0;
    form_num = saved_sta;
    const int r = check_object_name(holder, n, kind);
    form_sta = saved_sta;
    form_num = saved_num;
    if (r == name_taken) return name_error("オブジェクト（対象）名(%s)がカテゴリ(%s)と重複しています", name, kind);
    if (r == name_reserved) return name_error("オブジェクト（対象）名(%s)が使用禁止名(Olist,olist,oname)です", name);
    return 0;
}

int is_reserved_kind(int i) { return i >= 0 && i < box_cap && kind_in(box_table[i].kind, reserved_kinds) ? 1 : 0; }
int is_control_box(int i) { return i >= 0 && i < box_cap && kind_in(box_table[i].kind, control_kinds) ? 1 : 0; }
