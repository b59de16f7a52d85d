// The range-label table: an insertion-ordered list in which a range that
// encloses earlier ones replaces them.
#include "analyser/range_labels.h"

#include <cstring>

#include "analyser/anal_inputs.h"
#include "analyser/source_load.h"
#include "shell/text.h"

range_label_rec range_label[range_label_cap];
int range_label_num;

namespace {

int group_first = -1;
int group_last = -1;
char group_mark[3];
char group_kind[3];
char label_text[range_text_size + 32];
char label_mark[3];

void mark_set(char *dst, const char *src)
{
    dst[0] = src[0];
    dst[1] = src[1];
    dst[2] = '\0';
}

bool mark_equal(const char *a, const char *b) { return a[0] == b[0] && a[1] == b[1]; }

// The closing text of the open group, into label_text.
void group_text()
{
    const char *kind = mark_equal(group_kind, "関") ? "関数" : mark_equal(group_kind, "ク") ? "クラス"
                     : mark_equal(group_kind, "EN") ? "ENUM" : "？？";
    if (group_first == group_last) format_text(label_text, sizeof label_text, "%s{%d}", kind, group_first);
    else format_text(label_text, sizeof label_text, "%s{%d～%d}", kind, group_first, group_last);
    mark_set(label_mark, group_mark);
}

void open_group(int number, const char *mark, const char *kind)
{
    group_first = group_last = number;
    mark_set(group_mark, mark);
    mark_set(group_kind, kind);
}

// The mark of the lines inside a range.
const char *inside_mark(const range_label_rec &rec)
{
    for (int n = rec.start + 1; n < rec.end; ++n) {
        if (n < 0 || n > line_count) continue;
        if (line_selected[n]) return "▲";
        if (line_mark[n][0] != '\0' && !mark_equal(line_mark[n], "　")) return line_mark[n];
    }
    return "　";
}

bool is_folded_kind(const char *text)
{
    return strncmp(text, "関数", strlen("関数")) == 0 || strncmp(text, "クラス", strlen("クラス")) == 0 ||
           strncmp(text, "ENUM", 4) == 0;
}

}  // namespace

int clear_range_labels()
{
    range_label_num = 0;
    group_first = group_last = -1;
    return 0;
}

int clear_range_shown()
{
    for (int i = 0; i < range_label_num; ++i) range_label[i].shown = 0;
    group_first = group_last = -1;
    return 0;
}

int range_label_text(int line, const char **text, const char **mark)
{
    *text = "";
    mark_set(label_mark, "　");
    *mark = label_mark;
    if (line < 0) {
        if (group_first < 0) return -6;
        group_text();
        *text = label_text;
        return -5;
    }
    int i = 0;
    while (i < range_label_num && !(range_label[i].start < line && line < range_label[i].end)) ++i;
    if (i == range_label_num) {
        if (group_first < 0) return 0;
        group_text();
        group_first = group_last = -1;
        *text = label_text;
        return 0;
    }
    range_label_rec &rec = range_label[i];
    if (rec.shown) return i + 1;
    rec.shown = 1;
    if (list_entry_line > 0 && list_entry_line == rec.start) {
        mark_set(label_mark, "●");
        *text = rec.text;
        return i + 1;
    }
    mark_set(label_mark, inside_mark(rec));
    if (!is_folded_kind(rec.text)) {
        format_text(label_text, sizeof label_text, "%s{%d}", rec.text, i + 1);
        *text = label_text;
        return i + 1;
    }
    if (group_first < 0) {
        open_group(i + 1, label_mark, rec.text);
        return -1;
    }
    if (mark_equal(group_mark, label_mark) && mark_equal(group_kind, rec.text)) {
        group_last = i + 1;
        return -2;
    }
    char new_mark[3];
    mark_set(new_mark, label_mark);
    group_text();
    *text = label_text;
    open_group(i + 1, new_mark, rec.text);
    return -3;
}

namespace {

void fill_label(range_label_rec &rec, int start, int end, const char *text)
{
    rec.start = start;
    rec.end = end;
    rec.shown = 0;
    rec.reserved = 0;
    copy_bounded(rec.text, sizeof rec.text, text);
}

bool encloses(int start, int end, const range_label_rec &rec) { return start <= rec.start && rec.end <= end; }

// Overwrites entry i and drops the later entries that the range encloses.
void replace_enclosed(int i, int start, int end, const char *text)
{
    fill_label(range_label[i], start, end, text);
    int kept = i + 1;
    for (int j = i + 1; j < range_label_num; ++j) {
        if (!encloses(start, end, range_label[j])) range_label[kept++] = range_label[j];
    }
    range_label_num = kept;
}

}  // namespace

int add_range_label(int start, int end, const char *text)
{
    if (range_label_num >= range_label_cap) return 0;
    for (int i = 0; i < range_label_num; ++i) {
        if (encloses(start, end, range_label[i])) {
            replace_enclosed(i, start, end, text);
            return 0;
        }
        if (range_label[i].start <= start && end <= range_label[i].end) return 2;
    }
    fill_label(range_label[range_label_num++], start, end, text);
    return 1;
}
