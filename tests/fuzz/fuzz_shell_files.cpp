// Fuzz target of the project and setting files the shell reads: the same
// bytes stand as the project list "vokdir.dat", the three stacks files, the
// common keys, the view name and the view's size file, the parameter file,
// the memo and "wordattr.dat", and every reader runs over them, the project
// looked up by the first name of the first line.
#include <cstdint>
#include <cstring>
#include <string>

#include "analyser/wordattr.h"
#include "forms/view_files.h"
#include "shell/dirs.h"
#include "shell/params.h"
#include "shell/stacks.h"
#include "shell/text.h"
#include "shell/wsize.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/capture_host.h"
#include "tests/support/capture_shell.h"

namespace {

const char *const setting_files[] = {
    "vokdir.dat", "ostacks.dat", "vstacks.dat", "pstacks.dat", "cstack.dat", "vokwview.dat",
    "vokwsize.dat", "vokparameter.dat", "vokmemo.dat", "wordattr.dat",
};

void start_fresh()
{
    capture::reset();
    capture::reset_shell();
    copy_bounded(home_dir, sizeof home_dir, fuzz::scratch().c_str());
    saved_cwd[0] = '\0';
    proj_dirs[0] = '\0';
    proj_selected = 0;
    key_stack_num = 0;
    cstack_num = 0;
    copy_bounded(wsize_file, sizeof wsize_file, "vokwsize.dat");
    init_wsize();
}

// The first name of the text: up to a blank, a tab or a line end.
std::string first_name(const uint8_t *data, size_t size)
{
    size_t n = 0;
    while (n < size && n < 200 && strchr(" \t\r\n", data[n]) == nullptr) ++n;
    return std::string(reinterpret_cast<const char *>(data), n);
}

void read_project(const std::string &name)
{
    win_handle combo = capture::new_list();
    char dir_buf[dir_path_size];
    (void)load_name_list(combo, "vokdir.dat", dir_buf, 0);
    static char dirs[36][256];
    static char defs[8][1000];
    (void)list_project_dirs(name.c_str(), dirs, defs);
    char project[dir_path_size];
    copy_bounded(project, sizeof project, name.c_str());
    const char *file = nullptr;
    if (select_project(project, &file) == 0) {
        (void)load_project_props();
        (void)project_kind();
    }
    (void)change_dir(fuzz::scratch().c_str());
}

void read_stacks(const std::string &name)
{
    for (const char letter : {'o', 'v', 'p'}) (void)stacks_lookup(letter, name.c_str());
    (void)vstack_load(name.c_str());
    (void)pstack_load(name.c_str());
    (void)stack_load();
    (void)cstack_load();
}

void read_settings()
{
    (void)read_parameters();
    (void)read_wview();
    (void)load_wsize();
    (void)load_memo();
    int limit = 0;
    (void)load_wordattr(&limit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string &root = fuzz::scratch();
    (void)change_dir(root.c_str());
    for (const char *name : setting_files) {
        if (!fuzz::write_file(name, data, size)) return 0;
    }
    start_fresh();
    const std::string name = first_name(data, size);
    read_project(name);
    read_stacks(name);
    read_settings();
    return 0;
}
