// The HTML and ASP page generator: pages of small forms compared with their
// expected text, the ASP server block, the word lists, attributes, text
// files with sections and "%after", and what a page that cannot be written
// leaves behind.
#include <algorithm>
#include <filesystem>
#include <string>

#include "generators/gen_html.h"
#include "tests/generators/gen_fixture.h"

namespace {

// The word lists and structures of the page tests.
const char *const words_file =
    "is_bef\n\tbr\n\tinput\n\tli\n\tmeta\n"
    "is_aft\n\thr\n"
    "is_str\n\tp\n\ttext\n\tpre\n\tscript\n\t%\n\tdiv\n"
    "is_pre\n\tpre\n"
    "is_scr\n\tscript\n"
    "is_car\n\thtml\n\thead\n\tbody\n\tul\n";
const char *const tag_file =
    "struct meta {\n\tkey http-equiv;\n\tkey content;\n};\n"
    "struct input {\n\tkey type;\n\tkey name;\n\toption checked;\n\tkind single;\n\tkey value;\n};\n"
    "struct script {\n\tfile src;\n\tsection part;\n\tlang language;\n};\n"
    "struct text {\n\tfile src;\n\tsection part;\n\tmode add;\n};\n"
    "struct p {\n\tfile src;\n\tsection part;\n};\n";
const char *const doc_file =
    "#intro\nfirst\nsecond\n#DATA\nthird\n#code\n  x = 1;\n%after\n  y = 2;\n#introduction\nnot this\n#tail\nend one\nend two\n";

class GenHtml : public GenTest {
protected:
    void SetUp() override
    {
        GenTest::SetUp();
        put("htmlattr.dat", words_file);
        put("TAG.s", tag_file);
        put("doc.txt", doc_file);
        y = 0;
    }

    int y;
    // A box below the previous ones (children are ordered by their top edge).
    int next(const char *kind, const char *name, const char *para = "")
    {
        y += 10;
        return box(kind, name, 0, y, 10, y + 5, para);
    }
    int tag(const char *name, const char *para = "") { return next("TAG", name, para); }
    int text(const char *t) { return next("STRING", "", t); }
    static void on(int p, int c) { link(p, c, "on_set"); }
    // A fresh form of one HTML box and the root "html"; returns the root.
    int new_page()
    {
        forms_reset_all();
        form_alloc();
        y = 0;
        next("HTML", "", "");
        return tag("html");
    }

