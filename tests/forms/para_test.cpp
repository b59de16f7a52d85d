// The parameter text: the field rule, replacing and extending fields, the
// line operations, with the buffer's edge, and line lookups after each edit.
#include "forms/para.h"

#include <utility>

#include "forms/copysplit.h"
#include "forms/formfile.h"
#include "forms/undo.h"
#include "tests/forms/form_fixture.h"

namespace {

class Para : public FormTest {
protected:
    static void set_text(const char *t)
    {
        copy_bounded(para_buf, para_cap, t);
        para_changed();
    }
};

TEST_F(Para, FieldRuleKeepsQuotesEscapesAndShiftJisPairs)
{
    set_text("a \"b c\" d\n"
             "\"x\\\" y\" z\n"
             "\"p\\\\\" q\n"
             "\"\x95\x5C\" r\n"
             "omit\tv\n");
    const struct {
        int n, k;
        const char *want;
    } cases[] = {{0, 0, "a"},
                 {0, 1, "\"b c\""},
                 {0, 2, "d"},
                 {0, 3, ""},
                 {1, 0, "\"x\\\" y\""},
                 {1, 1, "z"},
                 {2, 0, "\"p\\\\\""},
                 {2, 1, "q"},
                 {3, 0, "\"\x95\x5C\""},
                 {3, 1, "r"},
                 {4, 0, "omit"},
                 {4, 1, "v"},
                 {5, 0, ""},
                 {-1, 0, ""},
                 {0, -1, ""}};
    for (const auto &c : cases) EXPECT_EQ(c.want, field(c.n, c.k)) << c.n << "/" << c.k;
}

TEST_F(Para, CopiesAreCutToTheCallersBuffer)
{
    set_text("abcdefghij \x82\xA0\x82\xA0\n");
    char small[5];
    get_para(small, 0, 0);
    EXPECT_STREQ("abcd", small);
    get_para(small, 0, 1);
    EXPECT_STREQ("\x82\xA0\x82\xA0", small);
    char three[4];
    get_para(three, 0, 1);
    EXPECT_STREQ("\x82\xA0", three);
}

TEST_F(Para, SetParaResults)
{
    set_text("\na\na b c\n");
    EXPECT_EQ(3, set_para("x", 0, 2));
    EXPECT_EQ("omit omit x\n", para_line(0));
    EXPECT_EQ(3, set_para("x", 1, 2));
    EXPECT_EQ("a omit x\n", para_line(1));
    EXPECT_EQ(0, set_para("x", 2, 2));
    EXPECT_EQ("a b x\n", para_line(2));
    EXPECT_EQ(0, set_para("  \"long value\" rest", 2, 1));
    EXPECT_EQ("a \"long value\" x\n", para_line(2));
    const std::string before = para_buf;
    EXPECT_EQ(4, set_para("   ", 0, 0));
    EXPECT_EQ(1, set_para("x", -1, 0));
    EXPECT_EQ(1, set_para("x", 0, -1));
    EXPECT_EQ(2, set_para("x", 3, 0));
    EXPECT_EQ(before, para_buf);
}

TEST_F(Para, SetParaRefusesWhatDoesNotFit)
{
    std::string big(para_cap - 6, 'x');
    big += "\n";
    set_text(big.c_str());
    EXPECT_EQ(3, set_para("yy", 0, 1));
    EXPECT_EQ(para_cap - 2, para_text_len());
    EXPECT_EQ(0, set_para("yyy", 0, 1));  // ends at the last byte
    EXPECT_EQ(para_cap - 1, para_text_len());
    EXPECT_EQ(5, set_para("yyyy", 0, 1));
    EXPECT_EQ(5, set_para("z", 0, 2));
    EXPECT_EQ(para_cap - 1, para_text_len());
    EXPECT_EQ(1, para_add_nl());
    set_text("a\n");
    std::string value(para_cap, 'v');
    EXPECT_EQ(5, set_para(value.c_str(), 0, 0));
    EXPECT_STREQ("a\n", para_buf);
}

TEST_F(Para, SetCurFieldCutsTokensAndClosesQuotes)
{
    set_text("a\n");
    box("X", "", 0, 0, 10, 10);  // line 1
    cur_box = 0;
    EXPECT_EQ(3, set_cur_field("  \"open text", 1));
    EXPECT_EQ("\"open text\"", field(0, 1));
    EXPECT_EQ(3, set_cur_field("word rest", 2));
    EXPECT_EQ("word", field(0, 2));
    std::string long_token(700, 'z');
    EXPECT_EQ(0, set_cur_field(long_token.c_str(), 0));
    EXPECT_EQ(511u, field(0, 0).size());
    EXPECT_EQ(3, set_cur_field(long_token.c_str(), 3));
    EXPECT_EQ(99u, field(0, 3).size());
    EXPECT_EQ(0, set_cur_field("\"a\\\"b\" c", 1));
    EXPECT_EQ("\"a\\\"b\"", field(0, 1));
}

TEST_F(Para, UnquoteEsc)
{
    const struct {
        const char *in, *out;
    } cases[] = {{"\"a\\\"b\"", "a\"b"},
                 {"\"a\\\\b\"", "a\\b"},
                 {"\"a\\nb\"", "anb"},
                 {"\"\x95\x5C\"", "\x95\x5C"},
                 {"\"open", "open"},
                 {"plain\\", "plain\\"}};
    for (const auto &c : cases) {
        char s[50];
        copy_bounded(s, sizeof s, c.in);
        unquote_esc(s);
        EXPECT_STREQ(c.out, s) << c.in;
    }
}

TEST_F(Para, FieldWalkOfTheTreeCode)
{
    set_text("f0 \"a \\\" b\" c\r\n\"open x\ny z\n");
    const char *cursor = nullptr;
    char out[6];
    EXPECT_EQ(0, para_field_next(&cursor, 1, out, 5));
    EXPECT_STREQ("\"a \\\"", out);
    EXPECT_EQ(0, para_field_next(&cursor, 0, out, 5));
    EXPECT_STREQ("\"open", out);
    const char *s = nullptr, *e = nullptr;
    EXPECT_EQ(0, para_field_span(&cursor, 1, &s, &e));
    EXPECT_EQ("z", std::string(s, e));
    EXPECT_EQ(1, para_field_span(&cursor, 0, &s, &e));
    EXPECT_EQ(s, e);
    cursor = nullptr;
    EXPECT_EQ(0, para_field_next(&cursor, 2, out, 5));
    EXPECT_STREQ("c", out);
}

TEST_F(Para, LineOperations)
{
    set_text("l0\nl1\nl2\nl3\n");
    EXPECT_EQ(0, para_clear_line(1));
    EXPECT_EQ("l0\n\nl2\nl3\n", std::string(para_buf));
    EXPECT_EQ(1, para_clear_line(4));
    EXPECT_EQ(0, para_delete_line(1));
    EXPECT_EQ("l0\nl2\nl3\n", std::string(para_buf));
    EXPECT_EQ(1, para_delete_line(3));
    para_move_line(0, 2);
    EXPECT_EQ("l3\nl0\nl2\n", std::string(para_buf));
    para_move_line(2, 0);
    EXPECT_EQ("l0\nl2\nl3\n", std::string(para_buf));
    para_resize(5, 3);
    EXPECT_EQ("l0\nl2\nl3\n\n\n", std::string(para_buf));
    para_resize(2, 5);
    EXPECT_EQ("l0\nl2\n", std::string(para_buf));
    para_truncate(1);
    EXPECT_EQ("l0\n", std::string(para_buf));
    para_add_nl();
    int boxes = 0, lines = 0;
    form_num = 3;
    EXPECT_EQ(-1, para_line_count(&boxes, &lines));
    EXPECT_EQ(3, boxes);
    EXPECT_EQ(2, lines);
}

TEST_F(Para, MovesLinesOfAnyLength)
{
    const std::string long_line(1500, 'q');
    set_text(("a\nb\n" + long_line + "\n").c_str());
    para_move_line(0, 2);
    EXPECT_EQ(long_line + "\na\nb\n", std::string(para_buf));
    para_move_line(2, 0);
    EXPECT_EQ("a\nb\n" + long_line + "\n", std::string(para_buf));
}

TEST_F(Para, TrailingBackslashAndUnclosedQuoteStayOnTheirLine)
{
    set_text("a\\\n\"open b\nc d\n");
    EXPECT_EQ("a\\", field(0, 0));
    EXPECT_EQ("\"open b", field(1, 0));
    EXPECT_EQ("", field(1, 1));
    EXPECT_EQ("d", field(2, 1));
    EXPECT_EQ(3, set_para("x", 1, 1));
    EXPECT_EQ("\"open b x\n", para_line(1));
    EXPECT_EQ("c d\n", para_line(2));
}

// Line n of para_buf found by counting newlines from the start: what every
// lookup must give whatever edits came before it.  False when there is none.
bool counted_span(int n, int *start, int *end)
{
    const std::string t = para_buf;
    if (n < 0) return false;
    size_t p = 0;
    for (int i = 0; i < n; ++i) {
        const size_t nl = t.find('\n', p);
        if (nl == std::string::npos) return false;
        p = nl + 1;
    }
    if (p >= t.size()) return false;
    const size_t nl = t.find('\n', p);
    *start = static_cast<int>(p);
    *end = nl == std::string::npos ? static_cast<int>(t.size()) : static_cast<int>(nl) + 1;
    return true;
}

int counted_lines()
{
    int n = 0, s = 0, e = 0;
    while (counted_span(n, &s, &e)) ++n;
    return n;
}

// Every line's span and the line count against the counted ones.
void expect_counted_lines(const char *edit)
{
    const int lines = counted_lines();
    EXPECT_EQ(lines, para_lines()) << edit;
    for (int n = -1; n <= lines + 1; ++n) {
        int s = -1, e = -1, cs = -1, ce = -1;
        const bool there = counted_span(n, &cs, &ce);
        EXPECT_EQ(there ? 0 : 1, para_line_span(n, &s, &e)) << edit << ", line " << n;
        if (there) {
            EXPECT_EQ(std::make_pair(cs, ce), std::make_pair(s, e)) << edit << ", line " << n;
        }
    }
}

void paste_two() { paste_saved(50, 50); }
void paste_and_undo()
{
    paste_saved(50, 50);
    undo_paste();
}
void drop_last_newline()
{
    para_buf[strlen(para_buf) - 1] = '\0';
    para_changed();
}
void split_current()
{
    cur_box = 1;
    split_form("cur.f", "ITEMBOX.f");
}

TEST_F(Para, LineLookupsFollowEveryKindOfEdit)
{
    // prepare runs before the lines are looked up, edit after.
    const struct {
        const char *name;
        void (*prepare)();
        void (*edit)();
    } cases[] = {
        {"a field extending its line", nullptr, [] { set_para("new", 2, 3); }},
        {"a shorter field", nullptr, [] { set_para("z", 1, 0); }},
        {"a longer field", nullptr, [] { set_para("longer_value", 0, 0); }},
        {"a field of the current box", nullptr, [] { cur_box = 3, set_cur_field("\"p q\"", 1); }},
        {"a newline appended", nullptr, [] { para_add_nl(); }},
        {"a field of a last line without its newline", drop_last_newline, [] { set_para("longer", 3, 1); }},
        {"the last line's newline appended", drop_last_newline, [] { para_add_nl(); }},
        {"a box added", nullptr, [] { add_box_rect(100, 100, 150, 150, 0); }},
        {"a line cleared", nullptr, [] { para_clear_line(1); }},
        {"a line deleted", nullptr, [] { para_delete_line(0); }},
        {"the last line deleted", nullptr, [] { para_delete_line(3); }},
        {"a box deleted", nullptr, [] { delete_box(3, 1); }},
        {"a subtree deleted", nullptr, [] { delete_subtree(1); }},
        {"a line moved down", nullptr, [] { para_move_line(0, 3); }},
        {"a line moved up", nullptr, [] { para_move_line(3, 0); }},
        {"lines cut off", nullptr, [] { para_truncate(2); }},
        {"lines added", nullptr, [] { para_resize(6, 4); }},
        {"the form cleared", nullptr, [] { form_clear(); }},
        {"the model reset", nullptr, [] { form_reset(); }},
        {"a paste", nullptr, paste_two},
        {"a paste undone", paste_two, [] { undo_paste(); }},
        {"an undone paste redone", paste_and_undo, [] { undo_paste(); }},
        {"a split file loaded", split_current, [] { load_form("ITEMBOX.f"); }},
        {"a CR LF file loaded", nullptr, [] { load_form("crlf.f"); }},
        {"a file loaded through the form reader", nullptr, [] { form_file_load("crlf.f", para_buf); }},
    };
    for (const auto &c : cases) {
        forms_reset_all();
        form_alloc();
        const int top = box("WORK", "top", 0, 0, 10, 10, "w a");
        const int item = box("ITEMBOX", "one", 0, 20, 10, 30, "\"i 1\" b");
        box("K", "", 0, 40, 10, 50);
        box("K", "kid", 0, 60, 10, 70, "c2 x y");
        link(top, item, "on_set");
        link(item, 2, "on_set");
        write_file("saveform.txt", "#F2\n00 0 0 10 10 A a\n00 0 20 10 30 B b\n#L2\n0 1 on_set\n#P1\npa\n\npb q\n");
        write_file("crlf.f", "#F2\r\n0 0 10 10 A a\r\n0 20 10 30 B b\r\n0 40 10 50 C c\r\n#L2\r\n#P1\r\n"
                             "x y\r\n\r\nlonger line\r\n");
        if (c.prepare != nullptr) c.prepare();
        expect_counted_lines(c.name);
        c.edit();
        expect_counted_lines(c.name);
    }
}

}  // namespace
