// Include records: the base names a file includes, in lower case, handed
// to the call tables as the file's relations.
#include "analyser/includes.h"

#include <cstring>

#include "analyser/calls.h"
#include "analyser/source_load.h"
#include "shell/dirs.h"
#include "shell/sjis.h"
#include "shell/text.h"

include_rec include_tbl[include_cap];
int include_num;

namespace {

const int file_name_text = 1024;

// Lower-cases the ASCII letters of a Shift-JIS text, leaving double-byte
// characters alone.
void lower_ascii(char *text)
{
    for (unsigned char *p = reinterpret_cast<unsigned char *>(text); *p != '\0'; ++p) {
        if (is_sjis_lead(*p) && p[1] != '\0') ++p;
        else if (*p >= 'A' && *p <= 'Z') *p = static_cast<unsigned char>(*p - 'A' + 'a');
    }
}

// The part after the last "/" or "\" of a path, up to end.
const char *base_name(const char *path, const char *end)
{
    const char *base = path;
    for (const char *p = path; p < end; ++p) {
        if (is_sjis_lead(static_cast<unsigned char>(*p)) && p + 1 < end) ++p;
        else if (*p == '/' || *p == '\\') base = p + 1;
    }
    return base;
}

}  // namespace

int clear_includes()
{
    include_num = 0;
    return 0;
}

int add_include(int line, const char *text)
{
    if (include_num >= include_cap) return 0;
    while (*text == ' ' || *text == '\t') ++text;
    if (*text != '"' && *text != '<') return 0;
    const char *start = text + 1;
    const char *end = strchr(start, *text == '"' ? '"' : '>');
    if (end == nullptr) return 0;
    const char *base = base_name(start, end);
    char name[file_name_text];
    copy_span(name, sizeof name, base, static_cast<size_t>(end - base));
    lower_ascii(name);
    include_rec &r = include_tbl[include_num++];
    r.line = line;
    copy_bounded(r.name, sizeof r.name, name);
    return 0;
}

int write_includes()
{
    char self[file_name_text];
    copy_bounded(self, sizeof self, has_dir_prefix(cur_file) ? cur_file + 2 : cur_file);
    lower_ascii(self);
    add_trig(3, cur_file, self, 1, "", -1);
    for (int i = 0; i < include_num; ++i) add_trig(4, cur_file, self, 1, include_tbl[i].name, include_tbl[i].line);
    return 0;
}
