// Formatted developer lines.
#include <cstdarg>

#include "analyser/anal_host.h"
#include "shell/text.h"

int dev_printf(const char *format, ...)
{
    char text[2000];
    va_list ap;
    va_start(ap, format);
    vformat_text(text, sizeof text, format, ap);
    va_end(ap);
    return anal_dev_print(text);
}
