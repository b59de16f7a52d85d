// The call tables of the function-tree build: the relations of one file,
// their fold into the source, name, function and call tables, the call-line
// list "ftree_t.txt" and the tree listing with the walk's roots.
#include "analyser/calls.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "analyser/anal_host.h"
#include "analyser/body_scan.h"
#include "analyser/report.h"
#include "analyser/result_files.h"
#include "analyser/tree_walk.h"
#include "shell/codeout.h"
#include "shell/dirs.h"
#include "shell/lbuf.h"
#include "shell/text.h"

char **SRCTBL;
char **name_tbl;
func_rec *FUNCTBL;
call_rec *CALLTBL;
trig_rec *trig;
int snum, nnum, func_num, call_num;
int tnum;
int trig_total;
int trig_num;
int aft = -1;
int func_head_num;
int trig_skip_check;
int tree_external;

namespace {

const int src_area = 3;
const int name_area = 4;
const int name_text_size = 1024;

after_rec *after_tbl;
int after_num;
int *name_links;
int name_heads[name_hash_size];
int32_t name_heads_of_tree[MAX_NAME];
int32_t name_tails_of_tree[MAX_NAME];
int chain_rows;  // rows [0, chain_rows) of the two chain tables are in use; the rest are set when first asked for
dir_replacement ftree_t_out;  // "ftree_t.txt" through its temporary
FILE *ftree_t_fp;             // ftree_t_out's stream while it is open

// Group state of store_relation and the source cache of add_trig.
int last_source = -1;
int last_caller = -1;
int last_caller_line = -1;
int src_cache = -1;
int src_started;

// The overflow messages, each shown once per build.
enum once_message {
    once_src,
    once_memory,
    once_func,
    once_call,
    once_name,
    once_trig,
    once_after,
    once_ftree_t,
    once_count
};
int shown[once_count];

void show_once(once_message m, const char *text)
{
    if (shown[m]) return;
    shown[m] = 1;
    code_print(text);
}

void show_once_count(once_message m, const char *format, int count)
{
    if (shown[m]) return;
    char text[200];
    format_text(text, sizeof text, format, count);
    show_once(m, text);
}

template <typename T> T *alloc_table(int n) { return static_cast<T *>(calloc(static_cast<size_t>(n), sizeof(T))); }

// A table whose rows are written as they are counted and read only below the
// count: left uninitialised, so that a small table is not cleared in full.
template <typename T> T *alloc_rows(int n) { return static_cast<T *>(malloc(static_cast<size_t>(n) * sizeof(T))); }

template <typename T> void free_table(T *&table)
{
    free(table);
    table = nullptr;
}

// The chain row of name slot i (0 for a slot outside the tables), set to
// no chain when it comes into use.
int chain_row(int i)
{
    const int row = i >= 0 && i < MAX_NAME ? i : 0;
    for (; chain_rows <= row; ++chain_rows) name_heads_of_tree[chain_rows] = name_tails_of_tree[chain_rows] = -1;
    return row;
}

int name_hash(const char *name)
{
    unsigned sum = 0;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(name); *p != '\0'; ++p) sum += *p;
    return static_cast<int>(sum % name_hash_size);
}

void free_tables()
{
    free_table(SRCTBL);
    free_table(FUNCTBL);
    free_table(CALLTBL);
    free_table(after_tbl);
    free_table(trig);
    name_tbl_free();
    area_free(src_area);
}

int allocate_tables()
{
    SRCTBL = alloc_rows<char *>(MAX_SRC);
    FUNCTBL = alloc_table<func_rec>(MAX_FUNC);
    CALLTBL = alloc_table<call_rec>(MAX_CALL);
    after_tbl = alloc_table<after_rec>(MAX_AFTER);
    trig = alloc_table<trig_rec>(MAX_TRIG);
    if (SRCTBL == nullptr || FUNCTBL == nullptr || CALLTBL == nullptr || after_tbl == nullptr || trig == nullptr ||
        name_tbl_init() != 0) {
        free_tables();
        return 1;
    }
    return 0;  // a record's fields are set when it is added: the pages of the rows never used stay untouched
}

