// Key stacks, the stacks files, the first-start files and the memo.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/dirs.h"
#include "shell/msgbox.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "tests/shell/shell_fixture.h"

using fixture::read_file;
using fixture::write_file;

namespace {

std::vector<std::string> keys()
{
    std::vector<std::string> out;
    for (int i = 0; i < key_stack_num; ++i) out.push_back(key_stack[i]);
    return out;
}

class stacks_test : public folder_test {
protected:
    void SetUp() override
    {
        folder_test::SetUp();
        fill_home_dir();
        target_field.edit = capture::new_edit();
        target_field.list = capture::new_list();
        key_stack_num = 0;
        cstack_num = 0;
        set_view("home");
        memset(edit_defs, 0, sizeof edit_defs);
        memset(edit_props, 0, sizeof edit_props);
    }
};

}  // namespace

TEST_F(stacks_test, PushFillDeleteAndPurge)
{
    for (const char *k : {"x", "abc", "y", "abc", ""}) stack_push(k);
    EXPECT_EQ(keys(), (std::vector<std::string>{"x", "y", "abc"}));
    EXPECT_EQ(capture::list_items(target_field.list), (std::vector<std::string>{"abc", "y", "x"}));

    capture::edit_text(target_field.edit) = "y";
    EXPECT_EQ(stack_delete(target_field_handle()), 0);
    EXPECT_EQ(keys(), (std::vector<std::string>{"x", "abc"}));
    capture::edit_text(target_field.edit) = "nope";
    EXPECT_EQ(stack_delete(target_field_handle()), 1);
    capture::edit_text(target_field.edit) = "";
    EXPECT_EQ(stack_delete(target_field_handle()), 1);

    key_stack_num = 0;
    for (const char *k : {"12:foo", "foo", "3(4):bar", "12", "12:"}) stack_push(k);
    stack_purge();
    EXPECT_EQ(keys(), (std::vector<std::string>{"foo", "12", "12:"}));

    key_stack_num = 0;
    for (int i = 0; i < 51; ++i) stack_push(std::to_string(i).c_str());
    EXPECT_EQ(key_stack_num, 50);
    EXPECT_STREQ(key_stack[0], "1");
    const std::string long_key(600, 'k');
    stack_push(long_key.c_str());
    EXPECT_EQ(strlen(key_stack[49]), 512u);

    win_handle field = target_field_handle();
    for (int i = 0; i < 31; ++i) cstack_push(field, std::to_string(i).c_str());
    EXPECT_EQ(cstack_num, 30);
    EXPECT_STREQ(cstack[0], "1");
    cstack_push(field, "7:x");
    common_keys_refresh();
    EXPECT_EQ(cstack_num, 29);
    EXPECT_STREQ(cstack[28], "30");
}

TEST_F(stacks_test, StackLinesOfTheStacksFiles)
{
    write_file("ostacks.dat", "home\tone\t  two\n\nproj\ta\tb\n");
    EXPECT_STREQ(stacks_lookup('o', "proj"), "a\tb\n");
    EXPECT_STREQ(stacks_lookup('o', "nope"), "●ﾌﾟﾛｼﾞｪｸﾄ(nope)が未発見");
    EXPECT_STREQ(stacks_lookup('v', "proj"), "■ﾌｧｲﾙ(vstacks.dat)が未発見");
    stack_load();
    EXPECT_EQ(keys(), (std::vector<std::string>{"one", "two"}));
    set_view("nope");
    stack_load();
    EXPECT_EQ(keys(), (std::vector<std::string>{"●ﾌﾟﾛｼﾞｪｸﾄ(nope)が未発見"}));

    set_view("proj");
    stack_load();
    stack_push("c");
    EXPECT_EQ(stack_save(), 0);
    EXPECT_EQ(read_file("ostacks.dat"), "home\tone\t  two\n\nproj\ta\tb\tc\n");
    EXPECT_EQ(read_file("ostacks.BAK"), "home\tone\t  two\n\nproj\ta\tb\n");
    EXPECT_FALSE(fixture::exists("work.dat"));

    EXPECT_EQ(stacks_save('o', "new", 'n'), 0);
    EXPECT_EQ(read_file("ostacks.dat"), "home\tone\t  two\n\nproj\ta\tb\tc\nnew\n");
    EXPECT_EQ(stacks_save('o', "proj", 'd'), 0);
    EXPECT_EQ(read_file("ostacks.dat"), "home\tone\t  two\n\nnew\n");

    write_file("pstacks.dat", "home\n");
    snprintf(edit_props[0], 1000, "%s", " FOLDER ");
    snprintf(edit_props[1], 1000, "%s", "JAVA");
    EXPECT_EQ(stacks_save('p', "proj", 'n'), 0);
    EXPECT_EQ(read_file("pstacks.dat"), "home\nproj\tFOLDER\tJAVA\t\t\t\t\t\t\n");
    EXPECT_EQ(stacks_save('p', "proj", 'o'), 0);
    EXPECT_EQ(read_file("pstacks.dat"), "home\nproj\tFOLDER\tJAVA\t\t\t\t\t\t\n");
    write_file("vstacks.dat", "proj\told");  // last line without a newline
    snprintf(edit_defs[0], 1000, "%s", "a.def");
    snprintf(edit_defs[2], 1000, "%s", "b.def");
    EXPECT_EQ(stacks_save('v', "other", 'n'), 0);
    EXPECT_EQ(stacks_save('v', "proj", 'o'), 0);
    EXPECT_EQ(read_file("vstacks.dat"), "proj\ta.def\tb.def\nother\ta.def\tb.def\n");
    EXPECT_EQ(stacks_save('x', "proj", 'o'), 0);  // any other letter is the target history

    EXPECT_EQ(stacks_save('v', "proj", 'o'), 0);
    remove("vstacks.BAK");
    fixture::make_dir("vstacks.BAK");  // the new file cannot be written
    EXPECT_EQ(stacks_save('v', "proj", 'd'), -4);
    EXPECT_EQ(read_file("vstacks.dat"), "proj\ta.def\tb.def\nother\ta.def\tb.def\n");
}

