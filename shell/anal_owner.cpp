// The requesting window of the analysis (the analyser sets and reads it).
#include "shell/anal_owner.h"

win_handle anal_owner;

int set_anal_owner(win_handle window)
{
    anal_owner = window;
    return 0;
}

win_handle get_anal_owner() { return anal_owner; }
