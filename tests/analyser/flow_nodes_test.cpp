// Flow-node records: construction, the node limit, navigation, captions.
#include <gtest/gtest.h>

#include <string>

#include "analyser/failures.h"
#include "analyser/flow_nodes.h"
#include "shell/anal_owner.h"
#include "shell/codeout.h"
#include "tests/support/capture_analyser.h"
#include "anal_support.h"

namespace {

class Nodes : public ::testing::Test {
protected:
    void SetUp() override
    {
        anal_test::fresh();
        remove("voktavir.dat");
    }
    void TearDown() override { free_cb_records(); }
};

TEST_F(Nodes, GetCbWiresTheRun)
{
    int x = 0;
    EXPECT_EQ(get_cb(1, tpl_return, -1, &x), 0);
    EXPECT_EQ(x, -888);
    EXPECT_EQ(cbp[0]->parent, -1);
    EXPECT_EQ(cbp[0]->branch, 0);

    EXPECT_EQ(get_cb(4, tpl_head, -1, &x), 1);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(cbp[1]->branch, 2);   // +1 relative
    EXPECT_EQ(cbp[3]->branch, 0);   // a template branch of 0 stays 0
    EXPECT_EQ(get_cb(1, tpl_block, 3, &x), 5);
    EXPECT_EQ(cbp[3]->branch, 5);   // the parent's empty branch is filled
    EXPECT_EQ(get_cb(1, tpl_block, 3, &x), 6);
    EXPECT_EQ(cbp[3]->branch, 5);   // and kept afterwards
    EXPECT_EQ(cbp[6]->parent, 3);
}

// A run that starts over (cb_num cut back) reuses the records it had; a
// free releases them all, also those past the count.
TEST_F(Nodes, FreeingReleasesRecordsPastTheCount)
{
    int x = 0;
    get_cb(5, tpl_for, -1, &x);
    get_cb(1, tpl_block, -1, &x);
    const cb *third = cbp[2];
    cb_num = 2;
    EXPECT_EQ(get_cb(1, tpl_block, -1, &x), 2);
    EXPECT_EQ(cbp[2], third);
    free_cb_records();
    EXPECT_EQ(cb_num, 0);
    for (int i = 0; i < cb_cap; ++i) ASSERT_EQ(cbp[i], nullptr) << i;
}

TEST_F(Nodes, TheNodeLimit)
{
    int x = 0;
    while (cb_num < 9996) get_cb(1, tpl_block, -1, &x);
    EXPECT_EQ(get_cb(4, tpl_head, -1, &x), 9996);
    EXPECT_EQ(cb_num, cb_cap);

    cb_num = 9996;
    set_anal_owner(capture::new_edit());
    EXPECT_EQ(anal_guard([](void *) {
        int out = 0;
        get_cb(5, tpl_for, -1, &out);
    }, nullptr), 1);
    EXPECT_EQ(cb_num, 0);
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_EQ(capture::boxes[0].text, "ソースの解析中にアプリケーションに異常が発生しました rtc(555)");
    EXPECT_EQ(capture::boxes[0].owner, anal_owner);
    EXPECT_NE(anal_test::read_file("voktavir.dat").find("rtc(555)"), std::string::npos);

    EXPECT_THROW(get_cb(1, tpl_block, 5, &x), capture_anal::exit_called);  // a parent past cb_num
}

TEST_F(Nodes, Navigation)
{
    int x = 0;
    get_cb(4, tpl_head, -1, &x);                   // 0..3, the body container 2
    const int slot = get_cb(1, tpl_block, 2, &x);  // 4
    const int test = get_cb(4, tpl_while, slot, &x);  // 5..8: test, body, step, end
    const int brk = get_cb(1, tpl_break, test + 1, &x);  // 9
    const int cont = get_cb(1, tpl_continue, test + 1, &x);  // 10
    EXPECT_EQ(next_cb(0), -1);           // the head's test has no successor of its own
    EXPECT_EQ(next_cb(1), test);         // through the containers to the loop test
    EXPECT_EQ(next_visible_cb(1), test);
    EXPECT_EQ(branch_target_cb(test), slot);  // the loop's end continues at its slot
    EXPECT_EQ(next_cb(brk), test + 1);
    EXPECT_EQ(loop_back_cb(brk), -1);
    EXPECT_EQ(loop_back_cb(cont), test + 2);  // the loop's step record
    EXPECT_EQ(loop_back_cb(test + 2), -1);
    flow_wide = 1;
    EXPECT_EQ(loop_back_cb(test + 2), slot);
    flow_wide = 0;

    cbp[test]->fold = 1;
    EXPECT_EQ(branch_target_cb(test), -1);
    EXPECT_EQ(next_visible_cb(test), next_visible_cb(slot));

    // a chain of 10000 folded nodes ends, and so does a cycle of containers
    free_cb_records();
    get_cb(1, tpl_block, -1, &x);
    for (int i = 1; i < cb_cap; ++i) {
        get_cb(1, tpl_block, i - 1, &x);
        cbp[i]->fold = 1;
    }
    cbp[0]->fold = 1;
    EXPECT_EQ(next_visible_cb(cb_cap - 1), -1);
    for (int i = 0; i < cb_cap; ++i) cbp[i]->fold = 0;
    cbp[cb_cap - 1]->branch = 0;
    EXPECT_GE(next_visible_cb(0), -1);
}

TEST_F(Nodes, Captions)
{
    int x = 0;
    get_cb(4, tpl_head, -1, &x);
    EXPECT_STREQ(cb_caption(0), "  0u");
    set_cb_caption_code(1, -12);
    EXPECT_STREQ(cb_caption(1), " │ ");
    EXPECT_EQ(last_caption_code, 12);
    add_cb_caption_code(1, -1);
    EXPECT_STREQ(cb_caption(1), " ├-");
    EXPECT_STREQ(cb_caption(-3), "-─-");
    EXPECT_STREQ(cb_caption(99), "    ");   // past cb_num
    EXPECT_THROW(cb_caption(-16), capture_anal::exit_called);
    select_pieces(1);
    EXPECT_STREQ(cb_caption(0), "  0Uf-");
    select_pieces(0);
    use_pc98_pieces();
    EXPECT_STREQ(cb_caption(-12), " \x86\xa4 ");
    EXPECT_STREQ(cb_caption(-2), "～～");
    EXPECT_STREQ(disp_bits_str(0x90), "L..B....");
    EXPECT_EQ(cur_cb_line(), -2);
    cur_cb = 9;
    EXPECT_EQ(cur_cb_line(), -3);
    cbp[1]->sline = 7;
    cur_cb = 1;
    EXPECT_EQ(cur_cb_line(), 7);
    clear_cb_num();
    EXPECT_EQ(cur_cb_line(), -1);
    char row[200];
    node_header_str(row, sizeof row);
    EXPECT_EQ(std::string(row).substr(0, 9), "   no tmn");
}

TEST_F(Nodes, FlowResetEmptiesTheChartItsSelectionAndTheCodeMarks)
{
    int x = 0;
    get_cb(4, tpl_head, -1, &x);
    cur_cb = 1;
    code_mark_add(1, 2, 3, 0);
    capture_anal::reset();
    EXPECT_EQ(flow_reset(), 0);
    EXPECT_EQ(get_cb_num(), 0);
    EXPECT_EQ(cur_cb, -2);
    EXPECT_EQ(code_mark_count(), 0);
    EXPECT_EQ(capture_anal::flow_redraws, 1);
}

}  // namespace
