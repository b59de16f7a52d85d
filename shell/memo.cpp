// The memo of the main screen: "vokmemo.dat" of the home folder, kept in
// memo_buf with CR LF line ends, or the built-in hints when the file is missing.
#include <cstring>

#include "shell/dirs.h"
#include "shell/stacks.h"
#include "shell/text.h"

char memo_buf[memo_size];
char memo_restore[memo_size];

namespace {

char memo_loaded[memo_size];  // the memo as loaded
bool memo_cut;                // the file held more than fits: unchanged, it is not written back

}  // namespace

const char builtin_memo[] =
    "\r\n"
    "【操作のヒント】\r\n"
    "カテゴリ欄にファイル名かパターン(*.c 等)を入れ、対象欄に関数名や文字列を入れて検索します。\r\n"
    "テンキーのEnterで、入力のある画面の主なコマンドを実行します。\r\n"
    "一覧画面の行を選ぶと、フロー画面にその関数のフローを表示します。\r\n"
    "フォーム画面では右ドラッグで矩形を作り、左ドラッグで移動、大きさの変更をします。\r\n"
    "画面の配置は終了時に保存され、次の起動で元に戻ります。\r\n";

int load_memo()
{
    memo_buf[0] = '\0';
    memo_restore[0] = '\0';
    memo_cut = false;
    FILE *fp = home_fopen("vokmemo.dat", "r");
    if (fp == nullptr) {
        copy_bounded(memo_buf, sizeof memo_buf, builtin_memo);
        copy_bounded(memo_loaded, sizeof memo_loaded, memo_buf);
        return 0;
    }
    char line[1000];
    size_t used = 0;
    while (read_line(line, sizeof line, fp) != nullptr) {
        const size_t len = strcspn(line, "\n");
        if (used + len + 2 >= sizeof memo_buf) {  // only whole lines that fit
            memo_cut = true;
            break;
        }
        memcpy(memo_buf + used, line, len);
        used += len;
        if (line[len] == '\n') {
            memcpy(memo_buf + used, "\r\n", 2);
            used += 2;
        }
        memo_buf[used] = '\0';
    }
    fclose(fp);
    copy_bounded(memo_loaded, sizeof memo_loaded, memo_buf);
    return 0;
}

int save_memo()
{
    if (memo_cut && strcmp(memo_buf, memo_loaded) == 0) return 0;
    FILE *fp = home_fopen("vokmemo.$$$", "w");
    if (fp == nullptr) return 1;
    bool ok = true;
    for (const char *p = memo_buf; *p != '\0' && ok;) {
        const size_t len = strcspn(p, "\r");
        ok = fprintf(fp, "%.*s\n", static_cast<int>(len), p) >= 0;
        p += len;
        if (*p == '\r') ++p;
        if (*p == '\n') ++p;
    }
    ok = close_written(fp) && ok;
    if (home_replace("vokmemo.dat", "vokmemo.$$$", ok) != 0) return 1;
    copy_bounded(memo_loaded, sizeof memo_loaded, memo_buf);
    return 0;
}
