// The FORM screen's window: its children and their places, the canvas paint,
// the mouse gestures that create, move, resize and relate boxes, and the
// keys that copy, paste, undo, delete and scroll.  A gesture runs from a
// button-down to its button-up; Shift at the press swaps 生成 and 関連 for it.
#include "forms/win/form_screen.h"

#include <cstdlib>
#include <cstring>

#include "forms/box_paint.h"
#include "forms/copysplit.h"
#include "forms/find_box.h"
#include "forms/form_places.h"
#include "forms/form_state.h"
#include "forms/formfile.h"
#include "forms/keypad_nav.h"
#include "forms/keys.h"
#include "forms/kinds.h"
#include "forms/model.h"
#include "forms/para.h"
#include "forms/picklists.h"
#include "forms/queries.h"
#include "forms/readers.h"
#include "forms/relmove.h"
#include "forms/undo.h"
#include "forms/win/form_screen_parts.h"
#include "generators/defs.h"
#include "generators/gen_entry.h"
#include "generators/gen_support.h"
#include "generators/htmlattr.h"
#include "shell/devaids.h"
#include "shell/dirs.h"
#include "shell/keypad.h"
#include "shell/launcher.h"
#include "shell/main_fields.h"
#include "shell/main_layout.h"
#include "shell/main_state.h"
#include "shell/params.h"
#include "shell/runner.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/sysmenus.h"
#include "shell/text.h"
#include "shell/win/main_screen_win.h"
#include "shell/win/startup_win.h"
#include "shell/win/syskey.h"
#include "shell/wsize.h"
#include "trees/property.h"

HWND pane_hwnd[pane_count];
HWND form_name_edit;

namespace {

const int name_edit_id = 1;
const int counter_id = 2;
const int name_label_id = 99;
const int pane_first_id = 100;
const int pad_first_id = 0x14;
const int key_first_id = 0x28;
const int bitmap_key_first = 7;  // key buttons 7..10 ("sH" "sV" "mH" "mV") are owner-drawn
const int bitmap_key_last = 10;
const int min_box_side = 12;     // a created box is at least this wide and high
const int corner_tolerance = 6;  // a press this near a corner resizes
const int delete_linked = 2;     // delete_box_cmd: the box still has relations

const char refusal_text[] = "本機能は未サポートです";
const char refusal_caption[] = "TAVIR警告画面";

HWND star_button;
HWND occurrence_label;
HWND name_label;
HWND key_buttons[key_button_count];
HWND pad_buttons[pad_button_count];

// The gesture in progress (-1: none).
struct gesture_rec {
    int drag_x, drag_y;            // where it started
    int drag_last_x, drag_last_y;  // the last point a rubber band was drawn to
    int drag_box;                  // the box hit at the start
    int drag_button;               // 0 left, 1 right
    int press_keys;                // the MK_ word of the press
    int create;                    // 1: 生成 for this gesture (gen_rel_mode swapped by Shift)
    int band;                      // 1 while a rubber band is on the screen
    int band_rect[4];              // its rectangle
};
gesture_rec gesture = {-1, -1, -1, -1, -1, -1, 0, 0, 0, {0, 0, 0, 0}};

HWND child(HWND parent, const char *cls, const char *caption, DWORD style, int id)
{
    HWND w = CreateWindowA(cls, caption, WS_CHILD | WS_VISIBLE | style, 200, 26, 131, 26, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app_instance, nullptr);
    if (w != nullptr && main_font != nullptr) SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(main_font), TRUE);
    return w;
}

void create_controls(HWND hwnd)
{
    star_button = child(hwnd, "BUTTON", "★", BS_PUSHBUTTON, 0);
    MoveWindow(star_button, 0, 0, 16, 16, FALSE);
    form_name_edit = child(hwnd, "EDIT", "", WS_BORDER | ES_AUTOHSCROLL | ES_CENTER, name_edit_id);
    occurrence_label = child(hwnd, "STATIC", "", WS_BORDER | SS_RIGHT, counter_id);
    win_handle handles[pad_button_count];
    for (int i = 0; i < pad_button_count; ++i) {
        pad_buttons[i] = child(hwnd, "BUTTON", pad_button_captions[i], WS_BORDER, pad_first_id + i);
        handles[i] = pad_buttons[i];
    }
    register_buttons('O', handles, pad_button_count);
    win_handle keys[key_button_count];
    for (int i = 0; i < key_button_count; ++i) {
        const bool drawn = i >= bitmap_key_first && i <= bitmap_key_last;
        key_buttons[i] = child(hwnd, "BUTTON", drawn ? "" : key_button_captions[i], drawn ? BS_OWNERDRAW : WS_BORDER,
                               key_first_id + i);
        keys[i] = key_buttons[i];
    }
    register_buttons('f', keys, key_button_count);
    const win_handle others[] = {star_button, form_name_edit, occurrence_label};
    register_buttons('X', others, 3);
    for (int i = 0; i < pane_count; ++i) {
        pane_hwnd[i] = CreateWindowA("EDIT", "", WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, 0, 0, 20, 20, hwnd,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(pane_first_id + i)), app_instance,
                                     nullptr);
        if (main_font != nullptr) SendMessageA(pane_hwnd[i], WM_SETFONT, reinterpret_cast<WPARAM>(main_font), TRUE);
    }
    name_label = CreateWindowA("STATIC", "", WS_CHILD | WS_BORDER, 200, 26, 131, 26, hwnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(name_label_id)), app_instance, nullptr);
    if (main_font != nullptr) SendMessageA(name_label, WM_SETFONT, reinterpret_cast<WPARAM>(main_font), TRUE);
}

void place(HWND w, const control_place &p)
{
    MoveWindow(w, p.x, p.y, p.w, p.h, TRUE);
    if (p.hidden) ShowWindow(w, SW_HIDE);
}

void size_controls(int w, int h)
{
    set_canvas_size(w, h);
    form_layout_rec layout;
    form_layout(w, h, &layout);
    place(form_name_edit, layout.name_edit);
    place(occurrence_label, layout.counter);
    for (int i = 0; i < key_button_count; ++i) place(key_buttons[i], layout.keys[i]);
    for (int i = 0; i < pad_button_count; ++i) place(pad_buttons[i], layout.pads[i]);
}


void paint(HWND hwnd)
{
    if (cur_box < 0) click_move_pending = 0;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    paint_form(dc, client.right, client.bottom);
    EndPaint(hwnd, &ps);
}

void print_client(HWND hwnd, HDC dc)
{
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    paint_form(dc, client.right, client.bottom);
}

void draw_bitmap_button(const DRAWITEMSTRUCT *d)
{
    const int id = static_cast<int>(d->CtlID);
    if (id < key_first_id + bitmap_key_first || id > key_first_id + bitmap_key_last) return;
    const int r = 2 * (id - key_first_id - bitmap_key_first);
    if (r + 1 >= 8 || bitmaps[r].handle == nullptr || bitmaps[r + 1].handle == nullptr) return;
    const int saved = SaveDC(d->hDC);
    HDC mem = CreateCompatibleDC(d->hDC);
    SelectObject(mem, (d->itemState & ODS_SELECTED) != 0 ? bitmaps[r].handle : bitmaps[r + 1].handle);
    BitBlt(d->hDC, 0, 0, bitmaps[r].width, bitmaps[r].height, mem, 0, 0, SRCCOPY);
    RestoreDC(d->hDC, saved);
    DeleteDC(mem);
}

