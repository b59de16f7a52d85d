// The FORM writer: the window's creation function, its create routine, its
// window procedure and its position function, and the header's defines
// and prototypes.
#include "tests/generators/gen_fixture.h"

namespace {

class GenForm : public GenTest {
protected:
    int top = -1;

    // The FORM box with caption and position fields.
    int form(const char *fields) { return top = box("FORM", "", 0, 0, 400, 300, fields); }

    std::string source() { return got("win.c"); }
    std::string header() { return got("win.h"); }
    int generate() { return gen_source("win.c", "win.h"); }
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
    expect_fixture("form1.h", header());
}

}  // namespace
