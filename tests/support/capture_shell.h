// The capture host's shell services: directory changes on real folders (a
// drive letter maps to a test folder), pattern searches with fnmatch, and
// scripted process starts and registry values.
#ifndef VOK_TESTS_CAPTURE_SHELL_H
#define VOK_TESTS_CAPTURE_SHELL_H

#include <map>
#include <string>
#include <vector>

namespace capture {

struct started_process {
    std::string exe;
    std::string cmdline;
};

extern std::string drive_root[26];               // folder of drive A..Z ("" none)
extern std::vector<started_process> processes;   // process starts, in order
extern int process_error;                        // non-zero: the next starts fail
extern std::map<std::string, std::string> registry;  // "root|key|value" -> text; "root|key|" opens the key
extern int find_calls;                           // host_find_first calls
extern int rename_error;                         // non-zero: host_rename_over fails, nothing renamed
extern int copy_failures;                        // the next this many host_copy_file calls fail
extern int copy_calls;                           // host_copy_file calls

// Makes every write that would take a file past bytes fail, as a full disk
// would (natively the process's file-size limit; a negative bytes lifts it).
// false where the host cannot (the Windows build).
bool fail_writes_past(long bytes);

// Empties the shell records; the drive mapping and the registry are cleared,
// renames and writes succeed again.
void reset_shell();

}  // namespace capture

#endif
