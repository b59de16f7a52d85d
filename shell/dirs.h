// Project folders: the folder slots of the project in use, the search-path
// open over them, the opens of the system's own files in the home folder,
// the project list "vokdir.dat" and the file-pattern walker.
//
// Slot characters: "0"-"9" slots 0-9, "a"-"z" slots 10-35, ":" slot 36.  A
// name 'c:rest' (slot character, colon) names rest in slot c's folder; an
// upper-case letter and a colon begin a drive path.  Paths are built the
// Windows way, "%s\\%s" of folder and name.
#ifndef VOK_SHELL_DIRS_H
#define VOK_SHELL_DIRS_H

#include <cstddef>
#include <cstdio>

#include "shell/host.h"

const int dir_path_size = 512;     // a folder or path buffer
const int dir_line_size = 10000;   // a line of vokdir.dat and the stacks files
const int dir_slot_count = 37;

extern char home_dir[dir_path_size];   // the home folder; empty: the current directory
extern char saved_cwd[dir_path_size];  // where a home-folder routine returns to
extern char proj_dirs[dir_line_size];  // the folder list of the project in use
extern int proj_selected;              // 1 while a project other than home is in use

const char *proj_name();

// Slots.
int dir_index(int c);
int dir_char(int n);
int has_dir_prefix(const char *name);
int is_drive_path(const char *name);
int get_proj_dir(char *buf, int n);          // buf of dir_path_size bytes
int get_proj_dir_if_more(char *buf, int n);
int has_several_dirs();

// "%s\\%s" of folder and name; a lower-case drive letter that begins the
// folder is written in upper case.  0, or 1 when the path does not fit.
int join_path(char *out, size_t size, const char *folder, const char *name);

// Opening and naming through the slots.
FILE *dir_fopen(const char *name, const char *mode);
FILE *prefix_fopen(const char *name, const char *mode);
int dir_remove(const char *name);
int remove_dir_name(const char *name);
int remove_in_dirs(const char *name);
int resolve_dir_name(char *name, size_t size);
int locate_file(char *out, size_t size, const char *name);
int find_in_dirs(char *out, size_t size, const char *name, const char *hint);

// The refusals of the home-folder and project steps below; a project switch
// shows the number in its failure box.
enum home_refusal {
    home_unentered = -2,     // the home folder could not be entered
    home_cwd_unknown = -3,   // the current directory could not be read
    home_no_list_file = -4,  // "vokdir.dat" could not be opened
    home_not_listed = -5,    // the project has no line in "vokdir.dat"
    home_unleft = -6,        // a project was selected, but the way back failed
    home_no_way_back = -7,   // the saved directory could not be entered again
    home_no_name_list = -8,  // the name list in use is not the project list
};

// The home folder.
int fill_home_dir();  // home_dir from the current directory when empty; 0, or home_cwd_unknown
FILE *home_fopen(const char *name, const char *mode);
int home_remove(const char *name);
int home_path(char *name, size_t size);
int get_home_dir(char *buf, size_t size);
int count_lines(const char *name);
int copy_text_file(const char *destination, const char *source);
int swap_files(const char *a, const char *b, const char *temp);
// Replaces the home-folder file name by the written temporary temp (0), or
// removes temp and keeps name when the temporary failed (ok false: 1).
int home_replace(const char *name, const char *temp, bool ok);
// Closes a written stream: true when every write and the close succeeded.
bool close_written(FILE *fp);

// Directories.
int change_dir(const char *path);
int enter_home();  // saves the current directory and enters home_dir: 0, home_cwd_unknown, home_unentered
int leave_home();  // back to the saved directory: 0, or home_no_way_back

// Projects.
// Selects the project named in name_buf ("home" the home folder, whose path
// then goes to name_buf): 0, or a home_refusal; home_no_list_file puts the
// current directory into name_buf and the file's name into *file.
int select_project(char *name_buf, const char **file);
int list_project_dirs(const char *name, char dirs[][256], char defs[][1000]);
int edit_project_file(char *name, size_t name_size, const char *line, char op);
int load_name_list(win_handle combo, const char *file, char *dir_buf, int where);
int remove_all_files(const char *folder);
int show_project(win_handle edit);
int write_project_lines(FILE *stream);

// The file-pattern walker: up to 10 patterns of up to 80 characters.
int set_file_patterns(const char *list);
int next_file(char *out, size_t size);  // 0 and a name, or 2 when done

#endif
