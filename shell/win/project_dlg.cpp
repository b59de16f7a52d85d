// The project dialog's window: its layout in pixels, the slot rows of the
// page shown, the buttons of its state, and the commands, each of which asks
// the rules of shell/project_dialog.h.
#include <cstring>

#include "shell/dirs.h"
#include "shell/project_dialog.h"
#include "shell/stacks.h"
#include "shell/text.h"
#include "shell/win/dialog_ids.h"
#include "shell/win/dialogs_win.h"

namespace {

const int slot_ids[projdlg_page_rows] = {PD_SLOT0, PD_SLOT1, PD_SLOT2, PD_SLOT3, PD_SLOT4,
                                         PD_SLOT5, PD_SLOT6, PD_SLOT7, PD_SLOT8, PD_SLOT9};
const int browse_ids[projdlg_page_rows] = {PD_BROWSE0, PD_BROWSE1, PD_BROWSE2, PD_BROWSE3, PD_BROWSE4,
                                           PD_BROWSE5, PD_BROWSE6, PD_BROWSE7, PD_BROWSE8, PD_BROWSE9};
const int delslot_ids[projdlg_page_rows] = {PD_DELSLOT0, PD_DELSLOT1, PD_DELSLOT2, PD_DELSLOT3, PD_DELSLOT4,
                                            PD_DELSLOT5, PD_DELSLOT6, PD_DELSLOT7, PD_DELSLOT8, PD_DELSLOT9};
const int insslot_ids[projdlg_page_rows] = {PD_INSSLOT0, PD_INSSLOT1, PD_INSSLOT2, PD_INSSLOT3, PD_INSSLOT4,
                                            PD_INSSLOT5, PD_INSSLOT6, PD_INSSLOT7, PD_INSSLOT8, PD_INSSLOT9};
const int def_ids[projdlg_def_count] = {PD_DEF0, PD_DEF1, PD_DEF2, PD_DEF3, PD_DEF4, PD_DEF5, PD_DEF6, PD_DEF7};
// The kind buttons in projdlg_kind order.
const int kind_ids[4] = {PD_KIND_C, PD_KIND_PROC, PD_KIND_JAVA, PD_KIND_NONE};
// The bottom row, left to right.
const int bottom_ids[5] = {PD_DELETE, PD_OPEN, PD_SAVE, PD_CANCEL, PD_CLOSE};
const int blue_label_ids[4] = {PD_NAME_LABEL, PD_PAGE_LABEL, PD_DEF_LABEL, PD_MODE_LABEL};

const int name_size = 256;  // the project name read from the combo box

HBRUSH white_brush;
bool filling_slots;  // the dialog writes the slot fields: their changes are its own

// The row (0-9) of a control of one of the row tables, or -1.
int row_of(const int ids[projdlg_page_rows], int id)
{
    for (int row = 0; row < projdlg_page_rows; ++row) {
        if (ids[row] == id) return row;
    }
    return -1;
}

bool is_in(const int *ids, int count, int id)
{
    for (int i = 0; i < count; ++i) {
        if (ids[i] == id) return true;
    }
    return false;
}

void lay_out(HWND dlg)
{
    for (int i = 0; i < projdlg_def_count; ++i) place_control(dlg, def_ids[i], 165, 122 + 30 * i, 132, 22);
    place_control(dlg, PD_PAGE_FIRST, 620, 32, 40, 22);
    place_control(dlg, PD_PAGE_NEXT, 665, 32, 40, 22);
    place_control(dlg, PD_PAGE_PREV, 710, 32, 40, 22);
    for (int row = 0; row < projdlg_page_rows; ++row) {
        const int y = 62 + 30 * row;
        place_control(dlg, slot_ids[row], 305, y, 310, 22);
        place_control(dlg, browse_ids[row], 620, y, 40, 22);
        place_control(dlg, delslot_ids[row], 665, y, 40, 22);
        place_control(dlg, insslot_ids[row], 710, y, 40, 22);
    }
    int x = 165;
    for (const int id : bottom_ids) {
        place_control(dlg, id, x, 447, -1, -1);
        RECT r;
        GetWindowRect(GetDlgItem(dlg, id), &r);
        x += r.right - r.left + 20;
    }
    fit_dialog_to_controls(dlg);
}

void enable(HWND dlg, int id, bool on) { EnableWindow(GetDlgItem(dlg, id), on ? TRUE : FALSE); }

// Enables or disables the ten slot fields and their thirty row buttons.
void enable_slot_controls(HWND dlg, bool on)
{
    for (int row = 0; row < projdlg_page_rows; ++row) {
        const bool row_on = on && projdlg_row_slot(row) >= 0;
        enable(dlg, slot_ids[row], row_on);
        enable(dlg, browse_ids[row], row_on);
        enable(dlg, delslot_ids[row], row_on);
        enable(dlg, insslot_ids[row], row_on);
    }
}

// The page label and the slot fields of the page; rows past slot 35 empty.
void show_slot_page(HWND dlg)
{
    char label[64];
    projdlg_page_label(label, sizeof label);
    SetDlgItemTextA(dlg, PD_PAGE_LABEL, label);
    filling_slots = true;
    for (int row = 0; row < projdlg_page_rows; ++row) {
        const int slot = projdlg_row_slot(row);
        SetDlgItemTextA(dlg, slot_ids[row], slot >= 0 ? projdlg_slots[slot] : "");
    }
    filling_slots = false;
    enable_slot_controls(dlg, projdlg_state_enables().slots);
}

// The buttons of the state in force, and the page.
void show_state(HWND dlg)
{
    const projdlg_enables on = projdlg_state_enables();
    enable(dlg, PD_NAME, on.combo);
    enable(dlg, PD_CREATE, on.create);
    enable(dlg, PD_OPEN, on.open);
    enable(dlg, PD_SAVE, on.save);
    enable(dlg, PD_DELETE, on.del);
    enable(dlg, PD_CLOSE, on.close);
    show_slot_page(dlg);
}

void show_defs(HWND dlg)
{
    for (int i = 0; i < projdlg_def_count; ++i) SetDlgItemTextA(dlg, def_ids[i], edit_defs[i]);
}

void check_mode_and_kind(HWND dlg, bool folder_mode, projdlg_kind kind)
{
    CheckRadioButton(dlg, PD_MODE_PLAIN, PD_MODE_FOLDER, folder_mode ? PD_MODE_FOLDER : PD_MODE_PLAIN);
    CheckRadioButton(dlg, PD_KIND_C, PD_KIND_NONE, kind_ids[kind]);
}

projdlg_kind checked_kind(HWND dlg)
{
    for (int k = projdlg_kind_c; k < projdlg_kind_none; ++k) {
        if (IsDlgButtonChecked(dlg, kind_ids[k]) == BST_CHECKED) return static_cast<projdlg_kind>(k);
    }
    return projdlg_kind_none;
}

// The index of the combo entry equal to text, -1 when none.
int combo_find(HWND combo, const char *text)
{
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char entry[name_size];
        if (SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) >= static_cast<LRESULT>(sizeof entry)) {
            continue;
        }
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry));
        if (strcmp(entry, text) == 0) return i;
    }
    return -1;
}

