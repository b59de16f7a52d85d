// The main screen's fields against the capture host: the name checks, the
// pattern and file lists, the target field's list and key, and the popup place.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "shell/form_services.h"
#include "shell/main_fields.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "tests/support/capture_forms.h"
#include "tests/support/capture_host.h"

namespace {

using strings = std::vector<std::string>;

class MainFields : public ::testing::Test {
protected:
    void SetUp() override
    {
        capture::reset();
        capture_forms::reset();
        main_state_reset();
        main_hooks = main_hooks_rec{};
        target_field.edit = capture::new_edit();
        target_field.list = capture::new_list();
        main_controls[ctl_category] = capture::new_edit();
        main_controls[ctl_patterns] = capture::new_list();
        lang_mode = 0;
        xwin_mode = 0;
        project_props[0][0] = '\0';
    }
    void TearDown() override
    {
        xwin_mode = 0;
        project_props[0][0] = '\0';
    }
    strings patterns() const { return capture::list_items(main_controls[ctl_patterns]); }
    strings targets() const { return capture::list_items(target_field.list); }
};

TEST_F(MainFields, SourceExtensions)
{
    const struct {
        const char *name;
        bool source;
    } cases[] = {
        {"a.c", true},      {"A.C", true},      {"*.c*", true},    {"x.cpp", true},   {"x.CPP", true},
        {"m.pc", true},     {"J.java", true},   {"J.JAVA", true},  {"h.h", true},     {"0:dir.h", true},
        {"x.cc", false},    {".c", false},      {"x.Cpp", false},  {"x.c.txt", false}, {"noext", false},
        {"a.f", false},     {"b.vok", false},   {"a.c*", true},
    };
    for (const auto &c : cases) EXPECT_EQ(c.source, is_source_ext(c.name)) << c.name;
}

TEST_F(MainFields, NameChecksRefuseWildcardsAndBlanksButDrivePathsMayHoldBlanks)
{
    const char wild[] = "ワイルドカードは使えません\r\n%sに一個のファイル名を設定して下さい";
    const char blank[] = "フルパスのファイル名以外、途中に空白は使えません\r\n%sに一個のファイル名を設定して下さい";
    const struct {
        const char *text;
        const char *box;  // null: usable
    } cases[] = {
        {"main.c", nullptr},
        {"C:\\Program Files\\a.c", nullptr},
        {"C:\\dir\\*.c", wild},
        {"C:\\a,b.c", wild},
        {"*.c", wild},
        {"a,b", wild},
        {"my file.c", blank},
        {"c:\\my file.c", blank},  // a lower-case drive letter is no drive path
        {"a\tb", blank},
        {"日本語.c", nullptr},
    };
    for (const char *field : {"カテゴリ欄", "対象欄"}) {
        for (const auto &c : cases) {
            capture::boxes.clear();
            win_handle owner = capture::new_edit();
            const bool category = strcmp(field, "カテゴリ欄") == 0;
            const int refused = category ? check_category_field(owner, c.text) : check_target_field(owner, c.text);
            EXPECT_EQ(c.box != nullptr ? 1 : 0, refused) << c.text;
            if (c.box == nullptr) {
                EXPECT_TRUE(capture::boxes.empty()) << c.text;
                continue;
            }
            ASSERT_EQ(1u, capture::boxes.size()) << c.text;
            char expected[300];
            format_text(expected, sizeof expected, c.box, field);
            EXPECT_EQ(expected, capture::boxes[0].text);
            EXPECT_EQ("TAVIR警告画面", capture::boxes[0].caption);
            EXPECT_EQ(static_cast<unsigned>(MB_ICONHAND), capture::boxes[0].style);
            EXPECT_EQ(owner, capture::boxes[0].owner);
        }
    }
}

TEST_F(MainFields, PatternListsPerLanguageFolderModeAndXWindow)
{
    const struct {
        int lang;
        bool folder;
        int xwin;
        strings expect;
    } cases[] = {
        {0, false, 0, {"*.c* *.h", "*.c*", "*.h", "*.f", "*.r"}},
        {0, true, 0, {"*.c*,*.h", "*.c*", "*.h", "*.f", "*.r"}},
        {0, false, 1, {"*.c* *.h", "*.c*", "*.h", "*.f", "*.x"}},
        {1, true, 0, {"*.pc *.c* *.h", "*.pc", "*.c*", "*.h", "*.f", "*.r"}},
        {2, false, 1,
         {"*.java", "*.jsp", "*.properties", "*.tld", "*.xml", "*.conf", "*.php", "*.html", "*.sql", "*.f", "*.x"}},
        {3, false, 0, {"*.f", "*.r"}},
    };
    for (const auto &c : cases) {
        lang_mode = c.lang;
        xwin_mode = c.xwin;
        copy_bounded(project_props[0], sizeof project_props[0], c.folder ? "FOLDER" : "");
        capture::list_items(main_controls[ctl_patterns]) = {"old"};
        capture::edit_text(main_controls[ctl_category]) = "keep.f";
        set_lang_patterns();
        EXPECT_EQ(c.expect, patterns()) << c.lang << c.folder << c.xwin;
        EXPECT_EQ(c.lang == 3 ? "keep.f" : c.expect[0], capture::edit_text(main_controls[ctl_category]));
    }
}

TEST_F(MainFields, FileListShowsPatternsThenMatchesAndKeepsAPlainNameThatMatchedNothing)
{
    main_hooks.list_form_defs = [](win_handle list, const char *ext) {
        capture::list_items(list).push_back(std::string("def") + ext);
    };
    char prog[] = "get_category", a[] = "a.c", b[] = "0:b.c", star[] = "*.zz", plain[] = "one.c", x[] = "*.x";
    struct run {
        const char *category;
        std::vector<char *> args;
        strings expect;
    };
    const strings base = {"*.c* *.h", "*.c*", "*.h", "*.f", "*.r"};
    const run runs[] = {
        {"*.c", {prog, a, b}, {"*.c* *.h", "*.c*", "*.h", "*.f", "*.r", "a.c", "0:b.c"}},
        {"*.zz", {prog, star}, base},               // a pattern that matched nothing
        {"one.c", {prog, plain}, {"untouched"}},     // a plain name that matched nothing
        {"*.x", {prog, x}, {"*.c* *.h", "*.c*", "*.h", "*.f", "*.r", "def.x"}},
    };
    for (const run &r : runs) {
        capture::list_items(main_controls[ctl_patterns]) = {"untouched"};
        capture::edit_text(main_controls[ctl_category]) = r.category;
        std::vector<char *> argv = r.args;
        EXPECT_EQ(0, fill_file_list(static_cast<int>(argv.size()), argv.data()));
        EXPECT_EQ(r.expect, patterns()) << r.category;
    }
}

TEST_F(MainFields, TargetListAddsNumberedCopiesOfANameItHolds)
{
    fill_entry_names();
    EXPECT_EQ((strings{"WinMain", "Main", "main"}), targets());
    target_clear();
    EXPECT_TRUE(targets().empty());
    EXPECT_EQ(0, target_add_unique("func"));
    EXPECT_EQ(0, target_add_unique("other"));
    capture::list_items(target_field.list).push_back("func/2");
    EXPECT_EQ(0, target_add_unique("func"));
    EXPECT_EQ(0, target_add_unique("FUNC"));  // the list's own test ignores case
    EXPECT_EQ((strings{"func", "other", "func/2", "func/3", "FUNC/4"}), targets());
    // Every number taken: nothing added.
    strings full = {"k"};
    for (int n = 2; n <= 1000; ++n) full.push_back("k/" + std::to_string(n));
    capture::list_items(target_field.list) = full;
    EXPECT_EQ(1, target_add_unique("k"));
    EXPECT_EQ(full.size(), targets().size());
}

TEST_F(MainFields, TargetTextReadsAtMost999Bytes)
{
    capture::edit_text(target_field.edit) = std::string(1500, 'a');
    char big[2000];
    target_get_text(big, sizeof big);
    EXPECT_EQ(999u, strlen(big));
    char small[10];
    target_get_text(small, sizeof small);
    EXPECT_STREQ("aaaaaaaaa", small);
}

TEST_F(MainFields, NormalisingTheTargetKey)
{
    const struct {
        const char *in;
        const char *out;
    } cases[] = {
        {"-name---", "name"},
        {"-ab", "ab"},
        {"new Widget(a, b)", "Widget"},
        {"123(23):func(int)", "func(int)"},
        {"12:value", "value"},
        {"call(x)", "call"},
        {"''nested';", "nested"},
        {"plain", "plain"},
        {"関数(引数)", "関数"},
    };
    for (const auto &c : cases) {
        capture::edit_text(target_field.edit) = c.in;
        normalize_target_key(target_field_handle());
        EXPECT_EQ(c.out, capture::edit_text(target_field.edit)) << c.in;
    }
}

TEST_F(MainFields, PopupPlacesAtEveryEdge)
{
    const struct {
        const char *name;
        int px, py, w, h, client_w;
        popup_place expect;
    } cases[] = {
        {"above, room right", 100, 50, 80, 12, 400, {100, 36, 90, 14}},
        {"above, at the right edge", 350, 50, 80, 12, 400, {310, 36, 90, 14}},
        {"above, wider than the window", 10, 50, 500, 12, 400, {5, 36, 510, 14}},
        {"top edge exactly", 100, 14, 80, 12, 400, {100, 0, 90, 14}},
        {"below, room right", 100, 5, 80, 12, 400, {110, 24, 90, 14}},
        {"below, at the right edge", 350, 5, 80, 12, 400, {310, 24, 90, 14}},
        {"below, wider than the window", 10, 5, 500, 12, 400, {15, 24, 510, 14}},
    };
    for (const auto &c : cases) {
        const popup_place p = place_popup(c.px, c.py, c.w, c.h, c.client_w);
        EXPECT_EQ(c.expect.x, p.x) << c.name;
        EXPECT_EQ(c.expect.y, p.y) << c.name;
        EXPECT_EQ(c.expect.width, p.width) << c.name;
        EXPECT_EQ(c.expect.height, p.height) << c.name;
        if (c.w + 10 <= c.client_w) {
            EXPECT_LE(p.x + p.width, c.client_w) << c.name;
        }
    }
}

TEST_F(MainFields, FormServicesGoToTheFormScreen)
{
    capture_forms::client_w = 640;
    capture_forms::client_h = 480;
    int w = 0, h = 0;
    EXPECT_EQ(0, form_client_size(&w, &h));
    EXPECT_EQ(640, w);
    EXPECT_EQ(480, h);
    EXPECT_EQ(0, form_redraw(3));  // unbound: nothing
    static int made_current;
    made_current = -5;
    main_hooks.form_redraw = [](int box) { made_current = box; };
    form_redraw(7);
    EXPECT_EQ(7, made_current);
}

}  // namespace
