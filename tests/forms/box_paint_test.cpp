// Box painting: marks and styles from the links, pens, labels by kind, the
// anchors of the comment styles, hit tests and sizing to texts.
#include "forms/box_paint.h"

#include <string>
#include <vector>

#include "forms/find_box.h"
#include "forms/form_state.h"
#include "forms/multi_cur.h"
#include "forms/queries.h"
#include "shell/screen_hooks.h"
#include "tests/forms/form_fixture.h"

namespace {

class BoxPaint : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        capture_forms::char_width = 10;
    }
};

int commits;
void count_commit() { ++commits; }

struct style_case {
    const char *what;
    const char *relation;  // "" for a COMMENT alone
    const char *target_kind;
    const char *field1;
    bool comment_is_from;  // the bridges style their source
    int style;
};

TEST_F(BoxPaint, StylesComeFromTheCommentWordAndItsLinks)
{
    const style_case cases[] = {
        {"Center", "", "COMMENT", "Center", false, style_center},
        {"TopLeft", "", "COMMENT", "TopLeft", false, style_top_left},
        {"TopRight", "", "COMMENT", "TopRight", false, style_top_right},
        {"TopCenter", "", "COMMENT", "TopCenter", false, style_top_center},
        {"BottomLeft", "", "COMMENT", "BottomLeft", false, style_bottom_left},
        {"BottomRight", "", "COMMENT", "BottomRight", false, style_bottom_right},
        {"BottomCenter", "", "COMMENT", "BottomCenter", false, style_bottom_center},
        {"Ellipse", "", "COMMENT", "Ellipse", false, style_ellipse},
        {"an unknown word", "", "COMMENT", "Middle", false, style_label},
        {"under_pos STRING", "under_pos", "STRING", "", false, style_framed},
        {"under_pos plain", "under_pos", "COMMENT", "0", false, style_corner},
        {"under_pos Line", "under_pos", "COMMENT", "Line", false, style_vline},
        {"under_pos BLine", "under_pos", "COMMENT", "BLine", false, style_vdouble},
        {"right_pos STRING", "right_pos", "STRING", "", false, style_framed},
        {"right_pos plain", "right_pos", "COMMENT", "0x", false, style_corner},
        {"right_pos Line", "right_pos", "COMMENT", "Line", false, style_hline},
        {"right_pos BLine", "right_pos", "COMMENT", "BLine", false, style_hdouble},
        {"under_bridge plain", "under_bridge", "COMMENT", "0", true, style_corner},
        {"under_bridge Line", "under_bridge", "COMMENT", "Line", true, style_vline},
        {"under_bridge BLine", "under_bridge", "COMMENT", "BLine", true, style_by_link},
        {"right_bridge Line", "right_bridge", "COMMENT", "Line", true, style_hline},
        {"right_bridge BLine", "right_bridge", "COMMENT", "BLine", true, style_by_link},
        {"on_set STRING", "on_set", "STRING", "", false, style_framed},
        {"on_set empty", "on_set", "COMMENT", "", false, style_corner},
        {"on_set Line", "on_set", "COMMENT", "Line", false, style_label},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        forms_reset_all();
        form_alloc();
        const std::string para = std::string("text ") + c.field1;
        const int other = box("EDIT", "e", 0, 0, 50, 50);
        const int comment = box(c.target_kind, "", 100, 100, 200, 150, para.c_str());
        if (c.relation[0] != '\0') {
            if (c.comment_is_from) link(comment, other, c.relation);
            else link(other, comment, c.relation);
        }
        paint_prepare();
        EXPECT_EQ(box_style[comment], c.style);
    }
}

