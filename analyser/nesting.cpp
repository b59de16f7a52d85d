// Brace records of a loaded source and the passes over them: the nesting
// listing, the indentation check and the two block-comment checks.
#include "analyser/nesting.h"

#include <cstdio>
#include <cstring>

#include "analyser/lexer.h"
#include "analyser/listings.h"
#include "analyser/options.h"
#include "analyser/preproc.h"
#include "analyser/range_labels.h"
#include "analyser/result_files.h"
#include "analyser/steps.h"
#include "shell/dirs.h"
#include "shell/lbuf.h"
#include "shell/sjis.h"
#include "shell/text.h"
#include "shell/trace_log.h"

brace_rec brace_tbl[line_cap + 1];
int nest_stack[nest_stack_cap];
int nest_counting;

namespace {

const int list_area = 6;
const int list_tab = 4;

bool valid_line(int index) { return index >= 0 && index < line_count && index <= line_cap; }

int stack_get(int depth) { return depth >= 0 && depth < nest_stack_cap ? nest_stack[depth] : -1; }

void stack_set(int depth, int value)
{
    if (depth >= 0 && depth < nest_stack_cap) nest_stack[depth] = value;
}

void clear_stack()
{
    for (int &entry : nest_stack) entry = -1;
}

// Entries between the old depth and the new one get no block.
void clear_stack_between(int from, int to)
{
    for (int k = from; k < to && k < nest_stack_cap; ++k) stack_set(k, -1);
}

void clear_brace_records()
{
    for (int i = 0; i < line_count && i <= line_cap; ++i) brace_tbl[i] = brace_rec{0, 0, 0, 0, -1};
}

bool begins_with(const char *text, const char *word) { return strncmp(text, word, strlen(word)) == 0; }

const char *first_text(int index) { return skip_line_blanks(source_lines[index]); }

// The reading state of a fresh file over the loaded lines.
void prepare_reading()
{
    opt_o_file[0] = '\0';
    opt_i = 0;
    anal_trace_on = 0;
    restore_defines();
    clear_range_labels();
    clear_line_class();
    set_source_lines(line_count);
    cur_line = last_token_line = prev_token_line = 1;
    clear_brace_records();
    clear_stack();
}

void count_token(int index)
{
    brace_rec &rec = brace_tbl[index];
    if (strcmp(cur_token, "{") == 0) {
        if (rec.running < 0) rec.flags |= nest_flag_cont;
        ++rec.balance;
        ++rec.running;
    } else if (strcmp(cur_token, "}") == 0) {
        --rec.balance;
        --rec.running;
    } else if (strcmp(cur_token, "case") == 0 || strcmp(cur_token, "default") == 0) {
        rec.flags |= nest_flag_cont;
    }
}

// Reads the whole file; braces count unless only the #if nesting is wanted.
void read_file(bool count)
{
    int r;
    while ((r = next_token()) != -1) {
        if (r != 1 || !count) continue;
        const int index = cur_line - 1;
        if (valid_line(index)) count_token(index);
    }
}

// The nearest recorded entry below (or at) the depth, or the default.
int nearest_entry(int depth, int fallback)
{
    for (int k = depth < nest_stack_cap ? depth : nest_stack_cap - 1; k >= 0; --k) {
        if (nest_stack[k] >= 0) return nest_stack[k];
    }
    return fallback;
}

// One line of the indentation check (its first loaded entry, and its
// physical line, which the lexer's brace counts use): 0, or the result code.
int indent_line(int index, int phys, int *depth)
{
    const int b = brace_tbl[phys].balance;
    const char *text = first_text(index);
    const int tabs = count_tabs(source_lines[index]);
    int &d = *depth;
    if (b > 0) {
        clear_stack_between(d + 1, d + b);
        d += b;
        if (!begins_with(text, "switch")) {
            stack_set(d, -1);
            return 0;
        }
        const int outer = nearest_entry(d - 1, 0);
        stack_set(d, tabs);
        return tabs == outer + 1 ? 0 : 1;
    }
    if (b < 0) {
        int result = 0;
        if (*text == '}') {
            const int recorded = stack_get(d);
            if (recorded >= 0) result = tabs == recorded ? 0 : 2;
            else result = tabs > nearest_entry(d, -1) ? 0 : 3;
        }
        d += b;
        if (d < 0) d = 0;
        return result;
    }
    if (begins_with(text, "case") || begins_with(text, "default")) return tabs == stack_get(d) ? 0 : 4;
    return 0;
}

// The depth of a line in the listing walk (after a positive balance).
int line_depth(int index, int depth)
{
    const int b = brace_tbl[index].balance;
    return b > 0 ? depth + b : depth;
}

// The depth after a line, from the depth before it.
int depth_after(int index, int depth)
{
    const int b = brace_tbl[index].balance;
    const int d = depth + b;
    return d < 0 ? 0 : d;
}

int deepest_nesting()
{
    int deepest = 0;
    int d = 0;
    for (int i = 0; i < line_count; ++i) {
        const int t = line_depth(i, d);
        if (t > deepest) deepest = t;
        d = depth_after(i, d);
    }
    return deepest;
}

enum nest_symbol { sym_none, sym_open, sym_close, sym_cont, sym_bar };

nest_symbol line_symbol(int index, int t)
{
    const brace_rec &rec = brace_tbl[index];
    if (t < 1) return sym_none;
    if (rec.balance >= 1) return sym_open;
    if (rec.balance < 0) return sym_close;
    if (rec.flags & nest_flag_cont) return sym_cont;
    return sym_bar;
}

// Opening a block at depth t: the levels it skips have no opening line.
void open_level(int index, int depth, int t)
{
    clear_stack_between(depth + 1, t);
    stack_set(t, index);
    brace_tbl[index].flags |= nest_flag_open;
}

// First pass: each opening line's chain runs over its middle and closing lines.
void chain_blocks()
{
    int tails[nest_stack_cap];
    for (int &tail : tails) tail = -1;
    clear_stack();
    int d = 0;
    for (int i = 0; i < line_count; ++i) {
        const int t = line_depth(i, d);
        const nest_symbol sym = line_symbol(i, t);
        if (sym == sym_open) {
            open_level(i, d, t);
            if (t < nest_stack_cap) tails[t] = i;
        } else if ((sym == sym_cont || sym == sym_close) && stack_get(t) >= 0) {
            brace_tbl[tails[t]].next = i;
            tails[t] = i;
        }
        d = depth_after(i, d);
    }
}

// Second pass: a chain is drawn at the smallest indentation among its lines.
void set_chain_columns()
{
    for (int i = 0; i < line_count; ++i) {
        if (!(brace_tbl[i].flags & nest_flag_open)) continue;
        int column = indent_width(source_lines[i], list_tab);
        for (int j = brace_tbl[i].next; j >= 0; j = brace_tbl[j].next) {
            const int w = indent_width(source_lines[j], list_tab);
            if (w < column) column = w;
        }
        for (int j = i; j >= 0; j = brace_tbl[j].next) brace_tbl[j].column = column;
    }
}

// A text being built into a fixed buffer; what does not fit is dropped.
struct text_out {
    char *buf;
    size_t size;
    size_t len;
};

void put_text(text_out &out, const char *text)
{
    for (; *text != '\0' && out.len + 1 < out.size; ++text) out.buf[out.len++] = *text;
    out.buf[out.len] = '\0';
}

void put_blanks(text_out &out, int n)
{
    for (int k = 0; k < n; ++k) put_text(out, " ");
}

int level_column(int depth, int fallback)
{
    const int opener = stack_get(depth);
    return opener >= 0 ? brace_tbl[opener].column : fallback;
}

const char *symbol_text(nest_symbol sym, int deepest)
{
    switch (sym) {
    case sym_open: return "┌";
    case sym_close: return "└";
    case sym_cont: return "├";
    case sym_bar: return "│";
    case sym_none: break;
    }
    return deepest == 0 ? "" : "  ";
}

// Level prefix, symbol and fill of a line at depth t.
void put_levels(text_out &out, int t, nest_symbol sym, int deepest)
{
    int prev = 0;
    for (int k = 1; k < t; ++k) {
        const int column = level_column(k, prev);
        put_blanks(out, column - prev);
        put_text(out, "│");
        prev = column;
    }
    if (t >= 1) {
        const int column = level_column(t, prev);
        put_blanks(out, column - prev);
    }
    put_text(out, symbol_text(sym, deepest));
    const int steps = deepest - t < deepest - 1 ? deepest - t : deepest - 1;
    const bool dashes = sym == sym_open || sym == sym_close || sym == sym_cont;
    for (int k = 0; k < steps; ++k) put_text(out, dashes ? "--" : "  ");
}

void column_text(char *buf, size_t size, int index, int t, int kind)
{
    if (kind == 'd') {
        const int b = brace_tbl[index].balance;
        char balance[16];
        if (b > 0) format_text(balance, sizeof balance, "+%d", b);
        else format_text(balance, sizeof balance, "%d", b);
        format_text(buf, size, "%3s %3d", balance, count_tabs(source_lines[index]));
    } else if (kind == 's') {
        char cls[5];
        copy_bounded(buf, size, line_class_text(index, cls));
    } else if (t > 0) {
        format_text(buf, size, "%3d ", t);
    } else {
        buf[0] = '\0';
    }
}

// Cuts the text to n bytes; a double-byte character split by the cut
// becomes one blank.
void cut_on_character(char *text, size_t n)
{
    if (strlen(text) <= n) return;
    size_t i = 0;
    while (i < n) i += is_sjis_lead((unsigned char)text[i]) && text[i + 1] != '\0' ? 2 : 1;
    if (i > n) text[n - 1] = ' ';
    text[n] = '\0';
}

struct list_shape {
    int layout;
    int kind;
    int deepest;
    int width;  // W of the field before the indentation
};

void write_list_line(FILE *fp, const list_shape &shape, int index, int t, char *field, size_t size)
{
    char head[64];
    char cls[32];
    column_text(cls, sizeof cls, index, t, shape.kind);
    if (shape.layout == 'E') format_text(head, sizeof head, "%-4s", cls);
    else format_text(head, sizeof head, "%5d:%-4s", index + 1, cls);
    text_out out = {field, size, 0};
    field[0] = '\0';
    put_text(out, head);
    put_levels(out, t, line_symbol(index, t), shape.deepest);
    put_text(out, ":");
    size_t field_len = (size_t)shape.width + (size_t)indent_width(source_lines[index], list_tab);
    if (field_len > size - 1) field_len = size - 1;
    cut_on_character(field, field_len);
    const size_t len = strlen(field);
    memset(field + len, ' ', field_len - len);
    field[field_len] = '\0';
    const char *text = expand_tabs(first_text(index), list_tab, 0);
    fputs(field, fp);
    fputs(text, fp);
    const size_t text_len = strlen(text);
    if (text_len == 0 || text[text_len - 1] != '\n') fputc('\n', fp);
}

void write_list_lines(FILE *fp, const list_shape &shape, char *field, size_t size)
{
    clear_stack();
    int d = 0;
    for (int i = 0; i < line_count; ++i) {
        const int t = line_depth(i, d);
        if (brace_tbl[i].balance > 0) open_level(i, d, t);
        write_list_line(fp, shape, i, t, field, size);
        d = depth_after(i, d);
    }
}

// Reads the loaded file for the listing, with the inactive regions labelled.
void read_for_listing(int kind)
{
    const int saved_mode = inactive_label_mode;
    const int saved_trace = anal_trace_on;
    prepare_reading();
    inactive_label_mode = 1;
    inactive_labels_on = 1;
    nest_counting = kind == '#';
    read_file(kind != '#' && kind != 's');
    add_inactive_range(1);
    nest_counting = 0;
    inactive_labels_on = 0;
    inactive_label_mode = saved_mode;
    anal_trace_on = saved_trace;
}

// A #if counter's line, or null when the counters are idle.
brace_rec *nest_line(int index)
{
    return nest_counting && valid_line(index) ? &brace_tbl[index] : nullptr;
}

}  // namespace

