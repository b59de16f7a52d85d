// The merge of a generated header into the source that includes it.
#ifndef VOK_SHELL_INCLUDE_LINES_H
#define VOK_SHELL_INCLUDE_LINES_H

// Replaces the source's include line of the part file by the part's lines
// (through "work.fil") and removes the part file: 0; 1 "work.fil" not
// created, 3 source not opened, 4 source not rewritten, 5 "work.fil" not reread.
int add_include_lines(const char *part_name, const char *source_name);

#endif
