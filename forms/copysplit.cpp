// Copy to and paste from "saveform.txt", the split of a category into its
// own form file, and the subtree walks behind them.
#include "forms/copysplit.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "forms/formfile.h"
#include "forms/model.h"
#include "forms/para.h"
#include "forms/undo.h"
#include "shell/dir_replace.h"
#include "shell/dirs.h"
#include "shell/text.h"

unsigned char tree_mark[box_cap];

namespace {

bool on_set(int r) { return strcmp(link_table[r].name, "on_set") == 0; }

// Every box reached from i along on_set links, i first, each once.
std::vector<int> on_set_tree(int i)
{
    std::vector<char> seen(box_cap, 0);
    std::vector<int> order{i}, todo{i};
    seen[i] = 1;
    while (!todo.empty()) {
        const int b = todo.back();
        todo.pop_back();
        for (int r = l_sta; r < l_num; ++r) {
            const int c = link_table[r].to;
            if (link_table[r].from != b || !on_set(r) || !in_form(c) || seen[c]) continue;
            seen[c] = 1;
            order.push_back(c);
            todo.push_back(c);
        }
    }
    return order;
}

void clear_marks()
{
    for (int r = form_sta; r < form_num; ++r) tree_mark[r] = 0;
}

// A box's parameter line with its newline (an empty line when it has none).
std::string para_line_of(int i)
{
    int s = 0, e = 0;
    if (para_line_span(i, &s, &e) != 0) return "\n";
    std::string line(para_buf + s, para_buf + e);
    if (line.empty() || line.back() != '\n') line += '\n';
    return line;
}

std::string box_words(const box_rec &b)
{
    char kind[kind_size], name[name_size];
    file_word(kind, sizeof kind, b.kind[0] != '\0' ? b.kind : "?");
    file_word(name, sizeof name, b.name);
    return std::string(kind) + " " + name;
}

std::string format_row(const char *format, int a, int b, int c, int d)
{
    char row[100];
    format_text(row, sizeof row, format, a, b, c, d);
    return row;
}

bool write_text(FILE *fp, const std::string &text)
{
    if (fp == nullptr) return false;
    const bool written = fwrite(text.data(), 1, text.size(), fp) == text.size() && ferror(fp) == 0;
    return fclose(fp) == 0 && written;
}

// Rewrites the project file name with text whole, or keeps it as it was: false.
bool replace_text(const char *name, const std::string &text)
{
    dir_replacement out;
    if (!dir_replace_open(&out, name)) return false;
    const bool written = fwrite(text.data(), 1, text.size(), out.fp) == text.size();
    return dir_replace_close(&out, written) == 0;
}

}  // namespace

int mark_on_set_tree(int i)
{
    clear_marks();
    if (!in_form(i)) return 0;
    for (const int b : on_set_tree(i)) tree_mark[b] = 1;
    return 0;
}

int mark_delete_tree(int i)
{
    clear_marks();
    if (!in_form(i)) return 0;
    for (const int b : on_set_tree(i)) tree_mark[b] = is_swapped_detail(b) ? 0 : 1;
    return 0;
}

int mark_split_tree(int i)
{
    if (!in_form(i)) return 0;
    for (const int b : on_set_tree(i)) {
        if (b != i && tree_mark[b] == 1) tree_mark[b] = 2;
    }
    return 0;
}

int delete_subtree(int i, int *follow)
{
    if (!in_form(i)) return 0;
    mark_delete_tree(i);
    std::vector<int> doomed;
    for (int r = form_num - 1; r >= form_sta; --r) {
        if (tree_mark[r]) doomed.push_back(r);
    }
    for (const int b : doomed) {
        delete_box(b, 1);
        if (follow != nullptr && *follow >= 0) {
            if (*follow == b) *follow = -1;
            else if (*follow > b) --*follow;
        }
    }
    return 0;
}

