// The common start of the WORK-source tests: a clean form model, analyser
// and capture host, a project of two folder slots ("p0", "p1") in the test's
// folder, and helpers that write sources, load an old source, capture what
// a copier writes and run the generator with scripted answers.
#ifndef VOK_TESTS_GENERATORS_WORK_FIXTURE_H
#define VOK_TESTS_GENERATORS_WORK_FIXTURE_H

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "analyser/anal_reset.h"
#include "analyser/source_load.h"
#include "forms/prescan.h"
#include "generators/gen_entry.h"
#include "generators/work_regions.h"
#include "shell/dirs.h"
#include "shell/params.h"
#include "tests/forms/form_fixture.h"
#include "tests/support/capture_shell.h"

class WorkTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        capture::reset_shell();
        anal_reset();
        work_regions_reset();
        for (const char *d : {"p0", "p1"}) {
            std::filesystem::remove_all(d);
            std::filesystem::create_directory(d);
        }
        proj_selected = 1;
        copy_bounded(proj_dirs, sizeof proj_dirs, "p0,p1");
        copy_bounded(editor, sizeof editor, "c:\\ed\\ed.exe");
        copy_bounded(option, sizeof option, "/j%d");
    }

    void TearDown() override
    {
        proj_selected = 0;
        proj_dirs[0] = '\0';
        anal_reset();
    }

    // Makes the rectangle at the end of a chain of boxes current for the
    // name-path tests: a SOURCE, a PROC of the procedure, then a WM box and
    // an ID box when named.
    static void path_to(const char *procedure, const char *wm, const char *id)
    {
        int last = box("SOURCE", "src", 0, 0, 1, 1, "gen.c");
        const int proc = box("PROC", procedure, 0, 0, 1, 1);
        link(last, proc, "on_set");
        last = proc;
        for (const auto &k : {std::make_pair("WM", wm), std::make_pair("ID", id)}) {
            if (k.second == nullptr) continue;
            const int b = box(k.first, k.second, 0, 0, 1, 1);
            link(last, b, "on_set");
            last = b;
        }
        scan_gen_box(last);
    }

    // Loads the text as the old source of a reuse (in the first slot).
    static void load_old(const std::string &text)
    {
        write_file("p0/old.c", text);
        int count = 0;
        ASSERT_EQ(1, load_source("old.c", &count));
        work_regions_reset();
        work_old_lines = count;
    }

    // Generates the current WORK form with the answers of the questions;
    // the texts of the boxes shown, each followed by "|".
    static std::string generate(std::vector<int> answers = {})
    {
        capture::boxes.clear();
        capture::answers.assign(answers.begin(), answers.end());
        gen_source("work.c", "work.h");
        std::string out;
        for (const auto &b : capture::boxes) out += b.text + "|";
        return out;
    }

    // What write runs into a scratch file, and its result.
    template <typename F> static std::string written(F write, int *result = nullptr)
    {
        FILE *out = tmpfile();
        const int r = write(out);
        if (result != nullptr) *result = r;
        std::string text;
        rewind(out);
        for (int c; (c = fgetc(out)) != EOF;) text += static_cast<char>(c);
        fclose(out);
        return text;
    }
};

#endif
