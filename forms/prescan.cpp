// The pre-scan of a form for source generation.
#include "forms/prescan.h"

#include <cstring>
#include <vector>

#include "forms/kinds.h"
#include "forms/model.h"
#include "forms/name_path.h"
#include "forms/para.h"
#include "shell/text.h"

gen_path_rec gen_path;

int edata_no(int i)
{
    if (!kind_is(i, "EDATA")) return -1;
    int n = 0;
    for (int r = form_sta; r < i; ++r) {
        if (kind_is(r, "EDATA")) ++n;
    }
    return n < 9 ? n : 9;
}

const char *skip_id_prefix(const char *name)
{
    return strncmp(name, "IDC_", 4) == 0 || strncmp(name, "IDM_", 4) == 0 ? name + 4 : name;
}

namespace {

bool source_ending(const char *f)
{
    static const char *const endings[] = {".f", ".F", ".c", ".C", ".cpp", ".CPP"};
    const size_t n = strlen(f);
    for (const char *e : endings) {
        if (n > strlen(e) && ends_with(f, e)) return true;
    }
    return false;
}

void collect(int b, gen_scan_rec *out)
{
    const box_rec &r = box_table[b];
    char f[256];
    const int level = case_no(r.kind);
    if (kind_is(b, "PROC")) {
        copy_bounded(out->procedure, sizeof out->procedure, r.name);
        get_para(f, b, 1);
        if (source_ending(f)) {
            copy_bounded(out->source, sizeof out->source, f);
            copy_bounded(out->file, sizeof out->file, f);
        }
    } else if (kind_is(b, "SOURCE") || kind_is(b, "UNION")) {
        get_para(out->source, b, 0);
    } else if (kind_is(b, "WM")) {
        copy_bounded(out->message, sizeof out->message, r.name);
        copy_bounded(gen_path.wm, sizeof gen_path.wm, r.name);
        out->syscommand = strcmp(r.name, "WM_SYSCOMMAND") == 0;
    } else if (kind_is(b, "ID")) {
        copy_bounded(gen_path.id, sizeof gen_path.id, r.name);
    } else if (level >= 0) {
        if (gen_path.case_count < scan_case_cap) {
            scan_case &c = gen_path.cases[gen_path.case_count++];
            c.level = level;
            copy_bounded(c.name, sizeof c.name, r.name);
        }
        if (strncmp(r.name, "WM_", 3) == 0) {
            copy_bounded(out->message, sizeof out->message, r.name);
            out->syscommand = strcmp(r.name, "WM_SYSCOMMAND") == 0;
        }
    }
}

}  // namespace

int scan_gen_form(int box, gen_scan_rec *out)
{
    *out = gen_scan_rec{};
    gen_path = gen_path_rec{};
    std::vector<char> seen(box_cap, 0);
    for (int b = box; b >= 0 && b < box_cap && !seen[b];) {
        seen[b] = 1;
        collect(b, out);
        int parent = -1;
        for (int r = l_sta; r < l_num && parent < 0; ++r) {
            if (link_table[r].to == b && strcmp(link_table[r].name, "on_set") == 0) parent = link_table[r].from;
        }
        b = parent;
    }
    return 0;
}

void scan_gen_box(int box)
{
    gen_scan_rec scratch;
    scan_gen_form(box, &scratch);
}

int case_names_match()
{
    for (int n = 0; n < gen_path.case_count; ++n) {
        const scan_case &c = gen_path.cases[n];
        if (strcmp(name_path.cases[c.level], c.name) != 0) return 0;
    }
    if (gen_path.wm[0] != '\0' && strcmp(gen_path.wm, name_path.wm) != 0) return 0;
    if (gen_path.id[0] == '\0') return 1;
    return strcmp(skip_id_prefix(gen_path.id), skip_id_prefix(name_path.id)) == 0 ? 1 : 0;
}

int case_depth()
{
    int depth = gen_path.id[0] != '\0' ? 3 : gen_path.wm[0] != '\0' ? 2 : 1;
    for (int n = 0; n < gen_path.case_count; ++n) {
        if (gen_path.cases[n].level + 1 > depth) depth = gen_path.cases[n].level + 1;
    }
    return depth;
}
