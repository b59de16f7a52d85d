// Word attributes: sections, quoted words, the table limit, a missing file
// and the shipped file.
#include <gtest/gtest.h>

#include <string>

#include "analyser/wordattr.h"
#include "anal_support.h"

namespace {

class WordAttr : public ::testing::Test {
protected:
    void SetUp() override { anal_test::fresh(); }
};

TEST_F(WordAttr, SectionsAndWords)
{
    anal_test::write_file("wordattr.dat",
                          "\tlost\n"
                          "is_word0 first\n"
                          "\tWINAPI\n"
                          "  \"__cdecl\", rest\n"
                          "is_word2\n"
                          "\tDECLARE_X\n"
                          "other\n"
                          "\tnobody\n"
                          "is_word0\n"
                          "\tCALLBACK\n");
    int limit = 0;
    EXPECT_EQ(load_wordattr(&limit), 0);
    EXPECT_EQ(limit, 500);
    // the second is_word0 section replaces the first
    EXPECT_EQ(is_word0("CALLBACK"), 1);
    EXPECT_EQ(is_word0("WINAPI"), 0);
    EXPECT_EQ(is_word0("lost"), 0);
    EXPECT_EQ(is_word2("DECLARE_X"), 1);
    EXPECT_EQ(is_word2("__DEFINE_CPP_OVERLOAD_strcpy"), 1);
    EXPECT_EQ(is_word1("__DEFINE_CPP_OVERLOAD_strcpy"), 0);
    EXPECT_EQ(is_word2("nobody"), 0);
    EXPECT_STREQ(word_tbl[2], "__cdecl");
}

TEST_F(WordAttr, AnEmptyLineEndsTheList)
{
    anal_test::write_file("wordattr.dat", "is_word4\n\tconst\n\n\tvolatile\n");
    int limit = 0;
    EXPECT_EQ(load_wordattr(&limit), 0);
    EXPECT_EQ(is_word4("const"), 1);
    EXPECT_EQ(is_word4("volatile"), 0);
}

TEST_F(WordAttr, MoreThan500WordsKeepTheFirst500)
{
    std::string text = "is_word9\n";
    for (int i = 0; i < 501; ++i) text += "\tw" + std::to_string(i) + "\n";
    text += "is_word8\n\tlate\n";
    anal_test::write_file("wordattr.dat", text);
    int limit = 0;
    EXPECT_EQ(load_wordattr(&limit), 502);
    EXPECT_EQ(is_word9("w499"), 1);
    EXPECT_EQ(is_word9("w500"), 0);
    EXPECT_EQ(is_word8("late"), 0);
}

TEST_F(WordAttr, MissingFileEmptiesTheLists)
{
    anal_test::write_file("wordattr.dat", "is_word0\n\tWINAPI\n");
    int limit = 0;
    load_wordattr(&limit);
    remove("wordattr.dat");
    EXPECT_EQ(load_wordattr(&limit), -1);
    EXPECT_EQ(is_word0("WINAPI"), 0);
}

TEST_F(WordAttr, ShippedFileLoads)
{
    anal_test::write_file("wordattr.dat", anal_test::read_file(VOK_ANAL_DATA "/wordattr.dat"));
    int limit = 0;
    EXPECT_EQ(load_wordattr(&limit), 0);
    EXPECT_EQ(is_word0("WINAPI"), 1);
    EXPECT_EQ(is_word1("Q_OBJECT"), 1);
    EXPECT_EQ(is_word3("__declspec"), 1);
    EXPECT_EQ(is_word4("const"), 1);
    EXPECT_EQ(is_word5("noexcept"), 1);
    EXPECT_EQ(is_word6("DWORD"), 1);
    EXPECT_EQ(is_word7("STDMETHOD_"), 1);
    EXPECT_EQ(is_word8("CreateWindowEx"), 1);
    EXPECT_EQ(is_word9("printf"), 1);
}

}  // namespace
