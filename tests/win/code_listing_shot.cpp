// The CODE screen with a marked listing for a screenshot: VOKTAVIR's start-up
// steps run in-process (the current folder as home), the function list is made from a source file of
// the current folder ("select"), its header is selected and the file listed
// with the hits of a key marked; the CODE screen then stays up for the given
// seconds.  Arguments: the source file, the key, the seconds.  0 when the
// listing was shown.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "shell/main_keys.h"
#include "shell/runner.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/win/startup_win.h"
#include "trees/func_list.h"
#include "trees/listings.h"

int main(int argc, char **argv)
{
    if (argc < 4) return 2;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    char no_arguments[] = "";
    startup_read_settings(no_arguments);
    load_bitmaps(instance);
    startup_read_data();
    app_instance = instance;
    output_font_size = 14;
    create_main_font();
    if (register_classes(instance) != 0 || create_windows(instance) != 0) return 1;
    char command[600];
    format_text(command, sizeof command, "select %s", argv[1]);
    run_command(command, select_main);
    cur_index = 0;  // the file's header
    copy_bounded(search_text, sizeof search_text, argv[2]);
    char file[list_file_size];
    HWND code = static_cast<HWND>(hwndC);
    SetWindowPos(code, HWND_TOP, 0, 0, 900, 680, SWP_SHOWWINDOW);
    ShowWindow(code, SW_SHOWNORMAL);
    const int listed = fill_list_with_parse(code_out_hwnd, file, filter_collect);
    set_code_caption(file);
    SetForegroundWindow(code);
    const DWORD until = GetTickCount() + static_cast<DWORD>(atoi(argv[3])) * 1000;
    while (GetTickCount() < until) {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        Sleep(50);
    }
    return listed == 1 ? 0 : 1;
}
