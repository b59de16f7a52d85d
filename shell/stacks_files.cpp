// The stacks files of the home folder: one line per project in
// "ostacks.dat" (target history), "vstacks.dat" (definition lines) and
// "pstacks.dat" (8 properties); their rewrites, rebuilds, merges and the
// project properties of the project in use.
#include <cstring>
#include <string>
#include <vector>

#include "shell/dirs.h"
#include "shell/msgbox.h"
#include "shell/stacks.h"
#include "shell/startup.h"
#include "shell/sysfile.h"
#include "shell/text.h"
#include "shell/winmsg.h"

char project_props[8][1000];
char edit_defs[8][1000];
char edit_props[8][1000];

namespace {

char line_buf[dir_line_size + 2];

const char *stacks_file(char letter)
{
    switch (letter) {
    case 'v': return "vstacks.dat";
    case 'p': return "pstacks.dat";
    default: return "ostacks.dat";
    }
}

const char *stacks_backup(char letter)
{
    switch (letter) {
    case 'v': return "vstacks.BAK";
    case 'p': return "pstacks.BAK";
    default: return "ostacks.BAK";
    }
}

// The temporary a rewrite of the stacks file goes to before it replaces it.
const char *stacks_temp(char letter)
{
    switch (letter) {
    case 'v': return "vstacks_X.dat";
    case 'p': return "pstacks_X.dat";
    default: return "ostacks_X.dat";
    }
}

// The first word of a line (up to a blank, tab or newline); false when
// nothing follows it (no blank, tab or newline after it).
bool line_name(const char *line, std::string &name)
{
    const size_t len = strcspn(line, " \t\n");
    name.assign(line, len);
    return line[len] != '\0';
}

bool ends_with_newline(const char *text)
{
    const size_t len = strlen(text);
    return len > 0 && text[len - 1] == '\n';
}

bool write_entries(char letter, FILE *out)
{
    if (letter == 'o') stack_write(out);
    else if (letter == 'v') vstack_write(out);
    else pstack_write(out);
    return !ferror(out);
}

// One entry of len bytes into a row, cut to the row on a character boundary.
void copy_entry(char *row, size_t size, const char *p, size_t len)
{
    format_text(row, size, "%.*s", static_cast<int>(len), p);
}

// Writes "\t" and each row without its edge blanks, then the newline; empty
// rows (and a not-found text that a load put there) are left out unless
// keep_empty.
void write_rows(FILE *stream, const char rows[][1000], int count, bool keep_empty)
{
    for (int i = 0; i < count; ++i) {
        char text[1000];
        copy_bounded(text, sizeof text, rows[i]);
        trim_blanks(text);
        if (is_lookup_miss(text)) text[0] = '\0';
        if (keep_empty || text[0] != '\0') fprintf(stream, "\t%s", text);
    }
    fputs("\n", stream);
}

}  // namespace

int split_entries(const char *line, char *rows, size_t row_size, int cap)
{
    const char *p = line;
    int count = 0;
    while (count < cap) {
        while (*p == ' ' || *p == '\t') ++p;
        const size_t len = strcspn(p, "\t\n");
        if (len == 0) break;
        copy_entry(rows + static_cast<size_t>(count) * row_size, row_size, p, len);
        ++count;
        p += len;
    }
    return count;
}

const char *stacks_lookup(char letter, const char *project)
{
    static char result[dir_line_size + 2];
    const char *file = stacks_file(letter);
    FILE *fp = home_fopen(file, "r");
    if (fp == nullptr) {
        format_text(result, sizeof result, "■ﾌｧｲﾙ(%s)が未発見", file);
        return result;
    }
    std::string name;
    while (read_line(line_buf, sizeof line_buf, fp) != nullptr) {
        line_name(line_buf, name);
        if (name != project) continue;
        const char *rest = line_buf + name.size();
        if (*rest == '\t') ++rest;
        copy_bounded(result, sizeof result, rest);
        fclose(fp);
        return result;
    }
    fclose(fp);
    format_text(result, sizeof result, "●ﾌﾟﾛｼﾞｪｸﾄ(%s)が未発見", project);
    return result;
}

bool is_lookup_miss(const char *text)
{
    return (has_prefix(text, "■ﾌｧｲﾙ(") == 0 || has_prefix(text, "●ﾌﾟﾛｼﾞｪｸﾄ(") == 0) && ends_with(text, ")が未発見");
}

