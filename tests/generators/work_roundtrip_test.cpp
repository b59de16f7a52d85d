// The reuse round trip as a property over seeded WORK forms: every region
// and carried branch filled with tricky text comes back byte for byte, the
// backup holds the previous file, a second run changes nothing, and after
// random changes to the form a run either carries every filled region or
// refuses and leaves the file as it was.
#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "forms/formfile.h"
#include "generators/gen_entry.h"
#include "shell/winmsg.h"
#include "tests/generators/form_text.h"
#include "tests/generators/work_fixture.h"

namespace {

// The tricky lines a user writes, each prefixed with the place's indentation.
std::vector<std::string> tricky_lines(int serial, bool region)
{
    std::vector<std::string> lines = {
        "int mark_" + std::to_string(serial) + ";   \t ",                 // trailing blanks
        "char *s = \"\x95\x5C\x8E\xA6\x83\x5C\"; // \x95\x5C",              // 0x5C trail bytes, a comment ending in one
        "char *l = \"" + std::string(2100, 'x') + "\";",                 // a long line
        "// quoting /*AREA:includes*/ and /*END:initial*/",               // markers in a line comment
        "{ if (a) { b++; } }",                                            // nested braces
    };
    if (region) {
        lines.push_back("int PASCAL user_head(int a)");  // a head and a WM label: user text
        lines.push_back("X::f(int a);");
        lines.push_back("// case WM_CREATE:");
    }
    return lines;
}

class WorkRoundTrip : public WorkTest {
protected:
    std::mt19937 rng;
    std::string dump;  // the form, for a failure

    int pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

    // The sub-forms: count FORM forms rf0.. and the APP form showing them.
    void write_sub_forms(int count)
    {
        form_text app;
        const int top = app.add("APP", "", 10, 10, 50, 30);
        for (int k = 0; k < count; ++k) {
            form_text f;
            const std::string name = "rf" + std::to_string(k);
            f.add("FORM", "", 0, 0, 400, 300, "- Caption" + std::to_string(k) + " - 10 10 400 300");
            const int buttons = 1 + pick(3);
            for (int j = 0; j < buttons; ++j) {
                f.add("BUTTON", ("c" + std::to_string(k) + "_" + std::to_string(j)).c_str(), 10, 10 + 40 * j, 80, 30,
                      "OK WS_CHILD|WS_VISIBLE");
            }
            if (pick(2) == 0) {
                const int rep = f.add("REPEAT", "", 300, 250, 10, 10, "2 3 1 1");
                f.link(rep, f.add("EDIT", ("g" + std::to_string(k)).c_str(), 120, 10, 60, 20, "\"\" WS_CHILD"), "SET");
            }
            write_file("p0/" + name + ".f", f.text());
            app.link(top, app.add(name.c_str(), ("w" + std::to_string(k)).c_str(), 100, 10 + 50 * k, 60, 30), "FORM");
        }
        write_file("p0/rapp.f", app.text());
        write_file("p0/wtype.dat", "WM_COMMAND\tswitch (LOWORD(wParam)) {\n");
    }

    // The WORK form, loaded as the current form.
    void build_work(int count)
    {
        static const char *const messages[] = {"WM_SIZE", "WM_PAINT", "WM_TIMER", "WM_COMMAND", "WM_DESTROY", "WM_CHAR"};
        form_text w;
        w.add("WORK", "", 10, 10, 50, 20);
        const int src = w.add("SOURCE", "src", 10, 40, 50, 20, "rt.c");
        int y = 40;
        w.link(src, w.add("PROC", "WinMain", 80, y, 60, 20, "- rapp.f"), "on_set");
        for (int k = 0; k < count; ++k) {
            const int proc = w.add("PROC", ("P" + std::to_string(k)).c_str(), 80, y += 30, 60, 20,
                                   "- rf" + std::to_string(k) + ".f");
            w.link(src, proc, "on_set");
            std::vector<int> order = {0, 1, 2, 3, 4, 5};
            std::shuffle(order.begin(), order.end(), rng);
            for (int m = 0, n = 1 + pick(5); m < n; ++m) {
                const char *msg = messages[order[static_cast<size_t>(m)]];
                const int wm = w.add("WM", msg, 160, y += 30, 60, 20);
                w.link(proc, wm, "on_set");
                if (strcmp(msg, "WM_COMMAND") != 0 && strcmp(msg, "WM_TIMER") != 0) continue;
                for (int j = 0, ids = 1 + pick(2); j < ids; ++j) {
                    w.link(wm, w.add("ID", ("c" + std::to_string(k) + "_" + std::to_string(j)).c_str(), 240, y += 30, 60, 20), "on_set");
                }
                if (pick(2) == 0) w.link(wm, w.add("DEFAULT", "", 240, y += 30, 60, 20), "on_set");
            }
            if (pick(3) == 0) w.link(proc, w.add("DEFAULT", "", 160, y += 30, 60, 20), "on_set");
        }
        dump = w.text();
        write_file("p0/work.f", dump);
        forms_reset_all();
        form_alloc();
        ASSERT_EQ(0, load_form("work.f"));
    }