TEST_F(BoxPaint, MarksShowWhatRelatesToTheCurrentBox)
{
    const int cur = box("EDIT", "same", 0, 0, 50, 50);
    const int twin = box("BUTTON", "same", 60, 0, 100, 50);
    const int set_to = box("EDIT", "a", 0, 60, 50, 100);
    const int any_from = box("EDIT", "b", 60, 60, 100, 100);
    const int dollar_to = box("EDIT", "c", 0, 120, 50, 160);
    const int plain = box("EDIT", "d", 60, 120, 100, 160);
    const int note = box("COMMENT", "", 0, 200, 50, 240, "x 0");
    link(cur, set_to, "SET");
    link(any_from, cur, "ANY");
    link(cur, dollar_to, "$space");
    link(cur, plain, "on_set");
    link(cur, note, "on_set");
    cur_box = cur;
    paint_prepare();
    EXPECT_EQ(box_mark[cur], mark_current);
    EXPECT_EQ(box_mark[twin], mark_related);
    EXPECT_EQ(box_mark[set_to], mark_related);
    EXPECT_EQ(box_mark[any_from], mark_related);
    EXPECT_EQ(box_mark[dollar_to], mark_related);
    EXPECT_EQ(box_mark[plain], mark_plain);
    EXPECT_EQ(box_mark[note], mark_related);
}

TEST_F(BoxPaint, AnOnSetCommentMarksItsParentUnlessThatIsATag)
{
    const int parent = box("EDIT", "p", 0, 0, 50, 50);
    const int tag = box("TAG", "t", 60, 0, 100, 50);
    const int note = box("COMMENT", "", 0, 60, 50, 100, "x 0");
    const int tag_note = box("COMMENT", "", 60, 60, 100, 100, "x");
    link(parent, note, "on_set");
    link(tag, tag_note, "on_set");
    cur_box = note;
    paint_prepare();
    EXPECT_EQ(box_mark[parent], mark_related);
    cur_box = tag_note;
    paint_prepare();
    EXPECT_EQ(box_mark[tag], mark_plain);
}

TEST_F(BoxPaint, ABoxBeyondTheDrawableRangeKeepsNoStaleStyle)
{
    const int far = box("COMMENT", "", 0, 40000, 50, 40050, "x Center");
    box_style[far] = style_ellipse;
    box_mark[far] = mark_related;
    paint_prepare();
    EXPECT_EQ(box_style[far], style_label);
    EXPECT_EQ(box_mark[far], mark_plain);
    EXPECT_FALSE(box_framed(far));
}

TEST_F(BoxPaint, LineCommentsAreFramedOnlyWhenMarked)
{
    const int parent = box("EDIT", "p", 0, 0, 50, 50);
    const int line = box("COMMENT", "", 0, 60, 50, 100, "x Line");
    const int corner = box("COMMENT", "", 60, 60, 100, 100, "x 0");
    link(parent, line, "under_pos");
    link(parent, corner, "under_pos");
    paint_prepare();
    EXPECT_TRUE(box_framed(parent));
    EXPECT_FALSE(box_framed(line));
    EXPECT_FALSE(box_framed(corner));
    box_mark[line] = mark_related;
    EXPECT_TRUE(box_framed(line));
}

TEST_F(BoxPaint, PensFollowTheMarkAndTheArmedOperation)
{
    const int cur = box("EDIT", "x", 0, 0, 50, 50);
    const int set = box("EDIT", "y", 60, 0, 100, 50);
    const int plain = box("EDIT", "z", 0, 60, 50, 100);
    link(cur, set, "SET");
    cur_box = cur;
    paint_prepare();
    box_look look;
    box_look_of(plain, &look);
    EXPECT_EQ(look.pen, pen_box_plain);
    box_look_of(set, &look);
    EXPECT_EQ(look.pen, pen_box_related);
    box_look_of(cur, &look);
    EXPECT_EQ(look.pen, pen_box_current);
    EXPECT_EQ(look.right_extra, 1);
    EXPECT_EQ(paint_pens[pen_box_current].width, 2);
    pending_op = op_paste_once;
    box_look_of(cur, &look);
    EXPECT_EQ(look.pen, pen_box_armed);
    EXPECT_EQ(paint_pens[pen_box_armed].colour, colour_magenta);
}

