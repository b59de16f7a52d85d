// Fuzz target of the form-file reader: arbitrary bytes read as a form file;
// a file that reads whole is written back and read again, and both reads must
// give the same boxes, links and parameter lines.  The model is then laid out
// as a load does, for the layout's sake.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "forms/formfile.h"
#include "forms/model.h"
#include "forms/para.h"
#include "shell/screens.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/capture_forms.h"
#include "tests/support/capture_host.h"

namespace {

// What a read put into the model, in a comparable form.
struct model_copy {
    std::vector<std::string> rows;
    std::string para;  // the parameter lines of the boxes
};

void start_fresh()
{
    capture::reset();
    capture_forms::reset();
    forms_reset_all();
    code_out_hwnd = capture::new_edit();
    form_alloc();
}

// The first n lines of text.
std::string first_lines(const char *text, int n)
{
    const char *p = text;
    for (int i = 0; i < n && *p != '\0'; ++i) {
        const char *nl = strchr(p, '\n');
        p = nl != nullptr ? nl + 1 : p + strlen(p);
    }
    return std::string(text, static_cast<size_t>(p - text));
}

model_copy copy_model()
{
    model_copy m;
    char row[256];
    for (int i = form_sta; i < form_num; ++i) {
        const box_rec &b = box_table[i];
        snprintf(row, sizeof row, "B %s|%s|%d %d %d %d", b.name, b.kind, b.x, b.y, b.endx, b.endy);
        m.rows.push_back(row);
    }
    for (int i = l_sta; i < l_num; ++i) {
        const link_rec &k = link_table[i];
        snprintf(row, sizeof row, "L %s|%d %d", k.name, k.from - form_sta, k.to - form_sta);
        m.rows.push_back(row);
    }
    m.para = first_lines(para_buf, form_num - form_sta);
    return m;
}

void report_difference(const model_copy &a, const model_copy &b)
{
    fprintf(stderr, "fuzz_forms: the written file reads to another model\n");
    for (size_t i = 0; i < a.rows.size() || i < b.rows.size(); ++i) {
        const std::string x = i < a.rows.size() ? a.rows[i] : "-", y = i < b.rows.size() ? b.rows[i] : "-";
        if (x != y) {
            fprintf(stderr, "  first read:  %s\n  second read: %s\n", x.c_str(), y.c_str());
            break;
        }
    }
    if (a.para != b.para) fprintf(stderr, "  the parameter lines differ\n");
    abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    (void)fuzz::scratch();
    if (!fuzz::write_file("in.f", data, size)) return 0;
    start_fresh();
    if (form_file_load("in.f", para_buf) == 0) {
        if (save_form("out.f") != 0) abort();
        const model_copy first = copy_model();
        start_fresh();
        if (form_file_load("out.f", para_buf) != 0) abort();
        const model_copy second = copy_model();
        if (first.rows != second.rows || first.para != second.para) report_difference(first, second);
    }
    start_fresh();
    (void)load_form("in.f");
    return 0;
}
