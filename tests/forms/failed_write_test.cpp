// Every writer of a user file of the form designer: a write failing half way
// or a rename failing keeps the old file byte for byte, and leaves no temporary.
#include <ctime>
#include <string>

#include "forms/copysplit.h"
#include "forms/form_places.h"
#include "forms/formfile.h"
#include "forms/view_files.h"
#include "shell/dirs.h"
#include "shell/wsize.h"
#include "tests/forms/form_fixture.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/failed_write.h"

using failed_write::writer_case;

namespace {

// A folder of its own, which is also the home folder.
class FailedWrite : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        capture::reset_shell();
        start_dir = fixture::cwd();
        static int serial = 0;
        static const std::string run = std::to_string(static_cast<long long>(time(nullptr)));
        const std::string name = "failed" + run + "_" + std::to_string(++serial);
        fixture::make_dir(name);
        ASSERT_EQ(host_chdir(name.c_str()), 0);
        copy_bounded(home_dir, sizeof home_dir, fixture::cwd().c_str());
    }
    void TearDown() override
    {
        home_dir[0] = '\0';
        host_chdir(start_dir.c_str());
    }

    // A form of a work box with two item boxes, one of them current.
    static void fresh_form()
    {
        forms_reset_all();
        form_alloc();
        const int w = box("WORK", "top", 0, 0, 100, 100, "w");
        cur_box = box("ITEMBOX", "one", 0, 20, 10, 30, "i1");
        const int c = box("K", "kid", 0, 40, 10, 50, "c1");
        const int i2 = box("ITEMBOX", "two", 0, 60, 10, 70, "i2");
        link(w, i2, "on_set");
        link(cur_box, c, "on_set");
    }

    std::string start_dir;
};

}  // namespace

TEST_F(FailedWrite, FormWritersKeepTheOldFile)
{
    const std::string old_form = "#F2\n0 0 5 5 WORK old\n#P1\nold line\n";
    const writer_case cases[] = {
        {"a form file", "cur.f",
         [&] {
             write_file("cur.f", old_form);
             fresh_form();
         },
         [] { return save_form("cur.f"); }},
        {"the rewrite of a split", "cur.f",
         [&] {
             write_file("cur.f", old_form);
             write_file("ITEMBOX.f", "old part\n");
             fresh_form();
         },
         [] { return split_form("cur.f", "ITEMBOX.f"); }},
        {"the size file of a view", "vokwsize.dat",
         [] {
             write_file("vokwsize.dat", "#F2\n10 20 30 40 1 LIST\n");
             copy_bounded(wsize_file, sizeof wsize_file, "vokwsize.dat");
             init_wsize();
             set_wvalue("FLOW", "14");
         },
         [] { return save_wsize(); }},
        {"a place file", "PROJ.P", [] { write_file("PROJ.P", "old\n"); },
         [] { return write_place_file("PROJ", 10, 20, 300, 200); }},
    };
    failed_write::expect_old_files_kept(cases);
}

TEST_F(FailedWrite, APlaceFileRemovesOnlyStaleCopiesOfTheProjectFolders)
{
#ifdef _WIN32
    const std::string proj = fixture::cwd() + "\\proj", stale = proj + "\\PROJ.P";
#else
    // Folder lists hold Windows paths: the drive T: is the folder "T:" here.
    fixture::make_dir("T:");
    capture::drive_root['T' - 'A'] = fixture::cwd() + "/T:";
    const std::string proj = "T:\\proj", stale = "T:/proj/PROJ.P";
#endif
    fixture::make_dir(fixture::native(proj));
    write_file(stale, "stale\n");
    snprintf(proj_dirs, sizeof proj_dirs, "%s;HOME", proj.c_str());  // the home folder too
    proj_selected = 1;
    EXPECT_EQ(write_place_file("PROJ", 1, 2, 3, 4), 0);
    proj_dirs[0] = '\0';
    proj_selected = 0;
    EXPECT_FALSE(fixture::exists(stale));
    EXPECT_EQ(file_text("PROJ.P"), "struct proj x1 = {\n\tTAVIR,\n\tPROJ0,\n\t0,\n\t1,\n\t2,\n\t3,\n\t4\n};\n");
}