int nest_open(int index)
{
    brace_rec *rec = nest_line(index);
    if (rec == nullptr) return 0;
    ++rec->balance;
    ++rec->running;
    return 1;
}

int nest_close(int index)
{
    brace_rec *rec = nest_line(index);
    if (rec == nullptr) return 0;
    --rec->balance;
    --rec->running;
    return 1;
}

int nest_else(int index)
{
    brace_rec *rec = nest_line(index);
    if (rec == nullptr) return 0;
    rec->flags |= nest_flag_cont;
    return 1;
}

int check_indent(int *line, int count)
{
    const int saved_trace = anal_trace_on;
    prepare_reading();
    read_file(true);
    anal_trace_on = saved_trace;
    clear_stack();
    int depth = 0;
    if (count > line_count) count = line_count;
    // A line longer than a loaded entry continues in the next entries; the
    // lexer counts physical lines.
    bool continued = false;
    for (int i = 0, phys = 0; i < count; ++i) {
        const size_t n = strlen(source_lines[i]);
        const bool starts = !continued;
        const int p = phys;
        continued = n == 0 || source_lines[i][n - 1] != '\n';
        if (!continued) ++phys;
        if (!starts || (line_class[p] & 2)) continue;
        const int result = indent_line(i, p, &depth);
        if (result != 0) {
            *line = p + 1;
            return result;
        }
    }
    return 0;
}

