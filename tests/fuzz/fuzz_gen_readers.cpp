// Fuzz target over the generators' file readers: the first byte chooses the
// file the rest of the input becomes (a definition file, "wtype.dat",
// "itype.dat", "htmlattr.dat", a kind's ".r" or ".s" file, a template, the
// X display files, the X application template, an X widget's ".s" file,
// the structures "TAG.s" and text file of a page, or an old WORK source that
// is reused), and the reader of that file runs on it from a fresh state.
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
#include "generators/gen_html.h"
#include "generators/gen_support.h"
#include "generators/htmlattr.h"
#include "generators/work_regions.h"
#include "generators/xdisplay.h"
#include "shell/startup.h"
#include "shell/text.h"

namespace {

const char *const file_names[] = {"fz.R",         "wtype.dat",   "itype.dat", "htmlattr.dat", "fzkind.r", "fzkind.s",
                                  "fz.tc",        "xdisplay.dat", "xstring.dat", "xapp.dat",    "fzx.s",    "TAG.s",
                                  "fzold.c"};
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
    para_changed();
    link_table[0] = link_rec{0, 1, "a"};
    l_num = 1;
}

// A page whose elements read their attributes from "TAG.s" and their text
// from the same bytes as "fz.txt", split by sections and "%after".
void page_form(const uint8_t *data, size_t size)
{
    write_input("fz.txt", data, size);
    const char *const words = "is_bef\n\tinput\nis_str\n\tp\n\t%\nis_pre\n\tp\nis_scr\n\tscript\n";
    write_input("htmlattr.dat", reinterpret_cast<const uint8_t *>(words), strlen(words));
    load_htmlattr();
    forms_reset_all();
    form_alloc();
    const char *const rows[][3] = {{"HTML", "", "- - JScript"}, {"TAG", "html", "x"},     {"TAG", "input", "a b c yes"},
                                   {"TAG", "p", "fz.txt sec"},   {"TAG", "%", "fz.txt"}, {"TAG", "p", "fz.txt omit"}};
    for (const auto &r : rows) {
        box_rec &b = box_table[form_num];
        copy_bounded(b.kind, sizeof b.kind, r[0]);
        copy_bounded(b.name, sizeof b.name, r[1]);
        b.y = form_num++;
        const size_t len = strlen(para_buf);
        format_text(para_buf + len, para_cap - len, "%s\n", r[2]);
        para_changed();
    }
    for (int c = 2; c < 6; ++c) link_table[l_num++] = link_rec{c == 5 ? 4 : 1, c, "on_set"};
    gen_html("fz.c", form_sta, form_num, l_sta, l_num);
}

void put_text(const char *name, const char *text)
{
    write_input(name, reinterpret_cast<const uint8_t *>(text), strlen(text));
}

// An X form run through the X generator: an APP form with one window, or a
// FORM form with one box of the fuzzed kind "fzx" and its callback.
void x_form(bool application)
{
    forms_reset_all();
    form_alloc();
    const char *kinds[] = {application ? "APP" : "FORM", application ? "fzwin" : "fzx", "fzh"};
    for (int i = 0; i < 3; ++i) {
        copy_bounded(box_table[i].kind, sizeof box_table[i].kind, kinds[i]);
        box_table[i].endx = box_table[i].endy = 10 * (i + 1);
    }
    copy_bounded(box_table[1].name, sizeof box_table[1].name, "one");
    form_num = 3;
    copy_bounded(para_buf, para_cap, "- t - 0 0 100 100\n\"a b\" omit 7 x y\n\n");
    para_changed();
    link_table[0] = application ? link_rec{0, 1, "FORM"} : link_rec{0, 1, "on_set"};
    link_table[1] = application ? link_rec{0, 1, "SW_SHOW"} : link_rec{1, 2, "XmNactivateCallback"};
    l_num = 2;
    if (!application) {
        put_text("xform.dat", "!gen_inc\n");
        put_text("xstring.dat", "V<v\nG<g\nS<XmNlabelString\nX<XmNx\nB>Callback\nC<XmNvalue\n");
        put_text("xwindow.dat", "fzx Xc XmCreateX\n");
    }
    xwin_mode = 1;
    gen_source("fzx.c", "fzx.h");
    xwin_mode = 0;
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
        read_xdisplay();
        break;
    case 8:
        read_xstring();
        xstring_text('V');
        xstring_matches('B', "XmNactivateCallback");
        break;
    case 9:
    case 10:
        x_form(which == 9);
        break;
    case 11: page_form(data + 1, size - 1); break;
    case 12:
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
