// The project dialog's rules on a home folder of its own: the line built
// from slots with gaps, the refusals, the slot shifts at both ends, the
// pages, the states, and the files written by save, delete and cancel.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "shell/msgbox.h"
#include "shell/project_dialog.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "tests/shell/shell_fixture.h"

using fixture::read_file;
using fixture::write_file;

namespace {

class project_dialog_test : public folder_test {
protected:
    void SetUp() override
    {
        folder_test::SetUp();
        fill_home_dir();
        target_field.edit = capture::new_edit();
        target_field.list = capture::new_list();
        key_stack_num = 0;
        cstack_num = 0;
        set_view("home");
        projdlg_reset();
        write_file("vokdir.dat", "home\nold c:\\old;HOME\n");
        write_file("ostacks.dat", "home\tk1\nold\tk2\n");
        write_file("vstacks.dat", "home\tHOMEDEF\nold\tOLDDEF\n");
        write_file("pstacks.dat", "home\t\t\nold\tFOLDER\tC\t\t\t\t\t\t\n");
    }

    // The definition edits as the dialog reads them.
    char defs[8][1000] = {};

    int save(bool folder_mode, projdlg_kind kind)
    {
        const char *refusal = nullptr;
        const int rc = projdlg_save(folder_mode, kind, defs, &refusal);
        last_refusal = refusal == nullptr ? "" : refusal;
        return rc;
    }
    std::string last_refusal;
};

// A slot or definition edit set as the user typed it.
void put(char *row, const char *text) { copy_bounded(row, projdlg_slot_size, text); }

std::vector<std::string> slots()
{
    std::vector<std::string> out;
    for (const char *s : projdlg_slots) out.push_back(s);
    return out;
}

}  // namespace

TEST(ProjectDialog, CreateRefusals)
{
    struct row {
        const char *name;
        int found;
        int result;
        const char *text;
    };
    const row rows[] = {
        {"", -1, 1, projdlg_no_name_text},
        {"my proj", -1, 1, projdlg_blank_name_text},
        {"my\tproj", -1, 1, projdlg_blank_name_text},
        {"old", 1, 1, "プロジェクト名が重複しています(1)"},
        {"新規", -1, 0, ""},
    };
    for (const row &r : rows) {
        char text[200] = "";
        EXPECT_EQ(projdlg_check_create(r.name, r.found, text, sizeof text), r.result) << r.name;
        EXPECT_STREQ(text, r.text) << r.name;
    }
}

TEST(ProjectDialog, LineLeavesEmptySlotsOut)
{
    projdlg_reset();
    char line[dir_line_size];
    put(projdlg_slots[0], "d:\\a");
    put(projdlg_slots[2], "d:\\b");
    put(projdlg_slots[35], "d:\\z");
    ASSERT_EQ(projdlg_build_line(line, sizeof line, "p"), 0);
    EXPECT_STREQ(line, "p d:\\a;d:\\b;d:\\z;HOME\n");
    EXPECT_EQ(projdlg_build_line(line, 10, "p"), 1);
    projdlg_slots[0][0] = '\0';
    ASSERT_EQ(projdlg_build_line(line, sizeof line, "p"), 0);
    EXPECT_STREQ(line, "p d:\\b;d:\\z;HOME\n");
}

