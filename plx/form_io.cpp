// Reading and writing PLX's form files.  A read line is data of the section
// the last "#F2", "#L1", "#L2" or "#P1" line opened; the writer numbers the
// marked items from 0 and writes through a temporary beside the file.
#include "plx/form_io.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "plx/model.h"
#include "plx/replace.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "shell/words.h"

namespace {

// The sections of a form file, as its reader switches between them.
enum section {
    boxes = 1,      // "#F2": x1 y1 x2 y2 kind name
    old_links = 2,  // "#L1": kind from to
    links = 3,      // "#L2": from to kind
    texts = 4,      // "#P1": one parameter line per item
};

// The section a line opens, or 0 for a data line.
int section_of(const char *line)
{
    static const struct {
        const char *mark;
        int section;
    } marks[] = {{"#F2", boxes}, {"#L1", old_links}, {"#L2", links}, {"#P1", texts}};
    for (const auto &m : marks) {
        if (has_prefix(line, m.mark) == 0) return m.section;
    }
    return 0;
}

int next_number(const char **p)
{
    skip_blank(p);
    const int n = atoi(*p);
    skip_word(p);
    return n;
}

void next_word(const char **p, char *out, size_t size)
{
    skip_blank(p);
    const char *start = *p;
    skip_word(p);
    copy_span(out, size, start, static_cast<size_t>(*p - start));
}

void take_data(int section, const char *line)
{
    const char *p = line;
    char kind[32];
    char name[32];
    if (section == boxes) {
        const int x1 = next_number(&p);
        const int y1 = next_number(&p);
        const int x2 = next_number(&p);
        const int y2 = next_number(&p);
        next_word(&p, kind, sizeof kind);
        next_word(&p, name, sizeof name);
        plx_item_add(x1, y1, x2, y2, kind, name);
    } else if (section == old_links) {
        next_word(&p, kind, sizeof kind);
        const int from = next_number(&p);
        const int to = next_number(&p);
        plx_link_add(from, to, kind);
    } else if (section == links) {
        const int from = next_number(&p);
        const int to = next_number(&p);
        next_word(&p, kind, sizeof kind);
        plx_link_add(from, to, kind);
    } else {
        plx_text_add(line);
    }
}

// Gives every marked item its row in the written file, -1 the others.
void number_marked()
{
    int out = 0;
    for (int i = 0; i < plx_item_num; ++i) plx_items[i].out = plx_items[i].mark != 0 ? out++ : -1;
}

// The out index of item i, or -1 when it is not written.
int out_of(int i) { return i >= 0 && i < plx_item_num ? plx_items[i].out : -1; }

void write_sections(FILE *fp)
{
    fputs("#F2\n", fp);
    for (int i = 0; i < plx_item_num; ++i) {
        const plx_item &t = plx_items[i];
        if (t.out >= 0) fprintf(fp, "%5d %5d %5d %5d %-12s %s\n", t.x1, t.y1, t.x2, t.y2, t.kind, t.name);
    }
    fputs("#L2\n", fp);
    for (int l = 0; l < plx_link_num; ++l) {
        const plx_link &k = plx_links[l];
        if (out_of(k.from) >= 0 && out_of(k.to) >= 0) fprintf(fp, "%5d %5d %-12s\n", out_of(k.from), out_of(k.to), k.kind);
    }
    fputs("#P1\n", fp);
    for (int i = 0; i < plx_item_num; ++i) {
        if (plx_items[i].out < 0) continue;
        const char *text = plx_text_of(i);
        fprintf(fp, "%.*s\n", static_cast<int>(strcspn(text, "\n")), text);
    }
}

}  // namespace

int plx_read_form(const char *path)
{
    FILE *fp = sys_fopen(path, "r");
    if (fp == nullptr) return 1;
    char line[plx_form_line_size];
    int section = boxes;
    while (read_line(line, sizeof line, fp) != nullptr) {
        const int opened = section_of(line);
        if (opened != 0) section = opened;
        else take_data(section, line);
    }
    fclose(fp);
    return 0;
}

int plx_write_form(const char *path)
{
    char temp[1024];
    if (format_text(temp, sizeof temp, "%s.$$$", path) != 0) return 1;
    FILE *fp = sys_fopen(temp, "w");
    if (fp == nullptr) return 1;
    number_marked();
    write_sections(fp);
    const bool written = ferror(fp) == 0;
    if (fclose(fp) != 0 || !written) {
        sys_remove(temp);
        return 1;
    }
    return plx_replace_file(temp, path);
}
