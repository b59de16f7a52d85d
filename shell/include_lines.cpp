// The include merge (see include_lines.h): source and part through the
// search path, the merged text through "work.fil", and the source rewritten
// through a temporary beside it so that a failed write keeps it whole.
#include "shell/include_lines.h"

#include <cstring>

#include "shell/dir_replace.h"
#include "shell/dirs.h"
#include "shell/startup.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "shell/words.h"

FILE *(*include_work_open)(const char *path, const char *mode) = sys_fopen;

namespace {

const char work_name[] = "work.fil";
const int merge_line_size = 1000;

void include_line(char *out, size_t size, const char *part)
{
    const char *bare = has_dir_prefix(part) ? part + 2 : part;
    if (xwin_mode) format_text(out, size, "#include\t\"%s\"\n", to_lower(bare));
    else format_text(out, size, "#include \"%s\"\n", bare);
}

// Copies every line of in to out: true when every write succeeded.
bool copy_lines(FILE *in, FILE *out)
{
    char line[merge_line_size];
    bool ok = true;
    while (ok && read_line(line, sizeof line, in) != nullptr) ok = fputs(line, out) >= 0;
    return ok;
}

// The source with its include line replaced by the part, into "work.fil".
bool write_merged(FILE *source, const char *include, const char *part)
{
    FILE *work = include_work_open(work_name, "w");
    if (work == nullptr) return false;
    char line[merge_line_size];
    bool ok = true;
    while (ok && read_line(line, sizeof line, source) != nullptr) {
        if (strcmp(line, include) != 0) {
            ok = fputs(line, work) >= 0;
            continue;
        }
        FILE *lines = dir_fopen(part, "r");
        if (lines == nullptr) continue;  // an unreadable part merges as nothing
        ok = copy_lines(lines, work);
        fclose(lines);
    }
    return close_written(work) && ok;
}

int copy_back(const char *located)
{
    FILE *work = include_work_open(work_name, "r");
    if (work == nullptr) return include_work_unread;
    dir_replacement out;
    if (!dir_replace_open(&out, located)) {
        fclose(work);
        return include_source_unwritten;
    }
    const bool ok = copy_lines(work, out.fp) && !ferror(work);
    fclose(work);
    return dir_replace_close(&out, ok) == 0 ? include_merged : include_source_unwritten;
}

// Removes the part file where the merge read it from: a plain name is
// looked up on the search path as dir_fopen found it, so a part in a project
// folder goes rather than a same-named file of the current directory.
void remove_merged_part(const char *part)
{
    char located[dir_path_size];
    remove_dir_name(locate_file(located, sizeof located, part) == 0 ? located : part);
}

}  // namespace

int add_include_lines(const char *part, const char *source)
{
    char include[merge_line_size];
    include_line(include, sizeof include, part);
    char located[dir_path_size];
    FILE *in = locate_file(located, sizeof located, source) == 0 ? dir_fopen(located, "r") : nullptr;
    if (in == nullptr) return include_source_missing;
    const bool written = write_merged(in, include, part);
    fclose(in);
    const int result = written ? copy_back(located) : include_work_unwritten;
    sys_remove(work_name);
    if (result == include_merged) remove_merged_part(part);
    return result;
}
