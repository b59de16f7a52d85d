// The key-help pages that the Apps key puts on the main screen's function
// buttons: every row of every screen as that screen's key table words it
// (a key the screen leaves unused shows its name alone).
#include <gtest/gtest.h>

#include "shell/main_help.h"

namespace {

// One screen's rows in key_names order: F1-F12, Insert, Delete, Home, End,
// Esc, Tab, PageUp, PageDown, Up, Down, Left, Right.
struct screen_rows {
    help_screen screen;
    const char *rows[key_help_rows];
};

const screen_rows expected[] = {
    {help_main,
     {"F1パラメータの設定", "F2プロジェクトの設定", "F3対象欄にプロジェクト一覧を表示", "F4プロジェクトを切り替える",
      "F5多重論理検索条件の登録", "F6多重論理検索条件の表示", "F7多重論理検索条件の実行", "F8多重論理検索条件の解除",
      "F9異種ファイル全検索", "F10複数カレント矩形による抽出", "F11対象欄に主検索キイを表示", "F12主画面の受信信号を表示",
      "Insert対象欄にフォーカスを設定解除", "Delete１文字削除／全文字削除", "Home対象欄の名でdefine文を検索",
      "End対象欄からｸﾘｯﾌﾟﾎﾞｰﾄﾞへコピー", "Esc主画面にフォーカスを移す", "Tab", "PageUpファイルを作成／削除",
      "PageDownキイを個別ｽﾀｯｸから削除", "↑共通キイを登録する", "↓共通キイを表示する", "←対象欄のキイを整形する",
      "→共通キイを削除する"}},
    {help_list,
     {"F1一覧の関数を秀丸エディタで開く", "F2対象欄ﾌｧｲﾙを秀丸エディタで開く", "F3", "F4予約", "F5検索後関数一覧ファイル",
      "F6検索前関数一覧ファイル", "F7検索結果を抜粋する", "F8フォルダの一覧を表示する", "F9ワークディレクトリボタン",
      "F10リスト項目によるツリー抽出", "F11マーク前後100行のみ表示する", "F12マークされた行のみ表示する",
      "Insert選択項目を対象欄に表示する", "Delete対象欄をクリアする", "Home全体を表示する", "Endファイル一覧を表示する",
      "Esc主画面を表示する", "TabFLOW画面を表示する", "PageUp選択関数のﾌｫﾙﾀﾞ名等を表示", "PageDownクラス一覧を表示する",
      "↑LIST画面のフォントを大きくする", "↓LIST画面のフォントを小さくする", "←対象欄のキイを整形する",
      "→一覧項目を多重論理検索条件へ"}},
    {help_flow,
     {"F1フローを秀丸エディタで開く", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11",
      "F12同一関数内の全参照行を表示", "Insert", "Delete", "Home現ファイルの先頭を表示", "End", "Esc主画面を表示する",
      "Tabｺｰﾄﾞ画面を表示する", "PageUp予約１", "PageDown予約２", "↑FLOW画面を拡大表示する", "↓FLOW画面を縮小表示する", "←",
      "→"}},
    {help_code,
     {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10ﾘﾊﾞｰｽ項目によるツリー抽出", "F11", "F12",
      "Insert対象欄に設定する", "Deleteコード画面を消去する", "Home", "End", "Esc主画面を表示する", "TabLIST画面を表示する",
      "PageUp", "PageDown", "↑ｺｰﾄﾞ画面のフォントを大きくする", "↓ｺｰﾄﾞ画面のフォントを小さくする", "←", "→"}},
    {help_form,
     {"F1カレント矩形をsaveform.txtへコピー（１回貼付け）", "F2カレント矩形と配下をsaveform.txtへコピー（１回貼付け）",
      "F3カレント矩形をsaveform.txtへコピー（繰返し貼付け）", "F4カレント矩形と配下をsaveform.txtへコピー（繰返し貼付け）",
      "F5カレント矩形の配下を一括削除する", "F6カレント矩形に横位置を揃える（１回）", "F7カレント矩形に縦位置を揃える（１回）",
      "F8カレント矩形に横位置を揃える（繰返し）", "F9カレント矩形に縦位置を揃える（繰返し）", "F10カレント矩形によるツリー抽出",
      "F11１段階、処理前の状態への回復", "F12", "Insertカレント矩形の名前を対象欄に設定する", "Deleteカレント矩形を削除する",
      "Homeフォームの表示を原点に戻す", "Endカレント矩形を１クリック移動する", "Esc主画面を表示する",
      "TabPROPERTY画面を表示する", "PageUpカレント矩形の参照一覧を表示する", "PageDownカレント矩形の定義一覧を表示する",
      "↑フォームの表示を上へ送る", "↓フォームの表示を下へ送る", "←フォームの表示を左へ送る", "→フォームの表示を右へ送る"}},
    {help_property,
     {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "Insert編集欄にフォーカスを設定解除",
      "Delete１文字削除／全文字削除", "Home", "End", "Esc主画面を表示する", "TabFORM画面を表示する", "PageUp対象欄に設定する",
      "PageDown対象欄から取り出す", "↑", "↓", "←", "→"}},
};

TEST(KeyHelp, EveryScreensRowsAreItsOwnKeysTexts)
{
    ASSERT_EQ(static_cast<size_t>(help_screen_count), sizeof expected / sizeof expected[0]);
    for (const screen_rows &s : expected) {
        for (int r = 0; r < key_help_rows; ++r) {
            EXPECT_STREQ(s.rows[r], key_help[s.screen][r]) << "screen " << s.screen << " key " << key_names[r];
        }
    }
}

}  // namespace
