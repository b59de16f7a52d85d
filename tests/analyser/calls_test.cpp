// The call tables of a function-tree build: what a build records, the
// call-line list, the tree listing lines, the walk's roots and node kinds,
// the overflow messages and the call-line marks.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "analyser/body_scan.h"
#include "analyser/calls.h"
#include "analyser/source_load.h"
#include "analyser/tree_marks.h"
#include "analyser/tree_walk.h"
#include "tree_support.h"
#include "analyser/search_keys.h"

#ifdef _WIN32
#include <direct.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using tree_test::boxes;
using tree_test::build;
using tree_test::count_of;
using tree_test::lines_of;
using strings = std::vector<std::string>;

#ifdef _WIN32
int make_dir(const char *name) { return _mkdir(name); }
int remove_dir(const char *name) { return _rmdir(name); }
#else
int make_dir(const char *name) { return mkdir(name, 0755); }
int remove_dir(const char *name) { return rmdir(name); }
#endif

class Calls : public ::testing::Test {
protected:
    void SetUp() override { tree_test::setup(); }
    void TearDown() override
    {
        tree_mode = 0;
        tree_external = 0;
        param_num = 0;
        call_tables_release();
        ftree_s_close();
    }
};

// A static function called three times (twice on one line set), an external
// call and two call keywords.
const char *const basic_c =
    "static int helper(int a)\n"
    "{\n"
    "    return a + 1;\n"
    "}\n"
    "int main(void)\n"
    "{\n"
    "    helper(1);\n"
    "    helper(2);\n"
    "    printf(\"x\");\n"
    "    if (helper(3)) return sizeof(int);\n"
    "}\n";

int func_of(const char *name, int scope)
{
    for (int i = 0; i < func_num; ++i) {
        if (FUNCTBL[i].scope == scope && name_at(FUNCTBL[i].name) == std::string(name)) return i;
    }
    return -1;
}

TEST_F(Calls, OneFileTablesListsAndTree)
{
    anal_test::write_file("a.c", basic_c);
    build({"a.c"});
    EXPECT_EQ(boxes(), (strings{"0 main 0", "1 helper 0", "0 a.c 0"}));
    const tree_box_call &helper = tree_box_calls[1];
    EXPECT_EQ(helper.source, 0);
    EXPECT_EQ(helper.line, 1);
    EXPECT_EQ(helper.call_source, 0);
    EXPECT_EQ(helper.call_line, 7);
    EXPECT_EQ(helper.caller_line, 5);
    EXPECT_EQ(helper.mark, -2);

    const int h = func_of("helper", 0);  // private to a.c
    ASSERT_GE(h, 0);
    EXPECT_EQ(FUNCTBL[h].kind, -2);
    EXPECT_EQ(func_of("helper", -1), -1);
    EXPECT_EQ(func_of("if", -1), -1);
    EXPECT_EQ(func_of("sizeof", -1), -1);
    EXPECT_EQ(call_num, 5);  // heads of helper, main and a.c; main's calls of helper and printf

    const std::string listing = anal_test::read_file("ftree_s.txt");
    EXPECT_EQ(lines_of(listing, "SNAG"),
              (strings{"S00000 a.c", "N00000 helper", "N00001 ", "N00002 main", "N00003 printf", "N00004 if",
                       "N00005 sizeof", "N00006 a.c", "G00000 a.c 1 helper 0", "G00001 a.c 5 main -1",
                       "A00002 ? -1 printf -1", "G00003 a.c 1 a.c -1"}));
    EXPECT_EQ(lines_of(listing, "P").size(), 1u);
    const std::string code = anal_test::code_output();
    EXPECT_NE(code.find("■■■ E2626 MAX_SRC(2048) MAX_FUNC(16384) MAX_CALL(57344) MAX_NAME(12288) MAX_TRIG(8192)\r\n"),
              std::string::npos);
    EXPECT_NE(code.find("■■■ E2626 snum(1) fnum(4) cnum(5) aft(3) nnum(7) tnum(9)\r\n"), std::string::npos);

    call_tables_release();
    EXPECT_EQ(anal_test::read_file("ftree_t.txt"), "a.c helper 7 8 10\na.c printf 9\n");
    EXPECT_STREQ(ftree_f_name(0), "a.c");
    EXPECT_STREQ(ftree_f_name(1), "??");
}

