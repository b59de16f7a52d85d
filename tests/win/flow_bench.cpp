// Benchmark (under Wine): the FLOW window of 1280 x 1024 pixels repainted
// whole into a memory device context, and one scroll step by a left drag
// with its repaint, on a 9999-node chain and on a function of branches and
// loops near the node limit, at zoom 13 and 7.  Prints "name: figure
// (target)" in milliseconds; a figure never fails.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "analyser/anal_main.h"
#include "analyser/anal_reset.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "analyser/options.h"
#include "shell/runner.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/win/startup_win.h"
#include "shell/wsize.h"
#include "tests/trees/bench_sources.h"
#include "trees/trees_reset.h"

namespace {

using bench_sources::branches;
using bench_sources::chain;
using bench_sources::write_file;

const int width = 1280;
const int height = 1024;
const int target_ms = 100;

template <typename Work>
void measure(const char *name, int zoom, Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    printf("%s_zoom%d: %lld ms (%d ms)\n", name, zoom, (long long)ms.count(), target_ms);
}

void bench_chart(HWND flow, const char *name, const char *file)
{
    char command[300];
    format_text(command, sizeof command, "vokanal %s -l1 -L-1 -o", file);
    run_command(command, anal_main);
    printf("# %s nodes: %d\n", name, cb_num);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int zoom : {13, 7}) {
        flow_zoom = zoom;
        opt_x = opt_y = 0;
        char label[64];
        format_text(label, sizeof label, "flow_repaint_%s", name);
        measure(label, zoom, [&] { SendMessageA(flow, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT); });
        format_text(label, sizeof label, "flow_drag_%s", name);
        measure(label, zoom, [&] {
            SendMessageA(flow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(600, 500));
            SendMessageA(flow, WM_LBUTTONUP, 0, MAKELPARAM(500, 400));
            RedrawWindow(flow, nullptr, nullptr, RDW_UPDATENOW);
        });
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace

int main()
{
    // Its own folder with the analyser's word attributes, whose absence would stop it at a box.
    CreateDirectoryA("flow_bench_work", nullptr);
    SetCurrentDirectoryA("flow_bench_work");
    std::string words = std::string("Z:") + VOK_SAMPLES "/wordattr.dat";
    for (char &c : words) {
        if (c == '/') c = '\\';
    }
    CopyFileA(words.c_str(), "wordattr.dat", FALSE);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    init_wsize();
    app_instance = instance;
    create_main_font();
    if (register_classes(instance) != 0 || create_windows(instance) != 0) {
        printf("flow_repaint: failed (no windows)\n");
        return 1;
    }
    anal_reset();
    trees_reset_all();
    HWND flow = static_cast<HWND>(hwndF);
    MoveWindow(flow, 0, 0, width, height, FALSE);
    ShowWindow(flow, SW_SHOWNORMAL);
    write_file("flow_bench_chain.c", chain(3331));
    bench_chart(flow, "chain9999", "flow_bench_chain.c");
    write_file("flow_bench_mixed.c", branches(600));
    bench_chart(flow, "branches", "flow_bench_mixed.c");
    return 0;
}
