// The trace log (module Vbsub) that the analyser writes and the line-buffer
// pools check against.
#include "shell/trace_log.h"

#include <cstdarg>
#include <cstdio>

#include "shell/sysfile.h"
#include "shell/text.h"

int anal_trace_on;

namespace {

char log_name[260];
bool log_opened;  // after the first open the log is appended to

const char *const direction_words[] = {" ==>", " -- ", "<== "};

void append_text(const char *text)
{
    if (anal_trace_on == 0 || log_name[0] == '\0') return;
    FILE *fp = sys_fopen(log_name, log_opened ? "a" : "w");
    if (fp == nullptr) return;
    log_opened = true;
    fputs(text, fp);
    fclose(fp);
}

void append_formatted(const char *format, va_list ap, const char *tail)
{
    char text[512];
    vformat_text(text, sizeof text, format, ap);
    append_text(text);
    if (tail != nullptr) append_text(tail);
}

}  // namespace

int log_set_name(const char *name)
{
    copy_bounded(log_name, sizeof log_name, name != nullptr ? name : "");
    log_opened = false;
    return 0;
}

int log_printf(const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    append_formatted(format, ap, nullptr);
    va_end(ap);
    return 0;
}

int log_println(const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    append_formatted(format, ap, "\n");
    va_end(ap);
    return 0;
}

int call_trace(int direction, const char *name, int line, int end)
{
    const char *word = direction >= 0 && direction <= 2 ? direction_words[direction] : direction_words[1];
    log_printf("%s %-8s(%3d)%c", word, name, line, end != 0 ? '\n' : ' ');
    return 0;
}

int chk_error(int kind, long a, long b, long c, const char *name, int line,
              const char *text_a, const char *text_b, const char *text_c)
{
    log_printf("*** CHK%c error <== %8s(%d) %s(%ld) %s(%ld) %s(%ld)\n", kind != 0 ? 'B' : 'A', name, line,
               text_a, a, text_b, b, text_c, c);
    return 1;
}
