// The project list and switch (see project_switch.h) over the project
// folders of shell/dirs.h and the stacks of shell/stacks.h.
#include "shell/project_switch.h"

#include <cstdint>
#include <cstring>

#include "shell/dirs.h"
#include "shell/main_fields.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/runner.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/sysmenus.h"
#include "shell/text.h"
#include "shell/winmsg.h"

namespace {

void box(win_handle owner, const char *text, unsigned style) { msg_box(owner, text, msg_caption_text, style); }

// The category field after a switch: the language's pattern, or the
// start-up form ("begin.f", slot-prefixed when a slot of the project holds it).
void reset_category()
{
    set_lang_patterns();
    if (!startup_form_flag) return;
    char name[dir_path_size] = "begin.f";
    if (view_is("home") != 0) {
        char found[dir_path_size];
        if (locate_file(found, sizeof found, "begin.f") == 0) copy_bounded(name, sizeof name, found);
    }
    send_msg(main_controls[ctl_category], WM_SETTEXT, 0, reinterpret_cast<intptr_t>(name));
}

void enter_project(win_handle owner, const char *name, const char *folder)
{
    if (main_hooks.project_changed != nullptr) main_hooks.project_changed();
    char text[dir_path_size + 64];
    format_text(text, sizeof text, "ディレクトリ(%s)に移動しました", folder);
    box(owner, text, MB_ICONEXCLAMATION);
    set_view(name);
    stack_load();
    load_project_props();
    lang_mode = project_kind();
    if (main_hooks.clear_list != nullptr) main_hooks.clear_list();
    source_open = 0;
    host_repaint(hwndL);
    send_msg(hwndO, WM_SYSCOMMAND, form_sys_clear, 0);
    reset_category();
}

// Selects and enters the project in use again after a failed change.
void reenter_current()
{
    char folder[dir_path_size];
    copy_bounded(folder, sizeof folder, view_name());
    if (select_project(folder, nullptr) == 0) change_dir(folder);
}

}  // namespace

int refill_file_list()
{
    char category[1000];
    category[0] = '\0';
    send_msg(main_controls[ctl_category], WM_GETTEXT, sizeof category, reinterpret_cast<intptr_t>(category));
    if (strchr(category, '\\') != nullptr) {
        box(hwndE, "カテゴリ欄にドライブやディレクトリは指定出来ません\n", MB_ICONHAND);
        return 1;
    }
    char command[1100];
    format_text(command, sizeof command, "get_category %s", category);
    run_command(command, fill_file_list);
    char folder[dir_path_size];
    load_name_list(target_field_handle(), "vokdir.dat", folder, 0);
    host_activate(hwndE);
    return 0;
}

int switch_project(win_handle owner)
{
    stack_save();
    char name[dir_path_size];
    target_get_text(name, sizeof name);
    char folder[dir_path_size];
    copy_bounded(folder, sizeof folder, name);
    const char *file = "vokdir.dat";
    int rc = select_project(folder, &file);
    if (rc == home_no_name_list) {
        box(owner, "先ず左クリックして、作業用のディレクトリを選んで下さい", MB_ICONHAND);
        return 1;
    }
    if (rc == home_no_list_file) {
        char text[dir_path_size + 100];
        format_text(text, sizeof text, "ディレクトリ(%s)に%sファイルが無い\n", folder, file);
        box(owner, text, MB_ICONHAND);
        return 1;
    }
    if (rc == 0) rc = change_dir(folder);
    if (rc == 0) {
        enter_project(owner, name, folder);
        return 0;
    }
    char text[dir_path_size + 100];
    format_text(text, sizeof text, "ディレクトリ(%s)への変更に失敗しました rtc(%d)", folder, rc);
    host_beep();
    box(owner, text, MB_ICONHAND);
    reenter_current();
    return 2;
}
