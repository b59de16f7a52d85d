// Shell services of the capture host (see capture_shell.h).
#include "tests/support/capture_shell.h"

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#else
#include <dirent.h>
#include <fnmatch.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#endif

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "shell/host.h"

namespace capture {

std::string drive_root[26];
std::vector<started_process> processes;
int process_error;
std::map<std::string, std::string> registry;
int find_calls;
int rename_error;
int copy_failures;
int copy_calls;

#ifndef _WIN32
namespace {

std::vector<std::vector<std::string>> searches;

// The native form of a Windows path: drive letter mapped, "\\" as "/".
std::string native_path(const char *path)
{
    std::string p(path);
    if (p.size() >= 2 && isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':') {
        p = drive_root[toupper(static_cast<unsigned char>(p[0])) - 'A'] + "/" + p.substr(2);
    }
    std::replace(p.begin(), p.end(), '\\', '/');
    return p;
}

}  // namespace
#endif

void reset_shell()
{
    for (auto &root : drive_root) root.clear();
    processes.clear();
    process_error = 0;
    registry.clear();
    find_calls = 0;
    rename_error = 0;
    fail_writes_past(-1);
    copy_failures = 0;
    copy_calls = 0;
#ifndef _WIN32
    searches.clear();
#endif
}

bool fail_writes_past(long bytes)
{
#ifdef _WIN32
    (void)bytes;
    return false;
#else
    // A write past the limit then fails with EFBIG instead of raising SIGXFSZ.
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit;
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
    limit.rlim_cur = bytes < 0 ? limit.rlim_max : static_cast<rlim_t>(bytes);
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
#endif
}

}  // namespace capture

using namespace capture;

#ifdef _WIN32
// Under Wine the tests use the real drives, folders and searches.
int host_chdrive(int drive) { return _chdrive(drive); }

int host_chdir(const char *path) { return _chdir(path) == 0 ? 0 : -1; }

int host_getcwd(char *buf, int size) { return _getcwd(buf, size) != nullptr ? 0 : -1; }

intptr_t host_find_first(const char *pattern, char *name, int size)
{
    ++find_calls;
    _finddata_t found;
    const intptr_t search = _findfirst(pattern, &found);
    if (search != -1) snprintf(name, static_cast<size_t>(size), "%s", found.name);
    return search;
}

int host_find_next(intptr_t search, char *name, int size)
{
    _finddata_t found;
    if (_findnext(search, &found) != 0) return -1;
    snprintf(name, static_cast<size_t>(size), "%s", found.name);
    return 0;
}

void host_find_close(intptr_t search) { _findclose(search); }

int host_rename_over(const char *from, const char *to)
{
    if (rename_error != 0) return -1;
    remove(to);
    return rename(from, to) == 0 ? 0 : -1;
}
#else
int host_chdrive(int drive)
{
    if (drive < 1 || drive > 26 || drive_root[drive - 1].empty()) return -1;
    return chdir(drive_root[drive - 1].c_str()) == 0 ? 0 : -1;
}

int host_chdir(const char *path) { return chdir(native_path(path).c_str()) == 0 ? 0 : -1; }

int host_getcwd(char *buf, int size) { return getcwd(buf, static_cast<size_t>(size)) != nullptr ? 0 : -1; }

intptr_t host_find_first(const char *pattern, char *name, int size)
{
    ++find_calls;
    std::string p = native_path(pattern);
    std::string dir = ".";
    const size_t slash = p.rfind('/');
    if (slash != std::string::npos) {
        dir = p.substr(0, slash);
        p = p.substr(slash + 1);
    }
    std::vector<std::string> names;
    struct stat st;
    if (!p.empty() && p.find_first_of("*?[") == std::string::npos && stat((dir + "/" + p).c_str(), &st) == 0) {
        // a plain name that exists as written is the one file a case-blind
        // file system holds under it: no need to read the whole folder
        snprintf(name, static_cast<size_t>(size), "%s", p.c_str());
        searches.push_back(names);
        return static_cast<intptr_t>(searches.size() - 1);
    }
    if (DIR *d = opendir(dir.c_str())) {
        while (dirent *e = readdir(d)) {
            if (fnmatch(p.c_str(), e->d_name, FNM_CASEFOLD) == 0) names.push_back(e->d_name);
        }
        closedir(d);
    }
    if (names.empty()) return -1;
    std::sort(names.begin(), names.end());
    std::reverse(names.begin(), names.end());
    snprintf(name, static_cast<size_t>(size), "%s", names.back().c_str());
    names.pop_back();
    searches.push_back(names);
    return static_cast<intptr_t>(searches.size() - 1);
}

int host_find_next(intptr_t search, char *name, int size)
{
    if (search < 0 || static_cast<size_t>(search) >= searches.size()) return -1;
    auto &names = searches[static_cast<size_t>(search)];
    if (names.empty()) return -1;
    snprintf(name, static_cast<size_t>(size), "%s", names.back().c_str());
    names.pop_back();
    return 0;
}

void host_find_close(intptr_t search)
{
    if (search >= 0 && static_cast<size_t>(search) < searches.size()) searches[static_cast<size_t>(search)].clear();
}

int host_rename_over(const char *from, const char *to)
{
    if (rename_error != 0) return -1;
    return rename(native_path(from).c_str(), native_path(to).c_str()) == 0 ? 0 : -1;
}

#endif

// The C++ library's copy; a scripted failure leaves the target untouched.
int host_copy_file(const char *from, const char *to, int fail_if_exists)
{
    ++copy_calls;
    if (copy_failures > 0) {
        --copy_failures;
        return -1;
    }
#ifdef _WIN32
    const std::string source(from), target(to);
#else
    const std::string source = native_path(from), target = native_path(to);
#endif
    // A plain byte copy: the Windows library's copy_file does not overwrite
    // reliably under Wine.
    std::error_code error;
    if (fail_if_exists != 0 && std::filesystem::exists(target, error)) return -1;
    std::ifstream in(source, std::ios::binary);
    if (!in) return -1;
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    if (in.peek() != std::ifstream::traits_type::eof()) out << in.rdbuf();
    return out.good() ? 0 : -1;
}

int host_start_process(const char *exe, char *cmdline, char *error_text, int size)
{
    processes.push_back({exe, cmdline});
    if (process_error != 0) snprintf(error_text, static_cast<size_t>(size), "%s", "no such program");
    return process_error;
}

int host_reg_read(int root, const char *key, const char *value, char *buf, int size)
{
    const std::string prefix = std::to_string(root) + "|" + key + "|";
    if (size == 0) {
        for (const auto &row : registry) {
            if (row.first.compare(0, prefix.size(), prefix) == 0) return 0;
        }
        return 1;
    }
    const auto row = registry.find(prefix + (value != nullptr ? value : ""));
    if (row == registry.end()) return 1;
    snprintf(buf, static_cast<size_t>(size), "%s", row->second.c_str());
    return 0;
}