TEST(ProjectDialog, SlotShiftsAtBothEnds)
{
    projdlg_reset();
    for (int i = 0; i < projdlg_slot_count; ++i) format_text(projdlg_slots[i], projdlg_slot_size, "s%d", i);
    ASSERT_EQ(projdlg_insert_slot(0), 0);
    EXPECT_STREQ(projdlg_slots[0], "");
    EXPECT_STREQ(projdlg_slots[1], "s0");
    EXPECT_STREQ(projdlg_slots[35], "s34");  // s35 is lost
    ASSERT_EQ(projdlg_delete_slot(0), 0);
    EXPECT_STREQ(projdlg_slots[0], "s0");
    EXPECT_STREQ(projdlg_slots[34], "s34");
    EXPECT_STREQ(projdlg_slots[35], "");
    ASSERT_EQ(projdlg_insert_slot(35), 0);
    EXPECT_STREQ(projdlg_slots[35], "");
    EXPECT_STREQ(projdlg_slots[34], "s34");
    put(projdlg_slots[35], "last");
    ASSERT_EQ(projdlg_delete_slot(35), 0);
    EXPECT_STREQ(projdlg_slots[35], "");
    EXPECT_EQ(projdlg_delete_slot(36), 1);
    EXPECT_EQ(projdlg_insert_slot(-1), 1);
}

TEST(ProjectDialog, PagesLabelsAndRows)
{
    projdlg_reset();
    struct step {
        void (*turn)();
        int page;
        const char *label;
        int slot_of_row_9;
    };
    const step steps[] = {
        {projdlg_page_next, 10, "フォルダ(a～j)", 19}, {projdlg_page_next, 20, "フォルダ(k～t)", 29},
        {projdlg_page_next, 30, "フォルダ(u～z)", -1}, {projdlg_page_next, 30, "フォルダ(u～z)", -1},
        {projdlg_page_prev, 20, "フォルダ(k～t)", 29}, {projdlg_page_first, 0, "フォルダ(0～9)", 9},
        {projdlg_page_prev, 0, "フォルダ(0～9)", 9},
    };
    for (const step &s : steps) {
        s.turn();
        EXPECT_EQ(projdlg_page, s.page);
        char label[64];
        projdlg_page_label(label, sizeof label);
        EXPECT_STREQ(label, s.label);
        EXPECT_EQ(projdlg_row_slot(9), s.slot_of_row_9);
    }
    projdlg_page = 30;
    EXPECT_EQ(projdlg_row_slot(5), 35);
    EXPECT_EQ(projdlg_row_slot(6), -1);
}

TEST(ProjectDialog, KindsAndFolderMode)
{
    EXPECT_EQ(projdlg_kind_of("C"), projdlg_kind_c);
    EXPECT_EQ(projdlg_kind_of("PROC"), projdlg_kind_proc);
    EXPECT_EQ(projdlg_kind_of("JAVA"), projdlg_kind_java);
    EXPECT_EQ(projdlg_kind_of(""), projdlg_kind_none);
    EXPECT_EQ(projdlg_kind_of("c"), projdlg_kind_none);
    EXPECT_TRUE(projdlg_is_folder_mode("FOLDER"));
    EXPECT_FALSE(projdlg_is_folder_mode("folder"));
}

TEST_F(project_dialog_test, StatesEnableTheirButtons)
{
    const projdlg_enables idle = projdlg_state_enables();
    EXPECT_TRUE(idle.combo && idle.create && idle.open && idle.close && idle.slots);
    EXPECT_FALSE(idle.save || idle.del);

    projdlg_begin_create("p", 2);
    const projdlg_enables creating = projdlg_state_enables();
    EXPECT_TRUE(creating.save && creating.slots);
    EXPECT_FALSE(creating.combo || creating.create || creating.open || creating.del || creating.close);

    projdlg_cancel();
    ASSERT_EQ(projdlg_open("old"), 0);
    const projdlg_enables editing = projdlg_state_enables();
    EXPECT_TRUE(editing.save && editing.del && editing.slots);
    EXPECT_FALSE(editing.combo || editing.create || editing.open || editing.close);

    projdlg_cancel();
    ASSERT_EQ(projdlg_open("home"), 0);
    const projdlg_enables home = projdlg_state_enables();
    EXPECT_TRUE(home.save);
    EXPECT_FALSE(home.del || home.slots || home.close);
}

