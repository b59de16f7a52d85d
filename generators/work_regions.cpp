// Preserved regions: the copiers over the old source's loaded lines and the
// reuse checks.  The copiers read the lines through one reader that knows
// whether an entry continues a long line and which region it stands in.
#include "generators/work_regions.h"

#include <cstring>
#include <string>
#include <vector>

#include "analyser/listings.h"
#include "analyser/source_load.h"
#include "forms/name_path.h"
#include "forms/prescan.h"
#include "generators/work_jumps.h"
#include "shell/text.h"

int work_old_lines;

namespace {

// Per old entry: what write_region made of the region that opens there.
enum carry_mark : unsigned char {
    carry_none,    // not asked for
    carry_done,    // carried
    carry_second,  // a later region of a carried key in the same scope
};
unsigned char carry_marks[line_cap];
unsigned char branch_marks[line_cap];  // 1 at the label entry of a carried branch

// The procedure heads of the old source (outside regions), with their
// entries, indexed once per source so that each lookup starts at its head.
struct head_rec {
    std::string name;
    int entry;
};
std::vector<head_rec> heads;
bool heads_indexed;

}  // namespace

void work_regions_reset()
{
    work_old_lines = 0;
    memset(carry_marks, carry_none, sizeof carry_marks);
    memset(branch_marks, 0, sizeof branch_marks);
    heads.clear();
    heads_indexed = false;
}

