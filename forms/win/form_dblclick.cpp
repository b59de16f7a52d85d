// The FORM screen's double-clicks: a box opens the sub-form it names and a
// right double-click comes back, a designed-form button posts its message,
// an item is ticked, a DETAIL box swaps with its stored place, a generated
// box opens the editor at its code, and the tree kinds jump between boxes
// of one name.
#include <cstring>

#include "forms/box_paint.h"
#include "forms/find_box.h"
#include "forms/form_places.h"
#include "forms/form_state.h"
#include "forms/formfile.h"
#include "forms/keys.h"
#include "forms/kinds.h"
#include "forms/model.h"
#include "forms/para.h"
#include "forms/prescan.h"
#include "forms/queries.h"
#include "forms/rtree.h"
#include "forms/undo.h"
#include "forms/win/form_screen.h"
#include "forms/win/form_screen_parts.h"
#include "generators/htmlattr.h"
#include "generators/work_jumps.h"
#include "shell/codeout.h"
#include "shell/dirs.h"
#include "shell/keypad.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "shell/sysmenus.h"
#include "shell/text.h"
#include "shell/words.h"
#include "shell/wsize.h"
#include "trees/property.h"

namespace {

bool is(const char *a, const char *b) { return strcmp(a, b) == 0; }

void file_in_use(char (&name)[100]) { form_field_text(form_name_edit, name, sizeof name); }

// PROPERTY forgets its member; the box that opened the sub-form is current
// again and a WIDGET box takes the name the last right click picked in it.
void back_at_box(HWND hwnd, int b)
{
    prop_reset();
    prop_field = -1;
    if (b >= form_sta && b < form_num) {
        set_cur_box(b);
        char kind[kind_size];
        copy_box_kind(b, kind);
        if (is(kind, "WIDGET") && rclick_name[0] != '\0') set_para(rclick_name, b, 0);
    }
    place_form_window(hwnd);
    form_repaint(hwnd);
}

// Pushes the form in use for box b; a full stack beeps.  true when pushed.
bool push_for(int b)
{
    char name[100];
    file_in_use(name);
    if (form_push(name, b) == 0) return true;
    MessageBeep(0);
    return false;
}

void open_kind_form(HWND hwnd, int b, const char *kind)
{
    char in_use[100], name[256];
    file_in_use(in_use);
    if (kind_form_name(kind, in_use, name, sizeof name) != 0) {
        MessageBeep(0);
        return;
    }
    if (push_for(b)) open_form_name(hwnd, name);
}

// ITEM and BDATA: field 2 "1" becomes "0"; anything else becomes "1" and
// the other items of the chain are cleared.
void tick_item(HWND hwnd, int b)
{
    char mark[16];
    get_para(mark, b, 2);
    if (is(mark, "1")) {
        set_para("0", b, 2);
    } else {
        clear_item_chain(b);
        set_para("1", b, 2);
    }
    form_repaint(hwnd);
}

void press_vbutton(HWND hwnd, int b)
{
    char f0[512], f1[512], f2[512];
    get_box_fields(b, f0, f1, f2);
    copy_bounded(vbutton_next, sizeof vbutton_next, f2);
    win_handle window = nullptr;
    unsigned message = 0;
    uintptr_t wparam = 0;
    char text[1200];
    if (find_form_button(f0, f1, &window, &message, &wparam) == 0) {
        if (format_text(text, sizeof text, "指定のパラメータ１(%s)パラメータ２(%s)の実メニューが登録されていません", f0,
                        f1) == 0)
            form_error_box(text);
    } else if (msgbox_depth > 0) {
        MessageBeep(0);
        activate_msg_box();
        if (format_text(text, sizeof text, "★メッセージ応答待ち状態のため、仮想ボタン(%s)を受付けません\r\n", f0) == 0)
            code_print(text);
    } else {
        PostMessageA(static_cast<HWND>(window), message, wparam, 0);
    }
    (void)hwnd;
}

void swap_detail(HWND hwnd, int b)
{
    const int r = form_recalc_keep_levels();
    char text[300];
    if (r >= 0) {
        char kind[kind_size], name[name_size];
        get_kind_name(r, kind, sizeof kind, name, sizeof name);
        MessageBeep(0);
        format_text(text, sizeof text, "独立矩形(%s[%s])が有る場合、DETAIL BOXは展開出来ません", kind, name);
        form_warn(hwnd, text);
    } else if (is_source_form(b) != 0) {
        MessageBeep(0);
        form_warn(hwnd, "祖先が無いDETAIL BOXは展開出来ません");
    } else {
        delete_frames();
        swap_box_place(b);
        form_recalc();
        form_repaint(hwnd);
    }
}

bool is_jump_kind(const char *kind)
{
    return is(kind, "WM") || is(kind, "ID") || is(kind, "PROC") || is(kind, "AREA") || is(kind, "DEFAULT") ||
           case_no(kind) >= 0;
}

// The editor at the generated code of box b; mouse is the double-click message.
void editor_jump(int b, const char *kind, unsigned mouse)
{
    gen_scan_rec scan;
    if (scan_gen_form(b, &scan) != 0) return;
    char name[name_size];
    copy_box_name(b, name);
    if (is(kind, "PROC")) jump_proc(scan.source, scan.procedure, "");
    else if (is(kind, "AREA")) jump_area(scan.source, scan.procedure, scan.message, name, static_cast<int>(mouse));
    else if (is(kind, "DEFAULT")) jump_default(scan.source, scan.procedure);
    else if (case_no(kind) >= 0) jump_case(scan.source, scan.procedure, name, case_no(kind));
    else jump_proc(scan.source, scan.procedure, name);
    SetFocus(static_cast<HWND>(code_out_hwnd));
}

void next_caller(HWND hwnd, int b)
{
    char name[name_size];
    copy_bounded(name, sizeof name, box_display_name(b));
    if (find_box_by_name(name, find_next_caller) != 0) form_repaint(hwnd);
    else form_warn(hwnd, "外に下位矩形のある矩形はありません");
}

// A TAG box: a text tag's section in the editor, "html" the page in the
// browser, a link tag the form of the local page it names.
void open_tag(HWND hwnd, int b)
{
    char tag[name_size], in_use[100];
    copy_box_name(b, tag);
    file_in_use(in_use);
    if (is_str(tag) != 0) {
        edit_tag_text(code_out_hwnd, in_use);
        SetFocus(static_cast<HWND>(code_out_hwnd));
        return;
    }
    if (is(tag, "html")) {
        char page[120];
        if (browser_page_name(in_use, page, sizeof page) == 0) open_file_url(hwnd, page);
        return;
    }
    if (is_link_tag(tag) == 0) return;
    char f0[512], f1[512], f2[512], form[256];
    get_box_fields(b, f0, f1, f2);
    if (f0[0] == '\0') {
        MessageBeep(0);
        form_warn(hwnd, "フォームファイル名データがありません");
        return;
    }
    cut_quote(f0);
    if (page_form_name(f0, in_use, form, sizeof form) == 0 && push_for(b)) open_form_name(hwnd, form);
}

bool is_quiet_kind(int b, const char *kind)
{
    return is(kind, "HTML") || is(kind, "MATERIAL") || is(kind, "STRING") || is(kind, "COMMENT") || kind[0] == '\0' ||
           edata_no(b) >= 0;
}

// The 関連-mode left double-click on box b by its kind.
int related_dblclk(HWND hwnd, int b)
{
    char kind[kind_size];
    copy_box_kind(b, kind);
    if (is(kind, "WIDGET")) {
        char name[100];
        file_in_use(name);
        trim_blanks(name);
        if (name[0] == '\0') {
            form_warn(hwnd, "フォームのファイル名が空白です");
            return -1;
        }
        prop_value_commit();
        scroll_form(hwnd, scroll_to_origin);
        scroll_form(hwnd, scroll_undo);
    }
    if (is(kind, "GENERATE")) {
        get_union_list();
        PostMessageA(static_cast<HWND>(hwndE), WM_COMMAND, cmd_focus, 0);
    } else if (is(kind, "VBUTTON")) {
        press_vbutton(hwnd, b);
        return gesture_consumed;
    } else if (is(kind, "ITEM") || is(kind, "BDATA")) {
        tick_item(hwnd, b);
        return gesture_consumed;
    } else if (is(kind, "DETAIL") || is(kind, "TAIL")) {
        swap_detail(hwnd, b);
    } else if (is_jump_kind(kind)) {
        editor_jump(b, kind, WM_LBUTTONDBLCLK);
    } else if (is(kind, "FBOX")) {
        char name[name_size];
        copy_box_name(b, name);
        SetWindowTextA(static_cast<HWND>(target_field.edit), name);
        PostMessageA(static_cast<HWND>(hwndE), WM_SYSCOMMAND, main_sys_def_list, 0);
    } else if (is(kind, "TAG")) {
        open_tag(hwnd, b);
    } else if (is_quiet_kind(b, kind)) {
        return -1;
    } else if (not_tree_kind(kind) == 0 || is(kind, "HBOX") || is(kind, "YITEM")) {
        next_caller(hwnd, b);
    } else if (is(kind, "UNION")) {
        char f0[512], f1[512], f2[512];
        get_box_fields(b, f0, f1, f2);
        open_subform_by_name(hwnd, b, f0);
    } else {
        open_kind_form(hwnd, b, kind);
    }
    return -1;
}

void empty_place_dblclk(HWND hwnd)
{
    form_geometry_rec g;
    if (form_geometry(&g) == 0) {
        MessageBeep(0);
    } else if (msg_box(hwnd, "該フォーム画面の元配置を更新しますか？", msg_caption_text, MB_OKCANCEL | MB_ICONQUESTION) ==
               IDOK) {
        save_wrect("FORM");
    }
}

// A PROC box opens the form file its field 1 names.
void open_proc_form(HWND hwnd, int b)
{
    char f0[512], f1[512], f2[512];
    get_box_fields(b, f0, f1, f2);
    cut_quote(f1);
    const size_t n = strlen(f1);
    if (n < 2 || f1[n - 2] != '.' || (f1[n - 1] != 'F' && f1[n - 1] != 'f')) {
        MessageBeep(0);
        return;
    }
    char in_use[100], name[256];
    file_in_use(in_use);
    if (subform_file_name(f1, in_use, name, sizeof name) != 0 || !push_for(b)) return;
    SetWindowTextA(form_name_edit, name);
    load_form(name);
    back_at_box(hwnd, b);
}

}  // namespace

