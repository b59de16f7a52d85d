// Call records of the function-tree build.  The tables come with the tree
// build; until then nothing is recorded.
#ifndef VOK_ANALYSER_CALLS_H
#define VOK_ANALYSER_CALLS_H

int add_trig(int kind, const char *file, const char *caller, int caller_line, const char *callee, int callee_line);
int flush_trigs();

#endif
