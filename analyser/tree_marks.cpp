// Call-line marks read back from the call-line list of the last tree build.
#include "analyser/tree_marks.h"

#include "analyser/anal_host.h"
#include "analyser/source_load.h"
#include "shell/sysfile.h"

namespace {

const char *const list_file = "ftree_t.txt";
const char *const cursor_file = "ftree_c2.txt";

}  // namespace

int mark_tree_lines(const char *name, const char *file, int number)
{
    for (int i = 0; i <= line_count; ++i) set_line_mark(i, "　");
    sys_remove(cursor_file);
    int next = 0, index = 0, count = 0;
    if (next_occurrence(list_file, cursor_file, name, file, number, &next, &index, &count) != 0) {
        set_line_mark(next, "□");
        for (int i = 1; i < count; ++i) {
            next_occurrence(list_file, cursor_file, name, file, number, &next, &index, &count);
            set_line_mark(next, "□");
        }
    }
    sys_remove(cursor_file);
    return 0;
}
