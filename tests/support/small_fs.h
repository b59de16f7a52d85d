// A folder of its own for the failures of a writer: on a small tmpfs that
// can be filled (a full disk) or remounted read-only (a read-only folder
// that even root cannot write), or as a plain folder.  Mounting needs a
// native build and the right to mount; where either is missing mounted()
// is false and the test says it skipped.
#ifndef VOK_TESTS_SUPPORT_SMALL_FS_H
#define VOK_TESTS_SUPPORT_SMALL_FS_H

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <direct.h>
#include <process.h>
#define getpid _getpid
#else
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "shell/host.h"
#include "tests/support/failed_write.h"

namespace small_fs {

// The folder name of run n of the calling test.
inline std::string folder_name(const char *stem, int n)
{
    return std::string(stem) + std::to_string(static_cast<long long>(getpid())) + "_" + std::to_string(n);
}

class folder {
public:
    // Makes dir; mounts a 64 KiB tmpfs on it when mount is true.
    folder(const std::string &dir, bool mount_it) : dir_((std::filesystem::current_path() / dir).string())
    {
#ifdef _WIN32
        (void)mount_it;
        _mkdir(dir_.c_str());
#else
        mkdir(dir_.c_str(), 0755);
        mounted_ = mount_it && mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=64k") == 0;
#endif
    }
    // Unmounts and removes the folder and what it holds.
    ~folder()
    {
#ifndef _WIN32
        if (mounted_) umount2(dir_.c_str(), MNT_DETACH);
#endif
        std::error_code error;
        std::filesystem::remove_all(dir_, error);
    }
    bool mounted() const { return mounted_; }
    const std::string &path() const { return dir_; }

    // Fills the free space with one file (the current folder must be this
    // one): true when a write then failed.
    bool fill() const
    {
        FILE *fp = fopen("filler", "wb");
        if (fp == nullptr) return false;
        static const char block[4096] = {};
        bool full = false;
        while (!full) full = fwrite(block, 1, sizeof block, fp) != sizeof block || fflush(fp) != 0;
        fclose(fp);
        return full;
    }

    // Remounts the tmpfs read-only: true when done.
    bool make_read_only() const
    {
#ifdef _WIN32
        return false;
#else
        return mounted_ && mount("tmpfs", dir_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
#endif
    }

private:
    std::string dir_;
    bool mounted_ = false;
};

}  // namespace small_fs

#endif
