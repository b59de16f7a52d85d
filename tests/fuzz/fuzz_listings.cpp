// Fuzz target of the source listings and the CODE screen's text readers: the
// bytes are one source file, listed whole with its own parse, searched as
// plain text, and asked for the function at a line; as a selection they go
// through the F10 and editor parsers; as the CODE output they are saved
// without the notices and taken into the memo.  The listing must end and
// every copy stay inside its buffer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "analyser/anal_reset.h"
#include "analyser/preproc.h"
#include "analyser/startup_tables.h"
#include "analyser/wordattr.h"
#include "shell/dirs.h"
#include "shell/screens.h"
#include "shell/sjis.h"
#include "shell/stacks.h"
#include "shell/text.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/capture_analyser.h"
#include "tests/support/capture_host.h"
#include "tests/support/capture_shell.h"
#include "trees/code_text.h"
#include "trees/func_list.h"
#include "trees/listings.h"
#include "trees/trees_reset.h"

namespace {

void setup_once()
{
    static bool done = false;
    if (done) return;
    done = true;
    fuzz::scratch();
    if (!fuzz::copy_file(VOK_ANAL_DATA "/wordattr.dat", "wordattr.dat")) exit(2);
    init_sjis_table();
    init_char_class();
}

void start_fresh()
{
    capture::reset();
    capture::reset_shell();
    capture_anal::reset();
    anal_reset();
    trees_reset_all();
    home_dir[0] = '\0';
    code_out_hwnd = capture::new_edit();
    int limit = 0;
    load_wordattr(&limit);
    load_env_defines("");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    setup_once();
    start_fresh();
    if (!fuzz::write_file("src.c", data, size)) return 0;
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::string first_line = text.substr(0, text.find('\n'));

    FILE *tag = fopen("voktavir.tag", "w");
    if (tag == nullptr) return 0;
    fputs("---------- src.c ----------\n", tag);
    fclose(tag);
    load_tag_file("voktavir.tag");
    cur_index = 0;
    search_mode = size > 0 ? data[0] & 1 : 0;
    copy_bounded(search_text, sizeof search_text, first_line.c_str());
    char file[list_file_size];
    fill_list_with_parse(code_out_hwnd, file, filter_collect);
    grep_file(first_line.c_str(), code_out_hwnd, "src.c", 0);
    int line = size > 1 ? data[1] : 1;
    char name[top_name_size];
    find_function_at_line("src.c", &line, name);

    char ref[selection_size];
    int ref_line = 0;
    parse_line_ref(first_line.c_str(), ref, sizeof ref, &ref_line);
    char dir[dir_path_size];
    parse_editor_ref(first_line.c_str(), dir, sizeof dir, ref, sizeof ref, &ref_line);
    FILE *out = fopen("saved.txt", "w");
    if (out != nullptr) {
        write_code_lines(out, text.c_str());
        fclose(out);
    }
    copy_bounded(memo_buf, sizeof memo_buf, first_line.c_str());
    memo_command(memo_append, text.c_str());
    if (strlen(memo_buf) >= sizeof memo_buf) abort();
    return 0;
}
