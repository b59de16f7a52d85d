// The SMENU writer: the APPEND, INIT and dispatch functions and the header,
// merged into the source in place of its include line.
#include "tests/generators/gen_fixture.h"

namespace {

class GenSmenu : public GenTest {
protected:
    int generate() { return gen_source("menu1.c", "menu1.h"); }
};

// Items, a separator, states after an item and after the separator, a
// deleted standard item and an item calling two procedures.
TEST_F(GenSmenu, SampleMenu)
{
    box("SMENU", "", 0, 0, 10, 10);
    const int open = box("MENUA", "m_open", 0, 20, 10, 30, "開く(&O)");
    box("MENUK", "", 0, 30, 10, 40, "MF_CHECKED");
    box("MENUG", "", 0, 40, 10, 50);
    box("MENUM", "", 0, 45, 10, 50, "MF_GRAYED");
    const int save = box("MENUA", "m_save", 0, 50, 10, 60, "\"保存 する\"");
    box("MENUM", "", 0, 60, 10, 70, "omit");
    box("MENUD", "SC_CLOSE", 0, 70, 10, 80);
    const int p1 = box("do_open", "", 20, 20, 30, 30);
    const int p2 = box("do_log", "", 20, 40, 30, 50);
    const int p3 = box("do_save", "", 20, 50, 30, 60);
    link(open, p1, "CALL");
    link(open, p2, "CALL");
    link(save, p3, "CALL");
    EXPECT_EQ(0, generate());
    EXPECT_EQ("", box_texts());
    expect_fixture("menu1.c", got("menu1.c"));
    EXPECT_FALSE(exists("menu1.h"));
}


// The exchange sort never exchanges equal top edges, so equal items do not
// keep their table order: a(30) b(10) c(30) d(10) give b d c a.
TEST_F(GenSmenu, EqualTopEdgesInExchangeOrder)
{
    box("SMENU", "", 0, 0, 10, 10);
    box("MENUM", "", 0, 5, 10, 8, "MF_GRAYED");
    for (const auto &item : {std::make_pair("a", 30), std::make_pair("b", 10), std::make_pair("c", 30), std::make_pair("d", 10)}) {
        box("MENUA", item.first, 0, item.second, 10, item.second + 5, item.first);
    }
    box("MENUA", "SC_X", 0, 40, 10, 45, "x");
    box("MENUM", "SC_MAXIMIZE", 0, 50, 10, 55, "MF_GRAYED");
    box("MENUK", "SC_MINIMIZE", 0, 60, 10, 65, "omit");
    ASSERT_EQ(0, generate());
    const std::string c = got("menu1.c");
    EXPECT_NE(std::string::npos, c.find("\tHMENU hMenu = GetSystemMenu (hwnd, FALSE);\n"
                                        "\tAppendMenu (hMenu, MF_STRING, b, \"b\");\n"
                                        "\tAppendMenu (hMenu, MF_STRING, d, \"d\");\n"
                                        "\tAppendMenu (hMenu, MF_STRING, c, \"c\");\n"
                                        "\tAppendMenu (hMenu, MF_STRING, a, \"a\");\n"
                                        "\tAppendMenu (hMenu, MF_STRING, SC_X, \"x\");\n\treturn(0);\n"))
        << c;
    EXPECT_NE(std::string::npos, c.find("{\n\tEnableMenuItem((HMENU)wParam, SC_MAXIMIZE, MF_GRAYED);\n\treturn(0);\n}\n"));
    EXPECT_EQ(std::string::npos, c.find("hMenu, MF_GRAYED"));
    EXPECT_NE(std::string::npos, c.find("#include <windows.h>\n"
                                        "#define a              2 /* MENUA */\n#define b              3 /* MENUA */\n"
                                        "#define c              4 /* MENUA */\n#define d              5 /* MENUA */\n"
                                        "int PASCAL menu1_APPEND"));
    EXPECT_FALSE(exists("menu1.h"));
}

// A menu form lying past box 127 (behind 130 boxes of a stacked form).
TEST_F(GenSmenu, AFormPastBox127)
{
    for (int i = 0; i < 130; ++i) box("COMMENT", "", 0, 0, 1, 1);
    form_sta = form_num;
    box("SMENU", "", 0, 0, 10, 10);
    box("MENUA", "late", 0, 20, 10, 25, "L");
    box("MENUA", "early", 0, 10, 10, 15, "E");
    const int p = box("on_late", "", 0, 0, 1, 1);
    link(131, p, "CALL");
    ASSERT_EQ(0, generate());
    const std::string c = got("menu1.c");
    EXPECT_NE(std::string::npos, c.find("#include <windows.h>\n#define late         131 /* MENUA */\n"
                                        "#define early        132 /* MENUA */\nint on_late();\nint PASCAL menu1_APPEND"));
    EXPECT_FALSE(exists("menu1.h"));
    EXPECT_NE(std::string::npos, c.find("MF_STRING, early, \"E\");\n\tAppendMenu (hMenu, MF_STRING, late, \"L\");\n"));
    EXPECT_NE(std::string::npos, c.find("\tcase late:\n\t\ton_late(hwnd, message, wParam, lParam);\n\t\tbreak;\n"));
}

}  // namespace