void read_name(HWND dlg, char *name)
{
    GetDlgItemTextA(dlg, PD_NAME, name, name_size);
}

void create_project(HWND dlg)
{
    char name[name_size];
    read_name(dlg, name);
    HWND combo = GetDlgItem(dlg, PD_NAME);
    char text[300];
    if (projdlg_check_create(name, combo_find(combo, name), text, sizeof text) != 0) {
        dialog_refusal(dlg, text);
        return;
    }
    const int index =
        static_cast<int>(SendMessageA(combo, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name)));
    projdlg_begin_create(name, index);
    check_mode_and_kind(dlg, false, projdlg_kind_none);
    show_defs(dlg);
    show_state(dlg);
}

void open_project(HWND dlg)
{
    char name[name_size];
    read_name(dlg, name);
    if (combo_find(GetDlgItem(dlg, PD_NAME), name) < 0) {
        dialog_refusal(dlg, projdlg_not_found_text);
        return;
    }
    if (projdlg_open(name) != 0) {
        dialog_refusal(dlg, projdlg_cannot_open_text);
        return;
    }
    show_state(dlg);
    show_defs(dlg);
    check_mode_and_kind(dlg, projdlg_is_folder_mode(edit_props[0]), projdlg_kind_of(edit_props[1]));
}

