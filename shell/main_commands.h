// The main screen's commands that need no window: the kind of the category
// entry, the editor's command line, and the project-file commands that
// restore, exchange or add the backup set ("vokdir.dat", the three stacks
// files and "begin.f" with their "BK" copies).
#ifndef VOK_SHELL_MAIN_COMMANDS_H
#define VOK_SHELL_MAIN_COMMANDS_H

#include <cstddef>

// The kind of a trimmed category text.
enum entry_kind {
    entry_empty,       // nothing to open
    entry_full_path,   // an upper-case drive letter and a colon: refused
    entry_folder,      // holds a "\": refused
    entry_source,      // a source name or pattern: analysed
    entry_form,        // ".f" or ".F": loaded into FORM
    entry_calc,        // ".vok" or ".VOK": run
    entry_other,       // shown in CODE or handed to the editor
};
int classify_entry(const char *text);
// The refusal of an entry kind (with its newline), or null for a kind that opens.
const char *entry_refusal(int kind);

// The editor's command line for a file at a line: the editor in quotes, the
// line option with the line filled in (an option of any other form is taken
// as it is, never as a format), the folder and name in quotes.  0, 1 cut.
int editor_command(char *out, size_t size, const char *folder, const char *name, int line);

// The project-file commands, by their system command numbers.
enum project_files_command {
    project_restore = 78,   // backup over current
    project_exchange = 81,  // backup and current swapped
    project_add = 83,       // current + backup into current, "beginBK.f" over "begin.f"
    project_add_back = 84,  // backup + current into backup, "begin.f" over "beginBK.f"
};
// The Yes/No question of a command: 0, or 1 for another number.
int project_files_question(int command, char *out, size_t size);
// Carries a command out in the home folder after saving the target history.
// A pair whose source is missing is skipped; the names of the files that
// could not be written go to failed ("" none).  0 all done, 1 some failed,
// -1 another number.
int project_files_run(int command, char *failed, size_t size);
// After a command: the target history and the project properties reloaded,
// the language recomputed, the function list emptied, no source open, LIST
// repainted, FORM emptied (its system command 11), the category pattern and
// pattern list refilled, the target field emptied.  0.
int project_files_reload();

#endif
