// Call records: recorded by the function-tree build, which comes later.
#include "analyser/calls.h"

int add_trig(int, const char *, const char *, int, const char *, int) { return 0; }
int flush_trigs() { return 0; }
