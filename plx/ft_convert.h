// Conversion of a function-tree file (".ft") into PLX's model: one function
// per line, its level after "<", its name after ">"; each function becomes a
// "BOX" item on the level's next row, linked from its parent, and a function
// called again from the same parent is merged into its first box.
#ifndef VOK_PLX_FT_CONVERT_H
#define VOK_PLX_FT_CONVERT_H

#include <cstddef>

constexpr int plx_level_max = 100;     // tree levels with a row counter
constexpr int plx_ft_level_max = 20;   // levels a ".ft" line may have (0..19)
constexpr int plx_ft_line_size = 1000;  // bytes of a ".ft" line

// Results of plx_convert_ft.
enum {
    plx_ft_done = 0,     // every line taken (lines refused by a full table dropped)
    plx_ft_missing = 1,  // the file did not open; the marks were recomputed from WORK
    plx_ft_broken = 2,   // a broken tree: "w.txt" written, the conversion stopped there
};

// The first line of the last "w.txt" written (its newline removed), or empty.
extern char plx_ft_report[300];

// Converts the ".ft" file at path into the model, adding to what is there:
// lines numbered from 1 outside first_line..last_line are skipped (a bound of
// 0 or below is open).  A line is a broken tree when it has no "<" level, its
// level lies outside 0..19, its parent level has no line yet, or its parent
// is not the last box placed on the level above; then "w.txt" names the line,
// the model keeps what it holds and plx_ft_broken is returned.
int plx_convert_ft(const char *path, int x_step, int y_step, int first_line, int last_line);

// Places one function: merged into a box of the same name under its parent,
// or a new box on the level's next row.  plx_ft_broken (with "w.txt") when
// parent_line is not the line of the last box placed on the level above.
int plx_add_func(int line_number, int level, int parent_line, const char *name, int x_step, int y_step);

// Forgets the tree of the run: the next conversion starts a new one (WORK
// item, row counters and last boxes set up again).
void plx_ft_reset();

#endif
