// The rules of start-up and shutdown that need no window: the developer
// code, the per-screen values of the window table, the main caption with
// the project in use, and the backup offered on closing the main screen.
#include "shell/startup.h"

#include <cstdlib>
#include <cstring>

#include "shell/dirs.h"
#include "shell/list_setting.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/sysmenus.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "shell/wsize.h"

int running_flag;
int dev_flag;
int default_lang;
int lang_mode;
int flow_zoom = 13;
int list_font_size = 12;
int output_font_size = 16;
int form_mode;
int xwin_mode;
int startup_form_flag;
int hidden_flags[6];

const char product_caption[] = "Ornak.C言語作図ソフト";

namespace {

char view_name_buf[dir_path_size] = "home";

int value_number(const char *name)
{
    char value[32];
    get_wvalue(name, value);
    return atoi(value);
}

void take_language(bool view)
{
    default_lang = value_number("TAVIR");
    if (view && default_lang >= lang_c && default_lang <= lang_java) send_msg(hwndE, WM_SYSCOMMAND, main_sys_lang_c + default_lang, 0);
    else lang_mode = project_kind();
}

void take_startup_form(bool view)
{
    char value[32];
    get_wvalue("PROPERTY", value);
    const int flag = atoi(value);
    if (!view) startup_form_flag = flag;
    else if (flag != startup_form_flag) send_msg(hwndE, WM_SYSCOMMAND, main_sys_startup_form, 0);
    if (view && startup_form_flag) {
        send_msg(main_controls[ctl_category], WM_SETTEXT, 0, reinterpret_cast<intptr_t>("begin.f"));
    }
    parse_screen_flags(value);
}

// FORM's X-Window generation brought in line with the "FORM" value: at
// start-up set directly, on a view through FORM's own switch.
void take_form_mode(bool view)
{
    form_mode = value_number("FORM");
    int want = -1;  // -1 leave xwin_mode as it is
    if (form_mode == form_mode_xwindow) want = 1;
    if (form_mode == form_mode_x_off || form_mode == form_mode_plain) want = 0;
    if (form_mode == form_mode_x_off) form_mode = form_mode_plain;
    if (form_mode == form_mode_win16) {
        form_mode = form_mode_plain;
        want = 0;
        set_wvalue("FORM", "0");
    }
    if (!view) {
        if (want == 1) xwin_mode = 1;
        return;
    }
    if (want >= 0 && want != xwin_mode) send_msg(hwndO, WM_SYSCOMMAND, form_sys_xwindow, 0);
}

void put_number(const char *name, int n)
{
    char value[32];
    format_text(value, sizeof value, "%d", n);
    set_wvalue(name, value);
}

}  // namespace

int is_dev_code(const char *command_line) { return strcmp(command_line, "480315") == 0 ? 1 : 0; }

int take_screen_values() { return apply_screen_values(values_at_startup); }

int apply_screen_values(int when)
{
    const bool view = when == values_on_view;
    if (view) load_list_setting();
    take_language(view);
    output_font_size = value_number("RELATION");
    take_startup_form(view);
    const int zoom = value_number("FLOW");
    if (zoom >= 7 && zoom <= 16) flow_zoom = zoom;
    else if (view) flow_zoom = 13;
    if (view) host_repaint(hwndF);
    list_font_size = value_number("CODE");
    if (!view && (list_font_size < 10 || list_font_size > 18)) list_font_size = 12;
    if (view) send_msg(hwndL, WM_SYSCOMMAND, list_sys_font, 0);
    take_form_mode(view);
    if (view) send_msg(hwndC, WM_COMMAND, code_cmd_font, 0);
    return 0;
}

int store_screen_values()
{
    put_number("TAVIR", default_lang);
    put_number("FLOW", flow_zoom);
    put_number("CODE", list_font_size);
    put_number("RELATION", output_font_size);
    return 0;
}

int store_screen_flags()
{
    char value[32];
    format_text(value, sizeof value, "%d", startup_form_flag);
    format_screen_flags(value, sizeof value);
    set_wvalue("PROPERTY", value);
    return 0;
}

int main_caption(char *out, size_t size)
{
    if (strcmp(view_name_buf, "home") == 0) {
        return format_text(out, size, "[TAVIR]%s、ビュー%s", product_caption, wsize_label());
    }
    return format_text(out, size, "[TAVIR]%s、ビュー%s(%s)", product_caption, wsize_label(), view_name_buf);
}

int set_view(const char *name)
{
    if (name[0] != '\0') copy_bounded(view_name_buf, sizeof view_name_buf, name);
    char caption[1024];
    main_caption(caption, sizeof caption);
    if (hwndE != nullptr) send_msg(hwndE, WM_SETTEXT, 0, reinterpret_cast<intptr_t>(caption));
    return 0;
}

const char *view_name() { return view_name_buf; }

int view_is(const char *name) { return strcmp(view_name_buf, name); }

const char *const backup_sources[backup_pairs] = {"vokdir.dat", "ostacks.dat", "vstacks.dat", "pstacks.dat", "begin.f"};
const char *const backup_names[backup_pairs] = {"vokdirBK.dat", "ostackBK.dat", "vstackBK.dat", "pstackBK.dat",
                                                "beginBK.f"};

int backup_question(char *out, size_t size)
{
    return format_text(out, size,
                       "プロジェクトのバックアップを取りますが、よろしいですか？\r\n%s→%s\r\n%s→%s\r\n%s→%s\r\n%s→%s\r\n%s→%s\r\n",
                       backup_sources[0], backup_names[0], backup_sources[1], backup_names[1], backup_sources[2],
                       backup_names[2], backup_sources[3], backup_names[3], backup_sources[4], backup_names[4]);
}

int backup_allowed(int backup_lines, int current_lines) { return backup_lines <= current_lines ? 1 : 0; }

int backup_refusal(char *out, size_t size, int backup_lines, int current_lines, const char *names)
{
    return format_text(out, size,
                       "現バックアップファイルの方(%d)が現ファイル(%d)より大きいのでバックアップ出来ません\r\n"
                       "バックアップファイルを削除してから、バックアップして下さい\r\n%s",
                       backup_lines, current_lines, names);
}

int write_backups(char *failed, size_t size)
{
    failed[0] = '\0';
    for (int i = 0; i < backup_pairs; ++i) {
        if (copy_text_file(backup_names[i], backup_sources[i]) != 2) continue;  // a missing source is skipped
        char name[100];
        format_text(name, sizeof name, "%s%s", failed[0] != '\0' ? "\r\n" : "", backup_names[i]);
        const size_t used = strlen(failed);
        copy_bounded(failed + used, size - used, name);
    }
    return failed[0] != '\0' ? 1 : 0;
}

int remove_backups()
{
    for (const char *name : backup_names) home_remove(name);
    return 0;
}