void delete_project(HWND dlg)
{
    char name[name_size];
    read_name(dlg, name);
    HWND combo = GetDlgItem(dlg, PD_NAME);
    const int index = combo_find(combo, name);
    if (index < 0) {
        dialog_refusal(dlg, projdlg_delete_missing_text);
        return;
    }
    SendMessageA(combo, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SetWindowTextA(combo, "");
    projdlg_delete(name);
    show_defs(dlg);
    show_state(dlg);
}

void save_project(HWND dlg)
{
    char defs[projdlg_def_count][1000];
    for (int i = 0; i < projdlg_def_count; ++i) GetDlgItemTextA(dlg, def_ids[i], defs[i], 1000);
    const bool folder_mode = IsDlgButtonChecked(dlg, PD_MODE_FOLDER) == BST_CHECKED;
    const char *refusal = nullptr;
    if (projdlg_save(folder_mode, checked_kind(dlg), defs, &refusal) != 0) {
        dialog_refusal(dlg, refusal);
        return;
    }
    show_defs(dlg);
    show_state(dlg);
}

void cancel_project(HWND dlg)
{
    const int created = projdlg_cancel();
    if (created >= 0) SendMessageA(GetDlgItem(dlg, PD_NAME), CB_DELETESTRING, static_cast<WPARAM>(created), 0);
    show_state(dlg);
}

void browse_row(HWND dlg, int row)
{
    const int slot = projdlg_row_slot(row);
    if (slot < 0) return;
    char chosen[projdlg_folder_size] = "";
    if (browse_folder(dlg, projdlg_last_folder, chosen, sizeof chosen) != 1 || chosen[0] == '\0') {
        MessageBeep(0);
        return;
    }
    copy_bounded(projdlg_last_folder, sizeof projdlg_last_folder, chosen);
    copy_bounded(projdlg_slots[slot], projdlg_slot_size, chosen);
    show_slot_page(dlg);
}

// A slot field the user edits: its text is the slot's.
void slot_edited(HWND dlg, int row)
{
    const int slot = projdlg_row_slot(row);
    if (filling_slots || slot < 0) return;
    GetDlgItemTextA(dlg, slot_ids[row], projdlg_slots[slot], projdlg_slot_size);
}

void start(HWND dlg)
{
    projdlg_reset();
    lay_out(dlg);
    white_brush = CreateSolidBrush(RGB(255, 255, 255));
    char dir[dir_path_size];
    load_name_list(GetDlgItem(dlg, PD_NAME), "vokdir.dat", dir, 0);
    show_state(dlg);
}

void slot_row_command(HWND dlg, int id)
{
    int row = row_of(browse_ids, id);
    if (row >= 0) {
        browse_row(dlg, row);
        return;
    }
    row = row_of(delslot_ids, id);
    if (row >= 0 && projdlg_row_slot(row) >= 0) {
        projdlg_delete_slot(projdlg_row_slot(row));
        show_slot_page(dlg);
        return;
    }
    row = row_of(insslot_ids, id);
    if (row >= 0 && projdlg_row_slot(row) >= 0) {
        projdlg_insert_slot(projdlg_row_slot(row));
        show_slot_page(dlg);
    }
}

void command(HWND dlg, int id, int code)
{
    switch (id) {
    case PD_CREATE: create_project(dlg); return;
    case PD_OPEN: open_project(dlg); return;
    case PD_DELETE: delete_project(dlg); return;
    case PD_SAVE: save_project(dlg); return;
    case PD_CANCEL: cancel_project(dlg); return;
    case PD_CLOSE: EndDialog(dlg, 0); return;
    case PD_PAGE_FIRST: projdlg_page_first(); show_slot_page(dlg); return;
    case PD_PAGE_NEXT: projdlg_page_next(); show_slot_page(dlg); return;
    case PD_PAGE_PREV: projdlg_page_prev(); show_slot_page(dlg); return;
    default: break;
    }
    const int row = row_of(slot_ids, id);
    if (row >= 0) {
        if (code == EN_CHANGE) slot_edited(dlg, row);
        return;
    }
    if (code == BN_CLICKED) slot_row_command(dlg, id);
}

INT_PTR static_colour(HDC dc, HWND control)
{
    const int id = GetDlgCtrlID(control);
    if (is_in(slot_ids, projdlg_page_rows, id)) return white_field_colour(dc, white_brush);
    if (is_in(blue_label_ids, 4, id)) return blue_label_colour(dc);
    return FALSE;
}

}  // namespace

INT_PTR CALLBACK project_dlg_proc(HWND dlg, UINT msg, WPARAM wparam, LPARAM lparam)
{
    switch (msg) {
    case WM_INITDIALOG: start(dlg); return TRUE;
    case WM_COMMAND: command(dlg, LOWORD(wparam), HIWORD(wparam)); return TRUE;
    case WM_CTLCOLORSTATIC:
        return static_colour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_CLOSE:
        // The frame's close ends the dialog where Close would, else it cancels.
        if (projdlg_state_enables().close) EndDialog(dlg, 0);
        else cancel_project(dlg);
        return TRUE;
    case WM_DESTROY:
        DeleteObject(white_brush);
        white_brush = nullptr;
        return TRUE;
    default: return FALSE;
    }
}

INT_PTR open_project_dlg(HINSTANCE instance, HWND owner)
{
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(PROJECT_DLG), owner, project_dlg_proc, 0);
}