bool ask(HWND hwnd, const char *question)
{
    return msg_box(hwnd, question, msg_caption_text, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

// Gestures --------------------------------------------------------------

// The gesture state cleared; the mode a Shift press swapped comes back.
void gesture_clear()
{
    gesture.drag_box = gesture.drag_last_x = gesture.drag_last_y = gesture.drag_x = gesture.drag_y = -1;
    gesture.band = 0;
}

void gesture_reset()
{
    gesture_clear();
    toggle_gen_rel(gesture.press_keys, 'e');
}

void gesture_start(int keys, int button, int x, int y)
{
    gesture.press_keys = keys;
    toggle_gen_rel(keys, 's');
    gesture.drag_button = button;
    gesture.create = gen_rel_mode == mode_create ? 1 : 0;
    gesture.drag_x = x;
    gesture.drag_y = y;
    gesture.drag_last_x = gesture.drag_last_y = -1;
    gesture.band = 0;
    ShowWindow(name_label, SW_HIDE);
}

// Draws (or, drawn twice, erases) the rubber band of rectangle r.
void toggle_band(HWND hwnd, const int (&r)[4])
{
    HDC dc = GetDC(hwnd);
    SetROP2(dc, R2_NOT);
    HGDIOBJ old = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, r[0], r[1], r[2], r[3]);
    SelectObject(dc, old);
    SetROP2(dc, R2_COPYPEN);
    ReleaseDC(hwnd, dc);
}

void erase_band(HWND hwnd)
{
    if (gesture.band) toggle_band(hwnd, gesture.band_rect);
    gesture.band = 0;
}

void show_band(HWND hwnd, int x0, int y0, int x1, int y1)
{
    erase_band(hwnd);
    gesture.band_rect[0] = x0, gesture.band_rect[1] = y0, gesture.band_rect[2] = x1, gesture.band_rect[3] = y1;
    toggle_band(hwnd, gesture.band_rect);
    gesture.band = 1;
}

// The moved or grown outline of the box under the left press.
void left_band(HWND hwnd, int x, int y)
{
    int box = corner_at_point(gesture.drag_x, gesture.drag_y, corner_tolerance, nullptr);
    const bool grow = box >= 0;
    if (!grow) box = box_at_point(gesture.drag_x, gesture.drag_y, nullptr);
    if (box < 0) return;
    int r[4];
    get_box_rect(box, &r[0], &r[1], &r[2], &r[3]);
    if (grow) grow_drag_rect(&r[0], &r[1], &r[2], &r[3], x - gesture.drag_x, y - gesture.drag_y);
    else shift_drag_rect(&r[0], &r[1], &r[2], &r[3], x - gesture.drag_x, y - gesture.drag_y);
    show_band(hwnd, r[0], r[1], r[2], r[3]);
}

void mouse_move(HWND hwnd, int keys, int x, int y)
{
    if (gesture.drag_x >= 0 && !gesture.create && (abs(x - gesture.drag_x) >= 3 || abs(y - gesture.drag_y) >= 3))
        ShowWindow(name_label, SW_HIDE);
    if (gesture.drag_x < 0 || !gesture.create) return;
    if ((keys & MK_RBUTTON) != 0 && (keys & MK_LBUTTON) == 0) {
        if (x <= gesture.drag_x || y <= gesture.drag_y) return;
        show_band(hwnd, gesture.drag_x, gesture.drag_y, x, y);
    } else if ((keys & MK_LBUTTON) != 0 && (keys & MK_RBUTTON) == 0) {
        left_band(hwnd, x, y);
    } else {
        return;
    }
    gesture.drag_last_x = x;
    gesture.drag_last_y = y;
}

// The End key's one-click move of the current box to an empty place.
void click_move(HWND hwnd, int keys, int x, int y)
{
    click_move_pending = 0;
    if (gesture.drag_box >= 0) {
        msg_box(hwnd, "既存の矩形の上に重ねて移動出来ません", msg_caption_text, MB_ICONHAND);
    } else if (cur_box < 0) {
        MessageBeep(0);
    } else {
        const int dx = x - box_table[cur_box].x, dy = y - box_table[cur_box].y;
        const bool ctrl = (keys & MK_CONTROL) != 0;
        move_with_children(cur_box, dx, dy, ctrl);
        undo_note_move(ctrl ? 1 : 0, cur_box, dx, dy);
    }
    form_repaint(hwnd);
    gesture_reset();
}

void paste_click(HWND hwnd, int keys, int x, int y)
{
    if (gesture.drag_box < 0) {
        int boxes = 0, lines = 0;
        if (para_line_count(&boxes, &lines) != 0) {
            char text[200];
            MessageBeep(0);
            format_text(text, sizeof text, "フォーム数(%d)とパラメータ数(%d)が矛盾しています、合わせます", boxes, lines);
            msg_box(hwnd, text, msg_caption_text, MB_ICONEXCLAMATION);
            para_resize(boxes, lines);
        }
        if (paste_saved(x, y) == 0) form_repaint(hwnd);
        else msg_box(hwnd, "セーブファイルが存在しません", msg_caption_text, MB_ICONHAND);
        if (pending_op == op_paste_once && (keys & MK_CONTROL) == 0) {
            delete_frames();
            pending_op = op_none;
            form_repaint(hwnd);
        }
    } else {
        char kind[kind_size];
        copy_box_kind(gesture.drag_box, kind);
        const bool keeps = strcmp(kind, "DETAIL") == 0 || strcmp(kind, "TAIL") == 0 || strcmp(kind, "UNION") == 0 ||
                           strcmp(kind, "HTML") == 0;
        if (!keeps) msg_box(hwnd, "既存の矩形の上に重ねて貼り付け出来ません", msg_caption_text, MB_ICONHAND);
    }
    gesture_reset();
}

// The main screen's category (cut at its extension, 10 bytes) and target
// (31 bytes) as kind and name of box b, after the object-name checks.
// 0 set, 1 refused (the refusal shown on the main screen).
int take_main_fields(int b)
{
    char category[100], name[100];
    form_field_text(static_cast<HWND>(main_controls[ctl_category]), category, sizeof category);
    char *dot = strchr(category, '.');
    if (dot != nullptr) *dot = '\0';
    cut_str10(category);
    form_field_text(static_cast<HWND>(target_field.edit), name, sizeof name);
    cut_str31(name);
    const int r = check_object_name(b, name, category);
    if (r == name_taken) error_boxf(screen_form, "オブジェクト（対象）名(%s)がカテゴリ(%s)と重複しています", name, category);
    if (r == name_reserved) error_boxf(screen_form, "オブジェクト（対象）名(%s)が使用禁止名(Olist,olist,oname)です", name);
    if (r != name_free) return 1;
    set_box_kind(b, category);
    if (strcmp(name, "*") != 0) set_box_name(b, name);
    return 0;
}

// Both buttons held, the right one pressed first.
void chord_after_right(HWND hwnd, int keys, int x, int y)
{
    const int b = gesture.drag_box;
    const bool ctrl = (keys & MK_CONTROL) != 0;
    if (b < 0) {
        MessageBeep(0);
    } else if (!gesture.create) {
        if (ask(hwnd, "関係上、同位の矩形を縦又は横に並べますか？")) {
            align_siblings(b, ctrl ? 1 : 0);
            form_repaint(hwnd);
        }
    } else if (!ctrl) {
        if (take_main_fields(b) != 0) {
            gesture_reset();
            return;
        }
        form_repaint(hwnd);
    } else {
        undo_box_rename(b);
        form_repaint(hwnd);
    }
    if (b >= 0 && !gesture.create) {
        PostMessageA(hwnd, WM_LBUTTONUP, static_cast<WPARAM>(keys), MAKELPARAM(x, y));
        PostMessageA(hwnd, WM_RBUTTONUP, static_cast<WPARAM>(keys), MAKELPARAM(x, y));
    }
    gesture_clear();
}

void left_down(HWND hwnd, int keys, int x, int y)
{
    undo_clear();
    gesture_start(keys, 0, x, y);
    if (pending_op >= op_align_h_once && pending_op <= op_align_v_repeat) {
        align_to_current(x, y, pending_op, align_button);
        if (pending_op <= op_align_v_once) pending_op = op_none;
        form_repaint(hwnd);
        gesture_reset();
        return;
    }
    gesture.drag_box = box_at_point(x, y, nullptr);
    if (click_move_pending) click_move(hwnd, keys, x, y);
    else if (pending_op != op_none) paste_click(hwnd, keys, x, y);
    else if ((keys & MK_RBUTTON) != 0) chord_after_right(hwnd, keys, x, y);
}

bool is_top_kind(const char *kind)
{
    static const char *const tops[] = {"PROJ", "APP", "FORM", "WORK", "SMENU", "HTML", "DATA", "CALC", ""};
    return kind_in(kind, tops);
}

// The PROPERTY screen shows box b's members and its field 0.
void fill_property(int b, const char *kind)
{
    char file[120], name[name_size];
    struct_kind_file(file, sizeof file, kind);
    copy_box_name(b, name);
    const int n = list_struct_members(prop_member_list, file, name);
    if (prop_member_list != nullptr) SendMessageA(static_cast<HWND>(prop_member_list), LB_SETCURSEL, 0, 0);
    list_param_members(prop_value_list, 0);
    char value[512];
    get_para(value, b, 0);
    host_set_edit_text(prop_value_edit, value);
    prop_field = n >= 1 ? 0 : -1;
}

// The target list after a click on box b: the names the form's definition
// file gives its kind, or the names of the boxes under the current one.
void fill_click_targets(int b, const char *shown_kind, bool ctrl)
{
    char kind[kind_size];
    copy_bounded(kind, sizeof kind, shown_kind);
    if (strcmp(kind, "ANY") == 0) get_parent_kind(b, kind);
    const bool listed = !ctrl && is_user_kind(kind) != 0 && not_item_kind(kind) != 0 && strcmp(kind, "HBOX") != 0 &&
                        strcmp(kind, "WORK") != 0;
    if (!listed) {
        list_on_set_names(target_field_handle());
        return;
    }
    if (strcmp(kind, "VBUTTON") == 0) return;
    const char *ext = xwin_mode != 0 ? ".X" : ".R";
    char base[1000], defs[1024], names[40];
    form_field_text(form_name_edit, base, sizeof base);
    char *dot = strrchr(base, '.');
    if (dot != nullptr) *dot = '\0';
    if (format_text(defs, sizeof defs, "%s%s", base, ext) != 0 || format_text(names, sizeof names, "%s%s", kind, ext) != 0)
        return;
    clear_defs();
    read_defs(defs);
    char folder[dir_path_size];
    if (get_def(target_field_handle(), kind) == 0) load_name_list(target_field_handle(), names, folder, 2);
}

// A 関連-mode click on box b: a top box records the window's place, and
// PROPERTY and the target list show what the box offers.
void related_click(HWND hwnd, int b)
{
    char kind[kind_size];
    copy_box_kind(b, kind);
    if (strcmp(kind, "DETAIL") == 0 || strcmp(kind, "TAIL") == 0) return;
    if (is_top_kind(kind)) {
        RECT r;
        GetWindowRect(hwnd, &r);
        write_place_file(kind, r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    fill_property(b, kind);
    fill_click_targets(b, kind, (gesture.press_keys & MK_CONTROL) != 0);
}

// The release of a 関連-mode left gesture: a click on a box (kept for the
// double-click, returned) or a drag that relates two boxes (-1).
int relate_up(HWND hwnd, int x, int y)
{
    const int b = box_at_point(x, y, hwnd);
    if (b < 0 || gesture.drag_box < 0) return -1;
    if (b == gesture.drag_box) {
        related_click(hwnd, b);
        if (sel_changed) form_repaint(hwnd);
        sel_changed = 0;
        return b;
    }
    char name[name_size];
    form_field_text(static_cast<HWND>(target_field.edit), name, sizeof name);
    const int a = gesture.drag_box;
    const int r = gesture.press_keys == (MK_LBUTTON | MK_CONTROL) ? unrelate_pair(a, b, name, hwnd, target_field.edit)
                                                            : relate_boxes(a, b, name, hwnd, target_field_handle());
    if (r == -2) MessageBeep(0);
    if (r == -1) {
        if ((gesture.press_keys & MK_CONTROL) != 0) add_links_from_list(a, b, target_field_handle(), hwnd);
        else add_link(a, b, name, hwnd);
    }
    form_repaint(hwnd);
    return -1;
}

// After a move: the names of the box's kind from its ".R" file into the
// target list, the category field emptied.
void moved_box_targets(int box)
{
    char kind[kind_size], file[40], folder[dir_path_size];
    copy_box_kind(box, kind);
    if (strcmp(kind, "ANY") == 0) get_parent_kind(box, kind);
    if (format_text(file, sizeof file, "%s.R", kind) == 0) load_name_list(target_field_handle(), file, folder, 2);
    SetWindowTextA(static_cast<HWND>(main_controls[ctl_category]), "");
}

void create_up(HWND hwnd, int x, int y)
{
    const bool ctrl = (gesture.press_keys & MK_CONTROL) != 0;
    const int dx = x - gesture.drag_x, dy = y - gesture.drag_y;
    const int saved = relate_off;
    if (ctrl) relate_off = 1;
    int changed = 0;
    const int corner = corner_at_point(gesture.drag_x, gesture.drag_y, corner_tolerance, hwnd);
    if (corner >= 0) {
        changed = resize_box(corner, dx, dy);
    } else {
        const int box = box_at_point(gesture.drag_x, gesture.drag_y, hwnd);
        if (box >= 0 && (dx != 0 || dy != 0)) {
            changed = move_box(box, dx, dy);
            if (ctrl) move_children(box, dx, dy);
            if (changed == 1) undo_note_move(ctrl ? 1 : 0, box, dx, dy);
        }
        if (changed == 1) moved_box_targets(box);
    }
    relate_off = saved;
    if (changed == 1 || sel_changed) form_repaint(hwnd);
    sel_changed = 0;
}

void left_up(HWND hwnd, int x, int y)
{
    last_up_left = 1;
    if (form_hooks.clear_occurrence != nullptr) form_hooks.clear_occurrence();
    if (gesture.drag_box != gesture_consumed) SetFocus(hwnd);
    erase_band(hwnd);
    const bool empty_press =
        gesture.drag_box < 0 && (!gesture.create || corner_at_point(gesture.drag_x, gesture.drag_y, corner_tolerance, nullptr) < 0);
    int kept = -1;
    if (empty_press && gesture.drag_box != gesture_consumed) {
        char folder[dir_path_size];
        load_name_list(target_field_handle(), "vokpos.dat", folder, 0);  // a press on an empty place
    } else if (gesture.drag_x >= 0) {
        if (gesture.create) create_up(hwnd, x, y);
        else kept = relate_up(hwnd, x, y);
    }
    gesture_reset();
    gesture.drag_box = kept;
}

// The names of a kind's ".d" file into the target list; a FORM box stands
// for the form in use, named by the form-name field without its extension.
void list_kind_names(const char *kind, char (&folder)[dir_path_size])
{
    char base[100];
    if (strcmp(kind, "FORM") == 0) {
        form_field_text(form_name_edit, base, sizeof base);
        char *dot = strrchr(base, '.');
        if (dot != nullptr) *dot = '\0';
    } else {
        copy_bounded(base, sizeof base, kind);
    }
    char file[120];
    if (format_text(file, sizeof file, "%s.d", base) == 0) load_name_list(target_field_handle(), file, folder, 2);
}

// The pop-up description of the box under a right press in 関連 mode,
// placed beside the point as the main screen places its hints.
void place_name_label(HWND hwnd, int x, int y)
{
    const int b = box_at_point(x, y, nullptr);
    if (b < 0) return;
    char text[200];
    box_legend(b, text, sizeof text);
    SetWindowTextA(name_label, text);
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = main_font != nullptr ? SelectObject(dc, main_font) : nullptr;
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &extent);
    if (old != nullptr) SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    RECT client;
    GetClientRect(hwnd, &client);
    const popup_place p = place_popup(x, y, extent.cx, extent.cy, client.right);
    MoveWindow(name_label, p.x, p.y, p.width, p.height, FALSE);
    ShowWindow(name_label, SW_SHOW);
}

// Both buttons held, the left one pressed first on box b.
void chord_after_left(HWND hwnd, int keys, int b)
{
    const bool ctrl = (keys & MK_CONTROL) != 0;
    if (b < 0) {
        MessageBeep(0);
    } else if (!gesture.create) {
        if (ask(hwnd, "関係上、上位の矩形と横または縦に並べますか？")) {
            int dx = 0, dy = 0;
            center_on_parent(b, &dx, &dy);
            move_with_children(b, dx, dy, ctrl);
            form_repaint(hwnd);
        }
        PostMessageA(hwnd, WM_LBUTTONUP, static_cast<WPARAM>(keys), MAKELPARAM(gesture.drag_x, gesture.drag_y));
        PostMessageA(hwnd, WM_RBUTTONUP, static_cast<WPARAM>(keys), MAKELPARAM(gesture.drag_x, gesture.drag_y));
    } else if (!ctrl) {
        fit_box_to_name(b, hwnd);
    } else {
        match_parent_height(b, hwnd);
    }
}

void right_down(HWND hwnd, int keys, int x, int y)
{
    if (click_move_pending) {
        click_move_pending = 0;
        form_repaint(hwnd);
    }
    if (pending_op != op_none) {
        const int box = box_at_point(x, y, nullptr);
        char kind[kind_size] = "";
        if (box >= 0) copy_box_kind(box, kind);
        if (strcmp(kind, "HTML") != 0 && strcmp(kind, "FORM") != 0) {
            pending_op = op_none;
            delete_frames();
            form_repaint(hwnd);
        }
        gesture_reset();
        return;
    }
    undo_clear();
    const int left_box = gesture.drag_box;
    gesture_start(keys, 1, x, y);
    if ((keys & MK_LBUTTON) == 0) {
        if (!gesture.create) place_name_label(hwnd, x, y);
        return;
    }
    chord_after_left(hwnd, keys, left_box);
    gesture_clear();
}

void right_up(HWND hwnd, int x, int y)
{
    last_up_left = 0;
    SetFocus(hwnd);
    erase_band(hwnd);
    ShowWindow(name_label, SW_HIDE);
    if (gesture.drag_x < 0) return;
    int changed = 0;
    if ((gesture.press_keys & ~MK_SHIFT) == (MK_RBUTTON | MK_CONTROL)) {
        const int pressed = box_at_point(gesture.drag_x, gesture.drag_y, nullptr);
        if (pressed >= 0) changed = move_box_index(box_at_point(x, y, nullptr), pressed) == 0 ? 1 : 0;
    } else if (gesture.create) {
        changed = add_box_rect(gesture.drag_x, gesture.drag_y, x, y, min_box_side);
    }
    if (changed != 1) {
        const int box = box_at_point(gesture.drag_x, gesture.drag_y, hwnd);
        rclick_kind[0] = rclick_name[0] = '\0';
        char folder[dir_path_size];
        if (box < 0) {
            load_name_list(target_field_handle(), "vokpos2.dat", folder, 0);
        } else {
            copy_box_kind(box, rclick_kind);
            copy_box_name(box, rclick_name);
            list_kind_names(rclick_kind, folder);
        }
    }
    if (changed == 1 || sel_changed) form_repaint(hwnd);
    sel_changed = 0;
    gesture_reset();
}

// Keys -----------------------------------------------------------------

void delete_current(HWND hwnd)
{
    if (cur_box < 0) {
        msg_box(hwnd, "カレント矩形が有りません", msg_caption_text, MB_ICONHAND);
        return;
    }
    click_move_pending = 1;
    form_repaint(hwnd);
    if (ask(hwnd, "カレントの矩形を削除をしますか？")) {
        if (delete_box_cmd(cur_box, 0) == delete_linked && ask(hwnd, "関係も含めて強制削除をしますか？")) delete_box_cmd(cur_box, 1);
        form_title(hwnd);
    }
    click_move_pending = 0;
    form_repaint(hwnd);
}

void arm_move(HWND hwnd)
{
    if (cur_box < 0) {
        msg_box(hwnd, "カレント矩形が有りません", msg_caption_text, MB_ICONHAND);
        return;
    }
    click_move_pending = 1;
    form_repaint(hwnd);
    if (!ask(hwnd, "カレントの矩形を１クリック移動しますか？")) {
        click_move_pending = 0;
        form_repaint(hwnd);
    }
}

void undo_last(HWND hwnd)
{
    if (undo_paste() == 0 || undo_align() == 0 || undo_move() == 0) form_repaint(hwnd);
    else msg_box(hwnd, "回復出来ません", msg_caption_text, MB_ICONHAND);
}

void copy_current(HWND hwnd, int n)
{
    if (holds_swapped_detail(cur_box)) {
        msg_box(hwnd, "ヘッドDETAILはコピー出来ません", msg_caption_text, MB_ICONHAND);
        return;
    }
    if (copy_to_saveform(cur_box, n == 0 || n == 2 ? 1 : 2) != 0) {
        msg_box(hwnd, "セーブファイルを作れません", msg_caption_text, MB_ICONHAND);
        return;
    }
    pending_op = n < 2 ? op_paste_once : op_paste_repeat;
    undo_clear_redraw(hwnd);
}

void delete_subtree_key(HWND hwnd)
{
    pending_op = op_delete_question;
    undo_clear_redraw(hwnd);
    if (ask(hwnd, "カレント矩形の配下を一括削除しますか？") && cur_box >= 0) delete_subtree(cur_box);
    pending_op = op_none;
    form_repaint(hwnd);
}

// The function keys: 1 when taken.
bool function_key(HWND hwnd, unsigned key)
{
    if (key >= VK_F1 && key <= VK_F9 && cur_box < 0) {
        msg_box(hwnd, "カレント矩形が有りません", msg_caption_text, MB_ICONHAND);
    } else if (key >= VK_F1 && key <= VK_F4) {
        copy_current(hwnd, static_cast<int>(key - VK_F1));
    } else if (key == VK_F5) {
        delete_subtree_key(hwnd);
    } else if (key >= VK_F6 && key <= VK_F9) {
        pending_op = op_align_h_once + static_cast<int>(key - VK_F6);
        align_button = gesture.drag_button;
        undo_clear_redraw(hwnd);
    } else if (key == VK_F11) {
        undo_last(hwnd);
    } else if (key == VK_F10) {
        form_tree_toggle(hwnd);
    } else {
        return false;
    }
    return true;
}

void focus_main() { SetFocus(static_cast<HWND>(hwndE)); }

// A key the form's key file assigns: true when it had an assignment.  On a
// WORK form the key also lists what the current box's code offers.
bool key_file_key(unsigned key)
{
    char text[512], kind[kind_size];
    const int r = lookup_key(static_cast<int>(key), text, sizeof text, kind, sizeof kind);
    if (r == 0) return false;
    if (r == 1) {
        SetWindowTextA(static_cast<HWND>(main_controls[ctl_category]), text);
        SetWindowTextA(static_cast<HWND>(target_field.edit), "");
    } else {
        SetWindowTextA(static_cast<HWND>(target_field.edit), text);
    }
    char folder[dir_path_size];
    if (strchr(text, '.') != nullptr) load_name_list(target_field_handle(), text, folder, 2);
    if (strcmp(kind, "WORK") == 0 && cur_box >= 0) list_work_key(target_field_handle(), cur_box, static_cast<int>(key));
    focus_main();
    return true;
}

// Insert: the current box's name into the target field.
void name_to_target(HWND hwnd)
{
    if (cur_box < 0) {
        MessageBeep(0);
        msg_box(hwnd, "カレント矩形が見つかりません", msg_caption_text, MB_ICONHAND);
        return;
    }
    char name[name_size];
    get_box_name(cur_box, name);
    SetWindowTextA(static_cast<HWND>(target_field.edit), name);
    focus_main();
}

// PageUp: a tree box's calling function on FLOW and CODE, else the main
// screen's reference list.
void references(HWND hwnd)
{
    if (cur_box < 0) {
        MessageBeep(0);
        msg_box(hwnd, "カレント矩形が見つかりません", msg_caption_text, MB_ICONHAND);
        return;
    }
    if (key_for_refs(target_field_handle()) != 0 && under_work_link() == 0) {
        form_tree_refs(hwnd);
        return;
    }
    PostMessageA(static_cast<HWND>(hwndE), WM_SYSCOMMAND, main_sys_ref_list, 0);
    PostMessageA(static_cast<HWND>(hwndE), WM_COMMAND, ctl_list, 0);
}

// The keys without an assignment.
void other_key(HWND hwnd, unsigned key)
{
    switch (key) {
    case VK_BACK:
        box_to_fields(main_controls[ctl_category], target_field_handle());
        focus_main();
        return;
    case VK_INSERT: name_to_target(hwnd); return;
    case VK_PRIOR: references(hwnd); return;
    case VK_NEXT:
        if (cur_box < 0) {
            MessageBeep(0);
            return;
        }
        key_for_def(target_field_handle());
        PostMessageA(static_cast<HWND>(hwndE), WM_SYSCOMMAND, main_sys_def_list, 0);
        return;
    case VK_DELETE: delete_current(hwnd); return;
    case VK_END: arm_move(hwnd); return;
    case VK_SPACE: form_duplicates(hwnd); return;
    case 'L': form_next_call(hwnd); return;
    case VK_F12: form_refuse(hwnd); return;
    default:
        if (scroll_form(hwnd, static_cast<int>(key)) == 1) form_repaint(hwnd);
        return;
    }
}

void form_key_up(HWND hwnd, unsigned key, LPARAM lparam)
{
    if (key == VK_SHIFT) {
        shift_held = 0;
        shift_down = 0;
        if (editor_pending == 1) {
            editor_pending = 0;
            PostMessageA(hwnd, WM_COMMAND, form_cmd_editor, 0);
        }
    }
    if (form_keypad_nav(hwnd, key, lparam) != 0) return;
    if (function_key(hwnd, key) || key == VK_CONTROL) return;
    undo_clear();
    switch (key) {
    case VK_ESCAPE: SetActiveWindow(static_cast<HWND>(hwndE)); return;
    case VK_TAB: SetActiveWindow(static_cast<HWND>(hwndP)); return;
    case 'Z':
        if (toggle_frame() != 0) form_repaint(hwnd);
        return;
    default: break;
    }
    if (!key_file_key(key)) other_key(hwnd, key);
}

// The system-menu and button commands built here; the others are refused.
void show_screen(win_handle screen)
{
    ShowWindow(static_cast<HWND>(screen), SW_SHOWNORMAL);
    SetFocus(static_cast<HWND>(screen));
}

// "入": the main screen's category and target as the current box's kind and name.
void take_fields_for_current(HWND hwnd)
{
    if (cur_box < 0) {
        msg_box(hwnd, "カレント矩形が有りません", msg_caption_text, MB_ICONHAND);
        return;
    }
    char category[100], name[100], question[300];
    form_field_text(static_cast<HWND>(main_controls[ctl_category]), category, sizeof category);
    form_field_text(static_cast<HWND>(target_field.edit), name, sizeof name);
    char *dot = strchr(category, '.');
    if (dot != nullptr) *dot = '\0';
    cut_str10(category);
    cut_str31(name);
    if (format_text(question, sizeof question, "カレント矩形に(%s:%s)を設定しますか？", category, name) != 0 ||
        !ask(hwnd, question))
        return;
    if (take_main_fields(cur_box) == 0) form_repaint(hwnd);
}

// A key button: the key it stands for (lParam 0x1000000 when extended).
void key_button(HWND hwnd, int n)
{
    static const unsigned keys[key_button_count] = {
        VK_F1, VK_F2, VK_F3, VK_F4, VK_DELETE, VK_F5, 0, VK_F6, VK_F7, VK_F8, VK_F9, 0, VK_F11,
        VK_END, 0, 0, VK_PRIOR, VK_NEXT, 0, VK_HOME, VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, 0};
    SetFocus(hwnd);
    if (n == 14) {
        box_to_fields(main_controls[ctl_category], target_field_handle());
        focus_main();
    } else if (n == 15) {
        take_fields_for_current(hwnd);
    } else if (keys[n] != 0) {
        const LPARAM ext = n == 4 || n >= 13 ? 0x1000000 : 0;
        SendMessageA(hwnd, WM_KEYUP, keys[n], ext);
    }
}

// "編": after a right click keypad Enter; after a left click the editor at
// the next call of the current tree box.
void edit_button(HWND hwnd)
{
    SetWindowTextA(occurrence_label, "");
    if (last_up_left != 1) {
        SetFocus(hwnd);
        SendMessageA(hwnd, WM_KEYUP, VK_RETURN, 0x1000001);
        return;
    }
    form_edit_call(hwnd);
}

void command(HWND hwnd, int id)
{
    static const unsigned pad_keys[] = {0, 0, 0, VK_LEFT, VK_DELETE, VK_DOWN, VK_RIGHT, VK_UP, VK_HOME, VK_INSERT, VK_NEXT, 0};
    if (id == name_edit_id || (id >= pane_first_id && id < pane_first_id + pane_count)) return;
    if (id == form_cmd_editor) {
        if (editor_cmd[0] != '\0') exec_wait(editor_cmd, 0);
    } else if (id == pad_first_id + 1) {
        show_screen(hwndL);
    } else if (id == pad_first_id + 2) {
        show_screen(hwndP);
    } else if (id == pad_first_id + 11) {
        edit_button(hwnd);
    } else if (id >= pad_first_id && id < pad_first_id + pad_button_count && pad_keys[id - pad_first_id] != 0) {
        SetFocus(hwnd);
        SendMessageA(hwnd, WM_KEYUP, pad_keys[id - pad_first_id], 0);
    } else if (id >= key_first_id && id < key_first_id + key_button_count) {
        key_button(hwnd, id - key_first_id);
    } else {
        show_screen(hwndE);
    }
}

void save_current(HWND hwnd)
{
    char name[100];
    form_field_text(form_name_edit, name, sizeof name);
    if (name[0] == '\0') {
        MessageBeep(0);
        msg_box(hwnd, "保存するファイル名を入れてください", msg_caption_text, MB_ICONHAND);
        return;
    }
    char question[300];
    int boxes = 0, lines = 0;
    if (para_line_count(&boxes, &lines) != 0) {
        MessageBeep(0);
        format_text(question, sizeof question, "フォーム数(%d)とパラメータ数(%d)が矛盾しています、合わせますか？", boxes, lines);
        if (ask(hwnd, question)) para_resize(boxes, lines);
    }
    MessageBeep(0);
    format_text(question, sizeof question, "ファィル(%s)を保存します、よろしいですか？", name);
    if (!ask(hwnd, question)) return;
    prop_value_commit();
    scroll_form(hwnd, scroll_to_origin);
    const int failed = save_form(name);
    scroll_form(hwnd, scroll_undo);
    if (failed != 0) {
        char text[300];
        format_text(text, sizeof text, "ファイル(%s)を保存出来ません", name);
        msg_box(hwnd, text, msg_caption_text, MB_ICONHAND);
        return;
    }
    clear_form_changed();
}

// Flips a toggle of the system menu; its item's check mark follows.
void toggle_item(HWND hwnd, int *flag, unsigned id)
{
    *flag = *flag != 0 ? 0 : 1;
    CheckMenuItem(GetSystemMenu(hwnd, FALSE), id, MF_BYCOMMAND | (*flag != 0 ? MF_CHECKED : MF_UNCHECKED));
}

// The PROPERTY screen forgets the box, and the window shows the form again.
void after_reload(HWND hwnd)
{
    prop_reset();
    prop_field = -1;
    form_repaint(hwnd);
}

void empty_form(HWND hwnd)
{
    SetWindowTextA(form_name_edit, "");
    cur_form_name[0] = '\0';
    clear_defs();
    form_clear();
    prop_reset();
    prop_field = -1;
    form_title(hwnd);
    hide_panes();
    int x = 0, y = 0, w = 0, h = 0;
    if (get_wsize("FORM", &x, &y, &w, &h) == 0 && w > 0 && h > 0) MoveWindow(hwnd, x, y, w, h, TRUE);
    form_repaint(hwnd);
}

void close_every_form(HWND hwnd)
{
    form_reset();
    SetWindowTextA(form_name_edit, "");
    prop_reset();
    prop_field = -1;
    place_form_window(hwnd);
    form_repaint(hwnd);
}

// The split of the current box's subtree into a file named by its kind,
// between the view's unscrolling and its return.
void split_steps(HWND hwnd)
{
    char cur[100], kind[120], text[300];
    form_field_text(form_name_edit, cur, sizeof cur);
    char *dot = strrchr(cur, '.');
    if (dot != nullptr) *dot = '\0';
    int failed = 1;
    if (cur[0] == '\0') copy_bounded(kind, sizeof kind, "現FORM名が存在しない");
    else failed = check_command(kind);
    if (failed != 0) {
        format_text(text, sizeof text, "今は分割が出来ない状況です(%s)", kind);
        msg_box(hwnd, text, msg_caption_text, MB_ICONHAND);
        return;
    }
    if (!ask(hwnd, "カレント矩形を分割しますか？")) return;
    char cur_file[110], new_file[130];
    if (format_text(cur_file, sizeof cur_file, "%s.f", cur) != 0 || format_text(new_file, sizeof new_file, "%s.f", kind) != 0)
        return;
    FILE *old = dir_fopen(new_file, "r");
    if (old != nullptr) {
        fclose(old);
        format_text(text, sizeof text, "ファイル(%s)は既に存在します、それでも分割しますか？", new_file);
        if (!ask(hwnd, text)) return;
    }
    const int r = split_form(cur_file, new_file);
    if (r != 0) {
        format_text(text, sizeof text, "分割が出来ませんでした(%d)", r);
        msg_box(hwnd, text, msg_caption_text, MB_ICONHAND);
        return;
    }
    msg_box(hwnd, "正常に分割しました(0)", msg_caption_text, MB_ICONEXCLAMATION);
    form_clear();  // the forms stacked below stay
    load_form(cur_file);
    after_reload(hwnd);
}

void delete_form_file(HWND hwnd)
{
    char name[100], question[300];
    form_field_text(form_name_edit, name, sizeof name);
    if (format_text(question, sizeof question, "フォームファイル(%s)を削除しますが、よろしいですか？", name) == 0 &&
        ask(hwnd, question))
        remove_dir_name(name);
}

void resize_all_boxes(HWND hwnd)
{
    if (!ask(hwnd, "全、BOX,COMMENT矩形をリサイズしますか？")) return;
    prop_value_commit();
    get_qfont();
    fit_all_boxes(hwnd);
    form_repaint(hwnd);
}

void toggle_xwindow(HWND hwnd)
{
    xwin_mode = xwin_mode != 0 ? 0 : 1;
    form_mode = xwin_mode != 0 ? 99 : 0;
    set_wvalue("FORM", xwin_mode != 0 ? "99" : "0");
    CheckMenuItem(GetSystemMenu(hwnd, FALSE), form_sys_xwindow,
                  MF_BYCOMMAND | (xwin_mode != 0 ? MF_CHECKED : MF_UNCHECKED));
    fill_pattern_list(main_controls[ctl_patterns]);
    get_kind_ids(-1);
}

void open_in_browser(HWND hwnd)
{
    char name[100], page[120];
    form_field_text(form_name_edit, name, sizeof name);
    if (browser_page_name(name, page, sizeof page) == 0) open_file_url(hwnd, page);
}

// Sources generated from the form shown, named after its base name (refused
// without one): the definitions read, the question asked (taken as OK when another screen sends
// the command with -1), then the generators run.
void generate_sources(HWND hwnd, LPARAM lparam)
{
    char base[300];
    GetWindowTextA(form_name_edit, base, sizeof base);
    char *dot = strrchr(base, '.');
    if (dot != nullptr) *dot = '\0';
    if (base[0] == '\0') {  // sources named ".c" and ".h" would help no one
        MessageBeep(0);
        msg_box(hwnd, "ソースを生成するフォーム名を入れてください", msg_caption_text, MB_ICONHAND);
        return;
    }
    scroll_form(hwnd, scroll_to_origin);
    char name[320];
    format_text(name, sizeof name, "%s%s", base, xwin_mode ? ".X" : ".R");
    read_defs(name);
    bool go = lparam == -1;
    if (!go) {
        MessageBeep(0);
        char question[1400];
        if (has_work_box()) {
            format_text(question, sizeof question, "フォームファィル(%s.f)に関してソースファイルを生成します、よろしいですか？", base);
        } else {
            format_text(question, sizeof question, "ファィル(%s.c,%s.h,%s.html,%s.asp)を生成します、よろしいですか？", base, base,
                        base, base);
        }
        go = ask(hwnd, question);
    }
    if (go) {
        prop_value_commit();
        get_kind_ids(-1);
        note_file_exists(nullptr);
        char c_name[320], h_name[320];
        format_text(c_name, sizeof c_name, "%s.c", base);
        format_text(h_name, sizeof h_name, "%s.h", base);
        gen_source(c_name, h_name);
    }
    scroll_form(hwnd, scroll_undo);
}

// The file and view commands of the system menu; false for another id.
bool file_sys_command(HWND hwnd, unsigned id, LPARAM lparam)
{
    switch (id) {
    case sys_about: SendMessageA(static_cast<HWND>(hwndE), WM_SYSCOMMAND, sys_about, 1); return true;
    case sys_help: open_homepage(hwnd); return true;
    case form_sys_save: save_current(hwnd); return true;
    case form_sys_generate: generate_sources(hwnd, lparam); return true;
    case form_sys_resize_all: resize_all_boxes(hwnd); return true;
    case form_sys_xwindow: toggle_xwindow(hwnd); return true;
    case form_sys_split:
        scroll_form(hwnd, scroll_to_origin);
        split_steps(hwnd);
        scroll_form(hwnd, scroll_undo);
        return true;
    case form_sys_browser: open_in_browser(hwnd); return true;
    case form_sys_delete_file: delete_form_file(hwnd); return true;
    default: return false;
    }
}

// The designed-form and toggle commands; false for an id not handled here.
bool form_sys_command(HWND hwnd, unsigned id, LPARAM lparam)
{
    if (file_sys_command(hwnd, id, lparam)) return true;
    switch (id) {
    case form_sys_clear: empty_form(hwnd); return true;
    case form_sys_clear_links: clear_links(); form_repaint(hwnd); return true;
    case form_sys_box_first: prop_value_commit(); move_cur_box_first(); after_reload(hwnd); return true;
    case form_sys_sizing_off: toggle_item(hwnd, &relate_off, id); return true;
    case form_sys_keep_main: toggle_item(hwnd, &keep_main_shown, id); return true;
    case form_sys_keep_prop: toggle_item(hwnd, &keep_prop_shown, id); return true;
    case form_sys_full_off: toggle_item(hwnd, &full_as_centering, id); return true;
    case form_sys_hidden_links:
        toggle_item(hwnd, &show_hidden_links, id);
        reset_cur_box();
        form_repaint(hwnd);
        return true;
    case form_sys_reset_items: reset_item_marks(); form_repaint(hwnd); return true;
    case form_sys_name_items: name_items(); form_repaint(hwnd); return true;
    case form_sys_store_values: store_item_values(); return true;
    case form_sys_return: return_to_caller(hwnd, false); return true;
    case form_sys_apply_data: apply_data_values(); form_repaint(hwnd); return true;
    case form_sys_next_subform: open_subform_by_name(hwnd, cur_box, vbutton_next); return true;
    case form_sys_close_all: close_every_form(hwnd); return true;
    default: return false;
    }
}

void sys_command(HWND hwnd, WPARAM wparam, LPARAM lparam)
{
    const unsigned id = static_cast<unsigned>(wparam);
    if ((id & 0xFFF0) == SC_MINIMIZE) {
        ShowWindow(hwnd, SW_HIDE);
        hidden_flags[hidden_form] = 1;
        return;
    }
    if ((id & 0xFFF0) == SC_MAXIMIZE && form_mode == form_mode_desktop) return;
    undo_clear();
    SetFocus(hwnd);
    if (!form_sys_command(hwnd, id, lparam)) DefWindowProcA(hwnd, WM_SYSCOMMAND, wparam, 0);
}

void left_dblclk(HWND hwnd, int keys, int x, int y)
{
    const int box = gesture.drag_box;
    gesture_start(keys, 0, x, y);
    gesture.drag_x = gesture.drag_y = -1;
    gesture.drag_box = form_left_dblclk(hwnd, keys, x, y, box);
}

void right_dblclk(HWND hwnd, int keys, int x, int y)
{
    gesture_start(keys, 1, x, y);
    gesture_clear();
    form_right_dblclk(hwnd, keys, x, y);
}

// A right press on a child shows its hint in the name label; the release hides it.
void child_hint(HWND hwnd, HWND under, unsigned mouse)
{
    if (under == hwnd || under == nullptr) return;
    if (mouse == WM_RBUTTONDOWN) {
        const POINT p = {static_cast<short>(LOWORD(child_rclick_point)), static_cast<short>(HIWORD(child_rclick_point))};
        show_button_hint(hwnd, under, p, name_label);
    } else if (mouse == WM_RBUTTONUP) {
        ShowWindow(name_label, SW_HIDE);
    }
}

void show_counter(const char *text) { SetWindowTextA(occurrence_label, text); }

// The other screens' redraw of FORM with a box made current.
void redraw_with_box(int box)
{
    set_cur_box(box);
    form_repaint(static_cast<HWND>(hwndO));
}

// The hooks whose targets live on this screen.
void bind_hooks()
{
    form_hooks.show_counter = show_counter;
    form_hooks.is_attr_word = is_str;
    main_hooks.form_redraw = redraw_with_box;
    form_bind_tree_hooks();
    form_bind_screen_hooks();
}

void mouse_point(LPARAM lparam, int *x, int *y)
{
    *x = static_cast<short>(LOWORD(lparam));
    *y = static_cast<short>(HIWORD(lparam));
}

// A button press while a gesture of the other button is still open (its
// release went elsewhere) ends that gesture at its last point first, then
// takes the press again: true when it did.
bool end_open_gesture(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (msg != WM_LBUTTONDOWN && msg != WM_RBUTTONDOWN) return false;
    const WPARAM other = msg == WM_LBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON;
    if (gesture.drag_last_x < 0 || (wparam & other) != 0) return false;
    SendMessageA(hwnd, gesture.drag_button == 1 ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MAKELPARAM(gesture.drag_last_x, gesture.drag_last_y));
    SendMessageA(hwnd, msg, wparam, lparam);
    return true;
}

// The mouse messages: 1 when handled.
bool mouse_message(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (msg >= WM_LBUTTONDOWN && msg <= WM_RBUTTONDBLCLK) trace_msg("▲", code_out_hwnd, msg, wparam, lparam);
    if (end_open_gesture(hwnd, msg, wparam, lparam)) return true;
    int x, y;
    mouse_point(lparam, &x, &y);
    const int keys = static_cast<int>(wparam);
    switch (msg) {
    case WM_MOUSEMOVE: mouse_move(hwnd, keys, x, y); return true;
    case WM_LBUTTONDOWN: left_down(hwnd, keys, x, y); return true;
    case WM_LBUTTONUP: left_up(hwnd, x, y); return true;
    case WM_RBUTTONDOWN: right_down(hwnd, keys, x, y); return true;
    case WM_RBUTTONUP: right_up(hwnd, x, y); return true;
    case WM_LBUTTONDBLCLK: left_dblclk(hwnd, keys, x, y); return true;
    case WM_RBUTTONDBLCLK: right_dblclk(hwnd, keys, x, y); return true;
    default: return false;
    }
}

}  // namespace

void form_repaint(HWND hwnd) { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

int form_refuse(HWND hwnd) { return msg_box(hwnd, refusal_text, refusal_caption, MB_ICONINFORMATION); }

int form_warn(HWND hwnd, const char *text) { return msg_box(hwnd, text, refusal_caption, MB_ICONHAND); }

void form_field_text(HWND field, char *out, int size)
{
    out[0] = '\0';
    if (field != nullptr) GetWindowTextA(field, out, size);
}

void place_form_window(HWND hwnd)
{
    form_geometry_rec g;
    if (form_geometry(&g) == 0) {
        SetWindowTextA(hwnd, g.caption);
        MoveWindow(hwnd, g.x, g.y, g.width, g.height, TRUE);
        return;
    }
    SetWindowTextA(hwnd, "[ﾌｫｰﾑ]Ornak.C言語作図ソフト");
    int x = 0, y = 0, w = 0, h = 0;
    if (get_wsize("FORM", &x, &y, &w, &h) == 0 && w > 0 && h > 0) MoveWindow(hwnd, x, y, w, h, TRUE);
}

void open_form_name(HWND hwnd, const char *name)
{
    SetWindowTextA(form_name_edit, name);
    if (strchr(name, '*') == nullptr && strchr(name, '?') == nullptr) {
        load_form(name);
        prop_reset();
        prop_field = -1;
        place_form_window(hwnd);
    } else {
        char command[300];
        if (format_text(command, sizeof command, "get_any %s", name) == 0) run_command(command, para_reset_cb);
    }
    form_repaint(hwnd);
}

int open_form_file(HWND owner, const char *name)
{
    char found[1024];
    if (locate_file(found, sizeof found, name) != 0) {
        char question[300];
        format_text(question, sizeof question, "指定されたフォームファイル(%s)が見つかりません、新規に作りますか？", name);
        if (msg_box(owner, question, msg_caption_text, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return 1;
    }
    HWND form = static_cast<HWND>(hwndO);
    SetWindowTextA(form_name_edit, name);
    form_reset();
    load_form(name);
    undo_clear();
    int x = 0, y = 0, w = 0, h = 0;
    SetWindowTextA(form, "[ﾌｫｰﾑ]Ornak.C言語作図ソフト");
    if (get_wsize("FORM", &x, &y, &w, &h) == 0 && w > 0 && h > 0) MoveWindow(form, x, y, w, h, TRUE);
    hidden_flags[hidden_form] = 0;
    ShowWindow(form, SW_SHOWNORMAL);
    SetWindowPos(form, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(form);
    form_repaint(form);
    SetFocus(form);
    return 0;
}

LRESULT CALLBACK FORM_PROC(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    trace_msg("△", code_out_hwnd, msg, wparam, lparam);
    if (f10_as_key_up(&msg, wparam)) return 0;
    if (keypad_dispatch(msg, hwnd, static_cast<unsigned>(wparam), lparam) != 0) return 0;
    if (mouse_message(hwnd, msg, wparam, lparam)) return 0;
    switch (msg) {
    case WM_CREATE:
        create_controls(hwnd);
        bind_hooks();
        break;
    case WM_SIZE: size_controls(LOWORD(lparam), HIWORD(lparam)); return 0;
    case WM_SETFOCUS: fkey_accept(hwnd); return 0;
    case WM_PAINT: paint(hwnd); return 0;
    case WM_PRINTCLIENT: print_client(hwnd, reinterpret_cast<HDC>(wparam)); return 0;
    case WM_CLOSE:
        ShowWindow(hwnd, SW_HIDE);
        hidden_flags[hidden_form] = 1;
        return 0;
    case WM_SHOWWINDOW:
        if (wparam == 1 && lparam == SW_PARENTOPENING && hidden_flags[hidden_form] == 1) return 0;
        if (wparam == 1 && lparam == 0) hidden_flags[hidden_form] = 0;
        break;
    case WM_IME_SETCONTEXT: ShowWindow(name_label, SW_HIDE); break;
    case WM_DRAWITEM: draw_bitmap_button(reinterpret_cast<const DRAWITEMSTRUCT *>(lparam)); break;
    case WM_CTLCOLORSTATIC:
        SetTextColor(reinterpret_cast<HDC>(wparam), RGB(0, 0, 0));
        SetBkColor(reinterpret_cast<HDC>(wparam), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case WM_KEYDOWN:
        if (wparam == VK_SHIFT) shift_held = shift_down = 1;
        break;
    case WM_PARENTNOTIFY:
        if (LOWORD(wparam) == WM_RBUTTONDOWN) child_rclick_point = static_cast<int>(lparam);
        break;
    case WM_SETCURSOR: child_hint(hwnd, reinterpret_cast<HWND>(wparam), HIWORD(lparam)); break;
    case WM_KEYUP: form_key_up(hwnd, static_cast<unsigned>(wparam), lparam); return 0;
    case WM_COMMAND: command(hwnd, LOWORD(wparam)); return 0;
    case WM_SYSCOMMAND: sys_command(hwnd, wparam, lparam); return 0;
    default: break;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}
