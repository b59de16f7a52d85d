// The LIST and FLOW screens' rules without their windows: paging, the
// painted list, hit tests both ways, the Insert table, the report and
// command texts; the FLOW view, zoom, hit test, scrolling, selections,
// folding and the gesture table.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "analyser/anal_inputs.h"
#include "analyser/anal_main.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_nodes.h"
#include "analyser/options.h"
#include "analyser/search_keys.h"
#include "analyser/source_load.h"
#include "list_support.h"
#include "shell/list_setting.h"
#include "shell/marks.h"
#include "shell/params.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "trees/flow_chart.h"
#include "trees/flow_rules.h"
#include "trees/list_rules.h"
#include "shell/main_state.h"

namespace {

std::string many_entries(int n)
{
    std::string tag;
    for (int i = 0; i < n; ++i) tag += "a.c " + std::to_string(i + 1) + " f" + std::to_string(i) + "()\n";
    return tag;
}

class ListRules : public ::testing::Test {
protected:
    void SetUp() override
    {
        list_test::fresh();
        list_cols = 3;
        set_max_line(21 * 20);  // 20 rows
        set_col_width(640);
    }
};

TEST_F(ListRules, Paging)
{
    list_test::load_list(many_entries(130));
    ASSERT_EQ(max_line, 20);
    const struct {
        int from;
        const char *letter;
        int to;
    } cases[] = {{0, "l", 120}, {90, "k", 120}, {0, "", 60}, {30, "j", 0}, {120, "h", 0}, {5, "z", 120}, {60, "a", 0}};
    for (const auto &c : cases) {
        shift = c.from;
        list_page(c.letter);
        EXPECT_EQ(shift, c.to) << c.from << c.letter;
    }
    cat_pattern[0] = '\0';
    shift = 5;
    list_page("l");
    EXPECT_EQ(shift, 5);
}

TEST_F(ListRules, PaintedList)
{
    list_test::load_list(list_test::small_list + many_entries(40));
    EXPECT_EQ(dsp_select(), 1);  // before any file set: the hint only
    EXPECT_EQ(list_items[0].kind, list_hint);
    EXPECT_EQ(list_items[0].x, 16);

    list_shown = 1;
    cur_index = 45;
    const int n = dsp_select();
    ASSERT_GT(n, 2);
    EXPECT_EQ(std::string(list_items[0].text).find("---------dsp select start---i_num(57) f_num(55) max_line(20) shift(0)"), 0u);
    const list_item *found = nullptr;
    int inverse = 0;
    for (int i = 0; i < n; ++i) {
        if (list_items[i].position == 45) found = &list_items[i];
        if (list_items[i].inverse) ++inverse;
    }
    ASSERT_NE(found, nullptr);
    EXPECT_STREQ(found->text, "  46:f28");
    EXPECT_EQ(found->x, 2 * list_col_width);
    EXPECT_EQ(found->y, 6 * 20);
    EXPECT_TRUE(found->inverse);
    EXPECT_EQ(inverse, 1);
    EXPECT_STREQ(list_items[1].text, "-a.c----------------");  // a header without a number
    EXPECT_EQ(list_items[n - 1].kind, list_rule);
    EXPECT_EQ(std::string(list_items[n - 1].text), std::string(57, '-'));

    list_test::load_list("");
    EXPECT_EQ(dsp_select(), 3);
    EXPECT_EQ(list_items[1].kind, list_empty);
    EXPECT_EQ(list_items[1].y, 20);
}

TEST_F(ListRules, HitTestInvertsThePaint)
{
    list_test::load_list(many_entries(50));
    const struct {
        int x, y, position;
    } cases[] = {
        {5, 5, -1},                               // the status row
        {5, 25, 0},
        {list_col_width + 1, 45, 21},
        {2 * list_col_width + 3, 20 * 10, 49},
        {2 * list_col_width + 3, 20 * 11, -1},   // past the end
        {3 * list_col_width + 1, 25, -1},        // past the last column
        {5, 21 * 20, -1},                        // below the last row
        {-1, 25, -1},
    };
    for (const auto &c : cases) EXPECT_EQ(list_position_at(c.x, c.y), c.position) << c.x << "," << c.y;
    shift = 20;
    EXPECT_EQ(list_position_at(5, 25), 20);
}

TEST_F(ListRules, SelectListEntry)
{
    list_test::load_list(list_test::small_list);
    char text[300];
    EXPECT_EQ(select_list_entry(-1, 5, 25, text, sizeof text), 0);  // a header: no text
    EXPECT_STREQ(text, "");
    EXPECT_EQ(select_list_entry(-3, 5, 25, text, sizeof text), 0);
    EXPECT_STREQ(text, "-a.c----------------");
    EXPECT_EQ(select_list_entry(-1, 5, 45, text, sizeof text), 1);
    EXPECT_STREQ(text, "A:");
    EXPECT_EQ(select_list_entry(-2, 0, 0, text, sizeof text), 1);
    EXPECT_STREQ(text, "A:");
    EXPECT_EQ(select_list_entry(-1, 5, 5, text, sizeof text), -2);
    EXPECT_EQ(cur_index, 1);
    EXPECT_EQ(select_list_entry(6, 0, 0, text, sizeof text), 6);
    EXPECT_EQ(shift, 5);
    EXPECT_EQ(cur_index, 6);
    EXPECT_EQ(select_list_entry(99, 0, 0, text, sizeof text), -2);  // outside the list: nothing selected
    EXPECT_EQ(cur_index, -1);
    EXPECT_EQ(select_list_entry(-2, 0, 0, text, sizeof text), 0);
}

TEST_F(ListRules, TinyWindowKeepsOneRowAndColumn)
{
    set_max_line(1);
    EXPECT_EQ(max_line, 1);
    list_cols = 40;
    set_col_width(1);
    EXPECT_EQ(list_col_width, 1);
    list_test::load_list(many_entries(3));
    EXPECT_EQ(list_position_at(0, 20), 0);
    EXPECT_EQ(list_position_at(2, 20), 2);
    EXPECT_EQ(add_list_col(), 1);
    list_cols = 1;
    EXPECT_EQ(del_list_col(), 0);
    list_cols = 2;
    EXPECT_EQ(del_list_col(), 1);
    EXPECT_EQ(list_cols, 1);
}

TEST_F(ListRules, InsertConversion)
{
    list_test::load_list("-- 0:a b.c --\na.c 1 A:()\na.c 2 a.B:()\na.c 3 Thread{1}↓()\na.c 4 Runner↓()\na.c 5 run↑()\n"
                         "a.c 6 count';()\na.c 7 ''get'()\n");
    const char *const expect[] = {"0:a", "new A(*)", "a.B", "new Thread(*) {", "Runner", "run(*)", "count", "get(*)"};
    char out[300];
    for (int p = 0; p < 8; ++p) {
        cur_index = p;
        EXPECT_EQ(insert_text(out, sizeof out), 0) << p;
        EXPECT_STREQ(out, expect[p]) << p;
    }
    cur_index = -1;
    EXPECT_EQ(insert_text(out, sizeof out), 1);
}

TEST_F(ListRules, ReportAndHistoryTexts)
{
    list_test::load_list("-- 0:a.c --\n0:a.c 1 A:()\nb.c 2 run↑()\nb.c 3 f'()\n");
    char out[600];
    cur_index = 1;
    EXPECT_EQ(pageup_text(out, sizeof out), 0);
    EXPECT_STREQ(out, "\r\nフォルダ      :.\r\n\r\nファイル      :a.c\r\n\r\nクラス        :A{}\r\n");
    cur_index = 2;
    pageup_text(out, sizeof out);
    EXPECT_NE(std::string(out).find("\r\nファイル   :b.c\r\n\r\n無名クラス関数:run()\r\n"), std::string::npos);
    cur_index = 0;
    EXPECT_EQ(pageup_text(out, sizeof out), 1);

    cur_index = 3;
    g_entry = -1;
    EXPECT_EQ(click_history_text(out, sizeof out), 0);
    EXPECT_STREQ(out, "4:f'");
    g_entry = 7;
    click_history_text(out, sizeof out);
    EXPECT_STREQ(out, "4(7):f'");
    cur_index = 0;
    EXPECT_EQ(click_history_text(out, sizeof out), 1);

    list_test::write_file("voktavir.tag", "-- a.c --\na.c 1 f()\na.c 9 g()\n");
    list_test::write_file("vokcall.tag", "-- a.c --\na.c 9 g(11)\na.c 1 f()\n");
    load_tag_file("vokcall.tag");
    state = 2;
    cur_index = 1;
    click_history_text(out, sizeof out);
    EXPECT_STREQ(out, "3(11):g");
    cur_index = 2;
    click_history_text(out, sizeof out);
    EXPECT_STREQ(out, "2:f");
}

TEST_F(ListRules, EditorCommandAndFormName)
{
    copy_bounded(editor, sizeof editor, "C:\\ed\\ed.exe");
    option[0] = '\0';
    char out[600];
    list_editor_command(out, sizeof out, "C:\\src", "a.c", 12);
    EXPECT_STREQ(out, "\"C:\\ed\\ed.exe\" /j12 \"C:\\src\\a.c\"");
    copy_bounded(option, sizeof option, "-n%d -x%s");
    list_editor_command(out, sizeof out, "d", "f.c", 3);
    EXPECT_STREQ(out, "\"C:\\ed\\ed.exe\" -n3 -x%s \"d\\f.c\"");
    option[0] = '\0';
    const struct {
        const char *name;
        bool ftree;
    } cases[] = {{"ftree.f", true}, {"FTREE.F", true}, {"0:ftree.f", true}, {"1:ftree.f", false}, {"tree.f", false}};
    for (const auto &c : cases) EXPECT_EQ(is_ftree_form(c.name), c.ftree) << c.name;
}

TEST_F(ListRules, DragsAndKeys)
{
    const struct {
        int dx, dy, action;
    } cases[] = {{3, 5, list_drag_click}, {0, 20, list_drag_beep}, {0, 40, list_drag_next},
                 {2, -40, list_drag_prev}, {40, 0, list_drag_beep}};
    for (const auto &c : cases) EXPECT_EQ(list_drag(100, 100, 100 + c.dx, 100 + c.dy), c.action) << c.dy;

    list_test::load_list(list_test::small_list);
    EXPECT_EQ(shown_entries_to_keys(), 10);  // the multi keys hold ten
    EXPECT_EQ(multi_key_num, 10);
    EXPECT_STREQ(multi_keys[0].display, "A:");
}

TEST_F(ListRules, WorkFolderKey)
{
    folder[0] = '\0';
    work_mode = 0;
    EXPECT_EQ(work_folder_key(), 1);
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_EQ(capture::boxes[0].text, "ワークフォルダが指定されていません、パラメータの設定画面で指定して下さい");
    EXPECT_EQ(work_mode, 0);

    copy_bounded(folder, sizeof folder, "C:\\work");
    bar_group = 3;
    EXPECT_EQ(work_folder_key(), 0);
    EXPECT_EQ(work_mode, 1);
    EXPECT_EQ(bar_group, 0);
    EXPECT_EQ(work_folder_key(), 0);
    EXPECT_EQ(work_mode, 0);
    multi_extract_mode = 1;
    EXPECT_EQ(work_folder_key(), 2);
    EXPECT_EQ(work_mode, 0);
    multi_extract_mode = 0;
    folder[0] = '\0';
}

class FlowRules : public ::testing::Test {
protected:
    void SetUp() override
    {
        list_test::fresh();
        alloc_flow_grid();
        anal_first_run = 0;
        flow_zoom = 16;
        opt_x = opt_y = 0;
        opt_w = 10;
        opt_h = 20;
        line_count = 30;
    }
    int node(int x, int y, int sline, int eline)
    {
        int column = 0;
        const int i = get_cb(1, tpl_other, -1, &column);
        cb *c = cbp[i];
        c->t = 'A';
        c->m = '.';
        c->n = '-';
        c->disp = 0;
        c->branch = c->parent = c->roof = -1;
        c->x = x;
        c->y = y;
        c->sline = sline;
        c->eline = eline;
        c->fold = 0;
        cb_base_num = cb_num;
        return i;
    }
};

TEST_F(FlowRules, ViewAndZoom)
{
    set_flow_view(640, 480, 18, 4);
    EXPECT_EQ(opt_w, 20);
    EXPECT_EQ(opt_h, 25);
    flow_zoom = 8;
    set_flow_view(640, 480, 18, 4);
    EXPECT_EQ(opt_w, 40);
    EXPECT_EQ(chart_px(13), 26);

    flow_zoom = 16;
    EXPECT_EQ(flow_zoom_in(), 0);
    EXPECT_EQ(flow_zoom, 16);
    int steps = 0;
    while (flow_zoom_out() == 1) ++steps;
    EXPECT_EQ(steps, 9);
    EXPECT_EQ(flow_zoom, 7);
    highlight_add(3);
    EXPECT_EQ(flow_zoom_in(), 1);
    EXPECT_EQ(highlight_num, 0);  // zooming in forgets the highlighted boxes
}

TEST_F(FlowRules, HitTest)
{
    flow_last_row = 30;
    const struct {
        int ox, oy, x, y, result, column, row;
    } cases[] = {
        {0, 0, 40, 20, hit_on_chart, 1, 0},
        {0, 0, 40, 10, hit_off_row, 1, -1},   // the title band at origin row 0
        {0, 3, 40, 10, hit_on_chart, 1, 2},
        {-3, 0, 40, 20, hit_off_column, -2, 0},
        {995, 0, 32 * 6, 20, hit_off_column, 1001, 0},
        {0, 0, 32 * 11, 20, hit_off_column, 11, 0},
        {0, 0, 32 * 10, 20, hit_on_chart, 10, 0},  // the extra column
        {0, 0, 40, 16 * 32, hit_off_row, 1, 31},
    };
    for (const auto &c : cases) {
        opt_x = c.ox;
        opt_y = c.oy;
        int column = 0, row = 0;
        EXPECT_EQ(flow_hit(c.x, c.y, &column, &row), c.result) << c.x << "," << c.y;
        EXPECT_EQ(column, c.column);
        EXPECT_EQ(row, c.row);
    }
}

TEST_F(FlowRules, ScrollAndSelections)
{
    EXPECT_EQ(scroll_grid(31, 15), 0);
    EXPECT_EQ(scroll_grid(70, 0), 1);
    EXPECT_EQ(opt_x, 2);
    EXPECT_EQ(scroll_grid(-40, -33), 1);
    EXPECT_EQ(opt_x, 1);
    EXPECT_EQ(opt_y, -2);

    EXPECT_EQ(select_line(3), 0);  // no nodes
    node(0, 0, 1, 20);
    node(4, 6, 2, 5);
    node(-1, -1, 6, 7);
    EXPECT_EQ(select_cb(1), 1);
    EXPECT_EQ(sel_cb, 1);
    EXPECT_EQ(select_cb(3), 0);
    EXPECT_EQ(select_cb(-2), 0);
    EXPECT_EQ(sel_cb, 1);
    EXPECT_EQ(select_line(4), 1);
    EXPECT_EQ(sel_cb, -1);
    EXPECT_EQ(line_selected[4], 1);
    EXPECT_EQ(select_line(25), 0);
    EXPECT_EQ(select_cb(-1), 1);
    EXPECT_EQ(line_selected[4], 0);

    EXPECT_EQ(scroll_to_cb(1), 1);
    EXPECT_EQ(opt_x, 4);
    EXPECT_EQ(opt_y, 6);
    EXPECT_EQ(scroll_to_cb(1), 0);
    EXPECT_EQ(scroll_to_cb(2), 0);  // no place
    EXPECT_EQ(scroll_to_cb(9), 0);
}

TEST_F(FlowRules, ToggleFoldReportsMissesAndFolds)
{
    win_handle edit = capture::new_edit("");
    anal_first_run = 1;
    EXPECT_EQ(toggle_fold_at(0, 20, edit), 0);
    anal_first_run = 0;
    EXPECT_EQ(toggle_fold_at(0, 20, edit), 0);  // no nodes
    node(0, 0, 1, 9);
    node(0, 1, 2, 3);
    paint_flow();
    const struct {
        int x, y;
        const char *line;
    } misses[] = {{32 * 12, 20, "x(12)\r\n"}, {5, 5, "y(-1)\r\n"}, {32 * 3, 20, "idx(-1)\r\n"}};
    for (const auto &m : misses) {
        capture::edit_text(edit).clear();
        EXPECT_EQ(toggle_fold_at(m.x, m.y, edit), -1) << m.line;
        EXPECT_EQ(capture::edit_text(edit), m.line);
    }
    EXPECT_EQ(toggle_fold_at(5, 36, edit), 0);
    EXPECT_EQ(cbp[1]->fold, 1);
}

TEST_F(FlowRules, GestureTable)
{
    const struct {
        int button, mods, state, action;
    } presses[] = {
        {press_left, 0, gesture_show, act_none},
        {press_left, mod_other_button, gesture_fold, act_fold},
        {press_left, mod_shift, gesture_none, act_select_node},
        {press_left, mod_ctrl, gesture_show_mark, act_show_marked},
        {press_left, mod_ctrl | mod_shift, gesture_none, act_show_short},
        {press_left_double, 0, gesture_none, act_pick_names},
        {press_right, 0, gesture_clear, act_none},
        {press_right, mod_other_button, gesture_branches, act_show_branches},
        {press_right, mod_shift, gesture_none, act_select_line},
        {press_right, mod_ctrl, gesture_fold, act_forget_marks},
        {press_right, mod_ctrl | mod_shift, gesture_callout, act_none},
        {press_right_double, 0, gesture_none, act_none},
    };
    for (const auto &p : presses) {
        int action = -1;
        EXPECT_EQ(flow_press(p.button, p.mods, &action), p.state) << p.button << "/" << p.mods;
        EXPECT_EQ(action, p.action) << p.button << "/" << p.mods;
    }
    const struct {
        int state, drag, action;
    } releases[] = {
        {gesture_show, drag_click, rel_show},     {gesture_show, drag_short, rel_scroll},
        {gesture_show, drag_long, rel_scroll},    {gesture_fold, drag_click, rel_beep},
        {gesture_show_mark, drag_click, rel_beep}, {gesture_clear, drag_click, rel_clear},
        {gesture_clear, drag_short, rel_beep},    {gesture_clear, drag_long, rel_home},
        {gesture_branches, drag_long, rel_beep},  {gesture_callout, drag_click, rel_beep},
        {gesture_callout, drag_short, rel_callout}, {gesture_none, drag_long, rel_none},
    };
    for (const auto &r : releases) EXPECT_EQ(flow_release(r.state, r.drag), r.action) << r.state << "/" << r.drag;
    EXPECT_EQ(flow_drag_class(5, -5), drag_click);
    EXPECT_EQ(flow_drag_class(0, -6), drag_short);
    EXPECT_EQ(flow_drag_class(64, 0), drag_short);
    EXPECT_EQ(flow_drag_class(-65, 0), drag_long);
}

TEST_F(FlowRules, CalloutGeometry)
{
    node(0, 0, 1, 9);
    node(1, 1, 2, 3);
    paint_flow();
    cell_seg line{};
    int tx = 0, ty = 0;
    EXPECT_EQ(callout_geometry("note", 40, 36, 32 * 4 + 1, 16 * 5 + 1, &line, &tx, &ty), 0);
    EXPECT_EQ(line.x0, 64);
    EXPECT_EQ(line.y0, 32);
    EXPECT_EQ(line.x1, 128);
    EXPECT_EQ(line.y1, 96);
    EXPECT_EQ(tx, 128);
    EXPECT_EQ(ty, 80);
    EXPECT_EQ(callout_geometry("", 40, 36, 0, 0, &line, &tx, &ty), -1);
    EXPECT_EQ(callout_geometry("note", 32 * 5, 36, 0, 0, &line, &tx, &ty), -1);  // no node there
    EXPECT_EQ(callout_geometry("note", 40, 5, 0, 0, &line, &tx, &ty), -1);       // the title band
}

}  // namespace
