// Preserved regions: the copiers over an old source and the reuse checks.
#include <cstring>
#include <string>

#include "analyser/nesting.h"
#include "generators/work_regions.h"
#include "tests/generators/work_fixture.h"

namespace {

// The 1-based line of the old source's nth line (from 1) equal to text, as
// the editor counts (a long line's later entries continue it); 0 none.
int entry_line(const char *text, int nth)
{
    int line = 0;
    bool continued = false;
    for (int i = 0; i < line_count; ++i) {
        if (!continued) ++line;
        const size_t n = strlen(source_lines[i]);
        continued = n == 0 || source_lines[i][n - 1] != '\n';
        if (strcmp(source_lines[i], text) == 0 && --nth == 0) return line;
    }
    return 0;
}

struct check_case {
    const char *what;
    const char *source;
    int code;
    int line;  // where the check stopped, when it failed
};

class WorkRegions : public WorkTest {
protected:
    template <size_t N> static void run_checks(int (*check)(int *), const check_case (&cases)[N])
    {
        for (const auto &c : cases) {
            SCOPED_TRACE(c.what);
            load_old(c.source);
            int line = 0;
            EXPECT_EQ(c.code, check(&line));
            if (c.code != 0) {
                EXPECT_EQ(c.line, line);
            }
        }
    }
};

// The first piece of a line longer than the loader's pieces, so that its
// next piece begins with a procedure head.
const std::string long_line = "\t\t\t// " + std::string(1992, 'y') + "LRESULT PASCAL Other (int a)\n";

// An old source as the user left it: a procedure head and a "WM" label
// inside regions, a region inside a branch, a long line.
const std::string old_source = std::string() +
                               "#include <windows.h>\n"
                               "/*AREA:includes*/\n"
                               "#include \"mine.h\"\n"
                               "/*END:includes*/\n"
                               "/*AREA:functions*/\n"
                               "int PASCAL helper (int a)\n"
                               "{\n"
                               "\tswitch (a) {\n"
                               "\tcase WM_USER:\n"
                               "\t\treturn 1;\n"
                               "\t}\n"
                               "\treturn 0;\n"
                               "}\n"
                               "/*END:functions*/\n"
                               "LRESULT PASCAL WndProc (HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)\n"
                               "{\n"
                               "\t/*AREA:initial*/\n"
                               "\tint count;\n"
                               "\t/*END:initial*/\n"
                               "\tswitch (msg) {\n"
                               "\tcase WM_CREATE:\n"
                               "\t\t/*AREA:switch*/\n"
                               "\t\tcreate_things();\n"
                               "\t\t/*END:switch*/\n"
                               "\t\tbreak;\n"
                               "\tcase WM_COMMAND:\n"
                               "\t\t/*AREA:switch*/\n"
                               "\t\tcommand_things();\n"
                               "\t\t/*END:switch*/\n"
                               "\t\tswitch (LOWORD(wParam)) {\n"
                               "\t\tcase IDC_OK:\n"
                               "\t\t\tok();\n"
                               "\t\t\t/*AREA:note*/\n"
                               "\t\tcase WM_PAINT:\n"
                               "\t\t}\n"
                               "\t\t\t/*END:note*/\n"
                               "\t\t\tbreak;\n"
                               "\t\tcase IDC_NO:\n" +
                               long_line +
                               "\t\t\tbreak;\n"
                               "\t\tdefault:\n"
                               "\t\t\tother();\n"
                               "\t\t\tbreak;\n"
                               "\t\t}\n"
                               "\t\tbreak;\n"
                               "\tdefault:\n"
                               "\t\treturn DefWindowProc(hwnd, msg, wParam, lParam);\n"
                               "\t}\n"
                               "\treturn 0;\n"
                               "}\n"
                               "LRESULT PASCAL SubProc (HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)\n"
                               "{\n"
                               "\t/*AREA:initial*/\n"
                               "\tint sub;\n"
                               "\t/*END:initial*/\n"
                               "\tswitch (msg) {\n"
                               "\tcase WM_CREATE:\n"
                               "\t\tsub = 1;\n"
                               "\t\tbreak;\n"
                               "\t}\n"
                               "\treturn 0;\n"
                               "}\n";

TEST_F(WorkRegions, RegionsAreFoundInTheirScope)
{
    load_old(old_source);
    const struct {
        const char *what;
        const char *procedure, *case_name, *region, *indentation;
        const char *expected;  // null: the empty region
    } cases[] = {
        {"file level", "", "", "includes", "", "/*AREA:includes*/\n#include \"mine.h\"\n/*END:includes*/\n"},
        {"a head and a label inside a region are its text", "", "", "functions", "",
         "/*AREA:functions*/\nint PASCAL helper (int a)\n{\n\tswitch (a) {\n\tcase WM_USER:\n\t\treturn 1;\n\t}\n"
         "\treturn 0;\n}\n/*END:functions*/\n"},
        {"after the first procedure: not at file level", "", "", "initial", "\t", nullptr},
        {"procedure", "WndProc", "", "initial", "\t", "\t/*AREA:initial*/\n\tint count;\n\t/*END:initial*/\n"},
        {"the same name in another procedure", "SubProc", "", "initial", "\t",
         "\t/*AREA:initial*/\n\tint sub;\n\t/*END:initial*/\n"},
        {"message branch", "WndProc", "WM_COMMAND", "switch", "\t\t",
         "\t\t/*AREA:switch*/\n\t\tcommand_things();\n\t\t/*END:switch*/\n"},
        {"first message branch", "WndProc", "WM_CREATE", "switch", "\t\t",
         "\t\t/*AREA:switch*/\n\t\tcreate_things();\n\t\t/*END:switch*/\n"},
        {"a region inside an id branch, within its message", "WndProc", "WM_COMMAND", "note", "\t\t\t",
         "\t\t\t/*AREA:note*/\n\t\tcase WM_PAINT:\n\t\t}\n\t\t\t/*END:note*/\n"},
        {"a message without the region", "SubProc", "WM_CREATE", "switch", "\t\t", nullptr},
        {"a message gone", "WndProc", "WM_PAINT", "switch", "\t\t", nullptr},
        {"a procedure gone", "Gone", "", "initial", "\t", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        int result = -1;
        const std::string text =
            written([&](FILE *out) { return write_region(out, c.procedure, c.case_name, c.region, c.indentation); },
                    &result);
        if (c.expected != nullptr) {
            EXPECT_EQ(1, result);
            EXPECT_EQ(c.expected, text);
        } else {
            EXPECT_EQ(0, result);
            const std::string in = c.indentation;
            EXPECT_EQ(in + "/*AREA:" + c.region + "*/\n" + in + "\n" + in + "/*END:" + c.region + "*/\n", text);
        }
    }
    // without old lines every region is written empty
    work_old_lines = 0;
    EXPECT_EQ("/*AREA:includes*/\n\n/*END:includes*/\n",
              written([](FILE *out) { return write_region(out, "", "", "includes", ""); }));
}

// A region whose closing marker is missing runs to the end of the old text;
// a long line inside a region is copied whole.
TEST_F(WorkRegions, OpenRegionAndLongLines)
{
    load_old("/*AREA:includes*/\n" + long_line + "int PASCAL f (int a)\n{\n}\n");
    EXPECT_EQ("/*AREA:includes*/\n" + long_line + "int PASCAL f (int a)\n{\n}\n",
              written([](FILE *out) { return write_region(out, "", "", "includes", ""); }));
    load_old("int PASCAL f (int a)\n{\n\t/*AREA:initial*/\n" + long_line + "\t/*END:initial*/\n}\n");
    EXPECT_EQ("\t/*AREA:initial*/\n" + long_line + "\t/*END:initial*/\n",
              written([](FILE *out) { return write_region(out, "f", "", "initial", "\t"); }));
}

// Every filled region of the old source must come back: one whose key was
// not asked for, or a second one of a carried key in its scope, is named
// with its opening line; regions of blanks and tabs do not count.
TEST_F(WorkRegions, CarryAuditNamesTheRegionsLeftBehind)
{
    struct key {
        const char *procedure, *case_name, *region;
    };
    const key all[] = {
        {"", "", "includes"},         {"", "", "functions"},           {"WndProc", "", "initial"},
        {"WndProc", "WM_CREATE", "switch"}, {"WndProc", "WM_COMMAND", "switch"}, {"WndProc", "WM_COMMAND", "note"},
        {"SubProc", "", "initial"},
    };
    const struct {
        const char *what;
        int left_out;  // the key not written, -1 none
        int fault;
        const char *opening;  // the line of the named region, and which of its kind
        int nth;
    } cases[] = {
        {"every key written", -1, 0, nullptr, 0},
        {"a message's region", 4, carry_dropped, "\t\t/*AREA:switch*/\n", 2},
        {"a procedure's region", 6, carry_dropped, "\t/*AREA:initial*/\n", 2},
        {"a file-level region", 0, carry_dropped, "/*AREA:includes*/\n", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        work_regions_reset();
        load_old(old_source);
        for (int k = 0; k < 7; ++k) {
            if (k == c.left_out) continue;
            written([&](FILE *out) { return write_region(out, all[k].procedure, all[k].case_name, all[k].region, ""); });
        }
        int line = 0;
        EXPECT_EQ(c.fault, work_carry_audit(&line));
        if (c.fault != 0) {
            EXPECT_EQ(entry_line(c.opening, c.nth), line);
        }
    }

    const std::string twice = "int PASCAL f (int a)\n{\n\t/*AREA:initial*/\n\tint a;\n\t/*END:initial*/\n"
                              "\t/*AREA:initial*/\n%s\t/*END:initial*/\n\t/*AREA:gone*/\n \t\n\t/*END:gone*/\n}\n";
    const struct {
        const char *what;
        const char *second;  // the second region's text
        int fault;
    } dups[] = {
        {"a filled second region", "\tint b;\n", carry_duplicate},
        {"a blank second region", "\t \n\n", 0},
    };
    for (const auto &d : dups) {
        SCOPED_TRACE(d.what);
        work_regions_reset();
        std::string text = twice;
        text.replace(text.find("%s"), 2, d.second);
        load_old(text);
        EXPECT_EQ("\t/*AREA:initial*/\n\tint a;\n\t/*END:initial*/\n",
                  written([](FILE *out) { return write_region(out, "f", "", "initial", "\t"); }));
        int line = 0;
        EXPECT_EQ(d.fault, work_carry_audit(&line));
        if (d.fault != 0) {
            EXPECT_EQ(6, line);
        }
    }
}

TEST_F(WorkRegions, CaseBranchesEndAtTheirDepth)
{
    load_old(old_source);
    const struct {
        const char *what;
        const char *procedure, *wm, *id, *label;
        const char *expected;  // null: not found
    } cases[] = {
        {"an id branch holding a region", "WndProc", "WM_COMMAND", "IDC_OK", "IDC_OK",
         "\t\tcase IDC_OK:\n\t\t\tok();\n\t\t\t/*AREA:note*/\n\t\tcase WM_PAINT:\n\t\t}\n\t\t\t/*END:note*/\n"
         "\t\t\tbreak;\n"},
        {"a branch ended by the default label", "WndProc", "WM_COMMAND", "NO", "IDC_NO", nullptr},
        {"a message branch ended by the next case", "WndProc", "WM_CREATE", nullptr, "WM_CREATE",
         "\tcase WM_CREATE:\n\t\t/*AREA:switch*/\n\t\tcreate_things();\n\t\t/*END:switch*/\n\t\tbreak;\n"},
        {"the last branch ended by the brace", "SubProc", "WM_CREATE", nullptr, "WM_CREATE",
         "\tcase WM_CREATE:\n\t\tsub = 1;\n\t\tbreak;\n"},
        {"another message's path", "WndProc", "WM_CREATE", "IDC_OK", "IDC_OK", ""},
        {"a label inside a region is no branch", "WndProc", "WM_PAINT", nullptr, "WM_PAINT", ""},
        {"a procedure gone", "Gone", "WM_CREATE", nullptr, "WM_CREATE", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        path_to(c.procedure, c.wm, c.id);
        int result = -1;
        const std::string text =
            written([&](FILE *out) { return copy_case_branch(out, c.procedure, c.label); }, &result);
        if (c.expected == nullptr) {  // the long line's branch: its continuation is copied, not read as a head
            EXPECT_EQ(1, result);
            EXPECT_EQ("\t\tcase IDC_NO:\n" + long_line + "\t\t\tbreak;\n", text);
        } else {
            EXPECT_EQ(c.expected[0] != '\0' ? 1 : 0, result);
            EXPECT_EQ(c.expected, text);
        }
    }
}

TEST_F(WorkRegions, DefaultBranchesAtThePathsDepth)
{
    load_old(old_source);
    const struct {
        const char *what;
        const char *procedure, *wm;
        const char *expected;
    } cases[] = {
        {"the message's default", "WndProc", "WM_COMMAND", "\t\tdefault:\n\t\t\tother();\n\t\t\tbreak;\n"},
        {"the procedure's default", "WndProc", nullptr,
         "\tdefault:\n\t\treturn DefWindowProc(hwnd, msg, wParam, lParam);\n"},
        {"a message without a default", "WndProc", "WM_CREATE", ""},
        {"a procedure without a default", "SubProc", nullptr, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        path_to(c.procedure, c.wm, nullptr);
        int result = -1;
        const std::string text = written([&](FILE *out) { return copy_default_branch(out, c.procedure); }, &result);
        EXPECT_EQ(c.expected[0] != '\0' ? 1 : 0, result);
        EXPECT_EQ(c.expected, text);
    }
}

TEST_F(WorkRegions, AreaPairCodes)
{
    const check_case cases[] = {
        {"sound", "/*AREA:a*/\nx\n/*END:a*/\n\t/*AREA:b_C*/\n\t/*END:b_C*/\n", 0, 0},
        {"an opening marker inside a region", "/*AREA:x*/\n/*AREA:y*/\n", pair_open_in_region, 2},
        {"no star after the name", "\n/*AREA:x1*/\n", pair_open_no_star, 2},
        {"a star without a slash", "/*AREA:x*\n", pair_open_no_slash, 1},
        {"a closing marker outside", "x\n/*END:x*/\n", pair_close_no_region, 2},
        {"closing: no star", "/*AREA:x*/\n/*END:x */\n", pair_close_no_star, 2},
        {"closing: no slash", "/*AREA:x*/\n/*END:x**/\n", pair_close_no_slash, 2},
        {"closing another region", "/*AREA:x*/\n/*END:y*/\n", pair_close_other_name, 2},
        {"closing a longer name", "/*AREA:x*/\n/*END:xy*/\n", pair_close_other_name, 2},
        {"open at the end: the opening line", "a\n\t/*AREA:x*/\nb\nc\n", pair_open_in_region, 2},
        {"a marker in a conditional block", "#ifdef X\n/*AREA:x*/\n/*END:x*/\n#endif\n", pair_cond_open, 2},
        {"a closing marker in one", "/*AREA:x*/\n#if 1\n/*END:x*/\n#endif\n", pair_cond_close, 3},
        {"a head in one", "#ifndef TAB_NEXT\nint PASCAL f (int a)\n#endif\n", pair_cond_head, 2},
        {"switch", "#ifdef OTHER\n\tswitch (a) {\n#endif\n", pair_cond_switch, 2},
        {"case", "#if 0\n\tcase 1:\n#endif\n", pair_cond_case, 2},
        {"default", "#if 0\n\tdefault:\n#endif\n", pair_cond_default, 2},
        {"brace", "  #if 0\n\t}\n#endif\n", pair_cond_brace, 2},
        {"TAB_NEXT at depth 1", "#ifndef TAB_NEXT\n\tswitch (a) {\n\tcase 1:\n\tdefault:\n\t}\n#endif\n", 0, 0},
        {"CONTROLPROC at depth 1", "#ifndef CONTROLPROC\n\tswitch (a) {\n\t}\n#endif\n", 0, 0},
        {"CONTROLPROC at depth 2", "#ifndef CONTROLPROC\n#ifdef X\n\tswitch (a) {\n#endif\n#endif\n",
         pair_cond_switch, 3},
        {"after #endif", "#ifdef X\n#endif\n\tswitch (a) {\n\t}\n", 0, 0},
        {"an #endif too many", "#endif\n\tswitch (a) {\n\t}\n", 0, 0},
    };
    run_checks(check_area_pairs, cases);
}

TEST_F(WorkRegions, SwitchTabs)
{
    const check_case cases[] = {
        {"tabs only", "\tswitch (a) {\n\tcase 1:\n\tdefault:\n\t}\n// note\n\t/*AREA:x*/\n\t/*END:x*/\n", 0, 0},
        {"a case indented by blanks", "\tswitch (a) {\n    case 1:\n", tabs_blank_indent, 2},
        {"a blank among the tabs", "\t \tdefault:\n", tabs_blank_indent, 1},
        {"a brace", "\t \t}\n", tabs_blank_indent, 1},
        {"other lines may hold blanks", "  int a;\n  return 0;\n", 0, 0},
        {"a block comment at the start", "int a;\n  /* note */\n", tabs_block_comment, 2},
    };
    run_checks(check_switch_tabs, cases);
}

// The shape the generator writes passes the four reuse checks; the old
// source above fails only where its user text breaks the rules.
TEST_F(WorkRegions, GeneratedShapePassesEveryCheck)
{
    load_old("#include <windows.h>\n"
             "/*AREA:includes*/\n"
             "/*END:includes*/\n"
             "#ifndef CONTROLPROC\n"
             "LRESULT CALLBACK ControlProc (HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);\n"
             "#endif\n"
             "LRESULT PASCAL WndProc (HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)\n"
             "{\n"
             "\t/*AREA:initial*/\n"
             "\t/*END:initial*/\n"
             "\tswitch (msg) {\n"
             "\tcase WM_COMMAND:\n"
             "\t\t/*AREA:switch*/\n"
             "\t\t/*END:switch*/\n"
             "\t\tswitch (LOWORD(wParam)) {\n"
             "\t\tcase IDC_OK:\n"
             "\t\t\tbreak;\n"
             "\t\t}\n"
             "\t\tbreak;\n"
             "\tdefault:\n"
             "\t\tbreak;\n"
             "\t}\n"
             "\treturn 0;\n"
             "}\n");
    int line = 0;
    EXPECT_EQ(0, check_area_marks(&line));
    EXPECT_EQ(0, find_plain_comment(&line));
    EXPECT_EQ(0, check_area_pairs(&line));
    EXPECT_EQ(0, check_switch_tabs(&line));
    EXPECT_EQ(0, check_indent(&line, work_old_lines));

    load_old(old_source);
    EXPECT_EQ(0, check_area_marks(&line));
    EXPECT_EQ(0, find_plain_comment(&line));
    EXPECT_EQ(0, check_area_pairs(&line));
    EXPECT_EQ(0, check_switch_tabs(&line));
}

}  // namespace
