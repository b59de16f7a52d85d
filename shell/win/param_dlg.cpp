// The parameter dialog's window: its rows laid out in pixels, the fields
// filled from the value rows, the sets, presets and look-ups, and OK and
// Cancel, which ask the rules of shell/param_dialog.h.
#include <windows.h>

#include <commdlg.h>

#include "shell/param_dialog.h"
#include "shell/text.h"
#include "shell/win/dialog_ids.h"
#include "shell/win/dialogs_win.h"

namespace {

// Each row's label and field, in paramdlg_row order.
const int label_ids[paramdlg_row_count] = {
    PM_CATEGORY_WIDE_LABEL, PM_OBJECT_WIDE_LABEL, PM_CATEGORY_FONT_LABEL, PM_EDITOR_LABEL, PM_OPTION_LABEL,
    PM_OPTION2_LABEL,       PM_EXPLORER_LABEL,    PM_EXCEL_LABEL,         PM_FOLDER_LABEL,
};
const int field_ids[paramdlg_row_count] = {
    PM_CATEGORY_WIDE, PM_OBJECT_WIDE, PM_CATEGORY_FONT, PM_EDITOR, PM_OPTION,
    PM_OPTION2,       PM_EXPLORER,    PM_EXCEL,         PM_FOLDER,
};
const int white_field_ids[4] = {PM_EDITOR, PM_EXPLORER, PM_FOLDER, PM_EXCEL};

// The program look-ups: the button, its row, the filter (its name and
// pattern, ended by an empty pair) and the title.
struct program_browse {
    int id;
    int row;
    const char *filter;
    const char *title;
};
const program_browse program_browses[3] = {
    {PM_EDITOR_BROWSE, paramdlg_editor, "エディタプログラム(*.exe)\0*.exe\0",
     "使用したいエディタプログラムを１つだけ選んで下さい"},
    {PM_EXPLORER_BROWSE, paramdlg_explorer, "エクスプローラプログラム(*.exe)\0*.exe\0",
     "使用するエクスプローラプログラムを１つだけ選んで下さい"},
    {PM_EXCEL_BROWSE, paramdlg_excel, "エクセルプログラム(*.exe)\0*.exe\0", "使用するエクセルプログラムを１つだけ選んで下さい"},
};

struct preset_button {
    int id;
    paramdlg_preset preset;
};
const preset_button preset_buttons[4] = {
    {PM_PRESET_OPTION, paramdlg_preset_option},
    {PM_PRESET_LINE, paramdlg_preset_line},
    {PM_PRESET_FILE, paramdlg_preset_file},
    {PM_PRESET_FILE_LINE, paramdlg_preset_file_line},
};

// A field read: up to 998 characters.
const int field_read_size = 999;

HBRUSH white_brush;
char browse_start[param_size];  // where the folder browser opens

bool is_wide_row(int row)
{
    return row == paramdlg_editor || row == paramdlg_explorer || row == paramdlg_excel || row == paramdlg_folder;
}

void lay_out(HWND dlg)
{
    for (int row = 0; row < paramdlg_row_count; ++row) {
        const int y = 60 + 35 * row;
        if (row == paramdlg_option2) {
            // The label ends before its field (at 625), where a 390-pixel label would cover it.
            place_control(dlg, label_ids[row], 380, y, 240, 22);
            place_control(dlg, field_ids[row], 625, y, 150, 22);
            continue;
        }
        place_control(dlg, label_ids[row], 50, y, 170, 22);
        place_control(dlg, field_ids[row], 225, y, is_wide_row(row) ? 550 : 100, 22);
    }
    place_control(dlg, PM_EDITOR_BROWSE, 785, 60 + 35 * paramdlg_editor, 50, 22);
    place_control(dlg, PM_EXPLORER_BROWSE, 785, 60 + 35 * paramdlg_explorer, 50, 22);
    place_control(dlg, PM_EXCEL_BROWSE, 785, 60 + 35 * paramdlg_excel, 50, 22);
    place_control(dlg, PM_FOLDER_BROWSE, 785, 60 + 35 * paramdlg_folder, 50, 22);
    place_control(dlg, PM_PRESET_OPTION, 335, 60 + 35 * paramdlg_option, 20, 22);
    const int option2_y = 60 + 35 * paramdlg_option2;
    place_control(dlg, PM_PRESET_LINE, 785, option2_y, 20, 22);
    place_control(dlg, PM_PRESET_FILE, 805, option2_y, 20, 22);
    place_control(dlg, PM_PRESET_FILE_LINE, 825, option2_y, 20, 22);
    fit_dialog_to_controls(dlg);
}

void set_field(HWND dlg, int row, const char *text) { SetDlgItemTextA(dlg, field_ids[row], text); }

void show_values(HWND dlg)
{
    for (int row = 0; row < paramdlg_row_count; ++row) set_field(dlg, row, paramdlg_values[row]);
}

void fill_set(HWND dlg, paramdlg_set set)
{
    for (int row = 0; row < paramdlg_row_count; ++row) {
        const char *text = paramdlg_set_text(set, row);
        if (text != nullptr) set_field(dlg, row, text);
    }
}

void start(HWND dlg)
{
    lay_out(dlg);
    white_brush = CreateSolidBrush(RGB(255, 255, 255));
    paramdlg_fill_values();
    show_values(dlg);
    char found[param_size];
    if (paramdlg_values[paramdlg_editor][0] == '\0' && paramdlg_find_editor(found) == 0) {
        set_field(dlg, paramdlg_editor, found);
    }
    copy_bounded(browse_start, sizeof browse_start, folder[0] != '\0' ? folder : "C:\\");
}

void press_ok(HWND dlg)
{
    static char fields[paramdlg_row_count][param_size];
    for (int row = 0; row < paramdlg_row_count; ++row) {
        GetDlgItemTextA(dlg, field_ids[row], fields[row], field_read_size);
    }
    const char *refusal = paramdlg_check(fields);
    if (refusal != nullptr) {
        dialog_refusal(dlg, refusal);
        return;
    }
    if (paramdlg_apply(fields) != 0) dialog_refusal(dlg, paramdlg_write_text);
    EndDialog(dlg, 0);
}

void browse_program(HWND dlg, const program_browse &b)
{
    char path[MAX_PATH] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = dlg;
    ofn.lpstrFilter = b.filter;
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrInitialDir = "C:\\";
    ofn.lpstrTitle = b.title;
    ofn.lpstrDefExt = "txt";
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&ofn)) return;
    set_field(dlg, b.row, path);
    copy_bounded(browse_start, sizeof browse_start, path);
}

