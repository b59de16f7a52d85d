// View switches and resets (see views.h) over the window table of
// shell/wsize.h and the value rules of the start-up.
#include "shell/views.h"

#include "shell/hook_audit.h"
#include "shell/list_setting.h"
#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/text.h"
#include "shell/winmsg.h"
#include "shell/wsize.h"

view_hooks_rec view_hooks;

namespace {

struct view_row {
    int key;
    const char *file;
    const char *label;
};
const view_row view_rows[] = {
    {'V', "vokwsize.dat", "１"},
    {'B', "vokwsiz2.dat", "２"},
    {'N', "vokwsiz3.dat", "３"},
};

int call(int (*hook)()) { return hook != nullptr ? hook() : 0; }

int apply_view()
{
    apply_screen_values(values_on_view);
    call(view_hooks.place_screens);
    return 0;
}

}  // namespace

int view_switch(const char *size_file)
{
    call(view_hooks.save_places);
    store_screen_values();
    store_screen_flags();
    save_list_setting();
    call(view_hooks.save_sizes);
    set_wview(size_file);
    call(view_hooks.load_sizes);
    set_view("");
    return apply_view();
}

int view_reset()
{
    init_wsize();
    return apply_view();
}

int view_key(int key)
{
    for (const view_row &v : view_rows) {
        if (v.key != key) continue;
        char text[200];
        if (is_wsize_std(v.file) == 0) {
            host_beep();
            format_text(text, sizeof text, "同一ビュー%s[%c]への切り替えです", v.label, v.key);
            msg_box(hwndE, text, msg_caption_text, MB_ICONEXCLAMATION);
            return 1;
        }
        format_text(text, sizeof text, "ビュー%s{%c]に切り替えますか？", v.label, v.key);
        if (msg_box(hwndE, text, msg_caption_text, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return 2;
        return view_switch(v.file);
    }
    return -1;
}

int view_reset_key()
{
    char text[200];
    format_text(text, sizeof text, "カレント ビュー%sを初期化しますか？", wsize_label());
    if (msg_box(hwndE, text, msg_caption_text, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return 2;
    return view_reset();
}

int view_hooks_unbound(char *out, size_t size)
{
    const hook_audit_row rows[] = {
        {"view_hooks.save_places", view_hooks.save_places != nullptr},
        {"view_hooks.save_sizes", view_hooks.save_sizes != nullptr},
        {"view_hooks.load_sizes", view_hooks.load_sizes != nullptr},
        {"view_hooks.place_screens", view_hooks.place_screens != nullptr},
    };
    static_assert(sizeof rows / sizeof rows[0] * sizeof(void (*)()) == sizeof(view_hooks_rec), "a row per member");
    return hook_audit(rows, sizeof rows / sizeof rows[0], out, size);
}