namespace {

// 0, or the fault of one marker comment (text after its prefix).
int marker_fault(const char *rest)
{
    while ((*rest >= 'A' && *rest <= 'Z') || (*rest >= 'a' && *rest <= 'z') || *rest == '_') ++rest;
    if (*rest != '*') return 1;
    if (rest[1] != '/') return 2;
    return rest[2] != '\0' ? 3 : 0;
}

}  // namespace

int check_area_marks(int *line)
{
    const int saved_trace = anal_trace_on;
    prepare_reading();
    int result = 0;
    int r;
    while (result == 0 && (r = tokenize()) != -1) {
        *line = cur_line;
        if (r != 0 || strlen(cur_token) < 3) continue;
        if (begins_with(cur_token, "/*AREA:")) result = marker_fault(cur_token + 7);
        else if (begins_with(cur_token, "/*END:")) result = marker_fault(cur_token + 6);
    }
    anal_trace_on = saved_trace;
    return result;
}

int find_plain_comment(int *line)
{
    const int saved_trace = anal_trace_on;
    prepare_reading();
    int found = 0;
    int r;
    while (found == 0 && (r = tokenize()) != -1) {
        // a "//" comment comes as the bare "/*"
        if (r != 0 || !is_comment_token() || strlen(cur_token) < 3) continue;
        if (begins_with(cur_token, "/*AREA:") || begins_with(cur_token, "/*END:")) continue;
        *line = cur_line;
        found = 1;
    }
    anal_trace_on = saved_trace;
    return found;
}

int write_nesting_list(const char *source, const char *list, int layout, int kind)
{
    int count = 0;
    load_source(source, &count);
    read_for_listing(kind);
    dir_replacement out;
    if (!result_open(&out, list, result_in_home)) return 0;
    chain_blocks();
    set_chain_columns();
    list_shape shape = {layout, kind, deepest_nesting(), 0};
    shape.width = 2 * shape.deepest + (layout == 'E' ? 5 : 11);
    char *field = static_cast<char *>(area_alloc(list_area, area_data_size));
    if (field != nullptr) write_list_lines(out.fp, shape, field, area_data_size);
    area_free(list_area);
    return result_close(&out, false) == 0 ? 1 : 0;
}
