// The work folder's copies and questions.  Paths are built the Windows way
// ("%s\%s") and handed to the host's copy and to sys_fopen.
#include "trees/work_folder.h"

#include <cstdio>

#include "shell/dirs.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "trees/func_list.h"

namespace {

const char caption[] = "TAVIR警告画面";
const int path_size = 1024;

struct copy_paths {
    char slot[path_size];  // the file in its slot folder
    char work[path_size];  // the file in the work folder
};

// The two paths of a file text: false without a slot prefix or when one
// does not fit.
bool paths_of(const char *file_text, copy_paths *p)
{
    if (!has_dir_prefix(file_text)) return false;
    char slot_folder[dir_path_size];
    if (!get_proj_dir(slot_folder, dir_index(file_text[0]))) return false;
    return join_path(p->slot, sizeof p->slot, slot_folder, file_text + 2) == 0 &&
           join_path(p->work, sizeof p->work, folder, file_text + 2) == 0;
}

bool readable(const char *path)
{
    FILE *fp = sys_fopen(path, "r");
    if (fp == nullptr) return false;
    fclose(fp);
    return true;
}

bool ask(win_handle owner, const char *format, const char *from, const char *to)
{
    char text[path_size * 2 + 200];
    format_text(text, sizeof text, format, from, to);
    return msg_box(owner, text, caption, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

// The selected entry's file text when it is a file header: 0, or
// work_no_selection or work_not_header.
int selected_header(const char **file_text)
{
    int sub_line = 0;
    const int e = sel_entry(&sub_line);
    if (e < 0) return work_no_selection;
    if (!is_header(e)) return work_not_header;
    *file_text = fl_file[e];
    return 0;
}

const char overwrite_text[] = "ファイルを上書きしますが、よろしいですか？\r\n%s→\r\n%s";
const char retry_text[] = "ファイルの書き込みに失敗しました、リトライしますか？\r\n%s→\r\n%s";

}  // namespace

int work_folder_check(win_handle owner)
{
    if (folder[0] != '\0') return 0;
    msg_box(owner, "ワークフォルダが指定されていません、パラメータの設定画面で指定して下さい", caption,
            MB_OK | MB_ICONHAND);
    return work_no_folder;
}

int work_copy_in(win_handle owner, const char *file_text)
{
    if (work_folder_check(owner) != 0) return work_no_folder;
    copy_paths p;
    if (!paths_of(file_text, &p)) return work_no_prefix;
    if (host_copy_file(p.slot, p.work, 1) == 0) return 0;
    const char *question = readable(p.work) ? overwrite_text : retry_text;
    for (bool first = true;; first = false) {
        if (!ask(owner, question, p.slot, p.work)) return first ? work_cancelled : work_copy_failed;
        if (host_copy_file(p.slot, p.work, 0) == 0) return 0;
        question = retry_text;
    }
}

int work_copy_back(win_handle owner, const char *file_text, bool given)
{
    if (work_folder_check(owner) != 0) return work_no_folder;
    copy_paths p;
    if (!paths_of(file_text, &p)) return work_no_prefix;
    const char *question = given ? "ファイルをコピーしますが、よろしいですか？\r\n%s→\r\n%s" : overwrite_text;
    if (!ask(owner, question, p.work, p.slot)) return work_cancelled;
    return host_copy_file(p.work, p.slot, 0) == 0 ? 0 : work_copy_failed;
}

bool work_holds(const char *file_text)
{
    copy_paths p;
    return folder[0] != '\0' && paths_of(file_text, &p) && readable(p.work);
}

int clear_work_folder(win_handle owner)
{
    if (work_folder_check(owner) != 0) return work_no_folder;
    char text[path_size];
    format_text(text, sizeof text, "ワークフォルダ中のファイルを全て削除しますが、よろしいですか？\r\n%s", folder);
    if (msg_box(owner, text, caption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return work_cancelled;
    remove_all_files(folder);
    return 0;
}

int list_work_files(win_handle owner, char *out, size_t size, int slot)
{
    out[0] = '\0';
    if (work_folder_check(owner) != 0) return work_no_folder;
    if (state == state_references) {
        msg_box(owner, "検索状態では使えません", caption, MB_OK | MB_ICONHAND);
        return work_no_selection;
    }
    cur_index = -1;
    i_num = 0;
    for (int e = 0; e < fl_count; ++e) {
        if (is_header(e) && work_holds(fl_file[e])) fl_order[i_num++] = e;
    }
    shift = 0;
    first_work_file(out, size, slot);
    return 0;
}

int copy_to_work(win_handle owner)
{
    if (work_folder_check(owner) != 0) return work_no_folder;
    const char *file_text = nullptr;
    const int rc = selected_header(&file_text);
    return rc != 0 ? rc : work_copy_in(owner, file_text);
}

int copy_back_from_work(win_handle owner, const char *name)
{
    if (work_folder_check(owner) != 0) return work_no_folder;
    if (name[0] != '\0') return work_copy_back(owner, name, true);
    const char *file_text = nullptr;
    const int rc = selected_header(&file_text);
    return rc != 0 ? rc : work_copy_back(owner, file_text, false);
}
