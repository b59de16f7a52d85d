// Benchmark of the FORM screen on a generated forest of function trees:
// 10000 boxes (a PROJ box and 100 trees whose roots share one name) and
// 20000 links, half of the extra calls hidden by "$space" pairs.  Prints the
// ms of a full paint into a memory DC, of an arrow-key scroll with its
// repaint, of one box_at_point and of one keypad step to the next root box
// of the name (-5) and of any name (-6).
#include <windows.h>

#include "own_box.h"

#include <chrono>
#include <cstdio>
#include <string>

#include "forms/box_paint.h"
#include "forms/form_state.h"
#include "forms/formfile.h"
#include "forms/keypad_nav.h"
#include "forms/model.h"
#include "forms/win/form_screen.h"
#include "shell/main_state.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/win/startup_win.h"
#include "shell/wsize.h"

namespace {

const int box_count = 10000;
const int link_count = 20000;
const int tree_size = 100;  // boxes per tree; box 0 is the PROJ box
const int columns = 50;
const int client_w = 1024, client_h = 768;

using bench_clock = std::chrono::steady_clock;
volatile int hit_sink;  // keeps the hit tests from being optimised away

double ms_since(bench_clock::time_point start, int rounds)
{
    return std::chrono::duration<double, std::milli>(bench_clock::now() - start).count() / rounds;
}

bool is_root(int i) { return i > 0 && (i - 1) % tree_size == 0; }

void box_row(std::string &text, int i)
{
    const int j = i - 1;
    const int x = 10 + (i % columns) * 130, y = 40 + (i / columns) * 30;
    char name[32], row[120];
    if (i == 0) copy_bounded(name, sizeof name, "bench");
    else if (is_root(i)) copy_bounded(name, sizeof name, "main");
    else format_text(name, sizeof name, "f%d", j % 2500);
    format_text(row, sizeof row, "%8d\t%4d\t%4d\t%4d\t%-10s\t%-10s\r\n", x, y, x + 100, y + 20, i == 0 ? "PROJ" : "FUNC",
                name);
    text += row;
}

void link_row(std::string &text, int from, int to, const char *name)
{
    char row[80];
    format_text(row, sizeof row, "%8d\t%4d\t%-10s\r\n", from, to, name);
    text += row;
}

// A box that is no root, picked by n.
int inner_box(int n)
{
    int b = 1 + n % (box_count - 1);
    while (is_root(b)) b = b + 1 < box_count ? b + 1 : 2;
    return b;
}

// The form file: the trees' "call" links, then "call" and "$space" pairs
// between inner boxes up to the link count.
int write_form(const char *file)
{
    std::string text = "#F2    x\t   y\tendx\tendy\tclass     \tname      \r\n";
    for (int i = 0; i < box_count; ++i) box_row(text, i);
    text += "#L2 from\t  to\tname      \r\n";
    int links = 0;
    for (int i = 1; i < box_count; ++i) {
        if (is_root(i)) continue;
        const int k = (i - 1) % tree_size;
        link_row(text, i - k + (k - 1) / 3, i, "call");
        ++links;
    }
    for (int p = 0; links < link_count; ++p) {
        const int a = inner_box(p * 37), b = inner_box(p * 53 + 11);
        if (a == b) continue;
        link_row(text, a, b, "call");
        ++links;
        if (links < link_count) {
            link_row(text, a, b, "$space");
            ++links;
        }
    }
    text += "#P1       \r\n";
    for (int i = 0; i < box_count; ++i) text += "\r\n";
    FILE *f = fopen(file, "wb");
    if (f == nullptr) return 1;
    const bool whole = fwrite(text.data(), 1, text.size(), f) == text.size();
    return fclose(f) == 0 && whole ? 0 : 1;
}

// Closes a box a step might open (none is expected), so the run never waits.
void CALLBACK close_boxes(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = own_box();
    if (box != nullptr) PostMessageA(box, WM_COMMAND, IDOK, 0);
}

double paint_ms()
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client_w;
    info.bmiHeader.biHeight = -client_h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const int rounds = 10;
    const auto start = bench_clock::now();
    for (int r = 0; r < rounds; ++r) paint_form(dc, client_w, client_h);
    GdiFlush();
    const double ms = ms_since(start, rounds);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return ms;
}

double scroll_ms(HWND form)
{
    static const unsigned keys[] = {VK_RIGHT, VK_DOWN, VK_LEFT, VK_UP};
    const int rounds = 20;
    const auto start = bench_clock::now();
    for (int r = 0; r < rounds; ++r) SendMessageA(form, WM_KEYUP, keys[r % 4], 0x1000000);
    return ms_since(start, rounds);
}

double box_at_point_ms()
{
    const int rounds = 1000;
    const auto start = bench_clock::now();
    for (int r = 0; r < rounds; ++r) hit_sink = box_at_point((r * 97) % client_w, (r * 61) % client_h, nullptr);
    return ms_since(start, rounds);
}

// Keypad steps with key from the first root: mode -5 (VK_HOME) or -6 (keypad Delete).
double keypad_ms(HWND form, unsigned key)
{
    set_cur_box(form_sta + 1);
    const int rounds = 20;
    const auto start = bench_clock::now();
    for (int r = 0; r < rounds; ++r) keypad_nav_step(form, form, key, 0);
    return ms_since(start, rounds);
}

}  // namespace

int main()
{
    if (write_form("bench.f") != 0) {
        printf("form_paint: failed (no form file)\n");
        return 1;
    }
    app_instance = GetModuleHandleA(nullptr);
    main_state_reset();
    init_wsize();
    startup_form_flag = 0;
    create_main_font();
    if (register_classes(app_instance) != 0 || create_windows(app_instance) != 0) {
        printf("form_paint: failed (no windows)\n");
        return 1;
    }
    forms_reset_all();
    form_reset();
    if (load_form("bench.f") != 0 || get_box_count() != box_count || l_num - l_sta != link_count) {
        printf("form_paint: failed (the form did not load whole)\n");
        return 1;
    }
    HWND form = static_cast<HWND>(hwndO);
    RECT frame = {0, 0, client_w, client_h};
    AdjustWindowRect(&frame, static_cast<DWORD>(GetWindowLongA(form, GWL_STYLE)), FALSE);
    SetWindowPos(form, HWND_TOP, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_SHOWWINDOW);
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, close_boxes);
    set_cur_box(form_sta + 1);
    printf("form_paint: %.1f ms (target 200)\n", paint_ms());
    printf("form_scroll: %.1f ms (target 200)\n", scroll_ms(form));
    printf("form_box_at_point: %.3f ms (target 5)\n", box_at_point_ms());
    printf("form_keypad_root: %.1f ms (target 20)\n", keypad_ms(form, VK_HOME));
    printf("form_keypad_root_any: %.1f ms (target 20)\n", keypad_ms(form, VK_DELETE));
    KillTimer(nullptr, timer);
    return 0;
}
