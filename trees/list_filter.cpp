// The list filter (see list_filter.h).  A walk shows each entry at most
// once, so the shown order never grows past the list; the class chain
// analyses each class entry at most once per call, so a cycle of classes
// that extend each other ends at its first repeat.
#include "trees/list_filter.h"

#include <cstring>

#include "analyser/anal_inputs.h"
#include "analyser/parser.h"
#include "analyser/search_keys.h"
#include "shell/line_cut.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "trees/func_list.h"
#include "trees/launch.h"

char member_filter[member_filter_size];

namespace {

const int class_level_cap = 20;  // nesting levels of the pending classes
const char word_cuts[] = ".,*[]";
const size_t short_name_len = 31;  // names compare on this many bytes unless the key is longer
const char box_mark[] = "□";

int saved_num;          // length of the saved order
bool shown[fl_cap];     // entries shown by the current call
bool analysed[fl_cap];  // class entries the chain has analysed in the current call

void start_order()
{
    i_num = 0;
    shift = 0;
    memset(shown, 0, sizeof shown);
}

void show(int e)
{
    if (e < 0 || e >= fl_count || shown[e] || i_num >= fl_cap) return;
    shown[e] = true;
    fl_order[i_num++] = e;
}

void show_all(bool headers_only)
{
    start_order();
    for (int e = 0; e < fl_count; ++e) {
        if (!headers_only || is_header(e)) show(e);
    }
}

void drop_box_mark(char *text)
{
    if (has_box_mark(text)) text[strlen(text) - strlen(box_mark)] = '\0';
}

// The marks of a key or entry text.
struct text_marks {
    int colons, leading, trailing;
    bool down, up;
};

text_marks marks_of(const char *t)
{
    return text_marks{count_trailing_colons(t), leading_quotes(t), trailing_quotes(t), has_down_mark(t), has_up_mark(t)};
}

bool has_marks(const text_marks &m) { return m.colons > 0 || m.leading > 0 || m.trailing > 0 || m.down || m.up; }

// The key without its first mark: the ":" run, "↓"/"↑", the trailing or
// the leading apostrophes.
void bare_key(const char *key, const text_marks &m, char *out, size_t size)
{
    size_t n = strlen(key);
    if (m.colons > 0) n -= (size_t)m.colons;
    else if (m.down || m.up) n -= 2;
    else if (m.trailing > 0) n -= (size_t)m.trailing;
    else if (m.leading > 0) key += m.leading, n -= (size_t)m.leading;
    copy_span(out, size, key, n);
}

// Mode 1 with a marked key: only entries of the same marks.
bool same_marks(const text_marks &k, const text_marks &e)
{
    if (k.colons > 0) return e.colons == k.colons;
    if (k.down) return e.down;
    if (k.up) return e.up;
    if (k.trailing > 0) return e.trailing == k.trailing;
    return e.leading == k.leading;
}

// The walk state of a filter over the whole list.
struct walk {
    const char *key;
    int mode;
    int direct;         // entry of the direct form; -1 none
    text_marks key_marks;
    char bare[select_key_size];
    int pending_header = -1;
    int slots[class_level_cap + 1];
    int last_func = -1, last_anon = -1;
    bool whole_file = false, func_on = false, anon_on = false;
    int matched_level = 0;
};

bool test_entry(walk &w, int e)
{
    const char *t = fl_name[e];
    switch (w.mode) {
    case filter_exact:
        return w.direct >= 0 ? e == w.direct : name_match(w.key, t) == 0;
    case filter_substring:
        if (is_header(e)) return false;
        if (has_marks(w.key_marks) && !same_marks(w.key_marks, marks_of(t))) return false;
        return has_substring(t, w.bare) == 0;
    case filter_pick:
    case filter_find:
        return e == pick_index;
    case filter_patterns:
        return match_file_patterns(t) == 0;
    default:
        return false;
    }
}

void show_classes(walk &w)
{
    for (int n = 1; n <= class_level_cap; ++n) show(w.slots[n]);
}

void note_anon(int e)
{
    if (list_origin == 0 && has_down_mark(fl_name[e])) list_origin = fl_kind_line[e].line;
}

// Shows a matching entry with what it needs before it.
void show_match(walk &w, int e)
{
    const char *t = fl_name[e];
    show(w.pending_header);
    if (is_header(e)) {
        w.whole_file = true;
        return;
    }
    const int colons = count_trailing_colons(t);
    show_classes(w);
    if (colons > 0) {
        show(e);
        w.matched_level = colons;
    } else if (has_down_mark(t)) {
        show(w.last_func);
        show(e);
        note_anon(e);
        w.anon_on = true;
    } else if (has_up_mark(t)) {
        show(w.last_func);
        show(w.last_anon);
        note_anon(w.last_anon);
        show(e);
    } else {
        show(e);
        w.func_on = true;
    }
}

// Entries shown without a test: the rest of a matched file, the members of
// a matched class, the anonymous classes after a matched function.
bool include_untested(const walk &w, int e)
{
    const char *t = fl_name[e];
    if (w.whole_file) return true;
    const int colons = count_trailing_colons(t);
    const bool anon = has_down_mark(t) || has_up_mark(t);
    if (w.matched_level > 0) {
        if (colons > w.matched_level || anon) return true;
        if (colons == 0 && trailing_quotes(t) >= w.matched_level) return true;
    }
    if (w.func_on && anon) return true;
    return w.anon_on && has_up_mark(t);
}

// Keeps the pending header, classes and functions of entry e.
void track(walk &w, int e)
{
    const char *t = fl_name[e];
    if (is_header(e)) {
        w.pending_header = e;
        w.whole_file = w.func_on = w.anon_on = false;
        w.matched_level = 0;
        for (int &s : w.slots) s = -1;
        return;
    }
    const int colons = count_trailing_colons(t);
    if (colons > 0) {
        const int n = colons > class_level_cap ? class_level_cap : colons;
        w.slots[n] = e;
        for (int k = n + 1; k <= class_level_cap; ++k) w.slots[k] = -1;
    } else if (has_down_mark(t)) {
        w.last_anon = e;
    } else if (!has_up_mark(t)) {
        const int q = trailing_quotes(t);
        for (int k = q + 1; k < class_level_cap; ++k) w.slots[k] = -1;
        w.last_func = e;
    }
}

// The walk over every entry; the found position in filter_find, else -1.
int walk_list(walk &w)
{
    for (int &s : w.slots) s = -1;
    for (int e = 0; e < fl_count; ++e) {
        track(w, e);
        if (!is_header(e) && include_untested(w, e)) {
            show(e);
            continue;
        }
        if (!test_entry(w, e)) {
            w.matched_level = 0;
            w.func_on = w.anon_on = false;
            continue;
        }
        if (w.mode == filter_find) return restore_order(e);
        show_match(w, e);
    }
    return w.mode == filter_find ? restore_order(-1) : -1;
}

// The direct form "N:name": the entry N-1 when it carries the name; -2
// after the warning when it does not (or N is outside the list); -1 when
// the key is no direct form.
int direct_entry(const char *key)
{
    const char *rest = nullptr;
    int second = -1;
    const int n = parse_number_pair(key, &rest, &second);
    if (n < 0) return -1;
    g_entry = second;
    char name[select_key_size];
    copy_bounded(name, sizeof name, rest);
    drop_box_mark(name);
    if (n >= 1 && n <= fl_count && name_compare(name, fl_name[n - 1]) == 0) return n - 1;
    msg_box(hwndL, "直接指定が使えません", "TAVIR警告画面", MB_ICONEXCLAMATION);
    return -2;
}

// Headers by their file text ("\" key): each match with its file's entries.
int filter_files(const char *file, int mode)
{
    bool on = false;
    for (int e = 0; e < fl_count; ++e) {
        if (is_header(e)) {
            const char *f = fl_file[e];
            on = mode == filter_exact ? strcmp(f, file) == 0
                 : mode == filter_substring ? has_substring(f, file) == 0
                 : mode == filter_patterns ? match_file_patterns(f) == 0
                 : false;
        }
        if (on) show(e);
    }
    return -1;
}

// The class entry of the chain key, analysed for its base class: the next
// key ("Base:", or "" without a base) in key.
void follow_base(int e, char *key, size_t size)
{
    analysed[e] = true;
    if (format_command("vokanal %s -l%d -L-1 -o", fl_file[e], fl_kind_line[e].line) == 0) run_cmd_buf();
    char base[fl_name_size];
    copy_bounded(base, sizeof base, key);
    base[strlen(base) - 1] = '\0';
    if (find_extends(fl_kind_line[e].line, base, sizeof base) == 0) format_text(key, size, "%s:", base);
    else key[0] = '\0';
}

// One walk of the class chain: true when it showed a class and may go on.
bool chain_walk(char *key, size_t size)
{
    bool inside = false, found = false;
    for (int e = 0; e < fl_count; ++e) {
        const char *t = fl_name[e];
        if (is_header(e)) {
            inside = false;
            continue;
        }
        const int colons = count_trailing_colons(t);
        if (colons == 1 && strcmp(t, key) == 0) {
            if (analysed[e]) return false;
            show(e);
            inside = true;
            found = true;
            follow_base(e, key, size);
            if (member_filter[0] == '\0') return true;
            continue;
        }
        if (colons == 0 && leading_quotes(t) == 0 && trailing_quotes(t) == 0 && !has_down_mark(t) && !has_up_mark(t)
            && !has_box_mark(t)) {
            inside = false;
        } else if (inside && colons == 0 && trailing_quotes(t) == 1 && name_match(member_filter, t) == 0) {
            show(e);
        }
    }
    return found;
}

int class_chain(const char *key)
{
    start_order();
    memset(analysed, 0, sizeof analysed);
    char k[select_key_size];
    copy_bounded(k, sizeof k, key);
    while (k[0] != '\0' && chain_walk(k, sizeof k)) {
    }
    shift = 0;
    return 0;
}

}  // namespace

