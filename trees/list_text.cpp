// Text tests of the list screens.
#include "trees/list_text.h"

#include <cstring>

int has_prefix(const char *text, const char *prefix) { return strncmp(text, prefix, strlen(prefix)) == 0 ? 0 : 1; }
