// Flow layout: goto resolution, columns, rows, loop roofs, the re-layout
// after a fold, and charts as large as the node table allows.
#include <gtest/gtest.h>

#include <vector>

#include "analyser/failures.h"
#include "analyser/flow_extract.h"
#include "analyser/flow_grid.h"
#include "analyser/flow_layout.h"
#include "analyser/flow_nodes.h"
#include "shell/anal_owner.h"
#include "anal_support.h"
#include "flow_charts.h"

namespace {

using namespace flow_charts;

struct place {
    int node, x, y;
};

void expect_places(const std::vector<place> &places)
{
    for (const place &p : places) {
        EXPECT_EQ(cbp[p.node]->x, p.x) << "x of node " << p.node;
        EXPECT_EQ(cbp[p.node]->y, p.y) << "y of node " << p.node;
    }
}

class Layout : public ::testing::Test {
protected:
    void SetUp() override
    {
        anal_test::fresh();
        set_anal_owner(capture::new_edit());
    }
    void TearDown() override
    {
        free_labels();
        free_cb_records();
    }
};

TEST_F(Layout, StraightSequenceTakesConsecutiveColumnsInOneRow)
{
    const int body = head();
    slot(body, 'a', '>');  // 4
    slot(body, 'a', '>');  // 5
    slot(body, 'a', '-');  // 6
    finish();
    // the head's test in row 0, its branch and the chain one row below
    expect_places({{0, 0, 0}, {1, 1, 1}, {4, 2, 1}, {5, 3, 1}, {6, 4, 1}, {2, 5, 1}});
    EXPECT_EQ(cbp[3]->y, -1);  // an end record is not placed
    for (int i : {0, 1, 2, 4, 5, 6}) EXPECT_EQ(cbp[i]->ct, 0) << i;
}

TEST_F(Layout, IfWithoutElseDropsTheAlternativeBelowTheDecision)
{
    const int body = head();
    const int s = slot(body, 'x', '>');  // 4
    const int d = run(5, tpl_if, s);     // 5 decision, 6 body, 7 end, 8 '.', 9 end
    link_entries(s, 0);
    plain_body(d + 1);
    finish();
    expect_places({{0, 0, 0}, {1, 1, 1}, {d, 2, 1}, {d + 1, 3, 1}, {d + 3, 2, 2}, {s, 4, 1}, {2, 5, 1}});
    EXPECT_EQ(cbp[d + 3]->yy, 2);
}

TEST_F(Layout, LoopLeavesARoofLaneAboveIt)
{
    const int body = head();
    const int s = slot(body, 'x', '>');
    const int w = run(4, tpl_while, s);  // 5 test, 6 body, 7 step, 8 end
    link_entries(s, 0);
    plain_body(w + 1);
    finish();
    EXPECT_EQ(cbp[1]->r_num, 1);
    // row 1 stays free for the line from the step record back to the test
    expect_places({{0, 0, 0}, {1, 1, 2}, {w, 2, 2}, {w + 1, 3, 2}, {w + 2, 4, 2}, {s, 3, 3}, {2, 4, 3}});
    EXPECT_EQ(cbp[w]->roof, -1);
    EXPECT_EQ(cbp[s]->yy, 3);
}

TEST_F(Layout, GotoToALabelReachedOnlyThroughItIsDrawnInLine)
{
    const int body = head();
    const int s = slot(body, 'x', '>');  // 4
    const int g = run(1, tpl_goto, s);   // 5
    const int target = slot(body, 'a', '-');  // 6
    link_entries(s, target);
    cbp[target]->disp = 0x80;
    cbp[g]->branch = target;
    add_label("L", target);
    finish();
    EXPECT_EQ(cbp[g]->t, 'O');
    EXPECT_EQ(cbp[g]->m, 'x');
    EXPECT_EQ(cbp[target]->t, 'X');
    EXPECT_EQ(label_list->goto_node, target);
    EXPECT_EQ(label_list->first_goto, g);
    expect_places({{1, 1, 1}, {g, 2, 1}, {target, 3, 1}, {2, 4, 1}});
}

// "L: try { s; } goto L; goto L;": the label sits on the try's slot and
// resolves to the try record; the second goto turns 'P'.
struct try_chart {
    int s, tr, g1, g2;
};

try_chart build_try_chart(const char *label)
{
    const int body = head();
    try_chart c{};
    c.s = slot(body, 'x', '>');   // 4
    c.tr = run(4, tpl_try, c.s);  // 5..8
    slot(c.tr + 1, 'a', '-');     // 9, the block in the try
    const int s2 = slot(body, 'x', '>');  // 10
    c.g1 = run(1, tpl_goto, s2);          // 11
    const int s3 = slot(body, 'x', '>');  // 12
    c.g2 = run(1, tpl_goto, s3);          // 13
    link_entries(c.s, s2);
    link_entries(s2, s3);
    link_entries(s3, 0);
    cbp[c.g1]->branch = c.s;
    cbp[c.g2]->branch = c.s;
    add_label(label, c.s);
    return c;
}

TEST_F(Layout, SecondGotoTurnsPAndATargetReachedNormallyIsLowerCased)
{
    const try_chart c = build_try_chart("again");
    finish();
    EXPECT_EQ(cbp[c.g1]->branch, c.tr);
    EXPECT_EQ(cbp[c.g1]->t, 'O');
    EXPECT_EQ(cbp[c.g1]->m, 'r');  // its target is reached normally
    EXPECT_EQ(cbp[c.g2]->t, 'P');
    EXPECT_EQ(cbp[c.g2]->m, '.');
    EXPECT_EQ(cbp[c.tr]->t, 'y');
    EXPECT_EQ(cbp[c.tr]->disp, 0xC0);  // loop head and jump target
    EXPECT_EQ(label_list->first_goto, c.g1);
}

TEST_F(Layout, FoldingThenReLayoutRestoresTheLetters)
{
    const try_chart c = build_try_chart("again");
    finish();
    std::vector<place> first;
    for (int i = 0; i < cb_num; ++i) first.push_back({i, cbp[i]->x, cbp[i]->y});

    cb_base_num = cb_num;
    run(1, tpl_abort, -1);  // stands for a connector record of a routing
    cbp[c.tr]->fold = 1;
    EXPECT_EQ(layout_flow(), 0);
    EXPECT_EQ(cb_num, cb_base_num);
    EXPECT_EQ(cbp[cb_base_num], nullptr);
    EXPECT_EQ(cbp[c.g2]->t, 'P');
    EXPECT_EQ(cbp[c.g1]->branch, c.tr);
    EXPECT_EQ(cbp[c.tr]->t, 'y');
    EXPECT_EQ(cbp[c.tr]->disp, 0xC0);
    EXPECT_EQ(cbp[c.tr + 4]->y, -1);  // the folded try's body is not drawn

    cbp[c.tr]->fold = 0;
    layout_flow();
    expect_places(first);
    EXPECT_EQ(cbp[c.g2]->m, '.');
    EXPECT_EQ(label_list->first_goto, c.g1);
    EXPECT_TRUE(capture::boxes.empty());
}

TEST_F(Layout, UndefinedLabelLeavesAnEmptyChart)
{
    const int body = head();
    const int s = slot(body, 'x', '>');
    const int g = run(1, tpl_goto, s);
    link_entries(s, 0);
    add_label("nowhere", -1);
    cbp[g]->branch = 0;
    for (int i = 0; i < cb_num; ++i) {
        cbp[i]->saved_t = cbp[i]->t;
        cbp[i]->saved_m = cbp[i]->m;
        cbp[i]->saved_disp = cbp[i]->disp;
    }
    EXPECT_EQ(layout_flow(), 0);
    EXPECT_EQ(cb_num, 0);
    ASSERT_EQ(capture::boxes.size(), 1u);
    EXPECT_EQ(capture::boxes[0].text, "ラベル(nowhere)の飛び先が定義されていません\n");
    EXPECT_EQ(capture::boxes[0].caption, "TAVIR警告画面");
    EXPECT_EQ(capture::boxes[0].owner, anal_owner);
}

TEST_F(Layout, NestedLoopsPastAByteOfDepth)
{
    const int depth = 130;
    int container = head();
    std::vector<int> tests;
    for (int k = 0; k < depth; ++k) {
        const int s = slot(container, 'x', '>');
        const int w = run(4, tpl_while, s);
        link_entries(s, 0);
        tests.push_back(w);
        container = w + 1;
    }
    const int inner = slot(container, 'a', '-');
    finish();
    EXPECT_EQ(cbp[1]->r_num, depth);
    EXPECT_EQ(cbp[1]->y, depth + 1);  // one lane above per loop
    for (int k = 0; k + 1 < depth; ++k) EXPECT_EQ(cbp[tests[k]]->roof, tests[k + 1]) << k;
    EXPECT_EQ(cbp[tests.back()]->roof, -1);
    EXPECT_EQ(cbp[tests[0]]->x, 2);
    EXPECT_EQ(cbp[inner]->x, depth + 2);
    // each step record leads back to the enclosing loop's step record
    EXPECT_EQ(cbp[tests[0] + 2]->x, 2 * depth + 2);
    EXPECT_EQ(cbp[inner]->y, depth + 1);
}

TEST_F(Layout, ChainOfTheLargestChart)
{
    const int body = head();
    while (cb_num < cb_cap - 1) slot(body, 'a', '>');
    cbp[cb_num - 1]->n = '-';
    finish();
    EXPECT_EQ(cb_num, cb_cap - 1);
    EXPECT_EQ(cbp[cb_num - 1]->x, cb_num - 3);  // column 2 for node 4
    EXPECT_EQ(cbp[cb_num - 1]->y, 1);
    EXPECT_EQ(cbp[2]->x, cb_num - 2);
}

// A chain of decisions in one column, every alternative one row lower,
// all joining at the statement's slot.
struct decision_chain {
    const char *what;
    int count;
    bool is_switch;
};

class DecisionChain : public Layout, public ::testing::WithParamInterface<decision_chain> {};

TEST_P(DecisionChain, DecisionsShareAColumnAndStepDownTheRows)
{
    const decision_chain p = GetParam();
    const int body = head();
    const int s = slot(body, 'x', '>');
    std::vector<int> decisions;
    int last;
    if (p.is_switch) {
        cbp[s]->t = 'S';
        cbp[s]->disp = 0x10;
        int prev = run(1, tpl_switch_head, s);
        for (int k = 0; k < p.count; ++k) {
            const int d = run(2, tpl_case, s) + 1;
            cbp[prev]->branch = d;
            slot(s, 'a', '>');
            const int brk = slot(s, 'e', '-');
            cbp[brk]->t = 'B';
            decisions.push_back(d);
            prev = d;
        }
        const int end = run(3, tpl_switch_end, s);
        cbp[prev]->branch = end + 1;
        last = end + 1;
    } else {
        int prev = -1;
        for (int k = 0; k < p.count; ++k) {
            const int d = run(5, tpl_elseif, s);
            plain_body(d + 1);
            if (prev != -1) cbp[prev]->branch = d;
            decisions.push_back(d);
            prev = d;
        }
        last = prev + 3;
    }
    link_entries(s, 0);
    finish();
    for (int k = 0; k < p.count; ++k) {
        EXPECT_EQ(cbp[decisions[k]]->x, 2) << k;
        EXPECT_EQ(cbp[decisions[k]]->y, 1 + k) << k;
        EXPECT_EQ(cbp[decisions[k] + 1]->x, 3) << k;
    }
    EXPECT_EQ(cbp[last]->x, 2);
    EXPECT_EQ(cbp[last]->y, p.count + 1);
    EXPECT_EQ(cbp[s]->x, 4);
    EXPECT_EQ(cbp[s]->y, 1);
    layout_count_all();
    EXPECT_EQ(cbp[s]->ct, p.count + 1);  // every alternative joins here
}

INSTANTIATE_TEST_SUITE_P(Large, DecisionChain,
                         ::testing::Values(decision_chain{"else_if", 200, false},
                                           decision_chain{"switch", 300, true}),
                         [](const ::testing::TestParamInfo<decision_chain> &info) { return info.param.what; });

TEST_F(Layout, NestedIfsKeepMoreThanAHundredBranchesPending)
{
    const int depth = 150;
    const int body = head();
    const int s = slot(body, 'x', '>');
    int owner = s;
    std::vector<int> decisions;
    for (int k = 0; k < depth; ++k) {
        const int d = run(5, tpl_if, owner);
        decisions.push_back(d);
        owner = d + 1;
    }
    plain_body(owner);
    link_entries(s, 0);
    finish();
    for (int k = 0; k < depth; ++k) {
        const int alternative = decisions[k] + 3;
        EXPECT_EQ(cbp[decisions[k]]->x, 2 + k) << k;
        EXPECT_EQ(cbp[decisions[k]]->y, 1) << k;
        EXPECT_EQ(cbp[alternative]->x, 2 + k) << k;
        EXPECT_EQ(cbp[alternative]->y, depth + 1 - k) << k;  // the innermost is taken first
    }
}

}  // namespace
