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
    case 0: return hwndE;
    case 1: return hwndL;
    case 2: return hwndF;
    case 3: return hwndC;
    case 4: return hwndO;
    case 5: return hwndR;
    case 6: return hwndP;
    default: return nullptr;
    }
}
