// The scanner of generated WORK sources.  A jump reads the source once,
// keeping the name path of the line it stands on (forms/name_path.h) and a
// remembered line; it stops at the line it looks for, or at the end of its
// procedure with the remembered line, and starts the editor there.
#include "generators/work_jumps.h"

#include <cstring>

#include "analyser/anal_host.h"
#include "forms/name_path.h"
#include "forms/prescan.h"
#include "shell/codeout.h"
#include "shell/dirs.h"
#include "shell/launcher.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "shell/words.h"

namespace {

// What a jump looks for inside its procedure.
enum jump_kind {
    jump_to_proc,     // the head, or a case label matched without id prefixes
    jump_to_case,     // a case label at a depth
    jump_to_default,  // the default label at the path's depth
    jump_to_area,     // a region marker
};

struct jump_request {
    jump_kind kind;
    const char *procedure;
    const char *case_name;
    const char *region;
    int depth;
    char marker[120];  // the marker text a region jump looks for
};

// What one line tells the scan.
enum scan_step {
    scan_go_on,       // read the next line
    scan_here,        // the target is this line
    scan_remembered,  // stop; the target is the remembered line
};

struct jump_state {
    line_count_rec counter;
    int target;     // the remembered line
    int in_proc;    // 1 after the procedure's head
    int in_case;    // 1 after the region's "WM" case label
};

const char *skip_blanks(const char *p)
{
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

// The ".c" of a form's name; other names unchanged.
void source_name(char *out, size_t size, const char *file)
{
    if (ends_with(file, ".f") || ends_with(file, ".F")) replace_ext(out, size, file, ".c");
    else copy_bounded(out, size, file);
}

// Opens the source found in the folder slots: the stream and its path, or null.
FILE *open_source(char *path, size_t size, const char *name)
{
    if (find_in_dirs(path, size, name, nullptr) != 1) return nullptr;
    return sys_fopen(path, "rb");
}

bool asks_inside(const jump_request &q)
{
    switch (q.kind) {
    case jump_to_proc:
    case jump_to_case:
        return q.case_name[0] != '\0';
    case jump_to_area:
        return q.region[0] != '\0';
    default:
        return true;
    }
}

scan_step area_line(const jump_request &q, jump_state &s, const char *line, int number)
{
    char label[100];
    if (q.case_name[0] != '\0') {
        if (is_wm_label(line, label, sizeof label)) {
            if (s.in_case) return scan_remembered;
            if (strcmp(label, q.case_name) == 0) {
                s.in_case = 1;
                s.target = number;
            }
            return scan_go_on;
        }
        if (!s.in_case) return scan_go_on;
    }
    return word_prefix(skip_blanks(line), q.marker) == 0 ? scan_here : scan_go_on;
}

scan_step inside_line(const jump_request &q, jump_state &s, const char *line, int number)
{
    follow_case_labels(line);
    char label[100];
    int depth = 0;
    switch (q.kind) {
    case jump_to_proc:
        return get_case_label(line, label) && case_names_match() &&
                       strcmp(skip_id_prefix(label), skip_id_prefix(q.case_name)) == 0
                   ? scan_here
                   : scan_go_on;
    case jump_to_case:
        return get_case_label_depth(line, &depth, label) && depth == q.depth && case_names_match() &&
                       strcmp(label, q.case_name) == 0
                   ? scan_here
                   : scan_go_on;
    case jump_to_default:
        return is_default_label(line) && count_tabs(line) == case_depth() && case_names_match() ? scan_here
                                                                                                : scan_go_on;
    default:
        return area_line(q, s, line, number);
    }
}

scan_step jump_line(const jump_request &q, jump_state &s, const char *line, int number)
{
    char head[100];
    const bool is_head = get_proc_head(line, head) != 0;
    if (q.procedure[0] == '\0') {  // a region at file level, before the first procedure
        if (is_head) return scan_remembered;
        return word_prefix(skip_blanks(line), q.marker) == 0 ? scan_here : scan_go_on;
    }
    if (!s.in_proc) {
        if (!is_head || strcmp(head, q.procedure) != 0) return scan_go_on;
        s.in_proc = 1;
        s.target = number;
        return asks_inside(q) ? scan_go_on : scan_here;
    }
    if (is_head) return scan_remembered;  // the next procedure: no more matches
    return inside_line(q, s, line, number);
}

int start_editor(const char *path, int line)
{
    char filled[param_size];
    fill_line_option(filled, sizeof filled, option, line);
    char command[launch_size];
    format_text(command, sizeof command, "\"%s\" %s \"%s\"", editor, filled, path);
    exec_wait(command, 0);
    return 0;
}

// The frame of every jump: find and scan the source, start the editor.
int run_jump(const char *file, const jump_request &q)
{
    char name[dir_path_size];
    source_name(name, sizeof name, file);
    char path[dir_path_size];
    FILE *fp = open_source(path, sizeof path, name);
    if (fp == nullptr) {
        char text[dir_path_size + 100];
        if (q.kind == jump_to_proc) format_text(text, sizeof text, "ソースファイル(%s)が見つかりません", name);
        else format_text(text, sizeof text, "ファイル(%s)が見つかりません", name);
        form_error_box(text);
        return 1;
    }
    clear_name_levels();
    jump_state s{};
    s.target = 1;
    char line[scan_line_size];
    while (read_scan_line(fp, line, sizeof line)) {
        const int number = count_line(&s.counter, line);
        const scan_step step = jump_line(q, s, line, number);
        if (step == scan_here) s.target = number;
        if (step != scan_go_on) break;
    }
    fclose(fp);
    return start_editor(path, s.target);
}

jump_request make_request(jump_kind kind, const char *procedure, const char *case_name)
{
    jump_request q{};
    q.kind = kind;
    q.procedure = procedure != nullptr ? procedure : "";
    q.case_name = case_name != nullptr ? case_name : "";
    q.region = "";
    return q;
}

// What line_to_rect remembers on its way to the line; -1 lines unseen.
struct owner_rec {
    char procedure[100];
    int proc_line;
    int wm_line;
    int id_line;
};

void note_owner(owner_rec &o, const char *line, int number)
{
    char name[100];
    if (get_proc_head(line, name)) {
        copy_bounded(o.procedure, sizeof o.procedure, name);
        o.proc_line = number;
        clear_name_levels();
        o.wm_line = o.id_line = -1;
    }
    int depth = 0;
    if (get_case_label_depth(line, &depth, name) && depth < name_path_levels) set_name_level(depth, name);
    if (get_case_label(line, name)) {
        if (word_prefix(name, "WM") == 0) {
            set_name_level('W', name);
            o.wm_line = number;
            o.id_line = -1;
        } else {
            set_name_level('I', name);
            o.id_line = number;
        }
    }
}

void report_owner(const char *file, int line, win_handle edit, int screen, const char *text, const owner_rec &o)
{
    char out[4096];
    if (o.procedure[0] == '\0') {
        format_text(out, sizeof out, "%s(%d):\r\nファイル(%s)の行番号(%d)では\r\nプロセージャを認識出来ませんでした\r\n",
                    file, line, file, line);
    } else {
        format_text(out, sizeof out,
                    "%s(%d):%s\r\n%s(%d):%s\r\n%s(%d):%s\r\n%s(%d):%s\r\n"
                    "ファイル(%s)の行番号(%d)は\r\nfunc(%s)wm(%s)id(%s)の直後にあります\r\n",
                    file, line, text, file, o.proc_line, o.procedure, file, o.wm_line, name_path.wm, file,
                    o.id_line, name_path.id, file, line, o.procedure, name_path.wm, name_path.id);
    }
    const int32_t start = code_out_length();
    window_text_append(edit, out);
    code_mark_add(0, 0, 0, start);
    if (o.procedure[0] == '\0') {
        error_boxf(screen, "ファイル(%s)の行番号(%d)ではプロセージャを認識出来ませんでした", file, line);
    } else if (screen == 0) {
        error_boxf(screen, "ファイル(%s)の行番号(%d)はfunc(%s)wm(%s)id(%s)の直後にあります", file, line, o.procedure,
                   name_path.wm, name_path.id);
    }
}

}  // namespace

int word_prefix(const char *text, const char *word) { return has_prefix(text, word); }

bool is_wm_label(const char *line, char *label, size_t size)
{
    return get_case_label(line, label, static_cast<int>(size)) && word_prefix(label, "WM") == 0;
}

void follow_case_labels(const char *line)
{
    char label[100];
    int depth = 0;
    if (get_case_label_depth(line, &depth, label)) set_name_level(depth, label);
    if (get_case_label(line, label)) set_name_level(word_prefix(label, "WM") == 0 ? 'W' : 'I', label);
}

bool is_default_label(const char *line)
{
    const char *p = skip_blanks(line);
    if (word_prefix(p, "default") != 0) return false;
    return *skip_blanks(p + 7) == ':';
}

int count_line(line_count_rec *counter, const char *line)
{
    if (counter->line == 0) {
        counter->line = 1;
        return 1;
    }
    if (counter->crlf) ++counter->line;
    ++counter->line;
    const size_t n = strlen(line);
    counter->crlf = n >= 2 && line[n - 2] == '\r' && line[n - 1] == '\n';
    return counter->line;
}

bool read_scan_line(FILE *fp, char *buf, size_t size)
{
    char head[scan_line_size];
    size_t n = 0;
    int last = 0;
    int before = 0;
    bool any = false;
    bool cut = false;
    int c;
    while ((c = fgetc(fp)) != EOF) {
        if (c == '\r') {
            const int next = fgetc(fp);
            if (next == '\n') c = '\n';
            else if (next != EOF) ungetc(next, fp);
        }
        any = true;
        before = last;
        last = c;
        if (n + 2 < sizeof head) head[n++] = static_cast<char>(c);
        else cut = true;
        if (c == '\n') break;
    }
    if (!any) return false;
    head[n] = '\0';
    if (!cut && n < size) {
        copy_bounded(buf, size, head);
        return true;
    }
    // the head cut on a character boundary, then the line's own ending
    const char *ending = last != '\n' ? "" : before == '\r' ? "\r\n" : "\n";
    if (!cut) head[n - strlen(ending)] = '\0';
    copy_bounded(buf, size > 2 ? size - 2 : size, head);
    const size_t len = strlen(buf);
    copy_bounded(buf + len, size - len, ending);
    return true;
}

int jump_proc(const char *file, const char *procedure, const char *case_name)
{
    return run_jump(file, make_request(jump_to_proc, procedure, case_name));
}

int jump_case(const char *file, const char *procedure, const char *case_name, int depth)
{
    jump_request q = make_request(jump_to_case, procedure, case_name);
    q.depth = depth;
    return run_jump(file, q);
}

int jump_default(const char *file, const char *procedure)
{
    return run_jump(file, make_request(jump_to_default, procedure, ""));
}

int jump_area(const char *file, const char *procedure, const char *case_name, const char *region, int mouse)
{
    jump_request q = make_request(jump_to_area, procedure, case_name);
    q.region = region != nullptr ? region : "";
    format_text(q.marker, sizeof q.marker, mouse == WM_RBUTTONDBLCLK ? "/*END:%s*/" : "/*AREA:%s*/", q.region);
    return run_jump(file, q);
}

int line_to_rect(const char *file, int line, win_handle edit, int screen, const char *text)
{
    char name[dir_path_size];
    source_name(name, sizeof name, file);
    char path[dir_path_size];
    FILE *fp = open_source(path, sizeof path, name);
    if (fp == nullptr) {
        error_boxf(screen, "ファイル(%s)が見つかりません", name);
        return 1;
    }
    clear_name_levels();
    owner_rec o{};
    o.proc_line = o.wm_line = o.id_line = -1;
    line_count_rec counter{};
    char buf[scan_line_size];
    bool found = false;
    while (!found && read_scan_line(fp, buf, sizeof buf)) {
        const int number = count_line(&counter, buf);
        note_owner(o, buf, number);
        found = number >= line;
    }
    fclose(fp);
    if (!found) {
        error_boxf(screen, "ファイル(%s)の行番号(%d)は見つかりません", name, line);
        return 1;
    }
    report_owner(name, line, edit, screen, text != nullptr ? text : "", o);
    return 0;
}