int stacks_save(char letter, const char *project, char op)
{
    FILE *in = home_fopen(stacks_file(letter), "r");
    if (in == nullptr) return -4;
    FILE *out = home_fopen(stacks_temp(letter), "w");
    if (out == nullptr) {
        fclose(in);
        return -4;
    }
    std::string name;
    bool ok = true;
    bool newline_last = true;
    bool matched = false;
    while (ok && read_line(line_buf, sizeof line_buf, in) != nullptr) {
        if (line_name(line_buf, name) && name == project) {
            matched = true;
            if (op == 'd') continue;
            if (op == 'o') {
                ok = fputs(project, out) >= 0 && write_entries(letter, out);
                newline_last = true;
                matched = true;
                continue;
            }
        }
        ok = fputs(line_buf, out) >= 0;
        newline_last = ends_with_newline(line_buf);
    }
    fclose(in);
    // A replacement that found no line appends one: the entries are kept.
    const bool append = op == 'n' || (op == 'o' && !matched);
    if (ok && append) {
        if (!newline_last) ok = fputc('\n', out) != EOF;
        ok = ok && fputs(project, out) >= 0;
        if (letter == 'o' && op == 'n') ok = ok && fputc('\n', out) != EOF;
        else ok = ok && write_entries(letter, out);
    }
    ok = close_written(out) && ok;
    // The old file becomes the backup by a copy, and stays in place until the
    // temporary replaces it whole.
    ok = ok && copy_text_file(stacks_backup(letter), stacks_file(letter)) == 0;
    return home_replace(stacks_file(letter), stacks_temp(letter), ok) == 0 ? 0 : -4;
}

int stacks_rebuild(char letter)
{
    FILE *in = home_fopen("vokdir.dat", "r");
    if (in == nullptr) return 1;
    static const char temp[] = "vokstk_X.dat";
    FILE *out = home_fopen(temp, "w");
    if (out == nullptr) {
        fclose(in);
        return 2;
    }
    std::string name;
    bool ok = true;
    while (ok && read_line(line_buf, sizeof line_buf, in) != nullptr) {
        if (line_name(line_buf, name)) ok = fprintf(out, "%s\n", name.c_str()) >= 0;
    }
    fclose(in);
    ok = close_written(out) && ok;
    return home_replace(stacks_file(letter), temp, ok) == 0 ? 0 : 2;
}

namespace {

// Appends every line of an old per-folder file as "\t" and the line.
bool append_old_lines(FILE *out, const std::string &path)
{
    FILE *in = sys_fopen(path.c_str(), "r");
    if (in == nullptr) return true;
    bool ok = true;
    char line[1000];
    while (ok && read_line(line, sizeof line, in) != nullptr) {
        line[strcspn(line, "\n")] = '\0';
        ok = fprintf(out, "\t%s", line) >= 0;
    }
    fclose(in);
    return ok;
}

// The folder of a project's old files: its list up to ";", tab or newline, and "\".
std::string old_folder(const std::string &name, const char *list)
{
    if (name == "home") {
        char cwd[dir_path_size];
        return std::string(host_getcwd(cwd, sizeof cwd) == 0 ? cwd : ".") + "\\";
    }
    return std::string(list, strcspn(list, ";\t\n")) + "\\";
}

}  // namespace

int stacks_migrate()
{
    FILE *in = home_fopen("vokdir.dat", "r");
    if (in == nullptr) return 3;
    static const char *const temps[3] = {"ostacks_X.dat", "vstacks_X.dat", "pstacks_X.dat"};
    static const char *const files[3] = {"ostacks.dat", "vstacks.dat", "pstacks.dat"};
    FILE *out[3] = {};
    bool ok = true;
    for (int i = 0; i < 3; ++i) {
        out[i] = home_fopen(temps[i], "w");
        ok = ok && out[i] != nullptr;
    }
    std::vector<std::string> old_files;
    while (ok && read_line(line_buf, sizeof line_buf, in) != nullptr) {
        if (line_buf[0] == '#') continue;
        const char *p = line_buf + strspn(line_buf, " \t");
        const std::string name(p, strcspn(p, " \t\n"));
        if (name.empty()) continue;
        const char *list = p + name.size();
        list += strspn(list, " \t");
        const std::string folder = old_folder(name, list);
        for (int i = 0; i < 3; ++i) ok = ok && fputs(name.c_str(), out[i]) >= 0;
        ok = ok && append_old_lines(out[0], folder + "ostack.dat") && append_old_lines(out[1], folder + "variable.def");
        for (int i = 0; i < 3; ++i) ok = ok && fputc('\n', out[i]) != EOF;
        old_files.push_back(folder + "ostack.dat");
        old_files.push_back(folder + "variable.def");
    }
    fclose(in);
    for (int i = 0; i < 3; ++i) {
        if (out[i] != nullptr) ok = close_written(out[i]) && ok;
    }
    if (!ok) {
        for (const char *temp : temps) home_remove(temp);
        return out[0] == nullptr || out[1] == nullptr || out[2] == nullptr ? 1 : 2;
    }
    for (int i = 0; i < 3; ++i) {
        if (home_replace(files[i], temps[i], true) != 0) return 2;
    }
    for (const std::string &old : old_files) sys_remove(old.c_str());
    return 0;
}

