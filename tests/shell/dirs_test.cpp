// Folder slots, the search-path open, the home-folder files and vokdir.dat.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/dirs.h"
#include "shell/msgbox.h"
#include "shell/winmsg.h"
#include "tests/shell/shell_fixture.h"

using fixture::read_file;
using fixture::write_file;

namespace {

// The main screen's target field serves as the combo box of the name lists.
win_handle new_combo()
{
    target_field.edit = capture::new_edit();
    target_field.list = capture::new_list();
    return target_field_handle();
}

std::vector<std::string> &combo_items() { return capture::list_items(target_field.list); }

std::string slot(int n)
{
    char buf[dir_path_size];
    return get_proj_dir(buf, n) ? buf : "<none>";
}

}  // namespace

TEST_F(folder_test, SlotsFollowTheFolderListAndItsStopCharacters)
{
    struct row {
        const char *list;
        const char *slots[4];
    } rows[] = {
        {"d:\\src,d:\\inc;HOME", {"d:\\src", "d:\\inc", "<home>", "<none>"}},
        {"d:\\a/b,c", {"d:\\a", "<none>"}},
        {"d:\\a(x),c", {"d:\\a", "<none>"}},
        {"d:\\a\tx,c", {"d:\\a", "<none>"}},
        {"d:\\my src;e:\\b\n", {"d:\\my src", "e:\\b", "<none>"}},
        {"a,,b", {"a", "<none>"}},
        {"d:\\表示,e:\\b", {"d:\\表示", "e:\\b", "<none>"}},  // Shift-JIS names pass whole
        {"", {"<none>"}},
    };
    home_dir[0] = '\0';
    snprintf(home_dir, sizeof home_dir, "%s", "H:\\home");
    for (const row &r : rows) {
        select(r.list);
        for (int n = 0; n < 4 && r.slots[n] != nullptr; ++n) {
            const std::string want = strcmp(r.slots[n], "<home>") == 0 ? "H:\\home" : r.slots[n];
            EXPECT_EQ(slot(n), want) << r.list << " slot " << n;
        }
    }
    select("d:\\src,d:\\inc;HOME");
    char buf[dir_path_size];
    EXPECT_EQ(get_proj_dir_if_more(buf, 1), 1);
    EXPECT_EQ(get_proj_dir_if_more(buf, 2), 0);
    EXPECT_EQ(has_several_dirs(), 1);
    select("d:\\src");
    EXPECT_EQ(has_several_dirs(), 0);
    proj_selected = 0;
    EXPECT_EQ(slot(0), ".");
    EXPECT_EQ(slot(1), "<none>");
    EXPECT_EQ(has_several_dirs(), 0);
}

TEST(dirs, SlotCharactersAndPrefixes)
{
    const struct {
        int c;
        int index;
    } chars[] = {{'0', 0}, {'9', 9}, {'a', 10}, {'z', 35}, {':', 36}, {'A', -1}, {'?', -1}, {' ', -1}};
    for (const auto &c : chars) {
        EXPECT_EQ(dir_index(c.c), c.index) << static_cast<char>(c.c);
        if (c.index >= 0) {
            EXPECT_EQ(dir_char(c.index), c.c);
        }
    }
    EXPECT_EQ(dir_char(-1), '?');
    EXPECT_EQ(dir_char(40), ':');
    EXPECT_EQ(has_dir_prefix("c:x.c"), 1);
    EXPECT_EQ(has_dir_prefix("C:x.c"), 0);
    EXPECT_EQ(has_dir_prefix("1:x.c"), 1);
    EXPECT_EQ(has_dir_prefix("x.c"), 0);
    EXPECT_EQ(is_drive_path("C:\\x.c"), 1);
    EXPECT_EQ(is_drive_path("c:x.c"), 0);
    char path[64];
    EXPECT_EQ(join_path(path, sizeof path, "d:\\src", "x.c"), 0);
    EXPECT_STREQ(path, "D:\\src\\x.c");  // never read back as slot 13
    EXPECT_EQ(join_path(path, sizeof path, ".", "x.c"), 0);
    EXPECT_STREQ(path, ".\\x.c");
    EXPECT_EQ(join_path(path, 8, "folder", "name"), 1);
}

