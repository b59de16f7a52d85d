// Benchmark: converting a function-tree file of 7999 distinct functions
// (levels 0-9 over and over) and writing its form file, in ms.
#include <chrono>
#include <cstdio>

#include "plx/form_io.h"
#include "plx/ft_convert.h"
#include "plx/reset.h"

int main()
{
    FILE *fp = fopen("plx_bench.ft", "w");
    if (fp == nullptr) return 1;
    for (int i = 0; i < 7999; ++i) fprintf(fp, "a.c %d <%d>func_%d() at a.c:%d\n", i + 1, i % 10, i, i + 1);
    fclose(fp);
    const auto start = std::chrono::steady_clock::now();
    plx_reset();
    const int converted = plx_convert_ft("plx_bench.ft", 130, 10, 0, 0);
    const int written = plx_write_form("plx_bench.f");
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    if (converted != 0 || written != 0) return 1;
    printf("plx_convert_write: %ld ms (200)\n", static_cast<long>(ms.count()));
    return 0;
}
