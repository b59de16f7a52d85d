// What the Win32 and X/Motif writers share: the generated-file writer, the
// two per-generation caches (identifier words per kind in line-buffer pool
// 1, form-file existence per name in pool 2), the prototype names, the
// WNDCLASS slots, the REPEAT grid tables and the lookups on the current form.
#ifndef VOK_GENERATORS_GEN_SUPPORT_H
#define VOK_GENERATORS_GEN_SUPPORT_H

#include <cstdio>
#include <vector>

#include "forms/model.h"
#include "shell/dir_replace.h"

const int gen_line_size = 1000;   // one generated line; a longer one refuses the generation
const int kind_id_max = 1000;     // lines of kind_id_cache; later kinds are computed anew each time
const int form_file_max = 1000;   // lines of form_file_cache; later names are looked up each time
const int proto_max = 500;        // names of proto_names; later names count as new
const int wndclass_slots = 7;     // WNDCLASS members taken from a WNDCLASS box
const int wndclass_size = 256;    // one WNDCLASS value

extern const char *kind_id_cache[kind_id_max];   // "kind TAB signature TAB word TAB ..."
extern int kind_id_num;
extern const char *form_file_cache[form_file_max];  // "name TAB 1" or "name TAB"
extern int form_file_num;
extern char proto_names[proto_max][name_size];
extern int proto_num;
extern const char *const wndclass_defaults[wndclass_slots];
extern char wndclass_values[wndclass_slots][wndclass_size];
// Per FORM generation, by absolute box index: the REPEAT box owning the box
// or -1, and the control ids it takes.
extern int repeat_of[box_cap];
extern int id_count[box_cap];

// One generated file: its stream (null: a dry run that only checks) and
// whether anything went wrong.
struct gen_file {
    FILE *fp;
    bool write_failed;  // a write of the stream failed
};

// The pair of one generation: the source goes to a temporary that replaces
// it only when everything was written; the header is written in place.
struct gen_pair {
    dir_replacement replace;
    gen_file c;
    gen_file h;
};

// The first box whose generated line did not fit gen_line_size (-1: none);
// the writers check it before they replace a file.
extern int gen_cut_box;

// Formats one piece of generated text into a line buffer and writes it.
// A cut text is not written and marks box in gen_cut_box; 0, or 1 cut.
int gen_put(gen_file *f, int box, const char *format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 3, 4)))
#endif
    ;

// Opens the source's temporary, then the header: 0; 1 when either failed
// (reported, nothing replaced).
int gen_open_pair(gen_pair *p, const char *c_name, const char *h_name);
// Closes the header: 0; 1 when a write or the close failed or a line was cut
// (reported; the source's temporary is dropped).
int gen_close_header(gen_pair *p, const char *h_name);
// Closes the source and replaces c_name with it, then merges the header:
// 0; 1 when a line was cut or a file failed (reported; c_name unchanged
// unless only the merge failed).
int gen_finish(gen_pair *p, const char *c_name, const char *h_name);

// Shows "ファイル(name)をオープン出来ません" in the FORM error box; 1.
int report_open_failure(const char *name);
// Shows the refusal of a line that did not fit, naming gen_cut_box; 1.
int report_cut_line();
// Merges the header into the source (the main screen's merge), reporting a
// failure with the file it concerns; 0, or 1 reported.
int merge_header(const char *c_name, const char *h_name);

// The name generated code calls the box by: its kind, or an FBOX's name;
// null outside the form, for an empty kind or an unnamed FBOX.
const char *box_gen_name(int i);
// The identifier text of box i (each part begins ", "), in a static buffer
// the next call overwrites; -1 empties kind_id_cache and returns null.
const char *get_kind_ids(int i);
// 1 when the form file <name>.f exists, else 0 (cached); null empties form_file_cache.
int note_file_exists(const char *name);
// Copies base + ext to out unchanged: 0; when it is missing 1 for ".tc", 0 otherwise.
int copy_template(gen_file *out, const char *base, const char *ext);
// The source's head: the template ".tc", or the three-line banner naming c_name.
int write_source_head(gen_file *out, const char *base, const char *c_name);
void proto_reset();
// 1 when name was new (added while there is room), 0 when it was already written.
int proto_once(const char *name);
// 1 when a link with relation "SMENU" runs from a to b.
int is_smenu_child(int a, int b);
// 1 for the control class names EDIT, STATIC, SCRBAR, BUTTON, LISTBOX, COMBOBOX.
int is_control_class(const char *kind);
// Fills the WNDCLASS slots from the form's first WNDCLASS box or the defaults; 0.
int wndclass_fill();
// The FONT or TABSTOP box linking to box i with "SET"; -1 when none.
int find_font_box(int i);
int find_tabstop_box(int i);
// The APP box linking to box i with "FORM" or "no_set"; -1 when none.
int find_app_parent(int i);
// The earlier window box linking to box i with "CHILD" or "on_set"; -1 otherwise.
int find_child_link(int i);
// 1 when link l + d is outside the form's links or starts another run
// (another parent or relation); 0 when it continues the run of link l.
int link_run_edge(int l, int d);
// The first link (in its parent's box order) from a box of kind to a FORM
// box whose relation begins with a capital letter; -1 when none.
int find_brush_link(const char *kind);
// The "#include <kind>.r" lines of the user kinds and the WORK boxes' children (".x" files
// that exist while X-Window generation is on); 0.
int include_kind_defs(gen_file *out);
int include_work_defs(gen_file *out);
// The type signature of kind from <kind>.s into out ("" when missing); 0.
int kind_signature(const char *kind, char *out, int size);
// The argument text of box i's parameter fields for signature sig; 0, or 1 cut.
int arg_casts(const char *sig, int i, char *out, int size);
// The grid of a REPEAT box: its fields 0 and 1, each at least 1.
void repeat_size(int rep, int *nx, int *ny);
// The gaps between a REPEAT box's cells: its fields 2 and 3, each at least 0.
void repeat_gaps(int rep, int *gx, int *gy);

// The links of the form by parent and by child, in link order: while a
// generation runs they come from an index, otherwise from a scan; -1 ends.
int first_link_from(int box);
int next_link_from(int l);
int first_link_to(int box);
int next_link_to(int l);
// The boxes a POSI function positions, once each in order: every named POSI
// box and the named boxes its SET links reach, those with an id.
std::vector<int> posi_cases();
// Builds the index over the current form's links; 0.
int index_links();
// Drops the index (the lookups scan again).
void drop_link_index();

// Every global of this file back to its start state.
void gen_support_reset();

#endif
