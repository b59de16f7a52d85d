// The statement being parsed and the reports of an unexpected end of the
// input or an unexpected token, with the reader state, on the CODE output.
#ifndef VOK_ANALYSER_REPORT_H
#define VOK_ANALYSER_REPORT_H

const int static_cmd_size = 256;

extern int static_line;       // line of the statement start
extern int static_old_line;
extern char static_cmd[static_cmd_size];  // first token of the statement
extern int g_fileindex;       // argv index of the file being analysed

int report_eof(const char *code);
int report_error(const char *code);

// A formatted CODE-output text (cut at 1200 bytes on a character boundary).
int code_printf(const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;

#endif
