// Benchmark: one plx_paint of 8000 items and 16000 links into a memory DC,
// in ms (the mean of ten paints).
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "plx/model.h"
#include "plx/reset.h"
#include "plx/win/plx_window.h"

int main()
{
    plx_reset();
    for (int i = 0; i < plx_item_max; ++i) {
        const int x = (i % 80) * 130;
        const int y = (i / 80) * 20;
        plx_item_add(x, y, x + 100, y + 10, "BOX", "f");
    }
    for (int l = 0; l < plx_link_max; ++l) plx_link_add(l % plx_item_max, (l * 7 + 1) % plx_item_max, "on_set");
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 1280, 1024);
    HGDIOBJ old = SelectObject(dc, bitmap);
    constexpr int rounds = 10;
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < rounds; ++r) plx_paint(dc);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    printf("plx_paint: %ld ms (100)\n", static_cast<long>(ms.count() / rounds));
    return 0;
}
