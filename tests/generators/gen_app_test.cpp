// The APP writer: WinMain, the object-name runtime, GO and FIN, and the
// header's defines and prototypes, merged into the source in place of its
// include line.
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
    EXPECT_FALSE(exists("app1.h"));
}


TEST_F(GenApp, NoWindowLinks)
{
    box("APP", "", 0, 0, 10, 10);
    ASSERT_EQ(0, gen_source("app.c", "app.h"));
    const std::string c = got("app.c");
    EXPECT_NE(std::string::npos, c.find("static struct Olist app_olist[] = {\n\t{\"\", 0}};\n"));
    EXPECT_NE(std::string::npos, c.find("\thwndg = (HWND *)malloc(0 * sizeof(HWND));\n"));
    EXPECT_NE(std::string::npos, c.find("\tHWND *hwndg = (HWND*)GetWindowLong(hwnd, 0);\n\tPostQuitMessage(0);\n"));
    // The header, one prototype, stands where its include line stood.
    EXPECT_NE(std::string::npos, c.find("#include <malloc.h>\nint strcmp();\n#define MY_TEAM 4\n"));
    EXPECT_EQ(std::string::npos, c.find("app.h"));
    EXPECT_FALSE(exists("app.h"));
}

// Field 2 "N" shows only the windows with show links; any other value shows
// every window with SW_SHOW.  A CHILD link from a later box leaves the
// window a top window.
TEST_F(GenApp, ShowsAndLaterParents)
{
    for (const char *show : {"- - N", "- - Y"}) {
        SCOPED_TRACE(show);
        forms_reset_all();
        form_alloc();
        const int app = box("APP", "", 0, 0, 10, 10, show);
        const int w1 = box("first", "w1", 0, 0, 10, 10);
        const int w2 = box("second", "w2", 0, 0, 10, 10);
        link(app, w1, "FORM");
        link(app, w2, "FORM");
        link(w2, w1, "CHILD");
        ASSERT_EQ(0, gen_source("app.c", "app.h"));
        const std::string c = got("app.c");
        EXPECT_NE(std::string::npos, c.find("\thwnd = first(NULL, &listg[w1], hInstance, hPrevInstance);\n"));
        const bool by_links = show[4] == 'N';
        EXPECT_EQ(!by_links, c.find("\tShowWindow (hwndg[w1], SW_SHOW);\t/* nCmdShow */\n\tUpdateWindow (hwndg[w1]) ;\n"
                                    "\tShowWindow (hwndg[w2], SW_SHOW);\t/* nCmdShow */\n") != std::string::npos);
        EXPECT_EQ(by_links, c.find("ShowWindow (") == std::string::npos);
    }
}

TEST_F(GenApp, AnUnnamedWindowIsRefused)
{
    const int app = box("APP", "", 0, 0, 10, 10);
    link(app, box("first", "", 0, 0, 10, 10), "FORM");
    EXPECT_EQ(0, gen_source("app.c", "app.h"));
    ASSERT_EQ(1u, capture::boxes.size());
    EXPECT_NE(std::string::npos, capture::boxes[0].text.find("名前()"));
    EXPECT_FALSE(exists("app.c"));
}

}  // namespace
