// The FORM writer: the window's creation function, its create routine, its
// window procedure and its position function, and the header's defines
// and prototypes, merged into the source in place of its include line.
#include "tests/generators/gen_fixture.h"

namespace {

class GenForm : public GenTest {
protected:
    int top = -1;

    // The FORM box with caption and position fields.
    int form(const char *fields) { return top = box("FORM", "", 0, 0, 400, 300, fields); }

    std::string source() { return got("win.c"); }
    int generate() { return gen_source("win.c", "win.h"); }

    // True when the source holds every text of the list.
    ::testing::AssertionResult holds(const std::vector<std::string> &texts)
    {
        const std::string text = source();
        for (const auto &t : texts) {
            if (text.find(t) == std::string::npos) return ::testing::AssertionFailure() << "missing: " << t << "\n" << text;
        }
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult lacks(const std::vector<std::string> &texts)
    {
        const std::string text = source();
        for (const auto &t : texts) {
            if (text.find(t) != std::string::npos) return ::testing::AssertionFailure() << "present: " << t;
        }
        return ::testing::AssertionSuccess();
    }
};

// Every kind of control with Japanese texts, a grid, a font, a tab order,
// a background brush, message and notification handlers, a system menu and
// a position table: the whole text as the writer gives it.
TEST_F(GenForm, SampleWindow)
{
    form("- 入力画面 - CENTERING 40 320 240");
    const int ok = box("BUTTON", "ok", 10, 10, 70, 30, "了解 WS_CHILD|WS_VISIBLE|BS_PUSHBUTTON");
    const int name = box("EDIT", "name", 10, 40, 110, 60, "\"山田 太郎\" WS_CHILD|WS_VISIBLE|WS_BORDER");
    box("STATIC", "label", 120, 40, 200, 60, "表示 WS_CHILD|WS_VISIBLE");
    box("LISTBOX", "items", 10, 70, 110, 130, "0L WS_CHILD|WS_VISIBLE|LBS_NOTIFY");
    box("COMBOBOX", "kinds", 120, 70, 200, 130, "\"\" WS_CHILD|WS_VISIBLE|CBS_DROPDOWNLIST");
    box("SCRBAR", "bar", 210, 10, 230, 130, "\"\" WS_CHILD|WS_VISIBLE|SBS_VERT");
    const int rep = box("REPEAT", "", 240, 10, 250, 20, "3 2 1 1");
    const int cell = box("BUTTON", "cell", 260, 10, 280, 30, "セル WS_CHILD|WS_VISIBLE");
    const int font = box("FONT", "big", 300, 10, 310, 20, "16 0 0 0 400 0 0 0 SHIFTJIS_CHARSET 0 0 0 0 \"ＭＳ ゴシック\"");
    const int tab = box("TABSTOP", "", 300, 30, 310, 40);
    const int brush = box("SYSCOLOR", "", 300, 50, 310, 60);
    const int panel = box("panel", "pane", 10, 140, 200, 200);
    const int onsize = box("onsize", "", 320, 10, 330, 20);
    const int paint = box("RETURN", "", 320, 30, 330, 40, "0");
    const int onok = box("onok", "", 320, 50, 330, 60);
    const int onchange = box("FBOX", "on_change", 320, 70, 330, 80);
    const int oncell = box("oncell", "", 320, 90, 330, 100);
    const int menu = box("menu1", "", 320, 110, 330, 120);
    const int posi = box("POSI", "where", 340, 10, 350, 20);
    link(top, onsize, "WM_SIZE");
    link(top, paint, "WM_PAINT");
    link(top, menu, "SMENU");
    link(ok, onok, "WM_COMMAND");
    link(name, onchange, "EN_CHANGE");
    link(cell, oncell, "WM_COMMAND");
    link(rep, cell, "SET");
    link(font, name, "SET");
    link(tab, ok, "SET");
    link(tab, name, "SET");
    link(brush, top, "COLOR_BTNFACE");
    link(posi, ok, "SET");
    (void)panel;
    put("panel.f", "");
    put("panel.r", "#define pane_id\n");
    EXPECT_EQ(0, generate());
    EXPECT_EQ("", box_texts());
    expect_fixture("form1.c", source());
    EXPECT_FALSE(exists("win.h"));
}


TEST_F(GenForm, PositionByNumberCenteringAndFull)
{
    struct place_case {
        const char *fields;
        int full_as_centering;
        std::vector<std::string> present, absent;
    } const cases[] = {
        {"- c - 5 6 300 200", 0, {"#define W(w_x)     (w_x)\n", "\t\t5,                     // initial x position\n",
                                  "\t\t6,                     // initial y position\n", "\t\t300,                     // initial x size\n"},
         {"RECT rc", "GetDesktopWindow"}},
        {"- c - FULL FULL 300 200", 0,
         {"#define W(w_x)     ((int)(((long)(w_x))*wf/wb))\n", "#define H(h_x)     ((int)(((long)(h_x))*hf/hb))\n",
          "static int wf, wb;\n", "static int hf, hb;\n", "\tRECT rc;\n\tHWND hwndW;\n", "\twb = 300;\n\twf = rc.right - rc.left;\n",
          "\thb = 200;\n\thf = rc.bottom - rc.top;\n", "\t\t0,                     // initial x position\n",
          "\t\twf,                     // initial x size\n", "\t\thf,                     // initial y size\n"},
         {"\tint w;\n"}},
        {"- c - FULL 7 300 200", 1,
         {"#define W(w_x)     (w_x)\n", "\tint w;\n", "\tw = rc.right - rc.left;\n\tw = w/2 - 300/2;\n",
          "\t\tw,                     // initial x position\n", "\t\t300,                     // initial x size\n"},
         {"wf", "\tint h;\n"}},
        {"- c - 7 CENTERING 300 200", 0,
         {"\tint h;\n", "\th = rc.bottom - rc.top;\n\th = h/2 - 200/2;\n", "\t\th,                     // initial y position\n"},
         {"\tint w;\n"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fields);
        forms_reset_all();
        form_alloc();
        full_as_centering = c.full_as_centering;
        form(c.fields);
        ASSERT_EQ(0, generate());
        EXPECT_TRUE(holds(c.present));
        EXPECT_TRUE(lacks(c.absent));
    }
}

// The first brush link found by kind, in the order SYSCOLOR, STOCKOBJ,
// VARIABLE, HBRUSH, NULL; then the WNDCLASS box's slot.
TEST_F(GenForm, BackgroundBrush)
{
    struct brush_case {
        std::vector<std::pair<const char *, const char *>> links;  // kind, relation
        const char *line;
    } const cases[] = {
        {{{"NULL", "X"}, {"STOCKOBJ", "GRAY_BRUSH"}, {"SYSCOLOR", "COLOR_WINDOW"}}, "(HBRUSH)(COLOR_WINDOW+1);"},
        {{{"NULL", "X"}, {"STOCKOBJ", "GRAY_BRUSH"}}, "GetStockObject(GRAY_BRUSH);"},
        {{{"HBRUSH", "X"}}, "my_brush;"},
        {{{"VARIABLE", "X"}}, "my_brush;"},
        {{{"NULL", "X"}}, "(HBRUSH)NULL;"},
        {{{"NULL", "lower"}}, "GetStockObject(LTGRAY_BRUSH);"},
    };
    for (const auto &c : cases) {
        forms_reset_all();
        form_alloc();
        form("- c - 0 0 10 10");
        box("WNDCLASS", "", 0, 0, 1, 1, "omit \"2\" \"\" omit omit \"GetStockObject(LTGRAY_BRUSH)\" \"omit\"");
        for (const auto &k : c.links) {
            const bool variable = strcmp(k.first, "HBRUSH") == 0 || strcmp(k.first, "VARIABLE") == 0;
            link(box(k.first, variable ? "my_brush" : "", 0, 0, 1, 1), top, k.second);
        }
        ASSERT_EQ(0, generate());
        EXPECT_TRUE(holds({std::string("\t\twndclass.hbrBackground = ") + c.line + "\n",
                           "\t\twndclass.style         = CS_HREDRAW|CS_VREDRAW|CS_DBLCLKS;\n",
                           "\t\twndclass.cbClsExtra    = 2;\n", "\t\twndclass.cbWndExtra    = 16;\n",
                           "\t\twndclass.lpszMenuName  = NULL;\n"}))
            << c.line;
    }
}

// Runs of links with one relation share one case label; a RETURN handler
// returns its value; excluded messages get no case.
TEST_F(GenForm, MessageRunsAndReturnHandlers)
{
    form("- c - 0 0 10 10");
    const int a = box("on_a", "", 0, 0, 1, 1);
    const int b = box("FBOX", "on_b", 0, 0, 1, 1);
    const int r = box("RETURN", "", 0, 0, 1, 1, "1L");
    const int e = box("RETURN", "", 0, 0, 1, 1);
    link(top, a, "WM_SIZE");
    link(top, b, "WM_SIZE");
    link(top, r, "WM_ERASEBKGND");
    link(top, e, "WM_CLOSE");
    link(top, a, "WM_CTLCOLOR");
    ASSERT_EQ(0, generate());
    EXPECT_TRUE(holds({"\tcase WM_SIZE:\n\t\trtc = on_a(hwnd, message, wParam, lParam);\n"
                       "\t\trtc = on_b(hwnd, message, wParam, lParam);\n\t\tbreak;\n"
                       "\tcase WM_ERASEBKGND:\n\t\treturn(1L);\n\tcase WM_CLOSE:\n\t\treturn(0);\n\tcase WM_COMMAND:\n"}));
    EXPECT_TRUE(lacks({"WM_CTLCOLOR"}));
}

// One control's links in link order: a WM_COMMAND case closes the control,
// an open notification switch takes no WM_COMMAND case, an ANY box adds its
// handlers with its name.
TEST_F(GenForm, CommandStateMachine)
{
    form("- c - 0 0 10 10");
    const int b1 = box("BUTTON", "b1", 0, 0, 1, 1);
    const int b2 = box("BUTTON", "b2", 0, 0, 1, 1);
    const int b3 = box("BUTTON", "b3", 0, 0, 1, 1);
    const int any = box("ANY", "anyone", 0, 0, 1, 1);
    const int h1 = box("h_cmd", "", 0, 0, 1, 1);
    const int h2 = box("h_note", "", 0, 0, 1, 1);
    const int h3 = box("h_any", "", 0, 0, 1, 1);
    link(b1, h1, "WM_COMMAND");
    link(b1, h2, "BN_CLICKED");
    link(b2, h2, "BN_CLICKED");
    link(b2, h1, "WM_COMMAND");
    link(b3, any, "ANY");
    link(any, h3, "BN_DOUBLECLICKED");
    ASSERT_EQ(0, generate());
    EXPECT_TRUE(holds({"\t\tswitch(object_id) {\n"
                       "\t\tcase b1:\n\t\t\trtc = h_cmd(hwnd, message, object_id, sub_cmd);\n\t\t\tbreak;\n"
                       "\t\tcase b2:\n\t\t\tswitch((int)sub_cmd) {\n\t\t\tcase BN_CLICKED:\n"
                       "\t\t\t\trtc = h_note(hwnd, message, object_id, sub_cmd);\n\t\t\t\tbreak;\n\t\t\t}\n\t\t\tbreak;\n"
                       "\t\tcase b3:\n\t\t\tswitch((int)sub_cmd) {\n\t\t\tcase BN_DOUBLECLICKED:\n"
                       "\t\t\t\trtc = h_any(hwnd, message, object_id, sub_cmd, anyone);\n\t\t\t\tbreak;\n\t\t\t}\n\t\t\tbreak;\n"
                       "\t\t}\n\t\tbreak;\n",
                       "\tstatic int FAR anyone_v[] = {b3, -1};\n", "\tworkc[anyone] = (char *)anyone_v;\n"}));
}

TEST_F(GenForm, ModesOfTheWin16Forms)
{
    struct mode_case {
        int mode;
        bool win16;
        bool proc_instance;
    } const cases[] = {{0, false, false}, {9, false, false}, {16, true, true}, {3, true, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.mode);
        forms_reset_all();
        form_alloc();
        form_mode = c.mode;
        form("- c - 0 0 10 10");
        const int b = box("BUTTON", "b", 0, 0, 1, 1, "t WS_CHILD");
        link(box("TABSTOP", "", 0, 0, 1, 1), b, "SET");
        ASSERT_EQ(0, generate());
        const std::vector<std::string> w16 = {"long FAR PASCAL _export win_PROC (HWND", "long PASCAL FAR _export win_PROC (\n",
                                              "object_id  = wParam;         /* WIN16 */", "(LONG)lpfnControlProc);",
                                              "\tlong FAR PASCAL _export ControlProc("};
        const std::vector<std::string> w32 = {"long FAR PASCAL win_PROC (HWND", "object_id  = LOWORD(wParam); /* WIN32 */",
                                              "(LONG)ControlProc);"};
        const std::vector<std::string> inst = {"\tFARPROC lpfnControlProc;\n",
                                               "\tlpfnControlProc = MakeProcInstance((FARPROC)ControlProc, hInstance);\n"};
        EXPECT_TRUE(holds(c.win16 ? w16 : w32));
        EXPECT_TRUE(lacks(c.win16 ? w32 : w16));
        EXPECT_TRUE(c.proc_instance ? holds(inst) : lacks(inst));
    }
}

// A COLOR box gets a prototype by its kind; user kinds linked by "SMENU"
// are PASCAL procedures.
TEST_F(GenForm, PrototypesOfColorAndMenuBoxes)
{
    form("- c - 0 0 10 10");
    box("COLOR", "", 0, 0, 1, 1);
    box("helper", "", 0, 0, 1, 1);
    box("helper", "", 0, 0, 1, 1);
    ASSERT_EQ(0, generate());
    EXPECT_NE(std::string::npos, source().find("void *memset();\nint COLOR();\nint helper();\n"));
    EXPECT_EQ(std::string::npos, source().find("int helper();\nint helper();"));
    EXPECT_FALSE(exists("win.h"));
}

// Empty fields that the text inserts as C expressions become "0"; quoted
// texts are not quoted again; the NUL character of memset is written as
// its escape; a caption whose second byte is 0x5C is copied byte for byte.
TEST_F(GenForm, FieldsThatWouldNotCompile)
{
    form("- \"a b\" - 3 4");
    const int f = box("FONT", "fnt", 0, 0, 1, 1, "12 0");
    const int e = box("EDIT", "e", 0, 0, 1, 1, "表ソ");
    box("BRUSH", "br", 0, 0, 1, 1, "255");
    box("MSG", "m1", 0, 0, 1, 1, "\"quoted\"");
    box("MSG", "m2", 0, 0, 1, 1, "plain");
    link(f, e, "SET");
    ASSERT_EQ(0, generate());
    EXPECT_TRUE(holds({"\t\t\"a b\",                  // window caption\n", "\t\t0,                     // initial x size\n",
                       "\t\t0,                     // initial y size\n",
                       "\tfnt_v = CreateFont(H(12),0,0,0,0,0,0,0,0,0,0,0,0,0);\n",
                       "\tbr_v = CreateSolidBrush(RGB(255, 0, 0));\n", "CreateWindow(\"EDIT\", \"\x95\x5C\x83\x5C\",\n\t\t0, W(0)",
                       "\tstatic char FAR m1_v[] = \"quoted\";\n", "\tstatic char FAR m2_v[] = \"plain\";\n"}));
    EXPECT_TRUE(holds({"\tmemset(hwndc, \x27\x5C\x30\x27, 5 * sizeof(HWND));\n"}));
}

// What would repeat a case label or clash with another name is refused
// with one box before any file is touched.
TEST_F(GenForm, RefusalsBeforeAnyFile)
{
    struct refusal_case {
        const char *what;
        void (*build)(int top);
        const char *text;
    } const cases[] = {
        {"WM_CREATE link", [](int t) { link(t, box("on_h", "", 0, 0, 1, 1), "WM_CREATE"); }, "関係(WM_CREATE)"},
        {"WM_COMMAND link", [](int t) { link(t, box("on_h", "", 0, 0, 1, 1), "WM_COMMAND"); }, "関係(WM_COMMAND)"},
        {"two SMENU links",
         [](int t) {
             link(t, box("m1", "", 0, 0, 1, 1), "SMENU");
             link(t, box("m2", "", 0, 0, 1, 1), "SMENU");
         },
         "関係(SMENU)"},
        {"WM_SYSCOMMAND beside SMENU",
         [](int t) {
             link(t, box("m1", "", 0, 0, 1, 1), "SMENU");
             link(t, box("on_h", "", 0, 0, 1, 1), "WM_SYSCOMMAND");
         },
         "関係(SMENU)"},
        {"a run split in two",
         [](int t) {
             const int h = box("on_h", "", 0, 0, 1, 1);
             link(t, h, "WM_SIZE");
             link(t, h, "WM_MOVE");
             link(t, h, "WM_SIZE");
         },
         "関係(WM_SIZE)"},
        {"one notification twice",
         [](int) {
             const int b = box("BUTTON", "b", 0, 0, 1, 1);
             const int any = box("ANY", "", 0, 0, 1, 1);
             link(b, box("on_h", "", 0, 0, 1, 1), "BN_CLICKED");
             link(b, any, "ANY");
             link(any, box("on_g", "", 0, 0, 1, 1), "BN_CLICKED");
         },
         "関係(b)"},
        {"a keyword", [](int) { box("EDIT", "int", 0, 0, 1, 1); }, "名前(int)"},
        {"a local", [](int) { box("EDIT", "hwndc", 0, 0, 1, 1); }, "名前(hwndc)"},
        {"a macro", [](int) { box("EDIT", "W", 0, 0, 1, 1); }, "名前(W)"},
        {"a runtime name as kind", [](int) { box("GO", "", 0, 0, 1, 1); }, "名前(GO)"},
        {"two boxes of one name",
         [](int) {
             box("EDIT", "e", 0, 0, 1, 1);
             box("STATIC", "e", 0, 0, 1, 1);
         },
         "名前(e)"},
        {"a table name", [](int) {
             box("SET", "a", 0, 0, 1, 1);
             box("EDIT", "a_v", 0, 0, 1, 1);
         }, "名前(a_v)"},
        {"a derived name", [](int) { box("EDIT", "win_PROC", 0, 0, 1, 1); }, "名前(win_PROC)"},
        {"a kind named like a box", [](int) {
             box("EDIT", "pane", 0, 0, 1, 1);
             box("pane", "", 0, 0, 1, 1);
         }, "名前(pane)"},
        {"an unnamed font", [](int) { box("FONT", "", 0, 0, 1, 1); }, "名前()"},
        {"a name that is no identifier", [](int) { box("EDIT", "名前", 0, 0, 1, 1); }, "名前(名前)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        capture::reset();
        forms_reset_all();
        form_alloc();
        c.build(form("- c - 0 0 10 10"));
        EXPECT_EQ(0, generate());
        ASSERT_EQ(1u, capture::boxes.size());
        EXPECT_NE(std::string::npos, capture::boxes[0].text.find(c.text)) << capture::boxes[0].text;
        EXPECT_FALSE(exists("win.c"));
        EXPECT_FALSE(exists("win.h"));
    }
}

// A grid's members keep their ids, rows and loops; POSI cases come once.
TEST_F(GenForm, GridMembersWithUserKinds)
{
    form("- c - 0 0 10 10");
    const int rep = box("REPEAT", "", 0, 0, 1, 1, "2 x 5 -3");
    const int cellw = box("cellwin", "cw", 10, 20, 40, 30);
    const int after = box("EDIT", "after", 0, 0, 1, 1);
    const int posi = box("POSI", "", 0, 0, 1, 1);
    link(rep, cellw, "SET");
    link(posi, after, "SET");
    link(box("POSI", "", 0, 0, 1, 1), after, "SET");
    ASSERT_EQ(0, generate());
    EXPECT_NE(std::string::npos, source().find("#define cw             0 /* cellwin */\n#define after          2 /* EDIT */\n"));
    EXPECT_FALSE(exists("win.h"));
    EXPECT_TRUE(holds({"\tfor (_y = 0; _y < 1; _y++) {\n\t\tfor (_x = 0; _x < 2; _x++) {\n"
                       "\t\t\thwndc[cw+_x+2*_y] = cellwin(hwnd, &workc[cw+_x+2*_y],\n"
                       "\t\tW(10+34*_x), H(20+9*_y), W(30), H(10), (HMENU)(cw+_x+2*_y), hInstance);\n"
                       "\t\t\tTavir_up_object(hwndc[cw+_x+2*_y]);\n\t\t\tTavir_up_work(workc[cw+_x+2*_y]);\n\t\t}\n\t}\n",
                       "\t{\"cw\", 0},\n\t{\"cw\", 0},\n\t{\"after\", 0},\n",
                       "\tswitch(id) {\n\tcase after:\n\t\t*x = W(0), *y = H(0), *w = W(1), *h = H(1);\n\t\treturn(0);\n\t}\n"}));
}


// A caption whose characters end in the byte 0x5C (表, ソ) is copied byte
// for byte, never read as an escape.
TEST_F(GenForm, CaptionWithBackslashTrailBytes)
{
    form("- 表ソ - 1 2 30 40");
    ASSERT_EQ(0, generate());
    EXPECT_TRUE(holds({"\t\t\"\x95\x5C\x83\x5C\",                  // window caption\n"}));
}

}  // namespace
