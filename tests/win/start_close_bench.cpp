// Benchmark: VOKTAVIR as a person meets it on the sample project, in ms, each
// the median of five runs on a fresh copy of the samples: the start, from the
// launch until the main screen shows its view caption and the MAIN screen, and
// the close, from the answer No to the backup question until the process has
// ended.  Its arguments: VOKTAVIR.exe and the sample project's folder.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "tests/win/program_probe.h"

namespace {

using bench_clock = std::chrono::steady_clock;

const char first_caption[] = "[TAVIR]Ornak.C言語作図ソフト、ビュー１[V]";
constexpr int runs = 5;
constexpr DWORD look_ms = 2;  // between two looks at the screens

// The process's visible top-level window of that class, or null.
HWND shown_window(DWORD pid, const char *cls)
{
    for (HWND hwnd = FindWindowExA(nullptr, nullptr, cls, nullptr); hwnd != nullptr;
         hwnd = FindWindowExA(nullptr, hwnd, cls, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == pid && IsWindowVisible(hwnd)) return hwnd;
    }
    return nullptr;
}

// Whether the main screen is up: its caption names the view and MAIN shows.
HWND main_screen_up(DWORD pid)
{
    HWND screen = shown_window(pid, "TAVIR");
    if (screen == nullptr || shown_window(pid, "MAIN") == nullptr) return nullptr;
    char text[256] = "";
    GetWindowTextA(screen, text, sizeof text);
    return lstrcmpA(text, first_caption) == 0 ? screen : nullptr;
}

double ms_since(bench_clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(bench_clock::now() - t0).count();
}

// One start and close; false when a step did not come within the probe's wait.
bool start_and_close(const std::string &program, const std::string &home, double *start_ms, double *close_ms)
{
    const auto launched = bench_clock::now();
    PROCESS_INFORMATION pi = start(program, home.c_str());
    if (pi.hProcess == nullptr) return false;
    HWND screen = nullptr;
    while ((screen = main_screen_up(pi.dwProcessId)) == nullptr && ms_since(launched) < probe_wait_ms) Sleep(look_ms);
    *start_ms = ms_since(launched);
    HWND box = nullptr;
    if (screen != nullptr) {
        PostMessageA(screen, WM_CLOSE, 0, 0);
        box = wait_for_box(screen);
    }
    if (box == nullptr) {
        TerminateProcess(pi.hProcess, 1);
        wait_exit(pi);
        return false;
    }
    const auto answered = bench_clock::now();
    PostMessageA(box, WM_COMMAND, IDNO, 0);
    const bool ended = WaitForSingleObject(pi.hProcess, probe_wait_ms) == WAIT_OBJECT_0;
    *close_ms = ms_since(answered);
    return wait_exit(pi) == 0 && ended;
}

double median(double *figures)
{
    std::sort(figures, figures + runs);
    return figures[runs / 2];
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        printf("voktavir_start: failed (arguments: VOKTAVIR.exe and the samples folder)\n");
        return 1;
    }
    double start_ms[runs], close_ms[runs];
    for (int i = 0; i < runs; ++i) {
        const std::string home = make_home("start_close_home", argv[2]);
        if (!start_and_close(argv[1], home, &start_ms[i], &close_ms[i])) {
            printf("voktavir_start: failed (run %d did not reach the main screen or did not end)\n", i + 1);
            return 1;
        }
    }
    printf("voktavir_start: %.0f ms (launch to main screen, median of %d; target 1000)\n", median(start_ms), runs);
    printf("voktavir_close: %.0f ms (answer to process end, median of %d; target 1000)\n", median(close_ms), runs);
    return 0;
}
