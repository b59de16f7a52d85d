// The entry of source generation: classification, refusals, routing,
// templates, and what a failed write leaves behind.
#include <filesystem>
#include <string>

#include "generators/htmlattr.h"
#include "shell/include_lines.h"
#include "shell/sysfile.h"
#include "tests/generators/gen_fixture.h"

namespace {

// Opens of "work.fil" that make the merge fail at one step.
// For writing, a stream that only reads (the form file): every write fails.
FILE *work_unwritable(const char *path, const char *mode)
{
    return mode[0] == 'w' ? sys_fopen("g0/win.f", "r") : sys_fopen(path, mode);
}

FILE *work_unreadable(const char *path, const char *mode)
{
    return mode[0] == 'r' ? nullptr : sys_fopen(path, mode);
}

// Read back once a folder stands where the source's temporary goes, so
// the source cannot be rewritten.
FILE *source_blocked(const char *path, const char *mode)
{
    if (mode[0] == 'r') std::filesystem::create_directory("g0/win.c.$$$");
    return sys_fopen(path, mode);
}

class GenEntry : public GenTest {
protected:
    // The names of the files in the project folder.
    static std::string listing()
    {
        std::string out;
        std::vector<std::string> names;
        for (const auto &e : std::filesystem::directory_iterator("g0")) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        for (const auto &n : names) out += n + " ";
        return out;
    }

    void small_form()
    {
        box("FORM", "", 0, 0, 100, 100, "- t - 0 0 100 100");
        box("BUTTON", "ok", 10, 10, 50, 30, "OK WS_CHILD");
    }
};

TEST_F(GenEntry, FormsWithoutOneTopKindAreRefused)
{
    const char *const twice = "APP、FORM、WORK、SMENU、HTMLが重複して指定されている、ソースを生成出来ない\n";
    const char *const none = "APP、FORM、WORK、SMENU、HTMLが共に指定されていない、ソースを生成出来ない\n";
    struct refusal_case {
        const char *kinds[2];
        const char *text;
        int beeps;
    } const cases[] = {
        {{"APP", "FORM"}, twice, 1},
        {{"HTML", "HTML"}, twice, 1},
        {{"", ""}, none, 1},
        {{"DATA", ""}, none, 1},
        {{"PROJ", ""}, "PROJのソース生成は未サポートです\n", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.kinds[0]) + "+" + c.kinds[1]);
        capture::reset();
        forms_reset_all();
        form_alloc();
        for (const char *k : c.kinds) {
            if (k[0] != '\0') box(k, "", 0, 0, 10, 10);
        }
        EXPECT_EQ(0, gen_source("x.c", "x.h"));
        ASSERT_EQ(1u, capture::boxes.size());
        EXPECT_EQ(c.text, capture::boxes[0].text);
        EXPECT_EQ(c.beeps, capture::beeps);
        EXPECT_EQ("", listing());
    }
}

TEST_F(GenEntry, KindsGoToTheirGenerators)
{
    for (const char *kind : {"WORK", "HTML"}) {
        forms_reset_all();
        form_alloc();
        box(kind, "", 0, 0, 10, 10);
        EXPECT_EQ(0, gen_source("x.c", "x.h"));
        EXPECT_EQ(strcmp(kind, "HTML") == 0 ? "x.html " : "", listing()) << kind;
        std::filesystem::remove("g0/x.html");
    }
    xwin_mode = 1;
    forms_reset_all();
    form_alloc();
    box("APP", "", 0, 0, 10, 10);
    // X-Window generation goes to the X generator, which needs its template.
    EXPECT_EQ(1, gen_source("x.c", "x.h"));
    EXPECT_EQ("", listing());
    ASSERT_EQ(1u, capture::boxes.size());
    EXPECT_EQ("ファイル(xapp.dat)をオープン出来ません", capture::boxes[0].text);
}

TEST_F(GenEntry, AnAppFormLoadsTheHtmlWords)
{
    put("htmlattr.dat", "is_str\n table\n");
    box("APP", "", 0, 0, 10, 10);
    EXPECT_EQ(0, gen_source("app.c", "app.h"));
    EXPECT_EQ(1, is_str("table"));
    EXPECT_EQ("app.c htmlattr.dat ", listing());
}

TEST_F(GenEntry, TemplatesHeadTheFilesAndTheBannerStandsInForTc)
{
    small_form();
    put("win.th", "/* header head */\r\n");
    put("win.tc", "/* source head */\n");
    EXPECT_EQ(0, gen_source("win.c", "win.h"));
    EXPECT_EQ(0u, got("win.c").find("/* source head */\n#include <windows.h>\n#include <malloc.h>\n"
                                    "/* header head */\n#define ok"));
    EXPECT_FALSE(exists("win.h"));
    std::filesystem::remove("g0/win.tc");
    EXPECT_EQ(0, gen_source("0:win.c", "0:win.h"));
    EXPECT_EQ(0u, got("win.c").find("/////////////////////////////////\n/* file:win.c */\n"
                                    "/////////////////////////////////\n#include <windows.h>\n#include <malloc.h>\n"
                                    "/* header head */\n#define ok"));
    EXPECT_FALSE(exists("win.h"));
    EXPECT_EQ("win.c win.th ", listing());
}

