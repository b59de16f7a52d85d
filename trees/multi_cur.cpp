// The multiple-extraction registrations and the load that keeps them.
#include "trees/multi_cur.h"

#include <cstring>

#include "forms/formfile.h"
#include "forms/kinds.h"
#include "forms/model.h"
#include "shell/msgbox.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "trees/tree_form.h"

multi_cur_rec multi_cur_tbl[multi_cur_cap];

namespace {

const char warn_caption[] = "TAVIR警告画面";
const unsigned vk_f10 = 0x79;
const intptr_t f10_key_up = 0x1000000;

bool registrable(const char *kind)
{
    return is_user_kind(kind) == 0 || strcmp(kind, "WORK") == 0 || strcmp(kind, "QFONT") == 0 ||
           strcmp(kind, "VBUTTON") == 0;
}

void insert_top(win_handle combo, const multi_cur_rec &r)
{
    char text[600];
    format_text(text, sizeof text, "[%04d]%s", r.box, r.name);
    send_msg(combo, CB_INSERTSTRING, 0, reinterpret_cast<intptr_t>(text));
}

int warn(win_handle owner, const char *text, int result)
{
    msg_box(owner, text, warn_caption, MB_OK | MB_ICONHAND);
    return result;
}

}  // namespace

int multi_cur_add(win_handle combo, win_handle owner)
{
    send_msg(combo, CB_RESETCONTENT, 0, 0);
    if (!in_form(cur_box) || multi_cur >= multi_cur_cap) return 1;
    multi_cur_rec r{};
    tree_func_kind(cur_box, r.kind, sizeof r.kind);
    if (!registrable(r.kind)) return warn(owner, "複数抽出用カレント矩形として登録できない矩形です", 2);
    r.box = get_cur_box_rel();
    tree_func_name(cur_box, r.name, sizeof r.name);
    multi_cur_tbl[multi_cur++] = r;
    insert_top(combo, r);
    return 0;
}

int multi_cur_list(win_handle combo)
{
    send_msg(combo, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < multi_cur; ++i) insert_top(combo, multi_cur_tbl[i]);
    return 0;
}

int multi_cur_check(int, win_handle window, win_handle owner)
{
    if (multi_cur <= 0) return warn(owner, "複数ｶﾚﾝﾄ矩形抽出番号の登録がありません", multi_cur_none);
    for (int i = 0; i < multi_cur; ++i) {
        const multi_cur_rec &r = multi_cur_tbl[i];
        const int b = box_abs_index(r.box);
        char kind[multi_cur_name_size], name[multi_cur_name_size];
        tree_func_kind(b, kind, sizeof kind);
        if (!in_form(b) || !registrable(kind)) {
            return warn(owner, "関数ツリーでないので複数抽出できません", multi_cur_outside);
        }
        tree_func_name(b, name, sizeof name);
        if (strcmp(name, r.name) != 0 || strcmp(kind, r.kind) != 0) {
            return warn(owner, "複数ｶﾚﾝﾄ矩形抽出番号の登録後ツリーが変化しています", multi_cur_changed);
        }
    }
    send_msg(window, WM_KEYUP, vk_f10, f10_key_up);
    return 0;
}

int multi_cur_clear(win_handle combo)
{
    send_msg(combo, CB_RESETCONTENT, 0, 0);
    multi_cur = 0;
    return 0;
}

int load_form_keep(const char *name)
{
    const int kept = multi_cur;
    const int r = load_form(name);
    multi_cur = kept;
    return r;
}

int multi_cur_tbl_reset()
{
    multi_cur = 0;
    multi_extract_mode = 0;
    return 0;
}