void reset_counts()
{
    snum = nnum = func_num = call_num = 0;
    tnum = trig_total = trig_num = 0;
    after_num = 0;
    aft = -1;
    last_source = last_caller = last_caller_line = -1;
    src_cache = -1;
    src_started = 0;
    func_head_num = 0;
    trig_skip_check = 0;
    for (int &s : shown) s = 0;
    tree_walk_rearm();
}

// The caller name without its nesting apostrophes.
void bare_caller(const char *caller, char *out, size_t size)
{
    while (*caller == '\'') ++caller;
    copy_bounded(out, size, caller);
    char *quote = strchr(out, '\'');
    if (quote != nullptr) *quote = '\0';
}

// The SRCTBL index of the relation's file; -2 when the first file of the
// build cannot be entered.
int trig_source(const char *file)
{
    if (!src_started) {
        src_cache = add_src(file);
        if (src_cache < 0) return -2;
        src_started = 1;
    } else if (src_cache < 0 || strcmp(SRCTBL[src_cache], file) != 0) {
        src_cache = add_src(file);
    }
    return src_cache;
}

// A name for the relation tables, with the once-per-build message when it
// cannot be interned.
int trig_name(const char *name)
{
    const int i = intern_name(name);
    if (i < 0) show_once_count(once_name, "★★★E2424 Over name_tbl(%d)★★★\r\n", MAX_NAME);
    return i;
}

// Gives kind 1 to the relations of a static function's body and marks the
// plain calls of it in this file as file-private.
void mark_static_functions()
{
    for (int i = 0; i < trig_num; ++i) {
        if (trig[i].kind != 1) continue;
        const int caller = trig[i].caller;
        for (int j = 0; j < trig_num; ++j) {
            trig_rec &r = trig[j];
            if (r.caller == caller) r.kind = 1;
            if (r.param < 0 && r.local == 0 && r.callee == caller) r.local = 1;
        }
    }
}

void store_trig(trig_rec &r)
{
    const int def_scope = r.kind == 1 ? r.source : -1;
    if (r.param < 0) {
        if (r.local == 1) {
            r.param = -2;
            r.local = r.source;
        } else {
            r.local = -1;
        }
    }
    store_relation(r.param, def_scope, r.local, r.source, r.caller, r.caller_line, r.callee, r.callee_line);
}

// The record of the same callee in the current caller group, -1 none.
int group_record(int callee)
{
    for (int i = aft; i < call_num; ++i) {
        if (CALLTBL[i].callee == callee) return i;
    }
    return -1;
}

void write_chain(const call_rec &r, int first)
{
    fprintf(ftree_t_fp, "%s %s", src_name(r.source), name_at(FUNCTBL[r.callee].name));
    for (int a = first; a >= 0; a = after_tbl[a].next) fprintf(ftree_t_fp, " %d", after_tbl[a].line);
    fputc('\n', ftree_t_fp);
}

void reset_walk_state()
{
    for (int i = 0; i < func_num; ++i) {
        FUNCTBL[i].called = 0;
        FUNCTBL[i].expanded = 0;
        FUNCTBL[i].root = -2;
    }
    for (int i = 0; i < call_num; ++i) CALLTBL[i].first_child = CALLTBL[i].last_child = CALLTBL[i].next_sibling = -1;
}

void build_child_lists()
{
    int head = -1;
    for (int i = 0; i < call_num; ++i) {
        call_rec &r = CALLTBL[i];
        if (r.callee < 0) {
            head = i;
            continue;
        }
        if (head < 0) continue;
        call_rec &h = CALLTBL[head];
        if (h.last_child < 0) h.first_child = i;
        else CALLTBL[h.last_child].next_sibling = i;
        h.last_child = i;
        FUNCTBL[r.callee].called = 1;
    }
}