TEST_F(folder_test, OpenersFollowTheSlotsTable)
{
    const std::string a = drive_dir("a");
    const std::string b = drive_dir("b");
    write_file(a + "\\one.c", "A1\n");
    write_file(b + "\\one.c", "B1\n");
    write_file(b + "\\two.c", "B2\n");
    write_file("here.c", "H\n");
    const auto first_line = [](FILE *fp) {
        if (fp == nullptr) return std::string("<null>");
        char buf[100] = "";
        fgets(buf, sizeof buf, fp);
        fclose(fp);
        return std::string(buf);
    };
    for (const std::string &list : {a + "," + b, a + "," + b + ";HOME"}) {
        select(list);
        EXPECT_EQ(first_line(dir_fopen("one.c", "r")), "A1\n");
        EXPECT_EQ(first_line(dir_fopen("two.c", "r")), "B2\n");
        EXPECT_EQ(first_line(dir_fopen("1:one.c", "r")), "B1\n");
        EXPECT_EQ(first_line(dir_fopen("5:one.c", "r")), "<null>");
        EXPECT_EQ(first_line(dir_fopen((a + "\\one.c").c_str(), "r")), "A1\n");
        EXPECT_EQ(first_line(prefix_fopen("here.c", "r")), "H\n");
        EXPECT_EQ(first_line(prefix_fopen("two.c", "r")), "<null>");
        char out[dir_path_size];
        EXPECT_EQ(locate_file(out, sizeof out, "two.c"), 0);
        EXPECT_STREQ(out, "1:two.c");
        EXPECT_EQ(locate_file(out, sizeof out, "none.c"), list.find("HOME") != std::string::npos ? 6 : 6);
        EXPECT_EQ(locate_file(out, sizeof out, "0:two.c"), 3);
        EXPECT_EQ(locate_file(out, sizeof out, "9:two.c"), 4);
        EXPECT_EQ(find_in_dirs(out, sizeof out, "one.c", "1:x"), 1);
        EXPECT_EQ(out, b + "\\one.c");
        EXPECT_EQ(find_in_dirs(out, sizeof out, "none.c", nullptr), 0);
        EXPECT_EQ(out, a + "\\none.c");
        snprintf(out, sizeof out, "%s", "1:two.c");
        EXPECT_EQ(resolve_dir_name(out, sizeof out), 1);
        EXPECT_EQ(out, b + "\\two.c");
    }
    proj_selected = 0;
    EXPECT_EQ(first_line(dir_fopen("here.c", "r")), "H\n");
    EXPECT_EQ(first_line(dir_fopen("one.c", "r")), "<null>");
    char out[dir_path_size];
    EXPECT_EQ(locate_file(out, sizeof out, "here.c"), 0);
    EXPECT_STREQ(out, "here.c");  // a "." slot gives the plain name

    select(a + "," + b);
    write_file(a + "\\gone.c", "x");
    write_file(b + "\\gone.c", "x");
    EXPECT_EQ(dir_remove("gone.c"), 0);
    EXPECT_FALSE(fixture::exists(a + "\\gone.c"));
    EXPECT_FALSE(fixture::exists(b + "\\gone.c"));
    EXPECT_EQ(dir_remove("7:gone.c"), 1);
}

TEST_F(folder_test, ChangeDirCodes)
{
    const std::string a = drive_dir("a");
    EXPECT_EQ(change_dir("src"), -9);
    EXPECT_EQ(change_dir("..\\nowhere"), -1);
    EXPECT_EQ(change_dir(a.c_str()), 0);
    EXPECT_EQ(change_dir(root.c_str()), 0);
    EXPECT_EQ(fixture::cwd(), root);
    EXPECT_EQ(change_dir("..\\x"), -1);  // a plain directory change
}

TEST_F(folder_test, SelectProjectCodes)
{
    const std::string a = drive_dir("a");
    char name[dir_path_size] = "proj";
    const char *file = nullptr;
    EXPECT_EQ(select_project(name, &file), -8);  // no name list from vokdir.dat yet

    win_handle combo = new_combo();
    char dir_buf[dir_path_size];
    EXPECT_EQ(load_name_list(combo, "vokdir.dat", dir_buf, 0), -4);
    EXPECT_EQ(select_project(name, &file), -4);
    EXPECT_STREQ(file, "vokdir.dat");

    write_file("vokdir.dat", "home\nproj\t" + a + ",x;HOME\nother y\n");
    EXPECT_EQ(load_name_list(combo, "vokdir.dat", dir_buf, 0), 0);
    EXPECT_EQ(combo_items(), (std::vector<std::string>{"home", "proj", "other"}));
    snprintf(name, sizeof name, "%s", "nope");
    EXPECT_EQ(select_project(name, &file), -5);
    snprintf(name, sizeof name, "%s", "proj");
    EXPECT_EQ(select_project(name, &file), 0);
    EXPECT_EQ(name, a);
    EXPECT_STREQ(proj_name(), "proj");
    EXPECT_EQ(has_several_dirs(), 1);
    snprintf(name, sizeof name, "%s", "HOME");
    EXPECT_EQ(select_project(name, &file), 0);
    EXPECT_STREQ(name, home_dir);
    EXPECT_STREQ(proj_name(), "home");

    char dirs[36][256] = {};
    char defs[8][1000] = {};
    write_file(a + "\\variable.def", "D1\nD2\n");
    EXPECT_EQ(list_project_dirs("proj", dirs, defs), 2);
    EXPECT_EQ(dirs[0], a);
    EXPECT_STREQ(dirs[1], "x");
    EXPECT_STREQ(dirs[2], "");
    EXPECT_STREQ(defs[1], "D2");
    EXPECT_EQ(list_project_dirs("nope", dirs, defs), -5);
}