TEST_F(project_dialog_test, NewProjectIsAppendedAndReopensWithItsFoldersMovedUp)
{
    projdlg_begin_create("p", 2);
    put(projdlg_slots[0], " d:\\a ");
    put(projdlg_slots[2], "d:\\b");
    put(defs[0], "  DEF1 ");
    put(defs[3], "DEF4");
    ASSERT_EQ(save(true, projdlg_kind_java), 0);
    EXPECT_EQ(read_file("vokdir.dat"), "home\nold c:\\old;HOME\np d:\\a;d:\\b;HOME\n");
    EXPECT_EQ(read_file("ostacks.dat"), "home\tk1\nold\tk2\np\n");
    EXPECT_EQ(read_file("vstacks.dat"), "home\tHOMEDEF\nold\tOLDDEF\np\tDEF1\tDEF4\n");
    EXPECT_EQ(read_file("pstacks.dat"), "home\t\t\nold\tFOLDER\tC\t\t\t\t\t\t\np\tFOLDER\tJAVA\t\t\t\t\t\t\n");
    EXPECT_EQ(projdlg_state_enables().create, true);

    ASSERT_EQ(projdlg_open("p"), 0);
    EXPECT_STREQ(projdlg_slots[0], "d:\\a");
    EXPECT_STREQ(projdlg_slots[1], "d:\\b");
    EXPECT_STREQ(edit_defs[0], "DEF1");
    EXPECT_STREQ(edit_defs[1], "DEF4");
    EXPECT_STREQ(edit_props[0], "FOLDER");
    EXPECT_STREQ(edit_props[1], "JAVA");
}

TEST_F(project_dialog_test, RefusedSavesWriteNothing)
{
    struct row {
        const char *folder;
        const char *refusal;
    };
    const row rows[] = {
        {"   ", projdlg_no_folder_text},
        {"d:\\x(1)", projdlg_bad_folder_text},
        {"d:\\a,b", projdlg_bad_folder_text},
        {"d:\\a;b", projdlg_bad_folder_text},
    };
    for (const row &r : rows) {
        projdlg_reset();
        projdlg_begin_create("p", 2);
        put(projdlg_slots[7], r.folder);
        EXPECT_EQ(save(false, projdlg_kind_none), 1) << r.folder;
        EXPECT_EQ(last_refusal, r.refusal) << r.folder;
        EXPECT_EQ(projdlg_new_index, 2) << "the dialog stays creating";
    }
    EXPECT_EQ(read_file("vokdir.dat"), "home\nold c:\\old;HOME\n");
    EXPECT_EQ(read_file("vstacks.dat"), "home\tHOMEDEF\nold\tOLDDEF\n");
}

TEST_F(project_dialog_test, OpenedProjectsReplaceTheirLines)
{
    ASSERT_EQ(projdlg_open("old"), 0);
    EXPECT_STREQ(projdlg_slots[0], "c:\\old");
    EXPECT_STREQ(edit_defs[0], "OLDDEF");
    EXPECT_TRUE(projdlg_is_folder_mode(edit_props[0]));
    put(projdlg_slots[1], "c:\\new");
    put(defs[0], "NEWDEF");
    ASSERT_EQ(save(false, projdlg_kind_c), 0);
    EXPECT_EQ(read_file("vokdir.dat"), "home\nold c:\\old;c:\\new;HOME\n");
    EXPECT_EQ(read_file("vstacks.dat"), "home\tHOMEDEF\nold\tNEWDEF\n");
    EXPECT_EQ(read_file("pstacks.dat"), "home\t\t\nold\t\tC\t\t\t\t\t\t\n");
    EXPECT_EQ(read_file("ostacks.dat"), "home\tk1\nold\tk2\n");

    // home: no folders, only its definition lines and properties.
    ASSERT_EQ(projdlg_open("home"), 0);
    EXPECT_STREQ(edit_defs[0], "HOMEDEF");
    put(defs[0], "H2");
    ASSERT_EQ(save(true, projdlg_kind_proc), 0);
    EXPECT_EQ(read_file("vokdir.dat"), "home\nold c:\\old;c:\\new;HOME\n");
    EXPECT_EQ(read_file("vstacks.dat"), "home\tH2\nold\tNEWDEF\n");
    EXPECT_EQ(read_file("pstacks.dat"), "home\tFOLDER\tPROC\t\t\t\t\t\t\nold\t\tC\t\t\t\t\t\t\n");
}