TEST_F(stacks_test, AProjectWithoutAStacksLineGetsOneOnSave)
{
    write_file("ostacks.dat", "home\tone\nother\tx");  // last line without a newline
    set_view("fresh");
    stack_load();
    EXPECT_EQ(keys(), (std::vector<std::string>{"●ﾌﾟﾛｼﾞｪｸﾄ(fresh)が未発見"}));
    stack_push("k1");
    stack_push("k2");
    EXPECT_EQ(stack_save(), 0);
    EXPECT_EQ(read_file("ostacks.dat"), "home\tone\nother\tx\nfresh\tk1\tk2\n");
    stack_load();
    EXPECT_EQ(keys(), (std::vector<std::string>{"k1", "k2"}));
    // A second save overwrites the line it made.
    stack_push("k3");
    EXPECT_EQ(stack_save(), 0);
    EXPECT_EQ(read_file("ostacks.dat"), "home\tone\nother\tx\nfresh\tk1\tk2\tk3\n");
    // A missing file's text is not saved either.
    remove("ostacks.dat");
    stack_load();
    EXPECT_EQ(keys(), (std::vector<std::string>{"■ﾌｧｲﾙ(ostacks.dat)が未発見"}));
    write_file("ostacks.dat", "home\n");
    EXPECT_EQ(stack_save(), 0);
    EXPECT_EQ(read_file("ostacks.dat"), "home\nfresh\n");
    // The definitions of a project without a line are appended too.
    write_file("vstacks.dat", "home\n");
    memset(edit_defs, 0, sizeof edit_defs);
    snprintf(edit_defs[0], 1000, "%s", "a.def");
    EXPECT_EQ(stacks_save('v', "fresh", 'o'), 0);
    EXPECT_EQ(read_file("vstacks.dat"), "home\nfresh\ta.def\n");
    set_view("home");
}

TEST_F(stacks_test, ProjectPropertiesAndKind)
{
    write_file("pstacks.dat", "home\t\tPROC\t\t\t\t\t\t\nj\tFOLDER\tJAVA\tx\t\t\t\t\t\n");
    write_file("vstacks.dat", "j\t a.def \tb.def\t\tc.def\n");
    vstack_load("j");
    EXPECT_STREQ(edit_defs[0], "a.def ");
    EXPECT_STREQ(edit_defs[1], "b.def");
    EXPECT_STREQ(edit_defs[2], "c.def");  // tabs before an entry are skipped
    pstack_load("j");
    EXPECT_STREQ(edit_props[2], "x");
    const struct {
        const char *kind;
        int want;
    } kinds[] = {{"C", 0}, {"PROC", 1}, {"JAVA", 2}, {"", 2}, {"c", 2}};
    default_lang = 2;
    for (const auto &k : kinds) {
        snprintf(project_props[1], 1000, "%s", k.kind);
        EXPECT_EQ(project_kind(), k.want) << k.kind;
    }
    load_project_props();  // the project in use is home
    EXPECT_EQ(project_kind(), 1);
    EXPECT_EQ(is_folder_mode(), 0);
}