struct anchor_case {
    int style;
    const char *field1;
    int x, y;
};

TEST_F(BoxPaint, StyledTextsStandWhereTheirStyleAnchorsThem)
{
    // "abcd" measures 40 x 14 in a box (100, 100, 200, 150): centre 130, 118.
    const anchor_case cases[] = {
        {style_center, "Center", 130, 118},         {style_top_left, "TopLeft", 102, 84},
        {style_top_right, "TopRight", 158, 84},     {style_top_center, "TopCenter", 130, 84},
        {style_bottom_left, "BottomLeft", 102, 152}, {style_bottom_right, "BottomRight", 158, 152},
        {style_bottom_center, "BottomCenter", 130, 152}, {style_ellipse, "Ellipse", 130, 118},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.field1);
        forms_reset_all();
        form_alloc();
        const std::string para = std::string("abcd ") + c.field1;
        const int b = box("COMMENT", "", 100, 100, 200, 150, para.c_str());
        paint_prepare();
        ASSERT_EQ(box_style[b], c.style);
        text_item texts[box_text_cap];
        shape_item shapes[4];
        int shape_n = 0;
        ASSERT_EQ(box_text_items(b, texts, box_text_cap, shapes, 4, &shape_n), 1);
        EXPECT_EQ(texts[0].x, c.x);
        EXPECT_EQ(texts[0].y, c.y);
        EXPECT_STREQ(texts[0].text, "abcd");
        EXPECT_EQ(texts[0].font, font_text);
        EXPECT_EQ(shape_n, c.style == style_ellipse ? 1 : 0);
    }
}

TEST_F(BoxPaint, ShapesOfLineCommentsAndAQuotedText)
{
    const int parent = box("EDIT", "p", 0, 0, 50, 50);
    const int corner = box("COMMENT", "", 100, 100, 200, 150, "\"a \\\"b\\\"\" 0");
    const int vline = box("COMMENT", "", 100, 200, 200, 250, "x Line");
    const int hdouble = box("COMMENT", "", 100, 300, 200, 350, "ab BLine");
    const int str = box("STRING", "", 100, 400, 200, 450, "s");
    link(parent, corner, "under_pos");
    link(parent, vline, "under_pos");
    link(parent, hdouble, "right_pos");
    link(parent, str, "on_set");
    paint_prepare();
    text_item texts[box_text_cap];
    shape_item shapes[4];
    int shape_n = 0;
    ASSERT_EQ(box_text_items(corner, texts, box_text_cap, shapes, 4, &shape_n), 1);
    EXPECT_STREQ(texts[0].text, "a \"b\"");
    EXPECT_EQ(texts[0].x, 102);
    EXPECT_EQ(texts[0].y, 102);
    EXPECT_EQ(box_text_items(vline, texts, box_text_cap, shapes, 4, &shape_n), 0);
    ASSERT_EQ(shape_n, 1);
    EXPECT_EQ(shapes[0].pts[0].x, 150);
    EXPECT_EQ(shapes[0].pts[0].y, 200);
    EXPECT_EQ(shapes[0].pts[1].y, 250);
    ASSERT_EQ(box_text_items(hdouble, texts, box_text_cap, shapes, 4, &shape_n), 1);
    EXPECT_EQ(shape_n, 2);
    EXPECT_EQ(texts[0].x, 140);
    ASSERT_EQ(box_text_items(str, texts, box_text_cap, shapes, 4, &shape_n), 1);
    EXPECT_EQ(texts[0].x, 102);
    ASSERT_EQ(shape_n, 1);
    EXPECT_EQ(shapes[0].n, 5);
}

