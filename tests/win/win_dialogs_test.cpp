// The project and parameter dialogs in-process on the program's resources:
// every label read back as its Shift-JIS text (a wrong conversion of the
// resources fails here), the controls at their places, the buttons of each
// state, the refusal boxes (answered from a timer) and the files written.
#include <windows.h>

#include "own_box.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "shell/dirs.h"
#include "shell/msgbox.h"
#include "shell/params.h"
#include "shell/project_dialog.h"
#include "shell/sjis.h"
#include "shell/startup.h"
#include "shell/win/dialog_ids.h"
#include "shell/win/dialogs_win.h"

namespace {

std::string file_text(const char *name)
{
    FILE *fp = fopen(name, "rb");
    if (fp == nullptr) return "<none>";
    std::string text;
    int c;
    while ((c = fgetc(fp)) != EOF) {
        if (c != '\r') text += static_cast<char>(c);
    }
    fclose(fp);
    return text;
}

void write_text(const char *name, const char *text)
{
    FILE *fp = fopen(name, "w");
    ASSERT_NE(fp, nullptr) << name;
    fputs(text, fp);
    fclose(fp);
}

std::string item_text(HWND dlg, int id)
{
    char buf[1000] = "";
    GetDlgItemTextA(dlg, id, buf, sizeof buf);
    return buf;
}

bool enabled(HWND dlg, int id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != FALSE; }

// The control's rectangle in the dialog's client coordinates.
RECT place_of(HWND dlg, int id)
{
    RECT r;
    GetWindowRect(GetDlgItem(dlg, id), &r);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT *>(&r), 2);
    return r;
}

void expect_place(HWND dlg, int id, int x, int y, int w, int h)
{
    const RECT r = place_of(dlg, id);
    EXPECT_EQ(r.left, x) << id;
    EXPECT_EQ(r.top, y) << id;
    EXPECT_EQ(r.right - r.left, w) << id;
    EXPECT_EQ(r.bottom - r.top, h) << id;
}

BOOL CALLBACK expect_inside(HWND child, LPARAM lp)
{
    HWND dlg = reinterpret_cast<HWND>(lp);
    RECT client;
    GetClientRect(dlg, &client);
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT *>(&r), 2);
    EXPECT_LE(r.right, client.right) << GetDlgCtrlID(child);
    EXPECT_LE(r.bottom, client.bottom) << GetDlgCtrlID(child);
    return TRUE;
}

void click(HWND dlg, int id) { SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// The box a timer answered: its caption and message.
struct answered_box {
    std::string caption;
    std::string text;
};
answered_box last_box;

// The longest text of the box's static controls: the message.
BOOL CALLBACK longest_static(HWND hwnd, LPARAM lp)
{
    auto *text = reinterpret_cast<std::string *>(lp);
    char cls[64];
    GetClassNameA(hwnd, cls, sizeof cls);
    char buf[1024] = "";
    GetWindowTextA(hwnd, buf, sizeof buf);
    if (lstrcmpiA(cls, "Static") == 0 && lstrlenA(buf) > static_cast<int>(text->size())) *text = buf;
    return TRUE;
}

void CALLBACK answer_warning(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND box = own_box("TAVIR警告画面");
    if (box == nullptr) return;  // not open yet: the next tick tries again
    KillTimer(nullptr, id);
    last_box.caption = "TAVIR警告画面";
    last_box.text.clear();
    EnumChildWindows(box, longest_static, reinterpret_cast<LPARAM>(&last_box.text));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// Clicks a button that shows a refusal box; returns the box's message.
std::string click_refused(HWND dlg, int id)
{
    last_box = answered_box();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, answer_warning);
    click(dlg, id);
    KillTimer(nullptr, timer);
    return last_box.text;
}

struct label_row {
    int id;
    const char *text;
};

class dialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { init_sjis_table(); }
    void SetUp() override
    {
        home_dir[0] = '\0';
        fill_home_dir();
        set_view("home");
        write_text("vokdir.dat", "home\nold c:\\old;HOME\n");
        write_text("ostacks.dat", "home\nold\tk\n");
        write_text("vstacks.dat", "home\nold\tOLDDEF\n");
        write_text("pstacks.dat", "home\t\t\nold\tFOLDER\tC\t\t\t\t\t\t\n");
        remove("vokparameter.dat");
    }
    void TearDown() override
    {
        if (dlg != nullptr) DestroyWindow(dlg);
    }
    HWND open_modeless(int resource, DLGPROC proc)
    {
        dlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource), nullptr, proc, 0);
        return dlg;
    }
    HWND dlg = nullptr;
};

}  // namespace

