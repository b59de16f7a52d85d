// The collection of unbound hook members (see hook_audit.h).
#include "shell/hook_audit.h"

#include <cstring>

#include "shell/text.h"

int hook_audit(const hook_audit_row *rows, size_t count, char *out, size_t size)
{
    int unbound = 0;
    for (size_t i = 0; i < count; ++i) {
        if (rows[i].bound) continue;
        ++unbound;
        const size_t used = strlen(out);
        format_text(out + used, size - used, "%s ", rows[i].name);
    }
    return unbound;
}
