// The output and file-open hooks and the message printer over them.
#include <cstdarg>
#include <cstdio>

#include "calc/calc_tables.h"
#include "shell/hook_audit.h"
#include "shell/text.h"

namespace {
calc_print_hook print_hook;
calc_fopen_hook open_hook;
}  // namespace

int calc_console_rules;

void calc_bind_hooks(calc_print_hook print, calc_fopen_hook open)
{
    print_hook = print;
    open_hook = open;
}

int calc_hooks_unbound(char *out, size_t size)
{
    const hook_audit_row rows[] = {
        {"calc_hooks.print", print_hook != nullptr},
        {"calc_hooks.open", open_hook != nullptr},
    };
    return hook_audit(rows, sizeof rows / sizeof rows[0], out, size);
}

int calc_out(const char *text)
{
    if (print_hook != nullptr) print_hook(text);
    return 0;
}

int calc_printf(const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    vformat_text(calc_msg, sizeof calc_msg, format, ap);
    va_end(ap);
    return calc_out(calc_msg);
}

FILE *calc_hook_open(const char *name, const char *mode)
{
    return open_hook != nullptr ? open_hook(name, mode) : nullptr;
}
