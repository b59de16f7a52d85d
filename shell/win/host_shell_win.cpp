// The shell services of the host seam bound to Win32: drives and folders,
// find-first/find-next, renames, process starts and registry reads.
#include <direct.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "shell/host.h"

int host_chdrive(int drive) { return _chdrive(drive); }

int host_chdir(const char *path) { return _chdir(path) == 0 ? 0 : -1; }

int host_getcwd(char *buf, int size) { return _getcwd(buf, size) != nullptr ? 0 : -1; }

intptr_t host_find_first(const char *pattern, char *name, int size)
{
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
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) ? 0 : -1;
}

int host_copy_file(const char *from, const char *to, int fail_if_exists)
{
    return CopyFileA(from, to, fail_if_exists != 0 ? TRUE : FALSE) ? 0 : -1;
}

int host_start_process(const char *exe, char *cmdline, char *error_text, int size)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(exe, cmdline, nullptr, nullptr, FALSE, CREATE_NEW_PROCESS_GROUP, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return 0;
    }
    const DWORD error = GetLastError();
    error_text[0] = '\0';
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                   MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), error_text, static_cast<DWORD>(size), nullptr);
    return error != 0 ? static_cast<int>(error) : -1;
}

int host_reg_read(int root, const char *key, const char *value, char *buf, int size)
{
    HKEY opened;
    if (RegOpenKeyExA(root == 0 ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &opened) !=
        ERROR_SUCCESS) {
        return 1;
    }
    if (size <= 0) {
        RegCloseKey(opened);
        return 0;
    }
    DWORD type = 0;
    DWORD length = static_cast<DWORD>(size - 1);
    const LONG rc = RegQueryValueExA(opened, value, nullptr, &type, reinterpret_cast<BYTE *>(buf), &length);
    RegCloseKey(opened);
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return 1;
    buf[length < static_cast<DWORD>(size) ? length : static_cast<DWORD>(size - 1)] = '\0';
    return 0;
}
