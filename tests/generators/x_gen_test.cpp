// The X/Motif generator: APP and FORM sources from the user's templates,
// the display files, the widget writers, the refusals and what a failed
// write leaves behind.
#include <filesystem>
#include <string>
#include <vector>

#include "generators/defs.h"
#include "generators/xdisplay.h"
#include "tests/generators/gen_fixture.h"

namespace {

const char *const xstring_rows =
    "D<XmString\nG<XmStringCreateLtoR\nV<xmstr\nF<XmStringFree\nU<XmNuserData\nT<XmNtitle\n"
    "X<XmNx\nY<XmNy\nW<XmNwidth\nH<XmNheight\nw<XmNminWidth\nh<XmNminHeight\nS<XmNlabelString\nC<XmNvalue\n"
    "A>Mask\nB<XmN\nB>Callback\n";
const char *const push_struct =
    "struct PUSH {\n\tXmString XmNlabelString;\n\tchar CharSet;\n\tPosition XmNx;\n\tPosition XmNy;\n"
    "\tDimension XmNwidth;\n\tDimension XmNheight;\n};\n";

class XGen : public GenTest {
protected:
    int top = -1;

    void SetUp() override
    {
        GenTest::SetUp();
        xwin_mode = 1;
        put("xstring.dat", xstring_rows);
        put("xwindow.dat", "BOARD XmBulletinBoard XmCreateBulletinBoard\nPUSH XmPushButton XmCreatePushButton\n"
                           "LABEL XmLabel XmCreateLabel\nSCROLLBAR XmScrollBar XmCreateScrollBar\n");
        put("xform.dat", "/* prologue */\n!gen_inc\n");
        put("xapp.dat", "/* app */\n!gen_inc\n!gen_olist\n!gen_gcsub\n\tblock();\n!end\nmain()\n{\n!gen_shell\n}\n!gen_onoff\n");
        put("PUSH.s", push_struct);
    }

    int form(const char *fields) { return top = box("FORM", "", 0, 0, 200, 150, fields); }
    int app(const char *fields = "- - Y") { return top = box("APP", "", 0, 0, 10, 10, fields); }
    int generate() { return gen_source("win.c", "win.h"); }
    std::string source() { return got("win.c"); }

