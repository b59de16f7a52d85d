// Benchmark: the refill of the main screen's file list with 10000 matching
// files over two folder slots, in ms (the mean of five refills).  A left
// click's refill hands the list at most the runner's argument cap of names;
// the second figure walks both slots for all 10000 names and fills the list
// with them through the same list main, as a refill without that cap would.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "shell/dirs.h"
#include "shell/main_fields.h"
#include "shell/main_state.h"
#include "shell/runner.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/win/startup_win.h"
#include "shell/wsize.h"

namespace {

const int files_per_slot = 5000;

// A folder under the current one holding n empty ".c" files; its path.
std::string make_slot(const char *name, int n)
{
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof cwd, cwd);
    const std::string folder = std::string(cwd) + "\\" + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < n; ++i) {
        char file[64];
        format_text(file, sizeof file, "\\%s_%05d.c", name, i);
        const std::string path = folder + file;
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    return folder;
}

// The names of one walk over the slots, as the runner's argument vector.
struct name_list {
    std::vector<std::string> names;
    std::vector<char *> argv;
};

int keep_name(void *ctx, int, const char *name, int)
{
    static_cast<name_list *>(ctx)->names.emplace_back(name);
    return 0;
}

// Walks "*.c" over the slots and fills the file list with every match; the count.
int fill_all(char *command_name)
{
    name_list list;
    list.names.reserve(2 * files_per_slot);
    for_each_file(keep_name, &list, 0, "*.c", 0);
    list.argv.reserve(list.names.size() + 1);
    list.argv.push_back(command_name);
    for (std::string &n : list.names) list.argv.push_back(&n[0]);
    fill_file_list(static_cast<int>(list.argv.size()), list.argv.data());
    return static_cast<int>(list.names.size());
}

}  // namespace

int main()
{
    const std::string a = make_slot("bench_a", files_per_slot);
    const std::string b = make_slot("bench_b", files_per_slot);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    init_wsize();
    main_state_reset();
    startup_form_flag = 0;
    app_instance = instance;
    create_main_font();
    if (register_classes(instance) != 0 || create_windows(instance) != 0) {
        printf("main_list_refill: failed (no windows)\n");
        return 1;
    }
    proj_selected = 1;
    // The list as the project dialog writes it: the home folder (here the
    // current one, holding no ".c" file) last, which a refill leaves out.
    // A switch changes into slot 0's folder, as here.
    GetCurrentDirectoryA(sizeof home_dir, home_dir);
    format_text(proj_dirs, sizeof proj_dirs, "%s,%s,home", a.c_str(), b.c_str());
    change_dir(a.c_str());
    HWND screen = static_cast<HWND>(hwndE);
    SetWindowTextA(GetDlgItem(screen, 0), "*.c");
    constexpr int rounds = 5;
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < rounds; ++r) SendMessageA(screen, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(600, 300));
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    const LRESULT listed = SendMessageA(GetDlgItem(screen, 12), LB_GETCOUNT, 0, 0);
    printf("main_list_refill: %ld ms (target 1000)\n", static_cast<long>(ms.count() / rounds));
    printf("main_list_refill_listed: %ld (of %d matching; the runner's cap is %d arguments)\n",
           static_cast<long>(listed), 2 * files_per_slot, run_arg_cap);

    char command_name[] = "get_category";
    int walked = 0;
    const auto all_start = std::chrono::steady_clock::now();
    for (int r = 0; r < rounds; ++r) walked = fill_all(command_name);
    const auto all_ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - all_start);
    const LRESULT all_listed = SendMessageA(GetDlgItem(screen, 12), LB_GETCOUNT, 0, 0);
    printf("main_list_fill_10000: %ld ms (target 1000)\n", static_cast<long>(all_ms.count() / rounds));
    printf("main_list_fill_10000_listed: %ld (%d names walked)\n", static_cast<long>(all_listed), walked);
    return 0;
}