TEST_F(stacks_test, RebuildMigrateAndFirstStart)
{
    EXPECT_EQ(stacks_rebuild('o'), 1);
    EXPECT_EQ(stacks_migrate(), 3);
    EXPECT_EQ(init_dir_files(), 0);
    for (const char *f : {"vokdir.dat", "ostacks.dat", "vstacks.dat", "pstacks.dat"}) {
        EXPECT_EQ(read_file(f), "home\n") << f;
    }

    const std::string a = drive_dir("a");
    write_file("vokdir.dat", "home\n# note\nproj\t" + a + ";HOME\n  spaced\n");
    write_file(a + "\\ostack.dat", "k1\nk2\n");
    write_file(a + "\\variable.def", "DEF\n");
    write_file("ostack.dat", "hk\n");
    write_file("ostacks.dat", "kept\n");
    fixture::make_dir("vstacks_X.dat");  // one temporary cannot be written
    EXPECT_NE(stacks_migrate(), 0);
    EXPECT_EQ(read_file("ostacks.dat"), "kept\n");
    EXPECT_TRUE(fixture::exists(a + "\\ostack.dat"));
    EXPECT_FALSE(fixture::exists("ostacks_X.dat"));
    fixture::remove_dir("vstacks_X.dat");
    EXPECT_EQ(stacks_migrate(), 0);
    EXPECT_EQ(read_file("ostacks.dat"), "home\thk\nproj\tk1\tk2\nspaced\n");
    EXPECT_EQ(read_file("vstacks.dat"), "home\nproj\tDEF\nspaced\n");
    EXPECT_EQ(read_file("pstacks.dat"), "home\nproj\nspaced\n");
    EXPECT_FALSE(fixture::exists(a + "\\ostack.dat"));
    EXPECT_FALSE(fixture::exists("ostack.dat"));

    EXPECT_EQ(stacks_rebuild('p'), 0);
    EXPECT_EQ(read_file("pstacks.dat"), "home\n#\nproj\n\n");  // first words, as written

    // Stacks files present, vokdir.dat missing: only the missing files are made.
    remove("vokdir.dat");
    write_file("ostacks.dat", "proj\tkeep\n");
    remove("vstacks.dat");
    EXPECT_EQ(init_dir_files(), 0);
    EXPECT_EQ(read_file("vokdir.dat"), "home\n");
    EXPECT_EQ(read_file("ostacks.dat"), "proj\tkeep\n");
    EXPECT_EQ(read_file("vstacks.dat"), "home\n");
}

TEST_F(stacks_test, BackupOnlyNamesAndCompare)
{
    std::string now = "home\n", old = "home\n";
    for (int i = 0; i < 105; ++i) old += "p" + std::to_string(i) + "\tx\n";
    write_file("cur.dat", now);
    write_file("bak.dat", old);
    const std::string text = backup_only_names("cur.dat", "bak.dat");
    EXPECT_EQ(text.substr(0, strlen("現ﾊﾞｯｸｱｯﾌﾟ側にのみ(p0,p1,")), "現ﾊﾞｯｸｱｯﾌﾟ側にのみ(p0,p1,");
    EXPECT_NE(text.find("p8,p9,\r\np10,"), std::string::npos);
    EXPECT_NE(text.find("p99,\r\np100,p101,p102,p103,p104)があります"), std::string::npos);

    write_file("a.dat", "home\tA\nboth\ta\n");
    write_file("b.dat", "home\tB\nboth\tb\nonly\tb");
    write_file("t.dat", "target\n");
    EXPECT_EQ(stacks_compare("a.dat", "b.dat", "t.dat", "o.dat"), 0);
    EXPECT_EQ(read_file("t.dat"), "home\tA\nboth\ta\nonly\tb");
    EXPECT_EQ(read_file("o.dat"), "target\n");
    EXPECT_EQ(stacks_compare("none.dat", "b.dat", "t.dat", "o.dat"), 1);
    EXPECT_EQ(stacks_compare("a.dat", "none.dat", "t.dat", "o.dat"), 2);
}

TEST_F(stacks_test, CommonKeysFile)
{
    const std::string long_line(1200, 'z');
    write_file("cstack.dat", "one\n" + long_line + "\ntwo\n");
    cstack_load();
    ASSERT_EQ(cstack_num, 3);
    EXPECT_EQ(strlen(cstack[1]), 512u);
    EXPECT_STREQ(cstack[2], "two");
    EXPECT_EQ(cstack_save(), 0);
    EXPECT_EQ(read_file("cstack.dat"), "one\n" + long_line.substr(0, 512) + "\ntwo\n");
}

TEST_F(stacks_test, MemoRoundTrip)
{
    load_memo();
    EXPECT_EQ(std::string(memo_buf).substr(0, 2), "\r\n");
    EXPECT_EQ(save_memo(), 0);
    EXPECT_EQ(read_file("vokmemo.dat").substr(0, 1), "\n");

    const std::string long_line(1500, 'm');
    write_file("vokmemo.dat", "a\n" + long_line + "\nb");
    load_memo();
    EXPECT_EQ(std::string(memo_buf), "a\r\n" + long_line + "\r\nb");
    snprintf(memo_buf, sizeof memo_buf, "%s", "x\r\ny\r\n");
    EXPECT_EQ(save_memo(), 0);
    EXPECT_EQ(read_file("vokmemo.dat"), "x\ny\n");

    std::string big;
    for (int i = 0; i < 500; ++i) big += "line" + std::to_string(i) + "\n";
    write_file("vokmemo.dat", big);
    load_memo();
    const std::string memo = memo_buf;
    EXPECT_LT(memo.size(), static_cast<size_t>(memo_size));
    EXPECT_EQ(memo.substr(memo.size() - 2), "\r\n");  // whole lines only
    EXPECT_EQ(save_memo(), 0);
    EXPECT_EQ(read_file("vokmemo.dat"), big);  // an unchanged cut memo leaves the file alone
}
