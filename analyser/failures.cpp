// The failure paths of the analyser and the "voktavir.dat" log line.
#include "analyser/failures.h"

#include <cstdio>

#include "analyser/anal_host.h"
#include "analyser/flow_nodes.h"
#include "analyser/preproc.h"
#include "analyser/report.h"
#include "analyser/source_load.h"
#include "shell/anal_owner.h"
#include "shell/msgbox.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "shell/trace_log.h"
#include "shell/winmsg.h"

char anal_message[anal_message_size];

namespace {

void write_failure_log(int code)
{
    FILE *fp = sys_fopen("voktavir.dat", "w");
    if (fp == nullptr) return;
    fprintf(fp, "%s:%d cmd(%s) rtc(%d)\n", cur_file, cur_line, cur_token, code);
    fclose(fp);
}

}  // namespace

void anal_fatal(int code)
{
    format_text(anal_message, sizeof anal_message,
                "ソースの解析中に異常が発生しました、ソースを作り直してやりなおして下さい rtc(%d)", code);
    anal_trace_on = 1;
    write_failure_log(code);
    throw anal_failure{code};
}

void label_undefined_fatal(const char *name)
{
    format_text(anal_message, sizeof anal_message, "ラベル(%s)の飛び先が定義されていません\n", name);
    throw anal_failure{0};
}

void label_brace_fatal(int line)
{
    format_text(anal_message, sizeof anal_message, "ラベルの直後の}は禁止です line(%d)\n", line);
    throw anal_failure{0};
}

void anal_eof_fatal(const char *code)
{
    format_text(anal_message, sizeof anal_message,
                "\"%s\" EOFを検出しました file(%s) idx(%d) static_old_line(%d) static_line(%d) static_cmd(%s) "
                "line(%d) cmd(%s)",
                code, cur_file, g_fileindex, static_old_line, static_line, static_cmd, cur_line, cur_token);
    throw anal_failure{0};
}

void anal_abort(int code)
{
    format_text(anal_message, sizeof anal_message, "ソースの解析中にアプリケーションに異常が発生しました rtc(%d)",
                code);
    msg_box(nullptr, anal_message, "TAVIR警告画面", MB_ICONHAND);
    anal_trace_on = 1;
    write_failure_log(code);
    anal_exit(code);
}

void anal_fail_hard_text(int code)
{
    format_text(anal_message, sizeof anal_message, "ソースの解析中にアプリケーションに異常が発生しました rtc(%d)",
                code);
    anal_trace_on = 1;
    write_failure_log(code);
    throw anal_failure{code};
}

int show_anal_failure()
{
    msg_box(anal_owner, anal_message, "TAVIR警告画面", MB_ICONHAND);
    return 0;
}

int anal_guard(void (*step)(void *ctx), void *ctx)
{
    try {
        step(ctx);
    } catch (const anal_failure &) {
        clear_cb_num();
        show_anal_failure();
        return 1;
    }
    return 0;
}
