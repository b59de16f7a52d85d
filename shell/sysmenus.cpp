// The system-menu items of the screens (see sysmenus.h).
#include "shell/sysmenus.h"

#include <cstring>

#include "shell/main_commands.h"
#include "shell/startup.h"

namespace {

const sysmenu_item main_items[] = {
    {sys_about, "About..."},
    {sys_help, "Help..."},
    {main_sys_def_list, "①対象欄に指定した関数名からその定義箇所一覧を作成"},
    {main_sys_func_with_text, "②対象欄に指定した文字列を含む関数名一覧を作成"},
    {main_sys_func_with_words, "③対象欄に指定した複数の文字列を同時に含む関数名一覧を作成"},
    {main_sys_ref_list, "①対象欄に指定した関数または変数の参照関数一覧を作成(論理検索)"},
    {main_sys_ref_with_text, "②対象欄に指定した文字列を含む関数一覧を作成"},
    {main_sys_ref_with_words, "③対象欄に指定した複数の文字列を同時に含む関数一覧を作成"},
    {main_sys_find_box, "①対象欄に指定したｵﾌﾞｼﾞｪｸﾄ名（関数名等）の矩形を表示、検索"},
    {main_sys_find_box_below, "②ｶﾚﾝﾄ矩形直下の対象欄に指定したｵﾌﾞｼﾞｪｸﾄ名の矩形を表示、下位展開"},
    {main_sys_param_dialog, "③パラメータの設定"},
    {main_sys_project_dialog, "④プロジェクトの設定"},
    {project_restore, "⑤プロジェクトの復旧"},
    {project_exchange, "⑥プロジェクトの交換"},
    {project_add, "⑦プロジェクトの加算"},
    {project_add_back, "⑧プロジェクトの逆加算"},
    {main_sys_startup_form, "⑨プロジェクト起動時にカテゴリ欄に起動フォームを設定"},
    {main_sys_lang_c, "①デフォルト言語選択(C,C++)"},
    {main_sys_lang_proc, "②デフォルト言語選択(ProC)"},
    {main_sys_lang_java, "③デフォルト言語選択(JAVA)"},
    {main_sys_tree_build, "①関数ツリーの作成(JAVAも対象、全フォルダ一括対象可能)"},
    {main_sys_step_count, "②ソースステップの集計(JAVAも対象、全フォルダ一括対象可能)"},
    {main_sys_step_check, "③ソースステップの集計確認リストを出力(JAVAも対象、１ファイルのみ対象)"},
    {main_sys_minimize_all, "①全画面のアイコン化"},
};

const sysmenu_item relation_items[] = {{sys_about, "About..."}, {sys_help, "Help..."}, {relation_sys_open, "開く"}, {relation_sys_save, "保存"}};

const sysmenu_item form_items[] = {
    {sys_about, "About..."},
    {sys_help, "Help..."},
    {form_sys_save, "保存"},
    {form_sys_generate, "ソース生成"},
    {form_sys_clear, "全削除"},
    {form_sys_clear_links, "全関係削除"},
    {form_sys_delete_file, "フォームファイル削除"},
    {form_sys_box_first, "カレントの矩形を先頭の0番に移動"},
    {form_sys_split, "カレントのカテゴリの矩形の配下を分割する"},
    {form_sys_sizing_off, "ｻｲｽﾞ位置調整機能を停止"},
    {form_sys_keep_main, "TAVIR画面常時表示機能を生かす"},
    {form_sys_keep_prop, "個性画面常時表示機能を生かす"},
    {form_sys_xwindow, "XWINDOWのｿｰｽ生成"},
    {form_sys_resize_all, "全矩形(BOX,COMMENT,関数)のリサイズ"},
    {form_sys_full_off, "ソース生成時FULL機能を停止、CENTERINGと同じにする"},
    {form_sys_hidden_links, "隠れ線を全て表示する"},
    {form_sys_browser, "ブラウザで展開する"},
};

const sysmenu_item code_items[] = {
    {sys_about, "About..."},
    {sys_help, "Help..."},
    {code_sys_main_front, "主画面を前へ"},
    {code_sys_insert, "対象欄に挿入（反転表示部分のみ）"},
    {code_sys_def_list, "定義箇所一覧を作成（反転表示部分の）"},
    {code_sys_ref_list, "参照関数一覧を作成（反転表示部分の）"},
    {code_sys_file_name, "ファイル名を表示する"},
    {code_sys_open_head, "ファイルの先頭4kバイトを開く"},
    {code_sys_save_shown, "ファイル（画面部分のみ）の保存"},
    {code_sys_save_whole, "ファイル全体の保存"},
    {memo_show, "主画面のメモをコード画面に表示する"},
    {memo_set, "主画面にメモを全置換（反転表示部分のみ）"},
    {memo_append, "主画面にメモを追加（反転表示部分のみ）"},
    {memo_swap, "主画面のメモを前の状態に復元"},
    {memo_erase, "主画面のメモを削除"},
    {memo_builtin, "主画面に初期メモを表示する"},
    {code_sys_editor, "ｺｰﾄﾞ画面のﾌｧｲﾙ(反転表示部分)を秀丸エディタで開く"},
    {code_sys_brackets, "かぎ括弧を全角文字で表示する"},
};

const sysmenu_item flow_items[] = {
    {flow_sys_keep_code, "ｺｰﾄﾞ画面常時表示機能を生かす"},
    {flow_sys_wide, "FLOWをより正確に横長に表示する"},
    {flow_sys_fix_zoom, "拡大縮小時FLOWの位置を固定する"},
};

const sysmenu_item list_items[] = {{list_sys_add_col, "列の追加"}, {list_sys_del_col, "列の削除"}, {list_sys_keep_code, "毎回ｺｰﾄﾞ画面をクリアしない"}};

template <int n>
constexpr int count_of(const sysmenu_item (&)[n])
{
    return n;
}

}  // namespace

const sysmenu_list sysmenu_lists[6] = {
    {"TAVIR", main_items, count_of(main_items)},     {"RELATION", relation_items, count_of(relation_items)},
    {"FORM", form_items, count_of(form_items)},      {"CODE", code_items, count_of(code_items)},
    {"FLOW", flow_items, count_of(flow_items)},      {"LIST", list_items, count_of(list_items)},
};

const sysmenu_list *sysmenu_of(const char *screen)
{
    for (const sysmenu_list &list : sysmenu_lists) {
        if (strcmp(list.screen, screen) == 0) return &list;
    }
    return nullptr;
}

int sysmenu_checked(const char *screen, int id)
{
    if (strcmp(screen, "TAVIR") == 0) {
        if (id == main_sys_startup_form) return startup_form_flag ? 1 : 0;
        if (id >= main_sys_lang_c && id <= main_sys_lang_java) return id - main_sys_lang_c == default_lang ? 1 : 0;
    }
    if (strcmp(screen, "FORM") == 0 && id == form_sys_xwindow) return form_mode == form_mode_xwindow ? 1 : 0;
    return 0;
}
