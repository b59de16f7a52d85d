// The one-step replacement of a file by its written temporary: the old file
// stays until the new one takes its place, and a folder at the name is
// never touched.  win/replace_win.cpp holds the Windows build's version.
#ifndef VOK_PLX_REPLACE_H
#define VOK_PLX_REPLACE_H

// Renames temp over path (MoveFileExA with MOVEFILE_REPLACE_EXISTING on
// Windows, rename elsewhere): 0 done, 1 not (temp removed, path unchanged).
int plx_replace_file(const char *temp, const char *path);

#endif
