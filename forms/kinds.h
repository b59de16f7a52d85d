// Box kinds, the kind predicates and the rules for object names.
#ifndef VOK_FORMS_KINDS_H
#define VOK_FORMS_KINDS_H

// Tables end with an empty text.
extern const char *const reserved_kinds[];
extern const char *const control_kinds[];
extern const char *const top_kinds[];
extern const char *const new_box_kinds[];
extern const char *const case_names[];
extern const char *const tree_kinds[];

bool kind_in(const char *kind, const char *const *table);

int case_no(const char *kind);
int bad_name_char(const char *name);
// What check_object_name says of an object name.
enum object_name_check {
    name_free = 0,      // usable (or not checked for this kind)
    name_taken = 1,     // another box of a user kind has it; kind gets that box's kind
    name_reserved = 2,  // one of the reserved names (Olist, olist, oname)
};
// The name of box i against the others: an object_name_check.  name and
// kind are cut in place (31 and 10 bytes); kind holds 11 bytes.
int check_object_name(int i, char *name, char *kind);
int validate_object_name(int holder, const char *name);
int is_long32(const char *text);
void cut_str31(char *text);
void cut_str10(char *text);

int is_user_kind(const char *kind);
int not_tree_kind(const char *kind);
int not_tree_or_top_kind(const char *kind);
int not_tree_or_hbox(const char *kind);
int not_item_kind(const char *kind);
int is_layout_kind(const char *kind);

// Kind tests of box i of the form model (the generators' and the undo's):
// 1 when its kind is reserved, or a control; 0 otherwise or out of range.
int is_reserved_kind(int i);
int is_control_box(int i);

#endif
