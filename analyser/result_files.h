// The analyser's result files (the tag lists, "define.txt", the listings and
// the tree files), each written through a temporary beside it, so that a
// failed write keeps the old file whole.
#ifndef VOK_ANALYSER_RESULT_FILES_H
#define VOK_ANALYSER_RESULT_FILES_H

#include "shell/dir_replace.h"

// anal_main's result when a result file could not be written (a box named
// it; the old file stays).
const int anal_output_failed = 1;

// Where a result file lies.
enum result_place {
    result_in_home,  // the home folder
    result_in_cwd,   // the current directory
};

// Opens the temporary of the result file name: true when it is open, false
// with r->fp null (nothing shown).
bool result_open(dir_replacement *r, const char *name, result_place place);

// Closes an open temporary and puts it in the place of its file: 0, or 1
// when a write, the close or the replacement failed (the old file kept, the
// temporary removed, and the box "ファイル(%s)の作成に失敗しました！" shown
// when say is true).  A result never opened gives 0.
int result_close(dir_replacement *r, bool say);

#endif
