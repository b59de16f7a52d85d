// Parameter settings, registry lookups, editor options and openers (see params.h).
#include "shell/params.h"

#include <cstdlib>
#include <cstring>

#include "shell/dirs.h"
#include "shell/launcher.h"
#include "shell/msgbox.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "shell/winmsg.h"

int category_wide;
int category_font;
int object_wide;
char editor[param_size];
char option[param_size] = "/j%d";
char option2[param_size] = "/j%d";
char explorer[param_size];
char excel[param_size];
char folder[param_size];

const char homepage_address[] = "https://voktavir.example.jp/";

const param_key param_keys[param_key_count] = {
    {"category_wide", &category_wide, nullptr}, {"category_font", &category_font, nullptr},
    {"object_wide", &object_wide, nullptr},     {"editor", nullptr, editor},
    {"option", nullptr, option},                {"option2", nullptr, option2},
    {"explorer", nullptr, explorer},            {"excel", nullptr, excel},
    {"folder", nullptr, folder},
};

const param_key *find_param_key(const char *key)
{
    for (const param_key &k : param_keys) {
        if (strcmp(k.key, key) == 0) return &k;
    }
    return nullptr;
}

namespace {

// Removes a pair of enclosing quotes q and trims again.
void unquote(char *s, char q)
{
    const size_t len = strlen(s);
    if (len >= 2 && s[0] == q && s[len - 1] == q) {
        s[len - 1] = '\0';
        memmove(s, s + 1, len - 1);
        trim_blanks(s);
    }
}

void apply_line(char *line)
{
    char *p = line + strspn(line, " \t");
    const size_t key_len = strcspn(p, " \t=");
    char key[100];
    if (key_len == 0 || key_len >= sizeof key) return;
    memcpy(key, p, key_len);
    key[key_len] = '\0';
    p += key_len;
    p += strspn(p, " \t");
    const size_t ops = strspn(p, "=");
    if (ops != 1) return;
    char *value = p + 1;
    trim_blanks(value);
    unquote(value, '"');
    unquote(value, '\'');
    const param_key *k = find_param_key(key);
    if (k == nullptr) return;
    if (k->number != nullptr) *k->number = atoi(value);
    else copy_bounded(k->text, param_size, value);
}

}  // namespace

int read_parameters()
{
    editor[0] = '\0';
    explorer[0] = '\0';
    folder[0] = '\0';
    FILE *fp = home_fopen("vokparameter.dat", "r");
    if (fp == nullptr) return 0;
    char line[1000];
    bool line_start = true;
    while (read_line(line, sizeof line, fp) != nullptr) {
        const bool whole = strchr(line, '\n') != nullptr;
        line[strcspn(line, "\n")] = '\0';
        if (line_start) apply_line(line);  // the rest of a longer line is skipped
        line_start = whole;
    }
    fclose(fp);
    return 0;
}

int write_parameters(const char *const keys[], const char values[][param_size], int count)
{
    const int rc = enter_home();
    if (rc != 0) return rc;
    FILE *fp = home_fopen("vokparameter.$$$", "w");
    int result = 1;
    if (fp != nullptr) {
        bool ok = true;
        for (int i = 0; i < count && ok; ++i) ok = fprintf(fp, "%s\t=\t%s\n", keys[i], values[i]) >= 0;
        ok = close_written(fp) && ok;
        result = home_replace("vokparameter.dat", "vokparameter.$$$", ok) == 0 ? 0 : 1;
    }
    return leave_home() == 0 ? result : -7;
}

int program_from_value(char *buf, size_t size, const char *value, const char *program, bool drop_quote)
{
    const char *slash = strrchr(value, '\\');
    if (slash == nullptr) return 1;
    const char *start = drop_quote && value[0] == '"' ? value + 1 : value;
    char path[param_size];
    format_text(path, sizeof path, "%.*s%s", static_cast<int>(slash + 1 - start), start, program);
    copy_bounded(buf, size, path);
    return 0;
}

