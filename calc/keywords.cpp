// The keyword table, its final codes, the full-width symbols and the printed
// external-function list.
#include <cstring>

#include "calc/calc_tables.h"
#include "shell/text.h"

namespace {

const int calc_kw_rows = kw_blank - kw_sin + 1;
const char *const calc_kw_tab[calc_kw_rows] = {
    "SIN", "COS", "TAN", "SINH", "COSH", "TANH", "SQRT", "EXP", "LOG", "ABS",
    "POW", "RAND", "PI", "PLUS", "OUT", "END", "ASIN", "ACOS", "ATAN", "IF",
    "ELSEIF", "ELSE", "FORMAT", "RETURN", "VPRT", "TPRT", "TITLE", "EP", "COMPLEX", "TRACE",
    "LLA", "DMODE", "MSG", "MATRIX", "MPRT", "TR", "DET", "READ", "IREAD", "IMATRIX",
    "ARGUMENT", "REAL", "IMAGINARY", "POINT", "CX", "ITRACE", "YAMABATO", "IABS", "OTHER", "QUATERNION",
    "NORM", "QUARTER", "CAYLEY", "OCTAL", "ONORM", "ELEMENT", "OELEMENT", "DWORK", "FMSGF", "ATAN2",
    "GAMMA", "SUM", "COMB4", "INTEGER", "DBL", "NOT", "SIGMA", "MKMATRIX", "MKVECTOR", "∀",
    "∑", "￢", "√", "π", "γ", "ε", "COMB3", "GA3", "ARRAY", "DELTA",
    "δ", ""};

const int calc_kw_remap[34][2] = {
    {kw_complex, fn_complex},   {kw_argument, fn_argument}, {kw_real, fn_real},
    {kw_imaginary, fn_imaginary}, {kw_point, fn_point},     {kw_cx, fn_complex},
    {kw_itrace, fn_itrace},     {kw_yamabato, fn_yamabato}, {kw_iabs, fn_iabs},
    {kw_other, fn_other},       {kw_quaternion, fn_quaternion}, {kw_norm, fn_norm},
    {kw_quarter, fn_quarter},   {kw_cayley, fn_cayley},     {kw_octal, fn_octal},
    {kw_onorm, fn_onorm},       {kw_element, fn_element},   {kw_oelement, fn_oelement},
    {kw_dwork, fn_dwork},       {kw_fmsgf, fn_fmsgf},       {kw_atan2, fn_atan2},
    {kw_gamma, fn_gamma},       {kw_sum, fn_sum},           {kw_comb4, fn_comb4},
    {kw_integer, fn_integer},   {kw_dbl, fn_dbl},           {kw_not, op_not},
    {kw_sigma, fn_sigma},       {kw_mkmatrix, fn_mkmatrix}, {kw_mkvector, fn_mkvector},
    {kw_comb3, fn_comb3},       {kw_ga3, fn_ga3},           {kw_array, fn_array},
    {kw_delta, fn_delta}};

const char *const sym_tab[8][2] = {
    {"∀", "ALL"}, {"∑", "SIGMA"}, {"￢", "NOT"}, {"√", "SQRT"},
    {"π", "PI"},  {"γ", "GAMMA"}, {"ε", "EP"},   {"δ", "DELTA"}};

const char *const calc_help_lines[56] = {
    "POW(x, y) // xのy乗を返します\r\n",
    "PI() // πの値を返します\r\n",
    "PLUS(x) // xが正の場合はそのままの値、負の場合は0.0を返します\r\n",
    "PRT([x],[y],[z]); // コード画面とcsvファイル共に出力する\r\n",
    "PRT(z(x,y)); // 2次元の表としてコード画面とcsvファイル共に出力する\r\n",
    "OUT([x],[y],[z]); // csvファイルにのみに出力する\r\n",
    "OUT(z(x,y)); // 2次元の表としてcsvファイルにみに出力する\r\n",
    "END(); // 計算終了をコード画面に表示する\r\n",
    "EP(\"1.0e-63\"); // 比較時の誤差を指定する\r\n",
    "EP(\"0.00002\"); // 比較時の誤差を指定する\r\n",
    "EP(0.00002); // 比較時の誤差を指定する\r\n",
    "TITLE(x, \"x=%.2f\", \"VAL\"); // PRT文の項目のタイトルを編集する\r\n",
    "TITLE(x, \"x=%d\", \"SEQ\"); // PRT文の項目のタイトルを編集する\r\n",
    "TITLE(x, \"%s=%.2f\", \"VAL\"); // PRT文の項目のタイトルを編集する\r\n",
    "TITLE(x, \"%s=%d\", \"SEQ\"); // PRT文の項目のタイトルを編集する\r\n",
    "RETURN(kx(1-y)y); // 内部関数の計算結果を返す\r\n",
    "FORMAT(0); // 通常表示\r\n",
    "FORMAT(1); // 値をe表示、正確な値をExcelに渡す時に利用する\r\n",
    "FORMAT(\"%.2f\"); // 値を各自の好きなフォーマットで表示する\r\n",
    "FORMAT(\"%.0f\", 3); // 値を各自の好きなフォーマット及びカラム幅で表示する\r\n",
    "MSG(\"abcd\"); // TRACE(...)の値の埋め込みが無いものをコード画面に出力する\r\n",
    "DMODE(0); // dxを指定した時、自動的な差分値の計算を抑止する\r\n",
    "DMODE(1); // dxを指定した時、自動的な差分値の計算を実行する(デフォルト)\r\n",
    "ALL(x,y,z) {...}; // ∀の意味で大括弧で囲まれた命令群の計算を繰り返す\r\n",
    "LLA(x,y,z) {...}; // ∀の意味でALL(...){...};の逆順に計算を繰り返す\r\n",
    "VPRT(); // 変数の一覧を表示する\r\n",
    "MPRT(); // 行列計算用のPRT()関数、縦横の表示を逆に表示する\r\n",
    "IF(...) {...} ELSEIF(...) {...} ELSE() {...}; // 判定及び分岐をする\r\n",
    "OTHER(); // 未使用変数を表示する\r\n",
    "COMPLEX(x,y) // 実数２個から複素数を作る\r\n",
    "QUARTER(t,x,y,z) // 実数４個から四元数を作る\r\n",
    "OCTAL(a0,a1,a2,a3,a4,a5,a6,a7,a8) // 実数８個から八元数を作る\r\n",
    "CX(x,y)      // COMPLEX()に同じ\r\n",
    "TR(a(x,y)) // 実数又は複素数の行列のトレースを計算する\r\n",
    "DET(a(x,y)) // 実数又は複素数の行列の行列式を計算する\r\n",
    "ABS(a(x,y)) // 実数の絶対値を計算する\r\n",
    "IABS(a(x,y)) // 複素数の絶対値を計算する\r\n",
    "NORM(a(x,y)) // 四元数のノルムを計算する\r\n",
    "ONORM(a(x,y)) // 八元数のノルムを計算する\r\n",
    "REAL(a(i)) // 複素数の実数部を取り出す\r\n",
    "IMAGINARY(a(i)) // 複素数の虚数部を取り出す\r\n",
    "ELEMENT(a(x,y),1) // 四元数の要素を取り出す\r\n",
    "OELEMENT(a(x,y),7) // 八元数の要素を取り出す\r\n",
    "TRACE(\"abcd=%f,%f\", x(x), y(x)); // 実数変数の場合、実行時のトレースをコード画面に出力する\r\n",
    "ITRACE(\"abcd=%s,%s\", x(x), y(x)); // 複素変数の場合、実行時のトレースをコード画面に出力する\r\n",
    "READ(a(x,y), \"\", \"#02\"); // インソースデータから実数のベクトル又は行列データを読み込む\r\n",
    "IREAD(a(x,y), \"\", \"#02\"); // インソースデータから複素数のベクトル又は行列データを読み込む\r\n",
    "READ(a(x,y), \"aaa.csv\", \"#02\"); // 外部ファイルから実数のベクトル又は行列データを読み込む\r\n",
    "IREAD(a(x,y), \"aaa.csv\", \"#02\"); // 外部ファイルから複素数のベクトル又は行列データを読み込む\r\n",
    "MATRIX() {...}; // 配下の代入(=)や足し込み(+=)配下の演算を実数行列演算とみなす\r\n",
    "IMATRIX() {...}; // 配下の代入(=)や足し込み(+=)配下の演算を複素数や複素数行列演算とみなす\r\n",
    "QUATERNION() {...}; // 配下の代入(=)や足し込み(+=)配下の演算を四元数演算とみなす\r\n",
    "CAYLEY() {...}; // 配下の代入(=)や足し込み(+=)配下の演算を八元数演算とみなす\r\n",
    "GAMMA(1) // γ1行列値を取り込む\r\n",
    "SUM(`a(v)`b(v)) // Σγn`a(v)`b(v)Gnnγnを計算する\r\n",
    "COMB4(a(v),b(v),c(v),e(v)) // 4要素複素ベクトルa,b,c,eから4行4列の複素行列を作る\r\n"};

const char calc_special_chars[] = "∞￢∀∃∂∇√∫†ΓΔΘΛΞΠΥΦΨΩ≒≡∮∑";

}  // namespace

