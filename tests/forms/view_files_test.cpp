// The size files of the views: written whole, read over the defaults, and
// always from the home folder.
#include <gtest/gtest.h>

#include <string>

#include "forms/view_files.h"
#include "shell/wsize.h"
#include "tests/shell/shell_fixture.h"

using fixture::read_file;
using fixture::write_file;

TEST_F(folder_test, SizeFileRoundTripFromTheHomeFolder)
{
    fill_home_dir();
    snprintf(wsize_file, sizeof wsize_file, "%s", "vokwsize.dat");
    EXPECT_EQ(load_wsize(), 1);  // no file: the defaults
    int x, y, w, h;
    get_wsize("RELATION", &x, &y, &w, &h);
    EXPECT_EQ(h, 245);

    set_wvalue("FLOW", "14");
    set_wvalue("PROPERTY", "1LF....");
    wsize_tbl[wsize_index("CODE")].x = 33;
    wsize_tbl[wsize_index("CODE")].height = 99;
    EXPECT_EQ(save_wsize(), 0);
    const std::string saved = read_file("vokwsize.dat");
    EXPECT_NE(saved.find("#F2"), std::string::npos);
    EXPECT_NE(saved.find("FLOW"), std::string::npos);

    // From a project folder holding a file of the same name, the home copy is read.
    const std::string project = drive_dir("proj");
    write_file(project + "\\vokwsize.dat", "#F2\nnothing here\n");
    ASSERT_EQ(host_chdir(project.c_str()), 0);
    select(project);
    init_wsize();
    EXPECT_EQ(load_wsize(), 0);
    char value[32];
    get_wvalue("FLOW", value);
    EXPECT_STREQ(value, "14");
    get_wvalue("PROPERTY", value);
    EXPECT_STREQ(value, "1LF....");
    get_wsize("CODE", &x, &y, &w, &h);
    EXPECT_EQ(x, 33);
    EXPECT_EQ(h, 99);
    get_wsize("LIST", &x, &y, &w, &h);
    EXPECT_EQ(y, 600);

    // Saving again writes the same text.
    EXPECT_EQ(save_wsize(), 0);
    EXPECT_EQ(read_file(root + "/vokwsize.dat"), saved);
}

TEST_F(folder_test, UnknownScreenRowsAreLeftOut)
{
    fill_home_dir();
    snprintf(wsize_file, sizeof wsize_file, "%s", "vokwsiz2.dat");
    init_wsize();
    set_wvalue("TAVIR", "2");
    wsize_tbl[wsize_index("TAVIR")].width = 500;
    EXPECT_EQ(save_wsize(), 0);
    std::string text = read_file("vokwsiz2.dat");
    const size_t at = text.find("TAVIR");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 5, "OTHER");
    write_file("vokwsiz2.dat", text);
    EXPECT_EQ(load_wsize(), 0);
    int x, y, w, h;
    get_wsize("TAVIR", &x, &y, &w, &h);
    EXPECT_EQ(w, 880);  // the default stays
    char value[32];
    get_wvalue("TAVIR", value);
    EXPECT_STREQ(value, "0");
    fixture::make_dir("vokwsize.$$$");  // the temporary cannot be written
    EXPECT_EQ(save_wsize(), 1);
    EXPECT_EQ(read_file("vokwsiz2.dat"), text);
    snprintf(wsize_file, sizeof wsize_file, "%s", "vokwsize.dat");
}

TEST_F(folder_test, SizeFilesCarryNoParameterSectionAndOldOnesWithOneStillRead)
{
    fill_home_dir();
    snprintf(wsize_file, sizeof wsize_file, "%s", "vokwsize.dat");
    init_wsize();
    set_wvalue("FORM", "99");
    EXPECT_EQ(save_wsize(), 0);
    const std::string saved = read_file("vokwsize.dat");
    EXPECT_EQ(saved.find("#P1"), std::string::npos);
    // An older file with a parameter section after the rows.
    write_file("vokwsize.dat", saved + "#P1       \nFORM 1 2 3 4 x\n");
    init_wsize();
    EXPECT_EQ(load_wsize(), 0);
    char value[32];
    get_wvalue("FORM", value);
    EXPECT_STREQ(value, "99");
    int x, y, w, h;
    get_wsize("FORM", &x, &y, &w, &h);
    EXPECT_NE(x, 1);
}
