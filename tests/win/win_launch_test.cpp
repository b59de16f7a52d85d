// The launcher and the registry lookups against the real system: a started
// program sees "TTT.exe" and the arguments; a missing program is reported in
// a real edit; registry values are read from keys the test writes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "shell/launcher.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "tests/win/test_window.h"

namespace {

std::string echo_path;  // the program that writes its command line

bool set_value(HKEY root, const char *key, const char *name, const char *value)
{
    HKEY k;
    if (RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr) != ERROR_SUCCESS) return false;
    const LONG rc = RegSetValueExA(k, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(value), lstrlenA(value) + 1);
    RegCloseKey(k);
    return rc == ERROR_SUCCESS;
}

}  // namespace

TEST(WinLaunch, StartedProgramSeesItsArguments)
{
    DeleteFileA("cmdline.txt");
    const std::string command = "\"" + echo_path + "\" /j12 a.c";
    EXPECT_EQ(exec_wait(command.c_str(), 0), 32);
    for (int i = 0; i < 100 && first_line("cmdline.txt") == "<none>"; ++i) Sleep(100);
    Sleep(200);
    EXPECT_EQ(first_line("cmdline.txt"), "TTT.exe /j12 a.c");
}

TEST(WinLaunch, MissingProgramIsReportedOnCode)
{
    const test_window window = make_test_window();
    code_out_hwnd = window.edit;
    EXPECT_EQ(exec_wait("\"C:\\no\\such\\program.exe\" x", 0), -3);
    const std::string shown = window_text(window.edit);
    EXPECT_EQ(shown.rfind("プロセスの起動失敗(", 0), 0u) << shown;
    EXPECT_NE(shown.find("(C:\\no\\such\\program.exe)\r\n"), std::string::npos) << shown;
    code_out_hwnd = nullptr;
    destroy_test_window(window);
}

TEST(WinLaunch, RegistryLookups)
{
    char buf[param_size] = "untouched";
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hidemaru");
    EXPECT_EQ(find_hidemaru(buf), 1);
    EXPECT_STREQ(buf, "untouched");
    ASSERT_TRUE(set_value(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hidemaru",
                          "UninstallString", "\"C:\\hm\\HmUninst.exe\""));
    EXPECT_EQ(find_hidemaru(buf), 0);
    EXPECT_STREQ(buf, "\"C:\\hm\\Hidemaru.exe");
    ASSERT_TRUE(set_value(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\Applications\\EXCEL.EXE\\shell\\edit\\command",
                          nullptr, "\"C:\\Office\\EXCEL.EXE\" /e"));
    EXPECT_EQ(find_excel(buf), 0);
    EXPECT_STREQ(buf, "C:\\Office\\excel.exe");
    ASSERT_TRUE(set_value(HKEY_CLASSES_ROOT, "CLSID\\{FBF23B42-E3F0-101B-8488-00AA003E56F8}\\DefaultIcon", nullptr, "x"));
    EXPECT_EQ(find_iexplore(buf), 0);
    EXPECT_STREQ(buf, "c:\\Program Files\\Internet Explorer\\IEXPLORE.exe");
}

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) {
        echo_path = windows_program_path(argv[1]);
    }
    return RUN_ALL_TESTS();
}
