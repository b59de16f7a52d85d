// Benchmark of the WORK generator: a WORK form of 100 FORM procedures (each
// with its sub-form, shown by one APP form; the window-name table holds 100)
// and 3000 WM, ID and DEFAULT boxes is generated, every region and branch of the source is filled until
// it holds about 60000 lines, and the milliseconds of one reuse generation
// and of one jump into the last procedure are printed.
#include <chrono>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "analyser/anal_reset.h"
#include "analyser/source_load.h"
#include "forms/formfile.h"
#include "forms/model.h"
#include "generators/gen_entry.h"
#include "generators/work_jumps.h"
#include "shell/params.h"
#include "shell/screens.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "tests/generators/form_text.h"
#include "tests/support/capture_host.h"

namespace {

const int procs = 100;
const int ids = 26;  // per procedure, with its WM_COMMAND, DEFAULT, WM_SIZE and WM_PAINT: 30 boxes

// Adds a box of the benchmark's size at height y.
int add_box(form_text &f, const std::string &kind, const std::string &name, int y, const std::string &para = "")
{
    return f.add(kind, name, 10, y, 50, 10, para);
}

void save(const form_text &f, const std::string &file) { std::ofstream(file, std::ios::binary) << f.text(); }

void write_forms()
{
    form_text app, work;
    const int top = add_box(app, "APP", "", 0);
    add_box(work, "WORK", "", 0);
    const int src = add_box(work, "SOURCE", "src", 10, "bench.c");
    work.link(src, add_box(work, "PROC", "WinMain", 20, "- bapp.f"), "on_set");
    int y = 30;
    for (int p = 0; p < procs; ++p) {
        const std::string name = "bf" + std::to_string(p);
        form_text f;
        add_box(f, "FORM", "", 0, "- t - 10 10 300 200");
        add_box(f, "BUTTON", "k" + std::to_string(p), 10, "OK WS_CHILD|WS_VISIBLE");
        save(f, name + ".f");
        app.link(top, add_box(app, name, "w" + std::to_string(p), 10 + p), "FORM");
        const int proc = add_box(work, "PROC", "P" + std::to_string(p), y += 10, "- " + name + ".f");
        work.link(src, proc, "on_set");
        const int command = add_box(work, "WM", "WM_COMMAND", y += 10);
        work.link(proc, command, "on_set");
        for (int i = 0; i < ids; ++i) work.link(command, add_box(work, "ID", "k" + std::to_string(p) + "_" + std::to_string(i), y += 10), "on_set");
        work.link(command, add_box(work, "DEFAULT", "", y += 10), "on_set");
        work.link(proc, add_box(work, "WM", "WM_SIZE", y += 10), "on_set");
        work.link(proc, add_box(work, "WM", "WM_PAINT", y += 10), "on_set");
    }
    save(app, "bapp.f");
    save(work, "bench.f");
    std::ofstream("wtype.dat") << "WM_COMMAND\tswitch (LOWORD(wParam)) {\n";
}

std::string read(const char *file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A line after which the user writes: a region's opening marker, a case or default label.
bool is_place(const char *line)
{
    while (*line == '\t') ++line;
    return strncmp(line, "/*AREA:", 7) == 0 || strncmp(line, "case ", 5) == 0 || strncmp(line, "default:", 8) == 0;
}

// Fills every empty region and generated branch with lines until the
// source holds about 60000 lines.
void fill_source()
{
    const std::string text = read("bench.c");
    std::string out;
    int lines = 0;
    for (char c : text) lines += c == '\n';
    int places = 0;
    for (size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) places += is_place(text.c_str() + at);
    const int each = (60000 - lines) / (places > 0 ? places : 1) + 1;
    size_t at = 0;
    while (at < text.size()) {
        const size_t nl = text.find('\n', at);
        const std::string line = text.substr(at, nl - at + 1);
        out += line;
        at = nl + 1;
        if (!is_place(line.c_str())) continue;
        const size_t tabs = line.find_first_not_of('\t');
        for (int i = 0; i < each; ++i) out += line.substr(0, tabs) + "\tuser_line(" + std::to_string(i) + ");\n";
    }
    std::ofstream("bench.c", std::ios::binary) << out;
}

double since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main()
{
    std::filesystem::remove_all("work_bench.d");
    std::filesystem::create_directories("work_bench.d");
    std::filesystem::current_path("work_bench.d");
    capture::reset();
    forms_reset_all();
    generators_reset_all();
    anal_reset();
    code_out_hwnd = capture::new_edit();
    form_alloc();
    write_forms();
    load_form("bench.f");
    gen_source("bench.c", "bench.h");
    fill_source();
    capture::answers.assign({IDYES});
    auto start = std::chrono::steady_clock::now();
    gen_source("bench.c", "bench.h");
    const double generation = since(start);
    if (capture::boxes.size() != 1) printf("work_bench: refused: %s\n", capture::boxes.back().text.c_str());
    printf("work_bench: old source of %d lines\n", line_count);
    copy_bounded(editor, sizeof editor, "editor.exe");
    start = std::chrono::steady_clock::now();
    jump_proc("bench.c", ("P" + std::to_string(procs - 1)).c_str(), "");
    const double jump = since(start);
    printf("work_bench reuse generation, 100 procedures 3000 boxes over 60000 lines ms: %.1f (1000)\n", generation);
    printf("work_bench jump into the last procedure ms: %.1f (100)\n", jump);
    return 0;
}
