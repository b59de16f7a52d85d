// Command preconditions and the three one-step undo records: the last
// paste, the last alignment with the current box and the last move.
#ifndef VOK_FORMS_UNDO_H
#define VOK_FORMS_UNDO_H

#include <cstddef>

#include "shell/host.h"

struct undo_move_record {
    int mode;  // -1 none, 0 the box alone, 1 with its COMMENT children
    int box, dx, dy;
};
struct undo_align_record {
    int box;  // -1 none
    int delta;
    int operation;
};
struct undo_paste_record {
    int boxes;  // -1 none
    int links;
    int text_len;
    int saved;  // 255: no byte saved
};
extern undo_move_record undo_move_rec;
extern undo_align_record undo_align_rec;
extern undo_paste_record undo_paste_rec;

int check_command(char *out, int size);
template <size_t N> int check_command(char (&out)[N]) { return check_command(out, static_cast<int>(N)); }
int undo_clear();
int undo_clear_redraw(win_handle window);
int undo_note_move(int mode, int box, int dx, int dy);
int undo_move();
int undo_paste();
int align_to_current(int x, int y, int operation, int flag);
int undo_align();
// A box below the recorded paste's base was deleted: forget the paste.
void undo_forget_paste_below(int i);
void undo_clear_paste();

#endif
