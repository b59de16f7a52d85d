// The keypad walk of the FORM screen: the key table, the target text and
// the editor call.
#include "forms/keypad_nav.h"

#include <cstring>

#include "forms/find_box.h"
#include "forms/form_state.h"
#include "forms/kinds.h"
#include "forms/model.h"
#include "shell/dirs.h"
#include "shell/line_cut.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "shell/words.h"

namespace {

const char warn_caption[] = "TAVIR警告画面";
const char no_current[] = "カレント矩形が有りません";
const char not_found[] = "指定のオブジェクト名(%s)を持つ矩形は見つかりません";

const nav_key_rec nav_keys[] = {
    {key_up, 1, find_parent, nav_name_none, nullptr, 0},
    {key_numpad0 + 8, 1, find_parent, nav_name_none, nullptr, 0},
    {key_end, 1, find_next_caller, nav_name_current, "外に下位矩形のある矩形はありません", 0},
    {key_down, 1, find_next_caller, nav_name_current, "外に下位矩形のある矩形はありません", 0},
    {key_numpad0 + 1, 1, find_next_caller, nav_name_current, "外に下位矩形のある矩形はありません", 0},
    {key_numpad0 + 2, 1, find_next_caller, nav_name_current, "外に下位矩形のある矩形はありません", 0},
    {key_clear, 1, find_next_root, nav_name_current, "外に同一オブジェクト名を持つ先頭矩形はありません", 0},
    {key_home, 1, find_next_root, nav_name_current, "外に同一オブジェクト名を持つ先頭矩形はありません", 0},
    {key_numpad0 + 5, 1, find_next_root, nav_name_current, "外に同一オブジェクト名を持つ先頭矩形はありません", 0},
    {key_numpad0 + 7, 1, find_next_root, nav_name_current, "外に同一オブジェクト名を持つ先頭矩形はありません", 0},
    {key_left, 1, find_back, nav_name_none, nullptr, 0},
    {key_numpad0 + 4, 1, find_back, nav_name_none, nullptr, 0},
    {key_right, 1, find_next_called, nav_name_current, "外に上位矩形のある矩形はありません", 0},
    {key_prior, 1, find_next_called, nav_name_current, "外に上位矩形のある矩形はありません", 0},
    {key_numpad0 + 6, 1, find_next_called, nav_name_current, "外に上位矩形のある矩形はありません", 0},
    {key_numpad0 + 9, 1, find_next_called, nav_name_current, "外に上位矩形のある矩形はありません", 0},
    {key_insert, 0, find_first, nav_name_target, not_found, 1},
    {key_numpad0, 0, find_first, nav_name_target, not_found, 1},
    {key_next, 1, find_child, nav_name_target, not_found, 1},
    {key_numpad0 + 3, 1, find_child, nav_name_target, not_found, 1},
    {key_delete, 0, find_next_root_any, nav_name_none, "外に先頭矩形はありません", 0},
    {key_decimal, 0, find_next_root_any, nav_name_none, "外に先頭矩形はありません", 0},
};

int refuse(win_handle owner, const char *text, int common)
{
    msg_box(owner, text, common ? msg_caption_text : warn_caption, MB_ICONHAND);
    return 1;
}

// The target field's text, trimmed; 1 (refused with a box) when it is empty.
int read_target(win_handle owner, char (&text)[1000])
{
    text[0] = '\0';
    send_msg(target_field_handle(), WM_GETTEXT, sizeof text - 1, reinterpret_cast<intptr_t>(text));
    trim_blanks(text);
    if (text[0] != '\0') return 0;
    return refuse(owner, "対象欄に関数または変数が指定されていません", 0);
}

}  // namespace

const nav_key_rec *nav_key_row(unsigned key)
{
    for (const auto &row : nav_keys)
        if (row.key == key) return &row;
    return nullptr;
}

int prepare_target_text(char *text, size_t size)
{
    if (strchr(text, '.') == nullptr) cut_line_prefix(text);
    else copy_bounded(text, size, to_lower(text));
    return 0;
}

int keypad_nav_step(win_handle owner, win_handle form, unsigned key, intptr_t lparam)
{
    const nav_key_rec *row = nav_key_row(key);
    if (row == nullptr || (lparam & key_extended) != 0) return 0;
    if (row->needs_cur != 0 && cur_box < 0) return refuse(owner, no_current, 1);
    char name[1000] = "";
    if (row->name_from == nav_name_current) {
        copy_bounded(name, sizeof name, box_display_name(cur_box));
    } else if (row->name_from == nav_name_target) {
        if (read_target(owner, name) != 0) return 1;
        if (row->mode == find_first) {
            send_msg(target_field_handle(), CB_RESETCONTENT, 0, 0);
            send_msg(target_field_handle(), CB_INSERTSTRING, static_cast<uintptr_t>(-1), reinterpret_cast<intptr_t>(name));
            prepare_target_text(name, sizeof name);
        }
    }
    if (find_box_by_name(name, row->mode) == 0) {
        if (row->refusal == nullptr) return 1;
        char text[1200];
        if (row->name_from == nav_name_target) format_text(text, sizeof text, row->refusal, name);
        else copy_bounded(text, sizeof text, row->refusal);
        return refuse(owner, text, row->common_caption);
    }
    if (row->mode == find_first) {
        last_up_left = 1;
        if (form_hooks.clear_occurrence != nullptr) form_hooks.clear_occurrence();
    }
    host_redraw(form, form_redraw_flags);
    return 1;
}

int keypad_enter_check(win_handle owner)
{
    if (cur_box < 0) return refuse(owner, no_current, 1);
    char kind[100];
    get_box_kind(cur_box, kind);
    if (not_tree_or_top_kind(kind) != 0) return refuse(owner, "関数ツリー以外では使用出来ません", 1);
    return 0;
}

int editor_call_text(char *out, size_t size, int line, const char *folder, const char *file)
{
    char opt[2100];  // the filler's own limit is 2048 bytes
    fill_line_option(opt, sizeof opt, option, line);
    char path[1024];
    const int path_cut = folder[0] != '\0' ? join_path(path, sizeof path, folder, file)
                                           : format_text(path, sizeof path, "%s", file);
    if (path_cut != 0 || format_text(out, size, "\"%s\" %s \"%s\"", editor, opt, path) != 0) {
        if (size > 0) out[0] = '\0';
        return 1;
    }
    return 0;
}
