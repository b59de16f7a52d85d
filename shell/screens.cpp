// The window handles of the screens and their screen numbers.
#include "shell/screens.h"

win_handle hwndE;
win_handle hwndL;
win_handle hwndF;
win_handle hwndC;
win_handle hwndO;
win_handle hwndR;
win_handle hwndP;
win_handle hwndM;
win_handle code_out_hwnd;

win_handle screen_window(int screen)
{
    switch (screen) {
    case screen_main: return hwndE;
    case screen_list: return hwndL;
    case screen_flow: return hwndF;
    case screen_code: return hwndC;
    case screen_form: return hwndO;
    case screen_relation: return hwndR;
    case screen_property: return hwndP;
    default: return nullptr;
    }
}