TEST_F(folder_test, NameListsTakeDefinesHoleListsAndStopAtSections)
{
    write_file("names.x", "# comment\n#define ALPHA 1\n  beta rest\nHOLE a,b c\n\n#L2\nafter\n");
    write_file("WM.d", "WM_ONE\nID_TWO\nHOLE WM_A,ID_B\n");
    write_file("empty.x", "# only\n");
    win_handle combo = new_combo();
    char dir_buf[dir_path_size];
    EXPECT_EQ(load_name_list(combo, "names.x", dir_buf, 2), 0);
    EXPECT_EQ(combo_items(), (std::vector<std::string>{"ALPHA", "beta", "a", "b", "c"}));
    EXPECT_EQ(load_name_list(combo, "WM.d", dir_buf, 2), 0);
    EXPECT_EQ(combo_items(), (std::vector<std::string>{"WM_ONE", "WM_A"}));
    EXPECT_EQ(load_name_list(combo, "empty.x", dir_buf, 2), -6);
    EXPECT_EQ(load_name_list(combo, "*.c", dir_buf, 2), 0);
    EXPECT_EQ(load_name_list(combo, "none.x", dir_buf, 1), 0);
}

TEST_F(folder_test, EditProjectFileRewritesThroughTheTemporary)
{
    const std::string start = "home\nproj\tA,B\nother\tC\n";
    const struct {
        char op;
        const char *name;
        const char *line;
        const char *want;
    } rows[] = {
        {'o', "proj", "proj\tX\n", "home\nproj\tX\nother\tC\n"},
        {'d', "proj", "", "home\nother\tC\n"},
        {'d', "nope", "", "home\nproj\tA,B\nother\tC\n"},
        {'n', "new", "new\tN\n", "home\nproj\tA,B\nother\tC\nnew\tN\n"},
    };
    fill_home_dir();
    for (const auto &r : rows) {
        write_file("vokdir.dat", start);
        char name[dir_path_size];
        snprintf(name, sizeof name, "%s", r.name);
        EXPECT_EQ(edit_project_file(name, sizeof name, r.line, r.op), -5) << r.op;
        EXPECT_EQ(read_file("vokdir.dat"), r.want) << r.op;
        EXPECT_EQ(read_file("vokdir.bak"), start);
        EXPECT_FALSE(fixture::exists("vokdir_X.dat"));
    }
    write_file("vokdir.dat", "home\nlast\tZ");  // no newline at the end
    char name[dir_path_size] = "new";
    EXPECT_EQ(edit_project_file(name, sizeof name, "new\tN\n", 'n'), -5);
    EXPECT_EQ(read_file("vokdir.dat"), "home\nlast\tZ\nnew\tN\n");

    // A temporary that cannot be written keeps the file.
    fixture::make_dir("vokdir_X.dat");
    EXPECT_EQ(edit_project_file(name, sizeof name, "x\n", 'n'), -4);
    EXPECT_EQ(read_file("vokdir.dat"), "home\nlast\tZ\nnew\tN\n");
    EXPECT_EQ(name, root);
}

TEST_F(folder_test, SwapCopyAndCount)
{
    fill_home_dir();
    write_file("a.dat", "A\n");
    write_file("b.dat", "B\nB2\n");
    EXPECT_EQ(swap_files("a.dat", "b.dat", "work.dat"), 0);
    EXPECT_EQ(read_file("a.dat"), "B\nB2\n");
    EXPECT_EQ(read_file("b.dat"), "A\n");
    EXPECT_EQ(count_lines("a.dat"), 2);
    EXPECT_EQ(count_lines("none.dat"), 0);
    // A missing second file: the first keeps its name and content.
    EXPECT_NE(swap_files("a.dat", "missing.dat", "work.dat"), 0);
    EXPECT_EQ(read_file("a.dat"), "B\nB2\n");
    EXPECT_FALSE(fixture::exists("work.dat"));

    EXPECT_EQ(copy_text_file("c.dat", "a.dat"), 0);
    EXPECT_EQ(read_file("c.dat"), "B\nB2\n");
    EXPECT_EQ(copy_text_file("c.dat", "none.dat"), 1);
    fixture::make_dir("dir.dat");
    EXPECT_EQ(copy_text_file("dir.dat", "a.dat"), 2);
}

TEST_F(folder_test, WalkerRunsEachPatternInTurn)
{
    for (const char *n : {"b.c", "a.c", "x.h", "y.txt"}) write_file(n, "");
    set_file_patterns("*.h, *.c  none.*");
    std::vector<std::string> got;
    char name[dir_path_size];
    while (next_file(name, sizeof name) == 0) got.push_back(name);
    std::sort(got.begin() + 1, got.end());
    EXPECT_EQ(got, (std::vector<std::string>{"x.h", "a.c", "b.c"}));
    EXPECT_EQ(next_file(name, sizeof name), 2);
}

TEST_F(folder_test, ProjectReportLines)
{
    const std::string a = drive_dir("a");
    select(a + ",.");
    win_handle edit = capture::new_edit("x\r\n");
    show_project(edit);
    EXPECT_EQ(capture::edit_text(edit).substr(0, 3), "x\r\n");
    EXPECT_NE(capture::edit_text(edit).find("0: " + a + "\r\n"), std::string::npos);
    EXPECT_NE(capture::edit_text(edit).find(root + "\r\n"), std::string::npos);
}
