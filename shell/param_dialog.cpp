// The parameter dialog's rules (see param_dialog.h).  The dialog lists the
// parameters in its own order, not the key table's: every row names its key,
// and the file is written row by row with those keys.
#include "shell/param_dialog.h"

#include <cstdlib>

#include "shell/text.h"

char paramdlg_values[paramdlg_row_count][param_size];

const char paramdlg_option_text[] = "エディタ起動時のオプションにエラーがあります";
const char paramdlg_option2_text[] = "関数ツリー(参照)用エディタ起動時のオプションにエラーがあります";
const char paramdlg_write_text[] = "パラメータファイルを更新出来ませんでした";

namespace {

const char *const row_keys[paramdlg_row_count] = {
    "category_wide", "object_wide", "category_font", "editor", "option",
    "option2",       "explorer",    "excel",         "folder",
};

// The default sets, by row (null: unchanged).
const char *const set_texts[2][paramdlg_row_count] = {
    {"150", "245", "14", nullptr, "/j%d", "/j%d", nullptr, nullptr, nullptr},
    {"231", "296", "12", nullptr, "/j%d", "/j%d", nullptr, nullptr, nullptr},
};

struct preset_row {
    int row;
    const char *text;
};

const preset_row presets[4] = {
    {paramdlg_option, "/j%d"},
    {paramdlg_option2, "/j%d"},
    {paramdlg_option2, "/scwI \"%s\""},
    {paramdlg_option2, "/scwI \"%s\" /j%d"},
};

const param_key &row_param(int row) { return *find_param_key(row_keys[row]); }

}  // namespace

const char *paramdlg_key(int row) { return row_keys[row]; }

void paramdlg_fill_values()
{
    for (int row = 0; row < paramdlg_row_count; ++row) {
        const param_key &k = row_param(row);
        if (k.number != nullptr) format_text(paramdlg_values[row], param_size, "%d", *k.number);
        else copy_bounded(paramdlg_values[row], param_size, k.text);
    }
}

int paramdlg_find_editor(char *buf)
{
    if (editor[0] != '\0') return 1;
    return find_hidemaru(buf);
}

const char *paramdlg_check(const char fields[][param_size])
{
    const int kind = check_editor_option(fields[paramdlg_option]);
    if (kind != 0 && kind != 1) return paramdlg_option_text;
    if (check_editor_option(fields[paramdlg_option2]) < 0) return paramdlg_option2_text;
    return nullptr;
}

int paramdlg_apply(const char fields[][param_size])
{
    for (int row = 0; row < paramdlg_row_count; ++row) {
        const param_key &k = row_param(row);
        if (k.number != nullptr) *k.number = atoi(fields[row]);
        else copy_bounded(k.text, param_size, fields[row]);
    }
    paramdlg_fill_values();
    return write_parameters(row_keys, paramdlg_values, paramdlg_row_count);
}

const char *paramdlg_set_text(paramdlg_set set, int row) { return set_texts[set][row]; }

const char *paramdlg_preset_text(paramdlg_preset preset) { return presets[preset].text; }

int paramdlg_preset_row(paramdlg_preset preset) { return presets[preset].row; }