namespace {

const int region_name_size = 100;
const int marker_size = region_name_size + 20;

const char *skip_blanks(const char *p)
{
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

// The name of an opening marker "/*AREA:name*/" that begins text; false
// when text is none.
bool opening_name(const char *text, char *name, size_t size)
{
    if (word_prefix(text, "/*AREA:") != 0) return false;
    const char *begin = text + 7;
    const char *end = strstr(begin, "*/");
    if (end == nullptr) return false;
    copy_span(name, size, begin, static_cast<size_t>(end - begin));
    return true;
}

bool closes_region(const char *text, const char *name)
{
    char marker[marker_size];
    format_text(marker, sizeof marker, "/*END:%s*/", name);
    return word_prefix(text, marker) == 0;
}

// One loaded entry of the old source.
struct old_line {
    char text[line_piece_size];
    bool plain;     // a whole line outside every region: heads and labels count
    bool line_end;  // the entry ends its line
    bool opens;     // the entry opens the region the reader now stands in
};

struct old_reader {
    int next;                       // the next entry
    int line;                       // the physical line of the last entry read
    bool continued;                 // the next entry continues a long line
    char region[region_name_size];  // the open region, "" outside
};

bool read_old(old_reader &r, old_line &l)
{
    if (r.next >= work_old_lines || r.next >= old_line_count()) return false;
    get_source_line(l.text, sizeof l.text, r.next++);
    const bool continuation = r.continued;
    const size_t n = strlen(l.text);
    l.line_end = n > 0 && l.text[n - 1] == '\n';
    r.continued = !l.line_end;
    l.plain = !continuation && r.region[0] == '\0';
    l.opens = false;
    if (continuation) return true;
    ++r.line;
    const char *t = skip_blanks(l.text);
    if (r.region[0] == '\0') l.opens = opening_name(t, r.region, sizeof r.region);
    else if (closes_region(t, r.region)) r.region[0] = '\0';
    return true;
}

// Writes the entry and the rest of its region, through the end of the
// closing marker's line (or of the old text when the marker is missing).
void copy_region_lines(FILE *out, old_reader &r, old_line &l)
{
    fputs(l.text, out);
    while ((r.region[0] != '\0' || !l.line_end) && read_old(r, l)) fputs(l.text, out);
}

// The scope of a region lookup: the file level before the first procedure,
// a procedure from its head to the next, and in it a "WM" case branch up to
// the next "WM" label.
struct scope_rec {
    const char *procedure;
    const char *case_name;
    bool in_proc;
    bool in_case;
};

// Follows the scope over a plain line: false when the scope has ended.
bool follow_scope(scope_rec &s, const char *line)
{
    char name[100];
    if (get_proc_head(line, name)) {
        if (s.in_proc) return false;
        s.in_proc = strcmp(name, s.procedure) == 0;
        return true;
    }
    if (s.in_proc && s.case_name[0] != '\0' && is_wm_label(line, name, sizeof name)) {
        if (s.in_case) return false;
        s.in_case = strcmp(name, s.case_name) == 0;
    }
    return true;
}

void index_heads()
{
    if (heads_indexed) return;
    heads_indexed = true;
    old_reader r{};
    old_line l;
    char name[100];
    while (read_old(r, l)) {
        if (l.plain && get_proc_head(l.text, name)) heads.push_back({name, r.next - 1});
    }
}

// The reader at the procedure's head (the first of its name), or at the
// start for the file level; false when no head has the name.
bool reader_at(old_reader &r, const char *procedure)
{
    r = old_reader{};
    if (procedure[0] == '\0') return true;
    index_heads();
    for (const head_rec &h : heads) {
        if (h.name != procedure) continue;
        r.next = h.entry;
        return true;
    }
    return false;
}

int carry_region(FILE *out, const char *procedure, const char *case_name, const char *region)
{
    scope_rec s = {procedure, case_name, procedure[0] == '\0', case_name[0] == '\0'};
    old_reader r{};
    if (!reader_at(r, procedure)) return 0;
    old_line l;
    int carried = 0;
    while (read_old(r, l)) {
        if (l.plain && !follow_scope(s, l.text)) break;
        if (!s.in_proc || !s.in_case || !l.opens || strcmp(r.region, region) != 0) continue;
        carry_marks[r.next - 1] = carried ? carry_second : carry_done;
        if (!carried) copy_region_lines(out, r, l);
        carried = 1;
    }
    return carried;
}

bool is_blank_text(const char *text)
{
    for (; *text != '\0'; ++text) {
        if (*text != ' ' && *text != '\t' && *text != '\n' && *text != '\r') return false;
    }
    return true;
}

// The fault of a region that has ended: its opening entry and whether it held text.
int region_fault(int open_index, bool filled)
{
    if (!filled || carry_marks[open_index] == carry_done) return 0;
    return carry_marks[open_index] == carry_second ? carry_duplicate : carry_dropped;
}

// A line that ends a copied branch at depth: a procedure head anywhere, or
// at the depth's tab count a case label, a "}" or (with_default) a default label.
bool ends_branch(const char *line, int depth, bool with_default)
{
    char name[100];
    if (get_proc_head(line, name)) return true;
    if (count_tabs(line) != depth) return false;
    return get_case_label(line, name) || line[depth] == '}' || (with_default && is_default_label(line));
}

// Copies a branch inside the procedure, from the first label of its kind
// whose name path matches the rectangle's to the line before the one that
// ends it.  The name path follows the case labels on the way.
enum branch_kind {
    case_branch,     // a case label of the given name
    default_branch,  // a default label at the rectangle's depth
};

int copy_branch(FILE *out, const char *procedure, branch_kind kind, const char *label)
{
    const int default_depth = case_depth();
    clear_name_levels();
    scope_rec s = {procedure, "", false, true};
    old_reader r{};
    if (!reader_at(r, procedure)) return 0;
    old_line l;
    int depth = -1;  // the copied branch's tab count; -1 before it
    while (read_old(r, l)) {
        if (depth >= 0) {
            if (l.plain && ends_branch(l.text, depth, kind == case_branch)) break;
            fputs(l.text, out);
            continue;
        }
        if (!l.plain) continue;
        if (!follow_scope(s, l.text)) break;
        if (!s.in_proc) continue;
        follow_case_labels(l.text);
        char name[100];
        const bool starts = kind == case_branch
                                ? get_case_label(l.text, name) && strcmp(name, label) == 0
                                : is_default_label(l.text) && count_tabs(l.text) == default_depth;
        if (starts && case_names_match()) {
            branch_marks[r.next - 1] = 1;
            depth = count_tabs(l.text);
            fputs(l.text, out);
        }
    }
    return depth >= 0 ? 1 : 0;
}

// The loaded lines for the checks: false past the end; continuation entries
// of long lines are passed over.
bool next_checked(int &index, bool &continued, char *text, size_t size)
{
    for (;;) {
        if (index >= old_line_count()) return false;
        get_source_line(text, static_cast<int>(size), index++);
        const size_t n = strlen(text);
        const bool continuation = continued;
        continued = n == 0 || text[n - 1] != '\n';
        if (!continuation) return true;
    }
}

// The name of a marker after its word: its letters and underscores.
const char *marker_name_end(const char *p)
{
    while ((*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z') || *p == '_') ++p;
    return p;
}

struct pair_state {
    bool open;
    char name[region_name_size];
    int open_line;
    int depth;        // of #if, #ifdef and #ifndef blocks
    char cond[200];   // the condition of the last of them
};

int pair_marker(pair_state &s, const char *t, int number)
{
    if (word_prefix(t, "/*AREA:") == 0) {
        if (s.open) return pair_open_in_region;
        const char *end = marker_name_end(t + 7);
        if (*end != '*') return pair_open_no_star;
        if (end[1] != '/') return pair_open_no_slash;
        s.open = true;
        s.open_line = number;
        copy_span(s.name, sizeof s.name, t + 7, static_cast<size_t>(end - (t + 7)));
    } else if (word_prefix(t, "/*END:") == 0) {
        if (!s.open) return pair_close_no_region;
        const char *end = marker_name_end(t + 6);
        if (*end != '*') return pair_close_no_star;
        if (end[1] != '/') return pair_close_no_slash;
        if (strlen(s.name) != static_cast<size_t>(end - (t + 6)) || strncmp(s.name, t + 6, strlen(s.name)) != 0) {
            return pair_close_other_name;
        }
        s.open = false;
    }
    return 0;
}

void pair_directive(pair_state &s, const char *t)
{
    static const char *const opening[] = {"#ifndef", "#ifdef", "#if"};
    for (const char *d : opening) {
        if (word_prefix(t, d) == 0) {
            ++s.depth;
            copy_bounded(s.cond, sizeof s.cond, skip_blanks(t + strlen(d)));
            return;
        }
    }
    if (word_prefix(t, "#endif") == 0 && s.depth > 0) --s.depth;
}

// What a line inside a conditional block may not be.
int pair_conditional(const pair_state &s, const char *t)
{
    char name[100];
    if (word_prefix(t, "/*AREA:") == 0) return pair_cond_open;
    if (word_prefix(t, "/*END:") == 0) return pair_cond_close;
    if (get_proc_head(t, name)) return pair_cond_head;
    if (s.depth == 1 && (word_prefix(s.cond, "TAB_NEXT") == 0 || word_prefix(s.cond, "CONTROLPROC") == 0)) return 0;
    if (word_prefix(t, "switch") == 0) return pair_cond_switch;
    if (get_case_label(t, name)) return pair_cond_case;
    if (is_default_label(t)) return pair_cond_default;
    if (*t == '}') return pair_cond_brace;
    return 0;
}

}  // namespace

int write_region(FILE *out, const char *procedure, const char *case_name, const char *region,
                 const char *indentation)
{
    if (work_old_lines > 0 && carry_region(out, procedure, case_name, region)) return 1;
    char marker[marker_size];
    format_text(marker, sizeof marker, "/*AREA:%s*/", region);
    fprintf(out, "%s%s\n", indentation, marker);
    fprintf(out, "%s\n", indentation);
    format_text(marker, sizeof marker, "/*END:%s*/", region);
    fprintf(out, "%s%s\n", indentation, marker);
    return 0;
}

int work_carry_audit(int *line)
{
    old_reader r{};
    old_line l;
    int open_index = -1;  // the opening entry of the region being read
    int open_line = 0;    // and its physical line
    bool filled = false;
    while (read_old(r, l)) {
        if (l.opens) {
            open_index = r.next - 1;
            open_line = r.line;
            filled = false;
            continue;
        }
        if (open_index < 0) continue;
        if (r.region[0] != '\0') {
            filled = filled || !is_blank_text(l.text);
            continue;
        }
        const int fault = region_fault(open_index, filled);  // the closing marker's line
        if (fault != 0) {
            *line = open_line;
            return fault;
        }
        open_index = -1;
    }
    const int fault = open_index >= 0 ? region_fault(open_index, filled) : 0;
    if (fault != 0) *line = open_line;
    return fault;
}

namespace {

// A branch of the old source being read by the branch audit.
struct branch_rec {
    int entry;        // its label's entry
    int line;         // and physical line
    char label[100];  // "default" for a default label
    bool filled;      // holds more than its generated lines
    bool nested;      // holds labels of its own (a message's switch)
};

// A body line the generator writes itself.
bool is_default_body(const char *t)
{
    return *t == '\0' || *t == '\n' || *t == '\r' || word_prefix(t, "break;") == 0 ||
           word_prefix(t, "PostQuitMessage (0); // ") == 0;
}

void report_branch(const branch_rec &b, void (*report)(int, const char *))
{
    if (b.nested || !b.filled || branch_marks[b.entry] != 0) return;
    if (strcmp(b.label, "WM_CREATE") == 0 || strcmp(b.label, "WM_INITMENU") == 0) return;
    report(b.line, b.label);
}

}  // namespace

void work_branch_audit(void (*report)(int line, const char *label))
{
    std::vector<std::pair<int, branch_rec>> open;  // by tab count, innermost last
    auto flush = [&](int depth) {
        while (!open.empty() && open.back().first >= depth) {
            report_branch(open.back().second, report);
            open.pop_back();
        }
    };
    old_reader r{};
    old_line l;
    bool in_proc = false;
    char name[100];
    while (read_old(r, l)) {
        if (!l.plain) {
            if (!open.empty() && l.line_end) open.back().second.filled = true;
            continue;
        }
        if (get_proc_head(l.text, name)) {
            flush(0);
            in_proc = true;
            continue;
        }
        if (!in_proc) continue;
        const int tabs = count_tabs(l.text);
        const char *t = skip_blanks(l.text);
        const bool label = get_case_label(l.text, name) || is_default_label(l.text);
        if (label || *t == '}') flush(tabs);
        if (!label) {
            if (!open.empty() && !is_default_body(t)) open.back().second.filled = true;
            continue;
        }
        for (auto &o : open) o.second.nested = true;
        branch_rec b{r.next - 1, r.line, "", false, false};
        copy_bounded(b.label, sizeof b.label, *t == 'd' ? "default" : name);
        open.push_back({tabs, b});
    }
    flush(0);
}

int copy_case_branch(FILE *out, const char *procedure, const char *label)
{
    return copy_branch(out, procedure, case_branch, label);
}

int copy_default_branch(FILE *out, const char *procedure) { return copy_branch(out, procedure, default_branch, ""); }

int check_area_pairs(int *line)
{
    pair_state s{};
    int index = 0;
    int number = 0;  // the physical line: a long line spans several entries
    bool continued = false;
    char text[line_piece_size];
    while (next_checked(index, continued, text, sizeof text)) {
        ++number;
        const char *t = skip_blanks(text);
        int fault = pair_marker(s, t, number);
        pair_directive(s, t);
        if (fault == 0 && s.depth > 0) fault = pair_conditional(s, t);
        if (fault != 0) {
            *line = number;
            return fault;
        }
    }
    if (s.open) {
        *line = s.open_line;
        return pair_open_in_region;
    }
    return 0;
}

int check_switch_tabs(int *line)
{
    int index = 0;
    int number = 0;
    bool continued = false;
    char text[line_piece_size];
    while (next_checked(index, continued, text, sizeof text)) {
        ++number;
        const char *t = skip_blanks(text);
        if (word_prefix(t, "//") == 0 || word_prefix(t, "/*AREA:") == 0 || word_prefix(t, "/*END:") == 0) continue;
        int fault = 0;
        if (word_prefix(t, "/*") == 0) fault = tabs_block_comment;
        else if (*t == '}' || word_prefix(t, "switch") == 0 || word_prefix(t, "case") == 0 || word_prefix(t, "default") == 0) {
            if (memchr(text, ' ', static_cast<size_t>(t - text)) != nullptr) fault = tabs_blank_indent;
        }
        if (fault != 0) {
            *line = number;
            return fault;
        }
    }
    return 0;
}
