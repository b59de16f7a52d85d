// Benchmark of the Win32 generators: writes and loads a FORM form of 5000
// named controls (a font, a tab order, a grid, user-kind children, 20000
// links), an SMENU form of 3000 items, an APP form of 1000 windows and an
// HTML page of 5000 boxes (word lists, attributes, events, text sections),
// and prints the milliseconds of one gen_source of each (median of five).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "forms/formfile.h"
#include "forms/model.h"
#include "forms/para.h"
#include "generators/gen_entry.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "tests/support/capture_host.h"

namespace {

int add_box(const char *kind, const std::string &name, int x, int y, const std::string &para)
{
    const int i = form_num++;
    box_rec &b = box_table[i];
    b = box_rec{};
    copy_bounded(b.kind, sizeof b.kind, kind);
    copy_bounded(b.name, sizeof b.name, name.c_str());
    b.x = x;
    b.y = y;
    b.endx = x + 40;
    b.endy = y + 20;
    const size_t len = strlen(para_buf);
    format_text(para_buf + len, para_cap - len, "%s\n", para.c_str());
    para_changed();
    return i;
}

void add_link(int from, int to, const char *name)
{
    link_rec &k = link_table[l_num++];
    k.from = from;
    k.to = to;
    copy_bounded(k.name, sizeof k.name, name);
}

void fresh()
{
    capture::reset();
    forms_reset_all();
    generators_reset_all();
    code_out_hwnd = capture::new_edit();
    form_alloc();
}

void build_form()
{
    const int top = add_box("FORM", "", 0, 0, "- bench - CENTERING 10 800 600");
    const int font = add_box("FONT", "f", 0, 0, "12 0 0 0 400");
    const int tab = add_box("TABSTOP", "", 0, 0, "");
    const int rep = add_box("REPEAT", "", 0, 0, "4 4 2 2");
    std::vector<int> handlers;
    for (int h = 0; h < 20; ++h) handlers.push_back(add_box(("h" + std::to_string(h)).c_str(), "", 0, 0, ""));
    add_link(top, handlers[0], "WM_SIZE");
    std::vector<int> controls;
    for (int c = 0; c < 5000; ++c) {
        const bool child = c % 50 == 0;
        controls.push_back(add_box(child ? "panel" : "BUTTON", "c" + std::to_string(c), c % 700, c / 10, child ? "" : "t WS_CHILD"));
    }
    for (int c = 0; c < 5000; ++c) {
        const int b = controls[static_cast<size_t>(c)];
        add_link(b, handlers[static_cast<size_t>(c % 20)], "WM_COMMAND");
        add_link(b, handlers[static_cast<size_t>((c + 1) % 20)], "BN_CLICKED");
    }
    for (int c = 0; c < 3000; ++c) add_link(font, controls[static_cast<size_t>(c)], "SET");
    for (int c = 0; c < 3000; ++c) add_link(tab, controls[static_cast<size_t>(c)], "SET");
    for (int c = 0; c < 20; ++c) add_link(rep, controls[static_cast<size_t>(4000 + c)], "SET");
    while (l_num < 20000) add_link(controls[static_cast<size_t>(l_num % 5000)], handlers[2], "X_NOTE");
}

void build_menu()
{
    add_box("SMENU", "", 0, 0, "");
    const int p = add_box("on_menu", "", 0, 0, "");
    for (int m = 0; m < 3000; ++m) {
        const int b = add_box("MENUA", "m" + std::to_string(m), 0, (m * 7919) % 3000, "item");
        add_link(b, p, "CALL");
    }
}

void build_app()
{
    const int app = add_box("APP", "", 0, 0, "- - N");
    for (int w = 0; w < 1000; ++w) {
        const int b = add_box(("k" + std::to_string(w % 10)).c_str(), "w" + std::to_string(w), 0, w, "");
        add_link(app, b, "FORM");
        add_link(app, b, "SW_SHOW");
    }
}

// A page of 5000 boxes: 50 divisions of 33 inputs with attributes and an
// event, 33 text sections and 33 list items each, and a script.
void build_page()
{
    const int html = add_box("HTML", "", 0, 0, "- - JScript");
    const int root = add_box("TAG", "html", 0, 1, "ja");
    const int body = add_box("TAG", "body", 0, 2, "");
    add_link(root, body, "on_set");
    const int script = add_box("TAG", "script", 0, 3, "omit omit JScript");
    const int check = add_box("BOX", "check", 0, 4, "");
    add_link(body, script, "on_set");
    add_link(script, check, "on_set");
    add_link(html, check, "onload");
    for (int d = 0; form_num < 5000; ++d) {
        const int div = add_box("TAG", "div", 0, 10 + d * 100, "");
        add_link(body, div, "on_set");
        for (int c = 0; c < 33 && form_num + 3 <= 5000; ++c) {
            const int y = 10 + d * 100 + c;
            const int input = add_box("TAG", "input", 0, y, "text q" + std::to_string(c) + " checked omit v");
            const int p = add_box("TAG", "p", 0, y, "bpage.txt s" + std::to_string(c % 10));
            const int li = add_box("TAG", "li", 0, y, "");
            add_link(div, input, "on_set");
            add_link(div, p, "on_set");
            add_link(div, li, "on_set");
            add_link(input, check, "onchange");
        }
    }
}

// The word lists, structures and text sections the page reads.
void write_page_files()
{
    FILE *fp = fopen("htmlattr.dat", "w");
    fputs("is_bef\n\tinput\n\tli\nis_str\n\tp\nis_scr\n\tscript\nis_car\n\thtml\n\tbody\n", fp);
    fclose(fp);
    fp = fopen("TAG.s", "w");
    for (int s = 0; s < 20; ++s) fprintf(fp, "struct other%d {\n\tkey a;\n\tkey b;\n};\n", s);
    fputs("struct input {\n\tkey type;\n\tkey name;\n\toption checked;\n\tkind single;\n\tkey value;\n};\n", fp);
    fclose(fp);
    fp = fopen("bpage.txt", "w");
    for (int s = 0; s < 10; ++s) fprintf(fp, "#s%d\nline one of %d\nline two\n", s, s);
    fclose(fp);
}

// An X FORM form: a board holding 5000 push buttons (a grid among them),
// each with a callback, and 20000 links.
void build_xform()
{
    const int top = add_box("FORM", "", 0, 0, "- xbench - 0 0 800 600");
    const int board = add_box("BOARD", "board", 0, 0, "x y w h");
    const int rep = add_box("REPEAT", "", 0, 0, "4 4 2 2");
    const int handler = add_box("on_push", "", 0, 0, "");
    add_link(top, board, "BEFORE");
    for (int c = 0; c < 5000; ++c) {
        const int b = add_box("PUSH", "x" + std::to_string(c), c % 700, c / 10, "P omit x y w h");
        add_link(board, b, "on_set");
        add_link(b, handler, "XmNactivateCallback");
        if (c >= 4000 && c < 4020) add_link(rep, b, "SET");
    }
    while (l_num < 20000) add_link(board + 1 + l_num % 5000, handler, "X_NOTE");
}

// The template files of the X generator in the working folder.
void x_files()
{
    const char *const files[][2] = {
        {"xform.dat", "/* bench */\n!gen_inc\n"},
        {"xwindow.dat", "BOARD XmBulletinBoard XmCreateBulletinBoard\nPUSH XmPushButton XmCreatePushButton\n"},
        {"xstring.dat", "D<XmString\nG<XmStringCreateLtoR\nV<xmstr\nF<XmStringFree\nU<XmNuserData\nT<XmNtitle\n"
                        "X<XmNx\nY<XmNy\nW<XmNwidth\nH<XmNheight\nS<XmNlabelString\nA>Mask\nB>Callback\n"},
        {"PUSH.s", "struct PUSH {\n\tXmString XmNlabelString;\n\tchar CharSet;\n\tint XmNx;\n\tint XmNy;\n"
                   "\tint XmNwidth;\n\tint XmNheight;\n};\n"},
    };
    for (const auto &f : files) {
        FILE *fp = fopen(f[0], "w");
        if (fp == nullptr) continue;
        fputs(f[1], fp);
        fclose(fp);
    }
}

// Saves the built form, then the median milliseconds of five loads and generations.
double measure(const char *name, void (*build)())
{
    fresh();
    build();
    const std::string file = std::string(name) + ".f";
    save_form(file.c_str());
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        fresh();
        load_form(file.c_str());
        const auto start = std::chrono::steady_clock::now();
        gen_source((std::string(name) + ".c").c_str(), (std::string(name) + ".h").c_str());
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (!capture::boxes.empty()) printf("%s: refused: %s\n", name, capture::boxes[0].text.c_str());
    }
    std::sort(times.begin(), times.end());
    return times[2];
}

}  // namespace

int main()
{
    std::filesystem::create_directories("gen_bench.d");
    std::filesystem::current_path("gen_bench.d");
    printf("gen_bench FORM 5000 controls ms: %.1f (500)\n", measure("bform", build_form));
    printf("gen_bench SMENU 3000 items ms: %.1f (200)\n", measure("bmenu", build_menu));
    printf("gen_bench APP 1000 windows ms: %.1f (200)\n", measure("bapp", build_app));
    write_page_files();
    printf("gen_bench gen_html 5000 boxes ms: %.1f (500)\n", measure("bpage", build_page));
    x_files();
    xwin_mode = 1;
    printf("gen_bench gen_xsrc FORM 5000 boxes ms: %.1f (500)\n", measure("bxform", build_xform));
    xwin_mode = 0;
    return 0;
}
