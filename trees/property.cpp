// The PROPERTY screen's rules over the form model: member i of a box is
// field i of its parameter line, named by the box kind's structure file.
// Values are stored only in category mode 0; mode 1 leaves the boxes alone.
#include "trees/property.h"

#include <cstring>

#include "analyser/anal_host.h"
#include "forms/form_state.h"
#include "forms/matcher.h"
#include "forms/model.h"
#include "forms/para.h"
#include "forms/readers.h"
#include "generators/htmlattr.h"
#include "generators/text_sections.h"
#include "shell/dirs.h"
#include "shell/launcher.h"
#include "shell/main_state.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/screen_hooks.h"
#include "shell/screens.h"
#include "shell/text.h"
#include "shell/winmsg.h"

int prop_field;
win_handle prop_member_list;
win_handle prop_value_edit;
win_handle prop_value_list;

namespace {

// Key-word bits of a mouse message.
const int mk_lbutton = 0x0001;
const int mk_rbutton = 0x0002;
const int mk_shift = 0x0004;

const int value_size = 1000;  // a field, a value edit's text, a line of a text file
const char no_box_text[] = "カレント矩形が有りません\r\n";

int gesture_flags = -1;  // the key word of the press that flipped the mode, -1 none

bool has_cur_box() { return cur_box >= 0 && in_form(cur_box); }

void edit_text(win_handle edit, char *out, int size)
{
    out[0] = '\0';
    if (edit != nullptr) send_msg(edit, WM_GETTEXT, static_cast<uintptr_t>(size), reinterpret_cast<intptr_t>(out));
}

// One line of the member listing: number, type, member name, value.
void member_line(win_handle edit, const char *number, const char *type, const char *member, const char *value)
{
    char line[value_size + 200];
    format_text(line, sizeof line, "%4s %-8s %-18s %-s\r\n", number, type, member, value);
    window_text_append(edit, line);
}

void empty_controls()
{
    if (prop_value_edit != nullptr) host_set_edit_text(prop_value_edit, "");
    if (prop_member_list != nullptr) host_list_reset(prop_member_list);
    if (prop_value_list != nullptr) host_list_reset(prop_value_list);
}

void focus(win_handle screen)
{
    if (screen != nullptr) send_msg(screen, WM_COMMAND, cmd_focus, 0);
}

// Stores the value edit into field prop_field of the current box; 1 refused.
int store_value()
{
    char value[value_size];
    edit_text(prop_value_edit, value, sizeof value);
    const int r = set_cur_field(value, prop_field);
    if (r == 0 || r == 3) return 0;
    host_beep();
    return 1;
}

// The member listing: one line per member with the current box's field.
struct member_walk {
    win_handle edit;
    int n;
};

void list_one_member(const char *type, const char *member, void *ctx)
{
    member_walk *w = static_cast<member_walk *>(ctx);
    char value[value_size], number[16];
    get_para(value, cur_box, w->n);
    if (strcmp(value, "omit") == 0) value[0] = '\0';
    format_text(number, sizeof number, "%d", ++w->n);
    member_line(w->edit, number, type, member, value);
}

void relation_line(win_handle edit, const char *arrow, const char *role, const link_rec &k, int other)
{
    char kind[kind_size], name[name_size], value[value_size], line[value_size + 200];
    copy_box_kind(other, kind);
    copy_box_name(other, name);
    get_para(value, other, 0);
    format_text(line, sizeof line, "%4s %-8s %-18s %-s:%-s  %-s\r\n", arrow, role, k.name, kind, name, value);
    window_text_append(edit, line);
}

// The TAG text file and section of the current box: 0, or 2 when the box
// names none (not a TAG box of the "is_str" list, or an empty file field).
int tag_file(char *file, int fsize, char *section, int ssize)
{
    char kind[kind_size], name[name_size];
    copy_box_kind(cur_box, kind);
    copy_box_name(cur_box, name);
    if (strcmp(kind, "TAG") != 0 || !is_str(name)) return 2;
    get_para(file, fsize, cur_box, 0);
    unquote_esc(file);
    get_para(section, ssize, cur_box, 1);
    if (strcmp(section, "omit") == 0) section[0] = '\0';
    return file[0] == '\0' ? 2 : 0;
}

void drop_newline(char *line)
{
    size_t n = strlen(line);
    while (n > 0 && (line[n - 1] == '\n' || line[n - 1] == '\r')) line[--n] = '\0';
}

void reset_prop_hook()
{
    prop_field = -1;
    prop_clear();
}

void commit_prop_hook() { prop_value_commit(); }

}  // namespace

int property_reset()
{
    prop_field = -1;
    gesture_flags = -1;
    return 0;
}

int property_bind_hooks()
{
    screen_hooks.reset_prop = reset_prop_hook;
    screen_hooks.commit_prop = commit_prop_hook;
    return 0;
}

int prop_value_commit()
{
    if (prop_field < 0 || gen_rel_mode != mode_relation) return 0;
    store_value();
    prop_field = -1;
    empty_controls();
    return 0;
}

int prop_value_set()
{
    if (prop_field < 0 || gen_rel_mode != mode_relation) return 0;
    return store_value();
}

int prop_reset()
{
    empty_controls();
    return 0;
}

