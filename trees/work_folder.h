// The work folder (the parameter `folder`): copies of listed source files
// into it and back to their slot folders, the test of which listed files
// it holds, and its emptying; and the same over the function list: its
// selected file header, and the list cut down to the files the work folder
// holds.  A "file text" is a slot character, a colon and a file name, as the
// function list keeps it.
#ifndef VOK_TREES_WORK_FOLDER_H
#define VOK_TREES_WORK_FOLDER_H

#include <cstddef>

#include "shell/host.h"

// Results of the work-folder operations besides 0.
const int work_cancelled = 1;     // Cancel at the first question
const int work_no_selection = -1; // no entry selected, or a reference list shown
const int work_not_header = -2;   // the selected entry is not a file header
const int work_no_prefix = -3;    // the file text has no slot prefix
const int work_copy_failed = -4;  // the copy failed (or the user gave up retrying)
const int work_no_folder = -9;    // no work folder is set

// 0 when a work folder is set, else work_no_folder after its box.
int work_folder_check(win_handle owner);
// Copies the file into the work folder: without a question when it is not
// there yet, else after the overwrite question, retrying on OK after a
// failed copy.  0, or a result above.
int work_copy_in(win_handle owner, const char *file_text);
// Copies the file from the work folder back to its slot folder after a
// question ("コピー" when the name was given by the caller, "上書き" when it
// came from the selection).  0, or a result above.
int work_copy_back(win_handle owner, const char *file_text, bool given);
// true when the work folder holds the file of the file text.
bool work_holds(const char *file_text);
// Deletes every file of the work folder after a question: 0, work_cancelled
// or work_no_folder.
int clear_work_folder(win_handle owner);

// The function list cut down to the file headers whose file the work folder
// holds (selection cleared, painting from the top); out gets the first file
// of the work folder that no shown header names, as "c:name" with the slot
// character c, or "".  0; work_no_selection after a box in a reference
// list (`state` 2); work_no_folder.
int list_work_files(win_handle owner, char *out, size_t size, int slot);
// work_copy_in on the selected file header: 0, or a result above.
int copy_to_work(win_handle owner);
// work_copy_back on the named file ("c:name"), or on the selected file
// header when name is empty: 0, or a result above.
int copy_back_from_work(win_handle owner, const char *name);

#endif