    static int generate() { return gen_source("page.c", "page.h"); }
};

// A whole page: head with a meta element, a title and a document script,
// a comment, a section of a text file, a list, an empty element, an input
// with attributes and an event, preformatted text split by "%after", an
// element written after its children, a JScript script and the pseudo-tag
// "text" with line breaks.
TEST_F(GenHtml, APageOfEveryKindOfBox)
{
    const int html = next("HTML", "", "- - JScript");
    const int root = tag("html");
    const int head = tag("head");
    const int meta = tag("meta", "Content-Type \"text/html; charset=Shift_JIS\"");
    const int title = tag("title");
    const int title_text = text("見本");
    const int body = tag("body");
    const int note = next("COMMENT", "", "\"a note\"");
    const int p = tag("p", "doc.txt intro");
    const int ul = tag("ul");
    const int li1 = tag("li");
    const int one = text("one");
    const int li2 = tag("li");
    const int two = text("\"two words\"");
    const int br = tag("br");
    const int input = tag("input", "text \"q\" checked omit");
    const int pre = tag("pre", "doc.txt code");
    const int pre_comment = next("COMMENT", "", "inside");
    const int hr = tag("hr");
    const int rule = text("rule");
    const int script = tag("script", "omit omit JScript");
    const int f1 = next("BOX", "f1");
    const int f1_body = text("\"return 1;\"");
    const int f2 = next("on_key", "");
    const int tail = tag("text", "doc.txt tail add");
    for (const auto &pc : {std::make_pair(root, head), {head, meta}, {head, title}, {title, title_text}, {root, body},
                           {body, note}, {body, p}, {body, ul}, {ul, li1}, {li1, one}, {ul, li2}, {li2, two}, {body, br},
                           {body, input}, {body, pre}, {pre, pre_comment}, {body, hr}, {hr, rule}, {body, script},
                           {script, f1}, {f1, f1_body}, {script, f2}, {body, tail}}) {
        on(pc.first, pc.second);
    }
    link(html, f1, "onload");
    link(input, f2, "onclick");
    link(input, f1, "onchange");
    link(input, tail, "onblur");  // not a function box: no attribute
    ASSERT_EQ(0, generate());
    EXPECT_EQ("", box_texts());
    expect_fixture("html_page.html", got("page.html"));
    EXPECT_FALSE(exists("page.asp"));
    EXPECT_FALSE(exists("page.h"));
}

// The ASP page: the language line, a block around the STRING lines, a
// function written as "=name" and an element below the ASP box whose text
// is split by "%after" around its children.
TEST_F(GenHtml, AnAspPageWithItsServerBlock)
{
    next("HTML", "", "- - JScript");
    const int root = tag("html");
    const int body = tag("body");
    const int asp = tag("%");
    const int line1 = text("Response.Write(\"a\");");
    const int value = next("BOX", "total");
    const int div = tag("div", "doc.txt code");
    const int inner = text("\"html part\"");
    on(root, body);
    on(body, asp);
    on(asp, line1);
    on(asp, value);
    on(asp, div);
    on(div, inner);
    ASSERT_EQ(0, generate());
    EXPECT_EQ("", box_texts());
    expect_fixture("html_order.asp", got("page.asp"));
    EXPECT_FALSE(exists("page.html"));
}

// Pages without a root: the ASP page holds the server block with the lines
// of the ASP box's file; without the ASP box the page is empty.  The
// language line names the HTML box's language, or VBScript.
TEST_F(GenHtml, PagesWithoutARoot)
{
    put("srv.txt", "x = 1\r\ny = 2\n");
    const struct {
        const char *name;
        const char *html_para;  // null: no HTML box
        const char *asp_para;   // null: no ASP box
        const char *page;
        const char *want;
    } cases[] = {
        {"empty html page", "", nullptr, "page.html", ""},
        {"JScript", "- - JScript", "srv.txt", "page.asp", "<%@ language=\"JScript\" %>\n<%\nx = 1\ny = 2\n%>\n"},
        {"omitted language", "- - omit", "omit", "page.asp", "<%@ language=\"VBScript\" %>\n<%\n%>\n"},
        {"missing file", "- - VBScript", "none.txt", "page.asp", "<%@ language=\"VBScript\" %>\n<%\n%>\n"},
        {"no HTML box", nullptr, "\"srv.txt\"", "page.asp", "<%@ language=\"VBScript\" %>\n<%\nx = 1\ny = 2\n%>\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        forms_reset_all();
        form_alloc();
        if (c.html_para != nullptr) next("HTML", "", c.html_para);
        if (c.asp_para != nullptr) tag("%", c.asp_para);
        next("COMMENT", "", "unlinked");
        std::filesystem::remove("g0/page.html");
        std::filesystem::remove("g0/page.asp");
        EXPECT_EQ(0, gen_html("page.c", form_sta, form_num, l_sta, l_num));
        EXPECT_EQ(c.want, got(c.page));
    }
}

// Script procedures: two JScript functions, a VBScript Sub, a STRING first
// child of a script and indented script text.
TEST_F(GenHtml, ScriptProcedures)
{
    const struct {
        const char *name;
        const char *language;
        bool text_first;
        const char *want;
    } cases[] = {
        {"JScript", "JScript", false,
         "<html>\n<script>\nfunction f(parts)\n{\n    a();\n\n}\n\nfunction g(parts)\n{\n}\n\n</script>\n</html>\n\n"},
        {"JavaScript", "JavaScript", false,
         "<html>\n<script>\nfunction f(parts)\n{\n    a();\n\n}\n\nfunction g(parts)\n{\n}\n\n</script>\n</html>\n\n"},
        {"VBScript", "VBScript", false,
         "<html>\n<script>\nSub f(parts)\n    a();\n\nEnd Sub\n\nSub g(parts)\nEnd Sub\n\n</script>\n</html>\n\n"},
        {"text first", "omit", true,
         "<html>\n<script>\nvar x;\n\nSub f(parts)\n    a();\n\nEnd Sub\n\nSub g(parts)\nEnd Sub\n\n</script>\n</html>\n\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const int root = new_page();
        const int script = tag("script", (std::string("omit omit ") + c.language).c_str());
        if (c.text_first) on(script, text("\"var x;\""));
        const int f = next("BOX", "f");
        const int body = text("a();");
        const int g = next("g", "");
        on(root, script);
        on(script, f);
        on(f, body);
        on(script, g);
        ASSERT_EQ(0, generate());
        EXPECT_EQ(c.want, got("page.html"));
    }
}

// Each word list on its own, and the attribute rules of one element.
TEST_F(GenHtml, WordListsAndAttributes)
{
    const struct {
        const char *name;
        const char *tag;
        const char *para;
        const char *want;  // the page of html > tag > STRING "in"
    } cases[] = {
        {"plain element", "b", "", "<html>\n<b>in\n</b>\n</html>\n\n"},
        {"is_bef", "br", "", "<html>\n<br>in\n\n</html>\n\n"},
        {"is_bef with a line break", "li", "", "<html>\n<li>in\n\n\n</html>\n\n"},
        {"is_aft", "hr", "", "<html>\nin\n<hr>\n</html>\n\n"},
        {"is_pre", "pre", "omit", "<html>\n<pre>in</pre>\n</html>\n\n"},
        {"is_scr", "script", "", "<html>\n<script>\nin\n\n</script>\n</html>\n\n"},
        {"is_car", "ul", "", "<html>\n<ul>\nin\n</ul>\n</html>\n\n"},
        {"is_str whole file", "p", "doc.txt omit", "<html>\n<p>\n#intro\nfirst\nsecond\n#DATA\nthird\n#code\n  x = 1;in\n\n  y = 2;\n#introduction\nnot this\n#tail\nend one\nend two</p>\n</html>\n\n"},
        {"is_str section", "p", "\"doc.txt\" intro", "<html>\n<p>\nfirst\nsecond\n#DATA\nthirdin\n</p>\n</html>\n\n"},
        {"is_str missing section", "p", "doc.txt nothing", "<html>\n<p>in\n</p>\n</html>\n\n"},
        {"is_str missing file", "p", "gone.txt", "<html>\n<p>in\n</p>\n</html>\n\n"},
        {"text without breaks", "text", "doc.txt tail", "<html>\n\nend one\nend twoin\n</html>\n\n"},
        {"text with breaks", "text", "doc.txt tail add", "<html>\n\nend one<br>\nend twoin\n</html>\n\n"},
        {"key plain and quoted, option", "input", "text \"a b\" checked no x", "<html>\n<input type=\"text\" name=\"a b\" checked value=\"x\">in\n\n\n</html>\n\n"},
        {"omit and empty add nothing", "input", "omit \"\" omit", "<html>\n<input name=\"\">in\n\n\n</html>\n\n"},
        {"kind yes: no closing part", "input", "- - - yes", "<html>\n<input type=\"-\" name=\"-\" ->in\n\n</html>\n\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const int root = new_page();
        const int t = tag(c.tag, c.para);
        on(root, t);
        on(t, text("in"));
        ASSERT_EQ(0, generate());
        EXPECT_EQ(c.want, got("page.html"));
    }
}

// Attributes of a user kind come from its own structure file from the
// first member; a missing structure file gives none.
TEST_F(GenHtml, UserKindAttributesFromTheirOwnFile)
{
    put("link.s", "struct link {\n\tkey rel;\n\tkey href;\n};\n");
    next("HTML", "", "");
    const int root = tag("html");
    const int l = next("link", "link", "stylesheet \"a.css\"");
    const int q = next("quote", "q", "x y");
    on(root, l);
    on(root, q);
    ASSERT_EQ(0, generate());
    EXPECT_EQ("<html>\n<link rel=\"stylesheet\" href=\"a.css\"></link>\n<q></q>\n</html>\n\n", got("page.html"));
}

// Event attributes: the language attribute in front of the first; a user
// kind box unnamed is named by its kind; on_set links and links to
// elements give none.  Document scripts go into the head.
TEST_F(GenHtml, EventAttributesAndDocumentScripts)
{
    const int html = next("HTML", "", "- - VBScript");
    const int root = tag("html");
    const int head = tag("head");
    const int a = tag("a");
    const int named = next("RBOX", "go");
    const int unnamed = next("check", "");
    on(root, head);
    on(root, a);
    link(a, named, "onclick");
    link(a, unnamed, "onmouseover");
    link(a, head, "onblur");
    link(html, unnamed, "onload");
    link(html, named, "on_set");
    ASSERT_EQ(0, generate());
    EXPECT_EQ("<html>\n<head>\n<script language=\"VBScript\" for=\"document\" event=\"onload\">\nreturn check(this)\n</script>\n"
              "</head>\n<a language=\"VBScript\" onclick=\"go(this)\" onmouseover=\"check(this)\"></a>\n</html>\n\n",
              got("page.html"));
}

// The ASP box's own text from the file its field 0 names: whole, or split
// by "%after" around the children, its block closed before them and opened
// again for the rest.
TEST_F(GenHtml, TheAspBoxText)
{
    put("srv.txt", "a\nb\n%after\nc\n");
    put("one.txt", "only\n");
    const struct {
        const char *name;
        const char *file;
        const char *want;
    } cases[] = {
        {"split", "srv.txt", "<%@ language=\"VBScript\" %>\n<html>\n<%\na\nb\n%>\n<i></i>\n<%\nc\n%>\n</html>\n\n"},
        {"whole", "one.txt", "<%@ language=\"VBScript\" %>\n<html>\n<%\nonly<i></i>\n%>\n</html>\n\n"},
        {"missing", "none.txt", "<%@ language=\"VBScript\" %>\n<html>\n<%<i></i>\n%>\n</html>\n\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const int root = new_page();
        const int asp = tag("%", c.file);
        on(root, asp);
        on(asp, tag("i"));
        ASSERT_EQ(0, generate());
        EXPECT_EQ(c.want, got("page.asp"));
    }
}

#ifndef _WIN32
// A page whose writes fail (its temporary is the full device) keeps the old page.
TEST_F(GenHtml, AFailedWriteKeepsTheOldPage)
{
    const int root = new_page();
    on(root, text("new"));
    put("page.html", "old page\n");
    std::filesystem::create_symlink("/dev/full", "g0/page.html.$$$");
    EXPECT_EQ(1, generate());
    EXPECT_EQ("ファイル(page.html)をオープン出来ません|", box_texts());
    EXPECT_EQ("old page\n", got("page.html"));
}
#endif

// A MATERIAL box's children are not walked; DETAIL and TAIL boxes take
// their stored places for the order and are back afterwards.
TEST_F(GenHtml, MaterialChildrenAndDetailPlaces)
{
    next("HTML", "", "");
    const int root = tag("html");
    const int material = next("MATERIAL", "m");
    on(material, text("hidden"));
    on(root, material);
    on(root, text("shown"));
    const int detail = box("DETAIL", "d", 0, 1000, 10, 1005, "0 5 1 0 0");
    on(root, detail);
    ASSERT_EQ(0, generate());
    EXPECT_EQ("<html>\n<d></d>\n<m></m>\nshown\n</html>\n\n", got("page.html"));
    EXPECT_EQ(1000, box_table[detail].y);
    EXPECT_EQ("0 5 1 0 0\n", para_line(detail));
}

// A tree deeper than any program stack would hold one call per level.
TEST_F(GenHtml, ADeepTreeIsWalked)
{
    next("HTML", "", "");
    int parent = tag("html");
    const int depth = 8000;
    for (int d = 0; d < depth; ++d) {
        const int c = tag("i");
        on(parent, c);
        parent = c;
    }
    ASSERT_EQ(0, generate());
    const std::string page = got("page.html");
    EXPECT_EQ(static_cast<size_t>(depth), std::count(page.begin(), page.end(), '/') - 1);
    EXPECT_EQ(0u, page.rfind("<html>\n<i><i>", 0));
}

// A page that cannot be written shows the box and returns 1, the old page
// unchanged; the DETAIL boxes are back in place on that path too.
TEST_F(GenHtml, ABlockedPageKeepsTheOldOne)
{
    next("HTML", "", "");
    const int root = tag("html");
    on(root, text("new"));
    const int detail = box("TAIL", "", 0, 1000, 10, 1005, "0 5 1 0 0");
    put("page.html", "old page\n");
    std::filesystem::create_directory("g0/page.html.$$$");
    EXPECT_EQ(1, generate());
    EXPECT_EQ("ファイル(page.html)をオープン出来ません|", box_texts());
    EXPECT_EQ("old page\n", got("page.html"));
    EXPECT_EQ(1000, box_table[detail].y);
    EXPECT_EQ("0 5 1 0 0\n", para_line(detail));
    std::filesystem::remove("g0/page.html.$$$");
    capture::boxes.clear();
    EXPECT_EQ(0, generate());
    EXPECT_EQ("<html>\nnew\n</html>\n\n", got("page.html"));
}

}  // namespace
