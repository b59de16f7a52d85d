// Find by name and the current-box panels: every navigation mode, the
// history of the back step, scrolling to the found box, the occurrence
// counter, the FORM title, legends and the main screen's fields.
#include "forms/find_box.h"

#include <string>
#include <vector>

#include "forms/form_state.h"
#include "shell/msgbox.h"
#include "tests/forms/form_fixture.h"

namespace {

std::vector<std::string> counters;
void note_counter(const char *text) { counters.push_back(text); }

class FindBox : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        target_field = {capture::new_edit(), capture::new_list()};
        counters.clear();
        form_hooks.show_counter = note_counter;
    }
    void TearDown() override { form_hooks = form_hooks_rec{}; }

    static std::vector<std::string> &target_list() { return capture::list_items(target_field.list); }
    static std::string &target_text() { return capture::edit_text(target_field.edit); }
};

TEST_F(FindBox, IndexModeTakesPlainOrBracketedDigitsWithinTheForm)
{
    box("EDIT", "a", 10, 10, 20, 20);
    box("EDIT", "b", 30, 10, 40, 20);
    const int c = box("EDIT", "c", 50, 10, 60, 20);
    cur_link = 0;
    EXPECT_EQ(find_box_by_name("[2]", find_by_index), 1);
    EXPECT_EQ(cur_box, c);
    EXPECT_EQ(cur_link, -1);
    EXPECT_EQ(find_box_by_name("0", find_by_index), 1);
    EXPECT_EQ(cur_box, 0);
    for (const char *bad : {"[3]", "3", "x1", "[1", "1]", "", "-1", "99999999999"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(find_box_by_name(bad, find_by_index), 0);
        EXPECT_EQ(cur_box, 0);
    }
}

TEST_F(FindBox, NextSearchesWrapInsideTheSubForm)
{
    box("BOX", "f", 10, 10, 20, 20);  // the outer form's f
    form_push("outer.f", 0);
    const int first = box("BOX", "f", 10, 10, 20, 20);
    const int g = box("BOX", "g", 30, 10, 40, 20);
    const int second = box("BOX", "f", 50, 10, 60, 20);
    const int callee = box("BOX", "h", 70, 10, 80, 20);
    link(first, callee, "on_set");
    link(second, g, "on_set");
    link(g, callee, "on_set");
    cur_box = second;
    EXPECT_EQ(find_box_by_name("f", find_next_caller), 1);
    EXPECT_EQ(cur_box, first);
    // The keypad hands in the display name's own buffer; g, a caller, comes first.
    EXPECT_EQ(find_box_by_name(box_display_name(cur_box), find_next_caller), 1);
    EXPECT_EQ(cur_box, second);
    EXPECT_EQ(find_box_by_name("h", find_next_called), 1);
    EXPECT_EQ(cur_box, callee);
    EXPECT_EQ(find_box_by_name("h", find_next_called), 0);  // no other h
    EXPECT_EQ(find_box_by_name("f", find_next_root), 1);
    EXPECT_EQ(cur_box, first);
    EXPECT_EQ(find_box_by_name("", find_next_root_any), 1);
    EXPECT_EQ(cur_box, second);
}

TEST_F(FindBox, RootsAndCallersIgnoreAnyLinksAndComments)
{
    const int work = box("WORK", "w", 10, 10, 20, 20);
    const int a = box("CALC", "a", 30, 10, 40, 20);
    const int note = box("COMMENT", "", 50, 10, 60, 20);
    const int b = box("CALC", "a", 70, 10, 80, 20);
    link(work, a, "ANY");
    link(b, note, "on_set");
    link(note, a, "on_set");
    cur_box = -1;
    EXPECT_EQ(find_box_by_name("", find_next_root_any), 1);  // WORK is a new-box kind
    EXPECT_EQ(cur_box, b);
    EXPECT_EQ(find_box_by_name("a", find_next_caller), 0);
    EXPECT_EQ(find_box_by_name("a", find_next_called), 0);
    EXPECT_EQ(find_box_by_name("a", find_first), 1);
    EXPECT_EQ(cur_box, a);
    cur_box = a;
    EXPECT_EQ(under_work_link(), 1);
}

TEST_F(FindBox, FirstPrefersABoxWithCallees)
{
    const int plain = box("BOX", "f", 10, 10, 20, 20);
    const int caller = box("BOX", "f", 30, 10, 40, 20);
    const int callee = box("BOX", "g", 50, 10, 60, 20);
    link(caller, callee, "on_set");
    EXPECT_EQ(find_box_by_name("f", find_first), 1);
    EXPECT_EQ(cur_box, caller);
    EXPECT_EQ(find_box_by_name("g", find_first), 1);
    EXPECT_EQ(cur_box, callee);
    EXPECT_NE(plain, caller);
}

TEST_F(FindBox, ChildStepFindsByDisplayNameOrItemField)
{
    const int p = box("EDIT", "p", 10, 10, 20, 20);
    const int c = box("HBOX", "x", 30, 10, 40, 20, "\"c.h\" BOX");
    const int items = box("XITEM", "i", 50, 10, 60, 20);
    const int item = box("ITEM", "n", 70, 10, 80, 20, "\"shown\"");
    link(p, c, "no_set_x");
    link(items, item, "on_set");
    cur_box = p;
    EXPECT_EQ(find_box_by_name("c.h", find_child), 1);
    EXPECT_EQ(cur_box, c);
    EXPECT_EQ(cur_link, 0);
    cur_box = items;
    EXPECT_EQ(find_box_by_name("n", find_child), 0);
    EXPECT_EQ(find_box_by_name("shown", find_child), 1);
    EXPECT_EQ(cur_box, item);
}

TEST_F(FindBox, ParentStepAsksTheTargetFieldWhenThereAreSeveral)
{
    const int p1 = box("BOX", "p", 10, 10, 20, 20);
    const int p2 = box("BOX", "p", 30, 10, 40, 20);
    const int q = box("BOX", "q", 50, 10, 60, 20);
    const int child = box("BOX", "c", 70, 10, 80, 20);
    const int lone = box("BOX", "l", 90, 10, 99, 20);
    link(p1, child, "on_set");
    link(p2, child, "on_set");
    link(q, child, "ANY");
    link(q, lone, "on_set");
    sort_links();
    cur_box = lone;
    EXPECT_EQ(find_box_by_name("", find_parent), 1);
    EXPECT_EQ(cur_box, q);
    EXPECT_EQ(link_table[cur_link].to, lone);
    cur_box = child;
    EXPECT_EQ(find_box_by_name("", find_parent), 0);
    EXPECT_EQ(cur_box, child);
    EXPECT_EQ(target_list(), (std::vector<std::string>{"p", "p/2"}));
    target_text() = "p/2";
    EXPECT_EQ(find_box_by_name("", find_parent), 1);
    EXPECT_EQ(cur_box, p2);
    cur_box = child;
    target_text() = " p ";
    EXPECT_EQ(find_box_by_name("", find_parent), 1);
    EXPECT_EQ(cur_box, p1);
    cur_box = child;
    target_text() = "zz";
    EXPECT_EQ(find_box_by_name("", find_parent), 0);
    EXPECT_EQ(target_list().size(), 2u);
    cur_box = p1;
    EXPECT_EQ(find_box_by_name("", find_parent), 0);  // a root
    cur_box = -1;
    EXPECT_EQ(find_box_by_name("", find_parent), 0);
}

TEST_F(FindBox, BackStepsKeepTheLast256Places)
{
    for (int k = 0; k < 3; ++k) box("EDIT", "b", 10 + 20 * k, 10, 20 + 20 * k, 20);
    cur_box = 0;
    for (int k = 1; k <= 257; ++k) {
        char index[8];
        format_text(index, sizeof index, "%d", k % 3);
        ASSERT_EQ(find_box_by_name(index, find_by_index), 1);
    }
    EXPECT_EQ(find_history_num, 256);
    int last = -1;
    for (int k = 0; k < 256; ++k) {
        ASSERT_EQ(find_box_by_name("", find_back), 1);
        last = cur_box;
    }
    EXPECT_EQ(last, 1);  // the place before jump 2; the place before jump 1 was dropped
    EXPECT_EQ(find_box_by_name("", find_back), 0);
    EXPECT_EQ(cur_box, 1);
}

TEST_F(FindBox, AJumpScrollsAPlaceFormByWholeStepsOnANarrowClient)
{
    capture_forms::client_w = 100;  // half a page rounds to 0: one step of 130 x 26
    capture_forms::client_h = 20;
    box("PROJ", "p", 0, 0, 50, 10);
    const int far = box("EDIT", "e", 500, 300, 540, 320);
    EXPECT_EQ(find_box_by_name("e", find_first), 1);
    EXPECT_EQ(rect(far), "110,14,150,34");
    EXPECT_EQ(scroll_org.x, -390);
    EXPECT_EQ(scroll_org.y, -286);
    EXPECT_EQ(rect(0), "-390,-286,-340,-276");
    EXPECT_EQ(find_box_by_name("", find_back), 1);
    EXPECT_EQ(rect(far), "500,300,540,320");
    EXPECT_EQ(scroll_org.x, 0);
}

TEST_F(FindBox, AJumpInAWideClientMovesByHalfPages)
{
    box("WORK", "w", 0, 0, 50, 10);
    const int far = box("EDIT", "e", 700, -10, 740, 10);
    EXPECT_EQ(find_box_by_name("e", find_first), 1);
    // 640 x 480: half pages of 260 x 234.
    EXPECT_EQ(rect(far), "180,224,220,244");
    EXPECT_EQ(find_box_by_name("e", find_first), 1);  // in view and current: no new history row
    EXPECT_EQ(find_history_num, 1);
}

TEST_F(FindBox, AFormWithoutPlaceKindsDoesNotScroll)
{
    const int far = box("EDIT", "e", 700, -10, 740, 10);
    EXPECT_EQ(find_box_by_name("e", find_first), 1);
    EXPECT_EQ(rect(far), "700,-10,740,10");
    EXPECT_EQ(find_box_by_name("e", find_first), 1);
    EXPECT_EQ(find_history_num, 1);
}

TEST_F(FindBox, TheCounterCountsASeriesAndRestartsAtItsFirstBox)
{
    box("BOX", "f", 10, 10, 20, 20);
    box("BOX", "f", 30, 10, 40, 20);
    box("BOX", "f", 50, 10, 60, 20);
    for (int k = 0; k < 4; ++k) find_box_by_name("f", find_next_root);
    EXPECT_EQ(counters, (std::vector<std::string>{"1", "2", "3", "1"}));
    cur_box = 1;
    find_box_by_name("f", find_first);
    EXPECT_EQ(counters.back(), "1");
    EXPECT_EQ(find_series.mode, find_first);
    find_series_reset();
    EXPECT_EQ(find_series.mode, -99);
}

struct title_case {
    const char *kind, *name, *para;
    const char *expect;
};

TEST_F(FindBox, TheTitleNamesTheFormAndTheCurrentBox)
{
    const title_case cases[] = {
        {"", "", "", "[ﾌｫｰﾑ]Ornak.C言語作図ソフト"},
        {"PROC", "WndProc", "\"main.c\" x", "main.c[WndProc]"},
        {"DEFAULT", "d", "src.c", "src.c[default]"},
        {"CASE2", "c", "src.c", "src.c[c]"},
        {"UNION", "u", "\"sub.f\" \"Sub form\"", "Sub form[sub.f]"},
        {"COMMENT", "", "text label", "label[text]"},
        {"TAG", "href", "x y", "My app[x]"},
        {"EDIT", "e", "\"v\"", "My app[v]"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        forms_reset_all();
        form_alloc();
        box("APP", "a", 0, 0, 10, 10, "x \"My app\"");
        if (c.kind[0] != '\0') cur_box = box(c.kind, c.name, 20, 0, 30, 10, c.para);
        else forms_reset_all(), form_alloc();
        char title[300];
        form_title_text(title, sizeof title);
        EXPECT_STREQ(title, c.expect);
    }
    forms_reset_all();
    form_alloc();
    form_hooks.is_attr_word = [](const char *w) { return strcmp(w, "href") == 0 ? 1 : 0; };
    cur_box = box("TAG", "href", 0, 0, 10, 10, "x y");
    win_handle control = capture::new_edit();
    form_title(control);
    EXPECT_EQ(capture::edit_text(control), "y[x]");
}

struct legend_case {
    const char *kind, *name, *para;
    const char *expect;
};

TEST_F(FindBox, LegendsDescribeTheBoxUnderTheMouse)
{
    const legend_case cases[] = {
        {"BOX", "main", "\"a.c\"", "(1) ユニーク関数[a.c]"},
        {"BOX", "stdio.h", "", "(1) ユニークヘッダー[]"},
        {"ABOX", "f", "x", "(1) 関数ポインタ引数又は引数参照[x]"},
        {"HBOX", "h", "\"n.h\" RBOX \"r\"", "(1) 再帰ヘッダー[r]"},
        {"HBOX", "h", "n ZBOX r", "(1) ?(ZBOX)[r]"},
        {"PROC", "p", "\"src.c\" \"sub.f\"", "(1) src.c[sub.f]"},
        {"DEFAULT", "d", "src.c", "(1) src.c[default]"},
        {"WM", "WM_SIZE", "src.c", "(1) src.c[WM_SIZE]"},
        {"ITEM", "it", "a \"label\"", "(1) label[it]"},
        {"BDATA", "b", "a l c d \"four\"", "(1) l[four]"},
        {"EDIT", "e", "\"zero\" one", "(1) one[zero]"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.name);
        forms_reset_all();
        form_alloc();
        box("APP", "a", 0, 0, 10, 10);
        const int i = box(c.kind, c.name, 20, 0, 30, 10, c.para);
        char legend[300];
        box_legend(i, legend, sizeof legend);
        EXPECT_STREQ(legend, c.expect);
    }
    char legend[300] = "x";
    box_legend(-1, legend, sizeof legend);
    EXPECT_STREQ(legend, "");
    form_hooks.expand_name = [](char *name, int size) { copy_bounded(name, static_cast<size_t>(size), "expanded"); };
    box_legend(1, legend, sizeof legend);
    EXPECT_STREQ(legend, "(1) one[zero]");  // only tree names are expanded
}

TEST_F(FindBox, ChildNamesListInLinkOrderOrItemsByHeight)
{
    const int p = box("EDIT", "p", 0, 0, 10, 10);
    const int a = box("EDIT", "a", 0, 50, 10, 60);
    const int b = box("EDIT", "b", 0, 20, 10, 30);
    const int unnamed = box("EDIT", "", 0, 70, 10, 80);
    link(p, a, "on_set");
    link(p, b, "ANY");
    link(p, unnamed, "on_set");
    cur_box = p;
    list_on_set_names(target_field_handle());
    EXPECT_EQ(target_list(), (std::vector<std::string>{"a", "b"}));
    forms_reset_all();
    form_alloc();
    const int items = box("XITEM", "x", 0, 0, 10, 10);
    for (int k = 0; k < 1001; ++k) {
        char f0[20];
        format_text(f0, sizeof f0, "\"v%d\"", k);
        link(items, box("ITEM", "", 0, 5000 - k, 10, 5010 - k, f0), "on_set");
    }
    cur_box = items;
    list_on_set_names(target_field_handle());
    ASSERT_EQ(target_list().size(), 1000u);
    EXPECT_EQ(target_list().front(), "v999");
    EXPECT_EQ(target_list().back(), "v0");
}

TEST_F(FindBox, KeyFieldsShowNamesKindsAndWidgetConstructions)
{
    const int parent = box("FORM", "top", 0, 0, 10, 10);
    const int widget = box("WIDGET", "w", 0, 20, 10, 30, "\"XmText\"");
    const int orphan = box("WIDGET", "", 0, 40, 10, 50, "XmLabel");
    const int no_class = box("WIDGET", "n", 0, 60, 10, 70);
    const int hbox = box("HBOX", "h", 0, 80, 10, 90, "\"x.h\" BOX");
    const int unnamed = box("EDIT", "", 0, 100, 10, 110);
    link(parent, widget, "on_set");
    win_handle field = target_field_handle();
    struct {
        int box;
        int result;
        const char *text;
    } cases[] = {
        {widget, 0, "w = new XmText(top"}, {orphan, 0, "new XmLabel("}, {no_class, 0, ""},
        {hbox, 1, "x.h"},                  {unnamed, 0, "EDIT"},        {parent, 1, "top"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        cur_box = c.box;
        target_text() = "old";
        EXPECT_EQ(key_for_refs(field), c.result);
        EXPECT_EQ(target_text(), c.text);
    }
    cur_box = widget;
    key_for_def(field);
    EXPECT_EQ(target_text(), "XmText");
    cur_box = unnamed;
    key_for_def(field);
    EXPECT_EQ(target_text(), "EDIT");
    cur_box = -1;
    target_text() = "old";
    EXPECT_EQ(key_for_refs(field), 0);
    EXPECT_EQ(target_text(), "");
}

TEST_F(FindBox, BoxToFieldsFillsCategoryTargetAndList)
{
    win_handle category = capture::new_edit("cat");
    cur_box = box("EDIT", "e1", 0, 0, 10, 10);
    box_to_fields(category, target_field_handle());
    EXPECT_EQ(capture::edit_text(category), "EDIT");
    EXPECT_EQ(target_text(), "e1");
    EXPECT_EQ(target_list(), (std::vector<std::string>{"e1", "EDIT"}));
    cur_box = box("", "", 0, 0, 10, 10);
    box_to_fields(category, target_field_handle());
    EXPECT_EQ(capture::edit_text(category), "EDIT");
    EXPECT_TRUE(target_list().empty());
    win_handle other = capture::new_edit("keep");
    set_two_texts(category, other, "one", nullptr);
    EXPECT_EQ(capture::edit_text(category), "one");
    EXPECT_EQ(capture::edit_text(other), "keep");
}

TEST_F(FindBox, DisplayNamesAndItemFields)
{
    const int h = box("HBOX", "raw", 0, 0, 10, 10, "\"shown\" BOX");
    const int e = box("EDIT", "plain", 0, 0, 10, 10, "OMIT \"q\"");
    EXPECT_STREQ(box_display_name(h), "shown");
    EXPECT_STREQ(box_display_name(e), "plain");
    EXPECT_STREQ(item_field(e, 0), "");
    EXPECT_STREQ(item_field(e, 1), "q");
    EXPECT_EQ(is_new_box_kind("QFONT"), 1);
    EXPECT_EQ(is_new_box_kind("DATA"), 0);
}

}  // namespace