TEST_F(dialogs, ProjectDialogLabelsReadBackAsShiftJis)
{
    ASSERT_NE(open_modeless(PROJECT_DLG, project_dlg_proc), nullptr);
    char caption[200];
    GetWindowTextA(dlg, caption, sizeof caption);
    EXPECT_STREQ(caption, "プロジェクトの設定");
    const label_row rows[] = {
        {PD_NAME_LABEL, "プロジェクト名"}, {PD_CREATE, "作成"},        {PD_MODE_LABEL, "フォルダの扱い"},
        {PD_MODE_PLAIN, "通常"},           {PD_MODE_FOLDER, "FOLDER"}, {PD_KIND_C, "C"},
        {PD_KIND_PROC, "PROC"},            {PD_KIND_JAVA, "JAVA"},     {PD_KIND_NONE, "なし"},
        {PD_DEF_LABEL, "定義行"},          {PD_PAGE_LABEL, "フォルダ(0～9)"}, {PD_PAGE_FIRST, "先頭"},
        {PD_PAGE_NEXT, "次"},              {PD_PAGE_PREV, "前"},       {PD_BROWSE0, "参照"},
        {PD_DELSLOT9, "削除"},             {PD_INSSLOT5, "挿入"},      {PD_DELETE, "削除"},
        {PD_OPEN, "開く"},                 {PD_SAVE, "保存"},          {PD_CANCEL, "取消し"},
        {PD_CLOSE, "閉じる"},
    };
    for (const label_row &r : rows) EXPECT_EQ(item_text(dlg, r.id), r.text) << r.id;
    // The combo box holds the names of vokdir.dat.
    HWND combo = GetDlgItem(dlg, PD_NAME);
    ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
    char name[64];
    SendMessageA(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(name));
    EXPECT_STREQ(name, "old");
}

TEST_F(dialogs, ProjectDialogControlsAtTheirPlaces)
{
    ASSERT_NE(open_modeless(PROJECT_DLG, project_dlg_proc), nullptr);
    const int defs[8] = {PD_DEF0, PD_DEF1, PD_DEF2, PD_DEF3, PD_DEF4, PD_DEF5, PD_DEF6, PD_DEF7};
    for (int i = 0; i < 8; ++i) expect_place(dlg, defs[i], 165, 122 + 30 * i, 132, 22);
    expect_place(dlg, PD_PAGE_FIRST, 620, 32, 40, 22);
    expect_place(dlg, PD_PAGE_NEXT, 665, 32, 40, 22);
    expect_place(dlg, PD_PAGE_PREV, 710, 32, 40, 22);
    const int fields[10] = {PD_SLOT0, PD_SLOT1, PD_SLOT2, PD_SLOT3, PD_SLOT4,
                            PD_SLOT5, PD_SLOT6, PD_SLOT7, PD_SLOT8, PD_SLOT9};
    const int inserts[10] = {PD_INSSLOT0, PD_INSSLOT1, PD_INSSLOT2, PD_INSSLOT3, PD_INSSLOT4,
                             PD_INSSLOT5, PD_INSSLOT6, PD_INSSLOT7, PD_INSSLOT8, PD_INSSLOT9};
    for (int row = 0; row < 10; ++row) {
        expect_place(dlg, fields[row], 305, 62 + 30 * row, 310, 22);
        expect_place(dlg, inserts[row], 710, 62 + 30 * row, 40, 22);
    }
    expect_place(dlg, PD_BROWSE3, 620, 152, 40, 22);
    expect_place(dlg, PD_DELSLOT3, 665, 152, 40, 22);
    // The bottom row: side by side from x 165, each in its own size, 20 apart.
    int x = 165;
    for (const int id : {PD_DELETE, PD_OPEN, PD_SAVE, PD_CANCEL, PD_CLOSE}) {
        const RECT r = place_of(dlg, id);
        EXPECT_EQ(r.left, x) << id;
        EXPECT_EQ(r.top, 447) << id;
        x = r.right + 20;
    }
    EnumChildWindows(dlg, expect_inside, reinterpret_cast<LPARAM>(dlg));
}

