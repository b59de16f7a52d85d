// Small services of the main screen's module (see main_services.h).
#include "shell/main_services.h"

#include <cstdlib>
#include <cstring>

#include "shell/msgbox.h"
#include "shell/screens.h"
#include "shell/sjis.h"

namespace {

const int drag_far = 64;       // FLOW: beyond this a drag moves the chart
const int drag_near = 6;       // from this on a press is a drag, not a click
const int drag_page = 32;      // LIST: beyond this up or down a drag pages

}  // namespace

win_handle form_hwnd() { return hwndO; }

const char *msg_caption() { return msg_caption_text; }

int lower_in_place(char *text)
{
    for (char *p = text; *p != '\0'; ++p) {
        if (is_kanji1(static_cast<unsigned char>(*p)) && p[1] != '\0') ++p;  // a trail byte may look like a capital
        else if (*p >= 'A' && *p <= 'Z') *p = static_cast<char>(*p - 'A' + 'a');
    }
    return 0;
}

int swap_strings(char *a, size_t a_size, char *b, size_t b_size)
{
    const size_t a_len = strlen(a), b_len = strlen(b);
    if (a_len >= b_size || b_len >= a_size) return 1;
    const size_t end = a_len > b_len ? a_len : b_len;
    for (size_t i = 0; i <= end; ++i) {  // both terminators included
        const char c = a[i];
        a[i] = b[i];
        b[i] = c;
    }
    return 0;
}

int drag_class(int x0, int y0, int x1, int y1)
{
    const int dx = abs(x1 - x0), dy = abs(y1 - y0);
    if (dx > drag_far || dy > drag_far) return 1;
    return dx >= drag_near || dy >= drag_near ? -1 : 0;
}

int drag_class_v(int x0, int y0, int x1, int y1)
{
    if (y0 - y1 > drag_page) return vdrag_up;
    if (y1 - y0 > drag_page) return vdrag_down;
    return abs(x1 - x0) >= drag_near || abs(y1 - y0) >= drag_near ? vdrag_move : vdrag_click;
}
