// The result files through their temporaries (see result_files.h).
#include "analyser/result_files.h"

#include "shell/anal_owner.h"
#include "shell/msgbox.h"
#include "shell/text.h"
#include "shell/winmsg.h"

bool result_open(dir_replacement *r, const char *name, result_place place)
{
    return place == result_in_home ? home_replace_open(r, name) : dir_replace_at(r, name);
}

int result_close(dir_replacement *r, bool say)
{
    if (r->fp == nullptr) return 0;
    if (dir_replace_close(r, true) == 0) return 0;
    if (say) {
        char text[1200];
        format_text(text, sizeof text, "ファイル(%s)の作成に失敗しました！", r->path);
        msg_box(anal_owner, text, "TAVIR警告画面", MB_ICONHAND);
    }
    return 1;
}
