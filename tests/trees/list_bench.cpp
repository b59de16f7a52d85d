// The LIST and FLOW benchmark (native): the load of a generated tag file of
// 30000 entries, the filter in modes 0, 1 and 5, one LIST paint, and the
// FLOW paint of the stress generator's 9999-node chain and of a function of
// branches and loops near the node limit.  Prints "name: figure (target)"
// in milliseconds; a figure never fails.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "analyser/anal_main.h"
#include "analyser/anal_reset.h"
#include "analyser/flow_nodes.h"
#include "analyser/options.h"
#include "analyser/search_keys.h"
#include "shell/dirs.h"
#include "shell/host.h"
#include "shell/runner.h"
#include "shell/screens.h"
#include "shell/text.h"
#include "tests/support/capture_host.h"
#include "tests/trees/bench_sources.h"
#include "trees/flow_chart.h"
#include "trees/func_list.h"
#include "trees/list_filter.h"
#include "trees/list_rules.h"
#include "trees/trees_reset.h"

namespace {

using bench_sources::branches;
using bench_sources::chain;
using bench_sources::write_file;

const int target_ms = 100;

template <typename Work>
void measure(const char *name, Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    printf("%s: %lld ms (%d ms)\n", name, (long long)ms.count(), target_ms);
}

// 1000 files of a class with members and plain functions: 30000 entries.
std::string big_tag()
{
    std::string s;
    for (int f = 0; f < 1000; ++f) {
        const std::string file = "0:file" + std::to_string(f) + ".c";
        s += "---------- " + file + " ----------\n";
        s += file + " 1 Class" + std::to_string(f) + ":()\n";
        for (int i = 0; i < 14; ++i) s += file + " " + std::to_string(10 + i) + " member" + std::to_string(i) + "'()\n";
        for (int i = 0; i < 14; ++i) s += file + " " + std::to_string(100 + i) + " func" + std::to_string(f * 14 + i) + "()\n";
    }
    return s;
}

void chart_of(const char *file)
{
    char command[dir_path_size];
    format_text(command, sizeof command, "vokanal %s -l1 -L-1 -o", file);
    run_command(command, anal_main);
    opt_x = opt_y = 0;
    opt_w = 40;
    opt_h = 60;
}

}  // namespace

int main()
{
    std::error_code ec;
    std::filesystem::remove_all("list_bench_work", ec);
    std::filesystem::create_directory("list_bench_work", ec);
    host_chdir("list_bench_work");
    capture::reset();
    anal_reset();
    trees_reset_all();
    code_out_hwnd = capture::new_edit();
    home_dir[0] = '\0';

    write_file("bench.tag", big_tag());
    measure("list_load_30000", [] { load_tag_file("bench.tag"); });
    copy_bounded(cat_pattern, sizeof cat_pattern, " 0:file0.c");
    measure("list_filter_mode0", [] { filter_list("/member3", 0); });
    measure("list_filter_mode1", [] { filter_list("/func1", 1); });
    split_words("file9 func");
    measure("list_filter_mode5", [] { filter_list("/x", 5); });
    filter_list("/%", 0);
    list_shown = 1;
    set_max_line(1024);
    set_col_width(1280);
    measure("list_paint", [] { dsp_select(); });

    write_file("chain.c", chain(3331));
    chart_of("chain.c");
    printf("# chain nodes: %d\n", cb_num);
    measure("flow_paint_chain9999", [] { paint_flow(); });
    write_file("mixed.c", branches(600));
    chart_of("mixed.c");
    printf("# mixed nodes: %d\n", cb_num);
    measure("flow_paint_branches", [] { paint_flow(); });
    return 0;
}
