// PLX's model: full tables, names cut on a character boundary, the fixed
// text pool and the marking walks.
#include <string>

#include "tests/plx/plx_fixture.h"

namespace {

using PlxModel = PlxTest;

TEST_F(PlxModel, FullItemTableRefusesWithMinusOne)
{
    for (int i = 0; i < plx_item_max; ++i) ASSERT_EQ(i, plx_item_add(0, 0, 1, 1, "BOX", "b"));
    EXPECT_EQ(-1, plx_item_add(0, 0, 1, 1, "BOX", "late"));
    EXPECT_EQ(plx_item_max, plx_item_num);
    EXPECT_STREQ("b", plx_items[plx_item_max - 1].name);
}

TEST_F(PlxModel, FullLinkTableAndNegativeEndsRefuse)
{
    EXPECT_EQ(-1, plx_link_add(-1, 2, "on_set"));
    EXPECT_EQ(-1, plx_link_add(2, -1, "on_set"));
    for (int l = 0; l < plx_link_max; ++l) ASSERT_EQ(l, plx_link_add(0, 1, "on_set"));
    EXPECT_EQ(-1, plx_link_add(0, 1, "on_set"));
    EXPECT_EQ(plx_link_max, plx_link_num);
}

TEST_F(PlxModel, OffsetsApplyToWhatIsAdded)
{
    plx_index_base = 10;
    plx_y_offset = 100;
    plx_item_add(1, 2, 3, 4, "BOX", "a");
    plx_link_add(0, 1, "on_set");
    EXPECT_EQ("1,102,3,104 BOX|a", item(0));
    EXPECT_EQ("10>11 on_set;", links());
}

TEST_F(PlxModel, NamesAndKindsAreCutOnACharacterBoundary)
{
    // 30 bytes and a two-byte character: the character does not fit in 31.
    const std::string name = std::string(30, 'n') + "漢";
    const std::string kind = std::string(11, 'K') + "字";
    const std::string link_kind = std::string(30, 'k') + "字";
    plx_item_add(0, 0, 1, 1, kind.c_str(), name.c_str());
    plx_link_add(0, 0, link_kind.c_str());
    EXPECT_EQ(std::string(30, 'n'), plx_items[0].name);
    EXPECT_EQ(std::string(11, 'K'), plx_items[0].kind);
    EXPECT_EQ(std::string(30, 'k'), plx_links[0].kind);
}

TEST_F(PlxModel, TextPoolHoldsWhatFitsAndEmptiesTheRest)
{
    const std::string big(plx_pool_size / 2, 'x');
    EXPECT_EQ(0, plx_text_add(big.c_str()));
    EXPECT_EQ(1, plx_text_add(big.c_str()));  // one byte short: held empty
    EXPECT_STREQ("", plx_texts[1]);
    EXPECT_EQ(big.size() + 1, plx_text_bytes);
    EXPECT_EQ(2, plx_text_add("ok\n"));
    EXPECT_STREQ("ok\n", plx_text_of(2));
    EXPECT_STREQ("", plx_text_of(3));
}

TEST_F(PlxModel, TextTableRefusesAfterEightThousand)
{
    for (int i = 0; i < plx_item_max; ++i) ASSERT_EQ(i, plx_text_add("\n"));
    EXPECT_EQ(-1, plx_text_add("\n"));
    EXPECT_EQ(1, plx_text_set(plx_item_max, "x"));
}

// WORK -ANY-> a -on_set-> b -on_set-> c; a -on_set-> comment; d apart.
void small_tree()
{
    plx_item_add(0, 0, 1, 1, "WORK", "");     // 0
    plx_item_add(0, 0, 1, 1, "BOX", "a");     // 1
    plx_item_add(0, 0, 1, 1, "BOX", "b");     // 2
    plx_item_add(0, 0, 1, 1, "BOX", "c");     // 3
    plx_item_add(0, 0, 1, 1, "COMMENT", "");  // 4
    plx_item_add(0, 0, 1, 1, "BOX", "d");     // 5
    plx_link_add(0, 1, "ANY");
    plx_link_add(1, 2, "on_set");
    plx_link_add(2, 3, "on_set");
    plx_link_add(1, 4, "on_set");
    plx_link_add(5, 1, "on_set");
    plx_link_add(0, 5, "other");
}

std::string marks()
{
    std::string s;
    for (int i = 0; i < plx_item_num; ++i) s += plx_items[i].mark != 0 ? '1' : '0';
    return s;
}

TEST_F(PlxModel, MarkAllFollowsTheTreeFromWork)
{
    small_tree();
    plx_items[5].mark = 1;
    plx_mark_all();
    EXPECT_EQ("111100", marks());  // the comment and the item off the tree stay unmarked
    plx_mark_item(1);
    EXPECT_EQ("111110", marks());  // marking an item takes its comments along
    plx_mark_every();
    EXPECT_EQ("111111", marks());
}

TEST_F(PlxModel, MarkAllWithoutWorkMarksNothing)
{
    plx_item_add(0, 0, 1, 1, "BOX", "a");
    plx_items[0].mark = 1;
    plx_mark_all();
    EXPECT_EQ("0", marks());
}

TEST_F(PlxModel, MarkWalkSurvivesADeepChain)
{
    plx_item_add(0, 0, 1, 1, "WORK", "");
    for (int i = 1; i < plx_item_max; ++i) {
        plx_item_add(0, 0, 1, 1, "BOX", "f");
        plx_link_add(i - 1, i, i == 1 ? "ANY" : "on_set");
    }
    plx_link_add(plx_item_max - 1, 1, "on_set");  // a cycle back
    plx_mark_all();
    EXPECT_EQ(std::string(plx_item_max, '1'), marks());
}

}  // namespace
