// The function-pointer argument report over a scripted pointer-argument
// table, a loaded tree form and sources: its three lists, the links, the
// dropped pairs and names, and the ends of a body scan.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "analyser/flow_nodes.h"
#include "analyser/fp_args.h"
#include "analyser/wordattr.h"
#include "anal_support.h"
#include "forms/formfile.h"
#include "forms/model.h"
#include "shell/startup.h"
#include "tests/support/capture_forms.h"
#include "trees/tree_links.h"

namespace {

// The tree form the report works on: WORK, the caller, the function with
// the pointer parameters, the two functions passed, a box of another file,
// and n more boxes f0, f1, ... from box 10 on; all but "two" in source 0.
void load_tree(int more = 0)
{
    std::string rows = "#F2\n   36    10    41    25 WORK         \n";
    std::string params = "TAVIR Caption N 0 0 758 480\n";
    std::vector<std::string> names = {"caller", "run", "on_a", "on_b", "two", "p6", "p7", "p8", "p9"};
    for (int i = 0; i < more; ++i) names.push_back("f" + std::to_string(i));
    for (size_t i = 0; i < names.size(); ++i) {
        rows += "   10    31   110    44 BOX          " + names[i] + "\n";
        params += names[i] == "two" ? "1\n" : "0\n";
    }
    anal_test::write_file("ftree.f", rows + "#L2\n    0     1 ANY         \n    1     2 on_set      \n#P1\n" + params);
    forms_reset_all();
    ASSERT_EQ(load_form("ftree.f"), 0);
}

class FpArgs : public ::testing::Test {
protected:
    void SetUp() override
    {
        anal_test::fresh();
        capture_forms::reset();
        tree_links_reset();
        lang_mode = 0;
        anal_test::write_file("wordattr.dat", anal_test::read_file(VOK_ANAL_DATA "/wordattr.dat"));
        int limit = 0;
        load_wordattr(&limit);
        anal_test::write_file("ftree_f.txt", "S00000 cb.c\nS00001 other.c\nS00002 gone.c\n");
        load_tree();
    }
    void TearDown() override
    {
        forms_reset_all();
        remove("ftree_f.txt");
        remove("ftree.f");
    }
    // The state afresh for one case of a table.
    static void fresh_case()
    {
        anal_test::fresh();
        tree_links_reset();
        load_tree();
    }
    static void record(int source, int first, int second, int node, int param)
    {
        parg_tbl[parg_num++] = parg_rec{source, first, second, node, param};
    }
    // The "no_set" links the report added.
    static std::vector<std::pair<int, int>> links()
    {
        std::vector<std::pair<int, int>> v;
        for (int i = l_sta; i < l_num; ++i) {
            if (strcmp(link_table[i].name, "no_set") == 0) v.push_back({link_table[i].from, link_table[i].to});
        }
        return v;
    }
};

const char caller_source[] =
    "static int on_a(int x) { return x; }\n"
    "static int on_b(int x) { return x; }\n"
    "int run(int (*fp)(int), int n, int (*gp)(int)) { return fp(n) + gp(n); }\n"
    "int caller(void)\n"
    "{\n"
    "    int k = 0;\n"
    "    k += run(on_a, 1, on_b);\n"
    "    k += run(on_a, 2, unknown_cb);\n"
    "    k += other(on_a);\n"
    "    return k;\n"
    "}\n";

const char definitions[] =
    "E232323 関数ポインタ引数定義一覧\r\n"
    "cb.c           (1):[0001]caller         ->[0002]run       ->[00007]:P0\r\n"
    "cb.c           (1):[0001]caller         ->[0002]run       ->[00008]:P2\r\n";

TEST_F(FpArgs, ReportsUsesLinksAndMissingNames)
{
    anal_test::write_file("cb.c", caller_source);
    record(0, 1, 2, 7, 0);
    record(0, 1, 2, 8, 2);
    EXPECT_EQ(analyse_fp_args(), 0);
    EXPECT_EQ(anal_test::code_output(), std::string(definitions) +
                                            "E242424 関数ポインタ引数使用箇所一覧\r\n"
                                            "cb.c(00007):(0):[0001]caller->on_a(P0:[0002]run)\r\n"
                                            "cb.c(00007):(0):[0001]caller->on_b(P2:[0002]run)\r\n"
                                            "cb.c(00008):(0):[0001]caller->on_a(P0:[0002]run)\r\n"
                                            "cb.c(00008):(0):[0001]caller->unknown_cb(P2:[0002]run)\r\n"
                                            "E262626 呼ばれた引数指定関数が存在しない、外から呼ばれてもいないもの\r\n"
                                            "   1:(unknown_cb)\r\n");
    // on_a passed twice to P0: one link.
    EXPECT_EQ(links(), (std::vector<std::pair<int, int>>{{1, 3}, {1, 4}}));
    EXPECT_EQ(get_cb_num(), 0);
}

TEST_F(FpArgs, WithoutPointerBoxesOnlyTheHeaders)
{
    EXPECT_EQ(analyse_fp_args(), 0);
    EXPECT_EQ(anal_test::code_output(), "E232323 関数ポインタ引数定義一覧\r\nE242424 関数ポインタ引数使用箇所一覧\r\n");
    EXPECT_TRUE(links().empty());
}

TEST_F(FpArgs, SourcesThatAreNotReadOrNotListed)
{
    remove("gone.c");
    anal_test::write_file("cb.c", caller_source);
    record(-1, -1, 2, 5, 0);  // a root caller: no source
    record(2, 1, 2, 6, 0);    // the file is missing
    EXPECT_EQ(analyse_fp_args(), 0);
    EXPECT_EQ(anal_test::code_output(),
              "E232323 関数ポインタ引数定義一覧\r\n"
              "??             (1):[-001]???            ->[0002]run       ->[00005]:P0\r\n"
              "gone.c         (1):[0001]caller         ->[0002]run       ->[00006]:P0\r\n"
              "E242424 関数ポインタ引数使用箇所一覧\r\n");
}

TEST_F(FpArgs, MissingNamesAreSortedAndTheTwentyFirstIsDropped)
{
    std::string body = "int caller(void)\n{\n";
    for (int i = 21; i >= 1; --i) body += "    run(cb" + std::to_string(100 + i) + ");\n";
    body += "    run(cb105);\n}\n";
    anal_test::write_file("cb.c", body);
    record(0, 1, 2, 7, 0);
    EXPECT_EQ(analyse_fp_args(), 0);
    const std::string out = anal_test::code_output();
    std::string expected = "E262626 呼ばれた引数指定関数が存在しない、外から呼ばれてもいないもの\r\n";
    // cb121 .. cb102 are the first twenty seen; cb101 is dropped, cb105 not repeated.
    for (int i = 2; i <= 21; ++i) {
        char line[40];
        snprintf(line, sizeof line, "%4d:(cb%d)\r\n", i - 1, 100 + i);
        expected += line;
    }
    ASSERT_NE(out.find("E262626"), std::string::npos);
    EXPECT_EQ(out.substr(out.find("E262626")), expected);
    EXPECT_NE(out.find("cb.c(00003):(0):[0001]caller->cb121(P0:[0002]run)\r\n"), std::string::npos);
    EXPECT_NE(out.find("->cb101(P0"), std::string::npos) << "still listed as a use";
}

TEST_F(FpArgs, TheThousandFirstPairIsDropped)
{
    // 1001 passed functions, each with its own box: the last pair is dropped.
    load_tree(1001);
    std::string body = "int caller(void)\n{\n";
    for (int i = 0; i <= 1000; ++i) body += "    run(f" + std::to_string(i) + ");\n";
    body += "}\n";
    anal_test::write_file("cb.c", body);
    record(0, 1, 2, 7, 0);
    EXPECT_EQ(analyse_fp_args(), 0);
    ASSERT_EQ(links().size(), 1000u);
    EXPECT_EQ(links().back(), (std::pair<int, int>{1, 1009}));
    EXPECT_EQ(anal_test::code_output().find("E262626"), std::string::npos);
}

TEST_F(FpArgs, ABodyScanThatCannotGoOnEndsWithoutLinks)
{
    const std::string before = "int caller(void)\n{\n    run(on_a);\n";
    const std::string use = "cb.c(00003):(0):[0001]caller->on_a(P0:[0002]run)\r\n";
    const struct {
        const char *what;
        std::string source;
        std::string report;
    } cases[] = {
        {"an 11th parenthesis level", before + "    x = (((((((((((1)))))))))));\n    run(on_b);\n}\n",
         "cb.c(4):括弧のネストが10段を超えました、関数ポインタ引数の解析を中止します\r\n"},
        {"ten levels are allowed", before + "    x = (((((((((run(unknown_cb))))))))));\n}\n", ""},
        {"a \")\" below level 0", before + "    x = 1);\n    run(on_b);\n}\n",
         "cb.c(4):開き括弧のない)があります、関数ポインタ引数の解析を中止します\r\n"},
        {"the end of the input in the body", before,
         "cb.c(4):関数本体の途中でファイルが終わりました、関数ポインタ引数の解析を中止します\r\n"},
    };
    for (const auto &c : cases) {
        fresh_case();
        anal_test::write_file("cb.c", c.source);
        record(0, 1, 2, 7, 0);
        EXPECT_EQ(analyse_fp_args(), 0) << c.what;
        const std::string out = anal_test::code_output();
        const std::string uses = out.substr(out.find("E242424"));
        if (c.report.empty()) {
            EXPECT_EQ(uses, "E242424 関数ポインタ引数使用箇所一覧\r\n" + use +
                                "cb.c(00004):(0):[0001]caller->unknown_cb(P0:[0002]run)\r\n"
                                "E262626 呼ばれた引数指定関数が存在しない、外から呼ばれてもいないもの\r\n"
                                "   1:(unknown_cb)\r\n")
                << c.what;
            EXPECT_EQ(links().size(), 1u) << c.what;
        } else {
            EXPECT_EQ(uses, "E242424 関数ポインタ引数使用箇所一覧\r\n" + use + c.report) << c.what;
            EXPECT_TRUE(links().empty()) << c.what;
        }
    }
}

TEST_F(FpArgs, TheEndOfTheInputInsideADeclaration)
{
    const std::string before = "int caller(void)\n{\n    run(on_a);\n}\n";
    const struct {
        const char *what;
        std::string source;
        const char *report;
    } cases[] = {
        {"inside a struct's declarators", before + "struct S {\n    int a;\n}\n", "cb.c(5):★EOFを検出しましたcode(\"E229\")"},
        {"after a class's closing brace", before + "class A {\npublic:\n    int get() { return 0; }\n}\n",
         "cb.c(7):★EOFを検出しましたcode(\"E555\")"},
    };
    for (const auto &c : cases) {
        fresh_case();
        anal_test::write_file("cb.c", c.source);
        anal_test::write_file("other.c", "int caller(void) { run(on_b); }\n");
        record(0, 1, 2, 7, 0);
        record(1, 1, 2, 8, 0);
        EXPECT_EQ(analyse_fp_args(), -1) << c.what;
        const std::string out = anal_test::code_output();
        EXPECT_NE(out.find(c.report), std::string::npos) << c.what;
        EXPECT_EQ(out.find("other.c(0"), std::string::npos) << c.what << ": the analysis ends at once";
        EXPECT_TRUE(links().empty()) << c.what;
    }
}

TEST_F(FpArgs, MembersAreReadAndOtherBodiesPassedOver)
{
    anal_test::write_file("cb.cpp",
                          "namespace N {\n"
                          "class A {\n"
                          "public:\n"
                          "    int caller() { return run(on_b); }\n"
                          "};\n"
                          "}\n"
                          "A::A() : v(run(on_b)) { run(on_b); }\n"
                          "int helper(void) { return run(on_b); }\n"
                          "int caller(void) { return run(on_a); }\n");
    anal_test::write_file("ftree_f.txt", "S00000 cb.cpp\n");
    record(0, 1, 2, 7, 0);
    EXPECT_EQ(analyse_fp_args(), 0);
    const std::string out = anal_test::code_output();
    EXPECT_EQ(out.substr(out.find("E242424")),
              "E242424 関数ポインタ引数使用箇所一覧\r\n"
              "cb.cpp(00004):(0):[0001]caller->on_b(P0:[0002]run)\r\n"
              "cb.cpp(00009):(0):[0001]caller->on_a(P0:[0002]run)\r\n");
    EXPECT_EQ(links(), (std::vector<std::pair<int, int>>{{1, 4}, {1, 3}}));
}

}  // namespace