int prop_clear()
{
    empty_controls();
    return 0;
}

int prop_select_member(int s)
{
    if (s < 0) return 1;
    if (prop_field >= 0 && prop_field != s && gen_rel_mode == mode_relation) store_value();
    list_param_members(prop_value_list, s);
    char value[value_size];
    get_cur_field(value, s);
    host_set_edit_text(prop_value_edit, value);
    prop_field = s;
    focus(hwndP);
    return 0;
}

int prop_choose_value(int n)
{
    host_set_edit_text(prop_value_edit, "");
    char value[value_size];
    if (host_list_text(prop_value_list, n, value, sizeof value) < 0) return 1;
    cut_line_comment(value);
    host_set_edit_text(prop_value_edit, value);
    focus(hwndP);
    return 0;
}

int prop_clear_box()
{
    if (!has_cur_box()) return 1;
    para_clear_line(cur_box);
    host_set_edit_text(prop_value_edit, "");
    host_repaint(hwndO);
    return 0;
}

int toggle_gen_rel(int flags, int letter)
{
    bool act = false;
    if (letter == 's' && (flags & mk_shift) != 0 && (flags & (mk_lbutton | mk_rbutton)) != (mk_lbutton | mk_rbutton)) {
        gesture_flags = flags;
        act = true;
    } else if (letter == 'e' && gesture_flags != -1) {
        gesture_flags = -1;
        act = true;
    }
    if (act) {
        if (gen_rel_mode == mode_relation) prop_value_commit();
        prop_field = -1;
        empty_controls();
        gen_rel_mode = gen_rel_mode == mode_relation ? mode_create : mode_relation;
        if (main_controls[ctl_mode] != nullptr)
            host_set_edit_text(main_controls[ctl_mode], gen_rel_mode == mode_create ? "生成" : "関連");
    }
    if (letter == 'e') {
        if (keep_main_shown) focus(hwndE);
        if (keep_prop_shown) focus(hwndP);
    }
    return act ? 1 : 0;
}

int list_box_relations(win_handle edit, int box)
{
    for (int l = l_sta; l < l_num; ++l) {
        const link_rec &k = link_table[l];
        if (k.from >= 0 && k.to == box) relation_line(edit, "<-", "parent", k, k.from);
    }
    for (int l = l_sta; l < l_num; ++l) {
        const link_rec &k = link_table[l];
        if (k.from == box && k.to >= 0) relation_line(edit, "->", "child", k, k.to);
    }
    return 0;
}

int list_members(win_handle edit)
{
    host_set_edit_text(edit, "");
    member_line(edit, "番号", "種類", "メンバ名", "個性値");
    if (!has_cur_box()) {
        window_text_append(edit, no_box_text);
        return 1;
    }
    list_box_relations(edit, cur_box);
    prop_value_set();
    char kind[kind_size], name[name_size], kind_file[100], file[100];
    copy_box_kind(cur_box, kind);
    copy_box_name(cur_box, name);
    struct_kind_file(kind_file, sizeof kind_file, kind);
    member_walk walk = {edit, 0};
    walk_struct_members(kind_file, name, file, sizeof file, list_one_member, &walk);
    return 0;
}

int show_tag_text(win_handle edit, const char *hint)
{
    host_set_edit_text(edit, "");
    if (!has_cur_box()) {
        window_text_append(edit, no_box_text);
        return 1;
    }
    char file[value_size], section[value_size];
    if (tag_file(file, sizeof file, section, sizeof section) != 0) return 0;
    FILE *fp = open_in_dir(file, "r", hint);
    if (fp == nullptr) return 0;
    bool inside = section[0] == '\0';
    char line[value_size];
    while (fgets(line, sizeof line, fp) != nullptr) {
        if (section[0] != '\0' && is_section_line(line)) {
            if (inside) break;
            inside = is_section_named(line, section) != 0;
            continue;
        }
        if (!inside) continue;
        drop_newline(line);
        window_text_append(edit, line);
        window_text_append(edit, "\r\n");
    }
    fclose(fp);
    return 0;
}

int edit_tag_text(win_handle edit, const char *hint)
{
    if (!has_cur_box()) {
        host_set_edit_text(edit, "");
        window_text_append(edit, no_box_text);
        return 1;
    }
    char file[value_size], section[value_size];
    if (tag_file(file, sizeof file, section, sizeof section) != 0) return 2;
    char path[dir_path_size];
    find_in_dirs(path, sizeof path, file, hint);
    if (path[0] == '\0') copy_bounded(path, sizeof path, file);
    int at = 1;
    FILE *fp = section[0] != '\0' ? open_in_dir(file, "r", hint) : nullptr;
    if (fp != nullptr) {
        char line[value_size];
        for (int n = 1; fgets(line, sizeof line, fp) != nullptr; ++n) {
            if (is_section_named(line, section)) {
                at = n;
                break;
            }
        }
        fclose(fp);
    }
    char opt[param_size], command[launch_size];
    fill_line_option(opt, sizeof opt, option, at);
    if (format_text(command, sizeof command, "\"%s\" %s \"%s\"", editor, opt, path) != 0) return 3;
    return exec_wait(command, 0) == 32 ? 0 : 3;
}
