// Reading and writing the size files of the views (see view_files.h).
#include "forms/view_files.h"

#include <cstring>

#include "forms/formfile.h"
#include "shell/dirs.h"
#include "shell/text.h"
#include "shell/wsize.h"

namespace {

// A file of the home folder (as given while home_dir is empty).
void home_file_path(char *out, size_t size, const char *name)
{
    copy_bounded(out, size, name);
    home_path(out, size);
}

}  // namespace

int load_wsize()
{
    init_wsize();
    char path[1024];
    home_file_path(path, sizeof path, wsize_file);
    box_rec rows[wsize_rows * 4] = {};
    int links = 0;
    int lines = 0;
    const int n = table_read(path, wsize_rows * 4, rows, 0, nullptr, &links, nullptr, &lines);
    if (n == -1) return 1;
    const int count = n >= 0 ? n : lines;
    for (int r = 0; r < count; ++r) {
        const int i = wsize_index(rows[r].name);
        if (i < 0) continue;  // not a screen of this program
        wsize_tbl[i].x = rows[r].x;
        wsize_tbl[i].y = rows[r].y;
        wsize_tbl[i].width = rows[r].endx;
        wsize_tbl[i].height = rows[r].endy;
        set_wvalue(wsize_tbl[i].name, rows[r].kind);
    }
    return 0;
}

int save_wsize()
{
    box_rec rows[wsize_rows] = {};
    for (int i = 0; i < wsize_rows; ++i) {
        copy_bounded(rows[i].name, sizeof rows[i].name, wsize_tbl[i].name);
        copy_bounded(rows[i].kind, sizeof rows[i].kind, wsize_tbl[i].value);
        rows[i].x = wsize_tbl[i].x;
        rows[i].y = wsize_tbl[i].y;
        rows[i].endx = wsize_tbl[i].width;
        rows[i].endy = wsize_tbl[i].height;
    }
    // Written to a temporary of the home folder first: a failed write keeps the view.
    static const char temp[] = "vokwsize.$$$";
    char path[1024];
    home_file_path(path, sizeof path, temp);
    // A size file has no parameter section.
    const bool ok = table_write(path, wsize_rows, rows, 0, nullptr, nullptr) == 0;
    return home_replace(wsize_file, temp, ok) == 0 ? 0 : 1;
}
