// What every fuzz target shares: a scratch folder of its own, made once per
// process and entered, and whole files written into it from the fuzzer's bytes.
#ifndef VOK_TESTS_FUZZ_FUZZ_SUPPORT_H
#define VOK_TESTS_FUZZ_FUZZ_SUPPORT_H

#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

// The scratch folder (made under $TMPDIR and entered on the first call); exits
// when it cannot be made.
inline const std::string &scratch()
{
    static std::string folder;
    if (folder.empty()) {
        const char *tmp = getenv("TMPDIR");
        std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/vokfuzz.XXXXXX";
        if (mkdtemp(&pattern[0]) == nullptr || chdir(pattern.c_str()) != 0) {
            perror("vokfuzz: scratch folder");
            exit(2);
        }
        folder = pattern;
    }
    return folder;
}

// Writes bytes to a file of the current folder; false when it cannot.
inline bool write_file(const char *name, const unsigned char *data, size_t size)
{
    FILE *fp = fopen(name, "wb");
    if (fp == nullptr) return false;
    const bool whole = fwrite(data, 1, size, fp) == size;
    return fclose(fp) == 0 && whole;
}

// The whole content of a file, or "" when it cannot be read.
inline std::string read_file(const char *name)
{
    std::string text;
    FILE *fp = fopen(name, "rb");
    if (fp == nullptr) return text;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, fp)) > 0) text.append(buf, n);
    fclose(fp);
    return text;
}

// Copies a file; false when either end fails.
inline bool copy_file(const char *from, const char *to)
{
    const std::string text = read_file(from);
    return !text.empty() && write_file(to, reinterpret_cast<const unsigned char *>(text.data()), text.size());
}

}  // namespace fuzz

#endif
