// Include records of a file and their relations in a function-tree build.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analyser/calls.h"
#include "analyser/includes.h"
#include "analyser/source_load.h"
#include "shell/text.h"
#include "tree_support.h"

namespace {

using strings = std::vector<std::string>;

class Includes : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree_test::setup();
        clear_includes();
    }
    void TearDown() override
    {
        tree_mode = 0;
        tree_external = 0;
        call_tables_release();
        clear_includes();
    }
};

TEST_F(Includes, DirectiveForms)
{
    const struct {
        const char *text;
        const char *name;  // null: nothing recorded
    } cases[] = {
        {"\"sub/dir/Foo.H\"", "foo.h"},
        {"<sys\\Types.h>", "types.h"},
        {" \t<stdio.h>", "stdio.h"},
        {"\"表.h\"", "表.h"},    // the second byte of 表 is a backslash
        {"\"アB.H\"", "アb.h"},  // the second byte of ア is an upper-case A
        {"stdio.h", nullptr},
        {"\"unclosed.h", nullptr},
        {"<mixed.h\"", nullptr},
        {"", nullptr},
    };
    for (const auto &c : cases) {
        clear_includes();
        EXPECT_EQ(add_include(7, c.text), 0);
        if (c.name == nullptr) {
            EXPECT_EQ(include_num, 0) << c.text;
            continue;
        }
        ASSERT_EQ(include_num, 1) << c.text;
        EXPECT_STREQ(include_tbl[0].name, c.name);
        EXPECT_EQ(include_tbl[0].line, 7);
    }
}

TEST_F(Includes, KeepsAHundred)
{
    for (int i = 0; i < include_cap + 5; ++i) add_include(i + 1, "<a.h>");
    EXPECT_EQ(include_num, include_cap);
    EXPECT_EQ(include_tbl[include_cap - 1].line, include_cap);
}

TEST_F(Includes, TreeBuildShowsTheFilesAndTheirIncludes)
{
    anal_test::write_file("main.c", "#include \"Lib/Util.H\"\n#include <stdio.h>\nint main(void) { return 0; }\n");
    anal_test::write_file("util.h", "int util(void);\n");
    const struct {
        int externals;
        strings tree;
    } cases[] = {
        {0, {"0 main 0", "0 main.c 0", "1 util.h 0"}},
        {1, {"0 main 0", "0 main.c 0", "1 util.h 0", "1 stdio.h 0"}},
    };
    for (const auto &c : cases) {
        tree_test::build({"main.c", "util.h"}, c.externals);
        EXPECT_EQ(tree_test::boxes(), c.tree) << c.externals;
        // The include box: defined by util.h's own relation, called from line 1 of main.c.
        const tree_box_call &util = tree_box_calls[2];
        EXPECT_EQ(util.source, 1);
        EXPECT_EQ(util.line, 1);
        EXPECT_EQ(util.call_source, 0);
        EXPECT_EQ(util.call_line, 1);
        EXPECT_EQ(util.caller_line, 1);
        call_tables_release();
    }
    EXPECT_EQ(tree_box_calls[3].call_line, 2);
}

TEST_F(Includes, FileNameWithoutSlotInLowerCase)
{
    ASSERT_EQ(write_ftree_t(), 0);
    copy_bounded(cur_file, sizeof cur_file, "c:Dir.C");
    add_include(3, "<x.h>");
    EXPECT_EQ(write_includes(), 0);
    flush_trigs();
    ASSERT_EQ(snum, 1);
    EXPECT_STREQ(SRCTBL[0], "c:Dir.C");
    const int self = name_index("dir.c");
    ASSERT_GE(self, 0);
    ASSERT_EQ(call_num, 2);  // the file's head record and its include
    EXPECT_EQ(FUNCTBL[CALLTBL[0].caller].name, self);
    EXPECT_LT(CALLTBL[0].callee, 0);
    EXPECT_STREQ(name_at(FUNCTBL[CALLTBL[1].callee].name), "x.h");
    EXPECT_EQ(CALLTBL[1].call_line, 3);
}

}  // namespace