TEST_F(dialogs, ProjectDialogCreateSaveOpenAndPages)
{
    ASSERT_NE(open_modeless(PROJECT_DLG, project_dlg_proc), nullptr);
    // Idle.
    for (const int id : {PD_NAME, PD_CREATE, PD_OPEN, PD_CLOSE, PD_SLOT0}) EXPECT_TRUE(enabled(dlg, id)) << id;
    for (const int id : {PD_SAVE, PD_DELETE}) EXPECT_FALSE(enabled(dlg, id)) << id;

    SetDlgItemTextA(dlg, PD_NAME, "新規");
    click(dlg, PD_CREATE);
    // Creating.
    EXPECT_TRUE(enabled(dlg, PD_SAVE));
    for (const int id : {PD_NAME, PD_CREATE, PD_OPEN, PD_CLOSE, PD_DELETE}) EXPECT_FALSE(enabled(dlg, id)) << id;
    EXPECT_EQ(IsDlgButtonChecked(dlg, PD_MODE_PLAIN), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dlg, PD_KIND_NONE), BST_CHECKED);
    SetDlgItemTextA(dlg, PD_SLOT0, "d:\\作業");
    SetDlgItemTextA(dlg, PD_SLOT2, "d:\\b");
    SetDlgItemTextA(dlg, PD_DEF0, "定義");
    CheckRadioButton(dlg, PD_KIND_C, PD_KIND_NONE, PD_KIND_PROC);
    click(dlg, PD_SAVE);
    EXPECT_EQ(file_text("vokdir.dat"), "home\nold c:\\old;HOME\n新規 d:\\作業;d:\\b;HOME\n");
    EXPECT_EQ(file_text("vstacks.dat"), "home\nold\tOLDDEF\n新規\t定義\n");
    EXPECT_EQ(file_text("pstacks.dat"), "home\t\t\nold\tFOLDER\tC\t\t\t\t\t\t\n新規\t\tPROC\t\t\t\t\t\t\n");
    EXPECT_EQ(file_text("ostacks.dat"), "home\nold\tk\n新規\n");
    EXPECT_TRUE(enabled(dlg, PD_OPEN));
    EXPECT_FALSE(enabled(dlg, PD_SAVE));

    // Editing: the folders moved up, the pages and their rows.
    click(dlg, PD_OPEN);
    EXPECT_FALSE(enabled(dlg, PD_OPEN));
    EXPECT_TRUE(enabled(dlg, PD_DELETE));
    EXPECT_EQ(item_text(dlg, PD_SLOT0), "d:\\作業");
    EXPECT_EQ(item_text(dlg, PD_SLOT1), "d:\\b");
    EXPECT_EQ(item_text(dlg, PD_DEF0), "定義");
    EXPECT_EQ(IsDlgButtonChecked(dlg, PD_KIND_PROC), BST_CHECKED);
    click(dlg, PD_INSSLOT0);
    EXPECT_EQ(item_text(dlg, PD_SLOT0), "");
    EXPECT_EQ(item_text(dlg, PD_SLOT1), "d:\\作業");
    for (int i = 0; i < 4; ++i) click(dlg, PD_PAGE_NEXT);
    EXPECT_EQ(item_text(dlg, PD_PAGE_LABEL), "フォルダ(u～z)");
    EXPECT_TRUE(enabled(dlg, PD_SLOT5));
    EXPECT_FALSE(enabled(dlg, PD_SLOT6));
    EXPECT_FALSE(enabled(dlg, PD_INSSLOT9));
    EXPECT_EQ(item_text(dlg, PD_SLOT9), "");

    // Cancel: the slots as opened, idle again, nothing written.
    click(dlg, PD_CANCEL);
    click(dlg, PD_PAGE_FIRST);
    EXPECT_EQ(item_text(dlg, PD_SLOT0), "d:\\作業");
    EXPECT_TRUE(enabled(dlg, PD_OPEN));
    EXPECT_EQ(file_text("vokdir.dat"), "home\nold c:\\old;HOME\n新規 d:\\作業;d:\\b;HOME\n");

    // Delete after Open.
    click(dlg, PD_OPEN);
    click(dlg, PD_DELETE);
    EXPECT_EQ(file_text("vokdir.dat"), "home\nold c:\\old;HOME\n");
    EXPECT_EQ(file_text("ostacks.dat"), "home\nold\tk\n");
    EXPECT_EQ(SendMessageA(GetDlgItem(dlg, PD_NAME), CB_GETCOUNT, 0, 0), 2);
    EXPECT_TRUE(enabled(dlg, PD_CREATE));
}

