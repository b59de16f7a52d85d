// The LIST screen's column count in the window table, and its line pool.
#include "shell/list_setting.h"

#include <cstdlib>

#include "shell/lbuf.h"
#include "shell/text.h"
#include "shell/wsize.h"

int list_cols = 3;

int load_list_setting()
{
    char value[32];
    get_wvalue("LIST", value);
    list_cols = atoi(value);
    if (list_cols < 1) list_cols = 3;
    return 0;
}

int save_list_setting()
{
    char value[32];
    format_text(value, sizeof value, "%d", list_cols);
    set_wvalue("LIST", value);
    return 0;
}

int lbuf_free_list()
{
    lbuf_free(3);
    return 0;
}
