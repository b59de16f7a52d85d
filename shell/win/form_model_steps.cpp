// The start-up and shutdown steps that rest on the form model.
#include "forms/model.h"
#include "forms/view_files.h"
#include "shell/win/startup_win.h"

int view_sizes_load() { return load_wsize(); }

int view_sizes_save() { return save_wsize(); }

int form_model_free()
{
    form_free();
    return 0;
}