void browse_work_folder(HWND dlg)
{
    char chosen[MAX_PATH] = "";
    if (browse_folder(dlg, browse_start, chosen, sizeof chosen) != 1 || chosen[0] == '\0') {
        MessageBeep(0);
        return;
    }
    set_field(dlg, paramdlg_folder, chosen);
    copy_bounded(browse_start, sizeof browse_start, chosen);
}

void find_editor(HWND dlg)
{
    char found[param_size];
    if (find_hidemaru(found) == 0) set_field(dlg, paramdlg_editor, found);
}

// The look-ups and presets.
void button(HWND dlg, int id)
{
    for (const program_browse &b : program_browses) {
        if (b.id == id) browse_program(dlg, b);
    }
    for (const preset_button &p : preset_buttons) {
        if (p.id == id) set_field(dlg, paramdlg_preset_row(p.preset), paramdlg_preset_text(p.preset));
    }
}

void command(HWND dlg, int id)
{
    switch (id) {
    case PM_OK: press_ok(dlg); return;
    case PM_CANCEL: EndDialog(dlg, 1); return;
    case PM_RESTORE: show_values(dlg); return;
    case PM_SET_A: fill_set(dlg, paramdlg_set_a); return;
    case PM_SET_B: fill_set(dlg, paramdlg_set_b); return;
    case PM_FIND_EDITOR: find_editor(dlg); return;
    case PM_FOLDER_BROWSE: browse_work_folder(dlg); return;
    default: button(dlg, id); return;
    }
}

INT_PTR static_colour(HDC dc, HWND control)
{
    const int id = GetDlgCtrlID(control);
    for (const int field : white_field_ids) {
        if (field == id) return white_field_colour(dc, white_brush);
    }
    return id == PM_NOTE ? blue_label_colour(dc) : FALSE;
}

}  // namespace

INT_PTR CALLBACK param_dlg_proc(HWND dlg, UINT msg, WPARAM wparam, LPARAM lparam)
{
    switch (msg) {
    case WM_INITDIALOG: start(dlg); return TRUE;
    case WM_COMMAND:
        if (HIWORD(wparam) == BN_CLICKED) command(dlg, LOWORD(wparam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return static_colour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_DESTROY:
        DeleteObject(white_brush);
        white_brush = nullptr;
        return TRUE;
    default: return FALSE;
    }
}

INT_PTR open_param_dlg(HINSTANCE instance, HWND owner)
{
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(PARAM_DLG), owner, param_dlg_proc, 0);
}
