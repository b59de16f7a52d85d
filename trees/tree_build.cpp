// The tree build of the main screen and the F10 toggle: questions and
// stops through the screen boxes, the work between them in named steps.
#include "trees/tree_build.h"

#include <cstring>

#include "analyser/anal_inputs.h"
#include "analyser/anal_main.h"
#include "analyser/calls.h"
#include "analyser/search_keys.h"
#include "forms/box_paint.h"
#include "forms/formfile.h"
#include "forms/model.h"
#include "forms/queries.h"
#include "forms/undo.h"
#include "shell/codeout.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "trees/ftree_files.h"
#include "trees/multi_cur.h"
#include "trees/tree_box.h"
#include "trees/tree_form.h"
#include "trees/tree_links.h"

namespace {

const char form_file[] = "ftree.f";
const char listing_file[] = "ftree_s.txt";
const char sources_file[] = "ftree_f.txt";
const char calls_file[] = "ftree_t.txt";
const char not_tree_text[] = "関数ツリーでないので抽出できません";
const int text_size = 1024;

int say(const char *text, unsigned style) { return msg_box(hwndE, text, msg_caption_text, style); }

int stop(const char *text, int result)
{
    restore_cursor();
    say(text, MB_OK | MB_ICONHAND);
    return result;
}

// The questions: externals, and the extraction with its key.  tree_built to go on.
int ask_questions(const char *category, const char *target)
{
    char name[text_size], key[text_size];
    copy_bounded(name, sizeof name, category);
    trim_blanks(name);
    if (name[0] == '\0' || !is_source_file(name)) {
        say("カテゴリ欄にソースファイル名が設定されていません、\r\nワイルドカードの使用が可能です", MB_OK | MB_ICONHAND);
        return tree_no_category;
    }
    const int externals = say("外部関数を含めて関数ツリーを作成しますか？", MB_YESNOCANCEL | MB_ICONQUESTION);
    if (externals == IDCANCEL) return tree_cancelled;
    tree_external = externals == IDYES ? 1 : 0;
    copy_bounded(key, sizeof key, target);
    trim_blanks(key);
    tree_extract = 0;
    if (!tree_external ||
        say("多重論理検索又は対象欄の論理検索キイで\r\n関数ツリーを抽出しますか？", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return tree_built;
    }
    if (multi_key_num > 0) {
        say("多重論理検索の登録がありますので多重論理検索を実行します", MB_OK | MB_ICONEXCLAMATION);
        copy_bounded(key, sizeof key, "YYYYY");
    } else if (key[0] == '\0') {
        say("対象欄に論理検索キイを設定して下さい!", MB_OK | MB_ICONHAND);
        return tree_no_key;
    } else {
        blanks_to_at(key);
        set_search_key(key);
    }
    tree_extract = 1;
    return tree_built;
}

// The builder over the call tables, the listing and the tree form; the
// call tables and the builder's tables are released on every path.
int write_tree_files()
{
    if (ftree_alloc() != 0) {
        tree_extract = 0;
        call_tables_release();
        return stop("メモリを確保出来ませんでした", tree_no_memory);
    }
    const char *failed = nullptr;
    if (ftree_s_open(listing_file) != 0) {
        failed = listing_file;
    } else {
        tree_level_reset();
        write_ftree();
        const int form = ftree_s_close() != 0 ? -1 : write_tree_form(form_file);
        if (form != 0) failed = form < 0 ? listing_file : form == 1 ? form_file : sources_file;
    }
    if (call_tables_release() != 0 && failed == nullptr) failed = calls_file;
    ftree_free();
    if (failed == nullptr) return tree_built;
    tree_extract = 0;
    char text[300];
    format_text(text, sizeof text, "関数ツリーのファイル(%s)を書き込めませんでした", failed);
    return stop(text, tree_unwritable);
}

// The form afresh from the file, with its pointer marks.
int load_tree_form()
{
    form_reset();
    const int r = load_form(form_file);
    if (r == 1) return stop("関数ツリーのファイル(ftree.f)を読み込めませんでした", tree_not_loaded);
    if (r == 2) say("関数ツリーが大きすぎるため、途中までを読み込みました", MB_OK | MB_ICONEXCLAMATION);
    ftree_mark_s();
    return tree_built;
}

// Sizes the boxes to their texts and lays the WORK tree out.
void fit_and_lay_out()
{
    reset_cur_prop();
    undo_clear();
    get_qfont();
    fit_all_boxes(hwndO);
    layout_work_form();
}

void print_limits()
{
    int max_form = 0, max_link = 0, para_size = 0, para_use = 0, boxes = 0, links = 0, parents_max = 0, parents = 0;
    get_form_limits(&max_form, &max_link, &para_size, &para_use, &boxes, &links, &parents_max, &parents);
    char text[300];
    format_text(text, sizeof text, "E252525 MAX_FORM(%d) MAX_LINK(%d) MAX_MBUF(%d) MAX_MLINK(%d)\r\n", max_form,
                max_link, para_size, parents_max);
    code_print(text);
    format_text(text, sizeof text, "fnum(%d) lnum(%d) pnum(%d) mnum(%d)\r\n", boxes, links, para_use, parents);
    code_print(text);
}

bool is_tree_form_name(const char *name)
{
    const char *p = strncmp(name, "0:", 2) == 0 ? name + 2 : name;
    char lower[sizeof cur_form_name];
    copy_bounded(lower, sizeof lower, p);
    for (char *c = lower; *c != '\0'; ++c) {
        if (*c >= 'A' && *c <= 'Z') *c = static_cast<char>(*c - 'A' + 'a');
    }
    return strcmp(lower, form_file) == 0;
}

// Reloads the tree; the full tree when the last toggle extracted, else the
// extraction around box r.
int toggle_loaded(int r, bool extracted)
{
    if (extracted) {
        tree_view_flag = 0;
        if (r >= 0) set_cur_box(box_abs_index(r));
        restore_cursor();
        return 0;
    }
    tree_view_flag = 1;
    form_recalc();
    if (ftree_extract(r) != 0) {
        restore_cursor();
        say(not_tree_text, MB_OK | MB_ICONHAND);
        return toggle_not_tree;
    }
    fit_and_lay_out();
    if (r >= 0) set_cur_box(box_abs_index(r));
    restore_cursor();
    return 0;
}

// Empties the form and loads the tree keeping the registrations; whether
// the last toggle had extracted.
bool reload_tree()
{
    set_wait_cursor();
    form_reset();
    const bool extracted = tree_view_flag != 0;
    load_form_keep(form_file);
    return extracted;
}

}  // namespace

int run_tree_build(const char *category, const char *target, tree_analyse_fn analyse)
{
    int r = ask_questions(category, target);
    if (r != tree_built) return r;
    tree_mode = 1;
    analyse();
    tree_mode = 0;
    set_wait_cursor();
    r = write_tree_files();
    if (r == tree_built) r = load_tree_form();
    if (r != tree_built) return r;
    // The whole tree is laid out and saved before any extraction, so F10
    // can bring it back.
    fit_and_lay_out();
    save_form(form_file);
    if (tree_extract) {
        tree_extract = 0;
        if (ftree_extract(-1) != 0) return stop(not_tree_text, tree_not_extracted);
        fit_and_lay_out();
    }
    restore_cursor();
    print_limits();
    return tree_built;
}

int tree_view_toggle(int r)
{
    if (!is_tree_form_name(cur_form_name)) {
        say(not_tree_text, MB_OK | MB_ICONHAND);
        return toggle_not_tree;
    }
    if (!tree_view_flag && !multi_extract_mode && r < 0) {
        say("カレント矩形が有りません", MB_OK | MB_ICONHAND);
        return toggle_no_box;
    }
    return toggle_loaded(r, reload_tree());
}

int tree_view_toggle_at(const char *file, const char *name, int line)
{
    if (!is_tree_form_name(cur_form_name)) {
        say(not_tree_text, MB_OK | MB_ICONHAND);
        return toggle_not_tree;
    }
    const bool extracted = reload_tree();
    if (extracted) return toggle_loaded(-1, true);
    const int r = ftree_check_s(file, name, line);
    if (r < 0) {
        restore_cursor();
        say("関数ツリーに該当する関数の矩形がありません", MB_OK | MB_ICONHAND);
        return toggle_not_found;
    }
    return toggle_loaded(r, false);
}

int tree_build_reset()
{
    tree_box_reset();
    tree_links_reset();
    tree_form_reset();
    multi_cur_tbl_reset();
    tree_view_flag = 0;
    return 0;
}
