// Source-generation entry: loads the HTML word lists, sends X-Window
// generation to its generator, then classifies the form and routes it.
#include "generators/gen_entry.h"

#include <cstring>

#include "forms/model.h"
#include "generators/defs.h"
#include "generators/gen_app.h"
#include "generators/gen_form.h"
#include "generators/gen_html.h"
#include "generators/gen_smenu.h"
#include "generators/gen_support.h"
#include "generators/gen_wsrc.h"
#include "generators/gen_xsrc.h"
#include "generators/htmlattr.h"
#include "generators/work_regions.h"
#include "generators/xdisplay.h"
#include "shell/host.h"
#include "shell/msgbox.h"
#include "shell/startup.h"
#include "shell/text.h"

const char *const gen_kinds[gen_kind_count] = {"APP", "FORM", "WORK", "SMENU", "PROJ", "HTML"};
const char *export_prefix = "";
const char *lpfn_prefix = "";

namespace {

int refuse_kind(const char *text)
{
    host_beep();
    form_error_box(text);
    return 1;
}

// The 16-bit forms serve form_mode values other than Win32 (0), the FORM
// screen's display mode (9) and X-Window generation (99).
bool is_16bit_mode()
{
    return form_mode != form_mode_plain && form_mode != form_mode_desktop && form_mode != form_mode_xwindow;
}

// Hands the classified form to the writer or generator of its kind.
int route(int code, const char *c_name, const char *h_name, const char *base, int top)
{
    switch (code) {
    case gen_app: return gen_app_write(c_name, h_name, base, top);
    case gen_form: return gen_form_write(c_name, h_name, base, top);
    case gen_work: return gen_wsrc(c_name, h_name, form_sta, form_num, l_sta, l_num);
    case gen_smenu: return gen_smenu_write(c_name, h_name, base, top);
    case gen_proj: form_error_box("PROJのソース生成は未サポートです\n"); return 0;
    default: return gen_html(c_name, form_sta, form_num, l_sta, l_num);
    }
}

}  // namespace

int gen_kind(int first, int end, int *code, int *top)
{
    *code = -1;
    for (int i = first; i < end; ++i) {
        for (int k = 0; k < gen_kind_count; ++k) {
            if (strcmp(box_table[i].kind, gen_kinds[k]) != 0) continue;
            if (*code != -1) {
                return refuse_kind("APP、FORM、WORK、SMENU、HTMLが重複して指定されている、ソースを生成出来ない\n");
            }
            *code = k + 1;
            *top = i;
        }
    }
    if (*code == -1) return refuse_kind("APP、FORM、WORK、SMENU、HTMLが共に指定されていない、ソースを生成出来ない\n");
    return 0;
}

int gen_source(const char *c_name, const char *h_name)
{
    get_kind_ids(-1);
    note_file_exists(nullptr);
    gen_cut_box = -1;
    load_htmlattr();
    if (xwin_mode != 0) return gen_xsrc(c_name, h_name, form_sta, form_num, l_sta, l_num);
    export_prefix = is_16bit_mode() ? "_export " : "";
    lpfn_prefix = is_16bit_mode() ? "lpfn" : "";
    char base[300];
    copy_bounded(base, sizeof base, c_name);
    cut_extension(base);
    int code = -1, top = -1;
    if (gen_kind(form_sta, form_num, &code, &top) != 0) return 0;
    index_links();
    const int result = route(code, c_name, h_name, base, top);
    drop_link_index();
    return result;
}

void generators_reset_all()
{
    export_prefix = "";
    lpfn_prefix = "";
    gen_support_reset();
    defs_reset();
    htmlattr_reset();
    work_regions_reset();
    xdisplay_reset();
}
