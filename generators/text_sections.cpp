// Section lines of text files and their open through the folder slots.  A
// section runs from its section line to the next one; directive lines such
// as "#DATA" never begin or end a section.
#include "generators/text_sections.h"

#include <cstring>

#include "shell/dirs.h"
#include "shell/sysfile.h"

namespace {

bool ends_word(char c) { return c == '\0' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Directives that look like section lines; the last is "#" and an ideographic space.
const char *const directives[] = {"#DATA", "#COMMENT", "#END", "#TAB", "#FIN", "#\x81\x40"};

}  // namespace

FILE *open_in_dir(const char *name, const char *mode, const char *hint)
{
    char path[dir_path_size];
    if (find_in_dirs(path, sizeof path, name, hint) != 1) return nullptr;
    return sys_fopen(path, mode);
}

int is_section_line(const char *line)
{
    if (line[0] != '#' || ends_word(line[1])) return 0;
    for (const char *d : directives) {
        if (strncmp(line, d, strlen(d)) == 0) return 0;
    }
    return 1;
}

int is_section_named(const char *line, const char *section)
{
    if (!is_section_line(line)) return 0;
    const size_t n = strlen(section);
    return strncmp(line + 1, section, n) == 0 && ends_word(line[1 + n]) ? 1 : 0;
}
