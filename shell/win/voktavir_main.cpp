// VOKTAVIR's entry: the start-up steps, the message loop and what is saved
// after it.
#include <windows.h>

#include "calc/calc_tables.h"
#include "shell/startup.h"
#include "shell/win/startup_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int)
{
    startup_read_settings(command_line);
    if (dev_flag) calc_nodump = 0;
    bind_program_hooks();
    load_bitmaps(instance);
    startup_read_data();
    app_instance = instance;
    create_main_font();
    if (previous == nullptr && register_classes(instance) != 0) return 1;
    if (create_windows(instance) != 0) return 1;
    start_timer();
    set_view("home");
    show_screens();
    const int code = run_message_loop();
    shutdown_files();
    return code;
}
