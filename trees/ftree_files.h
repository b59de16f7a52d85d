// The tree files of a function-call tree: the open tree listing
// "ftree_s.txt", the source list "ftree_f.txt" and the occurrence cursors
// over the call-line list "ftree_t.txt".  The analyser writes and reads them
// through its seam, where their functions (ftree_s_open, ftree_s_close,
// ftree_s_stream, ftree_f_name, next_occurrence) are declared; this folder
// binds them.
#ifndef VOK_TREES_FTREE_FILES_H
#define VOK_TREES_FTREE_FILES_H

#include "analyser/anal_host.h"

#endif