TEST_F(project_dialog_test, OpenOfAProjectWithoutItsLineIsRefused)
{
    EXPECT_EQ(projdlg_open("gone"), 1);
    EXPECT_EQ(projdlg_editing, -1);
    EXPECT_EQ(projdlg_state_enables().open, true);
}

TEST_F(project_dialog_test, DeleteRemovesEveryLineOfTheProject)
{
    ASSERT_EQ(projdlg_open("old"), 0);
    ASSERT_EQ(projdlg_delete("old"), 0);
    EXPECT_EQ(read_file("vokdir.dat"), "home\n");
    EXPECT_EQ(read_file("ostacks.dat"), "home\tk1\n");
    EXPECT_EQ(read_file("vstacks.dat"), "home\tHOMEDEF\n");
    EXPECT_EQ(read_file("pstacks.dat"), "home\t\t\n");
    EXPECT_EQ(slots(), std::vector<std::string>(projdlg_slot_count, ""));
    EXPECT_TRUE(projdlg_state_enables().open);
}

TEST_F(project_dialog_test, CancelRestoresTheOpenedSlots)
{
    ASSERT_EQ(projdlg_open("old"), 0);
    projdlg_insert_slot(0);
    put(projdlg_slots[0], "x");
    EXPECT_EQ(projdlg_cancel(), -1);
    EXPECT_STREQ(projdlg_slots[0], "c:\\old");
    EXPECT_STREQ(projdlg_slots[1], "");
    projdlg_begin_create("q", 3);
    EXPECT_EQ(projdlg_cancel(), 3);
    EXPECT_TRUE(projdlg_state_enables().create);
    EXPECT_EQ(read_file("vokdir.dat"), "home\nold c:\\old;HOME\n");
}

// A project without its stacks lines shows the not-found text, never keeps
// it as an entry, and gets its lines appended when saved.
TEST_F(project_dialog_test, ProjectWithoutStacksLines)
{
    write_file("vokdir.dat", "home\nq d:\\q;HOME\n");
    ASSERT_EQ(projdlg_open("q"), 0);
    EXPECT_STREQ(edit_defs[0], "●ﾌﾟﾛｼﾞｪｸﾄ(q)が未発見");
    memcpy(defs, edit_defs, sizeof defs);
    ASSERT_EQ(save(false, projdlg_kind_none), 0);
    EXPECT_EQ(read_file("vstacks.dat"), "home\tHOMEDEF\nold\tOLDDEF\nq\n");
    EXPECT_EQ(read_file("pstacks.dat"), "home\t\t\nold\tFOLDER\tC\t\t\t\t\t\t\nq\t\t\t\t\t\t\t\t\n");

    write_file("ostacks.dat", "old\tk2");
    stack_load();
    ASSERT_EQ(key_stack_num, 1);
    EXPECT_TRUE(is_lookup_miss(key_stack[0]));
    stack_push("abc");
    ASSERT_EQ(stack_save(), 0);
    EXPECT_EQ(read_file("ostacks.dat"), "old\tk2\nhome\tabc\n");
}

TEST(StacksFiles, LookupMissTexts)
{
    EXPECT_TRUE(is_lookup_miss("●ﾌﾟﾛｼﾞｪｸﾄ(q)が未発見"));
    EXPECT_TRUE(is_lookup_miss("■ﾌｧｲﾙ(ostacks.dat)が未発見"));
    EXPECT_FALSE(is_lookup_miss("●ﾌﾟﾛｼﾞｪｸﾄ(q)"));
    EXPECT_FALSE(is_lookup_miss("key"));
}
