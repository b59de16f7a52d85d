// The main screen's commands over the function list (see main_searches.h).
#include "shell/win/main_searches.h"

#include "analyser/anal_inputs.h"
#include "analyser/calls.h"
#include "analyser/flow_nodes.h"
#include "analyser/search_keys.h"
#include "analyser/steps.h"
#include "shell/codeout.h"
#include "shell/dirs.h"
#include "shell/line_cut.h"
#include "shell/main_fields.h"
#include "shell/main_keys.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/runner.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/text.h"
#include "trees/func_list.h"
#include "trees/list_filter.h"
#include "trees/launch.h"

namespace {

HWND hw(win_handle h) { return static_cast<HWND>(h); }

const char multi_key_text[] = "YYYYY";  // the key that stands for the registered multi keys

void refuse(HWND hwnd, const char *text) { msg_box(hwnd, text, msg_caption_text, MB_ICONHAND); }

// A new list: LIST redrawn, FLOW's selection, the CODE marks and the node
// count cleared, FLOW redrawn, LIST focused.
void show_new_list()
{
    InvalidateRect(hw(hwndL), nullptr, TRUE);
    flow_reset();
    InvalidateRect(hw(hwndF), nullptr, TRUE);
    SetFocus(hw(hwndL));
}

// The analyser's reference key is one word: blanks become "@".
void blanks_to_at(char *text)
{
    for (char *p = text; *p != '\0'; ++p) {
        if (*p == ' ' || *p == '\t') *p = '@';
    }
}

// The select command run again over no file: the whole function list back.
void reload_list()
{
    char command[] = "select ";
    run_command(command, select_main);
}

// 54, 65, 70: the definitions of the key, names holding it, names holding all its words.
int function_search(unsigned id, char *text)
{
    reset_select();
    state = 1;
    reload_list();
    if (id == 54) trim_dashes(text);
    if (id == 70) split_words(text);
    char key[1100];
    format_text(key, sizeof key, "/%s", text);
    run_anal_at(key, id == 54 ? filter_exact : id == 65 ? filter_substring : filter_patterns);
    return 0;
}

// 55, 64, 71: the functions referring to the key, holding the text, holding all the words.
int reference_search(unsigned id, char *text, size_t size)
{
    g_entry = -2;
    state = 2;
    if (id == 71) split_words(text);
    blanks_to_at(text);
    ref_down = id == 55 ? 0 : id == 64 ? 1 : 2;
    int pos = 0;
    return run_anal_ref(text, size, &pos) != 0 ? 1 : 0;
}

}  // namespace

int run_search(HWND hwnd, unsigned id)
{
    char text[1000];
    target_get_text(text, sizeof text);
    trim_blanks(text);
    const bool multi = id == 55 && multi_key_num > 0;
    if (multi) {
        msg_box(hwnd, "多重論理検索の登録がありますので多重論理検索を実行します", msg_caption_text, MB_ICONEXCLAMATION);
        copy_bounded(text, sizeof text, multi_key_text);
    } else if (text[0] == '\0') {
        refuse(hwnd, "対象欄に関数または変数が指定されていません\n");
        return 1;
    }
    set_wait_cursor();
    if (!multi) stack_push(text);
    SendMessageA(hw(target_field.edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    const bool functions = id == 54 || id == 65 || id == 70;
    const int rc = functions ? function_search(id, text) : reference_search(id, text, sizeof text);
    if (rc == 0) show_new_list();
    restore_cursor();
    return rc;
}

int run_multi_ref()
{
    set_wait_cursor();
    g_entry = -2;
    state = 2;
    char key[] = "?";
    ref_down = 0;
    int pos = 0;
    const int rc = run_anal_ref(key, sizeof key, &pos);
    restore_cursor();
    if (rc != 0) return 1;
    show_new_list();
    return 0;
}

int step_count(HWND hwnd)
{
    char category[1000];
    category[0] = '\0';
    GetWindowTextA(hw(main_controls[ctl_category]), category, sizeof category);
    trim_blanks(category);
    if (category[0] == '\0' || !is_source_ext(category)) {
        refuse(hwnd, "カテゴリ欄にソースファイル名が設定されていません、\r\nワイルドカードの使用が可能です");
        return 1;
    }
    if (!keep_code_text) {
        set_code_caption("");
        SendMessageA(hw(code_out_hwnd), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        SendMessageA(hw(code_out_hwnd), EM_SETMODIFY, FALSE, 0);
    }
    step_mode = 1;
    SendMessageA(hwnd, WM_COMMAND, 11, 0);
    step_mode = 0;
    count_list_kinds();
    if (write_step_report("stepcnt.txt", editor[0] == '\0' ? 1 : 0) == 1) return listing_failed("stepcnt.txt");
    return show_home_listing("stepcnt.txt");
}
