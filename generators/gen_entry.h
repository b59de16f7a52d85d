// The one entry of source generation: the current form is classified by
// its top box and handed to the writer of its kind.
#ifndef VOK_GENERATORS_GEN_ENTRY_H
#define VOK_GENERATORS_GEN_ENTRY_H

const int gen_kind_count = 6;
// The form kinds in code order: 1 APP, 2 FORM, 3 WORK, 4 SMENU, 5 PROJ, 6 HTML.
extern const char *const gen_kinds[gen_kind_count];
// Kind codes of gen_kind.
enum gen_kind_code { gen_app = 1, gen_form = 2, gen_work = 3, gen_smenu = 4, gen_proj = 5, gen_html_kind = 6 };

// The 16-bit forms of the Win32 writers: "_export " and "lpfn", empty in Win32 mode.
extern const char *export_prefix;
extern const char *lpfn_prefix;

// Generates the sources of the current form into c_name (with its header
// h_name merged in).  0 done or refused with a message; 1 when a file could
// not be written (reported); other generators' results are passed on.
int gen_source(const char *c_name, const char *h_name);
// Classifies boxes first .. end-1: 0 with the kind code (1-6) and the top
// box set, or 1 after refusing the form (beep and error box).
int gen_kind(int first, int end, int *code, int *top);

// Every global of the generators back to its start state.
void generators_reset_all();

#endif
