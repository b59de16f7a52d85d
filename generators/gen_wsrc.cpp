// The WORK-form source generator: the checks of the form before any file
// is touched, and per root SOURCE box the choice between reusing and
// overwriting an existing source, its backup, the reuse checks, the writing
// through a temporary and the audit that no filled region was dropped.
#include "generators/gen_wsrc.h"

#include <cstring>
#include <vector>

#include "analyser/flow_nodes.h"
#include "analyser/listings.h"
#include "analyser/nesting.h"
#include "analyser/source_load.h"
#include "forms/kinds.h"
#include "forms/para.h"
#include "forms/rtree.h"
#include "generators/defs.h"
#include "generators/gen_support.h"
#include "generators/work_regions.h"
#include "generators/work_skeleton.h"
#include "shell/codeout.h"
#include "shell/dir_replace.h"
#include "shell/dirs.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/text.h"
#include "shell/winmsg.h"

namespace {

const int file_size = 512;

// ---- checks of the form ------------------------------------------------

int refuse(const char *text)
{
    form_error_box(text);
    return 1;
}

int refuse_named(const char *format, const char *name)
{
    char text[600];
    format_text(text, sizeof text, format, name);
    return refuse(text);
}

bool has_case_box()
{
    for (int i = gen_range.first_box; i < gen_range.end_box; ++i) {
        if (case_no(box_table[i].kind) >= 0) return true;
    }
    return false;
}

// An APP sub-form's parent-child links run downwards: false on the first that does not.
bool app_links_downward()
{
    bool app = false;
    for (int i = form_sta; i < form_num; ++i) app = app || kind_is(i, "APP");
    if (!app) return true;
    for (int l = l_sta; l < l_num; ++l) {
        const link_rec &k = link_table[l];
        if (k.from < 0 || (strcmp(k.name, "on_set") != 0 && strcmp(k.name, "CHILD") != 0)) continue;
        if (box_table[k.from].y >= box_table[k.to].y) return false;
    }
    return true;
}

// Each PROC box's sub-form opens whole and, as an APP form, has its windows
// above their children: 0, or 1 refused (the PROC box current for a link).
int check_proc_forms(int *refused_box)
{
    for (int i = gen_range.first_box; i < gen_range.end_box; ++i) {
        if (!kind_is(i, "PROC")) continue;
        char file[work_form_size];
        get_para(file, i, 1);
        const int r = work_open_form(file);
        if (r == 1) return refuse("フォームのスタックが一杯です、ソースの生成は出来ません");
        bool ok = true;
        if (r == 2) refuse_named("フォームファイル(%s)が見つかりません", file);
        else if (r == 3) refuse_named("フォームファイル(%s)を全部読めません、ソースの生成は出来ません", file);
        else ok = app_links_downward();
        work_close_form();
        if (r == 0 && !ok) {
            *refused_box = i;
            return refuse("APPﾌｫｰﾑ中で、親子関係の画面が上下位置関係が逆さなのでソースの生成は出来ません");
        }
        if (r != 0) return 1;
    }
    return 0;
}

bool has_work_box()
{
    for (int i = gen_range.first_box; i < gen_range.end_box; ++i) {
        if (kind_is(i, "WORK")) return true;
    }
    return false;
}

bool is_root_source(int i) { return kind_is(i, "SOURCE") && child_tree[i].parent < 0; }

// ---- the source file ----------------------------------------------------

// The name of the first folder slot holding name, with that slot's prefix
// (name itself when it names its folder already); false when none holds it.
bool resolve_source(const char *name, char *out, size_t size)
{
    if (has_dir_prefix(name) || is_drive_path(name)) {
        FILE *fp = dir_fopen(name, "rb");
        if (fp == nullptr) return false;
        fclose(fp);
        copy_bounded(out, size, name);
        return true;
    }
    for (int n = 0; n < dir_slot_count; ++n) {
        char folder[dir_path_size];
        if (!get_proj_dir(folder, n) || folder[0] == '\0') return false;
        format_text(out, size, "%c:%s", dir_char(n), name);
        FILE *fp = dir_fopen(out, "rb");
        if (fp != nullptr) {
            fclose(fp);
            return true;
        }
    }
    return false;
}

// The backup: a byte copy of the source in the home folder, put in place
// only when written whole.  0, or 1 reported.
int write_backup(const char *source, const char *backup)
{
    char temp[file_size];
    format_text(temp, sizeof temp, "%s.tmp", backup);
    FILE *in = dir_fopen(source, "rb");
    if (in == nullptr) return report_open_failure(source);
    FILE *out = home_fopen(temp, "wb");
    if (out == nullptr) {
        fclose(in);
        return report_open_failure(backup);
    }
    char buf[8192];
    bool ok = true;
    for (size_t n; (n = fread(buf, 1, sizeof buf, in)) > 0;) ok = ok && fwrite(buf, 1, n, out) == n;
    ok = ok && !ferror(in);
    fclose(in);
    ok = close_written(out) && ok;
    if (home_replace(backup, temp, ok) != 0) return report_open_failure(backup);
    return 0;
}

// The refusal of a reuse: the source as its box names it, the reason, the line.
int refuse_reuse(const char *name, const char *reason, int line)
{
    char text[1200];
    format_text(text, sizeof text, "流用ソースファイル(%s)に異常があります、流用は出来ません、\r\n%s\r\n%d行目の近辺に問題があります",
                name, reason, line);
    return refuse(text);
}

// The four checks of the loaded old source: 0, or 1 refused.
int check_old_source(const char *name, int count)
{
    int line = 0;
    if (check_area_marks(&line) != 0 || find_plain_comment(&line) != 0) {
        return refuse_reuse(name, "AREA,END文以外の/*...*/型のコメントがあります、ソースを見直して下さい", line);
    }
    const int pairs = check_area_pairs(&line);
    if (pairs >= 1 && pairs <= 7) {
        return refuse_reuse(name, "AREA:～END:の対応が取れていません、ソースを見直して下さい", line);
    }
    if (pairs >= 8) {
        return refuse_reuse(name, "#if,#ifdef～#endif間にAREA,CASE文関連の文があります、ソースを見直して下さい", line);
    }
    if (check_switch_tabs(&line) != 0) {
        return refuse_reuse(name, "switch,case,default,}文の前にタブ以外の文字があります、ソースを見直して下さい", line);
    }
    const int indent = check_indent(&line, count);
    if (indent == 1 || indent == 3) {
        return refuse_reuse(name, "switch,case,default,}文の字下げが正しくありません、ソースを見直して下さい", line);
    }
    if (indent != 0) {
        return refuse_reuse(name, "switch,case,default,}文の前のタブ数がばらばらです、ソースを見直して下さい", line);
    }
    return 0;
}

// Reuse of file (name as its box gives it): the old lines loaded, backed up
// and checked; 0 with work_old_lines set, or 1 stopped.
int prepare_reuse(const char *name, const char *file, const char *backup)
{
    flow_reset();
    int count = 0;
    if (load_source(file, &count) != 1) return report_open_failure(file);
    if (load_cut != 0) {
        return refuse_reuse(name, "ファイルを最後まで読めません、ソースを見直して下さい", count);
    }
    if (write_backup(file, backup) != 0) return 1;
    if (check_old_source(name, count) != 0) return 1;
    work_old_lines = count;
    return 0;
}

int ask(const char *text)
{
    host_beep();
    return msg_box(hwndO, text, msg_caption_text, MB_YESNO | MB_ICONQUESTION);
}

// The two questions for an existing source, which they name as its box
// does: 0 go on (reusing or not), 1 stopped.
int choose_reuse(const char *name, const char *file, const char *backup)
{
    char text[1500];
    format_text(text, sizeof text,
                "ソースファィル(%s)を流用しますが、よろしいですか？\r\nはいのとき、バックアップソースファイルは%sになります\r\n"
                "いいえのとき、新規に作成します",
                name, backup);
    if (ask(text) == IDYES) return prepare_reuse(name, file, backup);
    work_old_lines = 0;
    format_text(text, sizeof text, "既存のソースファィル(%s)を壊しますが、よろしいですか？", name);
    if (ask(text) == IDYES) return 0;
    msg_box(hwndO, "ソースの生成を中止します", msg_caption_text, MB_OK | MB_ICONEXCLAMATION);
    return 1;
}

const char *dropped_file;  // the source report_dropped names

// Names on the CODE output a filled branch of the old source that the new one
// no longer has.
void report_dropped(int line, const char *label)
{
    char text[600];
    format_text(text, sizeof text, "★流用ソースファイル(%s)の%d行目の%s:の記述は対応する矩形が無いので引き継がれません\r\n",
                dropped_file, line, label);
    code_print(text);
}

void report_dropped_branches(const char *file)
{
    dropped_file = file;
    work_branch_audit(report_dropped);
}

// Writes the new text to a temporary and puts it in place when whole and
// every filled region of the old source was carried; the refusals name the
// source as its box does.
int write_source(int source, const char *name, const char *file)
{
    dir_replacement r;
    if (!dir_replace_open(&r, file)) return report_open_failure(file);
    work_out = r.fp;
    work_write_source(source);
    int line = 0;
    const int fault = work_old_lines > 0 ? work_carry_audit(&line) : 0;
    work_out = nullptr;
    if (dir_replace_close(&r, fault == 0 && !ferror(r.fp)) != 0 && fault == 0) return report_open_failure(file);
    if (fault == 0 && work_old_lines > 0) report_dropped_branches(name);
    if (fault == carry_dropped) {
        return refuse_reuse(name, "新しいソースに無い領域(AREA～END)に記述があります、フォームを見直して下さい", line);
    }
    if (fault == carry_duplicate) {
        return refuse_reuse(name, "同じ領域(AREA～END)が二つあります、ソースを見直して下さい", line);
    }
    return 0;
}

// ---- the form's state around a run --------------------------------------

struct saved_form {
    std::vector<link_rec> links;
    int first_link;
    int cur_box, cur_link;
    char name[sizeof cur_form_name];
};

saved_form save_form_state(int first_link, int end_link)
{
    saved_form s;
    s.links.assign(link_table + first_link, link_table + end_link);
    s.first_link = first_link;
    s.cur_box = cur_box;
    s.cur_link = cur_link;
    copy_bounded(s.name, sizeof s.name, cur_form_name);
    return s;
}

void restore_form_state(const saved_form &s, int made_current)
{
    std::copy(s.links.begin(), s.links.end(), link_table + s.first_link);
    copy_bounded(cur_form_name, sizeof cur_form_name, s.name);
    cur_link = s.cur_link;
    cur_box = made_current >= 0 ? made_current : s.cur_box;
    set_form_range(form_sta, form_num, l_sta, l_num);
    rtree_build();
}

int run(int *made_current)
{
    if (has_case_box()) return refuse("CASEn矩形があるとソースの生成は出来ません");
    if (check_proc_forms(made_current) != 0) return 1;
    if (!has_work_box()) return refuse("WORK矩形が見つかりません");
    sort_links_by_y();
    child_tree_build_by_y();
    read_wtype();
    read_itype();
    for (int i = gen_range.first_box; i < gen_range.end_box; ++i) {
        if (!is_root_source(i)) continue;
        const int d = find_default_conflict(i, -1);
        if (d < 0) continue;
        refuse("DEFAULT矩形配下にWM矩形或いはID矩形或いはDEFAULT矩形があります");
        *made_current = d;
        host_redraw(hwndO, form_redraw_flags);
        return 1;
    }
    for (int i = gen_range.first_box; i < gen_range.end_box; ++i) {
        if (is_root_source(i)) gen_wsrc_file(i);
    }
    return 0;
}

}  // namespace