void write_source_lines(FILE *fp)
{
    for (int i = 0; i < snum; ++i) fprintf(fp, "S%05d %s\n", i, SRCTBL[i]);
}

// A copy of text in the pool area, or null when the area is full.
char *area_copy(int area, const char *text)
{
    const size_t size = strlen(text) + 1;
    char *copy = static_cast<char *>(area_alloc(area, size));
    if (copy != nullptr) memcpy(copy, text, size);
    return copy;
}

void write_table_lines(FILE *fp)
{
    write_project_lines(fp);
    write_source_lines(fp);
    for (int i = 0; i < nnum; ++i) fprintf(fp, "N%05d %s\n", i, name_tbl[i]);
    for (int i = 0; i < func_num; ++i) {
        const func_rec &f = FUNCTBL[i];
        fprintf(fp, "%c%05d %s %d %s %d\n", f.line < 0 ? 'A' : 'G', i, src_name(f.src), f.line, name_at(f.name),
                f.scope);
    }
}

// One root: its box at depth 0 and the walk below it.
void walk_root(int head, int box_kind, int root)
{
    const call_rec &h = CALLTBL[head];
    func_rec &f = FUNCTBL[h.caller];
    last_tree_box = add_tree_box(h.source, h.caller_line, 0, f.name, box_kind, h.source, h.call_line, f.line, f.kind);
    f.root = root;
    tree_walk(head, 1, root);
    f.root = -1;
}

// First the functions nobody calls and the duplicates, then what only a
// cycle of calls reaches.
void walk_roots()
{
    for (int i = 0; i < call_num; ++i) {
        if (CALLTBL[i].callee >= 0) continue;
        const func_rec &f = FUNCTBL[CALLTBL[i].caller];
        if (f.dup) walk_root(i, f.kind < 0 ? 2 : 4, i);
        else if (!f.called) walk_root(i, 0, i);
    }
    for (int i = 0; i < call_num; ++i) {
        if (CALLTBL[i].callee >= 0) continue;
        const func_rec &f = FUNCTBL[CALLTBL[i].caller];
        if (f.called && !f.dup && f.root == -2) walk_root(i, 0, call_num + i);
    }
}

void report_limits()
{
    code_printf("■■■ E2626 MAX_SRC(%d) MAX_FUNC(%d) MAX_CALL(%d) MAX_NAME(%d) MAX_TRIG(%d)\r\n", MAX_SRC, MAX_FUNC,
                MAX_CALL, MAX_NAME, MAX_TRIG);
    code_printf("■■■ E2626 snum(%d) fnum(%d) cnum(%d) aft(%d) nnum(%d) tnum(%d)\r\n", snum, func_num, call_num,
                last_tree_box, nnum, tnum);
}

}  // namespace

int write_ftree_t()
{
    call_tables_release();
    reset_counts();
    result_open(&ftree_t_out, "ftree_t.txt", result_in_cwd);
    ftree_t_fp = ftree_t_out.fp;
    if (ftree_t_fp == nullptr) show_once(once_ftree_t, "★★★E2222 Open ftree_t.txt★★★\r\n");
    if (allocate_tables() != 0) {
        if (ftree_t_fp != nullptr) dir_replace_close(&ftree_t_out, false);
        ftree_t_fp = nullptr;
        return 1;
    }
    return 0;
}

int call_tables_release()
{
    if (CALLTBL != nullptr) flush_call_chains();
    const int unwritten = result_close(&ftree_t_out, false);
    ftree_t_fp = nullptr;
    free_tables();
    snum = nnum = func_num = call_num = 0;
    trig_num = 0;
    aft = -1;
    return unwritten;
}

int call_tables_reset()
{
    call_tables_release();
    reset_counts();
    tree_external = 0;
    name_chain_reset();
    return 0;
}

int name_tbl_init()
{
    name_tbl_free();
    name_tbl = alloc_rows<char *>(MAX_NAME);
    name_links = alloc_rows<int>(MAX_NAME);
    if (name_tbl == nullptr || name_links == nullptr) {
        name_tbl_free();
        return 1;
    }
    for (int &h : name_heads) h = -1;
    return 0;
}

