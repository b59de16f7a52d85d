// A console driver of the Win32 generators for checks outside the suites:
//   vokgen_driver [-m FORM_MODE] [-x] [-c] [-a ANSWERS] FOLDER FORM...
// It enters FOLDER (no project in use: slot 0 is the folder itself) and,
// for each FORM, loads <FORM>.f and the definitions <FORM>.R from a fresh
// model and generates <FORM>.c (with <FORM>.h) as the FORM screen does.
// -m sets form_mode, -x X-Window generation, -c full_as_centering (FULL placed as
// CENTERING), -a the answers of the questions in order ("y" Yes, "n" No;
// later questions get OK).  For each form standard output gets:
//   "=== <n> <form>"              n counts the forms from 1
//   "--- load <r>"                the form loader's result when not 0
//   "--- box <caption>: <text>"   one per message box
//   "--- result <r>"              what gen_source returned
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "analyser/anal_reset.h"
#include "forms/formfile.h"
#include "forms/model.h"
#include "generators/defs.h"
#include "generators/gen_entry.h"
#include "shell/screens.h"
#include "shell/dirs.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "tests/support/capture_host.h"
#include "tests/support/capture_shell.h"

namespace {

int usage()
{
    fprintf(stderr, "usage: vokgen_driver [-m FORM_MODE] [-x] [-c] [-a ANSWERS] FOLDER FORM...\n");
    return 2;
}

const char *answers = "";  // -a

void run_one(int number, const std::string &form)
{
    capture::reset();
    for (const char *a = answers; *a != '\0'; ++a) capture::answers.push_back(*a == 'y' ? IDYES : IDNO);
    capture::reset_shell();
    forms_reset_all();
    generators_reset_all();
    anal_reset();
    code_out_hwnd = capture::new_edit();
    form_alloc();
    printf("=== %d %s\n", number, form.c_str());
    const int loaded = load_form((form + ".f").c_str());
    if (loaded != 0) printf("--- load %d\n", loaded);
    clear_defs();
    read_defs((form + (xwin_mode != 0 ? ".X" : ".R")).c_str());
    const int result = gen_source((form + ".c").c_str(), (form + ".h").c_str());
    for (const capture::box_call &box : capture::boxes) printf("--- box %s: %s\n", box.caption.c_str(), box.text.c_str());
    printf("--- result %d\n", result);
    fflush(stdout);
}

}  // namespace

int main(int argc, char **argv)
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    int first = 1;
    int mode = 0, xwin = 0, centering = 0;
    for (; first < argc && argv[first][0] == '-'; ++first) {
        if (strcmp(argv[first], "-m") == 0 && first + 1 < argc) mode = atoi(argv[++first]);
        else if (strcmp(argv[first], "-x") == 0) xwin = 1;
        else if (strcmp(argv[first], "-c") == 0) centering = 1;
        else if (strcmp(argv[first], "-a") == 0 && first + 1 < argc) answers = argv[++first];
        else return usage();
    }
    if (argc - first < 2) return usage();
    if (change_dir(argv[first]) != 0) {
        fprintf(stderr, "cannot enter %s\n", argv[first]);
        return 2;
    }
    running_flag = 1;
    for (int i = first + 1; i < argc; ++i) {
        form_mode = mode;
        xwin_mode = xwin;
        full_as_centering = centering;
        run_one(i - first, argv[i]);
    }
    return 0;
}