int filter_list(const char *text, int mode)
{
    g_entry = -1;
    cur_index = -1;
    if (mode == filter_find) snapshot_order();
    if (strcmp(text, "/\\") == 0 || strcmp(text, "/%") == 0 || strlen(text) <= 1) {
        show_all(strcmp(text, "/\\") == 0);
        if (strlen(text) <= 1) select_key[0] = '\0';
        return 0;
    }
    const char *key = text + 1;
    copy_bounded(select_key, sizeof select_key, key);
    if (text[0] == '&') return class_chain(select_key);
    walk w;
    w.key = select_key;
    w.mode = mode;
    w.direct = mode == filter_exact ? direct_entry(select_key) : -1;
    w.key_marks = marks_of(select_key);
    bare_key(select_key, w.key_marks, w.bare, sizeof w.bare);
    start_order();
    if (strcmp(select_key, ":") == 0) {
        for (int e = 0; e < fl_count; ++e) {
            if (!is_header(e) && count_trailing_colons(fl_name[e]) == 1) show(e);
        }
    } else if (select_key[0] == '\\' && select_key[1] != '\0') {
        filter_files(select_key + 1, mode);
    } else if (w.direct != -2) {
        const int found = walk_list(w);
        if (mode == filter_find) return found;
    }
    shift = 0;
    return -1;
}

