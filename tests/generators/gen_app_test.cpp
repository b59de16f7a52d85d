// The APP writer: WinMain, the object-name runtime, GO and FIN, and the
// header's defines and prototypes.
#include "tests/generators/gen_fixture.h"

namespace {

class GenApp : public GenTest {};

// An application of two windows (the second owned by the first through a
// CHILD link), INITIAL, BEFORE and AFTER procedures and show links.
TEST_F(GenApp, TwoWindowsWithProceduresAndShowLinks)
{
    const int app = box("APP", "", 0, 0, 10, 10, "x y N");
    const int main_w = box("mainwin", "w_main", 0, 20, 10, 30);
    const int sub_w = box("subwin", "w_sub", 0, 40, 10, 50);
    const int init = box("startup", "", 20, 0, 30, 10);
    const int before = box("prepare", "", 20, 20, 30, 30, "7");
    const int after = box("cleanup", "", 20, 40, 30, 50);
    const int proc = box("prepare", "", 20, 60, 30, 70);
    link(app, main_w, "FORM");
    link(app, sub_w, "FORM");
    link(app, init, "INITIAL");
    link(app, before, "BEFORE");
    link(app, after, "AFTER");
    link(app, main_w, "SW_SHOWMAXIMIZED");
    link(main_w, sub_w, "CHILD");
    (void)proc;
    put("mainwin.f", "");
    put("prepare.s", "struct prepare {\n\tint count;\n};\n");
    EXPECT_EQ(0, gen_source("app1.c", "app1.h"));
    EXPECT_EQ("", box_texts());
    expect_fixture("app1.c", got("app1.c"));
    expect_fixture("app1.h", got("app1.h"));
}

}  // namespace
