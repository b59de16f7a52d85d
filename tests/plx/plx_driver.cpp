// Console driver of the PLX checks on real call trees: converts one ".ft"
// file as PLX's button does, writes its ".f", loads that file with the FORM
// screen's reader and prints what each step gave, one fact per line:
//   result N / report TEXT / counts p(..)l(..)s(..) / written N /
//   loaded N boxes B links L / link FROM TO KIND (one per loaded link)
// With "--load OUT.f" it only loads a form file PLX.exe wrote and prints the
// last two kinds of line.
#include <cstdio>
#include <cstring>

#include "forms/formfile.h"
#include "forms/model.h"
#include "plx/form_io.h"
#include "plx/ft_convert.h"
#include "plx/reset.h"
#include "plx/view.h"
#include "tests/support/capture_host.h"

namespace {

void print_loaded(const char *path)
{
    const int loaded = load_form(path);
    printf("loaded %d boxes %d links %d\n", loaded, form_num - form_sta, l_num - l_sta);
    for (int l = l_sta; l < l_num; ++l) {
        const link_rec &k = link_table[l];
        if (k.from >= 0 && k.from < form_num && k.to >= 0 && k.to < form_num)
            printf("link %s %s %s\n", box_table[k.from].name, box_table[k.to].name, k.name);
    }
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: plx_driver TREE.ft OUT.f | plx_driver --load OUT.f\n");
        return 2;
    }
    capture::reset();
    forms_reset_all();
    form_alloc();
    if (strcmp(argv[1], "--load") == 0) {
        print_loaded(argv[2]);
        return 0;
    }
    plx_reset();
    printf("result %d\n", plx_convert_ft(argv[1], 130, 10, 0, 0));
    printf("report %s\n", plx_ft_report);
    char counts[80];
    plx_counts_text(counts, sizeof counts);
    printf("counts %s\n", counts);
    printf("written %d\n", plx_write_form(argv[2]));
    print_loaded(argv[2]);
    return 0;
}
