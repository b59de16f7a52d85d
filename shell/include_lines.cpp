// The merge of a generated header into its source.
#include "shell/include_lines.h"

// VOK-PLACEHOLDER: int add_include_lines(const char *part_name, const char *source_name),
// the main screen's merge; until it lands the header stays beside the source.
int add_include_lines(const char *, const char *) { return 0; }