    // Fills every empty region and every generated branch; the filled
    // regions' texts come back in regions.
    static std::string fill(const std::string &text, std::vector<std::string> *regions)
    {
        std::vector<std::string> lines;
        for (size_t at = 0; at < text.size();) {
            const size_t nl = text.find('\n', at);
            lines.push_back(text.substr(at, nl - at + 1));
            at = nl + 1;
        }
        std::string out;
        int serial = 0;
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::string &l = lines[i];
            const size_t tabs = l.find_first_not_of('\t');
            const std::string indent = l.substr(0, tabs);
            out += l;
            const bool opens = l.compare(tabs, 7, "/*AREA:") == 0;
            if (opens && i + 2 < lines.size() && lines[i + 1] == indent + "\n") {
                std::string region = l;
                if (l.find("/*AREA:switch*/") != std::string::npos) region += indent + "switch (wParam) {\n";
                else {
                    for (const std::string &t : tricky_lines(++serial, true)) region += indent + t + "\n";
                }
                region += lines[i + 2];
                out += region.substr(l.size());
                regions->push_back(region);
                i += 2;
                continue;
            }
            const bool label = l.compare(tabs, 5, "case ") == 0 || l.compare(tabs, 8, "default:") == 0;
            if (label && i + 1 < lines.size() && lines[i + 1] == indent + "\tbreak;\n") {
                for (const std::string &t : tricky_lines(++serial, false)) out += indent + "\t" + t + "\n";
            }
        }
        return out;
    }

    // One random change: a box moved among its siblings, a message renamed, a box cut off.
    std::string change()
    {
        std::vector<int> boxes;
        for (int i = form_sta; i < form_num; ++i) {
            if (kind_is(i, "WM") || kind_is(i, "ID") || kind_is(i, "DEFAULT")) boxes.push_back(i);
        }
        const int b = boxes[static_cast<size_t>(pick(static_cast<int>(boxes.size())))];
        switch (pick(3)) {
        case 0:
            box_table[b].y = pick(2000);
            box_table[b].endy = box_table[b].y + 20;
            return "moved " + std::to_string(b);
        case 1:
            if (kind_is(b, "WM")) set_box_name(b, "WM_MOVE");
            return "renamed " + std::to_string(b);
        default:
            for (int l = l_sta; l < l_num; ++l) {
                if (link_table[l].to == b) link_table[l].from = -1;  // dropped: b stands in no tree
            }
            return "cut off " + std::to_string(b);
        }
    }
};

TEST_F(WorkRoundTrip, FilledRegionsComeBackOrTheRunRefuses)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        rng.seed(seed);
        std::filesystem::remove("rt.BK");
        std::filesystem::remove("p0/rt.c");
        const int count = 1 + pick(3);
        write_sub_forms(count);
        build_work(count);
        SCOPED_TRACE("seed " + std::to_string(seed) + "\n" + dump);
        ASSERT_EQ("", generate({}));
        std::vector<std::string> regions;
        const std::string filled = fill(file_text("p0/rt.c"), &regions);
        write_file("p0/rt.c", filled);
        std::string shown = generate({IDYES});
        ASSERT_EQ(1u, capture::boxes.size()) << shown;
        ASSERT_EQ(filled, file_text("p0/rt.c"));
        ASSERT_EQ(filled, file_text("rt.BK"));
        generate({IDYES});
        ASSERT_EQ(filled, file_text("p0/rt.c")) << "a second run without edits";
        for (int n = 0; n < 3; ++n) {
            const std::string before = file_text("p0/rt.c");
            const std::string what = change();
            shown = generate({IDYES});
            const std::string after = file_text("p0/rt.c");
            if (shown.find("流用は出来ません") != std::string::npos) {
                ASSERT_EQ(before, after) << what << ": refused, yet the file changed";
                continue;
            }
            for (const std::string &r : regions) {
                if (before.find(r) == std::string::npos) continue;
                ASSERT_NE(std::string::npos, after.find(r)) << what << ": dropped\n" << r.substr(0, 200);
            }
        }
    }
}

}  // namespace