TEST_F(dialogs, ProjectDialogHomeAndRefusals)
{
    ASSERT_NE(open_modeless(PROJECT_DLG, project_dlg_proc), nullptr);
    EXPECT_EQ(click_refused(dlg, PD_CREATE), "作成するプロジェクト名が指定されていません");
    SetDlgItemTextA(dlg, PD_NAME, "my proj");
    EXPECT_EQ(click_refused(dlg, PD_CREATE), "作成するプロジェクト名に空白は許されません");
    SetDlgItemTextA(dlg, PD_NAME, "old");
    EXPECT_EQ(click_refused(dlg, PD_CREATE), "プロジェクト名が重複しています(1)");
    SetDlgItemTextA(dlg, PD_NAME, "none");
    EXPECT_EQ(click_refused(dlg, PD_OPEN), "指定されたプロジェクト名が見つかりません");
    SetDlgItemTextA(dlg, PD_NAME, "p");
    click(dlg, PD_CREATE);
    SetDlgItemTextA(dlg, PD_SLOT4, "d:\\x(1)");
    EXPECT_EQ(click_refused(dlg, PD_SAVE), "プロジェクトのディレクトリに,や;や(は許されません");
    EXPECT_TRUE(enabled(dlg, PD_SAVE)) << "the dialog stays creating";
    click(dlg, PD_CANCEL);
    EXPECT_EQ(SendMessageA(GetDlgItem(dlg, PD_NAME), CB_GETCOUNT, 0, 0), 2);

    SetDlgItemTextA(dlg, PD_NAME, "home");
    click(dlg, PD_OPEN);
    EXPECT_TRUE(enabled(dlg, PD_SAVE));
    EXPECT_FALSE(enabled(dlg, PD_DELETE));
    EXPECT_FALSE(enabled(dlg, PD_SLOT0));
    EXPECT_FALSE(enabled(dlg, PD_BROWSE0));
    click(dlg, PD_SAVE);
    EXPECT_EQ(file_text("vokdir.dat"), "home\nold c:\\old;HOME\n");
    EXPECT_EQ(file_text("pstacks.dat"), "home\t\t\t\t\t\t\t\t\nold\tFOLDER\tC\t\t\t\t\t\t\n");
}

namespace {

// The folder browser's answer, set before a browse is clicked.
int browser_answer;
HWND browser_owner;

BOOL CALLBACK find_owned_box(HWND hwnd, LPARAM lp)
{
    char cls[64];
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") != 0 || GetWindow(hwnd, GW_OWNER) != browser_owner || !IsWindowVisible(hwnd)) {
        return TRUE;
    }
    *reinterpret_cast<HWND *>(lp) = hwnd;
    return FALSE;
}

void CALLBACK answer_browser(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND box = nullptr;
    EnumWindows(find_owned_box, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) return;
    KillTimer(nullptr, id);
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(browser_answer), 0);
}

void CALLBACK close_project_dialog(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND dlg = own_box("プロジェクトの設定");
    if (dlg == nullptr) return;
    KillTimer(nullptr, id);
    PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(PD_CLOSE, BN_CLICKED), 0);
}

void CALLBACK press_in_param_dialog(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND dlg = own_box("パラメータの設定");
    if (dlg == nullptr) return;
    KillTimer(nullptr, id);
    SetDlgItemTextA(dlg, PM_CATEGORY_WIDE, "abc");
    SetDlgItemTextA(dlg, PM_EDITOR, "c:\\ツール\\ed.exe");
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(PM_SET_A, BN_CLICKED), 0);
    SetDlgItemTextA(dlg, PM_OBJECT_WIDE, "300");
    PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(PM_OK, BN_CLICKED), 0);
}

