// The main screen's key and mouse decisions (see main_keys.h).  The
// analyser's define and nesting listings come through main_hooks.
#include "shell/main_keys.h"

#include <cstdint>
#include <cstring>

#include "shell/codeout.h"
#include "shell/dirs.h"
#include "shell/launcher.h"
#include "shell/main_commands.h"
#include "shell/main_fields.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "shell/words.h"

namespace {

const int field_size = 1000;          // a field read: at most 999 bytes
char code_name[dir_path_size + 2];

const char *const extract_captions[fkey_button_count] = {
    "複数ｶﾚﾝﾄ矩形の抽出番号の登録", "複数ｶﾚﾝﾄ矩形の抽出番号の表示", "複数ｶﾚﾝﾄ矩形の抽出実行／復旧",
    "複数ｶﾚﾝﾄ矩形の抽出番号の解除"};

int refuse(const char *text)
{
    msg_box(hwndE, text, msg_caption_text, MB_ICONHAND);
    return 1;
}

int refuse_named(const char *format, const char *name)
{
    char text[1200];
    format_text(text, sizeof text, format, name);
    return refuse(text);
}

void read_text(win_handle field, char *buf, size_t size)
{
    buf[0] = '\0';
    send_msg(field, WM_GETTEXT, size, reinterpret_cast<intptr_t>(buf));
}

void read_category(char *buf, size_t size)
{
    read_text(main_controls[ctl_category], buf, size);
    trim_blanks(buf);
}

// The CODE output emptied with its caption, unless it is to be kept.
void fresh_code_output()
{
    if (keep_code_text) return;
    set_code_caption("");
    send_msg(code_out_hwnd, WM_SETTEXT, 0, reinterpret_cast<intptr_t>(""));
}

int nesting_kind(int key)
{
    if (key == '3') return 's';
    if (key == '4') return 'd';
    const int answer = msg_box(hwndE, "ディレクティブの階層を表示しますか？\r\nでなければ、大括弧の階層を表示します",
                               msg_caption_text, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDYES) return '#';
    return answer == IDNO ? 'k' : 0;
}

int delete_category_file(const char *name)
{
    char found[dir_path_size];
    if (locate_file(found, sizeof found, name) != 0) return refuse_named("削除するファイル(%s)が存在しません！", name);
    // The name as found: its slot, so that a file of the same name in another slot stays.
    if (remove_dir_name(found) != 0) return refuse_named("削除するファイル(%s)が存在しません！", name);
    return 0;
}

int create_category_file(const char *name)
{
    char found[dir_path_size];
    if (locate_file(found, sizeof found, name) == 0) return refuse_named("同一名のファイル(%s)が既に存在します！", name);
    FILE *fp = dir_fopen(name, "w");
    if (fp == nullptr || !close_written(fp)) return refuse_named("ファイル(%s)の作成に失敗しました！", name);
    return 0;
}

}  // namespace

int set_code_caption(const char *name)
{
    char caption[dir_path_size + 64];
    if (name[0] != '\0') {
        format_text(code_name, sizeof code_name, "%s\r\n", name);
        format_text(caption, sizeof caption, "[ｺｰﾄﾞ]Ornak.C言語作図ソフト(%s)", name);
    } else {
        code_name[0] = '\0';
        copy_bounded(caption, sizeof caption, "[ｺｰﾄﾞ]Ornak.C言語作図ソフト");
    }
    send_msg(hwndC, WM_SETTEXT, 0, reinterpret_cast<intptr_t>(caption));
    return 0;
}

const char *code_caption_name() { return code_name; }

int memo_from_code(bool append)
{
    char text[memo_size + 1];  // one byte more than the memo holds: a cut is seen
    read_text(code_out_hwnd, text, sizeof text);
    copy_bounded(memo_restore, sizeof memo_restore, memo_buf);
    const size_t used = append ? strlen(memo_buf) : 0;
    copy_bounded(memo_buf + used, sizeof memo_buf - used, text);
    host_repaint(hwndE);
    return 0;
}

int memo_clear()
{
    copy_bounded(memo_restore, sizeof memo_restore, memo_buf);
    memo_buf[0] = '\0';
    host_repaint(hwndE);
    return 0;
}