void open_subform_by_name(HWND hwnd, int box, const char *name)
{
    char plain[512];
    copy_bounded(plain, sizeof plain, name);
    if (plain[0] == '\0') {
        MessageBeep(0);
        msg_box(hwnd, "フォームファイル名データがありません", msg_caption_text, MB_ICONHAND);
        return;
    }
    cut_quote(plain);
    char in_use[100], file[256];
    file_in_use(in_use);
    if (subform_file_name(plain, in_use, file, sizeof file) != 0) {
        MessageBeep(0);
        return;
    }
    if (push_for(box)) open_form_name(hwnd, file);
}

void return_to_caller(HWND hwnd, bool ask)
{
    char name[100];
    file_in_use(name);
    if (ask && get_form_changed() != 0 &&
        msg_box(hwnd, "現フォームは上位画面で更新されています、保存しますか？", msg_caption_text,
                MB_YESNO | MB_ICONQUESTION) == IDYES) {
        prop_value_commit();
        scroll_form(hwnd, scroll_to_origin);
        save_form(name);
        scroll_form(hwnd, scroll_undo);
    }
    char back[100];
    int b = -1;
    if (form_pop(back, &b) == 0) {
        SetWindowTextA(form_name_edit, back);
        back_at_box(hwnd, b);
        return;
    }
    // The stack was empty: the start-up form, unless it is the one in use.
    char found[100] = "";
    if (locate_file(found, sizeof found, "begin.f") != 0) {
        msg_box(static_cast<HWND>(hwndE), "起動フォームファイル(begin.f)が見つかりません、作って下さい", msg_caption_text,
                MB_ICONHAND);
        found[0] = '\0';
    } else if (is(found, name)) {
        found[0] = '\0';
    }
    SetWindowTextA(form_name_edit, found);
    if (found[0] != '\0') load_form(found);
    prop_reset();
    prop_field = -1;
    undo_clear();
    place_form_window(hwnd);
    form_repaint(hwnd);
}