void CALLBACK cancel_param_dialog(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND dlg = own_box("パラメータの設定");
    if (dlg == nullptr) return;
    KillTimer(nullptr, id);
    SetDlgItemTextA(dlg, PM_EDITOR, "changed.exe");
    PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(PM_CANCEL, BN_CLICKED), 0);
}

}  // namespace

TEST_F(dialogs, ModalDialogsEndWithTheirCodes)
{
    SetTimer(nullptr, 0, 50, close_project_dialog);
    EXPECT_EQ(open_project_dlg(GetModuleHandleA(nullptr), nullptr), 0);

    category_wide = object_wide = category_font = 0;
    editor[0] = '\0';
    SetTimer(nullptr, 0, 50, cancel_param_dialog);
    EXPECT_EQ(open_param_dlg(GetModuleHandleA(nullptr), nullptr), 1);
    EXPECT_STREQ(editor, "");
    EXPECT_EQ(file_text("vokparameter.dat"), "<none>");

    SetTimer(nullptr, 0, 50, press_in_param_dialog);
    EXPECT_EQ(open_param_dlg(GetModuleHandleA(nullptr), nullptr), 0);
    EXPECT_EQ(category_wide, 150);
    EXPECT_EQ(object_wide, 300);
    EXPECT_EQ(category_font, 14);
    EXPECT_STREQ(editor, "c:\\ツール\\ed.exe");
    EXPECT_EQ(file_text("vokparameter.dat"),
              "category_wide\t=\t150\nobject_wide\t=\t300\ncategory_font\t=\t14\neditor\t=\tc:\\ツール\\ed.exe\n"
              "option\t=\t/j%d\noption2\t=\t/j%d\nexplorer\t=\t" +
                  std::string(explorer) + "\nexcel\t=\t" + excel + "\nfolder\t=\t" + folder + "\n");
}

TEST_F(dialogs, ParamDialogLabelsPlacesAndRefusals)
{
    category_wide = 231;
    ASSERT_NE(open_modeless(PARAM_DLG, param_dlg_proc), nullptr);
    char caption[200];
    GetWindowTextA(dlg, caption, sizeof caption);
    EXPECT_STREQ(caption, "パラメータの設定");
    const label_row rows[] = {
        {PM_CATEGORY_WIDE_LABEL, "カテゴリ欄の幅"},
        {PM_OBJECT_WIDE_LABEL, "オブジェクト欄の幅"},
        {PM_CATEGORY_FONT_LABEL, "欄の文字の大きさ"},
        {PM_EDITOR_LABEL, "エディタ"},
        {PM_OPTION_LABEL, "エディタ起動オプション"},
        {PM_OPTION2_LABEL, "関数ツリー(参照)から起動するときのオプション"},
        {PM_EXPLORER_LABEL, "ブラウザ"},
        {PM_EXCEL_LABEL, "エクセル"},
        {PM_FOLDER_LABEL, "作業フォルダ"},
        {PM_EDITOR_BROWSE, "参照"},
        {PM_FOLDER_BROWSE, "参照"},
        {PM_PRESET_OPTION, "行"},
        {PM_PRESET_FILE, "名"},
        {PM_PRESET_FILE_LINE, "両"},
        {PM_SET_A, "標準A"},
        {PM_SET_B, "標準B"},
        {PM_RESTORE, "元に戻す"},
        {PM_FIND_EDITOR, "エディタを探す"},
        {PM_NOTE, "OKで設定をパラメータファイルに書き込みます"},
        {PM_OK, "OK"},
        {PM_CANCEL, "キャンセル"},
        {PM_CATEGORY_WIDE, "231"},
    };
    for (const label_row &r : rows) EXPECT_EQ(item_text(dlg, r.id), r.text) << r.id;

    expect_place(dlg, PM_CATEGORY_WIDE_LABEL, 50, 60, 170, 22);
    expect_place(dlg, PM_CATEGORY_FONT, 225, 130, 100, 22);
    expect_place(dlg, PM_EDITOR, 225, 165, 550, 22);
    expect_place(dlg, PM_EDITOR_BROWSE, 785, 165, 50, 22);
    expect_place(dlg, PM_PRESET_OPTION, 335, 200, 20, 22);
    expect_place(dlg, PM_OPTION2, 625, 235, 150, 22);
    expect_place(dlg, PM_PRESET_FILE_LINE, 825, 235, 20, 22);
    expect_place(dlg, PM_FOLDER, 225, 340, 550, 22);
    const RECT label = place_of(dlg, PM_OPTION2_LABEL);
    EXPECT_EQ(label.left, 380);
    EXPECT_LE(label.right, 625) << "the option2 label ends before its field";
    EnumChildWindows(dlg, expect_inside, reinterpret_cast<LPARAM>(dlg));

    SetDlgItemTextA(dlg, PM_OPTION, "%s /j%d");
    EXPECT_EQ(click_refused(dlg, PM_OK), "エディタ起動時のオプションにエラーがあります");
    click(dlg, PM_PRESET_OPTION);
    EXPECT_EQ(item_text(dlg, PM_OPTION), "/j%d");
    SetDlgItemTextA(dlg, PM_OPTION2, "%s %s");
    EXPECT_EQ(click_refused(dlg, PM_OK), "関数ツリー(参照)用エディタ起動時のオプションにエラーがあります");
    click(dlg, PM_PRESET_FILE_LINE);
    EXPECT_EQ(item_text(dlg, PM_OPTION2), "/scwI \"%s\" /j%d");
    click(dlg, PM_SET_B);
    EXPECT_EQ(item_text(dlg, PM_CATEGORY_WIDE), "231");
    EXPECT_EQ(item_text(dlg, PM_OBJECT_WIDE), "296");
    EXPECT_EQ(item_text(dlg, PM_OPTION2), "/j%d");
    SetDlgItemTextA(dlg, PM_CATEGORY_WIDE, "9");
    click(dlg, PM_RESTORE);
    EXPECT_EQ(item_text(dlg, PM_CATEGORY_WIDE), "231");
    EXPECT_EQ(file_text("vokparameter.dat"), "<none>");
    category_wide = 0;
}

