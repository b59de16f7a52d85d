// A fresh working folder per test for the shell's file services: the test
// enters it, the home folder is empty, no project is selected, and the drive
// "T:" is a folder inside it (natively through the capture host's drive
// mapping, under Wine the real folder).
#ifndef VOK_TESTS_SHELL_FIXTURE_H
#define VOK_TESTS_SHELL_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <string>

#ifdef _WIN32
#include <direct.h>
#include <process.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "shell/dirs.h"
#include "tests/support/capture_host.h"
#include "tests/support/capture_shell.h"

namespace fixture {

inline std::string native(std::string p)
{
#ifndef _WIN32
    for (char &c : p) {
        if (c == '\\') c = '/';
    }
#endif
    return p;
}

inline void make_dir(const std::string &path)
{
#ifdef _WIN32
    _mkdir(path.c_str());
#else
    mkdir(native(path).c_str(), 0777);
#endif
}

inline void remove_dir(const std::string &path)
{
#ifdef _WIN32
    _rmdir(path.c_str());
#else
    rmdir(native(path).c_str());
#endif
}

inline void write_file(const std::string &path, const std::string &text)
{
    FILE *fp = fopen(native(path).c_str(), "w");
    ASSERT_NE(fp, nullptr) << path;
    fputs(text.c_str(), fp);
    fclose(fp);
}

// The file's text as the C library reads it in text mode; "<none>" when missing.
inline std::string read_file(const std::string &path)
{
    FILE *fp = fopen(native(path).c_str(), "r");
    if (fp == nullptr) return "<none>";
    std::string text;
    int c;
    while ((c = fgetc(fp)) != EOF) text += static_cast<char>(c);
    fclose(fp);
    return text;
}

inline bool exists(const std::string &path) { return read_file(path) != "<none>"; }

inline std::string cwd()
{
    char buf[1024];
    return host_getcwd(buf, sizeof buf) == 0 ? buf : "";
}

}  // namespace fixture

class folder_test : public ::testing::Test {
protected:
    std::string start_dir;
    std::string root;  // the test's own folder

    void SetUp() override
    {
        capture::reset();
        capture::reset_shell();
        start_dir = fixture::cwd();
        static int serial = 0;
#ifdef _WIN32
        const int pid = _getpid();
#else
        const int pid = getpid();
#endif
        // Folders of earlier runs stay behind: the time and the process make the name new.
        static const std::string run = std::to_string(static_cast<long long>(time(nullptr))) + "_" + std::to_string(pid);
        const std::string name = "case" + run + "_" + std::to_string(++serial);
        fixture::make_dir(name);
        ASSERT_EQ(host_chdir(name.c_str()), 0);
        root = fixture::cwd();
#ifndef _WIN32
        fixture::make_dir("T:");
        capture::drive_root['T' - 'A'] = root + "/T:";
#endif
        clear_folders();
    }

    // The folders a case set point into its own folder: a later suite of the
    // same program must not write there.
    void TearDown() override
    {
        host_chdir(start_dir.c_str());
        clear_folders();
    }

    static void clear_folders()
    {
        home_dir[0] = '\0';
        saved_cwd[0] = '\0';
        proj_dirs[0] = '\0';
        proj_selected = 0;
    }

    // A folder under the drive T: as the program writes it ("T:\\sub").
    std::string drive_dir(const std::string &sub)
    {
#ifdef _WIN32
        const std::string path = root + "\\" + sub;
#else
        const std::string path = "T:\\" + sub;
#endif
        fixture::make_dir(path);
        return path;
    }

    void select(const std::string &dirs)
    {
        snprintf(proj_dirs, sizeof proj_dirs, "%s", dirs.c_str());
        proj_selected = 1;
    }
};

#endif
