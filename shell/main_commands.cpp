// The main screen's window-free commands (see main_commands.h).  The
// project-file commands work on the five backup pairs of the start-up
// (backup_sources and backup_names); "work.dat" is their temporary.
#include "shell/main_commands.h"

#include <cstdint>
#include <cstring>

#include "shell/dirs.h"
#include "shell/main_fields.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/sysmenus.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "shell/words.h"

namespace {

const char work_file[] = "work.dat";
const int stacks_pairs = 4;  // vokdir.dat and the three stacks files; begin.f is the fifth pair

bool ends_with_either(const char *text, const char *a, const char *b)
{
    return ends_with(text, a) != 0 || ends_with(text, b) != 0;
}

bool home_exists(const char *name)
{
    FILE *fp = home_fopen(name, "r");
    if (fp == nullptr) return false;
    fclose(fp);
    return true;
}

void note_failure(char *failed, size_t size, const char *name)
{
    const size_t used = strlen(failed);
    char item[120];
    format_text(item, sizeof item, "%s%s", used > 0 ? "," : "", name);
    copy_bounded(failed + used, size - used, item);
}

// Backup over current; rebuilds the stacks files from the old per-folder
// files when the project list came back without all three stacks backups.
void run_restore(char *failed, size_t size)
{
    bool list_copied = false, stacks_missing = false;
    for (int i = 0; i < backup_pairs; ++i) {
        const int r = copy_text_file(backup_sources[i], backup_names[i]);
        if (r == 2) note_failure(failed, size, backup_sources[i]);
        if (i == 0) list_copied = r == 0;
        if (i >= 1 && i <= 3 && r == 1) stacks_missing = true;
    }
    if (list_copied && stacks_missing) stacks_migrate();
    else init_dir_files();
}

void run_exchange(char *failed, size_t size)
{
    for (int i = 0; i < backup_pairs; ++i) {
        if (!home_exists(backup_sources[i]) || !home_exists(backup_names[i])) continue;
        if (swap_files(backup_sources[i], backup_names[i], work_file) != 0) note_failure(failed, size, backup_sources[i]);
    }
    init_dir_files();
}

// Merges from into into for the four list files, then copies the fifth pair.
void run_add(bool back, char *failed, size_t size)
{
    for (int i = 0; i < stacks_pairs; ++i) {
        const char *into = back ? backup_names[i] : backup_sources[i];
        const char *from = back ? backup_sources[i] : backup_names[i];
        if (stacks_compare(into, from, into, work_file) == 3) note_failure(failed, size, into);
    }
    const char *to = back ? backup_names[4] : backup_sources[4];
    if (copy_text_file(to, back ? backup_sources[4] : backup_names[4]) == 2) note_failure(failed, size, to);
    init_dir_files();
}

}  // namespace

int classify_entry(const char *text)
{
    if (text[0] == '\0') return entry_empty;
    if (text[0] >= 'A' && text[0] <= 'Z' && text[1] == ':') return entry_full_path;
    if (strchr(text, '\\') != nullptr) return entry_folder;
    if (is_source_ext(text)) return entry_source;
    if (ends_with_either(text, ".f", ".F")) return entry_form;
    if (ends_with_either(text, ".vok", ".VOK")) return entry_calc;
    return entry_other;
}

const char *entry_refusal(int kind)
{
    switch (kind) {
    case entry_empty: return "カテゴリ欄が空欄です、何か指定して下さい\n";
    case entry_full_path: return "カテゴリ欄中のフルパスのファイルは開くことが出来ません\n";
    case entry_folder: return "カテゴリ欄にドライブやディレクトリは指定出来ません\n";
    default: return nullptr;
    }
}

int editor_command(char *out, size_t size, const char *folder, const char *name, int line)
{
    char line_option[param_size];
    fill_line_option(line_option, sizeof line_option, option, line);
    return format_text(out, size, "\"%s\" %s \"%s\\%s\"", editor, line_option, folder, name);
}

int project_files_question(int command, char *out, size_t size)
{
    const char *s[backup_pairs], *b[backup_pairs];
    for (int i = 0; i < backup_pairs; ++i) {
        s[i] = backup_sources[i];
        b[i] = backup_names[i];
    }
    switch (command) {
    case project_restore:
        format_text(out, size,
                    "プロジェクトを復旧しますが、よろしいですか？\r\n%s→%s\r\n%s→%s\r\n%s→%s\r\n%s→%s\r\n%s→%s\r\n",
                    b[0], s[0], b[1], s[1], b[2], s[2], b[3], s[3], b[4], s[4]);
        return 0;
    case project_exchange:
        format_text(out, size,
                    "プロジェクトを交換しますが、よろしいですか？\r\n%s←→%s\r\n%s←→%s\r\n%s←→%s\r\n%s←→%s\r\n%s←→%s\r\n",
                    s[0], b[0], s[1], b[1], s[2], b[2], s[3], b[3], s[4], b[4]);
        return 0;
    case project_add:
        format_text(out, size,
                    "プロジェクトを加算しますが、よろしいですか？\r\n%s＋%s→%s\r\n%s＋%s→%s\r\n%s＋%s→%s\r\n%s＋%s→%s\r\n%s→%s\r\n",
                    s[0], b[0], s[0], s[1], b[1], s[1], s[2], b[2], s[2], s[3], b[3], s[3], b[4], s[4]);
        return 0;
    case project_add_back:
        format_text(out, size,
                    "プロジェクトを逆加算しますが、よろしいですか？\r\n%s＋%s→%s\r\n%s＋%s→%s\r\n%s＋%s→%s\r\n%s＋%s→%s\r\n%s→%s\r\n",
                    b[0], s[0], b[0], b[1], s[1], b[1], b[2], s[2], b[2], b[3], s[3], b[3], s[4], b[4]);
        return 0;
    default: return 1;
    }
}

int project_files_run(int command, char *failed, size_t size)
{
    failed[0] = '\0';
    if (command != project_restore && command != project_exchange && command != project_add &&
        command != project_add_back) {
        return -1;
    }
    stack_save();
    switch (command) {
    case project_restore: run_restore(failed, size); break;
    case project_exchange: run_exchange(failed, size); break;
    default: run_add(command == project_add_back, failed, size); break;
    }
    return failed[0] != '\0' ? 1 : 0;
}

int project_files_reload()
{
    stack_load();
    load_project_props();
    lang_mode = project_kind();
    if (main_hooks.clear_list != nullptr) main_hooks.clear_list();
    source_open = 0;
    host_repaint(hwndL);
    send_msg(hwndO, WM_SYSCOMMAND, form_sys_clear, 0);
    set_lang_patterns();
    target_clear();
    return 0;
}