int category_file_key()
{
    char name[field_size];
    read_category(name, sizeof name);
    if (name[0] == '\0') return refuse("カテゴリ欄に作成／削除するファイル名が指定されていません！");
    if (check_category_field(hwndE, name) != 0) return 1;
    char question[1200];
    format_text(question, sizeof question, "カテゴリ欄のファイル(%s)を作成しますか？(いいえ(N)：削除)", name);
    const int answer = msg_box(hwndE, question, msg_caption_text, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDNO) return delete_category_file(name);
    if (answer == IDYES) return create_category_file(name);
    return 2;
}

int define_key()
{
    char target[field_size];
    target_get_text(target, sizeof target);
    trim_blanks(target);
    if (target[0] == '\0') return refuse("対象欄にdefine定義名が指定されていません！");
    const char missing[] = "対象欄のdefine情報ファイル(%s)が見つかりません！\r\n"
                           "事前に、主画面の[開く]ボタンを左クリックしてソースを開いて下さい";
    if (shift_down) {
        const int r = main_hooks.list_defines != nullptr ? main_hooks.list_defines(target) : -1;
        return r == -1 ? refuse_named(missing, "define.txt") : 0;
    }
    const int r = main_hooks.show_define != nullptr ? main_hooks.show_define(target) : 1;
    if (r == 1) return refuse_named(missing, "define.txt");
    if (r == 2) {
        return refuse_named("対象欄のdefine定義名(%s)が見つかりません！\r\ndefine定義名ではないかも知れません", target);
    }
    send_msg(hwndE, WM_COMMAND, ctl_code, 0);
    return 0;
}

int nesting_key(int key)
{
    const char no_source[] = "カテゴリ欄にソースファイル名が設定されていません";
    char source[field_size];
    read_category(source, sizeof source);
    if (source[0] == '\0') return refuse(no_source);
    if (check_category_field(hwndE, source) != 0) return 1;
    if (!is_source_ext(source)) return refuse(no_source);
    char found[dir_path_size];
    if (locate_file(found, sizeof found, source) != 0) {
        host_beep();
        return refuse_named("ファイル(%s)が見つかりません！", source);
    }
    const int kind = nesting_kind(key);
    if (kind == 0) return 2;
    fresh_code_output();
    set_wait_cursor();
    const int layout = editor[0] == '\0' ? 'C' : 'E';
    const int written = main_hooks.write_nesting != nullptr ? main_hooks.write_nesting(source, layout, kind) : 0;
    restore_cursor();
    if (main_hooks.flow_reset != nullptr) main_hooks.flow_reset();
    if (written == 0) return listing_failed("layer.txt");
    return show_home_listing("layer.txt");
}

int show_home_listing(const char *name)
{
    char folder[dir_path_size];
    get_home_dir(folder, sizeof folder);
    char path[dir_path_size + 64];
    join_path(path, sizeof path, folder, name);
    if (editor[0] == '\0') {
        set_code_caption(path);
        read_file_to_edit(code_out_hwnd, path);
        host_activate(hwndC);
        return 0;
    }
    char command[launch_size];
    editor_command(command, sizeof command, folder, name, 1);
    exec_wait(command, 0);
    return 0;
}

int listing_failed(const char *name)
{
    char path[dir_path_size + 64];
    copy_bounded(path, sizeof path, name);
    home_path(path, sizeof path);
    return refuse_named("ファイル(%s)の作成に失敗しました！", path);
}

int multi_extract_key(const char *form_in_use)
{
    if (multi_extract_mode) {
        for (int n = 0; n < fkey_button_count; ++n) host_show_window(fkey_buttons[n], 0);
        multi_extract_mode = 0;
        host_repaint(hwndE);
        return 0;
    }
    if (work_mode) return 2;
    const char *bare = strncmp(form_in_use, "0:", 2) == 0 ? form_in_use + 2 : form_in_use;
    if (strcmp(to_lower(bare), "ftree.f") != 0) return refuse("関数ツリーでないので複数抽出できません");
    if (main_hooks.multi_cur_reset != nullptr) main_hooks.multi_cur_reset();
    bar_group = 0;
    bar_screen = nullptr;
    for (int n = 0; n < fkey_button_count; ++n) {
        send_msg(fkey_buttons[n], WM_SETTEXT, 0, reinterpret_cast<intptr_t>(extract_captions[n]));
        host_show_window(fkey_buttons[n], 1);
    }
    multi_extract_mode = 1;
    host_repaint(hwndE);
    return 0;
}
