// The window handles of VOKTAVIR's eight top-level windows and of the CODE
// output edit.  The window code fills them as it creates the windows; the
// portable code only passes them back to the host.
#ifndef VOK_SHELL_SCREENS_H
#define VOK_SHELL_SCREENS_H

#include "shell/host.h"

extern win_handle hwndE;          // main screen (class "TAVIR")
extern win_handle hwndL;          // LIST
extern win_handle hwndF;          // FLOW
extern win_handle hwndC;          // CODE
extern win_handle hwndO;          // FORM
extern win_handle hwndR;          // RELATION
extern win_handle hwndP;          // PROPERTY
extern win_handle hwndM;          // MAIN, the hidden owner
extern win_handle code_out_hwnd;  // the CODE screen's output edit

// WM_COMMAND 0 with lParam 0: every screen takes the focus.
const unsigned cmd_focus = 0;

// CODE's WM_COMMAND ids: the font of start-up, then its buttons 20 to 29.
enum code_command_id {
    code_cmd_font = 1,        // the output font rebuilt from output_font_size
    code_cmd_main = 20,       // "★": the main screen shown and focused
    code_cmd_clear = 21,      // "消": the output emptied
    code_cmd_ext_funcs = 22,  // "助": the calculation language's external functions listed
    code_cmd_list = 23,       // "覧": LIST shown and focused
    code_cmd_flow = 24,       // "ﾌﾛ": FLOW shown and focused
    code_cmd_up = 25,         // "↑": the Up key
    code_cmd_down = 26,       // "↓": the Down key
    code_cmd_insert = 27,     // "挿": the Insert key
    code_cmd_excel = 28,      // "表": the output opened as a CSV file
    code_cmd_editor = 29,     // "編": the selection's file in the editor
};

// The WM_COMMAND ids of LIST's and FLOW's buttons; "★" (20) and any other
// id show the main screen.
enum chart_command_id {
    chart_cmd_other = 21,  // the other screen: LIST's FLOW, FLOW's LIST
    chart_cmd_code = 22,   // CODE
    chart_cmd_up = 23,     // the Up key to the screen itself
    chart_cmd_down = 24,   // the Down key
    chart_cmd_f1 = 25,     // F1
};

// Screen numbers of the screen-numbered boxes; any other number is no window.
enum screen_number {
    screen_main = 0,      // the main screen
    screen_list = 1,      // LIST
    screen_flow = 2,      // FLOW
    screen_code = 3,      // CODE
    screen_form = 4,      // FORM
    screen_relation = 5,  // RELATION
    screen_property = 6,  // PROPERTY
};
win_handle screen_window(int screen);

#endif
