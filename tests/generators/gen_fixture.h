// The common start of the Win32-generator tests: a clean form model,
// generators and capture host, a project of one folder slot ("g0") in the
// test's folder, and helpers that write input files, run a generation and
// compare its output with the expected Shift-JIS files byte for byte.
#ifndef VOK_TESTS_GENERATORS_GEN_FIXTURE_H
#define VOK_TESTS_GENERATORS_GEN_FIXTURE_H

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "generators/gen_entry.h"
#include "shell/dirs.h"
#include "shell/startup.h"
#include "tests/forms/form_fixture.h"
#include "tests/support/capture_shell.h"

class GenTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        capture::reset_shell();
        generators_reset_all();
        std::filesystem::remove_all("g0");
        std::filesystem::create_directory("g0");
        proj_selected = 1;
        copy_bounded(proj_dirs, sizeof proj_dirs, "g0");
        form_mode = 0;
        xwin_mode = 0;
        full_as_centering = 0;
    }

    void TearDown() override
    {
        proj_selected = 0;
        proj_dirs[0] = '\0';
        form_mode = 0;
        xwin_mode = 0;
    }

    // A file of the project folder, written or read as bytes.
    static void put(const std::string &name, const std::string &text) { write_file("g0/" + name, text); }
    static std::string bytes(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // A generated file with CR LF read as LF: the Windows build writes its text files with CR LF.
    static std::string got(const std::string &name) { return file_text("g0/" + name); }
    static bool exists(const std::string &name) { return std::filesystem::exists("g0/" + name); }

    // The expected file of the fixtures folder, compared byte for byte
    // after line ends; a mismatch leaves the
    // actual text beside the test as "<name>.actual".
    static void expect_fixture(const std::string &fixture, const std::string &actual)
    {
        const std::string want = file_text(std::string(VOK_GEN_FIXTURES) + "/" + fixture);
        if (want != actual) {
            const std::filesystem::path kept(fixture + ".actual");
            if (kept.has_parent_path()) std::filesystem::create_directories(kept.parent_path());
            std::ofstream out(kept, std::ios::binary);
            out << actual;
        }
        EXPECT_TRUE(want == actual) << fixture << " differs; see " << fixture << ".actual";
    }

    // The text of the error boxes shown, one per line.
    static std::string box_texts()
    {
        std::string out;
        for (const auto &b : capture::boxes) out += b.text + "|";
        return out;
    }
};

#endif
