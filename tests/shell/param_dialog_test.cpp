// The parameter dialog's rules: the option checks, the default sets and
// presets, and "vokparameter.dat" written in the dialog's row order with the
// keys of its rows.
#include <gtest/gtest.h>

#include <string>

#include "shell/param_dialog.h"
#include "shell/text.h"
#include "tests/shell/shell_fixture.h"

using fixture::read_file;

namespace {

class param_dialog_test : public folder_test {
protected:
    void SetUp() override
    {
        folder_test::SetUp();
        fill_home_dir();
        // The parameters as a first start has them.
        for (const param_key &k : param_keys) {
            if (k.number != nullptr) *k.number = 0;
            else k.text[0] = '\0';
        }
        copy_bounded(option, param_size, "/j%d");
        copy_bounded(option2, param_size, "/j%d");
        paramdlg_fill_values();
        for (int row = 0; row < paramdlg_row_count; ++row) copy_bounded(fields[row], param_size, paramdlg_values[row]);
    }
    char fields[paramdlg_row_count][param_size] = {};
};

}  // namespace

TEST(ParamDialog, OptionChecks)
{
    struct row {
        const char *option;
        const char *option2;
        const char *refusal;  // null: accepted
    };
    const row rows[] = {
        {"/j%d", "/j%d", nullptr},
        {"-n", "", nullptr},
        {"%s /j%d", "/j%d", paramdlg_option_text},
        {"%s", "/j%d", paramdlg_option_text},
        {"100%", "/j%d", paramdlg_option_text},
        {"/j%d", "%s /j%d", nullptr},
        {"/j%d", "/j%d %s", nullptr},
        {"/j%d", "%s %s", paramdlg_option2_text},
        {"/j%d", "%x", paramdlg_option2_text},
    };
    for (const row &r : rows) {
        char f[paramdlg_row_count][param_size] = {};
        copy_bounded(f[paramdlg_option], param_size, r.option);
        copy_bounded(f[paramdlg_option2], param_size, r.option2);
        const char *got = paramdlg_check(f);
        EXPECT_STREQ(got == nullptr ? "" : got, r.refusal == nullptr ? "" : r.refusal) << r.option << " " << r.option2;
    }
}

TEST(ParamDialog, SetsFillTheirRowsOnly)
{
    const char *const a[paramdlg_row_count] = {"150", "245", "14", nullptr, "/j%d", "/j%d", nullptr, nullptr, nullptr};
    const char *const b[paramdlg_row_count] = {"231", "296", "12", nullptr, "/j%d", "/j%d", nullptr, nullptr, nullptr};
    for (int row = 0; row < paramdlg_row_count; ++row) {
        EXPECT_STREQ(paramdlg_set_text(paramdlg_set_a, row), a[row]) << paramdlg_key(row);
        EXPECT_STREQ(paramdlg_set_text(paramdlg_set_b, row), b[row]) << paramdlg_key(row);
    }
}

TEST(ParamDialog, PresetsAreValidOptionsOfTheirRows)
{
    struct row {
        paramdlg_preset preset;
        int row;
        const char *text;
        int kind;
    };
    const row rows[] = {
        {paramdlg_preset_option, paramdlg_option, "/j%d", 1},
        {paramdlg_preset_line, paramdlg_option2, "/j%d", 1},
        {paramdlg_preset_file, paramdlg_option2, "/scwI \"%s\"", 2},
        {paramdlg_preset_file_line, paramdlg_option2, "/scwI \"%s\" /j%d", 3},
    };
    for (const row &r : rows) {
        EXPECT_EQ(paramdlg_preset_row(r.preset), r.row);
        EXPECT_STREQ(paramdlg_preset_text(r.preset), r.text);
        EXPECT_EQ(check_editor_option(r.text), r.kind) << r.text;
    }
}

TEST_F(param_dialog_test, OkWritesTheRowsInOrderWithTheirKeys)
{
    copy_bounded(fields[paramdlg_category_wide], param_size, "abc");
    copy_bounded(fields[paramdlg_object_wide], param_size, "245px");
    copy_bounded(fields[paramdlg_category_font], param_size, "14");
    copy_bounded(fields[paramdlg_editor], param_size, "c:\\ツール\\ed.exe");
    copy_bounded(fields[paramdlg_option2], param_size, "%s /j%d");
    copy_bounded(fields[paramdlg_folder], param_size, "d:\\work");
    ASSERT_EQ(paramdlg_check(fields), nullptr);
    ASSERT_EQ(paramdlg_apply(fields), 0);
    EXPECT_EQ(read_file("vokparameter.dat"),
              "category_wide\t=\t0\n"
              "object_wide\t=\t245\n"
              "category_font\t=\t14\n"
              "editor\t=\tc:\\ツール\\ed.exe\n"
              "option\t=\t/j%d\n"
              "option2\t=\t%s /j%d\n"
              "explorer\t=\t\n"
              "excel\t=\t\n"
              "folder\t=\td:\\work\n");
    category_wide = object_wide = category_font = -1;
    editor[0] = '\0';
    read_parameters();
    EXPECT_EQ(category_wide, 0);
    EXPECT_EQ(object_wide, 245);
    EXPECT_EQ(category_font, 14);
    EXPECT_STREQ(editor, "c:\\ツール\\ed.exe");
    EXPECT_STREQ(option2, "%s /j%d");
    EXPECT_STREQ(folder, "d:\\work");
}

TEST_F(param_dialog_test, ValueRowsShowTheParameters)
{
    category_wide = 150;
    category_font = 14;
    object_wide = 245;
    copy_bounded(excel, param_size, "x.exe");
    paramdlg_fill_values();
    EXPECT_STREQ(paramdlg_values[paramdlg_category_wide], "150");
    EXPECT_STREQ(paramdlg_values[paramdlg_object_wide], "245");
    EXPECT_STREQ(paramdlg_values[paramdlg_category_font], "14");
    EXPECT_STREQ(paramdlg_values[paramdlg_excel], "x.exe");
    EXPECT_STREQ(paramdlg_values[paramdlg_option], "/j%d");
}

TEST_F(param_dialog_test, EditorLookupLeavesTheParameter)
{
    char found[param_size] = "untouched";
    EXPECT_EQ(paramdlg_find_editor(found), 1);
    EXPECT_STREQ(found, "untouched");
    capture::registry["1|SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hidemaru|UninstallString"] =
        "c:\\Program Files\\Hidemaru\\uninst.exe";
    EXPECT_EQ(paramdlg_find_editor(found), 0);
    EXPECT_STREQ(found, "c:\\Program Files\\Hidemaru\\Hidemaru.exe");
    EXPECT_STREQ(editor, "");
    copy_bounded(editor, param_size, "mine.exe");
    copy_bounded(found, param_size, "untouched");
    EXPECT_EQ(paramdlg_find_editor(found), 1);
    EXPECT_STREQ(found, "untouched");
    editor[0] = '\0';
}