TEST_F(Calls, StaticAndGlobalOfOneNameInTwoFiles)
{
    anal_test::write_file("a.c", "static int helper(void) { return 1; }\nint main(void) { return helper(); }\n");
    anal_test::write_file("b.c", "int helper(void) { return 2; }\nint other(void) { return helper(); }\n");
    build({"a.c", "b.c"});
    const int local = func_of("helper", 0);
    const int global = func_of("helper", -1);
    ASSERT_GE(local, 0);
    ASSERT_GE(global, 0);
    EXPECT_EQ(FUNCTBL[local].src, 0);
    EXPECT_EQ(FUNCTBL[global].src, 1);
    EXPECT_EQ(FUNCTBL[local].dup + FUNCTBL[global].dup, 0);
    EXPECT_EQ(boxes(), (strings{"0 main 0", "1 helper 0", "0 a.c 0", "0 other 0", "1 helper 0", "0 b.c 0"}));
    EXPECT_EQ(tree_box_calls[1].source, 0);
    EXPECT_EQ(tree_box_calls[4].source, 1);
}

TEST_F(Calls, DuplicateResolvesToTheCopyInTheCallingFile)
{
    anal_test::write_file("a.c", "int foo(void) { return 1; }\nint main(void) { return foo(); }\n");
    anal_test::write_file("b.c", "\nint foo(void) { return 2; }\nint bar(void) { return foo(); }\n");
    build({"a.c", "b.c"});
    const int foo = func_of("foo", -1);
    ASSERT_GE(foo, 0);
    EXPECT_EQ(FUNCTBL[foo].dup, 1);
    // Both definitions are roots; each call shows the copy of its own file.
    EXPECT_EQ(boxes(), (strings{"0 foo 2", "0 main 0", "1 foo 2", "0 a.c 0", "0 foo 2", "0 bar 0", "1 foo 2",
                                "0 b.c 0"}));
    const struct {
        int box, source, line;
    } places[] = {{0, 0, 1}, {2, 0, 1}, {4, 1, 2}, {6, 1, 2}};
    for (const auto &p : places) {
        EXPECT_EQ(tree_box_calls[p.box].source, p.source) << p.box;
        EXPECT_EQ(tree_box_calls[p.box].line, p.line) << p.box;
    }
}

TEST_F(Calls, NodeKindsAndTheCycleRoots)
{
    anal_test::write_file("d.c",
                          "int x(void) { return 0; }\n"
                          "int a(void) { return x(); }\n"
                          "int b(void) { return a(); }\n"
                          "int main(void) { a(); return b(); }\n"
                          "int ping(int n);\n"
                          "int pong(int n) { return ping(n - 1); }\n"
                          "int ping(int n) { return pong(n); }\n");
    build({"d.c"});
    // a shown a second time under b is marked as shown elsewhere; ping and
    // pong call only each other and come in through the second pass, pong
    // below ping being the recursion.
    EXPECT_EQ(boxes(), (strings{"0 main 0", "1 a 0", "2 x 0", "1 b 0", "2 a 3", "0 d.c 0", "0 pong 0", "1 ping 0",
                                "2 pong 1"}));
}

TEST_F(Calls, CallsThroughPointerParameters)
{
    anal_test::write_file("e.c",
                          "int apply(int (*cb)(int), int v) { return cb(v); }\n"
                          "int twice(int v, int (*cb)(int)) { return cb(cb(v)); }\n");
    build({"e.c"});
    // One record per function body: its scope is the function-head number.
    const struct {
        int scope, kind;
    } pointers[] = {{0, 0}, {1, 1}};
    for (const auto &p : pointers) {
        const int f = func_of("(*cb)()", p.scope);
        ASSERT_GE(f, 0) << p.scope;
        EXPECT_EQ(FUNCTBL[f].kind, p.kind);
        EXPECT_EQ(FUNCTBL[f].src, -1);
    }
    EXPECT_EQ(boxes(), (strings{"0 apply 0", "1 (*cb)() 4", "0 twice 0", "1 (*cb)() 4", "0 e.c 0"}));
    EXPECT_EQ(tree_box_calls[3].mark, 1);
    call_tables_release();
    EXPECT_EQ(anal_test::read_file("ftree_t.txt"), "e.c (*cb)() 1\ne.c (*cb)() 2 2\n");
}

