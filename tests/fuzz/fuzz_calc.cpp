// Fuzz target of the calculation language: arbitrary text as a calculation
// file through the front end and the checks, and executed only when the
// repeat estimate stays under this target's own bound, so that a valid but
// long program is refused (F906) rather than taken for a hang.
#include <cstdint>
#include <cstdio>

#include "calc/calc_host.h"
#include "calc/calc_tables.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

const double fuzz_repeat_max = 20000;  // repeats a fuzzed program may execute

int drop_text(const char *) { return 0; }

FILE *open_here(const char *name, const char *mode) { return fopen(name, mode); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    (void)fuzz::scratch();
    if (!fuzz::write_file("p.vok", data, size)) return 0;
    calc_program_start();
    calc_repeat_cap = fuzz_repeat_max;
    calc_bind_hooks(drop_text, open_here);
    (void)run_calc_file("p.vok");
    return 0;
}
