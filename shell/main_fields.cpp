// The main screen's fields (see main_fields.h).  The target field is served
// through send_msg on its pseudo handle as a combo box; the category edit and
// the pattern list are main_controls entries.
#include "shell/main_fields.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "shell/line_cut.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/winmsg.h"

namespace {

const char field_caption[] = "TAVIR警告画面";

const char *const source_exts[] = {".c", ".C", ".c*", ".C*", ".cpp", ".CPP", ".pc", ".PC", ".java", ".JAVA", ".h", ".H"};

// The patterns of each language; the first of C's depends on the folder mode.
const char *const c_patterns[] = {"*.c* *.h", "*.c*", "*.h"};
const char *const proc_patterns[] = {"*.pc *.c* *.h", "*.pc", "*.c*", "*.h"};
const char *const java_patterns[] = {"*.java", "*.jsp", "*.properties", "*.tld", "*.xml",
                                     "*.conf", "*.php", "*.html", "*.sql"};
const char c_folder_pattern[] = "*.c*,*.h";

const int target_try_max = 1000;  // "name/2" up to "name/1000"

bool is_drive_start(const char *text) { return text[0] >= 'A' && text[0] <= 'Z' && text[1] == ':'; }

int check_field(win_handle owner, const char *text, const char *field)
{
    const bool wild = strpbrk(text, "*,") != nullptr;
    const char *refusal = nullptr;
    if (wild) refusal = "ワイルドカードは使えません";
    else if (!is_drive_start(text) && has_blank(text)) refusal = "フルパスのファイル名以外、途中に空白は使えません";
    if (refusal == nullptr) return 0;
    char box[300];
    format_text(box, sizeof box, "%s\r\n%sに一個のファイル名を設定して下さい", refusal, field);
    msg_box(owner, box, field_caption, MB_ICONHAND);
    return 1;
}

// The patterns of a language and their number; the first of C's is given apart.
int language_patterns(int lang, const char *const **patterns)
{
    switch (lang) {
    case lang_c: *patterns = c_patterns; return 3;
    case lang_proc: *patterns = proc_patterns; return 4;
    case lang_java: *patterns = java_patterns; return 9;
    default: *patterns = nullptr; return 0;
    }
}

const char *first_pattern(int lang, const char *const *patterns)
{
    return lang == lang_c && is_folder_mode() ? c_folder_pattern : patterns[0];
}

void list_append(win_handle list, const char *text)
{
    send_msg(list, LB_INSERTSTRING, static_cast<uintptr_t>(-1), reinterpret_cast<intptr_t>(text));
}

void read_field(win_handle field, char *buf, size_t size)
{
    buf[0] = '\0';
    send_msg(field, WM_GETTEXT, size, reinterpret_cast<intptr_t>(buf));
}

void write_field(win_handle field, const char *text)
{
    send_msg(field, WM_SETTEXT, 0, reinterpret_cast<intptr_t>(text));
}

bool in_target_list(const char *name)
{
    return send_msg(target_field_handle(), CB_FINDSTRINGEXACT, static_cast<uintptr_t>(-1),
                    reinterpret_cast<intptr_t>(name)) >= 0;
}

void target_append(const char *name)
{
    send_msg(target_field_handle(), CB_INSERTSTRING, static_cast<uintptr_t>(-1), reinterpret_cast<intptr_t>(name));
}

int place_left(int px, int w, int client_w, bool above)
{
    if (above) {
        if (px + w + 10 < client_w) return px;
        return w + 10 > client_w ? 5 : client_w - w - 10;
    }
    if (px + w + 20 < client_w) return px + 10;
    return w + 10 > client_w ? 15 : client_w - w - 10;
}

}  // namespace

bool is_source_ext(const char *name)
{
    const char *dot = strrchr(name, '.');
    if (dot == nullptr || dot == name) return false;
    for (const char *ext : source_exts) {
        if (strcmp(dot, ext) == 0) return true;
    }
    return false;
}

int check_category_field(win_handle owner, const char *text) { return check_field(owner, text, "カテゴリ欄"); }

int check_target_field(win_handle owner, const char *text) { return check_field(owner, text, "対象欄"); }

int fill_pattern_list(win_handle list)
{
    send_msg(list, LB_RESETCONTENT, 0, 0);
    const char *const *patterns;
    const int n = language_patterns(lang_mode, &patterns);
    for (int i = 0; i < n; ++i) list_append(list, i == 0 ? first_pattern(lang_mode, patterns) : patterns[i]);
    list_append(list, "*.f");
    list_append(list, xwin_mode ? "*.x" : "*.r");
    return n + 2;
}

int set_lang_patterns()
{
    const char *const *patterns;
    if (language_patterns(lang_mode, &patterns) > 0) write_field(main_controls[ctl_category], first_pattern(lang_mode, patterns));
    fill_pattern_list(main_controls[ctl_patterns]);
    return 0;
}

int fill_file_list(int argc, char **argv)
{
    char category[1000];
    read_field(main_controls[ctl_category], category, sizeof category);
    if (argc == 2 && strcmp(argv[1], category) == 0) {
        if (category[0] != '*') return 0;
        argc = 1;  // a pattern that matched nothing
    }
    win_handle list = main_controls[ctl_patterns];
    fill_pattern_list(list);
    if ((strcmp(category, "*.x") == 0 || strcmp(category, "*.r") == 0) && main_hooks.list_form_defs != nullptr) {
        main_hooks.list_form_defs(list, category + 1);
    }
    for (int i = 1; i < argc; ++i) list_append(list, argv[i]);
    return 0;
}

int target_clear()
{
    send_msg(target_field_handle(), CB_RESETCONTENT, 0, 0);
    return 0;
}

int target_add_unique(const char *name)
{
    if (!in_target_list(name)) {
        target_append(name);
        return 0;
    }
    for (int n = 2; n <= target_try_max; ++n) {
        char numbered[1000];
        format_text(numbered, sizeof numbered, "%s/%d", name, n);
        if (in_target_list(numbered)) continue;
        target_append(numbered);
        return 0;
    }
    return 1;
}

int target_get_text(char *buf, size_t size)
{
    read_field(target_field_handle(), buf, size < 1000 ? size : 1000);
    return 0;
}

int fill_entry_names()
{
    target_clear();
    for (const char *name : {"WinMain", "Main", "main"}) target_append(name);
    return 0;
}

int normalize_target_key(win_handle field)
{
    char key[1000];
    read_field(field, key, sizeof key);
    if (key[0] == '-') {
        memmove(key, key + 1, strlen(key));
        trim_dashes(key);
    } else if (strncmp(key, "new ", 4) == 0) {
        memmove(key, key + 4, strlen(key + 4) + 1);
        key[strcspn(key, "(")] = '\0';
    } else {
        const char *rest = nullptr;
        int second;
        if (parse_number_pair(key, &rest, &second) >= 0) memmove(key, rest, strlen(rest) + 1);
        else key[strcspn(key, "(")] = '\0';
    }
    write_field(field, strip_quotes(key));
    return 0;
}

popup_place place_popup(int px, int py, int w, int h, int client_w)
{
    popup_place p;
    p.width = w + 10;
    p.height = h + 2;
    const bool above = py - h - 2 >= 0;
    p.y = above ? py - h - 2 : py + h + 7;
    p.x = place_left(px, w, client_w, above);
    return p;
}