int kw_remap(int code)
{
    for (const auto &r : calc_kw_remap) {
        if (r[0] == code) return r[1];
    }
    return code;
}

const char *kw_text(int code)
{
    return code >= kw_sin && code <= kw_blank ? calc_kw_tab[code - kw_sin] : nullptr;
}

int find_keyword(const char *name)
{
    for (int code = kw_sin; code <= kw_blank; ++code) {
        const char *text = kw_text(code);
        if (text[0] != '\0' && strcmp(text, name) == 0) return kw_remap(code);
    }
    return name[0] >= 'A' && name[0] <= 'Z' ? kw_unknown : -1;
}

int is_func_keyword(const char *name)
{
    const int code = find_keyword(name);
    if (code >= 0 && code != kw_unknown) return 1;
    return strcmp(name, "PRT") == 0 || strcmp(name, "MPRT") == 0 || strcmp(name, "ALL") == 0 ||
                   strcmp(name, "LLA") == 0
               ? 1
               : 0;
}

const char *sym_keyword(const char *text)
{
    for (const auto &s : sym_tab) {
        if (text[0] == s[0][0] && text[0] != '\0' && text[1] == s[0][1]) return s[1];
    }
    return nullptr;
}

int print_ext_func_list()
{
    calc_out("外部関数一覧\r\n");
    char line[256] = "";
    int cells = 0;
    auto add_cell = [&line, &cells](const char *name) {
        char cell[64];
        format_text(cell, sizeof cell, "%s()", name);
        char padded[64];
        format_text(padded, sizeof padded, "%-12s", cell);
        const size_t n = strlen(line);
        format_text(line + n, sizeof line - n, "%s", padded);
        if (++cells == 5) {
            const size_t m = strlen(line);
            format_text(line + m, sizeof line - m, "\r\n");
            calc_out(line);
            line[0] = '\0';
            cells = 0;
        }
    };
    add_cell("ALL");
    add_cell("PRT");
    for (int code = kw_sin; code <= kw_delta_sym; ++code) {
        if (code == kw_tprt || code == kw_point || code == kw_yamabato || code == kw_dwork || code == kw_fmsgf) {
            continue;
        }
        add_cell(kw_text(code));
    }
    if (cells > 0) {
        const size_t m = strlen(line);
        format_text(line + m, sizeof line - m, "\r\n");
        calc_out(line);
    }
    calc_out("使用例\r\n");
    for (const char *h : calc_help_lines) calc_out(h);
    calc_out("使用可能特殊文字\r\n");
    char greek[64];
    size_t g = 0;
    for (int k = 0; k < 24; ++k) {
        const int code = 0x83BF + k;
        greek[g++] = static_cast<char>(code >> 8);
        greek[g++] = static_cast<char>(code & 0xFF);
    }
    greek[g++] = '\r';
    greek[g++] = '\n';
    greek[g] = '\0';
    calc_out(greek);
    char special[80];
    format_text(special, sizeof special, "%s\r\n", calc_special_chars);
    calc_out(special);
    return 0;
}