TEST_F(Calls, ExternalFunctionsInAndOut)
{
    anal_test::write_file("a.c", basic_c);
    const struct {
        int externals;
        strings tree;
    } cases[] = {
        {0, {"0 main 0", "1 helper 0", "0 a.c 0"}},
        {1, {"0 main 0", "1 helper 0", "1 printf 0", "0 a.c 0"}},
    };
    for (const auto &c : cases) {
        build({"a.c"}, c.externals);
        EXPECT_EQ(boxes(), c.tree) << c.externals;
        call_tables_release();
    }
    EXPECT_EQ(tree_box_calls[2].source, -1);
    EXPECT_EQ(tree_box_calls[2].line, -1);
    EXPECT_EQ(tree_box_calls[2].call_line, 9);
}

TEST_F(Calls, CallLinesPastSixteenBits)
{
    std::string text = "int callee(void) {\n";
    for (int line = 2; line < 39999; ++line) text += "\n";
    text += "  return 0; }\nint main(void) {\n";  // main at line 40000
    for (int line = 40001; line < 70000; ++line) text += "\n";
    text += "  callee();\n  callee();\n}\n";  // lines 70000 and 70001
    anal_test::write_file("big.c", text);
    build({"big.c"});
    const int main_rec = func_of("main", -1);
    ASSERT_GE(main_rec, 0);
    EXPECT_EQ(FUNCTBL[main_rec].line, 40000);
    ASSERT_EQ(boxes(), (strings{"0 main 0", "1 callee 0", "0 big.c 0"}));
    EXPECT_EQ(tree_box_calls[1].line, 1);
    EXPECT_EQ(tree_box_calls[1].call_line, 70000);
    EXPECT_EQ(tree_box_calls[1].caller_line, 40000);
    call_tables_release();
    EXPECT_EQ(anal_test::read_file("ftree_t.txt"), "big.c callee 70000 70001\n");
}

TEST_F(Calls, AFileOfMoreRelationsThanTrigHolds)
{
    std::string text = "int main(void) {\n";
    for (int i = 0; i < 8200; ++i) text += "  f();\n";  // lines 2 .. 8201
    text += "}\n";
    anal_test::write_file("many.c", text);
    build({"many.c"}, 1);
    // The head and the first 8191 calls are kept; the rest and the file's
    // own relation are dropped with one message.
    EXPECT_EQ(count_of(anal_test::code_output(), "★★★E2525 Over trig(8192)★★★\r\n"), 1);
    EXPECT_EQ(tnum, 8192);
    EXPECT_EQ(boxes(), (strings{"0 main 0", "1 f 0"}));
    call_tables_release();
    std::string expected = "many.c f";
    for (int line = 2; line <= 8192; ++line) expected += " " + std::to_string(line);
    EXPECT_EQ(anal_test::read_file("ftree_t.txt"), expected + "\n");
}

TEST_F(Calls, ChainDeeperThanTheTreeIsCut)
{
    std::string text = "int c104(void) { return 0; }\n";
    for (int i = 103; i >= 0; --i)
        text += "int c" + std::to_string(i) + "(void) { return c" + std::to_string(i + 1) + "(); }\n";
    text += "int z(void) { return c99(); }\n";
    anal_test::write_file("deep.c", text);
    build({"deep.c"});
    const strings tree = boxes();
    ASSERT_EQ(tree.size(), 108u);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(tree[i], std::to_string(i) + " c" + std::to_string(i) + " 0");
    // c99 was cut at the deepest level, so z's shallower call shows its calls.
    const strings z_tree(tree.begin() + 100, tree.begin() + 107);
    EXPECT_EQ(z_tree, (strings{"0 z 0", "1 c99 0", "2 c100 0", "3 c101 0", "4 c102 0", "5 c103 0", "6 c104 0"}));
    EXPECT_EQ(count_of(anal_test::code_output(), "★★★E3131 Over tree depth(99)★★★\r\n"), 1);
}

TEST_F(Calls, WriteFtreeWithoutTables)
{
    EXPECT_EQ(write_ftree(), 0);
    EXPECT_EQ(tree_box_call_num, 0);
    EXPECT_EQ(anal_test::code_output(), "");
    EXPECT_EQ(call_tables_release(), 0);
}

