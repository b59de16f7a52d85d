// The writer support: identifier texts, type signatures, the two caches,
// the form lookups and the definition includes.
#include <string>

#include "generators/defs.h"
#include "generators/gen_support.h"
#include "tests/generators/gen_fixture.h"

namespace {

class GenSupport : public GenTest {
protected:
    // What fn writes into a scratch file.
    template <typename F> static std::string written(F fn)
    {
        gen_file f{tmpfile(), false};
        fn(&f);
        std::string text;
        rewind(f.fp);
        for (int c; (c = fgetc(f.fp)) != EOF;) text += static_cast<char>(c);
        fclose(f.fp);
        return text;
    }
};

TEST_F(GenSupport, SignatureAndArgumentText)
{
    put("rec.s", "struct rec {\n\tint n;\n\tchar* text;\n\tHWND w;\n};\n");
    put("ptr.s", "struct ptr {\n  char *p;\n  char c;\n  long l;\n};\n");
    char sig[50];
    kind_signature("rec", sig, sizeof sig);
    EXPECT_STREQ("ise", sig);
    kind_signature("ptr", sig, sizeof sig);
    EXPECT_STREQ("scl", sig);
    kind_signature("none", sig, sizeof sig);
    EXPECT_STREQ("", sig);
    const int b = box("rec", "", 0, 0, 1, 1, "10 abc hwndX");
    EXPECT_STREQ(", (int)10, \"abc\", hwndX", get_kind_ids(b));
    const int q = box("ptr", "", 0, 0, 1, 1, "\"q\"");
    EXPECT_STREQ(", \"q\", (char)0, (long)0", get_kind_ids(q));
}

// Identifier words from the definition buffer, from <kind>.r and from neither.
TEST_F(GenSupport, IdentifierWordsAndTheirLinks)
{
    put("win.R", "viewer\tsrc\tdst\n");
    read_defs("win.R");
    put("pane.r",
        "#define first 1\n"
        "#static second\n"
        "#include \"x.h\"\n"
        "  third, rest\n"
        "HOLE a, b,c\n"
        "#define " + std::string(150, 'L') + " tail\n"
        "fourth\n");
    const int viewer = box("viewer", "", 0, 0, 1, 1);
    const int pane = box("pane", "", 0, 0, 1, 1);
    const int plain = box("plain", "", 0, 0, 1, 1);
    int named[8];
    const char *names[] = {"s1", "d1", "f1", "t1", "a1", "c1", "x1", "u1"};
    for (int k = 0; k < 8; ++k) named[k] = box("EDIT", names[k], 0, 0, 1, 1);
    const int unnamed = box("EDIT", "", 0, 0, 1, 1);
    link(viewer, named[0], "src");
    link(viewer, named[1], "dst");
    link(pane, named[2], "first");
    link(pane, named[2], "first");
    link(pane, named[3], "third");
    link(pane, named[4], "a");
    link(pane, named[5], "c");
    link(pane, unnamed, "second");
    link(pane, named[7], "fourth");
    link(plain, named[6], "x");
    EXPECT_STREQ(", s1, d1", get_kind_ids(viewer));
    EXPECT_STREQ(", f1, t1, a1, c1, u1", get_kind_ids(pane));
    EXPECT_STREQ("", get_kind_ids(plain));
    // The cached answer is the same text.
    EXPECT_STREQ(", f1, t1, a1, c1, u1", get_kind_ids(pane));
    EXPECT_EQ(3, kind_id_num);
    EXPECT_EQ(nullptr, get_kind_ids(-1));
    EXPECT_EQ(0, kind_id_num);
}

// A member of a REPEAT grid is followed by the grid's size, cached or not.
TEST_F(GenSupport, GridMembersGiveTheirSizeOnHitAndMiss)
{
    put("join.r", "#define peer\n");
    const int j1 = box("join", "", 0, 0, 1, 1);
    const int j2 = box("join", "", 0, 0, 1, 1);
    const int rep = box("REPEAT", "", 0, 0, 1, 1, "4 0");
    const int cell = box("BUTTON", "cell", 0, 0, 1, 1);
    link(j1, cell, "peer");
    link(j2, cell, "peer");
    repeat_of[cell] = rep;
    EXPECT_STREQ(", cell, 4, 1", get_kind_ids(j1));
    EXPECT_STREQ(", cell, 4, 1", get_kind_ids(j2));
}

TEST_F(GenSupport, TheKindCacheHoldsAThousandKinds)
{
    put("k1000.r", "#define w\n");
    for (int i = 0; i <= kind_id_max; ++i) box(("k" + std::to_string(i)).c_str(), "", 0, 0, 1, 1);
    const int target = box("EDIT", "e", 0, 0, 1, 1);
    link(kind_id_max, target, "w");
    for (int i = 0; i < kind_id_max; ++i) get_kind_ids(i);
    EXPECT_EQ(kind_id_max, kind_id_num);
    EXPECT_STREQ(", e", get_kind_ids(kind_id_max));
    EXPECT_STREQ(", e", get_kind_ids(kind_id_max));
    EXPECT_EQ(kind_id_max, kind_id_num);
}

TEST_F(GenSupport, FormFileAnswersAreCachedEvenWhenNegative)
{
    EXPECT_EQ(0, note_file_exists("later"));
    put("later.f", "");
    EXPECT_EQ(0, note_file_exists("later"));
    note_file_exists(nullptr);
    EXPECT_EQ(1, note_file_exists("later"));
    EXPECT_EQ(1, form_file_num);
}

TEST_F(GenSupport, LinkRunsAndLookups)
{
    const int top = box("FORM", "", 0, 0, 1, 1);
    const int a = box("h", "", 0, 0, 1, 1);
    const int stock = box("STOCKOBJ", "", 0, 0, 1, 1);
    const int sys1 = box("SYSCOLOR", "", 0, 0, 1, 1);
    const int sys2 = box("SYSCOLOR", "", 0, 0, 1, 1);
    link(top, a, "WM_SIZE");
    link(top, a, "WM_SIZE");
    link(top, a, "WM_PAINT");
    link(sys2, top, "COLOR_WINDOW");
    link(sys1, top, "lower");
    link(sys1, top, "COLOR_BTNFACE");
    link(stock, top, "GRAY_BRUSH");
    EXPECT_EQ(1, link_run_edge(0, -1));
    EXPECT_EQ(0, link_run_edge(0, 1));
    EXPECT_EQ(0, link_run_edge(1, -1));
    EXPECT_EQ(1, link_run_edge(1, 1));
    EXPECT_EQ(1, link_run_edge(6, 1));
    EXPECT_EQ(5, find_brush_link("SYSCOLOR"));
    EXPECT_EQ(6, find_brush_link("STOCKOBJ"));
    EXPECT_EQ(-1, find_brush_link("NULL"));
}

TEST_F(GenSupport, NamesOfBoxesAndLinkedOwners)
{
    const int app = box("APP", "", 0, 0, 1, 1);
    const int w1 = box("main", "w1", 0, 0, 1, 1);
    const int w2 = box("sub", "w2", 0, 0, 1, 1);
    const int w3 = box("sub", "w3", 0, 0, 1, 1);
    const int fb = box("FBOX", "fn", 0, 0, 1, 1);
    const int fb0 = box("FBOX", "", 0, 0, 1, 1);
    link(app, w1, "FORM");
    link(app, w2, "no_set");
    link(app, w3, "FORM");
    link(w1, w2, "CHILD");
    link(w3, w1, "on_set");
    EXPECT_STREQ("main", box_gen_name(w1));
    EXPECT_STREQ("fn", box_gen_name(fb));
    EXPECT_EQ(nullptr, box_gen_name(fb0));
    EXPECT_EQ(nullptr, box_gen_name(form_num));
    EXPECT_EQ(app, find_app_parent(w2));
    EXPECT_EQ(w1, find_child_link(w2));
    EXPECT_EQ(-1, find_child_link(w1));  // the parent comes later in the table
}

TEST_F(GenSupport, DefinitionIncludes)
{
    put("pane.r", "#define a\n");
    put("work1.r", "#define b\n");
    box("pane", "p1", 0, 0, 1, 1);
    box("pane", "p2", 0, 0, 1, 1);
    box("norfile", "n1", 0, 0, 1, 1);
    box("BUTTON", "b1", 0, 0, 1, 1);
    EXPECT_EQ("#include \"pane.r\"\n", written([](gen_file *f) { include_kind_defs(f); }));
    EXPECT_EQ("", written([](gen_file *f) { include_work_defs(f); }));
    const int w = box("WORK", "", 0, 0, 1, 1);
    const int c1 = box("pane", "p3", 0, 0, 1, 1);
    const int c2 = box("grid", "g1", 0, 0, 1, 1);
    const int c3 = box("grid", "", 0, 0, 1, 1);
    link(w, c1, "SET");
    link(w, c2, "SET");
    link(w, c3, "SET");
    link(w, c1, "SET");
    EXPECT_EQ("#include \"WORK.r\"\n#include \"pane.r\"\n#include \"grid.r\"\n",
              written([](gen_file *f) { include_work_defs(f); }));
}

TEST_F(GenSupport, WndclassSlotsTakeGivenFields)
{
    wndclass_fill();
    EXPECT_STREQ("GetStockObject(WHITE_BRUSH)", wndclass_values[5]);
    box("WNDCLASS", "", 0, 0, 1, 1, "\"CS_DBLCLKS\" omit 8 \"omit\" \"\" GetStockObject(GRAY_BRUSH)");
    wndclass_fill();
    EXPECT_STREQ("CS_DBLCLKS", wndclass_values[0]);
    EXPECT_STREQ("0", wndclass_values[1]);
    EXPECT_STREQ("8", wndclass_values[2]);
    EXPECT_STREQ("LoadIcon(NULL,IDI_APPLICATION)", wndclass_values[3]);
    EXPECT_STREQ("LoadCursor(NULL,IDC_ARROW)", wndclass_values[4]);
    EXPECT_STREQ("GetStockObject(GRAY_BRUSH)", wndclass_values[5]);
    EXPECT_STREQ("NULL", wndclass_values[6]);
}

TEST_F(GenSupport, PrototypeNamesAreWrittenOnce)
{
    EXPECT_EQ(1, proto_once("f"));
    EXPECT_EQ(0, proto_once("f"));
    for (int i = 1; i < proto_max; ++i) proto_once(("g" + std::to_string(i)).c_str());
    EXPECT_EQ(1, proto_once("late"));
    EXPECT_EQ(1, proto_once("late"));
    proto_reset();
    EXPECT_EQ(1, proto_once("f"));
}

// A source the merge cannot find is named in the box; the header stays.
TEST_F(GenSupport, AMergeWithoutItsSourceNamesTheSource)
{
    put("win.h", "#define ok 0\n");
    EXPECT_EQ(1, merge_header("win.c", "win.h"));
    EXPECT_EQ("ファイル(win.c)をオープン出来ません|", box_texts());
    EXPECT_EQ("#define ok 0\n", got("win.h"));
    EXPECT_FALSE(exists("win.c"));
}

}  // namespace
