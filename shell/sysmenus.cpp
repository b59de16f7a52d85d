// The system-menu items of the screens (see sysmenus.h).
#include "shell/sysmenus.h"

#include <cstring>

#include "shell/startup.h"

namespace {

const sysmenu_item main_items[] = {
    {1, "About..."},
    {2, "Help..."},
    {54, "①対象欄に指定した関数名からその定義箇所一覧を作成"},
    {65, "②対象欄に指定した文字列を含む関数名一覧を作成"},
    {70, "③対象欄に指定した複数の文字列を同時に含む関数名一覧を作成"},
    {55, "①対象欄に指定した関数または変数の参照関数一覧を作成(論理検索)"},
    {64, "②対象欄に指定した文字列を含む関数一覧を作成"},
    {71, "③対象欄に指定した複数の文字列を同時に含む関数一覧を作成"},
    {60, "①対象欄に指定したｵﾌﾞｼﾞｪｸﾄ名（関数名等）の矩形を表示、検索"},
    {61, "②ｶﾚﾝﾄ矩形直下の対象欄に指定したｵﾌﾞｼﾞｪｸﾄ名の矩形を表示、下位展開"},
    {73, "③パラメータの設定"},
    {66, "④プロジェクトの設定"},
    {78, "⑤プロジェクトの復旧"},
    {81, "⑥プロジェクトの交換"},
    {83, "⑦プロジェクトの加算"},
    {84, "⑧プロジェクトの逆加算"},
    {79, "⑨プロジェクト起動時にカテゴリ欄に起動フォームを設定"},
    {67, "①デフォルト言語選択(C,C++)"},
    {68, "②デフォルト言語選択(ProC)"},
    {69, "③デフォルト言語選択(JAVA)"},
    {85, "①関数ツリーの作成(JAVAも対象、全フォルダ一括対象可能)"},
    {87, "②ソースステップの集計(JAVAも対象、全フォルダ一括対象可能)"},
    {93, "③ソースステップの集計確認リストを出力(JAVAも対象、１ファイルのみ対象)"},
    {9, "①全画面のアイコン化"},
};

const sysmenu_item relation_items[] = {{1, "About..."}, {2, "Help..."}, {3, "開く"}, {4, "保存"}};

const sysmenu_item form_items[] = {
    {1, "About..."},
    {2, "Help..."},
    {4, "保存"},
    {5, "ソース生成"},
    {11, "全削除"},
    {12, "全関係削除"},
    {80, "フォームファイル削除"},
    {39, "カレントの矩形を先頭の0番に移動"},
    {59, "カレントのカテゴリの矩形の配下を分割する"},
    {40, "ｻｲｽﾞ位置調整機能を停止"},
    {41, "TAVIR画面常時表示機能を生かす"},
    {42, "個性画面常時表示機能を生かす"},
    {58, "XWINDOWのｿｰｽ生成"},
    {57, "全矩形(BOX,COMMENT,関数)のリサイズ"},
    {44, "ソース生成時FULL機能を停止、CENTERINGと同じにする"},
    {62, "隠れ線を全て表示する"},
    {77, "ブラウザで展開する"},
};

const sysmenu_item code_items[] = {
    {1, "About..."},
    {2, "Help..."},
    {6, "主画面を前へ"},
    {49, "対象欄に挿入（反転表示部分のみ）"},
    {54, "定義箇所一覧を作成（反転表示部分の）"},
    {55, "参照関数一覧を作成（反転表示部分の）"},
    {51, "ファイル名を表示する"},
    {3, "ファイルの先頭4kバイトを開く"},
    {4, "ファイル（画面部分のみ）の保存"},
    {5, "ファイル全体の保存"},
    {56, "主画面のメモをコード画面に表示する"},
    {46, "主画面にメモを全置換（反転表示部分のみ）"},
    {47, "主画面にメモを追加（反転表示部分のみ）"},
    {48, "主画面のメモを前の状態に復元"},
    {74, "主画面のメモを削除"},
    {75, "主画面に初期メモを表示する"},
    {76, "ｺｰﾄﾞ画面のﾌｧｲﾙ(反転表示部分)を秀丸エディタで開く"},
    {72, "かぎ括弧を全角文字で表示する"},
};

const sysmenu_item flow_items[] = {
    {45, "ｺｰﾄﾞ画面常時表示機能を生かす"},
    {50, "FLOWをより正確に横長に表示する"},
    {52, "拡大縮小時FLOWの位置を固定する"},
};

const sysmenu_item list_items[] = {{7, "列の追加"}, {8, "列の削除"}, {53, "毎回ｺｰﾄﾞ画面をクリアしない"}};

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
        if (id == 79) return startup_form_flag ? 1 : 0;
        if (id >= 67 && id <= 69) return id - 67 == default_lang ? 1 : 0;
    }
    if (strcmp(screen, "FORM") == 0 && id == 58) return form_mode == 99 ? 1 : 0;
    return 0;
}
