// Fuzz target of PLX's readers: the input is written to a file and read both
// as a function-tree file (".ft") and as a form file, each into a fresh
// model, which is then marked and written as a form file.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "plx/form_io.h"
#include "plx/ft_convert.h"
#include "plx/model.h"
#include "plx/reset.h"

namespace {

bool write_input(const char *name, const uint8_t *data, size_t size)
{
    FILE *fp = fopen(name, "wb");
    if (fp == nullptr) return false;
    const bool ok = fwrite(data, 1, size, fp) == size;
    return fclose(fp) == 0 && ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (!write_input("plx_fuzz.in", data, size)) return 0;
    plx_reset();
    plx_convert_ft("plx_fuzz.in", 130, 10, 0, 0);
    plx_mark_all();
    plx_write_form("plx_fuzz.f");
    plx_reset();
    plx_read_form("plx_fuzz.in");
    plx_mark_all();
    plx_write_form("plx_fuzz.f");
    return 0;
}