// The name chains start empty after a reset, in every slot a previous
// build used; a slot outside the tables shares slot 0.
TEST_F(Calls, NameChainsStartEmptyAfterAReset)
{
    const int slots[] = {0, 7, MAX_NAME - 1};
    for (int round = 0; round < 2; ++round) {
        name_chain_reset();
        for (const int i : slots) {
            EXPECT_EQ(*name_head_ref(i), -1) << i;
            EXPECT_EQ(*name_tail_ref(i), -1) << i;
            *name_head_ref(i) = 3;
            *name_tail_ref(i) = 4;
        }
        EXPECT_EQ(*name_head_ref(7), 3);
        EXPECT_EQ(name_head_ref(-1), name_head_ref(0));
        EXPECT_EQ(name_tail_ref(MAX_NAME), name_tail_ref(0));
    }
}

TEST_F(Calls, SourceListReadBack)
{
    anal_test::write_file("a.c", "int f(void) { return 0; }\n");
    anal_test::write_file("b.c", "int g(void) { return 0; }\n");
    build({"a.c", "b.c"});
    EXPECT_EQ(anal_test::read_file("ftree_f.txt"), "S00000 a.c\nS00001 b.c\n");
    const struct {
        int n;
        const char *name;
    } cases[] = {{0, "a.c"}, {1, "b.c"}, {2, "??"}};
    for (const auto &c : cases) EXPECT_STREQ(ftree_f_name(c.n), c.name);
}

TEST_F(Calls, KeywordsAndIdentifiers)
{
    const struct {
        const char *name;
        int keyword, ident;
    } cases[] = {{"if", 1, 1},      {"while", 1, 1},  {"for", 1, 1},   {"switch", 1, 1}, {"return", 1, 1},
                 {"sizeof", 1, 1},  {"LOWORD", 1, 1}, {"HIWORD", 1, 1}, {"If", 0, 1},     {"_f", 0, 1},
                 {"", 0, 1},        {"9f", 0, 0},     {"(x", 0, 0},     {"*p", 0, 0}};
    for (const auto &c : cases) {
        EXPECT_EQ(is_call_keyword(c.name), c.keyword) << c.name;
        EXPECT_EQ(is_ident_start(c.name), c.ident) << c.name;
    }
    ASSERT_EQ(write_ftree_t(), 0);
    for (const char *callee : {"LOWORD", "HIWORD", "while", "9lives", "f"}) add_trig(5, "k.c", "main", 1, callee, 2);
    trig_skip_check = 1;
    add_trig(2, "k.c", "main", 1, "*key*", 3);  // a search key is recorded whatever it is
    flush_trigs();
    EXPECT_EQ(func_num, 3);  // main, f and the key
    EXPECT_GE(func_of("*key*", -1), 0);
    EXPECT_EQ(func_of("LOWORD", -1), -1);
}

// Each overflow message appears once in a build and again after the next
// write_ftree_t.
void fill_sources()
{
    char name[32];
    for (int i = 0; i <= MAX_SRC; ++i) {
        snprintf(name, sizeof name, "f%d.c", i);
        add_trig(3, name, name, 1, "", -1);
        if (i % 1000 == 0) flush_trigs();
    }
    flush_trigs();
}

void fill_names()
{
    char name[32];
    for (int i = 0; i < MAX_NAME; ++i) {
        snprintf(name, sizeof name, "f%d", i);
        add_trig(5, "a.c", "main", 1, name, 2);
        if (i % 8000 == 0) flush_trigs();
    }
    flush_trigs();
}

void fill_trig()
{
    for (int i = 0; i <= MAX_TRIG; ++i) add_trig(5, "a.c", "main", 1, "f", 2);
    flush_trigs();
}

void fill_call_lines()
{
    // The first call of a caller group is kept in its record, the others in the chain.
    for (int i = 0; i <= MAX_AFTER + 1; ++i) {
        add_trig(5, "a.c", "main", 1, "f", i + 2);
        if (i % 5000 == 0) flush_trigs();
    }
    flush_trigs();
}

void fill_functions()
{
    param_num = 1;
    snprintf(param_names[0], param_size, "cb");
    for (int i = 0; i < MAX_FUNC; ++i) {
        func_head_num = i;
        add_trig(5, "a.c", "main", 1, "cb", 2);
        if (i % 8000 == 0) flush_trigs();
    }
    flush_trigs();
    param_num = 0;
}

