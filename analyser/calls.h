// The call tables of the function-tree build: source files, interned names,
// functions and calls with their call lines, filled file by file from the
// relations of one file, then walked into the tree listing and the tree.
#ifndef VOK_ANALYSER_CALLS_H
#define VOK_ANALYSER_CALLS_H

#include <cstdint>

const int MAX_SRC = 2048;
const int MAX_NAME = 12288;
const int MAX_FUNC = 16384;
const int MAX_CALL = 57344;
const int MAX_TRIG = 8192;
const int MAX_AFTER = 10000;  // call lines waiting in the follow-up chains
const int name_hash_size = 120;

struct func_rec {
    int32_t scope;     // SRCTBL index of a file-private function, -1 global, a head number for "(*p)()"
    uint8_t dup;       // defined at two places
    uint8_t called;    // some call reaches it
    uint8_t expanded;  // the walk has shown its calls
    int8_t kind;       // -1 global, -2 file-private, 0 or more: the pointer parameter called through
    int32_t root;      // -2 never reached, the walk's root while on the path, else -1
    int32_t head;      // CALLTBL index of its head record, -1 none
    int32_t src;       // SRCTBL index of its definition, -1 unknown
    int32_t line;      // line of its definition, -1 unknown
    int32_t name;      // name_tbl index
};

struct call_rec {
    int32_t first_child, last_child, next_sibling;  // built by write_ftree, -1 none
    int32_t caller;       // FUNCTBL index
    int32_t callee;       // FUNCTBL index; negative: the caller's head record
    int32_t caller_line;  // line of the caller's head
    int32_t call_line;    // line of the first call
    int32_t after;        // first follow-up entry, -1 none
    int32_t source;       // SRCTBL index
};

struct after_rec {
    int32_t line;
    int32_t next;
};

struct trig_rec {
    int32_t param;  // pointer-parameter index, -1 a plain relation, -2 a call of a file-private function
    int32_t kind;   // 0 head, 1 static head, 2 search-key reference, 3 file, 4 include, 5 call
    int32_t local;
    int32_t source;
    int32_t caller, caller_line;
    int32_t callee, callee_line;
};

extern char **SRCTBL;
extern char **name_tbl;
extern func_rec *FUNCTBL;
extern call_rec *CALLTBL;
extern trig_rec *trig;
extern int snum, nnum, func_num, call_num;
extern int tnum;             // the most relations of one file
extern int trig_total;       // relations of all files
extern int trig_num;         // relations of the current file
extern int aft;              // where the current caller group begins
extern int func_head_num;    // function bodies scanned in list mode
extern int trig_skip_check;  // the next relation is recorded whatever its callee
extern int tree_external;    // 1: functions defined in no analysed file are shown

// The tree build's tables: 0, or 1 when memory ran out (nothing kept).
int write_ftree_t();
// Frees the call tables and puts the call-line list "ftree_t.txt" in place:
// 0, or 1 when it could not be written (its old file kept).
int call_tables_release();
// call_tables_release, then every count, flag and cache as at program start.
int call_tables_reset();
int name_tbl_init();
int name_tbl_free();

int add_trig(int kind, const char *file, const char *caller, int caller_line, const char *callee, int callee_line);
int flush_trigs();
int store_relation(int param, int def_scope, int callee_scope, int source, int caller, int caller_line, int callee,
                   int call_line);
int add_src(const char *name);
int add_func(int kind, int scope, int name, int src, int line);
int add_call(int source, int caller, int callee, int caller_line, int call_line);
int add_call_after(int record, int line);
int flush_call_chains();

int intern_name(const char *name);
int name_index(const char *name);
const char *name_at(int i);
const char *src_name(int i);
int is_call_keyword(const char *name);
int is_ident_start(const char *text);

// The tree builder's per-name first and last items.
int32_t *name_head_ref(int i);
int32_t *name_tail_ref(int i);
int name_chain_reset();

// The tree: "ftree_s.txt" lines through the open listing, nodes to the tree builder.
int write_ftree();
// "ftree_f.txt": one "S" line per source file.  0, or 1 when it could not
// be written (its old file kept).
int write_ftree_sources();

#endif
