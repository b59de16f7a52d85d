// Leading-tab count of a source line.
#include "generators/tabs.h"

int count_tabs(const char *line)
{
    int n = 0;
    while (line[n] == '\t') ++n;
    return n;
}
