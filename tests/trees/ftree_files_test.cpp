// The tree files: the occurrence cursor over the call-line list, the
// source list reader, the tree listing stream and the prefix test.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "shell/text.h"
#include "trees/ftree_files.h"

namespace {

void write_file(const char *name, const std::string &text)
{
    FILE *fp = fopen(name, "w");
    fputs(text.c_str(), fp);
    fclose(fp);
}

std::string read_file(const char *name)
{
    FILE *fp = fopen(name, "r");
    if (fp == nullptr) return "<missing>";
    std::string s;
    int c;
    while ((c = fgetc(fp)) != EOF) s += static_cast<char>(c);
    fclose(fp);
    return s;
}

struct step {
    int result, next, index, count;
};

step occurrence(const char *name, const char *file, int number)
{
    step s{};
    s.result = next_occurrence("list.txt", "cursor.txt", name, file, number, &s.next, &s.index, &s.count);
    return s;
}

const char *const list_text =
    "a.c helper 12 15 19\n"
    "b.c helper 12 40\n"
    "a.c main 30 31\n";

TEST(Occurrence, StepsThroughTheLinesAndWraps)
{
    write_file("list.txt", list_text);
    remove("cursor.txt");
    const struct {
        int next, index;
    } steps[] = {{12, 0}, {15, 1}, {19, 2}, {12, 0}, {15, 1}};
    for (const auto &e : steps) {
        const step s = occurrence("helper", "a.c", 12);
        EXPECT_EQ(s.result, 1);
        EXPECT_EQ(s.next, e.next);
        EXPECT_EQ(s.index, e.index);
        EXPECT_EQ(s.count, 3);
    }
    EXPECT_EQ(read_file("cursor.txt"), "a.c helper 12 15 19\n1\n");
}

TEST(Occurrence, FileAndNumberSelectTheLine)
{
    write_file("list.txt", list_text);
    remove("cursor.txt");
    step s = occurrence("helper", "b.c", 12);
    EXPECT_EQ(s.next, 12);
    s = occurrence("helper", "b.c", 12);
    EXPECT_EQ(s.next, 40);
    EXPECT_EQ(s.count, 2);
    // Another function replaces the cursor and starts at its own number.
    s = occurrence("main", "a.c", 30);
    EXPECT_EQ(s.next, 30);
    EXPECT_EQ(s.index, 0);
    EXPECT_EQ(read_file("cursor.txt"), "a.c main 30 31\n0\n");
}

TEST(Occurrence, UnlistedOrMissingListRemovesTheCursor)
{
    const struct {
        const char *list;  // null: no list file
        const char *name, *file;
        int number;
    } cases[] = {
        {list_text, "helper", "c.c", 12},
        {list_text, "helper", "a.c", 15},
        {list_text, "a.c", "helper", 12},  // fields the wrong way round
        {nullptr, "helper", "a.c", 12},
    };
    for (const auto &c : cases) {
        if (c.list != nullptr) write_file("list.txt", c.list);
        else remove("list.txt");
        write_file("cursor.txt", "x y 1\n0\n");
        const step s = occurrence(c.name, c.file, c.number);
        EXPECT_EQ(s.result, 0) << c.name << " " << c.file;
        EXPECT_EQ(s.next, c.number);
        EXPECT_EQ(s.index, 0);
        EXPECT_EQ(read_file("cursor.txt"), "<missing>");
    }
}

TEST(FtreeFName, ReadsTheSourceLines)
{
    remove("ftree_f.txt");
    EXPECT_STREQ(ftree_f_name(0), "?");
    write_file("ftree_f.txt", "S00000 a.c\nS00001 c:sub/b.c\nS00026 z.cpp\n");
    const struct {
        int n;
        const char *name;
    } cases[] = {{0, "a.c"}, {1, "c:sub/b.c"}, {26, "z.cpp"}, {2, "??"}, {-1, "??"}};
    for (const auto &c : cases) EXPECT_STREQ(ftree_f_name(c.n), c.name) << c.n;
}

TEST(FtreeS, OpenWriteClose)
{
    EXPECT_EQ(ftree_s_stream(), nullptr);
    EXPECT_NE(ftree_s_open("no_such_folder/ftree_s.txt"), 0);
    EXPECT_EQ(ftree_s_stream(), nullptr);
    ASSERT_EQ(ftree_s_open("ftree_s.txt"), 0);
    ASSERT_NE(ftree_s_stream(), nullptr);
    fputs("S00000 a.c\n", ftree_s_stream());
    ftree_s_close();
    EXPECT_EQ(ftree_s_stream(), nullptr);
    EXPECT_EQ(read_file("ftree_s.txt"), "S00000 a.c\n");
}

TEST(ListText, HasPrefix)
{
    const struct {
        const char *text, *prefix;
        int result;
    } cases[] = {{"WM_PAINT", "WM_", 0}, {"WM_PAINT", "WM_PAINT", 0}, {"WM", "WM_", 1},
                 {"xWM_", "WM_", 1},     {"abc", "", 0},             {"", "a", 1}};
    for (const auto &c : cases) EXPECT_EQ(has_prefix(c.text, c.prefix), c.result) << c.text << " " << c.prefix;
}

}  // namespace
