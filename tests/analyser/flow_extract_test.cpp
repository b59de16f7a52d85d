// Flow extraction: the node records each statement kind leaves, the goto
// labels, and the failures of a body that cannot be followed.
#include <gtest/gtest.h>

#include <string>

#include "analyser/failures.h"
#include "analyser/flow_extract.h"
#include "analyser/flow_nodes.h"
#include "analyser/lexer.h"
#include "shell/anal_owner.h"
#include "anal_support.h"
#include "shell/winmsg.h"

namespace {

// "i:tmn branch parent sline-eline" of every node after the head run
// (nodes 0 to 3; the body hangs under node 2).
std::string rows(int from = 4)
{
    std::string s;
    for (int i = from; i < cb_num; ++i) {
        const cb *c = cbp[i];
        char text[128];
        snprintf(text, sizeof text, "%s%d:%c%c%c %d %d %d-%d", s.empty() ? "" : "; ", i, c->t, c->m, c->n, c->branch,
                 c->parent, c->sline, c->eline);
        s += text;
    }
    return s;
}

int body_owner;

void extract(void *) { parse_block(1, body_owner); }

// Loads the body (its "{" the first token), builds the head run and reads
// the body under it: 0 done, 1 failed.
int extract_text(const std::string &body)
{
    anal_test::fresh();
    set_anal_owner(capture::new_edit());
    remove("voktavir.dat");
    anal_test::load_text(body);
    free_labels();
    cb_num = 0;
    get_cb(4, tpl_head, -1, &body_owner);
    next_token();
    return anal_guard(extract, nullptr);
}

struct extract_case {
    const char *name;
    const char *body;
    const char *rows;
};

void check_cases(const extract_case *cases, size_t n)
{
    for (size_t k = 0; k < n; ++k) {
        const extract_case &c = cases[k];
        EXPECT_EQ(extract_text(c.body), 0) << c.name;
        EXPECT_EQ(rows(), c.rows) << c.name;
        EXPECT_TRUE(capture::boxes.empty()) << c.name;
    }
}

TEST(FlowExtract, StatementKinds)
{
    const extract_case cases[] = {
        {"three statements merge into one box",
         "{\n"
         "  a = 1;\n"
         "  b = 2;\n"
         "  c = 3;\n"
         "}\n",
         "4:Xa- 0 2 2-4"},
        {"empty body",
         "{\n"
         "}\n",
         ""},
        {"empty inner block",
         "{\n"
         "  { }\n"
         "}\n",
         "4:Ka- 0 2 2-2"},
        {"labelled statement starts a run",
         "{\n"
         "  a = 1;\n"
         "  b = 2;\n"
         "L1: c = 3;\n"
         "  d = 4;\n"
         "}\n",
         "4:Xa> 0 2 2-3; 5:Xa- 0 2 4-5"},
        {"if without else",
         "{\n"
         "  if (a)\n"
         "    b();\n"
         "  c();\n"
         "}\n",
         "4:Xy^ 10 2 2-3; 5:Id> 8 4 2-2; 6:Ma> 0 0 3-3; 7:Ie- 0 4 0-0; 8:I.> 0 4 0-0; "
         "9:Ie- 0 4 0-0; 10:Xa- 0 2 4-4"},
        {"if chain",
         "{\n"
         "  if (a) {\n"
         "    x();\n"
         "  } else if (b)\n"
         "    y();\n"
         "  else\n"
         "    z();\n"
         "}\n",
         "4:Xy- 0 2 2-7; 5:Id> 11 4 2-2; 6:Ix> 10 4 2-4; 7:Ie- 0 4 0-0; 8:I.> 0 4 0-0; "
         "9:Ie- 0 4 0-0; 10:Xa- 0 6 3-3; 11:Id> 16 4 4-4; 12:Ma> 0 0 5-5; 13:Ie- 0 4 0-0; "
         "14:I.> 0 4 0-0; 15:Ie- 0 4 0-0; 16:E.> 0 4 6-6; 17:Ma> 0 0 7-7; 18:Ee- 0 4 0-0"},
        {"switch",
         "{\n"
         "  switch (k) {\n"
         "  case 1:\n"
         "    a();\n"
         "    b();\n"
         "  case 2:\n"
         "    break;\n"
         "  default:\n"
         "    c();\n"
         "  }\n"
         "}\n",
         "4:Sy- 0 2 2-10; 5:.x- 7 4 0-0; 6:.x- 8 4 0-0; 7:Ad> 10 4 2-3; 8:Xa> 0 4 4-5; "
         "9:.x- 11 4 0-0; 10:Ad> 13 4 6-6; 11:Be- 0 4 7-7; 12:.x- 14 4 0-0; 13:T.> 15 4 8-8; "
         "14:Xa> 0 4 9-9; 15:Ee- 0 4 0-0"},
        {"switch without default",
         "{\n"
         "  switch (k) {\n"
         "  case 1:\n"
         "    a();\n"
         "  }\n"
         "}\n",
         "4:Sy- 0 2 2-5; 5:.x- 7 4 0-0; 6:.x- 8 4 0-0; 7:Ad> 10 4 2-3; 8:Xa> 0 4 4-4; "
         "9:Ee- 0 4 0-0; 10:E.> 0 4 0-0; 11:Ee- 0 4 0-0"},
        {"switch without case",
         "{\n"
         "  switch (k) {\n"
         "  }\n"
         "}\n",
         "4:Sy- 0 2 2-3; 5:.x- 7 4 0-0; 6:Ee- 0 4 0-0; 7:..> 0 4 0-0; 8:Ee- 0 4 0-0"},
        {"loops",
         "{\n"
         "  for (i = 0; i < n; i++) {\n"
         "    if (x) break;\n"
         "    continue;\n"
         "  }\n"
         "  while (w)\n"
         "    y();\n"
         "  do {\n"
         "    z();\n"
         "  } while (q);\n"
         "}\n",
         "4:xy^ 19 2 2-5; 5:Fa> 0 4 2-2; 6:Ff> 9 4 2-2; 7:Fx> 10 4 2-5; 8:Fr- 6 4 0-0; "
         "9:Fe- 0 4 0-0; 10:Xy^ 17 7 3-3; 11:Id> 14 10 3-3; 12:Ix> 16 10 3-3; 13:Ie- 0 10 0-0; "
         "14:I.> 0 10 0-0; 15:Ie- 0 10 0-0; 16:Pb- 4 12 3-3; 17:Xy- 0 7 4-4; 18:Ca- 0 8 4-4; "
         "19:Xy^ 24 2 6-7; 20:Wf> 23 19 6-6; 21:Ma> 0 0 7-7; 22:Wr- 20 19 0-0; 23:We- 0 19 0-0; "
         "24:Xy- 0 2 8-10; 25:D.> 0 24 8-8; 26:Dx> 29 24 8-10; 27:Dr> 25 24 10-10; 28:De- 0 24 0-0; "
         "29:Xa- 0 26 9-9"},
        {"break outside",
         "{\n"
         "  break;\n"
         "  a();\n"
         "}\n",
         "4:Xa- 0 2 2-3"},
        {"try",
         "{\n"
         "  try {\n"
         "    a();\n"
         "  } catch (E e) {\n"
         "    b();\n"
         "  } finally {\n"
         "    c();\n"
         "  }\n"
         "  synchronized (m) {\n"
         "    d();\n"
         "  }\n"
         "}\n",
         "4:Xy^ 10 2 2-4; 5:Yf> 8 4 2-2; 6:Yx> 9 4 2-4; 7:Yr- 5 4 0-0; 8:Ye- 0 4 0-0; "
         "9:Xa- 0 6 3-3; 10:Xy^ 16 2 4-6; 11:Hf> 14 10 4-4; 12:Hx> 15 10 4-6; 13:Hr- 11 10 0-0; "
         "14:He- 0 10 0-0; 15:Xa- 0 12 5-5; 16:Xy^ 22 2 6-8; 17:Nf> 20 16 6-6; 18:Nx> 21 16 6-8; "
         "19:Nr- 17 16 0-0; 20:Ne- 0 16 0-0; 21:Xa- 0 18 7-7; 22:Xy- 0 2 9-11; 23:Zf> 26 22 9-9; "
         "24:Zx> 27 22 9-11; 25:Zr- 23 22 0-0; 26:Ze- 0 22 0-0; 27:Xa- 0 24 10-10"},
        {"gotos",
         "{\n"
         "  goto L1;\n"
         "  goto L1;\n"
         "L1:\n"
         "  a();\n"
         "  goto L1;\n"
         "}\n",
         "4:Xy^ 6 2 2-2; 5:Ox- 8 4 2-2; 6:Xy^ 8 2 3-3; 7:Ox- 8 6 3-3; 8:Xa> 0 2 4-5; 9:Xy- 0 2 6-6; "
         "10:Ox- 8 9 6-6"},
        {"comments",
         "{\n"
         "  a(); /* same line */\n"
         "  /* later line */\n"
         "  b();\n"
         "}\n",
         "4:Xa- 0 2 2-4"},
        {"empty loop body",
         "{\n"
         "  while (x) { }\n"
         "}\n",
         "4:Xy- 0 2 2-2; 5:Wf> 8 4 2-2; 6:K.> 0 4 2-2; 7:Wr- 5 4 0-0; 8:We- 0 4 0-0"},
        {"eleven labels",
         "{\n"
         "  goto L11;\n"
         "L1: L2: L3: L4: L5: L6: L7: L8: L9: L10: L11: a();\n"
         "}\n",
         "4:Xy^ 6 2 2-2; 5:Ox- 0 4 2-2; 6:Xa- 0 2 3-3"},
        {"label written twice",
         "{\n"
         "L: a();\n"
         "  goto L;\n"
         "L: b();\n"
         "  goto L;\n"
         "}\n",
         "4:Xa> 0 2 2-2; 5:Xy^ 7 2 3-3; 6:Ox- 4 5 3-3; 7:Xa> 0 2 4-4; 8:Xy- 0 2 5-5; 9:Ox- 7 8 5-5"},
        {"return exit abort",
         "{\n"
         "  if (a) return;\n"
         "  exit(1);\n"
         "  abort();\n"
         "exit:\n"
         "  return (x);\n"
         "}\n",
         "4:Xy^ 10 2 2-2; 5:Id> 8 4 2-2; 6:Rr- 0 4 2-2; 7:Ie- 0 4 0-0; 8:I.> 0 4 0-0; "
         "9:Ie- 0 4 0-0; 10:Xy^ 12 2 3-3; 11:Er- 0 10 3-3; 12:Xy^ 14 2 4-4; 13:Ar- 0 12 4-4; "
         "14:Xy- 0 2 5-6; 15:Rr- 0 14 5-6"},
    };
    check_cases(cases, sizeof cases / sizeof cases[0]);
}

std::string nested_blocks(int depth)
{
    return "{\n" + std::string(depth - 1, '{') + "\n" + std::string(depth - 1, '}') + "\n}\n";
}

TEST(FlowExtract, FailuresEmptyTheChart)
{
    const std::string fatal = "ソースの解析中に異常が発生しました、ソースを作り直してやりなおして下さい rtc(";
    const std::string eof = "\"E601\" EOFを検出しました file(src.c) idx(0) static_old_line(0) static_line(0) static_cmd() ";
    const struct {
        std::string body;
        std::string box;
        std::string log;  // "voktavir.dat", "<missing>" when none is written
    } cases[] = {
        {"{\n  do { a(); } x;\n}\n", fatal + "9)", "src.c:2 cmd(x) rtc(9)\n"},
        {"{\n  do a(); while x;\n}\n", fatal + "10)", "src.c:2 cmd(x) rtc(10)\n"},
        {"{\n  for x;\n}\n", fatal + "11)", "src.c:2 cmd(x) rtc(11)\n"},
        {"{\n  if x;\n}\n", fatal + "13)", "src.c:2 cmd(x) rtc(13)\n"},
        {"{\n  if (a) b(); else if x;\n}\n", fatal + "15)", "src.c:2 cmd(x) rtc(15)\n"},
        {"{\n  switch x;\n}\n", fatal + "18)", "src.c:2 cmd(x) rtc(18)\n"},
        {"{\n  switch (k) x;\n}\n", fatal + "19)", "src.c:2 cmd(x) rtc(19)\n"},
        {"{\n  while x;\n}\n", fatal + "20)", "src.c:2 cmd(x) rtc(20)\n"},
        {"{\n  try { } catch x;\n}\n", fatal + "20)", "src.c:2 cmd(x) rtc(20)\n"},
        {"{\n  synchronized x;\n}\n", fatal + "20)", "src.c:2 cmd(x) rtc(20)\n"},
        {"{\n  continue;\n}\n", fatal + "99)", "src.c:2 cmd(continue) rtc(99)\n"},
        {"{\n  switch (k) {\n  case 1\n", fatal + "201)", "src.c:4 cmd() rtc(201)\n"},
        {"{\nL: }\n", "ラベルの直後の}は禁止です line(2)\n", "<missing>"},
        {"{\n  a();\n", eof + "line(3) cmd()", "<missing>"},
        {"{\n  if (a) {\n    b();\n", eof + "line(4) cmd()", "<missing>"},
        {nested_blocks(257), fatal + "256)", "src.c:2 cmd({) rtc(256)\n"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(extract_text(c.body), 1) << c.body;
        EXPECT_EQ(cb_num, 0) << c.body;
        ASSERT_EQ(capture::boxes.size(), 1u) << c.body;
        EXPECT_EQ(capture::boxes[0].text, c.box) << c.body;
        EXPECT_EQ(capture::boxes[0].owner, get_anal_owner());
        EXPECT_EQ(capture::boxes[0].caption, "TAVIR警告画面");
        EXPECT_EQ(capture::boxes[0].style, (unsigned)MB_ICONHAND);
        EXPECT_EQ(anal_test::read_file("voktavir.dat"), c.log) << c.body;
    }
}

TEST(FlowExtract, LabelRecords)
{
    // forward gotos wait in the list; the label links them and keeps one record
    ASSERT_EQ(extract_text("{\n  goto L;\n  goto L;\nL: a();\nL: b();\n  goto M;\n}\n"), 0);
    ASSERT_NE(label_list, nullptr);
    EXPECT_STREQ(label_list->name, "M");
    EXPECT_EQ(label_list->label_node, -1);
    EXPECT_EQ(label_list->goto_node, cb_num - 1);
    const label_rec *l = label_list->next;
    ASSERT_NE(l, nullptr);
    EXPECT_STREQ(l->name, "L");
    EXPECT_EQ(l->goto_node, -1);
    EXPECT_EQ(l->label_node, 9);  // the second definition
    EXPECT_EQ(l->next, nullptr);
    EXPECT_EQ(cbp[5]->branch, 8);
    EXPECT_EQ(cbp[7]->branch, 8);
    free_labels();
    EXPECT_EQ(label_list, nullptr);

    EXPECT_EQ(is_flow_keyword("synchronized"), 1);
    EXPECT_EQ(is_flow_keyword("exit"), 1);
    EXPECT_EQ(is_flow_keyword("new"), 0);
}

TEST(FlowExtract, NestingUpToTheLimit)
{
    EXPECT_EQ(extract_text(nested_blocks(256)), 0);
    EXPECT_TRUE(capture::boxes.empty());
    std::string chain = "{\n";
    for (int i = 0; i < 255; ++i) chain += "for (;;)\n";
    EXPECT_EQ(extract_text(chain + "a();\n}\n"), 0);
    EXPECT_EQ(extract_text(chain + "for (;;) a();\n}\n"), 1);
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_NE(capture::boxes[0].text.find("rtc(256)"), std::string::npos);
}

}  // namespace