int snapshot_order()
{
    memcpy(fl_order_saved, fl_order, sizeof fl_order);
    saved_num = i_num;
    return 0;
}

int restore_order(int entry)
{
    memcpy(fl_order, fl_order_saved, sizeof fl_order);
    i_num = saved_num;
    for (int p = 0; p < i_num; ++p) {
        if (fl_order[p] == entry) return p;
    }
    return -1;
}

int word_match(const char *key, const char *text)
{
    if (find_any_char(key, word_cuts) != 0) return strcmp(key, text) == 0 ? 0 : 1;
    const size_t n = strlen(key);
    const char *p = text;
    while (true) {
        const char *end = p;
        while (*end != '\0' && !chr_in_str((unsigned char)*end, word_cuts)) ++end;
        if ((size_t)(end - p) == n && memcmp(p, key, n) == 0) return 0;
        if (*end == '\0') return 1;
        p = end + 1;
    }
}

int name_match(const char *key, const char *text)
{
    char k[select_key_size], t[fl_name_size];
    copy_bounded(k, sizeof k, key);
    copy_bounded(t, sizeof t, text);
    drop_box_mark(k);
    drop_box_mark(t);
    if (trailing_quotes(k) > 0 || count_trailing_colons(k) > 0) return strcmp(k, t) == 0 ? 0 : 1;
    copy_bounded(k, sizeof k, strip_quotes(k));
    char stripped[fl_name_size];
    copy_bounded(stripped, sizeof stripped, strip_quotes(t));
    if (strlen(k) <= short_name_len) copy_span(t, sizeof t, stripped, short_name_len);
    else copy_bounded(t, sizeof t, stripped);
    return word_match(k, t);
}

int find_any_char(const char *text, const char *set)
{
    for (const char *p = text; *p != '\0'; ++p) {
        if (chr_in_str((unsigned char)*p, set)) return (unsigned char)*p;
    }
    return 0;
}

int short_name(const char *text, int keep, char *out, size_t size)
{
    while (*text == '\'') ++text;
    const char *end = strchr(text, '\'');
    size_t n = end != nullptr ? (size_t)(end - text) : strlen(text);
    if (!keep && n > short_name_len) n = short_name_len;
    copy_span(out, size, text, n);
    return 0;
}

int list_filter_reset()
{
    member_filter[0] = '\0';
    saved_num = 0;
    return 0;
}
