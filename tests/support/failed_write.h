// The check every writer of a user file must pass: the writer runs once whole
// (which gives the new file's length), then with its writes failing half way
// through that length, then with the rename over the old file failing; after
// each failure the old file is byte-identical and the folder holds no other
// names than before.  Each run starts from the old file as prepare leaves it.
#ifndef VOK_TESTS_SUPPORT_FAILED_WRITE_H
#define VOK_TESTS_SUPPORT_FAILED_WRITE_H

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <set>
#include <string>

#include "shell/host.h"
#include "tests/support/capture_shell.h"

namespace failed_write {

struct writer_case {
    const char *name;
    const char *file;                   // the user file, as the C library names it
    std::function<void()> prepare;      // writes the old file (and what the writer reads)
    std::function<int()> write;         // the writer; its result when it failed is not checked
};

inline std::string bytes_of(const std::string &path)
{
    FILE *fp = fopen(path.c_str(), "rb");
    if (fp == nullptr) return "<none>";
    std::string text;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, fp)) > 0) text.append(buf, n);
    fclose(fp);
    return text;
}

// The names in the current folder.
inline std::set<std::string> folder_names()
{
    std::set<std::string> names;
    char name[1024];
    const intptr_t search = host_find_first("*", name, sizeof name);
    if (search == -1) return names;
    do {
        names.insert(name);
    } while (host_find_next(search, name, sizeof name) == 0);
    host_find_close(search);
    return names;
}

// Runs the writer from the prepared old file with fail set up first: the old
// file must stay byte-identical and no new name may appear.
inline void expect_old_kept(const writer_case &c, const std::function<void()> &fail, const char *how)
{
    c.prepare();
    const std::string old = bytes_of(c.file);
    const std::set<std::string> before = folder_names();
    fail();
    (void)c.write();
    capture::fail_writes_past(-1);
    capture::rename_error = 0;
    EXPECT_EQ(bytes_of(c.file), old) << c.name << ": " << how;
    EXPECT_EQ(folder_names(), before) << c.name << ": " << how << " left a temporary";
}

template <size_t N>
void expect_old_files_kept(const writer_case (&cases)[N])
{
    for (const writer_case &c : cases) {
        c.prepare();
        const std::string old = bytes_of(c.file);
        ASSERT_EQ(c.write(), 0) << c.name;
        const long whole = static_cast<long>(bytes_of(c.file).size());
        ASSERT_NE(bytes_of(c.file), old) << c.name << ": the case must change the file";
        if (capture::fail_writes_past(-1)) {
            expect_old_kept(c, [whole] { capture::fail_writes_past(whole / 2); }, "writes failing half way");
        }
        expect_old_kept(c, [] { capture::rename_error = 1; }, "the rename failing");
    }
}

}  // namespace failed_write

#endif
