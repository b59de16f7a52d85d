// End-of-input and error reports.
#include "analyser/report.h"

#include <cstdarg>

#include "analyser/preproc.h"
#include "analyser/source_load.h"
#include "shell/codeout.h"
#include "shell/text.h"

int static_line;
int static_old_line;
char static_cmd[static_cmd_size];
int g_fileindex;

namespace {

int report(const char *what, const char *code)
{
    char text[2048];
    format_text(text, sizeof text,
                "%s(%d):★%sを検出しましたcode(\"%s\") g_fileindex(%d)\r\n       static_old_line(%d) "
                "static_cmd(%s) line(%d) cmd(%s)\r\n",
                cur_file, static_line, what, code, g_fileindex, static_old_line, static_cmd, cur_line, cur_token);
    code_print(text);
    return -1;
}

}  // namespace

int report_eof(const char *code) { return report("EOF", code); }

int report_error(const char *code) { return report("ｴﾗｰ", code); }

int code_printf(const char *format, ...)
{
    char text[1200];
    va_list ap;
    va_start(ap, format);
    vformat_text(text, sizeof text, format, ap);
    va_end(ap);
    return code_print(text);
}
