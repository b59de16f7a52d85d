// The window procedures of MAIN (the hidden owner) and of the main screen,
// whose close offers the project backup before the program ends.
#include <string>
#include <vector>

#include "analyser/source_load.h"
#include "shell/devaids.h"
#include "shell/dirs.h"
#include "shell/keypad.h"
#include "shell/lbuf.h"
#include "shell/list_setting.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/win/cell_grid.h"
#include "shell/win/main_screen_win.h"
#include "shell/win/startup_win.h"
#include "shell/wsize.h"

namespace {

HWND as_hwnd(win_handle h) { return static_cast<HWND>(h); }

const win_handle *const screen_handles[7] = {&hwndE, &hwndL, &hwndF, &hwndC, &hwndO, &hwndR, &hwndP};

// The backup question and its answers; false when the close is abandoned.
bool offer_backup()
{
    for (;;) {
        char question[1000];
        backup_question(question, sizeof question);
        const int answer = msg_box(hwndE, question, msg_caption_text, MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL) return false;
        if (answer != IDYES) return true;
        const int backup_lines = count_lines("vokdirBK.dat");
        const int current_lines = count_lines("vokdir.dat");
        if (backup_allowed(backup_lines, current_lines)) {
            char failed[200];
            if (write_backups(failed, sizeof failed) != 0) {
                std::string text = "バックアップ出来ませんでした\r\n";
                text += failed;
                msg_box(hwndE, text.c_str(), msg_caption_text, MB_ICONHAND);
            }
            return true;
        }
        const char *names = backup_only_names("vokdir.dat", "vokdirBK.dat");
        std::vector<char> refusal(strlen(names) + 400);
        backup_refusal(refusal.data(), refusal.size(), backup_lines, current_lines, names);
        msg_box(hwndE, refusal.data(), msg_caption_text, MB_ICONHAND);
        if (msg_box(hwndE, "現バックアップファイルを削除しますか？", msg_caption_text, MB_YESNO | MB_ICONQUESTION) !=
            IDYES) {
            return true;
        }
        remove_backups();
    }
}

// MAIN's close: the per-screen values and the places into the size file.
// The hidden screens are recorded before every screen is shown so that its
// normal place can be read.
void save_view()
{
    store_screen_flags();
    for (const win_handle *screen : screen_handles) ShowWindow(as_hwnd(*screen), SW_SHOWNORMAL);
    save_wrect("OTHER");
    store_screen_values();
    save_list_setting();
    view_sizes_save();
}

void destroy_screens()
{
    free_source();
    lbuf_free_list();
    lbuf_free(0);
    lbuf_free(1);
    lbuf_free(2);
    for (const win_handle *screen : screen_handles) DestroyWindow(as_hwnd(*screen));
}

}  // namespace

LRESULT CALLBACK tavir_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (keypad_dispatch(msg, hwnd, static_cast<unsigned>(wparam), lparam)) return 0;
    trace_msg_main("E:", code_out_hwnd, msg, wparam, lparam);
    if (msg == WM_CLOSE) {
        if (!offer_backup()) return 0;
        if (running_flag) {
            running_flag = 0;
            SendMessageA(as_hwnd(hwndM), WM_CLOSE, 0, 0);
        }
        return 0;
    }
    LRESULT result = 0;
    if (main_screen_message(hwnd, msg, wparam, lparam, &result)) return result;
    if (msg == WM_SYSCOMMAND) SetFocus(hwnd);
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}

LRESULT CALLBACK main_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    switch (msg) {
    case WM_CREATE: {
        char cwd[dir_path_size] = "";
        host_getcwd(cwd, sizeof cwd);
        char caption[700];
        format_text(caption, sizeof caption, "[TAVIR]%s %.512s", product_caption, cwd);
        SetWindowTextA(hwnd, caption);
        return 0;
    }
    case WM_SIZE:
        SetFocus(as_hwnd(hwndE));
        return 0;
    case WM_COMMAND:
        if (wparam == 0) replay_clicks(hwndO);
        return 0;
    case WM_CLOSE:
        save_view();
        break;
    case WM_DESTROY:
        delete_flow_brushes();
        destroy_screens();
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}

// A placeholder screen's close only hides it; MAIN destroys the screens.
LRESULT hide_screen_on_close(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (msg == WM_CLOSE) {
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wparam, lparam);
}
