// The project dialog's rules (see project_dialog.h).  The slots are the
// dialog's own copy of a project's folders; only Save writes them, as the
// project's line of "vokdir.dat", with empty slots left out.
#include "shell/project_dialog.h"

#include <cstring>

#include "shell/stacks.h"
#include "shell/text.h"

char projdlg_slots[projdlg_slot_count][projdlg_slot_size];
char projdlg_kept[projdlg_slot_count][projdlg_slot_size];
int projdlg_page;
int projdlg_new_index;
int projdlg_editing;
char projdlg_name[dir_path_size];
char projdlg_last_folder[projdlg_folder_size];

const char projdlg_no_name_text[] = "作成するプロジェクト名が指定されていません";
const char projdlg_blank_name_text[] = "作成するプロジェクト名に空白は許されません";
const char projdlg_not_found_text[] = "指定されたプロジェクト名が見つかりません";
const char projdlg_cannot_open_text[] = "指定されたプロジェクト名は開けません";
const char projdlg_delete_missing_text[] = "削除すべきプロジェクト名が見つかりません";
const char projdlg_no_folder_text[] = "プロジェクトにディレクトリの指定が見つかりません";
const char projdlg_bad_folder_text[] = "プロジェクトのディレクトリに,や;や(は許されません";

namespace {

// The property texts of the kinds, in projdlg_kind order ("" for none).
const char *const kind_texts[4] = {"C", "PROC", "JAVA", ""};

bool is_home(const char *name) { return strcmp(name, "home") == 0; }

void clear_slots(char slots[][projdlg_slot_size])
{
    for (int i = 0; i < projdlg_slot_count; ++i) slots[i][0] = '\0';
}

void clear_edit_copies()
{
    for (int i = 0; i < projdlg_def_count; ++i) {
        edit_defs[i][0] = '\0';
        edit_props[i][0] = '\0';
    }
}

// Back to idle: no project created or opened.
void end_state()
{
    projdlg_new_index = -1;
    projdlg_editing = -1;
}

// The vokdir.dat line and the stacks lines of the project, by the state.
void write_project(const char *line)
{
    char name[dir_path_size];
    copy_bounded(name, sizeof name, projdlg_name);
    if (is_home(name)) {
        stacks_save('v', name, 'o');
        stacks_save('p', name, 'o');
    } else if (projdlg_new_index >= 0) {
        edit_project_file(name, sizeof name, line, 'n');
        stacks_save('v', projdlg_name, 'n');
        stacks_save('o', projdlg_name, 'n');
        stacks_save('p', projdlg_name, 'n');
    } else {
        edit_project_file(name, sizeof name, line, 'o');
        stacks_save('v', projdlg_name, 'o');
        stacks_save('p', projdlg_name, 'o');
    }
}

}  // namespace

void projdlg_reset()
{
    clear_slots(projdlg_slots);
    clear_slots(projdlg_kept);
    projdlg_page = 0;
    end_state();
    projdlg_name[0] = '\0';
    copy_bounded(projdlg_last_folder, sizeof projdlg_last_folder, "c:\\");
}

projdlg_kind projdlg_kind_of(const char *prop)
{
    for (int k = projdlg_kind_c; k < projdlg_kind_none; ++k) {
        if (strcmp(prop, kind_texts[k]) == 0) return static_cast<projdlg_kind>(k);
    }
    return projdlg_kind_none;
}

bool projdlg_is_folder_mode(const char *prop) { return strcmp(prop, "FOLDER") == 0; }

int projdlg_check_create(const char *name, int found, char *text, size_t size)
{
    if (name[0] == '\0') {
        copy_bounded(text, size, projdlg_no_name_text);
    } else if (strpbrk(name, " \t") != nullptr) {
        copy_bounded(text, size, projdlg_blank_name_text);
    } else if (found >= 0) {
        format_text(text, size, "プロジェクト名が重複しています(%d)", found);
    } else {
        return 0;
    }
    return 1;
}

void projdlg_begin_create(const char *name, int index)
{
    copy_bounded(projdlg_name, sizeof projdlg_name, name);
    projdlg_new_index = index;
    clear_edit_copies();
}

int projdlg_open(const char *name)
{
    clear_slots(projdlg_slots);
    clear_edit_copies();
    if (list_project_dirs(name, projdlg_slots, edit_defs) < 0 && !is_home(name)) return 1;
    copy_bounded(projdlg_name, sizeof projdlg_name, name);
    vstack_load(name);
    pstack_load(name);
    projdlg_editing = 1;
    projdlg_page = 0;
    memcpy(projdlg_kept, projdlg_slots, sizeof projdlg_kept);
    return 0;
}