    ::testing::AssertionResult holds(const std::vector<std::string> &texts, const std::string &file = "win.c")
    {
        const std::string text = got(file);
        for (const auto &t : texts) {
            if (text.find(t) == std::string::npos) return ::testing::AssertionFailure() << "missing: " << t << "\n" << text;
        }
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult lacks(const std::vector<std::string> &texts)
    {
        const std::string text = source();
        for (const auto &t : texts) {
            if (text.find(t) != std::string::npos) return ::testing::AssertionFailure() << "present: " << t << "\n" << text;
        }
        return ::testing::AssertionSuccess();
    }
    static size_t count(const std::string &text, const std::string &what)
    {
        size_t n = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    }
    // A board at the root with one push button and its callback.
    void board_and_button()
    {
        form("- 小窓 - 5 6 100 80");
        const int board = box("BOARD", "board", 0, 0, 100, 80, "x y w h");
        const int ok = box("PUSH", "ok", 10, 20, 50, 40, "OK omit x y w h");
        const int h = box("h_ok", "", 120, 10, 130, 20);
        link(board, ok, "on_set");
        link(ok, h, "XmNactivateCallback");
    }
};

// The whole text of a small window and of an application of two windows.
TEST_F(XGen, SmallFormAndApplication)
{
    board_and_button();
    EXPECT_EQ(0, generate());
    EXPECT_EQ("", box_texts());
    expect_fixture("x/form_small.c", source());
    EXPECT_FALSE(exists("win.h"));

    forms_reset_all();
    form_alloc();
    app();
    const int one = box("win1", "one", 20, 0, 30, 10);
    const int two = box("win2", "two", 40, 0, 50, 10);
    const int init = box("p_init", "", 60, 0, 70, 10);
    link(top, one, "FORM");
    link(top, two, "FORM");
    link(top, one, "SW_SHOW");
    link(top, two, "SW_SHOW");
    link(top, init, "INITIAL");
    link(one, two, "CHILD");
    EXPECT_EQ(0, gen_source("app.c", "app.h"));
    EXPECT_EQ("", box_texts());
    expect_fixture("x/app_small.c", got("app.c"));
    EXPECT_FALSE(exists("app.h"));
}

// WORK, SMENU and PROJ forms are refused with their own messages; an
// HTML form is handed on without an X refusal.
TEST_F(XGen, RefusedKindsAndHtml)
{
    const struct {
        const char *kind;
        const char *box;
    } cases[] = {
        {"WORK", "WORKのソース生成は未サポートです\n|"},
        {"SMENU", "XWINDOWのソース生成モードでは、SMENUフォームは対象外です|"},
        {"PROJ", "PROJのソース生成は未サポートです\n|"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        forms_reset_all();
        form_alloc();
        capture::boxes.clear();
        box(c.kind, "", 0, 0, 10, 10);
        EXPECT_EQ(0, generate());
        EXPECT_EQ(c.box, box_texts());
        EXPECT_FALSE(exists("win.c"));
    }
    forms_reset_all();
    form_alloc();
    capture::boxes.clear();
    box("HTML", "", 0, 0, 10, 10);
    generate();
    EXPECT_EQ(std::string::npos, box_texts().find("ソース生成"));
    EXPECT_EQ(std::string::npos, box_texts().find("対象外"));
}

// The template directives: the include with and without ALONE, a block
// without "!end", a later block replacing the first, a block after
// "!gen_shell" not replayed in it, a template without directives.
TEST_F(XGen, TemplateDirectives)
{
    const struct {
        const char *name;
        const char *fields;
        const char *tmpl;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    } cases[] = {
        {"plain copy", "- - Y", "line one\n\tline two\n", {"/* file:win.c */\n/*******************************/\nline one\n\tline two\n"}, {"#include"}},
        {"include without ALONE", "- - N", "!gen_inc\n", {"/* file:win.h */\n"}, {"#define ALONE"}},
        {"no !end", "- - Y", "!gen_gcsub\n\tone();\n!other\n!gen_shell\n",
         {"\t/* xapp.datファイルに!...subに対応する!endが無い */\n", "\tone();\n\tXtMainLoop();\n"}, {"!other"}},
        {"!end with text", "- - Y", "!gen_gcsub\n\tone();\n!end of block\n!gen_shell\n", {"\tone();\n\tXtMainLoop();\n"}, {"!...sub"}},
        {"later block", "- - Y", "!gen_gcsub\n\tone();\n!end\n!gen_gcsub\n\ttwo();\n!end\n!gen_shell\n",
         {"\ttwo();\n\tXtMainLoop();\n"}, {"one();"}},
        {"block after shell", "- - Y", "!gen_shell\n!gen_gcsub\n\tone();\n!end\n!gen_onoff\n",
         {"\twind = XtWindow(hwndg[one]);\n\tXtMainLoop();\n", "\t\twind = XtWindow(wgt);\n\t\tone();\n\t} else {\n"}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        forms_reset_all();
        form_alloc();
        capture::boxes.clear();
        put("xapp.dat", c.tmpl);
        app(c.fields);
        const int w = box("win1", "one", 20, 0, 30, 10);
        link(top, w, "FORM");
        link(top, w, "SW_SHOW");
        EXPECT_EQ(0, generate());
        EXPECT_EQ("", box_texts());
        EXPECT_TRUE(holds(c.present));
        EXPECT_TRUE(lacks(c.absent));
    }
}

// Lines longer than one read of 200 bytes are copied whole, a block's long
// line takes its prefix once, a template's last line without its newline gets one.
TEST_F(XGen, LongTemplateLines)
{
    const std::string wide(300, 'x'), block(250, 'y');
    put("xapp.dat", wide + "\n!gen_gcsub\n\t" + block + "\n!end\n!gen_onoff\nlast");
    app();
    const int w = box("win1", "one", 20, 0, 30, 10);
    link(top, w, "SW_SHOW");
    EXPECT_EQ(0, generate());
    EXPECT_TRUE(holds({"/*******************************/\n" + wide + "\nwin_ACT()\n", "\t\twind = XtWindow(wgt);\n\t\t" + block + "\n\t} else {\n",
                       "\treturn(0);\n}\nlast\n"}));
}

// Without a "FORM" link the display line names "?"; INITIAL, BEFORE and
// AFTER calls; one show and one hide function for two SW_ links.
TEST_F(XGen, ApplicationCallsAndShowFunctions)
{
    put("xapp.dat", "!gen_shell\n!gen_onoff\n");
    app();
    const int w = box("win1", "one", 20, 0, 30, 10);
    link(top, w, "no_set");
    link(top, box("p_b", "", 0, 0, 1, 1), "BEFORE");
    link(top, box("p_a", "", 0, 0, 1, 1), "AFTER");
    EXPECT_EQ(0, generate());
    EXPECT_TRUE(holds({"\thwndg = (Widget *)malloc(1 * sizeof(Widget));\n", "\twin1(shell, &listg[one]);\n",
                       "\tdo_join();\n\tp_b(argc, argv, 'S', ilstg);\n#ifdef ALONE\n",
                       "\tXtMainLoop();\n\tp_a(argc, argv, 'E', ilstg);\n#else\n",
                       "\tDisplay *disp = XtDisplay(ilstg->hwnd[?]); /* FORM関係が無い */\n\tp_a('E', ilstg);\n#endif\n",
                       "win_ACT()\n{\n\tWidget wgt;\n\tDisplay *disp;\n\tWindow wind;\n\treturn(0);\n}\nwin_INACT()\n{\n\treturn(0);\n}\n"}));

    forms_reset_all();
    form_alloc();
    app();
    const int a = box("win1", "one", 20, 0, 30, 10);
    const int b = box("win2", "two", 40, 0, 50, 10);
    link(top, a, "FORM");
    link(top, b, "FORM");
    link(top, b, "SW_SHOWNORMAL");
    link(top, a, "SW_HIDE");
    EXPECT_EQ(0, generate());
    const std::string text = source();
    EXPECT_EQ(1u, count(text, "win_ACT()\n"));
    EXPECT_EQ(1u, count(text, "win_INACT()\n"));
    EXPECT_TRUE(holds({"\twgt = ilstg->hwnd[two];\n", "\tXtUnmapWidget(ilstg->hwnd[two]);\n\tXtUnmapWidget(ilstg->hwnd[one]);\n"}));
    EXPECT_LT(text.find("\twgt = ilstg->hwnd[two];"), text.find("\twgt = ilstg->hwnd[one];"));
}

// W() and H(): identity when the target equals the designer's screen,
// scaled otherwise; FULL with and without full_as_centering; CENTERING.
TEST_F(XGen, SizesAndScaling)
{
    const struct {
        const char *display;
        const char *fields;
        int full_as_centering;
        std::vector<std::string> present, absent;
    } cases[] = {
        {"W:1024\nH:768\n", "- c - 1 2 300 200", 0, {"#define W(w_x)     (w_x)\n", "#define H(h_x)     (h_x)\n"}, {"wf", "\tint w;\n"}},
        {"W:800\nH:600\nS:10\n", "- c - 1 2 300 200", 0,
         {"#define W(w_x)     ((w_x)*800/1024)\n", "#define H(h_x)     ((h_x)*600/768)\n"}, {}},
        {"", "- c - FULL 2 300 200", 0,
         {"#define W(w_x)     ((w_x)*wf/300)\n", "#define H(h_x)     ((h_x)*hf/200)\n", "static int wf;\nstatic int hf;\n",
          "\twf = DisplayWidth(XtDisplay(shell), 0) - 12;\n\thf = DisplayHeight(XtDisplay(shell), 0) - 34;\n"},
         {"\tint w;\n"}},
        {"", "- c - 3 FULL 300 200", 1, {"\twf = 300;\n\thf = 200;\n"}, {"DisplayWidth"}},
        {"", "- c - CENTERING CENTERING 300 200", 0,
         {"\tint w;\n\tint h;\n", "\tw = DisplayWidth(XtDisplay(shell), 0);\n\tw = w/2 - W(300)/2;\n",
          "\th = DisplayHeight(XtDisplay(shell), 0);\n\th = h/2 - H(200)/2;\n"},
         {"wf"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fields);
        forms_reset_all();
        form_alloc();
        generators_reset_all();
        put("xdisplay.dat", c.display[0] != '\0' ? c.display : "S:12\nT:34\n");
        full_as_centering = c.full_as_centering;
        form(c.fields);
        EXPECT_EQ(0, generate());
        EXPECT_TRUE(holds(c.present));
        EXPECT_TRUE(lacks(c.absent));
        if (c.display[0] != '\0') {
            EXPECT_EQ(1024, xdisp_screen_w);
        }
    }
}

// The object list: one row per instance; a box with an on_set link to an
// unnamed child names that child's kind, as its extern line declares it.
TEST_F(XGen, ObjectListRows)
{
    form("- c - 0 0 10 10");
    const int rep = box("REPEAT", "", 0, 0, 1, 1, "2 1");
    const int cell = box("PUSH", "cell", 0, 0, 10, 10);
    const int panel = box("BOARD", "panel", 0, 0, 50, 50);
    const int sub = box("subwin", "", 0, 0, 1, 1);
    box("INT", "counter", 0, 0, 1, 1);
    link(rep, cell, "SET");
    link(panel, sub, "on_set");
    EXPECT_EQ(0, generate());
    EXPECT_TRUE(holds({"int counter;\n", "extern struct Olist subwin_olist[1];\nstruct Olist win_olist[] = {\n"
                       "\t{\"cell\", 0},\n\t{\"cell\", 0},\n\t{\"panel\", subwin_olist},\n\t{\"\", 0}};\n",
                       "\tsubwin(hwnd[panel], &list[panel]);\n"}));
    EXPECT_TRUE(holds({"#define cell           0 /* PUSH */\n#define panel          2 /* BOARD */\n", "int subwin();\n"}, "win.c"));
}

// Creation and managing: a REPEAT 2 x 2 grid in its loops and managed four
// times, depth comments, a POSI child never managed, a childless root not
// managed, a child of an uncreated box created on its parent.
TEST_F(XGen, WidgetTreeAndManaging)
{
    form("- c - 0 0 300 200");
    const int board = box("BOARD", "board", 0, 0, 300, 200);
    const int inner = box("BOARD", "inner", 100, 100, 200, 180);
    const int deep = box("PUSH", "deep", 110, 120, 150, 140, "D omit x y w h");
    const int rep = box("REPEAT", "", 250, 0, 260, 10, "2 2 3 4");
    const int cell = box("PUSH", "cell", 10, 10, 50, 30, "C omit x y w h");
    const int posi = box("POSI", "spot", 10, 50, 30, 60);
    box("PUSH", "alone", 0, 0, 10, 10);
    const int orphan = box("PUSH", "orphan", 5, 6, 25, 16, "O omit x y w h");
    link(board, inner, "on_set");
    link(inner, deep, "on_set");
    link(board, cell, "on_set");
    link(board, posi, "on_set");
    link(rep, cell, "SET");
    link(top, orphan, "on_set");
    EXPECT_EQ(0, generate());
    EXPECT_TRUE(holds({"\tfor (_y = 0; _y < 2; _y++) {\n\t\tfor (_x = 0; _x < 2; _x++) {\n"
                       "\t\t\txmstr = XmStringCreateLtoR(\"C\", \"chrset1\");\n\t\t\tn = 0; /* cell */\n"
                       "\t\t\tXtSetArg(args[n], XmNlabelString, xmstr); n++;\n"
                       "\t\t\tXtSetArg(args[n], XmNx, W(10+42*_x)); n++;\n\t\t\tXtSetArg(args[n], XmNy, H(10+23*_y)); n++;\n"
                       "\t\t\tXtSetArg(args[n], XmNwidth, W(40)); n++;\n\t\t\tXtSetArg(args[n], XmNheight, H(20)); n++;\n"
                       "\t\t\thwnd[cell+_x+2*_y] = XmCreatePushButton(hwnd[board], \"cell\", args, n); /* PUSH */\n"
                       "\t\t\tXmStringFree(xmstr);\n\t\t}\n\t}\n",
                       "\tXtSetArg(args[n], XmNx, W(10)); n++;\n\tXtSetArg(args[n], XmNy, H(20)); n++;\n"
                       "\tXtSetArg(args[n], XmNwidth, W(40)); n++;\n\tXtSetArg(args[n], XmNheight, H(20)); n++;\n"
                       "\thwnd[deep] = XmCreatePushButton(hwnd[inner], \"deep\", args, n); /* PUSH */\n",
                       "\tXtSetArg(args[n], XmNx, W(5)); n++;\n\tXtSetArg(args[n], XmNy, H(6)); n++;\n",
                       "\thwnd[orphan] = XmCreatePushButton(shell, \"orphan\", args, n); /* PUSH */\n",
                       "\thwnd[alone] = XmCreatePushButton(shell, \"alone\", args, n); /* PUSH */\n",
                       "\tXtManageChild(hwnd[board]);/* top:BOARD */\n"
                       "\tXtManageChild(hwnd[cell+0]); /*  1:PUSH */\n\tXtManageChild(hwnd[cell+1]); /*  1:PUSH */\n"
                       "\tXtManageChild(hwnd[cell+2]); /*  1:PUSH */\n\tXtManageChild(hwnd[cell+3]); /*  1:PUSH */\n"
                       "\tXtManageChild(hwnd[inner]); /*  1:BOARD */\n\tXtManageChild(hwnd[deep]); /*  2:PUSH */\n}\n",
                       "\tint _x, _y;\n", "\tcase spot:\n\t\t*x = W(10), *y = H(50), *w = W(20), *h = H(10);\n"}));
    EXPECT_TRUE(lacks({"hwnd[spot]);", "hwnd[alone]);", "top:PUSH"}));
}

// Callbacks and event handlers numbered from 1 in writing order, each with
// its branch; a REPEAT member once per instance; an ANY box's handlers with
// its name; a RETURN target returns its value.
TEST_F(XGen, CallbacksAndBranches)
{
    form("- c - 0 0 300 200");
    const int a = box("PUSH", "a", 0, 0, 10, 10);
    const int b = box("PUSH", "b", 0, 0, 10, 10);
    const int lab = box("LABEL", "lab", 0, 0, 10, 10);
    const int rep = box("REPEAT", "", 0, 0, 1, 1, "2 1");
    const int g = box("PUSH", "g", 0, 0, 10, 10);
    const int any = box("ANY", "", 0, 0, 1, 1);
    const int h1 = box("h_one", "", 0, 0, 1, 1);
    const int h2 = box("h_two", "", 0, 0, 1, 1);
    const int ret = box("RETURN", "", 0, 0, 1, 1, "5");
    link(a, h1, "XmNactivateCallback");
    link(a, h2, "XmNactivateCallback");
    link(b, h2, "XmNarmCallback");
    link(lab, h1, "ButtonPressMask");
    link(lab, h2, "SomethingElse");
    link(rep, g, "SET");
    link(g, h1, "XmNactivateCallback");
    link(b, any, "ANY");
    link(any, ret, "XmNdisarmCallback");
    EXPECT_EQ(0, generate());
    EXPECT_TRUE(holds({"\tXtAddCallback(hwnd[a],XmNactivateCallback, win_PROC, 1);\n"
                       "\tXtAddCallback(hwnd[a],XmNactivateCallback, win_PROC, 2);\n"
                       "\tXtAddCallback(hwnd[b],XmNarmCallback, win_PROC, 3);\n"
                       "\tXtAddCallback(hwnd[b],XmNdisarmCallback, win_PROC, 4);\n"
                       "\tXtAddEventHandler(hwnd[lab], ButtonPressMask,\n\t\tFalse, win_PROC, 5);\n"
                       "\tXtAddCallback(hwnd[g+0],XmNactivateCallback, win_PROC, 6);\n"
                       "\tXtAddCallback(hwnd[g+1],XmNactivateCallback, win_PROC, 7);\n",
                       "\tswitch((int)client_data) {\n"
                       "\tcase 1: /* PUSH[a]->XmNactivateCallback */\n\t\trtc = h_one(w, a, c_data);\n\t\trtc = h_two(w, a, c_data);\n\t\tbreak;\n"
                       "\tcase 3: /* PUSH[b]->XmNarmCallback */\n\t\trtc = h_two(w, b, c_data);\n\t\tbreak;\n"
                       "\tcase 4: /* PUSH[b]->XmNdisarmCallback */\n\t\treturn(5);\n"
                       "\tcase 5: /* LABEL[lab]->ButtonPressMask */\n\t\trtc = h_one(w, lab, c_data);\n\t\tbreak;\n"
                       "\tcase 6: /* PUSH[g]->XmNactivateCallback */\n\t\trtc = h_one(w, g+0, c_data, g, 2, 1);\n\t\tbreak;\n"
                       "\tcase 7: /* PUSH[g]->XmNactivateCallback */\n\t\trtc = h_one(w, g+1, c_data, g, 2, 1);\n\t\tbreak;\n"
                       "\t}\n\treturn;\n}\n"}));
    EXPECT_TRUE(lacks({"SomethingElse", "case 2:"}));
}

// The argument rules: numbers pass unchanged (scaled in FULL mode), omit and
// CharSet are never arguments, S members take the string variable, C members
// are quoted unless they already are, the character set quoted or given.
TEST_F(XGen, ArgumentRules)
{
    put("TEXT.s", "struct TEXT {\n\tString XmNvalue;\n\tint XmNx;\n\tint XmNminWidth;\n\tint XmNminHeight;\n"
                  "\tint XmNcolumns;\n\tXmString XmNlabelString;\n\tchar CharSet;\n\tint XmNrows;\n};\n");
    put("xwindow.dat", "TEXT XmText XmCreateText\n");
    const struct {
        const char *fields;
        const char *form_fields;
        std::vector<std::string> present, absent;
    } cases[] = {
        {"abc 7 8 9 12 Lab omit omit", "- c - 0 0 300 200",
         {"\txmstr = XmStringCreateLtoR(\"Lab\", \"chrset1\");\n\tn = 0; /* t */\n"
          "\tXtSetArg(args[n], XmNvalue, \"abc\"); n++;\n\tXtSetArg(args[n], XmNx, 7); n++;\n"
          "\tXtSetArg(args[n], XmNminWidth, 8); n++;\n\tXtSetArg(args[n], XmNminHeight, 9); n++;\n"
          "\tXtSetArg(args[n], XmNcolumns, 12); n++;\n\tXtSetArg(args[n], XmNlabelString, xmstr); n++;\n"
          "\thwnd[t] = XmCreateText(shell, \"t\", args, n); /* TEXT */\n\tXmStringFree(xmstr);\n"},
         {"XmNrows", "CharSet"}},
        {"\"q v\" +7 8 9 omit \"L b\" \"ISO8859-1\" 3", "- c - FULL 0 300 200",
         {"\txmstr = XmStringCreateLtoR(\"L b\", \"ISO8859-1\");\n", "\tXtSetArg(args[n], XmNvalue, \"q v\"); n++;\n",
          "\tXtSetArg(args[n], XmNx, W(+7)); n++;\n\tXtSetArg(args[n], XmNminWidth, W(8)); n++;\n"
          "\tXtSetArg(args[n], XmNminHeight, H(9)); n++;\n\tXtSetArg(args[n], XmNlabelString, xmstr); n++;\n"
          "\tXtSetArg(args[n], XmNrows, 3); n++;\n"},
         {"XmNcolumns"}},
        {"v where 1 1 1 omit latin1", "- c - 0 0 300 200",
         {"\tn = 0; /* t */\n\tXtSetArg(args[n], XmNvalue, \"v\"); n++;\n\tXtSetArg(args[n], XmNx, W(0)); n++;\n"},
         {"xmstr =", "XmStringFree"}},
        {"v 1 1 1 1 Lab latin1", "- c - 0 0 300 200", {"\txmstr = XmStringCreateLtoR(\"Lab\", \"latin1\");\n"}, {}},
        // a quoted text whose last character ends in the byte 0x5C closes at its quote
        {"v 1 1 1 1 \"一覧表\" \"ISO8859-1\" 2", "- c - 0 0 300 200",
         {"\txmstr = XmStringCreateLtoR(\"一覧表\", \"ISO8859-1\");\n", "\tXtSetArg(args[n], XmNrows, 2); n++;\n"}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fields);
        forms_reset_all();
        form_alloc();
        form(c.form_fields);
        box("TEXT", "t", 0, 0, 10, 10, c.fields);
        EXPECT_EQ(0, generate());
        EXPECT_TRUE(holds(c.present));
        EXPECT_TRUE(lacks(c.absent));
    }
}

// The header's prototypes, the static data of SET, ANY, MAP, MSG and JOIN
// boxes with their work pointers, fonts and brushes, BEFORE and AFTER calls,
// the memset lines with their backslash-zero, and the ".x" definition files.
TEST_F(XGen, StaticDataAndDefinitions)
{
    form("- \"題\" - 0 0 100 100");
    const int a = box("PUSH", "a", 0, 0, 10, 10);
    const int b = box("PUSH", "b", 0, 0, 10, 10);
    const int set = box("SET", "grp", 0, 0, 1, 1);
    const int any = box("ANY", "anyof", 0, 0, 1, 1);
    box("MSG", "hello", 0, 0, 1, 1, "\"hi\"");
    box("JOIN", "j", 0, 0, 1, 1, "one.two");
    const int map = box("MAP", "mp", 0, 0, 1, 1);
    box("FONT", "f", 0, 0, 1, 1, "12 0 0 0 400 0 0 0 1 0 0 0 0 face");
    box("BRUSH", "br", 0, 0, 1, 1, "1 2 3");
    box("widget", "obj", 10, 10, 40, 30);
    link(set, b, "SET");
    link(set, a, "SET");
    link(b, any, "ANY");
    link(a, b, "mp");
    link(top, box("p_before", "", 0, 0, 1, 1), "BEFORE");
    link(top, box("p_after", "", 0, 0, 1, 1), "AFTER");
    (void)map;
    put("widget.x", "#define obj_id\n");
    put("widget.r", "#define other\n");
    EXPECT_EQ(0, generate());
    EXPECT_TRUE(holds({"#include \"widget.x\"\nXmString XmStringCreateLtoR();\n", "Widget widget();\n",
                       "\tstatic int grp_v[] = {a, b, -1};\n\tstatic int anyof_v[] = {b, -1};\n"
                       "\tstatic char hello_v[] = \"hi\";\n\tstatic char j_v[] = \"one.two\";\n"
                       "\tstatic struct {int from; int to;} mp_v[] = {\n\t\t{a, b},\n\t\t{-1, -1}};\n\tHFONT f_v;\n\tHBRUSH br_v;\n",
                       "\tmemset(hwnd, '\\0', 10 * sizeof(Widget));\n",
                       "\tf_v = CreateFont(H(12),0,0,0,400,0,0,0,1,0,0,0,0,face);\n\tTavir_up_object(f_v);\n\thwnd[f] = f_v;\n"
                       "\tbr_v = CreateSolidBrush(RGB(1, 2, 3));\n\tTavir_up_object(br_v);\n\thwnd[br] = br_v;\n"
                       "\tp_before(shell, 'S', ilst);\n\twork[grp] = (char *)grp_v;\n\twork[anyof] = (char *)anyof_v;\n"
                       "\twork[hello] = (char *)hello_v;\n\tTavir_up_join(&hwnd[j], &work[j], j_v);\n\twork[mp] = (char *)mp_v;\n"
                       "\tXtSetArg(args[0], XmNtitle, \"題\");\n",
                       "\thwnd[obj] = widget(shell, &work[obj],\n\t\tW(0), H(0), W(100), H(100), (HMENU)obj, hInstance);\n"
                       "\tTavir_up_object(hwnd[obj]);\n\tTavir_up_work(work[obj]);\n",
                       "\tp_after(shell, 'E', ilst);\n\treturn(0);\n"}));
    EXPECT_TRUE(lacks({"widget.r"}));
}

// A box named like a name of the X text is refused before any file is written.
TEST_F(XGen, NameClashesAreRefused)
{
    for (const char *name : {"shell", "xmstr", "wgt", "list"}) {
        SCOPED_TRACE(name);
        forms_reset_all();
        form_alloc();
        capture::boxes.clear();
        form("- c - 0 0 10 10");
        box("PUSH", name, 0, 0, 10, 10);
        EXPECT_EQ(0, generate());
        EXPECT_EQ(std::string("ボックス(") + name + ")の名前(" + name + ")は予約語か他の名前と重なる、ソースを生成出来ない\n|",
                  box_texts());
        EXPECT_FALSE(exists("win.c"));
    }
}

// A missing template (or "xstring.dat" for a FORM) and a target that cannot
// be written show the box, return 1 and leave the old files as they were.
TEST_F(XGen, FailuresLeaveTheOldFiles)
{
    put("win.c", "old source\n");
    put("win.h", "old header\n");
    const struct {
        const char *name;
        bool application;
        const char *missing;
        const char *blocker;
        const char *file;
    } cases[] = {
        {"no xapp.dat", true, "xapp.dat", nullptr, "xapp.dat"},
        {"no xform.dat", false, "xform.dat", nullptr, "xform.dat"},
        {"no xstring.dat", false, "xstring.dat", nullptr, "xstring.dat"},
        {"source blocked", false, nullptr, "g0/win.c.$$$", "win.c"},
        {"application source blocked", true, nullptr, "g0/win.c.$$$", "win.c"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        forms_reset_all();
        form_alloc();
        capture::boxes.clear();
        const std::string kept = c.missing != nullptr ? bytes("g0/" + std::string(c.missing)) : "";
        if (c.missing != nullptr) std::filesystem::remove("g0/" + std::string(c.missing));
        if (c.blocker != nullptr) std::filesystem::create_directory(c.blocker);
        if (c.application) {
            app();
            link(top, box("win1", "one", 0, 0, 1, 1), "FORM");
        } else {
            board_and_button();
        }
        EXPECT_EQ(1, generate());
        EXPECT_EQ(std::string("ファイル(") + c.file + ")をオープン出来ません|", box_texts());
        EXPECT_EQ("old source\n", bytes("g0/win.c"));
        EXPECT_EQ("old header\n", bytes("g0/win.h"));
        if (c.missing != nullptr) put(c.missing, kept);
        if (c.blocker != nullptr) std::filesystem::remove(c.blocker);
    }
}

// The display files: "xstring.dat" rows cut to 100 bytes and held up to
// 100; the lookups by class, exact, prefix and suffix.
TEST_F(XGen, DisplayStrings)
{
    std::string rows = "Zx" + std::string(120, 'y') + "\n";
    for (int k = 0; k < 120; ++k) rows += "Q<t" + std::to_string(k) + "\n";
    put("xstring.dat", rows);
    EXPECT_EQ(0, read_xstring());
    EXPECT_EQ(100, xstring_num);
    EXPECT_EQ(100u, strlen(xstring_tbl[0]));
    EXPECT_STREQ("t0", xstring_text('Q'));
    EXPECT_STREQ("???", xstring_text('R'));
    put("xstring.dat", xstring_rows);
    read_xstring();
    EXPECT_EQ(1, xstring_is('X', "XmNx"));
    EXPECT_EQ(0, xstring_is('X', "XmNxy"));
    EXPECT_EQ(1, xstring_matches('A', "ButtonPressMask"));
    EXPECT_EQ(0, xstring_matches('A', "MaskOf"));
    EXPECT_EQ(1, xstring_matches('B', "XmNanything"));
    std::filesystem::remove("g0/xstring.dat");
    EXPECT_EQ(1, read_xstring());
    EXPECT_EQ(0, xstring_num);
}

}  // namespace
