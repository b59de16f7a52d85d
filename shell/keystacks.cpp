// The key stacks: the target history of the project in use (key_stack) and
// the common keys (cstack), both oldest first, shown newest first.
#include <cstring>

#include "shell/dirs.h"
#include "shell/line_cut.h"
#include "shell/msgbox.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/winmsg.h"

char key_stack[key_stack_cap][key_size];
int key_stack_num;
char cstack[cstack_cap][key_size];
int cstack_num;

namespace {

// One stack: its entries, count and capacity.
struct stack_ref {
    char (*entries)[key_size];
    int *num;
    int cap;
};

const stack_ref keys = {key_stack, &key_stack_num, key_stack_cap};
const stack_ref commons = {cstack, &cstack_num, cstack_cap};

void remove_at(const stack_ref &s, int i)
{
    for (int k = i; k + 1 < *s.num; ++k) memcpy(s.entries[k], s.entries[k + 1], key_size);
    --*s.num;
}

int find_entry(const stack_ref &s, const char *key)
{
    for (int i = 0; i < *s.num; ++i) {
        if (strcmp(s.entries[i], key) == 0) return i;
    }
    return -1;
}

void push(const stack_ref &s, const char *key)
{
    char cut[key_size];
    copy_bounded(cut, sizeof cut, key);
    const int at = find_entry(s, cut);
    if (at >= 0) remove_at(s, at);
    else if (*s.num >= s.cap) remove_at(s, 0);
    copy_bounded(s.entries[(*s.num)++], key_size, cut);
}

void fill(const stack_ref &s, win_handle field)
{
    send_msg(field, CB_RESETCONTENT, 0, 0);
    for (int i = *s.num - 1; i >= 0; --i) {
        send_msg(field, CB_INSERTSTRING, static_cast<uintptr_t>(-1), reinterpret_cast<intptr_t>(s.entries[i]));
    }
    send_msg(field, WM_SETTEXT, 0, reinterpret_cast<intptr_t>(""));
}

int remove_field_text(const stack_ref &s, win_handle field)
{
    char text[1000] = "";
    send_msg(field, WM_GETTEXT, sizeof text, reinterpret_cast<intptr_t>(text));
    if (text[0] == '\0') return 1;
    const int at = find_entry(s, text);
    if (at < 0) return 1;
    remove_at(s, at);
    fill(s, field);
    return 0;
}

// Drops the numbered references ("12:name", "3(4):name").
void purge(const stack_ref &s)
{
    for (int i = *s.num - 1; i >= 0; --i) {
        const char *rest;
        int second;
        if (parse_number_pair(s.entries[i], &rest, &second) >= 0) remove_at(s, i);
    }
}

}  // namespace

int stack_push(const char *key)
{
    if (key[0] == '\0') return 0;
    push(keys, key);
    return stack_fill(target_field_handle());
}

int stack_fill(win_handle field)
{
    fill(keys, field);
    return 0;
}

int stack_delete(win_handle field) { return remove_field_text(keys, field); }

int stack_purge()
{
    purge(keys);
    return stack_fill(target_field_handle());
}

int stack_load()
{
    key_stack_num = split_entries(stacks_lookup('o', view_name()), key_stack[0], key_size, key_stack_cap);
    return 0;
}

int stack_save() { return stacks_save('o', view_name(), 'o'); }

int stack_write(FILE *stream)
{
    for (int i = 0; i < key_stack_num; ++i) {
        if (!is_lookup_miss(key_stack[i])) fprintf(stream, "\t%s", key_stack[i]);
    }
    fputs("\n", stream);
    return 0;
}

int cstack_push(win_handle field, const char *key)
{
    if (key[0] == '\0') return 0;
    push(commons, key);
    return cstack_fill(field);
}

int cstack_fill(win_handle field)
{
    fill(commons, field);
    return 0;
}

int cstack_delete(win_handle field) { return remove_field_text(commons, field); }

int cstack_purge(win_handle field)
{
    purge(commons);
    return cstack_fill(field);
}

int common_keys_refresh() { return cstack_purge(target_field_handle()); }

int cstack_load()
{
    cstack_num = 0;
    FILE *fp = home_fopen("cstack.dat", "r");
    if (fp == nullptr) return 0;
    char line[1000];
    bool line_start = true;
    while (cstack_num < cstack_cap && read_line(line, sizeof line, fp) != nullptr) {
        const bool whole = strchr(line, '\n') != nullptr;
        line[strcspn(line, "\n")] = '\0';
        if (line_start) copy_bounded(cstack[cstack_num++], key_size, line);
        line_start = whole;  // the rest of a longer line is not a key of its own
    }
    fclose(fp);
    return 0;
}

int cstack_save()
{
    FILE *fp = home_fopen("cstack.$$$", "w");
    if (fp == nullptr) return -4;
    bool ok = true;
    for (int i = 0; i < cstack_num && ok; ++i) ok = fprintf(fp, "%s\n", cstack[i]) >= 0;
    ok = close_written(fp) && ok;
    return home_replace("cstack.dat", "cstack.$$$", ok) == 0 ? 0 : -4;
}