TEST_F(BoxPaint, VerticalTextTakesAShiftJisPairAsOneCharacter)
{
    const int parent = box("EDIT", "p", 0, 0, 50, 50);
    const int b = box("COMMENT", "", 100, 100, 200, 150, "a漢b BLine");
    link(parent, b, "under_pos");
    paint_prepare();
    ASSERT_EQ(box_style[b], style_vdouble);
    text_item texts[box_text_cap];
    shape_item shapes[4];
    int shape_n = 0;
    ASSERT_EQ(box_text_items(b, texts, box_text_cap, shapes, 4, &shape_n), 3);
    EXPECT_EQ(shape_n, 2);
    // Heights 14 each: the column is 3 x 13 + 1 = 40 high, from 125 - 20.
    EXPECT_STREQ(texts[1].text, "漢");
    EXPECT_EQ(texts[0].x, 145);
    EXPECT_EQ(texts[1].x, 140);
    EXPECT_EQ(texts[0].y, 105);
    EXPECT_EQ(texts[1].y, 118);
    EXPECT_EQ(texts[2].y, 131);
}

TEST_F(BoxPaint, OmitDrawsTheShapeAlone)
{
    const int parent = box("EDIT", "p", 0, 0, 50, 50);
    const int b = box("COMMENT", "", 100, 100, 200, 150, "omit BLine");
    const int e = box("COMMENT", "", 100, 200, 200, 250, "omit Ellipse");
    link(parent, b, "right_pos");
    paint_prepare();
    text_item texts[box_text_cap];
    shape_item shapes[4];
    int shape_n = 0;
    EXPECT_EQ(box_text_items(b, texts, box_text_cap, shapes, 4, &shape_n), 0);
    EXPECT_EQ(shape_n, 2);
    EXPECT_EQ(box_text_items(e, texts, box_text_cap, shapes, 4, &shape_n), 0);
    EXPECT_EQ(shape_n, 1);
}

struct look_case {
    const char *kind, *name, *para;
    const char *inside;
    unsigned colour, back;
    int font;
    const char *label;  // "" none
    int shadows;
};

