// Step records and the step-count report with its subtotals per folder slot.
#include "analyser/steps.h"

#include <cstdio>
#include <cstring>

#include "analyser/result_files.h"
#include "analyser/source_load.h"
#include "shell/dirs.h"
#include "shell/lbuf.h"

step_record step_tbl[step_record_cap];
int step_num;

namespace {

const int step_area = 7;

// The ten counts of a record, as summed by the total lines.
struct step_sums {
    int v[10];
};

void add_to_sums(step_sums &sums, const step_record &r)
{
    const int v[10] = {r.total, r.real, r.comment, r.inactive, r.directive,
                       r.empty, r.commented, r.functions, r.classes, r.enums};
    for (int i = 0; i < 10; ++i) sums.v[i] += v[i];
}

void write_prefix(FILE *fp, int numbered, int index)
{
    if (!numbered) return;
    if (index >= 0) fprintf(fp, "%5d ", index);
    else fputs("      ", fp);
}

void write_counts(FILE *fp, const char *name, const int *v)
{
    fprintf(fp, "%-32s %7d %6d %6d %6d %6d %6d %6d %5d %5d %5d\n", name, v[0], v[1], v[2], v[3], v[4], v[5], v[6],
            v[7], v[8], v[9]);
}

void write_total(FILE *fp, int numbered, const char *label, step_sums &sums)
{
    write_prefix(fp, numbered, -1);
    write_counts(fp, label, sums.v);
}

void write_record(FILE *fp, int numbered, int index)
{
    const step_record &r = step_tbl[index];
    step_sums one = {};
    add_to_sums(one, r);
    write_prefix(fp, numbered, index);
    write_counts(fp, r.name, one.v);
}

void write_records(FILE *fp, int numbered)
{
    step_sums sub = {}, all = {};
    int prev_slot = 0;
    int changes = 0;
    for (int i = 0; i < step_num; ++i) {
        const char *name = step_tbl[i].name;
        if (has_dir_prefix(name)) {
            if (prev_slot != 0 && name[0] != prev_slot) {
                write_total(fp, numbered, "★SUBTOTAL", sub);
                sub = step_sums{};
                if (++changes >= 2) write_total(fp, numbered, "★MIDTOTAL", all);
            }
            prev_slot = name[0];
        }
        write_record(fp, numbered, i);
        add_to_sums(sub, step_tbl[i]);
        add_to_sums(all, step_tbl[i]);
    }
    if (changes > 0) write_total(fp, numbered, "★SUBTOTAL", sub);
    if (step_num > 1) write_total(fp, numbered, "★ENDTOTAL", all);
}

}  // namespace

int clear_step_records()
{
    area_free(step_area);
    step_num = 0;
    return 0;
}

int count_steps(const char *file)
{
    int real = 0, comment = 0, inactive = 0, directive = 0, empty = 0, commented = 0;
    for (int i = 0; i < line_count && i <= line_cap; ++i) {
        const int c = line_class[i];
        if (c & 1) ++directive;
        else if (c & 2) ++inactive;
        else if (c & 8) ++real;
        else if (c & 4) ++comment;
        else ++empty;
        if (c & 4) ++commented;
    }
    return add_step_record(file, line_count, real, comment, inactive, directive, empty, commented);
}

int add_step_record(const char *name, int total, int real, int comment, int inactive, int directive, int empty,
                    int commented)
{
    if (step_num >= step_record_cap) return 1;
    const size_t size = strlen(name) + 1;
    char *copy = static_cast<char *>(area_alloc(step_area, size));
    if (copy == nullptr) return 1;
    memcpy(copy, name, size);
    step_tbl[step_num++] = step_record{copy, total, real, comment, inactive, directive, empty, commented, 0, 0, 0};
    return 0;
}

int set_step_extra(const char *name, int functions, int classes, int enums)
{
    for (int i = 0; i < step_num; ++i) {
        if (strcmp(step_tbl[i].name, name) != 0) continue;
        step_tbl[i].functions = functions;
        step_tbl[i].classes = classes;
        step_tbl[i].enums = enums;
        return 0;
    }
    return 1;
}

int write_step_report(const char *file, int numbered)
{
    dir_replacement out;
    int failed = 1;
    if (result_open(&out, file, result_in_home)) {
        write_prefix(out.fp, numbered, -1);
        fprintf(out.fp, "%-32s %7s %6s %6s %6s %6s %6s %6s %5s %5s %5s\n", "file", "total", "real", "comnt", "inact",
                "direc", "empty", "comnta", "func", "class", "enum");
        write_records(out.fp, numbered);
        failed = result_close(&out, false);
    }
    clear_step_records();
    return failed;
}

char *line_class_text(int line, char *buffer)
{
    const int c = line >= 0 && line <= line_cap ? line_class[line] : 0;
    buffer[0] = (c & 8) ? 'r' : '.';
    buffer[1] = (c & 4) ? 'c' : '.';
    buffer[2] = (c & 2) ? 'i' : '.';
    buffer[3] = (c & 1) ? 'd' : '.';
    buffer[4] = '\0';
    return buffer;
}
