// The capture host's form-designer windows: redraws, lists, edit texts,
// fake text measures and window sizes, and the main screen's ten panes.
#ifndef VOK_TESTS_CAPTURE_FORMS_H
#define VOK_TESTS_CAPTURE_FORMS_H

#include <string>
#include <vector>

#include "shell/host.h"

namespace capture_forms {

struct label_call {
    int n, x0, x1, bottom;
};

extern std::vector<win_handle> redraws;  // windows redrawn, in order
extern int char_width;                   // text width = bytes x char_width
extern int text_height;                  // measured text height
extern int font_height;                  // any window's font height
extern int client_w, client_h;           // every window's client size
extern int desktop_w, desktop_h;
extern std::string last_face;            // face and height of the last measure
extern int last_height;
extern int panes_hidden;                 // hide_panes calls
extern std::vector<label_call> labels;
extern std::string panes[10];

// Back to the start values; the tests call it with capture::reset().
void reset();

}  // namespace capture_forms

#endif
