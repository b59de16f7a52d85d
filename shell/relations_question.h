// The question asked before every relation between two boxes is removed.
#ifndef VOK_SHELL_RELATIONS_QUESTION_H
#define VOK_SHELL_RELATIONS_QUESTION_H

#include "shell/host.h"

// OK/Cancel "この関係を全部削除するのですか？"; 1 on OK, else 0.
int confirm_delete_relations(win_handle owner);

#endif