int name_tbl_free()
{
    free_table(name_tbl);
    free_table(name_links);
    nnum = 0;
    area_free(name_area);
    return 0;
}

int add_trig(int kind, const char *file, const char *caller, int caller_line, const char *callee, int callee_line)
{
    if (trig == nullptr) return 0;
    char caller_name[name_text_size];
    bare_caller(caller, caller_name, sizeof caller_name);
    if (!trig_skip_check && !is_ident_start(callee)) return 0;
    trig_skip_check = 0;
    char callee_name[name_text_size];
    copy_bounded(callee_name, sizeof callee_name, callee);
    int param = -1;
    int local = 0;
    if (kind == 5) {
        const int p = param_index(callee);
        if (p >= 0) {
            param = p;
            local = func_head_num;
            format_text(callee_name, sizeof callee_name, "(*%s)()", callee);
        }
    }
    const int source = trig_source(file);
    if (source == -2) return 2;
    const int caller_index = trig_name(caller_name);
    if (caller_index < 0) return 3;
    const int callee_index = trig_name(callee_name);
    if (callee_index < 0) return 5;
    if (trig_num >= MAX_TRIG) {
        show_once_count(once_trig, "★★★E2525 Over trig(%d)★★★\r\n", MAX_TRIG);
        return 7;
    }
    trig[trig_num++] = {param, kind, local, source, caller_index, caller_line, callee_index, callee_line};
    return 0;
}

int flush_trigs()
{
    if (trig == nullptr) return 0;
    if (trig_num > tnum) tnum = trig_num;
    trig_total += trig_num;
    mark_static_functions();
    for (int i = 0; i < trig_num; ++i) store_trig(trig[i]);
    trig_num = 0;
    return 0;
}

int store_relation(int param, int def_scope, int callee_scope, int source, int caller, int caller_line, int callee,
                   int call_line)
{
    if (is_call_keyword(name_at(callee))) return 0;
    if (source < 0) return last_source < 0 ? -2 : -1;
    int caller_rec = last_caller;
    if (caller_rec < 0 || FUNCTBL[caller_rec].name != caller) {
        caller_rec = add_func(def_scope < 0 ? -1 : -2, def_scope, caller, source, caller_line);
        if (caller_rec == -1) return -3;
        if (caller_rec < 0) return -4;
    }
    func_rec &c = FUNCTBL[caller_rec];
    if (c.src != source || c.line != caller_line) c.dup = 1;
    const int callee_rec = add_func(param, callee_scope, callee, -1, -1);
    if (callee_rec == -1) return -5;
    if (aft < 0 || source != last_source || caller_rec != last_caller || caller_line != last_caller_line) {
        const int rec = add_call(source, caller_rec, callee_rec, caller_line, call_line);
        if (rec < 0) return -10;
        flush_call_chains();
        aft = rec;
    } else {
        int rec = group_record(callee_rec);
        if (rec < 0) {
            rec = add_call(source, caller_rec, callee_rec, caller_line, call_line);
            if (rec < 0) return -6;
        }
        add_call_after(rec, call_line);
    }
    last_source = source;
    last_caller = caller_rec;
    last_caller_line = caller_line;
    return 0;
}

int add_src(const char *name)
{
    for (int i = 0; i < snum; ++i) {
        if (strcmp(SRCTBL[i], name) == 0) return i;
    }
    if (snum >= MAX_SRC) {
        show_once_count(once_src, "★★★E2727 Over SRCTBL(%d)★★★\r\n", snum);
        return -1;
    }
    char *copy = area_copy(src_area, name);
    if (copy == nullptr) {
        show_once(once_memory, "Q000 バッファ不足\r\n");
        return -1;
    }
    SRCTBL[snum] = copy;
    return snum++;
}

