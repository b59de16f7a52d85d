// The include merge after source generation: a generated part file takes
// the place of the line that includes it in its source.
#ifndef VOK_SHELL_INCLUDE_LINES_H
#define VOK_SHELL_INCLUDE_LINES_H

#include <cstdio>

// Replaces the include line of part in source (found through the search
// path) by the part's lines, then removes the part file.  The include line is
// "#include\t\"part\"" with the part in lower case in X-Window mode, else
// "#include \"part\"", each without the part's slot prefix.  The merged text
// goes to "work.fil" in the current directory first; the source is replaced
// only when all of it was written and read back.
// An include_result; on a failure the source and the part file stay as they
// were.
int add_include_lines(const char *part, const char *source);

// The results of add_include_lines.
enum include_result {
    include_merged = 0,            // done
    include_work_unwritten = 1,    // "work.fil" not written
    include_source_missing = 3,    // source not found
    include_source_unwritten = 4,  // source not rewritten
    include_work_unread = 5,       // "work.fil" not read back
};

// The open of "work.fil" (a test may replace it).
extern FILE *(*include_work_open)(const char *path, const char *mode);

#endif
