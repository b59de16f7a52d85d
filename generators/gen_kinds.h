// Kind tests of the generators over boxes of the form model.
#ifndef VOK_GENERATORS_GEN_KINDS_H
#define VOK_GENERATORS_GEN_KINDS_H

int is_reserved_kind(int i);
int is_control_box(int i);

#endif
