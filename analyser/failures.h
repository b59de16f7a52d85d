// Analysis failures and hard stops.  A failure formats the analyser's
// message text and unwinds to the innermost guard, which shows it; a hard
// stop shows its box, writes the log line and ends the program.
#ifndef VOK_ANALYSER_FAILURES_H
#define VOK_ANALYSER_FAILURES_H

const int anal_message_size = 1024;

extern char anal_message[anal_message_size];

// What unwinds to the guard.
struct anal_failure {
    int code;
};

[[noreturn]] void anal_fatal(int code);
[[noreturn]] void label_undefined_fatal(const char *name);
[[noreturn]] void label_brace_fatal(int line);
[[noreturn]] void anal_eof_fatal(const char *code);
[[noreturn]] void anal_abort(int code);
// A hard-stop text that the guard catches: the node table overflowed.
[[noreturn]] void anal_fail_hard_text(int code);

// Runs the step; a failure inside it is shown on anal_owner.  0 the step
// finished, 1 it failed.
int anal_guard(void (*step)(void *ctx), void *ctx);
// Shows the message text of a caught failure.
int show_anal_failure();

#endif
