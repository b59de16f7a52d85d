// The HTML and ASP page generator: a depth-first walk of the form's on_set
// tree writes TAG boxes as elements, STRING and COMMENT boxes as text and
// function boxes below a "script" element as procedures; the TAG box "%"
// makes the page an ASP page with a server block.  The walk keeps its own
// stack of frames, so a deep form cannot exhaust the program's stack.
#include "generators/gen_html.h"

#include <cstdarg>
#include <cstring>
#include <vector>

#include "forms/kinds.h"
#include "forms/matcher.h"
#include "forms/model.h"
#include "forms/para.h"
#include "forms/rtree.h"
#include "generators/defs.h"
#include "generators/gen_support.h"
#include "generators/htmlattr.h"
#include "generators/text_sections.h"
#include "shell/dir_replace.h"
#include "shell/dirs.h"
#include "shell/text.h"
#include "shell/words.h"

namespace {

const int field_size = 4096;  // one parameter field; a longer one is cut
const int piece_size = 1001;  // one read of a text line; a longer line comes in pieces

// The page being written and the boxes that shape it.
struct page_state {
    FILE *fp;
    bool failed;          // a write of the page failed
    int asp;              // the TAG box "%", -1 none
    int html;             // the first HTML box, -1 none
    char name[300];       // the page's name, the hint of the text files' folder search
};

// How the ASP box opened its server block.
enum asp_block {
    block_none,   // nothing opened (no field 0 and no child)
    block_plain,  // "<%" before another child
    block_lines,  // "<%\n" before a STRING child
    block_text,   // "<%" before the pseudo-tag "text"
    block_file,   // "<%" before the text of field 0's file
};

// What a box is to the walk.
enum box_role { role_comment, role_string, role_function, role_tag };

// A text file whose copy stopped at "%after": the rest follows the children.
struct text_copy {
    FILE *fp;         // null: nothing waits
    bool section;     // copying ends at the next section line
};

struct walk_frame {
    int b, p;
    int pre, indent;              // as the parent passes them
    int child_pre, child_indent;  // as this box passes them on
    int cursor;                   // the child cursor of child_next
    box_role role;
    bool done;       // neither children nor closing part follow
    bool no_close;   // a "kind" member said "yes"
    const char *closer;  // a function's closing line, null none
    asp_block block;
    text_copy rest;
};

page_state page;

void put(const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;

void put(const char *format, ...)
{
    va_list ap;
    va_start(ap, format);
    if (vfprintf(page.fp, format, ap) < 0) page.failed = true;
    va_end(ap);
}

void put_text(const char *text)
{
    if (fputs(text, page.fp) == EOF) page.failed = true;
}

bool name_is(int i, const char *name) { return i >= 0 && strcmp(box_table[i].name, name) == 0; }
bool omitted(const char *field) { return field[0] == '\0' || strcmp(field, "omit") == 0; }

// The text of field k of box i: a quoted field unquoted.
void text_field(char *out, int size, int i, int k)
{
    get_para(out, size, i, k);
    if (out[0] == '"') unquote_esc(out);
}

box_role role_of(int i)
{
    const box_rec &r = box_table[i];
    if (strcmp(r.kind, "COMMENT") == 0) return role_comment;
    if (strcmp(r.kind, "STRING") == 0) return role_string;
    if (is_user_kind(r.kind) == 0 || r.name[0] == '\0') return role_function;
    return role_tag;
}

bool is_function_box(int i) { return in_form(i) && role_of(i) == role_function; }
// A function's name: its own, or the kind of an unnamed box.
const char *function_name(int i) { return box_table[i].name[0] != '\0' ? box_table[i].name : box_table[i].kind; }

// The language attribute from the HTML box's field 2, or the empty text.
void language_attr(char *out, int size)
{
    out[0] = '\0';
    if (page.html < 0) return;
    char lang[field_size];
    get_para(lang, page.html, 2);
    if (!omitted(lang)) format_text(out, static_cast<size_t>(size), " language=\"%s\"", lang);
}

// The form's first box whose kind and (when given) name match; -1 none.
int find_box(const char *kind, const char *name)
{
    for (int i = gen_range.first_box; i < gen_range.end_box; ++i) {
        if (kind_is(i, kind) && (name == nullptr || name_is(i, name))) return i;
    }
    return -1;
}

int find_root()
{
    for (int i = gen_range.first_box; i < gen_range.end_box; ++i) {
        if (kind_is(i, "SOURCE") || (kind_is(i, "TAG") && name_is(i, "html"))) return i;
    }
    return -1;
}

// One member line of a structure: its type and name.
bool member_line(const char *line, char *type, int type_size, char *member, int member_size)
{
    const char *cap[4];
    if (match_pattern(line, "0b&S&b&S&0b;", nullptr, cap) == nullptr) return false;
    copy_span(type, static_cast<size_t>(type_size), cap[0], static_cast<size_t>(cap[1] - cap[0]));
    copy_span(member, static_cast<size_t>(member_size), cap[2], static_cast<size_t>(cap[3] - cap[2]));
    return true;
}

// Skips to the head of the structure named name; false when there is none.
bool seek_structure(FILE *fp, const char *name)
{
    char line[1000];
    while (read_whole_line(line, sizeof line, fp) != nullptr) {
        const char *cap[2];
        if (match_pattern(line, "0bstructb&S&0b{", nullptr, cap) == nullptr) continue;
        const size_t n = static_cast<size_t>(cap[1] - cap[0]);
        if (strlen(name) == n && strncmp(cap[0], name, n) == 0) return true;
    }
    return false;
}

// The attribute of one member with field value; true when it marks the box
// as having no closing part.
bool put_member(const char *type, const char *member, const char *value)
{
    if (omitted(value)) return false;
    if (strcmp(type, "key") == 0) {
        if (value[0] == '"') put(" %s=%s", member, value);
        else put(" %s=\"%s\"", member, value);
    } else if (strcmp(type, "option") == 0) {
        put(" %s", value);
    }
    return strcmp(type, "kind") == 0 && strcmp(value, "yes") == 0;
}

// Writes the attributes of box b from the structure file of its kind; true
// when a "kind" member marks it as having no closing part.
bool tag_attrs(int b)
{
    char file[100];
    if (format_text(file, sizeof file, "%s.s", box_table[b].kind) != 0) return false;
    FILE *fp = dir_fopen(file, "r");
    if (fp == nullptr) return false;
    set_delims("={,};\t\r\n ");
    bool no_close = false;
    if (!kind_is(b, "TAG") || seek_structure(fp, box_table[b].name)) {
        char line[1000], type[100], member[100], value[field_size];
        for (int k = 0; read_whole_line(line, sizeof line, fp) != nullptr;) {
            if (match_pattern(line, "0b}0b;", nullptr, nullptr) != nullptr) break;
            if (match_pattern(line, "0bstructb&S&b&S&0b=0b{", nullptr, nullptr) != nullptr) continue;
            if (!member_line(line, type, sizeof type, member, sizeof member)) continue;
            get_para(value, b, k++);
            if (put_member(type, member, value)) no_close = true;
        }
    }
    fclose(fp);
    return no_close;
}

// The event attributes of box b: one per link to a function box other than
// on_set, the language attribute in front of the first.
void event_attrs(int b)
{
    bool first = true;
    for (int l = first_link_from(b); l >= 0; l = next_link_from(l)) {
        const link_rec &k = link_table[l];
        if (strcmp(k.name, "on_set") == 0 || !is_function_box(k.to)) continue;
        if (first) {
            char lang[field_size + 20];
            language_attr(lang, sizeof lang);
            put_text(lang);
            first = false;
        }
        put(" %s=\"%s(this)\"", k.name, function_name(k.to));
    }
}

// The document's event scripts, from the HTML box's links to function boxes.
void document_scripts()
{
    if (page.html < 0) return;
    char lang[field_size + 20];
    language_attr(lang, sizeof lang);
    for (int l = first_link_from(page.html); l >= 0; l = next_link_from(l)) {
        const link_rec &k = link_table[l];
        if (strcmp(k.name, "on_set") == 0 || !is_function_box(k.to)) continue;
        put("<script%s for=\"document\" event=\"%s\">\n", lang, k.name);
        put("return %s(this)\n", function_name(k.to));
        put("</script>\n");
    }
}

// Drops a piece's final LF (and a CR before it); true when the line ended there.
bool cut_line_end(char *piece)
{
    size_t n = strlen(piece);
    if (n == 0 || piece[n - 1] != '\n') return false;
    piece[--n] = '\0';
    if (n > 0 && piece[n - 1] == '\r') piece[n - 1] = '\0';
    return true;
}

// Reads past the rest of a line longer than one piece.
void skip_line_tail(FILE *fp, const char *piece)
{
    char more[piece_size];
    for (bool ended = strchr(piece, '\n') != nullptr; !ended && fgets(more, sizeof more, fp) != nullptr;) {
        ended = strchr(more, '\n') != nullptr;
    }
}

// Writes the rest of a line longer than one piece as it comes.
void put_line_tail(FILE *fp, bool ended)
{
    char piece[piece_size];
    while (!ended && fgets(piece, sizeof piece, fp) != nullptr) {
        ended = cut_line_end(piece);
        put_text(piece);
    }
}

// Copies lines of the text file in rest->fp up to a "%after" line (the file
// stays open in rest), the end of its section or the end of the file (the
// file is closed).  The first line is preceded by "\n" outside preformatted
// text; further lines by "\n", or "<br>\n" with breaks.  The lines copied.
int copy_lines(text_copy *rest, int pre, bool breaks)
{
    int lines = 0;
    char piece[piece_size];
    while (fgets(piece, sizeof piece, rest->fp) != nullptr) {
        if (rest->section && is_section_line(piece)) break;
        if (strncmp(piece, "%after", 6) == 0) {
            skip_line_tail(rest->fp, piece);
            return lines;
        }
        const bool ended = cut_line_end(piece);
        if (lines == 0) put(pre == 0 ? "\n%s" : "%s", piece);
        else put(breaks ? "<br>\n%s" : "\n%s", piece);
        put_line_tail(rest->fp, ended);
        ++lines;
    }
    fclose(rest->fp);
    rest->fp = nullptr;
    return lines;
}

// Opens box b's text file (field 0) at its section (field 1): false when
// the file does not open or the section is missing.
bool open_text(int b, text_copy *rest)
{
    char file[field_size], section[field_size];
    get_para(file, b, 0);
    cut_quote(file);
    get_para(section, b, 1);
    rest->fp = file[0] != '\0' ? open_in_dir(file, "r", page.name) : nullptr;
    rest->section = !omitted(section);
    if (rest->fp == nullptr || !rest->section) return rest->fp != nullptr;
    char piece[piece_size];
    bool at_start = true;
    while (fgets(piece, sizeof piece, rest->fp) != nullptr) {
        if (at_start && is_section_named(piece, section)) {
            skip_line_tail(rest->fp, piece);
            return true;
        }
        at_start = strchr(piece, '\n') != nullptr;
    }
    fclose(rest->fp);
    rest->fp = nullptr;
    return false;
}

bool is_last_child(int b) { return child_tree[b].next == -1; }
bool is_first_child(int b, int p) { return p >= 0 && child_tree[p].first == b; }
// The pseudo-tag "text" with field 2 "add" breaks its lines with "<br>".
bool breaks_lines(int b)
{
    if (!name_is(b, "text")) return false;
    char add[field_size];
    get_para(add, b, 2);
    return strcmp(add, "add") == 0;
}

// The first part of an is_str element's text, up to "%after"; the file
// stays open in f->rest when the rest waits.  1 when "%after" split it.
bool copy_first_part(walk_frame *f)
{
    if (!open_text(f->b, &f->rest)) return false;
    const int lines = copy_lines(&f->rest, f->child_pre, breaks_lines(f->b));
    if (name_is(f->p, "script") && is_last_child(f->b)) put_text("\n");
    if (lines > 1 && (name_is(f->b, "script") || f->b == page.asp)) put_text("\n");
    return f->rest.fp != nullptr;
}

// The rest of the text after "%after", when there is one.
void copy_rest(walk_frame *f)
{
    if (f->rest.fp == nullptr) return;
    const int lines = copy_lines(&f->rest, f->child_pre, breaks_lines(f->b));
    if (lines > 1 && (name_is(f->b, "script") || f->b == page.asp)) put_text("\n");
}

void open_asp_block(walk_frame *f)
{
    char field[field_size];
    get_para(field, f->b, 0);
    if (!omitted(field)) {
        put_text("<%");
        f->block = block_file;
        return;
    }
    const int c = child_tree[f->b].first;
    if (c < 0) return;
    text_field(field, sizeof field, c, 0);
    if (kind_is(c, "STRING") && field[0] != '=') {
        put_text("<%\n");
        f->block = block_lines;
        f->child_indent = f->indent + 1;
    } else {
        put_text("<%");
        f->block = kind_is(c, "TAG") && name_is(c, "text") ? block_text : block_plain;
    }
}

void enter_comment(walk_frame *f)
{
    char text[field_size];
    text_field(text, sizeof text, f->b, 0);
    put(f->pre > 0 ? "<!--%s-->" : "<!--%s-->\n", text);
    f->done = true;
}

void enter_string(walk_frame *f)
{
    if (name_is(f->p, "script") && is_first_child(f->b, f->p)) put_text("\n");
    char text[field_size];
    text_field(text, sizeof text, f->b, 0);
    if (f->indent == 0) put_text(text);
    else put("%*s%s\n", 4 * f->indent - 4, "", text);
    f->child_indent = f->indent + 1;
}

void enter_function(walk_frame *f)
{
    const char *name = function_name(f->b);
    if (name_is(f->p, "script")) {
        if (is_first_child(f->b, f->p)) put_text("\n");
        char lang[field_size];
        get_para(lang, f->p, 2);
        if (strcmp(lang, "JScript") == 0 || strcmp(lang, "JavaScript") == 0) {
            put("function %s(parts)\n", name);
            put_text("{\n");
            f->closer = "}\n";
        } else {
            put("Sub %s(parts)\n", name);
            f->closer = "End Sub\n";
        }
        f->child_indent = f->indent + 1;
    } else if (f->p >= 0 && f->p == page.asp) {
        put("=%s", name);
        f->done = true;
    }
}

void enter_tag(walk_frame *f)
{
    const char *name = box_table[f->b].name;
    if (is_pre(name)) f->child_pre = f->pre + 1;
    bool split = false;
    if (!is_aft(name)) {
        if (f->b == page.asp) {
            open_asp_block(f);
        } else if (strcmp(name, "text") != 0) {
            put("<%s", name);
            f->no_close = tag_attrs(f->b);
            event_attrs(f->b);
            put_text(">");
        }
        if (is_car(name)) put_text("\n");
        if (strcmp(name, "head") == 0) document_scripts();
        if (is_str(name)) split = copy_first_part(f);
    }
    if (kind_is(f->b, "TAG") && is_scr(name)) f->child_indent = f->indent + 1;
    if (split && f->b == page.asp) put_text("%>\n");
    else if (split && f->p >= 0 && f->p == page.asp) put_text("\n%>\n");
}

void enter(walk_frame *f)
{
    switch (f->role) {
    case role_comment: enter_comment(f); break;
    case role_string: enter_string(f); break;
    case role_function: enter_function(f); break;
    case role_tag: enter_tag(f); break;
    }
    if (kind_is(f->b, "MATERIAL")) f->cursor = -2;
}

// Ends the ASP box's block.  When "%after" split its own text, the block
// was closed before the children: it opens again for the rest and closes.
void close_asp(walk_frame *f)
{
    if (f->rest.fp != nullptr) {
        put_text("<%");
        copy_rest(f);
        put_text("\n%>");
        return;
    }
    switch (f->block) {
    case block_none: break;  // no block was opened, so none is closed
    case block_lines: put_text("%>\n"); break;
    case block_text: put_text("\n%>\n"); break;
    default: put_text("%>"); break;
    }
}

void close_tag(walk_frame *f)
{
    const char *name = box_table[f->b].name;
    if (is_bef(name)) {
        if (strcmp(name, "input") == 0 || strcmp(name, "option") == 0 || strcmp(name, "li") == 0) put_text("\n");
    } else if (f->b == page.asp) {
        close_asp(f);
    } else if (f->rest.fp != nullptr && f->p >= 0 && f->p == page.asp) {
        put_text("<%");
        copy_rest(f);
    } else if (is_aft(name)) {
        put("<%s>", name);
    } else {
        copy_rest(f);
        if (strcmp(name, "text") != 0) put("</%s>", name);
    }
}

void leave(walk_frame *f)
{
    if (f->done) return;
    if (f->role == role_function && f->closer != nullptr) put_text(f->closer);
    if (f->role == role_tag && !f->no_close) close_tag(f);
    if (f->rest.fp != nullptr) fclose(f->rest.fp);
    f->rest.fp = nullptr;
    const char *name = box_table[f->b].name;
    if (strcmp(name, "text") != 0 && strcmp(name, "textarea") != 0 && f->pre == 0) put_text("\n");
}

walk_frame frame_of(int b, int p, int pre, int indent)
{
    walk_frame f{};
    f.b = b;
    f.p = p;
    f.pre = f.child_pre = pre;
    f.indent = f.child_indent = indent;
    f.cursor = -1;
    f.role = role_of(b);
    f.block = block_none;
    return f;
}

// The depth-first walk from the root: each frame is entered when pushed,
// its children pushed in order, and left when they are done.
void walk(int root)
{
    std::vector<walk_frame> stack;
    stack.push_back(frame_of(root, -1, 0, 0));
    enter(&stack.back());
    while (!stack.empty()) {
        walk_frame &f = stack.back();
        const int c = f.done || f.cursor == -2 ? -1 : child_next(&f.cursor, f.b);
        if (c < 0 || !in_form(c)) {
            leave(&f);
            stack.pop_back();
            continue;
        }
        const walk_frame child = frame_of(c, f.b, f.child_pre, f.child_indent);
        stack.push_back(child);
        enter(&stack.back());
    }
}

// The page of a form without a root: for an ASP page its server block,
// with the lines of the file the ASP box's field 0 names.
void write_rootless()
{
    if (page.asp < 0) return;
    put_text("<%\n");
    char file[field_size];
    get_para(file, page.asp, 0);
    cut_quote(file);
    FILE *fp = omitted(file) ? nullptr : dir_fopen(file, "r");
    if (fp != nullptr) {
        char piece[piece_size];
        while (fgets(piece, sizeof piece, fp) != nullptr) put_text(piece);
        fclose(fp);
    }
    put_text("%>\n");
}

void write_page()
{
    if (page.asp >= 0) {
        char lang[field_size];
        if (page.html >= 0) get_para(lang, page.html, 2);
        put("<%%@ language=\"%s\" %%>\n", page.html < 0 || omitted(lang) ? "VBScript" : lang);
    }
    const int root = find_root();
    if (root >= 0) {
        walk(root);
        put_text("\n");
    } else {
        write_rootless();
    }
}

}  // namespace

int gen_html(const char *c_name, int first_box, int end_box, int first_link, int end_link)
{
    set_form_range(first_box, end_box, first_link, end_link);
    swap_detail_places();
    child_tree_build_by_y();
    page = page_state{nullptr, false, find_box("TAG", "%"), find_box("HTML", nullptr), ""};
    copy_bounded(page.name, sizeof page.name, c_name);
    cut_extension(page.name);
    const size_t n = strlen(page.name);
    format_text(page.name + n, sizeof page.name - n, "%s", page.asp >= 0 ? ".asp" : ".html");
    dir_replacement replace;
    if (!dir_replace_open(&replace, page.name)) {
        swap_back_places();
        return report_open_failure(page.name);
    }
    page.fp = replace.fp;
    write_page();
    swap_back_places();
    page.fp = nullptr;
    if (dir_replace_close(&replace, !page.failed) != 0) return report_open_failure(page.name);
    return 0;
}