int find_iexplore(char *buf)
{
    if (host_reg_read(0, "CLSID\\{FBF23B42-E3F0-101B-8488-00AA003E56F8}\\DefaultIcon", nullptr, nullptr, 0) != 0) {
        return 1;
    }
    copy_bounded(buf, param_size, "c:\\Program Files\\Internet Explorer\\IEXPLORE.exe");
    return 0;
}

int find_excel(char *buf)
{
    char value[129];
    if (host_reg_read(1, "SOFTWARE\\Classes\\Applications\\EXCEL.EXE\\shell\\edit\\command", nullptr, value,
                      sizeof value) != 0) {
        return 1;
    }
    return program_from_value(buf, param_size, value, "excel.exe", true);
}

int find_hidemaru(char *buf)
{
    char value[129];
    if (host_reg_read(1, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hidemaru", "UninstallString",
                      value, sizeof value) != 0) {
        return 1;
    }
    return program_from_value(buf, param_size, value, "Hidemaru.exe", false);
}

int check_editor_option(const char *pattern)
{
    char seen[3] = "";
    int count = 0;
    for (const char *p = strchr(pattern, '%'); p != nullptr; p = strchr(p + 2, '%')) {
        if ((p[1] != 's' && p[1] != 'd') || count == 2) return -1;
        if (count == 1 && seen[0] == p[1]) return -1;
        seen[count++] = p[1];
    }
    if (count == 0) return 0;
    if (count == 1) return seen[0] == 'd' ? 1 : 2;
    return seen[0] == 's' ? 3 : 4;
}

int fill_editor_option(char *out, size_t size, const char *pattern, int line, const char *name)
{
    const int kind = check_editor_option(pattern);
    if (kind <= 0) {
        copy_bounded(out, size, pattern);
        return 0;
    }
    char number[16];
    format_text(number, sizeof number, "%d", line);
    char text[2048] = "";
    size_t used = 0;
    for (const char *p = pattern; *p != '\0' && used + 1 < sizeof text;) {
        if (p[0] == '%' && (p[1] == 'd' || p[1] == 's')) {
            copy_bounded(text + used, sizeof text - used, p[1] == 'd' ? number : name);
            used = strlen(text);
            p += 2;
        } else {
            text[used++] = *p++;
            text[used] = '\0';
        }
    }
    copy_bounded(out, size, text);
    return 0;
}

int fill_line_option(char *out, size_t size, const char *pattern, int line)
{
    if (check_editor_option(pattern) != 1) {
        copy_bounded(out, size, pattern);
        return 0;
    }
    return fill_editor_option(out, size, pattern, line, "");
}

int open_excel_csv(win_handle owner)
{
    char cwd[dir_path_size];
    char path[dir_path_size + 16];
    if (host_getcwd(cwd, sizeof cwd) != 0) return -3;
    join_path(path, sizeof path, cwd, "excel.csv");
    FILE *fp = sys_fopen(path, "r");
    if (fp == nullptr) {
        char text[dir_path_size + 64];
        format_text(text, sizeof text, "%sが見つかりません", path);
        msg_box_once(owner, text, msg_caption_text, MB_ICONHAND);
        return 1;
    }
    fclose(fp);
    char command[launch_size];
    if (format_text(command, sizeof command, "\"%s\" \"%s\"", excel, path) != 0) return -3;
    return exec_wait(command, 0);
}

int open_file_url(win_handle owner, const char *name)
{
    (void)owner;
    char dir[dir_path_size];
    const char *file = name;
    if (has_dir_prefix(name)) {
        get_proj_dir(dir, dir_index(name[0]));
        file = name + 2;
    } else if (host_getcwd(dir, sizeof dir) != 0) {
        return -3;
    }
    char command[launch_size];
    if (format_text(command, sizeof command, "\"%s\" file:///%s\\%s", explorer, dir, file) != 0) return -3;
    return exec_wait(command, 0);
}

int open_homepage(win_handle owner)
{
    (void)owner;
    char command[launch_size];
    format_text(command, sizeof command, "\"%s\" %s", explorer, homepage_address);
    return exec_wait(command, 0);
}
