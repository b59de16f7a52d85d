// The question asked before every relation between two boxes is removed.
#include "shell/relations_question.h"

#include "shell/msgbox.h"
#include "shell/winmsg.h"

int confirm_delete_relations(win_handle owner)
{
    return msg_box(owner, "この関係を全部削除するのですか？", msg_caption_text, MB_OKCANCEL | MB_ICONQUESTION) == IDOK
               ? 1
               : 0;
}