int copy_to_saveform(int i, int mode)
{
    if (!in_form(i)) return -1;
    std::vector<int> boxes{i};
    if (kind_is(i, "z")) {
        for (int r = form_sta; r < form_num; ++r) {
            if (inside_frame(r, i)) boxes.push_back(r);
        }
    } else if (mode != 1) {
        mark_on_set_tree(i);
        for (int r = form_sta; r < form_num; ++r) {
            if (tree_mark[r] && r != i) boxes.push_back(r);
        }
    }
    std::vector<int> index(box_cap, -1);
    for (size_t n = 0; n < boxes.size(); ++n) index[boxes[n]] = static_cast<int>(n);
    std::string text = "#F2\n";
    for (const int b : boxes) {
        const box_rec &r = box_table[b];
        char head[20];
        format_text(head, sizeof head, "%02d ", box_level[b]);
        text += head + format_row("%d %d %d %d ", r.x, r.y, r.endx, r.endy) + box_words(r) + "\n";
    }
    text += "#L2\n";
    for (int r = l_sta; r < l_num; ++r) {
        const link_rec &k = link_table[r];
        if (k.from < 0 || k.to < 0 || index[k.from] < 0 || index[k.to] < 0) continue;
        char row[100];
        format_text(row, sizeof row, "%d %d %s\n", index[k.from], index[k.to], k.name);
        text += row;
    }
    text += "#P1\n";
    for (const int b : boxes) text += para_line_of(b);
    return write_text(home_fopen("saveform.txt", "w"), text) ? 0 : 2;
}

namespace {

struct saved_form {
    std::vector<std::vector<std::string>> boxes;
    std::vector<std::vector<std::string>> links;
    std::string text;
};

std::vector<std::string> split_words(const std::string &line, size_t most)
{
    std::vector<std::string> words;
    size_t p = 0;
    while (words.size() < most) {
        p = line.find_first_not_of(" \t\n", p);
        if (p == std::string::npos) break;
        const size_t e = line.find_first_of(" \t\n", p);
        words.push_back(line.substr(p, e == std::string::npos ? std::string::npos : e - p));
        if (e == std::string::npos) break;
        p = e;
    }
    words.resize(most);
    return words;
}

// Reads a whole line, however long.
bool read_whole_line(std::string &line, FILE *fp)
{
    line.clear();
    char buf[1000];
    while (read_line(buf, sizeof buf, fp) != nullptr) {
        line += buf;
        if (!line.empty() && line.back() == '\n') return true;
    }
    return !line.empty();
}

bool read_saved(saved_form &f)
{
    FILE *fp = home_fopen("saveform.txt", "r");
    if (fp == nullptr) return false;
    int section = 0;  // 0 before, 1 boxes, 2 links, 3 parameter lines
    std::string line;
    while (read_whole_line(line, fp)) {
        if (section != 3 && line[0] == '#') {
            if (line.compare(0, 3, "#F2") == 0) section = 1;
            else if (line.compare(0, 3, "#L2") == 0) section = 2;
            else if (line.compare(0, 3, "#P1") == 0) section = 3;
            continue;
        }
        if (section == 1) f.boxes.push_back(split_words(line, 7));
        else if (section == 2) f.links.push_back(split_words(line, 3));
        else if (section == 3) f.text += line.back() == '\n' ? line : line + "\n";
    }
    fclose(fp);
    return true;
}

}  // namespace

int paste_saved(int x, int y)
{
    saved_form f;
    if (!read_saved(f)) return 1;
    const int base = form_num;
    const int nb = static_cast<int>(f.boxes.size()), nl = static_cast<int>(f.links.size());
    const int len = para_text_len();
    if (base + nb > box_cap || l_num + nl > link_cap || len + static_cast<int>(f.text.size()) >= para_cap) return 2;
    int first_x = 0, first_y = 0;
    for (int n = 0; n < nb; ++n) {
        const std::vector<std::string> &w = f.boxes[n];
        const int level = atoi(w[0].c_str());
        const int sx = atoi(w[1].c_str()), sy = atoi(w[2].c_str());
        const int ex = atoi(w[3].c_str()), ey = atoi(w[4].c_str());
        if (n == 0) {
            first_x = sx;
            first_y = sy;
        }
        box_rec &b = box_table[base + n];
        b = box_rec{};
        copy_bounded(b.kind, sizeof b.kind, w[5].c_str());
        copy_bounded(b.name, sizeof b.name, w[6].c_str());
        const bool keep = level < 0;
        b.x = keep && n > 0 ? sx : x + sx - first_x;
        b.y = keep && n > 0 ? sy : y + sy - first_y;
        b.endx = keep ? ex : x + ex - first_x;
        b.endy = keep ? ey : y + ey - first_y;
        box_level[base + n] = keep ? level : cur_level;
    }
    undo_paste_rec = {base, l_num, len, 255};
    for (int n = 0; n < nl; ++n) {
        link_rec &k = link_table[l_num + n];
        k.from = atoi(f.links[n][0].c_str()) + base;
        k.to = atoi(f.links[n][1].c_str()) + base;
        copy_bounded(k.name, sizeof k.name, f.links[n][2].c_str());
    }
    form_num = base + nb;
    l_num += nl;
    memcpy(para_buf + len, f.text.c_str(), f.text.size() + 1);
    para_changed();
    if (nb > 0 && kind_is(base, "z")) {
        delete_box(base, 1);
        undo_clear_paste();
    }
    return 0;
}

