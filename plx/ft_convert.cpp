// The ".ft" reader and the tree placement.  The tree state (WORK item, row
// counter, last box and its line per level) lives for the run; the reader
// state (last line and line count per ".ft" level) for one file.
#include "plx/ft_convert.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "plx/model.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "shell/words.h"

char plx_ft_report[300];

namespace {

constexpr int first_row_below = 500;  // the first row of a tree placed below items already held
constexpr int box_width = 100;

bool tree_started;                 // the run's tree state is set up
int work_item;                     // the WORK item, -1 none
int row_count[plx_level_max];      // the next row per level
int last_item[plx_level_max];      // the last box placed per level, -1 none
int last_line[plx_level_max];      // the line of that box, -1 none
int read_line_at[plx_ft_level_max];  // per ".ft" level the last line read, -1 none

// One ".ft" line taken apart.
struct ft_line {
    int level;  // -1: no "<" level
    char name[32];
};

// The first run of a tree: row counters, WORK item and marks.
void start_tree()
{
    tree_started = true;
    const bool had_items = plx_item_num > 0;
    for (int n = 0; n < plx_level_max; ++n) {
        row_count[n] = had_items ? first_row_below : 0;
        last_item[n] = -1;
        last_line[n] = -1;
    }
    if (!had_items && plx_item_add(5, 5, 35, 20, "WORK", "") >= 0) plx_text_add("TAVIR Caption N 0 0 640 480\n");
    for (int i = 0; i < plx_item_num; ++i) plx_items[i].mark = 0;
    work_item = plx_find_work();
    plx_mark_item(work_item);
}

// Writes "w.txt" for a broken line and keeps its first line as the report.
void report_broken(int line_number, const char *name, int level, int parent_line)
{
    const bool above = level >= 1 && level - 1 < plx_level_max;
    const int parent_item = above ? last_item[level - 1] : -1;
    const int parent_at = above ? last_line[level - 1] : -1;
    format_text(plx_ft_report, sizeof plx_ft_report,
                "line(%d) funcname(%s) level(%d) omem[level-1](%d), nmem[level-1](%d) parent(%d)", line_number, name,
                level, parent_item, parent_at, parent_line);
    FILE *fp = sys_fopen("w.txt", "w");
    if (fp == nullptr) return;
    fprintf(fp, "%s\n", plx_ft_report);
    fprintf(fp, "pp[].fname(%s)\n", parent_item >= 0 ? plx_items[parent_item].name : "");
    fclose(fp);
}

// A child of parent by link kind with this name, not a "COMMENT" item, or -1.
int same_child(int parent, const char *kind, const char *name)
{
    for (int l = plx_first_out(parent); l >= 0; l = plx_next_out(l)) {
        const plx_link &k = plx_links[l];
        if (k.to < 0 || k.to >= plx_item_num || strcmp(k.kind, kind) != 0) continue;
        const plx_item &c = plx_items[k.to];
        if (strcmp(c.kind, "COMMENT") != 0 && strcmp(c.name, name) == 0) return k.to;
    }
    return -1;
}

// Records box i (or -1, a line the full table refused) as the last of its level.
void place_last(int level, int i, int line_number)
{
    last_item[level] = i;
    last_line[level] = line_number;
}

// Splits a ".ft" line: first word, a number unless the first word begins
// with "(", then "<level>" and the name up to "(" or the end, its blanks trimmed.
ft_line parse_line(const char *text)
{
    ft_line f{-1, ""};
    const char *p = text;
    const bool number_follows = *p != '(';
    skip_word(&p);
    if (number_follows) {
        skip_blank(&p);
        skip_word(&p);
    }
    const char *lt = strchr(p, '<');
    if (lt == nullptr) return f;
    char *end = nullptr;
    const long level = strtol(lt + 1, &end, 10);
    if (end == lt + 1) return f;
    f.level = level < 0 ? -1 : level > 9999 ? 9999 : static_cast<int>(level);
    const char *gt = strchr(end, '>');
    const char *name = gt != nullptr ? gt + 1 : end + strlen(end);
    copy_span(f.name, sizeof f.name, name, strcspn(name, "(\n"));
    trim_blanks(f.name);  // a blank around the name would split it in the form file
    return f;
}

// Takes one line of the file: 0, or plx_ft_broken.
int take_line(const char *text, int line_number, int x_step, int y_step)
{
    const ft_line f = parse_line(text);
    if (f.level < 0 || f.level >= plx_ft_level_max) {
        const int parent = f.level >= 1 && f.level - 1 < plx_ft_level_max ? read_line_at[f.level - 1] : -1;
        report_broken(line_number, f.name, f.level, parent);
        return plx_ft_broken;
    }
    read_line_at[f.level] = line_number;
    const int parent = f.level > 0 ? read_line_at[f.level - 1] : -1;
    return plx_add_func(line_number, f.level, parent, f.name, x_step, y_step);
}

// The lines of an open ".ft" file with a fresh reader state: plx_ft_done, or
// plx_ft_broken at the first broken line.
int plx_read_ft_file(FILE *fp, int x_step, int y_step, int first_line, int last_line_wanted)
{
    for (int &n : read_line_at) n = -1;
    plx_ft_report[0] = '\0';
    char line[plx_ft_line_size];
    int result = plx_ft_done;
    for (int number = 1; result == plx_ft_done && read_line(line, sizeof line, fp) != nullptr; ++number) {
        if ((first_line > 0 && number < first_line) || (last_line_wanted > 0 && number > last_line_wanted)) continue;
        result = take_line(line, number, x_step, y_step);
    }
    return result;
}

}  // namespace

int plx_add_func(int line_number, int level, int parent_line, const char *name, int x_step, int y_step)
{
    if (!tree_started) start_tree();
    if (level < 0 || level >= plx_level_max ||
        (level > 0 && (parent_line < 0 || parent_line != last_line[level - 1]))) {
        report_broken(line_number, name, level, parent_line);
        return plx_ft_broken;
    }
    const int parent = level > 0 ? last_item[level - 1] : work_item;
    if (level > 0 && parent < 0) {
        place_last(level, -1, line_number);  // its parent was refused by a full table
        return 0;
    }
    const char *kind = level == 0 ? "ANY" : "on_set";
    const int same = same_child(parent, kind, name);
    if (same >= 0) {
        place_last(level, same, line_number);
        plx_text_set(same, "\n");
        plx_items[same].mark = 1;
        return 0;
    }
    const int x = x_step * level;
    const int row = row_count[level];
    const int i = plx_item_add(x, y_step * (2 * row + 2), x + box_width, y_step * (2 * row + 3), "BOX", name);
    place_last(level, i, line_number);
    if (i < 0) return 0;
    ++row_count[level];
    plx_link_add(parent, i, kind);
    plx_text_add("\n");
    plx_items[i].mark = 1;
    return 0;
}

int plx_convert_ft(const char *path, int x_step, int y_step, int first_line, int last_line_wanted)
{
    FILE *fp = sys_fopen(path, "r");
    if (fp == nullptr) {
        plx_mark_all();
        return plx_ft_missing;
    }
    const int result = plx_read_ft_file(fp, x_step, y_step, first_line, last_line_wanted);
    fclose(fp);
    return result;
}

void plx_ft_reset()
{
    tree_started = false;
    work_item = -1;
    for (int n = 0; n < plx_level_max; ++n) {
        row_count[n] = 0;
        last_item[n] = -1;
        last_line[n] = -1;
    }
    for (int &n : read_line_at) n = -1;
    plx_ft_report[0] = '\0';
}
