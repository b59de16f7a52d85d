// The pre-scan of a form before source generation: the path from a box up
// to the root of its on_set tree (source file, procedure, window message,
// command id and nested case labels), and its comparison with the position
// path read from a generated source.
#ifndef VOK_FORMS_PRESCAN_H
#define VOK_FORMS_PRESCAN_H

const int scan_case_cap = 10;

struct scan_case {
    int level;
    char name[100];
};

// The collected path.
struct gen_path_rec {
    int case_count;
    scan_case cases[scan_case_cap];
    char wm[100];
    char id[100];
};
extern gen_path_rec gen_path;

struct gen_scan_rec {
    char source[256];
    char procedure[100];
    char file[256];
    char message[100];
    int syscommand;
};

int edata_no(int i);
const char *skip_id_prefix(const char *name);
int scan_gen_form(int box, gen_scan_rec *out);
void scan_gen_box(int box);
int case_names_match();
int case_depth();

#endif