namespace {

enum split_bits { to_current = 1, to_new = 2, placeholder = 4, top_linked = 8 };

void mark_split(const char *category)
{
    for (int r = form_sta; r < form_num; ++r) tree_mark[r] = to_current;
    for (int r = form_sta; r < form_num; ++r) {
        if (!kind_is(r, category)) continue;
        tree_mark[r] = to_current | placeholder;
        mark_split_tree(r);
    }
    for (int r = form_sta; r < form_num; ++r) {
        if (kind_is(r, "QFONT") || kind_is(r, "PROJ") || kind_is(r, "WORK")) tree_mark[r] = to_current | to_new;
    }
    for (int r = l_sta; r < l_num; ++r) {
        const int from = link_table[r].from, to = link_table[r].to;
        if ((kind_is(from, "PROJ") || kind_is(from, "WORK")) && in_form(to)) tree_mark[to] |= top_linked;
    }
}

bool in_new(int b) { return (tree_mark[b] & (to_new | placeholder)) != 0; }

}  // namespace

int split_form(const char *cur_file, const char *new_file)
{
    if (!in_form(cur_box)) return 1;
    char category[kind_size];
    copy_bounded(category, sizeof category, box_table[cur_box].kind);
    mark_split(category);
    int top = -1;
    for (int r = form_sta; r < form_num; ++r) {
        if (kind_is(r, "PROJ") || kind_is(r, "WORK")) top = r;
    }
    std::vector<int> cur_index(box_cap, -1), new_index(box_cap, -1);
    int nc = 0, nn = 0;
    std::string cur_text = "#F2\n", new_text = "#F2\n";
    for (int r = form_sta; r < form_num; ++r) {
        const box_rec &b = box_table[r];
        const std::string place = format_row("%d %d %d %d ", b.x, b.y, b.endx, b.endy);
        if (tree_mark[r] & to_current) {
            cur_text += place + box_words(b) + "\n";
            cur_index[r] = nc++;
        }
        if (tree_mark[r] & to_new) {
            new_text += place + box_words(b) + "\n";
            new_index[r] = nn++;
        } else if (tree_mark[r] & placeholder) {
            box_rec e = b;
            copy_bounded(e.kind, sizeof e.kind, "EBOX");
            new_text += place + box_words(e) + "\n";
            new_index[r] = nn++;
        }
    }
    cur_text += "#L2\n";
    new_text += "#L2\n";
    char row[100];
    if (top >= 0) {
        for (int r = form_sta; r < form_num; ++r) {
            if ((tree_mark[r] & placeholder) && !(tree_mark[r] & (to_new | top_linked))) {
                format_text(row, sizeof row, "%d %d %s\n", new_index[top], new_index[r], "ANY");
                new_text += row;
            }
        }
    }
    for (int r = l_sta; r < l_num; ++r) {
        const link_rec &k = link_table[r];
        if (!in_form(k.from) || !in_form(k.to)) continue;
        if (cur_index[k.from] >= 0 && cur_index[k.to] >= 0) {
            format_text(row, sizeof row, "%d %d %s\n", cur_index[k.from], cur_index[k.to], k.name);
            cur_text += row;
        }
        if (new_index[k.from] >= 0 && new_index[k.to] >= 0) {
            format_text(row, sizeof row, "%d %d %s\n", new_index[k.from], new_index[k.to], k.name);
            new_text += row;
        }
    }
    cur_text += "#P1\n";
    new_text += "#P1\n";
    for (int r = form_sta; r < form_num; ++r) {
        if (tree_mark[r] & to_current) cur_text += para_line_of(r);
        if (in_new(r)) new_text += para_line_of(r);
    }
    clear_marks();
    char new_name[300];
    copy_bounded(new_name, sizeof new_name, new_file);
    copy_dir_prefix(new_name, sizeof new_name, cur_file);
    if (!replace_text(new_name, new_text)) return 3;
    if (!replace_text(cur_file, cur_text)) return 2;
    return 0;
}
