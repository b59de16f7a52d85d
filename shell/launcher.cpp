// The process launcher (see launcher.h).
#include "shell/launcher.h"

#include <cstring>

#include "shell/codeout.h"
#include "shell/text.h"

int split_command(char *exe, char *cmdline, const char *command)
{
    if (command[0] != '"') {
        copy_bounded(exe, launch_size, "exe???");
        copy_bounded(cmdline, launch_size, "cmdline???");
        return 0;
    }
    const char *start = command + 1;
    const char *quote = strchr(start, '"');
    const size_t len = quote != nullptr ? static_cast<size_t>(quote - start) : strlen(start);
    if (len >= static_cast<size_t>(launch_size)) return 1;
    memcpy(exe, start, len);
    exe[len] = '\0';
    if (quote == nullptr) {
        copy_bounded(cmdline, launch_size, "cmdline???");
        return 0;
    }
    const char *rest = quote + 1;
    while (*rest == ' ' || *rest == '\t') ++rest;
    return format_text(cmdline, launch_size, "TTT.exe %s", rest);
}

int exec_wait(const char *command, int wait)
{
    (void)wait;  // programs are never waited for
    char exe[launch_size];
    char cmdline[launch_size];
    char error_text[512] = "";
    int error = -1;
    if (split_command(exe, cmdline, command) != 0) {
        copy_bounded(exe, sizeof exe, command);
        copy_bounded(error_text, sizeof error_text, "command too long");
    } else {
        error = host_start_process(exe, cmdline, error_text, sizeof error_text);
        if (error == 0) return 32;
    }
    char line[launch_size + 600];
    format_text(line, sizeof line, "プロセスの起動失敗(%d)\r\n%s(%s)\r\n", error, error_text, exe);
    code_print(line);
    return -3;
}
