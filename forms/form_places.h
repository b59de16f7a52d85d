// Where the FORM screen's controls stand after a resize, the window-place
// files a click on a top box writes, and the names the double-clicks open:
// a sub-form's file, a linked page's form and the page of the browser.
#ifndef VOK_FORMS_FORM_PLACES_H
#define VOK_FORMS_FORM_PLACES_H

#include <cstddef>

const int key_button_count = 25;  // the form-editing buttons, ids 0x28..0x40
const int pad_button_count = 12;  // the keypad buttons, ids 0x14..0x1F

// Captions of the buttons; a key button captioned "・" is never shown.
extern const char *const key_button_captions[key_button_count];
extern const char *const pad_button_captions[pad_button_count];

struct control_place {
    int x, y, w, h;
    int hidden;  // 1: the control stays hidden
};

struct form_layout_rec {
    control_place name_edit;    // the form-name field
    control_place counter;      // the occurrence label
    control_place keys[key_button_count];
    control_place pads[pad_button_count];
};

// The places of a client area w x h wide; 0.
int form_layout(int w, int h, form_layout_rec *out);

// The window-place file of a top-box kind, chosen by its first letter:
// "PROJ.P", "WORK.P", "DATA.P", "FORM.P", "SMENU.P", "HTML.P", "CALC.P",
// any other "APP.P".
const char *place_file_name(const char *kind);

// The lines of that file for a window rectangle, each ending in "\n"; 0,
// or 1 when they do not fit.
int place_file_text(const char *kind, int x, int y, int w, int h, char *out, size_t size);

// Writes the file into the home folder through a temporary; only a complete
// write removes the file of that name from every folder slot and puts the
// new one in its place.  0 written, 1 not written (nothing removed).
int write_place_file(const char *kind, int x, int y, int w, int h);

// The page the browser opens for a form file: the name with everything
// from its last "." replaced by ".html" (appended without a "."); 0, or 1
// when it does not fit.
int browser_page_name(const char *form_name, char *out, size_t size);

// The file a sub-form opens: name looked up in the folder slots, or, when
// no slot holds it, name with the folder-slot prefix of the file in use.
// 0, or 1 when it does not fit.
int subform_file_name(const char *name, const char *in_use, char *out, size_t size);

// The sub-form named after a kind: the kind followed by ".F", looked up as above.
int kind_form_name(const char *kind, const char *in_use, char *out, size_t size);

// The form of a linked page: target with the folder-slot prefix of the file
// in use and its extension replaced by ".F".  1 when the target is no local
// page (it begins "http://" or does not end in ".html", ".HTML", ".htm" or
// ".HTM") or the name does not fit; 0 otherwise.
int page_form_name(const char *target, const char *in_use, char *out, size_t size);

#endif
