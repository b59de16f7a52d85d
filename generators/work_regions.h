// Preserved regions of a reused WORK source: the copiers that carry a
// region, a case branch or a default branch from the old source (the lines
// the analyser's loader holds) into the new one, and the checks an old
// source must pass before it is reused.
//
// A region runs from its opening marker "/*AREA:name*/" through the first
// closing marker "/*END:name*/" of its name; what stands inside it is the
// user's text, so procedure heads and case labels count only outside
// regions.  A loaded entry that follows one without a newline continues a
// long line: it is copied, never recognised.
#ifndef VOK_GENERATORS_WORK_REGIONS_H
#define VOK_GENERATORS_WORK_REGIONS_H

#include <cstdio>

// The number of old lines the copiers read: the loaded count while a
// source is reused, 0 on every other path (every region is written empty).
extern int work_old_lines;

// Empties the count and the carry marks of the old source's regions.
void work_regions_reset();

// Writes the region (procedure, case, name) of the old source to out:
// procedure "" for the file level (before the first procedure), a case for
// the branch of that "WM" message.  1 carried; 0 not found, the empty
// region written (indentation and opening marker, the indentation alone,
// indentation and closing marker, a line each).
int write_region(FILE *out, const char *procedure, const char *case_name, const char *region,
                 const char *indentation);

// After the new text is written: 0 when every filled region of the old
// source (one holding more than blanks and tabs) was carried by
// write_region, else a code with the 1-based line of that region's opening
// marker in *line.
enum carry_fault {
    carry_dropped = 1,  // no region of the new text has its key
    carry_duplicate,    // a second region of a carried key in one scope
};
int work_carry_audit(int *line);

// After the new text is written: calls report with the physical line and
// label of every case or default branch of the old source's procedures that
// was not carried although it holds more than the lines the generator
// writes for it (a branch whose box is gone).
void work_branch_audit(void (*report)(int line, const char *label));

// Copies the old branch of the case label inside the procedure whose name
// path matches the rectangle's (forms/prescan.h), up to the next case
// label, default label or "}" at its tab count.  1 copied, 0 not found.
int copy_case_branch(FILE *out, const char *procedure, const char *label);

// Copies the old default branch at the rectangle's depth inside the
// procedure, up to a case label or "}" at its tab count.  1 copied, 0 not
// found.
int copy_default_branch(FILE *out, const char *procedure);

// The pairing check of the loaded source's markers and conditional blocks:
// 0 sound, else a code with the 1-based line in *line (for a region left
// open at the end, the line of its opening marker).
enum area_pair_fault {
    pair_open_in_region = 1,  // an opening marker inside a region, or a region never closed
    pair_open_no_star,        // no "*" after the opening marker's name
    pair_open_no_slash,       // its "*" not followed by "/"
    pair_close_no_region,     // a closing marker outside any region
    pair_close_no_star,
    pair_close_no_slash,
    pair_close_other_name,    // a closing marker of another region
    pair_cond_open,           // inside #if..#endif: an opening marker
    pair_cond_close,          //   a closing marker
    pair_cond_head,           //   a procedure head
    pair_cond_switch,         //   a switch line (TAB_NEXT and CONTROLPROC blocks at depth 1 allow these four)
    pair_cond_case,           //   a case label
    pair_cond_default,        //   a default label
    pair_cond_brace,          //   a line beginning with "}"
};
int check_area_pairs(int *line);

// The indentation check of the loaded source: 0 sound, else a code with the
// 1-based line in *line.
enum switch_tab_fault {
    tabs_block_comment = 1,  // a line beginning with a block comment that is no marker
    tabs_blank_indent,       // "}", switch, case or default indented with a blank
};
int check_switch_tabs(int *line);

#endif