TEST_F(BoxPaint, EachKindShowsItsOwnLabel)
{
    const look_case cases[] = {
        {"BOX", "main", "", "main", colour_default, colour_default, font_text, "", 0},
        {"BOX", "", "", "BOX:", colour_default, colour_default, font_text, "", 0},
        {"XITEM", "x", "", "x", colour_default, colour_default, font_text, "", 0},
        {"FBOX", "f", "", "f:", colour_default, colour_default, font_label, "", 0},
        {"FBOX", "", "", "FBOX:", colour_default, colour_default, font_label, "", 0},
        {"AREA", "a1", "", "AREA:a1", colour_default, colour_default, font_label, "", 0},
        {"CASE3", "c", "", "3:c", colour_default, colour_default, font_label, "", 0},
        {"PROC", "p", "", "p", colour_default, colour_cyan, font_label, "", 0},
        {"WM", "WM_SIZE", "", "WM_SIZE", colour_default, colour_default, font_label, "", 0},
        {"PROC", "", "", "PROC:", colour_default, colour_yellow, font_label, "", 0},
        {"RBOX", "r", "", "r", colour_red, colour_default, font_text, "", 0},
        {"RITEM", "r", "", "r", colour_red, colour_default, font_text, "", 2},
        {"GBOX", "", "", "GBOX:", colour_green, colour_default, font_text, "", 0},
        {"GITEM", "g", "OMIT", "g ", colour_green, colour_default, font_text, "", 2},
        {"GITEM", "", "\"v\"", " v", colour_green, colour_default, font_text, "", 2},
        {"YBOX", "y", "", "y", colour_black, colour_yellow, font_text, "", 0},
        {"ABOX", "a", "", "a", colour_black, colour_cyan, font_text, "", 0},
        {"BITEM", "b", "", "b ", colour_blue, colour_default, font_text, "", 2},
        {"HBOX", "h", "\"head.h\" RBOX", "head.h", colour_red, colour_default, font_text, "", 0},
        {"HBOX", "h", "\"\" ITEM", "HBOX:", colour_default, colour_default, font_text, "", 0},
        {"UNION", "u", "sub.f", "U=>sub.f", colour_default, colour_yellow, font_label, "u", 0},
        {"UNION", "", "", "UNION:", colour_default, colour_yellow, font_label, "", 0},
        {"VBUTTON", "v", "OK", "OK", colour_default, colour_button_face, font_text, "v", 0},
        {"VBUTTON", "v", "", "VBUTTON:", colour_default, colour_button_face, font_label, "v", 0},
        {"VBUTTON", "", "OK", "OK", colour_default, colour_button_face, font_text, "", 0},
        {"ITEM", "i", "on x 1", "●on", colour_default, colour_button_face, font_text, "", 0},
        {"ITEM", "i", "off x 0", "○off", colour_default, colour_button_face, font_text, "", 0},
        {"BDATA", "", "d x 1", "■d", colour_default, colour_button_face, font_text, "", 0},
        {"WIDGET", "w", "XmText", "XmText", colour_default, colour_cyan, font_label, "w", 0},
        {"WIDGET", "", "", "WIDGET:", colour_default, colour_yellow, font_label, "", 0},
        {"EDATA", "e", "val", "val", colour_default, colour_button_face, font_text, "e", 0},
        {"EDATA", "", "", "EDATA:", colour_default, colour_yellow, font_label, "", 0},
        {"DETAIL", "d", "", "DETAIL:", colour_default, colour_yellow, font_label, "d", 0},
        {"DETAIL", "", "", "DETAIL:", colour_default, colour_yellow, font_label, "", 0},
        {"FORM", "", "", "FORM:", colour_default, colour_light_green, font_label, "", 0},
        {"FORM", "main", "", "main", colour_default, colour_default, font_label, "FORM:", 0},
        {"POSI", "p", "", "POS:p", colour_default, colour_cyan, font_label, "", 0},
        {"FOR", "f", "i", "FOR:i", colour_default, colour_cyan, font_label, "", 0},
        {"HOLE", "h", "", "HOLE:h", colour_default, colour_cyan, font_label, "", 0},
        {"JOIN", "j", "", "J:j", colour_default, colour_cyan, font_label, "", 0},
        {"WNDCLASS", "cls", "", "WNDCLASS:", colour_default, colour_cyan, font_label, "cls", 0},
        {"EDIT", "e1", "", "E:e1", colour_default, colour_default, font_label, "", 0},
        {"LISTBOX", "l", "", "L:l", colour_default, colour_default, font_label, "", 0},
        {"MENUA", "m", "", "A:m", colour_default, colour_default, font_label, "", 0},
        {"MATERIAL", "", "", "MATERIAL:", colour_default, colour_yellow, font_label, "", 0},
        {"MATERIAL", "m", "", "m", colour_dark_green, colour_default, font_label, "MATERIAL:", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.kind) + "/" + c.name + "/" + c.para);
        forms_reset_all();
        form_alloc();
        const int b = box(c.kind, c.name, 100, 100, 200, 150, c.para);
        paint_prepare();
        box_look look;
        box_look_of(b, &look);
        ASSERT_TRUE(look.drawn);
        EXPECT_EQ(look.shadow_num, c.shadows);
        std::string label;
        const text_item *inside = nullptr;
        for (int k = 0; k < look.text_num; ++k) {
            if (look.texts[k].y == 82) label = look.texts[k].text;
            if (look.texts[k].y == 102 && look.texts[k].x == 103) inside = &look.texts[k];
        }
        EXPECT_EQ(label, c.label);
        ASSERT_NE(inside, nullptr);
        EXPECT_STREQ(inside->text, c.inside);
        EXPECT_EQ(inside->colour, c.colour);
        EXPECT_EQ(inside->back, c.back);
        EXPECT_EQ(inside->font, c.font);
    }
}

