// The tree's benchmark on generated call tables of 16000 functions (8000
// names, each defined file-private in two files), six calls each: the
// build to "ftree.f", the load with its pointer marks, one extraction with
// its re-layout, and two F10 presses.  Prints "name: figure (target)" in
// milliseconds.
#include <chrono>
#include <cstdio>

#include "analyser/anal_reset.h"
#include "analyser/calls.h"
#include "forms/formfile.h"
#include "forms/model.h"
#include "tests/support/capture_host.h"
#include "trees/ftree_files.h"
#include "trees/tree_box.h"
#include "trees/tree_build.h"
#include "trees/tree_form.h"

namespace {

const int name_count = 8000;
const int func_count = 2 * name_count;
const int calls_per_func = 6;
const int file_count = 100;

// Fills the call tables: function i (file-private in file i % 100) calls
// six functions further on.
void generate_calls()
{
    write_ftree_t();
    for (int s = 0; s < file_count; ++s) {
        char name[32];
        snprintf(name, sizeof name, "gen%03d.c", s);
        add_src(name);
    }
    int names[name_count];
    for (int n = 0; n < name_count; ++n) {
        char name[32];
        snprintf(name, sizeof name, "func_%05d", n);
        names[n] = intern_name(name);
    }
    for (int i = 0; i < func_count; ++i) add_func(-2, i % file_count, names[i % name_count], i % file_count, 10 + i);
    for (int i = 0; i < func_count; ++i) {
        const int src = i % file_count;
        add_call(src, i, -1, 10 + i, 10 + i);
        for (int k = 1; k <= calls_per_func; ++k) {
            const int callee = i + k * 97 + 1;
            if (callee < func_count) add_call(src, i, callee, 10 + i, 11 + i + k);
        }
    }
}

long long since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main()
{
    capture::reset();
    anal_reset();
    tree_build_reset();
    forms_reset_all();
    generate_calls();
    auto start = std::chrono::steady_clock::now();
    ftree_alloc();
    ftree_s_open("ftree_s.txt");
    tree_level_reset();
    write_ftree();
    write_tree_form("ftree.f");
    ftree_s_close();
    const int boxes = tbox_num;
    call_tables_release();
    ftree_free();
    printf("tree build to ftree.f (%d boxes): %lld (1000)\n", boxes, since(start));

    start = std::chrono::steady_clock::now();
    load_form("ftree.f");
    ftree_mark_s();
    printf("tree load and ftree_mark_s: %lld (500)\n", since(start));

    const int r = form_num / 2;
    start = std::chrono::steady_clock::now();
    ftree_extract(r);
    printf("tree extraction with re-layout: %lld (500)\n", since(start));

    forms_reset_all();
    load_form("ftree.f");
    start = std::chrono::steady_clock::now();
    tree_view_toggle(r);
    tree_view_toggle(r);
    printf("tree two F10 presses: %lld (1000)\n", since(start));
    return 0;
}