int form_left_dblclk(HWND hwnd, int keys, int x, int y, int box)
{
    if (gen_rel_mode == mode_create) {
        const int b = box_at_point(x, y, hwnd);
        char kind[kind_size] = "";
        if (b >= 0) copy_box_kind(b, kind);
        const int k = keys & (MK_LBUTTON | MK_SHIFT | MK_CONTROL);
        if (b < 0 || is_user_kind(kind) != 0 || (k != (MK_LBUTTON | MK_SHIFT) && k != (MK_LBUTTON | MK_SHIFT | MK_CONTROL)))
            return -1;
        const bool heads = (keys & MK_CONTROL) != 0;
        char name[name_size];
        copy_box_name(b, name);
        if (find_box_by_name(name, heads ? find_next_root : find_next_called) != 0) {
            form_repaint(hwnd);
        } else {
            toggle_gen_rel(keys, 'e');
            form_warn(hwnd, heads ? "外に先頭矩形はありません" : "外に上位矩形のある矩形はありません");
        }
        return -1;
    }
    if (box < 0) {
        empty_place_dblclk(hwnd);
        return -1;
    }
    if ((keys & MK_CONTROL) != 0) {
        if (find_box_by_name("", find_parent) != 0) form_repaint(hwnd);
        return -1;
    }
    return related_dblclk(hwnd, box);
}

void form_right_dblclk(HWND hwnd, int keys, int x, int y)
{
    if (gen_rel_mode == mode_create) {
        toggle_gen_rel(keys, 'e');
        const int k = keys & (MK_RBUTTON | MK_SHIFT | MK_CONTROL);
        if (k == (MK_RBUTTON | MK_SHIFT)) form_keypad_nav(hwnd, VK_RETURN, 0x1000000);
        else if (k == (MK_RBUTTON | MK_SHIFT | MK_CONTROL)) SendMessageA(hwnd, WM_KEYUP, VK_DELETE, 0);
        else form_warn(hwnd, "モードが違います");
        return;
    }
    if ((keys & MK_CONTROL) != 0) {
        if (find_box_by_name("", find_back) != 0) form_repaint(hwnd);
        else MessageBeep(0);
        return;
    }
    const int b = box_at_point(x, y, nullptr);
    char kind[kind_size] = "";
    if (b >= 0) copy_box_kind(b, kind);
    if (b < 0 || is(kind, "BOX")) return_to_caller(hwnd, true);
    else if (is(kind, "PROC")) open_proc_form(hwnd, b);
    else if (is_jump_kind(kind)) editor_jump(b, kind, WM_RBUTTONDBLCLK);
    else MessageBeep(0);
}