TEST_F(BoxPaint, ShadowFramesStepAwayFromTheBox)
{
    const int r = box("RITEM", "r", 100, 100, 200, 150);
    const int bb = box("BITEM", "b", 100, 200, 200, 250);
    paint_prepare();
    box_look look;
    box_look_of(r, &look);
    EXPECT_EQ(look.shadows[0].x, 4);
    EXPECT_EQ(look.shadows[0].y, -4);
    EXPECT_EQ(look.shadows[1].x, 2);
    box_look_of(bb, &look);
    EXPECT_EQ(look.shadows[0].x, 0);
    EXPECT_EQ(look.shadows[0].y, -4);
}

TEST_F(BoxPaint, TheTreeViewHidesTheBoxAt250And10)
{
    const int hidden = box("BOX", "root", 250, 10, 300, 40);
    const int shown = box("BOX", "f", 250, 11, 300, 40);
    tree_view_flag = 1;
    paint_prepare();
    box_look look;
    box_look_of(hidden, &look);
    EXPECT_FALSE(look.drawn);
    EXPECT_EQ(look.text_num, 0);
    box_look_of(shown, &look);
    EXPECT_TRUE(look.drawn);
}

TEST_F(BoxPaint, KindLettersAreSearchedInTableOrder)
{
    EXPECT_EQ(kind_letter("LISTBOX"), 'L');
    EXPECT_EQ(kind_letter("LIST"), 'L');
    EXPECT_EQ(kind_letter("DLGSHELL"), 'g');
    EXPECT_EQ(kind_letter("SUM"), 's');
    EXPECT_EQ(kind_letter("WNDCLASS"), 'W');
    EXPECT_EQ(kind_letter("HOLE"), 'w');
    EXPECT_EQ(kind_letter("ITEM"), 0);
    EXPECT_EQ(kind_letter(""), 0);
}

TEST_F(BoxPaint, BoxAtPointExcludesRightAndBottomEdgesAndTakesTheLaterBox)
{
    const int a = box("EDIT", "a", 10, 10, 50, 50);
    const int b = box("EDIT", "b", 40, 40, 80, 80);
    const int other_level = box("EDIT", "c", 100, 100, 150, 150);
    box_level[other_level] = 1;
    const int high = box("EDIT", "d", 0, 5000, 50, 5050);
    EXPECT_EQ(box_at_point(10, 10, nullptr), a);
    EXPECT_EQ(box_at_point(49, 49, nullptr), b);
    EXPECT_EQ(box_at_point(80, 60, nullptr), -1);
    EXPECT_EQ(box_at_point(60, 80, nullptr), -1);
    EXPECT_EQ(box_at_point(120, 120, nullptr), -1);
    EXPECT_EQ(box_at_point(10, 5010, nullptr), -1);
    EXPECT_NE(high, -1);
    EXPECT_EQ(cur_box, -1);
}

TEST_F(BoxPaint, BoxAtPointWithAWindowSelectsOnce)
{
    box("EDIT", "a", 10, 10, 50, 50);
    const int b = box("EDIT", "b", 40, 40, 80, 80);
    commits = 0;
    screen_hooks.commit_prop = count_commit;
    win_handle window = capture::new_edit();
    cur_link = 3;
    find_series = {-5, 4, 2};
    EXPECT_EQ(box_at_point(45, 45, window), b);
    EXPECT_EQ(cur_box, b);
    EXPECT_EQ(cur_link, -1);
    EXPECT_EQ(sel_changed, 1);
    EXPECT_EQ(find_series.mode, -99);
    EXPECT_EQ(commits, 0);  // no box was current
    sel_changed = 0;
    find_series.mode = -5;
    EXPECT_EQ(box_at_point(45, 45, window), b);
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(sel_changed, 0);
    EXPECT_EQ(find_series.mode, -5);
    screen_hooks.commit_prop = nullptr;
    EXPECT_EQ(box_at_point(45, 45, window), b);  // unbound: nothing to commit
}

