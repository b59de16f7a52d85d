// vokrun: runs one calculation file on the console, with the interpreter's
// output going to standard output and its files opened by plain name.
#include <cstdio>
#include <cstring>
#include <ctime>

#include "calc/calc_host.h"
#include "shell/sysfile.h"
#include "shell/text.h"

namespace {

// Reads and drops one line of standard input, whatever its length.
void wait_for_line()
{
    char piece[256];
    while (fgets(piece, sizeof piece, stdin) != nullptr) {
        const size_t n = strlen(piece);
        if (n > 0 && piece[n - 1] == '\n') break;
    }
}

// Writes a text to standard output; each "\r\n" becomes "\n", which the
// text-mode stream turns into the line end of the system.
int con_print(const char *text)
{
    for (const char *p = text; *p != '\0'; ++p) {
        if (p[0] == '\r' && p[1] == '\n') continue;
        fputc(*p, stdout);
    }
    return 0;
}

FILE *con_fopen(const char *name, const char *mode) { return sys_fopen(name, mode); }

}  // namespace

int main(int argc, char **argv)
{
    calc_program_start();
    calc_console_rules = 1;
    calc_bind_hooks(con_print, con_fopen);
    int rc = 0;
    char line[2048];
    if (argc >= 2) {
        const char *arg = argv[1];
        if (!ends_with(arg, ".vok") && !ends_with(arg, ".VOK")) {
            format_text(line, sizeof line, "ファイル種別(%s)が違っています\r\n", arg);
            con_print(line);
            rc = 1;
        } else {
            const time_t start = time(nullptr);
            rc = run_calc_file(arg);
            if (rc == 0) {
                const time_t end = time(nullptr);
                format_text(line, sizeof line, "開始時刻:%s", ctime(&start));
                con_print(line);
                format_text(line, sizeof line, "終了時刻:%s", ctime(&end));
                con_print(line);
            } else if (rc == 1) {
                format_text(line, sizeof line, "ファイル(%s)が見つかりません\n", arg);
                con_print(line);
            }
        }
    } else {
        print_ext_func_list();
        format_text(line, sizeof line, "vokrun %s\n", calc_program_name);
        con_print(line);
        format_text(line, sizeof line, "作成日 %s\n", calc_build_date);
        con_print(line);
    }
    con_print("Key in Please:");
    fflush(stdout);
    wait_for_line();
    return rc;
}
