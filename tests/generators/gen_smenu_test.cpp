// The SMENU writer: the APPEND, INIT and dispatch functions and the header.
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
    expect_fixture("menu1.h", got("menu1.h"));
}

}  // namespace
