// The main screen's function-tree build as one portable sequence (the
// questions, the analysis of the category, the builder, the tree files, the
// load with its pointer marks and the optional extraction), and the F10
// toggle of LIST, CODE and FORM between the full tree and an extraction.
// Window placement, focus and repaint stay with the calling window code.
#ifndef VOK_TREES_TREE_BUILD_H
#define VOK_TREES_TREE_BUILD_H

// Analyses the category's sources into the call tables (the main screen's
// command 11 while tree_mode is set): 0, or non-zero when it did not run.
typedef int (*tree_analyse_fn)();

// Results of run_tree_build.
enum tree_build_result {
    tree_built = 0,         // "ftree.f" loaded (and extracted when asked)
    tree_no_category = 1,   // the category is no source name
    tree_cancelled = 2,     // Cancel at the first question
    tree_no_key = 3,        // extraction asked without a key
    tree_no_memory = 4,     // the builder's tables could not be allocated
    tree_unwritable = 5,    // "ftree_s.txt" or "ftree.f" could not be written
    tree_not_loaded = 6,    // "ftree.f" could not be read back
    tree_not_extracted = 7  // the loaded form has no WORK box
};

// Builds the function-call tree of the category (its boxes asked of the
// main screen); the target text gives the extraction key.  A tree_build_result.
int run_tree_build(const char *category, const char *target, tree_analyse_fn analyse);

// Results of tree_view_toggle besides 0.
const int toggle_not_tree = 1;    // the form in use is not the tree
const int toggle_no_box = 2;      // no current box to extract around
const int toggle_not_found = 3;   // no tree box for the position

// F10 on FORM: reloads "ftree.f" whole when the last F10 extracted, else
// extracts around box r (relative; -1 with registrations only) and lays it
// out.  0, or a toggle code after its box.
int tree_view_toggle(int r);
// F10 on LIST or CODE: the same around the tree box of the function named
// at the file and line.
int tree_view_toggle_at(const char *file, const char *name, int line);

// Every global of the tree build, the tree form and the registrations as at
// program start.
int tree_build_reset();

#endif
