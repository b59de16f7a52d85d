// Control places after a resize, the window-place files and the names the
// FORM screen's double-clicks and browser command open.
#include "forms/form_places.h"

#include <ctime>
#include <string>

#include "shell/dirs.h"
#include "tests/forms/form_fixture.h"
#include "tests/shell/shell_fixture.h"

namespace {

class FormPlaces : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        start_dir = fixture::cwd();
        static int serial = 0;
        // Folders of earlier runs stay behind: the time makes the name new.
        static const std::string run = std::to_string(static_cast<long long>(time(nullptr)));
        const std::string name = "places" + run + "_" + std::to_string(++serial);
        fixture::make_dir(name);
        ASSERT_EQ(host_chdir(name.c_str()), 0);
        copy_bounded(home_dir, sizeof home_dir, fixture::cwd().c_str());
    }
    void TearDown() override
    {
        home_dir[0] = '\0';
        host_chdir(start_dir.c_str());
    }

    std::string start_dir;
};

TEST_F(FormPlaces, AResizePlacesTheFieldsAndButtonBars)
{
    form_layout_rec places;
    form_layout(800, 600, &places);
    EXPECT_EQ(places.name_edit.x, 645);
    EXPECT_EQ(places.name_edit.w, 150);
    EXPECT_EQ(places.counter.x, 745);
    EXPECT_EQ(places.counter.y, 21);
    EXPECT_EQ(places.keys[0].x, 55);
    EXPECT_EQ(places.keys[24].x, 535);
    EXPECT_EQ(places.keys[3].y, 579);
    EXPECT_EQ(places.pads[0].x, 555);
    EXPECT_EQ(places.pads[11].x, 775);
    int hidden = 0;
    for (const auto &k : places.keys) hidden += k.hidden;
    EXPECT_EQ(hidden, 4);
    EXPECT_EQ(places.keys[6].hidden, 1);
    EXPECT_EQ(places.keys[7].hidden, 0);
}

struct place_case {
    const char *kind;
    const char *file;
    const char *text;
};

TEST_F(FormPlaces, EachTopKindWritesItsOwnPlaceLines)
{
    const place_case cases[] = {
        {"PROJ", "PROJ.P", "struct proj x1 = {\n\tTAVIR,\n\tPROJ0,\n\t0,\n\t10,\n\t20,\n\t300,\n\t200\n};\n"},
        {"WORK", "WORK.P", "struct team x1 = {\n\tTAVIR,\n\tWORK0,\n\t0,\n\t10,\n\t20,\n\t300,\n\t200\n};\n"},
        {"DATA", "DATA.P", "struct data x1 = {\n\tTAVIR,\n\tDATA0,\n\t0,\n\t10,\n\t20,\n\t300,\n\t200\n};\n"},
        {"SMENU", "SMENU.P", "struct smenu x1 = {\n\tTAVIR,\n\tSMENU0,\n\t0,\n\t10,\n\t20,\n\t300,\n\t200\n};\n"},
        {"CALC", "CALC.P", "struct data x1 = {\n\tTAVIR,\n\tCALC0,\n\t0,\n\t10,\n\t20,\n\t300,\n\t200\n};\n"},
        {"FORM", "FORM.P",
         "struct form x1 = {\n\tTAVIR,\n\tFORM0,\n\tWS_OVERLAPPEDWINDOW,\n\t10+\n\tCENTERING+\n\tFULL,\n\t20+\n"
         "\tCENTERING+\n\tFULL,\n\t300+\n\t640,\n\t200+\n\t480\n};\n"},
        {"HTML", "HTML.P",
         "struct html x1 = {\n\tTAVIR,\n\tHTML0,\n\tomit+\n\tVBScript+\n\tJScript+\n\tJavaScript,\n\t10,\n\t20,\n"
         "\t300,\n\t200\n};\n"},
        {"APP", "APP.P", "struct form x1 = {\n\tTAVIR,\n\tAPP0,\n\tY+\n\tN,\n\t10,\n\t20,\n\t300,\n\t200\n};\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_STREQ(place_file_name(c.kind), c.file);
        ASSERT_EQ(write_place_file(c.kind, 10, 20, 300, 200), 0);
        EXPECT_EQ(file_text(c.file), c.text);
    }
    EXPECT_STREQ(place_file_name("X"), "APP.P");
}

TEST_F(FormPlaces, AFailedWriteLeavesTheOldFile)
{
    write_file("PROJ.P", "old\n");
    copy_bounded(home_dir, sizeof home_dir, "no_such_home");
    EXPECT_EQ(write_place_file("PROJ", 1, 2, 3, 4), 1);
    EXPECT_EQ(file_text("PROJ.P"), "old\n");
}

struct name_case {
    const char *in, *expect;
};

TEST_F(FormPlaces, TheBrowserOpensThePageOfTheForm)
{
    const name_case cases[] = {
        {"a.f", "a.html"}, {"1:dir.x\\page.F", "1:dir.x\\page.html"}, {"plain", "plain.html"}, {"ソ.f", "ソ.html"},
    };
    for (const auto &c : cases) {
        char out[100];
        EXPECT_EQ(browser_page_name(c.in, out, sizeof out), 0);
        EXPECT_STREQ(out, c.expect);
    }
    char small[6];
    EXPECT_EQ(browser_page_name("name.f", small, sizeof small), 1);
}

TEST_F(FormPlaces, SubFormsAreFoundInTheSlotsOrTakeThePrefixInUse)
{
    write_file("SUB.F", "#F2\n");
    char out[100];
    EXPECT_EQ(subform_file_name("SUB.F", "1:top.f", out, sizeof out), 0);
    EXPECT_STREQ(out, "SUB.F");
    EXPECT_EQ(subform_file_name("new.f", "1:top.f", out, sizeof out), 0);
    EXPECT_STREQ(out, "1:new.f");
    EXPECT_EQ(subform_file_name("new.f", "top.f", out, sizeof out), 0);
    EXPECT_STREQ(out, "new.f");
    EXPECT_EQ(kind_form_name("MYKIND", "a:top.f", out, sizeof out), 0);
    EXPECT_STREQ(out, "a:MYKIND.F");
}

TEST_F(FormPlaces, OnlyLocalPagesOpenTheirForms)
{
    char out[100];
    EXPECT_EQ(page_form_name("http://x/a.html", "1:top.f", out, sizeof out), 1);
    EXPECT_EQ(page_form_name("a.txt", "1:top.f", out, sizeof out), 1);
    EXPECT_EQ(page_form_name("a.html", "1:top.f", out, sizeof out), 0);
    EXPECT_STREQ(out, "1:a.F");
    EXPECT_EQ(page_form_name("b.HTM", "top.f", out, sizeof out), 0);
    EXPECT_STREQ(out, "b.F");
}

}  // namespace