int find_default_conflict(int box, int d)
{
    if (d >= 0 && (kind_is(box, "WM") || kind_is(box, "ID") || kind_is(box, "DEFAULT") || case_no(box_table[box].kind) >= 0)) {
        return d;
    }
    if (d < 0 && kind_is(box, "DEFAULT")) d = box;
    for (int c = child_tree[box].first; c >= 0; c = child_tree[c].next) {
        const int r = find_default_conflict(c, d);
        if (r >= 0) return r;
    }
    return -1;
}

int gen_wsrc_file(int source)
{
    work_regions_reset();
    char name[file_size], backup[file_size], file[file_size];
    get_para(name, source, 0);
    copy_bounded(backup, sizeof backup, name);
    cut_extension(backup);
    format_text(backup + strlen(backup), sizeof backup - strlen(backup), ".BK");
    if (name[0] == '\0' || work_collect(source) != 0) return 0;
    if (resolve_source(name, file, sizeof file)) {
        if (choose_reuse(name, file, backup) != 0) return 0;
    } else {
        copy_bounded(file, sizeof file, name);
    }
    write_source(source, name, file);
    work_old_lines = 0;
    return 0;
}

int gen_wsrc(const char *, const char *, int first_box, int end_box, int first_link, int end_link)
{
    const saved_form saved = save_form_state(first_link, end_link);
    set_form_range(first_box, end_box, first_link, end_link);
    drop_link_index();
    int made_current = -1;
    run(&made_current);
    work_lists_reset();
    restore_form_state(saved, made_current);
    return 0;
}
