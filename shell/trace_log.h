// The developer's trace log of the analyser: echoed tokens, call traces of
// the statement handlers and range-check failures (the line-buffer pools
// write theirs too).  Every write opens the file, appends
// one text and closes it.  Nothing is written while tracing is off or no
// file name is set.
#ifndef VOK_SHELL_TRACE_LOG_H
#define VOK_SHELL_TRACE_LOG_H

extern int anal_trace_on;  // 0 off, non-zero on

// Names the log file (null: no log).  The next write starts it anew.
int log_set_name(const char *name);

int log_printf(const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;
int log_println(const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;
int call_trace(int direction, const char *name, int line, int end);
int chk_error(int kind, long a, long b, long c, const char *name, int line,
              const char *text_a, const char *text_b, const char *text_c);

#endif
