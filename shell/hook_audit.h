// The check that every member of a hook table was bound: each table lists
// its members by name with whether each is set, and the names of the
// empty ones are collected for a start-up check or a test.
#ifndef VOK_SHELL_HOOK_AUDIT_H
#define VOK_SHELL_HOOK_AUDIT_H

#include <cstddef>

// One member of a hook table: "table.member" and whether it is set.
struct hook_audit_row {
    const char *name;
    bool bound;
};

// Appends the name of each unbound row, followed by a blank, to the text
// already in out (cut on the size); the number of unbound rows.
int hook_audit(const hook_audit_row *rows, size_t count, char *out, size_t size);

#endif