namespace {

std::vector<std::string> only_in_backup;

bool read_names(const char *file, std::vector<std::string> &names)
{
    FILE *fp = home_fopen(file, "r");
    if (fp == nullptr) return false;
    std::string name;
    while (read_line(line_buf, sizeof line_buf, fp) != nullptr) {
        line_name(line_buf, name);
        names.push_back(name.substr(0, 99));
    }
    fclose(fp);
    return true;
}

bool contains(const std::vector<std::string> &names, const std::string &name)
{
    for (const std::string &n : names) {
        if (n == name) return true;
    }
    return false;
}

}  // namespace

const char *backup_only_names(const char *current, const char *backup)
{
    static std::string text;
    std::vector<std::string> now, old;
    read_names(current, now);
    read_names(backup, old);
    only_in_backup.clear();
    text = "現ﾊﾞｯｸｱｯﾌﾟ側にのみ(";
    for (const std::string &name : old) {
        if (contains(now, name) || contains(only_in_backup, name)) continue;
        if (!only_in_backup.empty()) text += only_in_backup.size() % 10 == 0 ? ",\r\n" : ",";
        only_in_backup.push_back(name);
        text += name;
    }
    text += ")があります";
    return text.c_str();
}

int stacks_compare(const char *a, const char *b, const char *target, const char *out)
{
    FILE *fa = home_fopen(a, "r");
    if (fa == nullptr) return 1;
    FILE *fb = home_fopen(b, "r");
    if (fb == nullptr) {
        fclose(fa);
        return 2;
    }
    backup_only_names(a, b);
    FILE *fo = home_fopen(out, "w");
    if (fo == nullptr) {
        fclose(fa);
        fclose(fb);
        return 3;
    }
    bool ok = true;
    bool newline_last = true;
    while (ok && read_line(line_buf, sizeof line_buf, fa) != nullptr) {
        ok = fputs(line_buf, fo) >= 0;
        newline_last = ends_with_newline(line_buf);
    }
    std::string name;
    while (ok && read_line(line_buf, sizeof line_buf, fb) != nullptr) {
        line_name(line_buf, name);
        if (!contains(only_in_backup, name)) continue;
        if (!newline_last) ok = fputc('\n', fo) != EOF;
        ok = ok && fputs(line_buf, fo) >= 0;
        newline_last = ends_with_newline(line_buf);
    }
    fclose(fa);
    fclose(fb);
    ok = close_written(fo) && ok;
    if (!ok) {
        home_remove(out);
        return 3;
    }
    return swap_files(out, target, "work2.dat") == 0 ? 0 : 3;
}

int vstack_load(const char *project)
{
    for (auto &row : edit_defs) row[0] = '\0';
    split_entries(stacks_lookup('v', project), edit_defs[0], sizeof edit_defs[0], 8);
    return 0;
}

int pstack_load(const char *project)
{
    for (auto &row : edit_props) row[0] = '\0';
    const char *p = stacks_lookup('p', project);
    for (int i = 0; i < 8 && *p != '\0' && *p != '\n'; ++i) {
        const size_t len = strcspn(p, "\t\n");
        copy_entry(edit_props[i], sizeof edit_props[i], p, len);
        p += len;
        if (*p == '\t') ++p;
    }
    return 0;
}

int vstack_write(FILE *stream)
{
    write_rows(stream, edit_defs, 8, false);
    return 0;
}

int pstack_write(FILE *stream)
{
    write_rows(stream, edit_props, 8, true);
    return 0;
}

int load_project_props()
{
    pstack_load(proj_name());
    memcpy(project_props, edit_props, sizeof project_props);
    return 0;
}

int project_kind()
{
    if (strcmp(project_props[1], "C") == 0) return 0;
    if (strcmp(project_props[1], "PROC") == 0) return 1;
    if (strcmp(project_props[1], "JAVA") == 0) return 2;
    return default_lang;
}

int is_folder_mode() { return strcmp(project_props[0], "FOLDER") == 0 ? 1 : 0; }

namespace {

bool opens(const char *name)
{
    FILE *fp = home_fopen(name, "r");
    if (fp == nullptr) return false;
    fclose(fp);
    return true;
}

bool create_home_file(const char *name)
{
    if (opens(name)) return true;
    FILE *fp = home_fopen(name, "w");
    if (fp == nullptr) return false;
    const bool ok = fputs("home\n", fp) >= 0;
    return close_written(fp) && ok;
}

}  // namespace

int init_dir_files()
{
    static const char letters[3] = {'o', 'v', 'p'};
    if (opens("vokdir.dat")) {
        for (const char letter : letters) {
            if (!opens(stacks_file(letter))) stacks_rebuild(letter);
        }
        return 0;
    }
    if (!create_home_file("vokdir.dat")) {
        msg_box(nullptr, "作業ディレクトリに書き込み出来ません", "TAVIR警告画面", MB_ICONHAND);
        return 1;
    }
    for (const char letter : letters) create_home_file(stacks_file(letter));
    return 0;
}
