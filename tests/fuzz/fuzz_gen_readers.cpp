// Fuzz target over the generators' file readers: the first byte chooses the
// file the rest of the input becomes (a definition file, "wtype.dat",
// "itype.dat", "htmlattr.dat", a kind's ".r" or ".s" file, a template, or
// an old WORK source that is reused), and the reader of that file runs on it
// from a fresh state.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "analyser/anal_reset.h"
#include "analyser/nesting.h"
#include "analyser/source_load.h"
#include "forms/model.h"
#include "forms/para.h"
#include "generators/defs.h"
#include "generators/gen_entry.h"
#include "generators/gen_support.h"
#include "generators/htmlattr.h"
#include "generators/work_regions.h"
#include "shell/text.h"

namespace {

const char *const file_names[] = {"fz.R",     "wtype.dat", "itype.dat", "htmlattr.dat",
                                  "fzkind.r", "fzkind.s",  "fz.tc",     "fzold.c"};
const int file_count = sizeof file_names / sizeof file_names[0];

void write_input(const char *name, const uint8_t *data, size_t size)
{
    FILE *fp = fopen(name, "wb");
    if (fp == nullptr) return;
    fwrite(data, 1, size, fp);
    fclose(fp);
}

// A form of one box of the fuzzed kind linked to a named box.
void one_box_form()
{
    forms_reset_all();
    form_alloc();
    box_rec &b = box_table[0];
    copy_bounded(b.kind, sizeof b.kind, "fzkind");
    copy_bounded(box_table[1].name, sizeof box_table[1].name, "peer");
    copy_bounded(box_table[1].kind, sizeof box_table[1].kind, "EDIT");
    form_num = 2;
    copy_bounded(para_buf, para_cap, "1 \"two\" three four\n\n");
    link_table[0] = link_rec{0, 1, "a"};
    l_num = 1;
}

// The reuse of an old WORK source: its checks, the copiers of its regions
// and branches, and the audit of what was carried.
void reuse_old_source()
{
    anal_reset();
    int count = 0;
    if (load_source("fzold.c", &count) != 1) return;
    work_old_lines = count;
    int line = 0;
    check_area_marks(&line);
    find_plain_comment(&line);
    check_area_pairs(&line);
    check_switch_tabs(&line);
    check_indent(&line, count);
    FILE *out = tmpfile();
    if (out == nullptr) return;
    write_region(out, "", "", "includes", "");
    write_region(out, "WndProc", "WM_COMMAND", "switch", "\t\t");
    copy_case_branch(out, "WndProc", "WM_SIZE");
    copy_default_branch(out, "WndProc");
    work_carry_audit(&line);
    fclose(out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0) return 0;
    const int which = data[0] % file_count;
    write_input(file_names[which], data + 1, size - 1);
    generators_reset_all();
    switch (which) {
    case 0:
        read_defs("fz.R");
        def_line("a");
        break;
    case 1:
        read_wtype();
        wtype_rest("WM_SIZE");
        break;
    case 2:
        read_itype();
        idc_name("ID_X");
        break;
    case 3:
        load_htmlattr();
        is_bef("br");
        is_str("table");
        break;
    case 4:
    case 5:
        one_box_form();
        get_kind_ids(0);
        break;
    case 7:
        reuse_old_source();
        break;
    default: {
        gen_file out{tmpfile(), false};
        if (out.fp != nullptr) {
            copy_template(&out, "fz", ".tc");
            fclose(out.fp);
        }
        break;
    }
    }
    return 0;
}