void fill_calls()
{
    char caller[32], callee[32];
    for (int i = 0; i < 240; ++i) {
        snprintf(caller, sizeof caller, "c%d", i);
        for (int j = 0; j < 240; ++j) {
            snprintf(callee, sizeof callee, "d%d", j);
            add_trig(5, "a.c", caller, i + 1, callee, i + 1);
        }
        flush_trigs();
    }
}

TEST_F(Calls, OverflowMessagesOncePerBuild)
{
    const struct {
        void (*fill)();
        const char *message;
    } cases[] = {
        {fill_sources, "★★★E2727 Over SRCTBL(2048)★★★\r\n"},
        {fill_names, "★★★E2424 Over name_tbl(12288)★★★\r\n"},
        {fill_trig, "★★★E2525 Over trig(8192)★★★\r\n"},
        {fill_call_lines, "★★★E2323 Over call lines(10000)★★★\r\n"},
        {fill_functions, "★★★E2828 Over FUNCTBL(16384)★★★\r\n"},
        {fill_calls, "★★★E2929 Over CALLTBL(57344)★★★\r\n"},
    };
    for (const auto &c : cases) {
        anal_test::fresh();
        ASSERT_EQ(write_ftree_t(), 0);
        c.fill();
        c.fill();
        EXPECT_EQ(count_of(anal_test::code_output(), c.message), 1) << c.message;
        ASSERT_EQ(write_ftree_t(), 0);
        c.fill();
        EXPECT_EQ(count_of(anal_test::code_output(), c.message), 2) << c.message;
        call_tables_release();
    }
}

TEST_F(Calls, UnopenableCallLineListStillBuilds)
{
    ASSERT_EQ(make_dir("ftree_t.txt.$$$"), 0);  // its temporary cannot be made
    anal_test::write_file("a.c", basic_c);
    build({"a.c"});
    build({"a.c"});
    EXPECT_EQ(count_of(anal_test::code_output(), "★★★E2222 Open ftree_t.txt★★★\r\n"), 2);
    EXPECT_EQ(boxes(), (strings{"0 main 0", "1 helper 0", "0 a.c 0"}));
    call_tables_release();
    EXPECT_EQ(remove_dir("ftree_t.txt.$$$"), 0);
}

TEST_F(Calls, MarkTreeLines)
{
    anal_test::write_file("a.c", basic_c);
    build({"a.c"});
    call_tables_release();
    anal_test::load_text(basic_c, "a.c");
    const struct {
        const char *name;
        int number;
        strings marked;  // the marks of lines 1 .. 11
    } cases[] = {
        {"helper", 7, {"　", "　", "　", "　", "　", "　", "□", "□", "　", "□", "　"}},
        {"printf", 9, {"　", "　", "　", "　", "　", "　", "　", "　", "□", "　", "　"}},
        {"helper", 8, {"　", "　", "　", "　", "　", "　", "　", "　", "　", "　", "　"}},
    };
    for (const auto &c : cases) {
        for (int n = 1; n <= line_count; ++n) set_line_mark(n, "●");
        // A cursor left from an earlier look at the same call is not used.
        anal_test::write_file("ftree_c2.txt", "a.c helper 7 8 10\n1\n");
        EXPECT_EQ(mark_tree_lines(c.name, "a.c", c.number), 0);
        strings marks;
        for (int n = 1; n <= 11; ++n) marks.push_back(line_mark[n]);
        EXPECT_EQ(marks, c.marked) << c.name << " " << c.number;
        EXPECT_EQ(anal_test::read_file("ftree_c2.txt"), "<missing>");
    }
}

TEST_F(Calls, KeyHitsOfATreeExtractionAreRecordedWhateverTheirText)
{
    // "==" does not begin like a name: only a key hit is recorded so.
    const struct {
        int extract;
        bool kept;
    } cases[] = {{0, false}, {1, true}};
    for (const auto &c : cases) {
        tree_test::setup();
        anal_test::write_file("a.c", "int main(void)\n{\n    if (go() == 1) step();\n    return 0;\n}\n");
        set_search_key("==");
        tree_extract = c.extract;
        build({"a.c"});
        tree_extract = 0;
        EXPECT_EQ(func_of("==", -1) >= 0, c.kept) << c.extract;
        EXPECT_GE(func_of("go", -1), 0);
        call_tables_release();
        const std::string calls = anal_test::read_file("ftree_t.txt");
        EXPECT_EQ(calls.find("a.c == 3") != std::string::npos, c.kept) << calls;
    }
}

}  // namespace
