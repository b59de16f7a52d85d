// The loaded source: the line table of the one file being analysed and the
// per-line tables that the listings and the reference search read.
#ifndef VOK_ANALYSER_SOURCE_LOAD_H
#define VOK_ANALYSER_SOURCE_LOAD_H

const int line_cap = 100000;       // lines of one loaded file
const int line_piece_size = 1999;  // read buffer: a piece holds at most 1998 bytes
const int file_name_size = 512;

extern char **source_lines;  // entry n - 1 holds line n
extern int line_count;
extern char cur_file[file_name_size];
extern int header_file;      // 1 when the name ends in "h" or "H"
// 1 when the last load stopped with bytes of the file left unread: the
// table was full, or a Ctrl-Z stood before the end of the file.
extern int load_cut;

// Per-line tables, line_cap + 1 entries each.  line_mark holds a two-byte
// mark and NUL ("　" none, "●" a reference hit, "◎" a hit on a head of the
// key's name, "□" a known call); line_class the flags of a 0-based line
// (1 directive, 2 inactive, 4 comment, 8 code).
extern char line_mark[line_cap + 1][3];
extern unsigned char entry_flag[line_cap + 1];
extern unsigned char line_class[line_cap + 1];
extern unsigned char line_selected[line_cap + 1];

// 1 loaded (count out), 0 the file cannot be opened (count 0).
int load_source(const char *name, int *count);
int free_source();
const char *skip_line_blanks(const char *text);

// Writes outside 0 .. line_count are ignored (1).  The per-line tables are
// written only through these, which keep the rows a clear must empty.
int set_line_mark(int n, const char *mark);
int set_line_class_flag(int index, int flag);
int set_entry_flag(int line);  // line 1 .. line_count; 1 for any other
// Rows 0 .. line_cap, whether or not the loaded file has them.
int put_line_mark(int n, const char *mark);
int set_line_selected(int n, int on);
int clear_line_class();
int clear_entry_flags();
int clear_line_marks();  // every mark "　", every entry flag 0
// Every row of the four per-line tables 0, as at program start.
int clear_line_rows();

#endif
