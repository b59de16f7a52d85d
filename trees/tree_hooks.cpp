// The start-up check of the tree screens' hook pointers.
#include "trees/tree_hooks.h"

#include "shell/hook_audit.h"
#include "trees/flow_code.h"
#include "trees/func_list.h"
#include "trees/listings.h"

int trees_hooks_unbound(char *out, size_t size)
{
    const hook_audit_row rows[] = {
        {"flow_invert_cell", flow_invert_cell != nullptr},
        {"flow_mark_node", flow_mark_node != nullptr},
        {"pointer_arg_positions", pointer_arg_positions != nullptr},
        {"anal_runner", anal_runner != nullptr},
        {"paint_top_text", paint_top_text != nullptr},
    };
    return hook_audit(rows, sizeof rows / sizeof rows[0], out, size);
}