const char *projdlg_save_refusal(const char *name)
{
    bool any = false;
    for (const char *slot : projdlg_slots) any = any || slot[0] != '\0';
    if (!any && !is_home(name)) return projdlg_no_folder_text;
    for (const char *slot : projdlg_slots) {
        if (strpbrk(slot, ",;(") != nullptr) return projdlg_bad_folder_text;
    }
    return nullptr;
}

int projdlg_build_line(char *out, size_t size, const char *name)
{
    char line[dir_line_size];
    copy_bounded(line, sizeof line, name);
    size_t used = strlen(line);
    const char *separator = " ";
    bool cut = false;
    for (const char *slot : projdlg_slots) {
        if (slot[0] == '\0') continue;
        cut = format_text(line + used, sizeof line - used, "%s%s", separator, slot) != 0 || cut;
        used = strlen(line);
        separator = ";";
    }
    cut = format_text(line + used, sizeof line - used, ";HOME\n") != 0 || cut;
    if (cut || strlen(line) >= size) return 1;
    copy_bounded(out, size, line);
    return 0;
}

int projdlg_save(bool folder_mode, projdlg_kind kind, const char defs[][1000], const char **refusal)
{
    copy_bounded(edit_props[0], sizeof edit_props[0], folder_mode ? "FOLDER" : "");
    copy_bounded(edit_props[1], sizeof edit_props[1], kind_texts[kind]);
    for (int i = 0; i < projdlg_def_count; ++i) {
        copy_bounded(edit_defs[i], sizeof edit_defs[i], defs[i]);
        trim_blanks(edit_defs[i]);
    }
    for (char *slot : projdlg_slots) trim_blanks(slot);
    *refusal = projdlg_save_refusal(projdlg_name);
    char line[dir_line_size];
    if (*refusal == nullptr && projdlg_build_line(line, sizeof line, projdlg_name) != 0) {
        *refusal = projdlg_bad_folder_text;
    }
    if (*refusal != nullptr) return 1;
    write_project(line);
    end_state();
    stack_purge();
    common_keys_refresh();
    return 0;
}

int projdlg_delete(const char *name)
{
    char copy[dir_path_size];
    copy_bounded(copy, sizeof copy, name);
    edit_project_file(copy, sizeof copy, "", 'd');
    stacks_save('v', name, 'd');
    stacks_save('o', name, 'd');
    stacks_save('p', name, 'd');
    clear_slots(projdlg_slots);
    clear_edit_copies();
    end_state();
    return 0;
}

int projdlg_cancel()
{
    const int created = projdlg_new_index;
    memcpy(projdlg_slots, projdlg_kept, sizeof projdlg_slots);
    end_state();
    return created;
}

int projdlg_delete_slot(int n)
{
    if (n < 0 || n >= projdlg_slot_count) return 1;
    for (int i = n; i + 1 < projdlg_slot_count; ++i) memcpy(projdlg_slots[i], projdlg_slots[i + 1], projdlg_slot_size);
    projdlg_slots[projdlg_slot_count - 1][0] = '\0';
    return 0;
}

int projdlg_insert_slot(int n)
{
    if (n < 0 || n >= projdlg_slot_count) return 1;
    for (int i = projdlg_slot_count - 1; i > n; --i) memcpy(projdlg_slots[i], projdlg_slots[i - 1], projdlg_slot_size);
    projdlg_slots[n][0] = '\0';
    return 0;
}

void projdlg_page_first() { projdlg_page = 0; }

void projdlg_page_next()
{
    if (projdlg_page + projdlg_page_rows < projdlg_slot_count + 1) projdlg_page += projdlg_page_rows;
}

void projdlg_page_prev()
{
    if (projdlg_page - projdlg_page_rows >= 0) projdlg_page -= projdlg_page_rows;
}

void projdlg_page_label(char *out, size_t size)
{
    const int first = projdlg_page;
    const int last = first + projdlg_page_rows - 1 < projdlg_slot_count ? first + projdlg_page_rows - 1
                                                                      : projdlg_slot_count - 1;
    format_text(out, size, "フォルダ(%c～%c)", dir_char(first), dir_char(last));
}

int projdlg_row_slot(int row)
{
    const int slot = projdlg_page + row;
    return row >= 0 && row < projdlg_page_rows && slot < projdlg_slot_count ? slot : -1;
}

projdlg_enables projdlg_state_enables()
{
    if (projdlg_new_index >= 0) return {false, false, false, true, false, false, true};
    if (projdlg_editing == 1) {
        const bool home = is_home(projdlg_name);
        return {false, false, false, true, !home, false, !home};
    }
    return {true, true, true, false, false, true, true};
}