TEST_F(BoxPaint, FitAllBoxesSizesToTheShownTextThenCommentsToTheirText)
{
    const int tree = box("BOX", "abc", 10, 10, 11, 11);
    const int posi = box("POSI", "p", 10, 50, 11, 51);
    const int control = box("BUTTON", "ok", 10, 90, 11, 91);
    const int note = box("COMMENT", "", 10, 130, 11, 131, "\"hello\" 0");
    const int centred = box("COMMENT", "", 10, 170, 11, 171, "hello Center");
    const int empty = box("STRING", "", 10, 210, 11, 211, "");
    fit_all_boxes(nullptr);
    EXPECT_EQ(rect(tree), "10,10,46,28");  // 3 x 10 + 6, 14 + 4
    EXPECT_EQ(rect(posi), "10,50,66,68");  // "POS:p"
    EXPECT_EQ(rect(control), "10,90,11,91");
    EXPECT_EQ(rect(note), "10,130,66,148");
    EXPECT_EQ(rect(centred), "10,170,11,171");
    EXPECT_EQ(rect(empty), "10,210,11,211");
}

TEST_F(BoxPaint, FitAllBoxesLeavesNamedUserBoxesOfAWindowForm)
{
    box("FORM", "main", 0, 0, 300, 300);
    const int user = box("MYKIND", "mine", 10, 10, 11, 11);
    const int proc = box("PROC", "WndProc", 10, 50, 11, 51);
    const int unnamed = box("MYKIND", "", 10, 90, 11, 91);
    win_handle window = capture::new_edit();
    fit_all_boxes(window);
    EXPECT_EQ(rect(user), "10,10,11,11");
    EXPECT_EQ(rect(proc), "10,50,86,68");
    EXPECT_EQ(rect(unnamed), "10,90,86,108");  // "MYKIND:"
    ASSERT_EQ(capture_forms::redraws.size(), 1u);
}

TEST_F(BoxPaint, WorkMarksFrameTheOtherEndsOfTheCurrentBoxsLinks)
{
    box("WORK", "w", 0, 0, 50, 50);
    const int cur = box("CALC", "c", 60, 0, 100, 50);
    const int child = box("CALC", "d", 0, 60, 50, 100);
    const int parent = box("CALC", "e", 60, 60, 100, 100);
    const int tail = box("TAIL", "t", 0, 120, 50, 160);
    link(cur, child, "ANY");
    link(parent, cur, "on_set");
    link(tail, child, "ANY");
    int out[8];
    cur_box = cur;
    ASSERT_EQ(work_mark_boxes(out, 8), 2);
    EXPECT_EQ(out[0], child);
    EXPECT_EQ(out[1], parent);
    cur_box = tail;
    EXPECT_EQ(work_mark_boxes(out, 8), 0);
    paint_point pts[5];
    frame_box_points(cur, pts);
    EXPECT_EQ(pts[2].x, 99);
    EXPECT_EQ(pts[2].y, 49);
}

TEST_F(BoxPaint, AWaitingOperationFramesTheCanvas)
{
    paint_point pts[5];
    EXPECT_EQ(armed_frame(640, 480, pts), 0);
    click_move_pending = 1;
    cur_box = box("EDIT", "e", 0, 0, 10, 10);
    paint_prepare();
    ASSERT_EQ(armed_frame(640, 480, pts), 1);
    EXPECT_EQ(pts[2].x, 639);
    EXPECT_EQ(pts[2].y, 479);
    cur_box = -1;
    paint_prepare();  // no current box: the one-click move is given up
    EXPECT_EQ(click_move_pending, 0);
    EXPECT_EQ(armed_frame(640, 480, pts), 0);
    pending_op = op_align_h_once;
    EXPECT_EQ(armed_frame(640, 480, pts), 1);
}

TEST_F(BoxPaint, ClipLimitsYAlone)
{
    EXPECT_EQ(clip_y(5000), 4095);
    EXPECT_EQ(clip_y(-5000), -4095);
    EXPECT_EQ(clip_y(-4095), -4095);
    EXPECT_EQ(clip_y(12), 12);
}

}  // namespace