int add_func(int kind, int scope, int name, int src, int line)
{
    if (name_at(name)[0] == '\0') return -22;
    for (int i = 0; i < func_num; ++i) {
        func_rec &f = FUNCTBL[i];
        if (f.scope != scope || f.name != name) continue;
        if (f.src == -1) f.src = src;
        if (f.line == -1) f.line = line;
        return i;
    }
    if (func_num >= MAX_FUNC) {
        show_once_count(once_func, "★★★E2828 Over FUNCTBL(%d)★★★\r\n", func_num);
        return -1;
    }
    FUNCTBL[func_num] = {scope, 0, 0, 0, static_cast<int8_t>(kind), -2, -1, src, line, name};
    return func_num++;
}

int add_call(int source, int caller, int callee, int caller_line, int call_line)
{
    if (call_num >= MAX_CALL) {
        show_once_count(once_call, "★★★E2929 Over CALLTBL(%d)★★★\r\n", call_num);
        return -1;
    }
    CALLTBL[call_num] = {-1, -1, -1, caller, callee, caller_line, call_line, -1, source};
    if (callee < 0) FUNCTBL[caller].head = call_num;
    return call_num++;
}

int add_call_after(int record, int line)
{
    if (record < 0 || record >= call_num) return 0;
    if (after_num >= MAX_AFTER) {
        show_once_count(once_after, "★★★E2323 Over call lines(%d)★★★\r\n", MAX_AFTER);
        return 0;
    }
    after_tbl[after_num] = {line, -1};
    int32_t *link = &CALLTBL[record].after;
    while (*link >= 0) link = &after_tbl[*link].next;
    *link = after_num++;
    return 0;
}

int flush_call_chains()
{
    for (int i = aft < 0 ? 0 : aft; i < call_num; ++i) {
        call_rec &r = CALLTBL[i];
        const int first = r.after;
        if (first < 0) continue;
        r.after = -1;
        if (r.callee >= 0 && ftree_t_fp != nullptr) write_chain(r, first);
    }
    after_num = 0;
    return 0;
}

int intern_name(const char *name)
{
    const int h = name_hash(name);
    for (int i = name_heads[h]; i >= 0; i = name_links[i]) {
        if (strcmp(name_tbl[i], name) == 0) return i;
    }
    if (nnum >= MAX_NAME) return -3;
    char *copy = area_copy(name_area, name);
    if (copy == nullptr) return -4;
    name_tbl[nnum] = copy;
    name_links[nnum] = name_heads[h];
    name_heads[h] = nnum;
    return nnum++;
}

int name_index(const char *name)
{
    for (int i = 0; i < nnum; ++i) {
        if (strcmp(name_tbl[i], name) == 0) return i;
    }
    return -1;
}

const char *name_at(int i) { return i >= 0 && i < nnum ? name_tbl[i] : ""; }

const char *src_name(int i) { return i >= 0 && i < snum ? SRCTBL[i] : "?"; }

int is_call_keyword(const char *name)
{
    static const char *const words[] = {"if", "while", "for", "switch", "return", "sizeof", "LOWORD", "HIWORD"};
    for (const char *w : words) {
        if (strcmp(name, w) == 0) return 1;
    }
    return 0;
}

int is_ident_start(const char *text)
{
    const char c = text[0];
    return c == '\0' || c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int32_t *name_head_ref(int i) { return &name_heads_of_tree[chain_row(i)]; }

int32_t *name_tail_ref(int i) { return &name_tails_of_tree[chain_row(i)]; }

int name_chain_reset()
{
    chain_rows = 0;
    return 0;
}

int write_ftree()
{
    if (CALLTBL == nullptr) return 0;
    clear_rtree();
    reset_walk_state();
    build_child_lists();
    FILE *fp = ftree_s_stream();
    if (fp != nullptr) write_table_lines(fp);
    walk_roots();
    report_limits();
    return 0;
}

int write_ftree_sources()
{
    dir_replacement out;
    if (!result_open(&out, "ftree_f.txt", result_in_cwd)) return 1;
    write_source_lines(out.fp);
    return result_close(&out, false);
}
