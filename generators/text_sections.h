// Text files cut into named sections, as the PROPERTY screen shows a TAG
// box's text and the page generator copies it: the open through the folder
// slots and the test for a line that begins a section.
#ifndef VOK_GENERATORS_TEXT_SECTIONS_H
#define VOK_GENERATORS_TEXT_SECTIONS_H

#include <cstdio>

// Opens name (fopen mode) in the first folder slot that holds it, starting
// with the slot of hint's slot prefix (slot 0 without one); null when none does.
FILE *open_in_dir(const char *name, const char *mode, const char *hint);

// 1 when the line begins with "#" and a character other than a blank, tab,
// CR, LF or the end, and is none of the directives "#DATA", "#COMMENT",
// "#END", "#TAB", "#FIN" and "#" with an ideographic space; else 0.
int is_section_line(const char *line);

// 1 when the section line names section (its text after "#" begins with
// section followed by a blank, tab, CR, LF or the end); else 0.
int is_section_named(const char *line, const char *section);

#endif