// The editor the registry names is proposed in the field; the parameter
// itself changes only by OK.
TEST_F(dialogs, ParamDialogProposesTheRegistryEditorWithoutTakingIt)
{
    const char key_name[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hidemaru";
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const char uninstall[] = "c:\\エディタ\\uninst.exe";
    RegSetValueExA(key, "UninstallString", 0, REG_SZ, reinterpret_cast<const BYTE *>(uninstall), sizeof uninstall);
    RegCloseKey(key);
    editor[0] = '\0';
    ASSERT_NE(open_modeless(PARAM_DLG, param_dlg_proc), nullptr);
    EXPECT_EQ(item_text(dlg, PM_EDITOR), "c:\\エディタ\\Hidemaru.exe");
    SetDlgItemTextA(dlg, PM_EDITOR, "");
    click(dlg, PM_FIND_EDITOR);
    EXPECT_EQ(item_text(dlg, PM_EDITOR), "c:\\エディタ\\Hidemaru.exe");
    click(dlg, PM_CANCEL);
    EXPECT_STREQ(editor, "");
    EXPECT_EQ(file_text("vokparameter.dat"), "<none>");
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, key_name);
}

// The folder browser opens on the last folder; a chosen folder fills the
// row's slot and becomes the last one, a cancel leaves both.
TEST_F(dialogs, ProjectDialogBrowseFillsTheRowsSlot)
{
    ASSERT_NE(open_modeless(PROJECT_DLG, project_dlg_proc), nullptr);
    browser_owner = dlg;
    click(dlg, PD_PAGE_NEXT);
    browser_answer = IDCANCEL;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, answer_browser);
    click(dlg, PD_BROWSE2);
    KillTimer(nullptr, timer);
    EXPECT_EQ(item_text(dlg, PD_SLOT2), "");
    EXPECT_STREQ(projdlg_slots[12], "");
    EXPECT_STREQ(projdlg_last_folder, "c:\\");

    browser_answer = IDOK;
    timer = SetTimer(nullptr, 0, 100, answer_browser);
    click(dlg, PD_BROWSE2);
    KillTimer(nullptr, timer);
    EXPECT_EQ(item_text(dlg, PD_SLOT2), "C:\\");
    EXPECT_STREQ(projdlg_slots[12], "C:\\");
    EXPECT_STREQ(projdlg_last_folder, "C:\\");
}