// A target that cannot be written shows the box, returns 1 and leaves the
// files as they were.
TEST_F(GenEntry, ABlockedTargetLeavesEveryFileAsItWas)
{
    small_form();
    put("win.f", "form\n");
    put("win.h", "old header\n");
    std::filesystem::create_directory("g0/win.c.$$$");
    EXPECT_EQ(1, gen_source("win.c", "win.h"));
    EXPECT_EQ("ファイル(win.c)をオープン出来ません|", box_texts());
    EXPECT_EQ("old header\n", got("win.h"));
    EXPECT_EQ("form\n", got("win.f"));
    std::filesystem::remove("g0/win.c.$$$");

    capture::boxes.clear();
    std::filesystem::create_directory("g0/win.c");
    EXPECT_EQ(1, gen_source("win.c", "win.h"));
    EXPECT_EQ("ファイル(win.c)をオープン出来ません|", box_texts());
    EXPECT_TRUE(std::filesystem::is_directory("g0/win.c"));
    EXPECT_EQ("form\n", got("win.f"));
    EXPECT_EQ("win.c win.f win.h ", listing());
    std::filesystem::remove("g0/win.c");

    capture::boxes.clear();
    put("win.c", "old source\n");
    std::filesystem::remove("g0/win.h");
    std::filesystem::create_directory("g0/win.h");
    EXPECT_EQ(1, gen_source("win.c", "win.h"));
    EXPECT_EQ("ファイル(win.h)をオープン出来ません|", box_texts());
    EXPECT_EQ("old source\n", got("win.c"));
    EXPECT_EQ("win.c win.f win.h ", listing());
}

// A merge that fails shows the box naming the file it could not open and
// returns 1; the new source keeps its include line and the header stays.
TEST_F(GenEntry, AFailedMergeLeavesTheSourceAndItsHeader)
{
    const struct {
        const char *name;
        FILE *(*open)(const char *, const char *);
        const char *blocker;  // a folder standing where a file must be written
        const char *file;     // the file the box names
    } cases[] = {
        {"work.fil cannot be opened", sys_fopen, "work.fil", "work.fil"},
        {"work.fil write fails", work_unwritable, nullptr, "work.fil"},
        {"source temporary cannot be made", source_blocked, nullptr, "win.c"},
        {"work.fil cannot be read back", work_unreadable, nullptr, "work.fil"},
    };
    small_form();
    put("win.f", "form\n");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        capture::boxes.clear();
        if (c.blocker != nullptr) std::filesystem::create_directory(c.blocker);
        include_work_open = c.open;
        EXPECT_EQ(1, gen_source("win.c", "win.h"));
        include_work_open = sys_fopen;
        EXPECT_EQ(std::string("ファイル(") + c.file + ")をオープン出来ません|", box_texts());
        const std::string source = got("win.c");
        EXPECT_NE(std::string::npos, source.find("#include <malloc.h>\n#include \"win.h\"\n#define MY_TEAM 4\n"));
        EXPECT_EQ(std::string::npos, source.find("#define ok"));
        EXPECT_EQ(0u, got("win.h").find("#define ok             0 /* BUTTON */\n"));
        EXPECT_EQ("form\n", got("win.f"));
        EXPECT_FALSE(std::filesystem::is_regular_file("work.fil"));
        if (c.blocker != nullptr) std::filesystem::remove(c.blocker);
        std::filesystem::remove("g0/win.c.$$$");
        EXPECT_EQ("win.c win.f win.h ", listing());
    }
}

TEST_F(GenEntry, ALineTooLongRefusesTheSourceAndKeepsTheOldOne)
{
    box("FORM", "", 0, 0, 100, 100, ("- " + std::string(1000, 'a') + " - 0 0 100 100").c_str());
    put("win.c", "old source\n");
    EXPECT_EQ(1, gen_source("win.c", "win.h"));
    EXPECT_EQ("ボックス(FORM)から生成する行が長すぎる、ソースを生成出来ない\n|", box_texts());
    EXPECT_EQ("old source\n", got("win.c"));
    EXPECT_EQ("win.c win.h ", listing());
}

// A second run after the resets writes the same bytes.
TEST_F(GenEntry, ASecondRunWritesTheSameBytes)
{
    small_form();
    EXPECT_EQ(0, gen_source("win.c", "win.h"));
    const std::string first = got("win.c");
    generators_reset_all();
    EXPECT_EQ(0, gen_source("win.c", "win.h"));
    EXPECT_EQ(first, got("win.c"));
    EXPECT_EQ("win.c ", listing());
}

}  // namespace
