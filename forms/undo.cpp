// Command preconditions, the one-step undo records and the alignment of a
// clicked box with the current one.
#include "forms/undo.h"

#include <cstring>

#include "forms/keys.h"
#include "forms/kinds.h"
#include "forms/model.h"
#include "forms/para.h"
#include "forms/relmove.h"
#include "shell/text.h"

undo_move_record undo_move_rec = {-1, -1, 0, 0};
undo_align_record undo_align_rec = {-1, 0, 0};
undo_paste_record undo_paste_rec = {-1, 0, 0, 255};

int check_command(char *out, int size)
{
    const char *reason = nullptr;
    bool app_form = false;
    for (int r = form_sta; r < form_num; ++r) {
        app_form = app_form || kind_is(r, "APP") || kind_is(r, "FORM") || kind_is(r, "SMENU");
    }
    if (form_num <= form_sta) reason = "FORMが空である";
    else if (!in_form(cur_box)) reason = "カレント矩形が無い";
    else if (app_form) reason = "APP,FORM,SMENUは対象外";
    else if (is_reserved_kind(cur_box)) reason = "カレントが特殊矩形である";
    else if (is_control_box(cur_box)) reason = "カレントがコントロールである";
    else if (box_table[cur_box].kind[0] == '\0') reason = "カレント矩形にカテゴリ名が無い";
    copy_bounded(out, size, reason != nullptr ? reason : box_table[cur_box].kind);
    return reason != nullptr ? 1 : 0;
}

int undo_clear()
{
    undo_align_rec.box = -1;
    undo_move_rec.mode = -1;
    undo_paste_rec.boxes = -1;
    undo_paste_rec.saved = 255;
    return 0;
}

int undo_clear_redraw(win_handle window)
{
    undo_clear();
    if (cur_box >= 0) host_redraw(window, form_redraw_flags);
    return 0;
}

int undo_note_move(int mode, int box, int dx, int dy)
{
    undo_move_rec = {mode, box, dx, dy};
    return 0;
}

namespace {

// A moved frame removed itself: bring it back as the last box.
bool restore_frame()
{
    const int b = undo_move_rec.box;
    if (b != form_num || b >= box_cap || !kind_is(b, "z")) return false;
    if (para_add_nl() != 0) return false;
    box_rec &f = box_table[b];
    f.x += undo_move_rec.dx;
    f.endx += undo_move_rec.dx;
    f.y += undo_move_rec.dy;
    f.endy += undo_move_rec.dy;
    ++form_num;
    cur_box = b;
    return true;
}

}  // namespace

int undo_move()
{
    if (undo_move_rec.mode < 0) return 1;
    if (cur_box < 0 && !restore_frame()) return 1;
    undo_move_rec.dx = -undo_move_rec.dx;
    undo_move_rec.dy = -undo_move_rec.dy;
    const int b = undo_move_rec.box, dx = undo_move_rec.dx, dy = undo_move_rec.dy;
    move_with_children(b, dx, dy, undo_move_rec.mode == 1);
    return 0;
}

int undo_paste()
{
    undo_paste_record &p = undo_paste_rec;
    if (p.boxes < 0) return 1;
    const int boxes = form_num, links = l_num;
    form_num = p.boxes;
    l_num = p.links;
    p.boxes = boxes;
    p.links = links;
    if (p.saved == 255) {
        p.saved = static_cast<unsigned char>(para_buf[p.text_len]);
        para_buf[p.text_len] = '\0';
    } else {
        para_buf[p.text_len] = static_cast<char>(p.saved);
        p.saved = 255;
    }
    para_changed();
    if (cur_box >= form_num) cur_box = -1;
    if (cur_link >= l_num) cur_link = -1;
    return 0;
}

void undo_forget_paste_below(int i)
{
    if (undo_paste_rec.boxes >= 0 && i < undo_paste_rec.boxes) undo_clear_paste();
}

void undo_clear_paste()
{
    undo_paste_rec.boxes = -1;
    undo_paste_rec.saved = 255;
}

int align_to_current(int x, int y, int operation, int flag)
{
    int b = -1;
    for (int r = form_sta; r < form_num; ++r) {
        const box_rec &k = box_table[r];
        if (box_level[r] == cur_level && k.x < x && x < k.endx && k.y < y && y < k.endy) b = r;
    }
    if (b < 0 || !in_form(cur_box)) return 0;
    const box_rec &c = box_table[cur_box];
    const box_rec &k = box_table[b];
    int dx = 0, dy = 0;
    if (operation == 6 || operation == 8) dx = flag ? c.endx - k.endx : c.x - k.x;
    else dy = flag ? c.endy - k.endy : c.y - k.y;
    shift_box_by(b, &dx, &dy);
    undo_align_rec = {b, operation == 6 || operation == 8 ? dx : dy, operation};
    return 1;
}

int undo_align()
{
    if (undo_align_rec.box < 0) return 1;
    int dx = 0, dy = 0;
    if (undo_align_rec.operation == 6 || undo_align_rec.operation == 8) dx = -undo_align_rec.delta;
    else dy = -undo_align_rec.delta;
    shift_box_by(undo_align_rec.box, &dx, &dy);
    undo_align_rec.delta = undo_align_rec.operation == 6 || undo_align_rec.operation == 8 ? dx : dy;
    return 0;
}
